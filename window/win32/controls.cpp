// The window's controls, made from the control table at their twips scaled
// to the monitor's dpi, in their fonts; and all of them made again at a new
// dpi when the window moves to another monitor.
#include "window/win32/form2.h"

#include "window/win32/dpi.h"
#include "window/win32/utf.h"

#include <commctrl.h>

#include <algorithm>

namespace quintora {
namespace {

constexpr int firstControlId = 100; // clear of IDOK and IDCANCEL

} // namespace

// The controls are created in tab order, which makes it the order in which
// the dialog keys move the focus; the labels, which never take it, come last.
void Form2::createControls() {
    std::vector<const ControlRow*> order = tabOrder(table_);
    for (const ControlRow& row : table_)
        if (!row.takesFocus())
            order.push_back(&row);
    for (const ControlRow* row : order) {
        const int id = firstControlId + static_cast<int>(row - table_.data());
        const Placed& p = placed_.emplace_back(Placed{row, at(*row) = createControl(*row, id)});
        SendMessageW(p.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_[static_cast<std::size_t>(row->font)]), FALSE);
        if (row->kind == Kind::ComboBox)
            fitSelector(p);
    }
}

HWND Form2::createControl(const ControlRow& row, int id) {
    const std::wstring text = widen(row.text);
    const PixelRect r = row.pixels(static_cast<int>(dpi_));
    const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    // Clipped by their siblings, so that the note above them stays whole.
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (row.kind) {
    case Kind::Label:
        return CreateWindowExW(0, L"STATIC", text.c_str(),
                               child | SS_LEFT | SS_NOPREFIX | SS_NOTIFY, r.x, r.y, r.width,
                               r.height, window_, menu, instance_, nullptr);
    case Kind::Button:
        return CreateWindowExW(0, L"BUTTON", text.c_str(),
                               child | WS_TABSTOP |
                                   (row.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                               r.x, r.y, r.width, r.height, window_, menu, instance_, nullptr);
    case Kind::ComboBox: {
        HWND combo =
            CreateWindowExW(0, L"COMBOBOX", nullptr,
                            child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0,
                            0, 0, window_, menu, instance_, nullptr);
        for (const Unit& unit : quantityOf(row.control).units)
            SendMessageW(combo, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(widen(unit.name).c_str()));
        SendMessageW(combo, CB_LIMITTEXT, 0, 0); // no length limit
        SetWindowTextW(combo, text.c_str());
        return combo;
    }
    case Kind::TextBox:
        break;
    }
    HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                               child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, r.x, r.y, r.width,
                               r.height, window_, menu, instance_, nullptr);
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0); // no length limit
    return box;
}

void Form2::createFonts() {
    for (FontRole role : {FontRole::Normal, FontRole::Heading, FontRole::Equals})
        fonts_[static_cast<std::size_t>(role)] = createFont(fontOf(role), dpi_);
}

// Every control at its twips scaled to the monitor's new dpi, in its font.
// The window is drawn once, after every control has moved, not once a
// control.
void Form2::layout() {
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    for (const Placed& p : placed_) {
        SendMessageW(p.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_[static_cast<std::size_t>(p.row->font)]),
                     FALSE);
        const PixelRect r = p.row->pixels(static_cast<int>(dpi_));
        MoveWindow(p.hwnd, r.x, r.y, r.width, r.height, FALSE);
        if (p.row->kind == Kind::ComboBox)
            fitSelector(p);
    }
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// A selector's edit field as high as its row; its list long enough for every
// unit, and wide enough for the longest name.
void Form2::fitSelector(const Placed& p) {
    const int dpi = static_cast<int>(dpi_);
    const PixelRect r = p.row->pixels(dpi);
    RECT field{};
    GetWindowRect(p.hwnd, &field);
    const auto fieldItem =
        static_cast<int>(SendMessageW(p.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int border = (field.bottom - field.top) - fieldItem;
    SendMessageW(p.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(1, r.height - border));
    const auto count = static_cast<int>(SendMessageW(p.hwnd, CB_GETCOUNT, 0, 0));
    const auto item = static_cast<int>(SendMessageW(p.hwnd, CB_GETITEMHEIGHT, 0, 0));
    SendMessageW(p.hwnd, CB_SETMINVISIBLE, static_cast<WPARAM>(count), 0);
    MoveWindow(p.hwnd, r.x, r.y, r.width, r.height + count * item + 2 * border, TRUE);
    HDC dc = GetDC(p.hwnd);
    HGDIOBJ old = SelectObject(dc, fonts_[static_cast<std::size_t>(p.row->font)]);
    int widest = 0;
    for (const Unit& unit : quantityOf(p.row->control).units) {
        const std::wstring name = widen(unit.name);
        SIZE size{};
        GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(p.hwnd, dc);
    SendMessageW(p.hwnd, CB_SETDROPPEDWIDTH,
                 static_cast<WPARAM>(std::max(r.width, widest + MulDiv(12, dpi, 96))), 0);
    // The edit field is narrow: the longest unit name, "Kgf/mm2", needs the
    // room of its margins.
    SendMessageW(editOf(p.hwnd), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 0));
}

// The window moved to a monitor of another dpi: everything at the new dpi,
// in the frame Windows suggests.
// The new fonts are made and handed to every control before the old ones
// are deleted: no control ever holds a deleted font.
void Form2::dpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    const std::array<HFONT, 3> old = fonts_;
    createFonts();
    layout();
    for (HFONT font : old)
        DeleteObject(font);
    showFocusReason(GetFocus());
    setIcons();
    scaleToolTips();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace quintora
