// The published properties of the folder tree. The tree view's own settings are published
// here (the framework registers no tree view class); the control's properties and events
// (Align, Anchors, Cursor, Ctl3D, Font, PopupMenu, TabOrder, the key and mouse events, ...)
// come from the windowed control's table.
#include "foldertree/Zyn_FolderTree.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const FolderTreeClass =
    RegisterClass<TFolderTree, TWinControl>("TFolderTree", [](TPublisher<TFolderTree>& p) {
        using F = TFolderTree;
        p.Color("Color", &F::GetColor, &F::SetColor);
        p.Boolean("OldTreeStyle", &F::GetOldTreeStyle, &F::SetOldTreeStyle);
        p.Event("OnDirChanged", &F::GetOnDirChanged, &F::SetOnDirChanged);
        p.Enum("BevelInner", &F::GetBevelInner, &F::SetBevelInner, {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
        p.Enum("BevelOuter", &F::GetBevelOuter, &F::SetBevelOuter, {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
        p.Enum("BevelKind", &F::GetBevelKind, &F::SetBevelKind, {"bkNone", "bkTile", "bkSoft", "bkFlat"});
        p.Integer("BevelWidth", &F::GetBevelWidth, &F::SetBevelWidth);
        p.Enum("BorderStyle", &F::GetBorderStyle, &F::SetBorderStyle, {"bsNone", "bsSingle"});
        p.Integer("BorderWidth", &F::GetBorderWidth, &F::SetBorderWidth);
        p.Boolean("HotTrack", &F::GetHotTrack, &F::SetHotTrack);
        p.Integer("Indent", &F::GetIndent, &F::SetIndent);
        p.Boolean("ShowButtons", &F::GetShowButtons, &F::SetShowButtons);
        p.Boolean("ShowLines", &F::GetShowLines, &F::SetShowLines);
        p.Boolean("ShowRoot", &F::GetShowRoot, &F::SetShowRoot);
        p.Event("OnChange", &F::GetOnChange, &F::SetOnChange);
    });

}  // namespace

}  // namespace zyn
