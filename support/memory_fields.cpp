#include "support/memory_fields.h"

namespace quintora {

MemoryFields::MemoryFields(char separator) : separator_(separator), texts_(9), known_(9) {
    for (const Quantity& q : quantities) {
        texts_[slot(q.values)].assign(q.rows() + 1, "");
        texts_[slot(q.values)][0] = "1";
        texts_[slot(q.unitNames)].assign(q.rows() + 1, "");
        for (int i = 1; i <= q.rows(); ++i)
            texts_[slot(q.unitNames)][i] = q.units[i - 1].name;
        texts_[slot(q.selector)].assign(1, std::string(q.units[0].name));
        known_[slot(q.unitNames)].assign(q.rows() + 1, 0);
        known_[slot(q.selector)].assign(1, 0);
    }
}

std::string MemoryFields::text(Control control, int index) const {
    return texts_[slot(control)].at(static_cast<std::size_t>(index));
}

void MemoryFields::setText(Control control, int index, std::string_view text) {
    texts_[slot(control)].at(static_cast<std::size_t>(index)) = text;
}

void MemoryFields::unitChecked(Control control, int index, std::string_view, const Unit* unit) {
    known_[slot(control)].at(static_cast<std::size_t>(index)) = unit ? 1 : 2;
}

void MemoryFields::inputRead(Control control, std::string_view, const Reading& reading) {
    readings_[slot(control)] = reading;
}

std::vector<std::string> MemoryFields::outputs(std::size_t quantity) const {
    const auto& all = texts_[slot(quantities[quantity].values)];
    return {all.begin() + 1, all.end()};
}

} // namespace quintora
