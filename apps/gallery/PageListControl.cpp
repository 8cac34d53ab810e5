// The page list (see PageList.h).
#include "apps/gallery/PageListControl.h"
#include "apps/gallery/GalleryPage.h"

#include <algorithm>

using namespace vcl;

namespace gallery {

TPageList::TPageList(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetBounds(0, 0, 190, 300);
}

int TPageList::ItemHeight() { return GetCanvas()->TextHeight("Ag") + 12; }

TRect TPageList::ItemRect(int Index) {
    int h = ItemHeight();
    return Rect(0, HeadingHeight + Index * h, GetClientWidth(), HeadingHeight + (Index + 1) * h);
}

void TPageList::SetItemIndex(int Value) {
    Value = std::clamp(Value, -1, GetCount() - 1);
    if (Value == itemIndex_) return;
    itemIndex_ = Value;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TPageList::Paint() {
    TCanvas* c = GetCanvas();
    TRect client = GetClientRect();
    c->GetBrush()->SetColor(GetColor());
    c->FillRect(client);

    // Heading: small grey capitals over a hairline.
    c->GetFont()->Assign(GetFont());
    c->GetFont()->SetColor(clGrayText);
    c->GetFont()->SetStyle({fsBold});
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(14, (HeadingHeight - c->TextHeight("P")) / 2 + 2, "PAGES");
    c->GetPen()->SetColor(ThemePick(TColor(0xE0E0E0), RGB(0x45, 0x45, 0x45), clWhite));
    c->MoveTo(10, HeadingHeight - 4);
    c->LineTo(client.Right - 10, HeadingHeight - 4);

    c->GetFont()->SetStyle({});
    for (int i = 0; i < GetCount(); ++i) {
        TRect r = ItemRect(i);
        bool selected = i == itemIndex_;
        if (selected) {
            c->GetBrush()->SetStyle(bsSolid);
            c->GetBrush()->SetColor(Focused() ? clHighlight : ThemePick(TColor(0xF0E6DA), RGB(0x3F, 0x3F, 0x46), RGB(0x00, 0xFF, 0xFF)));
            c->FillRect(Rect(r.Left + 6, r.Top + 1, r.Right - 6, r.Bottom - 1));
            // An accent bar at the left edge of the chosen page.
            c->GetBrush()->SetColor(ThemePick(TColor(0xB4781E), RGB(0x4C, 0xA6, 0xFF), clBlack));
            c->FillRect(Rect(r.Left + 6, r.Top + 1, r.Left + 9, r.Bottom - 1));
        }
        c->GetBrush()->SetStyle(bsClear);
        c->GetFont()->SetColor(selected && Focused() ? clHighlightText
                           : selected ? ThemePick(clWindowText, clWindowText, clBlack)
                                      : clWindowText);
        c->TextOut(r.Left + 18, r.Top + (r.Height() - c->TextHeight(items_[i])) / 2, items_[i]);
    }
    // The right edge separates the list from the page.
    c->GetPen()->SetColor(ThemePick(TColor(0xD0D0D0), RGB(0x45, 0x45, 0x45), clWhite));
    c->MoveTo(client.Right - 1, 0);
    c->LineTo(client.Right - 1, client.Bottom);
}

void TPageList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus()) SetFocus();
    if (Button == mbLeft && Y >= HeadingHeight) {
        int index = (Y - HeadingHeight) / ItemHeight();
        if (index < GetCount()) SetItemIndex(index);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TPageList::KeyDown(WORD& Key, TShiftState Shift) {
    switch (Key) {
    case VK_UP: SetItemIndex(std::max(0, itemIndex_ - 1)); Key = 0; break;
    case VK_DOWN: SetItemIndex(itemIndex_ + 1); Key = 0; break;
    case VK_HOME: SetItemIndex(0); Key = 0; break;
    case VK_END: SetItemIndex(GetCount() - 1); Key = 0; break;
    default: break;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TPageList::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TPageList::WMSetFocus(TMessage& Message) {
    TCustomControl::WMSetFocus(Message);
    Invalidate();
}

void TPageList::WMKillFocus(TMessage& Message) {
    TCustomControl::WMKillFocus(Message);
    Invalidate();
}

}  // namespace gallery
