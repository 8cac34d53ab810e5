// The theme roles of the numeric label's colour defaults (platform/Themes.h).
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TNumLab", {
    {"ColorLabText", vcl::trFaceText, "ColorLabBakG"},
    {"ColorOutText", vcl::trFaceText, "ColorOutBakG"},
});
}  // namespace
