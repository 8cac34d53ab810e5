// The theme roles of the on/off button's colour defaults (platform/Themes.h). Its
// background is clBtnFace and follows by itself.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TOnOffBut", {
    {"ColorText", vcl::trFaceText, "ColorBackgnd"},
});
}  // namespace
