#include "window/look.h"

#include <algorithm>
#include <cmath>

namespace quintora {

std::string_view tintName(Tint tint) {
    switch (tint) {
    case Tint::Unit:
        return "unit";
    case Tint::Mark:
        return "mark";
    case Tint::Plain:
        break;
    }
    return "plain";
}

namespace {

constexpr double enough = 4.5; // WCAG AA for body text

double luminance(Rgb c) {
    const auto linear = [](unsigned char channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

// A text for a box on the window's own tint: the system's text where it
// stands out enough, else black or white, whichever stands out more.
Rgb textOn(Rgb tint, Rgb systemText) {
    if (contrast(systemText, tint) >= enough)
        return systemText;
    constexpr Rgb black{0, 0, 0}, white{255, 255, 255};
    return contrast(black, tint) >= contrast(white, tint) ? black : white;
}

// Greyed text: as near the background as it may come and still be read.
// The contrast only falls on the way, so the last part that passes is
// found by halving.
Rgb greyed(Rgb text, Rgb background) {
    int passes = 0, fails = 256;
    while (fails - passes > 1) {
        const int part = (passes + fails) / 2;
        (contrast(toward(text, background, part), background) >= enough ? passes : fails) = part;
    }
    return toward(text, background, passes);
}

} // namespace

Rgb toward(Rgb from, Rgb to, int part) {
    const auto mix = [part](unsigned char a, unsigned char b) {
        return static_cast<unsigned char>(std::lround(a + (b - a) * part / 255.0));
    };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

double contrast(Rgb a, Rgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Paint paintOf(const Look& look, const SystemColours& system, bool highContrast) {
    if (highContrast) {
        const bool marked = look.background == Tint::Mark;
        const Rgb background = marked ? system.highlight : system.window;
        const Rgb text = marked ? system.highlightText : system.windowText;
        const bool grey = look.outOfDate && contrast(system.grayText, background) >= enough;
        return {background, grey ? system.grayText : text};
    }
    Paint paint{system.window, system.windowText};
    if (look.background != Tint::Plain) {
        paint.background = look.background == Tint::Unit ? unitBackground : markBackground;
        paint.text = textOn(paint.background, system.windowText);
    }
    if (look.outOfDate)
        paint.text = greyed(paint.text, paint.background);
    return paint;
}

} // namespace quintora
