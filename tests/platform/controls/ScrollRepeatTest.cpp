// Scroll bars inside grids repeat while the button is held: a page step on the track
// until the thumb reaches the pointer, line steps on the arrows; all on the clock.
#include <gtest/gtest.h>

#include "platform/Grids.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class ScrollRepeat : public zyn_test::FormFixture {
protected:
    ScrollRepeat() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        grid = Place<TDrawGrid>(10, 10, 300, 200);
        grid->SetColCount(30);
        grid->SetRowCount(200);
        Render(grid);
    }
    TDrawGrid* grid = nullptr;
};

TEST_F(ScrollRepeat, TrackRepeatsPagesUntilTheThumbReachesThePointer) {
    const TInnerScrollBar& bar = grid->GetVertScrollBar();
    ASSERT_TRUE(bar.GetVisible());
    TRect track = bar.TrackRect();
    TPoint p{track.Left + 5, track.Top + track.Height() * 3 / 4};
    Input::MouseDown(grid, mbLeft, {}, p.X, p.Y);
    int afterPress = grid->GetTopRow();
    EXPECT_GT(afterPress, 1);
    Application->AdvanceTime(399);
    EXPECT_EQ(grid->GetTopRow(), afterPress);
    Application->AdvanceTime(2000);                     // many intervals: stops at the pointer
    TRect thumb = bar.ThumbRect();
    EXPECT_LE(thumb.Top, p.Y + 1);
    EXPECT_GE(thumb.Bottom, p.Y - (thumb.Height() + 10));
    int stopped = grid->GetTopRow();
    EXPECT_GT(stopped, afterPress);
    EXPECT_LT(stopped, grid->GetRowCount() - 5);        // not run to the end
    Application->AdvanceTime(500);
    EXPECT_EQ(grid->GetTopRow(), stopped);
    Input::MouseUp(grid, mbLeft, {}, p.X, p.Y);
}

TEST_F(ScrollRepeat, HorizontalArrowRepeatsAndReleaseStops) {
    const TInnerScrollBar& bar = grid->GetHorzScrollBar();
    ASSERT_TRUE(bar.GetVisible());
    TRect right = bar.ArrowRect(false);
    Input::MouseDown(grid, mbLeft, {}, right.Left + 4, right.Top + 4);
    EXPECT_EQ(grid->GetLeftCol(), 2);
    Application->AdvanceTime(400 + 50 * 3 + 5);          // 400, 450, 500, 550
    EXPECT_EQ(grid->GetLeftCol(), 6);
    Input::MouseUp(grid, mbLeft, {}, right.Left + 4, right.Top + 4);
    Application->AdvanceTime(500);
    EXPECT_EQ(grid->GetLeftCol(), 6);
    // A capture taken away (cancel mode) stops it as well.
    Input::MouseDown(grid, mbLeft, {}, right.Left + 4, right.Top + 4);
    grid->Perform(WM_CANCELMODE, 0, 0);
    Application->AdvanceTime(1000);
    EXPECT_EQ(grid->GetLeftCol(), 7);
    Input::MouseUp(grid, mbLeft, {}, right.Left + 4, right.Top + 4);
    EXPECT_EQ(grid->GetLeftCol(), 7);
    // A release that reaches another control (the capture was taken) stops it too.
    Input::MouseDown(grid, mbLeft, {}, right.Left + 4, right.Top + 4);
    SetCaptureControl(nullptr);
    Input::MouseUp(form.get(), mbLeft, {}, 600, 400);
    Application->AdvanceTime(1000);
    EXPECT_EQ(grid->GetLeftCol(), 8);
}

}  // namespace
