// The data table of the math library: a numeric matrix with a state byte per cell, named and
// attributed rows and columns, measurement scale types with nominal identifiers, a comment,
// and sorting of rows and columns.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Zyn_matrix.h"
#include "framework/Zyn_zynbase.h"

namespace zyn {

/// Raised by the data table when memory for a new size cannot be had.
class EZynDataTableError : public EZynError {
public:
    using EZynError::EZynError;
};

/// Bits of a cell's state byte.
/// The cell holds no valid number (a text that did not convert, a NaN).
inline constexpr std::uint8_t dtsInvalid = 0x01;   // not a valid number
/// The cell holds no value at all.
inline constexpr std::uint8_t dtsEmpty = 0x02;     // no value
inline constexpr std::uint8_t dtsMarkA = 0x40;
inline constexpr std::uint8_t dtsMarkB = 0x80;

/// Measurement scale types of a column. Types 1 and 2 are nominal: their cells hold whole
/// numbers 1..MaxNominalID that stand for identifiers.
enum TMScaleType : std::uint8_t { mstUndefined, mstNominal, mstBinary, mstOrdinal, mstInterval, mstRatio };
inline constexpr int MaxScaleType = 5;
inline constexpr int MaxNominalID = 150;
// Display names, indexed by scale type.
extern const std::array<std::string, MaxScaleType + 1> MScaleTypeNames;

/// The longest row or column name, in characters; longer names are cut.
inline constexpr int DTNameLength = 50;   // TDTNameStr: names hold up to 50 characters

namespace detail {

/// The headers of the rows (or columns) of a table. The records stay where they were created
/// and are reached through a list of 4-byte slot numbers, so reordering a million rows moves
/// only the slot numbers, never the names. Positions are 0-based.
template <typename H>
class HeaderList {
public:
    int Count() const { return int(index_.size()); }
    H& operator[](int Pos) { return slots_[index_[std::size_t(Pos)]]; }
    const H& operator[](int Pos) const { return slots_[index_[std::size_t(Pos)]]; }

    void Resize(int N) {
        if (N < Count()) {   // keep the first N records, in order, and drop the rest
            std::vector<H> kept;
            kept.reserve(std::size_t(N));
            for (int i = 0; i < N; ++i) kept.push_back(std::move((*this)[i]));
            slots_.swap(kept);
            index_.resize(std::size_t(N));
            for (int i = 0; i < N; ++i) index_[std::size_t(i)] = std::uint32_t(i);
            return;
        }
        slots_.reserve(slots_.size() + std::size_t(N - Count()));
        index_.reserve(std::size_t(N));
        while (Count() < N) {
            slots_.emplace_back();
            index_.push_back(std::uint32_t(slots_.size() - 1));
        }
    }
    void Insert(int Pos) {
        slots_.emplace_back();
        index_.insert(index_.begin() + Pos, std::uint32_t(slots_.size() - 1));
    }
    void Remove(int Pos) {
        const std::uint32_t freed = index_[std::size_t(Pos)];
        index_.erase(index_.begin() + Pos);
        const std::uint32_t last = std::uint32_t(slots_.size() - 1);
        if (freed != last) {   // the last record moves into the freed slot
            slots_[freed] = std::move(slots_[last]);
            *std::find(index_.begin(), index_.end(), last) = freed;
        }
        slots_.pop_back();
    }
    void Swap(int A, int B) { std::swap(index_[std::size_t(A)], index_[std::size_t(B)]); }
    void Reverse() { std::reverse(index_.begin(), index_.end()); }
    /// Positions First.. (0-based) take the records at the positions Order lists (1-based).
    void Gather(int First, const std::vector<int>& Order) {
        std::vector<std::uint32_t> moved;
        moved.reserve(Order.size());
        for (int old : Order) moved.push_back(index_[std::size_t(old - 1)]);
        std::copy(moved.begin(), moved.end(), index_.begin() + First);
    }

private:
    std::vector<H> slots_;
    std::vector<std::uint32_t> index_;
};

}  // namespace detail

using TDTSizeChangedEvent =
    std::function<void(vcl::TObject* Sender, int OldCols, int OldRows, int NewCols, int NewRows)>;
/// Kind 0: rows Index1 and Index2 are exchanged within columns Low..High; kind 1: columns
/// Index1 and Index2 within rows Low..High.
using TDTSortExchangeEvent = std::function<void(vcl::TObject* Sender, std::uint8_t Kind,
                                                int Index1, int Index2, int Low, int High)>;

/// A numeric table: columns and rows from 1, a value and a state byte (dtsInvalid, dtsEmpty,
/// dtsMarkA, dtsMarkB) per cell, a name and an attribute per row and column, a measurement
/// scale type and nominal identifiers per column, and a comment. Changes are announced through
/// OnDataChanged, OnSetupChanged and OnSizeChanged.
class TDataTable : public vcl::TComponent {
public:
    /// Creates an empty table (0 by 0); AOwner (when given) frees it with itself.
    explicit TDataTable(vcl::TComponent* AOwner);
    /// The name the class is registered under.
    std::string ClassName() const override { return "TDataTable"; }
    /// Copies another data table whole: size, values, states, names, attributes, scale types,
    /// nominal identifiers and comment. Sends size, data and setup notifications.
    void Assign(vcl::TPersistent* Source) override;

    /// The number of columns.
    int GetNrOfColumns() const { return matrix_.GetNrOfColumns(); }
    /// The number of rows.
    int GetNrOfRows() const { return matrix_.GetNrOfRows(); }
    /// Keeps the cells, names and settings inside both sizes; new cells hold 0 with state 0,
    /// new names are empty. Raises EZynDataTableError when memory runs out, leaving the table
    /// as it was. Sends the size notification afterwards.
    void Resize(int Columns, int Rows);
    /// Every cell becomes empty: value 0, state dtsEmpty (marks included). Names stay.
    void Clear();

    /// Cells (1-based). Outside the table reads give 0 and writes are ignored.
    double GetElem(int Col, int Row) const { return matrix_.GetElem(Col, Row); }
    /// Stores Value and makes the cell a valid number (a NaN counts as invalid); marks stay.
    void SetElem(int Col, int Row, double Value);
    /// Whether the cell holds a valid number (neither dtsInvalid nor dtsEmpty); false outside.
    bool GetIsNumber(int Col, int Row) const;
    /// The state byte of the cell; 0 outside the table.
    std::uint8_t GetCellState(int Col, int Row) const { return states_.Get(Col, Row); }
    /// Replaces the state byte of the cell (ignored outside) and sends the data notification.
    void SetCellState(int Col, int Row, std::uint8_t State);
    /// The values themselves, for reading in bulk; writing through it sends no notification.
    TMatrix* GetMatrix() { return &matrix_; }

    /// Clears both mark bits of every cell; sends the data notification.
    void UnmarkAllCells();                          // clears both mark bits everywhere
    /// Flips the bits of StateMask in every cell's state; sends the data notification.
    void InvertCellStates(std::uint8_t StateMask);  // flips the mask's bits everywhere
    /// Swaps mark A and mark B in every cell; sends the data notification.
    void ExchangeMarkings();                        // mark A becomes mark B and back
    /// Sets every cell with a bit of StateMask in its state to Value; returns their number.
    int FillMarkedCells(double Value, std::uint8_t StateMask);

    /// The name of column Col; "" outside 1..Cols. Names hold at most DTNameLength characters,
    /// attributes are free integers.
    std::string GetColName(int Col) const;
    /// Renames column Col (cut to DTNameLength); ignored outside 1..Cols. Sends the setup
    /// notification.
    void SetColName(int Col, std::string_view Name);
    /// The name of row Row; "" outside 1..Rows.
    std::string GetRowName(int Row) const;
    /// Renames row Row (cut to DTNameLength); ignored outside 1..Rows. Sends the setup
    /// notification.
    void SetRowName(int Row, std::string_view Name);
    /// The attribute of column Col; 0 outside 1..Cols.
    int GetColAttrib(int Col) const;
    /// Sets the attribute of column Col; ignored outside. Sends the setup notification.
    void SetColAttrib(int Col, int Value);
    /// The attribute of row Row; 0 outside 1..Rows.
    int GetRowAttrib(int Row) const;
    /// Sets the attribute of row Row; ignored outside. Sends the setup notification.
    void SetRowAttrib(int Row, int Value);
    /// First column whose name equals Name, ignoring ASCII case; 0 when none.
    int FindColIndex(std::string_view Name) const;
    /// First row whose name equals Name, ignoring ASCII case; 0 when none.
    int FindRowIndex(std::string_view Name) const;

    /// Scale type of a column, 0..MaxScaleType (0 outside the table; other values ignored).
    int GetMScaleType(int Col) const;
    /// Sets the scale type of column Col; ignored outside the table or outside 0..MaxScaleType.
    void SetMScaleType(int Col, int ScaleType);
    /// Whether column Col is nominal or binary (its cells stand for identifiers).
    bool IsNominalColumn(int Col) const;
    /// Identifier of nominal value N (1..150) of column Col, "" when none.
    std::string GetNominalID(int Col, int N) const;
    /// Defines (or with an empty Text removes) the identifier of value N; cut to 50 characters.
    void SetNominalID(int Col, int N, std::string_view Text);
    /// Removes every identifier of column Col; sends the setup notification.
    void ClearNominalIDs(int Col);
    /// The value (1..150) whose identifier equals Text (ignoring ASCII case and surrounding
    /// blanks), searching from value StartIx on; 0 when the column has no such identifier.
    int OrdinalOfNominalID(int Col, std::string_view Text, int StartIx) const;

    /// Inserts an empty row before row Ix (1..Rows + 1; Rows + 1 appends; other indexes are
    /// ignored). New rows and columns hold 0 with state 0 and empty names. Sends the size
    /// notification.
    void InsertRow(int Ix);
    /// Inserts an empty column before column Ix (1..Cols + 1); sends the size notification.
    void InsertColumn(int Ix);
    /// Removes row Ix (1..Rows) with its name and attribute; sends the size notification.
    void RemoveRow(int Ix);
    /// Removes column Ix (1..Cols) with its header settings; sends the size notification.
    void RemoveColumn(int Ix);
    /// Reverses the order of all rows with their names and attributes.
    void MirrorRows();
    /// Reverses the order of all columns with their names, attributes and scale types.
    void MirrorColumns();

    /// The table's free comment; empty by default.
    const std::string& GetFComment() const { return comment_; }
    /// Replaces the comment; sends the setup notification.
    void SetFComment(std::string_view Text);

    /// Sorting. Each sort reorders the rows LowRow..HighRow (or the columns LowCol..HighCol) of
    /// the block (LowCol, LowRow)-(HighCol, HighRow); indexes are clamped to the table. Values
    /// and states of the block move; with IncludeHeaders the names and attributes (and, for
    /// columns, scale types and identifiers) move with them. Cells that are not valid numbers
    /// come last in either direction; equal keys keep their order. When OnSortExchange is
    /// assigned the new order is reached by exchanging two rows (columns) at a time, each
    /// exchange reported before it happens.
    void SortRows(int SortCol, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    /// Sorts the columns LowCol..HighCol of the block by their values in row SortRow, as SortRows
    /// does for rows.
    void SortCols(int SortRow, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    /// Sorts the rows of the block by their names (headers always move, as they are the key).
    void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    /// By column names (headers always move, as they are the key).
    void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Sorts the rows of the block by their attributes (headers always move).
    void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    /// By column attributes (headers always move).
    void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);

    /// Called after values or cell states changed.
    vcl::TNotifyEvent OnDataChanged;       // values or states changed
    /// Called after names, attributes, scale types, identifiers or the comment changed.
    vcl::TNotifyEvent OnSetupChanged;      // names, attributes, scale types, identifiers, comment
    /// Called after Resize, insertions and removals, with the old and the new size.
    TDTSizeChangedEvent OnSizeChanged;     // after Resize, insertions and removals
    /// Called with 0..100 while a sort runs.
    TOnPercentDoneEvent OnPercentDone;     // progress of sorts
    /// Called before each exchange of two rows or columns while a sort reaches its order;
    /// unassigned, the order is taken over at once.
    TDTSortExchangeEvent OnSortExchange;

private:
    struct Block { int lowCol, lowRow, highCol, highRow; };
    Block ClampBlock(int LowCol, int LowRow, int HighCol, int HighRow) const;
    enum class Axis { Rows, Cols };
    /// Brings the lines First.. of Axis into Order (old indexes, 1-based) inside Block.
    void Reorder(Axis axis, const Block& b, std::vector<int> Order, bool Headers);
    void SwapLines(Axis axis, const Block& b, int i, int j, bool Headers);
    void SortByNumbers(Axis axis, int KeyLine, bool Ascending, const Block& b, bool Headers);
    void SortByNames(Axis axis, bool Ascending, bool IgnoreCase, const Block& b);
    void SortByAttribs(Axis axis, bool Ascending, const Block& b);
    void DataChanged();
    void SetupChanged();
    void SizeChanged(int OldCols, int OldRows);
    void Progress(int Percent);

    struct RowHeader {
        std::string name;
        int attrib = 0;
    };
    struct ColHeader {
        std::string name;
        int attrib = 0;
        std::uint8_t scaleType = 0;
        std::vector<std::string> nominalIDs;   // [value - 1], sized when first defined
    };

    TMatrix matrix_;
    detail::Grid<std::uint8_t> states_;
    detail::HeaderList<RowHeader> rowHeaders_;
    detail::HeaderList<ColHeader> colHeaders_;
    std::string comment_;
};

}  // namespace zyn
