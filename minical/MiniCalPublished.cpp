// The published properties of the calendar. The table is registered while the program
// starts (the component library is linked whole), so form files can name the class before
// any instance exists.
#include "minical/Zyn_MiniCal.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const MiniCalClass =
    RegisterClass<TMiniCal, TCustomDrawGrid>("TMiniCal", [](TPublisher<TMiniCal>& p) {
        using M = TMiniCal;
        // The grid's layout is the calendar's own: computed from the size, never stored.
        p.Integer("ColCount", &M::GetColCount, &M::SetColCount).Stored(false);
        p.Integer("RowCount", &M::GetRowCount, &M::SetRowCount).Stored(false);
        p.Integer("FixedCols", &M::GetFixedCols, &M::SetFixedCols).Stored(false);
        p.Integer("FixedRows", &M::GetFixedRows, &M::SetFixedRows).Stored(false);
        // The calendar sizes its week-number column and header row apart from the others;
        // the grid's setters give every column (row) the default size again, so even the
        // same value changes the picture.
        p.Integer("DefaultColWidth", &M::GetDefaultColWidth, &M::SetDefaultColWidth).Stored(false).RepaintsAlways();
        p.Integer("DefaultRowHeight", &M::GetDefaultRowHeight, &M::SetDefaultRowHeight).Stored(false).RepaintsAlways();
        p.Integer("GridLineWidth", &M::GetGridLineWidth, &M::SetGridLineWidth).Stored(false);
        p.Set("Options", &M::GetOptions, &M::SetOptions,
              {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
               "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
               "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"})
            .Stored(false);
        p.Enum("ScrollBars", &M::GetScrollBars, &M::SetScrollBars, {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"})
            .Stored(false);
        p.Boolean("DefaultDrawing", &M::GetDefaultDrawing, &M::SetDefaultDrawing).Stored(false);

        p.Boolean("AutoSwitch", &M::GetAutoSwitch, &M::SetAutoSwitch);
        p.Color("ColorActiveMonth", &M::GetColorActiveMonth, &M::SetColorActiveMonth);
        p.Color("ColorInactiveMonth", &M::GetColorInactiveMonth, &M::SetColorInactiveMonth);
        p.Color("ColorWeekNoBg", &M::GetColorWeekNoBg, &M::SetColorWeekNoBg);
        p.Color("ColorWeekNoFg", &M::GetColorWeekNoFg, &M::SetColorWeekNoFg);
        p.Color("ColorDayIdBg", &M::GetColorDayIdBg, &M::SetColorDayIdBg);
        p.Color("ColorDayIdFg", &M::GetColorDayIdFg, &M::SetColorDayIdFg);
        p.Color("ColorSelectedBg", &M::GetColorSelectedBg, &M::SetColorSelectedBg);
        p.Color("ColorSelectedFg", &M::GetColorSelectedFg, &M::SetColorSelectedFg);
        p.Color("ColorHolidayBg", &M::GetColorHolidayBg, &M::SetColorHolidayBg);
        p.Color("ColorHolidayFg", &M::GetColorHolidayFg, &M::SetColorHolidayFg);
        p.Color("ColorToday", &M::GetColorToday, &M::SetColorToday);
        // Parts of the date: set again they still recompute and fire OnChange.
        p.Integer("Day", &M::GetDay, &M::SetDay).Stored(false).RepaintsAlways();
        p.Integer("Month", &M::GetMonth, &M::SetMonth).Stored(false).RepaintsAlways();
        p.Integer("Year", &M::GetYear, &M::SetYear).Stored(false).RepaintsAlways();
        p.Enum("FirstDayOfWeek", &M::GetFirstDayOfWeek, &M::SetFirstDayOfWeek,
               {"dwMon", "dwTue", "dwWed", "dwThu", "dwFri", "dwSat", "dwSun"});
        p.Boolean("IndicateHolidays", &M::GetIndicateHolidays, &M::SetIndicateHolidays);
        p.Enum("Language", &M::GetLanguage, &M::SetLanguage,
               {"lgUndefined", "lgEnglish", "lgGerman", "lgFrench", "lgSpanish"})
            .RepaintsAlways();
        p.Boolean("MarkToday", &M::GetMarkToday, &M::SetMarkToday);
        p.Boolean("ShowHolidayHint", &M::GetShowHolidayHint, &M::SetShowHolidayHint);
        p.Boolean("ShowMonthShort", &M::GetShowMonthShort, &M::SetShowMonthShort);
        p.Boolean("ShowMovableHolidays", &M::GetShowMovableHolidays, &M::SetShowMovableHolidays);
        p.Event("OnChange", &M::GetOnChange, &M::SetOnChange);
    });

}  // namespace

}  // namespace zyn
