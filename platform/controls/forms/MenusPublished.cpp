// The property tables of TMenuItem, TMenu and TPopupMenu.
#include "platform/controls/forms/Menus.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TMenuItem, TComponent>("TMenuItem", [](TPublisher<TMenuItem>& p) {
        p.String("Caption", [](TMenuItem& m) { return m.GetCaption(); }, &TMenuItem::SetCaption);
        p.Boolean("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled);
        p.Boolean("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked);
        p.Boolean("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible);
        p.Boolean("RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem);
        p.Integer("GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex);
        p.Integer("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut);
        p.String("Hint", [](TMenuItem& m) { return m.GetHint(); }, &TMenuItem::SetHint);
        p.Integer("HelpContext", &TMenuItem::GetHelpContext, &TMenuItem::SetHelpContext);
        p.Object("Bitmap", &TMenuItem::GetBitmap, &TMenuItem::SetBitmap)
            .Stored(std::function<bool(TMenuItem&)>([](TMenuItem& m) { return m.HasBitmap(); }));
        p.Event("OnClick", &TMenuItem::GetOnClick, &TMenuItem::SetOnClick);
    });
    RegisterClass<TMenu, TComponent>("TMenu");
    RegisterClass<TPopupMenu, TMenu>("TPopupMenu", [](TPublisher<TPopupMenu>& p) {
        p.Boolean("AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup);
        p.Enum("Alignment", &TPopupMenu::GetAlignment, &TPopupMenu::SetAlignment, {"paLeft", "paRight", "paCenter"});
        p.Event("OnPopup", &TPopupMenu::GetOnPopup, &TPopupMenu::SetOnPopup);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
