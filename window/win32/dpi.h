// Scaling by the monitor's dpi: the dpi itself, the window's frame around a
// client area, and the window's fonts.
#pragma once

#include "window/controls.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace quintora {

// The monitor's dpi for a window (Windows 10 on), or the system's.
UINT dpiOf(HWND hwnd);
// The whole window's size, with a frame of `style`, for the client area at
// its twips at `dpi`.
SIZE frameFor(DWORD style, UINT dpi);
// A font of the window's at `dpi`.
HFONT createFont(const TypeFace& face, UINT dpi);

} // namespace quintora
