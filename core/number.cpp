#include "core/number.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quintora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A double is decided by at most 767 significant decimal digits; keeping a
// few more, plus one sticky digit for anything dropped, rounds exactly.
constexpr std::size_t keptDigits = 780;
// Exponents beyond this are far past the range of a double either way.
constexpr std::int64_t exponentLimit = 100000;

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}
    void skipBlanks() {
        while (const std::size_t blank = blankAt(text_.substr(pos_)))
            pos_ += blank;
    }
    // The next character after any blanks, or '\0' at the end.
    char peek() {
        skipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }
    std::size_t pos() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }
    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The significant digits of a number as they are read: an integer, scaled
// by 10^scale.
struct Mantissa {
    std::array<char, keptDigits + 1> digits; // one more for the sticky digit
    std::size_t count = 0;
    std::int64_t scale = 0;
    bool sticky = false; // a nonzero digit was dropped
    bool sawDigit = false;
    bool sawSeparator = false;

    void add(char c) {
        sawDigit = true;
        if (count == 0 && c == '0') {
            scale -= sawSeparator ? 1 : 0;
        } else if (count < keptDigits) {
            digits[count++] = c;
            scale -= sawSeparator ? 1 : 0;
        } else {
            scale += sawSeparator ? 0 : 1;
            sticky = sticky || c != '0';
        }
    }

    // Correctly rounded however many digits; beyond the range of a double
    // it gives infinity, below it zero.
    double value() {
        if (count == 0)
            return 0.0;
        if (sticky) {
            digits[count++] = '1';
            --scale;
        }
        std::array<char, keptDigits + 16> buffer;
        char* end = std::copy_n(digits.data(), count, buffer.data());
        *end++ = 'e';
        end = std::to_chars(end, buffer.data() + buffer.size(),
                            std::clamp(scale, -exponentLimit, exponentLimit))
                  .ptr;
        double value = 0.0;
        fast_float::from_chars(buffer.data(), end, value);
        return value;
    }
};

// A leading "+" or "-": whether there was one, and whether it was "-".
bool readSign(Cursor& in, bool& negative) {
    const char c = in.peek();
    if (c != '+' && c != '-')
        return false;
    negative = c == '-';
    in.advance();
    return true;
}

// Whether the number at `in` is written with grouped digits that cannot be
// mistaken (see readNumber).
bool groupedAt(Cursor in, char decimalSeparator) {
    const char mark = groupingMarkOf(decimalSeparator);
    if (in.peek() == '0')
        return false;
    int lead = 0;
    for (; isDigit(in.peek()); in.advance())
        if (++lead > 3)
            return false;
    int groups = 0;
    for (; lead > 0 && in.peek() == mark; ++groups) {
        in.advance();
        for (int i = 0; i < 3; ++i, in.advance())
            if (!isDigit(in.peek()))
                return false;
    }
    if (groups == 0 || isDigit(in.peek()))
        return false;
    return groups >= 2 || in.peek() == decimalSeparator;
}

// Digits with at most one decimal separator: "." or `decimalSeparator`; or,
// in a number of grouped digits, `decimalSeparator` alone, the grouping
// marks before it passed over.
Mantissa readMantissa(Cursor& in, char decimalSeparator) {
    const bool grouped = groupedAt(in, decimalSeparator);
    const char mark = groupingMarkOf(decimalSeparator);
    Mantissa mantissa;
    for (;;) {
        const char c = in.peek();
        const bool separator = c != '\0' && (c == decimalSeparator || (c == '.' && !grouped));
        if (isDigit(c))
            mantissa.add(c);
        else if (!mantissa.sawSeparator && separator)
            mantissa.sawSeparator = true;
        else if (!(grouped && !mantissa.sawSeparator && c == mark))
            break;
        in.advance();
    }
    return mantissa;
}

// "E" or "e", an optional sign and digits: the power of ten they give. An
// exponent counts only when at least one digit follows its marker; otherwise
// nothing is read and the power is 0.
std::int64_t readExponent(Cursor& in) {
    const std::size_t before = in.pos();
    if (in.peek() != 'e' && in.peek() != 'E')
        return 0;
    in.advance();
    bool negative = false;
    readSign(in, negative);
    if (!isDigit(in.peek())) {
        in.rewind(before);
        return 0;
    }
    std::int64_t exponent = 0;
    while (isDigit(in.peek())) {
        exponent = std::min(exponent * 10 + (in.peek() - '0'), exponentLimit);
        in.advance();
    }
    return negative ? -exponent : exponent;
}

} // namespace

Reading readNumber(std::string_view text, char decimalSeparator) {
    Cursor in(text);
    bool negative = false;
    const bool sawSign = readSign(in, negative);
    Mantissa mantissa = readMantissa(in, decimalSeparator);
    if (!mantissa.sawDigit)
        return {0.0, in.atEnd() && !sawSign && !mantissa.sawSeparator};
    mantissa.scale += readExponent(in);
    const bool whole = in.atEnd();
    const double value = mantissa.value();
    if (std::isinf(value))
        return {0.0, whole, true};
    return {negative ? -value : value, whole};
}

namespace {

// The first `count` significant digits of a finite, nonzero `magnitude`,
// cut rather than rounded, and the power of ten of the first. A double is
// m·2^e with m and e whole; its decimal digits are those of the whole number
// m·2^e, or of m·5^-e when e < 0 (the value being that over 10^-e), which is
// kept in base 10^9, low part first.
int exactDigits(double magnitude, char* digits, int count) {
    int e = 0;
    auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &e), 53));
    e -= 53;
    while (e < 0 && m % 2 == 0) {
        m /= 2;
        ++e;
    }
    constexpr std::uint32_t base = 1000000000;
    // m < 2^53 and 5^1074 < 10^751 take at most 86 parts of nine digits.
    std::array<std::uint32_t, 88> parts{};
    parts[0] = static_cast<std::uint32_t>(m % base);
    parts[1] = static_cast<std::uint32_t>(m / base);
    std::size_t used = parts[1] != 0 ? 2 : 1;
    const auto multiply = [&](std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < used; ++i) {
            carry += std::uint64_t{parts[i]} * factor;
            parts[i] = static_cast<std::uint32_t>(carry % base);
            carry /= base;
        }
        while (carry != 0) {
            parts[used++] = static_cast<std::uint32_t>(carry % base);
            carry /= base;
        }
    };
    // Powers of 2 and 5 in steps whose product with a part fits 64 bits.
    const bool negativeE = e < 0;
    for (int left = negativeE ? -e : e; left > 0; left -= 13) {
        const int step = std::min(left, 13);
        std::uint32_t factor = 1;
        for (int i = 0; i < step; ++i)
            factor *= negativeE ? 5 : 2;
        multiply(factor);
    }
    // The digits, the highest part without its leading zeros.
    char top[10];
    const int topLength =
        static_cast<int>(std::to_chars(top, top + sizeof top, parts[used - 1]).ptr - top);
    int n = std::min(topLength, count);
    std::copy_n(top, n, digits);
    for (std::size_t i = used - 1; i-- > 0 && n < count;) {
        for (std::uint32_t unit = base / 10; unit > 0 && n < count; unit /= 10)
            digits[n++] = static_cast<char>('0' + parts[i] / unit % 10);
    }
    std::fill(digits + n, digits + count, '0');
    const int allDigits = topLength + 9 * static_cast<int>(used - 1);
    return allDigits - 1 + (negativeE ? e : 0);
}

constexpr int shown = 15; // significant digits written

// The digits a finite, nonzero `magnitude` is written with: the first 15,
// rounded by the exact sixteenth (a tie away from zero), `used` of them
// once trailing zeros are dropped, and the power of ten of the first.
struct ShownDigits {
    char digits[shown + 1];
    int used;
    int exponent;
};

ShownDigits shownDigits(double magnitude) {
    ShownDigits s;
    s.exponent = exactDigits(magnitude, s.digits, shown + 1);
    if (s.digits[shown] >= '5') {
        int i = shown - 1;
        while (i >= 0 && s.digits[i] == '9')
            s.digits[i--] = '0';
        if (i >= 0) {
            ++s.digits[i];
        } else {
            s.digits[0] = '1';
            ++s.exponent;
        }
    }
    // The very largest doubles round up to a text beyond the range of a
    // double; they are cut instead, so that every written text reads back.
    constexpr char largest[] = "179769313486231";
    if (s.exponent == 308 && std::memcmp(s.digits, largest, shown) > 0)
        std::memcpy(s.digits, largest, shown);
    s.used = shown;
    while (s.used > 1 && s.digits[s.used - 1] == '0')
        --s.used;
    return s;
}

// "0.00012", "12.5", "1500".
char* writePlain(const ShownDigits& s, char decimalSeparator, char* o) {
    if (s.exponent < 0) {
        *o++ = '0';
        *o++ = decimalSeparator;
        o = std::fill_n(o, -s.exponent - 1, '0');
        return std::copy_n(s.digits, s.used, o);
    }
    const int whole = s.exponent + 1;
    o = std::copy_n(s.digits, std::min(s.used, whole), o);
    if (s.used <= whole)
        return std::fill_n(o, whole - s.used, '0');
    *o++ = decimalSeparator;
    return std::copy_n(s.digits + whole, s.used - whole, o);
}

// "1.5E-05", "1E+15".
char* writeScientific(const ShownDigits& s, char decimalSeparator, char* o) {
    *o++ = s.digits[0];
    if (s.used > 1) {
        *o++ = decimalSeparator;
        o = std::copy_n(s.digits + 1, s.used - 1, o);
    }
    *o++ = 'E';
    *o++ = s.exponent < 0 ? '-' : '+';
    const int magnitude = s.exponent < 0 ? -s.exponent : s.exponent;
    if (magnitude < 10)
        *o++ = '0';
    return std::to_chars(o, o + 4, magnitude).ptr;
}

} // namespace

std::size_t writeNumber(double value, char decimalSeparator, char* out) {
    if (value == 0.0) { // also -0.0, which is shown as "0"
        out[0] = '0';
        return 1;
    }
    const ShownDigits s = shownDigits(std::fabs(value));
    char* o = out;
    if (value < 0)
        *o++ = '-';
    o = s.exponent >= -4 && s.exponent < shown ? writePlain(s, decimalSeparator, o)
                                               : writeScientific(s, decimalSeparator, o);
    return static_cast<std::size_t>(o - out);
}

std::string writeNumber(double value, char decimalSeparator) {
    char buffer[maxNumberText];
    return std::string(buffer, writeNumber(value, decimalSeparator, buffer));
}

std::size_t blankAt(std::string_view text) {
    if (text.empty())
        return 0;
    switch (text[0]) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':
        return 1;
    default:
        break;
    }
    if (text.starts_with("\xC2\xA0"))
        return 2; // U+00A0, no-break space
    if (text.starts_with("\xE2\x80\xAF"))
        return 3; // U+202F, narrow no-break space
    return 0;
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    while (!text.empty()) {
        const std::size_t blank = blankAt(text);
        if (blank == 0)
            kept += text.front();
        text.remove_prefix(blank == 0 ? 1 : blank);
    }
    return kept;
}

bool pointMayGroupThousands(std::string_view text, char decimalSeparator) {
    if (decimalSeparator != ',')
        return false;
    const std::string kept = withoutBlanks(text);
    std::string_view s = kept;
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    const std::size_t point = s.find('.');
    if (point < 1 || point > 3 || point == s.npos || s.front() == '0' || s.size() != point + 4)
        return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (i != point && (s[i] < '0' || s[i] > '9'))
            return false;
    return true;
}

std::string withoutPoint(std::string_view text) {
    std::string digits;
    for (char c : withoutBlanks(text))
        if (c != '.' && c != '+')
            digits += c;
    return digits;
}

} // namespace quintora
