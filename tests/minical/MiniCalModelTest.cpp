// The calendar's model: initial state, sizing, the date and its parts with their events,
// stepping across month ends and leap years, refused dates, the holiday list and the hint.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "platform/Testing.h"

using namespace zyn;
using vcl::EncodeDate;
using vcl::TColor;

namespace {

class MiniCalModel : public ::testing::Test {
protected:
    void SetUp() override {
        // Friday, March 15, 2024, 10:30.
        vcl::Testing::SetNow(vcl::EncodeDateTime(2024, 3, 15, 10, 30, 0, 0));
        cal = std::make_unique<TMiniCal>(nullptr);
        cal->SetName("Cal");
        cal->SetOnChange([this](vcl::TObject* Sender) {
            EXPECT_EQ(Sender, cal.get());
            ++changes;
        });
    }
    void TearDown() override {
        cal.reset();
        vcl::Testing::ResetNow();
    }
    void Set(int Y, int M, int D) {
        cal->SetDate(EncodeDate(Y, M, D));
        changes = 0;
    }
    bool Is(int Y, int M, int D) const { return cal->GetDate() == EncodeDate(Y, M, D); }
    std::string Caption(int Y, int M, int D) const {
        std::string c = "stale";
        const bool found = cal->CheckHoliday(Y, M, D, c);
        EXPECT_EQ(found, !c.empty()) << Y << "-" << M << "-" << D;
        return c;
    }

    std::unique_ptr<TMiniCal> cal;
    int changes = 0;
};

// Every refused change leaves the date and the layout alone and fires nothing.
#define EXPECT_REFUSED(Statement)                                              \
    do {                                                                       \
        const double before = cal->GetDate();                                  \
        const int ofs = cal->GetMonOfs(), events = changes;                    \
        EXPECT_THROW(Statement, vcl::EConvertError);                           \
        EXPECT_EQ(cal->GetDate(), before);                                     \
        EXPECT_EQ(cal->GetMonOfs(), ofs);                                      \
        EXPECT_EQ(changes, events);                                            \
    } while (0)

}  // namespace

TEST_F(MiniCalModel, InitialState) {
    EXPECT_EQ(cal->GetDate(), vcl::EncodeDateTime(2024, 3, 15, 10, 30, 0, 0));
    EXPECT_EQ(cal->GetDay(), 15);
    EXPECT_EQ(cal->GetMonth(), 3);
    EXPECT_EQ(cal->GetYear(), 2024);
    EXPECT_EQ(cal->GetFirstDayOfWeek(), dwMon);
    EXPECT_EQ(cal->GetLanguage(), lgEnglish);
    EXPECT_TRUE(cal->GetAutoSwitch());
    EXPECT_TRUE(cal->GetShowHolidayHint());
    EXPECT_TRUE(cal->GetIndicateHolidays());
    EXPECT_TRUE(cal->GetShowMovableHolidays());
    EXPECT_TRUE(cal->GetMarkToday());
    EXPECT_TRUE(cal->GetShowMonthShort());
    const TColor colours[] = {cal->GetColorActiveMonth(), cal->GetColorInactiveMonth(), cal->GetColorWeekNoBg(),
                              cal->GetColorDayIdBg(), cal->GetColorSelectedBg(), cal->GetColorSelectedFg(),
                              cal->GetColorHolidayBg(), cal->GetColorHolidayFg(), cal->GetColorToday(),
                              cal->GetDayColors(dwMon), cal->GetDayColors(dwFri), cal->GetDayColors(dwSat),
                              cal->GetDayColors(dwSun)};
    const TColor want[] = {0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xD0A040, 0xFFFFFF, 0x9BD8F1, 0x0000C0, 0x0000FF,
                           0xF8F8F8, 0xF8F8F8, 0xBBDDEE, 0xCCEEFF};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(colours[i], want[i]) << i;
    EXPECT_EQ(cal->GetNumHolidays(), 8);
    // The grid: 8 x 8 cells, one fixed column, two fixed rows, drawn by the calendar.
    EXPECT_EQ(cal->GetColCount(), 8);
    EXPECT_EQ(cal->GetRowCount(), 8);
    EXPECT_EQ(cal->GetFixedCols(), 1);
    EXPECT_EQ(cal->GetFixedRows(), 2);
    EXPECT_EQ(cal->GetWidth(), 300);
    EXPECT_EQ(cal->GetHeight(), 180);
    EXPECT_FALSE(cal->GetDefaultDrawing());
    EXPECT_EQ(cal->GetScrollBars(), vcl::ssNone);
    EXPECT_EQ(cal->GetBorderStyle(), vcl::bsSingle);
    EXPECT_FALSE(cal->GetOptions().Contains(vcl::goRangeSelect));
    EXPECT_TRUE(cal->GetOptions().Contains(vcl::goDrawFocusSelected));
    EXPECT_TRUE(cal->GetCtl3D());
    EXPECT_TRUE(cal->GetDoubleBuffered());
    EXPECT_EQ(cal->GetGridLineWidth(), 1);
    // March 1, 2024 is a Friday: the fifth column; the 15th lies in column 5 of row 4.
    EXPECT_EQ(cal->GetMonOfs(), -3);
    EXPECT_EQ(cal->GetCol(), 5);
    EXPECT_EQ(cal->GetRow(), 4);
}

TEST_F(MiniCalModel, CellsFillTheClientArea) {
    const std::pair<int, int> sizes[] = {{300, 180}, {301, 187}, {250, 140}, {400, 300}, {57, 33}, {8, 8}, {3, 2}};
    for (auto [w, h] : sizes) {
        cal->SetBounds(0, 0, w, h);
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        // Inside the sunken border of 2 pixels on each side.
        const int cliW = std::max(0, w - 4), cliH = std::max(0, h - 4);
        EXPECT_EQ(cal->GetClientWidth(), cliW);
        EXPECT_EQ(cal->GetClientHeight(), cliH);
        const int cw = std::max(0, (cliW - 7) / 8), rh = std::max(0, (cliH - 7) / 8);
        EXPECT_EQ(cal->GetDefaultColWidth(), cw);
        EXPECT_EQ(cal->GetDefaultRowHeight(), rh);
        for (int i = 1; i < 8; ++i) {
            EXPECT_EQ(cal->GetColWidths(i), cw);
            EXPECT_EQ(cal->GetRowHeights(i), rh);
        }
        EXPECT_GE(cal->GetColWidths(0), 0);
        EXPECT_GE(cal->GetRowHeights(0), 0);
        if (cliW >= 15 && cliH >= 15) {
            EXPECT_EQ(cal->GetGridWidth(), cliW);
            EXPECT_EQ(cal->GetGridHeight(), cliH);
        }
    }
}

TEST_F(MiniCalModel, DateSetterRecomputesAndFiresEveryTime) {
    cal->SetDate(EncodeDate(2024, 4, 10) + 0.25);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2024, 4, 10) + 0.25);   // the time is kept
    EXPECT_EQ(cal->GetMonOfs(), 1);                               // April 1 is a Monday
    EXPECT_EQ(cal->GetCol(), 3);
    EXPECT_EQ(cal->GetRow(), 3);
    cal->SetDate(cal->GetDate());
    EXPECT_EQ(changes, 2);
    // The layout's move of the current cell is no click.
    int clicks = 0;
    cal->SetOnClick([&](vcl::TObject*) { ++clicks; });
    cal->SetDate(EncodeDate(2024, 4, 29));
    EXPECT_EQ(cal->GetRow(), 6);
    EXPECT_EQ(clicks, 0);
}

TEST_F(MiniCalModel, DatePartsKeepWhatTheyRefuseAndStillFire) {
    Set(2024, 4, 10);
    cal->SetDate(cal->GetDate() + 0.5);
    changes = 0;
    cal->SetMonth(13);
    EXPECT_TRUE(Is(2024, 4, 10));   // encoded again: the time of day is dropped
    cal->SetMonth(0);
    EXPECT_TRUE(Is(2024, 4, 10));
    cal->SetDay(31);                // April has 30 days
    EXPECT_TRUE(Is(2024, 4, 10));
    cal->SetDay(0);
    EXPECT_TRUE(Is(2024, 4, 10));
    EXPECT_EQ(changes, 4);
    cal->SetDay(30);
    cal->SetMonth(6);
    cal->SetYear(1999);
    EXPECT_TRUE(Is(1999, 6, 30));
    EXPECT_EQ(cal->GetMonOfs(), CalcMonthOffset(1999, 6, dwMon));
    EXPECT_EQ(changes, 7);
}

TEST_F(MiniCalModel, DatesOutsideTheRangeOrTheCalendarAreRefused) {
    Set(2024, 2, 29);
    EXPECT_REFUSED(cal->SetYear(2025));   // no February 29 in 2025
    EXPECT_REFUSED(cal->SetYear(10000));
    EXPECT_REFUSED(cal->SetYear(0));
    EXPECT_REFUSED(cal->SetYear(-44));
    Set(2024, 1, 31);
    EXPECT_REFUSED(cal->SetMonth(4));     // no April 31
    EXPECT_REFUSED(cal->SetDate(EncodeDate(1, 1, 1) - 1));
    EXPECT_REFUSED(cal->SetDate(EncodeDate(9999, 12, 31) + 1));
    EXPECT_REFUSED(cal->SetDate(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_REFUSED(cal->SetDate(std::numeric_limits<double>::infinity()));
    try {
        cal->SetYear(10000);
    } catch (const vcl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "Component \"Cal\": the date 10000-01-31 lies outside the years 1 to 9999");
    }
    try {
        cal->SetMonth(2);
    } catch (const vcl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "Component \"Cal\": the date 2024-02-31 does not exist");
    }
    // The ends of the range themselves are dates like any other.
    cal->SetDate(EncodeDate(9999, 12, 31) + 0.5);
    EXPECT_EQ(cal->GetYear(), 9999);
    cal->SetDate(EncodeDate(1, 1, 1));
    EXPECT_EQ(cal->GetMonOfs(), 1);   // January 1 of the year 1 is a Monday
}

TEST_F(MiniCalModel, SteppingByMonthAcrossMonthEndsAndLeapYears) {
    struct Step { int y, m, d; bool next; int ey, em, ed; };
    const Step steps[] = {
        {2023, 1, 31, true, 2023, 2, 28},  {2024, 1, 31, true, 2024, 2, 29},
        {2023, 3, 31, false, 2023, 2, 28}, {2024, 3, 31, false, 2024, 2, 29},
        {2100, 3, 30, false, 2100, 2, 28}, {2000, 1, 30, true, 2000, 2, 29},
        {2024, 12, 15, true, 2025, 1, 15}, {2024, 1, 15, false, 2023, 12, 15},
        {2024, 5, 31, true, 2024, 6, 30},  {2024, 8, 31, false, 2024, 7, 31},
    };
    for (const Step& s : steps) {
        Set(s.y, s.m, s.d);
        s.next ? cal->NextMonth() : cal->PrevMonth();
        EXPECT_TRUE(Is(s.ey, s.em, s.ed)) << s.y << "-" << s.m << "-" << s.d << (s.next ? " next" : " prev");
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(cal->GetMonOfs(), CalcMonthOffset(s.ey, s.em, dwMon));
    }
}

TEST_F(MiniCalModel, SteppingByYearFromFebruary29) {
    Set(2024, 2, 29);
    cal->NextYear();
    EXPECT_TRUE(Is(2025, 2, 28));
    EXPECT_EQ(changes, 2);   // the day first, then the year
    Set(2024, 2, 29);
    cal->PrevYear();
    EXPECT_TRUE(Is(2023, 2, 28));
    EXPECT_EQ(changes, 2);
    Set(2024, 2, 28);
    cal->NextYear();
    EXPECT_TRUE(Is(2025, 2, 28));
    EXPECT_EQ(changes, 1);
    Set(2023, 7, 4);
    cal->PrevYear();
    EXPECT_TRUE(Is(2022, 7, 4));
    EXPECT_EQ(changes, 1);
}

TEST_F(MiniCalModel, LastDayOfMonth) {
    const int cases[][3] = {{2024, 2, 29}, {2023, 2, 28}, {2100, 2, 28}, {2000, 2, 29}, {2024, 4, 30}, {2024, 12, 31}};
    for (const auto& c : cases) {
        Set(c[0], c[1], 3);
        cal->LastDayOfMonth();
        EXPECT_TRUE(Is(c[0], c[1], c[2])) << c[0] << "-" << c[1];
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(MiniCalModel, SteppingAtTheEndsOfTheRangeIsRefused) {
    Set(9999, 12, 20);
    EXPECT_REFUSED(cal->NextMonth());
    EXPECT_REFUSED(cal->NextYear());
    cal->PrevYear();
    EXPECT_TRUE(Is(9998, 12, 20));
    Set(1, 1, 20);
    EXPECT_REFUSED(cal->PrevMonth());
    EXPECT_REFUSED(cal->PrevYear());
    cal->NextMonth();
    EXPECT_TRUE(Is(1, 2, 20));
}

TEST_F(MiniCalModel, FirstDayOfWeekAndDayColours) {
    cal->SetFirstDayOfWeek(dwSun);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(cal->GetMonOfs(), CalcMonthOffset(2024, 3, dwSun));
    EXPECT_EQ(cal->GetCol(), DayCell(cal->GetMonOfs(), 15).X);
    cal->SetFirstDayOfWeek(dwSun);
    EXPECT_EQ(changes, 1);
    cal->SetFirstDayOfWeek(static_cast<TDayOfWeek>(7));
    EXPECT_EQ(cal->GetFirstDayOfWeek(), dwSun);
    EXPECT_EQ(changes, 1);

    cal->SetDayColors(dwWed, 0x123456);
    EXPECT_EQ(cal->GetDayColors(dwWed), 0x123456);
    EXPECT_EQ(changes, 2);
    cal->SetDayColors(dwWed, 0x123456);   // stored again, fired again
    EXPECT_EQ(changes, 3);
    cal->SetDayColors(static_cast<TDayOfWeek>(9), 0x654321);
    EXPECT_EQ(cal->GetDayColors(static_cast<TDayOfWeek>(9)), 0);
    EXPECT_EQ(changes, 3);
}

TEST_F(MiniCalModel, BuiltInHolidaysAndRetrieval) {
    const int expect[8][2] = {{25, 12}, {26, 12}, {1, 1}, {6, 1}, {15, 8}, {1, 11}, {8, 12}, {1, 5}};
    for (int i = 1; i <= 8; ++i) {
        int d = 0, m = 0, y = 0;
        bool repeat = false;
        std::string text;
        ASSERT_TRUE(cal->RetrieveHoliday(i, d, m, y, repeat, text));
        EXPECT_EQ(d, expect[i - 1][0]);
        EXPECT_EQ(m, expect[i - 1][1]);
        EXPECT_EQ(y, RepeatHolidayYear);
        EXPECT_TRUE(repeat);
        EXPECT_EQ(text, BuiltInHolidayCaption(i - 1, lgEnglish));
    }
    int d = 7, m = 7, y = 7;
    bool repeat = true;
    std::string text = "untouched";
    EXPECT_FALSE(cal->RetrieveHoliday(0, d, m, y, repeat, text));
    EXPECT_FALSE(cal->RetrieveHoliday(9, d, m, y, repeat, text));
    EXPECT_EQ(d + m + y, 21);
    EXPECT_TRUE(repeat);
    EXPECT_EQ(text, "untouched");

    cal->AddHoliday(3, 10, 2024, "Unity Day");
    ASSERT_TRUE(cal->RetrieveHoliday(9, d, m, y, repeat, text));
    EXPECT_EQ(d * 10000 + m * 100 + y % 100, 31024);
    EXPECT_EQ(y, 2024);
    EXPECT_FALSE(repeat);
    EXPECT_EQ(text, "Unity Day");
}

TEST_F(MiniCalModel, FixedAndMovableHolidays) {
    EXPECT_EQ(Caption(2024, 12, 25), "Christmas Day");
    EXPECT_EQ(Caption(1815, 12, 26), "Boxing Day");
    EXPECT_EQ(Caption(2024, 5, 1), "Labor Day");
    EXPECT_EQ(Caption(2024, 3, 31), "Easter Day");
    EXPECT_EQ(Caption(2024, 4, 1), "Easter Monday");
    EXPECT_EQ(Caption(2024, 5, 9), "Ascension Day");
    EXPECT_EQ(Caption(2024, 5, 19), "Pentecost");
    EXPECT_EQ(Caption(2024, 5, 20), "Whit Monday");
    EXPECT_EQ(Caption(2024, 5, 30), "Corpus Christi");
    EXPECT_EQ(Caption(2025, 4, 20), "Easter Day");
    EXPECT_EQ(Caption(2025, 4, 21), "Easter Monday");
    EXPECT_EQ(Caption(2024, 4, 2), "");   // emptied when no holiday
    EXPECT_EQ(Caption(2025, 3, 31), "");
    // Any year from 1 on is asked about, the largest too: Easter Sunday of 2147483647 is
    // April 14, of 2147483646 March 25.
    EXPECT_EQ(Caption(2147483647, 4, 14), "Easter Day");
    EXPECT_EQ(Caption(2147483647, 4, 15), "Easter Monday");
    EXPECT_EQ(Caption(2147483646, 3, 25), "Easter Day");
    EXPECT_EQ(Caption(2147483647, 4, 13), "");

    cal->SetShowMovableHolidays(false);
    EXPECT_EQ(Caption(2024, 4, 1), "");
    EXPECT_EQ(Caption(2024, 12, 25), "Christmas Day");
    cal->AddHoliday(1, 4, 2024, "Easter Monday (listed)");
    EXPECT_EQ(Caption(2024, 4, 1), "Easter Monday (listed)");
    EXPECT_EQ(Caption(2025, 4, 1), "");   // a holiday of one year only
}

TEST_F(MiniCalModel, HolidayPrecedence) {
    // A listed holiday wins over a movable feast on the same day.
    cal->AddRepeatHoliday(31, 3, "Spring Day");
    EXPECT_EQ(Caption(2024, 3, 31), "Spring Day");
    EXPECT_EQ(Caption(2024, 4, 1), "Easter Monday");
    // The first listed entry wins, whether for one year or for every year.
    cal->AddHoliday(25, 12, 2024, "Company Christmas");
    EXPECT_EQ(Caption(2024, 12, 25), "Christmas Day");
    cal->AddHoliday(4, 7, 2024, "First");
    cal->AddRepeatHoliday(4, 7, "Second");
    EXPECT_EQ(Caption(2024, 7, 4), "First");
    EXPECT_EQ(Caption(2023, 7, 4), "Second");
}

TEST_F(MiniCalModel, CaptionsInEachLanguage) {
    struct Want { TLanguage lang; const char* christmas; const char* easterMonday; const char* weekday; };
    const Want wants[] = {{lgEnglish, "Christmas Day", "Easter Monday", "Mon"},
                          {lgGerman, "Weihnachten", "Ostermontag", "Mo"},
                          {lgFrench, "Noël", "Lundi de Pâques", "Lun"},
                          {lgSpanish, "Navidad", "Lunes de Pascua", "Lun"},
                          {lgUndefined, "Christmas Day", "Easter Monday", "Mon"}};
    for (const Want& w : wants) {
        cal->SetLanguage(w.lang);
        EXPECT_EQ(cal->GetLanguage(), w.lang);
        EXPECT_EQ(Caption(2024, 12, 25), w.christmas);
        EXPECT_EQ(Caption(2024, 4, 1), w.easterMonday);
    }
    cal->SetLanguage(static_cast<TLanguage>(5));
    EXPECT_EQ(cal->GetLanguage(), lgUndefined);
}

TEST_F(MiniCalModel, LanguageReplacesTheWholeList) {
    cal->AddHoliday(3, 10, 2024, "Unity Day");
    cal->AddRepeatHoliday(17, 3, "St. Patrick's Day");
    EXPECT_EQ(cal->GetNumHolidays(), 10);
    cal->SetLanguage(lgEnglish);   // also the language it has
    EXPECT_EQ(cal->GetNumHolidays(), 8);
    EXPECT_EQ(Caption(2024, 10, 3), "");
    cal->AddHoliday(3, 10, 2024, "Unity Day");
    cal->SetLanguage(lgGerman);
    EXPECT_EQ(cal->GetNumHolidays(), 8);
    EXPECT_EQ(Caption(2024, 10, 3), "");
    EXPECT_EQ(Caption(2024, 1, 6), "Hl. Drei Könige");
}

TEST_F(MiniCalModel, ClearingAndAddingHolidays) {
    cal->ClearHolidayList();
    EXPECT_EQ(cal->GetNumHolidays(), 0);
    EXPECT_EQ(Caption(2024, 12, 25), "");
    EXPECT_EQ(Caption(2024, 3, 31), "Easter Day");   // movable feasts are not listed
    cal->AddRepeatHoliday(29, 2, "Leap Day");
    EXPECT_EQ(Caption(2024, 2, 29), "Leap Day");
    EXPECT_EQ(cal->GetNumHolidays(), 1);
    // Dates that do not exist are refused and change nothing.
    EXPECT_THROW(cal->AddHoliday(29, 2, 2023, "x"), vcl::EConvertError);
    EXPECT_THROW(cal->AddHoliday(1, 13, 2024, "x"), vcl::EConvertError);
    EXPECT_THROW(cal->AddHoliday(1, 1, 0, "x"), vcl::EConvertError);
    EXPECT_THROW(cal->AddRepeatHoliday(30, 2, "x"), vcl::EConvertError);
    EXPECT_THROW(cal->AddRepeatHoliday(0, 5, "x"), vcl::EConvertError);
    EXPECT_THROW(cal->AddRepeatHoliday(1, 0, "x"), vcl::EConvertError);
    EXPECT_EQ(cal->GetNumHolidays(), 1);
}

TEST_F(MiniCalModel, HolidayHint) {
    Set(2024, 12, 25);
    EXPECT_EQ(cal->GetHint(), "Christmas Day");
    cal->SetDate(EncodeDate(2024, 12, 27));
    EXPECT_EQ(cal->GetHint(), "");
    cal->SetDate(EncodeDate(2024, 5, 20));
    EXPECT_EQ(cal->GetHint(), "Whit Monday");
    cal->SetIndicateHolidays(false);
    EXPECT_EQ(cal->GetHint(), "");
    cal->SetIndicateHolidays(true);
    EXPECT_EQ(cal->GetHint(), "Whit Monday");
    cal->SetLanguage(lgFrench);
    EXPECT_EQ(cal->GetHint(), "Lundi de Pentecôte");
    // Without the holiday hint the application's own hint stays.
    cal->SetShowHolidayHint(false);
    EXPECT_EQ(cal->GetHint(), "");
    cal->SetHint("Pick a day");
    cal->SetDate(EncodeDate(2024, 12, 25));
    EXPECT_EQ(cal->GetHint(), "Pick a day");
    cal->SetShowHint(false);
    cal->SetShowHolidayHint(true);
    EXPECT_TRUE(cal->GetShowHint());
    EXPECT_EQ(cal->GetHint(), "Noël");
}
