// The theme roles of the mark selector's colour defaults (platform/Themes.h).
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TMarkSel", {
    {"ColorMarks", vcl::trFaceText, "ColorBackGnd"},
    {"ColorSelBG", vcl::trWindow, ""},
    {"ColorSelFG", vcl::trAccent, "ColorSelBG"},
    {"ColorHiLiteBG", vcl::trHighlight, ""},
    {"ColorHiLiteSymbol", vcl::trHighlightText, "ColorHiLiteBG"},
});
}  // namespace
