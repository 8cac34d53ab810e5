// The paint count of a control, for tests: how often the control has been painted.
//
// Framework paints are counted exactly: every time the paint engine runs a control's paint
// (a repaint pass of the message loop, Repaint or Update, PaintTo), that is one paint, also
// when only part of the control was invalid.
//
// A direct paint - a component calling its own Paint() from a setter - is counted through
// the control's canvas: Paint() draws on ControlCanvas() (GetCanvas), which the control
// binds to its form's back buffer outside the engine's passes. The first drawing operation
// on that binding counts one paint; the binding ends when a paint pass of the engine ends or
// when any paint count is read, and the next drawing starts a new one. Drawing inside the
// engine's pass belongs to that pass and is not counted again.
//
// Limits of the direct count:
// - Several direct paints with no count read and no engine pass between them count as one:
//   read the count after each step that should paint.
// - A paint that draws nothing is not seen: a control on no form (its canvas has no
//   surface), one hidden entirely by its parents, or a Paint() that returns early.
// - Any drawing on the control's canvas outside the engine counts, also drawing that is not
//   a Paint() (a focus frame drawn from a mouse handler).
#pragma once

#include "platform/controls/base/Control.h"

namespace vcl::Testing {

// The paints of Control since it was made. Reading ends the bindings of direct paints.
int PaintCount(const TControl* Control);

}  // namespace vcl::Testing
