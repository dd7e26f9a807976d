// quintora-cli's command line, once: its options, each with what it does,
// its line of the help (in Portuguese, as the program speaks) and its words
// in the manual page (in English); and its exit codes with their meanings.
// The parsing (readArguments), --help (help) and the manual page (the
// build's facts CLI_OPTIONS and CLI_EXIT_STATUS, through cliFacts) read
// these tables.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintora::cli {

enum Status { converted = 0, partlyRead = 1, refused = 2 };

enum class Action { Help, Version, Point, Comma, Table, Stream, From, To };

struct Option {
    std::string_view name;  // "--de", or "-" for standard input
    std::string_view alias; // "-h"; empty for none
    std::string_view value; // the value it takes, as the help names it; empty for none
    std::string_view manualValue; // and as the manual names it
    Action action;
    std::string_view help;   // "a unidade dos valores da entrada padrão"
    std::string_view manual; // "the unit of the values on standard input."
};

// clang-format off
inline constexpr std::array<Option, 8> options{{
    {"-",         "",   "",        "",     Action::Stream,  "uma conversão por linha da entrada padrão,\nVALOR UNIDADE [UNIDADE...], ou VALOR com --de",
                                                            ""},
    {"--de",      "",   "UNIDADE", "UNIT", Action::From,    "a unidade dos valores da entrada padrão",
                                                    "the unit of the values on standard input."},
    {"--para",    "",   "UNIDADE", "UNIT", Action::To,      "a unidade em que escrevê-los (pode repetir)",
                                                    "a unit to write them in; may be given more than once."},
    {"--tabela",  "",   "",        "",     Action::Table,   "as grandezas pedidas como a janela as copia",
                                                    "the quantities given, each its heading and input as read, then one line a result, the value, a tab and the unit: the layout of the window's \"Copiar todos os resultados\"."},
    {"--ponto",   "",   "",        "",     Action::Point,   "números com ponto decimal",
                                                    "read and write numbers with a decimal point, whatever the locale."},
    {"--virgula", "",   "",        "",     Action::Comma,   "números com vírgula decimal",
                                                    "read and write numbers with a decimal comma, whatever the locale. Otherwise the decimal separator is the locale's (LC_ALL, LC_NUMERIC, LANG)."},
    {"--help",    "-h", "",        "",     Action::Help,    "mostra esta ajuda e sai",
                                                    "print the help, with every unit, and exit."},
    {"--version", "",   "",        "",     Action::Version, "mostra a versão e sai",
                                                    "print the version and exit."},
}};

struct ExitCode {
    Status status;
    std::string_view help;   // "convertido"
    std::string_view manual; // "when every value was converted"
};

inline constexpr std::array<ExitCode, 3> exitCodes{{
    {converted,  "convertido",                                                "when every value was converted"},
    {partlyRead, "número lido só em parte ou fora do intervalo",              "when a value was read only in part (such as 12.5kN) or lies beyond the range of a double"},
    {refused,    "unidade desconhecida ou de outra grandeza, ou uso errado",  "for an unknown unit, a unit of another quantity, or a command line it does not take"},
}};
// clang-format on

// "0 convertido; 1 …; 2 …", in the help's words, or in the manual's.
std::string exitCodesSaid(bool manual);

// The help of `program`: its uses, its options, every unit and its exit
// codes.
std::string help(std::string_view program);

// The manual page's facts: CLI_OPTIONS, its OPTIONS section in roff, and
// CLI_EXIT_STATUS.
std::vector<std::pair<std::string, std::string>> cliFacts();

} // namespace quintora::cli
