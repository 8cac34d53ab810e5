// The property table of TDateTimePicker.
#include "platform/controls/lists/DateTimePicker.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TDateTimePicker, TWinControl>("TDateTimePicker", [](TPublisher<TDateTimePicker>& p) {
        p.Enum("Kind", &TDateTimePicker::GetKind, &TDateTimePicker::SetKind, {"dtkDate", "dtkTime"});
        p.String("Format", &TDateTimePicker::GetFormat, &TDateTimePicker::SetFormat);
        p.Float("DateTime", &TDateTimePicker::GetDateTime, &TDateTimePicker::SetDateTime).NoDefault();
        p.Float("MinDate", &TDateTimePicker::GetMinDate, &TDateTimePicker::SetMinDate);
        p.Float("MaxDate", &TDateTimePicker::GetMaxDate, &TDateTimePicker::SetMaxDate);
        p.Event("OnChange", &TDateTimePicker::GetOnChange, &TDateTimePicker::SetOnChange);
        p.Event("OnDropDown", &TDateTimePicker::GetOnDropDown, &TDateTimePicker::SetOnDropDown);
        p.Event("OnCloseUp", &TDateTimePicker::GetOnCloseUp, &TDateTimePicker::SetOnCloseUp);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
