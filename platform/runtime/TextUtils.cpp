// Case mapping, trimming, comparison, replacement and quoting of UTF-8 text.
#include "platform/runtime/TextUtils.h"

#include <algorithm>
#include <vector>

#include "platform/runtime/Utf8.h"

namespace vcl {
namespace {

bool InRange(char32_t c, char32_t lo, char32_t hi) { return c >= lo && c <= hi; }

// Base letters of U+00C0..U+00FF for collation (accents removed, lower case); 0 keeps the
// character itself (the multiplication and division signs, thorn).
constexpr char kLatin1Base[] =
    "aaaaaaaceeeeiiii" "dnooooo\0ouuuuy\0s"
    "aaaaaaaceeeeiiii" "dnooooo\0ouuuuy\0y";

template <typename Map>
std::string MapCharacters(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t start = pos;
        const char32_t c = Utf8Decode(s, pos);
        const char32_t m = map(c);
        if (m == c) {
            out.append(s, start, pos - start);  // unchanged, invalid bytes included
        } else {
            Utf8Append(out, m);
        }
    }
    return out;
}

std::string MapAscii(std::string_view s, char from, char to) {
    std::string out(s);
    for (char& c : out) {
        if (c >= from && c <= to) c = static_cast<char>(c ^ 0x20);
    }
    return out;
}

int Sign(long long v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// Collation weights of one character: base letter, accent (the lower-case form) and case.
struct Weights {
    char32_t primary;
    char32_t secondary;
    int tertiary;
};

Weights WeightsOf(char32_t c) {
    const char32_t lower = CharLower(c);
    char32_t base = lower;
    if (InRange(lower, 0xC0, 0xFF) && kLatin1Base[lower - 0xC0] != 0) {
        base = static_cast<unsigned char>(kLatin1Base[lower - 0xC0]);
    }
    return {base, lower, lower != c ? 1 : 0};
}

int Collate(std::string_view a, std::string_view b, bool caseSensitive) {
    std::vector<Weights> wa, wb;
    for (char32_t c : Utf8ToCodePoints(a)) wa.push_back(WeightsOf(c));
    for (char32_t c : Utf8ToCodePoints(b)) wb.push_back(WeightsOf(c));
    auto compareLevel = [&](auto key) {
        const std::size_t n = std::min(wa.size(), wb.size());
        for (std::size_t i = 0; i < n; ++i) {
            const long long ka = key(wa[i]), kb = key(wb[i]);
            if (ka != kb) return Sign(ka - kb);
        }
        return Sign(static_cast<long long>(wa.size()) - static_cast<long long>(wb.size()));
    };
    if (int r = compareLevel([](const Weights& w) { return static_cast<long long>(w.primary); })) return r;
    if (int r = compareLevel([](const Weights& w) { return static_cast<long long>(w.secondary); })) return r;
    if (!caseSensitive) return 0;
    return compareLevel([](const Weights& w) { return static_cast<long long>(w.tertiary); });
}

}  // namespace

char32_t CharUpper(char32_t c) {
    if (c < 0x80) return InRange(c, 'a', 'z') ? c - 0x20 : c;
    if (InRange(c, 0xE0, 0xFE) && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c == 0x131) return 'I';
    if (c == 0x17F) return 'S';
    if ((InRange(c, 0x100, 0x12F) || InRange(c, 0x132, 0x137) || InRange(c, 0x14A, 0x177)) && (c & 1)) return c - 1;
    if ((InRange(c, 0x139, 0x148) || InRange(c, 0x179, 0x17E)) && !(c & 1)) return c - 1;
    if (c == 0x3C2) return 0x3A3;  // final sigma
    if (InRange(c, 0x3B1, 0x3C9)) return c - 0x20;
    if (c == 0x3AC) return 0x386;
    if (InRange(c, 0x3AD, 0x3AF)) return c - 0x25;
    if (c == 0x3CC) return 0x38C;
    if (InRange(c, 0x3CD, 0x3CE)) return c - 0x3F;
    if (InRange(c, 0x430, 0x44F)) return c - 0x20;
    if (InRange(c, 0x450, 0x45F)) return c - 0x50;
    return c;
}

char32_t CharLower(char32_t c) {
    if (c < 0x80) return InRange(c, 'A', 'Z') ? c + 0x20 : c;
    if (InRange(c, 0xC0, 0xDE) && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;
    if (c == 0x130) return 'i';
    if ((InRange(c, 0x100, 0x12F) || InRange(c, 0x132, 0x137) || InRange(c, 0x14A, 0x177)) && !(c & 1)) return c + 1;
    if ((InRange(c, 0x139, 0x148) || InRange(c, 0x179, 0x17E)) && (c & 1)) return c + 1;
    if (InRange(c, 0x391, 0x3A9) && c != 0x3A2) return c + 0x20;
    if (c == 0x386) return 0x3AC;
    if (InRange(c, 0x388, 0x38A)) return c + 0x25;
    if (c == 0x38C) return 0x3CC;
    if (InRange(c, 0x38E, 0x38F)) return c + 0x3F;
    if (InRange(c, 0x410, 0x42F)) return c + 0x20;
    if (InRange(c, 0x400, 0x40F)) return c + 0x50;
    return c;
}

std::string UpperCase(std::string_view s) { return MapAscii(s, 'a', 'z'); }
std::string LowerCase(std::string_view s) { return MapAscii(s, 'A', 'Z'); }
std::string AnsiUpperCase(std::string_view s) { return MapCharacters(s, CharUpper); }
std::string AnsiLowerCase(std::string_view s) { return MapCharacters(s, CharLower); }

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

std::string TrimLeft(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(0, e));
}

int CompareStr(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
        if (d != 0) return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareText(std::string_view a, std::string_view b) {
    auto upper = [](char c) { return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 0x20 : c); };
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = upper(a[i]) - upper(b[i]);
        if (d != 0) return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }

int AnsiCompareStr(std::string_view a, std::string_view b) { return Collate(a, b, true); }
int AnsiCompareText(std::string_view a, std::string_view b) { return Collate(a, b, false); }
bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiLowerCase(a) == AnsiLowerCase(b); }
bool AnsiSameStr(std::string_view a, std::string_view b) { return a == b; }

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(s);
    const bool all = flags.Contains(rfReplaceAll);
    std::string out;
    out.reserve(s.size());
    if (!flags.Contains(rfIgnoreCase)) {
        std::size_t pos = 0;
        for (std::size_t at = s.find(oldPattern); at != std::string_view::npos; at = s.find(oldPattern, pos)) {
            out.append(s, pos, at - pos);
            out += newPattern;
            pos = at + oldPattern.size();
            if (!all) break;
        }
        out.append(s, pos);
        return out;
    }
    // Case-insensitive: compare upper-cased code points; copy the original bytes otherwise.
    std::u32string pattern = Utf8ToCodePoints(oldPattern);
    for (char32_t& c : pattern) c = CharUpper(c);
    std::vector<char32_t> chars;
    std::vector<std::size_t> offsets;
    for (std::size_t pos = 0; pos < s.size();) {
        offsets.push_back(pos);
        chars.push_back(CharUpper(Utf8Decode(s, pos)));
    }
    offsets.push_back(s.size());
    std::size_t copied = 0;  // byte offset up to which s is in `out`
    for (std::size_t i = 0; i + pattern.size() <= chars.size();) {
        if (std::equal(pattern.begin(), pattern.end(), chars.begin() + static_cast<std::ptrdiff_t>(i))) {
            out.append(s, copied, offsets[i] - copied);
            out += newPattern;
            i += pattern.size();
            copied = offsets[i];
            if (!all) break;
        } else {
            ++i;
        }
    }
    out.append(s, copied);
    return out;
}

std::string AnsiQuotedStr(std::string_view s, char quote) {
    std::string out(1, quote);
    for (char c : s) {
        out.push_back(c);
        if (c == quote) out.push_back(quote);
    }
    out.push_back(quote);
    return out;
}

std::string QuotedStr(std::string_view s) { return AnsiQuotedStr(s, '\''); }

std::string AnsiDequotedStr(std::string_view s, char quote) {
    if (s.empty() || s[0] != quote) return std::string(s);
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote) {
                out.push_back(quote);
                ++i;
            } else {
                break;
            }
        } else {
            out.push_back(s[i]);
        }
    }
    return out.empty() ? std::string(s) : out;
}

}  // namespace vcl
