// The numeric label on a form: setters and repaints, the overflow rule, the application's
// last word on the text, the mouse area, and the picture probed at its fixed coordinates.
#include <gtest/gtest.h>

#include <string>

#include "platform/Testing.h"
#include "tests/numlab/NumLabFixture.h"

using namespace vcl;
using namespace zyn;
using zyn_test::NumLabTest;

namespace {

constexpr TColor White = 0xFFFFFF, Black = 0, Gray = 0x808080, Yellow = 0x00FFFF, Red = 0x0000FF;
const TColor Face = ColorToRGB(clBtnFace) & 0xFFFFFF;
const TColor Shadow = ColorToRGB(clBtnShadow) & 0xFFFFFF;

}  // namespace

TEST(NumLabModel, InitialStateAndBoundedSetters) {
    TNumLab l(nullptr);
    EXPECT_EQ(l.GetWidth(), 160);
    EXPECT_EQ(l.GetHeight(), 28);
    EXPECT_EQ(l.GetDTFormat(), "mmm-dd, yyyy");
    EXPECT_EQ(l.GetOverflowIndicator(), "*********");
    l.SetPrecision(-1);
    EXPECT_EQ(l.GetPrecision(), 2);
    l.SetPrecision(20);
    EXPECT_EQ(l.GetPrecision(), 15);
    l.SetLeftSpace(-4);
    EXPECT_EQ(l.GetLeftSpace(), 35);
    l.SetLeftSpace(500);
    EXPECT_EQ(l.GetLeftSpace(), 160);
}

TEST_F(NumLabTest, RepaintsOnlyForChanges) {
    const int before = vcl::Testing::PaintCount(lab);
    lab->SetValue(0);
    lab->SetPrecision(2);
    lab->SetLeftText("");
    lab->SetDisplayType(dtFixP);
    EXPECT_EQ(vcl::Testing::PaintCount(lab), before);
    lab->SetValue(1.5);
    EXPECT_EQ(vcl::Testing::PaintCount(lab), before + 1);   // at once, not on the next pass
    lab->SetPrecision(3);
    EXPECT_EQ(vcl::Testing::PaintCount(lab), before + 2);
}

TEST_F(NumLabTest, OverflowIndicatorAndTheApplicationsText) {
    lab->SetValue(3.14159);
    EXPECT_EQ(lab->DisplayedText(), "3.14");
    lab->SetValue(1e12);
    EXPECT_GT(TextWidth("1000000000000.00"), 80 - 6);
    EXPECT_EQ(lab->DisplayedText(), "*********");
    lab->SetOverflowIndicator("--");
    EXPECT_EQ(lab->DisplayedText(), "--");
    // A state text is never replaced, however wide.
    lab->SetDisplayType(dtState);
    lab->SetStateText("calibration running");
    EXPECT_EQ(lab->DisplayedText(), "calibration running");
    // The application sees the text before it is measured.
    lab->SetDisplayType(dtFixP);
    lab->SetValue(2);
    lab->SetOnBeforeDisplay([](TObject* Sender, std::string& Text) {
        EXPECT_NE(Sender, nullptr);
        Text += " V";
    });
    EXPECT_EQ(lab->DisplayedText(), "2.00 V");
    lab->SetOnBeforeDisplay([](TObject*, std::string& Text) { Text = std::string(40, '8'); });
    EXPECT_EQ(lab->DisplayedText(), "--");
    // A date beyond the calendar overflows.
    lab->SetOnBeforeDisplay(nullptr);
    lab->SetDisplayType(dtDateTime);
    lab->SetValue(1e30);
    EXPECT_EQ(lab->DisplayedText(), "--");
    lab->SetEmpty(true);
    EXPECT_EQ(lab->DisplayedText(), "");
}

TEST_F(NumLabTest, MouseAreaCode) {
    const std::pair<int, int> cases[] = {{5, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}, {199, 2}};
    for (auto [x, code] : cases) {
        Input::MouseMove(lab, x, 10);
        EXPECT_EQ(lab->GetMouseAreaCode(), code) << x;
    }
}

TEST_F(NumLabTest, SunkenBoxWithTheNumberInTheMiddle) {
    // Box (36, 0) .. (115, 26): gray top and left, white bottom and right, filled inside.
    EXPECT_EQ(Pixel(36, 10), Gray);
    EXPECT_EQ(Pixel(60, 0), Gray);
    EXPECT_EQ(Pixel(115, 10), White);
    EXPECT_EQ(Pixel(60, 26), White);
    EXPECT_EQ(Pixel(40, 3), Face);
    EXPECT_EQ(Pixel(35, 10), Face);
    EXPECT_EQ(Pixel(60, 27), Face);
    lab->SetValue(12.5);
    const int tw = TextWidth("12.50"), th = TextHeight(), yt = (28 - th) / 2;
    const int x = 35 + (80 - tw) / 2 + 2;
    EXPECT_TRUE(Ink(x, yt, x + tw, yt + th, Face));
    EXPECT_TRUE(Any(x, yt, x + tw, yt + th, Black));
    EXPECT_FALSE(Ink(38, 2, x, 25, Face));
    EXPECT_FALSE(Ink(x + tw + 1, 2, 114, 25, Face));
    lab->SetAlignment(taRightJustify);
    EXPECT_TRUE(Ink(35 + 80 - tw - 2, yt, 35 + 80 - 2, yt + th, Face));
    EXPECT_FALSE(Ink(38, 2, 35 + 80 - tw - 2, 25, Face));
    lab->SetAlignment(taLeftJustify);
    EXPECT_TRUE(Ink(39, yt, 39 + tw, yt + th, Face));
    EXPECT_FALSE(Ink(39 + tw + 1, 2, 114, 25, Face));
}

TEST_F(NumLabTest, FrameStylesAndBoxColour) {
    lab->SetColorLabBakG(clWhite);
    lab->SetFrameStyle(frNone);
    EXPECT_EQ(Pixel(36, 10), White);    // the whole rectangle takes the box colour
    EXPECT_EQ(Pixel(115, 26), White);
    EXPECT_EQ(Pixel(116, 10), Face);
    lab->SetFrameStyle(frSingle);
    EXPECT_EQ(Pixel(36, 10), Black);
    EXPECT_EQ(Pixel(115, 10), Black);
    EXPECT_EQ(Pixel(37, 10), White);
    lab->SetFrameStyle(frSunkenDouble);
    EXPECT_EQ(Pixel(36, 10), Gray);
    EXPECT_EQ(Pixel(37, 10), Black);
    EXPECT_EQ(Pixel(38, 10), White);
}

TEST_F(NumLabTest, EmptyKeepsFrameAndTexts) {
    lab->SetLeftText("U");
    lab->SetRightText("V");
    lab->SetValue(230);
    lab->SetEmpty(true);
    const int th = TextHeight(), yt = (28 - th) / 2;
    EXPECT_FALSE(Ink(38, 2, 114, 25, Face));
    EXPECT_EQ(Pixel(36, 10), Gray);
    EXPECT_TRUE(Ink(35 - 5 - TextWidth("U"), yt, 30, yt + th, Face));
    EXPECT_TRUE(Ink(122, yt, 122 + TextWidth("V"), yt + th, Face));
}

TEST_F(NumLabTest, ColoursEnabledAndDisabled) {
    lab->SetValue(8888);
    lab->SetColorLabText(clRed);
    const int th = TextHeight(), yt = (28 - th) / 2;
    EXPECT_TRUE(Any(38, yt, 114, yt + th, Red));
    lab->SetEnabled(false);
    EXPECT_FALSE(Any(38, yt, 114, yt + th, Red));
    EXPECT_TRUE(Any(38, yt, 114, yt + th, Shadow));
    lab->SetColorScheme(schSystem);
    lab->SetFrameStyle(frSunkenDouble);
    // The double frame's lines are the frame colours, whatever the scheme.
    EXPECT_EQ(Pixel(36, 10), Gray);
}

TEST_F(NumLabTest, TransparentLetsTheFormShowThrough) {
    lab->SetLeftText("WWW");
    lab->SetValue(5);
    EXPECT_EQ(Pixel(2, 2), Face);
    lab->SetTransparent(true);
    EXPECT_EQ(Pixel(2, 2), Yellow);
    EXPECT_EQ(Pixel(150, 20), Yellow);
    // Black numbers: the inside of the box keeps the box colour.
    EXPECT_EQ(Pixel(40, 3), Face);
    const int th = TextHeight(), yt = (28 - th) / 2;
    EXPECT_TRUE(Any(38, yt, 114, yt + th, Black));
    // A coloured number shows in its colour on the box.
    lab->SetColorLabText(clRed);
    EXPECT_EQ(Pixel(40, 3), Face);
    EXPECT_TRUE(Any(38, yt, 114, yt + th, Red));
    // A shorter side text leaves nothing of the longer one behind.
    const int wide = TextWidth("WWW");
    lab->SetLeftText("i");
    EXPECT_FALSE(Ink(35 - 5 - wide, 0, 35 - 5 - TextWidth("i") - 1, 28, Yellow));
    lab->SetTransparent(false);
    EXPECT_EQ(Pixel(2, 2), Face);
}

TEST(NumLabModel, AssignCopiesAllButFormattingDetailsAndEvent) {
    TNumLab a(nullptr), b(nullptr);
    a.SetLabelWidth(60);
    a.SetPrecision(4);
    a.SetRightText("A");
    a.SetOverflowIndicator("#");
    a.SetValue(1.5);
    a.SetStateText("off");
    a.SetColorLabText(clRed);
    a.SetColorScheme(schSystem);
    a.SetDisplayType(dtEE);
    a.SetComma(true);
    a.SetForcePlusSign(true);
    a.SetDTFormat("yyyy");
    a.SetOnBeforeDisplay([](TObject*, std::string&) {});
    b.Assign(&a);
    EXPECT_EQ(b.GetLabelWidth(), 60);
    EXPECT_EQ(b.GetPrecision(), 4);
    EXPECT_EQ(b.GetRightText(), "A");
    EXPECT_EQ(b.GetOverflowIndicator(), "#");
    EXPECT_EQ(b.GetValue(), 1.5);
    EXPECT_EQ(b.GetStateText(), "off");
    EXPECT_EQ(b.GetColorLabText(), clRed);
    EXPECT_EQ(b.GetColorScheme(), schSystem);
    EXPECT_EQ(b.GetDisplayType(), dtEE);
    EXPECT_FALSE(b.GetComma());
    EXPECT_FALSE(b.GetForcePlusSign());
    EXPECT_EQ(b.GetDTFormat(), "mmm-dd, yyyy");
    EXPECT_FALSE(b.GetOnBeforeDisplay());
}
