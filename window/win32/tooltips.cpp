// The window's tooltips, and what screen readers are told of its controls:
// each control's name, and the reason a box looks as it does, which is also
// shown in a note beside a marked or greyed box while it has the keyboard
// focus: a child of the window, so that it moves, hides and shows with it,
// placed where it covers no box (notePlace).
#include "window/win32/form2.h"

#include "window/version.h"
#include "window/win32/utf.h"

#include <commctrl.h>
#include <oleacc.h>

namespace quintora {
namespace {

constexpr int tipWidth = 480;  // pixels at 96 dpi, where a tooltip wraps
constexpr int notePadding = 3; // pixels at 96 dpi, around the note's text

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
    scaleToolTips();
}

// Tooltips wrap at the same width in inches whatever the monitor's dpi.
void Form2::scaleToolTips() {
    if (toolTips_)
        SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0,
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

// The reason, to screen readers at once: a box that has the focus when "="
// marks it is announced then, not when it next takes the focus.
void Form2::describe(HWND control, const std::wstring& reason) {
    if (!accessibility_)
        return;
    accessibility_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_DESCRIPTION, reason.c_str());
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
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

void Form2::showNote(HWND control, const std::wstring& text, bool untilInput) {
    if (!note_)
        return;
    noteUntilInput_ = untilInput;
    const Placed* p = control ? placedOf(control) : nullptr;
    if (!p && control)
        p = placedOf(GetParent(control)); // the edit field of a selector
    if (text.empty() || !p) {
        ShowWindow(note_, SW_HIDE);
        return;
    }
    SetWindowTextW(note_, text.c_str());
    const int dpi = static_cast<int>(dpi_);
    const int padding = MulDiv(notePadding, dpi, USER_DEFAULT_SCREEN_DPI);
    const int frame = 2 * padding + 2;
    HDC dc = GetDC(note_);
    HGDIOBJ old = SelectObject(dc, fonts_[static_cast<std::size_t>(FontRole::Normal)]);
    // Measured afresh from its own text, wrapped to the room it is offered.
    const auto wrapped = [&](int room) {
        RECT area{0, 0, room - frame, 0};
        DrawTextW(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return PixelSize{static_cast<int>(area.right) + frame, static_cast<int>(area.bottom) + frame};
    };
    RECT box{};
    GetWindowRect(p->hwnd, &box);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
    const PixelRect place = notePlace(
        {box.left, box.top, box.right - box.left, box.bottom - box.top}, wrapped, dpi);
    SelectObject(dc, old);
    ReleaseDC(note_, dc);
    SendMessageW(toolTips_, TTM_POP, 0, 0); // one tooltip at a time
    SetWindowPos(note_, HWND_TOP, place.x, place.y, place.width, place.height,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(note_, nullptr, TRUE);
}

// The note draws itself: the system's colours of a tooltip, a border and
// its text wrapped within. It takes no click.
LRESULT CALLBACK Form2::noteProcedure(HWND note, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT; // a click goes to what lies under the note
    if (message != WM_PAINT)
        return DefWindowProcW(note, message, wParam, lParam);
    auto* form = reinterpret_cast<Form2*>(GetWindowLongPtrW(GetParent(note), GWLP_USERDATA));
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(note, &paint);
    RECT area{};
    GetClientRect(note, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &area, GetSysColorBrush(COLOR_INFOTEXT));
    const int padding = MulDiv(notePadding, static_cast<int>(form->dpi_), USER_DEFAULT_SCREEN_DPI);
    InflateRect(&area, -padding - 1, -padding - 1);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(note)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(note, text.data(), static_cast<int>(text.size()))));
    HGDIOBJ old = SelectObject(dc, form->fonts_[static_cast<std::size_t>(FontRole::Normal)]);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    DrawTextW(dc, text.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(note, &paint);
    return 0;
}

void Form2::createNote() {
    WNDCLASSEXW noteClass{};
    noteClass.cbSize = sizeof noteClass;
    noteClass.lpfnWndProc = noteProcedure;
    noteClass.hInstance = instance_;
    noteClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    noteClass.lpszClassName = L"" QUINTORA_WINDOW_CLASS "Note";
    RegisterClassExW(&noteClass);
    note_ = CreateWindowExW(0, noteClass.lpszClassName, nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                            0, 0, window_, nullptr, instance_, nullptr);
}

} // namespace quintora
