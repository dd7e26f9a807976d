#include "core/conversion.h"
#include "support/memory_fields.h"

#include <gtest/gtest.h>

#include <map>

namespace quintora {
namespace {

using Texts = std::vector<std::string>;

const Texts initialForce{"1", "0.001", "10", "0.01"};
const Texts initialMoment{"1",  "0.1", "0.001", "0.001", "0.0001", "1E-06",
                          "10", "1",   "0.01",  "0.01",  "0.001",  "1E-05"};
const Texts initialStress{"1",        "100",  "1000000", "0.001", "0.1", "1000",  "10",      "1000",
                          "10000000", "0.01", "1",       "10000", "10",  "10000", "10000000"};

struct Pass {
    Module1 module;
    MemoryFields fields;
    explicit Pass(char separator = '.') : fields(separator) {}
    std::optional<Stop> run() { return programa01(module, fields); }
};

TEST(ConversionPass, InitialContentsGiveTheThirtyOneTexts) {
    Pass p;
    p.run();
    EXPECT_EQ(p.fields.outputs(0), initialForce);
    EXPECT_EQ(p.fields.outputs(1), initialMoment);
    EXPECT_EQ(p.fields.outputs(2), initialStress);
}

TEST(ConversionPass, TwentyFiveKilonewtonMetres) {
    Pass p;
    p.fields.at(Control::Text3) = "25";
    p.fields.at(Control::Combo2) = "KN.m";
    p.run();
    EXPECT_EQ(p.module.momento, 250000);
    EXPECT_EQ(p.fields.outputs(1), (Texts{"2500000", "250000", "2500", "2500", "250", "2.5",
                                          "25000000", "2500000", "25000", "25000", "2500", "25"}));
}

TEST(ConversionPass, ChangingOneSelectorRewritesEveryOutput) {
    Pass p;
    p.run();
    p.fields.at(Control::Combo2) = "KN.m";
    for (const Quantity& q : quantities)
        for (int i = 1; i <= q.rows(); ++i)
            p.fields.at(q.values, i) = "stale";
    p.run();
    EXPECT_EQ(p.fields.outputs(0), initialForce);
    EXPECT_EQ(p.fields.outputs(1).front(), "100000");
    EXPECT_EQ(p.fields.outputs(2), initialStress);
}

TEST(ConversionPass, SecondPassGivesTheSameTextsAndLeavesInputsAlone) {
    Pass p;
    p.fields.at(Control::Text5) = " 12.5kN ";
    p.run();
    const Texts first = p.fields.outputs(2);
    p.run();
    EXPECT_EQ(p.fields.outputs(2), first);
    EXPECT_EQ(p.fields.at(Control::Text5), " 12.5kN ");
}

struct SingleCase {
    const char* value;
    const char* unit;
    int row;
    const char* expected;
};

class ForceInput : public testing::TestWithParam<SingleCase> {};

TEST_P(ForceInput, ShowsInTheRow) {
    Pass p;
    p.fields.at(Control::Text1) = GetParam().value;
    p.fields.at(Control::Combo1) = GetParam().unit;
    p.run();
    EXPECT_EQ(p.fields.at(Control::Text1, GetParam().row), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForceInput,
    testing::Values(SingleCase{"-2", "KN", 1, "-200"}, SingleCase{"3", "N", 1, "0.3"},
                    SingleCase{"1,5", "Kgf", 1, "1"}, SingleCase{"2 5", "Kgf", 1, "25"},
                    SingleCase{"abc", "Tf", 2, "0"}, SingleCase{"", "Tf", 3, "0"},
                    SingleCase{"-0", "KN", 4, "0"}, SingleCase{"1e-330", "Tf", 1, "0"}));

// Orders of magnitude worked out from 1 Kgf = 10 N, 1 Tf = 1000 Kgf and
// 1 m = 100 cm = 1000 mm, independently of the factor tables: the power of ten
// of each unit in newtons and millimetres.
int forcePower(const std::string& f) {
    static const std::map<std::string, int> inNewtons{
        {"N",   0},
        {"KN",  3},
        {"Kgf", 1},
        {"Tf",  4}
    };
    return inNewtons.at(f);
}
int lengthPower(const std::string& l) {
    static const std::map<std::string, int> inMillimetres{
        {"mm", 0},
        {"cm", 1},
        {"m",  3}
    };
    return inMillimetres.at(l);
}
int unitPower(const std::string& name) {
    if (name == "MPa")
        return unitPower("N/mm2");
    if (name == "KPa")
        return unitPower("KN/m2");
    if (name == "Pa")
        return unitPower("N/m2");
    if (auto dot = name.find('.'); dot != std::string::npos)
        return forcePower(name.substr(0, dot)) + lengthPower(name.substr(dot + 1));
    if (auto slash = name.find('/'); slash != std::string::npos)
        return forcePower(name.substr(0, slash)) -
               2 * lengthPower(name.substr(slash + 1, name.size() - slash - 2));
    return forcePower(name);
}

// The text a user sees for -2.5 times 10^power.
std::string minusTwoAndAHalfTimesTenTo(int power) {
    if (power < -4 || power > 14) {
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", power < 0 ? '-' : '+', power < 0 ? -power : power);
        return std::string("-2.5") + e;
    }
    if (power < 0)
        return "-0." + std::string(-power - 1, '0') + "25";
    return "-2" + (power == 0 ? std::string(".5") : "5" + std::string(power - 1, '0'));
}

TEST(ConversionPass, EveryPairOfUnitsAgreesWithTheBaseRelations) {
    const std::array<std::vector<std::string>, 3> names{
        {
         {"Kgf", "Tf", "N", "KN"},
         {"Kgf.mm", "Kgf.cm", "Kgf.m", "Tf.mm", "Tf.cm", "Tf.m", "N.mm", "N.cm", "N.m", "KN.mm",
             "KN.cm", "KN.m"},
         {"Kgf/mm2", "Kgf/cm2", "Kgf/m2", "Tf/mm2", "Tf/cm2", "Tf/m2", "N/mm2", "N/cm2", "N/m2",
             "KN/mm2", "KN/cm2", "KN/m2", "MPa", "KPa", "Pa"},
         }
    };
    for (std::size_t q = 0; q < 3; ++q) {
        for (const std::string& from : names[q]) {
            Pass p;
            p.fields.at(quantities[q].values) = "-2.5";
            p.fields.at(quantities[q].selector) = from;
            p.run();
            const Texts shown = p.fields.outputs(q);
            ASSERT_EQ(shown.size(), names[q].size());
            for (std::size_t row = 0; row < shown.size(); ++row)
                EXPECT_EQ(shown[row],
                          minusTwoAndAHalfTimesTenTo(unitPower(from) - unitPower(names[q][row])))
                    << "-2.5 " << from << " in " << names[q][row];
        }
    }
}

TEST(UnknownUnit, InASelectorEmptiesItsQuantityOnly) {
    for (const char* name : {"xyz", "kgf", " Kgf", "Kgf ", "", "Kgf.cm"}) {
        Pass p;
        p.fields.at(Control::Combo1) = name;
        p.run();
        EXPECT_EQ(p.fields.outputs(0), Texts(4, "")) << '"' << name << '"';
        EXPECT_FALSE(p.fields.known(Control::Combo1, 0));
        EXPECT_TRUE(p.fields.known(Control::Combo2, 0));
        EXPECT_EQ(p.fields.outputs(1), initialMoment);
        EXPECT_EQ(p.fields.outputs(2), initialStress);
    }
}

TEST(UnknownUnit, InAUnitNameBoxEmptiesThatRowOnly) {
    Pass p;
    p.fields.at(Control::Text2, 1) = "xyz";
    p.fields.at(Control::Text4, 1) = "Kgf";
    p.fields.at(Control::Text6, 15) = "pa";
    p.run();
    EXPECT_EQ(p.fields.outputs(0), (Texts{"", "0.001", "10", "0.01"}));
    EXPECT_EQ(p.fields.at(Control::Text3, 1), "");
    EXPECT_EQ(p.fields.at(Control::Text3, 2), "0.1");
    EXPECT_EQ(p.fields.at(Control::Text5, 14), "10000");
    EXPECT_EQ(p.fields.at(Control::Text5, 15), "");
    EXPECT_FALSE(p.fields.known(Control::Text2, 1));
    EXPECT_TRUE(p.fields.known(Control::Text2, 2));
    EXPECT_FALSE(p.fields.known(Control::Text6, 15));
}

TEST(UnknownUnit, AKnownNameTypedIntoARowConvertsToIt) {
    Pass p;
    p.fields.at(Control::Text2, 1) = "Tf";
    p.fields.at(Control::Text6, 1) = "MPa";
    p.run();
    EXPECT_EQ(p.fields.at(Control::Text1, 1), "0.001");
    EXPECT_EQ(p.fields.at(Control::Text5, 1), "10");
}

TEST(UnknownUnit, FirstPassOfARunWithUnknownInputsDividesByNothing) {
    Pass p;
    for (const Quantity& q : quantities)
        p.fields.at(q.selector) = "?";
    EXPECT_EQ(p.run(), std::nullopt);
    for (std::size_t q = 0; q < 3; ++q)
        for (const std::string& text : p.fields.outputs(q))
            EXPECT_EQ(text, "");
}

struct FaultCase {
    const char* what;
    Control input;
    const char* value;
    Control selector;
    const char* unit;
    std::size_t writtenForce, writtenMoment, writtenStress;
    Stop stop;
};

class Fault : public testing::TestWithParam<FaultCase> {};

TEST_P(Fault, StopsWithOverflowAndLeavesNoStaleOutput) {
    const FaultCase& c = GetParam();
    Pass p;
    for (const Quantity& q : quantities)
        for (int i = 1; i <= q.rows(); ++i)
            p.fields.at(q.values, i) = "stale";
    p.fields.at(c.input) = c.value;
    p.fields.at(c.selector) = c.unit;
    const std::optional<Stop> stop = p.run();
    ASSERT_TRUE(stop) << c.what << ": no error";
    EXPECT_EQ(stop->error.number, 6);
    EXPECT_EQ(stop->error.description, "Overflow");
    EXPECT_EQ(*stop, c.stop) << c.what;
    const std::array<std::size_t, 3> written{c.writtenForce, c.writtenMoment, c.writtenStress};
    for (std::size_t q = 0; q < 3; ++q) {
        const Texts shown = p.fields.outputs(q);
        for (std::size_t row = 0; row < shown.size(); ++row) {
            EXPECT_NE(shown[row], "stale") << c.what << " q" << q << " row " << row + 1;
            EXPECT_EQ(shown[row].empty(), row >= written[q])
                << c.what << " q" << q << " row " << row + 1 << ": " << shown[row];
        }
    }
    EXPECT_EQ(p.fields.at(c.input), c.value);
}

// Each stops at the box named last: the input, or the row whose result overflows.
INSTANTIATE_TEST_SUITE_P(
    Cases, Fault,
    testing::Values(
        FaultCase{
            "input beyond a double", Control::Text3, "1e400", Control::Combo2, "Kgf.mm", 0, 0, 0,
            Stop{overflowError, Control::Text3, 0}
},
        FaultCase{"product beyond a double", Control::Text1, "1e308", Control::Combo1, "Tf", 0, 0,
                  0, Stop{overflowError, Control::Text1, 0}},
        FaultCase{"moment quotient in N.mm", Control::Text3, "1e307", Control::Combo2, "Kgf.cm", 4,
                  6, 0, Stop{overflowError, Control::Text3, 7}},
        FaultCase{"stress quotient in Kgf/m2", Control::Text5, "1e305", Control::Combo3, "Kgf/cm2",
                  4, 12, 2, Stop{overflowError, Control::Text5, 3}}));

TEST(Locale, CommaSeparatorIsWrittenAndReadBack) {
    Pass p(',');
    p.run();
    EXPECT_EQ(p.fields.at(Control::Text1, 2), "0,001");
    p.fields.at(Control::Text1) = p.fields.at(Control::Text1, 2);
    p.fields.at(Control::Combo1) = "Tf";
    p.run();
    EXPECT_EQ(p.fields.at(Control::Text1, 1), "1");
    EXPECT_TRUE(p.fields.reading(Control::Text1).whole);
}

TEST(InputRead, ReportsTheNumberTakenAndWhetherAllWasRead) {
    Pass p;
    p.fields.at(Control::Text1) = "12.5kN";
    p.fields.at(Control::Text3) = "";
    p.run();
    EXPECT_EQ(p.fields.reading(Control::Text1).value, 12.5);
    EXPECT_FALSE(p.fields.reading(Control::Text1).whole);
    EXPECT_TRUE(p.fields.reading(Control::Text3).whole);
    EXPECT_TRUE(p.fields.reading(Control::Text5).whole);
}

} // namespace
} // namespace quintora
