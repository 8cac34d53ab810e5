// The canvas: turns pen, brush and font state plus logical coordinates into calls of the
// rasterizer on the bound surface, inside the origin and clip.
#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/SurfaceAccess.h"
#include "platform/graphics/WinGdi.h"
#include "platform/graphics/raster/Blit.h"
#include "platform/graphics/raster/Ellipses.h"
#include "platform/graphics/raster/FloodFill.h"
#include "platform/graphics/raster/Lines.h"
#include "platform/graphics/raster/Polygons.h"
#include "platform/graphics/raster/Scratch.h"
#include "platform/graphics/raster/SpanSet.h"
#include "platform/graphics/text/TextEngine.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"

namespace vcl {

using raster::CosmeticStroke;
using raster::Paint;
using raster::SpanSet;
using raster::Surface;

namespace {

int Rop2Of(TPenMode mode) {
    static constexpr int table[] = {
        raster::R2_BLACK,       raster::R2_WHITE,      raster::R2_NOP,         raster::R2_NOT,
        raster::R2_COPYPEN,     raster::R2_NOTCOPYPEN, raster::R2_MERGEPENNOT, raster::R2_MASKPENNOT,
        raster::R2_MERGENOTPEN, raster::R2_MASKNOTPEN, raster::R2_MERGEPEN,    raster::R2_NOTMERGEPEN,
        raster::R2_MASKPEN,     raster::R2_NOTMASKPEN, raster::R2_XORPEN,      raster::R2_NOTXORPEN,
    };
    return table[std::size_t(mode) & 15];
}

// 8 x 8 hatch patterns, bit 7 is the leftmost pixel.
const std::uint8_t* HatchOf(TBrushStyle style) {
    static const std::uint8_t hatches[6][8] = {
        {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00},   // bsHorizontal
        {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},   // bsVertical
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},   // bsFDiagonal
        {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},   // bsBDiagonal
        {0x08, 0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08},   // bsCross
        {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},   // bsDiagCross
    };
    if (style < bsHorizontal || style > bsDiagCross) return nullptr;
    return hatches[style - bsHorizontal];
}

const std::uint8_t kChecker[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};

TRect Normalized(int x1, int y1, int x2, int y2) {
    return TRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

std::int64_t Cross(TPoint a, TPoint b) { return std::int64_t(a.X) * b.Y - std::int64_t(a.Y) * b.X; }
std::int64_t Dot(TPoint a, TPoint b) { return std::int64_t(a.X) * b.X + std::int64_t(a.Y) * b.Y; }

text::FontSpec SpecOf(const TFont& font, bool antialias) {
    text::FontSpec spec;
    spec.family = font.GetName();
    spec.height = font.GetHeight();
    const TFontStyles style = font.GetStyle();
    spec.bold = style.Contains(fsBold);
    spec.italic = style.Contains(fsItalic);
    spec.underline = style.Contains(fsUnderline);
    spec.strikeOut = style.Contains(fsStrikeOut);
    spec.escapement = font.GetOrientation();
    spec.antialias = antialias && font.GetQuality() != fqNonAntialiased;
    return spec;
}

// True when a paint's pixels do not depend on what lies below them.
bool Opaque(const Paint& p) { return p.keepBits == 0 && p.hatch == nullptr; }
// True when painting a pixel twice leaves it as painting it once (no bit is inverted).
bool Idempotent(const Paint& p) { return (p.xorBits & p.keepBits) == 0; }

// Everything a drawing call needs, resolved once per call.
class DrawContext {
public:
    explicit DrawContext(const TCanvas& canvas)
        : canvas_(canvas), surface_(graphics::SurfaceAccess::Of(canvas)),
          origin_(canvas.GetOrigin()) {}

    bool Drawable() const { return surface_.Drawable(); }
    const Surface& Target() const { return surface_; }
    // Logical coordinates may be any int: past the int range the device ones saturate,
    // which keeps them off the surface.
    TPoint Device(int x, int y) const { return TPoint(SatAdd(x, origin_.X), SatAdd(y, origin_.Y)); }
    TPoint Device(TPoint p) const { return Device(p.X, p.Y); }
    TRect Device(const TRect& r) const { return SatOffset(r, origin_.X, origin_.Y); }
    SpanSet NewSet() const { return SpanSet(surface_.clip); }
    // A set that paints what it is given at once.
    SpanSet Painter(const Paint& paint) const { return SpanSet(surface_.clip, surface_, paint); }

    TPen& Pen() const { return *canvas_.GetPen(); }
    TBrush& Brush() const { return *canvas_.GetBrush(); }
    int Rop2() const { return Rop2Of(Pen().GetMode()); }
    bool PenVisible() const { return Pen().GetStyle() != psClear; }
    int PenWidth() const { return std::max(1, Pen().GetWidth()); }
    bool WidePen() const { return PenWidth() > 1; }
    bool BrushVisible() const { return Brush().GetStyle() != bsClear; }
    // The framework's background mode comes from the brush: solid means opaque.
    bool OpaqueBackground() const { return Brush().GetStyle() == bsSolid; }

    std::uint32_t Value(TColor c) const { return surface_.Encode(ColorToRGB(c) & 0xFFFFFF); }
    Paint PenPaint() const { return Paint::Make(surface_, Value(Pen().GetColor()), Rop2()); }
    Paint BrushPaint(int rop2) const {
        Paint p = Paint::Make(surface_, Value(Brush().GetColor()), rop2);
        p.hatch = HatchOf(Brush().GetStyle());
        return p;
    }
    Paint GapPaint() const { return Paint::Make(surface_, Value(Brush().GetColor()), Rop2()); }
    const raster::DashPattern* Dash() const {
        return WidePen() ? nullptr : raster::DashFor(Pen().GetStyle());
    }

    // Whether the pen's pixels may be painted as they are found, after the interior: they
    // replace what lies below, and there are no painted dash gaps for them to win over.
    bool DirectPen() const {
        return !PenVisible() || (Opaque(PenPaint()) && !(Dash() != nullptr && OpaqueBackground()));
    }

    // A cosmetic stroke for this pen; gaps of dashed pens take the background when opaque.
    CosmeticStroke Stroke() {
        pen_ = PenPaint();
        gap_ = GapPaint();
        return CosmeticStroke(surface_, pen_, Dash(), OpaqueBackground() ? &gap_ : nullptr);
    }

private:
    const TCanvas& canvas_;
    Surface surface_;
    TPoint origin_;
    Paint pen_, gap_;
};

// Paints an outline and interior made of pixel sets, each pixel once: the interior with
// the brush, the outline with the pen (and the dash gaps with the background).
void PaintShape(DrawContext& dc, SpanSet& fill, SpanSet& on, SpanSet& off) {
    const Paint pen = dc.PenPaint();
    if (Opaque(pen) && (off.Empty() || (dc.OpaqueBackground() && Opaque(dc.GapPaint())))) {
        // Pen and gap pixels replace whatever lies below them, so painting the layers one
        // over the other leaves the same pixels as painting each pixel once.
        if (dc.BrushVisible()) fill.PaintOn(dc.Target(), dc.BrushPaint(dc.Rop2()));
        if (dc.OpaqueBackground()) off.PaintOn(dc.Target(), dc.GapPaint());
        on.PaintOn(dc.Target(), pen);
        return;
    }
    fill.Subtract(on);
    fill.Subtract(off);
    off.Subtract(on);
    if (dc.BrushVisible()) fill.PaintOn(dc.Target(), dc.BrushPaint(dc.Rop2()));
    on.PaintOn(dc.Target(), dc.PenPaint());
    if (dc.OpaqueBackground()) off.PaintOn(dc.Target(), dc.GapPaint());
}

// Collects a closed cosmetic outline along loop (pixels in drawing order).
void CollectLoop(DrawContext& dc, const std::vector<TPoint>& loop, SpanSet& on, SpanSet& off) {
    CosmeticStroke stroke = dc.Stroke();
    stroke.CollectInto(&on, &off);
    for (TPoint p : loop) stroke.Pixel(p.X, p.Y);
}

enum class BoxShape { Rectangle, RoundRect, Ellipse };

}  // namespace

// ---- construction and state --------------------------------------------------------------

TCanvas::TCanvas()
    : pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()),
      font_(std::make_unique<TFont>()) {}

TCanvas::TCanvas(TBitmap* Surface) : TCanvas() { surface_ = Surface; }

TCanvas::~TCanvas() = default;

void TCanvas::SetSurface(TBitmap* Surface) { surface_ = Surface; }

int TCanvas::SetStretchBltMode(int Mode) {
    if (Mode < BLACKONWHITE || Mode > HALFTONE) return 0;
    const int previous = stretchMode_;
    stretchMode_ = Mode;
    return previous;
}

TRect TCanvas::GetClipRect() const {
    if (hasClip_) return clip_;
    if (surface_ == nullptr) return TRect();
    TRect r(0, 0, surface_->GetWidth(), surface_->GetHeight());
    r.Offset(-origin_.X, -origin_.Y);
    return r;
}

void TCanvas::SetClipRect(const TRect& Value) {
    clip_ = Value;
    hasClip_ = true;
}

void TCanvas::ResetClipRect() {
    hasClip_ = false;
    clip_ = TRect();
}

void TCanvas::Changed() {
    if (FOnChange) FOnChange(this);
}

// ---- lines -------------------------------------------------------------------------------

void TCanvas::MoveTo(int X, int Y) { penPos_ = TPoint(X, Y); }

void TCanvas::LineTo(int X, int Y) {
    const TPoint points[] = {penPos_, TPoint(X, Y)};
    Polyline(points);
    penPos_ = TPoint(X, Y);
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
    if (!Points.empty()) penPos_ = Points.back();
    DrawContext dc(*this);
    if (!dc.Drawable() || Points.size() < 2 || !dc.PenVisible()) return;
    raster::Scratch<TPoint> scratch;
    std::vector<TPoint>& device = *scratch;
    for (TPoint p : Points) device.push_back(dc.Device(p));
    if (dc.WidePen()) {
        // Bands and end discs overlap: collected first unless painting twice is painting once.
        const Paint pen = dc.PenPaint();
        SpanSet band = Idempotent(pen) ? dc.Painter(pen) : dc.NewSet();
        raster::AddWidePolyline(band, device, dc.PenWidth(), false);
        band.PaintOn(dc.Target(), pen);
    } else {
        // Segments are drawn one after the other, so pixels where they cross mix twice.
        CosmeticStroke stroke = dc.Stroke();
        for (std::size_t i = 0; i + 1 < device.size(); ++i) stroke.Line(device[i], device[i + 1]);
    }
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
    DrawContext dc(*this);
    if (!dc.Drawable() || Points.empty()) return;
    raster::Scratch<TPoint> scratch;
    std::vector<TPoint>& device = *scratch;
    for (TPoint p : Points) device.push_back(dc.Device(p));

    if (dc.DirectPen()) {
        // The fill's spans never overlap, and the pen covers it: both are painted at once.
        if (dc.BrushVisible()) {
            SpanSet fill = dc.Painter(dc.BrushPaint(dc.Rop2()));
            raster::AddPolygon(fill, device, false);
        }
        if (dc.PenVisible()) {
            if (dc.WidePen()) {
                SpanSet on = dc.Painter(dc.PenPaint());
                raster::AddWidePolyline(on, device, dc.PenWidth(), true);
            } else {
                CosmeticStroke stroke = dc.Stroke();
                for (std::size_t i = 0; i < device.size(); ++i)
                    stroke.Line(device[i], device[(i + 1) % device.size()]);
                if (device.size() == 1) stroke.Pixel(device[0].X, device[0].Y);
            }
        }
        Changed();
        return;
    }

    SpanSet fill = dc.NewSet(), on = dc.NewSet(), off = dc.NewSet();
    if (dc.BrushVisible()) raster::AddPolygon(fill, device, false);
    if (dc.PenVisible()) {
        if (dc.WidePen()) {
            raster::AddWidePolyline(on, device, dc.PenWidth(), true);
        } else {
            CosmeticStroke stroke = dc.Stroke();
            stroke.CollectInto(&on, &off);
            for (std::size_t i = 0; i < device.size(); ++i)
                stroke.Line(device[i], device[(i + 1) % device.size()]);
            if (device.size() == 1) stroke.Pixel(device[0].X, device[0].Y);
        }
    }
    PaintShape(dc, fill, on, off);
    Changed();
}

// ---- box shapes --------------------------------------------------------------------------

namespace {

void DrawBox(DrawContext& dc, BoxShape shape, TRect box, int ew, int eh) {
    if (box.IsEmpty() || !dc.Drawable()) return;
    const int w = dc.PenWidth();
    if (dc.Pen().GetStyle() == psInsideFrame && w > 1) {
        box = TRect(box.Left + w / 2, box.Top + w / 2, box.Right - (w - 1) / 2, box.Bottom - (w - 1) / 2);
        if (box.IsEmpty()) return;
    }
    if (shape == BoxShape::Ellipse) {
        ew = box.Width();
        eh = box.Height();
    } else if (shape == BoxShape::Rectangle) {
        ew = eh = 0;
    }

    // Boxes without rounded corners (as AddRoundRect decides) are painted as rectangles:
    // the interior with the brush and every pixel of a one-pixel solid frame once with the pen.
    auto square = [ew, eh](const TRect& b) {
        return std::min<std::int64_t>(std::max(ew, 0), std::int64_t(b.Right) - b.Left) <= 2 ||
               std::min<std::int64_t>(std::max(eh, 0), std::int64_t(b.Bottom) - b.Top) <= 2;
    };
    const Surface& target = dc.Target();
    if (!dc.PenVisible()) {
        const TRect inner(box.Left, box.Top, box.Right - 1, box.Bottom - 1);
        if (square(inner)) {
            if (!inner.IsEmpty() && dc.BrushVisible()) raster::FillRectangle(target, inner, dc.BrushPaint(dc.Rop2()));
            return;
        }
    } else if (w == 1 && dc.Dash() == nullptr && square(box)) {
        if (dc.BrushVisible())
            raster::FillRectangle(target, TRect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1),
                                  dc.BrushPaint(dc.Rop2()));
        const Paint pen = dc.PenPaint();
        raster::FillRectangle(target, TRect(box.Left, box.Top, box.Right, box.Top + 1), pen);
        if (box.Bottom - 1 > box.Top)
            raster::FillRectangle(target, TRect(box.Left, box.Bottom - 1, box.Right, box.Bottom), pen);
        raster::FillRectangle(target, TRect(box.Left, box.Top + 1, box.Left + 1, box.Bottom - 1), pen);
        if (box.Right - 1 > box.Left)
            raster::FillRectangle(target, TRect(box.Right - 1, box.Top + 1, box.Right, box.Bottom - 1), pen);
        return;
    }

    // Thin outlines over fills that may be painted twice: the interior and then the outline
    // are painted as they are found.
    const bool brushTwice = !dc.BrushVisible() || Idempotent(dc.BrushPaint(dc.Rop2()));
    if (brushTwice && dc.DirectPen() && (!dc.PenVisible() || w == 1)) {
        if (!dc.PenVisible()) {
            const TRect inner(box.Left, box.Top, box.Right - 1, box.Bottom - 1);
            if (!inner.IsEmpty() && dc.BrushVisible()) {
                SpanSet fill = dc.Painter(dc.BrushPaint(dc.Rop2()));
                raster::AddRoundRect(nullptr, &fill, inner, ew, eh);
            }
            return;
        }
        if (dc.BrushVisible()) {
            SpanSet fill = dc.Painter(dc.BrushPaint(dc.Rop2()));
            raster::AddRoundRect(nullptr, &fill, box, ew, eh);
        }
        if (dc.Dash() == nullptr) {
            SpanSet on = dc.Painter(dc.PenPaint());
            raster::AddRoundRect(&on, nullptr, box, ew, eh);
        } else {
            CosmeticStroke stroke = dc.Stroke();
            for (TPoint p : raster::RoundRectLoop(box, ew, eh)) stroke.Pixel(p.X, p.Y);
        }
        return;
    }

    SpanSet fill = dc.NewSet(), on = dc.NewSet(), off = dc.NewSet();
    if (!dc.PenVisible()) {
        // Without a pen the brush covers one pixel less to the right and bottom.
        const TRect inner(box.Left, box.Top, box.Right - 1, box.Bottom - 1);
        if (!inner.IsEmpty()) raster::AddRoundRect(nullptr, &fill, inner, ew, eh);
    } else if (w == 1) {
        raster::AddRoundRect(dc.Dash() ? nullptr : &on, &fill, box, ew, eh);
        if (dc.Dash()) CollectLoop(dc, raster::RoundRectLoop(box, ew, eh), on, off);
    } else if (shape == BoxShape::Rectangle) {
        const TPoint corners[] = {{box.Left, box.Top}, {box.Right - 1, box.Top},
                                  {box.Right - 1, box.Bottom - 1}, {box.Left, box.Bottom - 1}};
        raster::AddWidePolyline(on, corners, w, true);
        fill.AddRect(TRect(box.Left, box.Top, box.Right - 1, box.Bottom - 1));
    } else {
        // A wide outline is the ring between the shape grown and shrunk by the pen.
        const TRect outer(box.Left - w / 2, box.Top - w / 2, box.Right - 1 + (w + 1) / 2,
                          box.Bottom - 1 + (w + 1) / 2);
        const TRect inner(box.Left + (w + 1) / 2, box.Top + (w + 1) / 2, box.Right - 1 - w / 2,
                          box.Bottom - 1 - w / 2);
        const bool ellipse = shape == BoxShape::Ellipse;
        raster::AddRoundRect(nullptr, &on, outer, ellipse ? outer.Width() : ew + w - 1,
                             ellipse ? outer.Height() : eh + w - 1);
        if (!inner.IsEmpty()) {
            SpanSet hole = dc.NewSet();
            raster::AddRoundRect(nullptr, &hole, inner, ellipse ? inner.Width() : ew - w + 1,
                                 ellipse ? inner.Height() : eh - w + 1);
            on.Subtract(hole);
            fill.Add(hole);
        }
    }
    PaintShape(dc, fill, on, off);
}

enum class ArcShape { Arc, Pie, Chord };

void DrawArc(DrawContext& dc, ArcShape shape, TRect box, TPoint start, TPoint end) {
    if (box.IsEmpty() || !dc.Drawable()) return;
    const int w = dc.PenWidth();
    if (dc.Pen().GetStyle() == psInsideFrame && w > 1) {
        box = TRect(box.Left + w / 2, box.Top + w / 2, box.Right - (w - 1) / 2, box.Bottom - (w - 1) / 2);
        if (box.IsEmpty()) return;
    }
    const TPoint center(box.Left + box.Width() / 2, box.Top + box.Height() / 2);
    const TPoint rs(start.X - center.X, start.Y - center.Y), re(end.X - center.X, end.Y - center.Y);
    const bool full = Cross(rs, re) == 0 && Dot(rs, re) >= 0;
    TRect near = dc.Target().clip;
    near.Inflate(w + 2, w + 2);
    const bool figureNeeded = (shape != ArcShape::Arc && dc.BrushVisible()) || (dc.PenVisible() && dc.WidePen());

    // The closed figure: the arc's pixels from the start ray to the end ray (counter-
    // clockwise), the pixel where the end ray meets the outline, and for pies the centre.
    // Parts far outside the clip are reduced to straight runs. A one-pixel pen walks the
    // arc's pixels themselves.
    raster::Scratch<TPoint> path;
    raster::PathReducer reducer(near, *path);
    TPoint arcStart, arcEnd;
    std::vector<TPoint> penPixels;
    const bool dashed = dc.PenVisible() && dc.Dash() != nullptr;
    std::optional<raster::EllipseOutline> stored;
    std::size_t s = 0, count = 0;
    if (dashed || raster::EllipseWalk::Small(box)) {
        // Dash patterns count every pixel from the arc's start: the whole loop is kept.
        stored.emplace(box);
        const raster::EllipseOutline& outline = *stored;
        const std::size_t n = outline.Size();
        if (n == 0) return;
        s = outline.RayIndex(center, start);
        std::size_t e = outline.RayIndex(center, end);
        count = full ? n : (e + n - s) % n;
        if (full) e = s;
        arcStart = outline.At(s);
        arcEnd = outline.At(e);
        if (figureNeeded) outline.Visit(s, count, [&](TPoint p) { reducer.Add(p); });
    } else {
        // A large ellipse is walked near the clip only.
        const raster::EllipseWalk walk(box);
        const auto from = walk.RayPosition(center, start);
        const auto to = full ? from : walk.RayPosition(center, end);
        arcStart = walk.At(from);
        arcEnd = walk.At(to);
        if (figureNeeded)
            for (TPoint p : walk.Near(from, to, full, near)) reducer.Add(p);
        if (dc.PenVisible() && !dc.WidePen()) penPixels = walk.Inside(from, to, full, dc.Target().clip);
    }
    if (figureNeeded) {
        reducer.Add(arcEnd);
        if (shape == ArcShape::Pie) reducer.Add(center);
    }
    const std::vector<TPoint>& figure = reducer.Points();

    // With a pen that may be painted as it is found, the fill (whose spans never overlap)
    // and then the outline are painted at once; otherwise both are collected first.
    const bool direct = dc.DirectPen();
    SpanSet fill = direct && dc.BrushVisible() ? dc.Painter(dc.BrushPaint(dc.Rop2())) : dc.NewSet();
    SpanSet on = direct ? dc.Painter(dc.PenPaint()) : dc.NewSet();
    SpanSet off = dc.NewSet();
    if (shape != ArcShape::Arc && dc.BrushVisible()) raster::AddPolygon(fill, figure, true);
    if (dc.PenVisible()) {
        if (dc.WidePen()) {
            raster::AddWidePolyline(on, figure, w, shape != ArcShape::Arc);
        } else {
            CosmeticStroke stroke = dc.Stroke();
            if (!direct) stroke.CollectInto(&on, &off);
            if (stored) {
                stored->Visit(s, count, [&](TPoint p) { stroke.Pixel(p.X, p.Y); });
            } else {
                for (TPoint p : penPixels) stroke.Pixel(p.X, p.Y);
            }
            if (shape == ArcShape::Pie) {
                stroke.Line(arcEnd, center);
                stroke.Line(center, arcStart);
            } else if (shape == ArcShape::Chord) {
                stroke.Line(arcEnd, arcStart);
            }
        }
    }
    if (direct) return;
    if (shape == ArcShape::Arc) {
        if (!Opaque(dc.PenPaint())) off.Subtract(on);   // an opaque pen covers the gaps anyway
        if (dc.OpaqueBackground()) off.PaintOn(dc.Target(), dc.GapPaint());
        on.PaintOn(dc.Target(), dc.PenPaint());
        return;
    }
    PaintShape(dc, fill, on, off);
}

}  // namespace

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    DrawContext dc(*this);
    DrawBox(dc, BoxShape::Rectangle, dc.Device(Normalized(X1, Y1, X2, Y2)), 0, 0);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    DrawContext dc(*this);
    DrawBox(dc, BoxShape::RoundRect, dc.Device(Normalized(X1, Y1, X2, Y2)), std::abs(X3), std::abs(Y3));
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    DrawContext dc(*this);
    DrawBox(dc, BoxShape::Ellipse, dc.Device(Normalized(X1, Y1, X2, Y2)), 0, 0);
    Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    DrawContext dc(*this);
    DrawArc(dc, ArcShape::Arc, dc.Device(Normalized(X1, Y1, X2, Y2)), dc.Device(X3, Y3), dc.Device(X4, Y4));
    Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    DrawContext dc(*this);
    DrawArc(dc, ArcShape::Pie, dc.Device(Normalized(X1, Y1, X2, Y2)), dc.Device(X3, Y3), dc.Device(X4, Y4));
    Changed();
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    DrawContext dc(*this);
    DrawArc(dc, ArcShape::Chord, dc.Device(Normalized(X1, Y1, X2, Y2)), dc.Device(X3, Y3), dc.Device(X4, Y4));
    Changed();
}

// ---- rectangles with the brush alone -------------------------------------------------------

void TCanvas::FillRect(const TRect& R) {
    DrawContext dc(*this);
    if (!dc.Drawable() || !dc.BrushVisible()) return;
    raster::FillRectangle(dc.Target(), dc.Device(R), dc.BrushPaint(raster::R2_COPYPEN));
    Changed();
}

void TCanvas::FrameRect(const TRect& R) {
    DrawContext dc(*this);
    if (!dc.Drawable() || !dc.BrushVisible() || R.IsEmpty()) return;
    SpanSet frame = dc.NewSet();
    raster::AddRoundRect(&frame, nullptr, dc.Device(R), 0, 0);
    frame.PaintOn(dc.Target(), dc.BrushPaint(raster::R2_COPYPEN));
    Changed();
}

void TCanvas::InvertRect(const TRect& R) {
    DrawContext dc(*this);
    if (!dc.Drawable()) return;
    raster::FillRectangle(dc.Target(), dc.Device(R), Paint::Invert(dc.Target()));
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R) {
    DrawContext dc(*this);
    if (!dc.Drawable() || R.IsEmpty()) return;
    SpanSet frame = dc.NewSet();
    raster::AddRoundRect(&frame, nullptr, dc.Device(R), 0, 0);
    Paint dots = Paint::Invert(dc.Target());
    dots.hatch = kChecker;   // every second pixel, so drawing twice restores the frame
    frame.PaintOn(dc.Target(), dots);
    Changed();
}

// ---- pixels and flood fill -----------------------------------------------------------------

TColor TCanvas::GetPixels(int X, int Y) const {
    DrawContext dc(*this);
    const TPoint p = dc.Device(X, Y);
    if (!dc.Drawable() || !dc.Target().clip.Contains(p)) return CLR_INVALID;
    return dc.Target().Decode(dc.Target().Get(p.X, p.Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
    DrawContext dc(*this);
    if (!dc.Drawable()) return;
    const TPoint p = dc.Device(X, Y);
    raster::PlotPixel(dc.Target(), p.X, p.Y, Paint::Make(dc.Target(), dc.Value(Color), dc.Rop2()));
    Changed();
}

bool TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
    DrawContext dc(*this);
    if (!dc.Drawable()) return false;
    const TPoint p = dc.Device(X, Y);
    SpanSet area = dc.NewSet();
    if (!raster::CollectFloodArea(dc.Target(), p.X, p.Y, dc.Value(Color), FillStyle == fsSurface, area))
        return false;
    if (dc.BrushVisible()) area.PaintOn(dc.Target(), dc.BrushPaint(dc.Rop2()));
    Changed();
    return true;
}

// ---- text --------------------------------------------------------------------------------

namespace {

// Draws one line of text on the canvas surface inside clip (device pixels) and returns its
// width. Palette and 16-bit surfaces are drawn through a 32-bit copy of the affected
// pixels, without smoothing as on palette devices.
int DrawTextLine(const Surface& s, const TRect& clip, const text::FontSpec& font, int x, int y,
                 const std::string& utf8, TColor color, TColor background) {
    text::TextEngine& engine = text::TextEngine::Instance();
    if (clip.IsEmpty()) return engine.Extent(font, utf8).cx;
    if (s.Direct()) {
        text::Target target{s.top, s.width, s.height, int(s.stride), s.bpp, clip};
        return engine.Draw(target, font, x, y, utf8, color, background);
    }
    const int w = clip.Width(), h = clip.Height();
    std::vector<std::uint32_t> copy(std::size_t(w) * std::size_t(h));
    for (int row = 0; row < h; ++row) {
        std::uint32_t* line = &copy[std::size_t(row) * w];
        s.ReadValues(clip.Top + row, clip.Left, w, line);
        for (int i = 0; i < w; ++i) line[i] = raster::RgbToBgrValue(s.Decode(line[i]));
    }
    const std::vector<std::uint32_t> before = copy;
    text::FontSpec mono = font;
    mono.antialias = false;
    text::Target target{reinterpret_cast<std::uint8_t*>(copy.data()), w, h, w * 4, 32, TRect(0, 0, w, h)};
    const int width = engine.Draw(target, mono, x - clip.Left, y - clip.Top, utf8, color, background);
    for (int row = 0; row < h; ++row)
        for (int i = 0; i < w; ++i) {
            const std::size_t k = std::size_t(row) * w + i;
            if ((copy[k] & 0xFFFFFF) != (before[k] & 0xFFFFFF))
                s.Put(clip.Left + i, clip.Top + row, s.Encode(raster::BgrValueToRgb(copy[k] & 0xFFFFFF)));
        }
    return width;
}

}  // namespace

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
    DrawContext dc(*this);
    if (!dc.Drawable()) {
        penPos_ = TPoint(SatAdd(X, TextWidth(Text)), Y);
        return;
    }
    const TPoint p = dc.Device(X, Y);
    const TColor background = dc.OpaqueBackground() ? ColorToRGB(brush_->GetColor()) & 0xFFFFFF : clNone;
    const int width = DrawTextLine(dc.Target(), dc.Target().clip, SpecOf(*font_, true), p.X, p.Y, Text,
                                   ColorToRGB(font_->GetColor()) & 0xFFFFFF, background);
    Changed();
    penPos_ = TPoint(SatAdd(X, width), Y);
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const std::string& Text) {
    DrawContext dc(*this);
    if (!dc.Drawable()) return;
    const TRect clip = IntersectRect(dc.Target().clip, dc.Device(Rect));
    if (clip.IsEmpty()) return;
    if (dc.BrushVisible())
        raster::FillRectangle(dc.Target(), clip, Paint::Make(dc.Target(), dc.Value(brush_->GetColor()), raster::R2_COPYPEN));
    const TPoint p = dc.Device(X, Y);
    DrawTextLine(dc.Target(), clip, SpecOf(*font_, true), p.X, p.Y, Text,
                 ColorToRGB(font_->GetColor()) & 0xFFFFFF, clNone);
    Changed();
}

TSize TCanvas::TextExtent(const std::string& Text) {
    return text::TextEngine::Instance().Extent(SpecOf(*font_, true), Text);
}

int TCanvas::TextWidth(const std::string& Text) { return TextExtent(Text).cx; }

int TCanvas::TextHeight(const std::string& Text) { return TextExtent(Text).cy; }

// ---- bitmaps -----------------------------------------------------------------------------

namespace {

// The one blit path of the canvas: CopyRect, BitBlt/StretchBlt, Draw and StretchDraw all
// come here. (x, y, w, h) is in logical coordinates of dst, (sx, sy, sw, sh) in pixels of
// src. The pattern of the raster operation is the destination's brush colour.
void BlitOnto(TCanvas& dst, int x, int y, int w, int h, const Surface* src, int sx, int sy, int sw,
              int sh, raster::BlitOptions o) {
    DrawContext dc(dst);
    if (!dc.Drawable()) return;
    o.pattern = ColorToRGB(dst.GetBrush()->GetColor()) & 0xFFFFFF;
    const TPoint d = dc.Device(x, y);
    raster::StretchBits(dc.Target(), d.X, d.Y, w, h, src, sx, sy, sw, sh, o);
}

// Draw and StretchDraw: the whole bitmap into dest through the canvas's copy mode.
void DrawBitmap(TCanvas& canvas, const TRect& dest, TBitmap* graphic, int stretchMode) {
    if (graphic == nullptr || graphic->Empty()) return;
    const Surface src = graphics::SurfaceAccess::Of(*graphic);
    raster::BlitOptions o;
    o.rop = canvas.GetCopyMode();
    o.stretchMode = stretchMode;
    o.sourceBackground = ColorToRGB(graphic->GetCanvas()->GetBrush()->GetColor()) & 0xFFFFFF;
    if (graphic->GetTransparent()) o.transparent = ColorToRGB(graphic->GetTransparentColor()) & 0xFFFFFF;
    BlitOnto(canvas, dest.Left, dest.Top, dest.Width(), dest.Height(), &src, 0, 0, graphic->GetWidth(),
             graphic->GetHeight(), o);
}

}  // namespace

void TCanvas::Draw(int X, int Y, TBitmap* Graphic) {
    if (Graphic == nullptr) return;
    DrawBitmap(*this, Bounds(X, Y, Graphic->GetWidth(), Graphic->GetHeight()), Graphic, COLORONCOLOR);
    Changed();
}

void TCanvas::StretchDraw(const TRect& Rect, TBitmap* Graphic) {
    DrawBitmap(*this, Rect, Graphic, stretchMode_ == HALFTONE ? HALFTONE : COLORONCOLOR);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
    graphics::SurfaceAccess::Blit(*this, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas,
                                  Source.Left, Source.Top, Source.Width(), Source.Height(), copyMode_);
}

// ---- surface access ------------------------------------------------------------------------

namespace graphics {

Surface SurfaceAccess::Of(const TCanvas& canvas) {
    if (canvas.surface_ == nullptr) return Surface();
    Surface s = Of(*canvas.surface_);
    if (canvas.hasClip_) {
        TRect clip = canvas.clip_;
        clip.Offset(canvas.origin_.X, canvas.origin_.Y);
        s.clip = IntersectRect(s.clip, clip);
    }
    return s;
}

bool SurfaceAccess::Blit(TCanvas& dst, int x, int y, int w, int h, TCanvas* src, int sx, int sy,
                         int sw, int sh, DWORD rop) {
    const bool noSource = src == nullptr || src->surface_ == nullptr;
    if (noSource && raster::RopUsesSource(rop)) return false;
    raster::BlitOptions o;
    o.rop = rop;
    o.stretchMode = dst.stretchMode_;
    // A black and white source takes the destination's text (0 bits) and brush (1 bits) colours.
    o.monoForeground = ColorToRGB(dst.font_->GetColor()) & 0xFFFFFF;
    o.monoBackground = ColorToRGB(dst.brush_->GetColor()) & 0xFFFFFF;
    if (noSource) {
        BlitOnto(dst, x, y, w, h, nullptr, 0, 0, 0, 0, o);
    } else {
        const Surface source = Of(*src->surface_);
        o.sourceBackground = ColorToRGB(src->brush_->GetColor()) & 0xFFFFFF;
        BlitOnto(dst, x, y, w, h, &source, sx + src->origin_.X, sy + src->origin_.Y, sw, sh, o);
    }
    dst.Changed();
    return true;
}

}  // namespace graphics

}  // namespace vcl
