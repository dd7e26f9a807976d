// The program's window as a web page: the page's script holds the controls,
// and Form2 reaches them through the few functions the script gives the
// WebAssembly module, moving texts between the page and Form2Logic.
//
// Fields are numbered by fieldNumber(); the page marks each of its boxes and
// selectors with that number. The page does what tests/scenarios.txt asks
// of every front end, in its desktop layout; on a touch screen, or a narrow
// or low one, make_page's touch layout has a value and its unit in one row
// and a "Copiar" button and a reason line for each group.
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
