// The window's description, once for every front end: the tab order, the
// numbering of its fields, and the templates filled from it.
#include "window/controls.h"
#include "window/facts.h"
#include "window/form2_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintora {
namespace {

TEST(TabOrder, RunsFromEqualsThroughTheInputsToSaiThenEachColumn) {
    std::vector<std::string> names;
    const std::vector<ControlRow> table = controlTable();
    for (const ControlRow* row : tabOrder(table))
        names.push_back(row->objectName());
    const std::vector<std::string> head{"Command1", "Text1(0)", "Combo1",   "Text3(0)", "Combo2",
                                        "Text5(0)", "Combo3",   "Command2", "Text1(1)", "Text1(2)",
                                        "Text1(3)", "Text1(4)", "Text2(1)"};
    ASSERT_EQ(names.size(), 70u); // every control but the labels
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 13), head);
    for (const auto& [at, name] : {
             std::pair{16, "Text3(1)" },
             {28, "Text4(1)" },
             {39, "Text4(12)"},
             {40, "Text5(1)" },
             {55, "Text6(1)" },
             {69, "Text6(15)"}
    })
        EXPECT_EQ(names[static_cast<std::size_t>(at)], name) << at;
}

TEST(FieldNumbers, NumberEveryFieldOnceAndReadBack) {
    const std::vector<Field> fields = allFields();
    EXPECT_EQ(fields.size(), 3u + 34 + 31);
    for (std::size_t n = 0; n < fields.size(); ++n)
        EXPECT_EQ(fieldNumber(fields[n]), n);
    for (const auto& [field, number] : {
             std::pair{Field{Control::Combo1, 0}, 0u },
             {Field{Control::Text1, 0},  1u },
             {Field{Control::Text2, 4},  9u },
             {Field{Control::Combo2, 0}, 10u},
             {Field{Control::Text6, 15}, 67u}
    })
        EXPECT_EQ(fieldNumber(field), number);
}

TEST(FillTemplate, FillsEveryNameAndLeavesOtherAtSigns) {
    const Fills fills{
        {"NAME",        "Quintora"},
        {"FORCE_UNITS", "4"       }
    };
    struct Case {
        const char* in;
        const char* out;
        const char* missing;
    };
    for (const Case& c : {
             Case{"@NAME@ tem @FORCE_UNITS@", "Quintora tem 4",       ""       },
             {"@media @NAME@ {",          "@media Quintora {",    ""       },
             {"a@b.example @NAME@",       "a@b.example Quintora", ""       },
             {"só @ um",                 "só @ um",             ""       },
             {"@NAME@ e @VERSION@",       "",                     "VERSION"}
    }) {
        const Filled filled = fillTemplate(c.in, fills);
        EXPECT_EQ(filled.missing, c.missing) << c.in;
        if (filled.missing.empty()) {
            EXPECT_EQ(filled.text, c.out) << c.in;
        }
    }
}

TEST(FillTemplate, KnowsTheUnitCountsAndTheReleaseDate) {
    const Fills fills = commonFills();
    const Filled filled = fillTemplate(
        "@FORCE_UNITS@/@MOMENT_UNITS@/@STRESS_UNITS@/@ALL_UNITS@; @RELEASE_DATE@", fills);
    EXPECT_EQ(filled.text.substr(0, 11), "4/12/15/31;");
    const std::string date = fills.at("RELEASE_DATE");
    ASSERT_EQ(date.size(), 10u);
    // The changelog's form of the same day: its day of the month and year.
    EXPECT_EQ(fills.at("RELEASE_DATE_CHANGELOG").substr(5, 2), date.substr(8, 2));
    EXPECT_NE(fills.at("RELEASE_DATE_CHANGELOG").find(date.substr(0, 4) + " 00:00:00 +0000"),
              std::string::npos);
}

} // namespace
} // namespace quintora
