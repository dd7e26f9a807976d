#include "window/qt/selector.h"

#include "window/form2_logic.h"
#include "window/qt/accessibility.h"
#include "window/qt/form2.h" // qstring

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyleOptionComplex>

#include <algorithm>
#include <limits>

namespace quintora {
namespace {

// Every unit of the list shows at once and whole, in a popup that may be
// wider than its selector.
void showWholeList(QComboBox* combo) {
    combo->setMaxVisibleItems(combo->count());
    QAbstractItemView* list = combo->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth());
}

} // namespace

namespace {

// The selectors are narrow: a slimmer drop-down arrow leaves their edit
// field room for the longest unit name, "Kgf/mm2".
class SlimArrowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return rect;
        const int arrow =
            QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget).width();
        const int spare = std::max(0, arrow - slimArrow);
        if (part == SC_ComboBoxArrow)
            rect.setLeft(rect.left() + spare);
        else
            rect.setRight(rect.right() + spare);
        return rect;
    }

private:
    static constexpr int slimArrow = 14;
};

} // namespace

QStyle* selectorStyle(QObject* owner) {
    auto* style = new SlimArrowStyle(QApplication::style()->name());
    style->setParent(owner);
    return style;
}

Selector::Selector(const Quantity& quantity, QStyle* style, QWidget* parent)
    : QComboBox(parent), quantity_(quantity) {
    installSelectorAccessibility();
    setStyle(style);
    setEditable(true);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // What the user types stays as typed: no completion, no case correction,
    // nothing added to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    for (const Unit& unit : quantity.units) {
        addItem(qstring(unit.name));
        setItemData(count() - 1, qstring(unit.spoken), Qt::ToolTipRole);
    }
    showWholeList(this);
}

void Selector::showPopup() {
    const QString typed = currentText();
    QComboBox::showPopup();
    const int row = listRowFor(quantity_, typed.toStdString());
    view()->setCurrentIndex(row >= 0 ? model()->index(row, 0) : QModelIndex());
    if (currentText() != typed)
        setEditText(typed);
}

} // namespace quintora
