// The program's window in Qt Widgets: three columns (force, moment, stress),
// each with an input row and one output row per unit, the note of the
// convention, and the "=" and "Sai" buttons.
//
// Form2 creates its controls from the window's control table and offers them
// to Form2Logic as a FormView; the logic decides what "=" writes and how
// each box looks, Form2 only draws it.
#pragma once

#include "window/controls.h"
#include "window/form2_logic.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStyle;

namespace quintora {

QColor qcolor(Rgb rgb);
QString qstring(std::string_view text);
// Width a line edit has for its text: inside its frame and Qt's margins.
int textRoom(const QLineEdit* edit);

class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // Controls, indexed as in the field set; unit-name arrays have no index 0.
    std::array<QLineEdit*, forceUnits.size() + 1> Text1{}, Text2{};
    std::array<QLineEdit*, momentUnits.size() + 1> Text3{}, Text4{};
    std::array<QLineEdit*, stressUnits.size() + 1> Text5{}, Text6{};
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;

    QLineEdit* box(Control control, int index) const;
    QComboBox* selector(Control control) const;
    // The widget behind a field-set member, whichever its kind.
    QWidget* field(Control control, int index) const;

    void Command1_Click();
    void Command2_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class View;

    void createControls();
    QLabel* createLabel(const ControlRow& row);
    QPushButton* createButton(const ControlRow& row);
    QComboBox* createSelector(const ControlRow& row, QStyle* style);
    QLineEdit* createBox(const ControlRow& row);
    // The member that holds a control, for reading and for setting it.
    template <class Self> static auto& boxOf(Self& self, Control control, int index);
    template <class Self> static auto& selectorOf(Self& self, Control control);
    QPushButton* button(Fixed which) const;
    void Form_Load();

    std::unique_ptr<View> view_;
    std::unique_ptr<Form2Logic> logic_;
};

} // namespace quintora
