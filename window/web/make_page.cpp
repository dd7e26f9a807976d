// Fills a template of the site (index.html.in, manifest.webmanifest.in,
// quintora.css.in), read from standard input, with what the window's
// description says, and writes it to standard output. Of the page, it makes
// every control at its twips / 15 in CSS pixels, in tab order, with its
// initial text, tooltip and spoken name, and with the look that Form2Logic
// gives it at start-up; the fonts, colours and places in its stylesheet;
// and the texts. An @NAME@ it does not know is an error.
#include "window/controls.h"
#include "window/facts.h"
#include "window/form2_logic.h"
#include "window/texts.h"
#include "window/version.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

namespace quintora {
namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string hex(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

// The window's family and its fallbacks, as CSS names them.
std::string families() {
    std::string list = "\"" + std::string(fontOf(FontRole::Normal).family) + "\"";
    for (std::string_view family : fallbackFamilies)
        list += family.find(' ') == family.npos ? ", " + std::string(family)
                                                : ", \"" + std::string(family) + "\"";
    return list + ", sans-serif";
}

std::string font(FontRole role) {
    const TypeFace face = fontOf(role);
    char size[32];
    std::snprintf(size, sizeof size, "%gpt", face.points);
    return std::string(face.bold ? "bold " : "") + size + " var(--family)";
}

// The screens that get the phone layout: a phone held upright.
constexpr const char* phoneMedia = "(max-width: 600px)";

// The looks Form2Logic gives the fields before the window is first shown.
class StartLooks : public FormView {
public:
    std::string text(Field) const override { return {}; }
    void setText(Field, std::string_view) override {}
    bool fits(Field, std::string_view) const override { return true; }
    void setLook(Field f, const Look& look) override { looks[fieldNumber(f)] = look; }
    void showError(std::string_view) override {}
    std::map<std::size_t, Look> looks;
    const Form2Logic* logic = nullptr; // once it has loaded
};

std::string attribute(const char* name, std::string_view value) {
    return value.empty() ? std::string() : " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

// The id of the element that is placed: the control, or the span around a
// selector's box and list.
std::string placedId(const ControlRow& row) {
    return row.objectName() + (row.kind == Kind::ComboBox ? "-picker" : "");
}

// A CSS id selector: "Text1(0)" -> "#Text1\(0\)".
std::string cssId(std::string_view id) {
    std::string out = "#";
    for (char c : id)
        out += (c == '(' || c == ')') ? std::string("\\") + c : std::string(1, c);
    return out;
}

// The desktop layout: the window at its twips, 15 to a CSS pixel.
std::string desktopPlace(const ControlRow& row) {
    const PixelRect r = row.pixels();
    return cssId(placedId(row)) + "{left:" + std::to_string(r.x) + "px;top:" + std::to_string(r.y) +
           "px;width:" + std::to_string(r.width) + "px;height:" + std::to_string(r.height) +
           "px}\n";
}

// The phone layout: the quantities one below the other, each its heading,
// its input row, its reason line, then its results as rows of number and
// unit name.
int quantityNumberOf(Control control) {
    return static_cast<int>(quantityNumber(control));
}

constexpr int groupOrder(int quantity) {
    return 100 * (quantity + 1);
}
std::string phonePlace(const ControlRow& row) {
    int order = 0;
    bool wide = false;
    if (row.kind == Kind::Label) {
        const int heading = static_cast<int>(row.fixed) - static_cast<int>(Fixed::Label1);
        if (heading < static_cast<int>(quantities.size())) {
            order = groupOrder(heading); // beside its copy button
        } else {
            order = 1; // the convention, at the top
            wide = true;
        }
    } else if (row.kind == Kind::Button) {
        return {}; // "=" is fixed at the bottom; "Sai" is left out
    } else {
        const Quantity& q = quantityOf(row.control);
        const int base = groupOrder(quantityNumberOf(row.control));
        if (row.kind == Kind::ComboBox)
            order = base + 2;
        else if (row.index == 0)
            order = base + 1;
        else
            order = base + 10 + 2 * row.index + (row.control == q.unitNames ? 1 : 0);
    }
    return cssId(placedId(row)) + "{order:" + std::to_string(order) +
           (wide ? ";grid-column:1/-1" : "") + "}\n";
}

std::string classes(const ControlRow& row) {
    if (row.font == FontRole::Heading)
        return attribute("class", "heading");
    if (row.font == FontRole::Equals)
        return attribute("class", "equals");
    return {};
}

// Typed text stays as typed.
constexpr const char* asTyped =
    " autocomplete=\"off\" autocorrect=\"off\" autocapitalize=\"off\" spellcheck=\"false\"";

std::string label(const ControlRow& row) {
    const std::string id = attribute("id", row.objectName());
    if (row.font == FontRole::Heading)
        return "<h2" + id + classes(row) + attribute("title", row.toolTip) + ">" +
               escaped(row.text) + "</h2>";
    // The note of the convention: short on the desktop, with its full
    // statement in its tooltip; whole on a phone, where no pointer hovers.
    return "<div" + id + classes(row) + " role=\"note\"" + attribute("title", row.toolTip) +
           "><span class=\"short\">" + escaped(row.text) + "</span><span class=\"whole\">" +
           escaped(row.toolTip) + "</span></div>";
}

// `firstTab`: the tab position of the control that holds the focus at start.
std::string control(const ControlRow& row, const StartLooks& start, int firstTab) {
    const std::string id = attribute("id", row.objectName());
    const std::string spoken = attribute("aria-label", row.accessibleName);
    switch (row.kind) {
    case Kind::Label:
        return label(row);
    case Kind::Button:
        return "<button type=\"button\"" + id + classes(row) + spoken +
               (row.tab == firstTab ? " autofocus" : "") + ">" + escaped(row.text) + "</button>";
    case Kind::TextBox:
    case Kind::ComboBox:
        break;
    }
    const std::size_t number = fieldNumber(row.field());
    const auto found = start.looks.find(number);
    const Look* look = found == start.looks.end() ? nullptr : &found->second;
    const bool tinted = look && look->background != Tint::Plain;
    const Quantity& q = quantityOf(row.control);
    const bool input = row.kind == Kind::TextBox && row.control == q.values && row.index == 0;
    // A number is typed on the decimal keypad, whose action key converts;
    // results and unit names are read, not typed, on a phone.
    const std::string keyboard = input ? " inputmode=\"decimal\" enterkeyhint=\"go\"" : "";
    const std::string readOnly =
        row.kind == Kind::TextBox && !input ? " data-read-only-on-phone" : "";
    const std::string box =
        "<input" + id + " data-field=\"" + std::to_string(number) + "\"" + " data-quantity=\"" +
        std::to_string(quantityNumberOf(row.control)) + "\"" +
        (tinted ? attribute("data-tint", tintName(look->background)) : "") +
        attribute("value", row.text) + spoken +
        attribute("title", look ? look->toolTip : std::string()) + asTyped + keyboard + readOnly;
    if (row.kind == Kind::TextBox)
        return box + ">";
    std::string list =
        "<select tabindex=\"-1\"" +
        attribute("aria-label", std::string(texts::unitList) + ": " + row.accessibleName) + ">";
    for (const Unit& unit : q.units)
        list += "<option" + attribute("title", unit.spoken) +
                (unit.name == row.text ? " selected" : "") + ">" + escaped(unit.name) + "</option>";
    return "<span class=\"selector\"" + attribute("id", placedId(row)) + ">" + box + ">" + list +
           "</select></span>";
}

// On a phone, the button beside a quantity's heading that copies its
// results, saying why not when it cannot.
std::string copyButton(std::size_t quantity, const StartLooks& start) {
    const CopyState state = start.logic->copyState(quantity);
    return "<button type=\"button\" class=\"copy\" id=\"copy-" + std::to_string(quantity) +
           "\" data-copy=\"" + std::to_string(quantity) + "\"" +
           (state.enabled ? "" : " disabled") + ">" +
           escaped(texts::withWhy(texts::copy, state.why)) + "</button>";
}

// The line under a quantity's input row that says why its boxes are marked
// or greyed: visible on a phone, and for screen readers on every layout.
std::string reasonLine(std::size_t quantity) {
    const std::string id = "reason-" + std::to_string(quantity);
    return "<p class=\"reason\" id=\"" + id + "\" aria-live=\"polite\"></p>";
}

// The page's controls, in tab order, which the page's own order gives, each
// quantity's reason line after its selector and the labels last; where each
// stands on the desktop layout; and where on a phone's.
struct Layout {
    std::string controls, places, phone;
};

Layout layout() {
    StartLooks start;
    Form2Logic logic(start, '.');
    logic.load();
    start.logic = &logic;
    const std::vector<ControlRow> table = controlTable();
    const std::vector<const ControlRow*> order = tabOrder(table);
    const int firstTab = order.front()->tab;
    Layout out;
    for (const ControlRow* row : order) {
        out.controls += control(*row, start, firstTab) + "\n";
        if (row->kind == Kind::ComboBox) {
            const int q = quantityNumberOf(row->control);
            out.controls += reasonLine(static_cast<std::size_t>(q)) + "\n";
            out.phone += "#reason-" + std::to_string(q) +
                         "{order:" + std::to_string(groupOrder(q) + 3) + ";grid-column:1/-1}\n";
        }
    }
    for (const ControlRow& row : table) {
        if (row.takesFocus())
            continue;
        out.controls += control(row, start, firstTab) + "\n";
        const int q = static_cast<int>(row.fixed) - static_cast<int>(Fixed::Label1);
        if (row.font == FontRole::Heading) {
            out.controls += copyButton(static_cast<std::size_t>(q), start) + "\n";
            out.phone +=
                "#copy-" + std::to_string(q) + "{order:" + std::to_string(groupOrder(q)) + "}\n";
        }
    }
    for (const ControlRow& row : table) {
        out.places += desktopPlace(row);
        out.phone += phonePlace(row);
    }
    return out;
}

// The stylesheet's variables: the boxes are drawn over the page's own
// colours, black on white, or in a dark scheme white on dark grey, by the
// window's colour rule; and the window's fonts and size.
std::string cssVariables() {
    constexpr Rgb white{255, 255, 255}, black{0, 0, 0}, darkBox{0x2d, 0x2d, 0x2d};
    const SystemColours light{white, black, themeColour, white, black};
    const SystemColours dark{darkBox, white, themeColour, white, white};
    const auto paint = [](Tint tint, bool outOfDate, const SystemColours& page) {
        return paintOf({tint, outOfDate, {}}, page, false);
    };
    return "--unit:" + hex(paint(Tint::Unit, false, light).background) +
           ";--unit-text:" + hex(paint(Tint::Unit, false, light).text) +
           ";--mark:" + hex(paint(Tint::Mark, false, light).background) +
           ";--mark-text:" + hex(paint(Tint::Mark, false, light).text) +
           ";--out-of-date:" + hex(paint(Tint::Plain, true, light).text) +
           ";--out-of-date-on-unit:" + hex(paint(Tint::Unit, true, light).text) +
           ";--out-of-date-on-mark:" + hex(paint(Tint::Mark, true, light).text) +
           ";--dark-box:" + hex(darkBox) +
           ";--dark-out-of-date:" + hex(paint(Tint::Plain, true, dark).text) +
           ";--family:" + families() + ";--window-font:" + font(FontRole::Normal) +
           ";--heading-font:" + font(FontRole::Heading) +
           ";--equals-font:" + font(FontRole::Equals) +
           ";--width:" + std::to_string(twipsToPixels(clientWidth)) +
           "px;--height:" + std::to_string(twipsToPixels(clientHeight)) +
           "px;--theme:" + hex(themeColour) + ";--page:" + hex(pageBackground);
}

// What the site's templates may name: the facts of every template, escaped
// for HTML, and the page's own.
Fills pageFills() {
    Fills fills = commonFills();
    for (auto& [name, value] : fills)
        value = escaped(value);
    Layout page = layout();
    fills.insert_or_assign("CONTROLS", std::move(page.controls));
    fills.insert_or_assign("PLACES", std::move(page.places));
    fills.insert_or_assign("PHONE", std::move(page.phone));
    fills.insert_or_assign("PHONE_MEDIA", phoneMedia);
    fills.insert_or_assign("VARIABLES", cssVariables());
    fills.insert_or_assign("PAGE", hex(pageBackground));
    fills.insert_or_assign("THEME", hex(themeColour));
    fills.insert_or_assign("COPY_ALL",
                           escaped(texts::withWhy(texts::copyAll, texts::noResultsYet)));
    for (const auto& [name, text] : {
             std::pair{"ENDED",        texts::ended      },
             {"COPIED",       texts::copied     },
             {"NEEDS_SCRIPT", texts::needsScript},
             {"OK",           texts::ok         },
             {"START_FAILED", texts::startFailed},
             {"START_AGAIN",  texts::startAgain }
    })
        fills.insert_or_assign(name, escaped(text));
    return fills;
}

} // namespace
} // namespace quintora

int main() {
    const std::string in{std::istreambuf_iterator<char>(std::cin), {}};
    const quintora::Filled page = quintora::fillTemplate(in, quintora::pageFills());
    if (!page.missing.empty()) {
        std::fprintf(stderr, "make_page: no fill for @%s@\n", page.missing.c_str());
        return 1;
    }
    std::fputs(page.text.c_str(), stdout);
    return 0;
}
