// TDateTimePicker: the pattern's fields, editing by keys and mouse, and the drop-down
// month calendar.
#include "platform/controls/lists/DateTimePicker.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/DateFormat.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/FormatSettings.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Rounding.h"

namespace vcl {

// ---- patterns --------------------------------------------------------------------------

namespace dtp {

namespace {

int RunLength(const std::string& P, std::size_t i, char Lower) {
    int n = 0;
    while (i + std::size_t(n) < P.size() && std::tolower(static_cast<unsigned char>(P[i + std::size_t(n)])) == Lower) ++n;
    return n;
}

bool StartsWithNoCase(const std::string& P, std::size_t i, const char* Word) {
    for (std::size_t k = 0; Word[k] != 0; ++k) {
        if (i + k >= P.size()) return false;
        if (std::tolower(static_cast<unsigned char>(P[i + k])) != Word[k]) return false;
    }
    return true;
}

void Parse(const std::string& P, std::vector<TSegment>& Out, int Depth) {
    auto literal = [&](const std::string& s) {
        if (!Out.empty() && Out.back().kind == fkLiteral) Out.back().text += s;
        else Out.push_back({fkLiteral, 1, s});
    };
    auto expand = [&](const std::string& pattern) {
        if (Depth < 3) Parse(pattern, Out, Depth + 1);
    };
    bool afterHour = false;
    std::size_t i = 0;
    while (i < P.size()) {
        char c = P[i];
        char lc = char(std::tolower(static_cast<unsigned char>(c)));
        if (c == '"' || c == '\'') {
            std::size_t end = P.find(c, i + 1);
            if (end == std::string::npos) end = P.size();
            literal(P.substr(i + 1, end - i - 1));
            i = std::min(P.size(), end + 1);
            continue;
        }
        int n = RunLength(P, i, lc);
        switch (lc) {
        case 'd':
            if (n >= 6) expand(FormatSettings.LongDateFormat);
            else if (n == 5) expand(FormatSettings.ShortDateFormat);
            else if (n >= 3) Out.push_back({fkWeekday, n, {}});
            else Out.push_back({fkDay, n, {}});
            afterHour = false;
            i += std::size_t(n);
            continue;
        case 'm':
            if (afterHour && n <= 2) Out.push_back({fkMinute, n, {}});
            else Out.push_back({fkMonth, std::min(n, 4), {}});
            afterHour = false;
            i += std::size_t(n);
            continue;
        case 'y':
            Out.push_back({fkYear, n <= 2 ? 2 : 4, {}});
            afterHour = false;
            i += std::size_t(n);
            continue;
        case 'h':
            Out.push_back({fkHour, std::min(n, 2), {}});
            afterHour = true;
            i += std::size_t(n);
            continue;
        case 'n':
            Out.push_back({fkMinute, std::min(n, 2), {}});
            afterHour = false;
            i += std::size_t(n);
            continue;
        case 's':
            Out.push_back({fkSecond, std::min(n, 2), {}});
            afterHour = false;
            i += std::size_t(n);
            continue;
        case 'z':
            Out.push_back({fkMSec, n >= 3 ? 3 : 1, {}});
            afterHour = false;
            i += std::size_t(n);
            continue;
        case 'c':
            expand(FormatSettings.ShortDateFormat + " " + FormatSettings.LongTimeFormat);
            i += 1;
            continue;
        case 't':
            expand(n >= 2 ? FormatSettings.LongTimeFormat : FormatSettings.ShortTimeFormat);
            i += std::size_t(std::min(n, 2));
            continue;
        case 'a':
            if (StartsWithNoCase(P, i, "am/pm")) {
                Out.push_back({fkAmPm, 5, P.substr(i, 5)});
                i += 5;
                continue;
            }
            if (StartsWithNoCase(P, i, "a/p")) {
                Out.push_back({fkAmPm, 3, P.substr(i, 3)});
                i += 3;
                continue;
            }
            if (StartsWithNoCase(P, i, "ampm")) {
                Out.push_back({fkAmPm, 4, P.substr(i, 4)});
                i += 4;
                continue;
            }
            break;
        default: break;
        }
        if (c == '/') literal(std::string(1, FormatSettings.DateSeparator));
        else if (c == ':') literal(std::string(1, FormatSettings.TimeSeparator));
        else literal(std::string(1, c));
        ++i;
    }
}

// The picker's own format: case-sensitive tokens d dd ddd dddd, M MM MMM MMMM, y yy yyyy,
// h hh (12-hour clock), H HH (24-hour clock), m mm, s ss, t tt (AM/PM designator) and
// single-quoted literals ('' inside stands for one quote); anything else is shown as written.
void ParseOwn(const std::string& P, std::vector<TSegment>& Out) {
    auto literal = [&](const std::string& s) {
        if (s.empty()) return;
        if (!Out.empty() && Out.back().kind == fkLiteral) Out.back().text += s;
        else Out.push_back({fkLiteral, 1, s});
    };
    std::size_t i = 0;
    while (i < P.size()) {
        char c = P[i];
        if (c == '\'') {
            std::string text;
            ++i;
            while (i < P.size()) {
                if (P[i] == '\'') {
                    if (i + 1 < P.size() && P[i + 1] == '\'') {
                        text += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += P[i++];
            }
            literal(text);
            continue;
        }
        int n = 0;
        while (i + std::size_t(n) < P.size() && P[i + std::size_t(n)] == c) ++n;
        switch (c) {
        case 'd':
            if (n >= 3) Out.push_back({fkWeekday, n >= 4 ? 4 : 3, {}});
            else Out.push_back({fkDay, n, {}});
            break;
        case 'M': Out.push_back({fkMonth, std::min(n, 4), {}}); break;
        case 'y': Out.push_back({fkYear, n <= 2 ? 2 : 4, {}}); break;
        case 'h': Out.push_back({fkHour, std::min(n, 2), "h"}); break;
        case 'H': Out.push_back({fkHour, std::min(n, 2), "H"}); break;
        case 'm': Out.push_back({fkMinute, std::min(n, 2), {}}); break;
        case 's': Out.push_back({fkSecond, std::min(n, 2), {}}); break;
        case 't': Out.push_back({fkAmPm, std::min(n, 2), n >= 2 ? "tt" : "t"}); break;
        default: literal(std::string(std::size_t(n), c)); break;
        }
        i += std::size_t(n);
    }
}

std::string Pad(int Value, int Width) {
    std::string s = std::to_string(Value);
    while (int(s.size()) < Width) s.insert(s.begin(), '0');
    return s;
}

}  // namespace

std::vector<TSegment> ParsePattern(const std::string& Pattern) {
    std::vector<TSegment> out;
    Parse(Pattern, out, 0);
    return out;
}

std::vector<TSegment> ParseOwnFormat(const std::string& Format) {
    std::vector<TSegment> out;
    ParseOwn(Format, out);
    return out;
}

bool IsEditable(TFieldKind Kind) {
    return Kind == fkDay || Kind == fkMonth || Kind == fkYear || Kind == fkHour || Kind == fkMinute ||
           Kind == fkSecond || Kind == fkAmPm;
}

std::string SegmentText(const TSegment& S, TDateTime Value, bool TwelveHour) {
    int y, m, d, h, n, s, ms;
    DecodeDate(Value, y, m, d);
    DecodeTime(Value, h, n, s, ms);
    switch (S.kind) {
    case fkLiteral: return S.text;
    case fkDay: return Pad(d, S.width);
    case fkWeekday: {
        int dow = DayOfWeek(Value) - 1;
        return S.width == 3 ? FormatSettings.ShortDayNames[dow] : FormatSettings.LongDayNames[dow];
    }
    case fkMonth:
        if (S.width == 3) return FormatSettings.ShortMonthNames[m - 1];
        if (S.width >= 4) return FormatSettings.LongMonthNames[m - 1];
        return Pad(m, S.width);
    case fkYear: return S.width == 2 ? Pad(y % 100, 2) : Pad(y, 4);
    case fkHour: {
        int hh = h;
        if (TwelveHour) {
            hh = h % 12;
            if (hh == 0) hh = 12;
        }
        return Pad(hh, S.width);
    }
    case fkMinute: return Pad(n, S.width);
    case fkSecond: return Pad(s, S.width);
    case fkMSec: return S.width == 3 ? Pad(ms, 3) : std::to_string(ms);
    case fkAmPm: {
        bool pm = h >= 12;
        std::string lower;
        for (char c : S.text) lower += char(std::tolower(static_cast<unsigned char>(c)));
        if (lower == "ampm" || S.text == "tt") return pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString;
        if (S.text == "t") return (pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString).substr(0, 1);
        if (lower == "a/p") {
            std::string r = pm ? S.text.substr(2, 1) : S.text.substr(0, 1);
            return r;
        }
        // am/pm keeps the case of the pattern.
        return pm ? S.text.substr(3, 2) : S.text.substr(0, 2);
    }
    }
    return {};
}

}  // namespace dtp

// ---- the calendar ----------------------------------------------------------------------

TPickerCalendar::TPickerCalendar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle({csCaptureMouse, csOpaque});
    SetColor(clWindow);
    SetParentColor(false);
}

void TPickerCalendar::SetDate(TDateTime Value) {
    date_ = std::floor(Value);
    month_ = StartOfTheMonth(date_);
    Invalidate();
}

TSize TPickerCalendar::PreferredSize(TCanvas* Measure) {
    int cw = Measure->TextWidth("Wed") + 10;
    int ch = Measure->TextHeight("Wg") + 6;
    return TSize(cw * 7 + 4, ch * 8 + 8);
}

int TPickerCalendar::CellWidth() const { return std::max(1, (GetWidth() - 4) / 7); }
int TPickerCalendar::CellHeight() const { return std::max(1, (GetHeight() - 8) / 8); }

TRect TPickerCalendar::PrevButtonRect() const { return Rect(2, 2, 2 + CellHeight(), 2 + CellHeight()); }
TRect TPickerCalendar::NextButtonRect() const {
    return Rect(GetWidth() - 2 - CellHeight(), 2, GetWidth() - 2, 2 + CellHeight());
}

TDateTime TPickerCalendar::FirstCellDay() const {
    // Weeks start on the first day of FormatSettings' day names (Sunday).
    return month_ - (DayOfWeek(month_) - 1);
}

TRect TPickerCalendar::DayRect(TDateTime Day) const {
    int offset = int(std::floor(Day) - FirstCellDay());
    if (offset < 0 || offset >= 42) return TRect();
    int cw = CellWidth(), ch = CellHeight();
    int top = 2 + ch * 2 + 4;
    return Bounds(2 + (offset % 7) * cw, top + (offset / 7) * ch, cw, ch);
}

void TPickerCalendar::Paint() {
    TCanvas* c = GetCanvas();
    TRect client = GetClientRect();
    look::Fill(c, client, clWindow);
    look::Frame(c, client, look::Border());
    c->GetFont()->Assign(GetFont());
    c->GetBrush()->SetStyle(bsClear);
    int cw = CellWidth(), ch = CellHeight();
    // Title with the month and year between the two arrows.
    int y, m, d;
    DecodeDate(month_, y, m, d);
    std::string title = FormatSettings.LongMonthNames[m - 1] + " " + std::to_string(y);
    c->TextOut((GetWidth() - c->TextWidth(title)) / 2, 2 + (ch - c->TextHeight(title)) / 2, title);
    DrawArrowGlyph(c, PrevButtonRect(), adLeft, clWindowText);
    DrawArrowGlyph(c, NextButtonRect(), adRight, clWindowText);
    // Day names and a rule under them.
    for (int i = 0; i < 7; ++i) {
        const std::string& name = FormatSettings.ShortDayNames[i];
        c->TextOut(2 + i * cw + (cw - c->TextWidth(name)) / 2, 2 + ch + (ch - c->TextHeight(name)) / 2, name);
    }
    look::Fill(c, Rect(4, 2 + ch * 2 + 1, GetWidth() - 4, 2 + ch * 2 + 2), look::BorderDisabled());
    TDateTime today = std::floor(Date());
    for (int i = 0; i < 42; ++i) {
        TDateTime day = FirstCellDay() + i;
        TRect r = DayRect(day);
        int dy, dm, dd;
        DecodeDate(day, dy, dm, dd);
        bool selected = day == date_;
        if (selected) look::Fill(c, r, clHighlight);
        if (day == today) look::Frame(c, r, look::Accent());
        c->GetFont()->SetColor(selected ? clHighlightText : dm == m ? clWindowText : clGrayText);
        std::string text = std::to_string(dd);
        c->GetBrush()->SetStyle(bsClear);
        c->TextOut(r.Left + (r.Width() - c->TextWidth(text)) / 2, r.Top + (r.Height() - c->TextHeight(text)) / 2, text);
    }
    c->GetBrush()->SetStyle(bsSolid);
}

void TPickerCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (PrevButtonRect().Contains({X, Y})) {
            month_ = IncMonth(month_, -1);
            Invalidate();
        } else if (NextButtonRect().Contains({X, Y})) {
            month_ = IncMonth(month_, 1);
            Invalidate();
        } else {
            for (int i = 0; i < 42; ++i) {
                TDateTime day = FirstCellDay() + i;
                if (DayRect(day).Contains({X, Y})) {
                    date_ = day;
                    Invalidate();
                    Pick(day);
                    break;
                }
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

TCalendarPopup::TCalendarPopup(TComponent* AOwner) : TCustomForm(AOwner) {
    SetBorderStyle(bsNone);
    calendar_ = new TPickerCalendar(this);
    calendar_->SetParent(this);
    calendar_->SetAlign(alClient);
}

// ---- the picker ------------------------------------------------------------------------

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    value_ = Now();
    SetBounds(0, 0, 186, 21);
}

std::string TDateTimePicker::EffectivePattern() const {
    if (!format_.empty()) return format_;
    return kind_ == dtkDate ? FormatSettings.ShortDateFormat : FormatSettings.LongTimeFormat;
}

const std::vector<dtp::TSegment>& TDateTimePicker::Segments() const {
    std::string pattern = EffectivePattern();
    if (pattern != segmentsPattern_ || segments_.empty()) {
        segmentsPattern_ = pattern;
        // An own Format uses the picker's tokens; the defaults of the Kind come from the
        // format settings, written in FormatDateTime's tokens.
        segments_ = format_.empty() ? dtp::ParsePattern(pattern) : dtp::ParseOwnFormat(pattern);
    }
    return segments_;
}

bool TDateTimePicker::TwelveHour() const {
    bool amPm = false;
    for (const auto& s : Segments()) {
        if (s.kind == dtp::fkHour && s.text == "h") return true;
        if (s.kind == dtp::fkHour && s.text == "H") return false;
        if (s.kind == dtp::fkAmPm) amPm = true;
    }
    return amPm;
}

std::string TDateTimePicker::GetDisplayText() const {
    std::string text;
    bool twelve = TwelveHour();
    for (const auto& s : Segments()) text += dtp::SegmentText(s, value_, twelve);
    return text;
}

void TDateTimePicker::FirstEditable() {
    const auto& segs = Segments();
    active_ = -1;
    for (int i = 0; i < int(segs.size()); ++i)
        if (dtp::IsEditable(segs[std::size_t(i)].kind)) {
            active_ = i;
            break;
        }
    typed_ = 0;
}

dtp::TFieldKind TDateTimePicker::GetActiveField() const {
    const auto& segs = Segments();
    int i = active_;
    if (i < 0) {
        // Until a field is chosen the first editable one is the active one.
        for (i = 0; i < int(segs.size()) && !dtp::IsEditable(segs[std::size_t(i)].kind); ++i) {}
    }
    if (i < 0 || i >= int(segs.size())) return dtp::fkLiteral;
    return segs[std::size_t(i)].kind;
}

// ---- properties ------------------------------------------------------------------------

TDateTime TDateTimePicker::Clamp(TDateTime Value) const {
    if (minDate_ != 0 && Value < minDate_) Value = minDate_;
    if (maxDate_ != 0 && Value > maxDate_) Value = maxDate_;
    return Value;
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
    if (minDate_ != 0 && Value < minDate_) throw EDateTimeError("Date exceeds minimum of " + DateToStr(minDate_));
    if (maxDate_ != 0 && Value > maxDate_) throw EDateTimeError("Date exceeds maximum of " + DateToStr(maxDate_));
    if (Value == value_) return;
    value_ = Value;
    Invalidate();
}

TDateTime TDateTimePicker::GetDate() const { return Int(value_); }
TDateTime TDateTimePicker::GetTime() const { return std::fabs(Frac(value_)); }

void TDateTimePicker::SetDate(TDateTime Value) {
    TDateTime t = GetTime();
    TDateTime d = Int(Value);
    SetDateTime(d >= 0 ? d + t : d - t);
}

void TDateTimePicker::SetTime(TDateTime Value) {
    TDateTime d = GetDate();
    TDateTime t = std::fabs(Frac(Value));
    SetDateTime(d >= 0 ? d + t : d - t);
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
    if (kind_ == Value) return;
    kind_ = Value;
    SetDroppedDown(false);
    active_ = -1;
    Invalidate();
}

void TDateTimePicker::SetFormat(const std::string& Value) {
    if (format_ == Value) return;
    format_ = Value;
    active_ = -1;
    Invalidate();
}

void TDateTimePicker::SetMinDate(TDateTime Value) {
    minDate_ = Value;
    if (maxDate_ != 0 && minDate_ != 0 && maxDate_ < minDate_) maxDate_ = minDate_;
    TDateTime c = Clamp(value_);
    if (c != value_) {
        value_ = c;
        Invalidate();
    }
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
    maxDate_ = Value;
    if (maxDate_ != 0 && minDate_ != 0 && minDate_ > maxDate_) minDate_ = maxDate_;
    TDateTime c = Clamp(value_);
    if (c != value_) {
        value_ = c;
        Invalidate();
    }
}

void TDateTimePicker::Change() {
    if (FOnChange) FOnChange(this);
}

void TDateTimePicker::UserSet(TDateTime Value) {
    Value = Clamp(Value);
    if (Value == value_) {
        Invalidate();
        return;
    }
    value_ = Value;
    Invalidate();
    Change();
}

// ---- geometry and painting -------------------------------------------------------------

TRect TDateTimePicker::ButtonRect() const {
    if (kind_ != dtkDate) return TRect();
    int w = std::min(TInnerScrollBar::SizeAt(GetCurrentPPI()), std::max(0, GetWidth() - 2));
    return Rect(GetWidth() - 1 - w, 1, GetWidth() - 1, std::max(1, GetHeight() - 1));
}

TRect TDateTimePicker::TextRect() const {
    TRect b = ButtonRect();
    int right = b.IsEmpty() ? GetWidth() - 3 : b.Left - 1;
    return Rect(4, 2, std::max(4, right), std::max(2, GetHeight() - 2));
}

TRect TDateTimePicker::SegmentRect(int Index) const {
    const auto& segs = Segments();
    if (Index < 0 || Index >= int(segs.size())) return TRect();
    TCanvas* c = const_cast<TDateTimePicker*>(this)->ControlCanvas();
    c->GetFont()->Assign(GetFont());
    TRect area = TextRect();
    bool twelve = TwelveHour();
    int x = area.Left;
    int th = c->TextHeight("Wg");
    int top = (GetHeight() - th) / 2;
    for (int i = 0; i < int(segs.size()); ++i) {
        int w = c->TextWidth(dtp::SegmentText(segs[std::size_t(i)], value_, twelve));
        if (i == Index) return Rect(x, top, x + w, top + th);
        x += w;
    }
    return TRect();
}

void TDateTimePicker::Paint() {
    TCanvas* c = GetCanvas();
    TRect client = GetClientRect();
    bool enabled = IsEnabledInTree();
    bool focused = Focused();
    look::Fill(c, client, enabled ? GetColor() : look::Face());
    look::Frame(c, client, !enabled ? look::BorderDisabled() : focused ? look::Accent() : look::Border());
    TRect b = ButtonRect();
    if (!b.IsEmpty()) {
        if (GetDroppedDown()) look::Fill(c, b, look::ButtonDownFace());
        DrawArrowGlyph(c, b, adDown, enabled ? clBtnText : clGrayText, GetCurrentPPI());
    }
    if (focused && active_ < 0) FirstEditable();
    TCanvasStateSaver saved(c);
    c->IntersectClipRect(TextRect());
    c->GetFont()->Assign(GetFont());
    if (!enabled) c->GetFont()->SetColor(clGrayText);
    TColor normal = c->GetFont()->GetColor();
    bool twelve = TwelveHour();
    const auto& segs = Segments();
    for (int i = 0; i < int(segs.size()); ++i) {
        TRect r = SegmentRect(i);
        bool active = focused && i == active_;
        if (active) look::Fill(c, r, clHighlight);
        c->GetFont()->SetColor(active ? clHighlightText : normal);
        c->GetBrush()->SetStyle(bsClear);
        c->TextOut(r.Left, r.Top, dtp::SegmentText(segs[std::size_t(i)], value_, twelve));
    }
}

// ---- editing ---------------------------------------------------------------------------

void TDateTimePicker::MoveField(int Direction) {
    const auto& segs = Segments();
    int n = int(segs.size());
    if (n == 0) return;
    if (active_ < 0) FirstEditable();
    typed_ = 0;
    // A format without fields (only literal text) has nothing to move to.
    if (active_ < 0) return;
    int i = active_;
    for (int step = 0; step < n; ++step) {
        i = (i + Direction + n) % n;
        if (dtp::IsEditable(segs[std::size_t(i)].kind)) break;
    }
    active_ = i;
    Invalidate();
}

void TDateTimePicker::StepField(int Delta) {
    if (active_ < 0) FirstEditable();
    int y, m, d, h, n, s, ms;
    DecodeDate(value_, y, m, d);
    DecodeTime(value_, h, n, s, ms);
    auto wrap = [](int v, int lo, int hi) { return lo + ((v - lo) % (hi - lo + 1) + (hi - lo + 1)) % (hi - lo + 1); };
    switch (GetActiveField()) {
    case dtp::fkDay: d = wrap(d + Delta, 1, DaysInAMonth(y, m)); break;
    case dtp::fkMonth:
        m = wrap(m + Delta, 1, 12);
        d = std::min(d, DaysInAMonth(y, m));
        break;
    case dtp::fkYear:
        y = std::clamp(y + Delta, 1, 9999);
        d = std::min(d, DaysInAMonth(y, m));
        break;
    case dtp::fkHour: h = wrap(h + Delta, 0, 23); break;
    case dtp::fkMinute: n = wrap(n + Delta, 0, 59); break;
    case dtp::fkSecond: s = wrap(s + Delta, 0, 59); break;
    case dtp::fkAmPm: h = (h + 12) % 24; break;
    default: return;
    }
    typed_ = 0;
    UserSet(EncodeDateTime(y, m, d, h, n, s, ms));
}

void TDateTimePicker::TypeDigit(int Digit) {
    if (active_ < 0) FirstEditable();
    dtp::TFieldKind kind = GetActiveField();
    if (!dtp::IsEditable(kind) || kind == dtp::fkAmPm) return;
    const dtp::TSegment& seg = Segments()[std::size_t(active_)];
    int y, m, d, h, n, s, ms;
    DecodeDate(value_, y, m, d);
    DecodeTime(value_, h, n, s, ms);
    bool twelve = TwelveHour();
    int maxValue = 0, digits = 2;
    switch (kind) {
    case dtp::fkDay: maxValue = DaysInAMonth(y, m); break;
    case dtp::fkMonth: maxValue = 12; break;
    case dtp::fkYear: maxValue = seg.width == 2 ? 99 : 9999; digits = seg.width == 2 ? 2 : 4; break;
    case dtp::fkHour: maxValue = twelve ? 12 : 23; break;
    default: maxValue = 59; break;
    }
    int value = typed_ > 0 ? typedValue_ * 10 + Digit : Digit;
    int count = typed_ + 1;
    if (value > maxValue && kind != dtp::fkYear) {
        value = Digit;   // the digit starts the field again
        count = 1;
    }
    typed_ = count;
    typedValue_ = value;
    bool complete = count >= digits || (kind != dtp::fkYear && value * 10 > maxValue);
    // A year is taken once all its digits are typed; other fields at every digit that
    // makes a valid value.
    bool apply = kind == dtp::fkYear ? complete : value > 0 || kind == dtp::fkHour || kind == dtp::fkMinute || kind == dtp::fkSecond;
    if (apply) {
        switch (kind) {
        case dtp::fkDay: d = value; break;
        case dtp::fkMonth: m = value; d = std::min(d, DaysInAMonth(y, m)); break;
        case dtp::fkYear:
            if (seg.width == 2) {
                // Two digits fall into the century window around the current year.
                int current = YearOf(Now());
                int base = current - FormatSettings.TwoDigitYearCenturyWindow;
                int candidate = (base / 100) * 100 + value;
                if (candidate < base) candidate += 100;
                y = candidate;
            } else {
                y = std::max(1, value);
            }
            d = std::min(d, DaysInAMonth(y, m));
            break;
        case dtp::fkHour:
            if (twelve) {
                bool pm = h >= 12;
                int v = value % 12;
                h = pm ? v + 12 : v;
            } else {
                h = value;
            }
            break;
        case dtp::fkMinute: n = value; break;
        case dtp::fkSecond: s = value; break;
        default: break;
        }
        int keepTyped = typed_, keepValue = typedValue_;
        UserSet(EncodeDateTime(y, m, d, h, n, s, ms));
        typed_ = keepTyped;
        typedValue_ = keepValue;
    }
    if (complete) {
        typed_ = 0;
        MoveField(1);
    }
    Invalidate();
}

void TDateTimePicker::WMGetDlgCode(TMessage& M) {
    M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (GetDroppedDown()) M.Result |= DLGC_WANTALLKEYS;
}

void TDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    bool alt = Shift.Contains(ssAlt);
    if (kind_ == dtkDate && ((Key == VK_DOWN && alt) || (Key == VK_F4 && !alt))) {
        SetDroppedDown(!GetDroppedDown());
        Key = 0;
        return;
    }
    if (GetDroppedDown()) {
        // The open calendar takes the keys: arrows move the highlighted day, Page Up/Down
        // the month (with Ctrl the year), Home/End go to the month's ends, Enter takes the
        // highlighted day and Escape closes without a change.
        TPickerCalendar* cal = GetCalendar();
        TDateTime day = cal->GetDate();
        bool ctrl = Shift.Contains(ssCtrl);
        switch (Key) {
        case VK_ESCAPE: SetDroppedDown(false); break;
        case VK_RETURN: cal->Pick(day); break;
        case VK_LEFT: day -= 1; break;
        case VK_RIGHT: day += 1; break;
        case VK_UP: day -= 7; break;
        case VK_DOWN: day += 7; break;
        case VK_PRIOR: day = IncMonth(day, ctrl ? -12 : -1); break;
        case VK_NEXT: day = IncMonth(day, ctrl ? 12 : 1); break;
        case VK_HOME: day = StartOfTheMonth(day); break;
        case VK_END: day = std::floor(EndOfTheMonth(day)); break;
        default: return;
        }
        if (GetDroppedDown() && day != cal->GetDate()) cal->SetDate(std::floor(Clamp(day + GetTime())));
        Key = 0;
        return;
    }
    switch (Key) {
    case VK_LEFT: MoveField(-1); break;
    case VK_RIGHT: MoveField(1); break;
    case VK_UP: StepField(1); break;
    case VK_DOWN: StepField(-1); break;
    case VK_PRIOR: StepField(GetActiveField() == dtp::fkYear ? 10 : 1); break;
    case VK_NEXT: StepField(GetActiveField() == dtp::fkYear ? -10 : -1); break;
    case VK_HOME: {
        // The first value of the field.
        if (active_ < 0) FirstEditable();
        int y, m, d;
        DecodeDate(value_, y, m, d);
        if (GetActiveField() == dtp::fkDay) StepField(1 - d);
        else if (GetActiveField() == dtp::fkMonth) StepField(1 - m);
        break;
    }
    case VK_END: {
        if (active_ < 0) FirstEditable();
        int y, m, d;
        DecodeDate(value_, y, m, d);
        if (GetActiveField() == dtp::fkDay) StepField(DaysInAMonth(y, m) - d);
        else if (GetActiveField() == dtp::fkMonth) StepField(12 - m);
        break;
    }
    default: return;
    }
    Key = 0;
}

void TDateTimePicker::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if (Key >= U'0' && Key <= U'9') {
        TypeDigit(int(Key - U'0'));
        Key = 0;
    } else if (GetActiveField() == dtp::fkAmPm && (Key == U'a' || Key == U'A' || Key == U'p' || Key == U'P')) {
        int h = HourOf(value_);
        bool wantPm = Key == U'p' || Key == U'P';
        if ((h >= 12) != wantPm) StepField(1);
        Key = 0;
    } else if (Key == U'/' || Key == U':' || Key == U'.' || Key == U'-' ||
               Key == char32_t(FormatSettings.DateSeparator) || Key == char32_t(FormatSettings.TimeSeparator)) {
        // A separator finishes the field being typed.
        MoveField(1);
        Key = 0;
    }
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!Focused() && CanFocus()) SetFocus();
    if (Button == mbLeft) {
        if (ButtonRect().Contains({X, Y})) {
            SetDroppedDown(!GetDroppedDown());
        } else {
            const auto& segs = Segments();
            for (int i = 0; i < int(segs.size()); ++i) {
                TRect r = SegmentRect(i);
                if (X >= r.Left && X < r.Right && dtp::IsEditable(segs[std::size_t(i)].kind)) {
                    active_ = i;
                    typed_ = 0;
                    Invalidate();
                    break;
                }
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

bool TDateTimePicker::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    StepField(-1);
    return true;
}

bool TDateTimePicker::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    StepField(1);
    return true;
}

void TDateTimePicker::DoExit() {
    SetDroppedDown(false);
    typed_ = 0;
    TCustomControl::DoExit();
}

void TDateTimePicker::CMCancelMode(TMessage& M) {
    TControl* sender = reinterpret_cast<TControl*>(M.LParam);
    if (sender != this && sender != GetCalendar()) SetDroppedDown(false);
    TCustomControl::CMCancelMode(M);
}

// ---- the drop-down calendar ------------------------------------------------------------

TPickerCalendar* TDateTimePicker::GetCalendar() const {
    return GetDroppedDown() ? calendarPopup_->GetCalendar() : nullptr;
}

void TDateTimePicker::SetDroppedDown(bool Value) {
    if (Value == GetDroppedDown()) return;
    if (!Value) {
        calendarPopup_->Hide();
        Invalidate();
        if (FOnCloseUp) FOnCloseUp(this);
        return;
    }
    if (kind_ != dtkDate || !GetShowing()) return;
    if (FOnDropDown) FOnDropDown(this);
    if (calendarPopup_ == nullptr) calendarPopup_ = new TCalendarPopup(this);
    TPickerCalendar* cal = calendarPopup_->GetCalendar();
    cal->SetFont(GetFont());
    cal->SetDate(value_);
    cal->SetOnPick([this](TObject*, TDateTime Day) {
        TDateTime t = GetTime();
        SetDroppedDown(false);
        UserSet(Int(Day) + t);
    });
    TCanvas* m = ControlCanvas();
    m->GetFont()->Assign(GetFont());
    TSize size = TPickerCalendar::PreferredSize(m);
    TPoint origin = ClientToScreen({0, 0});
    int screenHeight = Screen != nullptr ? Screen->GetHeight() : 1080;
    int top = origin.Y + GetHeight();
    if (top + size.cy > screenHeight && origin.Y - size.cy >= 0) top = origin.Y - size.cy;
    calendarPopup_->SetBounds(origin.X, top, size.cx, size.cy);
    calendarPopup_->Show();
    Invalidate();
}

}  // namespace vcl
