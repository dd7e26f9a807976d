#include "memory_fields.h"

namespace quintora {

MemoryFields::MemoryFields(char separator) : separator_(separator), texts_(9), known_(9) {
    for (const Quantity& q : quantities) {
        texts_[slot(q.values)].assign(q.rows + 1, "");
        texts_[slot(q.values)][0] = "1";
        texts_[slot(q.unitNames)].assign(q.rows + 1, "");
        texts_[slot(q.selector)].assign(1, "");
        known_[slot(q.unitNames)].assign(q.rows + 1, 0);
        known_[slot(q.selector)].assign(1, 0);
    }
    auto fill = [this](Control names, Control selector, auto& table) {
        for (std::size_t i = 0; i < table.size(); ++i)
            texts_[slot(names)][i + 1] = table[i].name;
        texts_[slot(selector)][0] = table[0].name;
    };
    fill(Control::Text2, Control::Combo1, forceUnits);
    fill(Control::Text4, Control::Combo2, momentUnits);
    fill(Control::Text6, Control::Combo3, stressUnits);
}

std::string MemoryFields::text(Control control, int index) const {
    return texts_[slot(control)].at(static_cast<std::size_t>(index));
}

void MemoryFields::setText(Control control, int index, std::string_view text) {
    texts_[slot(control)].at(static_cast<std::size_t>(index)) = text;
}

void MemoryFields::unitChecked(Control control, int index, bool known) {
    known_[slot(control)].at(static_cast<std::size_t>(index)) = known ? 1 : 2;
}

void MemoryFields::inputRead(Control control, const Reading& reading) {
    readings_[slot(control)] = reading;
}

std::vector<std::string> MemoryFields::outputs(std::size_t quantity) const {
    const auto& all = texts_[slot(quantities[quantity].values)];
    return {all.begin() + 1, all.end()};
}

} // namespace quintora
