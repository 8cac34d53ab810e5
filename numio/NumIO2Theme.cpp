// The theme roles of the numeric input/output control's colour defaults
// (platform/Themes.h).
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TNumIO2", {
    {"ButColor", vcl::trButtonFace, ""},
    {"ColorBoxBG", vcl::trWindow, ""},
    {"ColorBoxText", vcl::trWindowText, "ColorBoxBG"},
    {"ColorOutText", vcl::trFaceText, "ColorOutBG"},
    {"ColorWarnBG", vcl::trWarnBack, ""},
    {"ColorWarnText", vcl::trAlertText, "ColorWarnBG"},
    {"GaugeColor", vcl::trAccent, ""},
    {"GaugeColorBg", vcl::trButtonFace, ""},
    {"GaugeColorFrame", vcl::trBorder, ""},
});
}  // namespace
