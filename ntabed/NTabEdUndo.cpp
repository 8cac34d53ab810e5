// The table editor's undo history: the steps it records (a region of cells and headings, a
// size change, an inserted or removed line, a mirroring) and Undo/Redo. Every step is an
// exchange: it keeps what its change overwrote, and taking it back swaps that with what the
// table holds then, so that the same step can do the change again.
#include <algorithm>
#include <utility>
#include <vector>

#include "ntabed/Zyn_ntabed.h"

namespace zyn {

using namespace vcl;

// The steps' way into the editor: decimal places, widths and the quiet writes.
class TNTabEdUndo {
public:
    static std::int8_t DecP(const TNTabEd& Ed, int Col) {
        return Col >= 1 && Col <= int(Ed.FDecP.size()) ? Ed.FDecP[std::size_t(Col - 1)] : std::int8_t(3);
    }
    static void SetDecP(TNTabEd& Ed, int Col, std::int8_t Value) {
        if (Col >= 1 && Col <= int(Ed.FDecP.size())) Ed.FDecP[std::size_t(Col - 1)] = Value;
    }
    static int Width(const TNTabEd& Ed, int Col) { return Ed.TCustomGrid::GetColWidths(Col + Ed.FColOffset); }
    static void SetWidth(TNTabEd& Ed, int Col, int Value) {
        if (Col + Ed.FColOffset < Ed.TCustomGrid::GetColCount()) Ed.TCustomGrid::SetColWidths(Col + Ed.FColOffset, Value);
    }
    static void Resize(TNTabEd& Ed, int Cols, int Rows) { Ed.ResizeData(Cols, Rows); }
    static TUndoStack& Stack(TNTabEd& Ed) { return Ed.FUndo; }
};

namespace {

struct TColHead {
    std::string Name;
    int Attrib = 0;
    int ScaleType = 0;
    std::vector<std::string> IDs;   // empty when the column has no nominal identifier
    std::int8_t DecP = 3;
    int Width = 0;
};

struct TRowHead {
    std::string Name;
    int Attrib = 0;
};

// A part of the table: a block of cells, the headings of some columns and rows, the comment.
class TTableRegion {
public:
    TTableRegion() = default;
    TTableRegion(int C1, int R1, int C2, int R2, int Kinds, bool Widths)
        : c1_(C1), r1_(R1), c2_(C2), r2_(R2), kinds_(Kinds), widths_(Widths) {}

    void Capture(const TNTabEd& Ed) {
        const TDataTable& d = *Ed.Data;
        if (kinds_ & Cells()) {
            const std::size_t n = CellCount();
            values_.resize(n);
            states_.resize(n);
            std::size_t i = 0;
            for (int c = c1_; c <= c2_; ++c)
                for (int r = r1_; r <= r2_; ++r, ++i) {
                    values_[i] = d.GetElem(c, r);
                    states_[i] = d.GetCellState(c, r);
                }
        }
        if (kinds_ & ColHeads())
            for (int c = c1_; c <= c2_; ++c) {
                TColHead h;
                h.Name = d.GetColName(c);
                h.Attrib = d.GetColAttrib(c);
                h.ScaleType = d.GetMScaleType(c);
                for (int n = 1; n <= MaxNominalID; ++n) {
                    std::string id = d.GetNominalID(c, n);
                    if (id.empty()) continue;
                    h.IDs.resize(std::size_t(MaxNominalID));
                    h.IDs[std::size_t(n - 1)] = std::move(id);
                }
                h.DecP = TNTabEdUndo::DecP(Ed, c);
                if (widths_) h.Width = TNTabEdUndo::Width(Ed, c);
                colHeads_.push_back(std::move(h));
            }
        if (kinds_ & RowHeads())
            for (int r = r1_; r <= r2_; ++r) rowHeads_.push_back({d.GetRowName(r), d.GetRowAttrib(r)});
        if (kinds_ & Comment()) comment_ = d.GetFComment();
    }

    void Write(TNTabEd& Ed) const {
        TDataTable& d = *Ed.Data;
        if (kinds_ & Cells()) {
            TMatrix& m = *d.GetMatrix();
            std::size_t i = 0;
            for (int c = c1_; c <= c2_; ++c)
                for (int r = r1_; r <= r2_; ++r, ++i) {
                    m.SetElem(c, r, values_[i]);
                    d.SetCellState(c, r, states_[i]);
                }
        }
        if (kinds_ & ColHeads())
            for (int c = c1_; c <= c2_; ++c) {
                const TColHead& h = colHeads_[std::size_t(c - c1_)];
                d.SetColName(c, h.Name);
                d.SetColAttrib(c, h.Attrib);
                d.SetMScaleType(c, h.ScaleType);
                d.ClearNominalIDs(c);
                for (std::size_t n = 0; n < h.IDs.size(); ++n)
                    if (!h.IDs[n].empty()) d.SetNominalID(c, int(n + 1), h.IDs[n]);
                TNTabEdUndo::SetDecP(Ed, c, h.DecP);
                if (widths_) TNTabEdUndo::SetWidth(Ed, c, h.Width);
            }
        if (kinds_ & RowHeads())
            for (int r = r1_; r <= r2_; ++r) {
                const TRowHead& h = rowHeads_[std::size_t(r - r1_)];
                d.SetRowName(r, h.Name);
                d.SetRowAttrib(r, h.Attrib);
            }
        if (kinds_ & Comment()) d.SetFComment(comment_);
    }

    // The table gets what the region holds, the region what the table held.
    void Swap(TNTabEd& Ed) {
        TTableRegion now(c1_, r1_, c2_, r2_, kinds_, widths_);
        now.Capture(Ed);
        Write(Ed);
        *this = std::move(now);
    }

    std::size_t StoredUnits() const {
        return values_.size() + colHeads_.size() + rowHeads_.size() + (comment_.empty() ? 0 : 1);
    }
    bool Empty() const { return c1_ > c2_ || r1_ > r2_; }

private:
    static constexpr int Cells() { return 1; }
    static constexpr int ColHeads() { return 2; }
    static constexpr int RowHeads() { return 4; }
    static constexpr int Comment() { return 8; }
    std::size_t CellCount() const {
        return Empty() ? 0 : std::size_t(c2_ - c1_ + 1) * std::size_t(r2_ - r1_ + 1);
    }

    int c1_ = 1, r1_ = 1, c2_ = 0, r2_ = 0;
    int kinds_ = 0;
    bool widths_ = false;
    std::vector<double> values_;
    std::vector<std::uint8_t> states_;
    std::vector<TColHead> colHeads_;
    std::vector<TRowHead> rowHeads_;
    std::string comment_;
};

class TRegionStep : public TUndoStep {
public:
    TRegionStep(TNTabEd& Ed, TTableRegion Region) : ed_(Ed), region_(std::move(Region)) {}
    void Undo() override { region_.Swap(ed_); }
    void Redo() override { region_.Swap(ed_); }
    std::size_t StoredUnits() const override { return region_.StoredUnits(); }

private:
    TNTabEd& ed_;
    TTableRegion region_;
};

// A size change keeps what lies outside the other size: the columns beyond the narrower
// width (all their rows, with their headings and widths) and the rows beyond the lower
// height within the common columns (with their headings).
class TSizeStep : public TUndoStep {
public:
    // Made before the table takes the size NewCols x NewRows.
    TSizeStep(TNTabEd& Ed, int NewCols, int NewRows)
        : ed_(Ed), cols_(Ed.GetNrOfColumns()), rows_(Ed.GetNrOfRows()) {
        Capture(beyondCols_, beyondRows_, NewCols, NewRows);
    }
    void Undo() override { Exchange(); }
    void Redo() override { Exchange(); }
    std::size_t StoredUnits() const override { return beyondCols_.StoredUnits() + beyondRows_.StoredUnits(); }

private:
    // What the table holds now outside the size Cols x Rows.
    void Capture(TTableRegion& Beyond, TTableRegion& Below, int OtherCols, int OtherRows) const {
        const int c = ed_.GetNrOfColumns(), r = ed_.GetNrOfRows();
        const int mc = std::min(c, OtherCols), mr = std::min(r, OtherRows);
        Beyond = TTableRegion(mc + 1, 1, c, r, 1 | 2, true);
        Below = TTableRegion(1, mr + 1, mc, r, 1 | 4, false);
        if (!Beyond.Empty()) Beyond.Capture(ed_);
        if (!Below.Empty()) Below.Capture(ed_);
    }
    void Exchange() {
        TTableRegion cols, rows;
        Capture(cols, rows, cols_, rows_);
        const int oldCols = ed_.GetNrOfColumns(), oldRows = ed_.GetNrOfRows();
        TNTabEdUndo::Resize(ed_, cols_, rows_);
        if (!beyondCols_.Empty()) beyondCols_.Write(ed_);
        if (!beyondRows_.Empty()) beyondRows_.Write(ed_);
        beyondCols_ = std::move(cols);
        beyondRows_ = std::move(rows);
        cols_ = oldCols;
        rows_ = oldRows;
    }

    TNTabEd& ed_;
    int cols_, rows_;   // the size the next exchange gives the table
    TTableRegion beyondCols_, beyondRows_;
};

// An inserted or removed row or column, kept whole while it is out of the table.
class TLineStep : public TUndoStep {
public:
    TLineStep(TNTabEd& Ed, bool Column, int Ix, bool PresentAfter)
        : ed_(Ed), column_(Column), ix_(Ix), present_(PresentAfter) {
        if (!present_) line_ = Capture();   // a removal: the line goes with the change
    }
    void Undo() override { Exchange(); }
    void Redo() override { Exchange(); }
    std::size_t StoredUnits() const override { return line_.StoredUnits(); }

private:
    TTableRegion Capture() const {
        // (Widths stay with the grid's places when lines come and go, so the line keeps none.)
        TTableRegion line = column_ ? TTableRegion(ix_, 1, ix_, ed_.GetNrOfRows(), 1 | 2, false)
                                    : TTableRegion(1, ix_, ed_.GetNrOfColumns(), ix_, 1 | 4, false);
        line.Capture(ed_);
        return line;
    }
    void Exchange() {
        if (present_) {
            line_ = Capture();
            if (column_) ed_.RemoveColumn(ix_);
            else ed_.RemoveRow(ix_);
        } else {
            if (column_) ed_.InsertColumn(ix_);
            else ed_.InsertRow(ix_);
            line_.Write(ed_);
            line_ = TTableRegion();
        }
        present_ = !present_;
    }

    TNTabEd& ed_;
    bool column_;
    int ix_;
    bool present_;   // whether the line is in the table now
    TTableRegion line_;
};

// Mirroring is its own reverse: nothing to keep.
class TMirrorStep : public TUndoStep {
public:
    TMirrorStep(TNTabEd& Ed, bool Columns) : ed_(Ed), columns_(Columns) {}
    void Undo() override { Mirror(); }
    void Redo() override { Mirror(); }
    std::size_t StoredUnits() const override { return 0; }

private:
    void Mirror() {
        if (columns_) ed_.MirrorColumns();
        else ed_.MirrorRows();
    }
    TNTabEd& ed_;
    bool columns_;
};

}  // namespace

// =========================================================================================
// recording

void TNTabEd::RecordRegion(int C1, int R1, int C2, int R2, int Kinds) {
    if (FUndo.Replaying() || FUndo.GetLimit() == 0) return;
    C1 = std::max(C1, 1);
    R1 = std::max(R1, 1);
    C2 = std::min(C2, GetNrOfColumns());
    R2 = std::min(R2, GetNrOfRows());
    if ((C1 > C2 || R1 > R2) && !(Kinds & RgComment)) return;
    TTableRegion region(C1, R1, C2, R2, Kinds, false);
    region.Capture(*this);
    FUndo.Push(std::make_unique<TRegionStep>(*this, std::move(region)));
}

bool TNTabEd::RecordResize(int Cols, int Rows) {
    if (FUndo.Replaying() || FUndo.GetLimit() == 0) return false;
    if (Cols == GetNrOfColumns() && Rows == GetNrOfRows()) return false;
    // The step is made for the size it will undo to; what it keeps is measured against the
    // new size.
    auto step = std::make_unique<TSizeStep>(*this, Cols, Rows);
    FUndo.Push(std::move(step));
    return true;
}

void TNTabEd::RecordLine(bool Column, int Ix, bool Inserting) {
    if (FUndo.Replaying() || FUndo.GetLimit() == 0) return;
    FUndo.Push(std::make_unique<TLineStep>(*this, Column, Ix, Inserting));
}

void TNTabEd::RecordMirror(bool Columns) {
    if (FUndo.Replaying() || FUndo.GetLimit() == 0) return;
    FUndo.Push(std::make_unique<TMirrorStep>(*this, Columns));
}

// =========================================================================================
// undo and redo

void TNTabEd::Loaded() {
    TCustomGrid::Loaded();
    FUndo.Clear();
}

bool TNTabEd::Undo() { return Replay(true); }
bool TNTabEd::Redo() { return Replay(false); }

bool TNTabEd::Replay(bool Back) {
    // An edit under way is stored first: it is then the newest step.
    HideEditor();
    if (Back ? !FUndo.CanUndo() : !FUndo.CanRedo()) return false;
    const int cols = GetNrOfColumns(), rows = GetNrOfRows();
    {
        // Only this editor stops hearing the table; the others hear the change once, after.
        struct TMute {
            bool& Flag;
            bool Old;
            ~TMute() { Flag = Old; }
        } mute{FDataHookMuted, std::exchange(FDataHookMuted, true)};
        TNTabEdSuppression quiet(*this);
        if (Back) FUndo.Undo();
        else FUndo.Redo();
    }
    if (!FSuppressPaint) Repaint();
    ChangedData();
    if (cols != GetNrOfColumns() || rows != GetNrOfRows()) ChangedSetup();
    return true;
}

}  // namespace zyn
