#include "window/qt/accessibility.h"

#include "window/qt/selector.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace quintora {
namespace {

// Qt names an editable combo box after its text on some platforms; a screen
// reader must hear which selector it is, and the unit as its value.
class SelectorAccessible : public QAccessibleWidget {
public:
    explicit SelectorAccessible(Selector* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    QString text(QAccessible::Text kind) const override {
        auto* combo = static_cast<QComboBox*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return combo->accessibleName();
        case QAccessible::Value:
            return combo->currentText();
        case QAccessible::Description:
            return combo->toolTip();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* selectorAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(Selector::staticMetaObject.className()))
        return new SelectorAccessible(static_cast<Selector*>(object));
    return nullptr;
}

} // namespace

void installSelectorAccessibility() {
    static const bool factory = (QAccessible::installFactory(selectorAccessible), true);
    (void)factory;
}

} // namespace quintora
