// The mark selector's setters, visibility, click events and published table.
#include <gtest/gtest.h>

#include <vector>

#include "marksel/Zyn_marksel.h"
#include "platform/Win32.h"
#include "tests/support/FormFixture.h"

using namespace zyn;

TEST(MarkSelModel, RangeChecks) {
    TMarkSel m(nullptr);
    for (int bad : {-2, 52, 1000}) {
        m.SetSelected(bad);
        EXPECT_EQ(m.GetSelected(), -1) << bad;
    }
    m.SetSelected(51);
    EXPECT_EQ(m.GetSelected(), 51);
    m.SetSelected(-1);
    EXPECT_EQ(m.GetSelected(), -1);
    for (int bad : {0, 52, -1}) {
        m.SetNrOfColumns(bad);
        m.SetNrOfRows(bad);
    }
    EXPECT_EQ(m.GetNrOfColumns(), 8);
    EXPECT_EQ(m.GetNrOfRows(), 6);
    m.SetNrOfColumns(51);
    m.SetNrOfRows(1);
    EXPECT_EQ(m.GetNrOfColumns(), 51);
    EXPECT_EQ(m.GetNrOfRows(), 1);
}

TEST(MarkSelModel, VisibilityOfMarks) {
    TMarkSel m(nullptr);
    m.SetVis(0, false);                  // mark 0 always stays visible
    EXPECT_TRUE(m.GetVis(0));
    m.HideAllMarks();
    EXPECT_TRUE(m.GetVis(0));
    EXPECT_FALSE(m.GetVis(1));
    EXPECT_FALSE(m.GetVis(51));
    // Indexes outside 0..51 read mark 0; writes to them change nothing.
    EXPECT_TRUE(m.GetVis(-1));
    EXPECT_TRUE(m.GetVis(52));
    m.SetVis(52, true);
    m.SetVis(-3, true);
    m.SetVis(7, true);
    EXPECT_TRUE(m.GetVis(7));
    EXPECT_FALSE(m.GetVis(8));
    m.ShowAllMarks();
    for (int i = 0; i < NumberOfMarks; ++i) EXPECT_TRUE(m.GetVis(i)) << i;
}

namespace {

class MarkSelClicks : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        sel = PlaceOn<TMarkSel>(form.get(), 10, 10, 164, 124);
        sel->SetOnClick([this](vcl::TObject*) { log.push_back("click"); });
        sel->SetOnMarkClick([this](vcl::TObject* S, int X, int Y, int Mark) {
            EXPECT_EQ(S, sel);
            log.push_back("mark " + std::to_string(Mark) + " at " + std::to_string(X) + "," + std::to_string(Y));
        });
        sel->SetOnMarkDblClick([this](vcl::TObject*, int, int, int Mark) {
            log.push_back("double " + std::to_string(Mark));
        });
        vcl::Application->ProcessMessages();
    }
    TMarkSel* sel = nullptr;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(MarkSelClicks, ClickSelectsTheNearestMarkAfterTheFrameworksClick) {
    vcl::Input::Click(sel, 20, 10);      // halfway between marks 0 and 1
    EXPECT_EQ(sel->GetSelected(), 0);
    vcl::Input::Click(sel, 72, 51);      // mark 19 at (70, 50)
    EXPECT_EQ(sel->GetSelected(), 19);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "mark 0 at 20,10", "click", "mark 19 at 72,51"}));
}

TEST_F(MarkSelClicks, ClickWithHiddenMarks) {
    sel->SetVis(5, false);
    vcl::Input::Click(sel, 110, 10);     // mark 6 moved into mark 5's cell
    EXPECT_EQ(sel->GetSelected(), 6);
    sel->HideAllMarks();
    for (auto [x, y] : {std::pair{150, 110}, {70, 10}, {160, 5}}) {
        vcl::Input::Click(sel, x, y);
        EXPECT_EQ(sel->GetSelected(), 0);
    }
}

// 8 x 6 cells of 20 x 20: marks 48 to 51 continue on a seventh row at y = 130, below the
// control. A click near the bottom edge is nearer to them than to the last row in view.
TEST_F(MarkSelClicks, MarksBelowTheGridCannotBePicked) {
    vcl::Input::MouseMove(sel, 10, 122);
    EXPECT_EQ(sel->GetHighlighted(), 40);        // (10, 110), not 48 at (10, 130)
    vcl::Input::Click(sel, 10, 122);
    EXPECT_EQ(sel->GetSelected(), 40);
    vcl::Input::DblClick(sel, 70, 123);
    EXPECT_EQ(sel->GetSelected(), 43);
    log.clear();
    sel->Perform(vcl::WM_LBUTTONUP, 0, vcl::MAKELPARAM(30, 2000));
    EXPECT_EQ(sel->GetSelected(), 41);
    EXPECT_EQ(log, (std::vector<std::string>{"mark 41 at 30,2000"}));
    // With more rows the same marks are in view and can be picked.
    sel->SetNrOfRows(7);                         // cells 20 x 17: mark 48 at (10, 110)
    vcl::Input::Click(sel, 10, 112);
    EXPECT_EQ(sel->GetSelected(), 48);
}

TEST_F(MarkSelClicks, DoubleClickReportsBothEventsAndMinusOneIsIgnored) {
    vcl::Input::DblClick(sel, 31, 31);
    EXPECT_EQ(sel->GetSelected(), 9);
    // Down, up, double click, up: the second release selects again but is no click of
    // the framework's (the press that started it was the double click).
    EXPECT_EQ(log, (std::vector<std::string>{"click", "mark 9 at 31,31", "double 9", "mark 9 at 31,31"}));
    log.clear();
    sel->SetSelected(3);
    sel->Perform(vcl::WM_LBUTTONUP, 0, vcl::MAKELPARAM(-1, -1));
    EXPECT_EQ(sel->GetSelected(), 3);
    EXPECT_TRUE(log.empty());
    // Only both coordinates at -1 mark the message as not a real click.
    sel->Perform(vcl::WM_LBUTTONUP, 0, vcl::MAKELPARAM(-1, 30));
    EXPECT_EQ(sel->GetSelected(), 8);
}

TEST_F(MarkSelClicks, SettersRepaintOnlyOnChangeExceptTheDocumentedOnes) {
    int painted = 0;
    sel->SetOnPaint([&](vcl::TObject* S) {
        EXPECT_EQ(S, sel);
        ++painted;
    });
    sel->SetColorMarks(vcl::clBlack);
    sel->SetNrOfColumns(8);
    sel->SetSelected(-1);
    sel->SetFrameStyle(frRaisedDouble);
    EXPECT_EQ(painted, 0);
    sel->SetColorMarks(vcl::clBlue);
    sel->SetVis(3, true);                // stores and paints without comparing
    EXPECT_EQ(painted, 2);
    sel->SetShowZeroAsCross(true);       // these two invalidate, also for the same value
    sel->SetEnabled(true);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(painted, 3);
}
