// The view's published table: every property reads its default from a fresh view, and
// non-default values survive a form-file round trip.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Classes.h"
#include "replist/Zyn_ReportListView.h"

using namespace vcl;
using namespace zyn;

TEST(ReportListViewPublished, DefaultsAndFormFileRoundTrip) {
    const TClassInfo* info = GetClass("TReportListView");
    ASSERT_NE(info, nullptr);
    auto v = std::make_unique<TReportListView>(nullptr);
    for (const char* name : {"NrOfColumns", "NrOfRows", "ColorHigh", "ColorText", "CommonHeader",
                             "CommonHeaderAlignment", "CommonHeaderHeight", "RowSelectMode",
                             "RowColPattern", "SortEnabled", "UseCtrlForMultiSel", "EmptyMessage",
                             "InterRowIndicatorWidth", "ShowEmptyCheckBoxes", "Options", "ScrollBars"}) {
        const TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(*v)) << name;
    }
    // The grid's cell mask event is republished.
    EXPECT_NE(info->FindProperty("OnGetEditMask"), nullptr);
    v->SetName("Orders");
    v->SetNrCols(3);
    v->SetNrRows(12);
    v->SetComHdVis(true);
    v->SetCommonHeaderHeight(30);
    v->SetColorSelectedRow(0x112233);
    v->SetCommonHeaderAlignment(taRightJustify);
    v->SetEmptyMessage("none|here");
    v->SetRowSelectMode(2);
    vcl::TGridOptions opt = v->GetOptions();
    opt.Include(goVertLine);
    v->SetOptions(opt);
    const std::string text = WriteComponentText(v.get());
    std::unique_ptr<TComponent> read(ReadComponentText(text, nullptr));
    auto* back = dynamic_cast<TReportListView*>(read.get());
    ASSERT_NE(back, nullptr) << text;
    EXPECT_EQ(back->GetNrOfColumns(), 3);
    EXPECT_EQ(back->GetNrOfRows(), 12);
    EXPECT_EQ(back->GetRowCount(), 14);
    EXPECT_EQ(back->GetFixedRows(), 2);
    EXPECT_EQ(back->GetRowHeights(0), 30);
    EXPECT_EQ(back->GetColorSelectedRow(), 0x112233);
    EXPECT_EQ(back->GetCommonHeaderAlignment(), taRightJustify);
    EXPECT_EQ(back->GetEmptyMessage(), "none|here");
    EXPECT_EQ(back->GetRowSelectMode(), 2);
    EXPECT_TRUE(back->GetOptions().Contains(goVertLine));
    EXPECT_TRUE(back->GetOptions().Contains(goRowSelect));
}

TEST(ReportListViewPublished, BorderStyleAndCtl3DStreamAndSizeTheBorder) {
    const TClassInfo* info = GetClass("TReportListView");
    ASSERT_NE(info, nullptr);
    auto v = std::make_unique<TReportListView>(nullptr);
    for (const char* name : {"BorderStyle", "Ctl3D", "ParentCtl3D"}) {
        const TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(*v)) << name;
    }
    v->SetName("Orders");
    v->SetBounds(0, 0, 300, 200);
    v->SetBorderStyle(bsSingle);
    v->SetCtl3D(false);
    EXPECT_EQ(v->GetClientRect(), Rect(0, 0, 298, 198));
    std::unique_ptr<TComponent> read(ReadComponentText(WriteComponentText(v.get()), nullptr));
    auto* back = dynamic_cast<TReportListView*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetBorderStyle(), bsSingle);
    EXPECT_FALSE(back->GetCtl3D());
    EXPECT_FALSE(back->GetParentCtl3D());
    EXPECT_EQ(back->GetClientRect(), Rect(0, 0, 298, 198));
    back->SetCtl3D(true);
    EXPECT_EQ(back->GetClientRect(), Rect(0, 0, 296, 196));
}
