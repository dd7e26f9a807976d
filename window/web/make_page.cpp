// Writes the web page, index.html, to standard output, from the window's
// description: every control at its twips / 15 in CSS pixels, in tab order,
// with its initial text, tooltip and spoken name, and with the look that
// Form2Logic gives it at start-up; the fonts and colours as CSS variables.
#include "window/controls.h"
#include "window/form2_logic.h"
#include "window/texts.h"

#include <cstdio>
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
    return std::string(face.bold ? "bold " : "") + size + " \"" + std::string(face.family) +
           "\", \"Microsoft Sans Serif\", \"Liberation Sans\", Arimo, Arial, sans-serif";
}

// The looks Form2Logic gives the fields before the window is first shown.
class StartLooks : public FormView {
public:
    std::string text(Field) const override { return {}; }
    void setText(Field, std::string_view) override {}
    bool fits(Field, std::string_view) const override { return true; }
    void setLook(Field f, const Look& look) override {
        looks[{static_cast<int>(f.control), f.index}] = look;
    }
    void showError(std::string_view) override {}
    std::map<std::pair<int, int>, Look> looks;
};

std::string attribute(const char* name, std::string_view value) {
    return value.empty() ? std::string() : " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

std::string place(const ControlRow& row) {
    const PixelRect r = row.pixels();
    return " style=\"left:" + std::to_string(r.x) + "px;top:" + std::to_string(r.y) +
           "px;width:" + std::to_string(r.width) + "px;height:" + std::to_string(r.height) + "px\"";
}

std::string classes(const ControlRow& row, const Look* look) {
    std::string names;
    if (row.font == FontRole::Heading)
        names += " heading";
    if (row.font == FontRole::Equals)
        names += " equals";
    if (look && look->background == Tint::Unit)
        names += " unit";
    if (look && look->background == Tint::Mark)
        names += " mark";
    return names.empty() ? std::string() : attribute("class", names.substr(1));
}

// Typed text stays as typed.
constexpr const char* asTyped =
    " autocomplete=\"off\" autocorrect=\"off\" autocapitalize=\"off\" spellcheck=\"false\"";

std::string control(const ControlRow& row, const std::vector<Field>& fields,
                    const StartLooks& start) {
    const std::string id = attribute("id", row.objectName());
    const std::string spoken = attribute("aria-label", row.accessibleName);
    switch (row.kind) {
    case Kind::Label:
        return "<div" + id + classes(row, nullptr) + " role=\"note\"" +
               attribute("title", row.toolTip) + place(row) + ">" + escaped(row.text) + "</div>";
    case Kind::Button:
        return "<button type=\"button\"" + id + classes(row, nullptr) + spoken + place(row) +
               (row.tab == 0 ? " autofocus" : "") + ">" + escaped(row.text) + "</button>";
    case Kind::TextBox:
    case Kind::ComboBox:
        break;
    }
    const Field f{row.control, row.kind == Kind::ComboBox ? 0 : row.index};
    int number = 0;
    while (!(fields[static_cast<std::size_t>(number)] == f))
        ++number;
    const auto found = start.looks.find({static_cast<int>(f.control), f.index});
    const Look* look = found == start.looks.end() ? nullptr : &found->second;
    const std::string box = "<input" + id + " data-field=\"" + std::to_string(number) + "\"" +
                            classes(row, look) + attribute("value", row.text) + spoken +
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
    const std::vector<Field> fields = allFields();

    std::string page =
        "<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<meta name=\"theme-color\" content=\"#1f4e79\">\n"
        "<title>" +
        escaped(texts::caption) +
        "</title>\n"
        "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        "<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">\n"
        "<link rel=\"apple-touch-icon\" href=\"icon-192.png\">\n"
        "<link rel=\"stylesheet\" href=\"quintora.css\">\n"
        "<style>:root{--unit:" +
        hex(unitBackground) + ";--mark:" + hex(markBackground) +
        ";--out-of-date:" + hex(outOfDateText) + ";--window-font:" + font(FontRole::Normal) +
        ";--heading-font:" + font(FontRole::Heading) + ";--equals-font:" + font(FontRole::Equals) +
        ";--width:" + std::to_string(twipsToPixels(clientWidth)) +
        "px;--height:" + std::to_string(twipsToPixels(clientHeight)) +
        "px}</style>\n"
        "<link rel=\"preload\" href=\"quintora.wasm\" as=\"fetch\" crossorigin>\n"
        "<script src=\"quintora.js\" async></script>\n</head>\n<body>\n"
        "<div id=\"fit\"><main id=\"Form2\"" +
        attribute("aria-label", texts::caption) + ">\n";
    // In tab order, which the page's own order gives; the labels last.
    for (const ControlRow* row : tabOrder(table))
        page += control(*row, fields, start) + "\n";
    for (const ControlRow& row : table)
        if (!row.takesFocus())
            page += control(row, fields, start) + "\n";
    page += "</main></div>\n"
            "<dialog id=\"message\" role=\"alertdialog\" aria-labelledby=\"message-caption\" "
            "aria-describedby=\"message-text\">\n<p id=\"message-caption\">" +
            escaped(texts::caption) +
            "</p>\n<p id=\"message-text\"></p>\n<form method=\"dialog\"><button autofocus>" +
            escaped(texts::ok) +
            "</button></form>\n</dialog>\n"
            "<section id=\"ended\" hidden>\n<p>" +
            escaped(texts::ended) + "</p>\n<button type=\"button\" id=\"again\">" +
            escaped(texts::startAgain) +
            "</button>\n</section>\n"
            "<noscript><p>" +
            escaped(texts::needsScript) +
            "</p></noscript>\n"
            "</body>\n</html>\n";
    std::fputs(page.c_str(), stdout);
    return 0;
}
