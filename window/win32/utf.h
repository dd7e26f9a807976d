// UTF-8, the window's texts, to and from UTF-16, Windows' own.
#pragma once

#include <string>
#include <string_view>

namespace quintora {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace quintora
