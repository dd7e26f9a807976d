// Fills a template of the site (index.html.in, manifest.webmanifest.in),
// read from standard input, with what the window's description says, and
// writes it to standard output. Of the page, it makes every control at its
// twips / 15 in CSS pixels, in tab order, with its initial text, tooltip and
// spoken name, and with the look that Form2Logic gives it at start-up; the
// fonts and colours as CSS variables; and the texts. An @NAME@ it does not
// know is an error.
#include "window/controls.h"
#include "window/form2_logic.h"
#include "window/texts.h"
#include "window/version.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <map>
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

std::string font(FontRole role) {
    const TypeFace face = fontOf(role);
    char size[32];
    std::snprintf(size, sizeof size, "%gpt", face.points);
    std::string families = "\"" + std::string(face.family) + "\"";
    for (std::string_view family : fallbackFamilies)
        families += family.find(' ') == family.npos ? ", " + std::string(family)
                                                    : ", \"" + std::string(family) + "\"";
    return std::string(face.bold ? "bold " : "") + size + " " + families + ", sans-serif";
}

// The looks Form2Logic gives the fields before the window is first shown.
class StartLooks : public FormView {
public:
    std::string text(Field) const override { return {}; }
    void setText(Field, std::string_view) override {}
    bool fits(Field, std::string_view) const override { return true; }
    void setLook(Field f, const Look& look) override {
        looks[fieldNumber(f)] = look;
    }
    void showError(std::string_view) override {}
    std::map<std::size_t, Look> looks;
};

std::string attribute(const char* name, std::string_view value) {
    return value.empty() ? std::string() : " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

std::string place(const ControlRow& row) {
    const PixelRect r = row.pixels();
    return " style=\"left:" + std::to_string(r.x) + "px;top:" + std::to_string(r.y) +
           "px;width:" + std::to_string(r.width) + "px;height:" + std::to_string(r.height) + "px\"";
}

std::string classes(const ControlRow& row) {
    if (row.font == FontRole::Heading)
        return attribute("class", "heading");
    if (row.font == FontRole::Equals)
        return attribute("class", "equals");
    return {};
}

// Typed text stays as typed.
// The tab position of the control that holds the focus at start.
int firstTab = 0;

constexpr const char* asTyped =
    " autocomplete=\"off\" autocorrect=\"off\" autocapitalize=\"off\" spellcheck=\"false\"";

std::string control(const ControlRow& row, const StartLooks& start) {
    const std::string id = attribute("id", row.objectName());
    const std::string spoken = attribute("aria-label", row.accessibleName);
    switch (row.kind) {
    case Kind::Label:
        return "<div" + id + classes(row) + " role=\"note\"" +
               attribute("title", row.toolTip) + place(row) + ">" + escaped(row.text) + "</div>";
    case Kind::Button:
        return "<button type=\"button\"" + id + classes(row) + spoken + place(row) +
               (row.tab == firstTab ? " autofocus" : "") + ">" + escaped(row.text) + "</button>";
    case Kind::TextBox:
    case Kind::ComboBox:
        break;
    }
    const std::size_t number = fieldNumber(row.field());
    const auto found = start.looks.find(number);
    const Look* look = found == start.looks.end() ? nullptr : &found->second;
    const bool tinted = look && look->background != Tint::Plain;
    const std::string box = "<input" + id + " data-field=\"" + std::to_string(number) + "\"" +
                            (tinted ? attribute("data-tint", tintName(look->background)) : "") +
                            attribute("value", row.text) + spoken +
                            attribute("title", look ? look->toolTip : std::string()) + asTyped;
    if (row.kind == Kind::TextBox)
        return box + place(row) + ">";
    std::string list =
        "<select tabindex=\"-1\"" +
        attribute("aria-label", std::string(texts::unitList) + ": " + row.accessibleName) + ">";
    for (const Unit& unit : quantityOf(row.control).units)
        list +=
            "<option" + attribute("title", unit.spoken) + ">" + escaped(unit.name) + "</option>";
    return "<span class=\"selector\"" + place(row) + ">" + box + ">" + list + "</select></span>";
}

} // namespace
} // namespace quintora

int main() {
    using namespace quintora;
    StartLooks start;
    Form2Logic(start, '.').load();
    const std::vector<ControlRow> table = controlTable();
    const std::vector<const ControlRow*> order = tabOrder(table);
    firstTab = order.front()->tab;

    // In tab order, which the page's own order gives; the labels last.
    std::string controls;
    for (const ControlRow* row : order)
        controls += control(*row, start) + "\n";
    for (const ControlRow& row : table)
        if (!row.takesFocus())
            controls += control(row, start) + "\n";
    // The boxes are drawn over the page's own colours, white and black.
    const SystemColours page{{255, 255, 255}, {0, 0, 0}, themeColour, {255, 255, 255}, {0, 0, 0}};
    const auto paint = [&](Tint tint, bool outOfDate) {
        return paintOf({tint, outOfDate, {}}, page, false);
    };
    const std::string variables =
        "--unit:" + hex(paint(Tint::Unit, false).background) +
        ";--mark:" + hex(paint(Tint::Mark, false).background) +
        ";--out-of-date:" + hex(paint(Tint::Plain, true).text) +
        ";--window-font:" + font(FontRole::Normal) + ";--heading-font:" + font(FontRole::Heading) +
        ";--equals-font:" + font(FontRole::Equals) +
        ";--width:" + std::to_string(twipsToPixels(clientWidth)) +
        "px;--height:" + std::to_string(twipsToPixels(clientHeight)) +
        "px;--theme:" + hex(themeColour) + ";--page:" + hex(pageBackground);

    const std::map<std::string, std::string> fills{
        {"CAPTION", escaped(texts::caption)},
        {"CONTROLS", controls},
        {"DESCRIPTION", escaped(QUINTORA_DESCRIPTION)},
        {"ENDED", escaped(texts::ended)},
        {"NAME", escaped(QUINTORA_PRODUCT_NAME)},
        {"NEEDS_SCRIPT", escaped(texts::needsScript)},
        {"OK", escaped(texts::ok)},
        {"PAGE", hex(pageBackground)},
        {"START_AGAIN", escaped(texts::startAgain)},
        {"THEME", hex(themeColour)},
        {"VARIABLES", variables},
    };
    const std::string in{std::istreambuf_iterator<char>(std::cin), {}};
    std::string out;
    for (std::size_t at = 0; at < in.size();) {
        const std::size_t open = in.find('@', at);
        const std::size_t close = open == in.npos ? in.npos : in.find('@', open + 1);
        if (close == in.npos) {
            out += in.substr(at);
            break;
        }
        const auto fill = fills.find(in.substr(open + 1, close - open - 1));
        if (fill == fills.end()) {
            std::fprintf(stderr, "make_page: no fill for %s\n",
                         in.substr(open, close - open + 1).c_str());
            return 1;
        }
        out += in.substr(at, open - at) + fill->second;
        at = close + 1;
    }
    std::fputs(out.c_str(), stdout);
    return 0;
}
