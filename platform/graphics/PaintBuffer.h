// TPaintBuffer: an off-screen picture of an area of a canvas, no larger than what the
// canvas can show.
//
//   {
//       TPaintBuffer buffer(Canvas, Rect(0, 0, Width, Height));
//       Render(buffer.GetCanvas());         // draws in Canvas's own coordinates
//       buffer.Show();                      // one Draw onto Canvas at the buffer's place
//   }
//
// The bitmap covers the area's overlap with the canvas's clip rectangle, so an area of any
// size composes in a bitmap of the visible size; a region the canvas cannot show is not
// composed. Its canvas is shifted so that drawing in the target's coordinates lands where
// it would in a bitmap of the whole area. The overlap's left and top edges are widened to a
// multiple of 8 pixels from the area's corner, so hatched brushes (aligned to the bitmap's
// pixels) keep the pattern phase of a whole-area bitmap: the pixels shown are those a
// whole-area bitmap would show. A buffer whose area is not visible has a 0 x 0 bitmap: its
// canvas takes every drawing call and draws nothing.
//
// Given a picture kept between paints, the buffer composes in it: over the whole area
// when a bitmap can hold that many pixels, otherwise over the visible region as above. The
// picture is resized only when its size changes; its canvas's origin is restored when the
// buffer goes.
#pragma once

#include <memory>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

class TPaintBuffer {
public:
    // Composes in a fresh bitmap (white, with a fresh canvas's pen, brush and font).
    TPaintBuffer(TCanvas* Target, const TRect& Area);
    // Composes in Picture, which outlives the buffer.
    TPaintBuffer(TCanvas* Target, const TRect& Area, TBitmap* Picture);
    ~TPaintBuffer();
    TPaintBuffer(const TPaintBuffer&) = delete;
    TPaintBuffer& operator=(const TPaintBuffer&) = delete;

    // Drawing in the target's logical coordinates.
    TCanvas* GetCanvas() const { return bitmap_->GetCanvas(); }
    TBitmap* GetBitmap() const { return bitmap_; }
    // The region of the area the bitmap holds, in the target's coordinates: bitmap pixel
    // (x, y) is target point (Left + x, Top + y).
    const TRect& GetBounds() const { return bounds_; }
    bool Empty() const { return bounds_.IsEmpty(); }
    // Draws the bitmap onto the target at its place, through the target's copy mode.
    void Show();

    // The region of Area a buffer on Target composes: Area within Target's clip rectangle,
    // its left and top widened to a multiple of 8 from Area's corner (an empty rectangle
    // when nothing of Area is visible).
    static TRect VisiblePart(const TCanvas& Target, const TRect& Area);

private:
    void Place(const TRect& Bounds);

    TCanvas* target_;
    std::unique_ptr<TBitmap> own_;
    TBitmap* bitmap_;
    TRect bounds_;
    TPoint savedOrigin_;
};

}  // namespace vcl
