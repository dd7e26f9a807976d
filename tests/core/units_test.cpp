#include "units.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

using Lookup = bool (*)(Module1&);

double factorOf(Lookup lookUp, const char* name) {
    Module1 m;
    m.unidade = name;
    EXPECT_TRUE(lookUp(m)) << name;
    return m.fator;
}

TEST(Lookup, ForceUnitsRestOnTenNewtonsToTheKilogramForce) {
    EXPECT_EQ(factorOf(QuintoraForça, "Kgf"), 1);
    EXPECT_EQ(factorOf(QuintoraForça, "Tf"), 1000);
    EXPECT_EQ(factorOf(QuintoraForça, "N"), 0.1);
    EXPECT_EQ(factorOf(QuintoraForça, "KN"), 100);
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
    EXPECT_FALSE(GetParam().lookUp(m));
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

TEST(FindUnit, FindsAnyUnitByItsExactName) {
    ASSERT_NE(findUnit("KN.m"), nullptr);
    EXPECT_EQ(findUnit("KN.m")->spoken, "quilonewton-metro");
    EXPECT_EQ(findUnit("Kgf/cm2")->spoken, "quilograma-força por centímetro quadrado");
    EXPECT_EQ(findUnit("kn.m"), nullptr);
}

} // namespace
} // namespace quintora
