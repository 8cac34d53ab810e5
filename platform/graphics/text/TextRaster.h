// Putting text pixels into a 24 or 32 bit target: glyph coverage blending and the filled
// boxes (background, underline, strike-out) in the rotated text space.
#pragma once

#include <cstdint>

#include "platform/graphics/Colors.h"
#include "platform/graphics/text/SizedFont.h"
#include "platform/graphics/text/TextEngine.h"
#include "platform/runtime/Geometry.h"

namespace vcl::text {

// The text direction: counter-clockwise by `tenths` of a degree. Quarter turns use exact
// integer sines and cosines so that they stay on the pixel grid.
struct Rotation {
    int tenths = 0;
    bool quarterTurn = true;
    double cosine = 1.0, sine = 0.0;
    explicit Rotation(int angleTenths);
    // Device offset of text-space offset (u along the baseline, v down the glyphs).
    double X(double u, double v) const { return u * cosine + v * sine; }
    double Y(double u, double v) const { return -u * sine + v * cosine; }
};

struct Rgb {
    std::uint8_t r, g, b;
    static Rgb From(TColor color) {
        return {std::uint8_t(color & 0xFF), std::uint8_t((color >> 8) & 0xFF), std::uint8_t((color >> 16) & 0xFF)};
    }
};

// The part of the target that may change: its clip within its bounds.
TRect DrawableArea(const Target& target);

// Blends a glyph whose origin is at device (x, y).
void BlendGlyph(const Target& target, const TRect& area, int x, int y, const GlyphBitmap& glyph, Rgb color);

// Fills the text-space box [u0, u1) x [v0, v1) measured from the reference point
// (refX, refY), rotated: every pixel whose centre lies inside it.
void FillTextBox(const Target& target, const TRect& area, int refX, int refY, const Rotation& rotation,
                 int u0, int v0, int u1, int v1, Rgb color);

}  // namespace vcl::text
