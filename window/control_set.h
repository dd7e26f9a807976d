// The window's controls as members named as the window names them, for a
// front end to fill with its own handles: Box for text boxes, Selector for
// combo boxes, Button and Label for the fixed controls. Array members are
// indexed as in the field set; unit-name arrays have no index 0.
#pragma once

#include "core/check.h"
#include "window/controls.h"

#include <array>
#include <concepts>

namespace quintora {

template <class Box, class Selector = Box, class Button = Box, class Label = Button>
struct ControlSet {
    std::array<Box, forceUnits.size() + 1> Text1{}, Text2{};
    std::array<Box, momentUnits.size() + 1> Text3{}, Text4{};
    std::array<Box, stressUnits.size() + 1> Text5{}, Text6{};
    Selector Combo1{}, Combo2{}, Combo3{};
    Button Command1{}, Command2{};
    Label Label1{}, Label2{}, Label3{}, Label4{};

    // The text box `control`(`index`), or none for a selector.
    Box box(Control control, int index) const {
        return isSelector(control) ? Box{} : boxSlot(*this, control, index);
    }
    // The selector `control`, or none for a text box.
    Selector selector(Control control) const {
        return isSelector(control) ? selectorSlot(*this, control) : Selector{};
    }
    Button button(Fixed which) const { return which == Fixed::Command1 ? Command1 : Command2; }

    // The members that hold each kind of control, to be set as the controls
    // are made.
    Box& boxMember(Control control, int index) { return boxSlot(*this, control, index); }
    Selector& selectorMember(Control control) { return selectorSlot(*this, control); }
    Button& buttonMember(Fixed which) { return which == Fixed::Command1 ? Command1 : Command2; }
    Label& labelMember(Fixed which) {
        return which == Fixed::Label1   ? Label1
               : which == Fixed::Label2 ? Label2
               : which == Fixed::Label3 ? Label3
                                        : Label4;
    }

    // Where every control has one handle type: the member of a table row's
    // control, and the control of a field.
    Box& at(const ControlRow& row) requires std::same_as<Box, Selector> &&
        std::same_as<Box, Button> && std::same_as<Box, Label> {
        switch (row.kind) {
        case Kind::Label:
            return labelMember(row.fixed);
        case Kind::Button:
            return buttonMember(row.fixed);
        case Kind::ComboBox:
            return selectorMember(row.control);
        case Kind::TextBox:
            break;
        }
        return boxMember(row.control, row.index);
    }
    Box at(Field field) const requires std::same_as<Box, Selector> {
        return isSelector(field.control) ? selectorSlot(*this, field.control)
                                         : boxSlot(*this, field.control, field.index);
    }

    static bool isSelector(Control control) {
        return control == Control::Combo1 || control == Control::Combo2 ||
               control == Control::Combo3;
    }

private:
    // `Self` is the set or the const set.
    template <class Self> static auto& boxSlot(Self& self, Control control, int index) {
        const auto i = static_cast<std::size_t>(index);
        switch (control) {
        case Control::Text1:
            return self.Text1.at(i);
        case Control::Text2:
            return self.Text2.at(i);
        case Control::Text3:
            return self.Text3.at(i);
        case Control::Text4:
            return self.Text4.at(i);
        case Control::Text5:
            return self.Text5.at(i);
        case Control::Text6:
            return self.Text6.at(i);
        case Control::Combo1:
        case Control::Combo2:
        case Control::Combo3:
            break;
        }
        QUINTORA_CHECK(false, "a selector has no text box");
        return self.Text6.at(i);
    }
    template <class Self> static auto& selectorSlot(Self& self, Control control) {
        QUINTORA_CHECK(isSelector(control), "a text box is no selector");
        return control == Control::Combo1   ? self.Combo1
               : control == Control::Combo2 ? self.Combo2
                                            : self.Combo3;
    }
};

} // namespace quintora
