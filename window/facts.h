// What the build knows of the program, for the texts it makes from
// templates: the manual pages, the metainfo, the LEIA-ME, the page, and the
// description of the window that the test scripts read.
//
// A template names a fact as @NAME@, in capitals, digits and underscores;
// any other "@" is the template's own.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quintora {

using Fills = std::map<std::string, std::string, std::less<>>;

struct Filled {
    std::string text;
    std::string missing; // the first @NAME@ without a fill; empty when all had one
};

Filled fillTemplate(std::string_view in, const Fills& fills);

// The facts every template may use: the product's identity and version,
// the release date (also as "Tue, 08 Dec 2026 00:00:00 +0000" and
// "December 2026"), the unit counts and lists, the convention, and the
// window's size and every control's place in twips.
Fills commonFills();

} // namespace quintora
