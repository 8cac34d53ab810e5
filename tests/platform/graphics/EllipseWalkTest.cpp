// The ellipse outline and fill, found by runs along rows and columns, light exactly the
// pixels of the plain point-by-point midpoint walk, for every small box, for flat, steep
// and large ones, and through clips; a huge flat ellipse clipped to a few rows is cheap.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/graphics/raster/Ellipses.h"
#include "platform/graphics/raster/SpanSet.h"

using namespace vcl;
using namespace vcl::raster;

namespace {

// The reference: the midpoint walk one point at a time over the lower-right quadrant of a
// w x h box, as the pixels of an ellipse are defined.
template <typename Emit>
void ReferenceQuadrant(std::int64_t w, std::int64_t h, Emit&& emit) {
    using Big = __int128;
    const Big a = w - 1, b = h - 1;
    const Big A = 8 * a * a, B = 8 * b * b;
    Big dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + b % 2);
    Big err = dx + dy + a * a * (b % 2);
    std::int64_t x = w - 1, y = h / 2, lastY = y;
    while (x >= w / 2) {
        emit(x, y);
        lastY = y;
        const Big e2 = 2 * err;
        if (e2 >= dx) {
            --x;
            dx += B;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += A;
            err += dy;
        }
    }
    for (std::int64_t yy = lastY + 1; yy <= h - 1; ++yy) emit(w / 2, yy);
}

// The reference outline and fill of the ellipse in box, within clip.
void ReferenceEllipse(SpanSet& outline, SpanSet& fill, const TRect& box) {
    const std::int64_t L = box.Left, T = box.Top, w = box.Width(), h = box.Height();
    const TRect& c = outline.Bounds();
    auto pixel = [&](SpanSet& s, std::int64_t x, std::int64_t y) {
        if (x >= c.Left && x < c.Right && y >= c.Top && y < c.Bottom) s.AddPixel(int(x), int(y));
    };
    auto span = [&](SpanSet& s, std::int64_t y, std::int64_t x0, std::int64_t x1) {
        for (std::int64_t x = std::max<std::int64_t>(x0, c.Left); x < std::min<std::int64_t>(x1, c.Right); ++x)
            pixel(s, x, y);
    };
    std::int64_t previous = -1;
    ReferenceQuadrant(w, h, [&](std::int64_t x, std::int64_t y) {
        const std::int64_t right = L + x, left = L + w - 1 - x, bottom = T + y, top = T + h - 1 - y;
        for (std::int64_t row : {top, bottom}) {
            pixel(outline, right, row);
            pixel(outline, left, row);
        }
        if (y != previous) {
            span(fill, top, left, right + 1);
            span(fill, bottom, left, right + 1);
        }
        previous = y;
    });
}

// Rows of Clip where the two sets differ (none when they hold the same pixels).
int DifferingRows(const SpanSet& a, const SpanSet& b, const TRect& Clip) {
    int rows = 0;
    for (int y = Clip.Top; y < Clip.Bottom; ++y) {
        const auto& ra = a.RowSpans(y);
        const auto& rb = b.RowSpans(y);
        bool same = ra.size() == rb.size();
        for (std::size_t i = 0; same && i < ra.size(); ++i) same = ra[i].x0 == rb[i].x0 && ra[i].x1 == rb[i].x1;
        if (!same) ++rows;
    }
    return rows;
}

void ExpectSameAsReference(const TRect& box, const TRect& clip) {
    SpanSet outline(clip), fill(clip), refOutline(clip), refFill(clip);
    AddEllipse(&outline, &fill, box);
    ReferenceEllipse(refOutline, refFill, box);
    EXPECT_EQ(DifferingRows(outline, refOutline, clip), 0) << "outline " << box.Width() << " x " << box.Height();
    EXPECT_EQ(DifferingRows(fill, refFill, clip), 0) << "fill " << box.Width() << " x " << box.Height();
}

TEST(EllipseWalk, EverySmallBoxMatchesThePointByPointWalk) {
    for (int w = 3; w <= 70; ++w)
        for (int h = 3; h <= 70; ++h) ExpectSameAsReference(TRect(4, -3, 4 + w, -3 + h), TRect(0, -5, 80, 70));
}

TEST(EllipseWalk, FlatSteepAndLargeBoxesMatchThroughClips) {
    const TRect boxes[] = {TRect(0, 0, 3000, 7),   TRect(0, 0, 7, 3000),     TRect(0, 0, 2500, 2499),
                           TRect(0, 0, 4001, 40),  TRect(-50, -20, 1500, 900), TRect(0, 0, 70000, 30),
                           TRect(0, 0, 30, 70000), TRect(-100, 0, 900, 4)};
    for (const TRect& box : boxes) {
        ExpectSameAsReference(box, TRect(-60, -30, 400, 300));                    // a corner
        ExpectSameAsReference(box, TRect(box.Left, box.Top, box.Right, box.Top + 40));   // the top rows
    }
}

// Clips that leave most rows out: the walk jumps over the rows in between, and the points
// it lands on must be those of the walk. The clips sit on the steep part, near 45 degrees,
// on the flat part, across the middle row, at the bottom, and in two stretches (the upper
// and the lower half of a circle through a tall thin clip).
TEST(EllipseWalk, ClipsOfLargeEllipsesMatchThePointByPointWalk) {
    const TRect boxes[] = {TRect(0, 0, 20001, 20001), TRect(0, 0, 20000, 5000), TRect(0, 0, 3000, 40000),
                           TRect(-7, -11, 65537, 65539), TRect(0, 0, 100003, 99999), TRect(0, 0, 200000, 3)};
    for (const TRect& box : boxes) {
        const int w = box.Width(), h = box.Height(), L = box.Left, T = box.Top;
        const int cx = L + w / 2, cy = T + h / 2;
        // Points on the outline at several angles of the lower right and upper left quarters.
        for (double deg : {2.0, 20.0, 44.0, 45.0, 46.0, 70.0, 88.0}) {
            const double t = deg * 3.14159265358979 / 180;
            const int px = cx + int(w / 2 * std::cos(t)), py = cy + int(h / 2 * std::sin(t));
            ExpectSameAsReference(box, TRect(px - 40, py - 30, px + 40, py + 30));
            const int qx = cx - int(w / 2 * std::cos(t)), qy = cy - int(h / 2 * std::sin(t));
            ExpectSameAsReference(box, TRect(qx - 3, qy - 2, qx + 3, qy + 2));
        }
        ExpectSameAsReference(box, TRect(L + w - 50, cy - 20, L + w + 10, cy + 20));   // the middle row
        ExpectSameAsReference(box, TRect(cx - 100, T + h - 10, cx + 100, T + h + 10));   // the bottom
        ExpectSameAsReference(box, TRect(cx + w / 3, T - 5, cx + w / 3 + 5, T + h + 5));   // both halves
    }
}

// An ellipse 2^30 pixels across through clips the size of a screen, on its steep part,
// near 45 degrees where no row or column run is long, and on its flat part: every row of a
// clip holds the outline where the circle passes (within a pixel), and the fill reaches it.
TEST(EllipseWalk, AHugeCircleLightsItsOutlineInScreenSizedClips) {
    const int side = 1 << 30;
    const double r = side / 2.0 - 0.5, c = -0.5;   // radius and centre of the pixel circle
    const TRect box(-side / 2, -side / 2, side / 2, side / 2);
    for (double deg : {10.0, 45.0, 80.0}) {
        const double t = deg * 3.14159265358979 / 180;
        const int px = int(c + r * std::cos(t)), py = int(c + r * std::sin(t));
        const TRect clip(px - 300, py - 200, px + 300, py + 200);
        SpanSet outline(clip), fill(clip);
        AddEllipse(&outline, &fill, box);
        int rowsLit = 0;
        for (int y = clip.Top; y < clip.Bottom; ++y) {
            const double x = c + std::sqrt(r * r - (y - c) * (y - c));
            if (x < clip.Left + 2 || x > clip.Right - 3) continue;   // the circle passes beside
            const auto& spans = outline.RowSpans(y);
            ASSERT_EQ(spans.size(), 1u) << deg << " degrees, row " << y;
            EXPECT_GE(x, spans[0].x0 - 1.0) << deg << " degrees, row " << y;
            EXPECT_LE(x, spans[0].x1 + 0.0) << deg << " degrees, row " << y;
            ASSERT_EQ(fill.RowSpans(y).size(), 1u);
            EXPECT_EQ(fill.RowSpans(y)[0].x0, clip.Left);
            EXPECT_EQ(fill.RowSpans(y)[0].x1, spans[0].x1);
            ++rowsLit;
        }
        EXPECT_GT(rowsLit, 40) << deg << " degrees";
    }
}

// A day mark of a calendar two billion pixels wide: a flat ellipse clipped to a screen. Its
// rows are few, and the walk runs along each row at once (a step at a time it would take
// seconds; the test stays in milliseconds).
TEST(EllipseWalk, AHugeFlatEllipseLightsItsOutlineInTheClip) {
    const TRect clip(0, 0, 400, 300);
    SpanSet outline(clip), fill(clip);
    const TRect box(-1000, 100, 2000000000, 130);
    AddEllipse(&outline, &fill, box);
    // Within a thousand pixels of its left end the ellipse is two rows high: its middle
    // rows are outline across the whole clip, and nothing lies above or below them.
    for (int x : {0, 399}) {
        EXPECT_TRUE(outline.Contains(x, 114));
        EXPECT_TRUE(outline.Contains(x, 115));
        EXPECT_TRUE(fill.Contains(x, 115));
    }
    EXPECT_FALSE(outline.Contains(200, 113));
    EXPECT_FALSE(outline.Contains(200, 116));
    EXPECT_FALSE(fill.Contains(200, 99));
}

}  // namespace

// Ellipses whose rows all lie above the clip (a meter's scale band of an extreme width, far
// up and left of what is shown): the walk stops at once rather than walking the quadrant
// of 2^28 points towards rows it never reaches. Just beside, on the clip's rows, it lights
// the same pixels as the point-by-point walk.
TEST(EllipseWalk, AHugeEllipseAboveTheClipAddsNothingAtOnce) {
    const TRect clip(0, 0, 64, 48);
    SpanSet outline(clip), fill(clip);
    AddEllipse(&outline, &fill, TRect(-(1 << 29), -(1 << 29), -(1 << 28), -(1 << 28)));
    AddEllipse(&outline, &fill, TRect(-(1 << 28), -(1 << 28) - 100, 1 << 28, -100));
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        EXPECT_TRUE(outline.RowSpans(y).empty()) << y;
        EXPECT_TRUE(fill.RowSpans(y).empty()) << y;
    }
    ExpectSameAsReference(TRect(-3000, -2000, 50, 10), clip);
}
