// Blits: copying and scaling pixels between surfaces through ternary raster operations.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/graphics/Colors.h"
#include "platform/graphics/raster/Surface.h"

namespace vcl::raster {

// Result of the ternary raster operation rop (bits 16..23 are its truth table over
// pattern, source and destination) applied bit-wise to pixel values.
std::uint32_t Rop3(std::uint32_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d);
bool RopUsesSource(std::uint32_t rop);
bool RopUsesPattern(std::uint32_t rop);

struct BlitOptions {
    std::uint32_t rop = 0x00CC0020;        // SRCCOPY
    int stretchMode = 1;                    // BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE
    TColor pattern = 0xFFFFFF;              // brush colour of the destination (fixed colour)
    // A two-colour black and white source is drawn with these colours (0 bits, 1 bits);
    // unset keeps its palette.
    std::optional<TColor> monoForeground, monoBackground;
    // A colour source drawn onto a black and white destination: pixels of this colour
    // become white (1), all others black.
    TColor sourceBackground = 0xFFFFFF;
    // Source pixels of this colour leave the destination unchanged.
    std::optional<TColor> transparent;
};

// Copies src rectangle (sx, sy, sw, sh) onto dst rectangle (dx, dy, dw, dh) in device
// coordinates, scaling as needed. A negative size covers [x + size, x) and mirrors that
// axis. Only pixels inside dst.clip change; source pixels outside the source surface
// leave their destination pixels alone. src may be null for operations without a source.
void StretchBits(const Surface& dst, int dx, int dy, int dw, int dh, const Surface* src, int sx,
                 int sy, int sw, int sh, const BlitOptions& options);

// True for a 1-bit surface whose palette is black then white.
bool IsMonochrome(const Surface& s);

}  // namespace vcl::raster
