// Logical fonts: the handles CreateFontIndirect makes, each holding a copy of its LOGFONT,
// and the conversion of face names between UTF-8 and the LOGFONT's UTF-16.
#include "platform/graphics/LogicalFonts.h"

#include <algorithm>
#include <mutex>
#include <unordered_set>

#include "platform/core/WinTypes.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

struct HFONT__ {
    LOGFONTW lf;
};

namespace {

// Live font handles; a handle not in here is ignored by GetObject and DeleteObject.
struct FontHandles {
    std::mutex mutex;
    std::unordered_set<HFONT> live;
};

FontHandles& Handles() {
    static FontHandles* handles = new FontHandles;   // outlives every static font
    return *handles;
}

}  // namespace

// ---- face names ------------------------------------------------------------------------------

std::string FaceNameToUtf8(const WCHAR* face) {
    std::string out;
    for (int i = 0; i < LF_FACESIZE && face[i] != 0; ++i) {
        char32_t c = face[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < LF_FACESIZE && face[i + 1] >= 0xDC00 && face[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (face[i + 1] - 0xDC00);
            ++i;
        }
        Utf8Append(out, c);
    }
    return out;
}

void Utf8ToFaceName(const std::string& name, WCHAR* face) {
    int n = 0;
    for (std::size_t pos = 0; pos < name.size();) {
        const char32_t c = Utf8Decode(name, pos);
        if (c >= 0x10000) {
            if (n + 2 > LF_FACESIZE - 1) break;
            face[n++] = WCHAR(0xD800 + ((c - 0x10000) >> 10));
            face[n++] = WCHAR(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            if (n + 1 > LF_FACESIZE - 1) break;
            face[n++] = WCHAR(c);
        }
    }
    std::fill(face + n, face + LF_FACESIZE, WCHAR(0));
}

// ---- logical font handles ------------------------------------------------------------------

HFONT CreateFontIndirectW(const LOGFONTW* lplf) {
    if (lplf == nullptr) return nullptr;
    auto* font = new HFONT__{*lplf};
    font->lf.lfFaceName[LF_FACESIZE - 1] = 0;
    FontHandles& h = Handles();
    std::lock_guard lock(h.mutex);
    h.live.insert(font);
    return font;
}

HFONT CreateFontIndirect(const LOGFONTW* lplf) { return CreateFontIndirectW(lplf); }
HFONT CreateFontIndirect(const LOGFONTW& lf) { return CreateFontIndirectW(&lf); }

int GetObjectW(HGDIOBJ h, int c, void* pv) {
    FontHandles& handles = Handles();
    std::lock_guard lock(handles.mutex);
    auto font = static_cast<HFONT>(h);
    if (h == nullptr || !handles.live.contains(font)) return 0;
    constexpr int size = int(sizeof(LOGFONTW));
    if (pv == nullptr) return size;
    if (c < size) return 0;
    *static_cast<LOGFONTW*>(pv) = font->lf;
    return size;
}

int GetObject(HGDIOBJ h, int c, void* pv) { return GetObjectW(h, c, pv); }

BOOL DeleteObject(HGDIOBJ ho) {
    FontHandles& handles = Handles();
    std::lock_guard lock(handles.mutex);
    auto font = static_cast<HFONT>(ho);
    if (ho == nullptr || handles.live.erase(font) == 0) return FALSE;
    delete font;
    return TRUE;
}

}  // namespace vcl
