// The numeric control's picture, probed at the coordinates its geometry fixes: the text box
// in each frame style and state, the buttons, the gauge, side texts, caret and selection.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "tests/numio/NumIO2Fixture.h"

using namespace vcl;
using namespace zyn;

namespace {

constexpr TColor White = 0xFFFFFF, Black = 0, Gray = 0x808080, Silver = 0xC0C0C0, Navy = 0x800000;
const TColor Face = ColorToRGB(clBtnFace) & 0xFFFFFF;
constexpr TColor PaleYellow = 0x88FFF0;   // the RGB bytes of the warning ground

class NumIO2PaintTest : public zyn_test::NumIO2Test {
protected:
    int TextWidth(const std::string& S) {
        probe.GetCanvas()->SetFont(n->GetFont());
        return probe.GetCanvas()->TextWidth(S);
    }
    int TextHeight() {
        probe.GetCanvas()->SetFont(n->GetFont());
        return probe.GetCanvas()->TextHeight("(8g]}ÜÄ§");
    }
    // Whether a pixel of the rectangle [L, R) x [T, B) of the control is within 40 of C in
    // every channel (text is drawn with smoothed edges).
    bool Any(int L, int T, int R, int B, TColor C) {
        const auto near = [](TColor A, TColor B) {
            for (int shift = 0; shift < 24; shift += 8)
                if (std::abs(int((A >> shift) & 0xFF) - int((B >> shift) & 0xFF)) > 40) return false;
            return true;
        };
        for (int y = T; y < B; ++y)
            for (int x = L; x < R; ++x)
                if (near(Pixel(x, y), C)) return true;
        return false;
    }
    // Whether some pixel of the rectangle differs from C.
    bool Ink(int L, int T, int R, int B, TColor Ground) {
        for (int y = T; y < B; ++y)
            for (int x = L; x < R; ++x)
                if (Pixel(x, y) != Ground) return true;
        return false;
    }
    TBitmap probe;
};

}  // namespace

TEST_F(NumIO2PaintTest, EachFrameStyleOfTheBox) {
    // The box spans (35, 0) .. (117, 27) on the ground, white inside.
    EXPECT_EQ(Pixel(2, 2), Face);
    EXPECT_EQ(Pixel(50, 0), Gray);
    EXPECT_EQ(Pixel(50, 1), Black);
    EXPECT_EQ(Pixel(40, 5), White);
    EXPECT_EQ(Pixel(118, 10), Face);
    struct Want { TColor outer, inner, below, right; };
    const Want wants[] = {
        {White, White, White, Face},   // none: the rectangle in the box colour, to the bottom
        {Gray, White, Gray, Face},     // single: gray to the bottom
        {Gray, Black, White, White},   // sunken
        {Gray, White, Black, Black},   // raised
        {White, Gray, Gray, Gray},     // double sunken: white rectangle, gray edges
        {Gray, White, White, White},   // double raised
    };
    for (int s = 0; s <= 5; ++s) {
        n->SetFrameStyle(TFrameStyle(s));
        EXPECT_EQ(Pixel(35, 10), wants[s].outer) << s;
        EXPECT_EQ(Pixel(36, 10), wants[s].inner) << s;
        EXPECT_EQ(Pixel(50, 27), wants[s].below) << s;
        EXPECT_EQ(Pixel(117, 10), wants[s].right) << s;
    }
    // The system scheme draws the gray edges in the shadow colour.
    n->SetColorScheme(schSystem);
    n->SetFrameStyle(frSingle);
    EXPECT_EQ(Pixel(35, 10), ColorToRGB(clBtnShadow) & 0xFFFFFF);
}

TEST_F(NumIO2PaintTest, OutOfRangeAndDisabledColours) {
    n->SetValue(2000);
    EXPECT_EQ(Pixel(40, 4), PaleYellow);
    const int tw = TextWidth(n->GetText());
    const int x = 35 + (80 - tw) / 2 + 2, yt = (28 - TextHeight()) / 2;
    EXPECT_TRUE(Any(x, yt, x + tw, yt + TextHeight(), TColor(0x0000FF)));
    n->SetFrameStyle(frNone);
    EXPECT_EQ(Pixel(35, 10), PaleYellow);   // the pen takes the warning colour too
    n->SetValue(20);
    EXPECT_EQ(Pixel(40, 4), White);
    EXPECT_FALSE(Any(x, yt, x + tw, yt + TextHeight(), TColor(0x0000FF)));
    n->SetEnabled(false);
    EXPECT_EQ(Pixel(40, 4), Silver);
    EXPECT_EQ(Pixel(35, 10), Silver);
    EXPECT_TRUE(Any(x, yt, x + tw, yt + TextHeight(), Gray));
    EXPECT_FALSE(Any(x, yt, x + tw, yt + TextHeight(), Black));
}

TEST_F(NumIO2PaintTest, ButtonsWithArrows) {
    n->SetButVisible(true);
    // x0 = 118, half height 14, centre 127.
    EXPECT_EQ(Pixel(118, 10), Gray);
    EXPECT_EQ(Pixel(136, 10), Gray);
    EXPECT_EQ(Pixel(128, 13), Gray);    // the split
    EXPECT_EQ(Pixel(119, 10), White);   // 3-D edges
    EXPECT_EQ(Pixel(128, 14), White);
    EXPECT_EQ(Pixel(128, 1), White);
    EXPECT_EQ(Pixel(137, 10), Black);
    EXPECT_EQ(Pixel(128, 27), Black);
    EXPECT_EQ(Pixel(124, 4), Silver);   // the face
    // Up arrow rows 6..8: 2, 4 and 6 pixels; down arrow rows 21..19.
    for (auto [row, from, to] : {std::tuple{6, 127, 128}, {8, 125, 130}, {21, 127, 128}, {19, 125, 130}}) {
        EXPECT_EQ(Pixel(from - 1, row), Silver) << row;
        for (int x = from; x <= to; ++x) EXPECT_EQ(Pixel(x, row), Black) << row << " " << x;
        EXPECT_EQ(Pixel(to + 1, row), Silver) << row;
    }
    n->SetBut3D(false);
    EXPECT_EQ(Pixel(119, 10), Silver);
    EXPECT_EQ(Pixel(137, 10), Face);
    n->SetEnabled(false);
    EXPECT_EQ(Pixel(127, 6), Gray);
}

TEST_F(NumIO2PaintTest, GaugeBarAndFrame) {
    n->SetBounds(Left, Top, 200, 40);
    n->SetGaugeVisible(true);
    n->SetValue(250);
    // Band rows 31..38, columns 35..116; 20 of 82 pixels filled (82 x 0.25 rounded to even).
    EXPECT_EQ(Pixel(40, 35), Navy);
    EXPECT_EQ(Pixel(54, 35), Navy);
    EXPECT_EQ(Pixel(55, 35), Silver);
    EXPECT_EQ(Pixel(35, 35), Gray);     // frame
    EXPECT_EQ(Pixel(70, 31), Gray);
    EXPECT_EQ(Pixel(36, 35), Black);    // sunken bevel
    EXPECT_EQ(Pixel(70, 32), Black);
    EXPECT_EQ(Pixel(117, 35), White);
    EXPECT_EQ(Pixel(70, 39), White);
    // The text box ends above the band.
    EXPECT_EQ(Pixel(36, 10), Black);
    EXPECT_EQ(Pixel(50, 27), White);
    EXPECT_EQ(Pixel(50, 28), Face);
    n->SetValue(5000);
    EXPECT_EQ(Pixel(110, 35), Navy);
    n->SetGaugeFrameStyle(frNone);
    EXPECT_EQ(Pixel(35, 33), Navy);
    EXPECT_EQ(Pixel(117, 35), Face);
    n->SetValue(-1);
    EXPECT_EQ(Pixel(35, 33), Silver);
    n->SetEnabled(false);
    n->SetValue(500);
    EXPECT_EQ(Pixel(40, 35), Gray);
}

TEST_F(NumIO2PaintTest, SideTextsByAlignment) {
    n->SetLeftText("Rate");
    n->SetRightText("kHz");
    const int th = TextHeight(), yt = (28 - th) / 2;
    const int lw = TextWidth("Rate"), rw = TextWidth("kHz");
    // Right-aligned left text ends 5 pixels before the box; left-aligned right text starts 7
    // pixels after it.
    EXPECT_TRUE(Ink(35 - lw - 5, yt, 35 - 5, yt + th, Face));
    EXPECT_FALSE(Ink(0, 0, 35 - lw - 5, 28, Face));
    EXPECT_FALSE(Ink(30, 0, 35, 28, Face));
    EXPECT_TRUE(Ink(122, yt, 122 + rw, yt + th, Face));
    EXPECT_FALSE(Ink(118, 0, 122, 28, Face));
    EXPECT_FALSE(Ink(122 + rw, 0, 200, 28, Face));
    n->SetRightTextAlignment(taRightJustify);
    EXPECT_TRUE(Ink(200 - rw - 6, yt, 200 - 6, yt + th, Face));
    EXPECT_FALSE(Ink(118, 0, 200 - rw - 6, 28, Face));
    // Disabled texts are engraved: never black, and lighter than the ground somewhere.
    n->SetEnabled(false);
    EXPECT_FALSE(Any(0, 0, 35, 28, Black));
    bool lighter = false;
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 35; ++x) lighter |= GetGValue(Pixel(x, y)) > GetGValue(Face);
    EXPECT_TRUE(lighter);
}

TEST_F(NumIO2PaintTest, CaretOnlyInTheFocusedFieldAndBlinking) {
    n->SetText("12");
    const int tw = TextWidth("12"), cw = TextWidth("1");
    const int x = 35 + (80 - tw) / 2 + 2;
    n->SetSelBegin(1);   // caret after the first character
    const int caretX = x + cw - 1;
    EXPECT_EQ(Pixel(caretX, 4), White);   // not focused
    n->SetFocus();
    EXPECT_EQ(Pixel(caretX, 3), Black);
    EXPECT_EQ(Pixel(caretX, 4), Black);
    EXPECT_EQ(Pixel(caretX, 24), Black);   // 3 .. Height - 4
    EXPECT_EQ(Pixel(caretX, 25), White);
    EXPECT_EQ(Pixel(caretX, 2), White);
    Application->AdvanceTime(500);
    EXPECT_EQ(Pixel(caretX, 4), White);
}

TEST_F(NumIO2PaintTest, SelectionIsInvertedWhileShown) {
    n->SetAlignment(taLeftJustify);
    n->SetRangeHigh(1e6);
    n->SetText("1234");
    n->SetSelBegin(1);
    n->SetSelEnd(3);
    const int x1 = 35 + 4 + TextWidth("1"), x2 = 35 + 4 + TextWidth("123");
    // Hidden without the focus.
    EXPECT_EQ(Pixel(x1, 4), White);
    n->SetHideSelection(false);
    EXPECT_EQ(Pixel(x1, 4), Black);
    EXPECT_EQ(Pixel(x2 - 1, 4), Black);
    EXPECT_EQ(Pixel(x2, 4), White);
    EXPECT_EQ(Pixel(x1 - 1, 4), White);
    EXPECT_EQ(Pixel(x1, 24), Black);   // rows 3 .. Height - 4
    EXPECT_EQ(Pixel(x1, 25), White);
    EXPECT_EQ(Pixel(x1, 2), White);
}

// At 192 pixels per inch each pixel of the arrows is a 2 x 2 block: up rows 5..10 and down
// rows 16..21 of the same 28-pixel button, 4, 8 and 12 pixels wide.
TEST_F(NumIO2PaintTest, SpinArrowsAreBlocksOfTwoAtTwiceTheDensity) {
    form->SetPixelsPerInch(192);
    n->SetButVisible(true);
    n->Repaint();
    for (auto [row, from, to] : {std::tuple{5, 127, 130}, {6, 127, 130}, {8, 125, 132}, {10, 123, 134},
                                 {21, 127, 130}, {18, 125, 132}, {16, 123, 134}}) {
        EXPECT_EQ(Pixel(from - 1, row), Silver) << row;
        for (int x = from; x <= to; ++x) EXPECT_EQ(Pixel(x, row), Black) << row << " " << x;
        EXPECT_EQ(Pixel(to + 1, row), Silver) << row;
    }
    EXPECT_EQ(Pixel(128, 4), Silver);
    EXPECT_EQ(Pixel(128, 11), Silver);
}
