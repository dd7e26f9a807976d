// What every fuzzer checks of a text the number writer made.
#pragma once

#include <string_view>

namespace quintora {

// True when `text` fits the writer's grammar: an optional "-", at most 15
// significant digits with no trailing zeros after the separator, in plain
// form or as digits, "E", a sign and two or more exponent digits.
bool fitsWrittenGrammar(std::string_view text, char separator);

// Stops the fuzzer with a message when `ok` is false.
void require(bool ok, const char* what);

} // namespace quintora
