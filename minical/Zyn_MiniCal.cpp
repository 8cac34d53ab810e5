// The calendar's model: construction, cell sizing, the property setters, the holiday list,
// stepping by month and year, and the mouse.
#include "minical/Zyn_MiniCal.h"

#include <algorithm>
#include <cmath>

#include "platform/DateUtils.h"
#include "platform/Forms.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

namespace {

// "2024-02-09": the parts as given, also when they make no date.
std::string DateText(int Year, int Month, int Day) {
    auto two = [](int V) { return (V >= 0 && V < 10 ? "0" : "") + std::to_string(V); };
    return std::to_string(Year) + "-" + two(Month) + "-" + two(Day);
}

// Marks the calendar as recomputing its layout for as long as it lives.
class TUpdatingScope {
public:
    explicit TUpdatingScope(bool& Flag) : flag_(Flag), old_(Flag) { flag_ = true; }
    ~TUpdatingScope() { flag_ = old_; }
    TUpdatingScope(const TUpdatingScope&) = delete;
    TUpdatingScope& operator=(const TUpdatingScope&) = delete;

private:
    bool& flag_;
    bool old_;
};

}  // namespace

// =========================================================================================
// construction

TMiniCal::TMiniCal(TComponent* AOwner)
    : TCustomDrawGrid(AOwner),
      FHDayList(std::make_unique<TIntMatrix>(nullptr)),
      FHDayCaptions(std::make_unique<TStringList>()) {
    SetDefaultDrawing(false);
    SetColCount(8);
    SetRowCount(8);
    SetFixedCols(1);
    SetFixedRows(2);
    SetCtl3D(true);
    SetGridLineWidth(1);
    SetScrollBars(ssNone);
    SetBorderStyle(bsSingle);
    TGridOptions options = GetOptions();
    options.Exclude(goRangeSelect);
    options.Include(goDrawFocusSelected);
    SetOptions(options);
    FDate = Now();
    FHDayList->Resize(3, 0);
    FillBuiltInHolidays();
    SetBounds(GetLeft(), GetTop(), 300, 180);
    SetDoubleBuffered(true);
    UpdateCal();
}

TMiniCal::~TMiniCal() = default;

void TMiniCal::Loaded() {
    TCustomDrawGrid::Loaded();
    // Sizes are not recomputed while a form file is read, and a file may carry the
    // grid's own column and row sizes.
    SizeCells();
    UpdateCal();
}

void TMiniCal::Resize() {
    TCustomDrawGrid::Resize();
    SizeCells();
}

void TMiniCal::WndProc(TMessage& Message) {
    TCustomDrawGrid::WndProc(Message);
    // The buttons' raised frames come and go with Ctl3D.
    if (Message.Msg == CM_ENABLEDCHANGED) Invalidate();
    if (Message.Msg == CM_CTL3DCHANGED) {
        SizeCells();
        Invalidate();
    }
}

void TMiniCal::SizeCells() {
    // Seven equal columns (rows) with their grid lines; the first column (row) takes the
    // rest of the client area, so that the cells fill it exactly.
    const int lw = GetGridLineWidth();
    const int w = GetClientWidth(), h = GetClientHeight();
    const int colWidth = std::max(0, (w - 7 * lw) / 8);
    const int rowHeight = std::max(0, (h - 7 * lw) / 8);
    SetDefaultColWidth(colWidth);
    SetDefaultRowHeight(rowHeight);
    SetColWidths(0, std::max(0, w - 7 * (colWidth + lw) - lw));
    SetRowHeights(0, std::max(0, h - 7 * (rowHeight + lw) - lw));
}

// =========================================================================================
// properties

template <typename T>
void TMiniCal::StoreAndInvalidate(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TMiniCal::SetAutoSwitch(bool Value) { FAutoSwitch = Value; }
void TMiniCal::SetColorActiveMonth(TColor Value) { StoreAndInvalidate(FColorActiveMonth, Value); }
void TMiniCal::SetColorInactiveMonth(TColor Value) { StoreAndInvalidate(FColorInactiveMonth, Value); }
void TMiniCal::SetColorWeekNoBg(TColor Value) { StoreAndInvalidate(FColorWeekNoBg, Value); }
void TMiniCal::SetColorWeekNoFg(TColor Value) { StoreAndInvalidate(FColorWeekNoFg, Value); }
void TMiniCal::SetColorDayIdBg(TColor Value) { StoreAndInvalidate(FColorDayIdBg, Value); }
void TMiniCal::SetColorDayIdFg(TColor Value) { StoreAndInvalidate(FColorDayIdFg, Value); }
void TMiniCal::SetColorSelectedBg(TColor Value) { StoreAndInvalidate(FColorSelectedBg, Value); }
void TMiniCal::SetColorSelectedFg(TColor Value) { StoreAndInvalidate(FColorSelectedFg, Value); }
void TMiniCal::SetColorHolidayBg(TColor Value) { StoreAndInvalidate(FColorHolidayBg, Value); }
void TMiniCal::SetColorHolidayFg(TColor Value) { StoreAndInvalidate(FColorHolidayFg, Value); }
void TMiniCal::SetColorToday(TColor Value) { StoreAndInvalidate(FColorToday, Value); }
void TMiniCal::SetMarkToday(bool Value) { StoreAndInvalidate(FMarkToday, Value); }
void TMiniCal::SetShowMonthShort(bool Value) { StoreAndInvalidate(FMonthShort, Value); }

int TMiniCal::GetDay() const { return DayOf(FDate); }
int TMiniCal::GetMonth() const { return MonthOf(FDate); }
int TMiniCal::GetYear() const { return YearOf(FDate); }

void TMiniCal::SetDay(int Value) {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    if (Value >= 1 && Value <= DaysInAMonth(y, m)) d = Value;
    SetDateParts(y, m, d);
}

void TMiniCal::SetMonth(int Value) {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    if (Value >= 1 && Value <= 12) m = Value;
    SetDateParts(y, m, d);
}

void TMiniCal::SetYear(int Value) {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    SetDateParts(Value, m, d);
}

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek Value) {
    if (Value > dwSun || F1stDayWeek == Value) return;
    F1stDayWeek = Value;
    UpdateCal();
    DoChange();
}

void TMiniCal::SetIndicateHolidays(bool Value) {
    if (FIndicateHolid == Value) return;
    FIndicateHolid = Value;
    UpdateCal();
}

void TMiniCal::SetLanguage(TLanguage Value) {
    if (Value > lgSpanish) return;
    FLanguage = Value;
    FillBuiltInHolidays();
    UpdateCal();
}

void TMiniCal::SetShowHolidayHint(bool Value) {
    if (FShowHDayHint == Value) return;
    FShowHDayHint = Value;
    SetHint("");
    if (Value) SetShowHint(true);
    UpdateCal();
}

void TMiniCal::SetShowMovableHolidays(bool Value) {
    if (FShowMovHdays == Value) return;
    FShowMovHdays = Value;
    UpdateCal();
}

void TMiniCal::SetDate(TDateTime Value) {
    static const double FirstDay = EncodeDate(MinCalendarYear, 1, 1);
    static const double LastDay = EncodeDate(MaxCalendarYear, 12, 31);
    if (!std::isfinite(Value) || std::trunc(Value) < FirstDay || std::trunc(Value) > LastDay)
        throw EConvertError("Component \"" + GetName() + "\": the date value " + FloatToStr(Value) +
                            " lies outside the years " + std::to_string(MinCalendarYear) + " to " +
                            std::to_string(MaxCalendarYear));
    FDate = Value;
    UpdateCal();
    DoChange();
}

void TMiniCal::SetDateParts(int Year, int Month, int Day) {
    TDateTime date = 0;
    if (Year < MinCalendarYear || Year > MaxCalendarYear || !TryEncodeDate(Year, Month, Day, date))
        RaiseBadDate(Year, Month, Day);
    FDate = date;
    UpdateCal();
    DoChange();
}

void TMiniCal::RaiseBadDate(int Year, int Month, int Day) const {
    const std::string what = Year < MinCalendarYear || Year > MaxCalendarYear
                                 ? " lies outside the years " + std::to_string(MinCalendarYear) + " to " +
                                       std::to_string(MaxCalendarYear)
                                 : " does not exist";
    throw EConvertError("Component \"" + GetName() + "\": the date " + DateText(Year, Month, Day) + what);
}

int TMiniCal::GetNumHolidays() const { return FHDayList->GetNrOfRows(); }

TColor TMiniCal::GetDayColors(TDayOfWeek Day) const {
    return Day <= dwSun ? FDayColors[std::size_t(Day)] : TColor(0);
}

void TMiniCal::SetDayColors(TDayOfWeek Day, TColor Value) {
    if (Day > dwSun) return;
    FDayColors[std::size_t(Day)] = Value;
    UpdateCal();
    DoChange();
}

void TMiniCal::DoChange() {
    vcl::NotifyItemFocus(this, GetDay() - 1);
    if (FOnChange) FOnChange(this);
}

// =========================================================================================
// layout

void TMiniCal::UpdateCal() {
    {
        TUpdatingScope updating(FUpdating);
        int y, m, d;
        DecodeDate(FDate, y, m, d);
        FMonOfs = CalcMonthOffset(y, m, F1stDayWeek);
        const TGridCoord cell = DayCell(FMonOfs, d);
        MoveCurrent(cell.X, cell.Y, true, false);
        if (FShowHDayHint) {
            std::string caption;
            if (!FIndicateHolid || !CheckHoliday(y, m, d, caption)) caption.clear();
            SetHint(caption);
        }
    }
    Invalidate();
}

// The grid's current cell always shows the held day: only the layout moves it, never the
// grid's own keys, wheel or mouse.
bool TMiniCal::SelectCell(int ACol, int ARow) { return FUpdating && TCustomDrawGrid::SelectCell(ACol, ARow); }

void TMiniCal::Click() {
    // Moving the current cell to the held day is no click of the user's, nor is the grid's
    // own end of a press the calendar handles (the release below is the one click).
    if (FUpdating || FEndingPress) return;
    TCustomDrawGrid::Click();
}

// =========================================================================================
// holidays

void TMiniCal::FillBuiltInHolidays() {
    FHDayList->Resize(3, 0);
    FHDayCaptions->Clear();
    for (int i = 0; i < NumBuiltInHolidays; ++i)
        AppendHoliday(BuiltInHolidays[std::size_t(i)].Day, BuiltInHolidays[std::size_t(i)].Month,
                      RepeatHolidayYear, BuiltInHolidayCaption(i, FLanguage));
}

void TMiniCal::AppendHoliday(int Day, int Mon, int Year, const std::string& Caption) {
    const int row = FHDayList->GetNrOfRows() + 1;
    FHDayCaptions->Add(Caption);
    try {
        FHDayList->SetNRows(row);
    } catch (...) {
        FHDayCaptions->Delete(row - 1);
        throw;
    }
    FHDayList->SetVal(1, row, Day);
    FHDayList->SetVal(2, row, Mon);
    FHDayList->SetVal(3, row, Year);
}

void TMiniCal::ClearHolidayList() {
    FHDayList->Resize(3, 0);
    FHDayCaptions->Clear();
    UpdateCal();
}

void TMiniCal::AddHoliday(int Day, int Mon, int Year, const std::string& Caption) {
    TDateTime date = 0;
    if (!TryEncodeDate(Year, Mon, Day, date)) RaiseBadDate(Year, Mon, Day);
    AppendHoliday(Day, Mon, Year, Caption);
    UpdateCal();
}

void TMiniCal::AddRepeatHoliday(int Day, int Mon, const std::string& Caption) {
    // February 29 is a holiday of the leap years.
    if (Mon < 1 || Mon > 12 || Day < 1 || Day > DaysInAMonth(2000, Mon))
        throw EConvertError("Component \"" + GetName() + "\": day " + std::to_string(Day) + " of month " +
                            std::to_string(Mon) + " does not exist in any year");
    AppendHoliday(Day, Mon, RepeatHolidayYear, Caption);
    UpdateCal();
}

bool TMiniCal::RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                               std::string& Description) const {
    if (HDIndex < 1 || HDIndex > GetNumHolidays()) return false;
    Day = FHDayList->GetVal(1, HDIndex);
    Month = FHDayList->GetVal(2, HDIndex);
    Year = FHDayList->GetVal(3, HDIndex);
    IsRepeatHDay = Year == RepeatHolidayYear;
    Description = FHDayCaptions->Get(HDIndex - 1);
    return true;
}

int TMiniCal::ListedHoliday(int Year, int Month, int Day) const {
    const int n = FHDayList->GetNrOfRows();
    for (int i = 1; i <= n; ++i) {
        if (FHDayList->GetVal(1, i) != Day || FHDayList->GetVal(2, i) != Month) continue;
        const int y = FHDayList->GetVal(3, i);
        if (y == RepeatHolidayYear || y == Year) return i;
    }
    return 0;
}

bool TMiniCal::IsHoliday(int Year, int Month, int Day) const {
    if (ListedHoliday(Year, Month, Day) > 0) return true;
    return FShowMovHdays && Year >= MinCalendarYear && MovableHolidayIndex(Year, Month, Day) >= 0;
}

bool TMiniCal::CheckHoliday(int Year, int Month, int Day, std::string& Caption) const {
    Caption.clear();
    if (const int row = ListedHoliday(Year, Month, Day); row > 0) {
        Caption = FHDayCaptions->Get(row - 1);
        return true;
    }
    // Easter is reckoned for the years of the Christian era only.
    if (FShowMovHdays && Year >= MinCalendarYear) {
        if (const int feast = MovableHolidayIndex(Year, Month, Day); feast >= 0) {
            Caption = MovableHolidayCaption(feast, FLanguage);
            return true;
        }
    }
    return false;
}

// =========================================================================================
// stepping

void TMiniCal::NextMonth() {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    // The day after the month's last day lies in the next month.
    if (m == 12) {
        m = 1;
        ++y;
    } else {
        ++m;
    }
    SetDateParts(y, m, std::min(d, DaysInAMonth(y, m)));
}

void TMiniCal::PrevMonth() {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    // The day before the month's first day lies in the previous month.
    if (m == 1) {
        m = 12;
        --y;
    } else {
        --m;
    }
    SetDateParts(y, m, std::min(d, DaysInAMonth(y, m)));
}

void TMiniCal::NextYear() {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    if (y + 1 > MaxCalendarYear) RaiseBadDate(y + 1, m, d);
    if (m == 2 && d == 29) SetDay(28);
    SetYear(y + 1);
}

void TMiniCal::PrevYear() {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    if (y - 1 < MinCalendarYear) RaiseBadDate(y - 1, m, d);
    if (m == 2 && d == 29) SetDay(28);
    SetYear(y - 1);
}

void TMiniCal::LastDayOfMonth() { SetDay(DaysInMonth(FDate)); }

// =========================================================================================
// mouse

void TMiniCal::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0) return;
    // A press is a message of its own: a date it cannot reach is reported as an error of
    // the application and changes nothing.
    try {
        HandleClick(cell.X, cell.Y);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TMiniCal::HandleClick(int Col, int Row) {
    if (Col >= 1 && Row >= 2) {
        int y, m, d0;
        DecodeDate(FDate, y, m, d0);
        int d = CellDay(FMonOfs, Col, Row);
        if (FAutoSwitch) {
            if (d <= 0) {
                if (m == 1) {
                    m = 12;
                    --y;
                    d += 31;
                } else {
                    --m;
                    d += DaysInAMonth(y, m);
                }
            } else if (const int n = DaysInAMonth(y, m); d > n) {
                d -= n;
                if (m == 12) {
                    m = 1;
                    ++y;
                } else {
                    ++m;
                }
            }
        }
        if (d >= 1 && d <= DaysInAMonth(y, m)) {
            TDateTime date = 0;
            if (y < MinCalendarYear || y > MaxCalendarYear || !TryEncodeDate(y, m, d, date))
                RaiseBadDate(y, m, d);
            FDate = date;
            DoChange();
        }
        UpdateCal();
        return;
    }
    if (Row == 0 || (Row == 1 && Col == 0)) {
        switch (Col) {
            case 0: SetDate(Now()); break;
            case 1: PrevYear(); break;
            case 2: PrevMonth(); break;
            case 6: NextMonth(); break;
            case 7: NextYear(); break;
            default: break;   // the title
        }
    }
}

void TMiniCal::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // The calendar acted on the press; the release is not handed to the grid (which would
    // take it as the end of a selection). The grid's press state ends here instead, and a
    // release over the calendar is its click.
    (void)Shift;
    if (Button != mbLeft) return;
    TMessage cancel{WM_CANCELMODE, 0, 0, 0};
    FEndingPress = true;
    try {
        TCustomDrawGrid::WMCancelMode(cancel);
    } catch (...) {
        FEndingPress = false;
        throw;
    }
    FEndingPress = false;
    if (GetClientRect().Contains({X, Y})) Click();
}

// =========================================================================================
// keyboard

void TMiniCal::KeyDown(WORD& Key, TShiftState Shift) {
    bool own = false;
    switch (Key) {
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        case VK_HOME: case VK_END: case VK_RETURN: case VK_SPACE: own = !Shift.Contains(ssAlt); break;
        default: break;
    }
    if (!own) {
        TCustomDrawGrid::KeyDown(Key, Shift);
        return;
    }
    // The calendar's own keys are not handed to the grid (its current cell follows the
    // held day, never the other way round); OnKeyDown sees them first.
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    HandleKey(Key, Shift);
    Key = 0;
}

void TMiniCal::HandleKey(WORD Key, TShiftState Shift) {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    const bool ctrl = Shift.Contains(ssCtrl);
    switch (Key) {
        case VK_LEFT: StepDays(-1); return;
        case VK_RIGHT: StepDays(1); return;
        case VK_UP: StepDays(-7); return;
        case VK_DOWN: StepDays(7); return;
        case VK_PRIOR:
            if (ctrl) {
                if (y > MinCalendarYear) PrevYear();
            } else if (y > MinCalendarYear || m > 1) {
                PrevMonth();
            }
            return;
        case VK_NEXT:
            if (ctrl) {
                if (y < MaxCalendarYear) NextYear();
            } else if (y < MaxCalendarYear || m < 12) {
                NextMonth();
            }
            return;
        case VK_HOME: SetDay(1); return;
        case VK_END: LastDayOfMonth(); return;
        case VK_RETURN:
        case VK_SPACE:
            // As a click on the held day: the date is taken anew (without its time of day),
            // OnChange and OnClick follow.
            FDate = EncodeDate(y, m, d);
            DoChange();
            UpdateCal();
            Click();
            return;
        default: return;
    }
}

void TMiniCal::StepDays(int Days) {
    static const double FirstDay = EncodeDate(MinCalendarYear, 1, 1);
    static const double LastDay = EncodeDate(MaxCalendarYear, 12, 31);
    const double day = std::trunc(FDate) + Days;
    if (day < FirstDay || day > LastDay) return;
    SetDate(day);
}

void TMiniCal::ChangeScale(int M, int D) {
    TCustomDrawGrid::ChangeScale(M, D);
    SizeCells();
    Invalidate();
}

}  // namespace zyn
