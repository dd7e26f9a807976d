// How a field of the window looks beyond its text, and the one rule that
// turns that look into colours: every front end draws what paintOf says.
//
// The rule: a box on one of the window's tints gets a text chosen with the
// tint, at least 4.5:1 against it (a light tint, a dark text); out-of-date
// text is the colour between the text and its background nearest the
// background that still stands at 4.5:1 (#767676 on white). In a
// high-contrast mode no tint is used: boxes take the system's window and
// text colours, a marked box the system's highlight pair, and out-of-date
// text the system's grey text where that stands at 4.5:1, else the normal
// text (the tooltip and description still say it is out of date).
#pragma once

#include <string>
#include <string_view>

namespace quintora {

struct Rgb {
    unsigned char red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// The window's own tints.
inline constexpr Rgb unitBackground{192, 192, 192}; // light grey, behind unit names
inline constexpr Rgb markBackground{255, 192, 192}; // light red, behind what needs a look

// The background: the system's window colour, light grey or light red.
enum class Tint { Plain, Unit, Mark };

// The tint's name, as the web page's styles know it: "plain", "unit", "mark".
std::string_view tintName(Tint tint);

struct Look {
    Tint background = Tint::Plain;
    bool outOfDate = false; // text drawn greyed
    std::string toolTip = {};
    bool operator==(const Look&) const = default;
    // Marked or greyed: its tooltip says why, and is shown when the box
    // takes the keyboard focus.
    bool needsAttention() const { return background == Tint::Mark || outOfDate; }
};

// The system's own colours a field is drawn over.
struct SystemColours {
    Rgb window;        // a box's background
    Rgb windowText;    // its text
    Rgb highlight;     // a selection's background
    Rgb highlightText; // a selection's text
    Rgb grayText;      // text that is not current
};

// The colours a field is drawn in.
struct Paint {
    Rgb background;
    Rgb text;
    bool operator==(const Paint&) const = default;
};

// `highContrast`: the system's high-contrast or forced-colours mode is on.
Paint paintOf(const Look& look, const SystemColours& system, bool highContrast);

// The WCAG contrast ratio of two colours, from 1 to 21.
double contrast(Rgb a, Rgb b);

// `from` with the given part of the way to `to`, in 255ths.
Rgb toward(Rgb from, Rgb to, int part);

} // namespace quintora
