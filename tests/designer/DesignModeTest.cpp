// Design mode: the components of a designed form keep their settings but run no timer and
// take no input, on the virtual clock. Forms come in through the design model, as the
// designer reads them, so a component is designed while its properties are set and its
// Loaded runs.
#include <gtest/gtest.h>

#include "apps/designer/model/DesignModel.h"
#include "platform/Classes.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"
#include "progbar/Zyn_ProgBar.h"
#include "rasterlab/Zyn_RasterLab.h"
#include "repsbut/Zyn_repsbut.h"

namespace {

using namespace vcl;
using designer::TDesignModel;

class DesignMode : public ::testing::Test {
protected:
    void SetUp() override {
        Application->SetVirtualClock(true);
        Testing::ResetInput();
    }
    void TearDown() override { Testing::ResetInput(); }
    static void Advance(int Ms) {
        Application->AdvanceTime(Ms);
        Application->ProcessMessages();
    }
    template <class C>
    C* Named(TDesignModel& M, const char* Name) {
        auto* c = dynamic_cast<C*>(M.Find(Name));
        EXPECT_NE(c, nullptr) << Name;
        return c;
    }
};

const char* const TimedForm =
    "object Form1: TForm\n"
    "  Left = 0\n  Top = 0\n  Width = 400\n  Height = 300\n"
    "  object Timer1: TTimer\n    Interval = 20\n    OnTimer = Timer1Timer\n  end\n"
    "  object ProgBar1: TProgBar\n    Left = 8\n    Top = 8\n    Width = 200\n    Height = 20\n"
    "    AutoInc = True\n    StartInterval = 20\n    RepeatInterval = 20\n    OnAutoInc = Bar1AutoInc\n  end\n"
    "  object RasterLab1: TRasterLab\n    Left = 8\n    Top = 40\n    Width = 200\n    Height = 40\n"
    "    ScrollMode = rdsmLeft\n  end\n"
    "  object RepSpeedButton1: TRepSpeedButton\n    Left = 8\n    Top = 90\n    Width = 40\n    Height = 24\n"
    "    StartClickInterval = 20\n    RepeatClickInterval = 20\n  end\n"
    "end\n";

TEST_F(DesignMode, NoTimerRunsOnADesignedForm) {
    TDesignModel m;
    m.LoadText(TimedForm);
    for (TComponent* c : m.Form()->Components()) EXPECT_TRUE(c->GetComponentState().Contains(csDesigning)) << c->GetName();

    // Each kept what the file set, but nothing ticks.
    auto* bar = Named<zyn::TProgBar>(m, "ProgBar1");
    auto* lab = Named<zyn::TRasterLab>(m, "RasterLab1");
    ASSERT_TRUE(bar && lab);
    EXPECT_TRUE(bar->GetAutoInc());
    EXPECT_EQ(lab->GetScrollMode(), zyn::rdsmLeft);
    EXPECT_FALSE(bar->IsTimerRunning());
    EXPECT_FALSE(lab->GetScrollTimerRunning());
    const double start = bar->GetValue();
    int ticks = 0;
    auto* timer = Named<TTimer>(m, "Timer1");
    ASSERT_NE(timer, nullptr);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    Advance(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(bar->GetValue(), start);
    EXPECT_EQ(lab->GetScrollPosX(), 0);
    // Undo reads the form again: still designed, still still.
    m.SetProperty(bar, "Width", "240");
    m.Undo();
    bar = Named<zyn::TProgBar>(m, "ProgBar1");
    EXPECT_FALSE(bar->IsTimerRunning());
    Advance(200);
    EXPECT_EQ(bar->GetValue(), start);
}

TEST_F(DesignMode, ATimerStopsWhenItsComponentBecomesDesigned) {
    // A timer that runs when the component is marked designed stops at its next tick.
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(20);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    Advance(100);
    EXPECT_GT(ticks, 0);
    const int before = ticks;
    timer.SetDesigning(true);
    Advance(200);
    EXPECT_EQ(ticks, before);

    zyn::TProgBar bar(nullptr);
    const double start = bar.GetValue();
    bar.SetStartInterval(20);
    bar.SetRepeatInterval(20);
    bar.SetAutoInc(true);
    EXPECT_TRUE(bar.IsTimerRunning());
    bar.SetDesigning(true);
    Advance(100);
    EXPECT_FALSE(bar.IsTimerRunning());
    EXPECT_EQ(bar.GetValue(), start);
}

TEST_F(DesignMode, WhatADesignedOwnerMakesIsDesignedFromTheStart) {
    TComponent owner(nullptr);
    owner.SetDesigning(true);
    auto* timer = new TTimer(&owner);
    EXPECT_TRUE(timer->GetComponentState().Contains(csDesigning));
    auto* bar = new zyn::TProgBar(&owner);
    bar->SetAutoInc(true);   // outside design mode this starts the timer at once
    EXPECT_FALSE(bar->IsTimerRunning());
    owner.SetDesigning(false);
    EXPECT_FALSE(timer->GetComponentState().Contains(csDesigning));
}

TEST_F(DesignMode, NoInputReachesADesignedComponent) {
    TDesignModel m;
    m.LoadText(TimedForm);
    auto* rep = Named<zyn::TRepSpeedButton>(m, "RepSpeedButton1");
    auto* edit = dynamic_cast<TEdit*>(m.Drop("TEdit", nullptr, Bounds(100, 150, 120, 24)));
    auto* button = dynamic_cast<TButton*>(m.Drop("TButton", nullptr, Bounds(100, 200, 80, 24)));
    ASSERT_TRUE(rep && edit && button);
    int clicks = 0, repeats = 0;
    rep->SetOnClick([&](TObject*) { ++clicks; });
    rep->SetOnRepeatClick([&](TObject*) { ++repeats; });
    button->SetOnClick([&](TObject*) { ++clicks; });
    m.Form()->SetBounds(0, 0, 400, 300);

    // A repeating button held down does not repeat.
    Input::MouseDown(rep, mbLeft, {}, 10, 10);
    EXPECT_FALSE(rep->GetRepeating());
    Advance(500);
    Input::MouseUp(rep, mbLeft, {}, 10, 10);
    EXPECT_EQ(repeats, 0);
    Input::Click(button, 10, 10);
    EXPECT_EQ(clicks, 0);
    const std::string text = edit->GetText();
    Input::TypeText(edit, "abc");
    EXPECT_EQ(edit->GetText(), text);

    // The same controls out of design mode do take it (the test would pass for nothing
    // if the input did not arrive at all).
    m.Form()->SetDesigning(false);
    Input::Click(button, 10, 10);
    EXPECT_EQ(clicks, 1);
    Input::MouseDown(rep, mbLeft, {}, 10, 10);
    EXPECT_TRUE(rep->GetRepeating());
    Advance(100);
    Input::MouseUp(rep, mbLeft, {}, 10, 10);
    EXPECT_GT(repeats, 0);
    m.Form()->Hide();
}

}  // namespace
