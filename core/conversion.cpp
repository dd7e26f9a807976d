#include "core/conversion.h"

#include "core/check.h"
#include "core/number.h"

#include <cmath>

namespace quintora {
namespace {

// Empties every output box from row `row` of quantity `from` to the end.
void emptyFrom(FieldSet& fields, std::size_t from, int row) {
    for (std::size_t q = from; q < quantities.size(); ++q) {
        for (int i = q == from ? row : 1; i <= quantities[q].rows(); ++i)
            fields.setText(quantities[q].values, i, {});
    }
}

Stop overflowAt(Control control, int index) {
    return {overflowError, control, index};
}

} // namespace

std::size_t quantityNumber(Control control) {
    for (std::size_t k = 0; k < quantities.size(); ++k) {
        const Quantity& q = quantities[k];
        if (q.values == control || q.unitNames == control || q.selector == control)
            return k;
    }
    QUINTORA_CHECK(false, "a control that belongs to no quantity");
    return 0;
}

const Quantity& quantityOf(Control control) {
    return quantities[quantityNumber(control)];
}

const Quantity* quantityWithUnit(std::string_view name) {
    for (const Quantity& q : quantities)
        for (const Unit& unit : q.units)
            if (unit.name == name)
                return &q;
    return nullptr;
}

std::optional<Stop> programa01(Module1& m, FieldSet& fields) {
    const char separator = fields.decimalSeparator();
    std::array<bool, quantities.size()> inputKnown{};
    for (std::size_t k = 0; k < quantities.size(); ++k) {
        const Quantity& quantity = quantities[k];
        m.unidade = fields.text(quantity.selector, 0);
        const Unit* unit = quantity.lookUp(m);
        fields.unitChecked(quantity.selector, 0, m.unidade, unit);
        inputKnown[k] = unit != nullptr;
        const std::string input = fields.text(quantity.values, 0);
        const Reading reading = readNumber(input, separator);
        fields.inputRead(quantity.values, input, reading);
        const double value = inputKnown[k] ? toBase(reading.value, m.fator) : 0.0;
        if (reading.overflow || std::isinf(value)) {
            emptyFrom(fields, 0, 1);
            return overflowAt(quantity.values, 0);
        }
        m.*quantity.inBaseUnit = value;
    }
    char text[maxNumberText];
    for (std::size_t q = 0; q < quantities.size(); ++q) {
        const Quantity& quantity = quantities[q];
        for (int row = 1; row <= quantity.rows(); ++row) {
            m.unidade = fields.text(quantity.unitNames, row);
            const Unit* unit = quantity.lookUp(m);
            fields.unitChecked(quantity.unitNames, row, m.unidade, unit);
            if (!unit || !inputKnown[q]) {
                fields.setText(quantity.values, row, {});
                continue;
            }
            const double result = fromBase(m.*quantity.inBaseUnit, m.fator);
            if (std::isinf(result)) {
                emptyFrom(fields, q, row);
                return overflowAt(quantity.values, row);
            }
            fields.setText(quantity.values, row, {text, writeNumber(result, separator, text)});
        }
    }
    return std::nullopt;
}

} // namespace quintora
