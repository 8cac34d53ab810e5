// GDI calls in the Win32 shape: blits between canvases and the theme opt-out.
//
// A device context (HDC) is the TCanvas drawing on a surface; the calls below act on
// the canvas as the canvas methods do (origin, clip, pixel format).
#pragma once

#include <cstdint>

#include "platform/core/WinTypes.h"

namespace vcl {

using HRESULT = std::int32_t;
using LPCWSTR = const WCHAR*;
constexpr HRESULT S_OK = 0;

// ---- blits -------------------------------------------------------------------------------
// How StretchBlt combines source pixels that shrink onto one destination pixel: AND, OR,
// keep one, or average (HALFTONE, which also smooths when enlarging). A new canvas uses
// BLACKONWHITE. SetStretchBltMode returns the previous mode, 0 when the canvas is null or
// the mode unknown.
constexpr int BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4,
              STRETCH_ANDSCANS = 1, STRETCH_ORSCANS = 2, STRETCH_DELETESCANS = 3,
              STRETCH_HALFTONE = 4;
int SetStretchBltMode(HDC hdc, int mode);
int GetStretchBltMode(HDC hdc);

// Copies (and scales) the source rectangle onto the destination rectangle through the
// ternary raster operation rop (SRCCOPY, SRCAND, ...). A negative width or height on
// either side mirrors that axis. FALSE when a canvas is null.
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop);
BOOL BitBlt(HDC hdcDest, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
// Raster operations that need no source (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS,
// WHITENESS) with the canvas brush as the pattern.
BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);

// ---- themes ------------------------------------------------------------------------------
// Controls draw in the classic style here; opting a window out of theming always succeeds.
HRESULT SetWindowTheme(HWND hwnd, LPCWSTR pszSubAppName, LPCWSTR pszSubIdList);

}  // namespace vcl
