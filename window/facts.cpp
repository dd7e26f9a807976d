#include "window/facts.h"

#include "window/controls.h"
#include "window/texts.h"
#include "window/version.h"

#include <chrono>
#include <cstdio>

namespace quintora {
namespace {

bool isName(std::string_view name) {
    return !name.empty() && name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") ==
                                std::string_view::npos;
}

// The release date, "YYYY-MM-DD", in the forms the packages state it.
struct ReleaseDates {
    std::string changelog; // "Tue, 08 Dec 2026 00:00:00 +0000"
    std::string month;     // "December 2026"
};

ReleaseDates releaseDates(std::string_view iso) {
    using namespace std::chrono;
    int y = 0;
    unsigned m = 0, d = 0;
    std::sscanf(std::string(iso).c_str(), "%d-%u-%u", &y, &m, &d);
    const year_month_day date{year{y}, month{m}, day{d}};
    static constexpr const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* months[] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
    const std::string monthName = months[m - 1];
    char changelog[64];
    std::snprintf(changelog, sizeof changelog, "%s, %02u %s %d 00:00:00 +0000",
                  days[weekday{sys_days{date}}.c_encoding()], d, monthName.substr(0, 3).c_str(), y);
    return {changelog, monthName + " " + std::to_string(y)};
}

// "Kgf, Tf, N, KN".
std::string unitNames(const Quantity& quantity) {
    std::string names;
    for (const Unit& unit : quantity.units)
        names += (names.empty() ? "" : ", ") + std::string(unit.name);
    return names;
}

// Each control's place for the test scripts, one shell assignment a line:
// twips['Text3(1)']="2040 840 1095 285".
std::string controlTwips() {
    std::string lines;
    for (const ControlRow& row : controlTable())
        lines += "twips['" + row.objectName() + "']=\"" + std::to_string(row.left) + " " +
                 std::to_string(row.top) + " " + std::to_string(row.width) + " " +
                 std::to_string(row.height) + "\"\n";
    return lines;
}

} // namespace

Filled fillTemplate(std::string_view in, const Fills& fills) {
    Filled out;
    for (std::size_t at = 0; at < in.size();) {
        const std::size_t open = in.find('@', at);
        const std::size_t close = open == in.npos ? in.npos : in.find('@', open + 1);
        if (close == in.npos) {
            out.text += in.substr(at);
            break;
        }
        const std::string_view name = in.substr(open + 1, close - open - 1);
        if (!isName(name)) {
            out.text += in.substr(at, close - at);
            at = close;
            continue;
        }
        const auto fill = fills.find(name);
        if (fill == fills.end()) {
            out.missing = name;
            return out;
        }
        out.text += in.substr(at, open - at);
        out.text += fill->second;
        at = close + 1;
    }
    return out;
}

Fills commonFills() {
    const ReleaseDates dates = releaseDates(QUINTORA_RELEASE_DATE);
    std::size_t all = 0;
    for (const Quantity& q : quantities)
        all += q.units.size();
    return {
        {"NAME",                   QUINTORA_PRODUCT_NAME             },
        {"VENDOR",                 QUINTORA_VENDOR                   },
        {"CAPTION",                std::string(texts::caption)       },
        {"APP_ID",                 QUINTORA_APP_ID                   },
        {"VERSION",                QUINTORA_VERSION                  },
        {"COPYRIGHT",              QUINTORA_COPYRIGHT                },
        {"CONTACT",                QUINTORA_CONTACT                  },
        {"HOMEPAGE",               QUINTORA_HOMEPAGE                 },
        {"DESCRIPTION",            QUINTORA_DESCRIPTION              },
        {"RELEASE_DATE",           QUINTORA_RELEASE_DATE             },
        {"RELEASE_DATE_CHANGELOG", dates.changelog                   },
        {"RELEASE_MONTH",          dates.month                       },
        {"FORCE_UNITS",            std::to_string(forceUnits.size()) },
        {"MOMENT_UNITS",           std::to_string(momentUnits.size())},
        {"STRESS_UNITS",           std::to_string(stressUnits.size())},
        {"ALL_UNITS",              std::to_string(all)               },
        {"FORCE_UNIT_NAMES",       unitNames(quantities[0])          },
        {"MOMENT_UNIT_NAMES",      unitNames(quantities[1])          },
        {"STRESS_UNIT_NAMES",      unitNames(quantities[2])          },
        {"KGF_IN_NEWTONS",         std::string(texts::kgfInNewtons)  },
        {"TF_IN_KGF",              std::string(texts::tfInKgf)       },
        {"MPA_IN_KGF_CM2",         std::string(texts::mpaInKgfCm2)   },
        {"CLIENT_WIDTH",           std::to_string(clientWidth)       },
        {"CLIENT_HEIGHT",          std::to_string(clientHeight)      },
        {"CONTROL_TWIPS",          controlTwips()                    },
    };
}

} // namespace quintora
