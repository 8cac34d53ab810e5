// The published property table of the folder tree: defaults and form files, with the
// colour rules that apply after loading.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foldertree/Zyn_FolderTree.h"
#include "platform/Classes.h"

using namespace zyn;

TEST(FolderTreePublished, FreshTreeHasOnlyDefaults) {
    TFolderTree t(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TFolderTree");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"Color", "OldTreeStyle", "BorderStyle", "HotTrack", "Indent", "ShowButtons",
                             "ShowLines", "ShowRoot", "Enabled"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(t)) << name;
    }
    EXPECT_TRUE(t.GetOldTreeStyle());
    EXPECT_TRUE(t.GetReadOnly());
    EXPECT_FALSE(t.GetMultiSelect());
    EXPECT_TRUE(t.GetDoubleBuffered());
}

TEST(FolderTreePublished, FormFileRoundTripAndColoursAfterLoading) {
    TFolderTree t(nullptr);
    t.SetName("Folders1");
    t.SetColor(vcl::clYellow);
    t.SetEnabled(false);
    t.SetOldTreeStyle(false);
    t.SetShowLines(false);
    t.SetIndent(25);
    const std::string text = vcl::WriteComponentText(&t);
    std::unique_ptr<vcl::TComponent> read(vcl::ReadComponentText(text, nullptr));
    auto* r = dynamic_cast<TFolderTree*>(read.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetColor(), vcl::clYellow);
    EXPECT_EQ(static_cast<vcl::TControl*>(r)->GetColor(), vcl::clBtnFace);   // disabled
    EXPECT_FALSE(r->GetEnabled());
    EXPECT_FALSE(r->GetOldTreeStyle());
    EXPECT_FALSE(r->GetShowLines());
    EXPECT_EQ(r->GetIndent(), 25);

    // A colour of 0 in a form file reads as white.
    std::unique_ptr<vcl::TComponent> black(vcl::ReadComponentText(
        "object Folders2: TFolderTree\n  Color = clBlack\nend\n", nullptr));
    auto* b = dynamic_cast<TFolderTree*>(black.get());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetColor(), vcl::clWhite);
    EXPECT_EQ(static_cast<vcl::TControl*>(b)->GetColor(), vcl::clWhite);
}

TEST(FolderTreePublished, FrameSettingsStreamAndTakeRoomFromTheEntries) {
    TFolderTree t(nullptr);
    t.SetName("Folders3");
    t.SetBounds(0, 0, 200, 150);
    const vcl::TClassInfo* info = vcl::GetClass("TFolderTree");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"BevelInner", "BevelOuter", "BevelKind", "BevelWidth", "BorderWidth", "Ctl3D"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(t)) << name;
    }
    EXPECT_EQ(t.GetClientRect(), vcl::Rect(0, 0, 200, 150));
    t.SetBevelKind(vcl::bkTile);
    t.SetBevelInner(vcl::bvNone);
    t.SetBevelOuter(vcl::bvRaised);
    t.SetBevelWidth(2);
    t.SetBorderWidth(3);
    t.SetBorderStyle(vcl::bsNone);
    EXPECT_EQ(t.GetClientRect(), vcl::Rect(0, 0, 190, 140));
    std::unique_ptr<vcl::TComponent> read(vcl::ReadComponentText(vcl::WriteComponentText(&t), nullptr));
    auto* r = dynamic_cast<TFolderTree*>(read.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetBevelKind(), vcl::bkTile);
    EXPECT_EQ(r->GetBevelInner(), vcl::bvNone);
    EXPECT_EQ(r->GetBevelOuter(), vcl::bvRaised);
    EXPECT_EQ(r->GetBevelWidth(), 2);
    EXPECT_EQ(r->GetBorderWidth(), 3);
    EXPECT_EQ(r->GetBorderStyle(), vcl::bsNone);
    EXPECT_EQ(r->GetClientRect(), vcl::Rect(0, 0, 190, 140));
}
