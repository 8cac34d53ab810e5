// The paint engine: controls painted parent first, children in z-order, each clipped to its
// own visible rectangle on its form's back buffer, and the repaint pass of the message loop.
#pragma once

#include "platform/controls/base/Control.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

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
    // Region of the control (in its client coordinates) that its parents leave visible; empty
    // when it or a parent below the top-level control is hidden.
    static TRect VisibleRect(const TControl* Control);
    // Binds the control's canvas outside painting: the form's back buffer at the
    // control's place, clipped to its visible region.
    static void BindCanvas(TControl* Control, TCanvas* Canvas);
    // Paint counting (PaintCount.h): a direct paint of Control drew on its canvas; the
    // paints counted so far, which also ends the open bindings.
    static void CountDirectPaint(TControl* Control);
    static int TakePaintCount(const TControl* Control);
    // While held (nested holds count), a control drawing on its own canvas outside the
    // engine draws nowhere and Update paints nothing: the invalid regions collect and are
    // painted once after the hold ends (a theme switch changes many properties at once).
    static void HoldDirectPaints(bool Hold);
    static bool DirectPaintsHeld();
    // Repaints every form that has an invalid region (the loop's repaint handler).
    static void RepaintAll();
    // Installs RepaintAll into the application loop (once).
    static void InstallLoopHook();
};

}  // namespace vcl
