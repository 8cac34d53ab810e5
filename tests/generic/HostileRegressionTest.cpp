// The faults the hostile sweeps found, each kept as the case that showed it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "meter/Zyn_Meter.h"
#include "numlab/Zyn_NumLab.h"
#include "progbar/Zyn_ProgBar.h"
#include "replist/Zyn_ReportListView.h"
#include "rotlab/Zyn_RotLab.h"
#include "tests/support/FormFixture.h"
#include "thumbnails/Zyn_Thumbnails.h"

namespace {

using namespace vcl;

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

// Whether two pictures of the same size have the same pixels everywhere.
bool SamePixels(vcl::TBitmap* A, vcl::TBitmap* B) {
    if (A->GetWidth() != B->GetWidth() || A->GetHeight() != B->GetHeight()) return false;
    for (int y = 0; y < A->GetHeight(); ++y)
        for (int x = 0; x < A->GetWidth(); ++x)
            if (A->GetCanvas()->GetPixels(x, y) != B->GetCanvas()->GetPixels(x, y)) return false;
    return true;
}

using HostileRegression = zyn_test::FormFixture;

// A row or column count the grid cannot keep extents for is refused before anything
// changes (it used to throw std::bad_alloc from deep inside the resize).
TEST_F(HostileRegression, GridRefusesCountsItCannotHold) {
    auto* grid = Place<TStringGrid>(10, 10, 200, 100);
    grid->SetRowCount(7);
    grid->SetColCount(4);
    grid->SetCells(2, 3, "kept");
    for (int count : {kIntMax, (1 << 24) + 1}) {
        EXPECT_THROW(grid->SetRowCount(count), EInvalidGridOperation) << count;
        EXPECT_THROW(grid->SetColCount(count), EInvalidGridOperation) << count;
        EXPECT_EQ(grid->GetRowCount(), 7);
        EXPECT_EQ(grid->GetColCount(), 4);
        EXPECT_EQ(grid->GetCells(2, 3), "kept");
    }
    grid->SetRowCount(1000);   // a large, sane count still works
    EXPECT_EQ(grid->GetRowCount(), 1000);
}

// A published float never takes NaN or an infinity: a form file could not be written.
TEST_F(HostileRegression, PublishedFloatsRefuseNonFiniteValues) {
    const TClassInfo* meter = GetClass("TMeter");
    ASSERT_NE(meter, nullptr);
    std::unique_ptr<TComponent> m(meter->Create(nullptr));
    const TPropInfo* value = meter->FindProperty("Value");
    ASSERT_NE(value, nullptr);
    value->Set(*m, 0.5);
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_THROW(value->Set(*m, bad), EPropertyError);
        EXPECT_EQ(std::get<double>(value->Get(*m)), 0.5);
    }
    EXPECT_NO_THROW(WriteComponentText(m.get()));
}

// The memo's Lines read one by one see the text as it is now, also after it changed
// (the lines are split once per text, not once per call).
TEST_F(HostileRegression, MemoLinesFollowTheText) {
    auto* memo = Place<TMemo>(10, 10, 200, 100);
    std::string text;
    for (int i = 0; i < 20000; ++i) text += std::to_string(i) + "\n";
    memo->SetText(text);
    TStrings* lines = memo->GetLines();
    ASSERT_EQ(lines->GetCount(), 20000);
    for (int i = 0; i < 20000; i += 997) EXPECT_EQ(lines->Get(i), std::to_string(i));
    memo->SetText("a\nb");
    EXPECT_EQ(lines->GetCount(), 2);
    EXPECT_EQ(lines->Get(1), "b");
    lines->Put(0, "changed");
    EXPECT_EQ(lines->Get(0), "changed");
    EXPECT_EQ(memo->GetText(), "changed\nb");
    // The whole form file is written from them.
    EXPECT_NE(WriteComponentText(memo).find("'changed'"), std::string::npos);
}

// A bevel or border wider than the panel paints at once: rings past the middle are skipped
// (a width near the integer limit used to loop for minutes).
TEST_F(HostileRegression, PanelBevelWiderThanThePanel) {
    auto* panel = Place<TPanel>(10, 10, 60, 40);
    panel->SetBevelWidth(kIntMax);
    panel->SetBorderWidth(kIntMax);
    auto bmp = Render(panel);
    // The outer rings still show: highlight at the top-left, shadow at the bottom-right.
    EXPECT_EQ(RGBOf(Pixel(bmp.get(), 0, 0)), RGBOf(clBtnHighlight));
    EXPECT_EQ(RGBOf(Pixel(bmp.get(), 59, 39)), RGBOf(clBtnShadow));
}

// A report list cannot hold more rows than its grid: the count is refused with the
// list's error and nothing changes (the grid's row count used to wrap to a negative
// number, and the form file the list wrote could not be read back).
TEST_F(HostileRegression, ReportListRefusesARowCountItsGridCannotShow) {
    auto* list = Place<zyn::TReportListView>(10, 10, 200, 100);
    list->SetName("List1");
    list->SetNrRows(5);
    list->SetElem(1, 5, "kept");
    const int gridRows = list->GetRowCount();
    try {
        list->SetNrRows(kIntMax);
        ADD_FAILURE() << "no error";
    } catch (const zyn::EZynRepListError& e) {
        EXPECT_EQ(e.Message(), "Component \"List1\": not enough memory on heap");
    }
    EXPECT_EQ(list->GetNrOfRows(), 5);
    EXPECT_EQ(list->GetRowCount(), gridRows);
    EXPECT_EQ(list->GetElem(1, 5), "kept");
    std::unique_ptr<TComponent> copy(ReadComponentText(WriteComponentText(list), nullptr));
    EXPECT_EQ(static_cast<zyn::TReportListView*>(copy.get())->GetNrOfRows(), 5);
}

// Coordinates at the ends of the int range. Sums of positions, extents, borders and margins
// used to overflow (the sanitizer build stops at each); they now saturate, and what shows is
// what a value just past the control's own size shows.

// A panel's borders and bevels wider than half the panel leave an empty client area at its
// middle (the inset used to wrap to a negative number and widen the client area instead).
TEST_F(HostileRegression, PanelInsetsPastTheIntRangeLeaveAnEmptyMiddle) {
    auto* panel = Place<TPanel>(10, 10, 60, 40);
    auto* child = PlaceOn<TPanel>(panel, 0, 0, 10, 10);
    child->SetAlign(alClient);
    panel->SetBorderWidth(kIntMax);
    panel->SetBevelWidth(kIntMax);
    EXPECT_EQ(child->GetBoundsRect(), Rect(30, 20, 30, 20));
    // 25 + 1 pixels of inset: 8 of the width are left, none of the height.
    panel->SetBorderWidth(25);
    panel->SetBevelWidth(1);
    EXPECT_EQ(child->GetBoundsRect(), Rect(26, 20, 34, 20));
}

// The window frame's insets saturate: a border and bevels of the largest width leave no
// client area, and the frame still paints.
TEST_F(HostileRegression, WindowFramePastTheIntRangeSaturates) {
    auto* box = Place<TPanel>(10, 10, 60, 40);
    TWinControl* win = box;
    win->SetBorderWidth(kIntMax);
    win->SetBevelKind(bkFlat);
    win->SetBevelWidth(kIntMax);
    EXPECT_EQ(win->NonClientInsets(), Rect(kIntMax, kIntMax, kIntMax, kIntMax));
    EXPECT_EQ(win->GetClientRect(), TRect());
    EXPECT_FALSE(win->HitTest(0, 0));
    EXPECT_NO_THROW(Render(box));
}

// A control reaching in from the far left of the int range shows the piece that reaches the
// form; one wholly out there shows nothing.
TEST_F(HostileRegression, ControlsFromTheEndsOfTheIntRangePaintTheirVisiblePart) {
    form->SetColor(clWhite);
    auto* far = Place<TPanel>(0, 0, 5, 30);
    far->SetColor(clBlue);
    far->SetBounds(kIntMin, 0, 5, 30);
    auto* reaching = Place<TPanel>(0, 40, 5, 30);
    reaching->SetColor(clRed);
    reaching->SetBevelOuter(bvNone);
    reaching->SetBounds(kIntMin + 10, 40, kIntMax, 30);   // right edge at x = 9
    auto* child = PlaceOn<TPanel>(reaching, 0, 0, 5, 5);
    child->SetBounds(kIntMax, 0, kIntMax, 5);
    form->Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(RGBOf(Pixel(2, 10)), RGBOf(clWhite));
    EXPECT_EQ(RGBOf(Pixel(2, 55)), RGBOf(clRed));
    EXPECT_EQ(RGBOf(Pixel(8, 55)), RGBOf(clRed));
    EXPECT_EQ(RGBOf(Pixel(9, 55)), RGBOf(clWhite));
}

// Slide numbers whose flag index lies past the int range are outside the selection.
TEST_F(HostileRegression, ThumbnailFlagsPastTheIntRangeAreNotSelected) {
    auto* thumbs = Place<zyn::TThumbnails>(10, 10, 200, 200);
    thumbs->SetMin(-5);
    thumbs->SetMax(20);
    thumbs->SetSlideSelected(3, true);
    thumbs->SetSlideSelected(kIntMax, true);
    thumbs->SetSlideSelected(kIntMin, true);
    EXPECT_FALSE(thumbs->GetSlideSelected(kIntMax));
    EXPECT_FALSE(thumbs->GetSlideSelected(kIntMin));
    EXPECT_TRUE(thumbs->GetSlideSelected(3));
    EXPECT_EQ(thumbs->GetNumSlidesSelected(), 1);
    thumbs->SetMin(kIntMax - 2);   // the range is now empty; the flag of slide 3 goes
    EXPECT_EQ(thumbs->GetNumSlidesSelected(), 0);
}

// Component values far past the control: the picture is the one of a value just past it.
TEST_F(HostileRegression, ComponentValuesPastTheControlPaintAsJustPastIt) {
    auto* meter = Place<zyn::TMeter>(10, 10, 200, 160);
    meter->SetAnchorCovered(true);
    meter->SetAnchorSize(400);   // beyond Width + Height: the anchor covers the whole control
    auto justPast = Render(meter);
    for (int size : {kIntMax, kIntMax / 2}) {
        meter->SetAnchorSize(size);
        EXPECT_TRUE(SamePixels(Render(meter).get(), justPast.get())) << "meter anchor " << size;
    }

    auto* label = Place<zyn::TNumLab>(10, 200, 200, 30);
    label->SetValue(12.5);
    label->SetLabelWidth(1000);
    justPast = Render(label);
    label->SetLabelWidth(kIntMax);
    EXPECT_TRUE(SamePixels(Render(label).get(), justPast.get())) << "label box";

    auto* bar = Place<zyn::TProgBar>(10, 240, 150, 30);
    bar->SetValue(bar->GetMin());
    bar->SetMarginRight(-1000);
    bar->SetMarginBottom(-1000);
    justPast = Render(bar);
    bar->SetMarginRight(kIntMin);
    bar->SetMarginBottom(kIntMin);
    EXPECT_TRUE(SamePixels(Render(bar).get(), justPast.get())) << "bar margins";

    // An angle turns as its remainder of a full turn.
    auto* rot = Place<zyn::TRotLab>(10, 280, 120, 120);
    rot->SetCaption("Angle");
    rot->SetTextAngle(kIntMax % 360);
    justPast = Render(rot);
    rot->SetTextAngle(kIntMax);
    EXPECT_TRUE(SamePixels(Render(rot).get(), justPast.get())) << "rotated text";
}

// The memo's Lines are split again after every change of the text, undo included.
TEST_F(HostileRegression, MemoLinesFollowUndo) {
    auto* memo = Place<TMemo>(10, 10, 200, 100);
    memo->SetText("a\nb\nc");
    TStrings* lines = memo->GetLines();
    ASSERT_EQ(lines->Get(1), "b");
    memo->SetSelStart(2);
    memo->SetSelLength(1);
    memo->SetSelText("x\ny");
    EXPECT_EQ(lines->GetCount(), 4);
    EXPECT_EQ(lines->Get(1), "x");
    memo->Undo();
    EXPECT_EQ(lines->GetCount(), 3);
    EXPECT_EQ(lines->Get(1), "b");
}

}  // namespace
