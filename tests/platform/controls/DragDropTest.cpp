// Drag and drop: automatic and manual drags between controls of one form and of two forms,
// accepted and refused drops, the threshold, immediate drags, cancelling, the cursor and
// the order of the events.
#include "tests/support/FormFixture.h"

#include <string>
#include <vector>

using namespace vcl;

namespace {

// A plain windowed control that can be a source or a target.
class Pad : public TCustomControl {
public:
    explicit Pad(TComponent* Owner) : TCustomControl(Owner) {}
};

std::string StateName(TDragState S) {
    return S == dsDragEnter ? "enter" : S == dsDragLeave ? "leave" : "move";
}

class DragDropTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        source = PlaceOn<Pad>(form.get(), 10, 10, 100, 100, "Source");
        target = PlaceOn<Pad>(form.get(), 200, 10, 100, 100, "Target");
        source->SetDragMode(dmAutomatic);
        source->SetOnClick([this](TObject*) { log.push_back("click"); });
        Watch(source);
        Watch(target);
        AcceptOn(target, true);
    }

    // Records the source's and target's drag events as text.
    void Watch(TControl* C) {
        C->SetOnStartDrag([this](TObject* Sender, TDragObject*&) { log.push_back(Name(Sender) + ".start"); });
        C->SetOnDragDrop([this](TObject* Sender, TObject* Source, int X, int Y) {
            log.push_back(Name(Sender) + ".drop " + Name(Source) + " " + std::to_string(X) + "," + std::to_string(Y));
        });
        C->SetOnEndDrag([this](TObject* Sender, TObject* Target, int X, int Y) {
            log.push_back(Name(Sender) + ".end " + (Target ? Name(Target) : "nil") + " " + std::to_string(X) + "," +
                          std::to_string(Y));
        });
    }
    void AcceptOn(TControl* C, bool Accept) {
        C->SetOnDragOver([this, Accept](TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& A) {
            // Leaving, the pointer is elsewhere: only the fact is logged.
            std::string at = State == dsDragLeave ? "" : " " + std::to_string(X) + "," + std::to_string(Y);
            log.push_back(Name(Sender) + "." + StateName(State) + " " + Name(Source) + at);
            A = Accept;
        });
    }
    static std::string Name(TObject* O) {
        if (auto* c = dynamic_cast<TComponent*>(O)) return c->GetName();
        return O != nullptr ? O->ClassName() : "nil";
    }

    Pad* source = nullptr;
    Pad* target = nullptr;
    std::vector<std::string> log;
};

TEST_F(DragDropTest, AcceptedDropBetweenControlsRunsTheEventsInOrder) {
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    EXPECT_FALSE(source->Dragging());
    Input::MouseMove(source, 30, 20);   // past the threshold: the drag starts over the source
    EXPECT_TRUE(source->Dragging());
    EXPECT_EQ(GetCaptureControl(), source);
    EXPECT_EQ(Testing::ShownCursor(), crNoDrop) << "the source itself takes no drops";
    Input::MouseMove(target, 5, 6);
    EXPECT_EQ(Testing::ShownCursor(), crDrag);
    Input::MouseMove(target, 7, 8);
    Input::MouseUp(target, mbLeft, {}, 9, 10);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(Testing::ShownCursor(), crDefault);
    const std::vector<std::string> expected{
        "Source.start",
        "Target.enter Source 5,6",
        "Target.move Source 7,8",
        "Target.move Source 9,10",
        "Target.leave Source",
        "Target.drop Source 9,10",
        "Source.end Target 9,10",
    };
    EXPECT_EQ(log, expected);
}

TEST_F(DragDropTest, RefusedOrUnhandledTargetsShowNoDropAndEndWithoutTarget) {
    AcceptOn(target, false);
    source->SetDragCursor(crHandPoint);
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(target, 5, 5);
    EXPECT_EQ(Testing::ShownCursor(), crNoDrop);
    Input::MouseUp(target, mbLeft, {}, 5, 5);
    std::vector<std::string> expected{"Source.start", "Target.enter Source 5,5", "Target.leave Source",
                                      "Source.end nil 195,5"};
    EXPECT_EQ(log, expected) << "no drop; the end reports the point in the source's coordinates";

    // A control without OnDragOver takes nothing; the form behind the controls neither.
    log.clear();
    target->SetOnDragOver(nullptr);
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(target, 5, 5);
    EXPECT_EQ(Testing::ShownCursor(), crNoDrop);
    Input::MouseMove(form.get(), 150, 200);
    EXPECT_EQ(Testing::ShownCursor(), crNoDrop);
    AcceptOn(target, true);
    Input::MouseMove(target, 5, 5);
    EXPECT_EQ(Testing::ShownCursor(), crHandPoint) << "the source's DragCursor over an accepting target";
    Input::MouseMove(form.get(), 150, 200);
    Input::MouseUp(form.get(), mbLeft, {}, 150, 200);
    EXPECT_EQ(log.back(), "Source.end nil 140,190");
}

TEST_F(DragDropTest, ThresholdDecidesWhenAnAutomaticDragStarts) {
    // Five pixels in x or y are not enough; the press stays a click.
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(source, 25, 15);
    EXPECT_FALSE(source->Dragging());
    Input::MouseUp(source, mbLeft, {}, 25, 15);
    EXPECT_EQ(log, std::vector<std::string>{"click"});

    // The sixth pixel starts it; the release then drops and is no click. (Later than the
    // double-click time: a second press at once would be a double click, which starts no drag.)
    log.clear();
    Application->AdvanceTime(DoubleClickTimeMs + 1);
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(source, 20, 26);
    EXPECT_TRUE(source->Dragging());
    Input::MouseUp(source, mbLeft, {}, 20, 26);
    EXPECT_EQ(log, (std::vector<std::string>{"Source.start", "Source.end nil 20,26"}));

    // A threshold of its own, given to BeginDrag from a mouse handler (manual mode).
    log.clear();
    source->SetDragMode(dmManual);
    source->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(false, 20); });
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(source, 40, 40);
    EXPECT_FALSE(source->Dragging());
    Input::MouseMove(source, 41, 20);
    EXPECT_TRUE(source->Dragging());
    Input::MouseUp(source, mbLeft, {}, 41, 20);
    EXPECT_FALSE(source->Dragging());
}

TEST_F(DragDropTest, ImmediateDragStartsAtThePress) {
    source->SetDragMode(dmManual);
    source->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int, int) {
        source->BeginDrag(true);
        log.push_back(source->Dragging() ? "dragging" : "idle");
    });
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    EXPECT_EQ(log, (std::vector<std::string>{"Source.start", "dragging"}));
    // A second BeginDrag while one runs changes nothing.
    source->BeginDrag(true);
    Input::MouseMove(target, 50, 50);
    Input::MouseUp(target, mbLeft, {}, 50, 50);
    EXPECT_EQ(log.back(), "Source.end Target 50,50");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Source.start"), 1);

    // A control that is on no form cannot be dragged.
    Pad loose(nullptr);
    EXPECT_THROW(loose.BeginDrag(true), EInvalidOperation);
}

TEST_F(DragDropTest, EscapeRightButtonAndEndDragCancel) {
    source->SetTabStop(true);
    source->SetFocus();
    int keysSeen = 0;
    source->SetOnKeyDown([&](TObject*, WORD&, TShiftState) { ++keysSeen; });
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(target, 5, 5);
    Input::KeyDown(source, VK_ESCAPE);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(keysSeen, 0) << "the Escape that cancels is used up";
    EXPECT_EQ(Testing::ShownCursor(), crDefault);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    std::vector<std::string> expected{"Source.start", "Target.enter Source 5,5", "Target.leave Source",
                                      "Source.end nil 195,5"};
    EXPECT_EQ(log, expected);
    // The release after the cancel is an ordinary release: nothing is dropped, no click.
    Input::MouseUp(target, mbLeft, {}, 5, 5);
    EXPECT_EQ(log, expected);
    Input::KeyDown(source, VK_ESCAPE);
    EXPECT_EQ(keysSeen, 1) << "without a drag Escape reaches the control";

    // The right button cancels; its release opens no context menu.
    log.clear();
    int popups = 0;
    target->SetOnContextPopup([&](TObject*, TPoint, bool&) { ++popups; });
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(target, 5, 5);
    Input::MouseDown(target, mbRight, {ssLeft}, 5, 5);
    EXPECT_FALSE(source->Dragging());
    Input::MouseUp(target, mbRight, {ssLeft}, 5, 5);
    EXPECT_EQ(popups, 0);
    EXPECT_EQ(log.back(), "Source.end nil 195,5");

    // EndDrag from code: false cancels, true drops on the accepting target under the pointer.
    log.clear();
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(target, 5, 5);
    source->EndDrag(true);
    EXPECT_EQ(log.back(), "Source.end Target 5,5");
    EXPECT_EQ(log[log.size() - 2], "Target.drop Source 5,5");
}

TEST_F(DragDropTest, DragCrossesFormsAndBackends) {
    TForm other(nullptr);
    other.SetBorderStyle(bsSingle);
    other.SetBounds(600, 300, 300, 200);
    other.Show();
    auto* far = new Pad(&other);
    far->SetName("Far");
    far->SetParent(&other);
    far->SetBounds(20, 20, 150, 100);
    Watch(far);
    AcceptOn(far, true);

    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(far, 10, 12);   // the first move passes the threshold on the other form
    EXPECT_TRUE(source->Dragging());
    EXPECT_EQ(GetCaptureControl(), source);
    EXPECT_EQ(Testing::ShownCursor(), crDrag);
    Input::MouseMove(target, 1, 1);
    Input::MouseMove(far, 30, 40);
    Input::MouseUp(far, mbLeft, {}, 30, 40);
    const std::vector<std::string> expected{
        "Source.start",           "Far.enter Source 10,12", "Far.leave Source",
        "Target.enter Source 1,1", "Target.leave Source",  "Far.enter Source 30,40",
        "Far.leave Source",       "Far.drop Source 30,40", "Source.end Far 30,40",
    };
    EXPECT_EQ(log, expected);

    // Refused on the other form: the end has no target.
    log.clear();
    AcceptOn(far, false);
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(far, 10, 12);
    EXPECT_EQ(Testing::ShownCursor(), crNoDrop);
    Input::MouseUp(far, mbLeft, {}, 10, 12);
    EXPECT_EQ(log.back().substr(0, 15), "Source.end nil ");
}

TEST_F(DragDropTest, OwnDragObjectReachesTargetsAndVanishingControlsAreSafe) {
    TDragObject own;
    source->SetOnStartDrag([&](TObject*, TDragObject*& Object) { Object = &own; });
    TObject* seen = nullptr;
    target->SetOnDragDrop([&](TObject*, TObject* Source, int, int) { seen = Source; });
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(target, 5, 5);
    EXPECT_EQ(own.GetControl(), source);
    EXPECT_EQ(own.GetDragTarget(), target);
    Input::MouseUp(target, mbLeft, {}, 5, 5);
    EXPECT_EQ(seen, &own);
    EXPECT_TRUE(own.GetDropped());

    // The target goes during the drag: the drag goes on without it.
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(target, 5, 5);
    delete target;
    target = nullptr;
    Input::MouseMove(form.get(), 250, 50);
    Input::MouseUp(form.get(), mbLeft, {}, 250, 50);
    EXPECT_FALSE(source->Dragging());

    // The source goes: its drag ends without events and the cursor comes back.
    Input::MouseDown(source, mbLeft, {}, 20, 20);
    Input::MouseMove(form.get(), 250, 50);
    EXPECT_EQ(Testing::ShownCursor(), crNoDrop);
    delete source;
    source = nullptr;
    EXPECT_EQ(Testing::ShownCursor(), crDefault);
    Input::MouseMove(form.get(), 260, 50);
    Input::MouseUp(form.get(), mbLeft, {}, 260, 50);
}

}  // namespace
