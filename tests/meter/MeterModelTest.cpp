// The meter's model: initial state, clamping setters, range rules and their events.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "meter/Zyn_Meter.h"

using namespace zyn;

namespace {

struct Recorder {
    std::vector<std::string> events;
    void Attach(TMeter& m) {
        m.SetOnOverFlow([this](vcl::TObject*) { events.push_back("over"); });
        m.SetOnUnderFlow([this](vcl::TObject*) { events.push_back("under"); });
        m.SetOnNormalRange([this](vcl::TObject*) { events.push_back("normal"); });
    }
};

}  // namespace

TEST(MeterModel, InitialStateAndGeometryBeforeRims) {
    TMeter m(nullptr);
    EXPECT_EQ(m.GetWidth(), 297);
    EXPECT_EQ(m.GetHeight(), 209);
    EXPECT_EQ(m.GetRimBottom(), 10);
    EXPECT_EQ(m.GetRimTop(), 8);
    EXPECT_EQ(m.GetRimSide(), 10);
    // The geometry was computed while the rims were still 0.
    EXPECT_DOUBLE_EQ(m.GetRadius(), 193);
    EXPECT_EQ(m.GetCenterX(), 148);
    EXPECT_EQ(m.GetCenterY(), 201);
    EXPECT_EQ(m.GetColorCover(), vcl::clBtnFace);
    EXPECT_EQ(m.GetFrameStyle(), frRaised);
    EXPECT_TRUE(m.GetNeedleLayout()->GetVisible());
    EXPECT_FALSE(m.GetNeedleLayoutSec()->GetVisible());
    EXPECT_EQ(m.GetNeedleLayout()->GetColorBody(), vcl::clSilver);
    EXPECT_EQ(m.GetNeedleLayout()->GetHeadSize(), 20);
    // A bounds change recomputes with the real rims.
    m.SetBounds(0, 0, 297, 209);
    EXPECT_DOUBLE_EQ(m.GetRadius(), 209 - 10 - 8 - 16);
    EXPECT_EQ(m.GetCenterY(), 209 - 10 - 8);
}

TEST(MeterModel, ClampingSetters) {
    TMeter m(nullptr);
    m.SetMeterNrTicks(1);
    EXPECT_EQ(m.GetMeterNrTicks(), 2);
    m.SetMeterNrTicks(50);
    EXPECT_EQ(m.GetMeterNrTicks(), 21);
    m.SetMeterDecPlaces(-3);
    EXPECT_EQ(m.GetMeterDecPlaces(), 0);
    m.SetMeterDecPlaces(9);
    EXPECT_EQ(m.GetMeterDecPlaces(), 4);
    m.SetScaleBkWidth(150);
    EXPECT_EQ(m.GetScaleBkWidth(), 100);
    TNeedleLayout* n = m.GetNeedleLayout();
    n->SetHeadAngle(200);
    EXPECT_EQ(n->GetHeadAngle(), 180);
    n->SetPercentNeedleLength(150);
    EXPECT_EQ(n->GetPercentNeedleLength(), 100);
    n->SetPercentNeedleLength(-5);
    EXPECT_EQ(n->GetPercentNeedleLength(), 0);
}

TEST(MeterModel, NeedleLayoutChangeAndAssign) {
    TNeedleLayout a, b;
    int changes = 0;
    a.SetOnChange([&](vcl::TObject* s) { EXPECT_EQ(s, &a); ++changes; });
    a.SetHeadSize(20);   // unchanged: no notification
    EXPECT_EQ(changes, 0);
    a.SetHeadSize(12);
    EXPECT_EQ(changes, 1);
    b.SetColorBody(vcl::clRed);
    b.SetShadowDx(3);
    b.SetVisible(false);
    a.Assign(&b);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(a.GetColorBody(), vcl::clRed);
    EXPECT_EQ(a.GetShadowDx(), 3);
    EXPECT_EQ(a.GetHeadSize(), 20);
    EXPECT_FALSE(a.GetVisible());
    EXPECT_TRUE(static_cast<bool>(a.GetOnChange()));   // Assign leaves the handler alone
}

TEST(MeterModel, ValueAboveMaximumFiresOverflowOnce) {
    TMeter m(nullptr);
    Recorder r;
    r.Attach(m);
    m.SetValue(5);
    EXPECT_EQ(m.GetValue(), 1.0);
    EXPECT_TRUE(m.GetOverflowFlag());
    ASSERT_EQ(r.events, std::vector<std::string>{"over"});
    m.SetValue(5);   // the same value again
    EXPECT_EQ(r.events.size(), 1u);
    m.SetValue(0.5);
    m.SetValue(0.6);   // every accepted change fires, not only range changes
    m.SetValue(-1);
    EXPECT_EQ(m.GetValue(), 0.0);
    EXPECT_EQ(r.events, (std::vector<std::string>{"over", "normal", "normal", "under"}));
    EXPECT_TRUE(m.GetUnderflowFlag());
    EXPECT_FALSE(m.GetOverflowFlag());
}

TEST(MeterModel, HiddenNeedlesFireNothing) {
    TMeter m(nullptr);
    Recorder r;
    r.Attach(m);
    m.SetValueSec(0.5);   // secondary needle hidden: flags cleared, no event
    EXPECT_TRUE(r.events.empty());
    EXPECT_EQ(m.GetValueSec(), 0.5);
    m.GetNeedleLayoutSec()->SetVisible(true);
    m.SetValueSec(1.0);
    EXPECT_EQ(r.events, std::vector<std::string>{"over"});
    m.GetNeedleLayout()->SetVisible(false);
    m.SetValue(0.9);
    EXPECT_EQ(r.events.size(), 1u);
    EXPECT_FALSE(m.GetOverflowFlag());
}

TEST(MeterModel, RangeEndsPushEachOtherAndPullValues) {
    TMeter m(nullptr);
    m.SetValue(0.5);
    m.SetMeterMinValue(5);
    EXPECT_EQ(m.GetMeterMaxValue(), 6);
    EXPECT_EQ(m.GetValue(), 5);
    EXPECT_EQ(m.GetThresholdLow(), 5);
    EXPECT_EQ(m.GetThresholdHigh(), 5);
    m.SetMeterMaxValue(100);
    m.SetThresholdHigh(80);
    m.SetValue(90);
    m.SetMeterMaxValue(50);
    EXPECT_EQ(m.GetValue(), 50);
    EXPECT_EQ(m.GetThresholdHigh(), 50);
    m.SetMeterMaxValue(2);   // below the minimum: the minimum moves below it
    EXPECT_EQ(m.GetMeterMinValue(), 1);
    EXPECT_EQ(m.GetValue(), 2);
}

TEST(MeterModel, ThresholdsCrossAndFireWhateverTheNeedle) {
    TMeter m(nullptr);
    m.SetMeterMaxValue(100);
    Recorder r;
    r.Attach(m);
    m.SetThresholdHigh(40);
    m.SetThresholdLow(60);   // pushes the high threshold up with it
    EXPECT_EQ(m.GetThresholdHigh(), 60);
    EXPECT_EQ(m.GetThresholdLow(), 60);
    // Value 0 lies below the low threshold: underflow on that setter only.
    EXPECT_EQ(r.events, std::vector<std::string>{"under"});
    m.SetValue(70);
    m.SetThresholdHigh(20);   // pulls the low one down; value above: overflow
    EXPECT_EQ(m.GetThresholdLow(), 20);
    EXPECT_TRUE(m.GetOverflowFlag());
    EXPECT_EQ(r.events.back(), "over");
    m.SetThresholdHigh(500);   // clamped to the maximum
    EXPECT_EQ(m.GetThresholdHigh(), 100);
    EXPECT_FALSE(m.GetOverflowFlag());
}

TEST(MeterModel, LogarithmicGuards) {
    TMeter m(nullptr);
    m.SetLogarithmic(true);   // minimum 0: refused without an error
    EXPECT_FALSE(m.GetLogarithmic());
    m.SetMeterMinValue(1);
    m.SetMeterMaxValue(1000);
    m.SetLogarithmic(true);
    EXPECT_TRUE(m.GetLogarithmic());
    m.SetMeterMinValue(0);   // ignored in logarithmic mode
    EXPECT_EQ(m.GetMeterMinValue(), 1);
    m.SetThresholdLow(1e-200);
    EXPECT_EQ(m.GetThresholdLow(), 1);
    m.SetMeterMaxValue(0.5);   // x - 1 would not be positive: a tenth instead
    EXPECT_DOUBLE_EQ(m.GetMeterMinValue(), 0.05);
}

TEST(MeterModel, LoadingOnlyStoresThenLoadedClampsValue) {
    TMeter m(nullptr);
    Recorder r;
    r.Attach(m);
    m.SetComponentStateItem(vcl::csLoading, true);
    m.SetValue(7);
    m.SetMeterMaxValue(5);
    m.SetThresholdHigh(3);
    EXPECT_EQ(m.GetValue(), 7);
    EXPECT_TRUE(r.events.empty());
    m.Loaded();
    EXPECT_FALSE(m.GetComponentState().Contains(vcl::csLoading));
    EXPECT_EQ(m.GetValue(), 5);
    EXPECT_TRUE(r.events.empty());
}

TEST(MeterModel, MissingImageFilesEmptyTheNames) {
    TMeter m(nullptr);
    m.SetBackGroundImg("/nonexistent/bkg.bmp");
    EXPECT_EQ(m.GetBackGroundImg(), "");
    m.SetAnchorImage("/nonexistent/anchor.bmp");
    EXPECT_EQ(m.GetAnchorImage(), "");
}

TEST(MeterModel, LayoutComparesBeforeRepainting) {
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 209);
    int paints = 0;
    m.SetOnMeterRendered([&](vcl::TObject*, vcl::TCanvas*) { ++paints; });
    m.SetMeterLayout(mlCirc90);
    EXPECT_EQ(paints, 0);
    m.SetMeterLayout(mlCirc270);
    EXPECT_EQ(paints, 1);
    m.SetMeterLayout(mlCirc270);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(m.GetSweepAngle(), 270);
}

TEST(MeterModel, UnreadableBackgroundRaisesAndKeepsItsName) {
    const std::string path = std::string(ZYN_TEST_OUTPUT_DIR) + "/meter_not_an_image.bmp";
    {
        vcl::TFileStream out(path, vcl::fmCreate);
        out.WriteBuffer("not an image", 12);
    }
    TMeter m(nullptr);
    EXPECT_THROW(m.SetBackGroundImg(path), vcl::Exception);
    EXPECT_EQ(m.GetBackGroundImg(), path);
    // While loading from a form file the same failure only empties the name.
    m.SetComponentStateItem(vcl::csLoading, true);
    m.SetBackGroundImg(path);
    m.Loaded();
    EXPECT_EQ(m.GetBackGroundImg(), "");
}
