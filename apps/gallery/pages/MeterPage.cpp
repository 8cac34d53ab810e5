// Page "Instruments": a panel of analog meters of every layout, linear and logarithmic,
// with coloured scale bands, lamps, a second needle, a face picture and a hub picture,
// driven twice a second by a timer. Moving the mouse over a meter shows the value under
// the pointer.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "apps/gallery/GalleryPage.h"
#include "meter/Zyn_Meter.h"
#include "platform/ExtCtrls.h"
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
            m->SetBounds(kLeft[i], 36 + (i / 3) * 214, kWidth[i], 204);
            m->SetMeterLayout(d.layout);
            m->SetMeterMaxValue(d.max);
            m->SetMeterMinValue(d.min);
            m->SetLogarithmic(d.logarithmic);
            m->SetThresholdHigh(d.high);
            m->SetThresholdLow(d.low);
            m->SetMeterNrTicks(d.ticks);
            m->SetMeterDecPlaces(d.decimals);
            m->SetCaption(d.caption);
            m->SetColorBakG(TColor(0xE8F4F8));
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
        Step();
        timer_ = new TTimer(Page.Form);
        timer_->SetInterval(500);
        timer_->SetOnTimer([this](TObject*) { Step(); });
        Page.Watch("value0", [this] { return FloatToStrF(meters_[0]->GetValue(), ffFixed, 15, 2); });
    }

private:
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
    }

    PageContext page_;
    TMeter* meters_[6] = {};
    double phase_[6] = {};
    TLabel* readout_ = nullptr;
    TTimer* timer_ = nullptr;
    int count_ = 0;
};

}  // namespace

void BuildMeterPage(PageContext& Page) { Page.Keep(std::make_unique<MeterPage>(Page)); }

}  // namespace gallery
