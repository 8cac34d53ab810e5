// Page "Calendars": month calendars of the same year in English, German, French and Spanish,
// each on a month rich in holidays, with an office's own holidays added to the English one.
// Clicking a day (or stepping with the buttons) shows the chosen date and its holiday
// below; pointing at a calendar shows the selected day's holiday as a hint.
#include <algorithm>
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Themes.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

struct Sheet {
    TLanguage language;
    const char* heading;
    int month, day;          // the date first shown, in the current year
    TDayOfWeek firstDay;
    bool shortMonth;
};

const Sheet kSheets[] = {
    {lgEnglish, "English: the office calendar, weeks from Sunday", 12, 24, dwSun, true},
    {lgGerman, "Deutsch: Mai mit Feiertagen nach Ostern", 5, 1, dwMon, true},
    {lgFrench, "Français : avril et Pâques", 4, 10, dwMon, false},
    {lgSpanish, "Español: enero, Año Nuevo y Epifanía", 1, 6, dwMon, false},
};

class CalendarPage {
public:
    explicit CalendarPage(PageContext& Page) : page_(Page) {
        const int year = YearOf(Now());
        for (int i = 0; i < 4; ++i) {
            const Sheet& s = kSheets[i];
            const int left = 20 + (i % 2) * 380, top = 14 + (i / 2) * 250;
            auto* heading = new TLabel(Page.Form);
            heading->SetParent(Page.Host);
            heading->SetBounds(left, top, 360, 18);
            heading->SetCaption(s.heading);
            heading->GetFont()->SetStyle({fsBold});

            auto* cal = new TMiniCal(Page.Form);
            cal->SetParent(Page.Host);
            cal->SetBounds(left, top + 22, 350, 210);
            cal->SetLanguage(s.language);
            cal->SetAccessibleName(s.heading);
            cal->SetFirstDayOfWeek(s.firstDay);
            cal->SetShowMonthShort(s.shortMonth);
            cal->SetShowHint(true);
            if (s.language == lgEnglish) {
                // The office's own days off: every year, and one of this year only.
                cal->AddRepeatHoliday(24, 12, "Christmas Eve");
                cal->AddRepeatHoliday(31, 12, "New Year's Eve");
                cal->AddHoliday(27, 12, year, "Stocktaking (office closed)");
                Page.FollowTheme([cal] {
                    cal->SetColorHolidayBg(ThemePick(TColor(0xB5E4F5), ThemeColor(trWarnBack), ThemeColor(trWarnBack)));
                });
            }
            cal->SetDate(EncodeDate(year, s.month, std::min(s.day, DaysInAMonth(year, s.month))));
            cal->SetOnChange([this, cal](TObject*) { Show(cal); });
            cals_[i] = cal;
        }
        readout_ = new TLabel(Page.Form);
        readout_->SetParent(Page.Host);
        readout_->SetBounds(20, 520, 740, 20);
        Show(cals_[0]);
        Page.Watch("date", [this] { return readout_->GetCaption(); });
        // The English calendar's day, and which calendar has the keyboard (1 to 4).
        Page.Watch("selected", [this] { return FormatDateTime("yyyy-mm-dd", cals_[0]->GetDate()); });
        Page.Watch("focus", [this] {
            for (int i = 0; i < 4; ++i)
                if (cals_[i]->Focused()) return IntToStr(i + 1);
            return std::string();
        });
    }

private:
    // "Tuesday, December 24, 2024: Christmas Eve", the holiday in the calendar's language.
    void Show(TMiniCal* Cal) {
        std::string caption;
        std::string text = FormatDateTime("dddd, mmmm d, yyyy", Cal->GetDate());
        if (Cal->CheckHoliday(Cal->GetYear(), Cal->GetMonth(), Cal->GetDay(), caption)) text += ": " + caption;
        else text += ": no holiday";
        readout_->SetCaption(text);
        page_.Record("chosen", text);
    }

    PageContext page_;
    TMiniCal* cals_[4] = {};
    TLabel* readout_ = nullptr;
};

}  // namespace

void BuildCalendarPage(PageContext& Page) { Page.Keep(std::make_unique<CalendarPage>(Page)); }

}  // namespace gallery
