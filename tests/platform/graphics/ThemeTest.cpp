// The theme tables: light is the classic palette entry by entry; the contrast ratio
// follows WCAG 2; every text role of the dark theme reads at 4.5:1 and of the high-contrast
// theme at 7:1 on the surfaces it is drawn on; selecting a theme swaps the system colours.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Theme.h"

using namespace vcl;

namespace {

// What ColorToRGB answered for system colours 0..30 before themes existed (BGR).
const TColor kClassic[31] = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0,
};

// Text roles and the surfaces each is drawn on.
const std::vector<std::pair<TThemeRole, TThemeRole>> kTextPairs = {
    {trWindowText, trWindow},       {trWindowText, trAlternateRow}, {trFaceText, trFace},
    {trFaceText, trButtonFace},     {trFaceText, trButtonHotFace},  {trFaceText, trButtonDownFace},
    {trFaceText, trMenuFace},       {trHighlightText, trHighlight}, {trMenuHotText, trMenuHot},
    {trSelectionInactiveText, trSelectionInactive},                 {trCaptionText, trCaption},
    {trAlertText, trWindow},        {trAlertText, trFace},          {trAlertText, trWarnBack},
    {trMarkText, trWindow},         {trAccent, trWindow},           {trDisabledText, trWindow},
    {trDisabledText, trFace},       {trFaceText, trButtonCheckedFace},
};

TEST(Theme, LightIsTheClassicPaletteAndTheDefault) {
    ASSERT_EQ(&CurrentTheme(), &LightTheme());
    for (int i = 0; i < 31; ++i) {
        EXPECT_EQ(LightTheme().SysColors[std::size_t(i)], kClassic[i]) << "system colour " << i;
        EXPECT_EQ(ColorToRGB(SysColor(i)), kClassic[i]) << "system colour " << i;
    }
    EXPECT_EQ(ThemeColor(trGridLine), clSilver);
    EXPECT_EQ(ThemeColor(trHighlight), ColorToRGB(clHighlight));
}

TEST(Theme, NamesAndOrder) {
    ASSERT_EQ(Themes().size(), 3u);
    EXPECT_EQ(Themes()[0]->Name, "light");
    EXPECT_EQ(Themes()[1]->Name, "dark");
    EXPECT_EQ(Themes()[2]->Name, "high-contrast");
    EXPECT_EQ(FindTheme("High-Contrast"), Themes()[2]);
    EXPECT_EQ(FindTheme("darker"), nullptr);
    EXPECT_EQ(FindTheme(""), nullptr);
}

TEST(Theme, ContrastRatioFollowsWcag) {
    EXPECT_NEAR(ContrastRatio(clBlack, clWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(clWhite, clBlack), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(clRed, clRed), 1.0, 1e-9);
    EXPECT_NEAR(RelativeLuminance(clRed), 0.2126, 1e-4);
    EXPECT_NEAR(RelativeLuminance(clLime), 0.7152, 1e-4);
    EXPECT_NEAR(RelativeLuminance(clBlue), 0.0722, 1e-4);
    // Mid grey (0x777777) on white is the textbook case just above 4.47:1.
    EXPECT_NEAR(ContrastRatio(RGB(0x77, 0x77, 0x77), clWhite), 4.48, 0.01);
    // System colours are resolved first.
    EXPECT_NEAR(ContrastRatio(clWindowText, clWindow), 21.0, 1e-9);
}

TEST(Theme, TextRolesReadInTheDarkThemes) {
    for (const char* name : {"dark", "high-contrast"}) {
        const TTheme& t = *FindTheme(name);
        const double need = t.Name == "high-contrast" ? 7.0 : 4.5;
        for (auto [text, back] : kTextPairs)
            EXPECT_GE(ContrastRatio(t.Roles[text], t.Roles[back]), need)
                << name << ": role " << int(text) << " on role " << int(back);
        // The system colours' own text pairs.
        const auto sys = [&](TColor c) { return t.SysColors[std::size_t(c & 0xFF)]; };
        for (auto [text, back] : std::vector<std::pair<TColor, TColor>>{
                 {clWindowText, clWindow}, {clBtnText, clBtnFace}, {clHighlightText, clHighlight},
                 {clMenuText, clMenu}, {clInfoText, clInfoBk}, {clCaptionText, clActiveCaption},
                 {clGrayText, clWindow}, {clGrayText, clBtnFace}})
            EXPECT_GE(ContrastRatio(sys(text), sys(back)), need) << name << ": system colours " << (text & 0xFF)
                                                                 << " on " << (back & 0xFF);
        EXPECT_TRUE(t.Dark);
        // The role mirrors agree with the system colours they mirror.
        EXPECT_EQ(t.Roles[trWindow], sys(clWindow)) << name;
        EXPECT_EQ(t.Roles[trWindowText], sys(clWindowText)) << name;
        EXPECT_EQ(t.Roles[trFace], sys(clBtnFace)) << name;
        EXPECT_EQ(t.Roles[trHighlight], sys(clHighlight)) << name;
    }
}

TEST(Theme, SelectingSwapsTheSystemColoursAndDropsOverrides) {
    SetSysColor(15, clRed);
    SelectTheme(*FindTheme("dark"));
    EXPECT_EQ(ColorToRGB(clBtnFace), FindTheme("dark")->SysColors[15]);
    EXPECT_EQ(ThemeColor(trAccent), FindTheme("dark")->Roles[trAccent]);
    SelectTheme(LightTheme());
    EXPECT_EQ(ColorToRGB(clBtnFace), kClassic[15]);
}

}  // namespace

TEST(Theme, StartupThemeTakesKnownNamesAndReportsOthers) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(&StartupTheme(nullptr), &LightTheme());
    EXPECT_EQ(&StartupTheme(""), &LightTheme());
    EXPECT_EQ(&StartupTheme("Dark"), FindTheme("dark"));
    EXPECT_EQ(&StartupTheme("HIGH-CONTRAST"), FindTheme("high-contrast"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    testing::internal::CaptureStderr();
    EXPECT_EQ(&StartupTheme("solarized"), &LightTheme());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ZYN_THEME: unknown theme \"solarized\" (known: light, dark, high-contrast); using light\n");
}
