#include "window/command_line.h"

#include "window/texts.h"

namespace quintora {

CommandLine readCommandLine(std::span<const std::string_view> arguments, std::string_view program,
                            std::span<const ToolkitOption> toolkitOptions, HelpFor helpFor) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h" || argument == "/?") // "/?" as on Windows
            return {CommandLine::Action::Answer,
                    texts::helpText(program, !toolkitOptions.empty(), helpFor == HelpFor::Windows)};
        if (argument == "--version")
            return {CommandLine::Action::Answer, texts::versionText(program)};
        bool toolkit = false;
        for (const ToolkitOption& option : toolkitOptions) {
            if (argument == option.name) {
                toolkit = true;
                i += option.takesValue ? 1 : 0;
                break;
            }
            if (option.takesValue && argument.size() > option.name.size() &&
                argument.starts_with(option.name) && argument[option.name.size()] == '=') {
                toolkit = true;
                break;
            }
        }
        if (!toolkit)
            return {CommandLine::Action::Error, texts::badArgument(program, argument), 2};
    }
    return {};
}

} // namespace quintora
