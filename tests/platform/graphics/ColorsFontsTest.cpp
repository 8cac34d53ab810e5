#include <gtest/gtest.h>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Win32.h"

using namespace vcl;

namespace {

// ---- colours -------------------------------------------------------------------------------

TEST(ColorTest, SystemColoursResolveThroughAnOverridableTable) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
    EXPECT_EQ(ColorToRGB(clHighlight), 0xD77800);
    EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFF);
    EXPECT_EQ(ColorToRGB(clMenuBar), 0xF0F0F0);
    EXPECT_EQ(ColorToRGB(SysColor(25)), 0);
    EXPECT_EQ(ColorToRGB(SysColor(99)), 0);        // outside the table
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);          // not colours: passed through
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    SetSysColor(15, clRed);
    EXPECT_EQ(ColorToRGB(clBtnFace), clRed);
    ResetSysColors();
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
}

TEST(ColorTest, ColorToStringUsesTheNameTableOrEightHexDigits) {
    EXPECT_EQ(ColorToString(0xC0C0C0), "clSilver");
    EXPECT_EQ(ColorToString(clLtGray), "clSilver");   // aliases have no name of their own
    EXPECT_EQ(ColorToString(clDkGray), "clGray");
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(ColorToString(TColor(0xFF000000u + 99)), "$FF000063");
    EXPECT_EQ(ColorToString(clNone), "clNone");
    EXPECT_EQ(ColorToString(clDefault), "clDefault");
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clHotLight), "clHotLight");
    EXPECT_EQ(ColorToString(cl3DDkShadow), "cl3DDkShadow");
    EXPECT_EQ(ColorToString(0xABCDEF), "$00ABCDEF");
}

TEST(ColorTest, NamesRoundTrip) {
    const TColor all[] = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
                          clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite,
                          clMoneyGreen, clSkyBlue, clCream, clMedGray, clActiveBorder, clActiveCaption,
                          clAppWorkSpace, clBackground, clBtnFace, clBtnHighlight, clBtnShadow, clBtnText,
                          clCaptionText, clDefault, clGradientActiveCaption, clGradientInactiveCaption,
                          clGrayText, clHighlight, clHighlightText, clHotLight, clInactiveBorder,
                          clInactiveCaption, clInactiveCaptionText, clInfoBk, clInfoText, clMenu,
                          clMenuBar, clMenuHighlight, clMenuText, clNone, clScrollBar, cl3DDkShadow,
                          cl3DLight, clWindow, clWindowFrame, clWindowText};
    for (TColor c : all) {
        const std::string name = ColorToString(c);
        EXPECT_EQ(name.substr(0, 2), "cl") << c;
        EXPECT_EQ(StringToColor(name), c) << name;
        std::string ident;
        EXPECT_TRUE(ColorToIdent(c, ident));
        TColor back = 0;
        EXPECT_TRUE(IdentToColor(ident, back));
        EXPECT_EQ(back, c);
    }
    for (TColor c : {0x00123456, 0x00FFFFFE, TColor(0xFF000063u), 0x01020304})
        EXPECT_EQ(StringToColor(ColorToString(c)), c);
}

TEST(ColorTest, StringToColorAcceptsAnyCaseDecimalAndHex) {
    EXPECT_EQ(StringToColor("CLRED"), clRed);
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("255"), 255);
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    EXPECT_EQ(StringToColor("$FF00000F"), clBtnFace);
    EXPECT_EQ(StringToColor("$00ff0000"), clBlue);
    EXPECT_EQ(StringToColor("0x0000FF"), clRed);
    TColor unnamed = 0;
    EXPECT_FALSE(IdentToColor("clLtGray", unnamed));
    for (const char* bad : {"", "clNothing", "12z", "$", "$1FFFFFFFF", "99999999999"})
        EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}

TEST(ColorTest, StreamedColourPropertiesUseTheNames) {
    EXPECT_EQ(ColorValueToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorValueFromString("clInfoBk"), clInfoBk);
    EXPECT_EQ(ColorValueFromString("$00010203"), 0x010203);
}

// ---- pens and brushes ------------------------------------------------------------------------

TEST(PenBrushTest, ChangesFireOnChangeOnlyWhenSomethingChanges) {
    TPen pen;
    int changes = 0;
    pen.SetOnChange([&](TObject*) { ++changes; });
    pen.SetColor(clRed);
    pen.SetColor(clRed);
    pen.SetWidth(0);   // becomes 1, the current width
    pen.SetWidth(3);
    pen.SetMode(pmXor);
    pen.SetStyle(psDash);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(pen.GetWidth(), 3);
    TPen copy;
    copy.Assign(&pen);
    EXPECT_EQ(copy.GetColor(), clRed);
    EXPECT_EQ(copy.GetMode(), pmXor);
    EXPECT_EQ(copy.GetStyle(), psDash);
    TBrush brush;
    EXPECT_THROW(copy.Assign(&brush), EConvertError);
}

TEST(PenBrushTest, ClearBrushAndColourQuirks) {
    TBrush brush;
    brush.SetColor(clRed);
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.GetColor(), clWhite);   // clearing resets the colour
    brush.SetColor(clBlue);
    EXPECT_EQ(brush.GetStyle(), bsSolid);   // a colour makes it solid again
    brush.SetStyle(bsClear);
    brush.SetColor(clWhite);
    EXPECT_EQ(brush.GetStyle(), bsSolid);
}

// ---- fonts ---------------------------------------------------------------------------------

TEST(FontTest, DefaultsAndSizeHeightConversion) {
    TFont font;
    EXPECT_EQ(font.GetName(), "Tahoma");
    EXPECT_EQ(font.GetSize(), 8);
    EXPECT_EQ(font.GetHeight(), -11);
    EXPECT_EQ(font.GetColor(), clWindowText);
    const int sizes[][2] = {{8, -11}, {9, -12}, {10, -13}, {11, -15}, {12, -16}, {14, -19},
                            {16, -21}, {18, -24}, {20, -27}, {24, -32}};
    for (auto [size, height] : sizes) {
        font.SetSize(size);
        EXPECT_EQ(font.GetHeight(), height) << size;
        EXPECT_EQ(font.GetSize(), size) << size;
    }
    font.SetHeight(-15);
    EXPECT_EQ(font.GetSize(), 11);
    font.SetHeight(20);   // a cell height reads back as a negative size
    EXPECT_EQ(font.GetSize(), -15);
}

TEST(FontTest, OnChangeAndAssign) {
    TFont font;
    int changes = 0;
    font.SetOnChange([&](TObject*) { ++changes; });
    font.SetName("DejaVu Sans");
    font.SetStyle({fsBold, fsItalic});
    font.SetStyle({fsBold, fsItalic});
    font.SetColor(clRed);
    font.SetOrientation(900);
    font.SetQuality(fqNonAntialiased);
    EXPECT_EQ(changes, 5);
    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.GetName(), "DejaVu Sans");
    EXPECT_EQ(copy.GetStyle(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(copy.GetColor(), clRed);
    EXPECT_EQ(copy.GetOrientation(), 900);
    EXPECT_EQ(copy.GetQuality(), fqNonAntialiased);
}

TEST(FontTest, HandlesCarryALogFontBothWays) {
    TFont font;
    font.SetName("Liberation Serif");
    font.SetSize(12);
    font.SetStyle({fsBold, fsUnderline});
    font.SetOrientation(450);
    LOGFONTW lf;
    ASSERT_EQ(GetObject(font.GetHandle(), sizeof(lf), &lf), int(sizeof(lf)));
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfEscapement, 450);
    EXPECT_EQ(std::u16string(lf.lfFaceName), u"Liberation Serif");
    EXPECT_EQ(GetObject(font.GetHandle(), sizeof(lf) - 1, &lf), 0);   // buffer too small
    EXPECT_EQ(GetObject(font.GetHandle(), 0, nullptr), int(sizeof(lf)));

    // A rotated copy made the Win32 way, as components do for vertical captions.
    lf.lfEscapement = lf.lfOrientation = 900;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lf.lfItalic = 1;
    TFont rotated;
    int changes = 0;
    rotated.SetOnChange([&](TObject*) { ++changes; });
    const HFONT h = CreateFontIndirect(lf);
    rotated.SetHandle(h);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(rotated.GetName(), "Liberation Serif");
    EXPECT_EQ(rotated.GetHeight(), -16);
    EXPECT_EQ(rotated.GetOrientation(), 900);
    EXPECT_EQ(rotated.GetQuality(), fqNonAntialiased);
    EXPECT_EQ(rotated.GetStyle(), (TFontStyles{fsBold, fsItalic, fsUnderline}));
    EXPECT_EQ(rotated.GetHandle(), h);   // the font keeps the handle it was given
}

TEST(FontTest, DeletingHandles) {
    LOGFONTW lf;
    lf.lfHeight = -13;
    const HFONT h = CreateFontIndirectW(&lf);
    EXPECT_EQ(DeleteObject(h), TRUE);
    EXPECT_EQ(DeleteObject(h), FALSE);   // already gone
    EXPECT_EQ(GetObjectW(h, sizeof(lf), &lf), 0);
    EXPECT_EQ(DeleteObject(nullptr), FALSE);
    TFont font;
    DeleteObject(font.GetHandle());   // deleted behind the font's back: a new one is made
    ASSERT_NE(GetObject(font.GetHandle(), 0, nullptr), 0);
    font.SetSize(20);   // the old handle is released and a new one describes the font
    LOGFONTW now;
    ASSERT_NE(GetObject(font.GetHandle(), sizeof(now), &now), 0);
    EXPECT_EQ(now.lfHeight, -27);
    EXPECT_EQ(SetWindowTheme(nullptr, u"", u""), S_OK);
    EXPECT_EQ(MulDiv(-11, 72, 96), -8);
}

}  // namespace
