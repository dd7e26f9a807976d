#include "core/units.h"

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

} // namespace

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
