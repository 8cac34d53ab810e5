// Drawing one item of the colour selector, in the list or in the field: colour bar, edit
// mark, name.
#include <algorithm>

#include "colsel/Zyn_Colsel.h"
#include "platform/Themes.h"

namespace zyn {

using namespace vcl;

namespace {

// Puts back the brush, font and pen colours an item changed, so the next item (and the
// control's own painting) starts from the colours it was given.
class ItemColorsSaver {
public:
    explicit ItemColorsSaver(TCanvas* C)
        : c_(C), brush_(C->GetBrush()->GetColor()), brushStyle_(C->GetBrush()->GetStyle()),
          font_(C->GetFont()->GetColor()), pen_(C->GetPen()->GetColor()) {}
    ~ItemColorsSaver() {
        c_->GetBrush()->SetColor(brush_);
        c_->GetBrush()->SetStyle(brushStyle_);
        c_->GetFont()->SetColor(font_);
        c_->GetPen()->SetColor(pen_);
    }
    ItemColorsSaver(const ItemColorsSaver&) = delete;
    ItemColorsSaver& operator=(const ItemColorsSaver&) = delete;

private:
    TCanvas* c_;
    TColor brush_;
    TBrushStyle brushStyle_;
    TColor font_;
    TColor pen_;
};

}  // namespace

void TColSel::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    (void)State;
    const int entry = Index + 1;
    if (!ValidIndex(entry)) return;
    // An item of the open list is being drawn: the list is there to be watched.
    WatchDroppedList();
    TCanvas* C = GetCanvas();
    ItemColorsSaver saver(C);
    const TColSelEntry& e = Entry(entry);
    const bool enabled = GetEnabled();
    // Outlines are black unless a step says otherwise, whatever pen the canvas came with.
    C->GetPen()->SetColor(clBlack);
    if (FColorBarWidth > 0) PaintColorBar(C, Rect, e, enabled);
    if (e.AllowEdit && FColorBarWidth > ScaledMetric(11) && enabled) PaintEditMark(C, Rect, e);
    PaintName(C, Rect, e, enabled);
}

void TColSel::PaintColorBar(TCanvas* C, const TRect& R, const TColSelEntry& E, bool Enabled) {
    const int cbw = FColorBarWidth;
    if (Enabled) {
        C->GetBrush()->SetColor(E.Color);
    } else {
        C->GetPen()->SetColor(ThemeColor(trDisabledFace));
        C->GetBrush()->SetColor(ThemeColor(trDisabledFace));
        C->Rectangle(R.Left - 1, R.Top - 1, R.Left + cbw + 3, R.Bottom + 1);
        C->GetPen()->SetColor(ThemeColor(trDisabledInk));
    }
    C->Rectangle(R.Left + ScaledMetric(3), R.Top + ScaledMetric(2), R.Left + cbw + ScaledMetric(3),
                 R.Bottom - ScaledMetric(2));
}

// A small pencil-like outline at the bar's left end, in the colour that stands out from
// the bar. Its sizes are 96 dpi pixels: at 96 dpi it sits 4 and 5 pixels inside the row. On a
// denser form the row's height follows the font, not exactly the density, so the mark takes
// its larger size where the bar has room for it, centred a pixel (at 96 dpi) off the bar's
// outline, and its tip keeps to half its height.
void TColSel::PaintEditMark(TCanvas* C, const TRect& R, const TColSelEntry& E) {
    auto s = [this](int V) { return ScaledMetric(V); };
    const int L = R.Left, pen = ScaledLineWidth(1);
    int top = R.Top + 4, bottom = R.Bottom - 5;
    if (GetCurrentPPI() != 96) {
        // A pen wider than one pixel covers the pixels before its coordinate too.
        const int from = R.Top + s(2) + 1 + s(1) + pen - 1, to = R.Bottom - s(2) - 2 - s(1);
        const int height = std::min(s(7), to - from);
        top = (from + to - height) / 2;
        bottom = top + height;
    }
    const int d = std::min(s(3), (bottom - top) / 2);
    C->GetPen()->SetColor(EditMarkPenColor(E.Color));
    C->GetPen()->SetWidth(pen);
    C->MoveTo(L + s(5), top);
    C->LineTo(L + s(5), bottom);
    C->LineTo(L + s(8), bottom);
    C->LineTo(L + s(11), bottom - d);
    C->LineTo(L + s(11), top + d);
    C->LineTo(L + s(8), top);
    C->LineTo(L + s(5), top);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetColor(clBlack);
}

void TColSel::PaintName(TCanvas* C, const TRect& R, const TColSelEntry& E, bool Enabled) {
    // The name in the theme's window text colour (black in the light theme).
    C->GetFont()->SetColor(Enabled ? vcl::ThemeColor(vcl::trWindowText) : ThemeColor(trDisabledInk));
    C->GetBrush()->SetColor(Enabled ? GetColor() : ThemeColor(trDisabledFace));
    const int left = R.Left + FColorBarWidth + ScaledMetric(3);
    const int h = C->TextHeight(E.Name);
    C->TextRect(TRect(left, R.Top, R.Right, R.Bottom), left + ScaledMetric(3), R.Top + (R.Height() - h) / 2, E.Name);
}

}  // namespace zyn
