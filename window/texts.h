// Every text the user reads, in Portuguese, for every front end: the
// caption, the headings, the tooltips and marks, the messages and the
// command line's answers. UTF-8 throughout.
#pragma once

#include "core/conversion.h"
#include "window/version.h"

#include <string>
#include <string_view>

namespace quintora::texts {

inline constexpr std::string_view caption = QUINTORA_PRODUCT_NAME " (" QUINTORA_VENDOR ")";
inline constexpr std::string_view programName = QUINTORA_PRODUCT_NAME;
inline constexpr std::string_view equals = "=";
inline constexpr std::string_view sai = "Sai";
inline constexpr std::string_view equalsSpoken = "Converter (=)";

// The convention the factors rest on, fact by fact, as the texts here and
// the packages' prose state it: a short note in the window, the full
// statement in its tooltip and in the headings' tooltips.
#define QUINTORA_KGF_IN_NEWTONS "1 Kgf = 10 N"
#define QUINTORA_TF_IN_KGF "1 Tf = 1000 Kgf"
#define QUINTORA_MPA_IN_KGF_CM2 "1 MPa = 10 Kgf/cm2"
inline constexpr std::string_view kgfInNewtons = QUINTORA_KGF_IN_NEWTONS;
inline constexpr std::string_view tfInKgf = QUINTORA_TF_IN_KGF;
inline constexpr std::string_view mpaInKgfCm2 = QUINTORA_MPA_IN_KGF_CM2;
inline constexpr std::string_view conventionNote = kgfInNewtons;
inline constexpr std::string_view conventionTip =
    "Convenção: " QUINTORA_KGF_IN_NEWTONS " (e não 9,80665 N) e " QUINTORA_TF_IN_KGF
    "; assim, " QUINTORA_MPA_IN_KGF_CM2;
inline constexpr std::string_view conventionSpoken = "Convenção: " QUINTORA_KGF_IN_NEWTONS;
// The command lines' help.
inline constexpr std::string_view unitsRestOn =
    "As unidades se baseiam em " QUINTORA_KGF_IN_NEWTONS " e " QUINTORA_TF_IN_KGF ".";
#undef QUINTORA_KGF_IN_NEWTONS
#undef QUINTORA_TF_IN_KGF
#undef QUINTORA_MPA_IN_KGF_CM2

// The web page's own: the list beside a selector, the state after "Sai"
// where the browser keeps the page open, and a page without its script.
inline constexpr std::string_view unitList = "Lista de unidades";
inline constexpr std::string_view ended = "Programa encerrado";
inline constexpr std::string_view startAgain = "Abrir de novo";
inline constexpr std::string_view needsScript = "Ative o JavaScript para converter.";
inline constexpr std::string_view ok = "OK";
inline constexpr std::string_view startFailed = "A página não pôde ser iniciada";

// Marks and tooltips.
inline constexpr std::string_view unknownUnit = "Unidade desconhecida";
inline constexpr std::string_view outOfDate = "Desatualizado: aperte = (ou Enter)";
// The same, where the keys are a touch screen's, whose keypad says "Ir".
inline constexpr std::string_view outOfDateOnTouch = "Desatualizado: aperte = ou Ir";

// Copying results, and why it cannot be done.
inline constexpr std::string_view copyAll = "Copiar todos os resultados";
inline constexpr std::string_view copy = "Copiar";
inline constexpr std::string_view copied = "Copiado";
inline constexpr std::string_view noResultsYet = "sem resultados: aperte =";
inline constexpr std::string_view resultsOutOfDate = "desatualizados: aperte =";
inline constexpr std::string_view boxMarked = "caixa marcada";
// A box's own menu, where the front end makes it.
inline constexpr std::string_view undo = "&Desfazer";
inline constexpr std::string_view cut = "Recor&tar";
inline constexpr std::string_view copyBox = "&Copiar";
inline constexpr std::string_view paste = "C&olar";
inline constexpr std::string_view erase = "&Excluir";
inline constexpr std::string_view selectAll = "Selecionar &tudo";

// "Força", "Momento", "Tensão".
std::string_view heading(const Quantity& quantity);

// Why a unit name is not one of `quantity`'s: the unit it nearly names
// ("Unidade desconhecida: kN.m. Quis dizer KN.m?", and "(kg é massa)" after
// a mass), the quantity it is a unit of ("KN é unidade de força"), the unit
// just outside the tables it names (notInTheTables), or "Unidade
// desconhecida". The window and quintora-cli give the same texts.
std::string unitNotKnown(const Quantity& quantity, std::string_view name);
// "GPa não está na lista: 1 GPa = 1000 MPa; digite o valor em MPa", or
// "kN/m é carga por metro, outra grandeza, que o programa não converte".
std::string notInTheTables(const OutsideUnit& unit);

// The mark of a box into which only the first of several lines or cells was
// pasted ("Colado: só a primeira de 3 linhas"), or only the first
// characters of a cell of `characters` (when not 0): "Colado: só os
// primeiros 4096 de 10000002 caracteres".
std::string pastedFirstOf(int lines, int cells, std::size_t characters = 0);

// "Copiar resultados de Força".
std::string copyColumn(const Quantity& quantity);
// An action's label, with why it cannot be done when it cannot:
// "Copiar resultados de Força (desatualizados: aperte =)".
std::string withWhy(std::string_view label, std::string_view why);

// What a screen reader says of a field-set member.
std::string spokenName(Control control, int index);

// The tooltip of a box whose number is beyond the range of a double;
// `largest` is the largest double as the window writes it.
std::string outOfRange(std::string_view largest);
// Why the number read from `input` needs a look, or empty when it does not:
// only its beginning was read ("Lido como 12,5"), or it is such as "1.000"
// under a decimal comma, where what was read is said with how to type a
// thousand. For the window's marks and the command line's messages alike;
// a number beyond the range of a double is told apart.
std::string readingMark(std::string_view input, const Reading& reading, char separator);

// The report of a run-time error: its number, its description and the box
// where the pass stopped ("Momento, N.mm").
std::string errorMessage(int number, std::string_view description, std::string_view where);
std::string_view errorDescription(const RuntimeError& error);
std::string where(const Quantity& quantity, std::string_view rowUnit);

// The program for terminals and scripts, quintora-cli: its messages on
// standard error.
// "KN é unidade de força".
std::string unitOf(std::string_view unit, const Quantity& quantity);
// "Unidades de momento: Kgf.mm, Kgf.cm, …".
std::string unitsOf(const Quantity& quantity);
std::string lineNumbered(long line, std::string_view message); // "linha 3: …"
inline constexpr std::string_view missingValue = "falta VALOR UNIDADE";
inline constexpr std::string_view tableNeedsPairs = "--tabela pede pares de VALOR UNIDADE";
std::string missingUnit(std::string_view value);        // "falta a unidade de '25'"
std::string valuesComeFromInput(std::string_view word); // a value beside "-"
std::string cliOptionRefused(std::string_view option);  // unknown, or without its value
std::string tryHelp(std::string_view program);          // "Experimente 'quintora-cli --help' …"

// The command line.
// `toolkitOptions`: whether the toolkit's own options are accepted too;
// `slashQuestion`: whether "/?" is listed, as Windows users type it.
std::string helpText(std::string_view program, bool toolkitOptions, bool slashQuestion = false);
std::string versionText(std::string_view program);
// An unknown option, or an argument where the program takes none.
std::string badArgument(std::string_view program, std::string_view argument);

} // namespace quintora::texts
