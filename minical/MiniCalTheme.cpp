// The theme roles of the mini calendar's colour defaults (platform/Themes.h).
#include "platform/Themes.h"

namespace {
const bool kRoles = vcl::RegisterThemeRoles("TMiniCal", {
    {"ColorActiveMonth", vcl::trWindowText, "Color"},
    {"ColorInactiveMonth", vcl::trDisabledText, ""},   // days of the months around: muted
    {"ColorWeekNoBg", vcl::trButtonFace, ""},
    {"ColorWeekNoFg", vcl::trFaceText, "ColorWeekNoBg"},
    {"ColorDayIdBg", vcl::trButtonFace, ""},
    {"ColorDayIdFg", vcl::trFaceText, "ColorDayIdBg"},
    {"ColorSelectedBg", vcl::trHighlight, ""},
    {"ColorSelectedFg", vcl::trHighlightText, "ColorSelectedBg"},
    {"ColorHolidayBg", vcl::trWarnBack, ""},
    {"ColorHolidayFg", vcl::trAlertText, "ColorHolidayBg"},
    {"ColorToday", vcl::trAlertText, ""},   // the frame round today
});
}  // namespace
