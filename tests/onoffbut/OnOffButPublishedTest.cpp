// The on/off button in form files: defaults, and a group whose states come back as saved.
#include <gtest/gtest.h>

#include <memory>

#include "onoffbut/Zyn_onoffbut.h"
#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Testing.h"

using namespace zyn;
using namespace vcl;

TEST(OnOffButPublished, DefaultsAreThoseOfAFreshButtonInTheDocumentedOrder) {
    TOnOffBut b(nullptr);
    const TClassInfo* info = GetClass("TOnOffBut");
    ASSERT_NE(info, nullptr);
    const char* own[] = {"AllowAllOff", "AutoCenter", "BottomText", "LeftText", "RightText", "TopText",
                         "BottomTextAlignment", "LeftTextAlignment", "RightTextAlignment", "TopTextAlignment",
                         "ButtonStyle", "ColorBackgnd", "ColorScheme", "ColorText", "Enabled", "FrameStyle",
                         "GroupIndex", "LeftSpace", "TopSpace", "Mode", "MouseAction", "OnOff", "Transparent"};
    for (const char* name : own) {
        const TPropInfo* p = info->FindProperty(name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_TRUE(p->IsDefault(b)) << name;
    }
    EXPECT_EQ(info->FindProperty("ButtonStyle")->GetAsText(b), "oobsColSlideLR");
    EXPECT_EQ(info->FindProperty("LeftTextAlignment")->GetAsText(b), "taRightJustify");
    EXPECT_EQ(info->FindProperty("FrameStyle")->GetAsText(b), "frSunken");
    EXPECT_EQ(info->FindProperty("MouseAction")->GetAsText(b), "oomaFocused");
    EXPECT_EQ(b.GetColorBackgnd(), TColor(0xFF00000F));
    EXPECT_EQ(b.GetWidth(), 100);
    EXPECT_EQ(b.GetHeight(), 50);
    EXPECT_EQ(b.GetLeftSpace(), 35);
    EXPECT_EQ(b.GetTopSpace(), 18);
    for (const char* name : {"Anchors", "Font", "ParentShowHint", "PopupMenu", "ShowHint", "StyleElements",
                             "Visible", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                             "OnResize"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;
}

TEST(OnOffButPublished, AGroupComesBackAsItWasSaved) {
    Testing::ResetInput();
    TForm form(nullptr);
    form.SetName("Form1");
    TOnOffBut* buttons[3];
    for (int i = 0; i < 3; ++i) {
        auto* b = new TOnOffBut(&form);
        b->SetName("Switch" + std::to_string(i + 1));
        b->SetParent(&form);
        b->SetBounds(i * 100, 0, 100, 50);
        b->SetAllowAllOff(false);
        b->SetGroupIndex(1);
        buttons[i] = b;
    }
    buttons[0]->SetOnOff(true);   // the middle and last ones are off
    buttons[0]->SetButtonStyle(oobsRadioBut);
    buttons[1]->SetTopText("Two");
    const std::string text = WriteComponentText(&form);

    TForm copy(nullptr);
    ReadRootText(text, &copy);
    bool want[3] = {true, false, false};
    for (int i = 0; i < 3; ++i) {
        auto* b = dynamic_cast<TOnOffBut*>(copy.FindComponent("Switch" + std::to_string(i + 1)));
        ASSERT_NE(b, nullptr) << text;
        EXPECT_EQ(b->GetOnOff(), want[i]) << i;
        EXPECT_FALSE(b->GetAllowAllOff()) << i;
        EXPECT_EQ(b->GetGroupIndex(), 1) << i;
    }
    auto* first = dynamic_cast<TOnOffBut*>(copy.FindComponent("Switch1"));
    EXPECT_EQ(first->GetButtonStyle(), oobsRadioBut);
    EXPECT_EQ(first->GetGlyphWidth(), 14);
    EXPECT_EQ(WriteComponentText(&copy), text);
    // The group works as before.
    dynamic_cast<TOnOffBut*>(copy.FindComponent("Switch3"))->SetOnOff(true);
    EXPECT_FALSE(first->GetOnOff());
}

TEST(OnOffButPublished, ASpeedButtonComesBackInTheStateItWasSavedIn) {
    // A speed button starts off when Mode is set in a program, but the state a form file
    // gives (written, or the default "on" left out) is the one it comes back in.
    for (bool on : {true, false}) {
        TOnOffBut b(nullptr);
        b.SetName("Probe");
        b.SetMode(oobmSpeedBut);
        ASSERT_FALSE(b.GetOnOff());
        b.SetOnOff(on);
        const std::string text = WriteComponentText(&b);
        std::unique_ptr<TComponent> copy(ReadComponentText(text, nullptr));
        auto* back = dynamic_cast<TOnOffBut*>(copy.get());
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetMode(), oobmSpeedBut);
        EXPECT_EQ(back->GetOnOff(), on) << text;
    }
    TOnOffBut b(nullptr);
    b.SetOnOff(true);
    b.SetMode(oobmSpeedBut);
    EXPECT_FALSE(b.GetOnOff());
}
