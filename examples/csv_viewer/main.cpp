// A CSV viewer: a report list loaded from a CSV file whose first line names the columns.
// Typing into the filter box shows only the rows that contain the text; a click on a column
// header sorts by that column (a second click reverses the order); a double click on a row
// opens the row editor, a small dialog with one field per column.
//
//   csv_viewer [FILE.csv]              opens the viewer in a window
//   csv_viewer [FILE.csv] --png FILE   draws it without a window and saves it as PNG
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "replist/Zyn_ReportListView.h"

using namespace vcl;
using namespace zyn;

#ifndef CSV_FILE
#define CSV_FILE "cities.csv"
#endif

int main(int argc, char** argv) {
    std::string png, csvFile = CSV_FILE;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--png" && i + 1 < argc) png = argv[++i];
        else csvFile = argv[i];
    }
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 1);

    try {
        auto* form = new TForm(Application);
        form->SetCaption("CSV viewer - " + ExtractFileName(csvFile));
        form->SetClientWidth(640);
        form->SetClientHeight(400);

        auto* label = new TLabel(form);
        label->SetParent(form);
        label->SetBounds(10, 13, 40, 20);
        label->SetCaption("Filter:");
        auto* filter = new TEdit(form);
        filter->SetParent(form);
        filter->SetBounds(56, 8, 220, 26);
        auto* status = new TLabel(form);
        status->SetParent(form);
        status->SetBounds(290, 13, 340, 20);

        auto* view = new TReportListView(form);
        view->SetParent(form);
        view->SetBounds(10, 42, 620, 348);
        // Reads the whole file; the first line gives the column names. A file that cannot
        // be opened or read raises an exception with the reason.
        view->ImportCSV(csvFile, csvComma, true);
        view->SetRowSelectMode(2);   // whole rows, Ctrl and Shift pick several
        view->SetEmptyMessage("No row matches the filter");
        // Columns whose every text is a number are right-aligned and edited as numbers.
        for (int c = 1; c <= view->GetNrOfColumns(); ++c) {
            bool numeric = view->GetNrOfRows() > 0;
            for (int r = 1; numeric && r <= view->GetNrOfRows(); ++r)
                numeric = !view->GetElem(c, r).empty() &&
                          view->GetElem(c, r).find_first_not_of("0123456789.-") == std::string::npos;
            if (numeric) {
                view->SetColumnAlignment(c, taRightJustify);
                view->SetColumnFormat(c, "[f][100]0");
            }
        }
        view->FitAllColWidths(1, true, 12, 200, 30);

        auto showStatus = [view, status] {
            status->SetCaption(std::to_string(view->GetNrOfShownRows()) + " of " +
                               std::to_string(view->GetNrOfRows()) + " rows");
        };
        // The filter searches every column, ignoring case, and keeps the current sort.
        filter->SetOnChange([view, filter, showStatus](TObject*) {
            std::vector<int> columns;
            for (int c = 1; c <= view->GetNrOfColumns(); ++c) columns.push_back(c);
            const int sortColumn = view->GetSortColumn() > 0 ? view->GetSortColumn() : 0;
            view->FilterAndSort(filter->GetText(), columns, true, fmSimple, sortColumn,
                                sortColumn > 0 ? view->GetSortOrder() : true);
            showStatus();
        });
        // The double click has already made the row under the pointer the current one.
        view->SetOnDblClick([view, showStatus](TObject*) {
            const int row = view->GetRow() - view->GetFixedRows() + 1;
            if (row < 1 || row > view->GetNrOfShownRows()) return;
            const TPoint at = view->ClientToScreen(TPoint(40, view->CellRect(0, view->GetRow()).Bottom + 4));
            if (view->EditRowEntries(row, at.X, at.Y) == mrOk) showStatus();
        });
        showStatus();

        form->Show();
        if (!png.empty()) {
            Application->ProcessMessages();
            form->SaveToPNG(png);
        } else if (Backend()->IsInteractive()) {
            Application->Run();
        } else {
            std::fprintf(stderr, "csv_viewer: no display here; try --png FILE\n");
        }
        delete form;
    } catch (const Exception& e) {
        std::fprintf(stderr, "csv_viewer: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
