// The published property table of the thumbnail grid: defaults and form files.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Classes.h"
#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;

TEST(ThumbnailsPublished, FreshGridHasOnlyDefaults) {
    TThumbnails t(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TThumbnails");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"SlideSelectMode", "AntiAlias", "ColorBackGnd", "ColorCover", "ColorSelected",
                             "ColorFocus", "ColorMark", "ColorScheme", "FrameStyle", "OuterFrameStyle",
                             "InnerFrameStyle", "FocusLinewidth", "Min", "Max", "SlideSize", "SlideDistance",
                             "SlideMargin"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(t)) << name;
    }
    EXPECT_TRUE(info->FindProperty("FocusedSlide")->IsReadOnly());
    EXPECT_NE(info->FindProperty("OnImageRequest"), nullptr);
}

TEST(ThumbnailsPublished, FormFileRoundTrip) {
    TThumbnails t(nullptr);
    t.SetName("Thumbs1");
    t.SetBounds(0, 0, 400, 300);
    t.SetSlideSelectMode(ssmMultiple);
    t.SetAntiAlias(true);
    t.SetColorBackGnd(0x102030);
    t.SetColorMark(vcl::clRed);
    t.SetOuterFrameStyle(frRaisedDouble);
    t.SetFocusLinewidth(3);
    t.SetMin(5);
    t.SetMax(50);
    t.SetSlideSize(80);
    t.SetSlideDistance(4);
    t.SetSlideMargin(3);
    const std::string text = vcl::WriteComponentText(&t);
    EXPECT_EQ(text.find("FocusedSlide"), std::string::npos);
    std::unique_ptr<vcl::TComponent> read(vcl::ReadComponentText(text, nullptr));
    auto* r = dynamic_cast<TThumbnails*>(read.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetSlideSelectMode(), ssmMultiple);
    EXPECT_TRUE(r->GetAntiAlias());
    EXPECT_EQ(r->GetColorBackGnd(), 0x102030);
    EXPECT_EQ(r->GetColorMark(), vcl::clRed);
    EXPECT_EQ(r->GetOuterFrameStyle(), frRaisedDouble);
    EXPECT_EQ(r->GetFocusLinewidth(), 3);
    EXPECT_EQ(r->GetMin(), 5);
    EXPECT_EQ(r->GetMax(), 50);
    EXPECT_EQ(r->GetSlideSize(), 80);
    EXPECT_EQ(r->GetSlideDistance(), 4);
    EXPECT_EQ(r->GetSlideMargin(), 3);
    EXPECT_EQ(vcl::WriteComponentText(r), text);
}
