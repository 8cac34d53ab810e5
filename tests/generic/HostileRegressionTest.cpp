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
#include "replist/Zyn_ReportListView.h"
#include "tests/support/FormFixture.h"

namespace {

using namespace vcl;

constexpr int kIntMax = std::numeric_limits<int>::max();

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

}  // namespace
