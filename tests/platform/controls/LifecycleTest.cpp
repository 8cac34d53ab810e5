// Window creation, messages through handles, timers, fonts and colours from the parent.
#include "tests/support/FormFixture.h"

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

class WindowCounter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int created = 0;
    std::vector<UINT> user;

protected:
    void CreateWnd() override {
        TCustomControl::CreateWnd();
        ++created;
        EXPECT_TRUE(HandleAllocated());
    }
    void WndProc(TMessage& M) override {
        if (M.Msg >= WM_USER && M.Msg < WM_USER + 100) {
            user.push_back(M.Msg);
            M.Result = 7;
            return;
        }
        TCustomControl::WndProc(M);
    }
};

using LifecycleTest = zyn_test::FormFixture;

TEST_F(LifecycleTest, CreateWndRunsOnceWhenTheControlFirstGetsAWindow) {
    TForm hidden(nullptr);
    auto* a = new WindowCounter(&hidden);
    a->SetParent(&hidden);
    EXPECT_EQ(a->created, 0);   // the form is not showing yet
    hidden.Show();
    EXPECT_EQ(a->created, 1);
    hidden.Hide();
    hidden.Show();
    EXPECT_EQ(a->created, 1);

    auto* b = new WindowCounter(form.get());
    EXPECT_FALSE(b->HandleAllocated());
    b->HandleNeeded();
    EXPECT_EQ(b->created, 1);
    b->SetParent(form.get());   // already has its window
    EXPECT_EQ(b->created, 1);

    auto* c = new WindowCounter(form.get());
    c->SetParent(form.get());   // onto a showing form: at once
    EXPECT_EQ(c->created, 1);
    EXPECT_EQ(FindControl(c->GetHandle()), c);
}

TEST_F(LifecycleTest, MessagesReachTheControlThroughItsHandle) {
    auto* c = PlaceOn<WindowCounter>(form.get(), 0, 0, 10, 10);
    EXPECT_EQ(SendMessage(c->GetHandle(), WM_USER + 1, 0, 0), 7);
    PostMessage(c->GetHandle(), WM_USER + 2, 0, 0);
    EXPECT_EQ(c->user.size(), 1u);
    Application->ProcessMessages();
    EXPECT_EQ(c->user, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
    HWND h = c->GetHandle();
    delete c;
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(FindControl(h), nullptr);
}

TEST_F(LifecycleTest, TimerTicksOnTheVirtualClockOnlyWhileComplete) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(100);
    Application->AdvanceTime(500);
    EXPECT_EQ(ticks, 0);   // no handler, no timer
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    Application->AdvanceTime(250);
    EXPECT_EQ(ticks, 2);
    timer.SetEnabled(false);
    Application->AdvanceTime(500);
    EXPECT_EQ(ticks, 2);
    timer.SetEnabled(true);
    timer.SetOnTimer([&](TObject*) { throw Exception("handler failed"); });
    int reported = 0;
    Application->SetOnException([&](TObject*, Exception&) { ++reported; });
    Application->AdvanceTime(300);
    Application->SetOnException(nullptr);
    EXPECT_EQ(reported, 3);   // reported each time; the timer keeps running
    Testing::FailNextTimers(1);
    EXPECT_THROW(timer.SetInterval(50), EOutOfResources);
}

TEST_F(LifecycleTest, FontAndColourFollowTheParentUntilSetThemselves) {
    auto* panel = PlaceOn<TPanel>(form.get(), 0, 0, 200, 100);
    auto* label = PlaceOn<TLabel>(panel, 5, 5, 50, 15);
    form->GetFont()->SetSize(12);
    EXPECT_EQ(panel->GetFont()->GetSize(), 12);
    EXPECT_EQ(label->GetFont()->GetSize(), 12);
    EXPECT_TRUE(label->GetParentFont());
    label->GetFont()->SetStyle({fsBold});
    EXPECT_FALSE(label->GetParentFont());
    form->GetFont()->SetSize(9);
    EXPECT_EQ(label->GetFont()->GetSize(), 12);
    label->SetParentFont(true);
    EXPECT_EQ(label->GetFont()->GetSize(), 9);

    EXPECT_EQ(label->GetColor(), panel->GetColor());
    panel->SetColor(clYellow);
    EXPECT_EQ(label->GetColor(), TColor(clYellow));
    label->SetColor(clRed);
    EXPECT_FALSE(label->GetParentColor());
    panel->SetColor(clAqua);
    EXPECT_EQ(label->GetColor(), TColor(clRed));
}

TEST_F(LifecycleTest, PanelBordersShrinkTheAreaForAlignedChildren) {
    auto* panel = PlaceOn<TPanel>(form.get(), 0, 0, 200, 100);
    panel->SetBorderWidth(4);
    auto* inner = PlaceOn<TPanel>(panel, 0, 0, 10, 10);
    inner->SetAlign(alClient);
    EXPECT_EQ(inner->GetBoundsRect(), Rect(5, 5, 195, 95));   // bevel 1 + border 4
    panel->SetBevelOuter(bvNone);
    EXPECT_EQ(inner->GetBoundsRect(), Rect(4, 4, 196, 96));
}

}  // namespace
