// TCustomGrid input: keyboard navigation, mouse selection with auto-scrolling, column and
// row sizing and moving, the scroll bars, the wheel, focus and the dialog code.
#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/grid/Grid.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollTimerMs = 60;
}  // namespace

bool TCustomGrid::IsActiveControl() const {
    if (Focused()) return true;
    return inplaceEdit_ != nullptr && inplaceEdit_->Focused();
}

// ---- messages --------------------------------------------------------------------------

void TCustomGrid::WndProc(TMessage& M) {
    switch (M.Msg) {
    case WM_VSCROLL:
        ScrollVert(LOWORD(M.WParam), std::int16_t(HIWORD(M.WParam)));
        return;
    case WM_HSCROLL:
        ScrollHorz(LOWORD(M.WParam), std::int16_t(HIWORD(M.WParam)));
        return;
    default:
        TCustomControl::WndProc(M);
        return;
    }
}

void TCustomGrid::WMGetDlgCode(TMessage& M) {
    M.Result = DLGC_WANTARROWS;
    if (options_.Contains(goTabs)) M.Result |= DLGC_WANTTAB;
    if (options_.Contains(goEditing)) M.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::WMSetFocus(TMessage& M) {
    TCustomControl::WMSetFocus(M);
    // With the editor logically open the focus belongs to it.
    if (editorMode_ && CanEditShow()) UpdateEdit();
}

void TCustomGrid::WMKillFocus(TMessage& M) {
    TCustomControl::WMKillFocus(M);
    InvalidateGrid();
}

void TCustomGrid::DoExit() {
    TCustomControl::DoExit();
    if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
}

void TCustomGrid::CMFontChanged(TMessage& M) {
    TCustomControl::CMFontChanged(M);
    UpdateEdit();
}

void TCustomGrid::WMCancelMode(TMessage& M) {
    TCustomControl::WMCancelMode(M);
    if (trackingBar_ != nullptr) trackingBar_->CancelTracking();
    trackingBar_ = nullptr;
    if (timerOn_ && HandleAllocated()) KillTimer(GetHandle(), kScrollTimer);
    timerOn_ = false;
    if (gridState_ != gsNormal) {
        // A cancelled selection drag has no release: the cell it moved to still reports once.
        bool moved = gridState_ == gsSelecting && mouseMoving_ && !(pressCurrent_ == current_);
        mouseMoving_ = false;
        gridState_ = gsNormal;
        InvalidateGrid();
        if (moved) Click();
    }
}

// ---- keyboard --------------------------------------------------------------------------

void TCustomGrid::TabMove(bool Forward) {
    // Next (previous) column with a tab stop, wrapping to the next (previous) row and from
    // the last cell to the first.
    int c = current_.X, r = current_.Y;
    int steps = (colCount_ - fixedCols_) * (rowCount_ - fixedRows_);
    for (int i = 0; i < steps; ++i) {
        if (Forward) {
            if (++c >= colCount_) {
                c = fixedCols_;
                if (++r >= rowCount_) r = fixedRows_;
            }
        } else {
            if (--c < fixedCols_) {
                c = colCount_ - 1;
                if (--r < fixedRows_) r = rowCount_ - 1;
            }
        }
        if (GetTabStops(c)) break;
    }
    if (c != current_.X || r != current_.Y) FocusCell(c, r, true);
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
    bool rowSelect = options_.Contains(goRowSelect);
    int pageWidth = std::max(1, h.lastFullVisible - topLeft_.X);
    int pageHeight = std::max(1, v.lastFullVisible - topLeft_.Y);
    TGridCoord cur = current_, tl = topLeft_;

    if (Shift.Contains(ssCtrl)) {
        switch (Key) {
        case VK_UP: --tl.Y; break;
        case VK_DOWN: ++tl.Y; break;
        case VK_LEFT:
            if (!rowSelect) { cur.X -= pageWidth; tl.X -= pageWidth; }
            break;
        case VK_RIGHT:
            if (!rowSelect) { cur.X += pageWidth; tl.X += pageWidth; }
            break;
        case VK_PRIOR: cur.Y = topLeft_.Y; break;
        case VK_NEXT: cur.Y = v.lastFullVisible; break;
        case VK_HOME: cur = {fixedCols_, fixedRows_}; break;
        case VK_END: cur = {colCount_ - 1, rowCount_ - 1}; break;
        default: break;
        }
    } else {
        switch (Key) {
        case VK_UP: --cur.Y; break;
        case VK_DOWN: ++cur.Y; break;
        case VK_LEFT: if (rowSelect) --cur.Y; else --cur.X; break;
        case VK_RIGHT: if (rowSelect) ++cur.Y; else ++cur.X; break;
        case VK_NEXT: cur.Y += pageHeight; tl.Y += pageHeight; break;
        case VK_PRIOR: cur.Y -= pageHeight; tl.Y -= pageHeight; break;
        case VK_HOME: if (rowSelect) cur.Y = fixedRows_; else cur.X = fixedCols_; break;
        case VK_END: if (rowSelect) cur.Y = rowCount_ - 1; else cur.X = colCount_ - 1; break;
        case VK_TAB:
            if (!Shift.Contains(ssAlt) && options_.Contains(goTabs)) TabMove(!Shift.Contains(ssShift));
            return;
        case VK_F2: SetEditorMode(true); return;
        default: break;
        }
    }
    cur.X = std::clamp(cur.X, fixedCols_, colCount_ - 1);
    cur.Y = std::clamp(cur.Y, fixedRows_, rowCount_ - 1);
    tl.X = std::clamp(tl.X, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
    tl.Y = std::clamp(tl.Y, fixedRows_, std::max(fixedRows_, MaxTopRow()));
    if (!(tl == topLeft_)) MoveTopLeft(tl.X, tl.Y);
    if (!(cur == current_)) FocusCell(cur.X, cur.Y, !Shift.Contains(ssShift));
}

void TCustomGrid::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if (Key == U'\r' && !options_.Contains(goAlwaysShowEditor)) {
        if (editorMode_) HideEditor();
        else ShowEditor();
        Key = 0;
    }
}

void TCustomGrid::WMChar(TMessage& M) {
    char32_t ch = char32_t(M.WParam);
    // A typed character (or Backspace) opens the editor and goes on to it.
    if (options_.Contains(goEditing) && !options_.Contains(goRowSelect) && (ch == 8 || ch >= 32)) {
        ShowEditor();
        if (inplaceEdit_ != nullptr && inplaceEdit_->GetVisible()) {
            inplaceEdit_->Perform(WM_CHAR, M.WParam, M.LParam);
            M.Result = 1;
            return;
        }
    }
    TCustomControl::WMChar(M);
}

// ---- mouse -----------------------------------------------------------------------------

bool TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                  int& SizingOfs) const {
    TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
    // The hit zone is at least 7 pixels wide, centred on the line as far as it can be.
    auto hit = [](const TAxisInfo& A, int Pos, int& Idx, int& Line, int& Ofs) {
        int range = A.lineWidth, back = 0;
        if (range < 7) {
            range = 7;
            back = (range - A.lineWidth) >> 1;
        }
        auto test = [&](int i, int end) {
            if (Pos >= end - back && Pos < end - back + range) {
                Idx = i;
                Line = end;
                Ofs = end - Pos;
                return true;
            }
            return false;
        };
        int pos = 0;
        for (int i = 0; i < A.fixedCount; ++i) {
            int end = pos + A.Size(i);
            if (end > A.gridBoundary) return false;
            if (test(i, end)) return true;
            pos = end + A.lineWidth;
        }
        pos = A.fixedBoundary;
        for (int i = A.first; i < A.count; ++i) {
            int end = pos + A.Size(i);
            if (end > A.gridBoundary) break;
            if (test(i, end)) return true;
            pos = end + A.lineWidth;
        }
        return false;
    };
    if (options_.Contains(goColSizing) && Y >= 0 && Y < v.fixedBoundary &&
        hit(h, X, Index, SizingPos, SizingOfs)) {
        State = gsColSizing;
        return true;
    }
    if (options_.Contains(goRowSizing) && X >= 0 && X < h.fixedBoundary &&
        hit(v, Y, Index, SizingPos, SizingOfs)) {
        State = gsRowSizing;
        return true;
    }
    return false;
}

bool TCustomGrid::StartSizing(int X, int Y) {
    TGridState state = gsNormal;
    int index = 0, pos = 0, ofs = 0;
    if (!CalcSizingState(X, Y, state, index, pos, ofs)) return false;
    gridState_ = state;
    sizingIndex_ = index;
    sizingPos_ = pos;
    sizingOfs_ = ofs;
    InvalidateGrid();
    return true;
}

void TCustomGrid::ResetCursor() {
    if (!cursorChanged_) return;
    cursorChanged_ = false;
    SetCursor(savedCursor_);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!Focused() && CanFocus()) SetFocus();
    if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
    lastMouse_ = {X, Y};
    if (Button == mbLeft && Shift.Contains(ssDouble)) {
        DblClick();
    } else if (Button == mbLeft) {
        TPoint p{X, Y};
        UpdateScrollPositions();
        for (TInnerScrollBar* bar : {&vertBar_, &horzBar_}) {
            if (bar->GetVisible() && bar->MouseDown(p)) {
                trackingBar_ = bar;
                InvalidateRect(bar->GetBounds());
                TCustomControl::MouseDown(Button, Shift, X, Y);
                return;
            }
        }
        if (GetDataRect().Contains(p) && !StartSizing(X, Y)) {
            TGridCoord cell = MouseCoord(X, Y);
            if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
                if (options_.Contains(goEditing)) {
                    if (cell == current_) {
                        ShowEditor();
                    } else {
                        mouseMoving_ = true;
                        MoveCurrent(cell.X, cell.Y, true, true);
                        mouseMoving_ = false;
                        UpdateEdit();
                    }
                    Click();
                } else {
                    gridState_ = gsSelecting;
                    if (HandleAllocated() || GetParent() != nullptr)
                        timerOn_ = SetTimer(GetHandle(), kScrollTimer, kScrollTimerMs, nullptr) != 0;
                    mouseMoving_ = true;
                    pressCurrent_ = current_;
                    if (Shift.Contains(ssShift)) MoveAnchor(cell);
                    else MoveCurrent(cell.X, cell.Y, true, true);
                }
            } else if (cell.X >= 0 && cell.Y >= 0) {
                // Dragging a header cell moves its column (row).
                if (options_.Contains(goColMoving) && cell.Y < fixedRows_ && cell.X >= fixedCols_) {
                    gridState_ = gsColMoving;
                    moveIndex_ = cell.X;
                    movePos_ = CellRect(cell.X, cell.Y).Left;
                    InvalidateGrid();
                } else if (options_.Contains(goRowMoving) && cell.X < fixedCols_ && cell.Y >= fixedRows_) {
                    gridState_ = gsRowMoving;
                    moveIndex_ = cell.Y;
                    movePos_ = CellRect(cell.X, cell.Y).Top;
                    InvalidateGrid();
                }
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    lastMouse_ = {X, Y};
    if (trackingBar_ != nullptr) {
        trackingBar_->MouseMove({X, Y});
        InvalidateRect(trackingBar_->GetBounds());
    } else {
        switch (gridState_) {
        case gsSelecting: {
            TGridCoord cell = MouseCoord(X, Y);
            TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
            if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && cell.X <= h.lastFullVisible + 1 &&
                cell.Y <= v.lastFullVisible + 1 && !(cell.X == anchor_.X && cell.Y == anchor_.Y))
                MoveAnchor(cell);
            break;
        }
        case gsColSizing:
        case gsRowSizing:
            sizingPos_ = (gridState_ == gsColSizing ? X : Y) + sizingOfs_;
            InvalidateGrid();
            break;
        case gsColMoving:
        case gsRowMoving: {
            TGridCoord cell = MouseCoord(X, Y);
            bool cols = gridState_ == gsColMoving;
            int idx = cols ? cell.X : cell.Y;
            int fixed = cols ? fixedCols_ : fixedRows_;
            if (idx >= fixed) {
                TRect r = cols ? CellRect(idx, 0) : CellRect(0, idx);
                int pos = cols ? (idx > moveIndex_ ? r.Right : r.Left) : (idx > moveIndex_ ? r.Bottom : r.Top);
                if (pos != movePos_) {
                    movePos_ = pos;
                    InvalidateGrid();
                }
            }
            break;
        }
        case gsNormal: {
            TGridState state = gsNormal;
            int index = 0, pos = 0, ofs = 0;
            bool sizing = GetDataRect().Contains({X, Y}) && CalcSizingState(X, Y, state, index, pos, ofs);
            TCursor want = sizing ? (state == gsColSizing ? crSizeWE : crSizeNS) : crDefault;
            if (sizing) {
                if (!cursorChanged_) {
                    savedCursor_ = GetCursor();
                    cursorChanged_ = true;
                }
                SetCursor(want);
            } else {
                ResetCursor();
            }
            break;
        }
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::EndMouseState(int X, int Y) {
    switch (gridState_) {
    case gsSelecting:
        gridState_ = gsNormal;
        mouseMoving_ = false;
        if (timerOn_ && HandleAllocated()) KillTimer(GetHandle(), kScrollTimer);
        timerOn_ = false;
        UpdateEdit();
        Click();
        break;
    case gsColSizing:
    case gsRowSizing: {
        bool cols = gridState_ == gsColSizing;
        gridState_ = gsNormal;
        int start = LinePos(MakeAxis(cols), sizingIndex_);
        int size = sizingPos_ - (start < 0 ? 0 : start);
        if (start >= 0 && size > 1) {
            if (cols) SetColWidths(sizingIndex_, size);
            else SetRowHeights(sizingIndex_, size);
        }
        InvalidateGrid();
        break;
    }
    case gsColMoving:
    case gsRowMoving: {
        bool cols = gridState_ == gsColMoving;
        gridState_ = gsNormal;
        TGridCoord cell = MouseCoord(X, Y);
        int idx = cols ? cell.X : cell.Y;
        if (idx >= (cols ? fixedCols_ : fixedRows_) && idx != moveIndex_) {
            if (cols) MoveColumn(moveIndex_, idx);
            else MoveRow(moveIndex_, idx);
        }
        InvalidateGrid();
        break;
    }
    default: break;
    }
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (trackingBar_ != nullptr) {
        TInnerScrollBar* bar = trackingBar_;
        trackingBar_ = nullptr;
        bar->MouseUp({X, Y});
        InvalidateRect(bar->GetBounds());
    } else if (gridState_ == gsSelecting) {
        MouseMove(Shift, X, Y);
        EndMouseState(X, Y);
    } else if (gridState_ != gsNormal) {
        if (gridState_ == gsColSizing || gridState_ == gsRowSizing)
            sizingPos_ = (gridState_ == gsColSizing ? X : Y) + sizingOfs_;
        EndMouseState(X, Y);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// Auto-scrolling while a selection is dragged outside the scrolling cells: one cell per
// tick towards the pointer.
void TCustomGrid::TimedScroll() {
    if (gridState_ != gsSelecting) return;
    TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
    TGridCoord a = anchor_;
    if (lastMouse_.X < h.fixedBoundary && a.X > fixedCols_) --a.X;
    else if (lastMouse_.X >= h.fullVisBoundary && a.X < colCount_ - 1) ++a.X;
    if (lastMouse_.Y < v.fixedBoundary && a.Y > fixedRows_) --a.Y;
    else if (lastMouse_.Y >= v.fullVisBoundary && a.Y < rowCount_ - 1) ++a.Y;
    if (options_.Contains(goRowSelect)) a.X = anchor_.X;
    if (!(a == anchor_)) MoveAnchor(a);
}

void TCustomGrid::WMTimer(TMessage& M) {
    if (M.WParam == kScrollTimer) TimedScroll();
    else TCustomControl::WMTimer(M);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    if (current_.Y < rowCount_ - 1) SetRow(current_.Y + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    if (current_.Y > fixedRows_) SetRow(current_.Y - 1);
    return true;
}

}  // namespace vcl
