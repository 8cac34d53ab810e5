// The input dispatcher: what every backend calls with the input of a top-level window.
//
// Points are client coordinates of the form. The dispatcher turns the events into the
// messages a control's window procedure expects: it finds the control under the pointer
// (or the one holding the capture), sends enter/leave notifications, recognises double
// clicks by time and distance, gives wheel steps to the control under the pointer, and
// routes keys to the focused control after the form's dialog handling (Tab, arrows,
// Enter and Escape go to focus navigation and default buttons unless the control asks for
// them through WM_GETDLGCODE).
#pragma once

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Geometry.h"

namespace vcl {
class TCustomForm;

// Shift state of the keyboard and mouse buttons now (kept from the last input event): what
// a key message's handler sees as Shift, Ctrl, Alt and the buttons held.
TShiftState KeyboardStateToShiftState();
// The shift state a key message's handler is given: the keyboard's, with Alt from the
// message itself (bit 29 of LParam, set on system keys).
TShiftState KeyMessageShift(const TMessage& M);

namespace input {

void MouseMove(TCustomForm* Form, TPoint P, TShiftState Shift);
void MouseButton(TCustomForm* Form, TMouseButton Button, bool Down, TPoint P, TShiftState Shift);
// Delta in wheel units (120 per notch, positive away from the user).
void MouseWheel(TCustomForm* Form, int Delta, TPoint P, TShiftState Shift);
// The pointer left the window.
void MouseLeaveWindow(TCustomForm* Form);
// A key went down or up. Keys that make a control character (Backspace, Tab, Enter,
// Escape) produce their character after the key-down unless the form used the key for
// navigation or a dialog button. Returns true when the form used it that way.
bool Key(TCustomForm* Form, WORD VirtualKey, bool Down, TShiftState Shift, bool Repeat = false);
// A character typed (a code point).
void Char(TCustomForm* Form, char32_t Ch);
// The next press starts a new click sequence (no double click with the previous one).
void ResetClickSequence();
// Modifier keys held now (kept from the last input event).
void SetModifierState(TShiftState Shift);
// The form that takes input now: the innermost modal form, or any form when none is modal.
bool FormAcceptsInput(TCustomForm* Form);
void PushModal(TCustomForm* Form);
void PopModal(TCustomForm* Form);

}  // namespace input

// The bookkeeping of input (capture, pointer, focus) that must forget a control when it dies.
namespace input {
// Forgets a control that is being destroyed or leaves its form.
void ForgetControl(TControl* Control);
// The control under the pointer, or nullptr.
TControl* PointerControl();
// Sets the global focus from Old to New (WM_KILLFOCUS / WM_SETFOCUS, enter/exit). The
// graphic child New last gave the keyboard to (GetFocusedChild) gets it back.
void MoveFocus(TWinControl* New);
// The control that has the keyboard: a focusable graphic control or the focused window.
TControl* FocusedControl();
// Moves the keyboard to New, windowed or a focusable graphic control (whose parent then
// takes the real focus); enter/exit in order: the old graphic control's exit, the old
// windows' exits up to the common ancestor, the new windows' enters, the new graphic
// control's enter. nullptr takes the focus away.
void MoveFocusToControl(TControl* New);
// Takes the focus from Control or a control inside it without enter/exit events (it is
// being destroyed or taken off its form); the control still gets WM_KILLFOCUS.
void DropFocus(TWinControl* Control);
}  // namespace input

}  // namespace vcl
