// UTF-8 encoding and decoding, and the character-based string functions (Length, Copy, Pos,
// Delete, Insert) that count code points instead of bytes.
//
// Every function steps through text with Utf8Decode, so an invalid byte counts as one
// character everywhere and is copied through unchanged.
#include "platform/runtime/Utf8.h"

namespace vcl {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Bytes of the character starting at pos (1 for an invalid sequence).
std::size_t CharSize(std::string_view s, std::size_t pos) {
    std::size_t p = pos;
    Utf8Decode(s, p);
    return p - pos;
}

}  // namespace

char32_t Utf8Decode(std::string_view s, std::size_t& pos) {
    if (pos >= s.size()) return kReplacementChar;
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int len;
    char32_t cp;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        ++pos;  // a stray continuation byte or 0xF8..0xFF
        return kReplacementChar;
    }
    if (pos + len > s.size()) {
        ++pos;  // truncated at the end of the text
        return kReplacementChar;
    }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[pos + k]);
        if (!IsContinuation(b)) {
            ++pos;
            return kReplacementChar;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;  // overlong form, out of range or a surrogate
        return kReplacementChar;
    }
    pos += len;
    return cp;
}

void Utf8Append(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementChar;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string Utf8Encode(char32_t cp) {
    std::string s;
    Utf8Append(s, cp);
    return s;
}

std::u32string Utf8ToCodePoints(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) out.push_back(Utf8Decode(s, pos));
    return out;
}

std::string CodePointsToUtf8(std::u32string_view cps) {
    std::string out;
    out.reserve(cps.size());
    for (char32_t c : cps) Utf8Append(out, c);
    return out;
}

std::size_t Utf8ByteOffset(std::string_view s, std::size_t index) {
    std::size_t pos = 0;
    for (; index > 0 && pos < s.size(); --index) pos += CharSize(s, pos);
    return pos;
}

int Length(std::string_view s) {
    int n = 0;
    // ASCII bytes are whole characters; only the rest needs decoding.
    for (std::size_t pos = 0; pos < s.size(); ++n) {
        if (static_cast<unsigned char>(s[pos]) < 0x80) {
            ++pos;
        } else {
            Utf8Decode(s, pos);
        }
    }
    return n;
}

std::string Copy(std::string_view s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0) return {};
    const std::size_t begin = Utf8ByteOffset(s, static_cast<std::size_t>(index - 1));
    const std::size_t len = Utf8ByteOffset(s.substr(begin), static_cast<std::size_t>(count));
    return std::string(s.substr(begin, len));
}

std::string LeftStr(std::string_view s, int count) { return Copy(s, 1, count); }

std::string RightStr(std::string_view s, int count) {
    const int len = Length(s);
    if (count >= len) return std::string(s);
    return Copy(s, len - count + 1, count);
}

std::string MidStr(std::string_view s, int index, int count) { return Copy(s, index, count); }

void Delete(std::string& s, int index, int count) {
    if (index < 1 || count <= 0) return;
    const std::size_t begin = Utf8ByteOffset(s, static_cast<std::size_t>(index - 1));
    if (begin >= s.size()) return;
    const std::size_t len = Utf8ByteOffset(std::string_view(s).substr(begin), static_cast<std::size_t>(count));
    s.erase(begin, len);
}

void Insert(std::string_view sub, std::string& s, int index) {
    if (index < 1) index = 1;
    s.insert(Utf8ByteOffset(s, static_cast<std::size_t>(index - 1)), sub);
}

int PosEx(std::string_view sub, std::string_view s, int offset) {
    if (sub.empty() || offset < 1) return 0;
    // Walk character boundaries from the offset, jumping ahead with a byte search; a match
    // counts only where it starts on a boundary.
    std::size_t pos = Utf8ByteOffset(s, static_cast<std::size_t>(offset - 1));
    int index = offset;
    while (pos < s.size()) {
        const std::size_t at = s.find(sub, pos);
        if (at == std::string_view::npos) return 0;
        while (pos < at) {
            pos += CharSize(s, pos);
            ++index;
        }
        if (pos == at) return index;
    }
    return 0;
}

int Pos(std::string_view sub, std::string_view s) { return PosEx(sub, s, 1); }

char32_t CharAt(std::string_view s, int index) {
    if (index < 1) return 0;
    std::size_t pos = Utf8ByteOffset(s, static_cast<std::size_t>(index - 1));
    if (pos >= s.size()) return 0;
    return Utf8Decode(s, pos);
}

std::string StringOfChar(char32_t ch, int count) {
    const std::string one = Utf8Encode(ch);
    std::string out;
    if (count <= 0) return out;
    out.reserve(one.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) out += one;
    return out;
}

}  // namespace vcl
