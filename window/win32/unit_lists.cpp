// The unit lists: a list opens on the unit typed, or else on the one it
// nearly names, and keeps the typed text when it closes without a pick.
#include "window/win32/form2.h"

#include "window/win32/utf.h"

namespace quintora {

// The list is dropped: Windows has put in its box the first unit that
// begins with the typed text, whatever its case. The typed text is put back,
// and the list shows the unit it names, or else the one it nearly names.
void Form2::listDropped(HWND combo) {
    if (combo != dropped_.combo || !SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
        return;
    const Placed* p = placedOf(combo);
    if (!p)
        return;
    const int row = listRowFor(quantityOf(p->row->control), narrow(dropped_.typed));
    writing_ = true;
    SetWindowTextW(combo, dropped_.typed.c_str());
    writing_ = false;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo, &info))
        SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

// A pick from the list, with the mouse or by Enter, puts its unit in the
// box, also the one the list opened on, which Windows leaves out.
void Form2::listPicked(HWND combo) {
    dropped_ = {};
    const auto row = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    const Placed* p = placedOf(combo);
    if (row < 0 || !p)
        return;
    const std::wstring unit =
        widen(quantityOf(p->row->control).units[static_cast<std::size_t>(row)].name);
    if (textOf(combo) == unit)
        return;
    writing_ = true;
    SetWindowTextW(combo, unit.c_str());
    writing_ = false;
    logic_->edited(p->row->field());
}

// The list closed without a pick: the typed text stays.
void Form2::listCancelled(HWND combo) {
    if (combo != dropped_.combo)
        return;
    writing_ = true;
    SetWindowTextW(combo, dropped_.typed.c_str());
    writing_ = false;
    dropped_ = {};
}

} // namespace quintora
