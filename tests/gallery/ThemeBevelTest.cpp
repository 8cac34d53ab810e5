// The frames and disabled faces the components draw themselves take the theme's bevel lines
// and disabled colours: the classic white, silver and gray in the light theme, and neither
// white nor silver left over on a dark form.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "colsel/Zyn_Colsel.h"
#include "marksel/Zyn_marksel.h"
#include "numio/Zyn_NumIO2.h"
#include "numlab/Zyn_NumLab.h"
#include "onoffbut/Zyn_onoffbut.h"
#include "platform/Themes.h"
#include "rotlab/Zyn_RotLab.h"
#include "sevenseg/Zyn_sevenseg.h"
#include "support/FormFixture.h"

using namespace vcl;
using namespace zyn;

namespace {

class ThemeBevels : public zyn_test::FormFixture {
protected:
    void TearDown() override {
        Application->SetTheme("light");
        FormFixture::TearDown();
    }

    // Pixels of Control's own picture in Colour.
    static int Count(TControl* Control, TColor Colour) {
        auto bmp = Render(Control);
        int n = 0;
        for (int y = 0; y < bmp->GetHeight(); ++y)
            for (int x = 0; x < bmp->GetWidth(); ++x)
                if ((Pixel(bmp.get(), x, y) & 0xFFFFFF) == Colour) ++n;
        return n;
    }
};

TEST_F(ThemeBevels, FramesAndDisabledFacesLeaveNoWhiteOrSilverOnDark) {
    std::vector<std::pair<std::string, TControl*>> controls;
    auto* field = Place<TNumIO2>(10, 10, 200, 30);
    field->SetEnabled(false);   // the silver box of a disabled field
    controls.emplace_back("disabled TNumIO2", field);
    auto* label = Place<TNumLab>(10, 50, 200, 30);
    label->SetFrameStyle(frRaisedDouble);
    label->SetEmpty(true);   // no number, whose smoothed edges may hold any grey
    controls.emplace_back("TNumLab", label);
    auto* marks = Place<TMarkSel>(10, 90, 180, 120);
    marks->SetEnabled(false);
    controls.emplace_back("disabled TMarkSel", marks);
    auto* colours = Place<TColSel>(220, 180, 150, 22);
    colours->LoadBasicVGAPalette();
    colours->SetSelColor(clGray);
    colours->SetEnabled(false);
    controls.emplace_back("disabled TColSel", colours);
    auto* caption = Place<TRotLab>(220, 10, 100, 60);
    caption->SetFrameStyle(frRaisedDouble);
    caption->SetCaption("12");
    caption->SetTransparent(false);   // its own face, not the white the picture starts from
    controls.emplace_back("TRotLab", caption);
    auto* display = Place<TSevenSeg>(220, 80, 100, 40);
    display->SetFrameStyle(frRaised);
    controls.emplace_back("TSevenSeg", display);
    Application->ProcessMessages();

    const TColor white = 0xFFFFFF, silver = 0xC0C0C0;
    for (auto& [name, c] : controls)
        EXPECT_GT(Count(c, white) + Count(c, silver), 0) << name << ": the light picture keeps the classic bevel";
    Application->SetTheme("dark");
    Application->ProcessMessages();
    for (auto& [name, c] : controls) {
        EXPECT_EQ(Count(c, white), 0) << name << " in dark";
        EXPECT_EQ(Count(c, silver), 0) << name << " in dark";
    }
}

TEST_F(ThemeBevels, DrawnUserPicturesFollowTheThemeAndGivenOnesStay) {
    auto* drawn = Place<TOnOffBut>(10, 10, 60, 40);
    drawn->SetButtonStyle(oobsUser);
    auto* given = Place<TOnOffBut>(80, 10, 60, 40);
    given->SetButtonStyle(oobsUser);
    TBitmap sheet;   // a white sheet of four 10 x 10 pictures
    sheet.SetSize(20, 20);
    sheet.GetCanvas()->GetBrush()->SetColor(clWhite);
    sheet.GetCanvas()->FillRect(Rect(0, 0, 20, 20));
    given->SetUserGlyph(&sheet);
    Application->ProcessMessages();
    const TColor white = 0xFFFFFF;
    EXPECT_GT(Count(drawn, white), 0) << "light: the cross and circle on white";
    Application->SetTheme("dark");
    Application->ProcessMessages();
    EXPECT_EQ(Count(drawn, white), 0) << "dark: no white box";
    EXPECT_GT(Count(drawn, ColorToRGB(ThemeColor(trWindow)) & 0xFFFFFF), 0) << "dark: on the window colour";
    EXPECT_GE(Count(given, white), 100) << "the program's picture stays as given";
    Application->SetTheme("light");
    Application->ProcessMessages();
    EXPECT_GT(Count(drawn, white), 0) << "back in light";
}

TEST_F(ThemeBevels, BevelLinesAreTheClassicOnesInLight) {
    const TBevelLines light = BevelLines();
    EXPECT_EQ(light.Light, clWhite);
    EXPECT_EQ(light.Face, clSilver);
    EXPECT_EQ(light.Shadow, clGray);
    EXPECT_EQ(light.Dark, clBlack);
    for (const char* name : {"dark", "high-contrast"}) {
        Application->SetTheme(name);
        const TBevelLines b = BevelLines();
        EXPECT_EQ(b.Light, ThemeColor(trLineLight)) << name;
        EXPECT_EQ(b.Face, ThemeColor(trLineFace)) << name;
        // The lit line stands apart from the face it is drawn on.
        EXPECT_NE(b.Light, ColorToRGB(clBtnFace)) << name;
    }
}

}  // namespace
