// Fills a template of the site (index.html.in, manifest.webmanifest.in,
// quintora.css.in), read from standard input, with what the window's
// description says, and writes it to standard output: the page's controls,
// each with its initial text, tooltip, spoken name, tab position and the
// look that Form2Logic gives it at start-up, in the order the eye reads them
// (the convention, then each quantity: heading, input, unit list, results);
// where each stands on a wide screen, at its twips scaled so that every
// target is 24 px or more; the fonts and colours of the stylesheet; and the
// texts. An @NAME@ it does not know is an error.
#include "window/controls.h"
#include "window/facts.h"
#include "window/form2_logic.h"
#include "window/plain_view.h"
#include "window/results_table.h"
#include "window/texts.h"
#include "window/version.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

namespace quintora {
namespace {

std::string hex(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
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

// A length of the window in CSS: its twips times --u, the CSS pixels of a
// twip, which the stylesheet sets from the screen.
std::string twips(int value) {
    return "calc(" + std::to_string(value) + "*var(--u))";
}

// A point is 20 twips.
std::string font(FontRole role) {
    const TypeFace face = fontOf(role);
    return std::string(face.bold ? "bold " : "") + twips(static_cast<int>(face.points * 20)) +
           " var(--family)";
}

// The dpi at which the window's smallest target is 24 px high: the least
// the wide layout is drawn at, as WCAG 2.2 asks of a target.
int targetDpi(const std::vector<ControlRow>& table) {
    int lowest = clientHeight;
    for (const ControlRow& row : table)
        if (row.takesFocus())
            lowest = std::min(lowest, row.height);
    return (24 * twipsPerInch + lowest - 1) / lowest;
}

// Screens that get the touch layout: narrow ones, those whose pointer is a
// finger, and those too low for the window at the dpi of its targets.
std::string touchMedia(const std::vector<ControlRow>& table) {
    const int low = twipsToPixels(clientHeight, targetDpi(table)) + 64;
    return "(max-width: 600px), (pointer: coarse), (max-height: " + std::to_string(low) + "px)";
}

std::string attribute(const char* name, std::string_view value) {
    return value.empty() ? std::string()
                         : " " + std::string(name) + "=\"" + htmlEscaped(value) + "\"";
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

// The wide layout: the window at its twips.
std::string desktopPlace(const ControlRow& row) {
    return cssId(placedId(row)) + "{left:" + twips(row.left) + ";top:" + twips(row.top) +
           ";width:" + twips(row.width) + ";height:" + twips(row.height) + "}\n";
}

std::string classes(const ControlRow& row) {
    if (row.font == FontRole::Heading)
        return attribute("class", "heading");
    if (row.font == FontRole::Equals)
        return attribute("class", "equals");
    return {};
}

// The window's tab position, which the page keeps on its wide layout.
std::string tab(const ControlRow& row) {
    return " data-tab=\"" + std::to_string(row.tab) + "\"";
}

// Typed text stays as typed.
constexpr const char* asTyped =
    " autocomplete=\"off\" autocorrect=\"off\" autocapitalize=\"off\" spellcheck=\"false\"";

// The note of the convention: short on a wide screen, with its full
// statement in its tooltip; whole on a touch screen, where no pointer
// hovers. The convention is described here once.
std::string note(const ControlRow& row) {
    return "<div" + attribute("id", row.objectName()) + " role=\"note\"" +
           attribute("title", row.toolTip) + "><span class=\"short\">" + htmlEscaped(row.text) +
           "</span><span class=\"whole\">" + htmlEscaped(row.toolTip) + "</span></div>";
}

// `firstTab`: the tab position of the control that holds the focus at start.
std::string button(const ControlRow& row, int firstTab) {
    return "<button type=\"button\"" + attribute("id", row.objectName()) + classes(row) +
           attribute("aria-label", row.accessibleName) + tab(row) +
           (row.tab == firstTab ? " autofocus" : "") + ">" + htmlEscaped(row.text) + "</button>";
}

// A text box or a selector's box.
std::string box(const ControlRow& row, const Form2Logic& start) {
    const Look& look = start.look(row.field());
    const bool tinted = look.background != Tint::Plain;
    const Quantity& q = quantityOf(row.control);
    const bool input = row.kind == Kind::TextBox && row.control == q.values && row.index == 0;
    // A number is typed on the decimal keypad, whose action key converts;
    // results and unit names are read, not typed, on a touch screen, where
    // a unit name, also in its result's name, is no stop of its own.
    const std::string keyboard = input ? " inputmode=\"decimal\" enterkeyhint=\"go\"" : "";
    const std::string touch = row.kind == Kind::TextBox && !input
                                  ? std::string(" data-read-only-on-touch") +
                                        (row.control == q.unitNames ? " data-no-stop-on-touch" : "")
                                  : std::string();
    return "<input" + attribute("id", row.objectName()) + " data-field=\"" +
           std::to_string(fieldNumber(row.field())) + "\" data-quantity=\"" +
           std::to_string(quantityNumber(row.control)) + "\"" +
           (tinted ? attribute("data-tint", tintName(look.background)) : "") +
           attribute("value", row.text) + attribute("aria-label", row.accessibleName) + tab(row) +
           attribute("title", look.toolTip) + asTyped + keyboard + touch + ">";
}

// A selector: its box, and beside it the list of its units, which on a
// touch screen stands in the box's place, under the box's name.
std::string selector(const ControlRow& row, const Form2Logic& start) {
    const Quantity& q = quantityOf(row.control);
    const std::string listName = std::string(texts::unitList) + ": " + row.accessibleName;
    std::string list = "<select tabindex=\"-1\"" + attribute("aria-label", listName) +
                       attribute("data-name", listName) +
                       attribute("data-touch-name", row.accessibleName) + ">";
    for (const Unit& unit : q.units)
        list += "<option" + attribute("title", unit.spoken) +
                (unit.name == row.text ? " selected" : "") + ">" + htmlEscaped(unit.name) +
                "</option>";
    return "<span class=\"selector\"" + attribute("id", placedId(row)) + ">" + box(row, start) +
           list + "</select></span>";
}

// The heading row of a quantity: its heading; the button that copies its
// results on a touch screen, saying why not when it cannot; and the line
// that says why its boxes are marked or greyed, shown on a touch screen and
// read by screen readers on every layout.
std::string head(const ControlRow& heading, std::size_t quantity, const Form2Logic& start) {
    const std::string q = std::to_string(quantity);
    const CopyState copy = start.copyState(quantity);
    return "<div class=\"head\"><h2" + attribute("id", heading.objectName()) + classes(heading) +
           ">" + htmlEscaped(heading.text) +
           "</h2><button type=\"button\" class=\"copy\" id=\"copy-" + q + "\" data-copy=\"" + q +
           "\"" + (copy.enabled ? "" : " disabled") + ">" +
           htmlEscaped(texts::withWhy(texts::copy, copy.why)) +
           "</button><p class=\"reason\" id=\"reason-" + q + "\" aria-live=\"polite\"></p></div>\n";
}

// The page's controls in reading order, and where each stands on a wide
// screen.
struct Layout {
    std::string controls, places;
};

Layout layout() {
    // The looks Form2Logic gives the fields before the window is first shown.
    PlainView view;
    Form2Logic start(view, '.');
    start.load();
    const std::vector<ControlRow> table = controlTable();
    std::map<std::string, const ControlRow*> rows;
    for (const ControlRow& row : table)
        rows[row.objectName()] = &row;
    const auto row = [&rows](Control control, int index) {
        return rows.at(nameOf(control, index));
    };
    const int firstTab = tabOrder(table).front()->tab;
    Layout out;
    for (const ControlRow& r : table) {
        out.places += desktopPlace(r);
        if (r.fixed == Fixed::Label4)
            out.controls += note(r) + "\n";
    }
    for (std::size_t k = 0; k < quantities.size(); ++k) {
        const Quantity& q = quantities[k];
        const auto heading = static_cast<int>(Fixed::Label1) + static_cast<int>(k);
        out.controls += "<section class=\"group\" aria-labelledby=\"Label" + std::to_string(k + 1) +
                        "\">\n" +
                        head(*rows.at(std::string(nameOf(static_cast<Fixed>(heading)))), k, start) +
                        box(*row(q.values, 0), start) + "\n" +
                        selector(*rows.at(std::string(nameOf(q.selector))), start) + "\n";
        for (int i = 1; i <= q.rows(); ++i)
            out.controls += "<div class=\"row\">" + box(*row(q.values, i), start) +
                            box(*row(q.unitNames, i), start) + "</div>\n";
        out.controls += "</section>\n";
    }
    for (const Fixed which : {Fixed::Command1, Fixed::Command2})
        out.controls += button(*rows.at(std::string(nameOf(which))), firstTab) + "\n";
    return out;
}

// A focus ring that stands at 3:1 or more against every background it may
// sit on: `from` itself where it does, else the nearest colour toward `to`
// that does.
Rgb ring(Rgb from, Rgb to, std::initializer_list<Rgb> backgrounds) {
    for (int part = 0; part <= 255; ++part) {
        const Rgb candidate = toward(from, to, part);
        if (std::all_of(backgrounds.begin(), backgrounds.end(),
                        [&](Rgb background) { return contrast(candidate, background) >= 3; }))
            return candidate;
    }
    return to;
}

// The stylesheet's variables: the boxes are drawn over the page's own
// colours, black on white, or in a dark scheme white on dark grey, by the
// window's colour rule; the focus rings of both; and the window's fonts,
// size and scale.
std::string cssVariables(const std::vector<ControlRow>& table) {
    constexpr Rgb white{255, 255, 255}, black{0, 0, 0}, darkBox{0x2d, 0x2d, 0x2d};
    constexpr Rgb darkPage{0x1e, 0x1e, 0x1e}, darkButton{0x3a, 0x3a, 0x3a},
        lightButton{0xf8, 0xf8, 0xf8};
    const SystemColours light{white, black, themeColour, white, black};
    const SystemColours dark{darkBox, white, themeColour, white, white};
    const auto paint = [](Tint tint, bool outOfDate, const SystemColours& page) {
        return paintOf({tint, outOfDate, {}}, page, false);
    };
    const Rgb unit = paint(Tint::Unit, false, light).background;
    const Rgb mark = paint(Tint::Mark, false, light).background;
    const Rgb lightRing =
        ring(themeColour, black, {white, pageBackground, lightButton, unit, mark});
    const Rgb darkRing = ring(themeColour, white, {darkBox, darkPage, darkButton, themeColour});
    const std::string u = number(static_cast<double>(targetDpi(table)) / twipsPerInch);
    return "--unit:" + hex(unit) + ";--unit-text:" + hex(paint(Tint::Unit, false, light).text) +
           ";--mark:" + hex(mark) + ";--mark-text:" + hex(paint(Tint::Mark, false, light).text) +
           ";--out-of-date:" + hex(paint(Tint::Plain, true, light).text) +
           ";--out-of-date-on-unit:" + hex(paint(Tint::Unit, true, light).text) +
           ";--out-of-date-on-mark:" + hex(paint(Tint::Mark, true, light).text) +
           ";--dark-box:" + hex(darkBox) + ";--dark-page:" + hex(darkPage) +
           ";--dark-button:" + hex(darkButton) + ";--light-button:" + hex(lightButton) +
           ";--dark-out-of-date:" + hex(paint(Tint::Plain, true, dark).text) +
           ";--ring:" + hex(lightRing) + ";--dark-ring:" + hex(darkRing) +
           ";--family:" + families() + ";--window-font:" + font(FontRole::Normal) +
           ";--heading-font:" + font(FontRole::Heading) +
           ";--equals-font:" + font(FontRole::Equals) + ";--width:" + std::to_string(clientWidth) +
           ";--height:" + std::to_string(clientHeight) + ";--least-u:" + u +
           "px;--theme:" + hex(themeColour) + ";--page:" + hex(pageBackground);
}

// What the site's templates may name: the facts of every template, escaped
// for HTML, and the page's own.
Fills pageFills() {
    Fills fills = commonFills();
    for (auto& [name, value] : fills)
        value = htmlEscaped(value);
    const std::vector<ControlRow> table = controlTable();
    Layout page = layout();
    fills.insert_or_assign("CONTROLS", std::move(page.controls));
    fills.insert_or_assign("PLACES", std::move(page.places));
    fills.insert_or_assign("TOUCH_MEDIA", touchMedia(table));
    fills.insert_or_assign("VARIABLES", cssVariables(table));
    fills.insert_or_assign("PAGE", hex(pageBackground));
    fills.insert_or_assign("THEME", hex(themeColour));
    fills.insert_or_assign("COPY_ALL",
                           htmlEscaped(texts::withWhy(texts::copyAll, texts::noResultsYet)));
    for (const auto& [name, text] : {
             std::pair{"ENDED",        texts::ended      },
             {"COPIED",       texts::copied     },
             {"NEEDS_SCRIPT", texts::needsScript},
             {"OK",           texts::ok         },
             {"START_FAILED", texts::startFailed},
             {"START_AGAIN",  texts::startAgain }
    })
        fills.insert_or_assign(name, htmlEscaped(text));
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
