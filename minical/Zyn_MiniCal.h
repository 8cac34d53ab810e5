// TMiniCal: a small month calendar in a grid of 8 x 8 cells. Row 0 holds the navigation
// buttons ("<<" previous year, "<" previous month, the title with month and year, ">" next
// month, ">>" next year), rows 0 and 1 of column 0 the "#" button that jumps to today, row 1
// the short weekday names, column 0 below them the ISO week numbers and the 6 x 7 cells
// beneath the days. The calendar holds one date (its day is the selected day), colours each
// weekday column, rings today and recognises holidays: a list of fixed-date holidays (eight
// built-in ones with captions in four languages, plus the application's own) and, when
// asked to, the six movable feasts that follow Easter.
//
// The model (setters, stepping, holidays, mouse) lives in Zyn_MiniCal.cpp, the dates without
// a canvas (month layout, Easter, week numbers, captions) in MiniCalDates.cpp, the picture in
// MiniCalPaint.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/Zyn_matrix.h"
#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Grids.h"
#include "platform/SysUtils.h"

namespace zyn {

using vcl::TColor;
using vcl::TDateTime;

// Weekdays, Monday first (ordinals 0 to 6).
enum TDayOfWeek : std::uint8_t { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };

// A colour per weekday, indexed by TDayOfWeek.
using TDayColors = std::array<TColor, 7>;

// ---- dates and holidays without a canvas (MiniCalDates.cpp) -----------------------------

// Year of a list row that holds a holiday of every year.
inline constexpr int RepeatHolidayYear = -99999;

// The range of dates the calendar can hold and show.
inline constexpr int MinCalendarYear = 1;
inline constexpr int MaxCalendarYear = 9999;

// Easter Sunday of Year (any year from 1 on) by Gauss's Easter formula in its supplemented form,
// counted as a day of March (32 is April 1, 56 is April 25).
int EasterSundayMarchDay(int Year);

// A day of March to June counted on from March 1 as Easter is (Day in March, Day + 31 in
// April, Day + 61 in May, Day + 92 in June); 0 for the other months.
int MarchDayCount(int Month, int Day);

// The movable feast on a date: 0 Easter Sunday, 1 Easter Monday, 2 Ascension, 3 Pentecost,
// 4 Whit Monday, 5 Corpus Christi; -1 when none falls on it.
inline constexpr int NumMovableHolidays = 6;
int MovableHolidayIndex(int Year, int Month, int Day);

// The offset that maps the day cells to the days of a month: day d shows in column c and row
// r where d = MonOfs + c - 1 + 7 * (r - 2). The first of the month lies in row 2, in the
// column of its weekday counted from FirstDay, the seventh column standing for an offset of 0.
int CalcMonthOffset(int Year, int Month, TDayOfWeek FirstDay);
inline int CellDay(int MonOfs, int Col, int Row) { return MonOfs + Col - 1 + 7 * (Row - 2); }
// The cell (column 1..7, row 2..7) that shows Day of the month laid out by MonOfs.
vcl::TGridCoord DayCell(int MonOfs, int Day);

// ISO week number of a date, also for the days of January 10000 that December 9999 shows.
int CalendarWeekOf(TDateTime Date);

// The built-in holidays of every year, in list order, and their captions. Languages other
// than English, German, French and Spanish take the English captions.
inline constexpr int NumBuiltInHolidays = 8;
/// Day and month of a built-in holiday of every year.
struct TBuiltInHoliday {
    /// Day of the month, 1..31.
    int Day;
    /// Month, 1..12.
    int Month;
};
extern const std::array<TBuiltInHoliday, NumBuiltInHolidays> BuiltInHolidays;
const std::string& BuiltInHolidayCaption(int Index, TLanguage Language);
const std::string& MovableHolidayCaption(int Index, TLanguage Language);

// ---- the calendar -----------------------------------------------------------------------
/// TMiniCal: a small month calendar in a grid of 8 x 8 cells. Row 0 holds the navigation
/// buttons ("<<" previous year, "<" previous month, the title with month and year, ">" next
/// month, ">>" next year), rows 0 and 1 of column 0 the "#" button that jumps to today, row 1
/// the short weekday names, column 0 below them the ISO week numbers and the 6 x 7 cells
/// beneath the days. The calendar holds one date (its day is the selected day), colours each
/// weekday column, rings today and recognises holidays: a list of fixed-date holidays (eight
/// built-in ones with captions in four languages, plus the application's own) and, when
/// asked to, the six movable feasts that follow Easter.
class TMiniCal : public vcl::TCustomDrawGrid {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TMiniCal(vcl::TComponent* AOwner);
    ~TMiniCal() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TMiniCal"; }

    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// Repaints when the calendar is enabled or disabled, and sizes the cells anew when Ctl3D
    /// changes (the buttons' raised frames come and go with it).
    void WndProc(vcl::TMessage& Message) override;

    // ---- properties
    /// Whether a click on a greyed day of the previous or next month switches to that month and
    /// selects the day; default true.
    bool GetAutoSwitch() const { return FAutoSwitch; }
    /// Switches month switching on greyed days; takes effect with the next click.
    void SetAutoSwitch(bool Value);
    /// Text colour of the days of the shown month; default 0 (black).
    TColor GetColorActiveMonth() const { return FColorActiveMonth; }
    /// Sets the colour of the shown month's days; repaints.
    void SetColorActiveMonth(TColor Value);
    /// Text colour of the greyed days of the neighbouring months; default 0xC0C0C0.
    TColor GetColorInactiveMonth() const { return FColorInactiveMonth; }
    /// Sets the colour of the neighbouring months' days; repaints.
    void SetColorInactiveMonth(TColor Value);
    /// Background of the week number column; default 0xC0C0C0.
    TColor GetColorWeekNoBg() const { return FColorWeekNoBg; }
    /// Sets the week number background; repaints.
    void SetColorWeekNoBg(TColor Value);
    /// Text colour of the week numbers; default 0 (black).
    TColor GetColorWeekNoFg() const { return FColorWeekNoFg; }
    /// Sets the week number text colour; repaints.
    void SetColorWeekNoFg(TColor Value);
    /// Background of the line of weekday names; default 0xC0C0C0.
    TColor GetColorDayIdBg() const { return FColorDayIdBg; }
    /// Sets the weekday name background; repaints.
    void SetColorDayIdBg(TColor Value);
    /// Text colour of the weekday names; default 0 (black).
    TColor GetColorDayIdFg() const { return FColorDayIdFg; }
    /// Sets the weekday name text colour; repaints.
    void SetColorDayIdFg(TColor Value);
    /// Background of the selected day; default 0xD0A040 (mixed with ColorHolidayBg on a holiday).
    TColor GetColorSelectedBg() const { return FColorSelectedBg; }
    /// Sets the selected day background; repaints.
    void SetColorSelectedBg(TColor Value);
    /// Text colour of the selected day; default 0xFFFFFF (white).
    TColor GetColorSelectedFg() const { return FColorSelectedFg; }
    /// Sets the selected day text colour; repaints.
    void SetColorSelectedFg(TColor Value);
    /// Background of holidays while IndicateHolidays is set; default 0x9BD8F1.
    TColor GetColorHolidayBg() const { return FColorHolidayBg; }
    /// Sets the holiday background; repaints.
    void SetColorHolidayBg(TColor Value);
    /// Text colour of holidays while IndicateHolidays is set; default 0x0000C0.
    TColor GetColorHolidayFg() const { return FColorHolidayFg; }
    /// Sets the holiday text colour; repaints.
    void SetColorHolidayFg(TColor Value);
    /// Colour of the circle drawn round today while MarkToday is set; default 0x0000FF (red).
    TColor GetColorToday() const { return FColorToday; }
    /// Sets the colour of today's circle; repaints.
    void SetColorToday(TColor Value);
    /// Parts of Date. Each setter encodes the date again from its parts (the time of day is
    /// dropped), recomputes the layout and fires OnChange, also when it kept the old part for
    /// a value out of range: Day takes 1..days of the month, Month 1..12. A Year outside
    /// 1..9999, or a year or month without the held day (February 29, the 31st), raises
    /// EConvertError and changes nothing.
    int GetDay() const;
    /// Sets the day of the month; values outside 1..days of the month keep the old day.
    void SetDay(int Value);
    /// The month of Date, 1..12.
    int GetMonth() const;
    /// Sets the month; values outside 1..12 keep the old month.
    void SetMonth(int Value);
    /// The year of Date.
    int GetYear() const;
    /// Sets the year; one outside 1..9999, or without the held day, raises EConvertError.
    void SetYear(int Value);
    /// Weekday shown in the first day column; default dwMon.
    TDayOfWeek GetFirstDayOfWeek() const { return F1stDayWeek; }
    /// Sets the first weekday; when it changes, the layout is recomputed and OnChange fires.
    void SetFirstDayOfWeek(TDayOfWeek Value);
    /// Whether holidays are drawn in the holiday colours (and named in the hint); default true.
    bool GetIndicateHolidays() const { return FIndicateHolid; }
    /// Switches holiday colouring; when it changes, recomputes the layout and repaints.
    void SetIndicateHolidays(bool Value);
    /// Setting the language (even the current one) replaces the whole holiday list by the
    /// built-in holidays with their captions in that language.
    TLanguage GetLanguage() const { return FLanguage; }
    /// Sets the language of the day and month names and of the built-in holiday captions;
    /// holidays the application added are discarded. Unknown languages are ignored.
    void SetLanguage(TLanguage Value);
    /// Whether today is circled in ColorToday; default true.
    bool GetMarkToday() const { return FMarkToday; }
    /// Switches the circle round today; repaints.
    void SetMarkToday(bool Value);
    /// Whether the control's hint shows the holiday caption of the selected day; default true.
    bool GetShowHolidayHint() const { return FShowHDayHint; }
    /// Switches the holiday hint; when it changes, clears the hint, sets ShowHint when true,
    /// recomputes and repaints.
    void SetShowHolidayHint(bool Value);
    /// Whether the title shows the short month name (default true) or the long one.
    bool GetShowMonthShort() const { return FMonthShort; }
    /// Chooses the short or long month name in the title; repaints.
    void SetShowMonthShort(bool Value);
    /// Whether the six movable feasts that follow Easter count as holidays; default true.
    bool GetShowMovableHolidays() const { return FShowMovHdays; }
    /// Switches the movable feasts; when it changes, recomputes the layout and repaints.
    void SetShowMovableHolidays(bool Value);

    /// The held date. Writing stores it (time of day included), recomputes the layout and
    /// fires OnChange; a date outside the years 1..9999 raises EConvertError and changes
    /// nothing.
    TDateTime GetDate() const { return FDate; }
    /// Sets the held date; see GetDate.
    void SetDate(TDateTime Value);
    /// Number of rows of the holiday list.
    int GetNumHolidays() const;
    /// Background of each weekday column. Writing stores, recomputes and fires OnChange; an
    /// index outside the week reads as 0 and is ignored on writing.
    TColor GetDayColors(TDayOfWeek Day) const;
    /// Sets the background of one weekday column; see GetDayColors.
    void SetDayColors(TDayOfWeek Day, TColor Value);
    /// The offset of the shown month (see CalcMonthOffset).
    int GetMonOfs() const { return FMonOfs; }

    // ---- holidays
    /// Whether the date is a holiday: the first list row with its day and month and its year
    /// (or a year of -99999) gives the caption; then, with ShowMovableHolidays, the feasts
    /// after Easter. Caption is emptied first and holds the caption found.
    bool CheckHoliday(int Year, int Month, int Day, std::string& Caption) const;
    /// Empties the list and the captions, the built-in holidays too.
    void ClearHolidayList();
    /// Appends a holiday for one date, or for that day and month of every year. A date that
    /// does not exist (for a holiday of every year: in no year) raises EConvertError.
    void AddHoliday(int Day, int Mon, int Year, const std::string& Caption);
    /// Appends a holiday on day Day of month Mon of every year, with its caption; recomputes and
    /// repaints.
    void AddRepeatHoliday(int Day, int Mon, const std::string& Caption);
    /// Row HDIndex (1..NumHolidays) of the list; false and the outputs untouched otherwise.
    bool RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                         std::string& Description) const;

    // ---- stepping
    /// The neighbouring month with the same day number, or its last day when it is shorter.
    void NextMonth();
    /// The previous month with the same day number, or its last day when it is shorter.
    void PrevMonth();
    /// One year on or back; February 29 first steps back to the 28th (which fires OnChange).
    void NextYear();
    /// One year back; February 29 first steps back to the 28th (which fires OnChange).
    void PrevYear();
    /// The last day of the held month.
    void LastDayOfMonth();

    // ---- events
    /// The held date changed (or a day colour was set).
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Installs the handler called when the held date changes or a day colour is set; an empty
    /// function removes it.
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    /// ScaleBy at M/D: the cells follow the scaled size, as after any resize.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler called when the held date changes or a day colour is set; empty: none.
    vcl::TNotifyEvent FOnChange;

    /// Works out what every cell of this paint shares (the month shown, today), then draws the
    /// grid.
    void Paint() override;
    /// Draws one cell: the buttons and the title in row 0, the weekday names in row 1, the week
    /// numbers in column 0 and the days below.
    void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
    /// Sizes the cells anew so that the grid fills the new client area.
    void Resize() override;
    /// Lets the grid's current cell move only while the calendar itself places it on the held day.
    bool SelectCell(int ACol, int ARow) override;
    /// Passes on only the user's clicks: the calendar moving its current cell, and the grid's own
    /// end of a press, fire no OnClick.
    void Click() override;
    /// A left press acts at once: on a day cell it sets the date (with AutoSwitch into the
    /// neighbouring month), on a button it steps the month or year or goes to today. A date out of
    /// reach is reported through the application and changes nothing.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Ends the grid's press state (no range selection) and fires OnClick when the left button is
    /// released over the calendar.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// The keyboard: arrows move the day (a week up and down), PgUp/PgDn the month, with Ctrl
    /// the year, Home/End go to the month's first and last day, Enter and Space choose the
    /// held day as a click on it does. A step beyond the years the calendar holds is ignored.
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;

    /// Recomputes the layout for the held date: month offset, the grid's current cell, the
    /// holiday hint; then invalidates.
    void UpdateCal();
    /// Calls the OnChange handler, if any.
    void DoChange();

private:
    template <typename T>
    void StoreAndInvalidate(T& Field, T Value);
    // Row widths and heights for the client size: seven equal day columns and rows, the
    // first column and row taking what remains.
    void SizeCells();
    // Date := Year-Month-Day, refusing dates outside the calendar's range (EConvertError).
    void SetDateParts(int Year, int Month, int Day);
    [[noreturn]] void RaiseBadDate(int Year, int Month, int Day) const;
    void FillBuiltInHolidays();
    void AppendHoliday(int Day, int Mon, int Year, const std::string& Caption);
    // The list row (1..) of the first listed holiday on the date, 0 when none.
    int ListedHoliday(int Year, int Month, int Day) const;
    bool IsHoliday(int Year, int Month, int Day) const;
    void HandleClick(int Col, int Row);
    void HandleKey(vcl::WORD Key, vcl::TShiftState Shift);
    void StepDays(int Days);

    // painting (MiniCalPaint.cpp)
    struct TPaintState {
        int Year = 0, Month = 0, Day = 0, DaysInMonth = 0, DaysInPrevMonth = 0;
        int TodayDay = 0;            // today's day when today lies in the shown month, else 0
        int TextHeight = 0;
        TColor DefaultFont = vcl::clBlack;
        TColor ButtonFace = vcl::clBtnFace;
        bool Styled = false;
        bool Disabled = false;       // greyed texts, no highlight of the selected day
    };
    void PreparePaint();
    void DrawButton(vcl::TCanvas* C, const vcl::TRect& R, const std::string& Text);
    void DrawRaisedFrame(vcl::TCanvas* C, const vcl::TRect& R);
    void DrawTitle(vcl::TCanvas* C, const vcl::TRect& Cell);
    void DrawWeekdayName(vcl::TCanvas* C, int Col, const vcl::TRect& R);
    void DrawWeekNumber(vcl::TCanvas* C, int Row, const vcl::TRect& R);
    void DrawDay(vcl::TCanvas* C, int Col, int Row, const vcl::TRect& R);
    void DrawTodayRing(vcl::TCanvas* C, const vcl::TRect& R);
    void DrawCentredText(vcl::TCanvas* C, const vcl::TRect& R, const std::string& Text, TColor Bg,
                         TColor Fg, bool GreyWhenDisabled = true);

    TDateTime FDate = 0;
    int FMonOfs = 0;
    TDayOfWeek F1stDayWeek = dwMon;
    friend struct MiniCalThemeAccess;   // MiniCalTheme.cpp moves the day colours
    TDayColors FDayColors{0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xBBDDEE, 0xCCEEFF};
    TLanguage FLanguage = lgEnglish;
    std::unique_ptr<TIntMatrix> FHDayList;
    std::unique_ptr<vcl::TStringList> FHDayCaptions;
    bool FUpdating = false;
    bool FEndingPress = false;   // the grid ends a press the calendar already acted on
    bool FAutoSwitch = true;
    bool FShowHDayHint = true;
    bool FIndicateHolid = true;
    bool FShowMovHdays = true;
    bool FMarkToday = true;
    bool FMonthShort = true;
    TColor FColorActiveMonth = vcl::clBlack;
    TColor FColorInactiveMonth = 0xC0C0C0;
    TColor FColorWeekNoBg = 0xC0C0C0;
    TColor FColorWeekNoFg = vcl::clBlack;
    TColor FColorDayIdBg = 0xC0C0C0;
    TColor FColorDayIdFg = vcl::clBlack;
    TColor FColorSelectedBg = 0xD0A040;
    TColor FColorSelectedFg = 0xFFFFFF;
    TColor FColorHolidayBg = 0x9BD8F1;
    TColor FColorHolidayFg = 0x0000C0;
    TColor FColorToday = 0x0000FF;

    TPaintState FPaint;
    std::string FText;   // reused title text while painting
};

}  // namespace zyn
