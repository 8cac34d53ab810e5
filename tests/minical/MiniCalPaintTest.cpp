// The calendar's picture, probed cell by cell: backgrounds and text colours by state, texts
// centred by their measured size, the buttons' raised frames, the spanning title and "#"
// cells, the ring round today.
#include <gtest/gtest.h>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "MiniCalTestSupport.h"

using namespace zyn;
using namespace minical_test;
using vcl::TColor;
using vcl::TRect;

namespace {

class MiniCalPaint : public MiniCalFormTest {
protected:
    // The text as the cell must show it: centred by its measured size in Box, on Bg in Fg.
    // Compares every pixel of Area (default: Box) with the picture.
    void ExpectText(const Picture& P, const TRect& Box, const std::string& Text, TColor Bg, TColor Fg,
                    TRect Area = TRect()) {
        if (Area.IsEmpty()) Area = Box;
        vcl::TBitmap ref;
        ref.SetSize(cal->GetWidth(), cal->GetHeight());
        vcl::TCanvas* c = ref.GetCanvas();
        c->GetFont()->Assign(cal->GetFont());
        c->GetFont()->SetColor(Fg);
        c->GetBrush()->SetColor(Bg);
        const int x = Box.Left + (Box.Width() - c->TextWidth(Text)) / 2;
        const int y = Box.Top + (Box.Height() - c->TextHeight(Text)) / 2;
        c->TextRect(Box, x, y, Text);
        int glyphPixels = 0, mismatches = 0;
        for (int py = Area.Top; py < Area.Bottom; ++py) {
            for (int px = Area.Left; px < Area.Right; ++px) {
                const TColor want = c->GetPixels(px, py) & 0xFFFFFF;
                if (want == (Fg & 0xFFFFFF)) ++glyphPixels;
                if (P.At(px, py) != want && ++mismatches <= 3)
                    ADD_FAILURE() << "\"" << Text << "\" at " << px << "," << py << ": " << std::hex << P.At(px, py)
                                  << " instead of " << want;
            }
        }
        EXPECT_GT(glyphPixels, 0) << Text;
        EXPECT_EQ(mismatches, 0) << Text;
    }
    TRect Cell(int Col, int Row) const { return cal->CellRect(Col, Row); }
    static TRect Inside(TRect R, int By) { return vcl::Rect(R.Left + By, R.Top + By, R.Right - By, R.Bottom - By); }
};

constexpr TColor Silver = 0xC0C0C0;

}  // namespace

TEST_F(MiniCalPaint, CellsFollowTheSizing) {
    // 300 x 180 inside the 2-pixel sunken border: a client area of 296 x 176, day columns
    // (296 - 7) div 8 = 36 wide, day rows (176 - 7) div 8 = 21 high; the first column and
    // row take the rest.
    EXPECT_EQ(cal->GetClientWidth(), 296);
    EXPECT_EQ(cal->GetClientHeight(), 176);
    EXPECT_EQ(Cell(1, 2), vcl::Rect(37, 44, 73, 65));
    EXPECT_EQ(Cell(0, 0), vcl::Rect(0, 0, 36, 21));
    EXPECT_EQ(Cell(7, 7).Right, 295);
    EXPECT_EQ(Cell(7, 7).Bottom, 175);
    // The border itself: the sunken edge's outer shadow line and inner dark line.
    Picture p(*cal);
    EXPECT_EQ(p.Frame(0, 90), vcl::ColorToRGB(vcl::clBtnShadow) & 0xFFFFFF);
    EXPECT_EQ(p.Frame(1, 90), vcl::ColorToRGB(vcl::cl3DDkShadow) & 0xFFFFFF);
    EXPECT_EQ(p.Frame(299, 90), vcl::ColorToRGB(vcl::clBtnHighlight) & 0xFFFFFF);

    // Without Ctl3D the border is one line, and the cells fill the larger client area.
    cal->SetCtl3D(false);
    EXPECT_EQ(cal->GetClientWidth(), 298);
    EXPECT_EQ(Cell(7, 7).Right, 297);
    EXPECT_EQ(Cell(7, 7).Bottom, 177);
}

TEST_F(MiniCalPaint, DayBackgroundsByColumnAndState) {
    SetDate(2024, 3, 20);   // Easter Sunday (31st) is a holiday; the 15th is today
    Picture p(*cal);
    // March 2024 starts on a Friday: Monday to Sunday of the first row are Feb 26 .. Mar 3.
    const TColor weekday = 0xF8F8F8, saturday = 0xBBDDEE, sunday = 0xCCEEFF;
    const TColor want[8] = {0, weekday, weekday, weekday, weekday, weekday, saturday, sunday};
    for (int c = 1; c <= 7; ++c) {
        const TRect r = Cell(c, 2);
        // Corners are background; the right and bottom edges belong to the grid lines.
        EXPECT_EQ(p.At(r.Left, r.Top), want[c]) << c;
        EXPECT_EQ(p.At(r.Right - 1, r.Bottom - 1), want[c]) << c;
        EXPECT_EQ(p.At(r.Right, r.Top + 3), Silver) << c;
        EXPECT_EQ(p.At(r.Left + 3, r.Bottom), Silver) << c;
    }
    const vcl::TGridCoord selected = DayCell(cal->GetMonOfs(), 20), easter = DayCell(cal->GetMonOfs(), 31);
    EXPECT_EQ(p.At(Cell(selected.X, selected.Y).Left, Cell(selected.X, selected.Y).Top), 0xD0A040u);
    EXPECT_EQ(p.At(Cell(easter.X, easter.Y).Left, Cell(easter.X, easter.Y).Top), 0x9BD8F1u);

    // The selected day on a holiday takes the colour between the two.
    SetDate(2024, 3, 31);
    Picture q(*cal);
    EXPECT_EQ(q.At(Cell(easter.X, easter.Y).Left, Cell(easter.X, easter.Y).Top), MeanColor(0xD0A040, 0x9BD8F1));
    // Without holiday colours the Sunday column shows again.
    cal->SetIndicateHolidays(false);
    SetDate(2024, 3, 20);
    Picture s(*cal);
    EXPECT_EQ(s.At(Cell(easter.X, easter.Y).Left, Cell(easter.X, easter.Y).Top), sunday);
}

TEST_F(MiniCalPaint, DayTextsAndTheirColours) {
    cal->SetColorActiveMonth(0x202020);
    cal->SetColorInactiveMonth(0x909090);
    cal->SetColorSelectedFg(0xFFFFFF);
    cal->SetColorHolidayFg(0x0000C0);
    cal->SetMarkToday(false);
    SetDate(2024, 3, 20);
    Picture p(*cal);
    const int ofs = cal->GetMonOfs();
    // Greyed days of February and April, days of March, the selected day, a holiday.
    ExpectText(p, Cell(1, 2), "26", 0xF8F8F8, 0x909090);
    ExpectText(p, Cell(4, 2), "29", 0xF8F8F8, 0x909090);
    ExpectText(p, Cell(5, 2), "1", 0xF8F8F8, 0x202020);
    ExpectText(p, Cell(DayCell(ofs, 13).X, DayCell(ofs, 13).Y), "13", 0xF8F8F8, 0x202020);
    ExpectText(p, Cell(DayCell(ofs, 20).X, DayCell(ofs, 20).Y), "20", 0xD0A040, 0xFFFFFF);
    ExpectText(p, Cell(DayCell(ofs, 31).X, DayCell(ofs, 31).Y), "31", 0x9BD8F1, 0x0000C0);
    ExpectText(p, Cell(1, 7), "1", 0xF8F8F8, 0x909090);    // April 1 (Easter Monday) is greyed
    ExpectText(p, Cell(7, 7), "7", 0xCCEEFF, 0x909090);
}

TEST_F(MiniCalPaint, GreyedDaysAroundEveryMonthEnd) {
    // The greyed cells show the days of the neighbouring months the calendar puts there:
    // the last days of the month before the first row's start, the first days of the next
    // one after the end. Common and leap years, a century that is not a leap year and one
    // that is; Sunday first shows the days before a month that starts on a Monday.
    cal->SetColorInactiveMonth(0x909090);
    cal->SetMarkToday(false);
    for (int year : {2023, 2024, 1900, 2000}) {
        for (int month = 1; month <= 12; ++month) {
            int before = 0, after = 0;
            for (TDayOfWeek first : {dwMon, dwSun}) {
                cal->SetFirstDayOfWeek(first);
                SetDate(year, month, 15);
                SCOPED_TRACE(testing::Message() << year << "-" << month << ", first day " << int(first));
                Picture p(*cal);
                const double first1 = vcl::EncodeDate(year, month, 1);
                const int days = vcl::DaysInAMonth(year, month);
                for (int r = 2; r <= 7; ++r) {
                    for (int c = 1; c <= 7; ++c) {
                        const int d = CellDay(cal->GetMonOfs(), c, r);
                        if (d >= 1 && d <= days) continue;
                        // The greyed days next to the month and the farthest ones.
                        if (d != 0 && d != days + 1 && !(c == 1 && r == 2) && !(c == 7 && r == 7)) continue;
                        int y, m, shown;
                        vcl::DecodeDate(first1 + (d - 1), y, m, shown);
                        EXPECT_EQ(d < 1 ? (m == 12 ? 1 : m + 1) : (m == 1 ? 12 : m - 1), month) << d;
                        const int weekday = vcl::DayOfTheWeek(first1 + (d - 1));
                        const TColor bg = weekday == 6 ? 0xBBDDEE : weekday == 7 ? 0xCCEEFF : 0xF8F8F8;
                        ExpectText(p, Cell(c, r), std::to_string(shown), bg, 0x909090);
                        ++(d < 1 ? before : after);
                    }
                }
            }
            // Both ways round every month, with each first weekday.
            EXPECT_GT(before, 0) << year << "-" << month;
            EXPECT_EQ(after, 2 * 2) << year << "-" << month;
        }
    }
}

TEST_F(MiniCalPaint, WeekdayNamesAndWeekNumbers) {
    cal->SetColorDayIdBg(0xE0E0E0);
    cal->SetColorDayIdFg(0x800000);
    cal->SetColorWeekNoBg(0xD0D0D0);
    cal->SetColorWeekNoFg(0x008000);
    cal->SetFirstDayOfWeek(dwSun);
    Picture p(*cal);
    const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int c = 1; c <= 7; ++c) ExpectText(p, Cell(c, 1), names[c - 1], 0xE0E0E0, 0x800000);
    // The ISO weeks of March 1, 8, ..., April 5, 2024: 9 to 14.
    for (int r = 2; r <= 7; ++r) ExpectText(p, Cell(0, r), std::to_string(7 + r), 0xD0D0D0, 0x008000);

    cal->SetLanguage(lgGerman);
    cal->SetFirstDayOfWeek(dwMon);
    Picture g(*cal);
    ExpectText(g, Cell(7, 1), "So", 0xE0E0E0, 0x800000);
    ExpectText(g, Cell(3, 1), "Mi", 0xE0E0E0, 0x800000);
}

TEST_F(MiniCalPaint, ButtonsWithTheirRaisedFrames) {
    Picture p(*cal);
    const TColor face = vcl::ColorToRGB(vcl::clBtnFace);
    const TRect r = Cell(1, 0);
    ExpectText(p, r, "<<", face, 0, Inside(r, 2));
    ExpectText(p, Cell(2, 0), "<", face, 0, Inside(Cell(2, 0), 2));
    ExpectText(p, Cell(6, 0), ">", face, 0, Inside(Cell(6, 0), 2));
    ExpectText(p, Cell(7, 0), ">>", face, 0, Inside(Cell(7, 0), 2));
    // White up the left and along the top, dark grey along the bottom and up the right (on
    // the grid lines), with the softer inner lines.
    EXPECT_EQ(p.At(r.Left, r.Top), 0xFFFFFFu);
    EXPECT_EQ(p.At(r.Left, r.Bottom - 1), 0xFFFFFFu);
    EXPECT_EQ(p.At(r.Right - 1, r.Top), 0xFFFFFFu);
    EXPECT_EQ(p.At(r.Left, r.Bottom), 0x686868u);
    EXPECT_EQ(p.At(r.Right - 1, r.Bottom), 0x686868u);
    EXPECT_EQ(p.At(r.Right, r.Top + 1), 0x686868u);
    EXPECT_EQ(p.At(r.Right, r.Bottom), 0x686868u);
    EXPECT_EQ(p.At(r.Left + 1, r.Bottom - 1), 0x9CA0A5u);
    EXPECT_EQ(p.At(r.Right - 1, r.Top + 1), 0x9CA0A5u);
    EXPECT_EQ(p.At(r.Left + 1, r.Top + 1), 0xE6E2E2u);
    EXPECT_EQ(p.At(r.Left + 1, r.Bottom - 2), 0xE6E2E2u);
    EXPECT_EQ(p.At(r.Right - 2, r.Top + 1), 0xE6E2E2u);
    EXPECT_EQ(p.At(r.Left + 2, r.Top + 2), face);

    // Without Ctl3D the buttons are flat.
    cal->SetCtl3D(false);
    Picture flat(*cal);
    const TRect f = Cell(1, 0);
    ExpectText(flat, f, "<<", face, 0);
    EXPECT_EQ(flat.At(f.Left, f.Top), face);
}

TEST_F(MiniCalPaint, TitleSpansThreeColumnsAndTodaySpansTwoRows) {
    Picture p(*cal);
    const TColor face = vcl::ColorToRGB(vcl::clBtnFace);
    TRect title = Cell(5, 0);
    title.Left = Cell(3, 0).Left;
    ExpectText(p, title, "Mar 2024", face, 0, Inside(title, 2));
    EXPECT_EQ(p.At(title.Left, title.Top), 0xFFFFFFu);
    EXPECT_EQ(p.At(Cell(3, 0).Right, title.Top + 5), face);   // no grid line inside the title
    TRect today = Cell(0, 1);
    today.Top = Cell(0, 0).Top;
    ExpectText(p, today, "#", face, 0, Inside(today, 2));
    EXPECT_EQ(p.At(today.Left + 5, Cell(0, 0).Bottom), face);   // nor inside "#"
    EXPECT_EQ(p.At(today.Left, today.Top), 0xFFFFFFu);

    cal->SetShowMonthShort(false);
    Picture l(*cal);
    ExpectText(l, title, "March 2024", face, 0, Inside(title, 2));
    cal->SetLanguage(lgFrench);
    cal->SetShowMonthShort(true);
    cal->SetMonth(2);
    Picture f(*cal);
    ExpectText(f, title, "Févr 2024", face, 0, Inside(title, 2));
}

TEST_F(MiniCalPaint, RingRoundToday) {
    SetDate(2024, 3, 20);
    const vcl::TGridCoord t = DayCell(cal->GetMonOfs(), 15);
    const TRect r = Cell(t.X, t.Y);
    // The ring's box is the cell shrunk by 2; its leftmost pixels lie half-way down.
    const int h = (r.Bottom - 2) - (r.Top + 2);
    Picture p(*cal);
    EXPECT_EQ(p.At(r.Left + 2, r.Top + 2 + h / 2), 0x0000FFu);
    EXPECT_EQ(p.At(r.Right - 3, r.Top + 2 + h / 2), 0x0000FFu);
    EXPECT_EQ(p.At(r.Left + 1, r.Top + 2 + h / 2), 0xF8F8F8u);
    EXPECT_EQ(p.At(r.Left + 2, r.Top + 2), 0xF8F8F8u);   // outside the ring's curve

    cal->SetColorToday(0x00FF00);
    Picture g(*cal);
    EXPECT_EQ(g.At(r.Left + 2, r.Top + 2 + h / 2), 0x00FF00u);
    cal->SetMarkToday(false);
    Picture none(*cal);
    EXPECT_EQ(none.At(r.Left + 2, r.Top + 2 + h / 2), 0xF8F8F8u);
    // Another month shows no ring, also not on its 15th.
    cal->SetMarkToday(true);
    SetDate(2024, 4, 20);
    Picture april(*cal);
    const vcl::TGridCoord a = DayCell(cal->GetMonOfs(), 15);
    const TRect ra = Cell(a.X, a.Y);
    EXPECT_EQ(april.At(ra.Left + 2, ra.Top + 2 + h / 2), 0xF8F8F8u);
}

TEST_F(MiniCalPaint, TheLastMonthOfTheRangeShowsTheWeeksOfTheNextYear) {
    SetDate(9999, 12, 31);
    cal->SetColorWeekNoFg(0x008000);
    Picture p(*cal);
    ExpectText(p, Cell(0, 6), "52", Silver, 0x008000);
    ExpectText(p, Cell(0, 7), "1", Silver, 0x008000);
}
