// The program's window as a web page: the page's script holds the controls,
// and Form2 reaches them through the few functions the script gives the
// WebAssembly module, moving texts between the page and Form2Logic.
//
// Fields are numbered by fieldNumber(); the page marks each of its boxes and
// selectors with that number. The duties of a front end
// (window/form2_logic.h), as the page and its script do them:
//  1. controls: make_page writes them from the table, at their twips on a
//     wide screen, scaled so that every target is 24 px or more, and in a
//     touch layout on a touch screen or a narrow or low one;
//  2. focus: on the wide layout the script walks the window's tab order
//     (data-tab), on the touch layout the page's own, and "=" has
//     autofocus;
//  3. looks: the stylesheet's colours, from paintOf, by each box's tint;
//  4. high contrast: the stylesheet's forced-colors rules, in the system's
//     colours;
//  5. reasons: title attributes, each quantity's reason line (setReason),
//     which describes its marked and greyed boxes for screen readers and is
//     shown on a phone, and the note beside the focused box (placeNote);
//  6. names: aria-label attributes;
//  7. separator: the browser language's, handed to setSeparator() before
//     the first conversion, as the browser takes long to tell it;
//  8. keys: a keydown listener, which keyPressesEquals answers; Ctrl+C
//     with nothing selected, and Ctrl+Shift+C, in the page's
//     keydown and copy listeners;
//  9. edits: an input listener, and the unit lists' change; a paste
//     listener, which hands the pasted text to pasted();
// 10. ending: "Sai" closes the page where the browser allows it, else says
//     the program ended; a browser tab has no close box of the page's own;
// 11. errors: a modal dialog;
// 12. copies: the desktop layout keeps the browser's own menu and has a
//     "Copiar todos os resultados" button under the window; on a phone each
//     group has its "Copiar" button (setCopy), which says "Copiado";
// 13. unit lists: the page's list always shows the unit typed.
#pragma once

#include "window/form2_logic.h"

#include <array>
#include <memory>
#include <string>

namespace quintora {

class Form2 {
public:
    explicit Form2(char decimalSeparator);
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    void Form_Load();
    void Command1_Click();
    // The user changed field number `field`.
    void edited(int field);
    // The user pasted the page's clipboard text into field number `field`.
    void pasted(int field);
    // "Copiar": the results of quantity number `which`, or allResults.
    void copyResults(std::size_t which);
    // The page has its touch layout, whose keypad says "Ir", or not.
    void setTouch(bool touch);
    void setSeparator(char separator) { logic_->setDecimalSeparator(separator); }
    // Places the note beside `box` (notePlace), in CSS pixels of a window
    // drawn at `dpi`; the page measures it.
    void placeNote(const PixelRect& box, int dpi);

private:
    class View;
    // Tells the page each quantity's reason that changed, and what each
    // copy button says.
    void tellReasons();
    std::array<std::string, quantities.size()> reasons_;
    std::array<std::string, quantities.size() + 1> copyLabels_;
    bool touch_ = false;
    std::unique_ptr<View> view_;
    std::unique_ptr<Form2Logic> logic_;
};

} // namespace quintora
