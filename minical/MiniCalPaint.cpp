// The calendar's picture. The grid draws its lines and asks for every cell; each cell is one
// of: a navigation button (with the title spanning three columns and "#" two rows), a
// weekday name, a week number, or a day with its colours by state and the ring round today.
#include <algorithm>
#include <array>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "platform/Themes.h"
#include "platform/Types.h"

namespace zyn {

using namespace vcl;

namespace {

// Colours of the buttons' raised frame, outside in: these in the light theme, the theme's
// bevel lines in the others, so that no white frame is left on a dark calendar.
TColor FrameColor(TColor Light, TThemeRole Role) {
    return &CurrentTheme() == &LightTheme() ? Light : ThemeColor(Role);
}
TColor FrameLight() { return FrameColor(TColor(0xFFFFFF), trLineLight); }
TColor FrameDark() { return FrameColor(TColor(0x686868), trLineDark); }
TColor FrameInnerDark() { return FrameColor(TColor(0x9CA0A5), trLineShadow); }
TColor FrameInnerLight() { return FrameColor(TColor(0xE6E2E2), trLineFace); }

// The text of every cell while the calendar is disabled (the greyed days of the neighbouring
// months keep their own colour): gray in the light theme.
TColor DisabledText() { return ThemeColor(trDisabledInk); }

// Day and week numbers as text, made once.
const std::string& NumberText(int N) {
    static const std::array<std::string, 54> Texts = [] {
        std::array<std::string, 54> t;
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = std::to_string(i);
        return t;
    }();
    return Texts[std::size_t(std::clamp(N, 0, 53))];
}

// Row of the name tables for a language (every value the calendar stores has one).
std::size_t NameRow(TLanguage Language) { return Language <= lgSpanish ? Language : lgEnglish; }

}  // namespace

void TMiniCal::Paint() {
    PreparePaint();
    TCustomDrawGrid::Paint();
}

// What every cell of one paint shares: the shown month, today, the text height, the look.
void TMiniCal::PreparePaint() {
    TPaintState& p = FPaint;
    DecodeDate(FDate, p.Year, p.Month, p.Day);
    p.DaysInMonth = DaysInAMonth(p.Year, p.Month);
    // The month before January is a December of 31 days.
    p.DaysInPrevMonth = p.Month == 1 ? 31 : DaysInAMonth(p.Year, p.Month - 1);
    p.TodayDay = 0;
    if (FMarkToday) {
        int y, m, d;
        DecodeDate(Now(), y, m, d);
        if (y == p.Year && m == p.Month) p.TodayDay = d;
    }
    p.Disabled = !GetEnabled();
    TCanvas* c = GetCanvas();
    c->GetFont()->Assign(GetFont());
    p.TextHeight = c->TextHeight("0");
    const TCustomStyleServices* style = StyleServices();
    p.Styled = style->Enabled() && !style->IsSystemStyle();
    p.DefaultFont = p.Styled && GetStyleElements().Contains(seFont) ? style->GetStyleFontColor(sfPanelTextNormal)
                                                                    : ThemeColor(trFaceText);
    p.ButtonFace = p.Styled && GetStyleElements().Contains(seBorder) ? style->GetStyleColor(scButtonNormal)
                                                                     : clBtnFace;
}

void TMiniCal::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    (void)AState;
    TCanvas* c = GetCanvas();
    if (ARow == 0) {
        switch (ACol) {
            case 1: DrawButton(c, ARect, "<<"); break;
            case 2: DrawButton(c, ARect, "<"); break;
            case 5: DrawTitle(c, ARect); break;
            case 6: DrawButton(c, ARect, ">"); break;
            case 7: DrawButton(c, ARect, ">>"); break;
            default: break;   // "#" is drawn from row 1, the title from column 5
        }
    } else if (ARow == 1) {
        if (ACol == 0) {
            TRect r = ARect;
            r.Top -= GetRowHeights(0) + 1;
            DrawButton(c, r, "#");
        } else {
            DrawWeekdayName(c, ACol, ARect);
        }
    } else if (ACol == 0) {
        DrawWeekNumber(c, ARow, ARect);
    } else {
        DrawDay(c, ACol, ARow, ARect);
    }
}

void TMiniCal::DrawCentredText(TCanvas* C, const TRect& R, const std::string& Text, TColor Bg, TColor Fg,
                               bool GreyWhenDisabled) {
    C->GetBrush()->SetColor(Bg);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetFont()->SetColor(FPaint.Disabled && GreyWhenDisabled ? DisabledText() : Fg);
    const int x = R.Left + (R.Width() - C->TextWidth(Text)) / 2;
    const int y = R.Top + (R.Height() - FPaint.TextHeight) / 2;
    C->TextRect(R, x, y, Text);
}

void TMiniCal::DrawButton(TCanvas* C, const TRect& R, const std::string& Text) {
    DrawCentredText(C, R, Text, FPaint.ButtonFace, FPaint.DefaultFont);
    if (GetCtl3D()) DrawRaisedFrame(C, R);
}

// Light above and left, dark below and right, each with a softer inner line. The outer dark
// line lies on the grid lines below and right of the cell.
void TMiniCal::DrawRaisedFrame(TCanvas* C, const TRect& R) {
    TPen* pen = C->GetPen();
    pen->SetColor(FrameLight());
    C->MoveTo(R.Left, R.Bottom - 1);
    C->LineTo(R.Left, R.Top);
    C->LineTo(R.Right, R.Top);
    pen->SetColor(FrameDark());
    C->MoveTo(R.Left, R.Bottom);
    C->LineTo(R.Right, R.Bottom);
    C->LineTo(R.Right, R.Top);
    pen->SetColor(FrameInnerDark());
    C->MoveTo(R.Left + 1, R.Bottom - 1);
    C->LineTo(R.Right - 1, R.Bottom - 1);
    C->LineTo(R.Right - 1, R.Top);
    pen->SetColor(FrameInnerLight());
    C->MoveTo(R.Left + 1, R.Bottom - 2);
    C->LineTo(R.Left + 1, R.Top + 1);
    C->LineTo(R.Right - 1, R.Top + 1);
}

// Column 5's cell widened to the left over columns 3 and 4 and their grid lines.
void TMiniCal::DrawTitle(TCanvas* C, const TRect& Cell) {
    TRect r = Cell;
    r.Left = SatInt(3LL * Cell.Left - 2LL * Cell.Right - 2);
    const std::size_t lang = NameRow(FLanguage);
    FText = FMonthShort ? MonthShort[lang][std::size_t(FPaint.Month)] : MonthLong[lang][std::size_t(FPaint.Month)];
    FText += ' ';
    FText += std::to_string(FPaint.Year);
    DrawButton(C, r, FText);
}

void TMiniCal::DrawWeekdayName(TCanvas* C, int Col, const TRect& R) {
    const std::size_t day = std::size_t((F1stDayWeek + Col - 1) % 7);
    DrawCentredText(C, R, WeekDayShort[NameRow(FLanguage)][day], FColorDayIdBg, FColorDayIdFg);
}

// The ISO week of the day that row shows in the column of the month's first day.
void TMiniCal::DrawWeekNumber(TCanvas* C, int Row, const TRect& R) {
    const TDateTime first = EncodeDate(FPaint.Year, FPaint.Month, 1);
    DrawCentredText(C, R, NumberText(CalendarWeekOf(first + 7 * (Row - 2))), FColorWeekNoBg, FColorWeekNoFg);
}

void TMiniCal::DrawDay(TCanvas* C, int Col, int Row, const TRect& R) {
    const int d = CellDay(FMonOfs, Col, Row);
    TColor bg = FDayColors[std::size_t((Col + F1stDayWeek - 1) % 7)];
    TColor fg = FColorActiveMonth;
    int shown = d;
    if (d < 1) {
        fg = FColorInactiveMonth;
        shown = FPaint.DaysInPrevMonth + d;
    } else if (d > FPaint.DaysInMonth) {
        fg = FColorInactiveMonth;
        shown = d - FPaint.DaysInMonth;
    } else {
        const bool holiday = FIndicateHolid && IsHoliday(FPaint.Year, FPaint.Month, d);
        if (holiday) {
            bg = FColorHolidayBg;
            fg = FColorHolidayFg;
        }
        if (d == FPaint.Day && !FPaint.Disabled) {
            fg = FColorSelectedFg;
            bg = holiday ? MeanColor(FColorSelectedBg, FColorHolidayBg) : FColorSelectedBg;
        }
    }
    DrawCentredText(C, R, NumberText(shown), bg, fg, d >= 1 && d <= FPaint.DaysInMonth);
    if (d >= 1 && d == FPaint.TodayDay) DrawTodayRing(C, R);
    // The held day is the grid's current cell; the cue marks it while the keyboard is here.
    if (d == FPaint.Day) DrawFocusCue(C, R);
}

void TMiniCal::DrawTodayRing(TCanvas* C, const TRect& R) {
    C->GetPen()->SetColor(FPaint.Disabled ? DisabledText() : FColorToday);
    C->GetBrush()->SetStyle(bsClear);
    C->Ellipse(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
}

}  // namespace zyn
