// TSpeedButton: states, grouping and the flat look.
#include "platform/controls/buttons/SpeedButton.h"

#include "platform/controls/base/ControlAccessible.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/text/DrawText.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Rounding.h"

namespace vcl {

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>()) {
    SetControlStyle({csCaptureMouse, csDoubleClicks});
    SetBounds(GetLeft(), GetTop(), 23, 22);
    glyph_->SetOnChange([this](TObject*) { Invalidate(); });
}

TSpeedButton::~TSpeedButton() = default;

// ---- properties --------------------------------------------------------------------------

void TSpeedButton::SetGlyph(TBitmap* Value) {
    if (Value == nullptr) glyph_->SetSize(0, 0);
    else glyph_->Assign(Value);
    // A strip of equal square-ish images tells how many states it holds.
    if (Value != nullptr && !glyph_->Empty() && glyph_->GetWidth() % std::max(1, glyph_->GetHeight()) == 0) {
        int n = glyph_->GetWidth() / std::max(1, glyph_->GetHeight());
        if (n >= 1 && n <= 4) numGlyphs_ = n;
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
    Value = std::clamp(Value, 1, 4);
    if (numGlyphs_ == Value) return;
    numGlyphs_ = Value;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value) {
    if (groupIndex_ == Value) return;
    groupIndex_ = Value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
    if (groupIndex_ == 0) Value = false;
    if (Value == down_) return;
    if (down_ && !allowAllUp_) return;   // the last button down of a group stays down
    down_ = Value;
    if (Value) {
        FState = bsExclusive;
    } else {
        FState = bsUp;
    }
    NotifyAccessible(this, aeState, asPressed);
    Repaint();
    if (Value) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
    if (allowAllUp_ == Value) return;
    allowAllUp_ = Value;
    UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
    if (flat_ == Value) return;
    flat_ = Value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
    if (layout_ == Value) return;
    layout_ = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
    if (margin_ == Value || Value < -1) return;
    margin_ = Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
    if (spacing_ == Value) return;
    spacing_ = Value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
    if (transparent_ == Value) return;
    transparent_ = Value;
    Invalidate();
}

// ---- groups ----------------------------------------------------------------------------

// Tells the other buttons of the group that this one went down (and shares AllowAllUp).
// LParam carries the sender as a TControl*, the form every sender of the message uses.
void TSpeedButton::UpdateExclusive() {
    if (groupIndex_ == 0 || GetParent() == nullptr) return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(groupIndex_), reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
    GetParent()->Broadcast(m);
}

void TSpeedButton::ButtonPressed(TSpeedButton* Sender) {
    if (Sender == this || Sender->groupIndex_ != groupIndex_) return;
    if (Sender->down_ && down_) {
        down_ = false;
        FState = bsUp;
        NotifyAccessible(this, aeState, asPressed);
        Invalidate();
    }
    allowAllUp_ = Sender->allowAllUp_;
}

void TSpeedButton::WndProc(TMessage& Message) {
    if (Message.Msg == CM_BUTTONPRESSED) {
        // Other kinds of buttons use the same message for their own groups; only another
        // speed button concerns this one.
        auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam));
        if (sender != nullptr && int(Message.WParam) == groupIndex_) ButtonPressed(sender);
        return;   // Result stays 0 so every button hears it
    }
    TGraphicControl::WndProc(Message);
}

// ---- mouse -------------------------------------------------------------------------------

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && GetEnabled()) {
        if (!down_) {
            FState = bsDown;
            Invalidate();
        }
        FDragging = true;
    }
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    TButtonState next = down_ ? bsExclusive : bsUp;
    if (GetClientRect().Contains({X, Y})) next = down_ ? bsExclusive : bsDown;
    if (next != FState) {
        FState = next;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    bool doClick = GetClientRect().Contains({X, Y});
    if (groupIndex_ == 0) {
        FState = bsUp;
        mouseInControl_ = mouseInControl_ && doClick;
        Invalidate();
    } else if (doClick) {
        SetDown(!down_);
        if (down_) Repaint();
        else if (FState != bsUp) {
            FState = bsExclusive;   // could not go up (last of its group)
            Repaint();
        }
    } else {
        FState = down_ ? bsExclusive : bsUp;
        Invalidate();
    }
    if (doClick) Click();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::WMLButtonDblClk(TMessage& Message) {
    TGraphicControl::WMLButtonDblClk(Message);
    if (down_) DblClick();
}

void TSpeedButton::CMMouseEnter(TMessage& Message) {
    TGraphicControl::CMMouseEnter(Message);
    if (!mouseInControl_ && GetEnabled()) {
        mouseInControl_ = true;
        Invalidate();
    }
}

void TSpeedButton::CMMouseLeave(TMessage& Message) {
    TGraphicControl::CMMouseLeave(Message);
    if (mouseInControl_) {
        mouseInControl_ = false;
        Invalidate();
    }
}

void TSpeedButton::CMEnabledChanged(TMessage& Message) {
    if (!GetEnabled()) {
        mouseInControl_ = false;
        FState = bsDisabled;
    } else {
        FState = down_ ? bsExclusive : bsUp;
    }
    TGraphicControl::CMEnabledChanged(Message);
}

void TSpeedButton::CMTextChanged(TMessage& Message) {
    TGraphicControl::CMTextChanged(Message);
    Invalidate();
}

void TSpeedButton::CMFontChanged(TMessage& Message) {
    TGraphicControl::CMFontChanged(Message);
    Invalidate();
}

// ---- painting ----------------------------------------------------------------------------

void TSpeedButton::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    TCanvas* canvas = GetCanvas();
    TRect r = GetClientRect();
    DrawFace(canvas, r);
    DrawGlyphAndCaption(canvas, r);
}

void TSpeedButton::DrawFace(TCanvas* Canvas, const TRect& R) {
    bool enabled = GetEnabled();
    bool pushed = FState == bsDown || FState == bsExclusive || (down_ && enabled);
    bool hot = mouseInControl_ && enabled;
    if (flat_ && !pushed && !hot) {
        if (!transparent_) look::Fill(Canvas, R, GetColor());
        return;
    }
    TColor face = look::ButtonFace(), border = look::ButtonBorder();
    if (!enabled) {
        face = ThemeColor(trButtonDisabledFace);
        border = ThemeColor(trButtonDisabledBorder);
    } else if (FState == bsDown) {
        face = look::ButtonDownFace();
        border = look::ButtonDownBorder();
    } else if (pushed) {
        // Stays down: a lighter pressed look, brighter while the pointer is over it.
        face = hot ? look::ButtonDownFace() : ThemeColor(trButtonCheckedFace);
        border = look::ButtonDownBorder();
    } else if (hot) {
        face = look::ButtonHotFace();
        border = look::ButtonHotBorder();
    }
    look::Fill(Canvas, R, face);
    look::Frame(Canvas, R, border, ScaledLineWidth(1));
}

int TSpeedButton::GlyphWidth() const {
    if (glyph_->Empty()) return 0;
    return glyph_->GetWidth() / std::max(1, numGlyphs_);
}

void TSpeedButton::DrawGlyph(TCanvas* Canvas, int X, int Y, bool Disabled) {
    int w = GlyphWidth(), h = glyph_->GetHeight();
    if (w <= 0 || h <= 0) return;
    int index = 0;
    if (Disabled && numGlyphs_ > 1) index = 1;
    else if (FState == bsDown && numGlyphs_ > 2) index = 2;
    else if (FState == bsExclusive && numGlyphs_ > 3) index = 3;
    TBitmap part;
    part.SetPixelFormat(pf32bit);
    part.SetSize(w, h);
    part.GetCanvas()->CopyRect(Rect(0, 0, w, h), glyph_->GetCanvas(), Bounds(index * w, 0, w, h));
    TColor transparent = ColorToRGB(glyph_->GetTransparentColor()) & 0xFFFFFF;
    if (Disabled && numGlyphs_ == 1) {
        // No disabled image: an engraved silhouette of the glyph.
        for (int pass = 0; pass < 2; ++pass) {
            TColor c = pass == 0 ? clBtnHighlight : clBtnShadow;
            int d = pass == 0 ? 1 : 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if ((part.GetCanvas()->GetPixels(x, y) & 0xFFFFFF) != transparent)
                        Canvas->SetPixels(X + x + d, Y + y + d, c);
        }
        return;
    }
    part.SetTransparentColor(transparent);
    part.SetTransparent(true);
    Canvas->Draw(X, Y, &part);
}

void TSpeedButton::DrawGlyphAndCaption(TCanvas* Canvas, const TRect& R) {
    bool enabled = GetEnabled();
    Canvas->GetFont()->Assign(GetFont());
    if (!enabled) Canvas->GetFont()->SetColor(look::DisabledText());
    std::string caption = GetCaption();
    TRect textRect;
    DrawText(Canvas, caption, textRect, DT_CALCRECT | DT_SINGLELINE);
    TSize text(caption.empty() ? 0 : textRect.Width(), caption.empty() ? 0 : textRect.Height());
    TSize glyph(GlyphWidth(), glyph_->Empty() ? 0 : glyph_->GetHeight());
    bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    int spacing = (text.cx > 0 && glyph.cx > 0) ? std::max(0, spacing_) : 0;
    int totalW = horizontal ? glyph.cx + spacing + text.cx : std::max(glyph.cx, text.cx);
    int totalH = horizontal ? std::max(glyph.cy, text.cy) : glyph.cy + spacing + text.cy;
    int x0 = R.Left + (R.Width() - totalW) / 2;
    int y0 = R.Top + (R.Height() - totalH) / 2;
    if (margin_ >= 0) {
        if (layout_ == blGlyphLeft) x0 = R.Left + margin_;
        if (layout_ == blGlyphRight) x0 = R.Right - margin_ - totalW;
        if (layout_ == blGlyphTop) y0 = R.Top + margin_;
        if (layout_ == blGlyphBottom) y0 = R.Bottom - margin_ - totalH;
    }
    // A pressed face moves its content one pixel (at 96 dpi) down and right.
    int shift = (FState == bsDown || FState == bsExclusive) ? ScaledMetric(1) : 0;
    TPoint g, t;
    switch (layout_) {
    case blGlyphLeft:
        g = {x0, y0 + (totalH - glyph.cy) / 2};
        t = {x0 + glyph.cx + spacing, y0 + (totalH - text.cy) / 2};
        break;
    case blGlyphRight:
        t = {x0, y0 + (totalH - text.cy) / 2};
        g = {x0 + text.cx + spacing, y0 + (totalH - glyph.cy) / 2};
        break;
    case blGlyphTop:
        g = {x0 + (totalW - glyph.cx) / 2, y0};
        t = {x0 + (totalW - text.cx) / 2, y0 + glyph.cy + spacing};
        break;
    case blGlyphBottom:
        t = {x0 + (totalW - text.cx) / 2, y0};
        g = {x0 + (totalW - glyph.cx) / 2, y0 + text.cy + spacing};
        break;
    }
    if (glyph.cx > 0) DrawGlyph(Canvas, g.X + shift, g.Y + shift, !enabled);
    if (text.cx > 0) {
        Canvas->GetBrush()->SetStyle(bsClear);
        TRect tr = Bounds(t.X + shift, t.Y + shift, text.cx, text.cy);
        DrawText(Canvas, caption, tr, DT_SINGLELINE);
    }
}

void TSpeedButton::ChangeScale(int M, int D) {
    TGraphicControl::ChangeScale(M, D);
    if (margin_ > 0) SetMargin(MulDiv(margin_, M, D));
    if (spacing_ > 0) SetSpacing(MulDiv(spacing_, M, D));
}

}  // namespace vcl
