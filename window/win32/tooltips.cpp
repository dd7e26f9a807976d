// The window's tooltips, and what screen readers are told of its controls:
// each control's name, and the reason a box looks as it does, which is also
// shown beside a marked or greyed box while it has the keyboard focus.
#include "window/win32/form2.h"

#include "window/win32/utf.h"

#include <commctrl.h>
#include <oleacc.h>

namespace quintora {
namespace {

constexpr int tipWidth = 480; // pixels at 96 dpi, where a tooltip wraps

TOOLINFOW toolFor(HWND window, UINT_PTR id, const std::wstring& text, UINT flags = 0) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags;
    tool.hwnd = window;
    tool.uId = id;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return tool;
}

} // namespace

// The controls a screen reader meets: each control, and the edit field
// inside each selector, where the keyboard focus lands.
std::vector<HWND> Form2::spokenWindows(const Placed& p) const {
    std::vector<HWND> windows{p.hwnd};
    if (p.row->kind == Kind::ComboBox)
        if (HWND edit = editOf(p.hwnd))
            windows.push_back(edit);
    return windows;
}

void Form2::addToolTips() {
    toolTips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    for (const Placed& p : placed_) {
        const bool isField = p.row->kind == Kind::TextBox || p.row->kind == Kind::ComboBox;
        const std::wstring tip =
            widen(isField ? logic_->look(p.row->field()).toolTip : std::string(p.row->toolTip));
        for (HWND tipped : spokenWindows(p)) {
            TOOLINFOW tool = toolFor(window_, reinterpret_cast<UINT_PTR>(tipped), tip,
                                     TTF_IDISHWND | TTF_SUBCLASS);
            SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    // The reason of the box with the focus, placed by the window itself.
    focusTip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    TOOLINFOW tool = toolFor(window_, 0, L"", TTF_TRACK | TTF_ABSOLUTE);
    SendMessageW(focusTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    scaleToolTips();
}

// Tooltips wrap at the same width in inches whatever the monitor's dpi.
void Form2::scaleToolTips() {
    for (HWND tips : {toolTips_, focusTip_})
        if (tips)
            SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0,
                         MulDiv(tipWidth, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI));
}

// Every control carries its Portuguese name for screen readers, and each box
// the reason for its look, through the one service kept for the window's
// life. Set before the window first shows, so that "=" is announced whole.
void Form2::nameForScreenReaders() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&accessibility_))))
        accessibility_ = nullptr;
    if (!accessibility_)
        return;
    for (const Placed& p : placed_) {
        const bool isField = p.row->kind == Kind::TextBox || p.row->kind == Kind::ComboBox;
        for (HWND spoken : spokenWindows(p)) {
            accessibility_->SetHwndPropStr(spoken, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           PROPID_ACC_NAME, widen(p.row->accessibleName).c_str());
            if (isField) // the looks of start-up, given before the service was there
                describe(spoken, widen(logic_->look(p.row->field()).toolTip));
        }
    }
}

void Form2::describe(HWND control, const std::wstring& reason) {
    if (accessibility_)
        accessibility_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       PROPID_ACC_DESCRIPTION, reason.c_str());
}

void Form2::setToolTip(HWND control, const std::wstring& text) {
    if (!toolTips_)
        return; // added after the window shows, with the looks of then
    TOOLINFOW tool = toolFor(window_, reinterpret_cast<UINT_PTR>(control), text);
    SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Shows the reason of the field of `control` under it while it has the
// focus, when it is marked or greyed; hides it otherwise.
void Form2::showFocusReason(HWND control) {
    const Placed* p = placedOf(control);
    if (!p)
        p = placedOf(GetParent(control)); // the edit field of a selector
    const bool isField = p && (p->row->kind == Kind::TextBox || p->row->kind == Kind::ComboBox);
    const bool shown =
        isField && control == GetFocus() && logic_->look(p->row->field()).needsAttention();
    showNote(control, shown ? widen(logic_->look(p->row->field()).toolTip) : std::wstring());
}

// The note beside a control, or none for an empty text.
void Form2::showNote(HWND control, const std::wstring& text) {
    if (!focusTip_)
        return;
    TOOLINFOW tool = toolFor(window_, 0, L"");
    const Placed* p = control ? placedOf(control) : nullptr;
    if (!p && control)
        p = placedOf(GetParent(control)); // the edit field of a selector
    if (text.empty() || !p) {
        SendMessageW(focusTip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(focusTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    RECT box{};
    GetWindowRect(p->hwnd, &box);
    SendMessageW(focusTip_, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left, box.bottom));
    SendMessageW(toolTips_, TTM_POP, 0, 0); // one tooltip at a time
    SendMessageW(focusTip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

} // namespace quintora
