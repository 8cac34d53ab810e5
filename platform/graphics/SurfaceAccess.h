// How the canvas and the Win32-style calls reach a bitmap's pixels and a canvas's state.
#pragma once

#include "platform/core/WinTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/raster/Surface.h"

namespace vcl::graphics {

struct SurfaceAccess {
    // The whole bitmap as a drawing surface (clip = the bitmap); not drawable when empty.
    static raster::Surface Of(TBitmap& bitmap);
    // The canvas's surface with its clip in device pixels.
    static raster::Surface Of(const TCanvas& canvas);
    static void Changed(TBitmap& bitmap) { bitmap.Changed(); }
    static void Changed(TCanvas& canvas) { canvas.Changed(); }

    // Copies source (logical coordinates of src) onto dest (logical coordinates of dst)
    // through rop, scaling with the destination's stretch mode. Negative sizes mirror.
    static bool Blit(TCanvas& dst, int x, int y, int w, int h, TCanvas* src, int sx, int sy,
                     int sw, int sh, DWORD rop);
};

}  // namespace vcl::graphics
