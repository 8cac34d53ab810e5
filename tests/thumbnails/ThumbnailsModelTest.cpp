// The thumbnail grid's model: clamping setters, the selection and its range, Assign, and
// the mouse on a shown form: focus frame, clicks and double clicks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Testing.h"
#include "tests/support/FormFixture.h"
#include "tests/support/Sanitizer.h"
#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;
using vcl::TColor;

TEST(ThumbnailsModel, InitialValues) {
    TThumbnails t(nullptr);
    EXPECT_EQ(t.GetWidth(), 260);
    EXPECT_EQ(t.GetHeight(), 400);
    EXPECT_EQ(t.GetSlideSelectMode(), ssmSingle);
    EXPECT_EQ(t.GetColorBackGnd(), vcl::clBtnFace);
    EXPECT_EQ(t.GetColorCover(), TColor(0xC0C0C0));
    EXPECT_EQ(t.GetColorSelected(), TColor(0x800000));
    EXPECT_EQ(t.GetColorFocus(), TColor(0xFF0000));
    EXPECT_EQ(t.GetFrameStyle(), frSunken);
    EXPECT_EQ(t.GetOuterFrameStyle(), frRaised);
    EXPECT_EQ(t.GetInnerFrameStyle(), frSunken);
    EXPECT_EQ(t.GetMin(), 1);
    EXPECT_EQ(t.GetMax(), 100);
    EXPECT_EQ(t.GetSlideSize(), 120);
    EXPECT_DOUBLE_EQ(t.GetFirstThumbIdx(), 1.0);
    EXPECT_EQ(t.GetNumSlidesHoriz(), 2);
    EXPECT_EQ(t.GetNumSlidesVert(), 0);
    EXPECT_EQ(t.GetFirstSelectedSlide(), 0);   // below Min: none selected
}

TEST(ThumbnailsModel, SettersClamp) {
    TThumbnails t(nullptr);
    t.SetSlideSize(10);
    EXPECT_EQ(t.GetSlideSize(), 50);
    t.SetSlideSize(1000);
    EXPECT_EQ(t.GetSlideSize(), 260);          // at most the width
    t.SetWidth(40);
    t.SetSlideSize(10);
    EXPECT_EQ(t.GetSlideSize(), 40);
    // A control of no width still has slides of one pixel: no division by a zero pitch.
    t.SetWidth(0);
    t.SetSlideMargin(0);
    t.SetSlideDistance(0);
    t.SetSlideSize(10);
    EXPECT_EQ(t.GetSlideSize(), 1);
    EXPECT_EQ(t.CalcSlideIndex(5, 50), 0);
    t.SetWidth(40);
    t.SetSlideMargin(7);
    t.SetSlideDistance(2);
    t.SetSlideDistance(-4);
    EXPECT_EQ(t.GetSlideDistance(), 0);
    t.SetSlideMargin(101);
    EXPECT_EQ(t.GetSlideMargin(), 100);
    t.SetFocusLinewidth(11);
    EXPECT_EQ(t.GetFocusLinewidth(), 10);
    t.SetFocusLinewidth(-1);
    EXPECT_EQ(t.GetFocusLinewidth(), 0);
    t.SetMax(0);
    EXPECT_EQ(t.GetMax(), 1);
    t.SetMin(-20);                             // Min has no bound
    EXPECT_EQ(t.GetMin(), -20);
}

TEST(ThumbnailsModel, SelectionFlagsFollowTheirSlides) {
    TThumbnails t(nullptr);
    t.SetSlideSelected(5, true);
    t.SetSlideSelected(9, true);
    t.SetSlideSelected(0, true);               // outside Min .. Max: ignored
    t.SetSlideSelected(101, true);
    EXPECT_EQ(t.GetNumSlidesSelected(), 2);
    EXPECT_EQ(t.GetFirstSelectedSlide(), 5);
    EXPECT_FALSE(t.GetSlideSelected(0));
    // Moving Min keeps each slide's flag with its slide; slides leaving the range drop it.
    t.SetMin(7);
    EXPECT_FALSE(t.GetSlideSelected(5));
    EXPECT_TRUE(t.GetSlideSelected(9));
    EXPECT_EQ(t.GetNumSlidesSelected(), 1);
    t.SetMin(3);
    EXPECT_TRUE(t.GetSlideSelected(9));
    EXPECT_FALSE(t.GetSlideSelected(7));
    t.SetMax(8);                               // slide 9 leaves the range
    EXPECT_EQ(t.GetNumSlidesSelected(), 0);
    t.SetMax(20);
    EXPECT_FALSE(t.GetSlideSelected(9));       // and does not come back
    t.SetSlideSelected(4, true);
    t.ResetAllSelections();
    EXPECT_EQ(t.GetNumSlidesSelected(), 0);
    EXPECT_EQ(t.GetFirstSelectedSlide(), 2);   // Min - 1
    t.SetSlideSelected(4, true);
    t.SetSlideSelectMode(ssmMultiple);         // a new mode starts without a selection
    EXPECT_EQ(t.GetNumSlidesSelected(), 0);
}

TEST(ThumbnailsModel, AssignCopiesTheLookButNotTheSelection) {
    TThumbnails src(nullptr), dst(nullptr);
    src.SetFrameStyle(frRaisedDouble);
    src.SetColorBackGnd(0x123456);
    src.SetColorScheme(schSystem);
    src.SetMin(10);
    src.SetMax(40);
    src.SetFirstThumbIdx(12);
    src.SetSlideSize(80);
    src.SetSlideMargin(3);
    src.SetAntiAlias(true);
    src.SetColorMark(vcl::clRed);
    src.SetSlideSelectMode(ssmMultiple);
    int requests = 0;
    src.SetOnImageRequest([&](vcl::TObject*, int, TImageRequestProcessing&, int&, vcl::TBitmap*) { ++requests; });
    dst.SetSlideSelected(15, true);
    dst.Assign(&src);
    EXPECT_EQ(dst.GetFrameStyle(), frRaisedDouble);
    EXPECT_EQ(dst.GetColorBackGnd(), TColor(0x123456));
    EXPECT_EQ(dst.GetColorScheme(), schSystem);
    EXPECT_EQ(dst.GetMin(), 10);
    EXPECT_EQ(dst.GetMax(), 40);
    EXPECT_DOUBLE_EQ(dst.GetFirstThumbIdx(), src.GetFirstThumbIdx());
    EXPECT_EQ(dst.GetSlideSize(), 80);
    EXPECT_EQ(dst.GetSlideMargin(), 3);
    EXPECT_TRUE(dst.GetAntiAlias());
    EXPECT_TRUE(bool(dst.GetOnImageRequest()));
    EXPECT_EQ(dst.GetColorMark(), vcl::clBlack);      // not copied
    EXPECT_EQ(dst.GetSlideSelectMode(), ssmSingle);   // not copied
    EXPECT_TRUE(dst.GetSlideSelected(15));            // its own selection, in the new range
}

// ---- the mouse, on a shown form -----------------------------------------------------------

namespace {

constexpr TColor Cover = 0x00A0A0A0;
constexpr TColor Focus = 0x000000FF;

class ThumbnailsMouse : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        thumbs = PlaceOn<TThumbnails>(form.get(), 0, 0, 300, 290);
        thumbs->SetColorCover(Cover);
        thumbs->SetColorFocus(Focus);
        thumbs->SetOnFocusChange([this](vcl::TObject*) { focusChanges.push_back(thumbs->GetFocusedSlide()); });
        thumbs->SetOnImageClick([this](vcl::TObject*, int X, int Y, int Id) {
            clicks.push_back(std::to_string(X) + "," + std::to_string(Y) + ":" + std::to_string(Id));
        });
        vcl::Application->ProcessMessages();
    }
    TThumbnails* thumbs = nullptr;
    std::vector<int> focusChanges;
    std::vector<std::string> clicks;
};

}  // namespace

// Slide 1 is (10, 12) - (144, 146); its focus frame runs from (12, 14) to (142, 144).
TEST_F(ThumbnailsMouse, FocusFrameFollowsThePointer) {
    vcl::Input::MouseMove(thumbs, 50, 50);
    EXPECT_EQ(thumbs->GetFocusedSlide(), 1);
    EXPECT_EQ(Pixel(12, 80), TColor(Focus));
    EXPECT_EQ(Pixel(142, 80), TColor(Focus));
    EXPECT_EQ(Pixel(80, 14), TColor(Focus));
    EXPECT_EQ(Pixel(80, 144), TColor(Focus));
    EXPECT_EQ(Pixel(13, 80), TColor(Cover));
    vcl::Input::MouseMove(thumbs, 60, 60);     // same slide: nothing happens
    vcl::Input::MouseMove(thumbs, 200, 200);   // slide 4
    EXPECT_EQ(thumbs->GetFocusedSlide(), 4);
    EXPECT_EQ(Pixel(12, 80), TColor(Cover));   // the old frame is painted over
    EXPECT_EQ(Pixel(148, 200), TColor(Focus));
    vcl::Input::MouseMove(thumbs, 145, 200);   // the gap: no slide
    EXPECT_EQ(thumbs->GetFocusedSlide(), 0);
    EXPECT_EQ(Pixel(148, 200), TColor(Cover));
    EXPECT_EQ(focusChanges, (std::vector<int>{1, 4, 0}));
}

TEST_F(ThumbnailsMouse, WiderFocusFrameAndTrackingOff) {
    thumbs->SetFocusLinewidth(3);
    vcl::Application->ProcessMessages();
    vcl::Input::MouseMove(thumbs, 50, 50);
    for (int x : {12, 13, 14}) EXPECT_EQ(Pixel(x, 80), TColor(Focus)) << x;
    EXPECT_EQ(Pixel(15, 80), TColor(Cover));
    // A repaint keeps the frame on the slide under the pointer.
    thumbs->Invalidate();
    vcl::Application->ProcessMessages();
    EXPECT_EQ(Pixel(14, 80), TColor(Focus));
    thumbs->SetFocusLinewidth(0);
    vcl::Application->ProcessMessages();
    vcl::Input::MouseMove(thumbs, 200, 200);
    EXPECT_EQ(thumbs->GetFocusedSlide(), 1);   // tracking stopped
    EXPECT_EQ(Pixel(148, 200), TColor(Cover));
    EXPECT_EQ(focusChanges, (std::vector<int>{1}));
}

TEST_F(ThumbnailsMouse, ClicksSelectInSingleModeAndAlwaysReport) {
    vcl::Input::Click(thumbs, 200, 50);
    EXPECT_TRUE(thumbs->GetSlideSelected(2));
    EXPECT_EQ(thumbs->GetLastClickedSlide(), 2);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(Pixel(200, 20), TColor(0x800000));   // painted in the selected colour
    vcl::Input::Click(thumbs, 50, 200);
    EXPECT_FALSE(thumbs->GetSlideSelected(2));
    EXPECT_TRUE(thumbs->GetSlideSelected(3));
    vcl::Input::Click(thumbs, 145, 200);           // beside the slides: nothing selected
    EXPECT_EQ(thumbs->GetNumSlidesSelected(), 0);
    EXPECT_EQ(thumbs->GetLastClickedSlide(), 0);
    thumbs->SetSlideSelectMode(ssmMultiple);
    thumbs->SetSlideSelected(4, true);
    vcl::Input::Click(thumbs, 50, 50);             // reported, selection untouched
    EXPECT_TRUE(thumbs->GetSlideSelected(4));
    EXPECT_FALSE(thumbs->GetSlideSelected(1));
    vcl::Input::Click(thumbs, 50, 50, {}, vcl::mbRight);   // only the left button clicks
    EXPECT_EQ(clicks, (std::vector<std::string>{"200,50:2", "50,200:3", "145,200:0", "50,50:1"}));
}

TEST_F(ThumbnailsMouse, DoubleClickReportsTheSlide) {
    std::vector<int> hits;
    thumbs->SetOnImageDblClick([&](vcl::TObject*, int, int, int Id) { hits.push_back(Id); });
    vcl::Input::DblClick(thumbs, 200, 200);
    vcl::Input::DblClick(thumbs, 5, 5);
    EXPECT_EQ(hits, (std::vector<int>{4, 0}));
}

// A range of two billion slides keeps a selection of two slides in a few bytes (a flag per
// slide of the range used to take 256 MiB).
TEST(ThumbnailsModel, AHugeRangeKeepsASmallSelection) {
    // The widest range whose slide count is an int: 2^31 - 1 slides.
    constexpr int kLow = -(1 << 30) + 1;
    constexpr int kHigh = (1 << 30) - 1;
    TThumbnails t(nullptr);
    const std::size_t before = zyn_test::HeapInUse();
    t.SetMin(kLow);
    t.SetMax(kHigh);
    t.SetSlideSelected(kLow, true);
    t.SetSlideSelected(kHigh, true);
    EXPECT_LT(static_cast<long long>(zyn_test::HeapInUse()) - static_cast<long long>(before), 1 << 20);
    EXPECT_EQ(t.GetNumSlidesSelected(), 2);
    EXPECT_EQ(t.GetFirstSelectedSlide(), kLow);
    EXPECT_TRUE(t.GetSlideSelected(kHigh));
    t.SetMin(0);   // the first slide leaves the range
    EXPECT_EQ(t.GetNumSlidesSelected(), 1);
    EXPECT_EQ(t.GetFirstSelectedSlide(), kHigh);
}
