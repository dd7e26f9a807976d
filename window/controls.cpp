#include "window/controls.h"

#include "window/texts.h"

#include <algorithm>

namespace quintora {
namespace {

// Headings, the note of the convention and the buttons; tab positions are
// worked out below, and the headings' texts are the quantities' own.
struct FixedControl {
    Kind kind;
    Control control;
    Fixed fixed;
    int index, left, top, width, height;
    FontRole font;
    std::string_view text, toolTip;
};

// clang-format off
constexpr FixedControl labels[] = {
    {Kind::Label,    {},              Fixed::Label1,   -1, 120,  0,    855,  375,  FontRole::Heading, {},                      texts::conventionTip},
    {Kind::Label,    {},              Fixed::Label2,   -1, 2040, 0,    1815, 375,  FontRole::Heading, {},                      texts::conventionTip},
    {Kind::Label,    {},              Fixed::Label3,   -1, 4250, 0,    1215, 375,  FontRole::Heading, {},                      texts::conventionTip},
    {Kind::Label,    {},              Fixed::Label4,   -1, 120,  2355, 1695, 270,  FontRole::Normal,  texts::conventionNote,   texts::conventionTip},
};
constexpr FixedControl buttons[] = {
    {Kind::Button,   {},              Fixed::Command1, -1, 120,  3000, 1695, 1095, FontRole::Equals,  texts::equals,           {}},
    {Kind::Button,   {},              Fixed::Command2, -1, 120,  4095, 1695, 1095, FontRole::Normal,  texts::sai,              {}},
};

// The columns: each quantity's value boxes, then its unit names, whose
// selector in the input row may be wider than the names under it. The input
// row and every output row of a column stand at its left.
struct Column {
    Control control;
    int left, width;
    int inputWidth; // of the input row's box or selector
};
constexpr Column columns[] = {
    {Control::Text1, 120,  1095, 1095},
    {Control::Text2, 1215, 720,  720 },
    {Control::Text3, 2040, 1095, 1095},
    {Control::Text4, 3135, 1005, 1005},
    {Control::Text5, 4250, 1095, 1095},
    {Control::Text6, 5340, 975,  1005},
};
// clang-format on
constexpr int inputRowHeight = 315;

// Tab positions: "=" first, then each quantity's input value and selector,
// "Sai", the output columns one after the other, and the labels last.
constexpr int saiTab = 1 + 2 * static_cast<int>(quantities.size());

// The tab position of the first row of an output column; of a control
// outside the columns, the position after the last row.
int firstOutputTab(Control control) {
    int tab = saiTab + 1;
    for (const Column& c : columns) {
        if (c.control == control)
            return tab;
        tab += quantityOf(c.control).rows();
    }
    return tab;
}

int tabOf(const FixedControl& s) {
    switch (s.fixed) {
    case Fixed::Command1:
        return 0;
    case Fixed::Command2:
        return saiTab;
    case Fixed::Label1:
    case Fixed::Label2:
    case Fixed::Label3:
    case Fixed::Label4:
        return firstOutputTab(Control::Combo1) + static_cast<int>(s.fixed) -
               static_cast<int>(Fixed::Label1);
    case Fixed::None:
        break;
    }
    return 1 + 2 * static_cast<int>(quantityNumber(s.control)) + (s.kind == Kind::ComboBox ? 1 : 0);
}

std::string spokenNameOf(const FixedControl& s) {
    switch (s.fixed) {
    case Fixed::Command1:
        return std::string(texts::equalsSpoken);
    case Fixed::Label4:
        return std::string(texts::conventionSpoken);
    case Fixed::None:
        return texts::spokenName(s.control, s.kind == Kind::ComboBox ? 0 : s.index);
    default:
        return std::string(s.text);
    }
}

// The input row: each quantity's value box and selector, in its columns.
std::vector<FixedControl> inputRow() {
    std::vector<FixedControl> row;
    for (const Column& c : columns) {
        const Quantity& q = quantityOf(c.control);
        const bool units = c.control == q.unitNames;
        row.push_back({units ? Kind::ComboBox : Kind::TextBox, units ? q.selector : q.values,
                       Fixed::None, units ? -1 : 0, c.left, inputRowTop, c.inputWidth,
                       inputRowHeight, FontRole::Normal, units ? "" : "1", {}});
    }
    return row;
}

} // namespace

std::vector<ControlRow> controlTable() {
    std::vector<FixedControl> fixed(std::begin(labels), std::end(labels));
    const std::vector<FixedControl> inputs = inputRow();
    fixed.insert(fixed.end(), inputs.begin(), inputs.end());
    fixed.insert(fixed.end(), std::begin(buttons), std::end(buttons));
    std::vector<ControlRow> table;
    for (const FixedControl& s : fixed) {
        const int heading = static_cast<int>(s.fixed) - static_cast<int>(Fixed::Label1);
        const std::string_view text =
            s.kind == Kind::ComboBox ? quantityOf(s.control).units.front().name
            : s.font == FontRole::Heading
                ? texts::heading(quantities.at(static_cast<std::size_t>(heading)))
                : s.text;
        table.push_back({s.kind, s.control, s.fixed, s.index, s.left, s.top, s.width, s.height,
                         tabOf(s), s.font, text, s.toolTip, spokenNameOf(s),
                         s.fixed == Fixed::Command1});
    }
    for (const Column& c : columns) {
        const Quantity& q = quantityOf(c.control);
        for (int i = 1; i <= q.rows(); ++i) {
            const std::string_view text = c.control == q.unitNames
                                              ? q.units[static_cast<std::size_t>(i - 1)].name
                                              : std::string_view();
            table.push_back({.kind = Kind::TextBox,
                             .control = c.control,
                             .fixed = Fixed::None,
                             .index = i,
                             .left = c.left,
                             .top = firstRowTop + rowHeight * (i - 1),
                             .width = c.width,
                             .height = rowHeight,
                             .tab = firstOutputTab(c.control) + i - 1,
                             .font = FontRole::Normal,
                             .text = text,
                             .toolTip = {},
                             .accessibleName = texts::spokenName(c.control, i),
                             .isDefault = false});
        }
    }
    return table;
}

TypeFace fontOf(FontRole role) {
    constexpr std::string_view family = "MS Sans Serif";
    switch (role) {
    case FontRole::Heading:
        return {family, 13.5, true};
    case FontRole::Equals:
        return {family, 24, false};
    case FontRole::Normal:
        break;
    }
    return {family, 8, false};
}

std::string_view nameOf(Control control) {
    static constexpr const char* names[] = {"Text1", "Text2",  "Text3",  "Text4", "Text5",
                                            "Text6", "Combo1", "Combo2", "Combo3"};
    return names[static_cast<int>(control)];
}

std::string_view nameOf(Fixed fixed) {
    static constexpr const char* names[] = {"",       "Label1",   "Label2",  "Label3",
                                            "Label4", "Command1", "Command2"};
    return names[static_cast<int>(fixed)];
}

std::string nameOf(Control control, int index) {
    return std::string(nameOf(control)) + "(" + std::to_string(index) + ")";
}

std::string ControlRow::objectName() const {
    if (fixed != Fixed::None)
        return std::string(nameOf(fixed));
    return index >= 0 ? nameOf(control, index) : std::string(nameOf(control));
}

PixelRect ControlRow::pixels(int dpi) const {
    const int x = twipsToPixels(left, dpi), y = twipsToPixels(top, dpi);
    return {x, y, twipsToPixels(left + width, dpi) - x, twipsToPixels(top + height, dpi) - y};
}

namespace {
constexpr int noteMargin = 120; // twips, as the columns' own
} // namespace

std::array<PixelRect, 2> noteRooms(int dpi) {
    const auto pixels = [dpi](int left, int top, int right, int bottom) {
        const int x = twipsToPixels(left, dpi), y = twipsToPixels(top, dpi);
        return PixelRect{x, y, twipsToPixels(right, dpi) - x, twipsToPixels(bottom, dpi) - y - 1};
    };
    const Quantity& force = quantities.front();
    const Column& forceUnits = columns[1];
    const int forceBottom = firstRowTop + rowHeight * force.rows();
    const auto equals = std::find_if(std::begin(buttons), std::end(buttons),
                                     [](const FixedControl& c) { return c.fixed == Fixed::Command1; });
    return {pixels(noteMargin, 0, clientWidth - noteMargin, inputRowTop),
            pixels(noteMargin, forceBottom, forceUnits.left + forceUnits.width, equals->top)};
}

PixelRect notePlace(const PixelRect& box, const std::function<PixelSize(int width)>& wrapped,
                    int dpi) {
    const std::array<PixelRect, 2> rooms = noteRooms(dpi);
    const PixelRect& band = rooms.front();
    PixelSize size = wrapped(band.width);
    if (size.height <= band.height) {
        const int x = std::max(band.x, std::min(box.x, band.x + band.width - size.width));
        return {x, band.y + band.height - size.height, size.width, size.height};
    }
    const PixelRect& under = rooms.back();
    size = wrapped(under.width);
    return {under.x, under.y, size.width, std::min(size.height, under.height)};
}

std::vector<const ControlRow*> tabOrder(const std::vector<ControlRow>& table) {
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : table)
        if (row.takesFocus())
            order.push_back(&row);
    std::sort(order.begin(), order.end(),
              [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    return order;
}

} // namespace quintora
