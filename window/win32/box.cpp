// What each box and each selector's edit field does before the edit control:
// a paste and a copy through the clipboard's rules, and a menu of its own,
// the edit control's entries then the copies of results.
#include "window/win32/form2.h"

#include "window/texts.h"
#include "window/win32/utf.h"

#include <commctrl.h>
#include <windowsx.h>

namespace quintora {
namespace {

constexpr UINT_PTR boxSubclass = 1;

// The menu's own entries, after the edit control's.
enum MenuEntry : UINT {
    undoEntry = 1,
    cutEntry,
    copyEntry,
    pasteEntry,
    eraseEntry,
    selectAllEntry,
    copyColumnEntry,
    copyAllEntry
};

} // namespace

// A box's own menu: the edit control's entries, then the copies of results.
HMENU Form2::menuOf(HWND edit, Field field) {
    DWORD from = 0, to = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const bool selected = from != to, hasText = GetWindowTextLengthW(edit) > 0;
    const bool writable = !(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
    const std::size_t column = quantityNumber(field.control);
    HMENU menu = CreatePopupMenu();
    const auto add = [menu](UINT entry, std::string_view label, bool enabled) {
        AppendMenuW(menu, MF_STRING | (enabled ? 0 : MF_GRAYED), entry, widen(label).c_str());
    };
    add(undoEntry, texts::undo, SendMessageW(edit, EM_CANUNDO, 0, 0) != 0);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(cutEntry, texts::cut, selected && writable);
    add(copyEntry, texts::copyBox, hasText);
    add(pasteEntry, texts::paste, writable && IsClipboardFormatAvailable(CF_UNICODETEXT));
    add(eraseEntry, texts::erase, selected && writable);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(selectAllEntry, texts::selectAll, hasText);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(copyColumnEntry, logic_->copyLabel(column), logic_->copyState(column).enabled);
    add(copyAllEntry, logic_->copyLabel(allResults), logic_->copyState(allResults).enabled);
    return menu;
}

void Form2::showMenu(HWND edit, Field field, POINT at) {
    HMENU menu = menuOf(edit, field);
    if (at.x == -1 && at.y == -1) { // from the keyboard: under the box
        RECT box{};
        GetWindowRect(edit, &box);
        at = {box.left, box.bottom};
    }
    const auto entry = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
    DestroyMenu(menu);
    switch (entry) {
    case undoEntry:
        SendMessageW(edit, WM_UNDO, 0, 0);
        break;
    case cutEntry:
        SendMessageW(edit, WM_CUT, 0, 0);
        break;
    case copyEntry:
        SendMessageW(edit, WM_COPY, 0, 0);
        break;
    case pasteEntry:
        pasteInto(edit, field);
        break;
    case eraseEntry:
        SendMessageW(edit, WM_CLEAR, 0, 0);
        break;
    case selectAllEntry:
        SendMessageW(edit, EM_SETSEL, 0, -1);
        break;
    case copyColumnEntry:
    case copyAllEntry:
        copyResults(entry == copyAllEntry ? allResults : quantityNumber(field.control));
        break;
    default:
        break;
    }
}

// Every box and every selector's edit field goes through here first.
LRESULT CALLBACK Form2::boxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    auto* form = reinterpret_cast<Form2*>(data);
    const Placed* p = form->placedOf(edit);
    if (!p)
        p = form->placedOf(GetParent(edit)); // a selector's edit field
    if (p && (p->row->kind == Kind::TextBox || p->row->kind == Kind::ComboBox)) {
        const Field field = p->row->field();
        switch (message) {
        case WM_PASTE:
            form->pasteInto(edit, field);
            return 0;
        case WM_COPY: {
            DWORD from = 0, to = 0;
            SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                         reinterpret_cast<LPARAM>(&to));
            if (from != to)
                break;
            form->setClipboard(narrow(textOf(edit)), {}); // nothing selected: the whole box
            return 0;
        }
        case WM_CONTEXTMENU:
            form->showMenu(edit, field, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        default:
            break;
        }
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void Form2::takeClipboards() {
    for (const Placed& p : placed_)
        if (p.row->kind == Kind::TextBox || p.row->kind == Kind::ComboBox)
            for (HWND edit : spokenWindows(p))
                if (isEditControl(edit))
                    SetWindowSubclass(edit, boxProcedure, boxSubclass,
                                      reinterpret_cast<DWORD_PTR>(this));
}

} // namespace quintora
