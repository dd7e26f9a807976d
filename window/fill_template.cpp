// Fills a template read from standard input with the facts the build knows
// (commonFills, and quintora-cli's options and exit codes) and writes it to
// standard output: the packages' prose and the description of the window
// that the test scripts read. With --crlf, the
// lines end as Windows' do. A template that names a fact there is none of is
// an error.
#include "cli/options.h"
#include "window/facts.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // Line ends as the template has them, unless asked otherwise.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const bool crlf = argc > 1 && std::strcmp(argv[1], "--crlf") == 0;
    const std::string in{std::istreambuf_iterator<char>(std::cin), {}};
    quintora::Fills fills = quintora::commonFills();
    for (auto& [name, text] : quintora::cli::cliFacts())
        fills.emplace(std::move(name), std::move(text));
    const quintora::Filled out = quintora::fillTemplate(in, fills);
    if (!out.missing.empty()) {
        std::fprintf(stderr, "fill_template: no fact named @%s@\n", out.missing.c_str());
        return 1;
    }
    for (const char c : out.text) {
        if (c == '\n' && crlf)
            std::fputc('\r', stdout);
        std::fputc(c, stdout);
    }
    return 0;
}
