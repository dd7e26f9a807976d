// The program's window as a web page: the page's script holds the controls,
// and Form2 reaches them through the few functions the script gives the
// WebAssembly module, moving texts between the page and Form2Logic.
//
// Fields are numbered by fieldNumber(); the page marks each of its boxes and
// selectors with that number. What the page's script does itself, as every
// front end must:
// - keys: Enter and "=" in a box press "=", as keyPressesEquals says;
// - the browser language's decimal separator, handed to start();
// - "Sai" closes the page where the browser allows it, else says it ended;
// - the focus starts on "=" (autofocus, from the control table);
// - tooltips and spoken names come in the page made from the table; each
//   quantity's reason line (setReason) is shown under its input row on a
//   phone, and ties its marked and greyed boxes to it for screen readers;
// - edited() on every change the user makes to a box or selector.
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

private:
    class View;
    // Tells the page each quantity's reason that changed.
    void tellReasons();
    std::array<std::string, quantities.size()> reasons_;
    std::unique_ptr<View> view_;
    std::unique_ptr<Form2Logic> logic_;
};

} // namespace quintora
