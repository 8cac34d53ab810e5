// TDateTimePicker: a date or time shown in its own Format (or the FormatSettings pattern of
// its Kind when Format is empty) and edited field by
// field (Left/Right choose the field, Up/Down step it, digits type it), with a drop-down
// month calendar for dates.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

VCL_DECLARE_EXCEPTION(EDateTimeError, Exception)

enum TDateTimeKind : std::uint8_t { dtkDate, dtkTime };

class TDateTimePicker;

// The parts of a date/time pattern: literal text and the fields it shows.
namespace dtp {
enum TFieldKind : std::uint8_t {
    fkLiteral, fkDay, fkMonth, fkYear, fkHour, fkMinute, fkSecond, fkMSec, fkAmPm, fkWeekday
};
struct TSegment {
    TFieldKind kind = fkLiteral;
    int width = 1;           // token length (dd = 2, mmm = 3, yyyy = 4, ...)
    std::string text;        // literal text, the am/pm token as written, or "h"/"H" for an own format's hour
};
// Splits a FormatDateTime pattern (tokens are case-insensitive; "m" right after an hour
// means minutes; ddddd, dddddd, c, t and tt expand to the FormatSettings patterns).
std::vector<TSegment> ParsePattern(const std::string& Pattern);
// Splits a picker Format, whose tokens are case-sensitive: d dd ddd dddd, M MM MMM MMMM,
// y yy yyyy, h hh (12-hour clock), H HH (24-hour clock), m mm, s ss, t tt (AM/PM) and
// single-quoted literals. An hour segment's text is "h" or "H".
std::vector<TSegment> ParseOwnFormat(const std::string& Format);
// The text of one segment for a moment; TwelveHour shows hours 1..12.
std::string SegmentText(const TSegment& S, TDateTime Value, bool TwelveHour);
bool IsEditable(TFieldKind Kind);
}  // namespace dtp

using TPickDayEvent = std::function<void(TObject* Sender, TDateTime Day)>;

// The month calendar that drops down below a date picker.
class TPickerCalendar : public TCustomControl {
public:
    explicit TPickerCalendar(TComponent* AOwner);
    std::string ClassName() const override { return "TPickerCalendar"; }
    TDateTime GetDate() const { return date_; }
    void SetDate(TDateTime Value);
    // The month shown (any day of it).
    TDateTime GetMonth() const { return month_; }
    // Cell of a day (client coordinates); empty when the day is not shown.
    TRect DayRect(TDateTime Day) const;
    TRect PrevButtonRect() const;
    TRect NextButtonRect() const;
    static TSize PreferredSize(TCanvas* Measure);
    // Chooses Day as a click on it does: fires OnPick.
    void Pick(TDateTime Day) { if (FOnPick) FOnPick(this, Day); }
    // A day was chosen (clicked, or Enter on the highlighted day).
    TPickDayEvent GetOnPick() const { return FOnPick; }
    void SetOnPick(TPickDayEvent Value) { FOnPick = std::move(Value); }

protected:
    TPickDayEvent FOnPick;

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TDateTime FirstCellDay() const;
    int CellWidth() const;
    int CellHeight() const;
    TDateTime date_ = 0;
    TDateTime month_ = 0;
};

class TCalendarPopup : public TCustomForm {
public:
    explicit TCalendarPopup(TComponent* AOwner);
    TPickerCalendar* GetCalendar() const { return calendar_; }

protected:
    void Activate() override {}

private:
    TPickerCalendar* calendar_;
};

class TDateTimePicker : public TCustomControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    std::string ClassName() const override { return "TDateTimePicker"; }

    TDateTime GetDateTime() const { return value_; }
    // Raises EDateTimeError when the value lies outside MinDate..MaxDate.
    void SetDateTime(TDateTime Value);
    TDateTime GetDate() const;
    void SetDate(TDateTime Value);          // keeps the time of day
    TDateTime GetTime() const;
    void SetTime(TDateTime Value);          // keeps the date
    TDateTimeKind GetKind() const { return kind_; }
    void SetKind(TDateTimeKind Value);
    const std::string& GetFormat() const { return format_; }
    void SetFormat(const std::string& Value);
    // 0 means no limit. A new limit moves the value inside it.
    TDateTime GetMinDate() const { return minDate_; }
    void SetMinDate(TDateTime Value);
    TDateTime GetMaxDate() const { return maxDate_; }
    void SetMaxDate(TDateTime Value);

    // The text shown, and the pattern it follows (Format, or the default of the Kind).
    std::string GetDisplayText() const;
    std::string EffectivePattern() const;
    // Index of the field being edited among the pattern's segments.
    int GetActiveSegment() const { return active_; }
    dtp::TFieldKind GetActiveField() const;
    // Client rectangle of segment Index.
    TRect SegmentRect(int Index) const;
    bool GetDroppedDown() const { return calendarPopup_ != nullptr && calendarPopup_->GetVisible(); }
    void SetDroppedDown(bool Value);
    TPickerCalendar* GetCalendar() const;

    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    TNotifyEvent GetOnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = std::move(Value); }
    TNotifyEvent GetOnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TNotifyEvent Value) { FOnCloseUp = std::move(Value); }

protected:
    virtual void Change();
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMGetDlgCode(TMessage& Message) override;
    void DoExit() override;
    void CMCancelMode(TMessage& Message) override;

    TNotifyEvent FOnChange, FOnDropDown, FOnCloseUp;

private:
    const std::vector<dtp::TSegment>& Segments() const;
    bool TwelveHour() const;
    TRect ButtonRect() const;
    TRect TextRect() const;
    void MoveField(int Direction);
    void StepField(int Delta);
    void TypeDigit(int Digit);
    // A user's edit: clamps into MinDate..MaxDate, stores, repaints and fires OnChange.
    void UserSet(TDateTime Value);
    TDateTime Clamp(TDateTime Value) const;
    void FirstEditable();

    TDateTime value_ = 0;
    TDateTimeKind kind_ = dtkDate;
    std::string format_;
    TDateTime minDate_ = 0, maxDate_ = 0;
    int active_ = -1;
    int typed_ = 0;           // digits typed into the active field so far
    int typedValue_ = 0;
    mutable std::string segmentsPattern_;
    mutable std::vector<dtp::TSegment> segments_;
    TCalendarPopup* calendarPopup_ = nullptr;
};

}  // namespace vcl
