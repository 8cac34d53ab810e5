// How the keyboard moves through the thumbnail grid: the slide each key reaches and the
// scroll position that brings a slide into view. Nothing here draws.
#include <algorithm>
#include <cstdint>

#include "thumbnails/Zyn_Thumbnails.h"

namespace zyn {

namespace {

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) { return A / B - ((A % B != 0) && ((A < 0) != (B < 0))); }

}  // namespace

int SlideAfterMove(int Slide, TSlideMove Move, int Min, int Max, int PerRow, int PageRows) {
    if (Min > Max) return 0;
    const std::int64_t s = std::clamp(Slide, Min, Max);
    const std::int64_t row = std::max(PerRow, 1);
    const std::int64_t page = row * std::max(PageRows, 1);
    // One step that would leave Min .. Max stays where it is.
    auto step = [&](std::int64_t To) { return To < Min || To > Max ? s : To; };
    std::int64_t to = s;
    switch (Move) {
        case smLeft: to = step(s - 1); break;
        case smRight: to = step(s + 1); break;
        case smUp: to = step(s - row); break;
        case smDown:
            to = s + row;
            // No slide below, but a further row: the last slide.
            if (to > Max) to = FloorDiv(Max - 1, row) > FloorDiv(s - 1, row) ? Max : s;
            break;
        case smPageUp: to = std::max<std::int64_t>(s - page, Min); break;
        case smPageDown: to = std::min<std::int64_t>(s + page, Max); break;
        case smFirst: to = Min; break;
        case smLast: to = Max; break;
    }
    return int(to);
}

int TSlideGrid::PageRows() const { return std::max(1, (Height - 2 * Border) / Pitch()); }

// In pixels from the top of the top row shown: the view starts ScrollPixels() down, slide
// SldNum's row Row * P down, and its square SlideDistance below that.
bool TSlideGrid::ScrollToShow(int SldNum, double& Request) const {
    const std::int64_t P = Pitch(), H = std::max(NumHoriz, 1);
    const std::int64_t offset = ScrollPixels();
    const std::int64_t rowTop = FloorDiv(std::int64_t(SldNum) - TopSlide(), H) * P;
    // The square's top pixel is just below the top band while the view starts at most
    // SlideDistance below its row; its bottom pixel just above the bottom band when the
    // view starts at bottomFits.
    const std::int64_t bottomFits = rowTop + SlideDistance + Side() + 2 * Border + 1 - Height;
    std::int64_t to = offset;
    if (offset > rowTop + SlideDistance) to = rowTop;
    else if (offset < bottomFits) to = std::min(bottomFits, rowTop);
    else return false;
    // The requested position: the first slide of the new top row, plus the share of that
    // row scrolled out times the slides per row (the setter divides it again).
    const std::int64_t rows = FloorDiv(to, P);
    const std::int64_t pixels = to - rows * P;
    Request = double(TopSlide() + rows * H) + double(pixels) * double(H) / double(P);
    return true;
}

}  // namespace zyn
