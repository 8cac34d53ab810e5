// What assistive tools read of the report list: a table of the rows shown (a filter's
// finds) by the columns in their display order, headed by the column names; a cell reads
// as the list draws it (a password column as stars) and, in a check column, is checkable.
// Rows are selected as the list selects them. Cells are made only when asked for.
#include "platform/Accessibility.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

class TReportListAccessible : public vcl::TGridAccessible {
public:
    explicit TReportListAccessible(TReportListView* List) : TGridAccessible(List), list_(List) {}

    vcl::TAccStates GetStates() const override {
        vcl::TAccStates s = TControlAccessible::GetStates();
        if (IsDefunct()) return s;
        if (list_->GetRowSelectMode() == 2) s.Include(vcl::asMultiSelectable);
        bool editable = false;
        for (int c = 1; c <= list_->GetNrOfColumns() && !editable; ++c) editable = list_->GetColumnEditable(c);
        if (!editable) s.Include(vcl::asReadOnly);
        return s;
    }
    int GetRowCount() const override { return IsDefunct() ? 0 : list_->GetNrOfShownRows(); }
    int GetColumnCount() const override { return IsDefunct() ? 0 : list_->GetNrOfColumns(); }
    std::vector<int> GetSelectedRows() const override {
        std::vector<int> out;
        for (int r = 0, n = GetRowCount(); r < n; ++r)
            if (list_->GetRowSelect(r + 1)) out.push_back(r);
        return out;
    }
    bool IsCellSelected(int Row, int Column) const override {
        if (IsDefunct()) return false;
        return list_->GetRowSelect(Row + 1) || list_->GetColSelect(DataCol(Column));
    }

    std::string CellText(int Row, int Column) const override {
        if (IsDefunct()) return {};
        const int col = DataCol(Column);
        if (Row < 0) return list_->GetColName(col);
        if (list_->GetColumnIsPwd(col)) return "******";
        return list_->GetElem(col, Row + 1);
    }
    std::pair<int, int> GridCellOf(int Row, int Column) const override {
        if (IsDefunct()) return {-1, -1};
        return {Column, Row < 0 ? list_->ColumnHeaderGridRow() : list_->GridRowOfDataRow(Row + 1)};
    }
    std::pair<int, int> TableCellOf(int GridColumn, int GridRow) const override {
        if (IsDefunct()) return {-2, -2};
        if (GridRow == list_->ColumnHeaderGridRow()) return {-1, GridColumn};
        if (GridRow < list_->GetFixedRows()) return {-2, -2};
        return {list_->DataRowOfGridRow(GridRow) - 1, GridColumn};
    }
    bool HasColumnHeaders() const override { return !IsDefunct() && list_->GetColumnHeadersVisible(); }
    vcl::TAccStates CellExtraStates(int Row, int Column) const override {
        const int col = DataCol(Column);
        if (list_->GetColCheckMode(col) == cmNone) return {};
        vcl::TAccStates s{vcl::asCheckable};
        if (list_->GetElemChecked(col, Row + 1)) s.Include(vcl::asChecked);
        if (!list_->GetRowEnabled(Row + 1)) s.Exclude(vcl::asEnabled);
        return s;
    }
    std::pair<int, int> CurrentCell() const override {
        if (IsDefunct() || list_->GetRow() < list_->GetFixedRows()) return {-1, -1};
        return {list_->DataRowOfGridRow(list_->GetRow()) - 1, list_->GetCol()};
    }

private:
    int DataCol(int Column) const { return list_->GetColumnOrder(Column + 1); }
    TReportListView* list_;
};

std::shared_ptr<vcl::TControlAccessible> TReportListView::CreateAccessible() {
    return std::make_shared<TReportListAccessible>(this);
}

}  // namespace zyn
