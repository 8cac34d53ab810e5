// Grids: TCustomGrid (layout, scrolling, selection, keyboard and mouse, in-place editor),
// TCustomDrawGrid / TDrawGrid (cells drawn by the program) and TStringGrid (cells hold
// strings), with the in-place editors TInplaceEdit and TInplaceEditList.
//
// Coordinates: cells are addressed (column, row) from 0; the first FixedCols columns and
// FixedRows rows never scroll. Columns are laid out from x = 0 as the fixed columns, then
// LeftCol, LeftCol + 1, ...; each cell is followed by its grid line. Scroll bars are drawn
// inside the control, so the cells share the control's area with them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/controls/text/Edit.h"
#include "platform/controls/text/MaskEdit.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Sets.h"

namespace vcl {

class TCustomGrid;
class TDropDownList;
class TDropDownForm;

enum TGridOption : std::uint8_t {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
    goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing,
    goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem : std::uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TEditStyle : std::uint8_t { esSimple, esEllipsis, esPickList };

// How the fixed cells are drawn: raised 3D cells, flat header cells with a dividing line, or
// flat cells filled top to bottom from GradientStartColor to GradientEndColor.
enum TGridDrawingStyle : std::uint8_t { gdsClassic, gdsThemed, gdsGradient };

enum TGridState : std::uint8_t {
    gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving
};

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TGridRect() = default;
    constexpr TGridRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    constexpr bool Contains(int C, int R) const {
        return C >= Left && C <= Right && R >= Top && R <= Bottom;
    }
    friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TOnGetPickListItems = std::function<void(TObject* Sender, int ACol, int ARow, TStrings* Items)>;

// =========================================================================================
// The in-place editor: an edit line without a border that covers the current cell and
// reports every change of its text to the grid (SetEditText). It is a mask edit: opening on
// a cell takes the cell's mask from the grid (GetEditMask).
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);
    std::string ClassName() const override { return "TInplaceEdit"; }

    TCustomGrid* GetGrid() const { return grid_; }
    // Loads the mask, the text and the edit limit of the grid's current cell.
    virtual void UpdateContents();
    // Moves over Rect (grid client coordinates) and shows; an empty Rect hides it.
    void Move(const TRect& Rect);
    // Drops the selection; the caret goes to the end of what the cell holds.
    void Deselect();

protected:
    friend class TCustomGrid;
    void Change() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    // Leaving the editor does not validate its mask: the grid stores every change as typed.
    void DoExit() override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Area the edit line uses (the drop-down editor keeps room for its button).
    virtual int ButtonWidth() const { return 0; }
    // Hands a key to the grid's KeyDown; true when it was sent.
    void SendToGrid(WORD& Key, TShiftState Shift);

    TCustomGrid* grid_ = nullptr;
    bool loading_ = false;     // UpdateContents is setting the text: no SetEditText
};

// An in-place editor that can show a button at its right: "..." (esEllipsis, fires
// OnEditButtonClick) or a drop-down arrow (esPickList) that opens the PickList below the
// cell; Alt+Down opens it from the keyboard.
class TInplaceEditList : public TInplaceEdit {
public:
    explicit TInplaceEditList(TComponent* AOwner);
    ~TInplaceEditList() override;
    std::string ClassName() const override { return "TInplaceEditList"; }

    TEditStyle GetEditStyle() const { return editStyle_; }
    void SetEditStyle(TEditStyle Value);
    TStrings* GetPickList() const { return pickList_.get(); }
    int GetDropDownRows() const { return dropDownRows_; }
    void SetDropDownRows(int Value) { dropDownRows_ = std::max(1, Value); }
    bool GetListVisible() const { return listVisible_; }
    // The drop-down list while it is open (nullptr otherwise).
    TDropDownList* GetListControl() const;

    void DropDown();
    // Closes the list; Accept puts the chosen item into the text.
    void CloseUp(bool Accept);
    void UpdateContents() override;

    // The "..." button was clicked (esEllipsis).
    TNotifyEvent GetOnEditButtonClick() const { return FOnEditButtonClick; }
    void SetOnEditButtonClick(TNotifyEvent Value) { FOnEditButtonClick = std::move(Value); }
    // Fills the pick list of the current cell (ACol, ARow) before it drops down.
    TOnGetPickListItems GetOnGetPickListItems() const { return FOnGetPickListItems; }
    void SetOnGetPickListItems(TOnGetPickListItems Value) { FOnGetPickListItems = std::move(Value); }

protected:
    TNotifyEvent FOnEditButtonClick;
    TOnGetPickListItems FOnGetPickListItems;

    int ButtonWidth() const override;
    TRect ButtonRect() const;
    void PaintWindow(TCanvas* Canvas) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMKillFocus(TMessage& Message) override;
    void CMCancelMode(TMessage& Message) override;
    void DoEditButtonClick();

private:
    void ListItemChosen(int Index);

    TEditStyle editStyle_ = esSimple;
    std::unique_ptr<TStringList> pickList_;
    int dropDownRows_ = 7;
    bool listVisible_ = false;
    bool buttonPressed_ = false;
    bool eatChar_ = false;         // the list was closed by Enter/Escape: drop its character
    TDropDownForm* dropForm_ = nullptr;
};

// =========================================================================================
class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;
    std::string ClassName() const override { return "TCustomGrid"; }

    // ---- size and layout
    int GetColCount() const { return colCount_; }
    void SetColCount(int Value);
    int GetRowCount() const { return rowCount_; }
    void SetRowCount(int Value);
    int GetFixedCols() const { return fixedCols_; }
    void SetFixedCols(int Value);
    int GetFixedRows() const { return fixedRows_; }
    void SetFixedRows(int Value);
    int GetDefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int Value);      // every column takes the new width
    int GetDefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int Value);     // every row takes the new height
    int GetColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int GetRowHeights(int Index) const;
    void SetRowHeights(int Index, int Value);
    bool GetTabStops(int Index) const;
    void SetTabStops(int Index, bool Value);
    int GetGridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int Value);
    TGridOptions GetOptions() const { return options_; }
    void SetOptions(TGridOptions Value);
    TGridDrawingStyle GetDrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(TGridDrawingStyle Value);
    TColor GetGradientStartColor() const { return gradientStartColor_; }
    void SetGradientStartColor(TColor Value);
    TColor GetGradientEndColor() const { return gradientEndColor_; }
    void SetGradientEndColor(TColor Value);
    TColor GetFixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor Value);
    TScrollStyle GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    bool GetDefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool Value);
    // bsSingle puts a border around the grid, outside its client area: a sunken 2-pixel
    // edge with Ctl3D, a flat 1-pixel line without. Forms and other styles count as bsSingle.
    TBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    // Total width and height of all columns / rows with their grid lines.
    int GetGridWidth() const;
    int GetGridHeight() const;

    // ---- view and current cell
    int GetTopRow() const { return topLeft_.Y; }
    void SetTopRow(int Value);
    int GetLeftCol() const { return topLeft_.X; }
    void SetLeftCol(int Value);
    int GetRow() const { return current_.Y; }
    void SetRow(int Value);
    int GetCol() const { return current_.X; }
    void SetCol(int Value);
    TGridRect GetSelection() const;
    void SetSelection(const TGridRect& Value);
    int GetVisibleColCount() const;
    int GetVisibleRowCount() const;
    TGridState GetGridState() const { return gridState_; }

    // ---- geometry
    // The cell's rectangle without its grid line; empty for a scrolled-out cell or one
    // beyond the visible region, clipped for the partly visible one.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; (-1, -1) when there is none.
    TGridCoord MouseCoord(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    // Area the cells use: the client area without the scroll bars.
    TRect GetDataRect() const;

    // ---- editing
    bool GetEditorMode() const { return editorMode_; }
    void SetEditorMode(bool Value);
    TInplaceEdit* GetInplaceEditor() const { return inplaceEdit_; }
    void ShowEditor();
    void HideEditor();

    // ---- the scroll bars (read access for tests and descendants)
    const TInnerScrollBar& GetVertScrollBar() const;
    const TInnerScrollBar& GetHorzScrollBar() const;

    // Scrolls as a scroll bar code does (SB_LINEUP ... SB_BOTTOM; Pos for the thumb
    // codes, 0..127).
    void ScrollVert(int Code, int Pos = 0);
    void ScrollHorz(int Code, int Pos = 0);

    // ---- events
    TDrawCellEvent GetOnDrawCell() const { return FOnDrawCell; }
    void SetOnDrawCell(TDrawCellEvent Value) { FOnDrawCell = std::move(Value); }
    TSelectCellEvent GetOnSelectCell() const { return FOnSelectCell; }
    void SetOnSelectCell(TSelectCellEvent Value) { FOnSelectCell = std::move(Value); }
    TNotifyEvent GetOnTopLeftChanged() const { return FOnTopLeftChanged; }
    void SetOnTopLeftChanged(TNotifyEvent Value) { FOnTopLeftChanged = std::move(Value); }
    TGetEditEvent GetOnGetEditText() const { return FOnGetEditText; }
    void SetOnGetEditText(TGetEditEvent Value) { FOnGetEditText = std::move(Value); }
    // Asked for the edit mask of a cell when the in-place editor opens on it.
    TGetEditEvent GetOnGetEditMask() const { return FOnGetEditMask; }
    void SetOnGetEditMask(TGetEditEvent Value) { FOnGetEditMask = std::move(Value); }
    TSetEditEvent GetOnSetEditText() const { return FOnSetEditText; }
    void SetOnSetEditText(TSetEditEvent Value) { FOnSetEditText = std::move(Value); }
    TMovedEvent GetOnColumnMoved() const { return FOnColumnMoved; }
    void SetOnColumnMoved(TMovedEvent Value) { FOnColumnMoved = std::move(Value); }
    TMovedEvent GetOnRowMoved() const { return FOnRowMoved; }
    void SetOnRowMoved(TMovedEvent Value) { FOnRowMoved = std::move(Value); }

    // Keys and the editor's key hand-over use these; they are public so that the
    // in-place editor (a separate control) can reach them.
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

protected:
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    friend class TInplaceEdit;
    friend class TInplaceEditList;

    // ---- hooks for descendants
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
        (void)ACol; (void)ARow; (void)ARect; (void)AState;
    }
    virtual bool SelectCell(int ACol, int ARow) { (void)ACol; (void)ARow; return true; }
    virtual void TopLeftChanged();
    virtual std::string GetEditText(int ACol, int ARow) { (void)ACol; (void)ARow; return {}; }
    // The edit mask of a cell (empty: none); the draw grid asks OnGetEditMask.
    virtual std::string GetEditMask(int ACol, int ARow) { (void)ACol; (void)ARow; return {}; }
    virtual void SetEditText(int ACol, int ARow, const std::string& Value) {
        (void)ACol; (void)ARow; (void)Value;
    }
    // 0: no limit; -1: the editor is read-only.
    virtual int GetEditLimit() { return 0; }
    virtual TEditStyle GetEditStyle(int ACol, int ARow) { (void)ACol; (void)ARow; return esSimple; }
    virtual bool CanEditAcceptKey(char32_t Key) { (void)Key; return true; }
    virtual bool CanEditModify() { return true; }
    virtual bool CanEditShow();
    virtual TInplaceEdit* CreateEditor();
    // The ellipsis button of the editor was pressed.
    virtual void EditButtonClick() {}
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    // The default and every column width and row height scale with the control.
    void ChangeScale(int M, int D) override;
    // The grid's size changed (ColCount/RowCount); descendants resize their storage.
    virtual void SizeChanged(int OldColCount, int OldRowCount) { (void)OldColCount; (void)OldRowCount; }

    // Moves the current cell (SelectCell may veto; raises EInvalidGridOperation for an
    // index outside the grid). MoveAnchor false keeps the anchor (range selection).
    void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveAnchor(TGridCoord NewAnchor);
    void MoveTopLeft(int ALeft, int ATop);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }
    // Shows, moves or hides the editor for the current state.
    void UpdateEdit();
    void HideEdit();

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoExit() override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMTimer(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void Resize() override;
    int WindowEdgeWidth() const override;
    void PaintWindowEdge(TCanvas* Canvas, TRect& R) override;

    TDrawCellEvent FOnDrawCell;
    TSelectCellEvent FOnSelectCell;
    TNotifyEvent FOnTopLeftChanged;
    TGetEditEvent FOnGetEditText;
    TGetEditEvent FOnGetEditMask;
    TSetEditEvent FOnSetEditText;
    TMovedEvent FOnColumnMoved, FOnRowMoved;

public:
    // Layout of one axis as drawing and hit testing see it (public for the tests'
    // geometry checks through CellRect/MouseCoord; not meant to be kept).
    struct TAxisInfo {
        int lineWidth = 0;           // effective grid line width of the axis
        int fixedCount = 0;
        int count = 0;
        int first = 0;               // LeftCol / TopRow
        int extent = 0;              // client width / height the cells may use
        int fixedBoundary = 0;       // end of the fixed cells with their lines
        int lastFullVisible = 0;     // last cell whose line end lies within extent + lw
        int fullVisBoundary = 0;     // end of that cell's line
        int gridBoundary = 0;        // where drawn cells end (at most extent)
        const std::vector<int>* sizes = nullptr;
        int Size(int i) const { return (*sizes)[std::size_t(i)]; }
    };
    TAxisInfo HorzAxis() const;
    TAxisInfo VertAxis() const;

private:
    // ---- layout helpers
    TAxisInfo MakeAxis(bool Horizontal) const;
    static int LinePos(const TAxisInfo& A, int Line);
    static int CalcMaxCell(const TAxisInfo& A, int Start);
    static int CoordFromPoint(const TAxisInfo& A, int N);
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void LayoutScrollBars() const;
    void UpdateScrollPositions() const;
    void ClampInView(TGridCoord Cell);
    void SelectionMoved(const TGridRect& OldSel);
    void ChangeSize(int NewColCount, int NewRowCount);
    void ResetCursor();
    void CheckIndex(int Index, int Count) const;
    bool IsActiveControl() const;

    // ---- painting helpers
    void PaintCells(TCanvas* Canvas, const TAxisInfo& H, const TAxisInfo& V);
    void PaintCell(TCanvas* Canvas, int C, int R, const TRect& Box, TGridDrawState State);
    void FillGradient(TCanvas* Canvas, const TRect& Box);
    void PaintGap(TCanvas* Canvas, const TRect& Gap, bool Fixed, bool LineOn, TColor CellColor);
    void PaintSizingLine(TCanvas* Canvas);

    // ---- input helpers
    bool StartSizing(int X, int Y);
    bool CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                         int& SizingOfs) const;
    void TimedScroll();
    void TabMove(bool Forward);
    void EndMouseState(int X, int Y);

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<bool> tabStops_;
    int gridLineWidth_ = 1;
    TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TColor fixedColor_ = clBtnFace;
    TGridDrawingStyle drawingStyle_ = gdsClassic;
    TColor gradientStartColor_ = clWhite;
    TColor gradientEndColor_ = clBtnFace;
    TScrollStyle scrollBars_ = ssBoth;
    bool defaultDrawing_ = true;
    TBorderStyle borderStyle_ = bsNone;

    TGridCoord topLeft_{1, 1};
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    bool editorMode_ = false;
    TInplaceEdit* inplaceEdit_ = nullptr;
    int inplaceCol_ = -1, inplaceRow_ = -1;

    // mouse state
    TGridState gridState_ = gsNormal;
    int sizingIndex_ = 0, sizingPos_ = 0, sizingOfs_ = 0;
    int moveIndex_ = 0, movePos_ = 0;
    TPoint lastMouse_;
    bool timerOn_ = false;
    // Set while a mouse press or drag moves the current cell: the press (with goEditing) or the
    // release fires the one OnClick of that gesture instead of each move.
    bool mouseMoving_ = false;
    TGridCoord pressCurrent_{0, 0};   // the current cell when that gesture began
    bool cursorChanged_ = false;
    TCursor savedCursor_ = crDefault;
    TInnerScrollBar* trackingBar_ = nullptr;
    // Placed on demand from the current sizes (layout queries are const).
    mutable TInnerScrollBar vertBar_{true};
    mutable TInnerScrollBar horzBar_{false};
};

// =========================================================================================
// A grid whose cells the program draws (DrawCell fires OnDrawCell) and edits through
// OnGetEditText / OnSetEditText.
class TCustomDrawGrid : public TCustomGrid {
public:
    explicit TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
    std::string ClassName() const override { return "TCustomDrawGrid"; }
    TRect CellRect(int ACol, int ARow) const { return TCustomGrid::CellRect(ACol, ARow); }

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    std::string GetEditMask(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
};

class TDrawGrid : public TCustomDrawGrid {
public:
    explicit TDrawGrid(TComponent* AOwner) : TCustomDrawGrid(AOwner) {}
    std::string ClassName() const override { return "TDrawGrid"; }
};

// A draw grid that keeps a string (and an object pointer) per cell and draws it.
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);
    std::string ClassName() const override { return "TStringGrid"; }

    std::string GetCells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string& Value);
    TObject* GetObjects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);

protected:
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    struct Cell {
        std::string text;
        TObject* object = nullptr;
    };
    // Cells are kept sparsely (only those ever set), so large grids cost nothing.
    std::vector<std::vector<Cell>> rows_;   // rows_[r][c], grown on demand
    const Cell* Find(int ACol, int ARow) const;
    Cell& Get(int ACol, int ARow);
};

}  // namespace vcl
