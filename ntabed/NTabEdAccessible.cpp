// What assistive tools read of the table editor: a table of its data cells (the row names
// and the attribute row and column stay out), headed by the column names; a cell reads
// as drawn (empty, "-nan-", a nominal identifier or the formatted number) and is editable
// unless the data are read-only.
#include "ntabed/Zyn_ntabed.h"
#include "platform/Accessibility.h"

namespace zyn {

class TNTabEdAccessible : public vcl::TGridAccessible {
public:
    explicit TNTabEdAccessible(TNTabEd* Table) : TGridAccessible(Table), table_(Table) {}

    vcl::TAccStates GetStates() const override {
        vcl::TAccStates s = TGridAccessible::GetStates() - vcl::TAccStates{vcl::asReadOnly};
        if (!IsDefunct() && table_->GetDataReadOnly()) s.Include(vcl::asReadOnly);
        return s;
    }
    int GetRowCount() const override { return IsDefunct() ? 0 : table_->GetNrOfRows(); }
    int GetColumnCount() const override { return IsDefunct() ? 0 : table_->GetNrOfColumns(); }
    std::string CellText(int Row, int Column) const override {
        if (IsDefunct()) return {};
        if (Row < 0) return table_->GetColName(Column + 1);
        return table_->DataCellText(Column + 1, Row + 1, table_->GetCellState(Column + 1, Row + 1));
    }
    std::pair<int, int> GridCellOf(int Row, int Column) const override {
        if (IsDefunct()) return {-1, -1};
        return {Column + 1 + table_->FColOffset, Row < 0 ? 0 : Row + 1 + table_->FRowOffset};
    }
    std::pair<int, int> TableCellOf(int GridColumn, int GridRow) const override {
        if (IsDefunct()) return {-2, -2};
        const int col = GridColumn - 1 - table_->FColOffset;
        return {GridRow == 0 ? -1 : GridRow - 1 - table_->FRowOffset, col};
    }
    bool HasColumnHeaders() const override { return !IsDefunct(); }
    std::pair<int, int> CurrentCell() const override {
        if (IsDefunct() || !table_->IsDataCell(table_->GetCol(), table_->GetRow())) return {-1, -1};
        return {table_->GetRow() - 1 - table_->FRowOffset, table_->GetCol() - 1 - table_->FColOffset};
    }
    std::vector<int> GetSelectedRows() const override {
        std::vector<int> out;
        if (IsDefunct()) return out;
        vcl::TGridRect sel = table_->GetSelection();
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            if (r > table_->FRowOffset) out.push_back(r - 1 - table_->FRowOffset);
        return out;
    }

private:
    TNTabEd* table_;
};

std::shared_ptr<vcl::TControlAccessible> TNTabEd::CreateAccessible() {
    return std::make_shared<TNTabEdAccessible>(this);
}

}  // namespace zyn
