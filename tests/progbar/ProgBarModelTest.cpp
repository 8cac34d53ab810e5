// The progress bar's setters, colour table, automatic increment on the virtual clock,
// Assign and published table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "progbar/Zyn_ProgBar.h"

using namespace zyn;
using vcl::TColor;

TEST(ProgBarModel, ClampsAndRange) {
    TProgBar b(nullptr);
    b.SetTextDecPlaces(-5);
    EXPECT_EQ(b.GetTextDecPlaces(), -2);
    b.SetTextAngle(400);
    EXPECT_EQ(b.GetTextAngle(), 360);
    b.SetTextPosX(-3);
    EXPECT_EQ(b.GetTextPosX(), 0);
    b.SetTextPosY(500);
    EXPECT_EQ(b.GetTextPosY(), 28);
    b.SetRepeatInterval(3);
    EXPECT_EQ(b.GetRepeatInterval(), 10);
    b.SetAutoIncStep(0);   // refused
    EXPECT_EQ(b.GetAutoIncStep(), 1.0);
    b.SetRange(100, 0);
    EXPECT_EQ(b.GetMin(), 0.0);
    EXPECT_EQ(b.GetMax(), 100.0);
}

TEST(ProgBarModel, ColourTable) {
    TProgBar b(nullptr);
    EXPECT_EQ(b.GetBarColorElem(0), vcl::clBlue);
    EXPECT_EQ(b.GetBarColorElem(1023), vcl::clRed);
    EXPECT_EQ(b.GetBarColorElem(511), vcl::RGB(127, 0, 128));   // 255 * 511 / 1023 towards red
    b.SetBarColorElem(5, vcl::clLime);
    EXPECT_EQ(b.GetBarColorElem(5), vcl::clLime);
    EXPECT_EQ(b.GetBarColorElem(6), vcl::RGB(1, 0, 254));         // the neighbours stay
    b.SetBarColorElem(-1, vcl::clLime);                            // outside the table: ignored
    b.SetBarColorElem(1024, vcl::clLime);
    EXPECT_EQ(b.GetBarColorElem(-1), vcl::clBlack);
    EXPECT_EQ(b.GetBarColorElem(1024), vcl::clBlack);
    b.SetBarColorElem(1023, vcl::clYellow);                        // the last entry is ColorMax
    EXPECT_EQ(b.GetColorMax(), vcl::clYellow);
    b.SetColorMin(vcl::clBlack);                                   // recomputes 1..1022
    EXPECT_EQ(b.GetBarColorElem(5), vcl::RGB(1, 1, 0));
    b.SetColorMax(vcl::clWhite);
    EXPECT_EQ(b.GetBarColorElem(511), vcl::RGB(127, 127, 127));
}

namespace {

class ProgBarTimer : public ::testing::Test {
protected:
    void SetUp() override {
        wasVirtual_ = vcl::Application->GetVirtualClock();
        vcl::Application->SetVirtualClock(true);
        savedHandler_ = vcl::Application->GetOnException();
        vcl::Application->SetOnException([this](vcl::TObject* Sender, vcl::Exception& E) {
            reportedSender = Sender;
            reported.push_back(E.Message());
        });
        bar = std::make_unique<TProgBar>(nullptr);
        bar->SetName("Bar1");
        bar->SetValue(0);
    }
    void TearDown() override {
        bar.reset();
        vcl::Testing::FailNextTimers(0);
        vcl::Application->SetOnException(savedHandler_);
        vcl::Application->SetVirtualClock(wasVirtual_);
    }
    void Advance(int Ms) { vcl::Application->AdvanceTime(Ms); }

    std::unique_ptr<TProgBar> bar;
    vcl::TObject* reportedSender = nullptr;
    std::vector<std::string> reported;

private:
    bool wasVirtual_ = false;
    vcl::TExceptionEvent savedHandler_;
};

}  // namespace

TEST_F(ProgBarTimer, StartPhaseThenRepeats) {
    std::vector<double> seen;
    bar->SetOnAutoInc([&](vcl::TObject* Sender) {
        EXPECT_EQ(Sender, bar.get());
        seen.push_back(bar->GetValue());   // fired after the value grew
    });
    bar->SetAutoInc(true);
    EXPECT_TRUE(bar->IsTimerRunning());
    EXPECT_TRUE(bar->IsStartPhase());
    Advance(1499);
    EXPECT_EQ(bar->GetValue(), 0.0);
    Advance(1);   // the start interval
    EXPECT_EQ(bar->GetValue(), 1.0);
    EXPECT_FALSE(bar->IsStartPhase());
    Advance(699);
    EXPECT_EQ(bar->GetValue(), 1.0);
    Advance(1);   // then every repeat interval
    EXPECT_EQ(bar->GetValue(), 2.0);
    Advance(1400);
    EXPECT_EQ(seen, (std::vector<double>{1, 2, 3, 4}));
    bar->SetAutoInc(false);
    EXPECT_FALSE(bar->IsTimerRunning());
    Advance(5000);
    EXPECT_EQ(bar->GetValue(), 4.0);
}

TEST_F(ProgBarTimer, IntervalChangesRestartTheirPhase) {
    bar->SetAutoIncStep(2.5);
    bar->SetAutoInc(true);
    Advance(1000);
    bar->SetStartInterval(300);   // the start phase begins anew with the new interval
    EXPECT_TRUE(bar->IsStartPhase());
    Advance(299);
    EXPECT_EQ(bar->GetValue(), 0.0);
    Advance(1);
    EXPECT_EQ(bar->GetValue(), 2.5);
    bar->SetRepeatInterval(100);   // restarts in the repeat phase
    Advance(100);
    EXPECT_EQ(bar->GetValue(), 5.0);
    bar->SetAutoInc(false);
    bar->SetAutoInc(true);        // back in the start phase
    Advance(299);
    EXPECT_EQ(bar->GetValue(), 5.0);
    Advance(1);
    EXPECT_EQ(bar->GetValue(), 7.5);
    // Assigning OnAutoInc restarts the timer in its repeat phase.
    bar->SetAutoInc(false);
    bar->SetAutoInc(true);
    int fired = 0;
    bar->SetOnAutoInc([&](vcl::TObject*) { ++fired; });
    EXPECT_FALSE(bar->IsStartPhase());
    Advance(100);
    EXPECT_EQ(fired, 1);
    bar->SetAutoInc(false);
    bar->SetRepeatInterval(50);   // without AutoInc nothing starts
    EXPECT_FALSE(bar->IsTimerRunning());
}

TEST_F(ProgBarTimer, ValueKeepsGrowingPastMax) {
    bar->SetValue(99);
    bar->SetAutoIncStep(1);
    bar->SetStartInterval(10);
    bar->SetRepeatInterval(10);
    bar->SetAutoInc(true);
    Advance(50);
    EXPECT_EQ(bar->GetValue(), 104.0);
    EXPECT_EQ(ProgBarValueText(bar->GetValue(), bar->GetTextDecPlaces()), "104");
}

TEST_F(ProgBarTimer, HandlerErrorsAreReportedAndTheTimerGoesOn) {
    bar->SetStartInterval(100);
    bar->SetRepeatInterval(100);
    bar->SetAutoInc(true);
    bar->SetOnAutoInc([](vcl::TObject*) { throw vcl::EConvertError("bad reading"); });
    Advance(350);
    EXPECT_EQ(bar->GetValue(), 3.0);
    EXPECT_EQ(reported, (std::vector<std::string>{"bad reading", "bad reading", "bad reading"}));
    EXPECT_EQ(reportedSender, bar.get());
    EXPECT_TRUE(bar->IsTimerRunning());
}

TEST_F(ProgBarTimer, NoTimerAvailable) {
    vcl::Testing::FailNextTimers(1);
    try {
        bar->SetAutoInc(true);
        FAIL() << "no error raised";
    } catch (const EZynProgBar& E) {
        EXPECT_EQ(E.Message(), "Component \"Bar1\": no timer available");
    }
    EXPECT_FALSE(bar->IsTimerRunning());
    Advance(5000);
    EXPECT_EQ(bar->GetValue(), 0.0);
}

TEST_F(ProgBarTimer, DesignTimeAndLoading) {
    bar->SetComponentStateItem(vcl::csDesigning, true);
    bar->SetAutoInc(true);
    EXPECT_FALSE(bar->IsTimerRunning());
    bar->SetAutoInc(false);
    bar->SetComponentStateItem(vcl::csDesigning, false);
    // While a form is read the settings are only stored; Loaded starts the timer once, in
    // its start phase, whatever the order the properties came in.
    bar->SetComponentStateItem(vcl::csLoading, true);
    bar->SetAutoInc(true);
    bar->SetStartInterval(200);
    bar->SetOnAutoInc([](vcl::TObject*) {});
    bar->SetRepeatInterval(50);
    EXPECT_FALSE(bar->IsTimerRunning());
    bar->Loaded();
    EXPECT_TRUE(bar->IsStartPhase());
    Advance(199);
    EXPECT_EQ(bar->GetValue(), 0.0);
    Advance(51);
    EXPECT_EQ(bar->GetValue(), 2.0);
}

TEST(ProgBarModel, AssignCopiesTheLookNotTheTimer) {
    TProgBar a(nullptr), b(nullptr);
    a.SetValue(42);
    a.SetRange(-10, 90);
    a.SetDirection(dirUp);
    a.SetBarColorElem(300, vcl::clLime);
    a.SetTextAngle(90);
    a.SetOnShowValue([](vcl::TObject*, std::string&) {});
    a.SetAutoIncStep(3);
    a.SetStartInterval(20);
    a.SetOnAutoInc([](vcl::TObject*) {});
    b.Assign(&a);
    EXPECT_EQ(b.GetValue(), 42.0);
    EXPECT_EQ(b.GetMin(), -10.0);
    EXPECT_EQ(b.GetDirection(), dirUp);
    EXPECT_EQ(b.GetBarColorElem(300), vcl::clLime);
    EXPECT_EQ(b.GetTextAngle(), 90);
    EXPECT_TRUE(bool(b.GetOnShowValue()));
    EXPECT_EQ(b.GetAutoIncStep(), 1.0);
    EXPECT_EQ(b.GetStartInterval(), 1500);
    EXPECT_FALSE(bool(b.GetOnAutoInc()));
    vcl::TBitmap other;
    EXPECT_THROW(b.Assign(&other), vcl::Exception);
}

TEST(ProgBarPublished, TableMatchesTheFreshBar) {
    TProgBar b(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TProgBar");
    ASSERT_NE(info, nullptr);
    for (const char* name :
         {"AutoInc", "AutoIncStep", "BackGroundImg", "ColorBackGnd", "ColorGrid", "ColorMapMode", "ColorMargin",
          "ColorMax", "ColorMin", "ColorScheme", "Direction", "FrameStyleInner", "FrameStyleOuter", "GridDist",
          "MarginLeft", "MarginRight", "MarginTop", "MarginBottom", "Max", "Min", "RepeatInterval",
          "ShowColorGradient", "StartInterval", "TextAlignment", "TextAngle", "TextDecPlaces", "TextPosX",
          "TextPosY", "TextVisible", "Value"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(b)) << name;
    }
    info->FindProperty("Direction")->SetAsText(b, "dirDown");
    EXPECT_EQ(b.GetDirection(), dirDown);
}
