// The window, described once for every front end: each control's kind, name,
// index, place and size in twips (15 to a pixel at 96 dpi), tab position,
// font, initial text, tooltip and the name a screen reader speaks; and the
// window's fonts and colours. A front end loops over the table to create,
// place and chain its controls.
//
// The rows of each column, and with them the tab positions, follow from the
// unit tables: a unit added to a table adds its row everywhere.
#pragma once

#include "core/conversion.h"
#include "window/look.h"

#include <array>
#include <functional>

#include <string>
#include <string_view>
#include <vector>

namespace quintora {

enum class Kind { Label, TextBox, ComboBox, Button };

// One text-bearing control: a selector (index 0), a value box or a
// unit-name box.
struct Field {
    Control control;
    int index;
    bool operator==(const Field&) const = default;
};

// The controls outside the field set. Label4 is the note of the convention.
enum class Fixed { None, Label1, Label2, Label3, Label4, Command1, Command2 };

enum class FontRole { Normal, Heading, Equals };

struct TypeFace {
    std::string_view family;
    double points;
    bool bold;
};

// "MS Sans Serif" throughout: 8 points for the window, 13.5 bold for the
// headings and 24 for "=".
TypeFace fontOf(FontRole role);

// Where "MS Sans Serif" is missing, the first of these that is installed:
// the same metrics, or the nearest; after them the desktop's sans serif.
inline constexpr std::array<std::string_view, 4> fallbackFamilies{
    "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"};

// The web page around the window: its bar and frame colour, and the
// background the window sits on.
inline constexpr Rgb themeColour{0x1f, 0x4e, 0x79};
inline constexpr Rgb pageBackground{0xf0, 0xf0, 0xf0};

inline constexpr int twipsPerInch = 1440;

// The input row sits below the headings; output row i of every column at
// 840 + 285 (i - 1), below it.
inline constexpr int inputRowTop = 480;
inline constexpr int firstRowTop = 840, rowHeight = 285;
// The client area: as wide as the three columns, as high as the longest
// column and a margin under it; 6450 x 5250 twips.
inline constexpr int clientWidth = 6450;
inline constexpr int clientHeight = [] {
    int rows = 0;
    for (const Quantity& q : quantities)
        rows = q.rows() > rows ? q.rows() : rows;
    return firstRowTop + rowHeight * rows + 135;
}();

struct PixelRect {
    int x, y, width, height;
    bool operator==(const PixelRect&) const = default;
};

struct ControlRow {
    Kind kind;
    Control control;              // for text boxes and combo boxes
    Fixed fixed;                  // for labels and buttons
    int index;                    // -1 outside control arrays
    int left, top, width, height; // twips
    int tab;
    FontRole font;
    std::string_view text; // UTF-8, as every text here
    std::string_view toolTip;
    std::string accessibleName;

    bool isDefault; // the button Enter presses: "="

    // "Text3(7)", "Combo1", "Label4".
    std::string objectName() const;
    // The field of a text box or combo box; a combo box is index 0.
    Field field() const { return {control, kind == Kind::ComboBox ? 0 : index}; }
    // Place and size in pixels at `dpi`; edges are rounded, so boxes that
    // touch in twips touch on screen.
    PixelRect pixels(int dpi = 96) const;
    bool takesFocus() const { return kind != Kind::Label; }
};

// "Text3", "Combo1", "Label4"; and "Text3(7)", a member of a control array.
std::string_view nameOf(Control control);
std::string_view nameOf(Fixed fixed);
std::string nameOf(Control control, int index);

struct PixelSize {
    int width, height;
};

// The rooms where a note may stand and cover no box, in pixels at `dpi`:
// the band of the headings above the input row, across the window within
// its margins; then the empty room under the force column, between its last
// row and "=".
std::array<PixelRect, 2> noteRooms(int dpi);

// Where a note beside `box` stands (the reason of the box with the focus,
// or why a copy was refused): in the first room where it fits once wrapped
// to the room's width, from the box's left edge but within the room, at the
// foot of the band; else at the top of the last room, cut to its height.
// `wrapped(width)` measures the note anew, wrapped to at most `width`
// pixels. It moves with the window, and lets clicks pass to what it covers.
PixelRect notePlace(const PixelRect& box, const std::function<PixelSize(int width)>& wrapped,
                    int dpi);

// Twips (never negative) to pixels at `dpi`, rounded to the nearest, a half
// up.
constexpr int twipsToPixels(int twips, int dpi = 96) {
    return (twips * dpi + twipsPerInch / 2) / twipsPerInch;
}

// Every control, labels first, then the input row, the buttons and the
// output columns.
std::vector<ControlRow> controlTable();

// The controls of `table` that take the focus, in tab order: the first of
// them holds the focus when the window is first shown.
std::vector<const ControlRow*> tabOrder(const std::vector<ControlRow>& table);

} // namespace quintora
