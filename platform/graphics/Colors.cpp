// Colours: the system colour table, colour names and their conversions.
#include "platform/graphics/Colors.h"

#include <array>
#include <cstdint>
#include <string>

#include "platform/core/PropInfo.h"
#include "platform/graphics/Theme.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

namespace {

constexpr int kSysColorCount = kSysColorTableSize;

// The system colours in use: the theme's table, with the overrides of SetSysColor.
std::array<TColor, kSysColorCount>& SysColors() {
    static std::array<TColor, kSysColorCount> table = CurrentTheme().SysColors;
    return table;
}

struct ColorName {
    TColor value;
    const char* name;
};

// The name table in lookup order (ColorToString takes the first entry of a value).
constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

bool SameAsciiText(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return i == a.size() && b[i] == '\0';
}

// A 32-bit integer written in decimal, "$hex" or "0xhex" (hex takes all 32 bits, so
// "$FF00000F" is a system colour).
bool ParseColorNumber(const std::string& s, TColor& out) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::size_t end = s.size();
    while (end > i && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
    bool negative = false;
    if (i < end && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int base = 10;
    if (i < end && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < end && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= end) return false;
    std::uint64_t value = 0;
    for (; i < end; ++i) {
        const char c = s[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        value = value * std::uint64_t(base) + std::uint64_t(digit);
        if (value > 0xFFFFFFFFull) return false;
    }
    if (base == 10) {
        const std::int64_t v = negative ? -std::int64_t(value) : std::int64_t(value);
        if (v < INT32_MIN || v > INT32_MAX) return false;
        out = TColor(v);
    } else {
        const std::uint32_t bits = std::uint32_t(value);
        out = TColor(negative ? 0u - bits : bits);
    }
    return true;
}

// Colour properties of streamed components are written with these names.
const bool kConvertersInstalled = [] {
    SetColorNameConverter(TColorNameConverter{
        [](std::int32_t c) { return ColorToString(c); },
        [](const std::string& text, std::int32_t& c) {
            if (IdentToColor(text, c)) return true;
            return ParseColorNumber(text, c);
        }});
    return true;
}();

}  // namespace

TColor GetSysColor(int Index) {
    if (Index < 0 || Index >= kSysColorCount) return 0;
    return SysColors()[std::size_t(Index)];
}

void SetSysColor(int Index, TColor RGBValue) {
    if (Index < 0 || Index >= kSysColorCount) return;
    SysColors()[std::size_t(Index)] = ColorToRGB(RGBValue) & 0xFFFFFF;
}

void ResetSysColors() { SysColors() = CurrentTheme().SysColors; }

TColor ColorToRGB(TColor Color) {
    if (Color < 0) return GetSysColor(Color & 0xFF);
    return Color;
}

bool ColorToIdent(TColor Color, std::string& Ident) {
    for (const ColorName& entry : kColorNames) {
        if (entry.value == Color) {
            Ident = entry.name;
            return true;
        }
    }
    return false;
}

bool IdentToColor(const std::string& Ident, TColor& Color) {
    for (const ColorName& entry : kColorNames) {
        if (SameAsciiText(Ident, entry.name)) {
            Color = entry.value;
            return true;
        }
    }
    return false;
}

std::string ColorToString(TColor Color) {
    std::string name;
    if (ColorToIdent(Color, name)) return name;
    static const char* digits = "0123456789ABCDEF";
    std::string s = "$";
    for (int shift = 28; shift >= 0; shift -= 4) s += digits[(std::uint32_t(Color) >> shift) & 0xF];
    return s;
}

TColor StringToColor(const std::string& S) {
    TColor color = 0;
    if (IdentToColor(S, color) || ParseColorNumber(S, color)) return color;
    throw EConvertError("'" + S + "' is not a valid integer value");
}

}  // namespace vcl
