#include "window/plain_view.h"

namespace quintora {

PlainView::PlainView() : texts(allFields().size()), looks(allFields().size()) {
    for (const ControlRow& row : controlTable())
        if (row.kind == Kind::TextBox || row.kind == Kind::ComboBox)
            texts[fieldNumber(row.field())] = row.text;
}

} // namespace quintora
