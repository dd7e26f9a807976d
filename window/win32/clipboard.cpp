// What the boxes do with the clipboard: a paste puts in one line alone, a
// copy with nothing selected takes the whole box, and each box's menu and
// Ctrl+Shift+C copy results as plain text and as HTML; and the unit lists,
// which open on the unit typed and keep it when closed without a pick.
#include "window/win32/form2.h"

#include "window/texts.h"
#include "window/win32/utf.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <cstring>

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

// An HTML document in the clipboard's "HTML Format": a header of byte
// offsets, then the document with its table marked as the fragment.
std::string htmlFormat(std::string_view html) {
    std::string document(html);
    document.insert(document.find("<table>"), "<!--StartFragment-->");
    document.insert(document.find("</table>") + std::strlen("</table>"), "<!--EndFragment-->");
    constexpr const char* header = "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\n"
                                   "StartFragment:%010zu\r\nEndFragment:%010zu\r\n";
    constexpr std::size_t none = 0;
    const auto start =
        static_cast<std::size_t>(std::snprintf(nullptr, 0, header, none, none, none, none));
    const std::size_t fragment =
        start + document.find("<!--StartFragment-->") + std::strlen("<!--StartFragment-->");
    const std::size_t fragmentEnd = start + document.find("<!--EndFragment-->");
    char head[160];
    std::snprintf(head, sizeof head, header, start, start + document.size(), fragment, fragmentEnd);
    return head + document;
}

bool putOnClipboard(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return false;
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory))
        return true;
    GlobalFree(memory);
    return false;
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::wstring textOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

void Form2::setClipboard(std::string_view text, std::string_view html) {
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    const std::wstring wide = widen(windowsLines(text));
    putOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    if (!html.empty()) {
        const std::string document = htmlFormat(html);
        putOnClipboard(RegisterClipboardFormatW(L"HTML Format"), document.c_str(),
                       document.size() + 1);
    }
    CloseClipboard();
}

void Form2::copyResults(std::size_t which) {
    if (!logic_->copyState(which).enabled) {
        showNote(GetFocus(), widen(logic_->copyLabel(which)), true);
        return;
    }
    const ResultsTable table = logic_->copyResults(which);
    setClipboard(table.text, table.html);
}

// Ctrl+V, Shift+Insert and the menu's "Colar": the paste's first line
// alone, as the user's own edit, then the mark of what it left out.
void Form2::pasteInto(HWND edit, Field field) {
    if (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY)
        return;
    const Paste paste = pasteOf(narrow(clipboardText(window_)));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(widen(paste.text).c_str()));
    logic_->pasted(field, paste);
}

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
