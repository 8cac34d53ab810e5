// The theme roles of the on/off button's colour defaults (platform/Themes.h). Its
// background is clBtnFace and follows by itself.
#include "onoffbut/Zyn_onoffbut.h"
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TOnOffBut", {
    {"ColorText", vcl::trFaceText, "ColorBackgnd"},
});
}  // namespace

namespace zyn {

// The user pictures drawn before the program gave its own are drawn again in the new theme's
// window colours; pictures the program gave stay as given. The style's artwork is loaded
// again, so that the pictures that take the theme's colours take the new ones.
struct OnOffButThemeAccess {
    static void Follow(vcl::TControl* Control, const vcl::TTheme&, const vcl::TTheme&) {
        auto* button = dynamic_cast<TOnOffBut*>(Control);
        if (button == nullptr) return;
        if (button->FUserImagesDefault) button->MakeUserImages();
        else if (button->FButtonStyle == oobsUser) return;
        button->LoadStyleGlyphs(button->FButtonStyle);
        button->Invalidate();
    }
};

namespace {
const bool kHook = vcl::RegisterThemeHook("TOnOffBut", &OnOffButThemeAccess::Follow);
}  // namespace

}  // namespace zyn
