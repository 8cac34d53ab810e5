// The mouse on the numeric control: spin buttons with and without pivots, gauge clicks and
// drags with their events, the caret and selection in the text, the mouse area code.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tests/numio/NumIO2Fixture.h"

using namespace vcl;
using namespace zyn;
using zyn_test::NumIO2Test;

namespace {

class NumIO2MouseTest : public NumIO2Test {
protected:
    void SetUp() override {
        NumIO2Test::SetUp();
        n->SetButVisible(true);
        n->SetOnChange([this](TObject*) { events.push_back("change " + FloatToStr(n->GetValue())); });
    }
    // Middle of the upper and lower button (LS 35 + TBW 80 + ButSpace 3 + ButWidth / 2).
    void Up() { Input::Click(n, 127, 5); }
    void Down() { Input::Click(n, 127, 22); }

    std::vector<std::string> events;
};

}  // namespace

TEST_F(NumIO2MouseTest, ButtonsStepAndStayInRange) {
    n->SetButIncrem(2.5);
    n->SetRangeHigh(10);
    n->SetValue(5);
    Up();
    EXPECT_DOUBLE_EQ(n->GetValue(), 7.5);
    Up();
    Up();
    EXPECT_DOUBLE_EQ(n->GetValue(), 10);   // at RangeHigh it stays
    Down();
    EXPECT_DOUBLE_EQ(n->GetValue(), 7.5);
    EXPECT_EQ(events, (std::vector<std::string>{"change 7.5", "change 10", "change 10", "change 7.5"}));
    n->SetValue(1);
    Down();
    EXPECT_DOUBLE_EQ(n->GetValue(), 0);
}

TEST_F(NumIO2MouseTest, ButtonsMoveBetweenPivots) {
    n->ButtonPivots = {0, 10, 20};
    n->SetValue(10);
    Up();
    EXPECT_DOUBLE_EQ(n->GetValue(), 20);
    n->SetValue(10);
    Down();
    EXPECT_DOUBLE_EQ(n->GetValue(), 0);
    n->SetValue(12);
    Down();
    EXPECT_DOUBLE_EQ(n->GetValue(), 10);
    n->SetValue(12);
    Up();
    EXPECT_DOUBLE_EQ(n->GetValue(), 20);
    // Pivots are not bounded by the range.
    n->ButtonPivots = {0, 2000};
    n->SetValue(1000);
    Up();
    EXPECT_DOUBLE_EQ(n->GetValue(), 2000);
}

TEST_F(NumIO2MouseTest, ButtonHalvesAndEdges) {
    n->SetValue(5);
    // The upper half reaches to ButHeight div 2; the strip's edges, the right mouse button
    // and hidden buttons do nothing.
    Input::Click(n, 127, 14);
    EXPECT_DOUBLE_EQ(n->GetValue(), 6);
    Input::Click(n, 127, 15);
    Input::Click(n, 35 + 80 + 3, 5);
    Input::Click(n, 35 + 80 + 3 + 18, 5);
    Input::Click(n, 127, 5, {}, mbRight);
    n->SetButVisible(false);
    Up();
    EXPECT_DOUBLE_EQ(n->GetValue(), 5);
}

TEST_F(NumIO2MouseTest, GaugeClickEndsAndChangeOnRelease) {
    n->SetBounds(Left, Top, 200, 40);
    n->SetGaugeVisible(true);
    n->SetRangeLow(-50);
    n->SetRangeHigh(50);
    const int y = 40 - 12 + 3 + 4;   // inside the bar
    Input::MouseDown(n, mbLeft, {}, 35, y);
    EXPECT_DOUBLE_EQ(n->GetValue(), -50);
    EXPECT_TRUE(events.empty());   // OnChange waits for the release
    Input::MouseUp(n, mbLeft, {}, 35, y);
    EXPECT_EQ(events, std::vector<std::string>{"change -50"});
    Input::Click(n, 35 + 82, y);
    EXPECT_DOUBLE_EQ(n->GetValue(), 50);
    Input::Click(n, 35 + 41, y);
    EXPECT_DOUBLE_EQ(n->GetValue(), 0);
    // Beside the bar nothing happens.
    Input::Click(n, 34, y);
    Input::Click(n, 35 + 83, y);
    EXPECT_DOUBLE_EQ(n->GetValue(), 0);
    EXPECT_EQ(events.size(), 3u);
}

TEST_F(NumIO2MouseTest, GaugeDragReportsEveryStepAndSnapsToPivots) {
    n->SetBounds(Left, Top, 200, 40);
    n->SetGaugeVisible(true);
    n->SetRangeHigh(820);
    std::vector<double> dragged;
    n->SetOnGaugeChange([&](TObject* Sender, TShiftState Shift, double V) {
        EXPECT_EQ(Sender, n);
        EXPECT_TRUE(Shift.Contains(ssLeft));
        dragged.push_back(V);
    });
    const int y = 35;
    Input::MouseDown(n, mbLeft, {}, 45, y);
    Input::MouseMove(n, 55, y, {ssLeft});
    Input::MouseMove(n, 34, y, {ssLeft});   // one pixel left of the bar still drags
    Input::MouseMove(n, 20, y, {ssLeft});   // further out it does not
    Input::MouseUp(n, mbLeft, {}, 20, y);
    EXPECT_EQ(dragged, (std::vector<double>{200, 0}));
    EXPECT_DOUBLE_EQ(n->GetValue(), 0);
    EXPECT_EQ(events, std::vector<std::string>{"change 0"});
    // With pivots the drag snaps.
    n->ButtonPivots = {0, 300, 800};
    dragged.clear();
    Input::MouseDown(n, mbLeft, {}, 40, y);
    Input::MouseMove(n, 70, y, {ssLeft});
    Input::MouseMove(n, 110, y, {ssLeft});
    Input::MouseUp(n, mbLeft, {}, 110, y);
    EXPECT_EQ(dragged, (std::vector<double>{300, 800}));
    EXPECT_DOUBLE_EQ(n->GetValue(), 800);
}

TEST_F(NumIO2MouseTest, ClickPlacesTheCaretAndDragSelects) {
    n->SetButVisible(false);
    n->SetAlignment(taLeftJustify);
    n->SetText("12345");
    Input::Click(n, n->CharPosToXCoords(2), 14);
    EXPECT_TRUE(n->Focused());
    EXPECT_EQ(n->GetCaretPos(), 2);
    EXPECT_EQ(n->GetSelBegin(), 2);
    EXPECT_EQ(n->GetSelEnd(), 2);
    Input::MouseDown(n, mbLeft, {}, n->CharPosToXCoords(1), 14);
    Input::MouseMove(n, n->CharPosToXCoords(4), 14, {ssLeft});
    Input::MouseUp(n, mbLeft, {}, n->CharPosToXCoords(4), 14);
    EXPECT_EQ(n->GetSelBegin(), 1);
    EXPECT_EQ(n->GetSelEnd(), 4);
    // Dragging back before the start moves the start.
    Input::MouseDown(n, mbLeft, {}, n->CharPosToXCoords(3), 14);
    Input::MouseMove(n, n->CharPosToXCoords(1), 14, {ssLeft});
    EXPECT_EQ(n->GetSelBegin(), 1);
    EXPECT_EQ(n->GetSelEnd(), 3);
    Input::MouseUp(n, mbLeft, {}, n->CharPosToXCoords(1), 14);
    // A click far right of the text puts the caret at its end.
    Input::Click(n, 112, 14);
    EXPECT_EQ(n->GetCaretPos(), 5);
}

TEST_F(NumIO2MouseTest, MouseAreaCode) {
    const std::pair<int, int> cases[] = {{10, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}, {190, 2}};
    for (auto [x, code] : cases) {
        Input::MouseMove(n, x, 14);
        EXPECT_EQ(n->GetMouseAreaCode(), code) << x;
    }
}

TEST_F(NumIO2MouseTest, MouseAreaCodeOfAnEndlessBox) {
    // A box as wide as an int goes: everything right of the left space lies over it.
    n->SetTextBoxWidth(std::numeric_limits<int>::max());
    for (auto [x, code] : {std::pair{35, 0}, {36, 1}, {190, 1}}) {
        Input::MouseMove(n, x, 14);
        EXPECT_EQ(n->GetMouseAreaCode(), code) << x;
    }
    // Dragging over it and below it, with a gauge, finds the text and the gauge as before.
    n->SetGaugeVisible(true);
    n->SetAlignment(taLeftJustify);
    n->SetText("12345");
    Input::MouseDown(n, mbLeft, {}, 36, 5);
    Input::MouseMove(n, 190, 5, {ssLeft});
    EXPECT_EQ(n->GetSelEnd(), 5);
    Input::MouseUp(n, mbLeft, {}, 190, 5);
}

TEST_F(NumIO2MouseTest, ClickInALongTextFindsEachBoundary) {
    // Right-justified, the end of a text of 3003 characters shows in the box.
    n->SetButVisible(false);
    n->SetAlignment(taRightJustify);
    std::string text;
    for (int i = 0; i < 3000; ++i) text += char('1' + i % 9);
    n->SetText(text + ".25");
    ASSERT_EQ(n->GetText().size(), 3003u);
    int clicked = 0;
    for (int k = 2980; k <= 3003; ++k) {
        const int x = n->CharPosToXCoords(k);
        if (x <= 36) continue;
        Input::Click(n, x, 14);
        EXPECT_EQ(n->GetCaretPos(), k);
        ++clicked;
    }
    EXPECT_GE(clicked, 8);
}
