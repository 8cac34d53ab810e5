// Page "Live values": a timer moving values twice a second, as a machine monitor would:
// a trend chart of the spindle load over the last minute and the current figures beside
// it. The values follow a smooth random walk, so the page never repeats itself.
#include <algorithm>
#include <cmath>
#include <deque>
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"

using namespace vcl;

namespace gallery {

namespace {

constexpr int kSamples = 120;          // one minute at two samples a second
constexpr UINT kIntervalMs = 500;

// A line chart of the latest samples (0..100 %) with a grid, a filled area and a limit.
class TTrendChart : public TGraphicControl {
public:
    explicit TTrendChart(TComponent* AOwner) : TGraphicControl(AOwner) {}
    std::string ClassName() const override { return "TTrendChart"; }

    void AddSample(double Value) {
        samples_.push_back(Value);
        while (int(samples_.size()) > kSamples) samples_.pop_front();
        Invalidate();
    }
    double Latest() const { return samples_.empty() ? 0 : samples_.back(); }
    double Limit = 85;

protected:
    void Paint() override {
        TCanvas* c = GetCanvas();
        TRect r = GetClientRect();
        c->GetBrush()->SetColor(clWindow);
        c->GetPen()->SetColor(TColor(0xC8C8C8));
        c->Rectangle(r);
        // Room for the axis labels, in 96 dpi pixels scaled with the form.
        TRect plot = Rect(r.Left + ScaledMetric(44), r.Top + ScaledMetric(12), r.Right - ScaledMetric(12),
                          r.Bottom - ScaledMetric(26));
        PaintGrid(c, plot);
        PaintArea(c, plot);
        PaintLimit(c, plot);
    }

private:
    int YOf(const TRect& P, double V) const {
        return P.Bottom - int(std::lround(std::clamp(V, 0.0, 100.0) / 100.0 * (P.Height() - 1))) - 1;
    }
    int XOf(const TRect& P, int I) const {
        return P.Left + int(std::lround(double(I) * (P.Width() - 1) / (kSamples - 1)));
    }

    void PaintGrid(TCanvas* c, const TRect& P) {
        c->GetFont()->Assign(GetFont());
        c->GetFont()->SetColor(clGrayText);
        c->GetBrush()->SetStyle(bsClear);
        for (int v = 0; v <= 100; v += 25) {
            int y = YOf(P, v);
            c->GetPen()->SetColor(ThemePick(TColor(0xEBEBEB), RGB(0x3A, 0x3A, 0x3A), RGB(0x50, 0x50, 0x50)));
            c->MoveTo(P.Left, y);
            c->LineTo(P.Right, y);
            std::string label = IntToStr(v) + " %";
            c->TextOut(P.Left - ScaledMetric(8) - c->TextWidth(label), y - c->TextHeight(label) / 2, label);
        }
        for (int s = 0; s <= 60; s += 15) {
            int x = XOf(P, kSamples - 1 - s * 2);
            c->GetPen()->SetColor(ThemePick(TColor(0xEBEBEB), RGB(0x3A, 0x3A, 0x3A), RGB(0x50, 0x50, 0x50)));
            c->MoveTo(x, P.Top);
            c->LineTo(x, P.Bottom);
            std::string label = s == 0 ? "now" : Format("-%d s", {s});
            c->TextOut(x - c->TextWidth(label) / 2, P.Bottom + ScaledMetric(6), label);
        }
        c->GetBrush()->SetStyle(bsSolid);
    }

    void PaintArea(TCanvas* c, const TRect& P) {
        if (samples_.size() < 2) return;
        int first = kSamples - int(samples_.size());
        std::vector<TPoint> line, area;
        for (size_t i = 0; i < samples_.size(); ++i)
            line.push_back(TPoint(XOf(P, first + int(i)), YOf(P, samples_[i])));
        area = line;
        area.push_back(TPoint(line.back().X, P.Bottom - 1));
        area.push_back(TPoint(line.front().X, P.Bottom - 1));
        // The area under the line, drawn at every paint: it follows the theme by itself.
        const TColor under = ThemePick(TColor(0xF5E6D2), RGB(0x1E, 0x3A, 0x5A), RGB(0x00, 0x30, 0x60));
        c->GetBrush()->SetColor(under);
        c->GetPen()->SetColor(under);
        c->Polygon(area);
        c->GetPen()->SetColor(TColor(0xB4781E));
        c->GetPen()->SetWidth(ScaledLineWidth(2));
        c->Polyline(line);
        c->GetPen()->SetWidth(1);
    }

    void PaintLimit(TCanvas* c, const TRect& P) {
        int y = YOf(P, Limit);
        c->GetPen()->SetColor(TColor(0x3C3CC8));
        c->GetPen()->SetStyle(psDash);
        c->MoveTo(P.Left, y);
        c->LineTo(P.Right, y);
        c->GetPen()->SetStyle(psSolid);
        c->GetBrush()->SetStyle(bsClear);
        c->GetFont()->SetColor(ThemePick(TColor(0x3C3CC8), RGB(0xFF, 0x70, 0x70), RGB(0xFF, 0x80, 0x80)));
        c->TextOut(P.Right - c->TextWidth("limit") - ScaledMetric(4), y - c->TextHeight("limit") - ScaledMetric(2),
                   "limit");
        c->GetBrush()->SetStyle(bsSolid);
    }

    std::deque<double> samples_;
};

class LivePage {
public:
    explicit LivePage(PageContext& Page) : page_(Page) {
        auto* heading = new TLabel(Page.Form);
        heading->SetParent(Page.Host);
        heading->SetBounds(20, 14, 400, 20);
        heading->SetCaption("Spindle load, machining centre 2");
        heading->GetFont()->SetStyle({fsBold});

        chart_ = new TTrendChart(Page.Form);
        chart_->SetParent(Page.Host);
        chart_->SetBounds(20, 42, 560, 300);

        load_ = Figure("Load", 600, 42, 28);
        peak_ = Figure("Peak this minute", 600, 120, 16);
        speed_ = Figure("Spindle speed", 600, 180, 16);
        ticks_ = Figure("Samples", 600, 240, 16);
        page_.FollowTheme([this] { ShowLoadColour(); });

        pause_ = new TCheckBox(Page.Form);
        pause_->SetParent(Page.Host);
        pause_->SetBounds(600, 306, 160, 20);
        pause_->SetCaption("Pause updates");

        // A minute of history, so the chart is full from the first look.
        for (int i = 0; i < kSamples; ++i) Step();
        timer_ = new TTimer(Page.Form);
        timer_->SetInterval(kIntervalMs);
        timer_->SetOnTimer([this](TObject*) {
            if (!pause_->GetChecked()) Step();
        });
        Page.Watch("samples", [this] { return IntToStr(count_); });
    }

private:
    TLabel* Figure(const char* Caption, int Left, int Top, int Size) {
        auto* c = new TLabel(page_.Form);
        c->SetParent(page_.Host);
        c->SetBounds(Left, Top, 180, 16);
        c->SetCaption(Caption);
        c->GetFont()->SetColor(clGrayText);
        auto* v = new TLabel(page_.Form);
        v->SetParent(page_.Host);
        v->SetBounds(Left, Top + 18, 180, Size + 16);
        v->GetFont()->SetSize(Size);
        v->GetFont()->SetStyle({fsBold});
        return v;
    }

    // The next value of a mean-reverting random walk with a slow cutting cycle on top.
    // Red above the limit, green below, in shades that read on the theme's face.
    void ShowLoadColour() {
        const bool over = value_ > chart_->Limit;
        load_->GetFont()->SetColor(over ? ThemePick(TColor(0x3C3CC8), RGB(0xFF, 0x70, 0x70), RGB(0xFF, 0x80, 0x80))
                                        : ThemePick(TColor(0x2E7D32), RGB(0x6C, 0xD0, 0x6C), RGB(0x3F, 0xF2, 0x3F)));
    }

    void Step() {
        seed_ = seed_ * 1103515245u + 12345u;
        double noise = double((seed_ >> 8) & 0xFFFF) / 65535.0 - 0.5;
        double cycle = 18.0 * std::sin(count_ * 2 * 3.14159265358979 / 40.0);
        value_ += 0.25 * (55.0 + cycle - value_) + noise * 9.0;
        value_ = std::clamp(value_, 2.0, 99.0);
        ++count_;
        chart_->AddSample(value_);
        recent_.push_back(value_);
        while (int(recent_.size()) > kSamples) recent_.pop_front();
        double peak = *std::max_element(recent_.begin(), recent_.end());
        load_->SetCaption(FloatToStrF(value_, ffFixed, 15, 1) + " %");
        ShowLoadColour();
        peak_->SetCaption(FloatToStrF(peak, ffFixed, 15, 1) + " %");
        speed_->SetCaption(IntToStr(8000 + int(value_ * 40)) + " rpm");
        ticks_->SetCaption(IntToStr(count_));
    }

    PageContext page_;
    TTrendChart* chart_ = nullptr;
    TLabel *load_ = nullptr, *peak_ = nullptr, *speed_ = nullptr, *ticks_ = nullptr;
    TCheckBox* pause_ = nullptr;
    TTimer* timer_ = nullptr;
    std::deque<double> recent_;
    double value_ = 50;
    unsigned seed_ = 20240611u;
    int count_ = 0;
};

}  // namespace

void BuildLiveValuesPage(PageContext& Page) { Page.Keep(std::make_unique<LivePage>(Page)); }

}  // namespace gallery
