// TMarkSel: a grid of the 52 plot marks of the base library from which the user picks one.
// The mark nearest the pointer is highlighted; a click selects the nearest mark and reports
// it. Marks can be hidden; the visible ones fill the grid row by row in mark order.
//
// The grid metrics, the mark positions and the nearest-mark search live in MarkSelGrid.cpp
// (no canvas), the picture and the hover highlight in MarkSelPaint.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

using TMarkClickEvent = std::function<void(vcl::TObject* Sender, int X, int Y, int Mark)>;

// ---- grid -------------------------------------------------------------------------------

using TMarkFlags = std::array<bool, NumberOfMarks>;
using TMarkPositions = std::array<vcl::TPoint, NumberOfMarks>;

/// Cell size (DH x DV) and half cell size (MH, MV) of a control of Width x Height cut into
/// Columns x Rows cells inside a 2-pixel border: DH = (Width - 4) div Columns, and so on.
struct TMarkSelGrid {
    ///@{
    /// Cell width and height (DH, DV) and their halves (MH, MV), in pixels.
    int DH = 0, DV = 0, MH = 0, MV = 0;
    ///@}
};
TMarkSelGrid MarkSelGrid(int Width, int Height, int Columns, int Rows);

// The position of each visible mark: the n-th visible mark (from 0) sits at
// (MH + DH * (n mod Columns), MV + DV * (n div Columns)); marks past the last row continue
// below the control. Hidden marks keep the position Positions had before.
void LayoutMarks(const TMarkSelGrid& Grid, int Columns, const TMarkFlags& Visible, TMarkPositions& Positions);

// The visible marks that sit in one of the Columns x Rows cells of the control: the first
// Columns * Rows of them. The others continue on rows below the control, out of view.
TMarkFlags MarksInView(int Columns, int Rows, const TMarkFlags& Visible);

// The visible mark nearest (X, Y) by squared distance; the lowest-numbered mark wins a tie.
// Mark 0 is always visible, so there always is one.
int NearestMark(const TMarkPositions& Positions, const TMarkFlags& Visible, int X, int Y);

/// The steps the keyboard takes through the marks in view.
enum TMarkMove : std::uint8_t { mmLeft, mmRight, mmUp, mmDown };

// The mark in view that the keyboard reaches from Mark by Move. The marks in view fill
// Columns cells per row in mark order: Left and Right step to the previous and next of them
// (on from a row's end to the next row), Up and Down to the mark one row above or below in
// the same column; Down onto a shorter last row with no mark below goes to the last mark.
// A step past the first or last mark stays at Mark. A Mark that is not in view counts as
// the first mark in view (mark 0, always visible), and the step starts there.
int MarkAfterMove(const TMarkFlags& InView, int Columns, int Mark, TMarkMove Move);

// ---- the control ------------------------------------------------------------------------
/// TMarkSel: a grid of the 52 plot marks of the base library from which the user picks one.
/// The mark nearest the pointer is highlighted; a click selects the nearest mark and reports
/// it. Marks can be hidden; the visible ones fill the grid row by row in mark order.
class TMarkSel : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TMarkSel(vcl::TComponent* AOwner);
    ~TMarkSel() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TMarkSel"; }

    // ---- properties
    /// Number of columns of the mark grid, 1..51; default 8.
    int GetNrOfColumns() const { return FNrOfColumns; }
    /// Sets the number of columns; values outside 1..51 are ignored. Repaints when it changes.
    void SetNrOfColumns(int Value);           // 1..51, otherwise ignored
    /// Number of rows of the mark grid, 1..51; default 6 (marks beyond the grid fall outside the
    /// control).
    int GetNrOfRows() const { return FNrOfRows; }
    /// Sets the number of rows; values outside 1..51 are ignored. Repaints when it changes.
    void SetNrOfRows(int Value);              // 1..51, otherwise ignored
    /// The selected mark, 0..51, or -1 (default) for none; a click selects the nearest visible
    /// mark.
    int GetSelected() const { return FSelected; }
    /// Selects a mark; values outside -1..51 are ignored. Repaints when it changes.
    void SetSelected(int Value);              // -1 (none) .. 51, otherwise ignored
    /// Background colour of the grid; default clBtnFace.
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    /// Sets the background colour; repaints when it differs.
    void SetColorBackGnd(TColor Value);
    /// Colour of the mark symbols (and of the frame's last line); default black.
    TColor GetColorMarks() const { return FColorMarks; }
    /// Sets the mark colour; repaints when it differs.
    void SetColorMarks(TColor Value);
    /// Background of the selected mark's box; default white.
    TColor GetColorSelBG() const { return FColorSelBG; }
    /// Sets the selection background; repaints when it differs.
    void SetColorSelBG(TColor Value);
    /// Colour of the selected mark and its box outline; default navy (0x800000).
    TColor GetColorSelFG() const { return FColorSelFG; }
    /// Sets the selection colour; repaints when it differs.
    void SetColorSelFG(TColor Value);
    /// Background of the mark under the mouse pointer; default red (0x0000FF).
    TColor GetColorHiLiteBG() const { return FColorHiLiteBG; }
    /// Sets the hover background; repaints when it differs.
    void SetColorHiLiteBG(TColor Value);
    /// Colour of the symbol under the mouse pointer; default white.
    TColor GetColorHiLiteSymbol() const { return FColorHiLiteSymbol; }
    /// Sets the hover symbol colour; repaints when it differs.
    void SetColorHiLiteSymbol(TColor Value);
    /// Passes the value on and repaints, also when it does not change.
    void SetEnabled(bool Value) override;
    /// Frame round the control, ordinals 0 (none) to 5; default 5.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the frame style; repaints when it differs.
    void SetFrameStyle(TFrameStyle Value);
    /// Mark 0 drawn as a cross over the first cell (else as the base library's dot).
    bool GetShowZeroAsCross() const { return FShowZeroAsCross; }
    /// Switches the cross for mark 0; stores and repaints, also when it does not change.
    void SetShowZeroAsCross(bool Value);      // stores and repaints without comparing

    /// Visibility of mark Index. Reading an index outside 0..51 reads mark 0; writing takes
    /// indexes 1..51 only (mark 0 stays visible) and repaints.
    bool GetVis(int Index) const;
    /// Shows or hides mark Index (1..51; mark 0 stays visible) and repaints; the marks after it
    /// move to fill the grid.
    void SetVis(int Index, bool Value);

    // ---- public methods
    /// Makes marks 1..51 visible and repaints.
    void ShowAllMarks();                      // marks 1..51 visible, then Paint
    /// Hides marks 1..51 (mark 0 stays) and repaints.
    void HideAllMarks();                      // marks 1..51 hidden, then Paint
    /// Where mark Index (0..51) sat at the last paint; (0, 0) outside the range.
    vcl::TPoint GetMarkPos(int Index) const;
    /// The mark drawn highlighted last (the one the pointer was nearest).
    int GetHighlighted() const { return FLastHiLite; }
    /// The mark the keyboard is on, which Enter or Space chooses and the focus cue frames
    /// while the selector has the keyboard: the mark last reached by the arrow keys or
    /// clicked, while it is in view; otherwise the selected mark if it is in view, else 0.
    int GetFocusedMark() const;

    // ---- events
    /// Called when a mark is chosen, with a position and the mark that became Selected: a left
    /// click (the pointer and the nearest visible mark) or Enter or Space (the focused mark at its
    /// centre), before the repaint. Empty: none.
    const TMarkClickEvent& GetOnMarkClick() const { return FOnMarkClick; }
    /// Installs the handler called when a click selects a mark; an empty function removes it.
    void SetOnMarkClick(TMarkClickEvent Value) { FOnMarkClick = std::move(Value); }
    /// Called on a left double click, as OnMarkClick is on a click, with the position and the
    /// mark that became Selected. Empty: none.
    const TMarkClickEvent& GetOnMarkDblClick() const { return FOnMarkDblClick; }
    /// Installs the handler called when a double click selects a mark (an empty one removes it).
    void SetOnMarkDblClick(TMarkClickEvent Value) { FOnMarkDblClick = std::move(Value); }
    /// Called at the end of every Paint, after the marks are on the canvas, so the handler can
    /// draw over them. Empty: none.
    const vcl::TNotifyEvent& GetOnPaint() const { return FOnPaint; }
    /// Installs the handler called after each paint; an empty function removes it.
    void SetOnPaint(vcl::TNotifyEvent Value) { FOnPaint = std::move(Value); }

    /// Draws the grid of marks off screen (the selected one in the selection colours, greyed when
    /// disabled), shows it, then fires OnPaint.
    void Paint() override;
    /// Takes Enter from the form while the selector has the keyboard, and redraws only the
    /// focused mark's cell when the keyboard comes and goes.
    void WndProc(vcl::TMessage& Message) override;

protected:
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler called when a click selects a mark; empty: none.
    TMarkClickEvent FOnMarkClick;
    /// The handler called when a double click selects a mark; empty: none.
    TMarkClickEvent FOnMarkDblClick;
    /// The handler called at the end of every Paint; empty: none.
    vcl::TNotifyEvent FOnPaint;

    /// Highlights the visible mark nearest the pointer (the one a click would choose); only the
    /// old and new highlighted cells are redrawn.
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// A left click: selects the nearest visible mark, fires OnMarkClick and repaints (a release
    /// at (-1, -1) is ignored).
    void WMLButtonUp(vcl::TMessage& Message) override;
    /// A left double click: as a click, with OnMarkDblClick.
    void WMLButtonDblClk(vcl::TMessage& Message) override;
    /// The keys of the selector (after OnKeyDown, which may take them first).
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// The arrow keys belong to the selector while it has the keyboard.
    vcl::LRESULT DialogCode() const override { return vcl::DLGC_WANTARROWS; }

private:
    template <typename T>
    void StoreAndPaint(T& Field, T Value);
    // Grid metrics, mark positions and the marks in view for the current size, columns,
    // rows and visibility.
    void Layout();
    // A click or double click at (X, Y): the nearest mark becomes Selected, Event fires,
    // the control repaints and the mark is highlighted.
    void MarkClicked(vcl::TMessage& Message, const TMarkClickEvent& Event);
    // Mark b chosen at (X, Y), by the mouse or the keyboard: it becomes Selected and the
    // mark the keyboard is on, Event fires, the control repaints and b is highlighted.
    void ChooseMark(int X, int Y, int b, const TMarkClickEvent& Event);
    // Tells assistive tools that mark b was chosen and has the keyboard, or only that the
    // keyboard moved to it.
    void MarkChosenForAccessibility(int b);
    void MarkFocusedForAccessibility(int b);

    // keyboard
    // The key's action: true when the selector used it.
    bool KeyAction(vcl::WORD Key, vcl::TShiftState Shift);
    void MoveFocusedMark(TMarkMove Move);
    void ChooseFocusedMark();
    // Draws mark Mark's cell again straight onto the control: the cell, its symbol, the
    // hover highlight if it is on it and the focus cue if it is the focused mark.
    void RedrawCell(int Mark);

    // painting (MarkSelPaint.cpp)
    void Render(vcl::TCanvas* C);
    void PaintBackground(vcl::TCanvas* C, TColor Bg);
    void PaintMarks(vcl::TCanvas* C, TColor Fg, TColor Bg, TColor SelFg, TColor SelBg);
    void PaintFrame(vcl::TCanvas* C, TColor Fg);
    // The symbol of mark Mark with the canvas's current pen and brush.
    void DrawSymbol(vcl::TCanvas* C, int Mark);
    // The box round mark Mark: (x - DH div 2 + Near, y - DV div 2 + Near, x + DH div 2 + Far,
    // y + DV div 2 + Far); the selection box takes 3 and 3, the highlight 4 and 2.
    vcl::TRect CellBox(int Mark, int Near, int Far) const;
    void RestoreMark(int Mark);
    void HighlightMark(int Mark);
    // The focus cue round the focused mark's cell (drawn only while the selector has the
    // keyboard); XOR, on a cell drawn without it.
    void PaintFocusCue(vcl::TCanvas* C);

    int FNrOfColumns = 8;
    int FNrOfRows = 6;
    int FSelected = -1;
    TColor FColorBackGnd = vcl::clBtnFace;
    TColor FColorMarks = vcl::clBlack;
    TColor FColorSelBG = vcl::clWhite;
    TColor FColorSelFG = vcl::clNavy;
    TColor FColorHiLiteBG = vcl::clRed;
    TColor FColorHiLiteSymbol = vcl::clWhite;
    TFrameStyle FFrameStyle = frRaisedDouble;
    bool FShowZeroAsCross = true;

    TMarkFlags FVis{};
    TMarkPositions FPos{};
    TMarkFlags FInView{};   // the visible marks inside the grid: the pointer reaches only these
    TMarkSelGrid FGrid;
    int FLastHiLite = 0;
    bool FHiLiteShown = false;   // the hover highlight is on the screen (no paint since)
    friend class TMarkSelAccessible;
    int FFocusMark = -1;         // the mark last reached by the keys or clicked; -1 none
};

}  // namespace zyn
