// Scrolling on the label's timer, driven by the virtual clock: the four directions with
// and without looping, the restart event, the timer's life and its failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include <string>
#include <vector>

#include "RasterLabTestSupport.h"

using namespace zyn;
using rasterlab_test::ShownLabelTest;

namespace {

class RasterLabScroll : public ShownLabelTest {
protected:
    void SetUp() override {
        ShownLabelTest::SetUp();
        label->SetScrollInterval(50);
        label->SetScrollIncrement(5);
        label->SetOnScrollTimer([this](vcl::TObject* Sender) {
            EXPECT_EQ(Sender, label);
            events.push_back("tick");
        });
        label->SetOnScrollLoopRestart([this](vcl::TObject* Sender) {
            EXPECT_EQ(Sender, label);
            events.push_back("restart");
        });
    }
    // Runs N ticks of the 50 ms timer.
    void Ticks(int N) { vcl::Application->AdvanceTime(50 * N); }
    int Restarts() const { return static_cast<int>(std::count(events.begin(), events.end(), "restart")); }
    // Whether any pixel of the label shows a lit dot.
    bool AnyLitDot() {
        rasterlab_test::Picture p(*label);
        for (int y = 0; y < label->GetHeight(); ++y)
            for (int x = 0; x < label->GetWidth(); ++x)
                if (p.At(x, y) == label->GetColorDotOn()) return true;
        return false;
    }

    std::vector<std::string> events;
};

}  // namespace

TEST_F(RasterLabScroll, RightLoopsBackFromTheLeft) {
    const int length = label->CalcTextBitLength("Text") + 1;
    label->SetScrollMode(rdsmRight);
    EXPECT_TRUE(label->GetScrollTimerRunning());
    Ticks(1);
    EXPECT_EQ(label->GetScrollPosX(), 5);
    EXPECT_EQ(label->GetTextBitLength(), length);
    ASSERT_EQ(events, std::vector<std::string>{"tick"});
    Ticks(79);
    EXPECT_EQ(label->GetScrollPosX(), 400);   // not beyond the width yet
    EXPECT_EQ(Restarts(), 0);
    events.clear();
    Ticks(1);                                 // 405 passes the width
    EXPECT_EQ(label->GetScrollPosX(), -length);
    EXPECT_EQ(events, (std::vector<std::string>{"restart", "tick"}));
    Ticks(2);
    EXPECT_EQ(label->GetScrollPosX(), -length + 10);
    EXPECT_EQ(label->GetScrollPosY(), 0);
}

TEST_F(RasterLabScroll, LeftMirrorsRight) {
    const int length = label->CalcTextBitLength("Text") + 1;
    label->SetScrollMode(rdsmLeft);
    Ticks(length / 5);
    EXPECT_EQ(label->GetScrollPosX(), -(length / 5) * 5);
    EXPECT_EQ(Restarts(), 0);
    Ticks(1);   // the text's end has left the label on the left
    EXPECT_EQ(label->GetScrollPosX(), 400);
    EXPECT_EQ(Restarts(), 1);
    Ticks(3);
    EXPECT_EQ(label->GetScrollPosX(), 385);
    // Entering from the right: its first dots show at the right border again.
    label->SetScrollMode(rdsmOff);
    EXPECT_EQ(label->GetScrollPosX(), 0);
}

// A centred text stands far from the left edge: the loop waits until all of it has left.
TEST_F(RasterLabScroll, LeftLoopRestartsOnlyOnceACentredTextHasLeft) {
    label->SetScrollIncrement(1);
    label->SetAutoCenter(true);
    const int posX = label->GetPosX();
    ASSERT_GT(posX, 100);
    const int length = label->CalcTextBitLength("Text") + 1;
    label->SetScrollMode(rdsmLeft);
    Ticks(posX + 1);                          // the text starts 1 pixel left of the edge
    EXPECT_TRUE(AnyLitDot());
    EXPECT_EQ(Restarts(), 0);
    Ticks(length - 2);                        // its last column has just left
    EXPECT_EQ(label->GetScrollPosX(), -(posX + length - 1));
    EXPECT_FALSE(AnyLitDot());
    EXPECT_EQ(Restarts(), 0);
    Ticks(1);
    EXPECT_EQ(Restarts(), 1);
    EXPECT_EQ(posX + label->GetScrollPosX(), 401);   // re-enters just beyond the right edge
    Ticks(2);
    EXPECT_EQ(posX + label->GetScrollPosX(), 399);
}

TEST_F(RasterLabScroll, UpLoopRestartsOnlyOnceALowTextHasLeft) {
    label->SetPosY(20);
    label->SetScrollMode(rdsmUp);
    Ticks(13);                                // y = -45: the last row of dots ends at -43
    EXPECT_EQ(label->GetScrollPosY(), -65);
    EXPECT_EQ(Restarts(), 0);
    Ticks(1);
    EXPECT_EQ(Restarts(), 1);
    EXPECT_EQ(20 + label->GetScrollPosY(), 69);
}

TEST_F(RasterLabScroll, DownAndUpMoveVertically) {
    const int textHeight = 12 * 4;
    label->SetScrollMode(rdsmDown);
    Ticks(13);
    EXPECT_EQ(label->GetScrollPosY(), 65);
    Ticks(1);   // 70 passes the height of 68
    EXPECT_EQ(label->GetScrollPosY(), -textHeight);
    EXPECT_EQ(Restarts(), 1);
    EXPECT_EQ(label->GetScrollPosX(), 0);

    label->SetScrollMode(rdsmOff);
    label->SetScrollMode(rdsmUp);
    Ticks(9);
    EXPECT_EQ(label->GetScrollPosY(), -45);
    Ticks(1);   // -50: the text has left past the top
    EXPECT_EQ(label->GetScrollPosY(), 68);
    EXPECT_EQ(Restarts(), 2);
    Ticks(1);
    EXPECT_EQ(label->GetScrollPosY(), 63);
}

TEST_F(RasterLabScroll, WithoutLoopTheTextLeavesAndStaysAway) {
    label->SetScrollLoop(false);
    label->SetScrollIncrement(40);
    label->SetScrollMode(rdsmRight);
    EXPECT_TRUE(AnyLitDot());
    Ticks(11);
    EXPECT_EQ(label->GetScrollPosX(), 440);
    EXPECT_FALSE(AnyLitDot());
    Ticks(200);
    EXPECT_EQ(Restarts(), 0);
    EXPECT_FALSE(AnyLitDot());
    // A huge step for a long time never overflows: the offset stops far outside.
    label->SetScrollIncrement(INT_MAX);
    Ticks(10);
    EXPECT_GT(label->GetScrollPosX(), 1'000'000);
    EXPECT_FALSE(AnyLitDot());
}

TEST_F(RasterLabScroll, ModeOffStopsAndResets) {
    label->SetScrollMode(rdsmUp);
    Ticks(3);
    EXPECT_EQ(label->GetScrollPosY(), -15);
    label->SetScrollMode(rdsmOff);
    EXPECT_FALSE(label->GetScrollTimerRunning());
    EXPECT_EQ(label->GetScrollPosY(), 0);
    events.clear();
    Ticks(10);
    EXPECT_TRUE(events.empty());
}

TEST_F(RasterLabScroll, IntervalAndHandlerChangesRestartTheTimer) {
    label->SetScrollMode(rdsmRight);
    vcl::Application->AdvanceTime(40);
    label->SetScrollInterval(50);   // unchanged: the tick stays due
    vcl::Application->AdvanceTime(10);
    EXPECT_EQ(events.size(), 1u);
    vcl::Application->AdvanceTime(40);
    label->SetScrollInterval(30);   // a new interval counts from now
    vcl::Application->AdvanceTime(20);
    EXPECT_EQ(events.size(), 1u);
    vcl::Application->AdvanceTime(10);
    EXPECT_EQ(events.size(), 2u);
    vcl::Application->AdvanceTime(20);
    label->SetOnScrollTimer([this](vcl::TObject*) { events.push_back("other"); });
    vcl::Application->AdvanceTime(20);
    EXPECT_EQ(events.size(), 2u);
    vcl::Application->AdvanceTime(10);
    EXPECT_EQ(events.back(), "other");
}

TEST_F(RasterLabScroll, NoTimerAvailable) {
    vcl::Testing::FailNextTimers(1);
    try {
        label->SetScrollMode(rdsmLeft);
        FAIL() << "no exception";
    } catch (const EZynRasterLabError& e) {
        EXPECT_EQ(e.Message(), "Component \"Board\": no timer available");
    }
    EXPECT_FALSE(label->GetScrollTimerRunning());
    Ticks(5);
    EXPECT_TRUE(events.empty());
    // The next start works again.
    label->SetScrollInterval(20);
    EXPECT_TRUE(label->GetScrollTimerRunning());
}

TEST_F(RasterLabScroll, FailingHandlersAreReportedAndScrollingGoesOn) {
    label->SetOnScrollTimer([](vcl::TObject*) { throw vcl::Exception("handler failed"); });
    label->SetScrollMode(rdsmRight);
    Ticks(3);
    ASSERT_EQ(reported.size(), 3u);
    EXPECT_EQ(reported[0], "handler failed");
    EXPECT_EQ(reportedSender, label);
    EXPECT_EQ(label->GetScrollPosX(), 15);
    EXPECT_TRUE(label->GetScrollTimerRunning());
}

TEST_F(RasterLabScroll, NoTimerAtDesignTime) {
    label->SetComponentStateItem(vcl::csDesigning, true);
    label->SetScrollMode(rdsmRight);
    EXPECT_EQ(label->GetScrollMode(), rdsmRight);
    EXPECT_FALSE(label->GetScrollTimerRunning());
    Ticks(5);
    EXPECT_EQ(label->GetScrollPosX(), 0);
}

TEST_F(RasterLabScroll, AHiddenLabelLoopsAtTheTextsLength) {
    // Never painted: the loop still knows where the text ends.
    label->SetVisible(false);
    label->SetText("Longer text");
    const int length = label->CalcTextBitLength("Longer text") + 1;
    label->SetScrollIncrement(length);
    label->SetScrollMode(rdsmLeft);
    Ticks(1);
    EXPECT_EQ(label->GetScrollPosX(), -length);
    Ticks(1);
    EXPECT_EQ(label->GetScrollPosX(), 400);
    EXPECT_EQ(Restarts(), 1);
}

TEST_F(RasterLabScroll, FreeingTheLabelEndsItsTicks) {
    label->SetScrollMode(rdsmRight);
    Ticks(1);
    delete label;
    label = nullptr;
    events.clear();
    Ticks(5);
    EXPECT_TRUE(events.empty());
}
