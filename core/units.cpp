#include "units.h"

namespace quintora {
namespace {

bool lookUp(std::span<const Unit> table, Module1& m) {
    for (const Unit& unit : table) {
        if (unit.name == m.unidade) {
            m.fator = unit.factor;
            return true;
        }
    }
    return false;
}

} // namespace

bool QuintoraForça(Module1& m) {
    return lookUp(forceUnits, m);
}
bool QuintoraMomento(Module1& m) {
    return lookUp(momentUnits, m);
}
bool QuintoraTensao(Module1& m) {
    return lookUp(stressUnits, m);
}

const Unit* findUnit(std::string_view name) {
    for (std::span<const Unit> table :
         {std::span<const Unit>(forceUnits), std::span<const Unit>(momentUnits),
          std::span<const Unit>(stressUnits)}) {
        for (const Unit& unit : table) {
            if (unit.name == name)
                return &unit;
        }
    }
    return nullptr;
}

} // namespace quintora
