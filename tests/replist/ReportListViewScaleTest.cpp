// The report list on a form scaled to 192 dpi: its check boxes and radio marks are the
// artwork drawn for that density, placed by the 96 dpi box doubled, and the press that
// switches a mark reaches over the larger box.
#include <string>

#include "ReportListViewSupport.h"
#include "framework/Zyn_conventions.h"
#include "platform/Forms.h"
#include "platform/Win32.h"

using namespace zyn;
using rlv_test::ViewTest;
using vcl::GetBValue;
using vcl::GetGValue;
using vcl::GetRValue;
using vcl::TColor;

namespace {

class ScaleTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        FillNamed(3, 3);
        view->SetColCheckMode(2, cmBox);
        view->SetColCheckMode(3, cmRadio);
        view->SetElemChecked(2, 1, true);
        view->SetElemChecked(3, 1, true);
        form->ScaleBy(192, 96);
        Flush();
    }
    // Compares every fully covered pixel of one state cell (Cx, Cy) of the named sheet with
    // the view's picture at the cell's top-left (X, Y); returns how many were compared and
    // counts the ones that differ.
    // The sheet is taken in the theme's window colours, as the view shows it.
    int Compare(const std::string& Name, int Cx, int Cy, int X, int Y, int& Differing) {
        vcl::TBitmap sheet, alpha;
        sheet.LoadFromResourceName(vcl::HInstance, Name + "@200");
        alpha.LoadFromResourceName(vcl::HInstance, Name + "_ALPHA@200");
        sheet.SetPixelFormat(vcl::pf32bit);
        ThemeArtwork(&sheet, vcl::clNone);
        const int gw = sheet.GetWidth() / 2, gh = sheet.GetHeight() / 2;
        int compared = 0;
        Differing = 0;
        for (int y = 0; y < gh; ++y)
            for (int x = 0; x < gw; ++x) {
                if ((alpha.GetCanvas()->GetPixels(Cx * gw + x, Cy * gh + y) & 0xFF) != 0xFF) continue;
                ++compared;
                Differing += Pixel(X + x, Y + y) != (sheet.GetCanvas()->GetPixels(Cx * gw + x, Cy * gh + y) & 0xFFFFFF);
            }
        return compared;
    }
};

}  // namespace

TEST_F(ScaleTest, TheMarksAreTheArtworkOfTwiceTheDensity) {
    ASSERT_EQ(form->GetPixelsPerInch(), 192);
    int differing = 0;
    // The 96 dpi box starts 4 pixels into the cell and its artwork a pixel before: 6 at 2x.
    const vcl::TRect on = Cell(2, 1), off = Cell(2, 2), radio = Cell(3, 1);
    EXPECT_GT(Compare("CHECKBOX", 0, 0, on.Left + 6, on.Top + 6, differing), 500);
    EXPECT_EQ(differing, 0) << "checked box";
    EXPECT_GT(Compare("CHECKBOX", 1, 0, off.Left + 6, off.Top + 6, differing), 500);
    EXPECT_EQ(differing, 0) << "empty box";
    EXPECT_GT(Compare("RADIOBUT", 0, 0, radio.Left + 6, radio.Top + 6, differing), 300);
    EXPECT_EQ(differing, 0) << "radio mark";
    // The 32 pixel glyph ends inside the doubled room of 16 pixels: the cell's ground shows
    // between it and the text.
    EXPECT_EQ(Pixel(off.Left + 6 + 32 + 1, off.Top + 6 + 16), 0xFFFFFFu);
    // The artwork's box ends 35 pixels in (its shadow 37); the text keeps the 96 dpi gap of
    // five pixels, doubled, after the box: nothing but ground up to 45 pixels in, then text.
    int inGap = 0, pastGap = 0;
    for (int y = off.Top; y < off.Bottom; ++y) {
        for (int x = off.Left + 37; x < off.Left + 45; ++x) inGap += Pixel(x, y) != 0xFFFFFFu;
        for (int x = off.Left + 45; x < off.Right; ++x) pastGap += Pixel(x, y) != 0xFFFFFFu;
    }
    EXPECT_EQ(inGap, 0);
    EXPECT_GT(pastGap, 20);
}

// On a dark theme the marks are dark boxes, not the light artwork: the fully covered pixels
// are the sheet in the theme's colours, and the box's inside is darker than its frame.
TEST_F(ScaleTest, OnADarkThemeTheMarksTakeTheWindowColours) {
    vcl::Application->SetTheme("dark");
    view->Invalidate();
    int differing = 0;
    const vcl::TRect on = Cell(2, 1), off = Cell(2, 2);
    EXPECT_GT(Compare("CHECKBOX", 1, 0, off.Left + 6, off.Top + 6, differing), 500);
    EXPECT_EQ(differing, 0) << "empty box";
    EXPECT_GT(Compare("CHECKBOX", 0, 0, on.Left + 6, on.Top + 6, differing), 500);
    EXPECT_EQ(differing, 0) << "checked box";
    const TColor inside = Pixel(off.Left + 6 + 16, off.Top + 6 + 16);
    EXPECT_LT(GetRValue(inside) + GetGValue(inside) + GetBValue(inside), 3 * 0x60);
    vcl::Application->SetTheme("light");
    view->Invalidate();
    EXPECT_GT(Compare("CHECKBOX", 1, 0, off.Left + 6, off.Top + 6, differing), 500);
    EXPECT_EQ(differing, 0) << "empty box, light again";
    const TColor light = Pixel(off.Left + 6 + 16, off.Top + 6 + 16);
    EXPECT_GT(GetRValue(light) + GetGValue(light) + GetBValue(light), 3 * 0xC0);
}

TEST_F(ScaleTest, ADisabledRowShowsTheDisabledArtwork) {
    view->SetRowEnabled(1, false);
    int differing = 0;
    const vcl::TRect on = Cell(2, 1);
    // The disabled cells are drawn faded (no pixel fully covered): the enabled mark is gone.
    const int compared = Compare("CHECKBOX", 0, 0, on.Left + 6, on.Top + 6, differing);
    EXPECT_GT(differing, compared / 2);
}

TEST_F(ScaleTest, APressOnTheRightHalfOfTheLargerBoxSwitchesIt) {
    ASSERT_FALSE(view->GetElemChecked(2, 2));
    // 30 pixels in: inside the 36 pixel reach of the doubled box, past the 18 of 96 dpi.
    ClickCell(2, 2, {}, 30);
    EXPECT_TRUE(view->GetElemChecked(2, 2));
    // Past the reach the press only selects.
    ClickCell(2, 3, {}, 40);
    EXPECT_FALSE(view->GetElemChecked(2, 3));
}
