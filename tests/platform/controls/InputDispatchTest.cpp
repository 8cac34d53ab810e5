// Mouse input: clicks and double clicks, capture, enter/leave, wheel and cursors.
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

// Records the mouse events it receives as text.
class Recorder : public TCustomControl {
public:
    explicit Recorder(TComponent* Owner) : TCustomControl(Owner) {
        SetOnClick([this](TObject*) { log.push_back("Click"); });
        SetOnDblClick([this](TObject*) { log.push_back("DblClick"); });
        SetOnMouseEnter([this](TObject*) { log.push_back("Enter"); });
        SetOnMouseLeave([this](TObject*) { log.push_back("Leave"); });
    }
    std::vector<std::string> log;
    std::vector<TPoint> moves;
    int wheelUp = 0, wheelDown = 0;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        log.push_back(std::string("Down") + (Button == mbRight ? "R" : "") + (Shift.Contains(ssDouble) ? "+double" : ""));
        (void)X, (void)Y;
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        (void)Shift, (void)X, (void)Y;
        log.push_back(std::string("Up") + (Button == mbRight ? "R" : ""));
    }
    void MouseMove(TShiftState Shift, int X, int Y) override {
        (void)Shift;
        moves.push_back({X, Y});
    }
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override {
        ++wheelUp;
        return TCustomControl::DoMouseWheelUp(Shift, MousePos) || true;
    }
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override {
        ++wheelDown;
        return TCustomControl::DoMouseWheelDown(Shift, MousePos) || true;
    }
};

using InputDispatchTest = zyn_test::FormFixture;

TEST_F(InputDispatchTest, DoubleClickSequenceFollowsTheFramework) {
    auto* r = PlaceOn<Recorder>(form.get(), 10, 10, 100, 50);
    Input::DblClick(r, 20, 20);
    std::vector<std::string> expected{"Enter", "Down", "Click", "Up", "DblClick", "Down+double", "Up"};
    EXPECT_EQ(r->log, expected);
}

TEST_F(InputDispatchTest, SeparateClicksNeverPairAndSlowOrDistantPressesAreSingle) {
    auto* r = PlaceOn<Recorder>(form.get(), 10, 10, 100, 50);
    Input::Click(r, 20, 20);
    Input::Click(r, 20, 20);
    EXPECT_EQ(std::count(r->log.begin(), r->log.end(), "Click"), 2);
    EXPECT_EQ(std::count(r->log.begin(), r->log.end(), "DblClick"), 0);

    // Raw presses: a second press after the double-click time is a single press.
    r->log.clear();
    Input::MouseDown(r, mbLeft, {}, 30, 20);
    Input::MouseUp(r, mbLeft, {}, 30, 20);
    Application->AdvanceTime(DoubleClickTimeMs + 1);
    Input::MouseDown(r, mbLeft, {}, 30, 20);
    Input::MouseUp(r, mbLeft, {}, 30, 20);
    EXPECT_EQ(std::count(r->log.begin(), r->log.end(), "DblClick"), 0);

    // Within the time but 3 pixels away: single as well.
    r->log.clear();
    Input::MouseDown(r, mbLeft, {}, 40, 20);
    Input::MouseUp(r, mbLeft, {}, 40, 20);
    Input::MouseDown(r, mbLeft, {}, 43, 20);
    Input::MouseUp(r, mbLeft, {}, 43, 20);
    EXPECT_EQ(std::count(r->log.begin(), r->log.end(), "DblClick"), 0);

    // Within time and 2 pixels: a double click.
    r->log.clear();
    Input::MouseDown(r, mbLeft, {}, 60, 20);
    Input::MouseUp(r, mbLeft, {}, 60, 20);
    Input::MouseDown(r, mbLeft, {}, 62, 22);
    Input::MouseUp(r, mbLeft, {}, 62, 22);
    EXPECT_EQ(std::count(r->log.begin(), r->log.end(), "DblClick"), 1);
}

TEST_F(InputDispatchTest, CaptureKeepsMouseEventsOnThePressedControl) {
    auto* a = PlaceOn<Recorder>(form.get(), 10, 10, 50, 50);
    auto* b = PlaceOn<Recorder>(form.get(), 100, 10, 50, 50);
    Input::MouseDown(a, mbLeft, {}, 10, 10);
    EXPECT_EQ(GetCaptureControl(), a);
    Input::MouseMove(b, 5, 5, {ssLeft});            // pointer over b, button held
    ASSERT_FALSE(a->moves.empty());
    EXPECT_EQ(a->moves.back(), TPoint(95, 5));       // in a's coordinates
    EXPECT_TRUE(b->moves.empty());
    EXPECT_EQ(b->log, std::vector<std::string>{"Enter"});   // the pointer did enter b
    Input::MouseUp(b, mbLeft, {}, 5, 5);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(std::count(a->log.begin(), a->log.end(), "Click"), 0);   // released outside
    EXPECT_EQ(a->log.back(), "Up");
    Input::MouseMove(b, 6, 6);
    EXPECT_EQ(b->moves.size(), 1u);
}

TEST_F(InputDispatchTest, EnterAndLeaveFollowThePointer) {
    auto* a = PlaceOn<Recorder>(form.get(), 10, 10, 50, 50);
    auto* b = PlaceOn<Recorder>(form.get(), 100, 10, 50, 50);
    Input::MouseMove(a, 1, 1);
    Input::MouseMove(a, 2, 2);
    Input::MouseMove(b, 1, 1);
    EXPECT_EQ(a->log, (std::vector<std::string>{"Enter", "Leave"}));
    EXPECT_EQ(b->log, std::vector<std::string>{"Enter"});
}

TEST_F(InputDispatchTest, WheelDeltasAccumulateToWholeNotches) {
    auto* r = PlaceOn<Recorder>(form.get(), 10, 10, 100, 50);
    Input::Wheel(r, 60, 5, 5);
    EXPECT_EQ(r->wheelUp, 0);
    Input::Wheel(r, 60, 5, 5);
    EXPECT_EQ(r->wheelUp, 1);
    Input::Wheel(r, -240, 5, 5);
    EXPECT_EQ(r->wheelDown, 2);
    Input::Wheel(r, -100, 5, 5);
    Input::Wheel(r, -40, 5, 5);
    EXPECT_EQ(r->wheelDown, 3);

    // OnMouseWheel sees the raw delta in screen coordinates and can take it all.
    int seen = 0;
    TPoint where;
    r->SetOnMouseWheel([&](TObject*, TShiftState, int Delta, TPoint Pos, bool& Handled) {
        seen = Delta;
        where = Pos;
        Handled = true;
    });
    Input::Wheel(r, 120, 7, 8);
    EXPECT_EQ(seen, 120);
    EXPECT_EQ(where, r->ClientToScreen({7, 8}));
    EXPECT_EQ(r->wheelUp, 1);
}

TEST_F(InputDispatchTest, UnhandledWheelGoesToTheParent) {
    auto* parent = PlaceOn<Recorder>(form.get(), 10, 10, 200, 100);
    auto* child = PlaceOn<TCustomControl>(parent, 10, 10, 50, 50);
    Input::Wheel(child, -120, 5, 5);
    EXPECT_EQ(parent->wheelDown, 1);
}

TEST_F(InputDispatchTest, DisabledControlsPassTheMouseToTheirParent) {
    auto* parent = PlaceOn<Recorder>(form.get(), 10, 10, 200, 100);
    auto* child = PlaceOn<Recorder>(parent, 10, 10, 50, 50);
    child->SetEnabled(false);
    Input::Click(child, 5, 5);
    EXPECT_EQ(std::count(parent->log.begin(), parent->log.end(), "Click"), 1);
    EXPECT_TRUE(child->log.empty());
}

TEST_F(InputDispatchTest, CursorComesFromTheControlUnderThePointerUnlessTheScreenOverrides) {
    auto* a = PlaceOn<Recorder>(form.get(), 10, 10, 50, 50);
    auto* b = PlaceOn<Recorder>(form.get(), 100, 10, 50, 50);
    a->SetCursor(crHandPoint);
    Input::MouseMove(a, 5, 5);
    EXPECT_EQ(Testing::ShownCursor(), crHandPoint);
    Input::MouseMove(b, 5, 5);
    EXPECT_EQ(Testing::ShownCursor(), crDefault);
    b->SetCursor(crSizeWE);   // changes under the pointer show at once
    EXPECT_EQ(Testing::ShownCursor(), crSizeWE);
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(Testing::ShownCursor(), crHourGlass);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(Testing::ShownCursor(), crSizeWE);
}

TEST_F(InputDispatchTest, RightClickOpensTheContextEventWithScreenCoordinates) {
    auto* r = PlaceOn<Recorder>(form.get(), 10, 10, 100, 50);
    TPoint at;
    r->SetOnContextPopup([&](TObject*, TPoint Pos, bool& Handled) {
        at = Pos;
        Handled = true;
    });
    Input::Click(r, 30, 20, {}, mbRight);
    EXPECT_EQ(at, TPoint(30, 20));
    EXPECT_EQ(std::count(r->log.begin(), r->log.end(), "Click"), 0);
}

}  // namespace
