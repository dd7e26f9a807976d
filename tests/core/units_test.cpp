#include "core/units.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

using Lookup = const Unit* (*)(Module1&);

double factorOf(Lookup lookUp, const char* name) {
    Module1 m;
    m.unidade = name;
    EXPECT_NE(lookUp(m), nullptr) << name;
    return m.fator;
}

TEST(Lookup, NamesThatShareAFactor) {
    EXPECT_EQ(factorOf(QuintoraMomento, "Kgf.m"), factorOf(QuintoraMomento, "Tf.mm"));
    EXPECT_EQ(factorOf(QuintoraMomento, "N.m"), factorOf(QuintoraMomento, "KN.mm"));
    EXPECT_EQ(factorOf(QuintoraTensao, "MPa"), factorOf(QuintoraTensao, "N/mm2"));
    EXPECT_EQ(factorOf(QuintoraTensao, "Pa"), factorOf(QuintoraTensao, "N/m2"));
    EXPECT_EQ(factorOf(QuintoraTensao, "KPa"), factorOf(QuintoraTensao, "KN/m2"));
}

struct Unknown {
    Lookup lookUp;
    const char* name;
};

class UnknownName : public testing::TestWithParam<Unknown> {};

TEST_P(UnknownName, MatchesNothingAndLeavesTheFactorAlone) {
    Module1 m;
    m.fator = 1000;
    m.unidade = GetParam().name;
    EXPECT_EQ(GetParam().lookUp(m), nullptr);
    EXPECT_EQ(m.fator, 1000);
}

// Exact and case-sensitive; each lookup knows only its own table.
INSTANTIATE_TEST_SUITE_P(
    Cases, UnknownName,
    testing::Values(Unknown{QuintoraForça, "kgf"}, Unknown{QuintoraForça, "KGF"},
                    Unknown{QuintoraForça, " Kgf"}, Unknown{QuintoraForça, "Kgf "},
                    Unknown{QuintoraForça, ""}, Unknown{QuintoraForça, "kN"},
                    Unknown{QuintoraMomento, "Kgf"}, Unknown{QuintoraMomento, "KN.M"},
                    Unknown{QuintoraTensao, "Kgf"}, Unknown{QuintoraTensao, "mpa"},
                    Unknown{QuintoraTensao, "Kgf/cm²"}));

} // namespace
} // namespace quintora
