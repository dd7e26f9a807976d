#include "window/form2_logic.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

// A point that may group thousands: a comma locale, one point, three digits
// after it and one to three, not led by 0, before it.
TEST(PointMayGroupThousands, OnlyWhereTheCommaIsDecimal) {
    for (const char* text : {"1.000", "12.500", "-2.000", "+999.999", " 1 . 000 "})
        EXPECT_TRUE(pointMayGroupThousands(text, ',')) << text;
    for (const char* text : {"1.000", "12.500"})
        EXPECT_FALSE(pointMayGroupThousands(text, '.')) << text;
    for (const char* text : {"0.500", "1234.000", "1.0000", "1.00", ".500", "1.000.000", "1,000",
                             "1.000e3", "1.00a", ""})
        EXPECT_FALSE(pointMayGroupThousands(text, ',')) << text;
}

} // namespace
} // namespace quintora
