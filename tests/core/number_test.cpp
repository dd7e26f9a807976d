#include "core/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quintora {
namespace {

struct ReadCase {
    const char* text;
    double value;
    bool whole;
};

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, ReadsLenientlyAndSaysWhetherAllWasRead) {
    const ReadCase& c = GetParam();
    const Reading r = readNumber(c.text, '.');
    EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(r.whole, c.whole) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumber,
    testing::Values(ReadCase{"1", 1, true}, ReadCase{"25", 25, true}, ReadCase{"2 5", 25, true},
                    ReadCase{" \t\n 3 \n", 3, true}, ReadCase{"1,5", 1, false},
                    ReadCase{"12.5kN", 12.5, false}, ReadCase{"abc", 0, false},
                    ReadCase{"", 0, true}, ReadCase{"   ", 0, true}, ReadCase{"-2", -2, true},
                    ReadCase{"+7", 7, true}, ReadCase{"--2", 0, false}, ReadCase{"-", 0, false},
                    ReadCase{".", 0, false}, ReadCase{".5", 0.5, true}, ReadCase{"5.", 5, true},
                    ReadCase{"1.2.3", 1.2, false}, ReadCase{"1e", 1, false},
                    ReadCase{"1e+", 1, false}, ReadCase{"1E3", 1000, true},
                    ReadCase{"2.5e-3", 0.0025, true}, ReadCase{"1 e 2", 100, true},
                    ReadCase{"1e-330", 0, true}, ReadCase{"0.1", 0.1, true},
                    ReadCase{"1e308", 1e308, true}, ReadCase{"0e999999999999", 0, true},
                    ReadCase{"&H10", 0, false}, ReadCase{"3\r\n", 3, true},
                    ReadCase{"1.7976931348623157e308", std::numeric_limits<double>::max(), true},
                    ReadCase{"0.000000000000000000000000000001e30", 1, true}));

TEST(ReadNumber, NegativeZeroKeepsItsSign) {
    const Reading r = readNumber("-0", '.');
    EXPECT_EQ(r.value, 0.0);
    EXPECT_TRUE(std::signbit(r.value));
}

TEST(ReadNumber, BeyondTheRangeOfADoubleIsTheOverflowError) {
    for (const char* text : {"1e400", "-1e400", "1.8e308", "1e99999999999999999999999"}) {
        EXPECT_TRUE(readNumber(text, '.').overflow) << text;
        EXPECT_EQ(readNumber(text, '.').value, 0) << text;
    }
    EXPECT_FALSE(readNumber("1.7976931348623157e308", '.').overflow);
}

TEST(ReadNumber, VeryLongTextsRoundCorrectly) {
    // Digits far past the seventeenth still decide the rounding.
    EXPECT_EQ(readNumber("0.1" + std::string(2000, '0') + "1", '.').value, 0.1);
    EXPECT_EQ(readNumber("9007199254740993" + std::string(3000, '0') + "e-3000", '.').value,
              9007199254740992.0);
    EXPECT_EQ(readNumber("9007199254740993" + std::string(3000, '0') + "1e-3001", '.').value,
              9007199254740994.0);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1e401", '.').value, 1);
    EXPECT_TRUE(readNumber(std::string(5000, '1'), '.').overflow);
}

TEST(ReadNumber, TheLocaleSeparatorIsAcceptedBesideThePoint) {
    EXPECT_EQ(readNumber("1,5", ',').value, 1.5);
    EXPECT_EQ(readNumber("1.5", ',').value, 1.5);
    EXPECT_EQ(readNumber("0,001", ',').value, 0.001);
    EXPECT_TRUE(readNumber("0,001", ',').whole);
    EXPECT_EQ(readNumber("1,5,2", ',').value, 1.5);
    EXPECT_FALSE(readNumber("1,5,2", ',').whole);
}

// Texts as spreadsheets, calculation programs and reports write them, under
// a decimal comma and a decimal point: grouped digits read whole where the
// grouping cannot be mistaken, and as before where it can.
struct TravelledCase {
    const char* text;
    char separator;
    double value;
    bool whole;
};

class TravelledNumber : public testing::TestWithParam<TravelledCase> {};

TEST_P(TravelledNumber, ReadsWholeWhereTheGroupingCannotBeMistaken) {
    const TravelledCase& c = GetParam();
    const Reading r = readNumber(c.text, c.separator);
    EXPECT_EQ(r.value, c.value) << '"' << c.text << "\" under " << c.separator;
    EXPECT_EQ(r.whole, c.whole) << '"' << c.text << "\" under " << c.separator;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, TravelledNumber,
    testing::Values(TravelledCase{"12,5\r\n",           ',', 12.5,        true },
                    TravelledCase{"1.234,56",            ',', 1234.56,     true },
                    TravelledCase{"1.234.567",           ',', 1234567,     true },
                    TravelledCase{"-12.345.678,9",       ',', -12345678.9, true },
                    TravelledCase{"1\u00a0234,56",       ',', 1234.56,     true },
                    TravelledCase{"1\u202f234\u202f567", ',', 1234567,     true },
                    TravelledCase{"1.000",               ',', 1,           true }, // the point is decimal
                    TravelledCase{"1.2345,6",            ',', 1.2345,      false},
                    TravelledCase{"0.123,4",             ',', 0.123,       false},
                    TravelledCase{"1,234.56",            ',', 1.234,       false},
                    TravelledCase{"1.234,56.7",          ',', 1234.56,     false},
                    TravelledCase{"1,234.56",            '.', 1234.56,     true },
                    TravelledCase{"1,234,567",           '.', 1234567,     true },
                    TravelledCase{"1,000",               '.', 1,           false}, // one mark, no decimals
                    TravelledCase{"1.234,56",            '.', 1.234,       false}));
// clang-format on

struct WriteCase {
    double value;
    const char* text;
};

class WriteNumber : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteNumber, WritesFifteenDigitsInTheShortestForm) {
    EXPECT_EQ(writeNumber(GetParam().value, '.'), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteNumber,
    testing::Values(WriteCase{1, "1"}, WriteCase{0, "0"}, WriteCase{-0.0, "0"},
                    WriteCase{-200, "-200"}, WriteCase{0.001, "0.001"}, WriteCase{0.1 * 3, "0.3"},
                    WriteCase{0.0001, "0.0001"}, WriteCase{0.00012345, "0.00012345"},
                    WriteCase{0.00001, "1E-05"}, WriteCase{0.000001, "1E-06"},
                    WriteCase{0.000015, "1.5E-05"}, WriteCase{1e15, "1E+15"},
                    WriteCase{1e300, "1E+300"}, WriteCase{-1.5e-300, "-1.5E-300"},
                    WriteCase{1e100, "1E+100"}, WriteCase{123456789012345, "123456789012345"},
                    WriteCase{999999999999999.4, "999999999999999"},
                    WriteCase{999999999999999.6, "1E+15"},
                    WriteCase{123456789012344.5, "123456789012345"},
                    WriteCase{-123456789012344.5, "-123456789012345"},
                    WriteCase{123456789012345.5, "123456789012346"}, WriteCase{2.5, "2.5"},
                    WriteCase{100000, "100000"}, WriteCase{1.0 / 3, "0.333333333333333"},
                    WriteCase{2.0 / 3, "0.666666666666667"},
                    WriteCase{std::numeric_limits<double>::max(), "1.79769313486231E+308"},
                    WriteCase{-1.797693134862315e308, "-1.79769313486231E+308"},
                    WriteCase{1.79769313486231e308, "1.79769313486231E+308"},
                    WriteCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
                    WriteCase{0.30000000000000004, "0.3"}, WriteCase{1234.5678, "1234.5678"}));

TEST(WriteNumber, UsesTheSeparatorItIsGiven) {
    EXPECT_EQ(writeNumber(0.001, ','), "0,001");
    EXPECT_EQ(writeNumber(1.5e-5, ','), "1,5E-05");
    EXPECT_EQ(writeNumber(2500000, ','), "2500000");
}

TEST(WriteNumber, WhatIsWrittenReadsBackToTheSameText) {
    for (double v : {0.1, 1.0 / 3, 1e-5, 123456.789, -9.87654321e-200, 6.02214076e23,
                     std::numeric_limits<double>::max(), -1.7976931348623155e308}) {
        for (char sep : {'.', ','}) {
            const std::string text = writeNumber(v, sep);
            EXPECT_EQ(writeNumber(readNumber(text, sep).value, sep), text);
        }
    }
}

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
