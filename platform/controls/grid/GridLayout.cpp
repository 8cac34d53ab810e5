// TCustomGrid: construction, size properties, geometry (cell rectangles, hit testing,
// visible cells), scrolling and the current cell with its selection.
#include <algorithm>
#include <cstdint>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/grid/Grid.h"
#include "platform/controls/grid/GridAccessible.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {
const char* const kIndexOutOfRange = "Grid index out of range";
const char* const kFixedColTooBig = "Fixed column count must be less than column count";
const char* const kFixedRowTooBig = "Fixed row count must be less than row count";
const char* const kGridTooLarge = "Grid too large for operation";
// The most columns or rows a grid holds (16,777,216: 64 MB of extents).
constexpr int kMaxGridExtent = 1 << 24;
}  // namespace

// ---- construction ----------------------------------------------------------------------

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    // The grid fires Click itself (on every move of the current cell and on release).
    SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    colWidths_.assign(std::size_t(colCount_), defaultColWidth_);
    rowHeights_.assign(std::size_t(rowCount_), defaultRowHeight_);
    vertBar_.SetOnScroll([this](TObject*, int Code, int Pos) {
        ScrollVert(Code, Pos);
        UpdateScrollPositions();
    });
    horzBar_.SetOnScroll([this](TObject*, int Code, int Pos) {
        ScrollHorz(Code, Pos);
        UpdateScrollPositions();
    });
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() {
    if (timerOn_ && HandleAllocated()) KillTimer(GetHandle(), 1);
    // The editor is a child control: the window control frees it with the children.
}

void TCustomGrid::CheckIndex(int Index, int Count) const {
    if (Index < 0 || Index >= Count) throw EInvalidGridOperation(kIndexOutOfRange);
}

// ---- size properties -------------------------------------------------------------------

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount) {
    int oldCols = colCount_, oldRows = rowCount_;
    if (NewColCount == oldCols && NewRowCount == oldRows) return;
    // Every column and row keeps its extent, so a count the extents cannot hold is refused
    // before anything changes.
    if (NewColCount > kMaxGridExtent || NewRowCount > kMaxGridExtent) throw EInvalidGridOperation(kGridTooLarge);
    HideEditor();
    colWidths_.resize(std::size_t(NewColCount), defaultColWidth_);
    rowHeights_.resize(std::size_t(NewRowCount), defaultRowHeight_);
    if (!tabStops_.empty()) tabStops_.resize(std::size_t(NewColCount), true);
    colCount_ = NewColCount;
    rowCount_ = NewRowCount;
    if (fixedCols_ > colCount_ - 1) fixedCols_ = colCount_ - 1;
    if (fixedRows_ > rowCount_ - 1) fixedRows_ = rowCount_ - 1;
    // Keep the view, current cell and anchor inside the grid.
    auto clampCoord = [&](TGridCoord& c) {
        c.X = std::clamp(c.X, fixedCols_, colCount_ - 1);
        c.Y = std::clamp(c.Y, fixedRows_, rowCount_ - 1);
    };
    TGridCoord oldTopLeft = topLeft_;
    clampCoord(topLeft_);
    clampCoord(current_);
    clampCoord(anchor_);
    if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
    SizeChanged(oldCols, oldRows);
    if (!(oldTopLeft == topLeft_)) TopLeftChanged();
    InvalidateGrid();
    // Cells came or went in bulk: a listener counts again.
    bool grew = long(NewColCount) * NewRowCount > long(oldCols) * oldRows;
    NotifyAccessible(this, grew ? aeChildAdded : aeChildRemoved);
}

void TCustomGrid::SetColCount(int Value) {
    if (Value < 1) Value = 1;
    ChangeSize(Value, rowCount_);
}

void TCustomGrid::SetRowCount(int Value) {
    if (Value < 1) Value = 1;
    ChangeSize(colCount_, Value);
}

void TCustomGrid::SetFixedCols(int Value) {
    if (Value < 0) throw EInvalidGridOperation(kIndexOutOfRange);
    if (Value >= colCount_) throw EInvalidGridOperation(kFixedColTooBig);
    if (Value == fixedCols_) return;
    HideEditor();
    fixedCols_ = Value;
    // The view and the current cell start again at the first scrolling column.
    topLeft_.X = fixedCols_;
    current_.X = fixedCols_;
    anchor_.X = options_.Contains(goRowSelect) ? colCount_ - 1 : fixedCols_;
    TopLeftChanged();
    InvalidateGrid();
}

void TCustomGrid::SetFixedRows(int Value) {
    if (Value < 0) throw EInvalidGridOperation(kIndexOutOfRange);
    if (Value >= rowCount_) throw EInvalidGridOperation(kFixedRowTooBig);
    if (Value == fixedRows_) return;
    HideEditor();
    fixedRows_ = Value;
    topLeft_.Y = fixedRows_;
    current_.Y = fixedRows_;
    anchor_.Y = fixedRows_;
    TopLeftChanged();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    // Every column takes the default width again, so the same value still changes the
    // grid when a column was sized on its own; otherwise nothing changes.
    if (defaultColWidth_ == Value &&
        std::all_of(colWidths_.begin(), colWidths_.end(), [Value](int W) { return W == Value; }))
        return;
    defaultColWidth_ = Value;
    std::fill(colWidths_.begin(), colWidths_.end(), Value);
    ColWidthsChanged();
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    // As SetDefaultColWidth: the same value still resets rows sized on their own.
    if (defaultRowHeight_ == Value &&
        std::all_of(rowHeights_.begin(), rowHeights_.end(), [Value](int H) { return H == Value; }))
        return;
    defaultRowHeight_ = Value;
    std::fill(rowHeights_.begin(), rowHeights_.end(), Value);
    RowHeightsChanged();
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::ChangeScale(int M, int D) {
    TCustomControl::ChangeScale(M, D);
    // Hidden columns and rows (width or height 0 or less) stay hidden.
    auto scale = [M, D](int V) { return V > 0 ? std::max(1, MulDiv(V, M, D)) : V; };
    defaultColWidth_ = scale(defaultColWidth_);
    defaultRowHeight_ = scale(defaultRowHeight_);
    for (int& w : colWidths_) w = scale(w);
    for (int& h : rowHeights_) h = scale(h);
    // The grid lines are lines: whole pixels, rounded down, never thinner than one.
    if (gridLineWidth_ > 0) gridLineWidth_ = std::max(1, int(static_cast<long long>(gridLineWidth_) * M / D));
    ColWidthsChanged();
    RowHeightsChanged();
    UpdateEdit();
    InvalidateGrid();
}

int TCustomGrid::GetColWidths(int Index) const {
    if (Index < 0 || Index >= colCount_) return defaultColWidth_;
    return colWidths_[std::size_t(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value) {
    CheckIndex(Index, colCount_);
    if (colWidths_[std::size_t(Index)] == Value) return;
    colWidths_[std::size_t(Index)] = Value;
    ColWidthsChanged();
    UpdateEdit();
    InvalidateGrid();
}

int TCustomGrid::GetRowHeights(int Index) const {
    if (Index < 0 || Index >= rowCount_) return defaultRowHeight_;
    return rowHeights_[std::size_t(Index)];
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
    CheckIndex(Index, rowCount_);
    if (rowHeights_[std::size_t(Index)] == Value) return;
    rowHeights_[std::size_t(Index)] = Value;
    RowHeightsChanged();
    UpdateEdit();
    InvalidateGrid();
}

bool TCustomGrid::GetTabStops(int Index) const {
    if (Index < 0 || Index >= colCount_ || tabStops_.empty()) return true;
    return tabStops_[std::size_t(Index)];
}

void TCustomGrid::SetTabStops(int Index, bool Value) {
    CheckIndex(Index, colCount_);
    if (tabStops_.empty()) tabStops_.assign(std::size_t(colCount_), true);
    tabStops_[std::size_t(Index)] = Value;
}

void TCustomGrid::SetGridLineWidth(int Value) {
    Value = std::max(0, Value);
    if (gridLineWidth_ == Value) return;
    gridLineWidth_ = Value;
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    // Row selection and editing exclude each other: the editor never shows in row mode.
    if (Value.Contains(goRowSelect)) Value.Exclude(goAlwaysShowEditor);
    if (options_ == Value) return;
    TGridOptions old = options_;
    options_ = Value;
    if (!options_.Contains(goEditing) || options_.Contains(goRowSelect)) HideEditor();
    if (options_.Contains(goRowSelect) && !old.Contains(goRowSelect)) {
        current_.X = fixedCols_;
        anchor_ = {colCount_ - 1, current_.Y};
    } else if (!options_.Contains(goRowSelect) && old.Contains(goRowSelect)) {
        anchor_ = current_;
    }
    if (options_.Contains(goAlwaysShowEditor) && options_.Contains(goEditing)) ShowEditor();
    // Options that only change how input is handled leave the picture as it is; editing
    // shows in the picture only together with goAlwaysShowEditor.
    TGridOptions inputOnly{goTabs, goThumbTracking, goRowSizing, goColSizing, goRowMoving, goColMoving};
    if (!old.Contains(goAlwaysShowEditor) && !options_.Contains(goAlwaysShowEditor)) inputOnly.Include(goEditing);
    const TGridOptions changed = (old - options_) | (options_ - old);
    if ((changed - inputOnly).Empty()) return;
    InvalidateGrid();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    if (fixedColor_ == Value) return;
    fixedColor_ = Value;
    InvalidateGrid();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
    if (borderStyle_ == Value) return;
    TRect old = NonClientInsets();
    borderStyle_ = Value;
    FrameChanged(old);
}

void TCustomGrid::SetDrawingStyle(TGridDrawingStyle Value) {
    if (drawingStyle_ == Value) return;
    drawingStyle_ = Value;
    InvalidateGrid();
}

void TCustomGrid::SetGradientStartColor(TColor Value) {
    if (gradientStartColor_ == Value) return;
    gradientStartColor_ = Value;
    if (drawingStyle_ == gdsGradient) InvalidateGrid();
}

void TCustomGrid::SetGradientEndColor(TColor Value) {
    if (gradientEndColor_ == Value) return;
    gradientEndColor_ = Value;
    if (drawingStyle_ == gdsGradient) InvalidateGrid();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
    if (scrollBars_ == Value) return;
    scrollBars_ = Value;
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
    if (defaultDrawing_ == Value) return;
    defaultDrawing_ = Value;
    InvalidateGrid();
}

int TCustomGrid::GetGridWidth() const {
    TAxisInfo h = MakeAxis(true);
    long long total = 0;
    for (int w : colWidths_) total += w + h.lineWidth;
    return int(std::min<long long>(total, 0x7FFFFFFF));
}

int TCustomGrid::GetGridHeight() const {
    TAxisInfo v = MakeAxis(false);
    long long total = 0;
    for (int w : rowHeights_) total += w + v.lineWidth;
    return int(std::min<long long>(total, 0x7FFFFFFF));
}

// ---- axis layout -----------------------------------------------------------------------

// The scroll bars take room from the cells only when something does not fit; each bar's
// need depends on the room the other leaves, so both are decided together.
void TCustomGrid::LayoutScrollBars() const {
    TRect client = GetClientRect();
    auto fits = [&](bool Horizontal, int Extent) {
        TAxisInfo a;
        a.lineWidth = Horizontal ? ((options_.Contains(goFixedVertLine) || options_.Contains(goVertLine)) ? gridLineWidth_ : 0)
                                 : ((options_.Contains(goFixedHorzLine) || options_.Contains(goHorzLine)) ? gridLineWidth_ : 0);
        const std::vector<int>& sizes = Horizontal ? colWidths_ : rowHeights_;
        // Everything fits when the cells from the first scrolling one on end within the
        // extent; walking stops as soon as they pass it.
        long long pos = 0;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            pos += (long long)sizes[i] + a.lineWidth;
            if (pos > (long long)Extent + a.lineWidth) return false;
        }
        return true;
    };
    bool wantV = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    bool wantH = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    const int sz = TInnerScrollBar::SizeAt(GetCurrentPPI());
    vertBar_.SetPixelsPerInch(GetCurrentPPI());
    horzBar_.SetPixelsPerInch(GetCurrentPPI());
    bool showV = false, showH = false;
    for (int pass = 0; pass < 2; ++pass) {
        showV = wantV && !fits(false, client.Height() - (showH ? sz : 0));
        showH = wantH && !fits(true, client.Width() - (showV ? sz : 0));
    }
    // Too small a control shows no bars at all.
    if (client.Width() < sz * 2 || client.Height() < sz * 2) showV = showH = false;
    vertBar_.SetBounds(showV ? Rect(client.Right - sz, client.Top, client.Right,
                                    client.Bottom - (showH ? sz : 0))
                             : TRect());
    horzBar_.SetBounds(showH ? Rect(client.Left, client.Bottom - sz,
                                    client.Right - (showV ? sz : 0), client.Bottom)
                             : TRect());
}

TRect TCustomGrid::GetDataRect() const {
    LayoutScrollBars();
    TRect r = GetClientRect();
    if (vertBar_.GetVisible()) r.Right = vertBar_.GetBounds().Left;
    if (horzBar_.GetVisible()) r.Bottom = horzBar_.GetBounds().Top;
    return r;
}

TCustomGrid::TAxisInfo TCustomGrid::MakeAxis(bool Horizontal) const {
    TAxisInfo a;
    if (Horizontal) {
        a.lineWidth = (options_.Contains(goFixedVertLine) || options_.Contains(goVertLine)) ? gridLineWidth_ : 0;
        a.fixedCount = fixedCols_;
        a.count = colCount_;
        a.first = topLeft_.X;
        a.extent = GetDataRect().Width();
        a.sizes = &colWidths_;
    } else {
        a.lineWidth = (options_.Contains(goFixedHorzLine) || options_.Contains(goHorzLine)) ? gridLineWidth_ : 0;
        a.fixedCount = fixedRows_;
        a.count = rowCount_;
        a.first = topLeft_.Y;
        a.extent = GetDataRect().Height();
        a.sizes = &rowHeights_;
    }
    for (int i = 0; i < a.fixedCount; ++i) a.fixedBoundary = SatAdd(a.fixedBoundary, SatAdd(a.Size(i), a.lineWidth));
    a.gridBoundary = a.fixedBoundary;
    a.fullVisBoundary = a.fixedBoundary;
    a.lastFullVisible = a.first;
    for (int i = a.first; i < a.count; ++i) {
        a.gridBoundary = SatAdd(a.gridBoundary, SatAdd(a.Size(i), a.lineWidth));
        if (a.gridBoundary > SatAdd(a.extent, a.lineWidth)) {
            a.gridBoundary = a.extent;
            break;
        }
        a.lastFullVisible = i;
        a.fullVisBoundary = a.gridBoundary;
    }
    return a;
}

TCustomGrid::TAxisInfo TCustomGrid::HorzAxis() const { return MakeAxis(true); }
TCustomGrid::TAxisInfo TCustomGrid::VertAxis() const { return MakeAxis(false); }

// Start of cell Line on the axis, or -1 when it lies beyond the extent or is scrolled out.
int TCustomGrid::LinePos(const TAxisInfo& A, int Line) {
    int pos = 0, start = 0;
    if (Line >= A.fixedCount) {
        if (Line < A.first) return -1;
        pos = A.fixedBoundary;
        start = A.first;
    }
    for (int i = start; i < Line; ++i) {
        pos = SatAdd(pos, SatAdd(A.Size(i), A.lineWidth));
        if (pos > A.extent) return -1;
    }
    return pos;
}

// The first cell that can be the top (left) one while Start is still fully visible.
int TCustomGrid::CalcMaxCell(const TAxisInfo& A, int Start) {
    int result = Start;
    int line = SatAdd(A.extent, A.lineWidth);
    for (int i = Start; i >= A.fixedCount; --i) {
        line = SatSub(line, SatAdd(A.Size(i), A.lineWidth));
        if (line < A.fixedBoundary) break;
        result = i;
    }
    return std::max(result, A.fixedCount);
}

int TCustomGrid::CoordFromPoint(const TAxisInfo& A, int N) {
    int start, line;
    if (N < A.fixedBoundary) {
        start = 0;
        line = 0;
        for (int i = start; i < A.fixedCount; ++i) {
            line += A.Size(i) + A.lineWidth;
            if (N < line) return i;
        }
        return -1;
    }
    line = A.fixedBoundary;
    for (int i = A.first; i < A.count; ++i) {
        line += A.Size(i) + A.lineWidth;
        if (N < line) return i;
    }
    return -1;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
    auto axis = [](const TAxisInfo& A, int Cell, int& Min, int& Max) {
        if (Cell < 0 || Cell >= A.count) return false;
        if (Cell >= A.fixedCount && Cell < A.first) return false;
        if (Cell > A.lastFullVisible + 1) return false;
        int start = LinePos(A, Cell);
        if (start < 0 || start >= A.extent) return false;
        Min = start;
        // A cell may be taller than the whole int range past its start; the sum is clipped
        // to the grid's extent before it can overflow.
        Max = int(std::min<std::int64_t>(std::int64_t(start) + std::max(0, A.Size(Cell)), A.extent));
        return true;
    };
    TRect r;
    if (!axis(h, ACol, r.Left, r.Right) || !axis(v, ARow, r.Top, r.Bottom)) return TRect();
    return r;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    TGridCoord c{CoordFromPoint(MakeAxis(true), X), CoordFromPoint(MakeAxis(false), Y)};
    if (c.X < 0 || c.Y < 0) return {-1, -1};
    return c;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

int TCustomGrid::GetVisibleColCount() const {
    TAxisInfo h = MakeAxis(true);
    return h.lastFullVisible - h.first + 1;
}

int TCustomGrid::GetVisibleRowCount() const {
    TAxisInfo v = MakeAxis(false);
    return v.lastFullVisible - v.first + 1;
}

int TCustomGrid::MaxTopRow() const {
    TAxisInfo v = MakeAxis(false);
    return CalcMaxCell(v, rowCount_ - 1);
}

int TCustomGrid::MaxLeftCol() const {
    TAxisInfo h = MakeAxis(true);
    return CalcMaxCell(h, colCount_ - 1);
}

const TInnerScrollBar& TCustomGrid::GetVertScrollBar() const {
    UpdateScrollPositions();
    return vertBar_;
}

const TInnerScrollBar& TCustomGrid::GetHorzScrollBar() const {
    UpdateScrollPositions();
    return horzBar_;
}

// ---- scrolling -------------------------------------------------------------------------

void TCustomGrid::SetTopRow(int Value) {
    // Programs may scroll past the last page; only the grid's own bounds apply.
    Value = std::clamp(Value, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    if (Value != topLeft_.Y) MoveTopLeft(topLeft_.X, Value);
}

void TCustomGrid::SetLeftCol(int Value) {
    Value = std::clamp(Value, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    if (Value != topLeft_.X) MoveTopLeft(Value, topLeft_.Y);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
    if (ALeft == topLeft_.X && ATop == topLeft_.Y) return;
    topLeft_ = {ALeft, ATop};
    TopLeftChanged();
    InvalidateGrid();
}

void TCustomGrid::TopLeftChanged() {
    // The editor follows its cell (or hides while the cell is scrolled out).
    if (editorMode_ && inplaceEdit_ != nullptr) inplaceEdit_->Move(CellRect(current_.X, current_.Y));
    if (FOnTopLeftChanged) FOnTopLeftChanged(this);
}

void TCustomGrid::ClampInView(TGridCoord Cell) {
    TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
    TGridCoord tl = topLeft_;
    if (Cell.X >= fixedCols_) {
        if (Cell.X < tl.X) tl.X = Cell.X;
        else if (Cell.X > h.lastFullVisible) tl.X = CalcMaxCell(h, Cell.X);
    }
    if (Cell.Y >= fixedRows_) {
        if (Cell.Y < tl.Y) tl.Y = Cell.Y;
        else if (Cell.Y > v.lastFullVisible) tl.Y = CalcMaxCell(v, Cell.Y);
    }
    MoveTopLeft(tl.X, tl.Y);
}

void TCustomGrid::ScrollVert(int Code, int Pos) {
    TAxisInfo v = MakeAxis(false);
    int maxTop = CalcMaxCell(v, rowCount_ - 1);
    int top = topLeft_.Y;
    switch (Code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top = top > fixedRows_ ? CalcMaxCell(v, top - 1) : top; break;
    case SB_PAGEDOWN: top += std::max(1, v.lastFullVisible - top); break;
    case SB_THUMBTRACK:
        if (!options_.Contains(goThumbTracking)) return;
        [[fallthrough]];
    case SB_THUMBPOSITION:
        top = fixedRows_ + (maxTop > fixedRows_ ? MulDiv(Pos, maxTop - fixedRows_, 127) : 0);
        break;
    case SB_TOP: top = fixedRows_; break;
    case SB_BOTTOM: top = maxTop; break;
    default: return;
    }
    top = std::clamp(top, fixedRows_, std::max(fixedRows_, maxTop));
    MoveTopLeft(topLeft_.X, top);
}

void TCustomGrid::ScrollHorz(int Code, int Pos) {
    TAxisInfo h = MakeAxis(true);
    int maxLeft = CalcMaxCell(h, colCount_ - 1);
    int left = topLeft_.X;
    switch (Code) {
    case SB_LINEUP: --left; break;
    case SB_LINEDOWN: ++left; break;
    case SB_PAGEUP: left = left > fixedCols_ ? CalcMaxCell(h, left - 1) : left; break;
    case SB_PAGEDOWN: left += std::max(1, h.lastFullVisible - left); break;
    case SB_THUMBTRACK:
        if (!options_.Contains(goThumbTracking)) return;
        [[fallthrough]];
    case SB_THUMBPOSITION:
        left = fixedCols_ + (maxLeft > fixedCols_ ? MulDiv(Pos, maxLeft - fixedCols_, 127) : 0);
        break;
    case SB_TOP: left = fixedCols_; break;
    case SB_BOTTOM: left = maxLeft; break;
    default: return;
    }
    left = std::clamp(left, fixedCols_, std::max(fixedCols_, maxLeft));
    MoveTopLeft(left, topLeft_.Y);
}

// The bars' positions on the fixed 0..127 range.
void TCustomGrid::UpdateScrollPositions() const {
    LayoutScrollBars();
    auto position = [](int First, int Fixed, int Max) {
        if (Max <= Fixed) return 0;
        return std::clamp(MulDiv(First - Fixed, 127, Max - Fixed), 0, 127);
    };
    if (vertBar_.GetVisible()) {
        int maxTop = MaxTopRow();
        vertBar_.SetParams(0, maxTop > fixedRows_ ? 127 : 0, 0, position(topLeft_.Y, fixedRows_, maxTop));
    }
    if (horzBar_.GetVisible()) {
        int maxLeft = MaxLeftCol();
        horzBar_.SetParams(0, maxLeft > fixedCols_ ? 127 : 0, 0, position(topLeft_.X, fixedCols_, maxLeft));
    }
}

// ---- current cell and selection ----------------------------------------------------------

TGridRect TCustomGrid::GetSelection() const {
    return TGridRect(std::min(current_.X, anchor_.X), std::min(current_.Y, anchor_.Y),
                     std::max(current_.X, anchor_.X), std::max(current_.Y, anchor_.Y));
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
    TGridRect old = GetSelection();
    int left = std::clamp(Value.Left, 0, colCount_ - 1), top = std::clamp(Value.Top, 0, rowCount_ - 1);
    int right = std::clamp(Value.Right, 0, colCount_ - 1), bottom = std::clamp(Value.Bottom, 0, rowCount_ - 1);
    current_ = {left, top};
    anchor_ = {right, bottom};
    if (options_.Contains(goRowSelect)) {
        current_.X = fixedCols_;
        anchor_.X = colCount_ - 1;
    }
    ClampInView(current_);
    SelectionMoved(old);
}

void TCustomGrid::SetRow(int Value) {
    CheckIndex(Value, rowCount_);
    if (Value != current_.Y) FocusCell(current_.X, Value, true);
}

void TCustomGrid::SetCol(int Value) {
    CheckIndex(Value, colCount_);
    if (Value != current_.X) FocusCell(Value, current_.Y, true);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
    MoveCurrent(ACol, ARow, MoveAnchor, true);
    UpdateEdit();
}

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show) {
    CheckIndex(ACol, colCount_);
    CheckIndex(ARow, rowCount_);
    if (!SelectCell(ACol, ARow)) return;
    TGridRect oldSel = GetSelection();
    TGridCoord oldCurrent = current_;
    current_ = {ACol, ARow};
    if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
    if (MoveAnchor || !options_.Contains(goRangeSelect)) {
        anchor_ = current_;
        if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
    }
    if (options_.Contains(goRowSelect)) current_.X = fixedCols_;
    if (Show) ClampInView(current_);
    SelectionMoved(oldSel);
    if (!(oldCurrent == current_) && !mouseMoving_) Click();
}

void TCustomGrid::MoveAnchor(TGridCoord NewAnchor) {
    // The mouse and Shift extend a range only with range selection and without editing.
    if (options_.Contains(goRangeSelect) && !options_.Contains(goEditing)) {
        TGridRect oldSel = GetSelection();
        anchor_ = NewAnchor;
        if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
        ClampInView(NewAnchor);
        SelectionMoved(oldSel);
    } else {
        MoveCurrent(NewAnchor.X, NewAnchor.Y, true, true);
    }
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
    if (OldSel == GetSelection()) return;
    InvalidateGrid();
    NotifyGridSelection(this);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    TRect r = CellRect(ACol, ARow);
    if (r.IsEmpty()) return;
    TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
    r.Right += h.lineWidth;
    r.Bottom += v.lineWidth;
    InvalidateRect(r);
}

void TCustomGrid::InvalidateRow(int ARow) {
    TRect r = CellRect(0, ARow);
    if (r.IsEmpty()) return;
    InvalidateRect(Rect(0, r.Top, GetClientWidth(), r.Bottom + MakeAxis(false).lineWidth));
}

void TCustomGrid::InvalidateCol(int ACol) {
    TRect r = CellRect(ACol, 0);
    if (r.IsEmpty()) return;
    InvalidateRect(Rect(r.Left, 0, r.Right + MakeAxis(true).lineWidth, GetClientHeight()));
}

// ---- moving columns and rows -------------------------------------------------------------

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (FOnColumnMoved) FOnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FOnRowMoved) FOnRowMoved(this, FromIndex, ToIndex);
}

namespace {
template <class T>
void MoveItem(std::vector<T>& v, int From, int To) {
    if (From < 0 || To < 0 || From >= int(v.size()) || To >= int(v.size())) return;
    T item = v[std::size_t(From)];
    v.erase(v.begin() + From);
    v.insert(v.begin() + To, item);
}
}  // namespace

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
    CheckIndex(FromIndex, colCount_);
    CheckIndex(ToIndex, colCount_);
    if (FromIndex == ToIndex) return;
    HideEditor();
    MoveItem(colWidths_, FromIndex, ToIndex);
    if (!tabStops_.empty()) {
        bool stop = tabStops_[std::size_t(FromIndex)];
        tabStops_.erase(tabStops_.begin() + FromIndex);
        tabStops_.insert(tabStops_.begin() + ToIndex, stop);
    }
    ColumnMoved(FromIndex, ToIndex);
    InvalidateGrid();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
    CheckIndex(FromIndex, rowCount_);
    CheckIndex(ToIndex, rowCount_);
    if (FromIndex == ToIndex) return;
    HideEditor();
    MoveItem(rowHeights_, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    InvalidateGrid();
}

void TCustomGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateEdit();
}

void TCustomGrid::Resize() {
    TCustomControl::Resize();
}

}  // namespace vcl
