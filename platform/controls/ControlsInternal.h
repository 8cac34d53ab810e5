// Pieces the controls layer shares between its files: the paint engine and the
// bookkeeping of input (capture, pointer, focus) that must forget a control when it dies.
#pragma once

#include "platform/Controls.h"

namespace vcl {

struct PaintEngine {
    // Paints Control and its children onto Surface. Origin is the control's top-left on
    // the surface, Clip the surface rectangle that may change. Invisible children are
    // skipped; the control itself is painted even when invisible (PaintTo).
    static void PaintTree(TControl* Control, TBitmap* Surface, TPoint Origin, const TRect& Clip);
    // Offset of the control's top-left in its top-level control's client area.
    static TPoint OffsetInRoot(const TControl* Control);
    // The top-level control (no parent).
    static TControl* Root(const TControl* Control);
    // Part of the control (in its client coordinates) that its parents leave visible.
    static TRect VisibleRect(const TControl* Control);
    // Binds the control's canvas outside painting: the form's back buffer at the
    // control's place, clipped to its visible part.
    static void BindCanvas(TControl* Control, TCanvas* Canvas);
    // Repaints every form that has an invalid region (the loop's repaint handler).
    static void RepaintAll();
    // Installs RepaintAll into the application loop (once).
    static void InstallLoopHook();
};

// Registers the published properties of the controls layer's classes (once).
void RegisterControlClasses();

namespace input {
// Forgets a control that is being destroyed or leaves its form.
void ForgetControl(TControl* Control);
// The control under the pointer, or nullptr.
TControl* PointerControl();
// Sets the global focus from Old to New (WM_KILLFOCUS / WM_SETFOCUS, enter/exit).
void MoveFocus(TWinControl* New);
// Takes the focus from Control or a control inside it without enter/exit events (it is
// being destroyed or taken off its form); the control still gets WM_KILLFOCUS.
void DropFocus(TWinControl* Control);
}  // namespace input

// The hint manager (HintWindow.cpp), fed by the input dispatcher.
namespace hints {
// The pointer is over Under (nullptr: off every form) at a screen point.
void PointerMoved(TControl* Under, TPoint ScreenPos, bool ButtonsHeld);
// A press, key or wheel: the hint hides until the pointer moves to another control.
void Cancel();
// Control is being destroyed or leaves its form.
void Forget(TControl* Control);
// Hides any hint and forgets the pointer (between tests).
void Reset();
}  // namespace hints

}  // namespace vcl
