// Page "Report list": 100,000 generated orders in a report list view with a check column,
// a radio column, a password column and a right-aligned amount. Type into the filter box to
// filter live (plain text, a Boolean expression or a regular expression); click a column
// header to sort, Ctrl and Shift pick several rows, double-click a header border to fit a
// column, double-click a row to edit all its cells in the row editor.
#include <cstdio>
#include <string>
#include <vector>

#include "apps/gallery/GalleryPage.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "replist/Zyn_ReportListView.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

constexpr int kRows = 100000;
const char* const kNames[] = {"Ada", "Boris", "Chen", "Dana", "Emil", "Fatima", "Goran", "Hana",
                              "Ivo", "Jana", "Kofi", "Lena", "Marek", "Nina", "Otto", "Petra"};
const char* const kCities[] = {"Oslo", "Lyon", "Graz", "Porto", "Turku", "Brno", "Gent", "Cork",
                               "Split", "Malmo", "Bergen", "Basel"};

// A small deterministic generator, so that every run shows the same list.
struct Lcg {
    std::uint32_t s = 20261208u;
    std::uint32_t Next() { return s = s * 1664525u + 1013904223u; }
};

class ReportListPage {
public:
    explicit ReportListPage(PageContext& Page) {
        TWinControl* host = Page.Host;
        auto* label = new TLabel(Page.Form);
        label->SetParent(host);
        label->SetBounds(12, 15, 40, 20);
        label->SetCaption("Filter:");
        filter_ = new TEdit(Page.Form);
        filter_->SetParent(host);
        filter_->SetBounds(60, 10, 220, 26);
        filter_->SetName("ReportListFilter");
        filter_->SetAccessibleName("Filter");
        mode_ = new TComboBox(Page.Form);
        mode_->SetParent(host);
        mode_->SetBounds(290, 10, 130, 26);
        mode_->SetStyle(csDropDownList);
        mode_->SetAccessibleName("Filter mode");
        mode_->GetItems()->Add("Plain text");
        mode_->GetItems()->Add("Boolean");
        mode_->GetItems()->Add("Regular expr.");
        mode_->SetItemIndex(0);
        status_ = new TLabel(Page.Form);
        status_->SetParent(host);
        status_->SetBounds(432, 15, 300, 20);

        view_ = new TReportListView(Page.Form);
        view_->SetName("ReportList");
        view_->SetAccessibleName("Sample list");
        view_->SetParent(host);
        view_->SetBounds(12, 44, 760, 420);
        view_->SetSuppressPaint(true);
        Fill();
        view_->SetComHdVis(true);
        view_->SetCommonHeader("Orders of the season (generated)");
        view_->SetRowSelectMode(2);
        view_->SetEmptyMessage("No order matches the filter|Change or clear the filter text");
        view_->SetColumnEditable(3, true);
        view_->SetSuppressPaint(false);

        filter_->SetOnChange([this](TObject*) { ApplyFilter(); });
        mode_->SetOnChange([this](TObject*) { ApplyFilter(); });
        view_->SetOnSelectedChange([this](TObject*) { ShowStatus(); });
        view_->SetOnDblClick([this](TObject*) { EditRow(); });
        Page.Watch("editor", [this] { return std::string(view_->GetContainerForm() ? "open" : "closed"); });
        Page.Watch("row1", [this] {
            return view_->GetElem(3, 1) + "|" + view_->GetElem(4, 1) + "|" + view_->GetElem(5, 1);
        });
        Page.Watch("rows", [this] { return std::to_string(view_->GetNrOfShownRows()); });
        Page.Watch("first", [this] { return view_->GetElem(2, 1); });
        // The order column's header in the page's coordinates ("x y w h"), for the window test.
        Page.Watch("header.rect", [this] {
            const TRect r = view_->CellRect(view_->DisplayPosOf(2) - 1, view_->GetFixedRows() - 1);
            const TPoint o = view_->ClientToParent(TPoint(r.Left, r.Top), nullptr);
            return std::to_string(o.X) + " " + std::to_string(o.Y) + " " + std::to_string(r.Width()) +
                   " " + std::to_string(r.Height());
        });
        // The customer cell of the first row in the page's coordinates, for the window test.
        Page.Watch("cell.rect", [this] {
            const TRect r = view_->CellRect(view_->DisplayPosOf(3) - 1, view_->GetFixedRows());
            const TPoint o = view_->ClientToParent(TPoint(r.Left, r.Top), nullptr);
            return std::to_string(o.X) + " " + std::to_string(o.Y) + " " + std::to_string(r.Width()) +
                   " " + std::to_string(r.Height());
        });
        Page.Watch("sort", [this] {
            return std::to_string(view_->GetSortColumn()) + (view_->GetSortOrder() ? " asc" : " desc");
        });
        ShowStatus();
    }

private:
    void Fill() {
        const char* names[] = {"Paid", "Order", "Customer", "City", "Amount", "Lead", "PIN"};
        view_->SetNrCols(7);
        view_->SetNrRows(kRows);
        for (int c = 1; c <= 7; ++c) view_->SetColName(c, names[c - 1]);
        Lcg rnd;
        char buf[32];
        for (int r = 1; r <= kRows; ++r) {
            std::snprintf(buf, sizeof buf, "A-%06d", r);
            view_->SetElem(2, r, buf);
            view_->SetElem(3, r, std::string(kNames[rnd.Next() % 16]) + " " + kNames[rnd.Next() % 16][0] + ".");
            view_->SetElem(4, r, kCities[rnd.Next() % 12]);
            const unsigned cents = rnd.Next() % 500000;
            std::snprintf(buf, sizeof buf, "%u.%02u", cents / 100, cents % 100);
            view_->SetElem(5, r, buf);
            view_->SetElem(1, r, "paid");
            view_->SetElem(6, r, "lead");
            std::snprintf(buf, sizeof buf, "%04u", rnd.Next() % 10000);
            view_->SetElem(7, r, buf);
        }
        view_->SetColCheckMode(1, cmBox);
        view_->SetColCheckMode(6, cmRadio);
        for (int r = 1; r <= kRows; r += 3) view_->SetElemChecked(1, r, true);
        view_->SetElemChecked(6, 2, true);
        // How the row editor edits each column.
        view_->SetColumnFormat(1, "[#s][60]");
        view_->SetColumnFormat(2, "[#s][90]");
        view_->SetColumnFormat(3, "[s][180]");
        std::string cities;
        for (const char* city : kCities) cities += std::string(city) + "|";
        view_->SetColumnFormat(4, "[l:8][120]" + cities);
        view_->SetColumnFormat(5, "[f][110]0.00");
        view_->SetColumnFormat(6, "[#s][60]");
        view_->SetColumnFormat(7, "[s][70]");
        view_->SetColumnIsPwd(7, true);
        view_->SetColumnAlignment(5, taRightJustify);
        view_->SetColumnAlignment(2, taCenter);
        view_->SetDefaultRowHeight(19);
        // Every column fits its texts; the customer column takes the rest of the width.
        view_->FitAllColWidths(3, true, 6, 160, 30);
        for (int r = 5; r <= kRows; r += 97) view_->SetRowEnabled(r, false);
    }

    // The row under the double click (the click before it made it the current row) in the
    // row editor, placed below the row.
    void EditRow() {
        const int row = view_->GetRow() - view_->GetFixedRows() + 1;
        if (row < 1 || row > view_->GetNrOfShownRows()) return;
        const TRect cell = view_->CellRect(0, view_->GetRow());
        const TPoint at = view_->ClientToScreen(TPoint(cell.Left + 40, cell.Bottom + 4));
        if (view_->EditRowEntries(row, at.X, at.Y) == mrOk) ShowStatus();
    }

    void ApplyFilter() {
        static const std::vector<int> columns{2, 3, 4, 5};
        const TFilterMode mode = TFilterMode(std::max(0, mode_->GetItemIndex()));
        try {
            view_->FilterAndSort(filter_->GetText(), columns, true, mode, view_->GetSortColumn() > 0 ? view_->GetSortColumn() : 2,
                                 view_->GetSortColumn() > 0 ? view_->GetSortOrder() : true);
            filter_->SetColor(clWindow);
            ShowStatus();
        } catch (const EZynRepListError& e) {
            // A half-typed expression: the list stays as it was until the text is valid.
            filter_->SetColor(TColor(0xD0D0FF));
            status_->SetCaption(e.what());
        }
    }

    void ShowStatus() {
        status_->SetCaption(std::to_string(view_->GetNrOfShownRows()) + " of " + std::to_string(kRows) +
                            " orders, " + std::to_string(view_->NumSelectedRows()) + " selected");
    }

    TEdit* filter_ = nullptr;
    TComboBox* mode_ = nullptr;
    TLabel* status_ = nullptr;
    TReportListView* view_ = nullptr;
};

}  // namespace

void BuildReportListPage(PageContext& Page) { Page.Keep(std::make_unique<ReportListPage>(Page)); }

}  // namespace gallery
