// Segment shapes. A digit is 312 x 432 pixels; its vertical segments lean to the right by
// 37 pixels over their 190 pixels of height (the offset between the upper and the lower
// left segment), and every other shape leans the same way.
#include "tools/resgen/Segments.h"

#include <cmath>

#include "platform/Graphics.h"

namespace resgen {

namespace {

constexpr double kLean = 37.0 / 190.0;   // x shift per pixel of height, towards the top

// A canvas of the given size, white, with a black pen and brush.
struct Sheet {
    vcl::TBitmap bmp;
    Sheet(int w, int h) {
        bmp.SetSize(w, h);
        vcl::TCanvas* c = bmp.GetCanvas();
        c->GetBrush()->SetColor(vcl::clWhite);
        c->FillRect(vcl::Rect(0, 0, w, h));
        c->GetBrush()->SetColor(vcl::clBlack);
        c->GetPen()->SetColor(vcl::clBlack);
    }
    vcl::TCanvas* Canvas() { return bmp.GetCanvas(); }
    Pixels Take() {
        Pixels p{bmp.GetWidth(), bmp.GetHeight(), {}};
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x)
                p.rgb.push_back((Canvas()->GetPixels(x, y) & 0xFFFFFF) == 0 ? 0x000000u : 0xFFFFFFu);
        return p;
    }
};

vcl::TPoint P(double x, double y) { return {int(std::lround(x)), int(std::lround(y))}; }

// Leans a point drawn upright: the higher it is (smaller y) the further right it moves,
// measured from the baseline `baseY`.
vcl::TPoint Leaned(double x, double y, double baseY) { return P(x + (baseY - y) * kLean, y); }

// A filled disc as a polygon, leaned like everything else.
void Disc(vcl::TCanvas* c, double cx, double cy, double r, double baseY) {
    std::vector<vcl::TPoint> pts;
    for (int i = 0; i < 72; ++i) {
        const double a = i * 3.14159265358979 / 36;
        pts.push_back(Leaned(cx + r * std::cos(a), cy + r * std::sin(a), baseY));
    }
    c->Polygon(pts);
}

// The vertical segment: a bar 30 pixels wide with pointed ends, leaning right.
Pixels Vertical() {
    Sheet s(68, 190);
    const double u = 15.0, cx = 15.5;   // half width, centre line at the bottom
    std::vector<vcl::TPoint> pts = {Leaned(cx, 2, 190), Leaned(cx + u, 17, 190), Leaned(cx + u, 173, 190),
                                    Leaned(cx, 188, 190), Leaned(cx - u, 173, 190), Leaned(cx - u, 17, 190)};
    s.Canvas()->Polygon(pts);
    return s.Take();
}

// The horizontal segment: a bar 30 pixels high with chamfered (pointed) ends.
Pixels Horizontal() {
    Sheet s(200, 38);
    s.Canvas()->Polygon({P(3, 19), P(18, 4), P(182, 4), P(197, 19), P(182, 34), P(18, 34)});
    return s.Take();
}

Pixels Dot() {
    Sheet s(38, 38);
    s.Canvas()->Ellipse(3, 3, 35, 35);
    return s.Take();
}

// A plus sign: the middle segment crossed by a leaning upright bar, joined at the centre.
Pixels Plus() {
    Sheet s(200, 190);
    vcl::TCanvas* c = s.Canvas();
    c->Polygon({P(24, 95), P(39, 80), P(161, 80), P(176, 95), P(161, 110), P(39, 110)});
    const double cx = 100 - 95 * kLean;   // the upright bar passes through the centre (100, 95)
    c->Polygon({Leaned(cx, 18, 190), Leaned(cx + 15, 33, 190), Leaned(cx + 15, 157, 190),
                Leaned(cx, 172, 190), Leaned(cx - 15, 157, 190), Leaned(cx - 15, 33, 190)});
    return s.Take();
}

// Two dots on the leaning line: lower left and upper right.
Pixels Colon() {
    Sheet s(68, 190);
    Disc(s.Canvas(), 18, 172, 15, 172);
    Disc(s.Canvas(), 50 - (172 - 18) * kLean, 18, 15, 172);
    return s.Take();
}

// A degree ring with a narrow break at its lower right, through which the display's ground
// fill reaches the inside of the ring.
Pixels Degree() {
    Sheet s(160, 138);
    vcl::TCanvas* c = s.Canvas();
    const double cx = 82, cy = 69, outer = 62, inner = 38;
    std::vector<vcl::TPoint> pts;
    const double gap = 0.075;   // radians either side of the break
    const double breakAt = 0.6;  // below the right end
    for (int i = 0; i <= 120; ++i) {
        const double a = breakAt + gap + (6.2831853 - 2 * gap) * i / 120;
        pts.push_back(P(cx + outer * std::cos(a), cy + outer * std::sin(a)));
    }
    for (int i = 120; i >= 0; --i) {
        const double a = breakAt + gap + (6.2831853 - 2 * gap) * i / 120;
        pts.push_back(P(cx + inner * std::cos(a), cy + inner * std::sin(a)));
    }
    c->Polygon(pts);
    return s.Take();
}

}  // namespace

std::vector<SegmentSpec> SegmentShapes() {
    return {{"SEGVERT", Vertical(), 1}, {"SEGHORZ", Horizontal(), 1}, {"SEGDOT", Dot(), 1},
            {"SEGPLUS", Plus(), 24},    {"SEGDEG", Degree(), 24},      {"SEGCOLON", Colon(), 24}};
}

}  // namespace resgen
