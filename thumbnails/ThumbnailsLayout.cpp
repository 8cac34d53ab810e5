// Where the slides of the thumbnail grid lie: the scroll position, the slide squares, hit
// testing and the fitting of a picture into a slide. Nothing here draws.
#include <algorithm>
#include <cmath>

#include "platform/SysUtils.h"
#include "platform/Types.h"
#include "thumbnails/Zyn_Thumbnails.h"

namespace zyn {

using namespace vcl;

namespace {

// Integer division and remainder rounding toward minus infinity, so that slides before the
// top row (and slide numbers below 1) land in the row above rather than in the top row.
int FloorDiv(int A, int B) {
    int q = A / B;
    if ((A % B != 0) && ((A < 0) != (B < 0))) --q;
    return q;
}
int FloorMod(int A, int B) { return A - FloorDiv(A, B) * B; }

}  // namespace

int TSlideGrid::TopSlide() const { return static_cast<int>(std::floor(FirstThumbIdx)); }

int TSlideGrid::ScrollPixels() const {
    const double frac = FirstThumbIdx - std::floor(FirstThumbIdx);
    return static_cast<int>(Round(frac * Pitch()));
}

int TSlideGrid::SlidesPerRow() const {
    return std::max(1, SatSub(SatAdd(Width, SlideDistance), SatMul(2, Border)) / Pitch());
}

int TSlideGrid::RowsShown() const { return Height / Pitch() + 1; }

int TSlideGrid::SlideAt(int Col, int Row) const { return TopSlide() + NumHoriz * (Row - 1) + Col - 1; }

TRect TSlideGrid::SlideSquare(int Col, int Row) const {
    const int P = Pitch();
    const int x0 = (Col - 1) * P + Border;
    const int y0 = (Row - 1) * P + SlideDistance - ScrollPixels() + Border;
    return TRect(x0, y0, x0 + Side(), y0 + Side());
}

TPoint TSlideGrid::SlidePos(int SldNum) const {
    const int P = Pitch();
    const int k = SldNum - TopSlide();
    return TPoint(P * FloorMod(k, NumHoriz) + Border,
                  P * FloorDiv(k, NumHoriz) + SlideDistance - ScrollPixels() + Border);
}

int TSlideGrid::SlideIndexAt(int X, int Y) const {
    const int P = Pitch();
    int col = 0;
    if (X >= Border && X <= Width - Border) {
        const int b = FloorDiv(X - Border, P);
        if (b * P + Border <= X && X <= b * P + Border + Side()) col = b + 1;
        if (col > NumHoriz) col = 0;
    }
    int row = 0;
    if (Y >= Border && Y <= Height - Border) {
        const int s = ScrollPixels();
        const int e = FloorDiv(Y - Border + s - SlideDistance, P);
        const int top = e * P + SlideDistance - s + Border;
        if (top <= Y && Y <= top + Side()) row = e + 1;
    }
    if (col < 1 || row < 1) return 0;
    const int n = SlideAt(col, row);
    return n >= Min && n <= Max ? n : 0;
}

double ThumbScrollPosition(double X, int Min, int Max, int NumHoriz) {
    if (std::isnan(X) || X < Min) X = Min;
    if (X > Max) X = Max;
    if (NumHoriz < 1) NumHoriz = 1;
    // The rows start at slides 1, 1 + NumHoriz, 1 + 2 NumHoriz, ... (and below 1 likewise).
    const int r = FloorDiv(static_cast<int>(std::floor(X - 1)), NumHoriz);
    const int c = r * NumHoriz + 1;
    return c + (X - c) / NumHoriz;
}

TRect FitPicture(int W, int H, int SlideSize, int SlideMargin, const TRect& Square) {
    const int m = SlideMargin;
    if (W < H) {
        const int f = static_cast<int>(Round(static_cast<double>(W) * SlideSize / H));
        const int left = Square.Left + m + (SlideSize - f) / 2;
        return TRect(left, Square.Top + m, left + f, Square.Bottom - m);
    }
    const int f = static_cast<int>(Round(static_cast<double>(H) * SlideSize / W));
    const int top = Square.Top + m + (SlideSize - f) / 2;
    return TRect(Square.Left + m, top, Square.Right - m, top + f);
}

}  // namespace zyn
