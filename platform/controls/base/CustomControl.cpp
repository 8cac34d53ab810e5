// TGraphicControl and TCustomControl: where the framework's painting reaches a component's
// Paint.
#include "platform/controls/base/CustomControl.h"

#include <algorithm>

#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/forms/Form.h"
#include "platform/runtime/Exceptions.h"

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Canvas.h"

namespace vcl {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::WMPaint(TMessage& Message) {
    (void)Message;
    Paint();
}

// ---- keyboard focus without a window -------------------------------------------------------

void TGraphicControl::SetKeyboardFocusable(bool Value) {
    if (keyboardFocusable_ == Value) return;
    keyboardFocusable_ = Value;
    TWinControl* parent = GetParent();
    if (parent == nullptr) return;
    auto& list = parent->tabList_;
    if (Value) {
        list.push_back(this);
    } else {
        if (Focused()) parent->SelectNext(this, true, true);
        if (Focused()) input::MoveFocusToControl(parent);
        if (parent->focusChild_ == this) parent->focusChild_ = nullptr;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

int TGraphicControl::GetTabOrder() const {
    if (GetParent() == nullptr) return -1;
    auto& list = GetParent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TGraphicControl::SetTabOrder(int Value) {
    if (GetParent() == nullptr) return;
    auto& list = GetParent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    Value = std::clamp(Value, 0, int(list.size()));
    list.insert(list.begin() + Value, this);
}

bool TGraphicControl::CanFocus() const {
    if (!keyboardFocusable_ || GetParent() == nullptr) return false;
    if (!GetVisible() || !GetEnabled()) return false;
    return GetParent()->CanFocus() || GetParent() == GetParentForm(this);
}

bool TGraphicControl::Focused() const {
    TWinControl* parent = GetParent();
    return parent != nullptr && parent->focusChild_ == this && parent->Focused();
}

void TGraphicControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible control");
    TCustomForm* form = GetParentForm(this);
    if (form == nullptr) return;
    form->RecordActiveControl(GetParent() == form ? nullptr : GetParent());
    TCustomForm* active = Screen->GetActiveForm();
    if (active == form || active == nullptr || !active->GetVisible()) {
        input::MoveFocusToControl(this);
    } else {
        // The form is not the active one: the control gets the keyboard when it is.
        GetParent()->focusChild_ = this;
    }
}

void TGraphicControl::DoEnter() {
    if (FOnEnter) FOnEnter(this);
}

void TGraphicControl::DoExit() {
    if (FOnExit) FOnExit(this);
}

void TGraphicControl::KeyDown(WORD& Key, TShiftState Shift) {
    if (FOnKeyDown) FOnKeyDown(this, Key, Shift);
}

void TGraphicControl::KeyPress(char32_t& Key) {
    if (FOnKeyPress) FOnKeyPress(this, Key);
}

void TGraphicControl::KeyUp(WORD& Key, TShiftState Shift) {
    if (FOnKeyUp) FOnKeyUp(this, Key, Shift);
}

void TGraphicControl::WndProc(TMessage& M) {
    if (keyboardFocusable_) {
        switch (M.Msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            if (GetControlStyle().Contains(csNoStdEvents)) return;
            WORD key = WORD(M.WParam);
            if (M.Msg == WM_KEYDOWN || M.Msg == WM_SYSKEYDOWN) KeyDown(key, KeyMessageShift(M));
            else KeyUp(key, KeyMessageShift(M));
            M.WParam = key;
            if (key == 0) M.Result = 1;
            return;
        }
        case WM_CHAR: {
            if (GetControlStyle().Contains(csNoStdEvents)) return;
            char32_t ch = char32_t(M.WParam);
            KeyPress(ch);
            M.WParam = ch;
            if (ch == 0) M.Result = 1;
            return;
        }
        case WM_SYSCHAR: return;
        case WM_GETDLGCODE: M.Result = DialogCode(); return;
        case CM_WANTSPECIALKEY: M.Result = 0; return;
        case CM_ENTER:
            Invalidate();
            DoEnter();
            return;
        case CM_EXIT:
            Invalidate();
            DoExit();
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // A press gives the control the keyboard before the press is handled.
            if (!Focused() && CanFocus()) SetFocus();
            break;
        case CM_ENABLEDCHANGED:
        case CM_VISIBLECHANGED:
            TControl::WndProc(M);
            if ((!GetEnabled() || !GetVisible()) && Focused()) {
                // The keyboard moves on to the next control, or back to the window.
                if (TCustomForm* form = GetParentForm(this)) form->SelectNext(this, true, true);
                if (Focused()) input::MoveFocusToControl(GetParent());
            }
            return;
        default:
            break;
        }
    }
    TControl::WndProc(M);
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomControl::PaintWindow(TCanvas* Canvas) {
    TWinControl::PaintWindow(Canvas);
    Paint();
}

}  // namespace vcl
