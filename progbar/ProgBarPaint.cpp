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
    const TRect inner = InnerArea(W, H, FMarginLeft, FMarginTop, FMarginRight, FMarginBottom);
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
// run across the bar every GridDist pixels from its base.
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
        const int last = vertical ? length - 1 : length;
        for (int k = 0; k <= last; k += FGridDist) line(k, across0, across1);
    }
}

// The gradient's lines go straight into the picture's rows: a horizontal bar's rows all
// hold the same run of line colours, a vertical bar's rows one colour each. The pixels are
// those of one line per row or column in the table colour of its index. The picture holds
// the region Held of the control: its pixel (x, y) is control point (Held.Left + x, Held.Top + y).
void TProgBar::PaintGradient(int Length, int Inner, const TRect& Held) {
    const int W = GetWidth(), H = GetHeight();
    const TRect area = InnerArea(W, H, FMarginLeft, FMarginTop, FMarginRight, FMarginBottom);
    const int left = area.Left, right = area.Right, top = area.Top, bottom = area.Bottom;
    const int hl = Held.Left, ht = Held.Top, hr = Held.Right, hb = Held.Bottom;
    FLineValues.resize(std::size_t(Length));
    for (int k = 0; k < Length; ++k) {
        const TColor c = ColorToRGB(FBarColors[std::size_t(GradientIndex(FColorMapMode, k, Length, Inner))]);
        FLineValues[std::size_t(k)] = std::uint32_t(GetBValue(c)) | std::uint32_t(GetGValue(c)) << 8 |
                                      std::uint32_t(GetRValue(c)) << 16 | 0xFF000000u;
    }
    if (FDirection == dirUp || FDirection == dirDown) {
        const int x0 = std::max({left, 0, hl}), x1 = std::min({right, W, hr});
        if (x0 >= x1) return;
        for (int k = 0; k < Length; ++k) {
            const int y = FDirection == dirUp ? bottom - 1 - k : top + k;
            if (y < std::max(0, ht) || y >= std::min(H, hb)) continue;
            auto* row = reinterpret_cast<std::uint32_t*>(FPicture->ScanLine(y - ht)) - hl;
            std::fill(row + x0, row + x1, FLineValues[std::size_t(k)]);
        }
        return;
    }
    // Growing to the left, line k stands k pixels left of the right edge.
    if (FDirection == dirLeft) std::reverse(FLineValues.begin(), FLineValues.end());
    const int start = FDirection == dirLeft ? right - Length : left;
    const int x0 = std::max({start, 0, hl}), x1 = std::min({start + Length, W, hr});
    const int y0 = std::max({top, 0, ht}), y1 = std::min({bottom, H, hb});
    if (x0 >= x1) return;
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(FPicture->ScanLine(y - ht)) - hl;
        std::copy(FLineValues.begin() + (x0 - start), FLineValues.begin() + (x1 - start), row + x0);
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
        case frSingle: box(FColGrayLine, L, T, R, B); return;
        case frSunken:
        case frRaised: {
            const TColor upperLeft = Style == frSunken ? FColBlackLine : FColWhiteLine;
            const TColor lowerRight = Style == frSunken ? FColWhiteLine : FColBlackLine;
            path(upperLeft, {L + 1, B - 3}, {L + 1, T + 1}, {R - 1, T + 1});
            path(lowerRight, {L + 1, B - 1}, {R - 1, B - 1}, {R - 1, T});
            box(FColGrayLine, L, T, R - 1, B - 1);
            break;
        }
        case frSunkenDouble:
            box(FColGrayLine, L + 1, T + 1, R, B);
            box(FColWhiteLine, L, T, R - 1, B - 1);
            break;
        case frRaisedDouble:
            box(FColWhiteLine, L + 1, T + 1, R, B);
            box(FColGrayLine, L, T, R - 1, B - 1);
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
