// Every control of the window, in one table: kind, name, index, place and
// size in twips (15 to a pixel), tab position, initial text, and the name a
// screen reader speaks. Form2 loops over it to create, place and chain them.
#pragma once

#include "conversion.h"

#include <QRect>
#include <QString>

#include <vector>

namespace quintora {

enum class Kind { Label, TextBox, ComboBox, Button };

// The controls that are not part of the field set.
enum class Other { None, Label1, Label2, Label3, Command1, Command2 };

struct ControlRow {
    Kind kind;
    Control control;              // for text boxes and combo boxes
    Other other;                  // for labels and buttons
    int index;                    // -1 outside control arrays
    int left, top, width, height; // twips
    int tab;
    QString text;
    QString accessibleName;

    QString objectName() const;
    // Twips to device-independent pixels; edges are rounded, so boxes that
    // touch in twips touch on screen.
    QRect pixels() const;
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidth = 6450, clientHeight = 5250;

std::vector<ControlRow> controlTable();

// The heading of a quantity's column: "Força", "Momento", "Tensão".
QString heading(const Quantity& quantity);

} // namespace quintora
