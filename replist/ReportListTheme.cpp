// The theme roles of the report list view's colour defaults (platform/Themes.h).
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TReportListView", {
    {"ColorBkgdNormal", vcl::trWindow, ""},
    {"ColorBkgdShaded", vcl::trAlternateRow, ""},
    {"ColorText", vcl::trWindowText, "ColorBkgdNormal"},
    {"ColorText", vcl::trWindowText, "ColorBkgdShaded"},
    {"ColorEmptyMsg", vcl::trWindowText, "ColorBkgdNormal"},
    {"ColorHigh", vcl::trHighlight, ""},
    {"ColorHighText", vcl::trHighlightText, "ColorHigh"},
    {"ColorColumnHdText", vcl::trFaceText, "ColorColumnHd"},
    {"ColorCommonHdText", vcl::trFaceText, "ColorCommonHd"},
    {"ColorDisabledBkgd", vcl::trFace, ""},
    {"ColorDisabledText", vcl::trDisabledText, ""},   // disabled text: no contrast asked
    {"ColorSelectedRow", vcl::trSelectionInactive, ""},
    {"ColorSelectedRowText", vcl::trSelectionInactiveText, "ColorSelectedRow"},
    // Selected columns are black on black by default; the dark themes give them a readable
    // pair, the light one keeps the documented defaults.
    {"ColorSelectedCol", vcl::trSelectionInactive, ""},
    {"ColorSelectedColText", vcl::trSelectionInactiveText, ""},
    {"ColorSelectedBoth", vcl::trHighlight, ""},
    {"ColorSelectedBothText", vcl::trHighlightText, ""},
});
}  // namespace
