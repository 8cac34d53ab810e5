// Copying the selected rows of the report list view as text (Ctrl+C).
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
    Clipboard()->SetAsText(text);
    return true;
}

}  // namespace zyn
