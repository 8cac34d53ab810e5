// The theme roles of the progress bar's colour defaults (platform/Themes.h). The bar's
// own colours (ColorMin, ColorMax) are content and stay in every theme.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TProgBar", {
    {"ColorBackGnd", vcl::trButtonFace, ""},
    {"ColorMargin", vcl::trButtonFace, ""},
    {"ColorGrid", vcl::trGridLineFixed, ""},
});
}  // namespace
