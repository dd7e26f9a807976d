#include "core/units.h"

#include "core/number.h"

namespace quintora {
namespace {

const Unit* lookUp(std::span<const Unit> table, Module1& m) {
    for (const Unit& unit : table) {
        if (unit.name == m.unidade) {
            m.fator = unit.factor;
            return &unit;
        }
    }
    return nullptr;
}

// A name as nearUnit compares it: its letters in lower case, "2" for "²",
// and without blanks and without what may stand between a force and a
// length (".", "·", "*", "×").
std::string folded(std::string_view name) {
    std::string out;
    while (!name.empty()) {
        std::size_t length = 1;
        const char c = name.front();
        if (name.starts_with("\xC2\xB2")) { // ²
            out += '2';
            length = 2;
        } else if (name.starts_with("\xC2\xB7") || name.starts_with("\xC3\x97")) { // · ×
            length = 2;
        } else if (const std::size_t blank = blankAt(name)) {
            length = blank;
        } else if (c != '.' && c != '*') {
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        name.remove_prefix(length);
    }
    return out;
}

} // namespace

const Unit* nearUnit(std::span<const Unit> table, std::string_view name) {
    const std::string wanted = folded(name);
    for (const Unit& unit : table)
        if (!wanted.empty() && folded(unit.name) == wanted)
            return &unit;
    return nullptr;
}

const Unit* QuintoraForça(Module1& m) {
    return lookUp(forceUnits, m);
}
const Unit* QuintoraMomento(Module1& m) {
    return lookUp(momentUnits, m);
}
const Unit* QuintoraTensao(Module1& m) {
    return lookUp(stressUnits, m);
}

} // namespace quintora
