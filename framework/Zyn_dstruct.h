// Data structures of the base library: the string matrix behind the report list and the
// bit field behind the thumbnail selection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"

namespace zyn {

/// Raised by the string matrix when memory for cells or rows cannot be had.
class EZynDStructError : public EZynError {
public:
    using EZynError::EZynError;
};

namespace detail {

/// A string of up to a few hundred bytes in 16 bytes: texts of up to 15 bytes live inside the
/// object, longer ones in one heap block of their own. A million rows of short cells thus cost
/// 16 bytes a cell and no allocation.
class CompactString {
public:
    CompactString() noexcept { raw_[kTag] = 0; }
    explicit CompactString(std::string_view S) { raw_[kTag] = 0; Assign(S); }
    CompactString(const CompactString& Other) { raw_[kTag] = 0; Assign(Other.View()); }
    CompactString(CompactString&& Other) noexcept;
    CompactString& operator=(const CompactString& Other);
    CompactString& operator=(CompactString&& Other) noexcept;
    ~CompactString() { Release(); }

    std::string_view View() const noexcept {
        if (raw_[kTag] != kHeap) return {reinterpret_cast<const char*>(raw_), raw_[kTag]};
        return {HeapPtr(), HeapLen()};
    }
    bool Empty() const noexcept { return raw_[kTag] == 0; }
    void Assign(std::string_view S);
    void Clear() noexcept { Release(); raw_[kTag] = 0; }

private:
    static constexpr int kInline = 15;
    static constexpr int kTag = 15;
    static constexpr unsigned char kHeap = 0xFF;
    const char* HeapPtr() const noexcept;
    std::uint32_t HeapLen() const noexcept;
    void Release() noexcept;

    alignas(8) unsigned char raw_[16];
};

}  // namespace detail

/// A matrix of text cells: columns 0..Cols, rows 1..Rows. Cells hold at most 255 characters
/// (longer texts are cut). Each row and each column carries one attribute byte.
///
/// Rows cost nothing until they hold something: a column keeps storage (16 bytes a cell) only
/// up to its last stored row that was given a text, the row attribute bytes up to the last
/// row given a non-zero byte, and the sort order only while one is set. A million empty
/// rows are a count, and a table fills up as cells arrive.
///
/// The rows are stored in one order and presented in another: every row number passed to a
/// method is a presented position, which the sort order maps to a stored row. Sorting changes
/// only that mapping; row attribute bytes belong to the stored row and so follow their rows.
/// CommitSorting makes the presented order the stored one; UnSort shows the stored order again.
class TStringArray : public vcl::TComponent {
public:
    /// Longest cell text in bytes; SetString cuts longer texts.
    static constexpr int MaxCellChars = 255;

    /// Creates a matrix of column 0 and no rows; AOwner (when given) frees it with itself.
    explicit TStringArray(vcl::TComponent* AOwner);
    /// The name the class is registered under.
    std::string ClassName() const override { return "TStringArray"; }

    /// Columns 0..Cols and rows 1..Rows afterwards (negative values count as 0). Existing cells,
    /// attributes and the order of the remaining rows are kept; stored rows beyond Rows are
    /// dropped, new rows are appended at the end of the presentation. Raises EZynDStructError
    /// when the memory cannot be had, leaving the matrix as it was.
    void Resize(int Cols, int Rows);
    /// Room for the texts of stored rows 1..Rows in columns 1..Cols, for a reader that knows
    /// about how many rows will come: the columns then grow without copying themselves. The
    /// matrix does not change; a request the memory cannot meet is ignored.
    void ReserveRows(int Cols, int Rows);
    /// The highest column number (columns run from 0, so a new matrix has column 0 only).
    int GetNrOfColumns() const { return static_cast<int>(columns_.size()) - 1; }
    /// The number of rows (rows run from 1).
    int GetNrOfRows() const { return rows_; }
    /// Stored rows 1..RowsInUse may hold a text or an attribute byte; the rows after them are
    /// empty (a writer of an unsorted matrix can stop there).
    int RowsInUse() const;
    /// Empties every cell; size, attributes and order stay.
    void Clear();

    /// Outside the matrix GetString gives "" and SetString does nothing.
    std::string GetString(int Col, int Row) const;
    /// The cell's text without copying it; valid until the cell changes.
    std::string_view StringView(int Col, int Row) const;
    /// Stores S (cut to MaxCellChars) in the cell shown at (Col, Row); fires OnChange.
    void SetString(int Col, int Row, std::string_view S);

    /// An empty row before presented row Row (1..Rows; Rows + 1 appends). In the stored order it
    /// goes before the stored row shown at Row, so an unsorted matrix stays unsorted.
    void InsertRow(int Row);
    /// Removes the row shown at Row (1..Rows).
    void RemoveRow(int Row);
    /// Removes the rows shown at the given positions (any order; duplicates and positions
    /// outside 1..Rows are ignored) in one pass, so removing many rows stays linear.
    void RemoveRows(std::vector<int> Rows);
    /// Exchanges the contents (cells, attributes, order, growth step) with Other; the
    /// callbacks of both stay where they are. Fires OnChange of this matrix.
    void Swap(TStringArray& Other);
    /// Exchanges the cells of column Col with those of column OtherCol of Other, stored row
    /// for stored row (rows beyond the smaller count are dropped from the larger one). Never
    /// fails, so a column can be rebuilt aside and put in place at once. Fires OnChange.
    void ExchangeColumn(int Col, TStringArray& Other, int OtherCol) noexcept;
    /// Cells that have storage (16 bytes each), over all columns: what the matrix costs
    /// beyond its texts of more than 15 bytes.
    std::int64_t CellSlots() const;

    /// The attribute byte of column Col; 0 outside 0..Cols.
    std::uint8_t GetColAttrib(int Col) const;
    /// Sets the attribute byte of column Col; ignored outside 0..Cols. Fires no OnChange.
    void SetColAttrib(int Col, std::uint8_t Value);
    /// The attribute byte of the row shown at Row; 0 outside 1..Rows.
    std::uint8_t GetRowAttrib(int Row) const;
    /// Sets the attribute byte of the row shown at Row (it follows the row when sorted); ignored
    /// outside 1..Rows.
    void SetRowAttrib(int Row, std::uint8_t Value);

    /// Growth step: storage for the cells of a column grows in multiples of N rows (N >= 1),
    /// and by at least half its current size at a time, so filling row by row stays cheap.
    void SetAllocRowsBy(int N);
    /// The growth step in rows; default 10.
    int GetAllocRowsBy() const { return allocRowsBy_; }

    /// Orders the presentation by the text of Col (code-point order), rows with equal text by
    /// ColSec (-1 or a column outside the matrix for none). Rows equal in both keep their
    /// presented order, in either direction. The stored order is unchanged. A Col outside
    /// 0..Cols does nothing.
    ///
    /// The new order is computed on an index permutation. When OnBeforeSortExchange is
    /// assigned, the sort then moves the presentation into that order by exchanging two rows
    /// at a time, calling the event before each exchange with the Col texts of the two rows;
    /// with no handler assigned the order is taken over at once.
    void Sort(int Col, int ColSec, bool Ascending);
    /// Shows the stored rows (0-based) in the order StoredRows lists them, the way Sort takes
    /// over the order it computed: by reported exchanges (with the Col texts) while
    /// OnBeforeSortExchange is assigned, else at once. For orders computed outside the
    /// matrix (by value, by several columns). Raises EZynDStructError, changing nothing, when
    /// StoredRows does not hold every stored row exactly once.
    void TakeOrder(std::vector<std::uint32_t> StoredRows, int Col);
    /// The stored row (1-based) shown at position Pos; 0 outside 1..Rows.
    int GetSortOrder(int Pos) const;
    /// Shows stored row Row at position Pos (both 1..Rows, else nothing). Used to copy an order
    /// position by position; the caller makes the result a permutation.
    void SetSortOrder(int Pos, int Row);
    /// Makes the presented order the stored one, so that UnSort no longer goes back past it.
    void CommitSorting();
    /// Shows the rows in their stored order again; fires OnChange when they were sorted.
    void UnSort();
    /// Whether the presented order differs from the stored one.
    bool IsSorted() const;

    /// Called after the cells, the size or the presented order changed.
    vcl::TNotifyEvent OnChange;              // cells, size or presented order changed
    /// Called with 0..100 while Sort runs.
    TOnPercentDoneEvent OnPercentDone;       // progress of Sort
    /// Called before each exchange of two presented rows while Sort or TakeOrder moves the
    /// rows into their new order; unassigned, the order is taken over at once.
    TBeforeSortExchgEvent OnBeforeSortExchange;

private:
    using TColumn = std::vector<detail::CompactString>;
    std::uint32_t Stored(int Row) const {
        return order_.empty() ? std::uint32_t(Row - 1) : order_[std::size_t(Row - 1)];
    }
    bool ValidCell(int Col, int Row) const {
        return Col >= 0 && Col < int(columns_.size()) && Row >= 1 && Row <= rows_;
    }
    static std::string_view CellOf(const TColumn& Column, std::uint32_t StoredRow) {
        return StoredRow < Column.size() ? Column[StoredRow].View() : std::string_view();
    }
    /// Room for Size entries, grown by the growth step and at least by half.
    template <class V>
    void Grow(V& Vector, std::size_t Size) const;
    void MaterializeOrder();
    void ApplyOrderByExchanges(const std::vector<std::uint32_t>& Target, int Col);
    void PresentInOrder(std::vector<std::uint32_t> Target, int Col);
    void Changed();
    void Progress(int Percent);

    /// [col][stored row], each column only as long as its last stored text needs.
    std::vector<TColumn> columns_;
    std::vector<std::uint8_t> rowAttribs_;                       // [stored row], as long as needed
    std::vector<std::uint8_t> colAttribs_;                       // [col]
    std::vector<std::uint32_t> order_;                           // [position] -> stored row; empty: same order
    int rows_ = 0;
    int allocRowsBy_ = 10;
};

/// A resizable field of bits numbered 0..Size-1.
class TBitFld : public vcl::TComponent {
public:
    /// Creates an empty field (size 0); AOwner (when given) frees it with itself.
    explicit TBitFld(vcl::TComponent* AOwner);
    /// The name the class is registered under.
    std::string ClassName() const override { return "TBitFld"; }

    /// Keeps the bits below the new size; new bits are false. Negative sizes count as 0.
    void SetSize(int N);
    /// The number of bits.
    int GetSize() const { return size_; }
    /// Makes every bit false; the size stays.
    void Clear();                              // every bit false
    /// Bit I; false outside 0..Size-1.
    bool GetBit(int I) const;                  // false outside 0..Size-1
    /// Sets bit I to B; ignored outside 0..Size-1.
    void SetBit(int I, bool B);                // ignored outside 0..Size-1
    /// The lowest bit that is set; -1 when none is.
    int FirstTrueBit() const;                  // -1 when no bit is set
    /// The number of bits that are set.
    int CountTrueBits() const;

private:
    std::vector<std::uint64_t> words_;
    int size_ = 0;
};

}  // namespace zyn
