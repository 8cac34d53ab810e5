// The theme roles of the thumbnail strip's colour defaults (platform/Themes.h). Its
// background is clBtnFace and follows by itself.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TThumbnails", {
    {"ColorCover", vcl::trButtonFace, ""},
    {"ColorSelected", vcl::trHighlight, ""},
    {"ColorFocus", vcl::trFocus, ""},
    {"ColorMark", vcl::trFaceText, "ColorCover"},
});
}  // namespace
