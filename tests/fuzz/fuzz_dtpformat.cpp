// The date/time picker's own Format on any text, and a user working the picker in it: the
// input is "format\nkeys", each of the first 12 bytes of keys one stroke (arrows, digits,
// letters, Home, End, F4, Escape, ...), each followed by a paint. Besides crashes, leaks
// and escaping exceptions, a finding is a shown text that is not the text of the format's
// segments, an edit that leaves MinDate..MaxDate, a value that is no longer a finite date,
// or an active field that is not an editable one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/Testing.h"
#include "platform/Win32.h"

namespace {

void Check(bool Condition) {
    if (!Condition) std::abort();
}

vcl::TForm* Form() {
    static vcl::TForm* form = [] {
        auto* f = new vcl::TForm(nullptr);
        f->SetBounds(0, 0, 240, 40);
        f->Show();
        vcl::Application->ProcessMessages();
        return f;
    }();
    return form;
}

// The text of the format's segments, as the picker composes it.
std::string SegmentsText(const std::string& Format, vcl::TDateTime Value) {
    const auto segments = vcl::dtp::ParseOwnFormat(Format);
    bool twelve = false, decided = false;
    for (const auto& s : segments) {
        if (s.kind == vcl::dtp::fkHour && !decided) {
            twelve = s.text == "h";
            decided = true;
        }
        if (s.kind == vcl::dtp::fkAmPm && !decided) twelve = true;
    }
    std::string text;
    for (const auto& s : segments) {
        Check(s.kind != vcl::dtp::fkLiteral || !s.text.empty());
        text += vcl::dtp::SegmentText(s, Value, twelve);
    }
    return text;
}

void Stroke(vcl::TDateTimePicker* Picker, std::uint8_t Byte) {
    using namespace vcl;
    static const WORD keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_F4, VK_ESCAPE,
                                VK_RETURN, VK_TAB, VK_PRIOR, VK_NEXT};
    if (Byte < 0x80) {
        Input::TypeText(Picker, std::string(1, char(Byte < 0x20 ? '0' + Byte % 10 : Byte)));
    } else {
        Input::KeyDown(Picker, keys[(Byte - 0x80) % std::size(keys)]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("ZYN_BACKEND", "headless", 1);
    vcl::Application->SetVirtualClock(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    using namespace vcl;
    const std::string_view input(reinterpret_cast<const char*>(Data), Size);
    const std::size_t cut = input.find('\n');
    const std::string format(input.substr(0, cut));
    const std::string_view keys = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);

    const TDateTime start = EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 58, 0);
    auto picker = std::make_unique<TDateTimePicker>(Form());
    picker->SetParent(Form());
    picker->SetBounds(10, 10, 200, 21);
    picker->SetDateTime(start);
    picker->SetMinDate(EncodeDate(1900, 1, 1));
    picker->SetMaxDate(EncodeDate(2199, 12, 31) + EncodeTime(23, 59, 59, 999));
    picker->SetFormat(format);
    picker->SetFocus();
    for (std::size_t i = 0; i < keys.size() && i < 12; ++i) {
        Stroke(picker.get(), static_cast<std::uint8_t>(keys[i]));
        const TDateTime v = picker->GetDateTime();
        Check(std::isfinite(v) && v >= picker->GetMinDate() && v <= picker->GetMaxDate());
        const int active = picker->GetActiveSegment();
        if (!format.empty() && active >= 0) Check(dtp::IsEditable(picker->GetActiveField()));
    }
    if (!format.empty()) Check(picker->GetDisplayText() == SegmentsText(format, picker->GetDateTime()));
    picker->SetDroppedDown(false);
    picker.reset();
    Application->ProcessMessages();
    return 0;
}
