// The program's command line: "--help" (or "-h", or "/?" as Windows users
// type it) and "--version" answer and end the program; anything else but the
// toolkit's own options is an error.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// Whose help is asked for: the Windows program's lists "/?" too.
enum class HelpFor { Linux, Windows };

// An option of the toolkit's, which the toolkit reads itself.
struct ToolkitOption {
    std::string_view name; // "-style"
    bool takesValue;       // "-style fusion" or "-style=fusion"
};

struct CommandLine {
    enum class Action { Run, Answer, Error } action = Action::Run;
    std::string text; // to standard output for Answer, standard error for Error
    int exitCode = 0; // 0, or 2 for an Error
};

// `arguments` without the program's own name; `program` is that name, as the
// answers give it.
CommandLine readCommandLine(std::span<const std::string_view> arguments, std::string_view program,
                            std::span<const ToolkitOption> toolkitOptions,
                            HelpFor helpFor = HelpFor::Linux);

} // namespace quintora
