// Published property table and mouse tracking of the meter.
#include <gtest/gtest.h>

#include <memory>

#include "meter/Zyn_Meter.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "platform/Classes.h"

using namespace zyn;

TEST(MeterPublished, DefaultsAreTheDocumentedInitialValues) {
    // The table reads its defaults from a fresh meter, so this checks the meter itself
    // against the documented initial values, as a form file would store them.
    TMeter m(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TMeter");
    ASSERT_NE(info, nullptr);
    const std::pair<const char*, const char*> expected[] = {
        {"AnchorSize", "24"},        {"AnchorCovered", "True"},      {"ColorBakG", "clWhite"},
        {"ColorCover", "clBtnFace"}, {"ColorScale", "clNavy"},        {"ColorSclBkNorm", "$000080FF"},
        {"FrameStyle", "frRaised"},  {"MeterNrTicks", "3"},          {"MeterDecPlaces", "1"},
        {"ThresholdHigh", "1"},      {"MeterMaxValue", "1"},         {"MeterLayout", "mlCirc90"},
        {"RimBottom", "10"},         {"RimTop", "8"},                {"RimSide", "10"},
        {"ScaleVisible", "True"},    {"ScaleBkVisible", "False"},    {"Value", "0"}};
    for (const auto& [name, text] : expected) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_EQ(prop->GetAsText(m), text) << name;
        EXPECT_TRUE(prop->IsDefault(m)) << name;
    }
    info->FindProperty("MeterLayout")->SetAsText(m, "mlCirc300");
    EXPECT_EQ(m.GetMeterLayout(), mlCirc300);
    EXPECT_EQ(m.GetSweepAngle(), 300);
    // The secondary needle starts hidden: inside a meter each layout's defaults are what a
    // fresh meter holds there, not what a fresh layout on its own holds.
    const vcl::TClassInfo* needle = vcl::GetClass("TNeedleLayout");
    ASSERT_NE(needle, nullptr);
    EXPECT_EQ(needle->FindProperty("HeadAngle")->GetAsText(*m.GetNeedleLayout()), "30");
    EXPECT_FALSE(needle->FindProperty("Visible")->IsDefault(*m.GetNeedleLayoutSec()));
    ASSERT_NE(info->NestedDefault("NeedleLayoutSec.Visible"), nullptr);
    EXPECT_EQ(*info->NestedDefault("needlelayoutsec.visible"), vcl::TPropValue(std::int64_t(0)));
    EXPECT_EQ(*info->NestedDefault("NeedleLayout.Visible"), vcl::TPropValue(std::int64_t(1)));
    EXPECT_EQ(info->NestedDefault("NeedleLayout.OnChange"), nullptr);
}

TEST(MeterPublished, AFreshMeterWritesNoNeedleSettingsAndEveryChangeComesBack) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetName("Form1");
    auto* m = new TMeter(form.get());
    m->SetName("Meter1");
    m->SetParent(form.get());
    std::string text = vcl::WriteComponentText(form.get());
    EXPECT_EQ(text.find("NeedleLayout"), std::string::npos) << text;

    // Each needle set to what the other one starts with: both written, both read back.
    m->GetNeedleLayout()->SetVisible(false);
    m->GetNeedleLayoutSec()->SetVisible(true);
    text = vcl::WriteComponentText(form.get());
    EXPECT_NE(text.find("NeedleLayout.Visible = False"), std::string::npos) << text;
    EXPECT_NE(text.find("NeedleLayoutSec.Visible = True"), std::string::npos) << text;
    std::unique_ptr<vcl::TComponent> back(vcl::ReadComponentText(text, nullptr));
    auto* read = dynamic_cast<TMeter*>(back->FindComponent("Meter1"));
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->GetNeedleLayout()->GetVisible());
    EXPECT_TRUE(read->GetNeedleLayoutSec()->GetVisible());

    // A file that names the flags at their start values (as files did) loads the same.
    std::unique_ptr<vcl::TComponent> old(vcl::ReadComponentText(
        "object Form1: TForm\n  object Meter1: TMeter\n    NeedleLayout.Visible = True\n"
        "    NeedleLayoutSec.Visible = False\n  end\nend\n", nullptr));
    auto* oldMeter = dynamic_cast<TMeter*>(old->FindComponent("Meter1"));
    ASSERT_NE(oldMeter, nullptr);
    EXPECT_TRUE(oldMeter->GetNeedleLayout()->GetVisible());
    EXPECT_FALSE(oldMeter->GetNeedleLayoutSec()->GetVisible());
    EXPECT_EQ(vcl::WriteComponentText(old.get()).find("Visible"), std::string::npos);
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
    m->SetOnMouseMoveInMeter([&](vcl::TObject* s, bool w, vcl::TShiftState, double v) {
        EXPECT_EQ(s, m);
        EXPECT_EQ(moves, inMeter + 1);   // after the framework's own event
        ++inMeter;
        within = w;
        value = v;
    });
    vcl::Input::MouseMove(m, m->GetCenterX(), m->GetCenterY() - 60);
    EXPECT_EQ(inMeter, 1);
    EXPECT_TRUE(within);
    EXPECT_DOUBLE_EQ(value, 0.5);
    vcl::Input::MouseMove(m, m->GetCenterX() + 100, m->GetCenterY() + 5);
    EXPECT_EQ(inMeter, 2);
    EXPECT_FALSE(within);
    EXPECT_EQ(value, 0);
}
