// Page "Plot styles": the style of a measurement series chosen with a colour selector and a
// mark selector and previewed at once on a small scatter plot; the plot has a gradient
// background and axis titles drawn by rotated labels, and a strip of gradient fills shows
// the four layouts beside a dial of rotated captions.
#include <cmath>
#include <numbers>
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "colsel/Zyn_Colsel.h"
#include "framework/Zyn_zynbase.h"
#include "gradfl/Zyn_gradfl.h"
#include "marksel/Zyn_marksel.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "rotlab/Zyn_RotLab.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

// The points of a scatter plot drawn with one mark in one colour over whatever lies below
// (here a gradient fill of the same size); a light grid gives the scale.
class TPlotPoints : public TGraphicControl {
public:
    explicit TPlotPoints(TComponent* AOwner) : TGraphicControl(AOwner) {
        TControlStyle style = GetControlStyle();
        style.Exclude(csOpaque);
        SetControlStyle(style);
    }
    std::string ClassName() const override { return "TPlotPoints"; }

    void SetStyle(int Mark, TColor Color) {
        mark_ = Mark;
        color_ = Color;
        Invalidate();
    }

protected:
    void Paint() override {
        TCanvas* c = GetCanvas();
        const int w = GetWidth(), h = GetHeight();
        c->GetPen()->SetColor(ThemePick(TColor(0xE0D8D0), RGB(0x3A, 0x3A, 0x3A), RGB(0x50, 0x50, 0x50)));
        for (int i = 1; i < 5; ++i) {
            c->MoveTo(i * w / 5, 4);
            c->LineTo(i * w / 5, h - 4);
            c->MoveTo(4, i * h / 5);
            c->LineTo(w - 4, i * h / 5);
        }
        // On the dark paper a dark series colour would vanish: it is lifted halfway to white.
        const TColor lifted = Lifted(color_);
        c->GetPen()->SetColor(ThemePick(color_, lifted, lifted));
        c->GetBrush()->SetColor(ThemePick(clWhite, RGB(0x1E, 0x1E, 0x1E), clBlack));
        // A damped oscillation sampled at 24 points with a little scatter.
        for (int i = 0; i < 24; ++i) {
            const double t = i / 23.0;
            const double v = 0.5 + 0.4 * std::exp(-2.2 * t) * std::cos(t * 3.4 * std::numbers::pi) +
                             0.03 * std::sin(i * 7.3);
            const int x = 16 + static_cast<int>(std::lround(t * (w - 32)));
            const int y = h - 16 - static_cast<int>(std::lround(v * (h - 32)));
            if (mark_ == 0) {
                c->Ellipse(x - 2, y - 2, x + 3, y + 3);
            } else {
                DrawMarkOnCanvas(c, mark_, x, y, GetCurrentPPI());
            }
        }
    }

private:
    static TColor Lifted(TColor Color) {
        const TColor c = ColorToRGB(Color);
        return RGB((GetRValue(c) + 255) / 2, (GetGValue(c) + 255) / 2, (GetBValue(c) + 255) / 2);
    }

    int mark_ = 4;
    TColor color_ = clNavy;
};

template <class T>
T* Place(PageContext& Page, int L, int T_, int W, int H) {
    auto* c = new T(Page.Form);
    c->SetParent(Page.Host);
    c->SetBounds(L, T_, W, H);
    return c;
}

TLabel* Caption(PageContext& Page, int L, int T_, const std::string& Text, bool Bold = false) {
    auto* l = Place<TLabel>(Page, L, T_, 300, 18);
    l->SetCaption(Text);
    if (Bold) l->GetFont()->SetStyle({fsBold});
    return l;
}

class SelectorsPage {
public:
    explicit SelectorsPage(PageContext& Page) : page_(Page) {
        BuildStyleChoosers();
        BuildPlot();
        BuildLayouts();
        ApplyStyle();
        Page.Watch("colour", [this] { return colours_->GetSelColorID(); });
        Page.Watch("mark", [this] { return IntToStr(marks_->GetSelected()); });
    }

private:
    void BuildStyleChoosers() {
        Caption(page_, 20, 12, "Series \"Damping, run 7\"", true);
        Caption(page_, 20, 44, "Line and mark colour");
        colours_ = Place<TColSel>(page_, 20, 64, 220, 22);
        colours_->SetAccessibleName("Line and mark colour");
        colours_->LoadExtendedPalette();
        // The last two entries are the user's own colours: pick them from the bar's left end.
        colours_->SetOnColorNameChange([](TObject*, std::string& Name) {
            // Colours picked in the dialog are shown as "custom", not as hex numbers.
            if (!Name.empty() && Name[0] == '$') Name = "Custom " + Name.substr(3);
        });
        colours_->SetArrayColor(19, TColor(0x3070E0));
        colours_->SetArrayAllowEdit(19, true);
        colours_->SetArrayColor(20, TColor(0x8C5A2E));
        colours_->SetArrayAllowEdit(20, true);
        // Selecting by colour names the entry after its colour, so the user's names come last.
        colours_->SetSelColor(TColor(0x8C5A2E));
        colours_->SetArrayColorName(19, "Signal orange");
        colours_->SetArrayColorName(20, "Slate blue");
        colours_->SetDropDownCount(12);
        colours_->SetOnClick([this](TObject*) { ApplyStyle(); });
        colours_->SetOnCloseUp([this](TObject*) { ApplyStyle(); });

        auto* axis = Place<TColSel>(page_, 250, 64, 150, 22);
        axis->LoadBasicVGAPalette();
        axis->SetSelColor(clGray);
        axis->SetColorBarWidth(16);
        axis->SetAccessibleName("Axes colour");
        axis->SetEnabled(false);
        Caption(page_, 250, 44, "Axes (locked)");

        Caption(page_, 20, 100, "Mark (click one)");
        marks_ = Place<TMarkSel>(page_, 20, 120, 236, 178);
        marks_->SetSelected(20);
        marks_->SetAccessibleName("Mark");
        marks_->SetOnMarkClick([this](TObject*, int, int, int Mark) {
            page_.Record("mark.click", IntToStr(Mark));
            ApplyStyle();
        });

        Caption(page_, 20, 310, "Marks 1 to 3 are hidden: a cross stands for \"no mark\"");
        for (int m = 1; m <= 3; ++m) marks_->SetVis(m, false);
    }

    void BuildPlot() {
        const int L = 300, T = 100, W = 470, H = 240;
        background_ = Place<TGradFill>(page_, L + 34, T, W - 34, H - 34);
        background_->SetName("PlotBackground");
        background_->SetFillType(gtVert);
        // The plot's paper is the page's choice in every theme: pale in light, dark under the
        // light grid and stamp of the dark themes.
        page_.FollowTheme([this] {
            background_->SetColorFirst(ThemePick(TColor(0xFFFBF4), RGB(0x26, 0x2B, 0x33), clBlack));
            background_->SetColorLast(ThemePick(TColor(0xEEDDCC), RGB(0x1A, 0x1E, 0x24), clBlack));
        });
        background_->SetNrColors(24);
        background_->SetFrameStyle(frSunken);
        points_ = Place<TPlotPoints>(page_, L + 34, T, W - 34, H - 34);

        auto* yTitle = Place<TRotLab>(page_, L, T, 34, H - 34);
        yTitle->SetCaption("Amplitude (mm)");
        yTitle->SetTextAngle(90);
        yTitle->SetFrameStyle(frNone);
        yTitle->GetFont()->SetSize(10);

        auto* xTitle = Place<TRotLab>(page_, L + 34, T + H - 34, W - 34, 34);
        xTitle->SetCaption("Time (s)");
        xTitle->SetFrameStyle(frNone);
        xTitle->GetFont()->SetSize(10);

        auto* stamp = Place<TRotLab>(page_, L + W - 150, T + 8, 140, 80);
        stamp->SetCaption("PRELIMINARY");
        stamp->SetTextAngle(20);
        stamp->SetFrameStyle(frNone);
        page_.FollowTheme([stamp] { stamp->GetFont()->SetColor(ThemePick(TColor(0x4040C0), RGB(0xFF, 0x80, 0x80), RGB(0xFF, 0x80, 0x80))); });
        stamp->GetFont()->SetStyle({fsBold});
    }

    void BuildLayouts() {
        const int T = 360;
        Caption(page_, 20, T, "Gradient layouts", true);
        struct Sample {
            TGradType type;
            const char* name;
            TColor first, last;
            TGridMode grid;
        };
        const Sample samples[] = {
            {gtHoriz, "gtHoriz", clMaroon, clYellow, gmNone},
            {gtVert, "gtVert", TColor(0x402010), TColor(0xF0D0A0), gmNone},
            {gtMidBandHoriz, "gtMidBandHoriz", TColor(0x606060), clWhite, gmNone},
            {gtMidBandVert, "gtMidBandVert, grid", TColor(0x204020), TColor(0x80F0A0), gmBoth},
        };
        for (int i = 0; i < 4; ++i) {
            const Sample& s = samples[i];
            auto* g = Place<TGradFill>(page_, 20 + i * 130, T + 26, 118, 118);
            g->SetFillType(s.type);
            g->SetColorFirst(s.first);
            g->SetColorLast(s.last);
            g->SetGridMode(s.grid);
            g->SetGridColor(TColor(0x305030));
            g->SetNrColors(s.grid == gmNone ? 16 : 8);
            g->SetFrameStyle(frRaised);
            Caption(page_, 20 + i * 130, T + 148, s.name);
        }

        // A dial of captions at every 45 degrees about one anchor, and an engraved one.
        Caption(page_, 560, T, "Rotated captions", true);
        auto* dialFrame = Place<TRotLab>(page_, 560, T + 26, 150, 140);
        dialFrame->SetCaption("");
        dialFrame->SetFrameStyle(frSunkenDouble);
        for (int a = 0; a < 360; a += 45) {
            auto* r = Place<TRotLab>(page_, 562, T + 28, 146, 136);
            r->SetFrameStyle(frNone);
            r->SetAlignment(taLeftJustify);
            r->SetCaption("\xC2\xB7\xC2\xB7\xC2\xB7\xC2\xB7 " + IntToStr(a) + "\xC2\xB0");
            r->SetTextAngle(a);
            r->GetFont()->SetSize(9);
        }
        auto* engraved = Place<TRotLab>(page_, 720, T + 26, 60, 140);
        engraved->SetCaption("disabled");
        engraved->SetTextAngle(90);
        engraved->SetEnabled(false);
        engraved->SetFrameStyle(frSingle);
    }

    void ApplyStyle() {
        points_->SetStyle(marks_->GetSelected() < 0 ? 0 : marks_->GetSelected(), colours_->GetSelColor());
        page_.Record("style", colours_->GetSelColorID() + " / mark " + IntToStr(marks_->GetSelected()));
    }

    PageContext page_;
    TColSel* colours_ = nullptr;
    TMarkSel* marks_ = nullptr;
    TGradFill* background_ = nullptr;
    TPlotPoints* points_ = nullptr;
};

}  // namespace

void BuildSelectorsPage(PageContext& Page) { Page.Keep(std::make_unique<SelectorsPage>(Page)); }

}  // namespace gallery
