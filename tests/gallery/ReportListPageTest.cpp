// The "Report list" page: a header click sorts the generated orders, the filter box filters.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"
#include "replist/Zyn_ReportListView.h"

using namespace vcl;
using namespace zyn;

TEST(ReportListPage, HeaderClickSortsAndFilterBoxFilters) {
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    int page = -1;
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (std::string("report-list") == gallery::Pages()[i].Id) page = int(i);
    ASSERT_GE(page, 0);
    form->ShowPage(page);
    form->Show();
    Application->ProcessMessages();
    auto* view = dynamic_cast<TReportListView*>(form->FindComponent("ReportList"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetNrOfRows(), 100000);
    const int pos = view->DisplayPosOf(2);   // the order numbers
    const TRect h = view->CellRect(pos - 1, 1);
    Input::Click(view, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
    EXPECT_EQ(view->GetElem(2, 1), "A-100000");   // first click: descending
    EXPECT_EQ(view->GetElem(2, 100000), "A-000001");
    Input::Click(view, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
    EXPECT_EQ(view->GetElem(2, 1), "A-000001");
    auto* filter = dynamic_cast<TEdit*>(form->FindComponent("ReportListFilter"));
    ASSERT_NE(filter, nullptr);
    filter->SetText("A-00012");
    EXPECT_EQ(view->GetNrOfShownRows(), 10);   // A-000120 .. A-000129, in the sort order
    EXPECT_EQ(view->GetElem(2, 1), "A-000120");
    EXPECT_EQ(view->GetElem(2, 10), "A-000129");
    // Nothing found: the empty-list message shows; a picture is kept for a look.
    filter->SetText("no such order");
    EXPECT_EQ(view->GetNrOfShownRows(), 0);
    Application->ProcessMessages();
    form->SaveToPNG(std::string(ZYN_TEST_OUTPUT_DIR) + "/report-list-empty.png");
    filter->SetText("");
    EXPECT_EQ(view->GetNrOfShownRows(), 100000);
}
