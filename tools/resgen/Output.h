// From painted rasters to the package's bitmap files: glyph sheets, the transparent key
// colour, palettes for the 1, 4 and 8 bit formats, and BMP writing through TBitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/resgen/Painter.h"

namespace resgen {

// The transparent key colour of the glyph sheets (red 235, green 190, blue 235).
inline constexpr unsigned kKeyRGB = 0xEBBEEB;
// Edges are smoothed against the usual button face, on which glyphs are shown.
inline constexpr unsigned kGroundRGB = 0xF0F0F0;

// An image as 0xRRGGBB values, row by row from the top.
struct Pixels {
    int w = 0, h = 0;
    std::vector<unsigned> rgb;
};

// Composites the raster on Ground; pixels the painting hardly touches become KeyRGB
// (pass KeyRGB = Ground to get a plain opaque image).
Pixels Flatten(const Raster& r, unsigned groundRGB, unsigned keyRGB);

// Draws a 2 x 2 glyph sheet: top left on and enabled, top right off and enabled, bottom left
// on and disabled, bottom right off and disabled. Draw paints one glyph of the given size,
// which covers round(size * scale) pixels.
Raster GlyphRaster(int glyphW, int glyphH, const std::function<void(Raster&, bool on)>& draw, float scale = 1.0f);
// The sheet flattened on the button face, with the key colour where nothing is painted.
Pixels GlyphSheet(const Raster& sheet);

// The coverage of a glyph sheet as grey levels (0xAAAAAA for alpha AA): 0 exactly where the
// flattened sheet has the key colour. With it a glyph's smoothed edges, smoothed against
// kGroundRGB in the sheet, can be composited on any other ground:
//   shown = sheet + (1 - alpha) * (ground - kGroundRGB).
Pixels AlphaMap(const Raster& sheet);

// Writes the image as <folder>/<name>.bmp with 1, 4, 8 or 24 bits per pixel. Palettes are
// made by median cut; the key colour, when present, keeps an exact entry of its own.
void WriteBitmap(const std::string& folder, const std::string& name, const Pixels& image, int bits);

}  // namespace resgen
