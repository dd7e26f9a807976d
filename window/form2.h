// The program's window: three columns (force, moment, stress), each with an
// input row and one output row per unit, and the "=" and "Sai" buttons.
//
// Form2 owns the values shared by every conversion pass (Module1) and offers
// its text boxes and selectors to the pass as a FieldSet. The pass tells it
// which unit names it did not know and which inputs it could not read whole,
// and Form2 marks those controls until a later pass finds them good again.
#pragma once

#include "units.h"

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

enum class Control;
enum class Other;
struct ControlRow;
struct Reading;

class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    static const QString caption;
    static const QColor unitBackground; // light grey, behind unit names
    static const QColor markBackground; // light red, behind what needs a look
    static const QString unknownUnitTip;
    static const QString conventionTip; // on the headings: what the factors rest on

    // Controls, indexed as in the field set; unit-name arrays have no index 0.
    std::array<QLineEdit*, 5> Text1{}, Text2{};
    std::array<QLineEdit*, 13> Text3{}, Text4{};
    std::array<QLineEdit*, 16> Text5{}, Text6{};
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;

    QLineEdit* box(Control control, int index) const;
    QComboBox* selector(Control control) const;
    // The widget behind a field-set member, whichever its kind.
    QWidget* field(Control control, int index) const;

    void Command1_Click();
    void Command2_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Fields;

    void createControls();
    QLabel* createLabel(const ControlRow& row);
    QPushButton* createButton(const ControlRow& row);
    QComboBox* createSelector(const ControlRow& row, QStyle* style);
    // The member that holds a control, for reading and for setting it.
    template <class Self> static auto& boxOf(Self& self, Control control, int index);
    template <class Self> static auto& selectorOf(Self& self, Control control);
    QPushButton* button(Other which) const;
    void Form_Load();
    void markUnit(Control control, int index, const Unit* unit);
    void markInput(Control control, const Reading& reading, char separator);
    void reportError(int number, const QString& description);

    Module1 module1_;
    std::unique_ptr<Fields> fields_;
};

} // namespace quintora
