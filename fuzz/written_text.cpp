#include "fuzz/written_text.h"

#include <cstdio>
#include <cstdlib>

namespace quintora {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

bool fitsWrittenGrammar(std::string_view text, char separator) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::size_t integerDigits = i - start;
    if (integerDigits == 0 || (integerDigits > 1 && text[start] == '0'))
        return false;
    std::size_t fractionDigits = 0;
    if (i < text.size() && text[i] == separator) {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++fractionDigits;
        }
        if (fractionDigits == 0 || text[i - 1] == '0')
            return false;
    }
    // Significant digits: all but the leading zeros.
    std::size_t significant = 0;
    bool leading = true;
    for (std::size_t k = start; k < i; ++k) {
        if (text[k] == separator)
            continue;
        leading = leading && text[k] == '0';
        significant += leading ? 0 : 1;
    }
    if (significant > 15)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != 'E' || integerDigits != 1 || text[start] == '0')
        return false;
    ++i;
    if (i >= text.size() || (text[i] != '+' && text[i] != '-'))
        return false;
    ++i;
    const std::size_t exponentStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i == text.size() && i - exponentStart >= 2 && i - exponentStart <= 3;
}

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

} // namespace quintora
