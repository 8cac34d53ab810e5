// TCustomGrid painting: grid lines, cells with their state colours, the fixed cells'
// raised edges, focus rectangles, the sizing line and the scroll bars. Only the visible
// cells are visited, so the cost does not depend on the number of rows or columns.
#include <algorithm>

#include "platform/controls/grid/Grid.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Theme.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"

namespace vcl {

namespace {

struct Span {
    int index;
    int start;
    int size;      // drawn size, clipped to the extent
};

// The cells of an axis that reach the screen: the fixed ones, then from the first
// scrolling one until the extent is filled.
std::vector<Span> VisibleSpans(const TCustomGrid::TAxisInfo& A) {
    std::vector<Span> spans;
    int pos = 0;
    auto add = [&](int i) {
        int size = std::max(0, A.Size(i));
        if (pos < A.extent) spans.push_back({i, pos, std::min(size, SatSub(A.extent, pos))});
        pos = SatAdd(pos, SatAdd(A.Size(i), A.lineWidth));
    };
    for (int i = 0; i < A.fixedCount && pos < A.extent; ++i) add(i);
    pos = A.fixedBoundary;
    for (int i = A.first; i < A.count && pos < A.extent; ++i) add(i);
    return spans;
}

void Fill(TCanvas* Canvas, const TRect& R, TColor Color) {
    if (R.IsEmpty()) return;
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FillRect(R);
}

}  // namespace

void TCustomGrid::Paint() {
    TCanvas* canvas = GetCanvas();
    UpdateScrollPositions();
    TAxisInfo h = MakeAxis(true), v = MakeAxis(false);
    TRect data = GetDataRect();
    {
        TCanvasStateSaver saved(canvas);
        canvas->IntersectClipRect(data);
        canvas->GetFont()->Assign(GetFont());
        PaintCells(canvas, h, v);
        // The area beyond the last column and row shows the grid's colour.
        int right = std::min(h.gridBoundary, data.Right);
        int bottom = std::min(v.gridBoundary, data.Bottom);
        Fill(canvas, Rect(right, 0, data.Right, data.Bottom), GetColor());
        Fill(canvas, Rect(0, bottom, right, data.Bottom), GetColor());
        PaintSizingLine(canvas);
    }
    vertBar_.Paint(canvas);
    horzBar_.Paint(canvas);
    if (vertBar_.GetVisible() && horzBar_.GetVisible())
        Fill(canvas, Rect(vertBar_.GetBounds().Left, horzBar_.GetBounds().Top,
                          vertBar_.GetBounds().Right, horzBar_.GetBounds().Bottom), clBtnFace);
}

void TCustomGrid::PaintCells(TCanvas* Canvas, const TAxisInfo& H, const TAxisInfo& V) {
    std::vector<Span> cols = VisibleSpans(H);
    std::vector<Span> rows = VisibleSpans(V);
    TGridRect sel = GetSelection();
    bool focused = IsActiveControl();
    bool editorShown = editorMode_ && inplaceEdit_ != nullptr && inplaceEdit_->GetVisible();
    // Data-area lines take the theme's grid line colour (silver in the light theme), or grey
    // on cells of that very colour so that they stay visible.
    const TColor gridLine = ThemeColor(trGridLine), fixedLine = ThemeColor(trGridLineFixed);
    TColor dataLine = ColorToRGB(GetColor()) == gridLine ? clGray : gridLine;

    for (const Span& r : rows) {
        for (const Span& c : cols) {
            bool fixed = c.index < fixedCols_ || r.index < fixedRows_;
            TRect box = SatBounds(c.start, r.start, c.size, r.size);
            // Grid lines: the gap right of the cell and the one below it (with the corner).
            const int gapRight = SatAdd(box.Right, H.lineWidth);
            if (H.lineWidth > 0)
                PaintGap(Canvas, Rect(box.Right, box.Top, gapRight, box.Bottom), fixed,
                         options_.Contains(fixed ? goFixedVertLine : goVertLine),
                         fixed ? fixedLine : dataLine);
            if (V.lineWidth > 0)
                PaintGap(Canvas, Rect(box.Left, box.Bottom, gapRight, SatAdd(box.Bottom, V.lineWidth)),
                         fixed, options_.Contains(fixed ? goFixedHorzLine : goHorzLine),
                         fixed ? fixedLine : dataLine);
            if (box.IsEmpty()) continue;
            if (editorShown && c.index == current_.X && r.index == current_.Y) continue;

            TGridDrawState state;
            if (fixed) state.Include(gdFixed);
            if (!fixed && sel.Contains(c.index, r.index)) state.Include(gdSelected);
            if (!fixed && focused && c.index == current_.X && r.index == current_.Y) state.Include(gdFocused);
            PaintCell(Canvas, c.index, r.index, box, state);
        }
    }

    // One focus rectangle around the selected row band in row mode.
    if (defaultDrawing_ && focused && options_.Contains(goRowSelect) && !cols.empty()) {
        TRect band;
        for (const Span& r : rows) {
            if (r.index < fixedRows_ || r.index < sel.Top || r.index > sel.Bottom) continue;
            for (const Span& c : cols) {
                if (c.index < fixedCols_) continue;
                band = UnionRect(band, SatBounds(c.start, r.start, c.size, r.size));
            }
        }
        if (!band.IsEmpty()) DrawFocusCue(Canvas, band);
    }
}

// Each row of the cell gets its share of the way from the start colour (top row) to the end
// colour (bottom row).
void TCustomGrid::FillGradient(TCanvas* Canvas, const TRect& Box) {
    const TColor a = ColorToRGB(gradientStartColor_), b = ColorToRGB(gradientEndColor_);
    const int h = Box.Height();
    for (int y = 0; y < h; ++y) {
        auto mix = [&](int ca, int cb) { return h <= 1 ? ca : ca + (cb - ca) * y / (h - 1); };
        const TColor c = RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                             mix(GetBValue(a), GetBValue(b)));
        Fill(Canvas, Rect(Box.Left, Box.Top + y, Box.Right, Box.Top + y + 1), c);
    }
}

void TCustomGrid::PaintGap(TCanvas* Canvas, const TRect& Gap, bool Fixed, bool LineOn, TColor LineColor) {
    Fill(Canvas, Gap, LineOn ? LineColor : (Fixed ? fixedColor_ : GetColor()));
}

void TCustomGrid::PaintCell(TCanvas* Canvas, int C, int R, const TRect& Box, TGridDrawState State) {
    bool fixed = State.Contains(gdFixed);
    if (defaultDrawing_) {
        Canvas->GetFont()->Assign(GetFont());
        bool highlight = State.Contains(gdSelected) &&
                         (!State.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                          options_.Contains(goRowSelect));
        if (highlight) {
            Canvas->GetBrush()->SetColor(clHighlight);
            Canvas->GetFont()->SetColor(clHighlightText);
        } else {
            Canvas->GetBrush()->SetColor(fixed ? fixedColor_ : GetColor());
        }
        Canvas->GetBrush()->SetStyle(bsSolid);
        if (fixed && !highlight && drawingStyle_ == gdsGradient) {
            FillGradient(Canvas, Box);
            // The cell's text is drawn over the gradient, not on a filled box.
            Canvas->GetBrush()->SetColor(fixedColor_);
            Canvas->GetBrush()->SetStyle(bsClear);
        } else {
            Canvas->FillRect(Box);
        }
    }
    DrawCell(C, R, Box, State);
    if (!defaultDrawing_) return;
    bool vert = options_.Contains(goFixedVertLine), horz = options_.Contains(goFixedHorzLine);
    const int lw = ScaledLineWidth(1);   // the edges are lines of the density's width
    if (fixed && drawingStyle_ != gdsClassic) {
        // Flat header cells: one shadow line on the right and bottom divides them.
        if (vert) Fill(Canvas, Rect(Box.Right - lw, Box.Top, Box.Right, Box.Bottom), clBtnShadow);
        if (horz) Fill(Canvas, Rect(Box.Left, Box.Bottom - lw, Box.Right, Box.Bottom), clBtnShadow);
    } else if (fixed && (vert || horz)) {
        // Raised inner edge: highlight on the top and left, shadow on the right and bottom.
        if (vert) {
            Fill(Canvas, Rect(Box.Right - lw, Box.Top, Box.Right, Box.Bottom), clBtnShadow);
            Fill(Canvas, Rect(Box.Left, Box.Top, Box.Left + lw, Box.Bottom - (horz ? lw : 0)), clBtnHighlight);
        }
        if (horz) {
            Fill(Canvas, Rect(Box.Left, Box.Bottom - lw, Box.Right, Box.Bottom), clBtnShadow);
            Fill(Canvas, Rect(Box.Left, Box.Top, Box.Right - (vert ? lw : 0), Box.Top + lw), clBtnHighlight);
        }
    }
    if (State.Contains(gdFocused) && !options_.Contains(goRowSelect) &&
        !(options_.Contains(goEditing) && options_.Contains(goAlwaysShowEditor)))
        DrawFocusCue(Canvas, Box);
}

void TCustomGrid::PaintSizingLine(TCanvas* Canvas) {
    if (gridState_ == gsColSizing) {
        TAxisInfo v = MakeAxis(false);
        Canvas->InvertRect(Rect(sizingPos_, 0, sizingPos_ + std::max(1, MakeAxis(true).lineWidth), v.gridBoundary));
    } else if (gridState_ == gsRowSizing) {
        TAxisInfo h = MakeAxis(true);
        Canvas->InvertRect(Rect(0, sizingPos_, h.gridBoundary, sizingPos_ + std::max(1, MakeAxis(false).lineWidth)));
    } else if (gridState_ == gsColMoving) {
        const int lw = ScaledLineWidth(1);
        Canvas->InvertRect(Rect(movePos_ - lw, 0, movePos_ + lw, MakeAxis(false).gridBoundary));
    } else if (gridState_ == gsRowMoving) {
        const int lw = ScaledLineWidth(1);
        Canvas->InvertRect(Rect(0, movePos_ - lw, MakeAxis(true).gridBoundary, movePos_ + lw));
    }
}

// ---- the border ------------------------------------------------------------------------

int TCustomGrid::WindowEdgeWidth() const {
    if (borderStyle_ == bsNone) return 0;
    return (GetCtl3D() ? 2 : 1) * ScaledLineWidth(1);
}

void TCustomGrid::PaintWindowEdge(TCanvas* Canvas, TRect& R) {
    if (borderStyle_ == bsNone) return;
    // One ring: top and left lines in TopLeft, bottom and right lines (and the corners
    // they share) in BottomRight.
    // Each ring is a line as wide as the density makes one.
    const int lw = ScaledLineWidth(1);
    auto ring = [&](TColor TopLeft, TColor BottomRight) {
        Fill(Canvas, Rect(R.Left, R.Top, R.Right - lw, R.Top + lw), TopLeft);
        Fill(Canvas, Rect(R.Left, R.Top, R.Left + lw, R.Bottom - lw), TopLeft);
        Fill(Canvas, Rect(R.Left, R.Bottom - lw, R.Right, R.Bottom), BottomRight);
        Fill(Canvas, Rect(R.Right - lw, R.Top, R.Right, R.Bottom), BottomRight);
        R.Inflate(-lw, -lw);
    };
    if (GetCtl3D()) {
        // A sunken edge: the outer ring in the shadow and highlight, the inner one darker
        // at the top and left and lighter at the bottom and right.
        ring(clBtnShadow, clBtnHighlight);
        ring(cl3DDkShadow, cl3DLight);
    } else {
        ring(clWindowFrame, clWindowFrame);
    }
}

}  // namespace vcl
