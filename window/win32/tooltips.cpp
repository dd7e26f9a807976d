// The window's tooltips, and what screen readers are told of its controls.
#include "window/win32/form2.h"

#include "window/win32/utf.h"

#include <commctrl.h>
#include <oleacc.h>

namespace quintora {

void Form2::addToolTips() {
    toolTips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, 480);
    for (const Placed& p : placed_) {
        const bool isField = p.row->kind == Kind::TextBox || p.row->kind == Kind::ComboBox;
        const std::wstring tip =
            widen(isField ? logic_->look(p.row->field()).toolTip : std::string(p.row->toolTip));
        for (HWND tipped : {p.hwnd, p.row->kind == Kind::ComboBox ? editOf(p.hwnd) : nullptr}) {
            if (!tipped)
                continue;
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = window_;
            tool.uId = reinterpret_cast<UINT_PTR>(tipped);
            tool.lpszText = const_cast<wchar_t*>(tip.c_str());
            SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

// Every control carries its Portuguese name for screen readers.
void Form2::nameForScreenReaders() {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return;
    for (const Placed& p : placed_)
        services->SetHwndPropStr(p.hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, widen(p.row->accessibleName).c_str());
    services->Release();
}

void Form2::setToolTip(HWND control, const std::wstring& text) {
    if (!toolTips_)
        return; // added after the window shows, with the looks of then
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace quintora
