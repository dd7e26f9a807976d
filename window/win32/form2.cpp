#include "window/win32/form2.h"

#include "window/win32/dpi.h"
#include "window/win32/utf.h"

#include "window/texts.h"
#include "window/version.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

namespace quintora {

namespace {

constexpr wchar_t windowClass[] = L"" QUINTORA_WINDOW_CLASS;
constexpr int firstControlId = 100; // clear of IDOK and IDCANCEL
constexpr int iconId = 1;
constexpr UINT afterShow = WM_APP;         // the work that waits for the window to show
constexpr UINT afterDropDown = WM_APP + 1; // a unit list has opened

COLORREF colorOf(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

char localeSeparator() {
    wchar_t point[8] = {};
    const bool one = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, point, 8) == 2;
    return decimalSeparatorOf(one ? static_cast<char32_t>(point[0]) : 0);
}

Rgb rgbOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

std::wstring textOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool isEditControl(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return lstrcmpiW(name, L"Edit") == 0;
}

HWND editOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

// The controls as Form2Logic sees them.
class Form2::View : public FormView {
public:
    explicit View(Form2& form) : form_(form) {}

    std::string text(Field f) const override { return narrow(textOf(form_.at(f))); }
    void setText(Field f, std::string_view text) override {
        HWND box = form_.at(f);
        form_.writing_ = true;
        SetWindowTextW(box, widen(text).c_str());
        SendMessageW(box, EM_SETSEL, 0, 0); // shown from its first character
        form_.writing_ = false;
    }
    bool fits(Field f, std::string_view text) const override {
        HWND box = form_.at(f);
        RECT room{};
        SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        const std::wstring wide = widen(text);
        HDC dc = GetDC(box);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(box, dc);
        return size.cx <= room.right - room.left;
    }
    void setLook(Field f, const Look& look) override {
        HWND control = form_.at(f);
        const std::wstring tip = widen(look.toolTip);
        for (HWND shown : {control, isEditControl(control) ? nullptr : editOf(control)}) {
            if (!shown)
                continue;
            form_.setToolTip(shown, tip);
            form_.describe(shown, tip);
            InvalidateRect(shown, nullptr, TRUE);
            if (GetFocus() == shown)
                form_.showFocusReason(shown);
        }
    }
    void showError(std::string_view message) override {
        MessageBoxW(form_.window_, widen(message).c_str(), widen(texts::caption).c_str(),
                    MB_OK | MB_ICONERROR);
    }

private:
    Form2& form_;
};

Form2::Form2(HINSTANCE instance)
    : instance_(instance), table_(controlTable()), view_(std::make_unique<View>(*this)),
      logic_(std::make_unique<Form2Logic>(*view_, localeSeparator())) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClassInfo{};
    windowClassInfo.cbSize = sizeof windowClassInfo;
    windowClassInfo.lpfnWndProc = windowProcedure;
    windowClassInfo.hInstance = instance;
    windowClassInfo.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClassInfo.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClassInfo.lpszClassName = windowClass;
    RegisterClassExW(&windowClassInfo);

    CreateWindowExW(0, windowClass, widen(texts::caption).c_str(), WS_OVERLAPPEDWINDOW,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                    instance, this);
    dpi_ = dpiOf(window_);
    const SIZE frame = frameFor(WS_OVERLAPPEDWINDOW, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    setIcons();
    readSystemColours();
    createFonts();
    createControls();
    createNote();
    takeClipboards();
    Form_Load();
    nameForScreenReaders();
}

// The window's icons drawn for its dpi, from the sizes the icon file holds.
void Form2::setIcons() {
    using MetricFn = int(WINAPI*)(int, UINT);
    const auto metric = reinterpret_cast<MetricFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const auto size = [&](int which) {
        return metric ? metric(which, dpi_) : GetSystemMetrics(which);
    };
    const int sizes[2][2] = {
        {size(SM_CXICON),   size(SM_CYICON)  },
        {size(SM_CXSMICON), size(SM_CYSMICON)}
    };
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        HICON icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                   sizes[i][0], sizes[i][1], 0));
        SendMessageW(window_, WM_SETICON, i == 0 ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(icon));
        if (icons_[i])
            DestroyIcon(icons_[i]);
        icons_[i] = icon;
    }
}

// Whether the system is in a high-contrast mode, where the window draws in
// the system's colours alone. Read at start and when the colours change.
void Form2::readSystemColours() {
    HIGHCONTRASTW mode{};
    mode.cbSize = sizeof mode;
    highContrast_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof mode, &mode, 0) &&
                    (mode.dwFlags & HCF_HIGHCONTRASTON);
    for (const auto& [rgb, brush] : brushes_)
        DeleteObject(brush);
    brushes_.clear();
}

Form2::~Form2() {
    if (IsWindow(window_))
        DestroyWindow(window_);
    for (HFONT font : fonts_)
        DeleteObject(font);
    for (const auto& [rgb, brush] : brushes_)
        DeleteObject(brush);
    for (HICON icon : icons_)
        if (icon)
            DestroyIcon(icon);
    if (accessibility_)
        accessibility_->Release();
}

void Form2::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(firstFocus());
    // A window that is no dialog starts with its focus rectangle hidden;
    // after a start from the keyboard, it shows which control has it.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    // The tooltips follow at once, once the window is on screen: under Wine
    // they cost as much as the window.
    PostMessageW(window_, afterShow, 0, 0);
}

HWND Form2::firstFocus() {
    return at(*tabOrder(table_).front());
}

const Form2::Placed* Form2::placedOf(HWND hwnd) const {
    for (const Placed& p : placed_)
        if (p.hwnd == hwnd)
            return &p;
    return nullptr;
}

void Form2::Form_Load() {
    logic_->load();
}

void Form2::Command1_Click() {
    logic_->convert();
}

void Form2::Command2_Click() {
    DestroyWindow(window_);
}

bool Form2::takeKey(const MSG& message) {
    const UINT press = message.message;
    if ((press == WM_KEYDOWN || press == WM_SYSKEYDOWN || press == WM_LBUTTONDOWN ||
         press == WM_RBUTTONDOWN || press == WM_MBUTTONDOWN) &&
        noteUntilInput_ && (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
        noteUntilInput_ = false; // a refused copy's note goes at the next click or key
        ShowWindow(note_, SW_HIDE);
    }
    if (!isEditControl(message.hwnd) || !IsChild(window_, message.hwnd))
        return false;
    if (message.message == WM_CHAR &&
        pressesEquals(false, narrow(std::wstring(1, static_cast<wchar_t>(message.wParam))))) {
        Command1_Click();
        return true;
    }
    const bool control = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
    if (message.message == WM_KEYDOWN && message.wParam == 'A' && control) {
        SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == 'C' && control &&
        GetKeyState(VK_SHIFT) < 0) {
        copyResults(allResults);
        return true;
    }
    return false;
}

LRESULT CALLBACK Form2::windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form2*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form2*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return form ? form->handle(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Form2::colour(HDC dc, HWND control) {
    const Placed* p = placedOf(control);
    if (!p)
        p = placedOf(GetParent(control)); // the edit field of a selector
    if (!p || p->row->kind == Kind::Label || p->row->kind == Kind::Button)
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    const SystemColours system{
        rgbOf(GetSysColor(COLOR_WINDOW)), rgbOf(GetSysColor(COLOR_WINDOWTEXT)),
        rgbOf(GetSysColor(COLOR_HIGHLIGHT)), rgbOf(GetSysColor(COLOR_HIGHLIGHTTEXT)),
        rgbOf(GetSysColor(COLOR_GRAYTEXT))};
    const Paint paint = paintOf(logic_->look(p->row->field()), system, highContrast_);
    SetTextColor(dc, colorOf(paint.text));
    SetBkColor(dc, colorOf(paint.background));
    return reinterpret_cast<LRESULT>(brushOf(paint.background));
}

// One brush per colour drawn, kept for the window's life.
HBRUSH Form2::brushOf(Rgb colour) {
    for (const auto& [rgb, brush] : brushes_)
        if (rgb == colour)
            return brush;
    return brushes_.emplace_back(colour, CreateSolidBrush(colorOf(colour))).second;
}

// A control tells what happened to it: a button was pressed, a box took or
// lost the focus, or the user changed a box or a selector.
void Form2::command(HWND control, int code) {
    const Placed* p = placedOf(control);
    if (!p)
        return;
    if (p->row->fixed == Fixed::Command1 && code == BN_CLICKED)
        Command1_Click();
    else if (p->row->fixed == Fixed::Command2 && code == BN_CLICKED)
        Command2_Click();
    else if (code == EN_SETFOCUS || code == EN_KILLFOCUS || code == CBN_SETFOCUS ||
             code == CBN_KILLFOCUS)
        showFocusReason(GetFocus());
    else if (p->row->kind == Kind::ComboBox && code == CBN_DROPDOWN) {
        dropped_ = {control, textOf(control)};
        PostMessageW(window_, afterDropDown, 0, reinterpret_cast<LPARAM>(control));
    } else if (p->row->kind == Kind::ComboBox && code == CBN_SELENDCANCEL)
        listCancelled(control);
    else if (p->row->kind == Kind::ComboBox && code == CBN_SELENDOK)
        listPicked(control);
    else if (!writing_ && ((p->row->kind == Kind::TextBox && code == EN_CHANGE) ||
                           (p->row->kind == Kind::ComboBox &&
                            (code == CBN_EDITCHANGE || code == CBN_SELCHANGE))))
        logic_->edited(p->row->field());
}

// The focus comes back where it was, as in a dialog; a hovered tooltip does
// not stay over other programs.
void Form2::activated(bool active) {
    if (active) {
        SetFocus(lastFocus_ && IsChild(window_, lastFocus_) ? lastFocus_ : firstFocus());
        return;
    }
    lastFocus_ = GetFocus();
    if (toolTips_)
        SendMessageW(toolTips_, TTM_POP, 0, 0);
}

LRESULT Form2::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID: // Enter in any box presses the default button, "="
        for (const Placed& p : placed_)
            if (p.row->isDefault)
                return MAKELRESULT(firstControlId + (p.row - table_.data()), DC_HASDEFID);
        return 0;
    case WM_CTLCOLOREDIT:
        return colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOVE: // a hovered tooltip is not left behind
    case WM_ENTERSIZEMOVE:
        if (toolTips_)
            SendMessageW(toolTips_, TTM_POP, 0, 0);
        break;
    case WM_ACTIVATE:
        activated(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_GETMINMAXINFO: // never smaller than the client area every control shows in
        if (window_) {
            const SIZE least = frameFor(WS_OVERLAPPEDWINDOW, dpi_);
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
        }
        return 0;
    case WM_GETDPISCALEDSIZE: { // the frame that keeps the client area at its twips
        *reinterpret_cast<SIZE*>(lParam) = frameFor(WS_OVERLAPPEDWINDOW, static_cast<UINT>(wParam));
        return TRUE;
    }
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        readSystemColours();
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case afterShow:
        addToolTips();
        return 0;
    case afterDropDown:
        listDropped(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace quintora
