// TButton and TCheckBox: push button and check box with keyboard and mouse handling.
#include "platform/controls/buttons/Button.h"

#include "platform/controls/base/ControlAccessible.h"

#include "platform/controls/base/Control.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/text/DrawText.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// =========================================================================================
TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle({csSetCaption, csDoubleClicks, csCaptureMouse});
    SetTabStop(true);
}

void TButtonControl::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON; }

void TButtonControl::DoEnter() {
    Invalidate();
    TWinControl::DoEnter();
}

void TButtonControl::DoExit() {
    Invalidate();
    TWinControl::DoExit();
}

void TButtonControl::DrawFocus(TCanvas* Canvas, const TRect& R) {
    if (!Focused()) return;
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(clWhite);
    Canvas->GetFont()->SetColor(clBlack);
    // As many nested dotted lines as a line is wide at this density, each drawn once.
    const int width = ScaledLineWidth(1);
    for (int k = 0; k < width && R.Width() > 2 * k && R.Height() > 2 * k; ++k)
        Canvas->DrawFocusRect(Rect(R.Left + k, R.Top + k, R.Right - k, R.Bottom - k));
}

// =========================================================================================
TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(GetLeft(), GetTop(), 75, 25);
    SetColor(clBtnFace);
}

void TButton::SetDefault(bool Value) {
    if (default_ == Value) return;
    default_ = Value;
    Invalidate();
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

void TButtonControl::CMDialogChar(TMessage& Message) {
    if (IsAccel(char32_t(Message.WParam), GetCaption()) && CanFocus()) {
        SetFocus();
        Accelerate();
        Message.Result = 1;
        return;
    }
    TWinControl::CMDialogChar(Message);
}

void TButton::WndProc(TMessage& Message) {
    if (Message.Msg == CM_FOCUSCHANGED) Invalidate();
    TButtonControl::WndProc(Message);
}

void TButton::CMDialogKey(TMessage& Message) {
    TWinControl* focused = Screen->GetActiveControl();
    bool active = dynamic_cast<TButton*>(focused) != nullptr ? focused == this : default_;
    bool plain = !KeyboardStateToShiftState().Contains(ssShift) &&
                 !KeyboardStateToShiftState().Contains(ssCtrl) &&
                 !KeyboardStateToShiftState().Contains(ssAlt);
    if (plain && ((Message.WParam == VK_RETURN && active) || (Message.WParam == VK_ESCAPE && cancel_)) &&
        GetVisible() && IsEnabledInTree()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogKey(Message);
}

void TButton::KeyDown(WORD& Key, TShiftState Shift) {
    TButtonControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && !spaceDown_) {
        spaceDown_ = true;
        pressed_ = true;
        Invalidate();
    }
}

void TButton::KeyUp(WORD& Key, TShiftState Shift) {
    TButtonControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        pressed_ = false;
        Invalidate();
        Click();
    }
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TButtonControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (!Focused() && CanFocus()) SetFocus();
    tracking_ = true;
    pressed_ = true;
    Invalidate();
}

void TButton::MouseMove(TShiftState Shift, int X, int Y) {
    TButtonControl::MouseMove(Shift, X, Y);
    if (!tracking_) return;
    bool inside = GetClientRect().Contains({X, Y});
    if (inside != pressed_) {
        pressed_ = inside;
        Invalidate();
    }
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    bool click = Button == mbLeft && tracking_ && GetClientRect().Contains({X, Y});
    if (Button == mbLeft && tracking_) {
        tracking_ = false;
        pressed_ = false;
        Invalidate();
    }
    TButtonControl::MouseUp(Button, Shift, X, Y);
    if (click) Click();
}

void TButton::CMMouseEnter(TMessage& Message) {
    hot_ = true;
    Invalidate();
    TButtonControl::CMMouseEnter(Message);
}

void TButton::CMMouseLeave(TMessage& Message) {
    hot_ = false;
    Invalidate();
    TButtonControl::CMMouseLeave(Message);
}

void TButton::PaintWindow(TCanvas* Canvas) {
    TRect r = GetClientRect();
    bool enabled = IsEnabledInTree();
    TWinControl* focused = Screen->GetActiveControl();
    bool isDefault = dynamic_cast<TButton*>(focused) != nullptr ? focused == this : default_;
    TColor face = look::ButtonFace(), border = look::ButtonBorder();
    if (!enabled) {
        face = ThemeColor(trButtonDisabledFace);
        border = ThemeColor(trButtonDisabledBorder);
    } else if (pressed_) {
        face = look::ButtonDownFace();
        border = look::ButtonDownBorder();
    } else if (hot_) {
        face = look::ButtonHotFace();
        border = look::ButtonHotBorder();
    } else if (isDefault) {
        border = look::Accent();
    }
    const int line = ScaledLineWidth(1);
    look::Fill(Canvas, r, face);
    look::Frame(Canvas, r, border, line);
    if (isDefault && enabled && !pressed_) {
        TRect inner = r;
        inner.Inflate(-line, -line);
        look::Frame(Canvas, inner, border, line);
    }
    Canvas->GetFont()->Assign(GetFont());
    if (!enabled) Canvas->GetFont()->SetColor(look::DisabledText());
    Canvas->GetBrush()->SetStyle(bsClear);
    TRect text = r;
    DrawText(Canvas, GetCaption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Three pixels inside the edge at 96 dpi: clear of the default button's double border
    // at every density.
    TRect focus = r;
    focus.Inflate(-ScaledMetric(3), -ScaledMetric(3));
    DrawFocus(Canvas, focus);
}

// =========================================================================================
TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(GetLeft(), GetTop(), 97, 17);
}

void TCheckBox::SetState(TCheckBoxState Value) {
    if (state_ == Value) return;
    state_ = Value;
    Invalidate();
    NotifyAccessible(this, aeState, asChecked);
    Click();
}

void TCheckBox::SetAlignment(TAlignment Value) {
    if (alignment_ == Value) return;
    alignment_ = Value;
    Invalidate();
}

void TCheckBox::Toggle() {
    switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TCheckBox::Click() { TButtonControl::Click(); }

void TCheckBox::KeyPress(char32_t& Key) {
    TButtonControl::KeyPress(Key);
    if (Key == U' ') Toggle();
}

void TCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TButtonControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (!Focused() && CanFocus()) SetFocus();
    pressed_ = true;
    Invalidate();
}

void TCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    bool toggle = Button == mbLeft && pressed_ && GetClientRect().Contains({X, Y});
    if (Button == mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TButtonControl::MouseUp(Button, Shift, X, Y);
    if (toggle) Toggle();
}

void TCheckBox::PaintWindow(TCanvas* Canvas) {
    TButtonControl::PaintWindow(Canvas);   // parent-coloured background
    TRect r = GetClientRect();
    bool enabled = IsEnabledInTree();
    // A 13-pixel box at 96 dpi; box, border, tick and gaps grow with the form's density.
    const int box = ScaledMetric(13), line = ScaledLineWidth(1);
    auto m = [this](int v) { return ScaledMetric(v); };
    int boxLeft = alignment_ == taRightJustify ? 0 : r.Right - box;
    TRect b = Bounds(boxLeft, (r.Height() - box) / 2, box, box);
    look::Fill(Canvas, b, pressed_ ? look::ButtonDownFace() : enabled ? ThemeColor(trWindow) : look::Face());
    look::Frame(Canvas, b, !enabled ? look::BorderDisabled() : pressed_ ? look::ButtonDownBorder() : look::Border(), line);
    TColor mark = enabled ? ThemeColor(trCheckMark) : look::DisabledText();
    if (state_ == cbChecked) {
        // A tick: down-right from the left, then up to the top-right; two pixels thick at
        // 96 dpi, drawn as that many one-pixel strokes one below the other.
        TCanvasStateSaver saved(Canvas);
        Canvas->GetPen()->SetColor(mark);
        for (int d = 0; d < m(2); ++d) {
            Canvas->MoveTo(b.Left + m(3), b.Top + m(5) + d);
            Canvas->LineTo(b.Left + m(5), b.Top + m(7) + d);
            Canvas->LineTo(b.Left + m(10), b.Top + m(2) + d);
        }
    } else if (state_ == cbGrayed) {
        look::Fill(Canvas, Rect(b.Left + m(3), b.Top + m(3), b.Right - m(3), b.Bottom - m(3)), mark);
    }
    Canvas->GetFont()->Assign(GetFont());
    if (!enabled) Canvas->GetFont()->SetColor(look::DisabledText());
    Canvas->GetBrush()->SetStyle(bsClear);
    TRect text = alignment_ == taRightJustify ? Rect(box + m(4), 0, r.Right, r.Bottom) : Rect(0, 0, boxLeft - m(4), r.Bottom);
    TRect measured = text;
    DrawText(Canvas, GetCaption(), measured, DT_SINGLELINE | DT_CALCRECT);
    DrawText(Canvas, GetCaption(), text, DT_SINGLELINE | DT_VCENTER);
    if (Focused()) {
        int th = measured.Height();
        const int gap = ScaledMetric(1);   // the dotted line just clear of the caption
        TRect focus = Rect(text.Left - gap, (r.Height() - th) / 2 - gap, text.Left + measured.Width() + gap,
                           (r.Height() - th) / 2 + th + gap);
        DrawFocus(Canvas, focus);
    }
}

}  // namespace vcl
