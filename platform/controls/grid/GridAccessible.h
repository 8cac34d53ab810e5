// What assistive tools read of a grid: a table whose rows are the grid's rows below the
// fixed ones, whose columns are all its columns, whose column headers are the cells of
// its first fixed row, and whose cells are objects made when asked for (a grid of a
// million rows costs nothing until a cell is read). Grids with their own text or header
// rules (the string grid, the report list, the table editor, the calendar) derive.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/base/ControlAccessible.h"

namespace vcl {

class TCustomGrid;
class TGridAccessible;

// A cell of the table (Row -1: the column's header), in table coordinates.
class TAccGridCell : public TAccessible, public TAccTableCell {
public:
    TAccGridCell(std::shared_ptr<TGridAccessible> Grid, int Row, int Column)
        : grid_(std::move(Grid)), row_(Row), col_(Column) {}
    int GetRow() const { return row_; }
    int GetColumn() const { return col_; }
    TAccRole GetRole() const override;
    std::string GetName() const override;
    TAccStates GetStates() const override;
    TRect GetScreenBounds() const override;
    // Defunct when its grid is gone or no longer has the row or column.
    bool IsDefunct() const override;
    TAccessiblePtr GetParent() const override;
    int GetIndexInParent() const override;
    TAccActions GetActions() const override { return {aaActivate}; }
    // Makes the cell the current one, as a click would.
    bool DoAction(TAccAction Action) override;
    // Focuses the grid with this cell current.
    bool GrabFocus() override;
    // A data cell is a table cell; a header is not (its column is all it has).
    TAccTableCell* GetTableCell() override { return row_ >= 0 ? this : nullptr; }
    int GetCellRow() const override { return row_; }
    int GetCellColumn() const override { return col_; }
    TAccessiblePtr GetOwningTable() const override;

private:
    std::shared_ptr<TGridAccessible> grid_;
    int row_, col_;
};

class TGridAccessible : public TControlAccessible, public TAccTable {
public:
    explicit TGridAccessible(TCustomGrid* Grid);
    TAccRole GetRole() const override { return arTable; }
    TAccStates GetStates() const override;
    // The cells, row by row (child index = Row * ColumnCount + Column).
    int GetChildCount() const override;
    TAccessiblePtr GetChild(int Index) override;
    TAccTable* GetTable() override { return this; }
    // The cell (or column header) drawn at the point, from the grid's layout: a million
    // rows are not walked.
    TAccessiblePtr GetChildAtPoint(TPoint Screen) override;

    int GetRowCount() const override;
    int GetColumnCount() const override;
    TAccessiblePtr GetCell(int Row, int Column) override;
    TAccessiblePtr GetColumnHeader(int Column) override;
    std::string GetColumnName(int Column) const override;
    // Rows the selection covers (whole rows with row selection, else any cell's row).
    std::vector<int> GetSelectedRows() const override;
    bool IsCellSelected(int Row, int Column) const override;

    // ---- what a derived table refines (table coordinates)
    virtual std::string CellText(int Row, int Column) const;
    // The grid cell (column, row) a table cell stands for.
    virtual std::pair<int, int> GridCellOf(int Row, int Column) const;
    // The other way: the table cell (row, column) of grid cell (column, row); row -1 for
    // the header row; {-2, -2} for a grid cell no table cell stands for.
    virtual std::pair<int, int> TableCellOf(int GridColumn, int GridRow) const;
    // Whether the table shows column headers.
    virtual bool HasColumnHeaders() const;
    virtual TAccRole CellRole() const { return arTableCell; }
    // States of a cell beyond enabled, visible, showing, selectable, selected, focused.
    virtual TAccStates CellExtraStates(int, int) const { return {}; }
    // Client rectangle of the cell, empty while scrolled out.
    virtual TRect CellRect(int Row, int Column) const;
    // Which cell is current (the keyboard's), {-1, -1} for none.
    virtual std::pair<int, int> CurrentCell() const;
    // Makes the cell current; false when the grid refuses.
    virtual bool FocusCell(int Row, int Column);

    TCustomGrid* GetGrid() const { return IsDefunct() ? nullptr : grid_; }

protected:
    void DetachItems() override { cells_.Clear(); }

private:
    TCustomGrid* grid_;
    TAccItemCache<std::pair<int, int>, TAccGridCell> cells_;
};

// Tells the listeners that the selection of Grid changed and, while it has the keyboard,
// that its current cell took the focus; only when anyone listens.
void NotifyGridSelection(TCustomGrid* Grid);

}  // namespace vcl
