#include "platform/controls/grid/GridAccessible.h"

#include <algorithm>
#include <climits>

#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/grid/Grid.h"

namespace vcl {

// ---- cells -------------------------------------------------------------------------------

bool TAccGridCell::IsDefunct() const {
    return grid_->IsDefunct() || row_ >= grid_->GetRowCount() || col_ >= grid_->GetColumnCount() ||
           (row_ < 0 && !grid_->HasColumnHeaders());
}

TAccRole TAccGridCell::GetRole() const { return row_ < 0 ? arColumnHeader : grid_->CellRole(); }

std::string TAccGridCell::GetName() const {
    if (IsDefunct()) return {};
    return row_ < 0 ? grid_->GetColumnName(col_) : grid_->CellText(row_, col_);
}

TAccStates TAccGridCell::GetStates() const {
    if (IsDefunct()) return {};
    TAccStates table = grid_->GetStates();
    TAccStates s = table & TAccStates{asEnabled, asVisible};
    if (!grid_->CellRect(row_, col_).IsEmpty() && table.Contains(asShowing)) s.Include(asShowing);
    if (row_ < 0) return s;
    s.Include(asSelectable);
    if (table.Contains(asFocusable)) s.Include(asFocusable);
    if (grid_->IsCellSelected(row_, col_)) s.Include(asSelected);
    if (table.Contains(asFocused) && grid_->CurrentCell() == std::pair(row_, col_)) s.Include(asFocused);
    if (table.Contains(asReadOnly)) s.Include(asReadOnly);
    return s | grid_->CellExtraStates(row_, col_);
}

TRect TAccGridCell::GetScreenBounds() const {
    if (IsDefunct()) return {};
    TRect r = grid_->CellRect(row_, col_);
    if (r.IsEmpty()) return {};
    TPoint o = grid_->GetControl()->ClientToScreen({r.Left, r.Top});
    return Bounds(o.X, o.Y, r.Width(), r.Height());
}

TAccessiblePtr TAccGridCell::GetParent() const { return grid_; }

int TAccGridCell::GetIndexInParent() const {
    if (row_ < 0 || IsDefunct()) return -1;
    long long index = (long long)row_ * grid_->GetColumnCount() + col_;
    return index > INT_MAX ? -1 : int(index);
}

bool TAccGridCell::DoAction(TAccAction Action) {
    if (Action != aaActivate || row_ < 0 || IsDefunct() || !grid_->HasState(asEnabled)) return false;
    return grid_->FocusCell(row_, col_);
}

bool TAccGridCell::GrabFocus() {
    if (row_ < 0 || IsDefunct() || !grid_->HasState(asEnabled)) return false;
    // The cell first: a grid that takes the focus may scroll to its current cell.
    if (!grid_->FocusCell(row_, col_)) return false;
    return grid_->GrabFocus() && grid_->CurrentCell() == std::pair(row_, col_);
}

TAccessiblePtr TAccGridCell::GetOwningTable() const { return IsDefunct() ? nullptr : grid_; }

// ---- the table ---------------------------------------------------------------------------

TGridAccessible::TGridAccessible(TCustomGrid* Grid) : TControlAccessible(Grid), grid_(Grid) {}

TAccStates TGridAccessible::GetStates() const {
    TAccStates s = TControlAccessible::GetStates();
    if (TCustomGrid* g = GetGrid()) {
        if (!g->GetOptions().Contains(goEditing)) s.Include(asReadOnly);
        if (g->GetOptions().Contains(goRangeSelect)) s.Include(asMultiSelectable);
    }
    return s;
}

int TGridAccessible::GetChildCount() const {
    long long n = (long long)GetRowCount() * GetColumnCount();
    return int(std::min<long long>(n, INT_MAX));
}

TAccessiblePtr TGridAccessible::GetChild(int Index) {
    int cols = GetColumnCount();
    if (Index < 0 || cols <= 0) return nullptr;
    return GetCell(Index / cols, Index % cols);
}

int TGridAccessible::GetRowCount() const {
    TCustomGrid* g = GetGrid();
    return g != nullptr ? g->GetRowCount() - g->GetFixedRows() : 0;
}

int TGridAccessible::GetColumnCount() const {
    TCustomGrid* g = GetGrid();
    return g != nullptr ? g->GetColCount() : 0;
}

TAccessiblePtr TGridAccessible::GetCell(int Row, int Column) {
    if (Row < 0 || Column < 0 || Row >= GetRowCount() || Column >= GetColumnCount()) return nullptr;
    auto self = std::static_pointer_cast<TGridAccessible>(shared_from_this());
    return cells_.Get({Row, Column}, [&] { return std::make_shared<TAccGridCell>(self, Row, Column); });
}

TAccessiblePtr TGridAccessible::GetColumnHeader(int Column) {
    if (!HasColumnHeaders() || Column < 0 || Column >= GetColumnCount()) return nullptr;
    auto self = std::static_pointer_cast<TGridAccessible>(shared_from_this());
    return cells_.Get({-1, Column}, [&] { return std::make_shared<TAccGridCell>(self, -1, Column); });
}

std::string TGridAccessible::GetColumnName(int Column) const {
    if (!HasColumnHeaders()) return {};
    return CellText(-1, Column);
}

std::vector<int> TGridAccessible::GetSelectedRows() const {
    std::vector<int> out;
    TCustomGrid* g = GetGrid();
    if (g == nullptr) return out;
    TGridRect sel = g->GetSelection();
    for (int r = std::max(sel.Top, g->GetFixedRows()); r <= sel.Bottom; ++r) out.push_back(r - g->GetFixedRows());
    return out;
}

bool TGridAccessible::IsCellSelected(int Row, int Column) const {
    TCustomGrid* g = GetGrid();
    if (g == nullptr) return false;
    auto [c, r] = GridCellOf(Row, Column);
    TGridRect sel = g->GetSelection();
    return c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom;
}

TAccessiblePtr TGridAccessible::GetChildAtPoint(TPoint Screen) {
    TCustomGrid* g = GetGrid();
    if (g == nullptr || !GetScreenBounds().Contains(Screen)) return nullptr;
    TPoint p = g->ScreenToClient(Screen);
    TGridCoord at = g->MouseCoord(p.X, p.Y);
    if (at.X < 0 || at.Y < 0) return nullptr;
    auto [row, col] = TableCellOf(at.X, at.Y);
    // Only a cell that maps back to the same grid cell is the one drawn there.
    if (GridCellOf(row, col) != std::pair(at.X, at.Y)) return nullptr;
    return row < 0 ? GetColumnHeader(col) : GetCell(row, col);
}

std::pair<int, int> TGridAccessible::TableCellOf(int GridColumn, int GridRow) const {
    TCustomGrid* g = GetGrid();
    if (g == nullptr) return {-2, -2};
    if (GridRow == 0 && HasColumnHeaders()) return {-1, GridColumn};
    if (GridRow < g->GetFixedRows()) return {-2, -2};
    return {GridRow - g->GetFixedRows(), GridColumn};
}

std::string TGridAccessible::CellText(int, int) const { return {}; }

std::pair<int, int> TGridAccessible::GridCellOf(int Row, int Column) const {
    TCustomGrid* g = GetGrid();
    if (g == nullptr) return {-1, -1};
    // The header is the first fixed row.
    return {Column, Row < 0 ? 0 : Row + g->GetFixedRows()};
}

bool TGridAccessible::HasColumnHeaders() const {
    TCustomGrid* g = GetGrid();
    return g != nullptr && g->GetFixedRows() > 0;
}

TRect TGridAccessible::CellRect(int Row, int Column) const {
    TCustomGrid* g = GetGrid();
    if (g == nullptr) return {};
    auto [c, r] = GridCellOf(Row, Column);
    return g->CellRect(c, r);
}

std::pair<int, int> TGridAccessible::CurrentCell() const {
    TCustomGrid* g = GetGrid();
    if (g == nullptr || g->GetRow() < g->GetFixedRows()) return {-1, -1};
    return {g->GetRow() - g->GetFixedRows(), g->GetCol()};
}

bool TGridAccessible::FocusCell(int Row, int Column) {
    TCustomGrid* g = GetGrid();
    if (g == nullptr) return false;
    auto [c, r] = GridCellOf(Row, Column);
    if (c < g->GetFixedCols() || r < g->GetFixedRows()) return false;
    g->SetRow(r);
    g->SetCol(c);
    return g->GetRow() == r && (g->GetCol() == c || g->GetOptions().Contains(goRowSelect));
}

void NotifyGridSelection(TCustomGrid* Grid) {
    if (!accessibility::Listening() || Grid == nullptr || !Grid->HasAccessible()) return;
    auto acc = Grid->GetAccessible();
    accessibility::Raise({aeSelection, acc, asSelected, -1});
    auto* table = dynamic_cast<TGridAccessible*>(acc.get());
    if (table == nullptr || input::FocusedControl() != Grid) return;
    auto [row, col] = table->CurrentCell();
    if (TAccessiblePtr cell = table->GetCell(row, col)) accessibility::Raise({aeFocus, cell, asFocused, -1});
}

// ---- the grid classes --------------------------------------------------------------------

namespace {

class TStringGridAccessible : public TGridAccessible {
public:
    explicit TStringGridAccessible(TStringGrid* Grid) : TGridAccessible(Grid), strings_(Grid) {}
    std::string CellText(int Row, int Column) const override {
        if (IsDefunct()) return {};
        auto [c, r] = GridCellOf(Row, Column);
        return strings_->GetCells(c, r);
    }

private:
    TStringGrid* strings_;
};

}  // namespace

std::shared_ptr<TControlAccessible> TCustomGrid::CreateAccessible() { return std::make_shared<TGridAccessible>(this); }
std::shared_ptr<TControlAccessible> TStringGrid::CreateAccessible() {
    return std::make_shared<TStringGridAccessible>(this);
}

}  // namespace vcl
