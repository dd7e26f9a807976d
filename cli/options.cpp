#include "cli/options.h"

#include "window/texts.h"
#include "window/version.h"

namespace quintora::cli {
namespace {

constexpr std::size_t helpColumn = 27; // where the options' help begins

// "  -h, --help", "      --de UNIDADE".
std::string helpName(const Option& option) {
    std::string name = option.alias.empty() ? (option.name == "-" ? "  " : "      ")
                                            : "  " + std::string(option.alias) + ", ";
    name += option.name;
    if (!option.value.empty())
        name += " " + std::string(option.value);
    return name;
}

// Roff's minus for each "-" of an option.
std::string roff(std::string_view text) {
    std::string out;
    for (const char c : text)
        out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

} // namespace

std::string exitCodesSaid(bool manual) {
    std::string said;
    for (const ExitCode& code : exitCodes)
        said += (said.empty() ? "" : "; ") + std::to_string(code.status) + " " +
                std::string(manual ? code.manual : code.help);
    return said;
}

std::string help(std::string_view program) {
    const std::string name(program);
    std::string text =
        "Uso: " + name + " VALOR UNIDADE [UNIDADE...]\n" + "  ou: " + name + " [OPÇÃO]... -\n" +
        "  ou: " + name +
        " --tabela VALOR UNIDADE [VALOR UNIDADE]...\n"
        "Converte força, momento fletor e tensão entre as unidades do " QUINTORA_PRODUCT_NAME
        ",\ncom os números lidos e escritos como na janela.\n"
        "\n"
        "  VALOR UNIDADE            o valor em todas as unidades da sua grandeza\n"
        "  VALOR UNIDADE UNIDADE... só o valor, uma linha por unidade pedida\n";
    for (const Option& option : options) {
        std::string line = helpName(option);
        line.resize(helpColumn, ' ');
        for (const char c : option.help)
            line += c == '\n' ? "\n" + std::string(helpColumn, ' ') : std::string(1, c);
        text += line + "\n";
    }
    text += "\n";
    for (const Quantity& q : quantities)
        text += texts::unitsOf(q) + "\n";
    text += std::string(texts::unitsRestOn) + "\n\nSaída: " + exitCodesSaid(false) + ".\n";
    return text;
}

std::vector<std::pair<std::string, std::string>> cliFacts() {
    std::string manualOptions;
    for (const Option& option : options) {
        if (option.manual.empty())
            continue;
        std::string names = roff(option.alias.empty() ? option.name
                                                      : std::string(option.alias) + ", " +
                                                            std::string(option.name));
        manualOptions += ".TP\n" + (option.value.empty()
                                        ? ".B " + names
                                        : ".BI " + names + " \" " + std::string(option.manualValue) + "\"") +
                         "\n" + std::string(option.manual) + "\n";
    }
    manualOptions.pop_back();
    return {{"CLI_OPTIONS", manualOptions}, {"CLI_EXIT_STATUS", exitCodesSaid(true) + "."}};
}

} // namespace quintora::cli
