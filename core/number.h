// Reading and writing the numbers a user types and sees.
//
// Both take the decimal separator as an argument and never consult the
// process locale, so a result is the same text whatever locale the program
// runs under; the window passes the separator of the user's locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quintora {

// An arithmetic fault that stops a conversion pass, as a value: the core
// raises no exceptions, so that it builds the same for every target. It
// carries the error's number and its description in English; the window
// tells the user the number and a description in Portuguese
// (texts::errorDescription).
struct RuntimeError {
    int number;
    std::string_view description;
    bool operator==(const RuntimeError&) const = default;
};

inline constexpr int overflowErrorNumber = 6;
inline constexpr RuntimeError overflowError{overflowErrorNumber, "Overflow"};

struct Reading {
    double value = 0.0;
    // True when every character of the text took part in the number (blanks
    // aside); an empty or blank text counts as whole.
    bool whole = true;
    // The number lies beyond the range of a double: the overflow error.
    // `value` is then 0.
    bool overflow = false;
};

// Reads a decimal number from the left of `text` (UTF-8), leniently: blanks
// are skipped wherever they stand; "." is always a decimal separator, and so
// is `decimalSeparator`; an exponent "E"/"e" with optional sign is accepted;
// reading stops at the first character that cannot continue the number, and
// a text that does not begin with a number reads as 0.
// Digits grouped by the user's grouping mark (groupingMarkOf) read whole
// where the grouping cannot be mistaken: one to three digits not led by 0,
// then groups of the mark and exactly three digits, and either two or more
// such groups or the decimal separator after them ("1.234,56" and
// "1.234.567" where the separator is ","; "1,234.56" and "1,234,567" where
// it is "."). There "." is no decimal separator but the mark. A single
// mark with no decimal part ("1.000" where the separator is ",") is read as
// before: the point is decimal.
// A number too small for a double reads as 0; one beyond its range sets
// `overflow`.
Reading readNumber(std::string_view text, char decimalSeparator);

// The digit grouping mark of a user whose decimal separator is
// `decimalSeparator`: "." where it is ",", else ",".
constexpr char groupingMarkOf(char decimalSeparator) {
    return decimalSeparator == ',' ? '.' : ',';
}

// The length in bytes of the blank `text` begins with, or 0: what a number
// may hold anywhere and reading skips. Spaces, tabs, line ends (LF and CR),
// and the no-break spaces U+00A0 and U+202F, with which several locales
// group digits.
std::size_t blankAt(std::string_view text);
// `text` without its blanks.
std::string withoutBlanks(std::string_view text);

// Whether a text such as "1.000" or "-12.500" may mean thousands to a user
// whose decimal separator is the comma: its one separator is a point with
// exactly three digits after it and one to three, not led by 0, before it.
// It reads as a decimal all the same.
bool pointMayGroupThousands(std::string_view text, char decimalSeparator);
// Such a text as the user would type a thousand: "1.000" -> "1000".
std::string withoutPoint(std::string_view text);

// The longest text writeNumber can produce, e.g. "-1.23456789012345E+308".
inline constexpr std::size_t maxNumberText = 24;

// Writes a finite `value` rounded to at most 15 significant digits (an exact
// tie rounds away from zero), in the shortest form: no trailing zeros, no
// separator for whole numbers, no grouping, "-" for negatives, never "-0".
// Decimal exponents -4 to 14 are written plainly; others as digits, "E", a
// sign and at least two exponent digits ("1E-06", "1.5E+15").
// Writes into `out` (at least maxNumberText chars) and returns the length.
std::size_t writeNumber(double value, char decimalSeparator, char* out);
std::string writeNumber(double value, char decimalSeparator);

} // namespace quintora
