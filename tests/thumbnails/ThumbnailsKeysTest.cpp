// The thumbnail grid's keys and focus cue, on a shown form: the keys move the current slide
// (in single-selection mode the selection) and scroll it into view, Enter double-clicks it,
// and the cue frames it only while the grid has the keyboard.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/StdCtrls.h"
#include "platform/Testing.h"
#include "tests/support/FormFixture.h"
#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;
using vcl::TColor;

namespace {

// 300 x 290 at (0, 0): two slides to a row, one whole row between the bands (the second
// row's squares end at 282, past the last pixel above the bottom band, 279). Slide 1's
// square runs from (10, 12) to (144, 146).
class ThumbnailsKeys : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        thumbs = PlaceOn<TThumbnails>(form.get(), 0, 0, 300, 290);
        edit = PlaceOn<vcl::TEdit>(form.get(), 310, 10, 80, 21);
        thumbs->SetOnImageClick([this](vcl::TObject*, int, int, int Id) { log.push_back("click " + std::to_string(Id)); });
        thumbs->SetOnDblClick([this](vcl::TObject*) { log.push_back("dblclick"); });
        thumbs->SetOnImageDblClick([this](vcl::TObject*, int X, int Y, int Id) {
            log.push_back("image " + std::to_string(Id) + " at " + std::to_string(X) + "," + std::to_string(Y));
        });
        vcl::Application->ProcessMessages();
    }
    void Key(vcl::WORD K) {
        vcl::Input::KeyDown(thumbs, K);
        vcl::Input::KeyUp(thumbs, K);
        vcl::Application->ProcessMessages();
    }
    int Top(int SldNum) {
        int x = 0, y = 0;
        thumbs->CalcSlidePos(SldNum, x, y);
        return y;
    }
    std::vector<int> Selected() {
        std::vector<int> s;
        for (int i = thumbs->GetMin(); i <= thumbs->GetMax(); ++i)
            if (thumbs->GetSlideSelected(i)) s.push_back(i);
        return s;
    }
    // Pixels of row Y from X0 to X1 that differ between two pictures; each must be the
    // inverse of the other (the dotted XOR frame).
    static int Dots(vcl::TBitmap* A, vcl::TBitmap* B, int Y, int X0, int X1) {
        int n = 0;
        for (int x = X0; x <= X1; ++x) {
            const TColor a = Pixel(A, x, Y) & 0xFFFFFF, b = Pixel(B, x, Y) & 0xFFFFFF;
            if (a == b) continue;
            EXPECT_EQ(a, b ^ 0xFFFFFF) << x << "," << Y;
            ++n;
        }
        return n;
    }

    TThumbnails* thumbs = nullptr;
    vcl::TEdit* edit = nullptr;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(ThumbnailsKeys, KeysMoveTheSelectedSlideAndScrollItIntoView) {
    thumbs->SetFocus();
    EXPECT_TRUE(thumbs->Focused());
    EXPECT_EQ(thumbs->GetCurrentSlide(), 1);     // nothing selected: the top slide
    EXPECT_TRUE(Selected().empty());
    Key(vcl::VK_RIGHT);
    EXPECT_EQ(Selected(), std::vector<int>{2});
    EXPECT_DOUBLE_EQ(thumbs->GetFirstThumbIdx(), 1.0);
    Key(vcl::VK_DOWN);                           // slide 4 ends 3 pixels too low
    EXPECT_EQ(Selected(), std::vector<int>{4});
    EXPECT_EQ(Top(4) + 134, 279);
    Key(vcl::VK_LEFT);                           // 3, in the same row: no scrolling
    EXPECT_EQ(Top(3) + 134, 279);
    Key(vcl::VK_UP);                             // 1: its row back at the top
    EXPECT_DOUBLE_EQ(thumbs->GetFirstThumbIdx(), 1.0);
    Key(vcl::VK_END);
    EXPECT_EQ(Selected(), std::vector<int>{100});
    EXPECT_EQ(Top(100) + 134, 279);
    Key(vcl::VK_PRIOR);                          // a page of one row up
    EXPECT_EQ(Selected(), std::vector<int>{98});
    Key(vcl::VK_UP);
    EXPECT_EQ(Selected(), std::vector<int>{96});
    EXPECT_EQ(Top(96), 12);                      // a row above the view comes in at the top
    Key(vcl::VK_HOME);
    EXPECT_EQ(Selected(), std::vector<int>{1});
    EXPECT_DOUBLE_EQ(thumbs->GetFirstThumbIdx(), 1.0);
    Key(vcl::VK_NEXT);
    EXPECT_EQ(Selected(), std::vector<int>{3});
    // The keys are no clicks: no click events, the last clicked slide stays.
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(thumbs->GetLastClickedSlide(), 0);
    // The selected colour follows the keys.
    EXPECT_EQ(Pixel(14, 200), TColor(0x800000));   // slide 3, between its frame and box
}

TEST_F(ThumbnailsKeys, OtherModesMoveOnlyTheCurrentSlideAndClicksSetIt) {
    thumbs->SetSlideSelectMode(ssmMultiple);
    thumbs->SetSlideSelected(7, true);
    thumbs->SetFocus();
    EXPECT_EQ(thumbs->GetCurrentSlide(), 7);     // the first selected slide
    EXPECT_EQ(Top(7) + 134, 279 + 2 * 136 + 3);  // not scrolled yet
    Key(vcl::VK_RIGHT);
    EXPECT_EQ(thumbs->GetCurrentSlide(), 8);
    EXPECT_EQ(Top(8) + 134, 279);
    EXPECT_EQ(Selected(), std::vector<int>{7});
    vcl::Input::Click(thumbs, 50, 200);          // slide 7, now in the row at the bottom
    EXPECT_EQ(thumbs->GetCurrentSlide(), 7);
    Key(vcl::VK_UP);
    EXPECT_EQ(thumbs->GetCurrentSlide(), 5);
    EXPECT_EQ(Selected(), std::vector<int>{7});
    // Outside Min .. Max the current slide falls back on the range.
    thumbs->SetMax(3);
    EXPECT_EQ(thumbs->GetCurrentSlide(), 3);     // nothing selected there: the top slide
    thumbs->SetMin(5);                           // no slides: the keys do nothing
    EXPECT_EQ(thumbs->GetCurrentSlide(), 0);
    Key(vcl::VK_DOWN);
    Key(vcl::VK_RETURN);
    EXPECT_EQ(log, std::vector<std::string>{"click 7"});
}

TEST_F(ThumbnailsKeys, EnterIsADoubleClickOnTheCurrentSlide) {
    auto* ok = PlaceOn<vcl::TButton>(form.get(), 310, 40, 75, 25);
    ok->SetDefault(true);
    int okClicks = 0;
    ok->SetOnClick([&](vcl::TObject*) { ++okClicks; });
    thumbs->SetFocus();
    Key(vcl::VK_DOWN);
    Key(vcl::VK_RETURN);
    // Slide 3's square: (10, 145) - (144, 279); its middle 67 pixels in.
    EXPECT_EQ(log, (std::vector<std::string>{"dblclick", "image 3 at 77,212"}));
    EXPECT_EQ(thumbs->CalcSlideIndex(77, 212), 3);
    EXPECT_EQ(okClicks, 0);
    // Without the keyboard Enter is the form's.
    edit->SetFocus();
    vcl::Input::KeyDown(edit, vcl::VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(log.size(), 2u);
    // The grid is in the tab order: first, as it was placed first.
    vcl::Input::KeyDown(edit, vcl::VK_TAB);
    EXPECT_TRUE(ok->Focused());
    vcl::Input::KeyDown(ok, vcl::VK_TAB);
    EXPECT_TRUE(thumbs->Focused());
}

TEST_F(ThumbnailsKeys, TheCueFramesTheCurrentSlideOnlyWhileFocused) {
    const auto before = Render(thumbs);
    thumbs->SetFocus();
    vcl::Application->ProcessMessages();
    auto focused = Render(thumbs);
    // The square's top and bottom rows and its edges dotted; nothing else changed.
    EXPECT_GE(Dots(before.get(), focused.get(), 12, 10, 144), 67);
    EXPECT_GE(Dots(before.get(), focused.get(), 146, 10, 144), 67);
    EXPECT_EQ(Dots(before.get(), focused.get(), 11, 0, 299), 0);
    EXPECT_EQ(Dots(before.get(), focused.get(), 13, 11, 143), 0);
    EXPECT_EQ(Dots(before.get(), focused.get(), 80, 11, 143), 0);
    EXPECT_EQ(Dots(before.get(), focused.get(), 80, 0, 299), 2);   // x = 10 and 144
    // The mouse's focus frame inside the square leaves the cue be.
    vcl::Input::MouseMove(thumbs, 50, 50);
    EXPECT_EQ(Pixel(12, 80), TColor(0xFF0000));
    EXPECT_EQ(Pixel(10, 80) == Pixel(before.get(), 10, 80), Pixel(10, 81) != Pixel(before.get(), 10, 81));
    // A slide half scrolled out: the cue stops at the top band, which stays background.
    thumbs->SetSlideSelectMode(ssmDisabled);
    thumbs->SetFirstThumbIdx(2);                 // 1.5: half a row up
    vcl::Application->ProcessMessages();
    const auto scrolledFocused = Render(thumbs);
    edit->SetFocus();
    vcl::Application->ProcessMessages();
    const auto scrolled = Render(thumbs);
    EXPECT_GE(Dots(scrolled.get(), scrolledFocused.get(), 10, 10, 144), 67);
    for (int y = 2; y < 10; ++y) EXPECT_EQ(Dots(scrolled.get(), scrolledFocused.get(), y, 0, 299), 0) << y;
    // Focus gone: the picture of a grid never focused.
    thumbs->SetSlideSelectMode(ssmSingle);
    thumbs->SetFirstThumbIdx(1);
    vcl::Input::MouseMove(thumbs, 5, 5);
    thumbs->Invalidate();
    vcl::Application->ProcessMessages();
    const auto after = Render(thumbs);
    for (int y = 0; y < 290; ++y) ASSERT_EQ(Dots(before.get(), after.get(), y, 0, 299), 0) << y;
}
