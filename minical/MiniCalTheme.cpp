// The theme roles of the mini calendar's colour defaults (platform/Themes.h).
#include "minical/Zyn_MiniCal.h"
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

namespace zyn {

// The weekday columns' backgrounds are a public array, not published: weekdays take the
// window colour, the weekend the shaded row colour; a column the program coloured stays.
struct MiniCalThemeAccess {
    static vcl::TColor DayColor(const vcl::TTheme& Theme, std::size_t Day) {
        static const TDayColors defaults = TMiniCal(nullptr).FDayColors;
        if (&Theme == &vcl::LightTheme()) return defaults[Day];
        return Theme.Roles[Day >= 5 ? vcl::trAlternateRow : vcl::trWindow];
    }
    static void Follow(vcl::TControl* Control, const vcl::TTheme& From, const vcl::TTheme& To) {
        auto* cal = dynamic_cast<TMiniCal*>(Control);
        if (cal == nullptr) return;
        for (std::size_t d = 0; d < cal->FDayColors.size(); ++d)
            if (cal->FDayColors[d] == DayColor(From, d)) cal->FDayColors[d] = DayColor(To, d);
    }
};

namespace {
const bool kHook = vcl::RegisterThemeHook("TMiniCal", &MiniCalThemeAccess::Follow);
}  // namespace

}  // namespace zyn
