// Base library drawing: frames, rectangles and plot marks.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "framework/Zyn_zynbase.h"
#include "platform/Controls.h"
#include "platform/Themes.h"

namespace zyn {

namespace {

using vcl::TCanvas;
using vcl::TPoint;

// Puts back the pen and brush a drawing helper changed.
class PenBrushSaver {
public:
    explicit PenBrushSaver(TCanvas* Canvas)
        : canvas_(Canvas),
          penColor_(Canvas->GetPen()->GetColor()),
          penWidth_(Canvas->GetPen()->GetWidth()),
          penStyle_(Canvas->GetPen()->GetStyle()),
          brushColor_(Canvas->GetBrush()->GetColor()),
          brushStyle_(Canvas->GetBrush()->GetStyle()) {}
    ~PenBrushSaver() {
        canvas_->GetPen()->SetColor(penColor_);
        canvas_->GetPen()->SetWidth(penWidth_);
        canvas_->GetPen()->SetStyle(penStyle_);
        canvas_->GetBrush()->SetColor(brushColor_);
        canvas_->GetBrush()->SetStyle(brushStyle_);
    }
    PenBrushSaver(const PenBrushSaver&) = delete;
    PenBrushSaver& operator=(const PenBrushSaver&) = delete;

private:
    TCanvas* canvas_;
    TColor penColor_;
    int penWidth_;
    vcl::TPenStyle penStyle_;
    TColor brushColor_;
    vcl::TBrushStyle brushStyle_;
};

// Runs of pixels with both ends included.
void HLine(TCanvas* c, int x1, int x2, int y, TColor color) {
    c->GetPen()->SetColor(color);
    c->MoveTo(x1, y);
    c->LineTo(x2 + 1, y);
}

void VLine(TCanvas* c, int x, int y1, int y2, TColor color) {
    c->GetPen()->SetColor(color);
    c->MoveTo(x, y1);
    c->LineTo(x, y2 + 1);
}

// One bevel ring: top and left in TopLeft, bottom and right (with the top-right and
// bottom-left corners) in BottomRight.
void Bevel(TCanvas* c, int l, int t, int r, int b, TColor topLeft, TColor bottomRight) {
    if (r < l || b < t) return;
    if (r > l) HLine(c, l, r - 1, t, topLeft);
    if (b > t) VLine(c, l, t, b - 1, topLeft);
    HLine(c, l, r, b, bottomRight);
    VLine(c, r, t, b, bottomRight);
}

int FrameWidth(int FrameStyle) {
    if (FrameStyle >= 1 && FrameStyle <= 3) return 1;
    if (FrameStyle == 4 || FrameStyle == 5) return 2;
    return 0;
}

}  // namespace

void DrawFrame(TCanvas* Canvas, int FrameStyle, int Left, int Top, int Right, int Bottom,
               TColor C1, TColor C2, TColor C3, TColor C4, TColor C5) {
    if (Canvas == nullptr || FrameWidth(FrameStyle) == 0) return;
    PenBrushSaver saver(Canvas);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetStyle(vcl::psSolid);
    switch (FrameStyle) {
    case 1: Bevel(Canvas, Left, Top, Right, Bottom, C5, C5); break;
    case 2: Bevel(Canvas, Left, Top, Right, Bottom, C3, C1); break;
    case 3: Bevel(Canvas, Left, Top, Right, Bottom, C1, C3); break;
    case 4:
        Bevel(Canvas, Left, Top, Right, Bottom, C3, C1);
        Bevel(Canvas, Left + 1, Top + 1, Right - 1, Bottom - 1, C4, C2);
        break;
    case 5:
        Bevel(Canvas, Left, Top, Right, Bottom, C2, C5);
        Bevel(Canvas, Left + 1, Top + 1, Right - 1, Bottom - 1, C1, C3);
        break;
    default: break;
    }
}

void DrawFilledFrame(TCanvas* Canvas, int FrameStyle, int Left, int Top, int Right, int Bottom,
                     TColor C1, TColor C2, TColor C3, TColor C4, TColor C5) {
    if (Canvas == nullptr) return;
    const int w = FrameWidth(FrameStyle);
    if (Canvas->GetBrush()->GetStyle() != vcl::bsClear && Right - w >= Left + w &&
        Bottom - w >= Top + w)
        Canvas->FillRect(vcl::Rect(Left + w, Top + w, Right - w + 1, Bottom - w + 1));
    DrawFrame(Canvas, FrameStyle, Left, Top, Right, Bottom, C1, C2, C3, C4, C5);
}

TBevelLines BevelLines() {
    return {vcl::ThemeColor(vcl::trLineLight), vcl::ThemeColor(vcl::trLineFace), vcl::ThemeColor(vcl::trLineShadow),
            vcl::ThemeColor(vcl::trLineDark)};
}

void DrawRectangle(TCanvas* Canvas, int L, int T, int R, int B) {
    if (Canvas == nullptr) return;
    Canvas->MoveTo(L, T);
    Canvas->LineTo(R, T);
    Canvas->LineTo(R, B);
    Canvas->LineTo(L, B);
    Canvas->LineTo(L, T);
}

// ---- plot marks -------------------------------------------------------------------------

namespace {

enum class Shape { Circle, Square, Diamond, TriUp, TriDown, TriLeft, TriRight, Hexagon };

// The outline of a basic shape of "radius" r round (x, y) as a polygon (circles excepted);
// d is the reach of its points, a pixel (at 96 dpi) past r.
std::vector<TPoint> Outline(Shape s, int x, int y, int r, int d) {
    switch (s) {
    case Shape::Square: return {{x - r, y - r}, {x + r, y - r}, {x + r, y + r}, {x - r, y + r}};
    case Shape::Diamond: return {{x, y - d}, {x + d, y}, {x, y + d}, {x - d, y}};
    case Shape::TriUp: return {{x, y - d}, {x + d, y + r}, {x - d, y + r}};
    case Shape::TriDown: return {{x - d, y - r}, {x + d, y - r}, {x, y + d}};
    case Shape::TriLeft: return {{x - d, y}, {x + r, y - d}, {x + r, y + d}};
    case Shape::TriRight: return {{x + d, y}, {x - r, y - d}, {x - r, y + d}};
    case Shape::Hexagon: {
        const int h = (d + 1) / 2;
        return {{x - h, y - d}, {x + h, y - d}, {x + d, y}, {x + h, y + d}, {x - h, y + d}, {x - d, y}};
    }
    case Shape::Circle: break;
    }
    return {};
}

// A star of Points points with outer radius Outer and inner radius Inner, one point up.
std::vector<TPoint> Star(int x, int y, int points, double outer, double inner) {
    std::vector<TPoint> p;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -pi / 2 + i * pi / points;
        const double rad = (i % 2 == 0) ? outer : inner;
        p.push_back({x + int(std::lround(rad * std::cos(a))), y + int(std::lround(rad * std::sin(a)))});
    }
    return p;
}

// Draws the parts of a mark round (X, Y), its sizes given in pixels at 96 dpi and drawn at
// PPI: radii scale, lines are whole pixels wide.
class MarkPainter {
public:
    MarkPainter(TCanvas* Canvas, int X, int Y, int PPI) : c_(Canvas), x_(X), y_(Y), ppi_(PPI) {
        c_->GetPen()->SetWidth(vcl::ScaleLineWidth(1, PPI));
        c_->GetPen()->SetStyle(vcl::psSolid);
    }
    // A size of the 96 dpi mark at the density drawn.
    int S(int V) const { return vcl::ScaleMetric(V, ppi_); }
    double S(double V) const { return V * ppi_ / 96.0; }

    // Interior in the pen colour (filled marks) or in the canvas brush (open marks).
    void Fill(bool filled) {
        if (filled) c_->GetBrush()->SetColor(c_->GetPen()->GetColor());
    }
    void Shape(zyn::Shape s, int r, bool filled) {
        Fill(filled);
        if (s == zyn::Shape::Circle)
            c_->Ellipse(x_ - S(r), y_ - S(r), x_ + S(r) + 1, y_ + S(r) + 1);
        else
            c_->Polygon(Outline(s, x_, y_, S(r), S(r + 1)));
    }
    void Polygon(const std::vector<TPoint>& p, bool filled) {
        Fill(filled);
        c_->Polygon(p);
    }
    void Plus(int r) {
        Seg(x_ - S(r), y_, x_ + S(r), y_);
        Seg(x_, y_ - S(r), x_, y_ + S(r));
    }
    void Cross(int r) {
        Seg(x_ - S(r), y_ - S(r), x_ + S(r), y_ + S(r));
        Seg(x_ - S(r), y_ + S(r), x_ + S(r), y_ - S(r));
    }
    void Dot(int r) {
        Fill(true);
        c_->FillRect(vcl::Rect(x_ - S(r), y_ - S(r), x_ + S(r) + 1, y_ + S(r) + 1));
    }
    void Bar(int halfW, int halfH) {
        Fill(true);
        c_->Rectangle(x_ - S(halfW), y_ - S(halfH), x_ + S(halfW) + 1, y_ + S(halfH) + 1);
    }
    void Star(int points, double outer, double inner, bool filled) {
        Polygon(zyn::Star(x_, y_, points, S(outer), S(inner)), filled);
    }
    // A line including both end pixels; (dx1, dy1) and (dx2, dy2) are 96 dpi offsets.
    void Line(int dx1, int dy1, int dx2, int dy2) { Seg(x_ + S(dx1), y_ + S(dy1), x_ + S(dx2), y_ + S(dy2)); }
    void Seg(int x1, int y1, int x2, int y2) {
        c_->MoveTo(x1, y1);
        c_->LineTo(x2, y2);
        c_->SetPixels(x2, y2, c_->GetPen()->GetColor());
    }
    int X() const { return x_; }
    int Y() const { return y_; }

private:
    TCanvas* c_;
    int x_, y_, ppi_;
};

constexpr zyn::Shape kBasicShapes[8] = {zyn::Shape::Circle, zyn::Shape::Square, zyn::Shape::Diamond,
                                        zyn::Shape::TriUp, zyn::Shape::TriDown, zyn::Shape::TriLeft,
                                        zyn::Shape::TriRight, zyn::Shape::Hexagon};

}  // namespace

void DrawMarkOnCanvas(TCanvas* Canvas, int Mark, int X, int Y) { DrawMarkOnCanvas(Canvas, Mark, X, Y, 96); }

void DrawMarkOnCanvas(TCanvas* Canvas, int Mark, int X, int Y, int PPI) {
    if (Canvas == nullptr || Mark < 0 || Mark >= NumberOfMarks) return;
    // A mark is a few pixels across: one centred near the ends of the int range draws as one
    // just inside them, and its outline's arithmetic stays in range.
    PPI = std::clamp(PPI, 24, 960);
    const int reach = std::numeric_limits<int>::max() - 64 * (PPI / 96 + 1);
    X = std::clamp(X, -reach, reach);
    Y = std::clamp(Y, -reach, reach);
    PenBrushSaver saver(Canvas);
    MarkPainter m(Canvas, X, Y, PPI);
    if (Mark >= 4 && Mark <= 35) {
        const int group = (Mark - 4) / 8;   // small open, small filled, large open, large filled
        m.Shape(kBasicShapes[(Mark - 4) % 8], group < 2 ? 3 : 5, group % 2 == 1);
        return;
    }
    switch (Mark) {
    case 0: m.Dot(1); break;
    case 1: m.Plus(4); break;
    case 2: m.Cross(3); break;
    case 3: m.Plus(4); m.Cross(3); break;
    case 36: m.Star(5, 4.6, 2.0, false); break;
    case 37: m.Star(5, 4.6, 2.0, true); break;
    case 38: m.Star(5, 7.0, 3.0, false); break;
    case 39: m.Star(5, 7.0, 3.0, true); break;
    case 40: m.Shape(Shape::Square, 4, false); m.Cross(4); break;
    case 41: m.Shape(Shape::Circle, 5, false); m.Cross(3); break;
    case 42: m.Shape(Shape::Circle, 5, false); m.Plus(5); break;
    case 43: m.Shape(Shape::Square, 4, false); m.Plus(4); break;
    case 44: m.Shape(Shape::Circle, 5, false); m.Dot(1); break;
    case 45: m.Shape(Shape::Square, 4, false); m.Dot(1); break;
    case 46: m.Bar(5, 1); break;
    case 47: m.Bar(1, 5); break;
    case 48:   // a bold plus: three lines each way
        for (int d = -1; d <= 1; ++d) {
            m.Line(-6, d, 6, d);
            m.Line(d, -6, d, 6);
        }
        break;
    case 49:   // a bold cross
        for (int d = -1; d <= 1; ++d) {
            m.Line(-5 + d, -5, 5 + d, 5);
            m.Line(-5 + d, 5, 5 + d, -5);
        }
        break;
    case 50: m.Star(6, 6.5, 3.8, false); break;
    case 51: m.Shape(Shape::Circle, 6, false); m.Shape(Shape::Circle, 2, true); break;
    default: break;
    }
}

}  // namespace zyn
