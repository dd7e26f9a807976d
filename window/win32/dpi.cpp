#include "window/win32/dpi.h"

#include "window/win32/utf.h"

#include <cmath>

namespace quintora {

UINT dpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpi)
        return getDpi(hwnd);
    HDC dc = GetDC(hwnd);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(hwnd, dc);
    return dpi;
}

SIZE frameFor(DWORD style, UINT dpi) {
    RECT rect{0, 0, twipsToPixels(clientWidth, static_cast<int>(dpi)),
              twipsToPixels(clientHeight, static_cast<int>(dpi))};
    using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = reinterpret_cast<AdjustFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjust)
        adjust(&rect, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, 0);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HFONT createFont(const TypeFace& face, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(face.points * dpi / 72.0));
    font.lfWeight = face.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    // "MS Sans Serif" is a bitmap font on Windows, in a few sizes only: the
    // TrueType face made to its metrics scales with the dpi.
    const std::wstring family = widen(
        face.family == fontOf(FontRole::Normal).family ? fallbackFamilies.front() : face.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

} // namespace quintora
