// Drawing: rotation about the reference point, opaque cells, monochrome pixels, clipping
// and the underline and strike-out bars.
#include <gtest/gtest.h>

#include <cmath>

#include "TextTestSupport.h"
#include "platform/graphics/text/TextEngine.h"

using namespace vcl::text;
using namespace texttest;

namespace {

TextEngine& Engine() { return TextEngine::Instance(); }

constexpr TColor kInk = 0x203040;
constexpr TColor kCell = 0x80FF80;

FontSpec Mono(const char* family, int height, int escapement = 0) {
    FontSpec font = Font(family, height);
    font.antialias = false;
    font.escapement = escapement;
    return font;
}

}  // namespace

// The ink of a quarter-turned line is exactly the upright ink turned about the reference
// point; at any angle it lies inside the rotated cell.
TEST(TextDraw, RotationTurnsAboutTheReferencePoint) {
    const char* text = "Rotate Wg";
    const int x = 100, y = 100;
    for (const char* family : {"Arial", "Times New Roman"}) {
        SCOPED_TRACE(family);
        Surface upright(200, 200);
        Engine().Draw(upright.target, Mono(family, -15), x, y, text, kInk, vcl::clNone);
        const TRect u = upright.Ink();   // relative: u in [L, R), v in [T, B)
        const int L = u.Left - x, R = u.Right - x, T = u.Top - y, B = u.Bottom - y;
        ASSERT_FALSE(u.IsEmpty());
        const TRect expected[4] = {
            TRect(x + L, y + T, x + R, y + B),
            TRect(x + T, y - R, x + B, y - L),   // 90: reads bottom to top, right of x
            TRect(x - R, y - B, x - L, y - T),   // 180
            TRect(x - B, y + L, x - T, y + R),   // 270
        };
        for (int quarter = 1; quarter < 4; ++quarter) {
            SCOPED_TRACE(quarter * 90);
            Surface turned(200, 200);
            Engine().Draw(turned.target, Mono(family, -15, quarter * 900), x, y, text, kInk, vcl::clNone);
            EXPECT_EQ(turned.Ink(), expected[quarter]);
            EXPECT_EQ(turned.InkCount(), upright.InkCount());
        }
    }

    for (int angle : {0, 300, 900, 1800, 2700, 1234}) {
        SCOPED_TRACE(angle);
        const FontSpec font = Mono("Arial", -16, angle);
        const vcl::TSize extent = Engine().Extent(font, text);
        Surface surface(240, 240);
        Engine().Draw(surface.target, font, 120, 120, text, kInk, vcl::clNone);
        ASSERT_GT(surface.InkCount(), 30);
        const double radians = angle * M_PI / 1800.0, c = std::cos(radians), s = std::sin(radians);
        for (int py = 0; py < 240; ++py)
            for (int px = 0; px < 240; ++px) {
                if (!surface.Inked(px, py)) continue;
                const double dx = px + 0.5 - 120, dy = py + 0.5 - 120;
                const double along = dx * c - dy * s, down = dx * s + dy * c;
                EXPECT_TRUE(along > -1.5 && along < extent.cx + 1.5 && down > -1.5 && down < extent.cy + 1.5)
                    << "ink at " << px << "," << py;
            }
    }
}

TEST(TextDraw, OpaqueBackgroundFillsExactlyTheCell) {
    const FontSpec font = Mono("Tahoma", -11);
    const vcl::TSize extent = Engine().Extent(font, "Cell");
    for (int quarter = 0; quarter < 2; ++quarter) {
        SCOPED_TRACE(quarter);
        FontSpec turned = font;
        turned.escapement = quarter * 900;
        Surface surface(100, 100);
        Engine().Draw(surface.target, turned, 40, 50, "Cell", kInk, kCell);
        const TRect cell = quarter == 0 ? TRect(40, 50, 40 + extent.cx, 50 + extent.cy)
                                        : TRect(40, 50 - extent.cx, 40 + extent.cy, 50);
        EXPECT_EQ(surface.Ink(), cell);
        int background = 0, ink = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x) {
                const TColor c = surface.Pixel(x, y);
                background += c == kCell;
                ink += c == kInk;
            }
        EXPECT_EQ(background + ink, cell.Width() * cell.Height());
        EXPECT_GT(ink, 10);
    }
}

TEST(TextDraw, MonochromeDrawsOnlyFullColourPixels) {
    for (bool antialias : {false, true}) {
        FontSpec font = Font("Arial", -15);
        font.antialias = antialias;
        font.italic = true;
        Surface surface(160, 40);
        Engine().Draw(surface.target, font, 4, 4, "Smooth edges?", kInk, vcl::clNone);
        int partial = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 160; ++x) {
                const TColor c = surface.Pixel(x, y);
                partial += c != kInk && c != kPaper;
            }
        if (antialias) EXPECT_GT(partial, 20);   // grey-scale edges by default
        else EXPECT_EQ(partial, 0);
    }
}

TEST(TextDraw, NothingChangesOutsideTheClip) {
    for (int bpp : {24, 32}) {
        SCOPED_TRACE(bpp);
        for (int angle : {0, 450}) {
            Surface surface(120, 60, bpp);
            for (std::size_t i = 3; bpp == 32 && i < surface.bits.size(); i += 4) surface.bits[i] = 0x5A;
            const TRect clip(20, 10, 70, 30);
            surface.target.clip = clip;
            FontSpec font = Font("Arial", -20);
            font.escapement = angle;
            font.underline = true;
            Engine().Draw(surface.target, font, 5, 5, "Clipped clipped clipped", kInk, kCell);
            const TRect ink = surface.Ink();
            EXPECT_FALSE(ink.IsEmpty());
            EXPECT_EQ(vcl::IntersectRect(ink, clip), ink);
            // The fourth byte of 32 bit pixels is never touched.
            for (std::size_t i = 3; bpp == 32 && i < surface.bits.size(); i += 4) ASSERT_EQ(surface.bits[i], 0x5A);
        }
    }
    // A clip outside the surface draws nothing at all.
    Surface surface(50, 20);
    surface.target.clip = TRect(60, 0, 90, 20);
    Engine().Draw(surface.target, Font("Arial"), 0, 0, "Outside", kInk, kCell);
    EXPECT_EQ(surface.InkCount(), 0);
}

TEST(TextDraw, UnderlineBelowBaselineStrikeOutAboveIt) {
    for (const char* family : {"Arial", "Times New Roman", "Courier New", "Tahoma"})
        for (int height : {-11, -24}) {
            SCOPED_TRACE(std::string(family) + " " + std::to_string(height));
            const FontSpec plain = Mono(family, height);
            const FontMetrics metrics = Engine().Metrics(plain);
            const vcl::TSize extent = Engine().Extent(plain, "Bars");
            Surface base(100, 60);
            Engine().Draw(base.target, plain, 10, 10, "Bars", kInk, vcl::clNone);
            for (int which = 0; which < 2; ++which) {
                FontSpec decorated = plain;
                (which == 0 ? decorated.underline : decorated.strikeOut) = true;
                Surface surface(100, 60);
                Engine().Draw(surface.target, decorated, 10, 10, "Bars", kInk, vcl::clNone);
                // The bar: rows inked right across [10, 10 + cx) that were not before, and
                // nothing left of it.
                const auto fullRow = [&](const Surface& s, int y) {
                    for (int x = 10; x < 10 + extent.cx; ++x)
                        if (s.Pixel(x, y) != kInk) return false;
                    return true;
                };
                TRect bar;
                for (int y = 0; y < 60; ++y)
                    if (fullRow(surface, y) && !fullRow(base, y)) {
                        bar = vcl::UnionRect(bar, TRect(10, y, 10 + extent.cx, y + 1));
                        EXPECT_FALSE(surface.Inked(9, y));
                    }
                ASSERT_FALSE(bar.IsEmpty());
                const int baseline = 10 + metrics.ascent;
                if (which == 0) {
                    EXPECT_GE(bar.Top, baseline);
                    EXPECT_LE(bar.Bottom, 10 + extent.cy);
                } else {
                    EXPECT_LT(bar.Bottom, baseline + 1);
                    EXPECT_GT(bar.Top, 10 + metrics.internalLeading);
                }
            }
        }
}

TEST(TextDraw, ManyAnglesOutgrowTheCacheAndStillDrawTheSame) {
    const FontSpec upright = Mono("Arial", -12);
    Surface first(80, 30);
    Engine().Draw(first.target, upright, 5, 5, "Cache", kInk, vcl::clNone);
    for (int angle = 1; angle < 3600; angle += 11) {
        Surface scratch(40, 40);
        Engine().Draw(scratch.target, Mono("Arial", -12, angle), 20, 20, "Ca", kInk, vcl::clNone);
    }
    Surface again(80, 30);
    Engine().Draw(again.target, upright, 5, 5, "Cache", kInk, vcl::clNone);
    EXPECT_EQ(first.bits, again.bits);
}
