// The drag engine: the one drag (or dock drag) under way, fed by the input dispatcher, and
// the moves of docking and floating. Controls reach it through BeginDrag, EndDrag,
// ManualDock and ManualFloat (Control.h describes the behaviour).
//
// While a drag runs the engine takes the pointer's input before any control: moves go to
// the drag, a left release drops, a right press (its release swallowed too) and Escape
// cancel. The pointer is followed in screen coordinates, so a drag crosses forms: a point
// outside the form that reported it (a window backend reports a captured pointer to the
// window that holds it) is looked up among the other showing forms, newest first.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/DragObjects.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// The tool window a floating control lives in: a sizeable tool-window border, captioned
// with the control's caption (or name); closing it hides it with the control.
class TToolDockForm : public TCustomForm {
public:
    explicit TToolDockForm(TComponent* AOwner);
    std::string ClassName() const override { return "TToolDockForm"; }
};

struct DragEngine {
    // ---- from controls
    static void Begin(TControl* Source, bool Immediate, int Threshold);
    static void End(TControl* Source, bool Drop);
    static bool IsDragging(const TControl* Source);
    // Docks Control in Site (see TControl::ManualDock); X, Y are site client coordinates of
    // the drop; Obj carries the alignment. False when the old site refused.
    static bool DockInto(TControl* Control, TWinControl* Site, TDragDockObject* Obj, int X, int Y);
    // The move itself, as TWinControl::DockDrop's default does it.
    static void PlaceDocked(TControl* Control, TWinControl* Site, TAlign Align, TPoint At);
    // Floats Control with its client area at ScreenRect. False when the old site refused.
    static bool Float(TControl* Control, const TRect& ScreenRect);
    static TWinControl* HostDockSite(const TControl* Control);
    static bool ManualDock(TControl* Control, TWinControl* Site, TAlign Side);

    // ---- from the input dispatcher: true when the drag used the input
    static bool MouseMove(TCustomForm* Form, TPoint P);
    static bool MouseButton(TCustomForm* Form, TMouseButton Button, bool Down, TPoint P);
    static bool Key(WORD Key, bool Down);
    // A control is being destroyed: the drag forgets it (a source going away ends its
    // drag without events).
    static void Forget(TControl* Control);
    // Ends any drag without events and forgets the pointer (between tests).
    static void Reset();

private:
    // The steps of a drag: asking a target, finding a dock site, following the pointer,
    // starting and finishing.
    static TObject* SourceArg();
    static bool AskTarget(TControl* Target, TDragState State);
    static TWinControl* SiteAt(TPoint S);
    static void DragTo(TPoint S);
    // Moves Control into Parent (docking or floating) with Align, at Place first if given.
    static void MoveInto(TControl* Control, TWinControl* Parent, TAlign Align, const TRect* Place);
    // Shows where a dock drag would put the control (empty: nowhere).
    static void ShowOutline(const TRect& ScreenRect);
    static void Start();
    static void Finish(bool Drop);
};

}  // namespace vcl
