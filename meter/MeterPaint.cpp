// The meter's picture, composed layer by layer in an off-screen bitmap: background, scale
// band, scale, caption, needles, rim cover, window bevel and anchor, lamps, frame.
#include <cmath>
#include <numbers>

#include "meter/Zyn_Meter.h"

namespace zyn {

using namespace vcl;

namespace {

constexpr double Deg = std::numbers::pi / 180.0;
constexpr TColor BevelWhite = 0xFFFFFF;
constexpr TColor BevelGray = 0x808080;
constexpr TColor LampSilver = 0xC0C0C0;

int Rnd(double X) { return static_cast<int>(std::nearbyint(X)); }

void PenAndBrush(TCanvas* C, TColor Color) {
    C->GetPen()->SetColor(Color);
    C->GetBrush()->SetColor(Color);   // also makes the brush solid
}

}  // namespace

void TMeter::Paint() {
    if (!GetVisible() && !GetComponentState().Contains(csDesigning)) return;
    const int W = GetWidth(), H = GetHeight();
    if (radius_ <= 0 || W <= 0 || H <= 0) return;
    TBitmap bmp;
    bmp.SetSize(W, H);
    Render(bmp.GetCanvas());
    GetCanvas()->Draw(0, 0, &bmp);
}

void TMeter::Render(TCanvas* C) {
    PaintBackground(C);
    const double thLow = ModelAngle(thresholdLow_), thHigh = ModelAngle(thresholdHigh_);
    if (scaleBkVisible_) PaintScaleBand(C, thLow, thHigh);
    C->GetBrush()->SetStyle(bsClear);
    if (scaleVisible_) PaintScale(C);

    C->SetFont(fontCaption_.get());
    if (!caption_.empty()) {
        TSize ext = C->TextExtent(caption_);
        C->TextOut(cx_ - ext.cx / 2, cy_ - Rnd(radius_ / 3) - ext.cy / 2, caption_);
    }

    // The secondary needle lies below the primary one.
    if (needleSec_->GetVisible()) PaintNeedle(C, *needleSec_, valueSec_);
    if (needle_->GetVisible()) PaintNeedle(C, *needle_, value_);

    PaintCoverAndAnchor(C);
    PaintLamps(C);
    if (OnMeterRendered) OnMeterRendered(this, C);
    PaintFrame(C);
}

void TMeter::PaintBackground(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    if (backGroundImg_.empty()) {
        C->SetFont(GetFont());
        PenAndBrush(C, colorBakG_);
        C->Rectangle(0, 0, W, H);
        return;
    }
    TBitmap* img = bkgImage_.get();
    const int iw = img->GetWidth(), ih = img->GetHeight();
    switch (bkgndFillMode_) {
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
            const int nx = (W - 1) / iw + 1, ny = (H - 1) / ih + 1;
            for (int i = 1; i <= nx; ++i)
                for (int j = 1; j <= ny; ++j) C->StretchDraw(Rect(iw * (i - 1), ih * (j - 1), iw * i, ih * j), img);
            break;
        }
        default:
            break;
    }
}

void TMeter::PaintScaleBand(TCanvas* C, double ThLow, double ThHigh) {
    const double R = radius_;
    const int r1 = Rnd(R + 4), r2 = Rnd((100 - scaleBkWidth_) * R / 100);
    const double thMin = 90.0 + sweep_ / 2.0, thMax = 90.0 - sweep_ / 2.0;
    auto sector = [&](TColor Color, double From, double To) {
        if (std::fabs(From - To) * Deg <= 1e-6) return;
        PenAndBrush(C, Color);
        C->Pie(cx_ - r1, cy_ - r1, cx_ + r1 + 1, cy_ + r1,                               //
               Rnd(cx_ + std::cos(From * Deg) * R), Rnd(cy_ - std::sin(From * Deg) * R),  //
               Rnd(cx_ + std::cos(To * Deg) * R), Rnd(cy_ - std::sin(To * Deg) * R));
    };
    sector(colorSclBkLow_, ThLow, thMin);
    sector(colorSclBkNorm_, ThHigh, ThLow);
    sector(colorSclBkHigh_, thMax, ThHigh);
    PenAndBrush(C, colorBakG_);
    C->Ellipse(cx_ - r2, cy_ - r2, cx_ + r2 + 1, cy_ + r2);
}

void TMeter::PaintScale(TCanvas* C) {
    const double R = radius_;
    const int Ri = Rnd(R);
    auto px = [&](double Th, double r) { return Rnd(cx_ + std::cos(Th * Deg) * r); };
    auto py = [&](double Th, double r) { return Rnd(cy_ - std::sin(Th * Deg) * r); };
    C->GetPen()->SetColor(colorScale_);
    if (scaleLine_) {
        const double thMin = 90.0 + sweep_ / 2.0, thMax = 90.0 - sweep_ / 2.0;
        C->Arc(cx_ - Ri, cy_ - Ri, cx_ + Ri + 1, cy_ + Ri, px(thMax, R), py(thMax, R), px(thMin, R), py(thMin, R));
    }
    ticks_.Compute(nrTicks_, minValue_, maxValue_, logarithmic_);
    if (shortTicks_) {
        for (double w : ticks_.Minor) {
            const double th = ModelAngle(w);
            C->MoveTo(px(th, R), py(th, R));
            C->LineTo(px(th, R - 4), py(th, R - 4));
        }
    }
    C->SetFont(GetFont());
    char buf[352];
    label_.assign(buf, FormatMeterLabel(maxValue_, decPlaces_, buf, sizeof buf));
    const TSize maxExt = C->TextExtent(label_);
    const double ox = maxExt.cx / 2.0 + 15, oy = maxExt.cy / 2.0 + 15;
    for (const TMeterMajorTick& tick : ticks_.Major) {
        const double th = ModelAngle(tick.Value);
        C->MoveTo(px(th, R), py(th, R));
        C->LineTo(px(th, R - 8), py(th, R - 8));
        if (!tick.Labelled) continue;
        const int x = Rnd(cx_ + std::cos(th * Deg) * (R - ox)), y = Rnd(cy_ - std::sin(th * Deg) * (R - oy));
        label_.assign(buf, FormatMeterLabel(tick.Value, decPlaces_, buf, sizeof buf));
        if (OnBeforeDrawScaleLabel) {
            TSize ext = C->TextExtent(label_);
            OnBeforeDrawScaleLabel(this, C, label_, x - ext.cx / 2, y - ext.cy / 2);
        }
        if (label_.empty()) continue;
        TSize ext = C->TextExtent(label_);
        C->TextOut(x - ext.cx / 2, y - ext.cy / 2, label_);
    }
}

void TMeter::PaintNeedle(TCanvas* C, const TNeedleLayout& N, double V) {
    bool drawn = false;
    if (OnBeforeDrawNeedle) OnBeforeDrawNeedle(this, C, drawn);
    if (drawn) return;
    C->GetBrush()->SetStyle(bsSolid);
    const double th = ModelAngle(V) * Deg;
    const double L = N.GetPercentNeedleLength() / 100.0 * (radius_ - 4);
    const double alpha = N.GetHeadAngle() * Deg;
    const double t = N.GetThickness() / 2.0;
    const double sx = std::sin(th) * t, sy = std::cos(th) * t;
    const double hs = N.GetHeadSize(), hm = N.GetHeadMidLeng();
    const double ct = std::cos(th), st = std::sin(th);
    const int X = Rnd(cx_ + ct * L), Y = Rnd(cy_ - st * L);
    TPoint pts[7] = {
        {Rnd(X - std::cos(th + alpha / 2) * hs), Rnd(Y + std::sin(th + alpha / 2) * hs)},
        {X, Y},
        {Rnd(X - std::cos(th - alpha / 2) * hs), Rnd(Y + std::sin(th - alpha / 2) * hs)},
        {Rnd(X - sx - ct * hm), Rnd(Y - sy + st * hm)},
        {Rnd(cx_ - sx), Rnd(cy_ - sy)},
        {Rnd(cx_ + sx), Rnd(cy_ + sy)},
        {Rnd(X + sx - ct * hm), Rnd(Y + sy + st * hm)},
    };
    const int dx = N.GetShadowDx(), dy = N.GetShadowDy();
    if (dx != 0 || dy != 0) {
        TPoint shadow[7];
        for (int i = 0; i < 7; ++i) shadow[i] = {pts[i].X - dx, pts[i].Y - dy};
        PenAndBrush(C, N.GetShadowColor());
        C->Polygon(std::span<const TPoint>(shadow, 7));
    }
    C->GetPen()->SetColor(N.GetColorOutline());
    C->GetBrush()->SetColor(N.GetColorBody());
    C->Polygon(std::span<const TPoint>(pts, 7));
}

void TMeter::PaintCoverAndAnchor(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    PenAndBrush(C, colorCover_);
    C->Rectangle(0, 0, rimSide_ - 1, H);
    C->Rectangle(0, 0, W, rimTop_);
    C->Rectangle(W - rimSide_, 0, W, H);
    C->Rectangle(0, H - rimBottom_, W, H);

    const int xl = rimSide_ - 1, xr = W - rimSide_, yt = rimTop_, yb = H - rimBottom_, S = anchorSize_;
    auto bevel = [&] {
        C->GetPen()->SetColor(BevelWhite);
        C->MoveTo(xl, yb);
        C->LineTo(xr, yb);
        C->LineTo(xr, yt);
        C->GetPen()->SetColor(BevelGray);
        C->LineTo(xl, yt);
        C->LineTo(xl, yb);
    };
    if (!anchorCovered_) {
        bevel();
        return;
    }
    if (!anchorImage_.empty()) {
        bevel();
        const int iw = anchorBmp_->GetWidth(), ih = anchorBmp_->GetHeight();
        const int left = cx_ - iw / 2, top = cy_ - ih / 2;
        const TRect dst = Rect(left, top, left + iw, top + ih), src = Rect(0, 0, iw, ih);
        C->SetCopyMode(SRCAND);
        C->CopyRect(dst, anchorMask_->GetCanvas(), src);
        C->SetCopyMode(SRCPAINT);
        C->CopyRect(dst, anchorBmp_->GetCanvas(), src);
        C->SetCopyMode(SRCCOPY);
        return;
    }
    if (layout_ == mlCirc270 || layout_ == mlCirc300 || layout_ == mlCirc360) {
        // A raised circular boss lit from the upper left.
        C->Ellipse(cx_ - S, cy_ - S, cx_ + S, cy_ + S);
        bevel();
        C->GetPen()->SetColor(BevelWhite);
        C->Arc(cx_ - S, cy_ - S, cx_ + S, cy_ + S, cx_ + S, cy_ - S, cx_ - S, cy_ + S);
        C->GetPen()->SetColor(BevelGray);
        C->Arc(cx_ - S, cy_ - S, cx_ + S, cy_ + S, cx_ - S, cy_ + S, cx_ + S, cy_ - S);
        return;
    }
    // A half disc on a pedestal that stands on the bottom rim.
    C->Pie(cx_ - S, cy_ - S, cx_ + S, cy_ + S, W, cy_, 0, cy_);
    C->Rectangle(cx_ - S, cy_, cx_ + S, yb);
    C->GetPen()->SetColor(BevelGray);
    C->MoveTo(cx_ + S - 1, cy_);
    C->LineTo(cx_ + S - 1, yb);
    C->GetPen()->SetColor(BevelWhite);
    C->LineTo(xr, yb);
    C->LineTo(xr, yt);
    C->GetPen()->SetColor(BevelGray);
    C->LineTo(xl, yt);
    C->LineTo(xl, yb);
    C->GetPen()->SetColor(BevelWhite);
    C->LineTo(cx_ - S, yb);
    C->LineTo(cx_ - S, cy_ - 1);
    C->Arc(cx_ - S, cy_ - S, cx_ + S, cy_ + S, W, cy_, 0, cy_);
    C->GetPen()->SetColor(BevelGray);
    C->Arc(cx_ - S, cy_ - S, cx_ + S, cy_ + S, cx_ + S, cy_, cx_ + S, cy_ - S);
}

void TMeter::PaintLamps(TCanvas* C) {
    const int yt = rimTop_;
    auto lamp = [&](int L, bool Active) {
        // L is the left edge of the 10 x 10 square.
        C->GetPen()->SetColor(clBlack);
        C->GetBrush()->SetColor(Active ? limWatchActColor_ : limWatchPsvColor_);
        C->Rectangle(L, yt + 8, L + 10, yt + 18);
        C->GetPen()->SetColor(BevelWhite);
        C->MoveTo(L + 1, yt + 17);
        C->LineTo(L + 9, yt + 17);
        C->LineTo(L + 9, yt + 8);
        C->GetPen()->SetColor(LampSilver);
        C->MoveTo(L + 2, yt + 16);
        C->LineTo(L + 8, yt + 16);
        C->LineTo(L + 8, yt + 9);
        C->GetPen()->SetColor(BevelGray);
        C->MoveTo(L + 1, yt + 16);
        C->LineTo(L + 1, yt + 9);
        C->LineTo(L + 9, yt + 9);
    };
    if (limWatchHighOn_) lamp(GetWidth() - rimSide_ - 18, overflow_);
    if (limWatchLowOn_) lamp(rimSide_ + 8, underflow_);
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
    switch (frameStyle_) {
        case frSingle: path(colorBakG_, colorBakG_); break;
        case frSunken: path(colGrayLine_, colWhiteLine_); break;
        case frRaised: path(colWhiteLine_, colGrayLine_); break;
        case frSunkenDouble: doubled(colWhiteLine_, colGrayLine_); break;
        case frRaisedDouble: doubled(colGrayLine_, colWhiteLine_); break;
        default: break;
    }
}

}  // namespace zyn
