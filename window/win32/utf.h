// UTF-8, the window's texts, to and from UTF-16, Windows' own; and line ends
// as Windows' clipboard, pipes and files have them.
#pragma once

#include <string>
#include <string_view>

namespace quintora {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// `text` with "\r\n" for each "\n".
std::string windowsLines(std::string_view text);

} // namespace quintora
