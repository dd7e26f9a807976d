#include "window/texts.h"

#include "core/number.h"
#include "window/form2_logic.h"
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

std::string unitOf(std::string_view unit, const Quantity& quantity) {
    return std::string(unit) + " é unidade de " + lowerHeading(quantity);
}

std::string unitsOf(const Quantity& quantity) {
    std::string names = "Unidades de ";
    names += lowerHeading(quantity);
    names += ':';
    for (const Unit& unit : quantity.units) {
        names += ' ';
        names += unit.name;
        if (&unit != &quantity.units.back())
            names += ',';
    }
    return names;
}

std::string lineNumbered(long line, std::string_view message) {
    return "linha " + std::to_string(line) + ": " + std::string(message);
}

std::string missingUnit(std::string_view value) {
    return "falta a unidade de '" + std::string(value) + "'";
}

std::string valuesComeFromInput(std::string_view word) {
    return "com '-', os valores vêm da entrada padrão, não daqui: '" + std::string(word) + "'";
}

std::string cliOptionRefused(std::string_view option) {
    return "opção desconhecida, ou sem o seu valor: '" + std::string(option) + "'";
}

std::string tryHelp(std::string_view program) {
    return "Experimente '" + std::string(program) + " --help' para mais informações.\n";
}

std::string unitNotKnown(const Quantity& quantity, std::string_view name) {
    if (const NearMiss nearly = nearMiss(quantity.units, name); nearly.unit)
        return std::string(unknownUnit) + ": " + std::string(name) + ". Quis dizer " +
               std::string(nearly.unit->name) + "?" +
               (nearly.mass.empty() ? "" : " (" + std::string(nearly.mass) + " é massa)");
    if (const Quantity* other = quantityWithUnit(name))
        return unitOf(name, *other);
    if (const OutsideUnit* outside = outsideUnit(name))
        return notInTheTables(*outside);
    return std::string(unknownUnit);
}

std::string notInTheTables(const OutsideUnit& unit) {
    const std::string name(unit.name);
    if (unit.relation.empty())
        return name + " é " + std::string(unit.use) + ", outra grandeza, que o programa não converte";
    return name + " não está na lista: " + std::string(unit.relation) + "; digite o valor em " +
           std::string(unit.use);
}

std::string pastedFirstOf(int lines, int cells, std::size_t characters) {
    const std::string part = lines > 1   ? "a primeira de " + std::to_string(lines) + " linhas"
                             : cells > 1 ? "a primeira de " + std::to_string(cells) + " células"
                                         : "";
    if (characters == 0)
        return "Colado: só " + part;
    const std::string cut = "os primeiros " + std::to_string(longestPaste) + " de " +
                            std::to_string(characters) + " caracteres";
    return part.empty() ? "Colado: só " + cut : "Colado: só " + part + ", e dela só " + cut;
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

std::string readingMark(std::string_view input, const Reading& reading, char separator) {
    const bool pointIsDecimal = reading.whole && pointMayGroupThousands(input, separator);
    if (reading.whole && !pointIsDecimal)
        return {};
    std::string mark = "Lido como " + writeNumber(reading.value, separator);
    if (pointIsDecimal) {
        const std::string digits = withoutPoint(input);
        mark += " (o ponto é decimal); para " + digits + ", digite " + digits;
    }
    return mark;
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

std::string helpText(std::string_view program, bool toolkitOptions, bool slashQuestion) {
    std::string text = "Uso: " + std::string(program) +
                       " [OPÇÃO]...\n"
                       "Abre a janela do " QUINTORA_PRODUCT_NAME
                       ": digite uma força, um momento fletor e uma\n"
                       "tensão, cada um na unidade que quiser, e aperte \"=\" (ou Enter) para ver\n"
                       "cada grandeza em todas as unidades que o programa conhece.\n" +
                       std::string(unitsRestOn) + "\n\n" +
                       std::string(slashQuestion ? "  -h, --help, /?  mostra esta ajuda e sai\n"
                                                   "      --version   mostra a versão e sai\n"
                                                 : "  -h, --help     mostra esta ajuda e sai\n"
                                                   "      --version  mostra a versão e sai\n");
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
           std::string(argument) + "'\n" + tryHelp(program);
}

} // namespace quintora::texts
