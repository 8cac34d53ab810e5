// What assistive tools read of the mark selector: a list of the marks in view, the chosen
// one selected, choosing through the item as a click does, and the events of choosing.
#include <gtest/gtest.h>

#include <vector>

#include "marksel/Zyn_marksel.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class MarkSelAccessibleTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        sel = Place<TMarkSel>(10, 10, 164, 124);
        sel->SetNrOfColumns(4);
        sel->SetNrOfRows(3);
        vcl::Application->ProcessMessages();
    }
    TMarkSel* sel = nullptr;
};

TEST_F(MarkSelAccessibleTest, MarksInViewAreListItems) {
    sel->ShowAllMarks();
    auto acc = sel->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arList);
    ASSERT_EQ(acc->GetChildCount(), 12);   // 4 x 3 cells; the other marks lie below the view
    EXPECT_EQ(acc->GetChild(0)->GetName(), "Mark 0");
    sel->SetVis(1, false);
    EXPECT_EQ(acc->GetChild(1)->GetName(), "Mark 2");
    // The item covers the mark's cell around its position.
    vcl::TPoint p = sel->GetMarkPos(2);
    vcl::TRect r = acc->GetChild(1)->GetScreenBounds();
    EXPECT_TRUE(r.Contains({10 + p.X, 10 + p.Y}));
    EXPECT_EQ(r.Width(), (164 - 4) / 4);
}

TEST_F(MarkSelAccessibleTest, ChoosingAMarkAsAClickDoes) {
    sel->ShowAllMarks();
    int clicked = -1;
    sel->SetOnMarkClick([&](vcl::TObject*, int, int, int Mark) { clicked = Mark; });
    auto acc = sel->GetAccessible();
    sel->SetFocus();
    AccessibilityRecorder heard;
    EXPECT_TRUE(acc->GetChild(5)->DoAction(vcl::aaActivate));
    EXPECT_EQ(sel->GetSelected(), 5);
    EXPECT_EQ(clicked, 5);
    EXPECT_TRUE(acc->GetChild(5)->HasState(vcl::asSelected));
    EXPECT_EQ(acc->GetSelection()->GetSelectedChildren(), std::vector<int>{5});
    ASSERT_NE(heard.Last(vcl::aeFocus), nullptr);
    EXPECT_EQ(heard.Last(vcl::aeFocus)->GetName(), "Mark 5");
    // The arrows move the keyboard only; the choice stays.
    vcl::Input::KeyDown(sel, vcl::VK_RIGHT);
    EXPECT_EQ(sel->GetSelected(), 5);
    EXPECT_EQ(heard.Last(vcl::aeFocus)->GetName(), "Mark 6");
    EXPECT_TRUE(acc->GetChild(6)->HasState(vcl::asFocused));
    heard.Clear();
    sel->SetSelected(-1);
    EXPECT_EQ(heard.Count(vcl::aeSelection, acc.get()), 1);
    EXPECT_TRUE(acc->GetSelection()->GetSelectedChildren().empty());
}

}  // namespace
