// Keyboard focus across nested containers and on graphic controls that opt into it: the
// tab order, enter/exit order, key routing, clicks, disabled and hidden controls, the cue,
// Alt accelerators of buttons and check boxes, and a focused control that is freed.
#include "tests/support/FormFixture.h"

#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

// A graphic control that takes the keyboard: it logs what reaches it and paints white
// with the focus cue round its client area.
class FocusProbe : public TGraphicControl {
public:
    explicit FocusProbe(TComponent* AOwner) : TGraphicControl(AOwner) { SetKeyboardFocusable(true); }
    std::vector<std::string>* log = nullptr;
    LRESULT dialogCode = 0;

protected:
    void Paint() override {
        TCanvas* c = GetCanvas();
        c->GetBrush()->SetColor(clWhite);
        c->FillRect(GetClientRect());
        DrawFocusCue(c, GetClientRect());
    }
    void KeyDown(WORD& Key, TShiftState Shift) override {
        TGraphicControl::KeyDown(Key, Shift);
        Note("down " + std::to_string(Key));
    }
    void KeyPress(char32_t& Key) override {
        TGraphicControl::KeyPress(Key);
        Note("press " + std::to_string(int(Key)));
    }
    void KeyUp(WORD& Key, TShiftState Shift) override {
        TGraphicControl::KeyUp(Key, Shift);
        Note("up " + std::to_string(Key));
    }
    LRESULT DialogCode() const override { return dialogCode; }

private:
    void Note(const std::string& S) {
        if (log != nullptr) log->push_back(GetName() + " " + S);
    }
};

class GraphicFocusTest : public zyn_test::FormFixture {
protected:
    // E1; P1 { E2; P2 { G1; E3 } }; G2; a label (takes no focus).
    void SetUp() override {
        FormFixture::SetUp();
        e1 = PlaceOn<TEdit>(form.get(), 10, 10, 80, 21, "E1");
        p1 = PlaceOn<TPanel>(form.get(), 100, 10, 200, 150, "P1");
        e2 = PlaceOn<TEdit>(p1, 5, 5, 80, 21, "E2");
        p2 = PlaceOn<TPanel>(p1, 5, 40, 180, 100, "P2");
        g1 = PlaceOn<FocusProbe>(p2, 5, 5, 30, 20, "G1");
        e3 = PlaceOn<TEdit>(p2, 5, 40, 80, 21, "E3");
        g2 = PlaceOn<FocusProbe>(form.get(), 10, 200, 30, 20, "G2");
        label = PlaceOn<TLabel>(form.get(), 10, 240, 60, 15, "L1");
        for (TWinControl* w : std::vector<TWinControl*>{e1, p1, e2, p2, e3}) {
            w->SetOnEnter([this](TObject* s) { log.push_back("enter " + static_cast<TComponent*>(s)->GetName()); });
            w->SetOnExit([this](TObject* s) { log.push_back("exit " + static_cast<TComponent*>(s)->GetName()); });
        }
        for (FocusProbe* g : {g1, g2}) {
            g->log = &log;
            g->SetOnEnter([this](TObject* s) { log.push_back("enter " + static_cast<TComponent*>(s)->GetName()); });
            g->SetOnExit([this](TObject* s) { log.push_back("exit " + static_cast<TComponent*>(s)->GetName()); });
        }
    }
    // The name of the control with the keyboard.
    std::string Current() {
        TControl* c = form->CurrentFocus();
        return c != nullptr ? c->GetName() : "";
    }

    TEdit *e1 = nullptr, *e2 = nullptr, *e3 = nullptr;
    TPanel *p1 = nullptr, *p2 = nullptr;
    FocusProbe *g1 = nullptr, *g2 = nullptr;
    TLabel* label = nullptr;
    std::vector<std::string> log;
};

TEST_F(GraphicFocusTest, TabWalksNestedPanelsAndFocusableGraphicControls) {
    e1->SetFocus();
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        Input::KeyDown(form.get(), VK_TAB);
        seen.push_back(Current());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"E2", "G1", "E3", "G2", "E1"}));
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        Input::KeyDown(form.get(), VK_TAB, {ssShift});
        seen.push_back(Current());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"G2", "E3", "G1", "E2", "E1"}));

    // A graphic control has its place among its windowed siblings.
    EXPECT_EQ(g1->GetTabOrder(), 0);
    g1->SetTabOrder(1);
    EXPECT_EQ(e3->GetTabOrder(), 0);
    e2->SetFocus();
    Input::KeyDown(form.get(), VK_TAB);
    EXPECT_EQ(Current(), "E3");
    Input::KeyDown(form.get(), VK_TAB);
    EXPECT_EQ(Current(), "G1");
    // TabStop off: skipped by Tab.
    g1->SetTabStop(false);
    e3->SetFocus();
    Input::KeyDown(form.get(), VK_TAB);
    EXPECT_EQ(Current(), "G2");
    EXPECT_EQ(label->GetTabOrder(), -1);   // not focusable, not in the tab order
}

TEST_F(GraphicFocusTest, TheWindowHoldsTheRealFocusWhileItsGraphicChildHasTheKeyboard) {
    g1->SetFocus();
    EXPECT_TRUE(g1->Focused());
    EXPECT_TRUE(g1->HasKeyboardFocus());
    EXPECT_EQ(Screen->GetActiveControl(), p2);
    EXPECT_EQ(p2->GetFocusedChild(), g1);
    EXPECT_EQ(form->GetActiveControl(), p2);
    EXPECT_FALSE(g2->HasKeyboardFocus());
    g2->SetFocus();   // its window is the form itself
    EXPECT_TRUE(g2->HasKeyboardFocus());
    EXPECT_FALSE(g1->HasKeyboardFocus());
    EXPECT_EQ(Screen->GetActiveControl(), form.get());
    EXPECT_THROW(label->SetFocus(), EInvalidOperation);
}

TEST_F(GraphicFocusTest, EnterAndExitFollowTheContainersInOrder) {
    e1->SetFocus();
    log.clear();
    g1->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit E1", "enter P1", "enter P2", "enter G1"}));
    log.clear();
    e3->SetFocus();   // same panel: only the graphic control leaves
    EXPECT_EQ(log, (std::vector<std::string>{"exit G1", "enter E3"}));
    g1->SetFocus();
    log.clear();
    g2->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit G1", "exit P2", "exit P1", "enter G2"}));
    log.clear();
    e2->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit G2", "enter P1", "enter E2"}));
}

TEST_F(GraphicFocusTest, KeysReachTheFocusedGraphicControlAfterTheFormsPreview) {
    g1->SetFocus();
    log.clear();
    Input::KeyDown(form.get(), 'A');
    Input::KeyPress(form.get(), U'a');
    Input::KeyUp(form.get(), 'A');
    EXPECT_EQ(log, (std::vector<std::string>{"G1 down 65", "G1 press 97", "G1 up 65"}));

    // Arrows navigate unless the control asks for them.
    log.clear();
    Input::KeyDown(form.get(), VK_DOWN);
    EXPECT_EQ(Current(), "E3");
    EXPECT_TRUE(log.empty() || log.front() != "G1 down 40");
    g1->dialogCode = DLGC_WANTARROWS;
    g1->SetFocus();
    log.clear();
    Input::KeyDown(form.get(), VK_DOWN);
    EXPECT_EQ(Current(), "G1");
    EXPECT_EQ(log, (std::vector<std::string>{"G1 down 40"}));

    // KeyPreview: the form sees the key first and may consume it.
    form->SetKeyPreview(true);
    form->SetOnKeyDown([](TObject*, WORD& Key, TShiftState) {
        if (Key == 'B') Key = 0;
    });
    log.clear();
    Input::KeyDown(form.get(), 'B');
    Input::KeyDown(form.get(), 'C');
    EXPECT_EQ(log, (std::vector<std::string>{"G1 down 67"}));
}

TEST_F(GraphicFocusTest, APressGivesAFocusableGraphicControlTheFocus) {
    e1->SetFocus();
    Input::Click(g1, 5, 5);
    EXPECT_TRUE(g1->Focused());
    Input::Click(label, 5, 5);   // a label takes no focus
    EXPECT_TRUE(g1->Focused());
}

TEST_F(GraphicFocusTest, DisabledOrHiddenControlsAreSkippedAndLoseTheFocus) {
    g1->SetEnabled(false);
    e2->SetFocus();
    Input::KeyDown(form.get(), VK_TAB);
    EXPECT_EQ(Current(), "E3");
    g1->SetEnabled(true);

    g1->SetFocus();
    g1->SetEnabled(false);
    EXPECT_FALSE(g1->HasKeyboardFocus());
    EXPECT_EQ(Current(), "E3");   // the next control
    g1->SetEnabled(true);
    g2->SetFocus();
    g2->SetVisible(false);
    EXPECT_FALSE(g2->HasKeyboardFocus());
    EXPECT_EQ(Current(), "E1");
    g2->SetVisible(true);

    // A graphic control inside a panel that is disabled loses the keyboard with it.
    g1->SetFocus();
    p2->SetEnabled(false);
    EXPECT_FALSE(g1->HasKeyboardFocus());
    EXPECT_EQ(Current(), "G2");
}

TEST_F(GraphicFocusTest, FocusInsideAContainerMovesOnWhenTheContainerGoes) {
    // The focused control is inside the panel, not the panel itself.
    e2->SetFocus();
    p1->SetEnabled(false);
    EXPECT_EQ(Current(), "G2");
    p1->SetEnabled(true);
    e3->SetFocus();
    p1->SetVisible(false);
    EXPECT_EQ(Current(), "G2");
    EXPECT_FALSE(e3->Focused());
}

TEST_F(GraphicFocusTest, TheCueShowsOnlyWhileTheGraphicControlHasTheKeyboard) {
    // G2 lies at (10, 200) on the form: the dotted frame starts black at its corner.
    e1->SetFocus();
    form->Repaint();
    EXPECT_EQ(Pixel(10, 200), 0xFFFFFFu);
    g2->SetFocus();
    form->Repaint();
    EXPECT_EQ(Pixel(10, 200), 0x000000u);
    EXPECT_EQ(Pixel(11, 200), 0xFFFFFFu);   // dotted
    EXPECT_EQ(Pixel(20, 210), 0xFFFFFFu);   // inside
    e1->SetFocus();
    form->Repaint();
    EXPECT_EQ(Pixel(10, 200), 0xFFFFFFu);
}

TEST_F(GraphicFocusTest, AltAcceleratorsFocusButtonsAndCheckBoxesAndLabelTargets) {
    auto* button = PlaceOn<TButton>(form.get(), 300, 200, 75, 25, "B1");
    button->SetCaption("&Go");
    auto* check = PlaceOn<TCheckBox>(form.get(), 300, 240, 90, 20, "C1");
    check->SetCaption("&Check");
    label->SetCaption("&Name");
    label->SetFocusControl(e3);
    int clicks = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    e1->SetFocus();
    Input::KeyDown(form.get(), 'G', {ssAlt});
    EXPECT_TRUE(button->Focused());
    EXPECT_EQ(clicks, 1);
    Input::KeyDown(form.get(), 'C', {ssAlt});
    EXPECT_TRUE(check->Focused());
    EXPECT_TRUE(check->GetChecked());
    Input::KeyDown(form.get(), 'N', {ssAlt});
    EXPECT_TRUE(e3->Focused());
    check->SetEnabled(false);
    Input::KeyDown(form.get(), 'C', {ssAlt});
    EXPECT_TRUE(e3->Focused());
    EXPECT_TRUE(check->GetChecked());
}

TEST_F(GraphicFocusTest, AFreedGraphicControlTakesTheKeyboardAsAFreedWindowDoes) {
    // A focused window that is freed: nobody has the focus, no exit notifications.
    e3->SetFocus();
    log.clear();
    delete e3;
    e3 = nullptr;
    EXPECT_EQ(Screen->GetActiveControl(), nullptr);
    EXPECT_EQ(form->GetActiveControl(), nullptr);
    EXPECT_TRUE(log.empty());

    // A focused graphic control that is freed: the same, and its window forgets it.
    g1->SetFocus();
    log.clear();
    delete g1;
    g1 = nullptr;
    EXPECT_EQ(p2->GetFocusedChild(), nullptr);
    EXPECT_EQ(Screen->GetActiveControl(), nullptr);
    EXPECT_EQ(form->GetActiveControl(), nullptr);
    EXPECT_TRUE(log.empty());
    Input::KeyDown(form.get(), 'A');   // reaches no panel
    Input::KeyDown(form.get(), VK_TAB);
    EXPECT_EQ(Current(), "E1");

    // One that takes the keyboard while its form is inactive and is freed before the form
    // is active again: the form's first control gets the focus.
    e2->SetFocus();
    auto other = std::make_unique<TForm>(nullptr);
    other->SetBounds(500, 0, 100, 100);
    other->Show();
    Screen->SetActiveForm(other.get());
    auto* g3 = PlaceOn<FocusProbe>(p1, 5, 110, 30, 20, "G3");
    g3->SetFocus();
    EXPECT_EQ(form->GetActiveControl(), p1);
    delete g3;
    EXPECT_EQ(p1->GetFocusedChild(), nullptr);
    Screen->SetActiveForm(form.get());
    EXPECT_EQ(Current(), "E1");
    EXPECT_EQ(Screen->GetActiveControl(), e1);
}

}  // namespace
