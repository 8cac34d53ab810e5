// The progress bar's picture, composed in an off-screen bitmap kept between paints (of the
// control's size, or of its visible region when a bitmap cannot hold the whole): margins and inner area,
// background image, bar (plain or gradient) with its grid, the inner and the outer frame,
// and the value text.
#include <algorithm>
#include <cstdint>

#include "platform/Types.h"
#include "progbar/Zyn_ProgBar.h"

namespace zyn {

using namespace vcl;

namespace {

// The inner area within the margins of a W x H picture. Margins may be any int, so its
// right and bottom edges saturate.
TRect InnerArea(int W, int H, int MarginLeft, int MarginTop, int MarginRight, int MarginBottom) {
    return Rect(MarginLeft, MarginTop, SatSub(W, MarginRight), SatSub(H, MarginBottom));
}

// A rectangle's edges brought to at most a few pixels outside the picture: the frames drawn
// around it land on the same pixels of the picture, and their offsets from the edges stay
// in the int range.
TRect NearPicture(const TRect& R, int W, int H) {
    constexpr int out = 8;
    auto near = [](int V, int Extent) { return std::clamp(V, -out, SatAdd(Extent, out)); };
    return Rect(near(R.Left, W), near(R.Top, H), near(R.Right, W), near(R.Bottom, H));
}

}  // namespace

void TProgBar::Paint() {
    if (!GetVisible() && !Designing()) return;
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    // The whole picture when a bitmap can hold it, else the region the canvas shows.
    TPaintBuffer buffer(GetCanvas(), Rect(0, 0, W, H), FPicture.get());
    TCanvas* c = buffer.GetCanvas();
    PaintBackground(c);
    PaintBar(c, buffer.GetBounds());
    const TRect inner = NearPicture(InnerArea(W, H, FMarginLeft, FMarginTop, FMarginRight, FMarginBottom), W, H);
    PaintFrame(c, FFrameStyleInner, inner.Left, inner.Top, inner.Right, inner.Bottom);
    PaintFrame(c, FFrameStyleOuter, 0, 0, W, H);
    PaintValueText(c);
    buffer.Show();
}

void TProgBar::PaintBackground(TCanvas* C) {
    const int W = GetWidth(), H = GetHeight();
    // Edges within the coordinate limit, so that the extents of the area (the image is
    // stretched over it) stay in the int range.
    const TRect far = InnerArea(W, H, FMarginLeft, FMarginTop, FMarginRight, FMarginBottom);
    const TRect inner = Rect(ClampCoord(far.Left), ClampCoord(far.Top), ClampCoord(far.Right), ClampCoord(far.Bottom));
    TBrush* brush = C->GetBrush();
    brush->SetColor(FColorMargin);
    C->FillRect(Rect(0, 0, W, H));
    brush->SetColor(FColorBackGnd);
    C->FillRect(inner);
    if (FBackGroundImg.empty()) return;
    try {
        C->StretchDraw(inner, FAuxBmp.get());
    } catch (const Exception&) {
        C->FillRect(inner);
    }
}

// The bar grows from one side of the inner area: upward (0) and to the right (3) as the
// rows and columns are counted, downward (1) and to the left (2) as their mirror images.
// Row or column k, counted from the bar's base, takes its colour from the table; grid lines
// run across the bar every GridDist pixels from its base. Only the lines that fall in the
// held region of the picture are visited, so margins or a size near the ends of the int
// range cost no more than the pixels shown.
void TProgBar::PaintBar(TCanvas* C, const TRect& Held) {
    const int W = GetWidth(), H = GetHeight();
    // Lines k of the bar lie between the edges, whose difference saturates.
    const TRect area = InnerArea(W, H, FMarginLeft, FMarginTop, FMarginRight, FMarginBottom);
    const int left = area.Left, right = area.Right, top = area.Top, bottom = area.Bottom;
    const bool vertical = FDirection == dirUp || FDirection == dirDown;
    const int inner = vertical ? SatSub(bottom, top) : SatSub(right, left);
    const int length = BarLength(FValue, FMin, FMax, inner);
    TPen* pen = C->GetPen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);

    // Line k of the bar (a row or a column), as the pixel it starts on.
    auto line = [&](int k, int From, int To) {
        switch (FDirection) {
            case dirUp: C->MoveTo(From, bottom - 1 - k); C->LineTo(To, bottom - 1 - k); break;
            case dirDown: C->MoveTo(From, top + k); C->LineTo(To, top + k); break;
            case dirLeft: C->MoveTo(right - 1 - k, From); C->LineTo(right - 1 - k, To); break;
            case dirRight: C->MoveTo(left + k, From); C->LineTo(left + k, To); break;
        }
    };
    const int across0 = vertical ? left : top, across1 = vertical ? right : bottom;
    const TLineSpan shown = ShownLines(Held);

    if (length > 0) {
        if (FShowColorGradient) {
            PaintGradient(length, inner, Held);
        } else {
            pen->SetColor(FBarColors[0]);
            C->GetBrush()->SetColor(FBarColors[0]);
            switch (FDirection) {
                case dirUp: C->Rectangle(left, bottom - length, right, bottom); break;
                case dirDown: C->Rectangle(left, top, right, top + length); break;
                case dirLeft: C->Rectangle(right - length, top, right, bottom); break;
                case dirRight: C->Rectangle(left, top, left + length, bottom); break;
            }
        }
    }

    if (FGridDist > 1) {
        pen->SetColor(FColorGrid);
        // Across a vertical bar the lines stop inside it; across a horizontal one the line
        // on the bar's far edge is drawn too.
        const std::int64_t last = std::min<std::int64_t>(vertical ? length - 1 : length, shown.Last);
        const std::int64_t step = FGridDist;
        // The first line at or after the first one shown; 64-bit steps cannot wrap.
        std::int64_t k = std::max<std::int64_t>(shown.First, 0);
        k += (step - k % step) % step;
        for (; k <= last; k += step) line(int(k), across0, across1);
    }
}

// The lines k (rows or columns counted from the bar's base) that fall in the region Held of
// the picture, clipped to the control; First > Last when none does.
TProgBar::TLineSpan TProgBar::ShownLines(const TRect& Held) const {
    const int W = GetWidth(), H = GetHeight();
    const TRect area = InnerArea(W, H, FMarginLeft, FMarginTop, FMarginRight, FMarginBottom);
    const std::int64_t x0 = std::max(0, Held.Left), x1 = std::min(W, Held.Right);
    const std::int64_t y0 = std::max(0, Held.Top), y1 = std::min(H, Held.Bottom);
    switch (FDirection) {
        case dirUp: return {area.Bottom - y1, area.Bottom - 1 - y0};
        case dirDown: return {y0 - area.Top, y1 - 1 - area.Top};
        case dirLeft: return {area.Right - x1, area.Right - 1 - x0};
        case dirRight: break;
    }
    return {x0 - area.Left, x1 - 1 - area.Left};
}

// The gradient's lines go straight into the picture's rows: a horizontal bar's rows all
// hold the same run of line colours, a vertical bar's rows one colour each. The pixels are
// those of one line per row or column in the table colour of its index. The picture holds
// the region Held of the control: its pixel (x, y) is control point (Held.Left + x, Held.Top + y).
// Only the lines of the region are coloured, so the work and the colour run kept between
// paints follow the pixels shown, not the bar's length.
void TProgBar::PaintGradient(int Length, int Inner, const TRect& Held) {
    const int W = GetWidth(), H = GetHeight();
    const TRect area = InnerArea(W, H, FMarginLeft, FMarginTop, FMarginRight, FMarginBottom);
    const int left = area.Left, right = area.Right, top = area.Top, bottom = area.Bottom;
    const int hl = Held.Left, ht = Held.Top;
    const TLineSpan shown = ShownLines(Held);
    const std::int64_t first = std::max<std::int64_t>(shown.First, 0);
    const std::int64_t last = std::min<std::int64_t>(shown.Last, Length - 1);
    if (first > last) return;
    auto value = [&](std::int64_t k) {
        const TColor c = ColorToRGB(FBarColors[std::size_t(GradientIndex(FColorMapMode, int(k), Length, Inner))]);
        return std::uint32_t(GetBValue(c)) | std::uint32_t(GetGValue(c)) << 8 | std::uint32_t(GetRValue(c)) << 16 |
               0xFF000000u;
    };
    if (FDirection == dirUp || FDirection == dirDown) {
        // Each shown row is one colour across the part of the inner width in the region.
        const int x0 = std::max({left, 0, hl}), x1 = std::min({right, W, Held.Right});
        if (x0 >= x1) return;
        for (std::int64_t k = first; k <= last; ++k) {
            const int y = int(FDirection == dirUp ? bottom - 1 - k : top + k);
            if (y < top || y >= bottom) continue;
            auto* row = reinterpret_cast<std::uint32_t*>(FPicture->ScanLine(y - ht)) - hl;
            std::fill(row + x0, row + x1, value(k));
        }
        return;
    }
    // The shown columns from left to right: growing to the left, line k stands k pixels
    // left of the right edge.
    const int y0 = std::max({top, 0, ht}), y1 = std::min({bottom, H, Held.Bottom});
    if (y0 >= y1) return;
    const std::size_t n = std::size_t(last - first + 1);
    FLineValues.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::int64_t k = FDirection == dirLeft ? last - std::int64_t(i) : first + std::int64_t(i);
        FLineValues[i] = value(k);
    }
    const int x0 = int(FDirection == dirLeft ? right - 1 - last : left + first);
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(FPicture->ScanLine(y - ht)) - hl;
        std::copy(FLineValues.begin(), FLineValues.end(), row + x0);
    }
}

void TProgBar::PaintFrame(TCanvas* C, TFrameStyle Style, int L, int T, int R, int B) {
    if (Style == frNone) return;
    C->GetBrush()->SetStyle(bsClear);
    TPen* pen = C->GetPen();
    auto box = [&](TColor Color, int l, int t, int r, int b) {
        pen->SetColor(Color);
        C->Rectangle(l, t, r, b);
    };
    auto path = [&](TColor Color, TPoint From, TPoint Corner, TPoint To) {
        pen->SetColor(Color);
        C->Polyline({From, Corner, To});
    };
    switch (Style) {
        case frSingle: box(ThemedLine(FColGrayLine), L, T, R, B); return;
        case frSunken:
        case frRaised: {
            const TColor upperLeft = Style == frSunken ? ThemedLine(FColBlackLine) : ThemedLine(FColWhiteLine);
            const TColor lowerRight = Style == frSunken ? ThemedLine(FColWhiteLine) : ThemedLine(FColBlackLine);
            path(upperLeft, {L + 1, B - 3}, {L + 1, T + 1}, {R - 1, T + 1});
            path(lowerRight, {L + 1, B - 1}, {R - 1, B - 1}, {R - 1, T});
            box(ThemedLine(FColGrayLine), L, T, R - 1, B - 1);
            break;
        }
        case frSunkenDouble:
            box(ThemedLine(FColGrayLine), L + 1, T + 1, R, B);
            box(ThemedLine(FColWhiteLine), L, T, R - 1, B - 1);
            break;
        case frRaisedDouble:
            box(ThemedLine(FColWhiteLine), L + 1, T + 1, R, B);
            box(ThemedLine(FColGrayLine), L, T, R - 1, B - 1);
            break;
        default: return;
    }
    // The two corners where light and shadow meet take the margin colour.
    C->SetPixels(L, B - 1, FColorMargin);
    C->SetPixels(R - 1, T, FColorMargin);
}

// The value text in the control's font turned by TextAngle; the text position is its
// left-middle, right-middle or centre point.
void TProgBar::PaintValueText(TCanvas* C) {
    if (!FTextVisible) return;
    FTextFont->Assign(GetFont());
    FTextFont->SetOrientation(FTextAngle * 10);
    FTextFont->SetCharset(DEFAULT_CHARSET);
    FTextFont->SetQuality(fqDefault);
    FTextFont->SetPitch(fpDefault);
    C->SetFont(FTextFont.get());
    C->GetBrush()->SetStyle(bsClear);
    FText = ProgBarValueText(FValue, FTextDecPlaces);
    if (FOnShowValue) FOnShowValue(this, FText);
    const TSize ext = C->TextExtent(FText);
    const TPoint at = ValueTextOrigin(FTextAlignment, FTextPosX, FTextPosY, ext.cx, ext.cy, FTextAngle);
    C->TextOut(at.X, at.Y, FText);
}

}  // namespace zyn
