// The objects that travel with a drag: the control it started from, where the pointer is
// and what it is over, and for dock drags where the control would land. (The modes, kinds
// and event types of dragging and docking are in Control.h, which describes the whole.)
#pragma once

#include <string>

#include "platform/controls/base/Control.h"
#include "platform/core/Component.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// What travels with a drag: the control it started from, where the pointer is, and what
// it is over. A handler of OnStartDrag may put an object of its own in place of the
// standard one (it keeps ownership; the object must live until OnEndDrag): targets then
// see that object as Source instead of the source control.
class TDragObject : public TObject {
public:
    std::string ClassName() const override { return "TDragObject"; }
    // The control being dragged.
    TControl* GetControl() const { return control_; }
    // The pointer in screen coordinates.
    TPoint GetDragPos() const { return dragPos_; }
    // The control the pointer is over that was asked last (a dock site for dock drags),
    // or nullptr.
    TControl* GetDragTarget() const { return dragTarget_; }
    // Whether the drag is being cancelled (while the target hears dsDragLeave).
    bool GetCancelling() const { return cancelling_; }
    // Whether the drop was taken (set before OnEndDrag).
    bool GetDropped() const { return dropped_; }
    // The cursor while the pointer is over a target that accepts (Accepted) or not.
    virtual TCursor GetDragCursor(bool Accepted, int X, int Y) const;

private:
    friend struct DragEngine;
    TControl* control_ = nullptr;
    TPoint dragPos_;
    TControl* dragTarget_ = nullptr;
    bool cancelling_ = false;
    bool dropped_ = false;
};

// The object of a dock drag: besides the drag's data, where the control would land.
class TDragDockObject : public TDragObject {
public:
    std::string ClassName() const override { return "TDragDockObject"; }
    // Screen rectangle the control would take if dropped now (the floating window's
    // client area when it would float).
    TRect GetDockRect() const { return dockRect_; }
    void SetDockRect(const TRect& Value) { dockRect_ = Value; }
    // How the control is aligned in the site it is dropped on: the side of the site the
    // pointer is near (within a quarter of the site's width or height), alClient in the
    // middle. A handler of OnDockOver or OnDockDrop may change it.
    TAlign GetDropAlign() const { return dropAlign_; }
    void SetDropAlign(TAlign Value) { dropAlign_ = Value; }
    // Whether a drop now would float the control (no site accepts it here).
    bool GetFloating() const { return floating_; }
    TCursor GetDragCursor(bool Accepted, int X, int Y) const override;

private:
    friend struct DragEngine;
    TRect dockRect_;
    TAlign dropAlign_ = alClient;
    bool floating_ = false;
};

}  // namespace vcl
