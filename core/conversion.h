// The conversion pass behind "=": it reads the three inputs (a value and a
// unit each for force, moment and stress) and fills every output row with the
// input expressed in that row's unit.
//
// The pass reaches the window only through a FieldSet, which the window
// implements over its controls and tests implement over plain strings.
#pragma once

#include "core/number.h"
#include "core/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// The text-bearing controls. Value arrays (Text1, Text3, Text5) have the input
// at index 0 and output rows from 1; unit-name arrays (Text2, Text4, Text6)
// hold the unit of the output row with the same index; selectors have index 0.
enum class Control { Text1, Text2, Text3, Text4, Text5, Text6, Combo1, Combo2, Combo3 };

class FieldSet {
public:
    virtual ~FieldSet() = default;
    virtual std::string text(Control control, int index) const = 0;
    virtual void setText(Control control, int index, std::string_view text) = 0;
    // The separator numbers are written with and read with, besides ".".
    virtual char decimalSeparator() const = 0;
    // After each selector or unit-name box is looked up: its name, and the
    // unit the name stands for, or null when its quantity does not know it.
    virtual void unitChecked(Control control, int index, std::string_view name,
                             const Unit* unit) = 0;
    // After each input box is read: its text, the number taken from it, and
    // whether the whole text took part in it.
    virtual void inputRead(Control control, std::string_view text, const Reading& reading) = 0;
};

// One quantity's controls, in the order the pass visits them.
struct Quantity {
    Control values;
    Control unitNames;
    Control selector;
    std::span<const Unit> units; // one output row per unit, in this order
    const Unit* (*lookUp)(Module1&);
    double Module1::*inBaseUnit;
    constexpr int rows() const { return static_cast<int>(units.size()); }
};

// clang-format off
inline constexpr std::array<Quantity, 3> quantities{{
    {Control::Text1, Control::Text2, Control::Combo1, forceUnits,  QuintoraForça,   &Module1::forca  },
    {Control::Text3, Control::Text4, Control::Combo2, momentUnits, QuintoraMomento, &Module1::momento},
    {Control::Text5, Control::Text6, Control::Combo3, stressUnits, QuintoraTensao,  &Module1::tensao },
}};
// clang-format on

// The two steps of every conversion, for the window's pass and the command
// line alike: a value in a unit of `factor` in its quantity's base unit, and
// a value in the base unit in a unit of `factor`.
constexpr double toBase(double value, double factor) {
    return value * factor;
}
constexpr double fromBase(double base, double factor) {
    return base / factor;
}

// The quantity a control belongs to, and its place in `quantities`.
const Quantity& quantityOf(Control control);
std::size_t quantityNumber(Control control);
// The quantity with a unit of exactly that name, or null.
const Quantity* quantityWithUnit(std::string_view name);

// Where a pass stopped, and why: the input box (index 0) whose number, or
// whose number in the base unit, is beyond the range of a double, or the
// output row whose result is.
struct Stop {
    RuntimeError error;
    Control control;
    int index;
    bool operator==(const Stop&) const = default;
};

// Converts the inputs and writes every output box. An output whose unit,
// or whose quantity's input unit, is not a unit of that quantity is left
// empty. An input or result beyond the range of a double stops the pass with
// the overflow error, returned; every output box the pass had not written by
// then is emptied, so none shows a result of an earlier pass.
[[nodiscard]] std::optional<Stop> programa01(Module1& m, FieldSet& fields);

} // namespace quintora
