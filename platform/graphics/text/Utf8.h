// A strict UTF-8 decoder: malformed input becomes U+FFFD and never reads past the end.
#pragma once

#include <cstddef>
#include <string_view>

namespace vcl::text {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at `pos` and moves `pos` past it. An invalid sequence yields one
// U+FFFD for its longest valid prefix (the usual "maximal subpart" rule), so a bad byte
// never swallows the valid characters after it.
inline char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(pos++);
    if (lead < 0x80) return lead;
    int continuation = 0;
    char32_t cp = 0;
    unsigned low = 0x80, high = 0xBF;   // allowed range of the first continuation byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return kReplacementCharacter;
    }
    for (int i = 0; i < continuation; ++i) {
        if (pos >= text.size()) return kReplacementCharacter;
        const unsigned next = byte(pos);
        if (next < low || next > high) return kReplacementCharacter;
        low = 0x80;
        high = 0xBF;
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
    }
    return cp;
}

}  // namespace vcl::text
