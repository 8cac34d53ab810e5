// One face at one pixel size: the metrics the canvas reports, per-glyph advances and glyph
// rasterisation for any rendering mode and angle.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/graphics/text/TextEngine.h"

namespace vcl::text {

// Coverage (0..255) of one rendered glyph. left/top place the bitmap's top-left pixel
// relative to the glyph origin on the baseline, in device pixels (y grows downwards).
struct GlyphBitmap {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> coverage;
};

// Where underline and strike-out bars go, in rows from the top of the text cell.
struct Decorations {
    int underlineTop = 0, underlineThickness = 1;
    int strikeOutTop = 0, strikeOutThickness = 1;
};

class SizedFont {
public:
    SizedFont(FT_Face face, int pixelsPerEm, bool synthesizeBold, bool synthesizeItalic);
    ~SizedFont();
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;

    // The em size in pixels for a LOGFONT-style height: negative is the character height
    // (the em itself), positive the cell height (ascent + descent), zero a default.
    static int PixelsPerEm(FT_Face face, int height);

    const FontMetrics& Metrics() const { return metrics_; }
    const Decorations& Bars() const { return bars_; }

    unsigned GlyphIndex(char32_t cp) const {
        return cp < latin_.size() ? latin_[cp] : FT_Get_Char_Index(face_, cp);
    }
    // Whole-pixel advance, the same for every rendering mode and angle.
    int Advance(unsigned glyph) {
        if (glyph >= advances_.size()) return 0;
        const int known = advances_[glyph];
        return known >= 0 ? known : MeasureAdvance(glyph);
    }
    std::size_t GlyphCount() const { return advances_.size(); }

    // Rasterises a glyph: grey levels when antialiased, only 0 and 255 otherwise; rotated
    // counter-clockwise by `angle` tenths of a degree (0 <= angle < 3600).
    GlyphBitmap Render(unsigned glyph, bool antialias, int angle);

private:
    int MeasureAdvance(unsigned glyph);
    void ComputeMetrics();

    FT_Face face_;
    FT_Size size_ = nullptr;
    int ppem_;
    bool synthesizeBold_, synthesizeItalic_;
    FT_Pos boldStrength_ = 0;   // 26.6, whole pixels
    FontMetrics metrics_{};
    Decorations bars_;
    std::array<unsigned, 256> latin_{};
    std::vector<int> advances_;
};

}  // namespace vcl::text
