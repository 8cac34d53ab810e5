// The meter's picture, composed layer by layer in an off-screen buffer over the visible region
// of the control: background, scale band, scale, caption, needles, rim cover, window bevel
// and anchor, lamps, frame.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "framework/Zyn_conventions.h"
#include "meter/Zyn_Meter.h"
#include "platform/Themes.h"
#include "platform/Types.h"

namespace zyn {

using namespace vcl;

namespace {

constexpr double Deg = std::numbers::pi / 180.0;

int Rnd(double X) { return MeterRound(X); }

void PenAndBrush(TCanvas* C, TColor Color) {
    C->GetPen()->SetColor(Color);
    C->GetBrush()->SetColor(Color);   // also makes the brush solid
}

// Curves the canvas refuses to trace (a dashed arc of an ellipse far larger than any
// surface, which a pen an event handler left on the canvas could ask for) are left out; the
// rest of the picture paints.
template <class Fn>
void Curve(Fn&& Draw) {
    try {
        Draw();
    } catch (const EOutOfResources&) {
    }
}
void Arc(TCanvas* C, int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    Curve([&] { C->Arc(X1, Y1, X2, Y2, X3, Y3, X4, Y4); });
}
void Pie(TCanvas* C, int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    Curve([&] { C->Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4); });
}
void Ellipse(TCanvas* C, int X1, int Y1, int X2, int Y2) {
    Curve([&] { C->Ellipse(X1, Y1, X2, Y2); });
}

}  // namespace

void TMeter::Paint() {
    // Setters paint at once; while a form file is read they only store, and Loaded paints.
    if (Loading()) return;
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (FRadius <= 0 || W <= 0 || H <= 0) return;
    TPaintBuffer buffer(GetCanvas(), Rect(0, 0, W, H));
    Render(buffer.GetCanvas());
    buffer.Show();
}

void TMeter::Render(TCanvas* C) {
    PaintBackground(C);
    const double thLow = ModelAngle(FThresholdLow), thHigh = ModelAngle(FThresholdHigh);
    if (FScaleBkVisible) PaintScaleBand(C, thLow, thHigh);
    C->GetBrush()->SetStyle(bsClear);
    if (FScaleVisible) PaintScale(C);

    C->SetFont(FFontCaption.get());
    if (!FCaption.empty()) {
        TSize ext = C->TextExtent(FCaption);
        C->TextOut(FCenterX - ext.cx / 2, FCenterY - Rnd(FRadius / 3) - ext.cy / 2, FCaption);
    }

    // The secondary needle lies below the primary one.
    if (FNeedleLayoutSec->GetVisible()) PaintNeedle(C, *FNeedleLayoutSec, FValueSec);
    if (FNeedleLayout->GetVisible()) PaintNeedle(C, *FNeedleLayout, FValue);

    PaintCoverAndAnchor(C);
    PaintLamps(C);
    if (FOnMeterRendered) FOnMeterRendered(this, C);
    PaintFrame(C);
}

void TMeter::PaintBackground(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    if (FBackGroundImg.empty()) {
        C->SetFont(GetFont());
        PenAndBrush(C, FColorBakG);
        C->Rectangle(0, 0, W, H);
        return;
    }
    TBitmap* img = FBkgImage.get();
    const int iw = img->GetWidth(), ih = img->GetHeight();
    switch (FBkgndFillMode) {
        case bfTopLeft:
            // The bitmap's initial pen and brush: black outline, white fill.
            C->GetPen()->SetColor(clBlack);
            C->GetBrush()->SetColor(clWhite);
            C->Rectangle(0, 0, W, H);
            C->StretchDraw(Rect(0, 0, iw, ih), img);
            break;
        case bfStretch:
            C->StretchDraw(Rect(0, 0, W, H), img);
            break;
        case bfTile: {
            if (iw <= 0 || ih <= 0) break;
            // Tile (i, j) of nx x ny covers (iw (i - 1), ih (j - 1)) to (iw i, ih j); only the
            // tiles that meet the region the canvas holds are drawn, so a small tile on a big
            // meter costs what the pixels shown cost.
            const std::int64_t nx = (std::int64_t(W) - 1) / iw + 1, ny = (std::int64_t(H) - 1) / ih + 1;
            const TRect clip = C->GetClipRect();
            auto first = [](int Edge, int Size) { return std::max<std::int64_t>(1, std::int64_t(Edge) / Size + 1); };
            auto last = [](int Edge, int Size, std::int64_t N) {
                return std::min<std::int64_t>(N, (std::int64_t(Edge) + Size - 1) / Size);
            };
            const std::int64_t i0 = first(clip.Left, iw), i1 = last(clip.Right, iw, nx);
            const std::int64_t j0 = first(clip.Top, ih), j1 = last(clip.Bottom, ih, ny);
            auto at = [](std::int64_t V) { return int(std::min<std::int64_t>(V, std::numeric_limits<int>::max())); };
            for (std::int64_t i = i0; i <= i1; ++i)
                for (std::int64_t j = j0; j <= j1; ++j)
                    C->StretchDraw(Rect(at(iw * (i - 1)), at(ih * (j - 1)), at(iw * i), at(ih * j)), img);
            break;
        }
        default:
            break;
    }
}

void TMeter::PaintScaleBand(TCanvas* C, double ThLow, double ThHigh) {
    const double R = FRadius;
    const int r1 = Rnd(R + 4), r2 = Rnd((100 - FScaleBkWidth) * R / 100);
    const double thMin = 90.0 + FSweepAngle / 2.0, thMax = 90.0 - FSweepAngle / 2.0;
    auto sector = [&](TColor Color, double From, double To) {
        if (std::fabs(From - To) * Deg <= 1e-6) return;
        PenAndBrush(C, Color);
        Pie(C, FCenterX - r1, FCenterY - r1, FCenterX + r1 + 1, FCenterY + r1,                               //
               Rnd(FCenterX + std::cos(From * Deg) * R), Rnd(FCenterY - std::sin(From * Deg) * R),  //
               Rnd(FCenterX + std::cos(To * Deg) * R), Rnd(FCenterY - std::sin(To * Deg) * R));
    };
    sector(FColorSclBkLow, ThLow, thMin);
    sector(FColorSclBkNorm, ThHigh, ThLow);
    sector(FColorSclBkHigh, thMax, ThHigh);
    PenAndBrush(C, FColorBakG);
    Ellipse(C, FCenterX - r2, FCenterY - r2, FCenterX + r2 + 1, FCenterY + r2);
}

void TMeter::PaintScale(TCanvas* C) {
    const double R = FRadius;
    const int Ri = Rnd(R);
    auto px = [&](double Th, double r) { return Rnd(FCenterX + std::cos(Th * Deg) * r); };
    auto py = [&](double Th, double r) { return Rnd(FCenterY - std::sin(Th * Deg) * r); };
    C->GetPen()->SetColor(FColorScale);
    if (FMeterScaleLine) {
        const double thMin = 90.0 + FSweepAngle / 2.0, thMax = 90.0 - FSweepAngle / 2.0;
        Arc(C, FCenterX - Ri, FCenterY - Ri, FCenterX + Ri + 1, FCenterY + Ri, px(thMax, R), py(thMax, R), px(thMin, R), py(thMin, R));
    }
    FTicks.Compute(FMeterNrTicks, FMeterMinValue, FMeterMaxValue, FLogarithmic);
    if (FMeterShortTicks) {
        for (double w : FTicks.Minor) {
            const double th = ModelAngle(w);
            C->MoveTo(px(th, R), py(th, R));
            C->LineTo(px(th, R - 4), py(th, R - 4));
        }
    }
    C->SetFont(GetFont());
    char buf[352];
    FLabel.assign(buf, FormatMeterLabel(FMeterMaxValue, FMeterDecPlaces, buf, sizeof buf));
    const TSize maxExt = C->TextExtent(FLabel);
    const double ox = maxExt.cx / 2.0 + 15, oy = maxExt.cy / 2.0 + 15;
    for (const TMeterMajorTick& tick : FTicks.Major) {
        const double th = ModelAngle(tick.Value);
        C->MoveTo(px(th, R), py(th, R));
        C->LineTo(px(th, R - 8), py(th, R - 8));
        if (!tick.Labelled) continue;
        const int x = Rnd(FCenterX + std::cos(th * Deg) * (R - ox)), y = Rnd(FCenterY - std::sin(th * Deg) * (R - oy));
        FLabel.assign(buf, FormatMeterLabel(tick.Value, FMeterDecPlaces, buf, sizeof buf));
        if (FOnBeforeDrawScaleLabel) {
            TSize ext = C->TextExtent(FLabel);
            FOnBeforeDrawScaleLabel(this, C, FLabel, x - ext.cx / 2, y - ext.cy / 2);
        }
        if (FLabel.empty()) continue;
        TSize ext = C->TextExtent(FLabel);
        C->TextOut(x - ext.cx / 2, y - ext.cy / 2, FLabel);
    }
}

void TMeter::PaintNeedle(TCanvas* C, const TNeedleLayout& N, double V) {
    bool drawn = false;
    if (FOnBeforeDrawNeedle) FOnBeforeDrawNeedle(this, C, drawn);
    if (drawn) return;
    C->GetBrush()->SetStyle(bsSolid);
    const double th = ModelAngle(V) * Deg;
    const double L = N.GetPercentNeedleLength() / 100.0 * (FRadius - 4);
    const double alpha = N.GetHeadAngle() * Deg;
    const double t = N.GetThickness() / 2.0;
    const double sx = std::sin(th) * t, sy = std::cos(th) * t;
    const double hs = N.GetHeadSize(), hm = N.GetHeadMidLeng();
    const double ct = std::cos(th), st = std::sin(th);
    const int X = Rnd(FCenterX + ct * L), Y = Rnd(FCenterY - st * L);
    TPoint pts[7] = {
        {Rnd(X - std::cos(th + alpha / 2) * hs), Rnd(Y + std::sin(th + alpha / 2) * hs)},
        {X, Y},
        {Rnd(X - std::cos(th - alpha / 2) * hs), Rnd(Y + std::sin(th - alpha / 2) * hs)},
        {Rnd(X - sx - ct * hm), Rnd(Y - sy + st * hm)},
        {Rnd(FCenterX - sx), Rnd(FCenterY - sy)},
        {Rnd(FCenterX + sx), Rnd(FCenterY + sy)},
        {Rnd(X + sx - ct * hm), Rnd(Y + sy + st * hm)},
    };
    const int dx = N.GetShadowDx(), dy = N.GetShadowDy();
    if (dx != 0 || dy != 0) {
        TPoint shadow[7];
        for (int i = 0; i < 7; ++i) shadow[i] = {SatSub(pts[i].X, dx), SatSub(pts[i].Y, dy)};
        PenAndBrush(C, N.GetShadowColor());
        C->Polygon(std::span<const TPoint>(shadow, 7));
    }
    C->GetPen()->SetColor(N.GetColorOutline());
    C->GetBrush()->SetColor(N.GetColorBody());
    C->Polygon(std::span<const TPoint>(pts, 7));
}

// An anchor of a radius beyond Width + Height (the farthest a corner of the control is from
// a centre inside it) covers the whole control and its outline lies outside: the radius is
// brought to that, which paints the same pixels without walking an outline of any length.
int TMeter::AnchorRadius(int W, int H) const {
    // At most the coordinate limit, so that the centre plus or minus it stays in range.
    const int reach = std::min(SatAdd(W, H), kCoordLimit);
    return std::clamp(FAnchorSize, SatNeg(reach), reach);
}

void TMeter::PaintCoverAndAnchor(TCanvas* C) {
    // Rims, anchor size and centre may be any int: each is brought within the largest
    // surface's extent, so the sums below stay in range.
    const int W = GetWidth(), H = GetHeight();
    const int rimSide = ClampCoord(FRimSide), rimTop = ClampCoord(FRimTop), rimBottom = ClampCoord(FRimBottom);
    const int centerX = ClampCoord(FCenterX), centerY = ClampCoord(FCenterY);
    PenAndBrush(C, FColorCover);
    C->Rectangle(0, 0, rimSide - 1, H);
    C->Rectangle(0, 0, W, rimTop);
    C->Rectangle(W - rimSide, 0, W, H);
    C->Rectangle(0, H - rimBottom, W, H);

    const int xl = rimSide - 1, xr = W - rimSide, yt = rimTop, yb = H - rimBottom, S = AnchorRadius(W, H);
    auto bevel = [&] {
        C->GetPen()->SetColor(ThemeColor(trLineLight));
        C->MoveTo(xl, yb);
        C->LineTo(xr, yb);
        C->LineTo(xr, yt);
        C->GetPen()->SetColor(ThemeColor(trLineShadow));
        C->LineTo(xl, yt);
        C->LineTo(xl, yb);
    };
    if (!FAnchorCovered) {
        bevel();
        return;
    }
    if (!FAnchorImage.empty()) {
        bevel();
        const int iw = FAnchorBmp->GetWidth(), ih = FAnchorBmp->GetHeight();
        const int left = centerX - iw / 2, top = centerY - ih / 2;
        const TRect dst = Rect(left, top, left + iw, top + ih), src = Rect(0, 0, iw, ih);
        C->SetCopyMode(SRCAND);
        C->CopyRect(dst, FAnchorMask->GetCanvas(), src);
        C->SetCopyMode(SRCPAINT);
        C->CopyRect(dst, FAnchorBmp->GetCanvas(), src);
        C->SetCopyMode(SRCCOPY);
        return;
    }
    if (FMeterLayout == mlCirc270 || FMeterLayout == mlCirc300 || FMeterLayout == mlCirc360) {
        // A raised circular boss lit from the upper left.
        Ellipse(C, centerX - S, centerY - S, centerX + S, centerY + S);
        bevel();
        C->GetPen()->SetColor(ThemeColor(trLineLight));
        Arc(C, centerX - S, centerY - S, centerX + S, centerY + S, centerX + S, centerY - S, centerX - S, centerY + S);
        C->GetPen()->SetColor(ThemeColor(trLineShadow));
        Arc(C, centerX - S, centerY - S, centerX + S, centerY + S, centerX - S, centerY + S, centerX + S, centerY - S);
        return;
    }
    // A half disc on a pedestal that stands on the bottom rim.
    Pie(C, centerX - S, centerY - S, centerX + S, centerY + S, W, centerY, 0, centerY);
    C->Rectangle(centerX - S, centerY, centerX + S, yb);
    C->GetPen()->SetColor(ThemeColor(trLineShadow));
    C->MoveTo(centerX + S - 1, centerY);
    C->LineTo(centerX + S - 1, yb);
    C->GetPen()->SetColor(ThemeColor(trLineLight));
    C->LineTo(xr, yb);
    C->LineTo(xr, yt);
    C->GetPen()->SetColor(ThemeColor(trLineShadow));
    C->LineTo(xl, yt);
    C->LineTo(xl, yb);
    C->GetPen()->SetColor(ThemeColor(trLineLight));
    C->LineTo(centerX - S, yb);
    C->LineTo(centerX - S, centerY - 1);
    Arc(C, centerX - S, centerY - S, centerX + S, centerY + S, W, centerY, 0, centerY);
    C->GetPen()->SetColor(ThemeColor(trLineShadow));
    Arc(C, centerX - S, centerY - S, centerX + S, centerY + S, centerX + S, centerY, centerX + S, centerY - S);
}

void TMeter::PaintLamps(TCanvas* C) {
    const int yt = ClampCoord(FRimTop);
    auto lamp = [&](int L, bool Active) {
        // L is the left edge of the 10 x 10 square.
        C->GetPen()->SetColor(clBlack);
        C->GetBrush()->SetColor(Active ? FLimWatchActColor : FLimWatchPsvColor);
        C->Rectangle(L, yt + 8, L + 10, yt + 18);
        C->GetPen()->SetColor(ThemeColor(trLineLight));
        C->MoveTo(L + 1, yt + 17);
        C->LineTo(L + 9, yt + 17);
        C->LineTo(L + 9, yt + 8);
        C->GetPen()->SetColor(ThemeColor(trLineFace));
        C->MoveTo(L + 2, yt + 16);
        C->LineTo(L + 8, yt + 16);
        C->LineTo(L + 8, yt + 9);
        C->GetPen()->SetColor(ThemeColor(trLineShadow));
        C->MoveTo(L + 1, yt + 16);
        C->LineTo(L + 1, yt + 9);
        C->LineTo(L + 9, yt + 9);
    };
    if (FLimWatchHighOn) lamp(GetWidth() - ClampCoord(FRimSide) - 18, FOverflowFlag);
    if (FLimWatchLowOn) lamp(ClampCoord(FRimSide) + 8, FUnderflowFlag);
}

void TMeter::PaintFrame(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    TPen* pen = C->GetPen();
    auto path = [&](TColor First, TColor Second) {
        pen->SetColor(First);
        C->MoveTo(0, H - 1);
        C->LineTo(0, 0);
        C->LineTo(W - 1, 0);
        pen->SetColor(Second);
        C->LineTo(W - 1, H - 1);
        C->LineTo(0, H - 1);
    };
    auto doubled = [&](TColor Outer, TColor Inner) {
        pen->SetColor(Outer);
        C->MoveTo(0, 0);
        C->LineTo(W - 2, 0);
        C->LineTo(W - 2, H - 2);
        C->LineTo(0, H - 2);
        C->LineTo(0, 0);
        pen->SetColor(Inner);
        C->MoveTo(1, H - 3);
        C->LineTo(1, 1);
        C->LineTo(W - 2, 1);
        C->MoveTo(1, H - 1);
        C->LineTo(W - 1, H - 1);
        C->LineTo(W - 1, 0);
    };
    switch (FFrameStyle) {
        case frSingle: path(FColorBakG, FColorBakG); break;
        case frSunken: path(ThemedLine(FColGrayLine), ThemedLine(FColWhiteLine)); break;
        case frRaised: path(ThemedLine(FColWhiteLine), ThemedLine(FColGrayLine)); break;
        case frSunkenDouble: doubled(ThemedLine(FColWhiteLine), ThemedLine(FColGrayLine)); break;
        case frRaisedDouble: doubled(ThemedLine(FColGrayLine), ThemedLine(FColWhiteLine)); break;
        default: break;
    }
}

}  // namespace zyn
