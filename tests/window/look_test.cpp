// The colour rule, for every front end: the normal, dark and high-contrast
// cases, each text standing at 4.5:1 or more on its background.
#include "window/look.h"

#include <gtest/gtest.h>

#include <optional>

namespace quintora {
namespace {

constexpr Rgb black{0, 0, 0}, white{255, 255, 255};
constexpr SystemColours light{
    white, black, {0,   120, 215},
      white, {109, 109, 109}
};
constexpr SystemColours dark{
    {45,  45,  45 },
    white, {42,  130, 218},
    white, {128, 128, 128}
};
// Windows' "Night sky"-like high contrast: black boxes, white text.
constexpr SystemColours nightSky{
    black, white, {26, 235, 255},
      black, {63, 242, 63 }
};
constexpr SystemColours dimGrey{
    black, white, {26, 235, 255},
      black, {64, 64,  64 }
};

TEST(PaintOf, EveryTextStandsOutFromItsBackground) {
    struct Case {
        const char* name;
        Look look;
        SystemColours system;
        bool highContrast;
        std::optional<Paint> expected; // where the exact colours matter
    };
    const Case cases[] = {
        {"plain",                          {Tint::Plain},       light,    false, Paint{white, black}             },
        {"unit name",                      {Tint::Unit},        light,    false, Paint{{192, 192, 192}, black}   },
        {"marked",                         {Tint::Mark},        light,    false, Paint{{255, 192, 192}, black}   },
        {"out of date",                    {Tint::Plain, true}, light,    false, Paint{white, {0x76, 0x76, 0x76}}},
        {"marked, out of date",            {Tint::Mark, true},  light,    false, std::nullopt                    },
        {"dark: unit name",                {Tint::Unit},        dark,     false, Paint{{192, 192, 192}, black}   },
        {"dark: marked",                   {Tint::Mark},        dark,     false, Paint{{255, 192, 192}, black}   },
        {"dark: plain",                    {Tint::Plain},       dark,     false, Paint{{45, 45, 45}, white}      },
        {"dark: out of date",              {Tint::Plain, true}, dark,     false, std::nullopt                    },
        {"high contrast: unit name",       {Tint::Unit},        nightSky, true,  Paint{black, white}             },
        {"high contrast: marked",          {Tint::Mark},        nightSky, true,  Paint{{26, 235, 255}, black}    },
        {"high contrast: out of date",
         {Tint::Plain, true},
         nightSky,                                                        true,
         Paint{black, {63, 242, 63}}                                                                             },
        {"high contrast: unreadable grey", {Tint::Unit, true},  dimGrey,  true,  Paint{black, white}             },
    };
    for (const Case& c : cases) {
        const Paint paint = paintOf(c.look, c.system, c.highContrast);
        EXPECT_GE(contrast(paint.text, paint.background), 4.5) << c.name;
        if (c.expected) {
            EXPECT_EQ(paint, *c.expected) << c.name;
        }
        if (c.look.outOfDate && !(c.highContrast && paint.text == c.system.windowText)) {
            const Paint current = paintOf({c.look.background}, c.system, c.highContrast);
            EXPECT_NE(paint.text, current.text) << c.name << ": not told apart from current text";
        }
    }
}

} // namespace
} // namespace quintora
