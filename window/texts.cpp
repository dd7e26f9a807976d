#include "window/texts.h"

#include "window/version.h"

#include <array>

namespace quintora::texts {

std::string_view heading(const Quantity& quantity) {
    static constexpr std::array<std::string_view, 3> headings{"Força", "Momento", "Tensão"};
    static_assert(headings.size() == quantities.size());
    return headings[quantityNumber(quantity.values)];
}

namespace {

// "força", as a sentence has it.
std::string lowerHeading(const Quantity& quantity) {
    std::string name(heading(quantity));
    if (!name.empty() && name[0] >= 'A' && name[0] <= 'Z')
        name[0] = static_cast<char>(name[0] - 'A' + 'a');
    return name;
}

} // namespace

std::string unitNotKnown(const Quantity& quantity, std::string_view name) {
    if (const Unit* nearly = nearUnit(quantity.units, name))
        return std::string(unknownUnit) + ": " + std::string(name) + ". Quis dizer " +
               std::string(nearly->name) + "?";
    if (const Quantity* other = quantityWithUnit(name))
        return std::string(name) + " é unidade de " + lowerHeading(*other);
    return std::string(unknownUnit);
}

std::string pastedFirstOf(int lines, int cells) {
    return lines > 1 ? "Colado: só a primeira de " + std::to_string(lines) + " linhas"
                     : "Colado: só a primeira de " + std::to_string(cells) + " células";
}

std::string copyColumn(const Quantity& quantity) {
    return "Copiar resultados de " + std::string(heading(quantity));
}

std::string withWhy(std::string_view label, std::string_view why) {
    return why.empty() ? std::string(label) : std::string(label) + " (" + std::string(why) + ")";
}

std::string spokenName(Control control, int index) {
    const Quantity& q = quantityOf(control);
    std::string name(heading(q));
    if (control == q.selector)
        return name + ", unidade de entrada";
    if (index == 0)
        return name + ", valor de entrada";
    if (control == q.unitNames)
        return name + ", unidade da linha " + std::to_string(index);
    return name + ", resultado em " +
           std::string(q.units[static_cast<std::size_t>(index - 1)].name);
}

std::string outOfRange(std::string_view largest) {
    return "Número fora do intervalo: além de ±" + std::string(largest);
}

std::string readAs(std::string_view number) {
    return "Lido como " + std::string(number);
}

std::string readAsPointIsDecimal(std::string_view number, std::string_view withoutPoint) {
    return readAs(number) + " (o ponto é decimal); para " + std::string(withoutPoint) +
           ", digite " + std::string(withoutPoint);
}

std::string errorMessage(int number, std::string_view description, std::string_view where) {
    return "Erro em tempo de execução '" + std::to_string(number) + "':\n\n" +
           std::string(description) + "\n" + std::string(where);
}

std::string_view errorDescription(const RuntimeError& error) {
    return error.number == overflowErrorNumber ? "Estouro" : error.description;
}

std::string where(const Quantity& quantity, std::string_view rowUnit) {
    return std::string(heading(quantity)) + ", " +
           (rowUnit.empty() ? std::string("entrada") : std::string(rowUnit));
}

std::string helpText(std::string_view program, bool toolkitOptions) {
    std::string text = "Uso: " + std::string(program) +
                       " [OPÇÃO]...\n"
                       "Abre a janela do " QUINTORA_PRODUCT_NAME
                       ": digite uma força, um momento fletor e uma\n"
                       "tensão, cada um na unidade que quiser, e aperte \"=\" (ou Enter) para ver\n"
                       "cada grandeza em todas as unidades que o programa conhece.\n"
                       "As unidades se baseiam em " +
                       std::string(kgfInNewtons) + " e " + std::string(tfInKgf) +
                       ".\n"
                       "\n"
                       "  -h, --help     mostra esta ajuda e sai\n"
                       "      --version  mostra a versão e sai\n";
    if (toolkitOptions)
        text += "\nAs opções do Qt, como -platform, -style e -display, também valem.\n";
    return text;
}

std::string versionText(std::string_view program) {
    return std::string(program) + " (" + std::string(programName) + ") " QUINTORA_VERSION "\n" +
           QUINTORA_COPYRIGHT ". Todos os direitos reservados.\n";
}

std::string badArgument(std::string_view program, std::string_view argument) {
    const std::string name(program);
    const bool option = !argument.empty() && argument.front() == '-';
    return name + (option ? ": opção desconhecida: '" : ": argumento inesperado: '") +
           std::string(argument) + "'\nExperimente '" + name + " --help' para mais informações.\n";
}

} // namespace quintora::texts
