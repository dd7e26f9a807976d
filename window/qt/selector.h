// A unit selector of the Qt window.
#pragma once

#include "core/conversion.h"

#include <QComboBox>

class QStyle;

namespace quintora {

// A unit selector: an editable list of its quantity's units, whose text
// stays as typed, whose list shows every unit whole, and which a screen
// reader hears by its own name with the unit as its value.
class Selector : public QComboBox {
    Q_OBJECT

public:
    Selector(const Quantity& quantity, QStyle* style, QWidget* parent);
    // The list opens on the unit the typed text names, or else on the one it
    // nearly names, never on another; the typed text stays until a pick.
    void showPopup() override;

private:
    const Quantity& quantity_;
};

// The style the selectors share, owned by `owner`: the window's, with an
// arrow slim enough to leave the longest unit name room.
QStyle* selectorStyle(QObject* owner);

} // namespace quintora
