// Published property table and mouse tracking of the meter.
#include <gtest/gtest.h>

#include <memory>

#include "meter/Zyn_Meter.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "platform/Classes.h"

using namespace zyn;

TEST(MeterPublished, DefaultsMatchTheFreshMeter) {
    TMeter m(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TMeter");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"AnchorSize", "ColorCover", "FrameStyle", "MeterNrTicks", "ThresholdHigh",
                             "MeterLayout", "RimBottom", "RimTop", "RimSide", "ColorSclBkNorm", "Value"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(m)) << name;
    }
    info->FindProperty("MeterLayout")->SetAsText(m, "mlCirc300");
    EXPECT_EQ(m.GetMeterLayout(), mlCirc300);
    EXPECT_EQ(m.GetSweepAngle(), 300);
    const vcl::TClassInfo* needle = vcl::GetClass("TNeedleLayout");
    ASSERT_NE(needle, nullptr);
    EXPECT_TRUE(needle->FindProperty("HeadAngle")->IsDefault(*m.GetNeedleLayout()));
}

TEST(MeterMouse, MoveReportsTheValueUnderThePointer) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    auto* m = new TMeter(form.get());
    m->SetParent(form.get());
    m->SetBounds(10, 10, 297, 209);
    int moves = 0, inMeter = 0;
    bool within = false;
    double value = -1;
    m->SetOnMouseMove([&](vcl::TObject*, vcl::TShiftState, int, int) { ++moves; });
    m->OnMouseMoveInMeter = [&](vcl::TObject* s, bool w, vcl::TShiftState, double v) {
        EXPECT_EQ(s, m);
        EXPECT_EQ(moves, inMeter + 1);   // after the framework's own event
        ++inMeter;
        within = w;
        value = v;
    };
    vcl::Input::MouseMove(m, m->GetCenterX(), m->GetCenterY() - 60);
    EXPECT_EQ(inMeter, 1);
    EXPECT_TRUE(within);
    EXPECT_DOUBLE_EQ(value, 0.5);
    vcl::Input::MouseMove(m, m->GetCenterX() + 100, m->GetCenterY() + 5);
    EXPECT_EQ(inMeter, 2);
    EXPECT_FALSE(within);
    EXPECT_EQ(value, 0);
}
