// Date/time picker's drop-down calendar: month arrows, picking a day with the mouse, the
// keys that move the highlighted day while it is open, and closing without a change.
#include <gtest/gtest.h>

#include "platform/ComCtrls.h"
#include "platform/DateUtils.h"
#include "platform/SysUtils.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class PickerCalendar : public zyn_test::FormFixture {
protected:
    PickerCalendar() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        ResetFormatSettings();
        picker = Place<TDateTimePicker>(10, 10, 160, 21);
        picker->SetFormat("dd/MM/yyyy");
        picker->SetDateTime(EncodeDate(2024, 2, 28) + EncodeTime(10, 30, 0, 0));
        picker->SetOnChange([this](TObject*) { ++changes; });
        picker->SetOnCloseUp([this](TObject*) { ++closeUps; });
        picker->SetFocus();
    }
    void TearDown() override {
        picker->SetOnChange(nullptr);
        picker->SetOnCloseUp(nullptr);
        FormFixture::TearDown();
    }
    TPickerCalendar* Open() {
        Input::KeyDown(picker, VK_DOWN, {ssAlt});
        EXPECT_TRUE(picker->GetDroppedDown());
        return picker->GetCalendar();
    }
    static TPoint Mid(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
    TDateTimePicker* picker = nullptr;
    int changes = 0;
    int closeUps = 0;
};

TEST_F(PickerCalendar, ArrowsChangeTheMonthAndAClickedDayIsTaken) {
    // The drop button at the right opens it too.
    Input::Click(picker, picker->GetWidth() - 6, 10);
    ASSERT_TRUE(picker->GetDroppedDown());
    TPickerCalendar* cal = picker->GetCalendar();
    EXPECT_EQ(cal->GetMonth(), EncodeDate(2024, 2, 1));
    TPoint next = Mid(cal->NextButtonRect());
    Input::MouseDown(cal, mbLeft, {}, next.X, next.Y);
    Input::MouseUp(cal, mbLeft, {}, next.X, next.Y);
    Input::MouseDown(cal, mbLeft, {}, next.X, next.Y);
    Input::MouseUp(cal, mbLeft, {}, next.X, next.Y);
    EXPECT_EQ(cal->GetMonth(), EncodeDate(2024, 4, 1));
    TPoint prev = Mid(cal->PrevButtonRect());
    Input::MouseDown(cal, mbLeft, {}, prev.X, prev.Y);
    Input::MouseUp(cal, mbLeft, {}, prev.X, prev.Y);
    EXPECT_EQ(cal->GetMonth(), EncodeDate(2024, 3, 1));
    EXPECT_EQ(changes, 0);                              // browsing changes nothing
    TPoint day = Mid(cal->DayRect(EncodeDate(2024, 3, 15)));
    Input::MouseDown(cal, mbLeft, {}, day.X, day.Y);
    EXPECT_FALSE(picker->GetDroppedDown());
    EXPECT_EQ(picker->GetDateTime(), EncodeDate(2024, 3, 15) + EncodeTime(10, 30, 0, 0));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(closeUps, 1);
    EXPECT_TRUE(picker->Focused());
    // The release lands on the form under the closed calendar.
    Input::MouseUp(form.get(), mbLeft, {}, 20, 200);
    EXPECT_FALSE(picker->GetDroppedDown());
}

TEST_F(PickerCalendar, KeysMoveTheHighlightAndEnterTakesIt) {
    TPickerCalendar* cal = Open();
    Input::KeyDown(picker, VK_RIGHT);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2024, 2, 29));
    Input::KeyDown(picker, VK_DOWN);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2024, 3, 7));
    EXPECT_EQ(cal->GetMonth(), EncodeDate(2024, 3, 1));  // the page follows
    Input::KeyDown(picker, VK_UP);
    Input::KeyDown(picker, VK_LEFT);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2024, 2, 28));
    Input::KeyDown(picker, VK_NEXT);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2024, 3, 28));
    Input::KeyDown(picker, VK_PRIOR, {ssCtrl});
    EXPECT_EQ(cal->GetDate(), EncodeDate(2023, 3, 28));
    Input::KeyDown(picker, VK_END);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2023, 3, 31));
    Input::KeyDown(picker, VK_HOME);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2023, 3, 1));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(picker->GetDateTime(), EncodeDate(2024, 2, 28) + EncodeTime(10, 30, 0, 0));
    Input::KeyDown(picker, VK_RETURN);
    EXPECT_FALSE(picker->GetDroppedDown());
    EXPECT_EQ(picker->GetDateTime(), EncodeDate(2023, 3, 1) + EncodeTime(10, 30, 0, 0));
    EXPECT_EQ(changes, 1);
}

TEST_F(PickerCalendar, EscapeAndLimits) {
    Open();
    Input::KeyDown(picker, VK_NEXT);
    Input::KeyDown(picker, VK_ESCAPE);
    EXPECT_FALSE(picker->GetDroppedDown());
    EXPECT_EQ(picker->GetDate(), EncodeDate(2024, 2, 28));
    EXPECT_EQ(changes, 0);
    // The highlight stays within MinDate..MaxDate.
    picker->SetMaxDate(EncodeDate(2024, 3, 2) + EncodeTime(23, 0, 0, 0));
    TPickerCalendar* cal = Open();
    Input::KeyDown(picker, VK_DOWN);
    EXPECT_EQ(cal->GetDate(), EncodeDate(2024, 3, 2));
    Input::KeyDown(picker, VK_RETURN);
    EXPECT_EQ(picker->GetDate(), EncodeDate(2024, 3, 2));
    // With the calendar open the field keys do not step the date.
    Open();
    Input::KeyDown(picker, VK_ESCAPE);
    Input::KeyDown(picker, VK_DOWN);                    // closed again: steps the day field
    EXPECT_EQ(DayOf(picker->GetDate()), 1);
}

}  // namespace
