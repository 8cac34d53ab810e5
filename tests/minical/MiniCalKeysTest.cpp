// The calendar from the keyboard: the day, month and year steps, the edges of the calendar's
// years, Enter and Space as a click on the held day, the focus cue on the held day's cell and
// the disabled look.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"
#include "MiniCalTestSupport.h"

using namespace zyn;
using namespace minical_test;
using vcl::TColor;
using vcl::TRect;
using vcl::WORD;

namespace {

class MiniCalKeys : public MiniCalFormTest {
protected:
    void Press(WORD Key, vcl::TShiftState Shift = {}) { vcl::Input::KeyDown(cal, Key, Shift); }
    TRect HeldCell() const {
        const vcl::TGridCoord c = DayCell(cal->GetMonOfs(), cal->GetDay());
        return cal->CellRect(c.X, c.Y);
    }
};

}  // namespace

TEST_F(MiniCalKeys, ArrowsMoveTheDayAcrossMonthsAndYears) {
    SetDate(2024, 3, 1);
    cal->SetFocus();
    Press(vcl::VK_LEFT);
    EXPECT_TRUE(Is(2024, 2, 29));
    Press(vcl::VK_RIGHT);
    Press(vcl::VK_RIGHT);
    EXPECT_TRUE(Is(2024, 3, 2));
    Press(vcl::VK_UP);
    EXPECT_TRUE(Is(2024, 2, 24));
    Press(vcl::VK_DOWN);
    Press(vcl::VK_DOWN);
    EXPECT_TRUE(Is(2024, 3, 9));
    EXPECT_EQ(changes, 6);
    SetDate(2024, 12, 29);
    Press(vcl::VK_DOWN);
    EXPECT_TRUE(Is(2025, 1, 5));
    // The grid's current cell is the held day's, in the new month's layout.
    const vcl::TGridCoord held = DayCell(cal->GetMonOfs(), 5);
    EXPECT_EQ(cal->GetCol(), held.X);
    EXPECT_EQ(cal->GetRow(), held.Y);
}

TEST_F(MiniCalKeys, PagesStepMonthsCtrlPagesYearsHomeAndEndTheMonthsEnds) {
    SetDate(2024, 1, 31);
    cal->SetFocus();
    Press(vcl::VK_NEXT);
    EXPECT_TRUE(Is(2024, 2, 29));
    Press(vcl::VK_PRIOR);
    EXPECT_TRUE(Is(2024, 1, 29));
    Press(vcl::VK_PRIOR);
    EXPECT_TRUE(Is(2023, 12, 29));
    SetDate(2024, 2, 29);
    Press(vcl::VK_NEXT, {vcl::ssCtrl});
    EXPECT_TRUE(Is(2025, 2, 28));
    EXPECT_EQ(changes, 2);   // as NextYear: the 28th first, then the year
    Press(vcl::VK_PRIOR, {vcl::ssCtrl});
    Press(vcl::VK_PRIOR, {vcl::ssCtrl});
    EXPECT_TRUE(Is(2023, 2, 28));
    Press(vcl::VK_END);
    EXPECT_TRUE(Is(2023, 2, 28));
    SetDate(2024, 2, 10);
    Press(vcl::VK_END);
    EXPECT_TRUE(Is(2024, 2, 29));
    Press(vcl::VK_HOME);
    EXPECT_TRUE(Is(2024, 2, 1));
}

TEST_F(MiniCalKeys, StepsBeyondTheCalendarsYearsAreIgnored) {
    int errors = 0;
    vcl::Application->SetOnException([&](vcl::TObject*, vcl::Exception&) { ++errors; });
    cal->SetFocus();
    SetDate(9999, 12, 31);
    for (WORD key : {vcl::VK_RIGHT, vcl::VK_DOWN, vcl::VK_NEXT}) Press(key);
    Press(vcl::VK_NEXT, {vcl::ssCtrl});
    EXPECT_TRUE(Is(9999, 12, 31));
    SetDate(1, 1, 1);
    for (WORD key : {vcl::VK_LEFT, vcl::VK_UP, vcl::VK_PRIOR}) Press(key);
    Press(vcl::VK_PRIOR, {vcl::ssCtrl});
    EXPECT_TRUE(Is(1, 1, 1));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(errors, 0);
    // One step short of the edge still goes.
    SetDate(9998, 6, 3);
    Press(vcl::VK_NEXT, {vcl::ssCtrl});
    EXPECT_TRUE(Is(9999, 6, 3));
}

TEST_F(MiniCalKeys, EnterAndSpaceChooseTheHeldDayAsAClickOnIt) {
    int clicks = 0;
    cal->SetOnClick([&](vcl::TObject*) { ++clicks; });
    cal->SetDate(vcl::EncodeDateTime(2024, 3, 20, 14, 0, 0, 0));
    changes = 0;
    cal->SetFocus();
    Press(vcl::VK_RETURN);
    EXPECT_EQ(cal->GetDate(), vcl::EncodeDate(2024, 3, 20));   // the time of day is dropped
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    Press(vcl::VK_SPACE);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clicks, 2);
    // A mouse click on that day fires the same pair.
    const vcl::TGridCoord c = DayCell(cal->GetMonOfs(), 20);
    ClickCell(c.X, c.Y);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(clicks, 3);
}

TEST_F(MiniCalKeys, TheFocusCueDotsTheHeldDaysFrameOnlyWhileFocused) {
    SetDate(2024, 3, 20);
    const Picture plain(*cal);
    cal->SetFocus();
    const Picture focused(*cal);
    const TRect r = HeldCell();
    int inverted = 0;
    for (int y = 0; y < cal->GetClientHeight(); ++y) {
        for (int x = 0; x < cal->GetClientWidth(); ++x) {
            const bool frame = (x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1) &&
                               x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
            const TColor a = plain.At(x, y), b = focused.At(x, y);
            if (!frame) {
                ASSERT_EQ(a, b) << x << "," << y;
            } else if (a != b) {
                ASSERT_EQ(b, a ^ 0xFFFFFF) << x << "," << y;
                ++inverted;
            }
        }
    }
    // Every second pixel of the frame.
    const int perimeter = 2 * (r.Width() + r.Height()) - 4;
    EXPECT_GE(inverted, perimeter / 2 - 2);
    EXPECT_LE(inverted, perimeter / 2 + 2);
    // Two neighbours on the top edge: one dotted, one not.
    EXPECT_NE(focused.At(r.Left + 4, r.Top) == plain.At(r.Left + 4, r.Top),
              focused.At(r.Left + 5, r.Top) == plain.At(r.Left + 5, r.Top));
    // The cue moves with the day.
    vcl::Input::KeyDown(cal, vcl::VK_RIGHT);
    const Picture moved(*cal);
    const TRect n = HeldCell();
    EXPECT_NE(n.Left, r.Left);
    int dots = 0;
    for (int x = n.Left; x < n.Right; ++x) dots += moved.At(x, n.Top) != focused.At(x, n.Top) ? 1 : 0;
    EXPECT_GE(dots, n.Width() / 2 - 1);
}

TEST_F(MiniCalKeys, DisabledGreysTheTextsAndDropsTheHighlight) {
    SetDate(2024, 3, 20);
    const Picture enabled(*cal);
    const TRect held = HeldCell();
    const vcl::TPoint mid{(held.Left + held.Right) / 2, held.Top + 1};
    EXPECT_EQ(enabled.At(mid.X, mid.Y), 0xD0A040u);
    cal->SetEnabled(false);
    const Picture disabled(*cal);
    // The held day shows its weekday colour (a Wednesday).
    EXPECT_EQ(disabled.At(mid.X, mid.Y), 0xF8F8F8u);
    auto colours = [](const Picture& P, const TRect& R) {
        std::set<TColor> seen;
        for (int y = R.Top + 1; y < R.Bottom - 1; ++y)
            for (int x = R.Left + 1; x < R.Right - 1; ++x) seen.insert(P.At(x, y));
        return seen;
    };
    const std::set<TColor> gray{0x808080};
    auto textOf = [&](const Picture& P, const TRect& R, TColor Bg) {
        std::set<TColor> s = colours(P, R);
        s.erase(Bg);
        return s;
    };
    // Days of the month, weekday names, week numbers, buttons: gray text.
    const TRect day3 = cal->CellRect(DayCell(cal->GetMonOfs(), 13).X, DayCell(cal->GetMonOfs(), 13).Y);
    EXPECT_EQ(textOf(disabled, day3, 0xF8F8F8), gray);
    EXPECT_EQ(textOf(disabled, held, 0xF8F8F8), gray);
    EXPECT_EQ(textOf(disabled, cal->CellRect(1, 1), 0xC0C0C0), gray);
    EXPECT_EQ(textOf(disabled, cal->CellRect(0, 3), 0xC0C0C0), gray);
    std::set<TColor> button = textOf(disabled, cal->CellRect(2, 0), vcl::ColorToRGB(vcl::clBtnFace));
    EXPECT_TRUE(button.count(0x808080));
    EXPECT_FALSE(button.count(0x000000));
    // A holiday keeps its ground; a day of the next month its own light grey.
    SetDate(2024, 5, 20);   // Whit Monday
    const Picture whit(*cal);
    EXPECT_EQ(textOf(whit, HeldCell(), 0x9BD8F1), gray);
    const vcl::TGridCoord next = DayCell(cal->GetMonOfs(), 32);   // June 1
    const TRect june = cal->CellRect(next.X, next.Y);
    EXPECT_EQ(textOf(whit, june, 0xBBDDEE), std::set<TColor>{0xC0C0C0});
    // Enabled again: the picture of before.
    cal->SetEnabled(true);
    SetDate(2024, 3, 20);
    const Picture again(*cal);
    for (int y = 0; y < cal->GetClientHeight(); y += 3)
        for (int x = 0; x < cal->GetClientWidth(); x += 3) ASSERT_EQ(again.At(x, y), enabled.At(x, y));
}

TEST_F(MiniCalKeys, OnKeyDownSeesEveryKeyOnceAndMayTakeIt) {
    SetDate(2024, 3, 20);
    std::vector<WORD> seen;
    bool take = false;
    cal->SetOnKeyDown([&](vcl::TObject*, WORD& Key, vcl::TShiftState) {
        seen.push_back(Key);
        if (take) Key = 0;
    });
    cal->SetFocus();
    Press(vcl::VK_RIGHT);
    Press(vcl::VK_F2);   // not the calendar's: the grid's, which opens no editor here
    EXPECT_EQ(seen, (std::vector<WORD>{vcl::VK_RIGHT, vcl::VK_F2}));
    EXPECT_TRUE(Is(2024, 3, 21));
    take = true;
    Press(vcl::VK_RIGHT);
    Press(vcl::VK_NEXT);
    EXPECT_TRUE(Is(2024, 3, 21));
    EXPECT_EQ(changes, 1);
}
