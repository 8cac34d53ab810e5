// Win32-style blit and stretch-mode calls on canvases (device contexts), and the theme
// opt-out.
#include "platform/graphics/WinGdi.h"

#include "platform/core/WinTypes.h"
#include "platform/graphics/SurfaceAccess.h"

namespace vcl {

int SetStretchBltMode(HDC hdc, int mode) {
    return hdc == nullptr ? 0 : hdc->SetStretchBltMode(mode);
}

int GetStretchBltMode(HDC hdc) { return hdc == nullptr ? 0 : hdc->GetStretchBltMode(); }

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop) {
    if (hdcDest == nullptr) return FALSE;
    return graphics::SurfaceAccess::Blit(*hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc,
                                         wSrc, hSrc, rop)
               ? TRUE
               : FALSE;
}

BOOL BitBlt(HDC hdcDest, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    return StretchBlt(hdcDest, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    return StretchBlt(hdc, x, y, w, h, nullptr, 0, 0, 0, 0, rop);
}

HRESULT SetWindowTheme(HWND, LPCWSTR, LPCWSTR) { return S_OK; }

}  // namespace vcl
