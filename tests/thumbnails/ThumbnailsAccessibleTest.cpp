// What assistive tools read of the thumbnail grid: a list of the slides Min .. Max, their
// selection by the selection mode, the slide the keyboard is on, and the events of both.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"
#include "thumbnails/Zyn_Thumbnails.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class ThumbnailsAccessibleTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        thumbs = Place<TThumbnails>(0, 0, 300, 290);
        thumbs->SetMin(5);
        thumbs->SetMax(24);
        vcl::Application->ProcessMessages();
    }
    TThumbnails* thumbs = nullptr;
};

TEST_F(ThumbnailsAccessibleTest, SlidesAreListItems) {
    auto acc = thumbs->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arList);
    ASSERT_EQ(acc->GetChildCount(), 20);
    auto first = acc->GetChild(0);
    EXPECT_EQ(first->GetName(), "Slide 5");
    EXPECT_EQ(acc->GetChild(19)->GetName(), "Slide 24");
    EXPECT_EQ(acc->GetChild(20), nullptr);
    int x = 0, y = 0;
    thumbs->CalcSlidePos(5, x, y);
    EXPECT_EQ(first->GetScreenBounds().Left, x);
    EXPECT_EQ(first->GetScreenBounds().Top, y);
    EXPECT_TRUE(first->HasState(vcl::asShowing));
    EXPECT_FALSE(acc->GetChild(19)->HasState(vcl::asShowing));   // scrolled out below
}

TEST_F(ThumbnailsAccessibleTest, SelectionByModeAndEvents) {
    auto acc = thumbs->GetAccessible();
    thumbs->SetSlideSelectMode(ssmSingle);
    thumbs->SetFocus();
    AccessibilityRecorder heard;
    EXPECT_TRUE(acc->GetChild(2)->DoAction(vcl::aaActivate));
    EXPECT_TRUE(thumbs->GetSlideSelected(7));
    EXPECT_EQ(acc->GetSelection()->GetSelectedChildren(), std::vector<int>{2});
    ASSERT_NE(heard.Last(vcl::aeFocus), nullptr);
    EXPECT_EQ(heard.Last(vcl::aeFocus)->GetName(), "Slide 7");
    EXPECT_TRUE(heard.Last(vcl::aeFocus)->HasState(vcl::asFocused));
    vcl::Input::KeyDown(thumbs, vcl::VK_RIGHT);
    EXPECT_EQ(heard.Last(vcl::aeFocus)->GetName(), "Slide 8");
    EXPECT_FALSE(acc->HasState(vcl::asMultiSelectable));

    thumbs->SetSlideSelectMode(ssmMultiple);
    EXPECT_TRUE(acc->HasState(vcl::asMultiSelectable));
    heard.Clear();
    thumbs->SetSlideSelected(10, true);
    EXPECT_EQ(heard.Count(vcl::aeSelection, acc.get()), 1);
    EXPECT_TRUE(acc->GetChild(5)->HasState(vcl::asSelected));

    thumbs->SetSlideSelectMode(ssmDisabled);
    EXPECT_FALSE(acc->GetChild(0)->DoAction(vcl::aaActivate));
}

}  // namespace
