// Themes: the light, dark and high-contrast tables and the theme in use.
#include "platform/graphics/Theme.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vcl {

namespace {

// Tables below are written as 0xRRGGBB, the way colours are picked; TColor keeps BGR.
constexpr TColor Hex(std::uint32_t rrggbb) {
    return RGB(int((rrggbb >> 16) & 0xFF), int((rrggbb >> 8) & 0xFF), int(rrggbb & 0xFF));
}

using SysTable = std::array<TColor, kSysColorTableSize>;
using RoleTable = std::array<TColor, trRoleCount>;

// The role table in the order of TThemeRole.
RoleTable Roles(std::initializer_list<std::uint32_t> rrggbb) {
    RoleTable t{};
    std::size_t i = 0;
    for (std::uint32_t c : rrggbb) t[i++] = Hex(c);
    return t;
}

SysTable Sys(std::initializer_list<std::uint32_t> rrggbb) {
    SysTable t{};
    std::size_t i = 0;
    for (std::uint32_t c : rrggbb) t[i++] = Hex(c);
    return t;
}

TTheme MakeLight() {
    TTheme t;
    t.Name = "light";
    // The classic palette every control was drawn with before themes existed.
    t.SysColors = Sys({
        0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x0078D7, 0xF0F0F0,
    });
    t.Roles = Roles({
        0xFFFFFF, 0x000000, 0xF0F0F0, 0x000000, 0x0078D7, 0xFFFFFF,   // window .. highlight text
        0x838383, 0x0078D7, 0x0078D7, 0xCCCCCC, 0x000000,             // disabled .. inactive text
        0xC0C0C0, 0x000000, 0xE8EFF0,                                 // grid lines, shaded row
        0x7A7A7A, 0x171717, 0xCCCCCC,                                 // borders
        0xE1E1E1, 0xADADAD, 0xE5F1FB, 0x0078D7, 0xCCE4F7, 0x005499,   // buttons
        0xF2F2F2, 0x91C9F7, 0x000000, 0xCCCCCC, 0x767676,             // menus, hint frame
        0xFF0000, 0xF0FF88, 0x0000FF,                                 // alert, warn, mark
        0x000000, 0x808080, 0xFFFFFF,                                 // bevel lines
        0xCCCCCC, 0xBFBFBF, 0xD9E9F7, 0x333333,                       // more buttons
        0xD7D7D7, 0xE6E6E6, 0x202020,                                 // more menus
        0xFFFFFF, 0x000000, 0xAAAAAA,                                 // window caption
        0xC0C0C0, 0xC0C0C0, 0x808080, 0xFFFFFF, 0xDEDEDE,             // classic bevel, disabled
    });
    return t;
}

TTheme MakeDark() {
    TTheme t;
    t.Name = "dark";
    t.Dark = true;
    t.SysColors = Sys({
        0x3C3C3C, 0x000000, 0x2B2B2B, 0x2B2B2B, 0x2B2B2B, 0x1E1E1E, 0x8A8A8A, 0xF0F0F0,
        0xF0F0F0, 0xFFFFFF, 0x5A5A5A, 0x3A3A3A, 0x252525, 0x2A6FBF, 0xFFFFFF, 0x2D2D2D,
        0x5A5A5A, 0x9A9A9A, 0xF0F0F0, 0xC8C8C8, 0x707070, 0x0A0A0A, 0x404040, 0xF0F0F0,
        0x3C3C32, 0x000000, 0x6CB6FF, 0x2B2B2B, 0x2B2B2B, 0x2A6FBF, 0x2B2B2B,
    });
    t.Roles = Roles({
        0x1E1E1E, 0xF0F0F0, 0x2D2D2D, 0xF0F0F0, 0x2A6FBF, 0xFFFFFF,
        0x9A9A9A, 0x4CA6FF, 0x4CA6FF, 0x3F3F46, 0xF0F0F0,
        0x454545, 0x6A6A6A, 0x262626,
        0x8A8A8A, 0xD0D0D0, 0x4A4A4A,
        0x3A3A3A, 0x6A6A6A, 0x454545, 0x4CA6FF, 0x2A4A6A, 0x4CA6FF,
        0x2B2B2B, 0x2A6FBF, 0xFFFFFF, 0x555555, 0x8A8A8A,
        0xFF7070, 0x3A2E10, 0x80B0FF,
        0x0A0A0A, 0x5A5A5A, 0x707070,
        0x333333, 0x4A4A4A, 0x33475C, 0xF0F0F0,
        0x454545, 0x383838, 0xF0F0F0,
        0x2B2B2B, 0xF0F0F0, 0x5A5A5A,
        0x404040, 0x383838, 0xA0A0A0, 0x1A1A1A, 0x4A4A4A,
    });
    return t;
}

TTheme MakeHighContrast() {
    TTheme t;
    t.Name = "high-contrast";
    t.Dark = true;
    // White on black, the selection yellow with black text, disabled text green: every
    // text pair at least 7:1.
    t.SysColors = Sys({
        0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF,
        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xFFFF00, 0x000000, 0x000000,
        0xC0C0C0, 0x3FF23F, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
        0x000000, 0x000000, 0xFFFF00, 0x000000, 0x000000, 0xFFFF00, 0x000000,
    });
    t.Roles = Roles({
        0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFF00, 0x000000,
        0x3FF23F, 0xFFFF00, 0xFFFF00, 0x00FFFF, 0x000000,
        0xC0C0C0, 0xFFFFFF, 0x1A1A1A,
        0xFFFFFF, 0xFFFF00, 0x3FF23F,
        0x000000, 0xFFFFFF, 0x000000, 0xFFFF00, 0x1A1A1A, 0xFFFF00,
        0x000000, 0xFFFF00, 0x000000, 0xFFFFFF, 0xFFFFFF,
        0xFF8080, 0x000000, 0x80C0FF,
        0xFFFFFF, 0xC0C0C0, 0xFFFFFF,
        0x000000, 0x3FF23F, 0x1A1A1A, 0xFFFFFF,
        0xFFFFFF, 0x1A1A1A, 0xFFFFFF,
        0x000000, 0xFFFFFF, 0xFFFFFF,
        0xC0C0C0, 0x000000, 0x3FF23F, 0x000000, 0x1A1A1A,
    });
    return t;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

const TTheme*& Current() {
    static const TTheme* current = &StartupTheme(std::getenv("ZYN_THEME"));
    return current;
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

const std::vector<const TTheme*>& Themes() {
    static const TTheme light = MakeLight(), dark = MakeDark(), high = MakeHighContrast();
    static const std::vector<const TTheme*> all{&light, &dark, &high};
    return all;
}

const TTheme& LightTheme() { return *Themes().front(); }

const TTheme* FindTheme(const std::string& Name) {
    for (const TTheme* t : Themes())
        if (SameNameIgnoringCase(t->Name, Name)) return t;
    return nullptr;
}

const TTheme& StartupTheme(const char* Name) {
    if (Name == nullptr || *Name == '\0') return LightTheme();
    if (const TTheme* named = FindTheme(Name)) return *named;
    // A mistyped name must not pass unnoticed, nor stop the program.
    std::string known;
    for (const TTheme* t : Themes()) known += (known.empty() ? "" : ", ") + t->Name;
    std::fprintf(stderr, "ZYN_THEME: unknown theme \"%s\" (known: %s); using %s\n", Name, known.c_str(),
                 LightTheme().Name.c_str());
    return LightTheme();
}

const TTheme& CurrentTheme() { return *Current(); }

void SelectTheme(const TTheme& Theme) {
    Current() = &Theme;
    ResetSysColors();
}

TColor ThemeColor(TThemeRole Role) {
    if (Role >= trRoleCount) return clBlack;
    return CurrentTheme().Roles[Role];
}

double RelativeLuminance(TColor Color) {
    const TColor c = ColorToRGB(Color);
    return 0.2126 * Linear(GetRValue(c)) + 0.7152 * Linear(GetGValue(c)) +
           0.0722 * Linear(GetBValue(c));
}

double ContrastRatio(TColor A, TColor B) {
    double la = RelativeLuminance(A), lb = RelativeLuminance(B);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

}  // namespace vcl
