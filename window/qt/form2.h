// The program's window in Qt Widgets: three columns (force, moment, stress),
// each with an input row and one output row per unit, the note of the
// convention, and the "=" and "Sai" buttons.
//
// Form2 creates its controls from the window's control table and offers them
// to Form2Logic as a FormView; the logic decides what "=" writes and how
// each box looks, Form2 only draws it, as tests/scenarios.txt asks of every
// front end.
#pragma once

#include "window/control_set.h"
#include "window/controls.h"
#include "window/form2_logic.h"
#include "window/qt/selector.h"

#include <QColor>
#include <QComboBox>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QStyle;

namespace quintora {

class Note;

QColor qcolor(Rgb rgb);
Rgb rgbOf(const QColor& colour);
QString qstring(std::string_view text);
// Width a line edit has for its text: inside its frame and Qt's margins.
int textRoom(const QLineEdit* edit);

class Form2 : public QWidget, public ControlSet<QLineEdit*, Selector*, QPushButton*, QLabel*> {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // The widget behind a field-set member, whichever its kind.
    QWidget* field(Control control, int index) const;

    void Command1_Click();
    void Command2_Click();
    // Puts the results of quantity number `which`, or allResults, on the
    // clipboard as plain text and HTML; or, where they may not be copied,
    // says why beside the box with the focus.
    void copyResults(std::size_t which);
    // The note beside `box` that says why it looks as it does; none for an
    // empty text.
    void showNote(QWidget* box, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class View;

    void createControls();
    QWidget* createControl(const ControlRow& row, QStyle* selectorStyle);
    void Form_Load();
    // The field whose box, or whose selector's edit field, `edit` is.
    std::optional<Field> fieldOf(const QObject* edit) const;
    // What a box does itself with the clipboard (box_clipboard.cpp): its
    // paste and copy keys, its menu, a middle click and a drop. True when
    // taken.
    bool takeClipboardEvent(QLineEdit* edit, Field field, QEvent* event);
    void pasteInto(QLineEdit* edit, Field field, const QString& text);
    void showMenu(QLineEdit* edit, Field field, QPoint at);

    std::unique_ptr<View> view_;
    std::unique_ptr<Form2Logic> logic_;
    Note* note_ = nullptr;
};

} // namespace quintora
