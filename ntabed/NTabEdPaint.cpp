// The table editor's picture: the grid paints its lines, fixed-cell edges and focus; the
// editor draws every cell's content: data cells by their state and marks, the heading cells
// with names and attributes, and the corner cell with the current cell or "Comment:".
#include <algorithm>
#include <cmath>

#include "framework/Zyn_conventions.h"
#include "ntabed/Zyn_ntabed.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

namespace {
constexpr TColor CommentBack = 0x808000;   // teal
constexpr TColor CommentText = 0xFFFFFF;
}  // namespace

void TNTabEd::Paint() {
    if (PaintSuppressed()) return;
    FFrameCell = {-1, -1};   // painting covers a frame drawn outside the paint
    TCustomGrid::Paint();
    if (FOptRowHeight) {
        const int h = AutoRowHeight(-1, 2);
        if (h != GetDefaultRowHeight()) SetDefaultRowHeight(h);
    }
}

void TNTabEd::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas* canvas = GetCanvas();
    if (IsDataCell(ACol, ARow))
        DrawDataCell(canvas, ACol - FColOffset, ARow - FRowOffset, ARect, AState);
    else
        DrawHeadingCell(canvas, ACol, ARow, ARect);
}

// The brush for a cell's text: the grid has filled the cell with its brush colour already,
// so a text on that colour needs no second fill. A heading with the gradient drawing style
// stands on the gradient the grid has drawn, which the text leaves as it is.
void TNTabEd::FillUnder(TCanvas* C, TColor Back, bool Fixed) {
    TBrush* brush = C->GetBrush();
    if (GetDefaultDrawing() && Fixed && GetDrawingStyle() == gdsGradient && brush->GetStyle() == bsClear) return;
    if (GetDefaultDrawing() && brush->GetStyle() == bsSolid && brush->GetColor() == Back) {
        brush->SetStyle(bsClear);
    } else {
        brush->SetStyle(bsSolid);
        brush->SetColor(Back);
    }
}

// ---- data cells ---------------------------------------------------------------------------

std::string TNTabEd::DataCellText(int Col, int Row, std::uint8_t State) const {
    if (State & dtsEmpty) return {};
    if (State & dtsInvalid) return "-nan-";
    const double v = Data->GetElem(Col, Row);
    const int scale = Data->GetMScaleType(Col);
    if (scale == mstNominal || scale == mstBinary) {
        const long long n = std::isfinite(v) && std::fabs(v) < 1e15 ? Round(v) : 0;
        std::string id;
        if (n >= 1 && n <= MaxNominalID) id = Data->GetNominalID(Col, int(n));
        return id.empty() ? MScaleTypeNames[std::size_t(scale)] + ":" + IntToStr(n) : id;
    }
    return FormatCellValue(v, GetPrecision(Col), FNumWidth);
}

void TNTabEd::DrawDataCell(TCanvas* C, int Col, int Row, const TRect& R, TGridDrawState State) {
    const bool selected = State.Contains(gdSelected);
    TColor back = selected ? FColorRngSelBG : GetColor();
    if (Col > GetNrOfColumns() || Row > GetNrOfRows()) {
        // A grid cell the table does not have (a table without rows or columns).
        C->GetBrush()->SetColor(back);
        C->FillRect(R);
        return;
    }
    const std::uint8_t state = Data->GetCellState(Col, Row);
    std::string text = DataCellText(Col, Row, state);
    TColor fore;
    switch (state & (dtsMarkA | dtsMarkB)) {
        case dtsMarkA: fore = FColorMarkedA; break;
        case dtsMarkB: fore = FColorMarkedB; break;
        case dtsMarkA | dtsMarkB: fore = FColorMarkedBoth; break;
        default: fore = selected ? FColorRngSelFG : FColorNormal; break;
    }
    TFontStyles styles = GetFont()->GetStyle();
    if (FBoldMarks && (state & (dtsMarkA | dtsMarkB)) != 0) styles.Include(fsBold);
    if (FOnBeforeRenderCell) FOnBeforeRenderCell(this, Col, Row, text, fore, back, styles);
    FillUnder(C, back);
    C->GetFont()->SetColor(fore);
    C->GetFont()->SetStyle(styles);
    C->TextRect(R, R.Left + 2, R.Top + 1, text);
}

// ---- heading cells ------------------------------------------------------------------------

std::string TNTabEd::CornerText() const {
    const TGridRect sel = GetSelection();
    return IntToStr(sel.Left - FColOffset) + ":" + IntToStr(sel.Top - FRowOffset);
}

void TNTabEd::DrawCornerCell(TCanvas* C, const TRect& R) {
    if (FCommentMMActive) {
        DrawCommentCorner(C, R, 2, 1);
        return;
    }
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clWindow);
    C->GetFont()->SetColor(FColorNormal);
    C->TextRect(R, R.Left + 3, R.Top + 2, CornerText());
}

void TNTabEd::DrawCommentCorner(TCanvas* C, const TRect& R, int Dx, int Dy) {
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(CommentBack);
    C->GetFont()->SetColor(CommentText);
    C->TextRect(R, R.Left + Dx, R.Top + Dy, "Comment:");
}

void TNTabEd::DrawHeadingCell(TCanvas* C, int ACol, int ARow, const TRect& ARect) {
    if (ACol == 0 && ARow == 0) {
        DrawCornerCell(C, ARect);
        return;
    }
    TRect r = ARect;
    if (r.Width() > 0) {
        ++r.Left;
        --r.Right;
    }
    if (r.Height() > 0) {
        ++r.Top;
        --r.Bottom;
    }
    const bool rowHeading = ARow > FRowOffset;       // column 0 or the row-attribute column
    const bool colHeading = ACol > FColOffset;       // row 0 or the column-attribute row
    const bool attribRow = FRowOffset == 1 && ARow == 1;
    if (rowHeading || attribRow || (ARow == 0 && colHeading)) r.Right -= 2;

    const int dataCol = ACol - FColOffset, dataRow = ARow - FRowOffset;
    std::string text;
    int dy = 1;
    if (rowHeading) {
        if (dataRow <= GetNrOfRows()) {
            if (ACol == 0) {
                text = Data->GetRowName(dataRow);
                dy = 0;
            } else {
                text = IntToStr(Data->GetRowAttrib(dataRow));
            }
        }
    } else if (colHeading) {
        if (dataCol <= GetNrOfColumns())
            text = ARow == 0 ? Data->GetColName(dataCol) : IntToStr(Data->GetColAttrib(dataCol));
    } else if (ARow == 1 && ACol == 0) {
        text = "Attribute";
    } else if (ARow == 0 && ACol == 1) {
        text = "Attrib";
    }   // the cell where both heading lines meet stays blank

    // The headings of the current row and column stand out.
    const TGridRect sel = GetSelection();
    const bool current = (rowHeading && ARow == sel.Top) || (colHeading && ACol == sel.Left);
    const TFontStyles normal = GetFont()->GetStyle();
    TFontStyles styles = normal;
    if (current && FBoldSelHeads) styles.Include(fsBold);
    FillUnder(C, GetFixedColor(), true);
    C->GetFont()->SetColor(current ? FColorSelected : FColorNormal);
    C->GetFont()->SetStyle(styles);
    C->TextRect(r, r.Left + 2, r.Top + dy, text);
    C->GetFont()->SetStyle(normal);
}

// ---- drawing outside a paint --------------------------------------------------------------

void TNTabEd::RedrawCorner() {
    if (PaintSuppressed() || !GetShowing()) return;
    const TRect r = CellRect(0, 0);
    if (!r.IsEmpty()) {
        TCanvas* canvas = GetCanvas();
        canvas->GetFont()->Assign(GetFont());
        canvas->GetFont()->SetStyle({});
        DrawCornerCell(canvas, r);
    }
    Invalidate();
}

void TNTabEd::InvertCellFrame(TGridCoord Cell) {
    const TRect r = CellRect(Cell.X, Cell.Y);
    if (r.IsEmpty()) return;
    TCanvas* canvas = GetCanvas();
    canvas->GetPen()->SetMode(pmNot);
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->Rectangle(r);
    canvas->GetPen()->SetMode(pmCopy);
    canvas->GetBrush()->SetStyle(bsSolid);
}

void TNTabEd::ShowCellFrame(TGridCoord Cell) {
    if (FFrameCell == Cell || !GetShowing()) return;
    HideCellFrame();
    InvertCellFrame(Cell);
    FFrameCell = Cell;
}

void TNTabEd::HideCellFrame() {
    if (FFrameCell.X < 0) return;
    // Drawn a second time, the inverting frame is gone.
    if (GetShowing()) InvertCellFrame(FFrameCell);
    FFrameCell = {-1, -1};
}

}  // namespace zyn
