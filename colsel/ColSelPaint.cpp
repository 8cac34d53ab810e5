// Drawing one item of the colour selector, in the list or in the field: colour bar, edit
// mark, name.
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
    if (e.AllowEdit && FColorBarWidth > 11 && enabled) PaintEditMark(C, Rect, e);
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
    C->Rectangle(R.Left + 3, R.Top + 2, R.Left + cbw + 3, R.Bottom - 2);
}

// A small pencil-like outline at the bar's left end, in the colour that stands out from
// the bar.
void TColSel::PaintEditMark(TCanvas* C, const TRect& R, const TColSelEntry& E) {
    const int L = R.Left, T = R.Top, B = R.Bottom;
    C->GetPen()->SetColor(EditMarkPenColor(E.Color));
    C->MoveTo(L + 5, T + 4);
    C->LineTo(L + 5, B - 5);
    C->LineTo(L + 8, B - 5);
    C->LineTo(L + 11, B - 8);
    C->LineTo(L + 11, T + 7);
    C->LineTo(L + 8, T + 4);
    C->LineTo(L + 5, T + 4);
    C->GetPen()->SetColor(clBlack);
}

void TColSel::PaintName(TCanvas* C, const TRect& R, const TColSelEntry& E, bool Enabled) {
    // The name in the theme's window text colour (black in the light theme).
    C->GetFont()->SetColor(Enabled ? vcl::ThemeColor(vcl::trWindowText) : ThemeColor(trDisabledInk));
    C->GetBrush()->SetColor(Enabled ? GetColor() : ThemeColor(trDisabledFace));
    const int left = R.Left + FColorBarWidth + 3;
    const int h = C->TextHeight(E.Name);
    C->TextRect(TRect(left, R.Top, R.Right, R.Bottom), left + 3, R.Top + (R.Height() - h) / 2, E.Name);
}

}  // namespace zyn
