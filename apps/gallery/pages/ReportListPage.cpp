// Page "Report list": 100,000 generated orders in a report list view with a check column,
// a radio column, a password column and a right-aligned amount. Type into the filter box to
// filter live (plain text, a Boolean expression or a regular expression); click a column
// header to sort, Ctrl and Shift pick several rows, double-click a header border to fit a
// column, double-click a row to edit all its cells in the row editor. Ctrl+V pastes a block
// (from a spreadsheet too) into the customer column, Ctrl+Z takes it back. Ctrl+L loads a
// list of 1,000,000 orders from a CSV file with a progress bar in place of the status line;
// Escape stops the load and leaves the list as it was.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

#include "apps/gallery/GalleryPage.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "progbar/Zyn_ProgBar.h"
#include "replist/Zyn_ReportListView.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

constexpr int kRows = 100000;
constexpr int kLargeRows = 1000000;
// The share of the progress bar the writing of the large example's file takes; the import
// takes the rest.
constexpr double kWriteShare = 25;
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
        // Shown in place of the status line while the large example loads, and only then.
        bar_ = new TProgBar(Page.Form);
        bar_->SetParent(host);
        bar_->SetBounds(432, 12, 300, 22);
        bar_->SetRange(0, 100);
        bar_->SetAccessibleName("Loading");
        bar_->SetVisible(false);

        view_ = new TReportListView(Page.Form);
        view_->SetName("ReportList");
        view_->SetAccessibleName("Sample list");
        view_->SetParent(host);
        view_->SetBounds(12, 44, 760, 420);
        view_->SetSuppressPaint(true);
        Fill();
        Decorate(kRows, true);
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
        view_->SetOnKeyDown([this](TObject*, WORD& Key, TShiftState Shift) {
            if (loading_) {
                // The list takes no keys while it loads; Escape stops the load.
                if (Key == VK_ESCAPE) cancel_ = true;
                Key = 0;
            } else if (Key == 'L' && Shift == TShiftState{ssCtrl}) {
                Key = 0;
                LoadLarge();
            }
        });
        view_->SetOnProgress([this](TObject*, std::int64_t Done, std::int64_t Total, bool& Cancel) {
            if (!loading_ || importing_ == 0) return;
            ShowProgress(kWriteShare + (100 - kWriteShare) * double(Done) / double(std::max<std::int64_t>(Total, 1)));
            Cancel = cancel_;
        });
        Page.Watch("load", [this] { return load_; });
        Page.Watch("row2", [this] {
            return view_->GetElem(3, 2) + "|" + view_->GetElem(4, 2) + "|" + view_->GetElem(5, 2);
        });
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
    }

    // How each column shows and edits its texts, which rows are checked and disabled: the
    // same for the generated list and the large one loaded from its file.
    // Fit sizes the columns to their texts (the large list keeps the widths it finds).
    void Decorate(int Rows, bool Fit) {
        const bool suppressed = view_->GetSuppressPaint();
        view_->SetColCheckMode(1, cmBox);
        view_->SetColCheckMode(6, cmRadio);
        view_->SetSuppressPaint(true);
        for (int r = 1; r <= Rows; r += 3) view_->SetElemChecked(1, r, true);
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
        if (Fit) view_->FitAllColWidths(3, true, 6, 160, 30);
        for (int r = 5; r <= Rows; r += 97) view_->SetRowEnabled(r, false);
        view_->SetSuppressPaint(suppressed);
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

    // Writes the large example's file, then imports it with the progress bar showing; the
    // list's OnProgress keeps the window alive while the import runs. Escape (or a failure)
    // leaves the list as it was.
    void LoadLarge() {
        const std::filesystem::path file =
            std::filesystem::temp_directory_path() / ("zyn-gallery-orders-" + std::to_string(getpid()) + ".csv");
        loading_ = true;
        cancel_ = false;
        load_ = "running";
        filter_->SetEnabled(false);
        mode_->SetEnabled(false);
        status_->SetVisible(false);
        bar_->SetValue(0);
        bar_->SetVisible(true);
        lastShown_ = 0;
        ShowProgress(0);
        try {
            if (!WriteLargeFile(file.string())) throw EZynCancelled("the load was cancelled");
            ++importing_;
            try {
                view_->ImportCSV(file.string(), csvComma, true);
            } catch (...) {
                --importing_;
                throw;
            }
            --importing_;
            // The status follows the selection; it is shown once, after.
            const TNotifyEvent selected = view_->GetOnSelectedChange();
            view_->SetOnSelectedChange(nullptr);
            Decorate(kLargeRows, false);
            view_->SetOnSelectedChange(selected);
            total_ = kLargeRows;
            load_ = "done";
        } catch (const EZynCancelled&) {
            load_ = "cancelled";
        } catch (const Exception& e) {
            load_ = "failed";
            status_->SetCaption(e.Message());
        }
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        loading_ = false;
        bar_->SetVisible(false);
        status_->SetVisible(true);
        filter_->SetEnabled(true);
        mode_->SetEnabled(true);
        if (load_ != "failed") ShowStatus();
    }

    // The large example as CSV, made by the same generator; false when Escape stopped it.
    bool WriteLargeFile(const std::string& File) {
        std::FILE* out = std::fopen(File.c_str(), "wb");
        if (out == nullptr) throw EInOutError("cannot write " + File);
        std::fputs("Paid,Order,Customer,City,Amount,Lead,PIN\n", out);
        Lcg rnd;
        bool done = true;
        for (int r = 1; r <= kLargeRows; ++r) {
            const char* first = kNames[rnd.Next() % 16];
            const char initial = kNames[rnd.Next() % 16][0];
            const char* city = kCities[rnd.Next() % 12];
            const unsigned cents = rnd.Next() % 500000;
            const unsigned pin = rnd.Next() % 10000;
            std::fprintf(out, "paid,A-%07d,%s %c.,%s,%u.%02u,lead,%04u\n", r, first, initial, city, cents / 100,
                         cents % 100, pin);
            if ((r & 4095) == 0) {
                ShowProgress(kWriteShare * r / kLargeRows);
                if (cancel_) {
                    done = false;
                    break;
                }
            }
        }
        if (std::fclose(out) != 0) throw EInOutError("cannot write " + File);
        return done;
    }

    // At most 20 times a second: the bar moves on, and the window answers its input (and
    // the gallery its state requests) while the load holds the loop.
    void ShowProgress(double Percent) {
        const std::int64_t now = std::int64_t(GetTickCount());
        if (Percent > 0 && now - lastShown_ < 50) return;
        lastShown_ = now;
        bar_->SetValue(Percent);
        Application->ProcessMessages();
        if (const TIdleEvent idle = Application->GetOnIdle()) {
            bool done = true;
            idle(Application, done);
        }
    }

    void ShowStatus() {
        status_->SetCaption(std::to_string(view_->GetNrOfShownRows()) + " of " + std::to_string(total_) +
                            " orders, " + std::to_string(view_->NumSelectedRows()) + " selected");
    }

    TEdit* filter_ = nullptr;
    TComboBox* mode_ = nullptr;
    TLabel* status_ = nullptr;
    TProgBar* bar_ = nullptr;
    TReportListView* view_ = nullptr;
    int total_ = kRows;
    bool loading_ = false;
    bool cancel_ = false;
    int importing_ = 0;
    std::int64_t lastShown_ = 0;
    std::string load_ = "idle";
};

}  // namespace

void BuildReportListPage(PageContext& Page) { Page.Keep(std::make_unique<ReportListPage>(Page)); }

}  // namespace gallery
