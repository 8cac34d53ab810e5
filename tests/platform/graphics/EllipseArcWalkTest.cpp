// Arcs walked near a window only (EllipseWalk) against the stored loop (EllipseOutline):
// the pixels a ray meets, the arc's pixels inside a window, and the fills and wide strokes
// of the reduced path through a clip are the same, for small boxes of every shape, flat and
// steep ones, and rays in every quarter; a pie of an ellipse 2^30 pixels across paints
// through a small clip.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/raster/Ellipses.h"
#include "platform/graphics/raster/Lines.h"
#include "platform/graphics/raster/Polygons.h"
#include "platform/graphics/raster/SpanSet.h"

using namespace vcl;
using namespace vcl::raster;

namespace {

bool SameSpans(const SpanSet& a, const SpanSet& b, const TRect& clip) {
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        const auto& ra = a.RowSpans(y);
        const auto& rb = b.RowSpans(y);
        if (ra.size() != rb.size()) return false;
        for (std::size_t i = 0; i < ra.size(); ++i)
            if (ra[i].x0 != rb[i].x0 || ra[i].x1 != rb[i].x1) return false;
    }
    return true;
}

// A point at angle deg (counter-clockwise on screen) from the box's centre, well outside
// the box or on an axis of it.
TPoint RayPoint(const TRect& box, double deg, double reach) {
    const double t = deg * std::numbers::pi / 180;
    const double cx = box.Left + box.Width() / 2, cy = box.Top + box.Height() / 2;
    return TPoint(int(std::lround(cx + std::cos(t) * reach)), int(std::lround(cy - std::sin(t) * reach)));
}

// Compares both ways of walking the arc of box from the ray through `start` to the one
// through `end` (the whole loop when full), inside clip.
void ExpectSameArc(const EllipseOutline& outline, const EllipseWalk& walk, const TRect& box, TPoint start, TPoint end,
                   bool full, const TRect& clip) {
    const TPoint center(box.Left + box.Width() / 2, box.Top + box.Height() / 2);
    const std::size_t n = outline.Size();
    const std::size_t s = outline.RayIndex(center, start);
    const std::size_t e = full ? s : outline.RayIndex(center, end);
    const std::size_t count = full ? n : (e + n - s) % n;
    const EllipseWalk::Position from = walk.RayPosition(center, start);
    const EllipseWalk::Position to = full ? from : walk.RayPosition(center, end);
    const std::string what = std::to_string(box.Width()) + " x " + std::to_string(box.Height()) + " from (" +
                             std::to_string(start.X) + ", " + std::to_string(start.Y) + ") to (" +
                             std::to_string(end.X) + ", " + std::to_string(end.Y) + ")" + (full ? " whole" : "");
    ASSERT_EQ(walk.At(from), outline.At(s)) << what;
    ASSERT_EQ(walk.At(to), outline.At(e)) << what;

    // The arc's pixels inside the clip, in order.
    std::vector<TPoint> stored;
    outline.Visit(s, count, [&](TPoint p) {
        if (clip.Contains(p)) stored.push_back(p);
    });
    EXPECT_EQ(walk.Inside(from, to, full, clip), stored) << what;

    // The figure of a pie: filled, and stroked with a wide pen, through the clip.
    for (int pen : {1, 5}) {
        TRect near = clip;
        near.Inflate(pen + 2, pen + 2);
        std::vector<TPoint> whole, reduced;
        outline.Visit(s, count, [&](TPoint p) { whole.push_back(p); });
        PathReducer reducer(near, reduced);
        for (TPoint p : walk.Near(from, to, full, near)) reducer.Add(p);
        for (auto* path : {&whole, &reduced}) {
            path->push_back(outline.At(e));
            path->push_back(center);
        }
        SpanSet fillA(clip), fillB(clip), strokeA(clip), strokeB(clip);
        AddPolygon(fillA, whole, true);
        AddPolygon(fillB, reduced, true);
        EXPECT_TRUE(SameSpans(fillA, fillB, clip)) << what << ", fill";
        if (pen > 1) {
            AddWidePolyline(strokeA, whole, pen, true);
            AddWidePolyline(strokeB, reduced, pen, true);
            EXPECT_TRUE(SameSpans(strokeA, strokeB, clip)) << what << ", pen " << pen;
        }
    }
}

// Arcs between rays in every quarter and on the axes (every `stride`-th pair), both ways,
// and whole loops.
void ExpectSameArcs(const TRect& box, const std::vector<TRect>& clips, std::size_t stride = 1) {
    const EllipseOutline outline(box);
    const EllipseWalk walk(box);
    const double reach = 2.0 * (box.Width() + box.Height());
    const double angles[] = {0, 1, 30, 45, 89, 90, 91, 135, 180, 200, 269, 270, 271, 300, 359};
    for (const TRect& clip : clips) {
        for (std::size_t i = 0; i < std::size(angles); i += stride) {
            const TPoint a = RayPoint(box, angles[i], reach);
            const TPoint b = RayPoint(box, angles[(i * 7 + 3) % std::size(angles)], reach);
            ExpectSameArc(outline, walk, box, a, b, false, clip);
            ExpectSameArc(outline, walk, box, b, a, false, clip);
        }
        ExpectSameArc(outline, walk, box, RayPoint(box, 10, reach), RayPoint(box, 10, reach), true, clip);
        ExpectSameArc(outline, walk, box, RayPoint(box, 250, reach), RayPoint(box, 250, reach), true, clip);
    }
}

TEST(EllipseArcWalk, SmallBoxesMatchTheStoredLoop) {
    for (int w = 3; w <= 24; ++w)
        for (int h = 3; h <= 24; ++h) {
            const TRect box(5, 3, 5 + w, 3 + h);
            ExpectSameArcs(box, {TRect(0, 0, 40, 40), TRect(5 + w / 2, 0, 40, 3 + h / 2), TRect(0, 4, 6, 40)});
        }
}

// Large boxes through clips on the steep and flat parts, across an axis and far beside the
// ellipse: the walk jumps over most of the rows.
TEST(EllipseArcWalk, LargeBoxesMatchTheStoredLoopThroughClips) {
    const TRect boxes[] = {TRect(0, 0, 20001, 20001), TRect(-300, 0, 30000, 4000), TRect(0, 7, 3001, 40000),
                           TRect(0, 0, 90000, 5)};
    for (const TRect& box : boxes) {
        const int w = box.Width(), h = box.Height(), cx = box.Left + w / 2, cy = box.Top + h / 2;
        std::vector<TRect> clips;
        for (double deg : {5.0, 45.0, 80.0, 150.0, 300.0}) {
            const double t = deg * std::numbers::pi / 180;
            const int px = cx + int(w / 2 * std::cos(t)), py = cy - int(h / 2 * std::sin(t));
            clips.push_back(TRect(px - 40, py - 30, px + 40, py + 30));
        }
        clips.push_back(TRect(box.Right - 30, cy - 20, box.Right + 10, cy + 20));   // the middle rows
        clips.push_back(TRect(cx - 50, box.Bottom - 10, cx + 50, box.Bottom + 5));   // the bottom
        clips.push_back(TRect(cx - 20, cy - 20, cx + 20, cy + 20));                  // the centre only
        clips.push_back(TRect(box.Right + 100, box.Top - 500, box.Right + 200, box.Top - 400));   // beside it
        ExpectSameArcs(box, clips, 4);
    }
}

// The scale band of a meter some 2^30 pixels across: a pie whose centre lies far below a
// small clip on the arc's top. Its fill reaches the arc and stops there, and the outline
// lies where the circle passes.
TEST(EllipseArcWalk, APieTwoBillionPixelsAcrossPaintsThroughASmallClip) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(64, 48);
    TCanvas* c = bitmap.GetCanvas();
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, 64, 48));
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetColor(clRed);
    const int r = (1 << 30) - 100;   // the top of the circle is at row 20 of the clip
    const int cx = 32, cy = 20 + r;
    c->Pie(cx - r, cy - r, cx + r, cy + r, cx + r, cy - r, cx - r, cy - r);   // the upper quarter
    EXPECT_EQ(c->GetPixels(32, 10), clWhite);
    EXPECT_EQ(c->GetPixels(32, 20), clBlack);
    EXPECT_EQ(c->GetPixels(32, 30), clRed);
    EXPECT_EQ(c->GetPixels(5, 40), clRed);
}

}  // namespace
