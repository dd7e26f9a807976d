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

// Reads a decimal number from the left of `text`, leniently: blanks, tabs and
// line feeds are skipped wherever they stand; "." is always a decimal
// separator, and so is `decimalSeparator`; an exponent "E"/"e" with optional
// sign is accepted; reading stops at the first character that cannot continue
// the number, and a text that does not begin with a number reads as 0.
// A number too small for a double reads as 0; one beyond its range sets
// `overflow`.
Reading readNumber(std::string_view text, char decimalSeparator);

// What a number may hold anywhere and reading skips: blanks, tabs, line feeds.
inline constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

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
