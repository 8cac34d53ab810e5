// The paint buffer: a bitmap over the visible region of an area (or over the whole area, for a
// picture kept between paints that can hold it), shifted to the target's coordinates.
#include "platform/graphics/PaintBuffer.h"

#include <algorithm>
#include <cstdint>

namespace vcl {

namespace {

// The largest multiple of 8 not above V (V >= 0).
std::int64_t Floor8(std::int64_t V) { return V - V % 8; }

}  // namespace

TRect TPaintBuffer::VisiblePart(const TCanvas& Target, const TRect& Area) {
    TRect vis = IntersectRect(Target.GetClipRect(), Area);
    if (vis.IsEmpty() || Area.IsEmpty()) return TRect();
    vis.Left = int(Area.Left + Floor8(std::int64_t(vis.Left) - Area.Left));
    vis.Top = int(Area.Top + Floor8(std::int64_t(vis.Top) - Area.Top));
    return vis;
}

TPaintBuffer::TPaintBuffer(TCanvas* Target, const TRect& Area)
    : target_(Target), own_(std::make_unique<TBitmap>()), bitmap_(own_.get()) {
    Place(VisiblePart(*Target, Area));
}

TPaintBuffer::TPaintBuffer(TCanvas* Target, const TRect& Area, TBitmap* Picture)
    : target_(Target), bitmap_(Picture) {
    const bool whole = !Area.IsEmpty() && TBitmap::CanHold(Area.Width(), Area.Height());
    Place(whole ? Area : VisiblePart(*Target, Area));
}

void TPaintBuffer::Place(const TRect& Bounds) {
    bounds_ = Bounds.IsEmpty() ? TRect() : Bounds;
    const int w = bounds_.Width(), h = bounds_.Height();
    if (bitmap_->GetWidth() != w || bitmap_->GetHeight() != h) bitmap_->SetSize(w, h);
    TCanvas* c = bitmap_->GetCanvas();
    savedOrigin_ = c->GetOrigin();
    c->SetOrigin(TPoint(-bounds_.Left, -bounds_.Top));
}

TPaintBuffer::~TPaintBuffer() { bitmap_->GetCanvas()->SetOrigin(savedOrigin_); }

void TPaintBuffer::Show() {
    if (!Empty()) target_->Draw(bounds_.Left, bounds_.Top, bitmap_);
}

}  // namespace vcl
