// Page "Instruments": a panel of analog meters of every layout, linear and logarithmic,
// with coloured scale bands, lamps, a second needle, a face picture and a hub picture,
// driven twice a second by a timer, above a strip of seven-segment readouts and bar
// graphs that follow the same values. Moving the mouse over a meter shows the value under
// the pointer.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "apps/gallery/GalleryPage.h"
#include "meter/Zyn_Meter.h"
#include "platform/ExtCtrls.h"
#include "progbar/Zyn_ProgBar.h"
#include "sevenseg/Zyn_sevenseg.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

struct Dial {
    TMeterLayout layout;
    const char* caption;
    double min, max, low, high;
    int ticks, decimals;
    bool logarithmic, band;
};

const Dial kDials[] = {
    {mlCirc90, "V", 0, 250, 190, 240, 5, 0, false, true},
    {mlCirc120, "A", 0, 20, 2, 16, 4, 0, false, true},
    {mlCirc180, "bar", 0, 10, 1, 8, 5, 0, false, true},
    {mlCirc270, "rpm x100", 0, 80, 10, 65, 8, 0, false, true},
    {mlCirc300, "kPa", 0, 100, 20, 80, 10, 0, false, true},
    {mlCirc360, "Hz (log)", 1, 1000, 5, 500, 3, 0, true, false},
};

// The meters take their pictures from files, so the page paints its two pictures into a
// folder of its own under the system's temporary folder; the meters read them at once and
// the folder goes again.
struct Artwork {
    std::string Folder;
    std::string Face;   // a cream face with a faint engraved grid
    std::string Hub;    // a shaded metal hub on black, which the meter treats as clear
};

Artwork PaintArtwork() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("zyn-gallery-" + std::to_string(::getpid()));
    fs::create_directories(dir);

    TBitmap face;
    face.SetPixelFormat(pf24bit);
    face.SetSize(240, 204);
    TCanvas* c = face.GetCanvas();
    for (int y = 0; y < 204; ++y) {
        const int shade = 250 - y / 17;  // a slight fall of light from the top
        c->GetPen()->SetColor(TColor(RGB(shade, shade - 3, shade - 12)));
        c->MoveTo(0, y);
        c->LineTo(240, y);
    }
    c->GetPen()->SetColor(TColor(RGB(232, 226, 208)));
    for (int x = 12; x < 240; x += 12) {
        c->MoveTo(x, 0);
        c->LineTo(x, 204);
    }
    for (int y = 12; y < 204; y += 12) {
        c->MoveTo(0, y);
        c->LineTo(240, y);
    }

    TBitmap hub;
    hub.SetPixelFormat(pf24bit);
    hub.SetSize(28, 28);
    TCanvas* h = hub.GetCanvas();
    h->GetBrush()->SetColor(clBlack);
    h->FillRect(Rect(0, 0, 28, 28));
    h->GetPen()->SetStyle(psClear);
    for (int r = 13; r >= 1; --r) {  // rings lighter toward the upper left
        const int v = 90 + (13 - r) * 11;
        h->GetBrush()->SetColor(TColor(RGB(v, v, v + 8)));
        const int o = (13 - r) / 3;
        h->Ellipse(14 - r - o, 14 - r - o, 14 + r - o + 1, 14 + r - o + 1);
    }

    Artwork art{dir.string(), (dir / "face.png").string(), (dir / "hub.bmp").string()};
    face.SaveToFile(art.Face);
    hub.SaveToFile(art.Hub);
    return art;
}

class MeterPage {
public:
    explicit MeterPage(PageContext& Page) : page_(Page) {
        auto* heading = new TLabel(Page.Form);
        heading->SetParent(Page.Host);
        heading->SetBounds(20, 10, 500, 20);
        heading->SetCaption("Test bench 4: supply and drive instruments");
        heading->GetFont()->SetStyle({fsBold});

        readout_ = new TLabel(Page.Form);
        readout_->SetParent(Page.Host);
        readout_->SetBounds(520, 10, 300, 20);
        readout_->SetCaption("Point at a scale to read it");

        Artwork art;
        try {
            art = PaintArtwork();
        } catch (const std::exception&) {
            // Without a writable temporary folder the meters simply show plain faces.
        }

        for (int i = 0; i < 6; ++i) {
            const Dial& d = kDials[i];
            auto* m = new TMeter(Page.Form);
            m->SetParent(Page.Host);
            // The 90-degree dial takes its radius from the height alone, so it gets the
            // widest place; the rest share the rows evenly.
            static const int kLeft[6] = {20, 310, 545, 20, 270, 520};
            static const int kWidth[6] = {280, 225, 225, 240, 240, 240};
            m->SetBounds(kLeft[i], 36 + (i / 3) * 186, kWidth[i], 178);
            m->SetMeterLayout(d.layout);
            m->SetMeterMaxValue(d.max);
            m->SetMeterMinValue(d.min);
            m->SetLogarithmic(d.logarithmic);
            m->SetThresholdHigh(d.high);
            m->SetThresholdLow(d.low);
            m->SetMeterNrTicks(d.ticks);
            m->SetMeterDecPlaces(d.decimals);
            m->SetCaption(d.caption);
            Page.FollowTheme([m] { m->SetColorBakG(ThemePick(TColor(0xE8F4F8), RGB(0x1E, 0x24, 0x2A), clBlack)); });
            m->SetScaleBkVisible(d.band);
            m->SetScaleBkWidth(7);
            m->GetNeedleLayout()->SetColorBody(TColor(0x2020C0));
            m->GetNeedleLayout()->SetThickness(4);
            m->GetNeedleLayout()->SetHeadSize(12);
            m->GetNeedleLayout()->SetHeadMidLeng(10);
            m->GetNeedleLayout()->SetShadowDx(2);
            m->GetNeedleLayout()->SetShadowDy(2);
            m->GetNeedleLayout()->SetShadowColor(TColor(0xB0B0B0));
            if (i == 4) {
                // A drag pointer: the secondary needle keeps the highest value reached.
                m->GetNeedleLayoutSec()->SetVisible(true);
                m->GetNeedleLayoutSec()->SetColorBody(TColor(0x808080));
                m->GetNeedleLayoutSec()->SetPercentNeedleLength(90);
            }
            if (i == 3 && !art.Face.empty()) {
                m->SetBackGroundImg(art.Face);
                // The scale is drawn on the light artwork in every theme: navy stays.
                m->SetColorScale(clNavy);
                m->SetAnchorImage(art.Hub);
            }
            if (d.layout == mlCirc360) {
                // On a full circle the two ends of the scale meet: only the top value is named.
                m->SetOnBeforeDrawScaleLabel([](TObject*, TCanvas*, std::string& Label, int, int) {
                    if (Label == FloatToStrF(kDials[5].min, ffFixed, 15, 0)) Label.clear();
                });
            }
            m->SetFrameStyle(static_cast<TFrameStyle>(i % 2 ? frSunken : frRaisedDouble));
            m->SetOnMouseMoveInMeter([this, i](TObject*, bool Within, TShiftState, double V) {
                std::string text = Within ? std::string(kDials[i].caption) + ": " + FloatToStrF(V, ffFixed, 15, 2)
                                          : "Outside the scale";
                readout_->SetCaption(text);
                page_.Record("readout", text);
            });
            meters_[i] = m;
            phase_[i] = i * 1.3;
        }
        if (!art.Folder.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(art.Folder, ignored);
        }
        BuildReadouts();
        Step();
        timer_ = new TTimer(Page.Form);
        timer_->SetInterval(500);
        timer_->SetOnTimer([this](TObject*) { Step(); });
        Page.Watch("value0", [this] { return FloatToStrF(meters_[0]->GetValue(), ffFixed, 15, 2); });
        Page.Watch("voltage", [this] { return displays_[0]->GetCaption(); });
        Page.Watch("batch", [this] { return FloatToStrF(bars_[3]->GetValue(), ffFixed, 15, 0); });
    }

private:
    // The strip under the meters: a voltage, a run time and a temperature on seven-segment
    // displays; pressure and speed on horizontal bars; current and a batch counter that
    // counts on its own on vertical bars.
    void BuildReadouts() {
        const int top = 412;
        struct Readout {
            int left, width, digits;
            TColor text, ground;
            TFrameStyle frame;
        };
        const Readout kReadouts[3] = {
            {20, 204, 5, clRed, TColor(0x202020), frSunkenDouble},             // 231.4 V
            {240, 204, 5, TColor(0x40FF40), TColor(0x102010), frSunkenDouble},  // 01:25
            {460, 204, 5, TColor(0x00A5FF), TColor(0x101828), frSunken},        // -12.5 degrees
        };
        const char* const kReadoutNames[3] = {"Supply voltage", "Run time", "Outlet temperature"};
        for (int i = 0; i < 3; ++i) {
            const Readout& r = kReadouts[i];
            auto* d = new TSevenSeg(page_.Form);
            d->SetParent(page_.Host);
            d->SetBounds(r.left, top, r.width, 74);
            d->SetNumDigits(r.digits);
            d->SetMargin(7);
            d->SetInterDigDist(4);
            d->SetColorText(r.text);
            d->SetColorBackGnd(r.ground);
            d->SetFrameStyle(r.frame);
            d->SetAccessibleName(kReadoutNames[i]);
            displays_[i] = d;
        }

        // Pressure over a stretched blue-to-red gradient; speed on a green-to-red scale that
        // the bar uncovers, with a grid and its share of the full scale as text.
        auto* pressure = new TProgBar(page_.Form);
        pressure->SetParent(page_.Host);
        pressure->SetBounds(20, top + 84, 316, 28);
        pressure->SetShowColorGradient(true);
        pressure->SetColorBackGnd(TColor(0x404040));
        pressure->SetTextDecPlaces(1);
        pressure->SetTextPosX(158);
        pressure->GetFont()->SetColor(clWhite);
        pressure->GetFont()->SetStyle({fsBold});
        pressure->SetAccessibleName("Pressure");
        bars_[0] = pressure;

        auto* speed = new TProgBar(page_.Form);
        speed->SetParent(page_.Host);
        speed->SetBounds(348, top + 84, 316, 28);
        speed->SetRange(0, 80);
        speed->SetShowColorGradient(true);
        speed->SetColorMapMode(cgmCover);
        speed->SetColorMin(TColor(0x30B030));
        speed->SetColorMax(TColor(0x2020E0));
        speed->SetColorBackGnd(TColor(0x303030));
        speed->SetGridDist(8);
        speed->SetColorGrid(TColor(0x202020));
        speed->SetFrameStyleInner(frSunkenDouble);
        speed->SetTextAlignment(taLeftJustify);
        speed->SetTextPosX(10);
        speed->GetFont()->SetColor(clWhite);
        speed->SetOnShowValue([speed](TObject*, std::string& Text) {
            Text = "rpm x100: " + Text + "  (" + FloatToStrF(speed->GetValue() * 100 / speed->GetMax(), ffFixed, 15, 0) + " %)";
        });
        speed->SetAccessibleName("Speed");
        bars_[1] = speed;

        // Two columns: the current with the gradient moving with its tip, and a batch
        // counter that advances by itself (first after 1.5 s, then every 0.3 s) and starts
        // again when it is full.
        auto* current = new TProgBar(page_.Form);
        current->SetParent(page_.Host);
        current->SetBounds(680, top, 40, 112);
        current->SetDirection(dirUp);
        current->SetRange(0, 20);
        current->SetShowColorGradient(true);
        current->SetColorMapMode(cgmMove);
        current->SetColorMin(TColor(0x804000));
        current->SetColorMax(TColor(0xFFD080));
        current->SetTextAngle(90);
        current->SetTextPosX(20);
        current->SetTextPosY(56);
        current->SetTextDecPlaces(1);
        current->GetFont()->SetStyle({fsBold});
        current->SetAccessibleName("Current");
        bars_[2] = current;

        auto* batch = new TProgBar(page_.Form);
        batch->SetParent(page_.Host);
        batch->SetBounds(728, top, 40, 112);
        batch->SetDirection(dirUp);
        batch->SetRange(0, 50);
        batch->SetValue(0);
        batch->SetColorMin(TColor(0x008000));
        batch->SetGridDist(11);
        batch->SetColorGrid(TColor(0x00C000));
        // A pale green track in light; a dark green one in the dark themes, under their light text.
        page_.FollowTheme([batch] { batch->SetColorBackGnd(ThemePick(TColor(0xE0F0E0), RGB(0x1A, 0x2E, 0x1A), clBlack)); });
        batch->SetTextAngle(90);
        batch->SetTextPosX(20);
        batch->SetTextPosY(56);
        batch->SetRepeatInterval(300);
        batch->SetOnAutoInc([batch](TObject*) {
            if (batch->GetValue() > batch->GetMax()) batch->SetValue(0);
        });
        batch->SetAutoInc(true);
        batch->SetAccessibleName("Batch");
        bars_[3] = batch;
    }

    // The readouts show what the meters show, as a panel of digits and bars would.
    void StepReadouts() {
        // Blanks in front right-align the numbers: each leaves its digit dark.
        displays_[0]->SetCaption(Format("%6.1f", {meters_[0]->GetValue()}));
        const int seconds = count_ / 2;
        displays_[1]->SetCaption(Format("%.2d:%.2d", {seconds / 60 % 100, seconds % 60}));
        const double temperature = -20 + 35 * (0.5 + 0.5 * std::sin(count_ * 0.05));
        displays_[2]->SetCaption(Format("%5.1f", {temperature}) + "\u00B0");
        bars_[0]->SetValue(meters_[4]->GetValue());
        bars_[1]->SetValue(meters_[3]->GetValue());
        bars_[2]->SetValue(meters_[1]->GetValue());
    }

    // Each meter follows a slow swing with a little jitter, reaching its high band now and then.
    void Step() {
        ++count_;
        for (int i = 0; i < 6; ++i) {
            const Dial& d = kDials[i];
            double s = 0.5 + 0.45 * std::sin(count_ * 0.21 + phase_[i]) + 0.04 * std::sin(count_ * 1.7 + i);
            s = std::clamp(s, 0.0, 1.0);
            double v = d.logarithmic ? d.min * std::pow(d.max / d.min, s) : d.min + s * (d.max - d.min);
            meters_[i]->SetValue(v);
            if (i == 4) meters_[i]->SetValueSec(std::max(meters_[i]->GetValueSec(), v));
        }
        StepReadouts();
    }

    PageContext page_;
    TMeter* meters_[6] = {};
    TSevenSeg* displays_[3] = {};
    TProgBar* bars_[4] = {};
    double phase_[6] = {};
    TLabel* readout_ = nullptr;
    TTimer* timer_ = nullptr;
    int count_ = 0;
};

}  // namespace

void BuildMeterPage(PageContext& Page) { Page.Keep(std::make_unique<MeterPage>(Page)); }

}  // namespace gallery
