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

#include <string>
#include <string_view>
#include <vector>

namespace quintora {

enum class Kind { Label, TextBox, ComboBox, Button };

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

struct Rgb {
    unsigned char red, green, blue;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb unitBackground{192, 192, 192}; // light grey, behind unit names
inline constexpr Rgb markBackground{255, 192, 192}; // light red, behind what needs a look
inline constexpr Rgb outOfDateText{128, 128, 128};  // results older than their inputs

inline constexpr int twipsPerInch = 1440;
inline constexpr int clientWidth = 6450, clientHeight = 5250; // twips

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

    // "Text3(7)", "Combo1", "Label4".
    std::string objectName() const;
    // Place and size in pixels at `dpi`; edges are rounded, so boxes that
    // touch in twips touch on screen.
    PixelRect pixels(int dpi = 96) const;
    bool takesFocus() const { return kind != Kind::Label; }
};

// Twips to pixels at `dpi`, rounded to the nearest.
int twipsToPixels(int twips, int dpi = 96);

// Every control, labels first, then the input row, the buttons and the
// output columns.
std::vector<ControlRow> controlTable();

// The controls of `table` that take the focus, in tab order.
std::vector<const ControlRow*> tabOrder(const std::vector<ControlRow>& table);

} // namespace quintora
