// How a field of the window looks beyond its text, and the one rule that
// turns that look into colours: every front end draws what paintOf says.
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
inline constexpr Rgb outOfDateText{128, 128, 128};  // results older than their inputs

// The background: the system's window colour, light grey or light red.
enum class Tint { Plain, Unit, Mark };

// The tint's name, as the web page's styles know it: "plain", "unit", "mark".
std::string_view tintName(Tint tint);

struct Look {
    Tint background = Tint::Plain;
    bool outOfDate = false; // text drawn greyed
    std::string toolTip;
    bool operator==(const Look&) const = default;
};

// The system's own colours a field is drawn over.
struct SystemColours {
    Rgb window;     // a box's background
    Rgb windowText; // its text
};

// The colours a field is drawn in.
struct Paint {
    Rgb background;
    Rgb text;
    bool operator==(const Paint&) const = default;
};

Paint paintOf(const Look& look, const SystemColours& system);

} // namespace quintora
