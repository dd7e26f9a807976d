// quintora-cli on Linux and Windows: the command line and the user's
// decimal separator, standard input read a block at a time and answered a
// line at a time, standard output kept in a buffer that is written out
// before each wait for more input, so that a pipe of any length and a script
// talking to the program line by line both work.
#include "cli/cli.h"
#include "window/form2_logic.h"

#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include "window/win32/utf.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <clocale>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using Handle = HANDLE;
Handle standard(int which) {
    return GetStdHandle(which == 0   ? STD_INPUT_HANDLE
                        : which == 1 ? STD_OUTPUT_HANDLE
                                     : STD_ERROR_HANDLE);
}
bool isTerminal(Handle h) {
    return GetFileType(h) == FILE_TYPE_CHAR;
}
// A console shows text as written through its wide-character output; a pipe
// or a file takes UTF-8, with Windows' line ends.
void writeAll(Handle h, std::string_view text) {
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(h, &mode)) {
        const std::wstring wide = quintora::widen(text);
        WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string lines = quintora::windowsLines(text);
    std::string_view left = lines;
    while (!left.empty() &&
           WriteFile(h, left.data(), static_cast<DWORD>(left.size()), &written, nullptr) &&
           written > 0)
        left.remove_prefix(written);
}
long readSome(Handle h, char* to, std::size_t room) {
    DWORD mode = 0, read = 0;
    if (GetConsoleMode(h, &mode)) { // typed: the console's wide characters, as UTF-8
        std::wstring wide(room / 4, L'\0');
        if (!ReadConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &read, nullptr))
            return -1;
        const std::string text = quintora::narrow(std::wstring_view(wide.data(), read));
        std::memcpy(to, text.data(), text.size());
        return static_cast<long>(text.size());
    }
    if (!ReadFile(h, to, static_cast<DWORD>(room), &read, nullptr))
        return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
    return static_cast<long>(read);
}
char localeSeparator() {
    wchar_t point[8] = {};
    const bool one = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, point, 8) == 2;
    return quintora::decimalSeparatorOf(one ? static_cast<char32_t>(point[0]) : 0);
}
#else
using Handle = int;
Handle standard(int which) {
    return which;
}
bool isTerminal(Handle h) {
    return isatty(h) == 1;
}
void writeAll(Handle h, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(h, text.data(), text.size());
        if (written <= 0)
            return;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}
long readSome(Handle h, char* to, std::size_t room) {
    return static_cast<long>(read(h, to, room));
}
// LC_ALL, LC_NUMERIC or LANG, as the C library reads them.
char localeSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const char* point = std::localeconv()->decimal_point;
    const char separator = point && std::strlen(point) == 1 ? point[0] : '\0';
    std::setlocale(LC_NUMERIC, "C");
    return quintora::decimalSeparatorOf(static_cast<unsigned char>(separator));
}
#endif

class StandardOutput : public quintora::cli::Output {
public:
    ~StandardOutput() override { flush(); }
    void out(std::string_view text) override {
        buffer_.append(text);
        if (buffer_.size() >= 1 << 16)
            flush();
    }
    void err(std::string_view text) override {
        flush(); // in the order they were written
        writeAll(standard(2), text);
    }
    void flush() {
        writeAll(standard(1), buffer_);
        buffer_.clear();
    }

private:
    std::string buffer_;
};

int runWith(const std::vector<std::string>& arguments) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    const quintora::cli::Request request =
        quintora::cli::readArguments(views, localeSeparator(), isTerminal(standard(0)));
    StandardOutput output;
    std::vector<char> block(1 << 16);
    quintora::cli::BlockLines input([&block] {
        const long got = readSome(standard(0), block.data(), block.size());
        return std::string_view(block.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
    }, [&output] { output.flush(); }); // every answer out before waiting for more
    return quintora::cli::run(request, input, output);
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(quintora::narrow(argv[i]));
    return runWith(arguments);
}
#else
int main(int argc, char* argv[]) {
    return runWith(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
