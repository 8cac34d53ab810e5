// The handful of Win32 scalar and handle types the component code is written with.
#pragma once

#include <cstdint>

namespace vcl {

class TCanvas;

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WCHAR = char16_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct HWND__;                  // a window: hidden message window or control window
using HWND = HWND__*;
struct HFONT__;                 // a logical font made by CreateFontIndirect
using HFONT = HFONT__*;
using HGDIOBJ = void*;
using HDC = TCanvas*;           // a device context is the canvas that draws on it
struct HINSTANCE__;             // a module whose embedded resources can be loaded
using HINSTANCE = HINSTANCE__*;

constexpr int LF_FACESIZE = 32;

struct LOGFONTW {
    LONG lfHeight = 0;          // < 0: character height in pixels; > 0: cell height
    LONG lfWidth = 0;
    LONG lfEscapement = 0;      // tenths of a degree, counter-clockwise
    LONG lfOrientation = 0;
    LONG lfWeight = 0;          // 400 normal, 700 bold
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 1;         // DEFAULT_CHARSET
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;         // DEFAULT_QUALITY 0, NONANTIALIASED 3, ANTIALIASED 4
    BYTE lfPitchAndFamily = 0;
    WCHAR lfFaceName[LF_FACESIZE] = {};
};
using LOGFONT = LOGFONTW;

constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE DRAFT_QUALITY = 1;
constexpr BYTE PROOF_QUALITY = 2;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE CLEARTYPE_QUALITY = 5;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

}  // namespace vcl
