// Signed distance shapes, paints and coverage compositing.
#include "tools/resgen/Painter.h"

#include <algorithm>

namespace resgen {

Color Hex(unsigned rgb, float alpha) {
    return {float((rgb >> 16) & 0xFF) / 255.0f, float((rgb >> 8) & 0xFF) / 255.0f,
            float(rgb & 0xFF) / 255.0f, alpha};
}

Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Shape Circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        const float k = std::hypot((x - cx) / rx, (y - cy) / ry);
        return (k - 1.0f) * std::min(rx, ry);
    };
}

Shape RoundRect(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Capsule(float x0, float y0, float x1, float y1, float halfWidth) {
    return [=](float x, float y) {
        const float dx = x1 - x0, dy = y1 - y0;
        const float len2 = dx * dx + dy * dy;
        float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
        t = Clamp01(t);
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - halfWidth;
    };
}

Shape Polygon(std::vector<Pt> v) {
    return [v](float x, float y) {
        float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
        float s = 1.0f;
        for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
            const float wx = x - v[i].x, wy = y - v[i].y;
            const float t = Clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
            const float bx = wx - ex * t, by = wy - ey * t;
            d = std::min(d, bx * bx + by * by);
            const bool c1 = y >= v[i].y, c2 = y < v[j].y, c3 = ex * wy > ey * wx;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
        }
        return s * std::sqrt(d);
    };
}

Shape Ring(float cx, float cy, float r, float halfWidth) {
    return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - halfWidth; };
}

Shape Union(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Grow(Shape a, float by) {
    return [=](float x, float y) { return a(x, y) - by; };
}

Shape Outline(Shape a, float halfWidth) {
    return [=](float x, float y) { return std::fabs(a(x, y)) - halfWidth; };
}

Shape Move(Shape a, float dx, float dy) {
    return [=](float x, float y) { return a(x - dx, y - dy); };
}

Shape HalfPlane(Pt a, Pt b) {
    const float len = std::hypot(b.x - a.x, b.y - a.y);
    const float nx = (b.y - a.y) / len, ny = -(b.x - a.x) / len;
    return [=](float x, float y) { return (x - a.x) * nx + (y - a.y) * ny; };
}

Paint Solid(Color c) {
    return [c](float, float) { return c; };
}

namespace {

Color Stops(const std::vector<std::pair<float, Color>>& stops, float t) {
    if (t <= stops.front().first) return stops.front().second;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].first) {
            const float span = stops[i].first - stops[i - 1].first;
            return Mix(stops[i - 1].second, stops[i].second,
                       span > 0 ? (t - stops[i - 1].first) / span : 1.0f);
        }
    }
    return stops.back().second;
}

}  // namespace

Paint Linear(Pt p0, Pt p1, std::vector<std::pair<float, Color>> stops) {
    const float dx = p1.x - p0.x, dy = p1.y - p0.y, len2 = dx * dx + dy * dy;
    return [=](float x, float y) { return Stops(stops, ((x - p0.x) * dx + (y - p0.y) * dy) / len2); };
}

Paint Radial(Pt c, float radius, std::vector<std::pair<float, Color>> stops) {
    return [=](float x, float y) { return Stops(stops, std::hypot(x - c.x, y - c.y) / radius); };
}

Raster::Raster(int w, int h, float scale)
    : lw_(w), lh_(h), w_(int(std::lround(float(w) * scale))), h_(int(std::lround(float(h) * scale))),
      unit_(scale), scale_(scale), px_(std::size_t(w_) * std::size_t(h_), Color{0, 0, 0, 0}) {}

void Raster::Blend(int x, int y, Color c, float coverage) {
    const float a = Clamp01(c.a * coverage);
    if (a <= 0) return;
    Color& d = At(x, y);
    d.r = c.r * a + d.r * (1 - a);
    d.g = c.g * a + d.g * (1 - a);
    d.b = c.b * a + d.b * (1 - a);
    d.a = a + d.a * (1 - a);
}

void Raster::Inset(float left, float top, float right, float bottom) {
    scale_ = unit_ * std::min((float(lw_) - left - right) / float(lw_), (float(lh_) - top - bottom) / float(lh_));
    ox_ = left * unit_;
    oy_ = top * unit_;
}

void Raster::Fill(const Shape& s, const Paint& p, float opacity) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const float px = DX(x), py = DY(y);
            const float cov = Clamp01(0.5f - s(px, py) * scale_);
            if (cov > 0) Blend(x, y, p(px, py), cov * opacity);
        }
}

void Raster::Soft(const Shape& s, Color c, float softness, float opacity) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const float d = s(DX(x), DY(y));
            float cov = d <= 0 ? 1.0f : Clamp01(1.0f - d / softness);
            cov *= cov;
            if (cov > 0) Blend(x, y, c, cov * opacity);
        }
}

void Raster::DropShadow(const Shape& s, float dx, float dy, float opacity) {
    Soft(Move(s, dx, dy), Hex(0x000000), 1.6f, opacity);
}

void Raster::Disable() {
    for (Color& c : px_) {
        if (c.a <= 0) continue;
        // Straight colour, its luminance, lifted and flattened towards a light grey.
        const float r = c.r / c.a, g = c.g / c.a, b = c.b / c.a;
        const float l = 0.30f * r + 0.59f * g + 0.11f * b;
        const float grey = 0.44f + 0.46f * l;
        c.r = c.g = c.b = grey * c.a;
        c.a *= 0.95f;
    }
}

}  // namespace resgen
