// The property table of TControl.
#include "platform/controls/base/Control.h"
#include "platform/controls/forms/Menus.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TControl, TComponent>("TControl", [](TPublisher<TControl>& p) {
        p.Integer("Left", &TControl::GetLeft, &TControl::SetLeft).NoDefault();
        p.Integer("Top", &TControl::GetTop, &TControl::SetTop).NoDefault();
        p.Integer("Width", &TControl::GetWidth, &TControl::SetWidth).NoDefault();
        p.Integer("Height", &TControl::GetHeight, &TControl::SetHeight).NoDefault();
        p.Enum("Align", &TControl::GetAlign, &TControl::SetAlign,
               {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
        p.Set("Anchors", &TControl::GetAnchors, &TControl::SetAnchors, {"akLeft", "akTop", "akRight", "akBottom"});
        p.Object("Constraints", &TControl::GetConstraints, &TControl::SetConstraints);
        p.Boolean("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor);
        p.Color("Color", &TControl::GetColor, &TControl::SetColor)
            .Stored(std::function<bool(TControl&)>([](TControl& c) { return !c.GetParentColor(); }));
        p.Boolean("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont);
        p.Object("Font", &TControl::GetFont, &TControl::SetFont)
            .Stored(std::function<bool(TControl&)>([](TControl& c) { return !c.GetParentFont(); }));
        p.Integer("Cursor", &TControl::GetCursor, &TControl::SetCursor);
        p.Boolean("Enabled", &TControl::GetEnabled, &TControl::SetEnabled);
        p.Boolean("Visible", &TControl::GetVisible, &TControl::SetVisible);
        p.String("Hint", [](TControl& c) { return c.GetHint(); }, &TControl::SetHint);
        p.Enum("BiDiMode", &TControl::GetBiDiMode, &TControl::SetBiDiMode,
               {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"})
            .Stored(std::function<bool(TControl&)>([](TControl& c) { return !c.GetParentBiDiMode(); }));
        p.Boolean("ParentBiDiMode", &TControl::GetParentBiDiMode, &TControl::SetParentBiDiMode, true);
        p.Boolean("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint);
        p.Boolean("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint)
            .Stored(std::function<bool(TControl&)>([](TControl& c) { return !c.GetParentShowHint(); }));
        p.Integer("HelpContext", &TControl::GetHelpContext, &TControl::SetHelpContext);
        p.Set("StyleElements", &TControl::GetStyleElements, &TControl::SetStyleElements,
              {"seFont", "seClient", "seBorder"});
        p.Component("PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu);
        p.Integer("DragCursor", &TControl::GetDragCursor, &TControl::SetDragCursor);
        p.Enum("DragKind", &TControl::GetDragKind, &TControl::SetDragKind, {"dkDrag", "dkDock"});
        p.Enum("DragMode", &TControl::GetDragMode, &TControl::SetDragMode, {"dmManual", "dmAutomatic"});
        p.Event("OnClick", &TControl::GetOnClick, &TControl::SetOnClick);
        p.Event("OnDblClick", &TControl::GetOnDblClick, &TControl::SetOnDblClick);
        p.Event("OnResize", &TControl::GetOnResize, &TControl::SetOnResize);
        p.Event("OnConstrainedResize", &TControl::GetOnConstrainedResize, &TControl::SetOnConstrainedResize);
        p.Event("OnMouseDown", &TControl::GetOnMouseDown, &TControl::SetOnMouseDown);
        p.Event("OnMouseMove", &TControl::GetOnMouseMove, &TControl::SetOnMouseMove);
        p.Event("OnMouseUp", &TControl::GetOnMouseUp, &TControl::SetOnMouseUp);
        p.Event("OnMouseEnter", &TControl::GetOnMouseEnter, &TControl::SetOnMouseEnter);
        p.Event("OnMouseLeave", &TControl::GetOnMouseLeave, &TControl::SetOnMouseLeave);
        p.Event("OnMouseWheel", &TControl::GetOnMouseWheel, &TControl::SetOnMouseWheel);
        p.Event("OnMouseWheelUp", &TControl::GetOnMouseWheelUp, &TControl::SetOnMouseWheelUp);
        p.Event("OnMouseWheelDown", &TControl::GetOnMouseWheelDown, &TControl::SetOnMouseWheelDown);
        p.Event("OnContextPopup", &TControl::GetOnContextPopup, &TControl::SetOnContextPopup);
        p.Event("OnStartDrag", &TControl::GetOnStartDrag, &TControl::SetOnStartDrag);
        p.Event("OnDragOver", &TControl::GetOnDragOver, &TControl::SetOnDragOver);
        p.Event("OnDragDrop", &TControl::GetOnDragDrop, &TControl::SetOnDragDrop);
        p.Event("OnEndDrag", &TControl::GetOnEndDrag, &TControl::SetOnEndDrag);
        p.Event("OnStartDock", &TControl::GetOnStartDock, &TControl::SetOnStartDock);
        p.Event("OnEndDock", &TControl::GetOnEndDock, &TControl::SetOnEndDock);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
