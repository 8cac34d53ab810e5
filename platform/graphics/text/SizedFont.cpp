// Metrics, advances and rasterisation of one face at one size.
#include "platform/graphics/text/SizedFont.h"

#include <algorithm>
#include <cmath>

#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include "platform/runtime/Exceptions.h"

namespace vcl::text {

namespace {

constexpr int kDefaultPixelsPerEm = 16;
constexpr int kMaxPixelsPerEm = 2048;

// a * b / c rounded half away from zero.
int MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) return -1;
    const std::int64_t p = a * b;
    const std::int64_t q = (std::llabs(p) + std::llabs(c) / 2) / std::llabs(c);
    return int((p < 0) != (c < 0) ? -q : q);
}

int Scale(std::int64_t fontUnits, int ppem, int unitsPerEm) {
    return int(std::lround(double(fontUnits) * ppem / unitsPerEm));
}

// The ascent and descent in font units that the cell height is made of.
void CellExtent(FT_Face face, std::int64_t& ascent, std::int64_t& descent) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && (os2->usWinAscent != 0 || os2->usWinDescent != 0)) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    } else {
        ascent = face->ascender;
        descent = -face->descender;
    }
}

// Copies a FreeType bitmap into 8 bit coverage.
void CopyCoverage(const FT_Bitmap& bitmap, GlyphBitmap& out) {
    out.width = int(bitmap.width);
    out.height = int(bitmap.rows);
    out.coverage.assign(std::size_t(out.width) * std::size_t(out.height), 0);
    for (int row = 0; row < out.height; ++row) {
        const unsigned char* src = bitmap.pitch >= 0
                                       ? bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch
                                       : bitmap.buffer + std::ptrdiff_t(out.height - 1 - row) * -bitmap.pitch;
        std::uint8_t* dst = out.coverage.data() + std::size_t(row) * std::size_t(out.width);
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            for (int x = 0; x < out.width; ++x) dst[x] = (src[x / 8] & (0x80 >> (x % 8))) ? 255 : 0;
        } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            const int levels = std::max(2, int(bitmap.num_grays)) - 1;
            for (int x = 0; x < out.width; ++x) dst[x] = std::uint8_t(src[x] * 255 / levels);
        }
    }
}

// Turns a glyph bitmap by a multiple of 90 degrees counter-clockwise on screen; the
// placement stays relative to the same glyph origin.
GlyphBitmap RotateQuarterTurns(const GlyphBitmap& in, int quarters) {
    // Maps the pixel at text-space offset (u, v) from the origin to its device offset.
    const auto map = [quarters](int u, int v, int& x, int& y) {
        switch (quarters) {
        case 1: x = v; y = -u - 1; break;
        case 2: x = -u - 1; y = -v - 1; break;
        default: x = -v - 1; y = u; break;
        }
    };
    GlyphBitmap out;
    out.width = quarters == 2 ? in.width : in.height;
    out.height = quarters == 2 ? in.height : in.width;
    int x0, y0, x1, y1;
    map(in.left, in.top, x0, y0);
    map(in.left + in.width - 1, in.top + in.height - 1, x1, y1);
    out.left = std::min(x0, x1);
    out.top = std::min(y0, y1);
    out.coverage.assign(in.coverage.size(), 0);
    for (int j = 0; j < in.height; ++j)
        for (int i = 0; i < in.width; ++i) {
            int x, y;
            map(in.left + i, in.top + j, x, y);
            out.coverage[std::size_t(y - out.top) * std::size_t(out.width) + std::size_t(x - out.left)] =
                in.coverage[std::size_t(j) * std::size_t(in.width) + std::size_t(i)];
        }
    return out;
}

}  // namespace

int SizedFont::PixelsPerEm(FT_Face face, int height) {
    int ppem = kDefaultPixelsPerEm;
    if (height < 0) {
        ppem = height < -kMaxPixelsPerEm ? kMaxPixelsPerEm : -height;
    } else if (height > 0) {
        std::int64_t ascent = 0, descent = 0;
        CellExtent(face, ascent, descent);
        ppem = ascent + descent > 0 ? MulDivRound(face->units_per_EM, std::min(height, 1 << 20), ascent + descent)
                                    : height;
    }
    return std::clamp(ppem, 1, kMaxPixelsPerEm);
}

SizedFont::SizedFont(FT_Face face, int pixelsPerEm, bool synthesizeBold, bool synthesizeItalic)
    : face_(face), ppem_(pixelsPerEm), synthesizeBold_(synthesizeBold), synthesizeItalic_(synthesizeItalic) {
    if (FT_New_Size(face_, &size_) != 0) throw EOutOfResources("Cannot create a font size");
    FT_Activate_Size(size_);
    if (FT_Set_Pixel_Sizes(face_, 0, FT_UInt(ppem_)) != 0) {
        FT_Done_Size(size_);
        throw EOutOfResources("The font cannot be scaled to " + std::to_string(ppem_) + " pixels");
    }
    if (synthesizeBold_) {
        // About a pixel per 24 pixels of em, at least one: the smear widens every advance.
        const FT_Pos strength = std::max<FT_Pos>(64, FT_Pos(ppem_) * 64 / 24);
        boldStrength_ = (strength + 32) & ~FT_Pos(63);
    }
    advances_.assign(std::size_t(std::max<FT_Long>(face_->num_glyphs, 0)), -1);
    for (char32_t cp = 0; cp < latin_.size(); ++cp) latin_[cp] = FT_Get_Char_Index(face_, cp);
    ComputeMetrics();
}

SizedFont::~SizedFont() {
    if (size_) FT_Done_Size(size_);
}

void SizedFont::ComputeMetrics() {
    const int upem = face_->units_per_EM > 0 ? face_->units_per_EM : 2048;
    std::int64_t ascent = 0, descent = 0;
    CellExtent(face_, ascent, descent);
    FontMetrics& m = metrics_;
    m.ascent = std::max(1, Scale(ascent, ppem_, upem));
    m.descent = std::max(0, Scale(descent, ppem_, upem));
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - ppem_);
    const std::int64_t hheaHeight = face_->ascender - face_->descender;
    std::int64_t lineGap = 0;
    if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA)))
        lineGap = hhea->Line_Gap;
    m.externalLeading = std::max(0, Scale(lineGap - ((ascent + descent) - hheaHeight), ppem_, upem));

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const int boldExtra = int(boldStrength_ >> 6);
    m.aveCharWidth = os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0
                         ? Scale(os2->xAvgCharWidth, ppem_, upem) + boldExtra
                         : Advance(GlyphIndex('x'));
    m.maxCharWidth = Scale(face_->max_advance_width, ppem_, upem) + boldExtra;

    // Underline from the post table (top of the bar, negative below the baseline),
    // strike-out from OS/2; both kept inside the cell where there is room.
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face_, FT_SFNT_POST));
    const std::int64_t underlinePosition = post ? post->underlinePosition : face_->underline_position;
    const std::int64_t underlineThickness = post ? post->underlineThickness : face_->underline_thickness;
    bars_.underlineThickness = std::max(1, Scale(underlineThickness, ppem_, upem));
    bars_.underlineTop = m.ascent + std::max(0, -Scale(underlinePosition, ppem_, upem));
    if (bars_.underlineTop + bars_.underlineThickness > m.height)
        bars_.underlineTop = std::max(m.ascent, m.height - bars_.underlineThickness);

    std::int64_t strikePosition = upem / 4, strikeSize = underlineThickness;
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        strikePosition = os2->yStrikeoutPosition;
        strikeSize = os2->yStrikeoutSize;
    }
    bars_.strikeOutThickness = std::max(1, Scale(strikeSize, ppem_, upem));
    bars_.strikeOutTop = std::clamp(m.ascent - Scale(strikePosition, ppem_, upem), 0, m.ascent - 1);
}

int SizedFont::MeasureAdvance(unsigned glyph) {
    FT_Activate_Size(size_);
    int advance = 0;
    if (FT_Load_Glyph(face_, glyph, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) == 0)
        advance = int((face_->glyph->advance.x + boldStrength_ + 32) >> 6);
    advances_[glyph] = advance;
    return advance;
}

GlyphBitmap SizedFont::Render(unsigned glyph, bool antialias, int angle) {
    GlyphBitmap out;
    FT_Activate_Size(size_);
    const bool quarterTurn = angle % 900 == 0;
    // Hinting only makes sense on the pixel grid: upright (or quarter-turned afterwards).
    FT_Int32 flags = FT_LOAD_NO_BITMAP;
    if (!quarterTurn) flags |= FT_LOAD_NO_HINTING;
    else flags |= antialias ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face_, glyph, flags) != 0) return out;
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (synthesizeItalic_) {
            const FT_Matrix shear = {0x10000, 0x0366A, 0, 0x10000};   // about 12 degrees
            FT_Outline_Transform(&slot->outline, &shear);
        }
        if (synthesizeBold_) FT_Outline_EmboldenXY(&slot->outline, boldStrength_, 0);
        if (!quarterTurn) {
            const double radians = angle * 3.14159265358979323846 / 1800.0;
            const FT_Fixed c = FT_Fixed(std::lround(std::cos(radians) * 65536.0));
            const FT_Fixed s = FT_Fixed(std::lround(std::sin(radians) * 65536.0));
            const FT_Matrix rotation = {c, -s, s, c};
            FT_Outline_Transform(&slot->outline, &rotation);
        }
    }
    if (FT_Render_Glyph(slot, antialias ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return out;
    CopyCoverage(slot->bitmap, out);
    out.left = slot->bitmap_left;
    out.top = -slot->bitmap_top;
    if (quarterTurn && angle != 0 && out.width > 0 && out.height > 0)
        out = RotateQuarterTurns(out, angle / 900);
    return out;
}

}  // namespace vcl::text
