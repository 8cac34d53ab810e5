// The report list view's undo history: the user's changes of cells (in-place edits, check
// marks, the row editor's write-back) as steps that exchange the cells' stored texts.
#include <algorithm>
#include <utility>

#include "replist/Zyn_ReportListView.h"

namespace zyn {

namespace {

// Cells kept by their stored rows, which a sort does not change, with their texts as the
// store holds them (a check column's mark character included).
class TRLCellsStep : public TUndoStep {
public:
    struct TCell {
        int Col;
        int StoredRow;
        std::string Text;
    };
    TRLCellsStep(TStringArray& Strings, std::vector<TCell> Cells) : strings_(Strings), cells_(std::move(Cells)) {}
    void Undo() override { Exchange(); }
    void Redo() override { Exchange(); }
    std::size_t StoredUnits() const override {
        std::size_t n = 0;
        for (const TCell& c : cells_) n += c.Text.size() + 1;
        return n;
    }

private:
    void Exchange() {
        // Where each stored row shows now.
        std::vector<int> position(std::size_t(strings_.GetNrOfRows()) + 1, 0);
        for (int p = 1; p <= strings_.GetNrOfRows(); ++p) position[std::size_t(strings_.GetSortOrder(p))] = p;
        for (TCell& c : cells_) {
            if (c.StoredRow < 1 || c.StoredRow >= int(position.size())) continue;
            const int row = position[std::size_t(c.StoredRow)];
            std::string now = strings_.GetString(c.Col, row);
            strings_.SetString(c.Col, row, c.Text);
            c.Text = std::move(now);
        }
    }

    TStringArray& strings_;
    std::vector<TCell> cells_;
};

}  // namespace

void TReportListView::RecordUndoCells(const std::vector<std::pair<int, int>>& Cells) {
    if (FUndo.Replaying() || FUndo.GetLimit() == 0) return;
    TStringArray& strings = *FData->Strings;
    // Steps recorded over another set of rows cannot be placed any more.
    if (FUndoRows != strings.GetNrOfRows()) FUndo.Clear();
    FUndoRows = strings.GetNrOfRows();
    std::vector<TRLCellsStep::TCell> kept;
    kept.reserve(Cells.size());
    for (const auto& [col, row] : Cells)
        if (row >= 1 && row <= strings.GetNrOfRows())
            kept.push_back({col, strings.GetSortOrder(row), strings.GetString(col, row)});
    if (!kept.empty()) FUndo.Push(std::make_unique<TRLCellsStep>(strings, std::move(kept)));
}

bool TReportListView::Undo() { return ReplayUndo(true); }
bool TReportListView::Redo() { return ReplayUndo(false); }

bool TReportListView::ReplayUndo(bool Back) {
    HideEditor();   // an edit under way is stored first: it is then the newest step
    if (FUndoRows != FData->Strings->GetNrOfRows()) FUndo.Clear();
    if (Back ? !FUndo.CanUndo() : !FUndo.CanRedo()) return false;
    // Every cell written fires OnChange; the view repaints once, after.
    const bool suppressed = GetSuppressPaint();
    FSuppressPaint = true;
    try {
        if (Back) FUndo.Undo();
        else FUndo.Redo();
    } catch (...) {
        SetSuppressPaint(suppressed);
        throw;
    }
    SetSuppressPaint(suppressed);
    return true;
}

}  // namespace zyn
