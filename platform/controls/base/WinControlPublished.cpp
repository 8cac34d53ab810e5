// The property table of TWinControl.
#include <functional>

#include "platform/controls/base/WinControl.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TWinControl, TControl>("TWinControl", [](TPublisher<TWinControl>& p) {
        p.Boolean("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop);
        p.Integer("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder);
        p.Boolean("DoubleBuffered", &TWinControl::GetDoubleBuffered, &TWinControl::SetDoubleBuffered);
        // Ctl3D follows the parent while ParentCtl3D is set, so only an own value is written
        // (setting it clears ParentCtl3D, which would otherwise read back wrong).
        p.Boolean("ParentCtl3D", &TWinControl::GetParentCtl3D, &TWinControl::SetParentCtl3D);
        p.Boolean("Ctl3D", &TWinControl::GetCtl3D, &TWinControl::SetCtl3D)
            .Stored(std::function<bool(TWinControl&)>([](TWinControl& c) { return !c.GetParentCtl3D(); }));
        p.Boolean("DockSite", &TWinControl::GetDockSite, &TWinControl::SetDockSite);
        p.Event("OnEnter", &TWinControl::GetOnEnter, &TWinControl::SetOnEnter);
        p.Event("OnExit", &TWinControl::GetOnExit, &TWinControl::SetOnExit);
        p.Event("OnKeyDown", &TWinControl::GetOnKeyDown, &TWinControl::SetOnKeyDown);
        p.Event("OnKeyPress", &TWinControl::GetOnKeyPress, &TWinControl::SetOnKeyPress);
        p.Event("OnKeyUp", &TWinControl::GetOnKeyUp, &TWinControl::SetOnKeyUp);
        p.Event("OnDockOver", &TWinControl::GetOnDockOver, &TWinControl::SetOnDockOver);
        p.Event("OnDockDrop", &TWinControl::GetOnDockDrop, &TWinControl::SetOnDockDrop);
        p.Event("OnUnDock", &TWinControl::GetOnUnDock, &TWinControl::SetOnUnDock);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
