// A small anti-aliased painter for the package artwork: shapes are signed distance
// functions (negative inside, in pixels), paints give a colour per point, and every fill is
// composited with the coverage of the pixel, which gives clean edges at any size.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

namespace resgen {

struct Color {
    float r = 0, g = 0, b = 0, a = 1;   // 0..1, straight alpha
};

Color Hex(unsigned rgb, float alpha = 1.0f);
Color Mix(Color a, Color b, float t);

struct Pt {
    float x, y;
};

using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Color(float x, float y)>;

// ---- shapes -----------------------------------------------------------------------------
Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape RoundRect(float x0, float y0, float x1, float y1, float radius);
Shape Capsule(float x0, float y0, float x1, float y1, float halfWidth);
Shape Polygon(std::vector<Pt> points);
Shape Ring(float cx, float cy, float r, float halfWidth);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Grow(Shape a, float by);                 // outline moved outwards by `by`
Shape Outline(Shape a, float halfWidth);       // a band of 2 * halfWidth along the edge
Shape Move(Shape a, float dx, float dy);
// Half-plane left of the directed line a -> b.
Shape HalfPlane(Pt a, Pt b);

// ---- paints -----------------------------------------------------------------------------
Paint Solid(Color c);
// Colour stops along the line p0 -> p1 (t from 0 to 1).
Paint Linear(Pt p0, Pt p1, std::vector<std::pair<float, Color>> stops);
Paint Radial(Pt centre, float radius, std::vector<std::pair<float, Color>> stops);

// ---- raster -----------------------------------------------------------------------------
class Raster {
public:
    // A picture drawn in coordinates 0..w, 0..h onto round(w * scale) x round(h * scale)
    // pixels: the larger artwork is drawn at its own size from the same shapes, never
    // stretched from the smaller one.
    Raster(int w, int h, float scale = 1.0f);
    // The drawing size; PixelW and PixelH give the pixels.
    int W() const { return lw_; }
    int H() const { return lh_; }
    int PixelW() const { return w_; }
    int PixelH() const { return h_; }
    float Scale() const { return unit_; }
    void Fill(const Shape& s, const Paint& p, float opacity = 1.0f);
    void Fill(const Shape& s, Color c, float opacity = 1.0f) { Fill(s, Solid(c), opacity); }
    // A soft fill whose edge fades over `softness` pixels outside the shape (shadows, glows).
    void Soft(const Shape& s, Color c, float softness, float opacity = 1.0f);
    // A soft drop shadow of the shape, towards the bottom right (light from the top left).
    void DropShadow(const Shape& s, float dx = 0.6f, float dy = 0.9f, float opacity = 0.35f);
    // Premultiplied pixel.
    const Color& At(int x, int y) const { return px_[std::size_t(y * w_ + x)]; }
    Color& At(int x, int y) { return px_[std::size_t(y * w_ + x)]; }
    // Greys the picture out the way disabled controls look: lighter and without colour.
    void Disable();
    // From now on the drawing coordinates 0..W, 0..H are shrunk evenly into left..W-right,
    // top..H-bottom (in drawing units), so that a picture drawn up to its edges keeps a margin.
    void Inset(float left, float top, float right, float bottom);

private:
    void Blend(int x, int y, Color c, float coverage);
    // Drawing coordinates of the centre of pixel (x, y), and the pixel size of a unit.
    float DX(int x) const { return (float(x) + 0.5f - ox_) / scale_; }
    float DY(int y) const { return (float(y) + 0.5f - oy_) / scale_; }
    int lw_, lh_, w_, h_;
    float unit_;   // pixels per drawing unit before any inset
    float scale_, ox_ = 0.0f, oy_ = 0.0f;
    std::vector<Color> px_;
};

inline float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

}  // namespace resgen
