// Page "Numeric fields": the front panel of a bench power supply. The set-up column holds
// numeric input/output fields of every notation (spin buttons, pivots, gauges that can be
// dragged, a field out of its range, a read-only and a disabled one); the readings column
// holds numeric labels of many display types, driven twice a second by a simple model of
// the supply and its load.
#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "apps/gallery/GalleryPage.h"
#include "numio/Zyn_NumIO2.h"
#include "numlab/Zyn_NumLab.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

constexpr UINT kIntervalMs = 500;
constexpr double kLoadOhms = 8.0;

class NumericFieldsPage {
public:
    explicit NumericFieldsPage(PageContext& Page) : page_(Page) {
        Heading("Set-up", 20, 12);
        Heading("Readings", 440, 12);
        BuildSetup();
        BuildReadings();
        timer_ = new TTimer(Page.Form);
        timer_->SetInterval(kIntervalMs);
        timer_->SetOnTimer([this](TObject*) { Step(); });
        Step();
        Watch();
    }

private:
    // ---- building

    TLabel* Label(const std::string& Text, int Left, int Top, int Width) {
        auto* l = new TLabel(page_.Form);
        l->SetParent(page_.Host);
        l->SetBounds(Left, Top, Width, 18);
        l->SetCaption(Text);
        return l;
    }

    void Heading(const char* Text, int Left, int Top) { Label(Text, Left, Top, 300)->GetFont()->SetStyle({fsBold}); }

    TNumIO2* Field(const std::string& Name, const std::string& Caption, const std::string& Unit, int Top,
                   int Height = 28) {
        auto* f = new TNumIO2(page_.Form);
        f->SetName(Name);
        f->SetParent(page_.Host);
        f->SetBounds(20, Top, 370, Height);
        f->SetLeftSpace(120);
        f->SetTextBoxWidth(110);
        f->SetLeftText(Caption);
        f->SetRightText(Unit);
        f->SetBeep(true);
        f->SetOnChange([this, Name](TObject*) { page_.Record("changed", Name); });
        return f;
    }

    void BuildSetup() {
        setpoint_ = Field("Setpoint", "Output voltage", "V", 40, 43);
        setpoint_->SetInputFormat(itFixPoint);
        setpoint_->SetRangeHigh(30);
        setpoint_->SetValue(12);
        setpoint_->SetButVisible(true);
        setpoint_->SetButHeight(32);   // the height of the text row
        setpoint_->SetButIncrem(0.5);
        setpoint_->SetGaugeVisible(true);
        setpoint_->SetGaugeLeftMargin(120);
        setpoint_->SetGaugeWidth(112);
        setpoint_->SetGaugeHeight(7);
        setpoint_->SetHint("Type, use the arrows, or drag the bar");
        setpoint_->SetShowHint(true);

        limit_ = Field("Limit", "Current limit", "A", 92);
        limit_->SetFixPointDecPlaces(3);
        limit_->SetRangeLow(0.01);
        limit_->SetRangeHigh(5);
        limit_->SetValue(2);
        limit_->SetButVisible(true);
        limit_->ButtonPivots = {0.05, 0.1, 0.25, 0.5, 1, 1.5, 2, 3, 5};

        trip_ = Field("Trip", "Over-voltage trip", "V", 130);
        trip_->SetRangeHigh(32);
        trip_->SetValue(33.5);   // beyond the range: shown in the warning colours

        rate_ = Field("Rate", "Sample rate", "S/s", 168);
        rate_->SetInputFormat(itExp);
        rate_->SetSignificantDigits(4);
        rate_->SetRangeLow(1);
        rate_->SetRangeHigh(1e6);
        rate_->SetValue(2500);

        averaging_ = Field("Averaging", "Averaging", "samples", 206, 43);
        averaging_->SetInputFormat(itInt);
        averaging_->SetRangeLow(1);
        averaging_->SetRangeHigh(1024);
        averaging_->SetValue(256);
        averaging_->SetAlignment(taRightJustify);
        averaging_->SetButVisible(true);
        averaging_->SetButHeight(32);
        averaging_->SetGaugeVisible(true);
        averaging_->SetGaugeLeftMargin(120);
        averaging_->SetGaugeWidth(112);
        averaging_->SetGaugeHeight(7);
        averaging_->SetGaugeColor(TColor(0x2E7D32));
        for (double p = 1; p <= 1024; p *= 2) averaging_->ButtonPivots.push_back(p);

        address_ = Field("Address", "Bus address", "hex", 258);
        address_->SetInputFormat(itHex);
        address_->SetRangeHigh(255);
        address_->SetValue(0x2A);

        mode_ = Field("Mode", "Access mode", "octal", 296);
        mode_->SetInputFormat(itOct);
        mode_->SetRangeHigh(511);
        mode_->SetValue(0644);

        offset_ = Field("Offset", "Offset", "$hex %bin &oct", 334);
        offset_->SetInputFormat(itDynamic);
        offset_->SetRangeLow(-1e6);
        offset_->SetRangeHigh(1e6);
        offset_->SetValue(-40);

        calibration_ = Field("Calibration", "Calibration factor", "", 372);
        calibration_->SetFixPointDecPlaces(4);
        calibration_->SetValue(1.0023);
        calibration_->SetReadOnly(true);
        page_.FollowTheme([this] {
            calibration_->SetColorBoxBG(ThemePick(TColor(0xF4F4F4), RGB(0x2A, 0x2A, 0x2A), RGB(0x1A, 0x1A, 0x1A)));
        });

        sense_ = Field("Sense", "Remote sense", "V", 410);
        sense_->SetValue(0.25);
        sense_->SetEnabled(false);

        auto* note = Label("Refused keys beep; values out of range show in warning colours.", 20, 452, 400);
        note->GetFont()->SetColor(clGrayText);
    }

    TNumLab* Reading(const std::string& Caption, const std::string& Unit, TDisplay Display, int Precision, int Top,
                     TWinControl* Parent = nullptr) {
        auto* l = new TNumLab(page_.Form);
        l->SetParent(Parent != nullptr ? Parent : page_.Host);
        l->SetBounds(Parent != nullptr ? 10 : 440, Top, 330, 28);
        l->SetLeftSpace(120);
        l->SetLabelWidth(130);
        l->SetLeftText(Caption);
        l->SetRightText(Unit);
        l->SetDisplayType(Display);
        l->SetPrecision(Precision);
        return l;
    }

    void BuildReadings() {
        output_ = Reading("Output", "V", dtFixP, 3, 40);
        output_->SetFrameStyle(frSunkenDouble);
        output_->SetColorLabBakG(TColor(0x202020));
        output_->SetColorLabText(TColor(0x40E040));
        output_->GetFont()->SetStyle({fsBold});
        current_ = Reading("Current", "A", dtFixP, 3, 74);
        power_ = Reading("Power", "", dtEE, 2, 108);
        power_->SetAlignment(taRightJustify);
        power_->SetOnBeforeDisplay([](TObject*, std::string& Text) {
            // "8.42" and "842.00 m" become "8.42 W" and "842.00 mW".
            Text += !Text.empty() && std::isdigit(static_cast<unsigned char>(Text.back())) ? " W" : "W";
        });
        state_ = Reading("Regulation", "", dtState, 0, 142);
        page_.FollowTheme([this] { ShowStateColour(); });
        phase_ = Reading("Ripple phase", "", dtDegMinSec, 1, 176);
        status_ = Reading("Status word", "hex", dtHex, 4, 210);
        flags_ = Reading("Protection flags", "", dtBin, 8, 244);
        energy_ = Reading("Energy", "Wh", dtFloat, 6, 278);
        energy_->SetForcePlusSign(true);
        calibrated_ = Reading("Calibrated", "", dtDateTime, 0, 312);
        calibrated_->SetDTFormat("yyyy-mm-dd hh:nn");
        calibrated_->SetValue(EncodeDate(2024, 11, 18) + EncodeTime(9, 30, 0, 0));
        overload_ = Reading("Peak (1 s)", "A", dtFixP, 2, 346);
        overload_->SetOverflowIndicator("-- over --");

        // Labels over a coloured strip show it through their ground.
        auto* strip = new TPanel(page_.Form);
        strip->SetParent(page_.Host);
        strip->SetBounds(430, 388, 350, 76);
        strip->SetBevelOuter(bvLowered);
        strip->SetCaption("");
        const auto stripColour = [] { return ThemePick(TColor(0xE8D8B0), RGB(0x24, 0x34, 0x44), clBlack); };
        page_.FollowTheme([strip, stripColour] { strip->SetColor(stripColour()); });
        ambient_ = Reading("Ambient", "\u00B0C", dtFixP, 1, 8, strip);
        ambient_->SetTransparent(true);
        page_.FollowTheme([this] { ambient_->SetColorLabBakG(ThemePick(clWhite, RGB(0x1E, 0x1E, 0x1E), clBlack)); });
        heatsink_ = Reading("Heat sink", "\u00B0C", dtFixP, 1, 40, strip);
        heatsink_->SetTransparent(true);
        // A transparent label lets the strip show through white only (its picture is ANDed
        // on), so light texts need an opaque label in the same colour as the strip.
        page_.FollowTheme([this, stripColour] {
            const bool light = Application->GetTheme() == "light";
            for (TNumLab* l : {ambient_, heatsink_}) {
                l->SetTransparent(light);
                if (!light) l->SetColorOutBakG(stripColour());
            }
        });
        page_.FollowTheme([this] {
            heatsink_->SetColorLabBakG(ThemePick(clWhite, RGB(0x1E, 0x1E, 0x1E), clBlack));
            heatsink_->SetColorLabText(ThemePick(TColor(0x0000B0), RGB(0xFF, 0x70, 0x70), RGB(0xFF, 0x80, 0x80)));
        });
    }

    // ---- the model: a supply in constant voltage until the load wants more than the limit

    // Red in current limit, green in constant voltage, in shades that read on the face.
    void ShowStateColour() {
        state_->SetColorLabText(limited_ ? ThemePick(TColor(0x0000C0), RGB(0xFF, 0x70, 0x70), RGB(0xFF, 0x80, 0x80))
                                         : ThemePick(TColor(0x206020), RGB(0x6C, 0xD0, 0x6C), RGB(0x3F, 0xF2, 0x3F)));
    }

    void Step() {
        ++ticks_;
        const double ripple = 0.004 * std::sin(ticks_ * 0.9);
        const double setpoint = setpoint_->GetValue(), limit = limit_->GetValue();
        const double wanted = setpoint / kLoadOhms;
        const bool limited = wanted > limit;
        const double current = (limited ? limit : wanted) * (1 + ripple / 10);
        const double voltage = limited ? current * kLoadOhms : setpoint + ripple;
        output_->SetValue(voltage);
        current_->SetValue(current);
        power_->SetValue(voltage * current);
        state_->SetStateText(limited ? "current limit (CC)" : "constant voltage (CV)");
        limited_ = limited;
        ShowStateColour();
        phase_->SetValue(std::fmod(ticks_ * 37.77, 360.0));
        status_->SetValue((limited ? 0x8000 : 0x0001) | (ticks_ & 0x0F) << 4);
        flags_->SetValue(limited ? 0x05 : 0x01);
        energy_->SetValue(energy_->GetValue() + voltage * current * kIntervalMs / 3.6e6);
        overload_->SetValue(current * 1e4 * (ticks_ % 7 == 0));   // a surge now and then overflows
        ambient_->SetValue(23.4 + 0.3 * std::sin(ticks_ * 0.05));
        heatsink_->SetValue(31 + voltage * current * 0.8);
    }

    // ---- state for the tests

    static std::string RectText(TControl* C) {
        const TPoint p = C->ClientToParent(TPoint(0, 0), nullptr);
        return IntToStr(p.X) + " " + IntToStr(p.Y) + " " + IntToStr(C->GetWidth()) + " " + IntToStr(C->GetHeight());
    }

    void Watch() {
        page_.Watch("setpoint.text", [this] { return setpoint_->GetText(); });
        page_.Watch("setpoint.value", [this] { return FloatToStr(setpoint_->GetValue()); });
        page_.Watch("setpoint.rect", [this] { return RectText(setpoint_); });
        page_.Watch("limit.text", [this] { return limit_->GetText(); });
        page_.Watch("limit.rect", [this] { return RectText(limit_); });
        page_.Watch("output.text", [this] { return output_->DisplayedText(); });
        page_.Watch("state.text", [this] { return state_->DisplayedText(); });
        page_.Watch("focus", [] {
            TWinControl* c = Screen != nullptr ? Screen->GetActiveControl() : nullptr;
            return c != nullptr ? c->GetName() + ":" + c->ClassName() : std::string();
        });
        page_.Record("changed", "");
    }

    PageContext page_;
    TNumIO2 *setpoint_ = nullptr, *limit_ = nullptr, *trip_ = nullptr, *rate_ = nullptr, *averaging_ = nullptr;
    TNumIO2 *address_ = nullptr, *mode_ = nullptr, *offset_ = nullptr, *calibration_ = nullptr, *sense_ = nullptr;
    TNumLab *output_ = nullptr, *current_ = nullptr, *power_ = nullptr, *state_ = nullptr, *phase_ = nullptr;
    TNumLab *status_ = nullptr, *flags_ = nullptr, *energy_ = nullptr, *calibrated_ = nullptr;
    TNumLab *overload_ = nullptr, *ambient_ = nullptr, *heatsink_ = nullptr;
    TTimer* timer_ = nullptr;
    int ticks_ = 0;
    bool limited_ = false;
};

}  // namespace

void BuildNumericFieldsPage(PageContext& Page) { Page.Keep(std::make_unique<NumericFieldsPage>(Page)); }

}  // namespace gallery
