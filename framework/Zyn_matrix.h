// Matrices of the math library: a matrix of doubles (the numbers of a data table) and an
// integer matrix, plus two small integer helpers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Classes.h"

namespace zyn {

namespace detail {

/// Elements addressed by (column, row), both from 1, stored column by column so that a
/// column is one contiguous run. Out-of-range reads give T{}, writes are ignored.
template <typename T>
class Grid {
public:
    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    bool Valid(int c, int r) const { return c >= 1 && c <= cols_ && r >= 1 && r <= rows_; }
    T Get(int c, int r) const { return Valid(c, r) ? data_[Index(c, r)] : T{}; }
    void Set(int c, int r, T v) { if (Valid(c, r)) data_[Index(c, r)] = v; }
    T* Column(int c) { return data_.data() + std::size_t(c - 1) * std::size_t(rows_); }
    const T* Column(int c) const { return data_.data() + std::size_t(c - 1) * std::size_t(rows_); }
    void Fill(T v) { std::fill(data_.begin(), data_.end(), v); }

    /// Keeps the elements inside both sizes; new ones are Init. Strong guarantee on failure.
    void Resize(int cols, int rows, T init = T{}) {
        cols = std::max(cols, 0);
        rows = std::max(rows, 0);
        if (rows == rows_) {
            data_.resize(std::size_t(cols) * std::size_t(rows), init);
        } else {
            std::vector<T> next(std::size_t(cols) * std::size_t(rows), init);
            const int keepCols = std::min(cols, cols_), keepRows = std::min(rows, rows_);
            for (int c = 1; c <= keepCols; ++c)
                std::copy_n(Column(c), keepRows, next.data() + std::size_t(c - 1) * std::size_t(rows));
            data_.swap(next);
        }
        cols_ = cols;
        rows_ = rows;
    }

    /// A new row (column) of Init before index ix, 1..count + 1.
    void InsertRow(int ix, T init = T{}) {
        std::vector<T> next(std::size_t(cols_) * std::size_t(rows_ + 1), init);
        for (int c = 1; c <= cols_; ++c) {
            T* dst = next.data() + std::size_t(c - 1) * std::size_t(rows_ + 1);
            std::copy_n(Column(c), ix - 1, dst);
            std::copy(Column(c) + (ix - 1), Column(c) + rows_, dst + ix);
        }
        data_.swap(next);
        ++rows_;
    }
    void RemoveRow(int ix) {
        std::vector<T> next(std::size_t(cols_) * std::size_t(rows_ - 1));
        for (int c = 1; c <= cols_; ++c) {
            T* dst = next.data() + std::size_t(c - 1) * std::size_t(rows_ - 1);
            std::copy_n(Column(c), ix - 1, dst);
            std::copy(Column(c) + ix, Column(c) + rows_, dst + (ix - 1));
        }
        data_.swap(next);
        --rows_;
    }
    void InsertColumn(int ix, T init = T{}) {
        data_.insert(data_.begin() + std::ptrdiff_t(ix - 1) * rows_, std::size_t(rows_), init);
        ++cols_;
    }
    void RemoveColumn(int ix) {
        auto first = data_.begin() + std::ptrdiff_t(ix - 1) * rows_;
        data_.erase(first, first + rows_);
        --cols_;
    }
    void SwapRows(int a, int b) {
        for (int c = 1; c <= cols_; ++c) std::swap(Column(c)[a - 1], Column(c)[b - 1]);
    }
    void SwapColumns(int a, int b) {
        std::swap_ranges(Column(a), Column(a) + rows_, Column(b));
    }
    /// Rows First..Last of columns LowCol..HighCol become the rows Order lists (1-based,
    /// each of First..Last once): new row First + i is old row Order[i].
    void GatherRows(int LowCol, int HighCol, int First, const std::vector<int>& Order) {
        std::vector<T> scratch(Order.size());
        for (int c = LowCol; c <= HighCol; ++c) {
            T* col = Column(c);
            for (std::size_t i = 0; i < Order.size(); ++i) scratch[i] = col[Order[i] - 1];
            std::copy(scratch.begin(), scratch.end(), col + (First - 1));
        }
    }
    /// Columns First..Last within rows LowRow..HighRow, likewise.
    void GatherColumns(int LowRow, int HighRow, int First, const std::vector<int>& Order) {
        const int n = HighRow - LowRow + 1;
        if (n <= 0) return;
        std::vector<T> scratch(Order.size() * std::size_t(n));
        for (std::size_t i = 0; i < Order.size(); ++i)
            std::copy_n(Column(Order[i]) + (LowRow - 1), n, scratch.data() + i * std::size_t(n));
        for (std::size_t i = 0; i < Order.size(); ++i)
            std::copy_n(scratch.data() + i * std::size_t(n), n,
                        Column(First + int(i)) + (LowRow - 1));
    }

private:
    std::size_t Index(int c, int r) const {
        return std::size_t(c - 1) * std::size_t(rows_) + std::size_t(r - 1);
    }
    std::vector<T> data_;
    int cols_ = 0;
    int rows_ = 0;
};

}  // namespace detail

/// A matrix of doubles, columns and rows from 1.
class TMatrix : public vcl::TObject {
public:
    /// The name the class is registered under.
    std::string ClassName() const override { return "TMatrix"; }
    /// The number of columns.
    int GetNrOfColumns() const { return grid_.Cols(); }
    /// The number of rows.
    int GetNrOfRows() const { return grid_.Rows(); }
    /// Element (Col, Row); 0 outside the matrix.
    double GetElem(int Col, int Row) const { return grid_.Get(Col, Row); }
    /// Stores Value at (Col, Row); ignored outside the matrix.
    void SetElem(int Col, int Row, double Value) { grid_.Set(Col, Row, Value); }
    /// Every element becomes Value.
    void Fill(double Value) { grid_.Fill(Value); }
    /// Keeps the elements inside both sizes; new elements are 0.
    void Resize(int Cols, int Rows) { grid_.Resize(Cols, Rows, 0.0); }

    /// The storage, column by column, for code that works on whole columns.
    detail::Grid<double>& Grid() { return grid_; }
    /// The storage, read-only.
    const detail::Grid<double>& Grid() const { return grid_; }

private:
    detail::Grid<double> grid_;
};

/// A matrix of integers owned by a component, columns and rows from 1.
class TIntMatrix : public vcl::TComponent {
public:
    /// Creates an empty matrix (0 by 0); AOwner (when given) frees it with itself.
    explicit TIntMatrix(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {}
    /// The name the class is registered under.
    std::string ClassName() const override { return "TIntMatrix"; }
    /// Keeps the elements inside both sizes; new ones are 0. Negative sizes count as 0.
    void Resize(int Columns, int Rows) { grid_.Resize(Columns, Rows); }
    /// Changes the number of rows and keeps the existing ones.
    void SetNRows(int Rows) { grid_.Resize(grid_.Cols(), Rows); }
    /// The number of columns.
    int GetNrOfColumns() const { return grid_.Cols(); }
    /// The number of rows.
    int GetNrOfRows() const { return grid_.Rows(); }
    /// Element (Col, Row); 0 outside the matrix.
    int GetVal(int Col, int Row) const { return grid_.Get(Col, Row); }
    /// Stores Value at (Col, Row); ignored outside the matrix.
    void SetVal(int Col, int Row, int Value) { grid_.Set(Col, Row, Value); }
    /// Every element becomes Value.
    void Fill(int Value) { grid_.Fill(Value); }

private:
    detail::Grid<int> grid_;
};

/// The greatest integer not above X (-2.5 gives -3); values beyond the int range are clamped.
int IntNeg(double X);

/// Whether S is a decimal integer that fits an int: optional blanks, an optional "+" or "-",
/// at least one digit 0..9, optional blanks, and nothing else.
bool IsValidDecInt(std::string_view S);

}  // namespace zyn
