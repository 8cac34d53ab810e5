// Text rendering: fonts matched through fontconfig, glyphs rasterised by FreeType, cached,
// and blended into 24 or 32 bit pixel buffers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/graphics/Colors.h"
#include "platform/runtime/Geometry.h"

namespace vcl::text {

struct FontSpec {                      // what TFont / LOGFONT describe
    std::string family;                // "Arial", "Tahoma", ... matched through fontconfig
    int height = -11;                  // LOGFONT rule: < 0 character height, > 0 cell height, 0 default
    bool bold = false, italic = false, underline = false, strikeOut = false;
    int escapement = 0;                // tenths of a degree, counter-clockwise
    bool antialias = true;             // false for non-antialiased quality
    bool operator==(const FontSpec&) const = default;
};

struct FontMetrics { int ascent, descent, height, internalLeading, externalLeading,
                     aveCharWidth, maxCharWidth; };

struct Target {                        // a 24 or 32 bit surface, device coordinates
    std::uint8_t* bits; int width, height, stride, bitsPerPixel; TRect clip;
};

class TextEngine {
public:
    static TextEngine& Instance();
    FontMetrics Metrics(const FontSpec& font);
    // Width and height of a single line as the canvas reports them: sum of advances
    // (rounded to whole pixels the way it is drawn) and ascent + descent.
    TSize Extent(const FontSpec& font, std::string_view utf8);
    // Draws one line with the reference point (x, y) at the top-left of the text cell
    // (rotated about that point by the escapement); colour 0x00BBGGRR. When background is
    // not clNone, first fills the (rotated) text cell with it (opaque mode). Underline and
    // strike-out are drawn here. Nothing outside target.clip changes. Returns the line's
    // width as Extent measures it.
    int Draw(const Target& target, const FontSpec& font, int x, int y, std::string_view utf8,
              TColor color, TColor background);

    ~TextEngine();
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

private:
    TextEngine();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vcl::text
