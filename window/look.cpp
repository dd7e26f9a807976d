#include "window/look.h"

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

Paint paintOf(const Look& look, const SystemColours& system) {
    Paint paint{system.window, look.outOfDate ? outOfDateText : system.windowText};
    if (look.background == Tint::Unit)
        paint.background = unitBackground;
    else if (look.background == Tint::Mark)
        paint.background = markBackground;
    return paint;
}

} // namespace quintora
