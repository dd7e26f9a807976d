// What the window does, whatever toolkit draws it: "=" runs the conversion
// pass over the window's boxes; controls that need a look are marked light
// red with a tooltip saying why; results older than their inputs are greyed;
// an overflow is reported in a message naming the box.
//
// A front end implements FormView over its own controls, creates one
// Form2Logic, calls load() before the window is first shown, convert() on
// "=", edited() whenever the user changes a box or a selector, and pasted()
// after a paste; it copies what copyResults() gives, when copyState() lets
// it.
#pragma once

#include "core/conversion.h"
#include "window/controls.h"
#include "window/look.h"
#include "window/results_table.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// The fields are numbered each quantity's in turn: selector, value boxes
// from the input on, unit-name boxes. allFields()[fieldNumber(f)] == f.
std::vector<Field> allFields();
std::size_t fieldNumber(Field field);

// The decimal separator of a user whose locale gives `codePoint` (0 when it
// gives more than one character): that character when it is plain ASCII and
// no digit, else ".".
char decimalSeparatorOf(char32_t codePoint);

// A key in a box presses "=" when it is Enter, or when it types "=": no
// number or unit name holds one, so it works as on a calculator.
bool pressesEquals(bool enter, std::string_view typed);

// What a paste puts into a box: of the pasted text, its first line that is
// not blank, without its line end; of that line, its first cell that is not
// empty (a spreadsheet parts cells with tabs). A paste never joins lines or
// cells into one number; and a cell longer than any number a user could mean
// is cut at longestPaste characters, so that no box lays out megabytes.
inline constexpr std::size_t longestPaste = 4096;
struct Paste {
    std::string text;
    int lines = 0; // lines that are not blank
    int cells = 0; // cells that are not empty in the first of them
    std::size_t characters = 0; // of that cell, where it was cut; else 0
    bool whole() const { return lines <= 1 && cells <= 1 && characters == 0; }
};
Paste pasteOf(std::string_view clipboard);

// The entry of `quantity`'s unit list that the list opens on when the typed
// text is `typed`: the unit it names exactly, else the one it nearly names
// (nearUnit); -1 for none, where the list opens on no entry.
int listRowFor(const Quantity& quantity, std::string_view typed);

// Which results a copy takes: one quantity's (its number), or all.
inline constexpr std::size_t allResults = quantities.size();

// Whether results may be copied now, and if not, why.
struct CopyState {
    bool enabled = false;
    std::string_view why; // "desatualizados: aperte ="
};

// What every front end does itself, around Form2Logic and its FormView
// (controls, focus, looks, reasons, keys, pastes, copies, unit lists,
// ending, the error message), is what the table of scenarios
// tests/scenarios.txt asks of it, run through each toolkit.
class FormView {
public:
    virtual ~FormView() = default;
    virtual std::string text(Field field) const = 0;
    // Writes a result into a value box, shown from its first character.
    virtual void setText(Field field, std::string_view text) = 0;
    // Whether `text` shows whole in the box of `field`.
    virtual bool fits(Field field, std::string_view text) const = 0;
    virtual void setLook(Field field, const Look& look) = 0;
    // A modal message titled with the window's caption.
    virtual void showError(std::string_view message) = 0;
};

class Form2Logic {
public:
    // `decimalSeparator`: the user's, with which numbers are written and,
    // besides ".", read.
    Form2Logic(FormView& view, char decimalSeparator);
    Form2Logic(const Form2Logic&) = delete;
    Form2Logic& operator=(const Form2Logic&) = delete;

    // Start-up: paints the selectors and unit-name boxes grey.
    void load();
    // "=": the conversion pass, its marks, and the report of an error.
    void convert();
    // The user changed the text of `field`.
    void edited(Field field);
    // The user pasted into `field`, which took `paste.text`: marked, until
    // the user changes it again, where more was pasted than it took.
    void pasted(Field field, const Paste& paste);

    // Copying the results of quantity number `which`, or allResults: only
    // when they were converted, are current, came from no marked box and
    // were not edited since.
    CopyState copyState(std::size_t which) const;
    // The menu entry that copies them: "Copiar resultados de Força", or
    // "Copiar todos os resultados", with why not when it cannot.
    std::string copyLabel(std::size_t which) const;
    ResultsTable copyResults(std::size_t which) const;

    const Look& look(Field field) const;
    // Why the boxes of quantity number `quantity` (0 force, 1 moment, 2
    // stress) look as they do, in one line: the reason of the first marked
    // box, or that the results are out of date, naming the keys of a touch
    // screen when `touch`; empty when nothing needs a look.
    std::string reason(std::size_t quantity, bool touch = false) const;
    char decimalSeparator() const { return separator_; }
    // Where the user's separator is known only after start-up: before the
    // first convert().
    void setDecimalSeparator(char decimalSeparator) { separator_ = decimalSeparator; }

private:
    class Pass;
    // Why a field is as it is: `mark` non-empty marks it light red with that
    // tooltip; `tip` is its tooltip otherwise.
    struct State {
        std::string mark;
        std::string tip;
        std::string pasted; // what a paste left out, until the user changes the field
    };

    void update(Field field);
    std::string outOfRangeTip() const;
    ResultColumn column(std::size_t quantity) const;

    FormView& view_;
    char separator_;
    Module1 module1_;
    bool converted_ = false;
    std::array<bool, quantities.size()> outOfDate_{};
    std::array<bool, quantities.size()> resultsEdited_{};
    std::array<std::string, quantities.size()> inputsRead_; // as the results write them
    std::vector<State> states_;
    std::vector<Look> looks_;
};

} // namespace quintora
