// quintora-cli, the program for terminals and scripts: the same core, the
// same reading and writing of numbers and the same texts as the window.
//
//   quintora-cli 25 KN.m            the moment in its 12 units, aligned
//   quintora-cli 25 KN.m Kgf.cm     250000: the values alone, one a line
//   quintora-cli - [--de U] [--para U]...   one conversion a line of
//                                   standard input, one answer a line
//   quintora-cli --tabela 1 Kgf 25 KN.m     the layout of the window's
//                                   "Copiar todos os resultados"
//
// Its options and exit codes are in cli/options.h. On standard input the
// status is the worst seen.
#pragma once

#include "cli/options.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintora::cli {

inline constexpr std::string_view program = "quintora-cli";

struct Request {
    enum class Use { Help, Version, Convert, Table, Stream, Refused } use = Use::Convert;
    char separator = '.';           // of the numbers read and written
    std::vector<std::string> words; // VALUE UNIT [TARGET...], or the table's pairs
    std::string from;               // --de
    std::vector<std::string> to;    // --para
    std::string error;              // why the command line is refused
};

// `localeSeparator`: the user's decimal separator, which --ponto and
// --virgula override; `inputIsTerminal`: with no value, standard input is
// read only when it is not a terminal.
Request readArguments(std::span<const std::string_view> arguments, char localeSeparator,
                      bool inputIsTerminal);

// Where the program writes: standard output and standard error.
class Output {
public:
    virtual ~Output() = default;
    virtual void out(std::string_view text) = 0;
    virtual void err(std::string_view text) = 0;
};

// Standard input, a line at a time, without its line end; false at its end.
class Lines {
public:
    virtual ~Lines() = default;
    virtual bool next(std::string_view& line) = 0;
};

// Lines out of a stream read a block at a time: `read` gives the next block,
// empty at the end; `waiting` runs before each read. A line is kept only
// until the next is asked for, so that what is held is one line and one
// block, however long the stream.
class BlockLines : public Lines {
public:
    BlockLines(std::function<std::string_view()> read, std::function<void()> waiting);
    bool next(std::string_view& line) override;

private:
    std::function<std::string_view()> read_;
    std::function<void()> waiting_;
    std::string pending_;
    std::size_t start_ = 0, scanned_ = 0;
    bool ended_ = false;
};

// One conversion a line of standard input, its answer written at once:
// blank lines and lines that begin with "#" pass through unchanged, and a
// line that cannot be converted gets an empty answer and its message, with
// its number, on standard error.
class Stream {
public:
    explicit Stream(const Request& request);
    ~Stream();
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    void line(std::string_view text, Output& output);
    int status() const { return status_; }

private:
    struct Buffers; // kept between lines, so that a line allocates nothing
    const Request& request_;
    std::unique_ptr<Buffers> buffers_;
    long number_ = 0;
    int status_ = converted;
};

// Does what `request` asks; `input` is read only for Use::Stream.
int run(const Request& request, Lines& input, Output& output);

} // namespace quintora::cli
