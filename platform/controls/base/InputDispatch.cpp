// The input dispatcher (see InputDispatch.h).
#include "platform/controls/base/InputDispatch.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/DragEngine.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/HintWindow.h"
#include "platform/core/Application.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {

struct State {
    TShiftState modifiers;
    TControl* pointer = nullptr;        // control under the pointer
    TCustomForm* pointerForm = nullptr;
    // Last press, for double clicks.
    TControl* lastPressTarget = nullptr;
    TMouseButton lastPressButton = mbLeft;
    TPoint lastPressPoint;
    std::int64_t lastPressTime = 0;
    bool lastPressValid = false;
    bool lastWasDouble = false;
    TShiftState buttons;                // buttons held now
    bool suppressChar = false;
    std::vector<TCustomForm*> modal;
};

// Made once and never freed: a control freed after the program's static objects (one
// held in a static smart pointer) still finds it.
State& S() {
    static State& s = *new State;
    return s;
}

TPoint ToClient(TCustomForm* Form, TControl* Target, TPoint P) {
    return Target == Form ? P : Target->ParentToClient(P, Form);
}

// Whether Local (client coordinates of Control) lies on the control's frame: the frame
// takes no client mouse messages, as a window's non-client area does not.
bool OnFrame(TControl* Control, TPoint Local) {
    return !(Control->NonClientInsets() == TRect()) && !Control->GetClientRect().Contains(Local);
}

// The deepest enabled control under P (form client coordinates).
TControl* ControlAt(TCustomForm* Form, TPoint P) {
    TControl* hit = Form;
    TWinControl* container = Form;
    TPoint local = P;
    for (;;) {
        TControl* child = container->ControlAtPos(local, true);
        if (child == nullptr) break;
        if (!child->GetEnabled()) break;   // a disabled control swallows nothing: its parent gets it
        TRect in = child->NonClientInsets();
        local = {local.X - child->GetLeft() - in.Left, local.Y - child->GetTop() - in.Top};
        hit = child;
        auto* w = dynamic_cast<TWinControl*>(child);
        if (w == nullptr || !w->GetClientRect().Contains(local)) break;   // on its frame
        container = w;
    }
    return hit;
}

void SetPointer(TControl* Control, TCustomForm* Form) {
    State& s = S();
    if (s.pointer == Control) return;
    TControl* old = s.pointer;
    s.pointer = Control;
    s.pointerForm = Form;
    if (old != nullptr) old->Perform(CM_MOUSELEAVE, 0, 0);
    // The leave handler may have moved things; only enter what is still under the pointer.
    if (s.pointer == Control && Control != nullptr) Control->Perform(CM_MOUSEENTER, 0, 0);
    if (Screen != nullptr) Screen->UpdateCursor(s.pointer);
}

// A designed control (csDesigning) is only drawn: a designer works on it from outside, so
// no pointer or key message reaches it.
bool Designed(const TControl* C) { return C != nullptr && C->GetComponentState().Contains(csDesigning); }

WPARAM MouseKeys(TShiftState Shift) { return ShiftStateToKeys(Shift); }

TShiftState ButtonFlag(TMouseButton B) {
    switch (B) {
    case mbLeft: return {ssLeft};
    case mbRight: return {ssRight};
    default: return {ssMiddle};
    }
}

UINT ButtonMessage(TMouseButton B, bool Down, bool Double) {
    UINT base = B == mbLeft ? WM_LBUTTONDOWN : B == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    if (!Down) return base + 1;
    return Double ? base + 2 : base;
}

TWinControl* KeyTarget(TCustomForm* Form) {
    TWinControl* focused = Screen != nullptr ? Screen->GetActiveControl() : nullptr;
    if (focused != nullptr && GetParentForm(focused) == Form) return focused;
    return Form;
}

// Keys for which a window backend reports a typed character after the key.
bool MakesCharacter(WORD Key) {
    return Key == VK_SPACE || (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z') ||
           (Key >= VK_NUMPAD0 && Key <= VK_DIVIDE) || (Key >= VK_OEM_1 && Key <= VK_OEM_7);
}

LPARAM KeyData(bool Down, bool Repeat, TShiftState Shift) {
    LPARAM lp = 1;
    if (Shift.Contains(ssAlt)) lp |= LPARAM(1) << 29;
    if (Repeat || !Down) lp |= LPARAM(1) << 30;
    if (!Down) lp |= LPARAM(1) << 31;
    return lp;
}

}  // namespace

TShiftState KeyboardStateToShiftState() { return S().modifiers | S().buttons; }

TShiftState KeyMessageShift(const TMessage& M) {
    TShiftState s = KeyboardStateToShiftState();
    if (M.LParam & (LPARAM(1) << 29)) s.Include(ssAlt);
    return s;
}

namespace input {

void SetModifierState(TShiftState Shift) {
    TShiftState m;
    if (Shift.Contains(ssShift)) m.Include(ssShift);
    if (Shift.Contains(ssCtrl)) m.Include(ssCtrl);
    if (Shift.Contains(ssAlt)) m.Include(ssAlt);
    S().modifiers = m;
}

void ResetClickSequence() { S().lastPressValid = false; }

bool FormAcceptsInput(TCustomForm* Form) {
    auto& modal = S().modal;
    if (modal.empty()) return true;
    return Form == modal.back();
}

void PushModal(TCustomForm* Form) { S().modal.push_back(Form); }

void PopModal(TCustomForm* Form) {
    auto& modal = S().modal;
    modal.erase(std::remove(modal.begin(), modal.end(), Form), modal.end());
}

TControl* PointerControl() { return S().pointer; }

void ForgetControl(TControl* Control) {
    hints::Forget(Control);
    State& s = S();
    auto inside = [Control](TControl* c) {
        if (c == nullptr) return false;
        if (c == Control) return true;
        auto* w = dynamic_cast<TWinControl*>(Control);
        return w != nullptr && w->ContainsControl(c);
    };
    if (inside(s.pointer)) {
        s.pointer = nullptr;
        if (Screen != nullptr) Screen->UpdateCursor(nullptr);
    }
    if (s.pointerForm == Control) s.pointerForm = nullptr;
    if (inside(s.lastPressTarget)) {
        s.lastPressTarget = nullptr;
        s.lastPressValid = false;
    }
    if (inside(GetCaptureControl())) SetCaptureControl(nullptr);
    if (auto* form = dynamic_cast<TCustomForm*>(Control)) PopModal(form);
}

void MoveFocus(TWinControl* New) {
    if (Screen == nullptr) return;
    TWinControl* old = Screen->GetActiveControl();
    if (old == New) return;
    // A graphic control holding the keyboard through the old window leaves with it.
    TControl* oldChild = old != nullptr ? old->GetFocusedChild() : nullptr;
    Screen->SetFocusedControl(New);
    auto handleOf = [](TWinControl* w) -> WPARAM {
        return w != nullptr && w->HandleAllocated() ? reinterpret_cast<WPARAM>(w->GetHandle()) : 0;
    };
    if (old != nullptr) old->Perform(WM_KILLFOCUS, handleOf(New), 0);
    if (New != nullptr) {
        if (TCustomForm* form = GetParentForm(New); form != nullptr && form != New)
            form->RecordActiveControl(New);
        New->Perform(WM_SETFOCUS, handleOf(old), 0);
    }
    if (oldChild != nullptr) {
        if (Screen->GetActiveControl() != New) return;
        oldChild->Perform(CM_EXIT, 0, 0);
    }
    // Exit the old chain up to the common ancestor, then enter the new one from the top.
    std::vector<TWinControl*> newChain;
    for (TWinControl* c = New; c != nullptr; c = c->GetParent()) newChain.push_back(c);
    std::size_t common = newChain.size();
    for (TWinControl* c = old; c != nullptr; c = c->GetParent()) {
        auto it = std::find(newChain.begin(), newChain.end(), c);
        if (it != newChain.end()) {
            common = std::size_t(it - newChain.begin());
            break;
        }
        if (Screen->GetActiveControl() != New) return;   // a handler moved the focus on
        c->Perform(CM_EXIT, 0, 0);
    }
    for (std::size_t i = common; i-- > 0;) {
        if (Screen->GetActiveControl() != New) return;
        newChain[i]->Perform(CM_ENTER, 0, 0);
    }
    if (New != nullptr && Screen->GetActiveControl() == New && New->GetFocusedChild() != nullptr)
        New->GetFocusedChild()->Perform(CM_ENTER, 0, 0);
}

TControl* FocusedControl() {
    TWinControl* focused = Screen != nullptr ? Screen->GetActiveControl() : nullptr;
    if (focused != nullptr && focused->GetFocusedChild() != nullptr) return focused->GetFocusedChild();
    return focused;
}

void MoveFocusToControl(TControl* New) {
    if (Screen == nullptr) return;
    auto* window = dynamic_cast<TWinControl*>(New);
    TWinControl* host = window != nullptr ? window : New != nullptr ? New->GetParent() : nullptr;
    if (New != nullptr && host == nullptr) return;
    TControl* child = window != nullptr ? nullptr : New;
    TWinControl* old = Screen->GetActiveControl();
    if (old != nullptr && old == host) {
        // The same window keeps the focus: only the keyboard moves among its children.
        TControl* oldChild = host->focusChild_;
        if (oldChild == child) return;
        host->focusChild_ = child;
        host->Invalidate();
        if (oldChild != nullptr) oldChild->Perform(CM_EXIT, 0, 0);
        if (child != nullptr && host->focusChild_ == child && Screen->GetActiveControl() == host)
            child->Perform(CM_ENTER, 0, 0);
        return;
    }
    if (host != nullptr) host->focusChild_ = child;
    MoveFocus(host);
}

void DropFocus(TWinControl* Control) {
    if (Screen == nullptr || Control == nullptr) return;
    TWinControl* focused = Screen->GetActiveControl();
    if (focused == nullptr || !Control->ContainsControl(focused)) return;
    Screen->SetFocusedControl(nullptr);
    focused->Perform(WM_KILLFOCUS, 0, 0);
}

void MouseMove(TCustomForm* Form, TPoint P, TShiftState Shift) {
    if (Form == nullptr) return;
    SetModifierState(Shift);
    State& s = S();
    // A drag under way takes the pointer (the first move past the threshold starts it).
    if (DragEngine::MouseMove(Form, P)) return;
    TControl* under = FormAcceptsInput(Form) && !Designed(Form) ? ControlAt(Form, P) : nullptr;
    SetPointer(under, Form);
    hints::PointerMoved(under, Form->ClientToScreen(P), !s.buttons.Empty());
    TControl* target = GetCaptureControl();
    if (target != nullptr && GetParentForm(target) != Form) target = nullptr;
    bool captured = target != nullptr;
    if (target == nullptr) target = under;
    if (target == nullptr) return;
    TPoint local = ToClient(Form, target, P);
    if ((!captured && OnFrame(target, local)) || Designed(target)) return;
    target->Perform(WM_MOUSEMOVE, MouseKeys(Shift | s.buttons), MAKELPARAM(local.X, local.Y));
}

void MouseButton(TCustomForm* Form, TMouseButton Button, bool Down, TPoint P, TShiftState Shift) {
    if (Form == nullptr) return;
    SetModifierState(Shift);
    State& s = S();
    if (DragEngine::MouseButton(Form, Button, Down, P)) {
        if (Down) s.buttons |= ButtonFlag(Button);
        else s.buttons -= ButtonFlag(Button);
        return;
    }
    if (Down && !FormAcceptsInput(Form)) {
        // A press outside the modal window: menus close, other modal forms just beep.
        TCustomForm* top = s.modal.back();
        if (top->Perform(CM_CANCELMODE, 0, 0) == 0) MessageBeep(0);
        return;
    }
    TControl* under = Designed(Form) ? nullptr : ControlAt(Form, P);
    SetPointer(under, Form);
    TControl* target = GetCaptureControl();
    if (target != nullptr && GetParentForm(target) != Form) target = nullptr;
    bool captured = target != nullptr;
    if (target == nullptr) target = under;
    if (Down) {
        s.buttons |= ButtonFlag(Button);
        hints::Cancel();
    } else {
        s.buttons -= ButtonFlag(Button);
    }
    if (target == nullptr || Designed(target)) return;
    if (!captured && OnFrame(target, ToClient(Form, target, P))) return;

    bool isDouble = false;
    if (Down) {
        std::int64_t now = Application->GetClockMs();
        isDouble = s.lastPressValid && !s.lastWasDouble && s.lastPressTarget == target &&
                   s.lastPressButton == Button && now - s.lastPressTime <= DoubleClickTimeMs &&
                   std::abs(P.X - s.lastPressPoint.X) <= DoubleClickDistance / 2 &&
                   std::abs(P.Y - s.lastPressPoint.Y) <= DoubleClickDistance / 2;
        s.lastPressValid = true;
        s.lastWasDouble = isDouble;
        s.lastPressTarget = target;
        s.lastPressButton = Button;
        s.lastPressPoint = P;
        s.lastPressTime = now;
    }
    TPoint local = ToClient(Form, target, P);
    WPARAM keys = MouseKeys(Shift | s.buttons);
    target->Perform(ButtonMessage(Button, Down, isDouble), keys, MAKELPARAM(local.X, local.Y));
}

void MouseWheel(TCustomForm* Form, int Delta, TPoint P, TShiftState Shift) {
    if (Form == nullptr || !FormAcceptsInput(Form)) return;
    SetModifierState(Shift);
    hints::Cancel();
    TControl* target = GetCaptureControl();
    if (target == nullptr || GetParentForm(target) != Form) target = ControlAt(Form, P);
    if (target == nullptr || Designed(target)) return;
    TPoint screen = Form->ClientToScreen(P);
    WPARAM wp = MAKEWPARAM(int(MouseKeys(Shift | S().buttons)), Delta);
    target->Perform(CM_MOUSEWHEEL, wp, MAKELPARAM(screen.X, screen.Y));
}

void MouseLeaveWindow(TCustomForm* Form) {
    if (S().pointerForm == Form) {
        SetPointer(nullptr, nullptr);
        hints::PointerMoved(nullptr, TPoint(), false);
    }
}

bool Key(TCustomForm* Form, WORD VirtualKey, bool Down, TShiftState Shift, bool Repeat) {
    if (Form == nullptr || !FormAcceptsInput(Form) || Designed(Form) || Designed(KeyTarget(Form))) return false;
    SetModifierState(Shift);
    State& s = S();
    // Escape cancels a drag under way (and types no character).
    if (DragEngine::Key(VirtualKey, Down)) return true;
    TWinControl* target = KeyTarget(Form);
    LPARAM data = KeyData(Down, Repeat, Shift);
    bool alt = Shift.Contains(ssAlt);
    if (!Down) {
        target->Perform(alt ? WM_SYSKEYUP : WM_KEYUP, VirtualKey, data);
        return false;
    }
    s.suppressChar = false;
    hints::Cancel();
    // A parent may take the key first.
    if (target->Perform(CM_CHILDKEY, VirtualKey, reinterpret_cast<LPARAM>(target)) != 0) {
        // The character this key would type is not delivered either.
        s.suppressChar = MakesCharacter(VirtualKey);
        return true;
    }
    LRESULT mask = 0;
    switch (VirtualKey) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask != 0 && target->Perform(CM_WANTSPECIALKEY, VirtualKey, 0) == 0 &&
        (target->Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 &&
        Form->Perform(CM_DIALOGKEY, VirtualKey, data) != 0) {
        return true;
    }
    // The target may have gone (a dialog key closed the form, a handler freed it).
    target = KeyTarget(Form);
    target->Perform(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, VirtualKey, data);
    // The keys that make control characters produce them as the system's key translation
    // does, even when KeyDown cleared the key.
    // Alt with a letter or digit makes a system character (accelerators of labels).
    if (alt && !Shift.Contains(ssCtrl) &&
        ((VirtualKey >= 'A' && VirtualKey <= 'Z') || (VirtualKey >= '0' && VirtualKey <= '9'))) {
        Char(Form, VirtualKey >= 'A' && VirtualKey <= 'Z' ? char32_t(VirtualKey + 32) : char32_t(VirtualKey));
    }
    if (!Shift.Contains(ssCtrl) && !alt) {
        switch (VirtualKey) {
        case VK_BACK: Char(Form, 8); break;
        case VK_TAB: Char(Form, 9); break;
        case VK_RETURN: Char(Form, 13); break;
        case VK_ESCAPE: Char(Form, 27); break;
        default: break;
        }
    }
    return false;
}

void Char(TCustomForm* Form, char32_t Ch) {
    if (Form == nullptr || !FormAcceptsInput(Form) || Designed(Form) || Designed(KeyTarget(Form))) return;
    State& s = S();
    if (s.suppressChar) {
        s.suppressChar = false;
        return;
    }
    TWinControl* target = KeyTarget(Form);
    if (s.modifiers.Contains(ssAlt)) {
        // Alt+letter: accelerators of labels and buttons first.
        if (Form->Perform(CM_DIALOGCHAR, Ch, 0) != 0) return;
        target->Perform(WM_SYSCHAR, Ch, LPARAM(1) << 29);
        return;
    }
    target->Perform(WM_CHAR, Ch, 1);
}

}  // namespace input
}  // namespace vcl
