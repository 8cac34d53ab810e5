// The rotated label's setters, anchor centring, copying and form files.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Forms.h"
#include "platform/Classes.h"
#include "rotlab/Zyn_RotLab.h"

using namespace zyn;

TEST(RotLabModel, AnchorFollowsAutoCenter) {
    vcl::TForm form(nullptr);
    auto* r = new TRotLab(&form);
    EXPECT_EQ(r->GetPosX(), 10);
    r->SetParent(&form);                // put on a parent: centred at once
    EXPECT_EQ(r->GetPosX(), 100);
    EXPECT_EQ(r->GetPosY(), 100);
    r->SetBounds(0, 0, 120, 80);        // a resize on a parent recentres
    EXPECT_EQ(r->GetPosX(), 60);
    EXPECT_EQ(r->GetPosY(), 40);
    r->SetPosX(3);                      // recentres instead of storing
    EXPECT_EQ(r->GetPosX(), 60);
    r->SetAutoCenter(false);
    r->SetPosX(3);
    r->SetPosY(7);
    EXPECT_EQ(r->GetPosX(), 3);
    EXPECT_EQ(r->GetPosY(), 7);
    r->SetBounds(0, 0, 90, 50);         // no longer follows the size
    EXPECT_EQ(r->GetPosX(), 3);
    r->SetAutoCenter(true);             // turning it on recentres
    EXPECT_EQ(r->GetPosX(), 45);
    EXPECT_EQ(r->GetPosY(), 25);
    // The application's own resize handler does not switch the centring off.
    int resized = 0;
    r->SetOnResize([&](vcl::TObject*) { ++resized; });
    r->SetBounds(0, 0, 40, 30);
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(r->GetPosX(), 20);
}

TEST(RotLabModel, SizeCalculationLeavesTheBounds) {
    vcl::TForm form(nullptr);
    auto* r = new TRotLab(&form);
    r->SetParent(&form);
    ASSERT_TRUE(r->GetAutoSize());
    r->SetCaption("A caption much longer than two hundred pixels of label width");
    r->GetFont()->SetSize(30);
    EXPECT_EQ(r->GetWidth(), 200);
    EXPECT_EQ(r->GetHeight(), 200);
}

TEST(RotLabModel, AssignCopiesTheSixLabelSettings) {
    TRotLab a(nullptr), b(nullptr);
    a.SetAutoCenter(false);
    a.SetPosX(33);
    a.SetPosY(44);
    a.SetTextAngle(135);
    a.SetAntiAlias(false);
    a.SetFrameStyle(frRaised);
    a.SetAlignment(vcl::taRightJustify);
    b.Assign(&a);
    EXPECT_FALSE(b.GetAutoCenter());
    EXPECT_EQ(b.GetPosX(), 33);
    EXPECT_EQ(b.GetPosY(), 44);
    EXPECT_EQ(b.GetTextAngle(), 135);
    EXPECT_FALSE(b.GetAntiAlias());
    EXPECT_EQ(b.GetFrameStyle(), frRaised);
    EXPECT_EQ(b.GetAlignment(), vcl::taCenter);   // not one of the six
    // A font is handed to the framework label, which refuses it.
    vcl::TFont font;
    EXPECT_THROW(b.Assign(&font), vcl::Exception);
}

TEST(RotLabModel, AFormFileKeepsAnAnchorOfItsOwn) {
    vcl::TForm form(nullptr);
    form.SetName("Form1");
    auto* r = new TRotLab(&form);
    r->SetName("Rot1");
    r->SetParent(&form);
    r->SetBounds(10, 10, 150, 100);
    r->SetAutoCenter(false);
    r->SetPosX(12);
    r->SetPosY(88);
    r->SetTextAngle(90);
    r->SetAlignment(vcl::taLeftJustify);
    r->SetTransparent(false);
    r->SetCaption("Gain");
    const std::string text = vcl::WriteComponentText(&form);
    vcl::TForm copy(nullptr);
    vcl::ReadRootText(text, &copy);
    auto* s = dynamic_cast<TRotLab*>(copy.FindComponent("Rot1"));
    ASSERT_NE(s, nullptr) << text;
    EXPECT_FALSE(s->GetAutoCenter());
    EXPECT_EQ(s->GetPosX(), 12);
    EXPECT_EQ(s->GetPosY(), 88);
    EXPECT_EQ(s->GetTextAngle(), 90);
    EXPECT_EQ(s->GetAlignment(), vcl::taLeftJustify);
    EXPECT_FALSE(s->GetTransparent());
    EXPECT_EQ(s->GetCaption(), "Gain");
}

TEST(RotLabModel, AFormFileCentresTheAnchorOnceLoaded) {
    vcl::TForm form(nullptr);
    form.SetName("Form1");
    auto* r = new TRotLab(&form);
    r->SetName("Rot1");
    r->SetParent(&form);
    r->SetBounds(10, 10, 20, 24);       // anchor (10, 12): PosX equals its default, not written
    const std::string text = vcl::WriteComponentText(&form);
    vcl::TForm copy(nullptr);
    vcl::ReadRootText(text, &copy);
    auto* s = dynamic_cast<TRotLab*>(copy.FindComponent("Rot1"));
    ASSERT_NE(s, nullptr) << text;
    EXPECT_EQ(s->GetPosX(), 10);
    EXPECT_EQ(s->GetPosY(), 12);
}
