// The dot-matrix label's published properties: defaults read from a fresh label, enum
// names, and a form-file round trip that rebuilds the matrix and restarts scrolling.
#include <gtest/gtest.h>

#include <memory>

#include "RasterLabTestSupport.h"
#include "platform/Classes.h"

using namespace zyn;
using rasterlab_test::ShownLabelTest;

TEST(RasterLabPublished, DefaultsAndNames) {
    TRasterLab l(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TRasterLab");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"AutoCenter", "AutoHeight", "CharBlockMode", "ColorDotOn", "ColorDotOff", "ColorLabBakG",
                             "ColorScheme", "DotSize", "DotSpacing", "FrameStyle", "PosX", "PosY", "Proportional",
                             "ScrollMode", "ScrollInterval", "ScrollIncrement", "ScrollLoop", "Text", "Font", "Align",
                             "Visible", "PopupMenu", "StyleElements", "OnClick", "OnMouseMove", "OnScrollTimer",
                             "OnScrollLoopRestart"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
    }
    for (const char* name : {"CharBlockMode", "DotSize", "Text", "ScrollInterval", "FrameStyle"})
        EXPECT_TRUE(info->FindProperty(name)->IsDefault(l)) << name;
    EXPECT_TRUE(info->FindProperty("ScrollLoop")->RepaintsAlways);
    info->FindProperty("CharBlockMode")->SetAsText(l, "rdbmRaster");
    EXPECT_EQ(l.GetCharBlockMode(), rdbmRaster);
    EXPECT_EQ(info->FindProperty("ScrollMode")->GetAsText(l), "rdsmOff");
}

TEST_F(ShownLabelTest, FormFileRoundTrip) {
    label->GetFont()->SetName("DejaVu Sans");
    label->GetFont()->SetSize(11);
    label->SetDotSize(2);
    label->SetAutoHeight(true);
    label->SetAutoCenter(true);
    label->SetText("Gen\xC3\xA8ve 10:42");
    label->SetCharBlockMode(rdbmRaster);
    label->SetScrollLoop(false);
    label->SetScrollInterval(40);
    label->SetScrollMode(rdsmDown);
    const std::string text = vcl::WriteComponentText(label);

    std::unique_ptr<vcl::TComponent> owner = std::make_unique<vcl::TComponent>(nullptr);
    auto* copy = dynamic_cast<TRasterLab*>(vcl::ReadComponentText(text, owner.get()));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetText(), label->GetText());
    EXPECT_EQ(copy->GetCharMatrix(), label->GetCharMatrix());
    EXPECT_EQ(copy->GetHeight(), label->GetHeight());
    EXPECT_EQ(copy->GetPosX(), label->GetPosX());
    EXPECT_EQ(copy->GetDotSize(), 2);
    EXPECT_EQ(copy->GetCharBlockMode(), rdbmRaster);
    EXPECT_FALSE(copy->GetScrollLoop());
    EXPECT_EQ(copy->GetScrollInterval(), 40);
    EXPECT_EQ(copy->GetScrollMode(), rdsmDown);
    EXPECT_TRUE(copy->GetScrollTimerRunning());
    vcl::Application->AdvanceTime(80);
    EXPECT_EQ(copy->GetScrollPosY(), 2);
}
