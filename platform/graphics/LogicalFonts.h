// Logical fonts in the Win32 shape: a font handle made from a LOGFONT, read back and
// deleted; TFont describes itself with one (TFont::GetHandle, TFont::SetHandle).
#pragma once

#include <string>

#include "platform/core/WinTypes.h"

namespace vcl {

// A font handle holds a copy of the LOGFONT it was made from. It stays valid until
// DeleteObject; a TFont that is given a handle takes it over (see TFont::SetHandle).
HFONT CreateFontIndirectW(const LOGFONTW* lplf);
HFONT CreateFontIndirect(const LOGFONTW* lplf);
HFONT CreateFontIndirect(const LOGFONTW& lf);
// Fills pv with the LOGFONT of a font handle and returns the bytes written; with a null
// pv returns the size needed. 0 for an unknown handle or a buffer that is too small.
int GetObjectW(HGDIOBJ h, int c, void* pv);
int GetObject(HGDIOBJ h, int c, void* pv);
// FALSE for a null or unknown handle (deleting twice is harmless).
BOOL DeleteObject(HGDIOBJ ho);

// A LOGFONT face name (UTF-16, at most LF_FACESIZE units with the terminator) as UTF-8, and
// back (cut to 31 units, never inside a surrogate pair).
std::string FaceNameToUtf8(const WCHAR* face);
void Utf8ToFaceName(const std::string& name, WCHAR* face);

}  // namespace vcl
