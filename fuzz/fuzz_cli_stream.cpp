// quintora-cli's standard input, as bytes of any kind read a block at a time
// (invalid UTF-8, NULs, long lines, no last line end), with its options
// --de, --para, --ponto and --virgula: every line gets exactly one answer
// line, and nothing else is written to standard output.
#include "cli/cli.h"
#include "core/conversion.h"
#include "fuzz/written_text.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace quintora;

namespace {

class Counted : public cli::Output {
public:
    void out(std::string_view text) override {
        for (const char c : text)
            lines += c == '\n';
    }
    void err(std::string_view) override {}
    std::size_t lines = 0;
};

// A unit name of any quantity, picked by `which`.
std::string_view unitNamed(unsigned which) {
    std::vector<std::string_view> names;
    for (const Quantity& q : quantities)
        for (const Unit& u : q.units)
            names.push_back(u.name);
    return names[which % names.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const unsigned options = data[0], blockSize = 1 + data[1];
    std::vector<std::string> words{"-"};
    if (options & 1)
        words.insert(words.end(), {"--de", std::string(unitNamed(options >> 4))});
    if (options & 2)
        words.insert(words.end(), {"--para", std::string(unitNamed(options >> 3))});
    if (options & 4)
        words.emplace_back(options & 8 ? "--virgula" : "--ponto");
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    const cli::Request request = cli::readArguments(arguments, '.', false);

    std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t expected =
        static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) +
        (!input.empty() && input.back() != '\n');
    cli::BlockLines lines(
        [&input, blockSize] {
            const std::string_view block = input.substr(0, blockSize);
            input.remove_prefix(block.size());
            return block;
        },
        [] {});
    Counted output;
    cli::run(request, lines, output);
    require(output.lines == expected, "a line without its one answer line");
    return 0;
}
