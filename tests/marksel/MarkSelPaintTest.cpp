// The mark selector's picture and hover highlight, probed on a shown form.
#include <gtest/gtest.h>

#include "platform/Testing.h"
#include "marksel/Zyn_marksel.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Face = 0xF0F0F0;   // clBtnFace
constexpr TColor Red = 0x0000FF, White = 0xFFFFFF, Navy = 0x800000, Black = 0;

// A 164 x 124 selector at (10, 10): cells of 20 x 20, mark n of row r, column c at
// (10 + 20c, 10 + 20r) in the control, drawn centred two pixels right and down of that.
class MarkSelPaint : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        sel = PlaceOn<TMarkSel>(form.get(), 10, 10, 164, 124);
        vcl::Application->ProcessMessages();
    }
    // A pixel of the selector (control coordinates).
    TColor At(int X, int Y) { return Pixel(10 + X, 10 + Y); }

    TMarkSel* sel = nullptr;
};

}  // namespace

TEST_F(MarkSelPaint, BackgroundCrossSelectionBoxAndFrame) {
    sel->SetSelected(9);   // row 1, column 1: at (30, 30)
    vcl::Application->ProcessMessages();
    EXPECT_EQ(At(62, 62), Face);                 // between marks
    // Mark 0 as a cross over the first cell: (4, 4)-(21, 21) and (4, 20)-(21, 3).
    EXPECT_EQ(At(4, 4), Black);
    EXPECT_EQ(At(20, 20), Black);
    EXPECT_EQ(At(4, 20), Black);
    EXPECT_EQ(At(21, 21), Face);                 // a line's last point is not drawn
    // The selection box: Rectangle(23, 23, 43, 43) outlined in navy, filled white.
    EXPECT_EQ(At(23, 25), Navy);
    EXPECT_EQ(At(42, 25), Navy);
    EXPECT_EQ(At(25, 42), Navy);
    EXPECT_EQ(At(24, 25), White);
    EXPECT_EQ(At(43, 25), Face);
    // Raised double frame: silver and white outside-in on the left, the marks' colour and
    // gray on the right.
    EXPECT_EQ(At(0, 60), 0xC0C0C0u);
    EXPECT_EQ(At(1, 60), White);
    EXPECT_EQ(At(163, 60), Black);
    EXPECT_EQ(At(162, 60), 0x808080u);
}

TEST_F(MarkSelPaint, ZeroAsADotWhenTheCrossIsOff) {
    sel->SetShowZeroAsCross(false);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(At(4, 4), Face);
    EXPECT_EQ(At(12, 12), Black);                // the dot at (10 + 2, 10 + 2)
}

TEST_F(MarkSelPaint, DisabledColours) {
    sel->SetSelected(9);
    sel->SetEnabled(false);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(At(62, 62), 0xC0C0C0u);            // silver background
    EXPECT_EQ(At(10, 10), 0x808080u);            // gray cross
    EXPECT_EQ(At(24, 25), 0xDEDEDEu);            // selection box
    EXPECT_EQ(At(23, 25), 0x808080u);
    EXPECT_EQ(At(163, 60), 0x808080u);           // the frame's last colour follows the marks
    sel->SetEnabled(true);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(At(62, 62), Face);
}

TEST_F(MarkSelPaint, HoverHighlightsTheNearestMarkAndRestoresTheLast) {
    vcl::Input::MouseMove(sel, 31, 29);          // nearest: mark 9 at (30, 30)
    EXPECT_EQ(sel->GetHighlighted(), 9);
    // Highlight: Rectangle(24, 24, 42, 42) in red, the symbol in white.
    EXPECT_EQ(At(24, 24), Red);
    EXPECT_EQ(At(41, 41), Red);
    EXPECT_EQ(At(42, 42), Face);
    EXPECT_EQ(At(23, 30), Face);
    // Back to mark 0: mark 9's cell is restored, the cross drawn white on red.
    vcl::Input::MouseMove(sel, 8, 9);
    EXPECT_EQ(sel->GetHighlighted(), 0);
    EXPECT_EQ(At(24, 24), Face);
    EXPECT_EQ(At(41, 41), Face);
    EXPECT_EQ(At(5, 5), White);
    EXPECT_EQ(At(6, 5), Red);
    // A move within the same mark's reach draws nothing new.
    const int paints = vcl::Testing::PaintCount(sel);
    vcl::Input::MouseMove(sel, 11, 11);
    EXPECT_EQ(vcl::Testing::PaintCount(sel), paints);
    EXPECT_EQ(At(6, 5), Red);
}

TEST_F(MarkSelPaint, HoverOverTheSelectedMarkRestoresItsSelectionBox) {
    sel->SetSelected(9);
    vcl::Application->ProcessMessages();
    vcl::Input::MouseMove(sel, 30, 30);
    EXPECT_EQ(At(25, 25), Red);
    vcl::Input::MouseMove(sel, 70, 30);          // mark 11
    EXPECT_EQ(At(23, 25), Navy);
    EXPECT_EQ(At(25, 25), White);
}

TEST_F(MarkSelPaint, ClickSelectsRepaintsAndHighlights) {
    vcl::Input::Click(sel, 52, 28);              // mark 10 at (50, 30)
    EXPECT_EQ(sel->GetSelected(), 10);
    // The repaint drew the selection box (43..62), the highlight lies over it.
    EXPECT_EQ(At(43, 30), Navy);
    EXPECT_EQ(At(44, 30), Red);
    EXPECT_EQ(sel->GetHighlighted(), 10);
}

TEST_F(MarkSelPaint, AMarkHiddenWhileHighlightedIsNotRestoredOverItsSuccessor) {
    vcl::Input::MouseMove(sel, 30, 30);          // highlight mark 9
    sel->SetVis(9, false);                       // mark 10 moves into its cell
    std::vector<TColor> before;
    for (int y = 23; y < 43; ++y)
        for (int x = 23; x < 43; ++x) before.push_back(At(x, y));
    vcl::Input::MouseMove(sel, 8, 8);            // on to mark 0
    std::vector<TColor> after;
    for (int y = 23; y < 43; ++y)
        for (int x = 23; x < 43; ++x) after.push_back(At(x, y));
    EXPECT_EQ(after, before);
    EXPECT_EQ(sel->GetHighlighted(), 0);
}

// On a form at twice the density the marks, the selection box and the cross are drawn at
// twice their size: the small filled circle (mark 12, row 1, column 4) is 13 or 14 pixels
// across (with its two pixel outline), not 7, and the cross's lines are two pixels wide.
TEST_F(MarkSelPaint, MarksAndBoxesScaleWithTheForm) {
    form->ScaleBy(2, 1);
    vcl::Application->ProcessMessages();
    ASSERT_EQ(sel->GetWidth(), 328);
    auto at = [this](int X, int Y) { return Pixel(sel->GetLeft() + X, sel->GetTop() + Y); };
    // Mark 12 centred at 2 * (10 + 20 * 4 + 2), 2 * (10 + 20 + 2) = (184, 64).
    int across = 0;
    for (int x = 170; x < 200; ++x) across += at(x, 64) == Black;
    EXPECT_NEAR(across, 14, 1);
    // The cross from (8, 8): both pixels of its two pixel line, at 2 * 6.
    EXPECT_EQ(at(12, 12), Black);
    EXPECT_TRUE(at(11, 12) == Black || at(13, 12) == Black);
}
