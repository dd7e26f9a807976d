// The units of the three quantities, and the lookups that turn a unit name
// into its factor.
//
// Every factor turns a value in its unit into the quantity's base unit
// ("Kgf", "Kgf.cm", "Kgf/cm2"). All three tables rest on 1 Kgf = 10 N exactly
// and 1 Tf = 1000 Kgf, so 1 MPa = 1 N/mm2 = 10 Kgf/cm2. Names are compared
// exactly: no case folding, no trimming.
//
// A lookup goes through Module1: the caller writes the unit name into
// `unidade`, calls the lookup of the quantity, and reads `fator`.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quintora {

struct Unit {
    std::string_view name;
    double factor;           // value in the base unit per 1 of this unit
    std::string_view spoken; // full name, in Portuguese
};

// The order of each table is the order of the window's lists and rows.
// clang-format off
inline constexpr std::array<Unit, 4> forceUnits{{
    {"Kgf", 1,    "quilograma-força"},
    {"Tf",  1000, "tonelada-força"  },
    {"N",   0.1,  "newton"          },
    {"KN",  100,  "quilonewton"     },
}};

inline constexpr std::array<Unit, 12> momentUnits{{
    {"Kgf.mm", 0.1,    "quilograma-força-milímetro" },
    {"Kgf.cm", 1,      "quilograma-força-centímetro"},
    {"Kgf.m",  100,    "quilograma-força-metro"     },
    {"Tf.mm",  100,    "tonelada-força-milímetro"   },
    {"Tf.cm",  1000,   "tonelada-força-centímetro"  },
    {"Tf.m",   100000, "tonelada-força-metro"       },
    {"N.mm",   0.01,   "newton-milímetro"           },
    {"N.cm",   0.1,    "newton-centímetro"          },
    {"N.m",    10,     "newton-metro"               },
    {"KN.mm",  10,     "quilonewton-milímetro"      },
    {"KN.cm",  100,    "quilonewton-centímetro"     },
    {"KN.m",   10000,  "quilonewton-metro"          },
}};

inline constexpr std::array<Unit, 15> stressUnits{{
    {"Kgf/mm2", 100,     "quilograma-força por milímetro quadrado" },
    {"Kgf/cm2", 1,       "quilograma-força por centímetro quadrado"},
    {"Kgf/m2",  0.0001,  "quilograma-força por metro quadrado"     },
    {"Tf/mm2",  100000,  "tonelada-força por milímetro quadrado"   },
    {"Tf/cm2",  1000,    "tonelada-força por centímetro quadrado"  },
    {"Tf/m2",   0.1,     "tonelada-força por metro quadrado"       },
    {"N/mm2",   10,      "newton por milímetro quadrado"           },
    {"N/cm2",   0.1,     "newton por centímetro quadrado"          },
    {"N/m2",    0.00001, "newton por metro quadrado"               },
    {"KN/mm2",  10000,   "quilonewton por milímetro quadrado"      },
    {"KN/cm2",  100,     "quilonewton por centímetro quadrado"     },
    {"KN/m2",   0.01,    "quilonewton por metro quadrado"          },
    {"MPa",     10,      "megapascal"                              },
    {"KPa",     0.01,    "quilopascal"                             },
    {"Pa",      0.00001, "pascal"                                  },
}};
// clang-format on

// The values shared by the lookups and the conversion pass for the whole run
// of the program. One instance, owned by the window.
struct Module1 {
    std::string unidade;  // unit name to be looked up next
    double fator = 0.0;   // factor stored by the latest lookup that knew its name
    double forca = 0.0;   // latest force input, in Kgf
    double momento = 0.0; // latest moment input, in Kgf.cm
    double tensao = 0.0;  // latest stress input, in Kgf/cm2
};

// Each looks `m.unidade` up in its own table: when found, stores its factor
// in `m.fator` and returns the entry; otherwise leaves `m.fator` as it was
// and returns null.
const Unit* QuintoraForça(Module1& m);
const Unit* QuintoraMomento(Module1& m);
const Unit* QuintoraTensao(Module1& m);

// The unit of `table` that `name` nearly names: the same name but for the
// case of its letters, a superscript "²" or "³" for "2" or "3", "·", "*" or
// "×" for ".", a missing ".", or blanks within it ("kN.m", "KNm", "kN·m" and
// "kgf/cm²" nearly name "KN.m" and "Kgf/cm2"); or, as engineers write them
// every day, the mass "kg" or "t" for the force "Kgf" or "Tf" ("kg/cm²",
// "t.m", "kg" nearly name "Kgf/cm2", "Tf.m", "Kgf"), which `mass` then
// names. It is only a suggestion: names are compared exactly.
struct NearMiss {
    const Unit* unit = nullptr;
    std::string_view mass; // "kg" or "t" where the name writes a mass; else empty
};
NearMiss nearMiss(std::span<const Unit> table, std::string_view name);
inline const Unit* nearUnit(std::span<const Unit> table, std::string_view name) {
    return nearMiss(table, name).unit;
}

// Units just outside the tables, known by the same rule as a near miss
// ("gpa", "kN/m³"), each with how to go on: the unit of the tables in which
// to type its value, or else the other quantity it measures.
struct OutsideUnit {
    std::string_view name;     // as engineers write it
    std::string_view relation; // "1 GPa = 1000 MPa"; empty for another quantity
    std::string_view use;      // the unit to type it in ("MPa"), or what it measures
};
// clang-format off
inline constexpr std::array<OutsideUnit, 14> outsideUnits{{
    {"GPa",    "1 GPa = 1000 MPa",     "MPa"                           },
    {"daN",    "1 daN = 10 N",         "N"                             },
    {"daN.m",  "1 daN.m = 10 N.m",     "N.m"                           },
    {"kN/m",   "", "carga por metro"   },
    {"kgf/m",  "", "carga por metro"   },
    {"tf/m",   "", "carga por metro"   },
    {"N/m",    "", "carga por metro"   },
    {"kg/m",   "", "carga por metro"   },
    {"t/m",    "", "carga por metro"   },
    {"kN/m3",  "", "peso específico"   },
    {"kgf/m3", "", "peso específico"   },
    {"tf/m3",  "", "peso específico"   },
    {"N/m3",   "", "peso específico"   },
    {"kg/m3",  "", "massa específica"  },
}};
// clang-format on
const OutsideUnit* outsideUnit(std::string_view name);

} // namespace quintora
