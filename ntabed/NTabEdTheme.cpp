// The theme roles of the table editor's colour defaults (platform/Themes.h). Its
// background and heading colours are system colours and follow by themselves.
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TNTabEd", {
    {"ColorNormal", vcl::trWindowText, "ColorBackground"},
    {"ColorNormal", vcl::trWindowText, "ColorFixed"},
    {"ColorSelected", vcl::trFaceText, "ColorFixed"},
    {"ColorMarkedA", vcl::trAlertText, "ColorBackground"},
    {"ColorMarkedB", vcl::trMarkText, "ColorBackground"},
    {"ColorMarkedBoth", vcl::trAccent, "ColorBackground"},
    {"ColorRangeSelBG", vcl::trSelectionInactive, ""},
    {"ColorRangeSelFG", vcl::trSelectionInactiveText, "ColorRangeSelBG"},
});
}  // namespace
