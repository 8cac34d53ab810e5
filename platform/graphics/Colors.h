// Colours: TColor values (0x00BBGGRR for fixed colours, 0xFF000000 + index for system
// colours), the named colours, the system colour table and colours as text.
#pragma once

#include <cstdint>
#include <string>

namespace vcl {

using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b) {
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clSystemColor = TColor(0xFF000000u);
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0, clLtGray = 0xC0C0C0, clDkGray = 0x808080;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TColor SysColor(int index) { return TColor(0xFF000000u | unsigned(index)); }
constexpr TColor clScrollBar = SysColor(0), clBackground = SysColor(1),
                 clActiveCaption = SysColor(2), clInactiveCaption = SysColor(3),
                 clMenu = SysColor(4), clWindow = SysColor(5), clWindowFrame = SysColor(6),
                 clMenuText = SysColor(7), clWindowText = SysColor(8),
                 clCaptionText = SysColor(9), clActiveBorder = SysColor(10),
                 clInactiveBorder = SysColor(11), clAppWorkSpace = SysColor(12),
                 clHighlight = SysColor(13), clHighlightText = SysColor(14),
                 clBtnFace = SysColor(15), clBtnShadow = SysColor(16), clGrayText = SysColor(17),
                 clBtnText = SysColor(18), clInactiveCaptionText = SysColor(19),
                 clBtnHighlight = SysColor(20), cl3DDkShadow = SysColor(21),
                 cl3DLight = SysColor(22), clInfoText = SysColor(23), clInfoBk = SysColor(24),
                 clHotLight = SysColor(26), clGradientActiveCaption = SysColor(27),
                 clGradientInactiveCaption = SysColor(28), clMenuHighlight = SysColor(29),
                 clMenuBar = SysColor(30);

constexpr TColor CLR_INVALID = -1;   // what GetPixels answers outside the surface or clip

// System colours resolve through the table of the theme in use (platform/graphics/Theme.h),
// which tests may override entry by entry.
TColor ColorToRGB(TColor Color);
TColor GetSysColor(int Index);                        // 0 for indexes outside 0..30
void SetSysColor(int Index, TColor RGBValue);         // changes the table (tests, themes)
void ResetSysColors();                                // back to the theme's table
std::string ColorToString(TColor Color);              // "clRed", or "$00112233"
TColor StringToColor(const std::string& S);           // name, decimal or $hex; EConvertError
bool IdentToColor(const std::string& Ident, TColor& Color);
bool ColorToIdent(TColor Color, std::string& Ident);

}  // namespace vcl
