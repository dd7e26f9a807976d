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

// A name as nearMiss compares it: its letters in lower case, "2" for "²" and
// "3" for "³", and without blanks and without what may stand between a force
// and a length (".", "·", "*", "×").
std::string folded(std::string_view name) {
    std::string out;
    while (!name.empty()) {
        std::size_t length = 1;
        const char c = name.front();
        if (name.starts_with("\xC2\xB2") || name.starts_with("\xC2\xB3")) { // ² ³
            out += name[1] == '\xB2' ? '2' : '3';
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

// A folded unit name with its force written as a mass: "kgf/cm2" as
// "kg/cm2", "tfm" as "tm"; empty where it starts with neither force.
std::string asMass(std::string_view foldedName, std::string_view& mass) {
    for (const std::string_view force : {"kgf", "tf"}) {
        if (foldedName.starts_with(force)) {
            mass = force.substr(0, force.size() - 1);
            return std::string(mass) + std::string(foldedName.substr(force.size()));
        }
    }
    return {};
}

} // namespace

NearMiss nearMiss(std::span<const Unit> table, std::string_view name) {
    const std::string wanted = folded(name);
    if (wanted.empty())
        return {};
    for (const Unit& unit : table)
        if (folded(unit.name) == wanted)
            return {&unit, {}};
    for (const Unit& unit : table) {
        std::string_view mass;
        if (asMass(folded(unit.name), mass) == wanted)
            return {&unit, mass};
    }
    return {};
}

const OutsideUnit* outsideUnit(std::string_view name) {
    const std::string wanted = folded(name);
    for (const OutsideUnit& unit : outsideUnits)
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
