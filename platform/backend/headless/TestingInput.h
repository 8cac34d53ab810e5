// The testing interface of the headless backend: injected input, scripted dialogs, and what
// the backend showed (presented regions, cursor, hints).
//
// Input goes through the same dispatcher a window backend uses, at client coordinates of
// the given control; the control's form is shown first if it is hidden (input reaches
// only showing forms), and the loop then processes what the input caused (repaints,
// posted messages).
#pragma once

#include <functional>
#include <string>

#include "platform/controls/base/Control.h"
#include "platform/core/WinTypes.h"

namespace vcl {
class TForm;
class TMenuItem;
class TPopupMenu;
class TColorDialog;

namespace Input {

void MouseMove(TControl* Control, int X, int Y, TShiftState Shift = {});
// Button is pressed at (X, Y); Shift holds the modifiers (and any other buttons held).
void MouseDown(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y);
void MouseUp(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y);
// Moves there, presses and releases. Each Click is a click of its own: it never pairs
// with an earlier one into a double click.
void Click(TControl* Control, int X, int Y, TShiftState Shift = {}, TMouseButton Button = mbLeft);
// Two clicks within the double-click time and distance.
void DblClick(TControl* Control, int X, int Y);
// Delta in wheel units (120 per notch; positive away from the user).
void Wheel(TControl* Control, int Delta, int X, int Y, TShiftState Shift = {});
// Keys go to Control (focused first when it can take the focus, a graphic control that
// opted into the keyboard focus included; keys for any other graphic control go to its
// form's focused control). KeyUp goes to the control focused now without moving the
// focus, since the press may have moved it (Tab). Repeat: an auto-repeated press of a key
// held down (sent to the control focused now, as KeyUp).
void KeyDown(TControl* Control, WORD Key, TShiftState Shift = {}, bool Repeat = false);
void KeyUp(TControl* Control, WORD Key, TShiftState Shift = {});
void KeyPress(TControl* Control, char32_t Ch);
// Types UTF-8 text: each code point as a character; CR/LF as Enter, TAB as Tab and
// backspace (8) as the Backspace key.
void TypeText(TControl* Control, const std::string& Utf8);

}  // namespace Input

namespace Testing {

// What the "user" does while a modal form is up (empty function: nothing; ShowModal
// then answers mrCancel unless the form set a result itself).
void OnModal(std::function<void(TForm* Form)> Script);
// Which item the "user" picks from a popup menu opened at screen point (X, Y); nullptr
// for none. The item is clicked by the menu when it is enabled and has no sub-items.
void OnPopup(std::function<TMenuItem*(TPopupMenu* Menu, int X, int Y)> Script);
// What the "user" does with a colour dialog: may set its Color; returns true for OK.
void OnColorDialog(std::function<bool(TColorDialog* Dialog)> Script);
// Forgets the scripts, capture, pointer position, modifiers and click history
// (between tests).
void ResetInput();
// Regions presented by the headless backend so far, and the cursor it shows.
int PresentCount();
TCursor ShownCursor();
// Whether a hint window shows now, and its text ("" when none shows).
bool HintShowing();
std::string HintText();

}  // namespace Testing
}  // namespace vcl
