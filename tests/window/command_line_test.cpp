// The window program's command line, for every front end.
#include "window/command_line.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace quintora {
namespace {

constexpr ToolkitOption toolkit[] = {
    {"-style",   true },
    {"-reverse", false}
};

TEST(ReadCommandLine, AnswersRunsOrRefuses) {
    using Action = CommandLine::Action;
    struct Case {
        std::vector<std::string_view> arguments;
        Action action;
        const char* begins; // what the answer or the error begins with
        int exitCode;
    };
    // clang-format off
    for (const Case& c : {
             Case{{},                            Action::Run,    "",                          0},
             {{"-style", "fusion", "-reverse"},  Action::Run,    "",                          0},
             {{"-style=fusion"},                 Action::Run,    "",                          0},
             {{"--help"},                        Action::Answer, "Uso: quintora [OPÇÃO]...",  0},
             {{"-h"},                            Action::Answer, "Uso: quintora",             0},
             {{"/?"},                            Action::Answer, "Uso: quintora",             0},
             {{"--version"},                     Action::Answer, "quintora (Quintora 2) ",    0},
             {{"-style", "fusion", "--version"}, Action::Answer, "quintora (Quintora 2) ",    0},
             {{"--bogus"},        Action::Error, "quintora: opção desconhecida: '--bogus'\n",   2},
             {{"-stylex"},        Action::Error, "quintora: opção desconhecida: '-stylex'\n",   2},
             {{"planilha.xlsx"},  Action::Error, "quintora: argumento inesperado: 'planilha.xlsx'", 2},
         }) {
        // clang-format on
        const CommandLine line = readCommandLine(c.arguments, "quintora", toolkit);
        const std::string shown = c.arguments.empty() ? "" : std::string(c.arguments[0]);
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.text.rfind(c.begins, 0), 0u) << shown << ": " << line.text;
        EXPECT_EQ(line.exitCode, c.exitCode) << shown;
    }
}

} // namespace
} // namespace quintora
