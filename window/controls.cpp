#include "controls.h"

#include <algorithm>
#include <cmath>

namespace quintora {
namespace {

struct Single {
    Kind kind;
    Control control;
    Other other;
    int index, left, top, width, height, tab;
    const char16_t* text;
};

// Headings, the input row and the two buttons.
constexpr Single singles[] = {
    {Kind::Label,    {},              Other::Label1,   -1, 120,  0,    855,  375,  70, u"Força" },
    {Kind::Label,    {},              Other::Label2,   -1, 2040, 0,    1815, 375,  71, u"Momento"},
    {Kind::Label,    {},              Other::Label3,   -1, 4250, 0,    1215, 375,  72, u"Tensão"},
    {Kind::TextBox,  Control::Text1,  Other::None,     0,  120,  480,  1095, 315,  1,  u"1"      },
    {Kind::ComboBox, Control::Combo1, Other::None,     -1, 1215, 480,  720,  315,  2,  nullptr   },
    {Kind::TextBox,  Control::Text3,  Other::None,     0,  2040, 480,  1095, 315,  3,  u"1"      },
    {Kind::ComboBox, Control::Combo2, Other::None,     -1, 3135, 480,  1005, 315,  4,  nullptr   },
    {Kind::TextBox,  Control::Text5,  Other::None,     0,  4250, 480,  1095, 315,  5,  u"1"      },
    {Kind::ComboBox, Control::Combo3, Other::None,     -1, 5340, 480,  1005, 315,  6,  nullptr   },
    {Kind::Button,   {},              Other::Command1, -1, 120,  3000, 1695, 1095, 0,  u"="      },
    {Kind::Button,   {},              Other::Command2, -1, 120,  4095, 1695, 1095, 7,  u"Sai"    },
};

// Output rows: a column of value boxes and a column of unit-name boxes per
// quantity; row i sits at 840 + 285 (i - 1) and takes tab position tab + i.
struct Column {
    Control control;
    int left, width, tab;
};
constexpr Column columns[] = {
    {Control::Text1, 120,  1095, 7 },
    {Control::Text2, 1215, 720,  11},
    {Control::Text3, 2040, 1095, 15},
    {Control::Text4, 3135, 1005, 27},
    {Control::Text5, 4250, 1095, 39},
    {Control::Text6, 5340, 975,  54},
};
constexpr int firstRowTop = 840, rowHeight = 285;

QString accessibleNameOf(Kind kind, Control control, Other other, int index) {
    switch (other) {
    case Other::Command1:
        return QStringLiteral("Converter (=)");
    case Other::Command2:
        return QStringLiteral("Sai");
    case Other::Label1:
        return heading(quantities[0]);
    case Other::Label2:
        return heading(quantities[1]);
    case Other::Label3:
        return heading(quantities[2]);
    case Other::None:
        break;
    }
    const Quantity& q = quantityOf(control);
    const QString name = heading(q);
    if (kind == Kind::ComboBox)
        return name + QStringLiteral(", unidade de entrada");
    if (index == 0)
        return name + QStringLiteral(", valor de entrada");
    if (control == q.unitNames)
        return name + QStringLiteral(", unidade da linha %1").arg(index);
    return name + QStringLiteral(", resultado em ") +
           QString::fromUtf8(q.units[static_cast<std::size_t>(index - 1)].name);
}

const char* nameOf(Control control) {
    static constexpr const char* names[] = {"Text1", "Text2",  "Text3",  "Text4", "Text5",
                                            "Text6", "Combo1", "Combo2", "Combo3"};
    return names[static_cast<int>(control)];
}

const char* nameOf(Other other) {
    static constexpr const char* names[] = {"",       "Label1",   "Label2",
                                            "Label3", "Command1", "Command2"};
    return names[static_cast<int>(other)];
}

int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(twipsPerPixel)));
}

} // namespace

std::vector<ControlRow> controlTable() {
    std::vector<ControlRow> table;
    for (const Single& s : singles) {
        QString text = s.text ? QString::fromUtf16(s.text)
                              : QString::fromUtf8(quantityOf(s.control).units[0].name);
        table.push_back({s.kind, s.control, s.other, s.index, s.left, s.top, s.width, s.height,
                         s.tab, text, accessibleNameOf(s.kind, s.control, s.other, s.index)});
    }
    for (const Column& c : columns) {
        const Quantity& q = quantityOf(c.control);
        for (int i = 1; i <= q.rows(); ++i) {
            const QString text =
                c.control == q.unitNames
                    ? QString::fromUtf8(q.units[static_cast<std::size_t>(i - 1)].name)
                    : QString();
            table.push_back({Kind::TextBox, c.control, Other::None, i, c.left,
                             firstRowTop + rowHeight * (i - 1), c.width, rowHeight, c.tab + i, text,
                             accessibleNameOf(Kind::TextBox, c.control, Other::None, i)});
        }
    }
    return table;
}

QString ControlRow::objectName() const {
    const QString name =
        QString::fromLatin1(other == Other::None ? nameOf(control) : nameOf(other));
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

QRect ControlRow::pixels() const {
    const int x = toPixels(left), y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

QString heading(const Quantity& quantity) {
    if (quantity.values == Control::Text1)
        return QStringLiteral("Força");
    if (quantity.values == Control::Text3)
        return QStringLiteral("Momento");
    return QStringLiteral("Tensão");
}

} // namespace quintora
