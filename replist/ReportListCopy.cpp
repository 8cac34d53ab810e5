// The report list view's clipboard: the selected rows copied (Ctrl+C) as tab-separated
// text, CSV and an HTML table, and a block pasted (Ctrl+V, Shift+Insert) into the editable
// cells from the current cell on.
#include <algorithm>
#include <utility>

#include "framework/Zyn_tableclip.h"
#include "platform/Clipbrd.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

using namespace vcl;

// The one place that builds the copied text, so that another layout of the same rows
// (separated values, a table) starts from the same choice of rows, columns and texts.
std::string TReportListView::SelectedRowsText() const {
    std::string out;
    const int cols = GetNrOfColumns();
    const int shown = GetNrOfShownRows();
    for (int r = 1; r <= shown; ++r) {
        if (!(RowAttrib(r) & RowSelectedBit)) continue;
        for (int pos = 1; pos <= cols; ++pos) {
            const int c = GetColumnOrder(pos);
            if (pos > 1) out += '\t';
            if (GetColumnIsPwd(c)) {
                out += PasswordMask;
                continue;
            }
            const std::size_t start = out.size();
            out += FData->GetElem(c, r);
            // A tab or line break of a cell would start a new column or row of its own.
            for (std::size_t i = start; i < out.size(); ++i)
                if (out[i] == '\t' || out[i] == '\n' || out[i] == '\r') out[i] = ' ';
        }
        out += '\n';
    }
    return out;
}

bool TReportListView::CopySelectedRows() {
    const std::string text = SelectedRowsText();
    if (text.empty()) return false;
    // The same rows and columns as the text; CSV and HTML carry a cell's tabs and line
    // breaks as they are. Built cell by cell: all of a large list may be selected.
    std::string csv, html(HtmlTableHead), cell;
    const int cols = GetNrOfColumns();
    const int shown = GetNrOfShownRows();
    for (int r = 1; r <= shown; ++r) {
        if (!(RowAttrib(r) & RowSelectedBit)) continue;
        html += "<tr>";
        for (int pos = 1; pos <= cols; ++pos) {
            const int c = GetColumnOrder(pos);
            if (pos > 1) csv += ',';
            cell = GetColumnIsPwd(c) ? std::string(PasswordMask) : FData->GetElem(c, r);
            AppendCsvField(csv, cell);
            AppendHtmlCell(html, cell, ClipTextIsNumber(cell));
        }
        csv += "\r\n";
        html += "</tr>\r\n";
    }
    html += HtmlTableTail;
    OfferTableOnClipboard(text, std::move(csv), std::move(html));
    return true;
}

bool TReportListView::PasteFromClipboard() {
    TClipboard* clip = Clipboard();
    std::vector<std::vector<std::string>> block;
    // The richest form offered that holds a table: a spreadsheet's HTML, then CSV, then text.
    bool read = clip->HasFormat(MimeHtml) && ReadHtmlTable(clip->GetAsFormat(MimeHtml), block);
    if (!read && clip->HasFormat(MimeCsv)) read = ReadCsvTable(clip->GetAsFormat(MimeCsv), block);
    if (!read && clip->HasFormat(CF_TEXT)) read = ReadTabTable(clip->GetAsText(), block);
    return read && PasteCells(block) > 0;
}

int TReportListView::PasteCells(const std::vector<std::vector<std::string>>& Block) {
    HideEditor();   // an edit under way is stored first, as a step of its own
    const int gridRow = GetRow();
    if (gridRow < GetFixedRows() || GetColCount() == 0 || Block.empty()) return 0;
    const int top = DataRowOfGridRow(gridRow);
    const int left = KeyColumn() + 1;   // display position
    if (!IsShownRow(top)) return 0;
    // The block is cut at the last shown row and the last column: a paste adds no rows.
    // Inside it, only the cells an in-place edit could change are written.
    const int rows = std::min<long long>(Block.size(), GetNrOfShownRows() - top + 1);
    std::vector<std::pair<int, int>> cells;   // (data column, data row)
    std::vector<const std::string*> texts;
    for (int j = 0; j < rows; ++j) {
        const int r = top + j;
        if (!GetRowEnabled(r)) continue;
        const std::vector<std::string>& line = Block[std::size_t(j)];
        const int cols = std::min<long long>(line.size(), GetNrOfColumns() - left + 1);
        for (int i = 0; i < cols; ++i) {
            const int c = GetColumnOrder(left + i);
            if (!GetColumnEditable(c)) continue;
            cells.emplace_back(c, r);
            texts.push_back(&line[std::size_t(i)]);
        }
    }
    if (cells.empty()) return 0;
    RecordUndoCells(cells);
    // Each cell is written as the in-place editor writes it, with its notifications; the
    // view repaints once, after.
    const bool suppressed = GetSuppressPaint();
    FSuppressPaint = true;
    try {
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const auto [c, r] = cells[k];
            WriteEditedText(c, r, *texts[k]);
            if (FOnSetEditText) FOnSetEditText(this, DisplayPosOf(c) - 1, r, *texts[k]);
        }
    } catch (...) {
        SetSuppressPaint(suppressed);
        throw;
    }
    SetSuppressPaint(suppressed);
    return int(cells.size());
}

}  // namespace zyn
