// Where the slides of the thumbnail grid lie: the scroll position, the slide squares, hit
// testing and the fitting of a picture into a slide. Nothing here draws.
#include <algorithm>
#include <cmath>
#include <cstdint>

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

}  // namespace

int TSlideGrid::TopSlide() const { return static_cast<int>(std::floor(FirstThumbIdx)); }

int TSlideGrid::ScrollPixels() const {
    const double frac = FirstThumbIdx - std::floor(FirstThumbIdx);
    return static_cast<int>(Round(frac * Pitch()));
}

int TSlideGrid::SlidesPerRow() const {
    return std::max(1, SatSub(SatAdd(Width, SlideDistance), SatMul(2, Border)) / Pitch());
}

// Height div P + 1 rows, and one more when the scroll brings the top of a further row above
// the bottom band: row j's square starts at (j - 1) P + SlideDistance - scroll + Border.
int TSlideGrid::RowsShown() const {
    const std::int64_t P = Pitch();
    const std::int64_t reach = std::int64_t(Height) - 2 * Border - SlideDistance + ScrollPixels();
    const std::int64_t reaching = reach > 0 ? (reach + P - 1) / P : 0;
    return int(std::max<std::int64_t>(Height / P + 1, reaching));
}

std::int64_t TSlideGrid::SlideAt(int Col, int Row) const {
    return std::int64_t(TopSlide()) + std::int64_t(NumHoriz) * (Row - 1) + Col - 1;
}

// Columns and rows whose squares reach into the region Clip (x1 and y1 included).
TSlideGrid::TSpan TSlideGrid::ColumnsIn(const TRect& Clip) const {
    return Span(Clip.Left, Clip.Right, Border, NumHoriz);
}
TSlideGrid::TSpan TSlideGrid::RowsIn(const TRect& Clip) const {
    return Span(Clip.Top, Clip.Bottom, std::int64_t(SlideDistance) - ScrollPixels() + Border, RowsShown());
}

// Squares k = 1, 2, ... N start at Origin + (k - 1) P and end Side() pixels further; those
// meeting [From, To) as a span of k.
TSlideGrid::TSpan TSlideGrid::Span(std::int64_t From, std::int64_t To, std::int64_t Origin, int N) const {
    const std::int64_t P = Pitch();
    auto floorDiv = [](std::int64_t A, std::int64_t B) { return A / B - ((A % B != 0) && ((A < 0) != (B < 0))); };
    // Square k meets the span when Origin + (k - 1) P <= To - 1 and its end reaches From.
    const std::int64_t first = floorDiv(From - Origin - Side() + P - 1, P) + 1;
    const std::int64_t last = floorDiv(To - 1 - Origin, P) + 1;
    return {int(std::max<std::int64_t>(first, 1)), int(std::min<std::int64_t>(last, N))};
}

TRect TSlideGrid::SlideSquare(int Col, int Row) const {
    const int P = Pitch();
    const int x0 = (Col - 1) * P + Border;
    const int y0 = (Row - 1) * P + SlideDistance - ScrollPixels() + Border;
    return TRect(x0, y0, x0 + Side(), y0 + Side());
}

TPoint TSlideGrid::SlidePos(int SldNum) const {
    const int P = Pitch();
    // A slide far above or below the rows shown lies past the int range: its place saturates.
    const std::int64_t k = std::int64_t(SldNum) - TopSlide();
    const std::int64_t row = k >= 0 ? k / NumHoriz : -((-k + NumHoriz - 1) / NumHoriz);
    const std::int64_t col = k - row * NumHoriz;
    return TPoint(int(P * col + Border), SatInt(P * row + SlideDistance - ScrollPixels() + Border));
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
    const std::int64_t n = SlideAt(col, row);
    return n >= Min && n <= Max ? int(n) : 0;
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
