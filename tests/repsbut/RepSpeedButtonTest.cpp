// The repeating speed button on the virtual clock: start and repeat phases, stopping on
// release and on leaving, the interval limits, timer failure and failing handlers.
#include <memory>
#include <vector>

#include "platform/Classes.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "tests/support/FormFixture.h"
#include "repsbut/Zyn_repsbut.h"

using namespace zyn;
using namespace vcl;

namespace {

// Records the time of every repeat, and of every call of the overridable hook.
class RecordingButton : public TRepSpeedButton {
public:
    using TRepSpeedButton::TRepSpeedButton;
    void RepeatClickEvent(TObject* Sender) override {
        EXPECT_EQ(Sender, this);
        hooks.push_back(Application->GetClockMs());
    }
    std::vector<std::int64_t> hooks;
};

class RepSpeedButtonTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        b = PlaceOn<RecordingButton>(form.get(), 10, 10, 60, 25, "Repeat1");
        b->SetOnRepeatClick([this](TObject* s) {
            EXPECT_EQ(s, b);
            // The hook runs first.
            EXPECT_EQ(b->hooks.size(), repeats.size() + 1);
            repeats.push_back(Application->GetClockMs() - t0);
        });
        b->SetOnClick([this](TObject*) { ++clicks; });
    }
    void TearDown() override {
        Application->SetOnException(nullptr);
        FormFixture::TearDown();
    }
    void Press() {
        t0 = Application->GetClockMs();
        Input::MouseDown(b, mbLeft, {}, 20, 10);
    }

    RecordingButton* b = nullptr;
    std::vector<std::int64_t> repeats;   // ms after the press
    std::int64_t t0 = 0;
    int clicks = 0;
};

}  // namespace

TEST_F(RepSpeedButtonTest, HeldButtonRepeatsAfterTheStartDelayThenAtTheRepeatInterval) {
    EXPECT_EQ(b->GetStartClickInterval(), 500);
    EXPECT_EQ(b->GetRepeatClickInterval(), 200);
    EXPECT_FALSE(b->GetRepeating());
    Press();
    EXPECT_TRUE(b->GetRepeating());
    Application->AdvanceTime(499);
    EXPECT_TRUE(repeats.empty());
    Application->AdvanceTime(1);
    EXPECT_EQ(repeats, (std::vector<std::int64_t>{500}));
    Application->AdvanceTime(650);
    EXPECT_EQ(repeats, (std::vector<std::int64_t>{500, 700, 900, 1100}));
    Input::MouseUp(b, mbLeft, {}, 20, 10);
    EXPECT_FALSE(b->GetRepeating());
    EXPECT_EQ(clicks, 1);   // the speed button's own click on release
    Application->AdvanceTime(1000);
    EXPECT_EQ(repeats.size(), 4u);

    // A press shorter than the start delay only clicks.
    repeats.clear();
    Press();
    Application->AdvanceTime(300);
    Input::MouseUp(b, mbLeft, {}, 20, 10);
    Application->AdvanceTime(1000);
    EXPECT_TRUE(repeats.empty());
    EXPECT_EQ(clicks, 2);
}

TEST_F(RepSpeedButtonTest, LeavingTheButtonStopsTheRepeatsAtOnce) {
    Press();
    Application->AdvanceTime(700);
    ASSERT_EQ(repeats.size(), 2u);
    Input::MouseMove(b, 200, 10, {ssLeft});   // off the button, still held
    EXPECT_FALSE(b->GetRepeating());
    Application->AdvanceTime(1000);
    EXPECT_EQ(repeats.size(), 2u);
    EXPECT_EQ(clicks, 0);                     // leaving is no click
    Input::MouseUp(b, mbLeft, {}, 200, 10);
    EXPECT_EQ(clicks, 0);

    // Leaving without a press changes nothing, and the next press repeats as before.
    Input::MouseMove(b, 20, 10);
    Input::MouseMove(b, 200, 10);
    repeats.clear();
    b->hooks.clear();
    Press();
    Application->AdvanceTime(500);
    EXPECT_EQ(repeats.size(), 1u);
    Input::MouseUp(b, mbLeft, {}, 20, 10);
}

// Leaving ends the press: sliding back over the held button neither shows it pressed nor
// starts repeating again, and letting go there is no click.
TEST_F(RepSpeedButtonTest, LeavingEndsThePressSoComingBackFindsTheButtonUp) {
    Press();
    EXPECT_EQ(b->GetState(), bsDown);
    Application->AdvanceTime(700);
    ASSERT_EQ(repeats.size(), 2u);
    Input::MouseMove(b, 200, 10, {ssLeft});
    EXPECT_EQ(b->GetState(), bsUp);
    Input::MouseMove(b, 20, 10, {ssLeft});    // back over it, still held
    EXPECT_EQ(b->GetState(), bsUp);
    EXPECT_FALSE(b->GetRepeating());
    Application->AdvanceTime(1000);
    EXPECT_EQ(repeats.size(), 2u);
    Input::MouseUp(b, mbLeft, {}, 20, 10);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(b->GetState(), bsUp);

    // A new press over it behaves as the first one did.
    repeats.clear();
    b->hooks.clear();
    Press();
    EXPECT_EQ(b->GetState(), bsDown);
    Application->AdvanceTime(500);
    EXPECT_EQ(repeats.size(), 1u);
    Input::MouseUp(b, mbLeft, {}, 20, 10);
    EXPECT_EQ(clicks, 1);
}

TEST_F(RepSpeedButtonTest, OnlyTheLeftButtonRepeats) {
    Input::MouseDown(b, mbRight, {}, 20, 10);
    EXPECT_FALSE(b->GetRepeating());
    Application->AdvanceTime(1000);
    Input::MouseUp(b, mbRight, {}, 20, 10);
    EXPECT_TRUE(repeats.empty());
}

TEST_F(RepSpeedButtonTest, IntervalsAreAtLeastTenAndChangesRestartTheTimer) {
    b->SetRepeatClickInterval(5);
    EXPECT_EQ(b->GetRepeatClickInterval(), 10);
    b->SetStartClickInterval(-3);
    EXPECT_EQ(b->GetStartClickInterval(), 10);
    // Changing an interval while idle starts nothing.
    b->SetStartClickInterval(100);
    b->SetRepeatClickInterval(50);
    EXPECT_FALSE(b->GetRepeating());

    Press();
    Application->AdvanceTime(150);
    EXPECT_EQ(repeats, (std::vector<std::int64_t>{100, 150}));
    // A new start interval while held starts over in the start phase ...
    b->SetStartClickInterval(300);
    Application->AdvanceTime(299);
    EXPECT_EQ(repeats.size(), 2u);
    Application->AdvanceTime(1);
    EXPECT_EQ(repeats.back(), 450);
    // ... a new repeat interval or handler continues in the repeat phase.
    b->SetRepeatClickInterval(20);
    Application->AdvanceTime(20);
    EXPECT_EQ(repeats.back(), 470);
    Input::MouseUp(b, mbLeft, {}, 20, 10);

    // Setting the same value again does not touch a running timer.
    Press();
    Application->AdvanceTime(250);
    b->SetStartClickInterval(300);
    Application->AdvanceTime(50);
    EXPECT_EQ(repeats.back(), 300);
    Input::MouseUp(b, mbLeft, {}, 20, 10);
}

TEST_F(RepSpeedButtonTest, NoTimerAvailableRaisesTheUnitsError) {
    Testing::FailNextTimers(1);
    try {
        Press();
        FAIL() << "no exception";
    } catch (const EZynRepSpeedButton& e) {
        EXPECT_EQ(e.Message(), "Component \"Repeat1\": no timer available");
    }
    EXPECT_FALSE(b->GetRepeating());
    Input::MouseUp(b, mbLeft, {}, 20, 10);
}

TEST_F(RepSpeedButtonTest, AFailingHandlerIsReportedAndTheRepeatsGoOn) {
    std::vector<std::string> reported;
    Application->SetOnException([&](TObject* Sender, Exception& E) {
        EXPECT_EQ(Sender, b);
        reported.push_back(E.Message());
    });
    b->SetOnRepeatClick([](TObject*) { throw EConvertError("not a number"); });
    Press();
    Application->AdvanceTime(900);
    EXPECT_EQ(reported, (std::vector<std::string>{"not a number", "not a number", "not a number"}));
    EXPECT_TRUE(b->GetRepeating());
    Input::MouseUp(b, mbLeft, {}, 20, 10);
}

TEST(RepSpeedButtonPublished, IntervalsAndEventInTheTable) {
    TRepSpeedButton b(nullptr);
    const TClassInfo* info = GetClass("TRepSpeedButton");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"StartClickInterval", "RepeatClickInterval", "OnRepeatClick", "Glyph", "GroupIndex",
                             "Caption", "StyleElements", "OnClick"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;
    EXPECT_TRUE(info->FindProperty("StartClickInterval")->IsDefault(b));
    info->FindProperty("RepeatClickInterval")->SetAsText(b, "3");
    EXPECT_EQ(b.GetRepeatClickInterval(), 10);
}

// From the keyboard: Space held down repeats with the mouse's delays (the key's own
// auto-repeat adds nothing), its release clicks once; leaving while held stops without a
// click; the cue shows only while the button has the keyboard.
TEST_F(RepSpeedButtonTest, SpaceHeldDownRepeatsLikeTheMouseAndShowsTheCue) {
    auto* other = PlaceOn<TEdit>(form.get(), 10, 60, 80, 21, "Other");
    b->SetFocus();
    ASSERT_TRUE(b->HasKeyboardFocus());
    t0 = Application->GetClockMs();
    Input::KeyDown(b, VK_SPACE);
    EXPECT_TRUE(b->GetRepeating());
    Application->AdvanceTime(300);
    Input::KeyDown(b, VK_SPACE, {}, true);   // auto-repeat of the held key
    Application->AdvanceTime(400);
    EXPECT_EQ(repeats, (std::vector<std::int64_t>{500, 700}));
    Input::KeyUp(b, VK_SPACE);
    EXPECT_FALSE(b->GetRepeating());
    EXPECT_EQ(clicks, 1);
    Application->AdvanceTime(1000);
    EXPECT_EQ(repeats.size(), 2u);

    // The cue: the dotted frame 3 pixels inside the edge, only while focused.
    TBitmap focused, unfocused;
    focused.SetSize(b->GetWidth(), b->GetHeight());
    unfocused.SetSize(b->GetWidth(), b->GetHeight());
    b->PaintTo(focused.GetCanvas(), 0, 0);
    Input::KeyDown(b, VK_SPACE);
    other->SetFocus();   // leaving while held
    EXPECT_FALSE(b->GetRepeating());
    EXPECT_EQ(clicks, 1);
    Application->AdvanceTime(1000);
    EXPECT_EQ(repeats.size(), 2u);
    b->PaintTo(unfocused.GetCanvas(), 0, 0);
    int differing = 0;
    for (int y = 0; y < b->GetHeight(); ++y)
        for (int x = 0; x < b->GetWidth(); ++x) {
            const bool onFrame = (x == 3 || x == b->GetWidth() - 4 || y == 3 || y == b->GetHeight() - 4) &&
                                 x >= 3 && x <= b->GetWidth() - 4 && y >= 3 && y <= b->GetHeight() - 4;
            if (focused.GetCanvas()->GetPixels(x, y) != unfocused.GetCanvas()->GetPixels(x, y)) {
                EXPECT_TRUE(onFrame) << x << "," << y;
                ++differing;
            }
        }
    EXPECT_GT(differing, b->GetWidth());   // about every second pixel of the frame
}
