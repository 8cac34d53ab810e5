// TCustomLabel: a caption drawn on the parent's surface, optionally sized to its text.
#include "platform/controls/buttons/Label.h"

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/text/DrawText.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {

int AlignmentFlags(TAlignment A) {
    switch (A) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
    }
}

}  // namespace

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetControlStyle(GetControlStyle() | TControlStyle{csOpaque, csReplicatable});
    SetBounds(GetLeft(), GetTop(), 65, 17);
    InitAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (alignment_ == Value) return;
    alignment_ = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (layout_ == Value) return;
    layout_ = Value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
    if (GetAutoSize() == Value) return;
    TGraphicControl::SetAutoSize(Value);
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (wordWrap_ == Value) return;
    wordWrap_ = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
    if (transparent_ == Value) return;
    transparent_ = Value;
    TControlStyle style = GetControlStyle();
    if (Value) style.Exclude(csOpaque);
    else style.Include(csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (showAccelChar_ == Value) return;
    showAccelChar_ = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
    if (focusControl_ == Value) return;
    if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
    focusControl_ = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect& Rect, int Flags) {
    std::string text = GetLabelText();
    // Measuring an empty caption (or a lone accelerator mark) still gives one line.
    if ((Flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
    if (!showAccelChar_) Flags |= DT_NOPREFIX;
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    if (!GetEnabled() && !(Flags & DT_CALCRECT)) {
        Rect.Offset(1, 1);
        canvas->GetFont()->SetColor(clBtnHighlight);
        DrawText(canvas, text, Rect, Flags);
        Rect.Offset(-1, -1);
        canvas->GetFont()->SetColor(clBtnShadow);
        DrawText(canvas, text, Rect, Flags);
    } else {
        DrawText(canvas, text, Rect, Flags);
    }
}

void TCustomLabel::Paint() {
    TCanvas* canvas = GetCanvas();
    if (!transparent_) {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->FillRect(GetClientRect());
    }
    canvas->GetBrush()->SetStyle(bsClear);
    TRect r = GetClientRect();
    int flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | AlignmentFlags(alignment_);
    if (layout_ != tlTop) {
        TRect calc = r;
        DoDrawText(calc, flags | DT_CALCRECT);
        if (layout_ == tlBottom) r.Offset(0, GetHeight() - calc.Bottom);
        else r.Offset(0, (GetHeight() - calc.Bottom) / 2);
    }
    DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
    if (GetComponentState().Contains(csReading) || GetComponentState().Contains(csLoading) || !GetAutoSize())
        return;
    TRect r = GetClientRect();
    DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
    int x = GetLeft();
    if (alignment_ == taRightJustify) x += GetWidth() - r.Right;
    SetBounds(x, GetTop(), r.Right, r.Bottom);
}

void TCustomLabel::CMTextChanged(TMessage& Message) {
    TGraphicControl::CMTextChanged(Message);
    Invalidate();
    AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message) {
    TGraphicControl::CMFontChanged(Message);
    AdjustBounds();
}

void TCustomLabel::CMDialogChar(TMessage& Message) {
    if (focusControl_ != nullptr && GetEnabled() && showAccelChar_ &&
        IsAccel(char32_t(Message.WParam), GetCaption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        Message.Result = 1;
    }
}

void TCustomLabel::WndProc(TMessage& Message) {
    if (Message.Msg == CM_DIALOGCHAR) {
        CMDialogChar(Message);
        return;
    }
    TGraphicControl::WndProc(Message);
}

TLabel::TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}

}  // namespace vcl
