// The text engine: resolves font descriptions to sized faces once, keeps glyph bitmaps per
// face, size, mode and angle, and lays out and draws single lines.
#include "platform/graphics/text/TextEngine.h"

#include <cctype>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>
#include <unordered_map>

#include <ft2build.h>
#include FT_TRUETYPE_TABLES_H

#include "platform/graphics/Colors.h"
#include "platform/graphics/text/FontMatch.h"
#include "platform/graphics/text/SizedFont.h"
#include "platform/graphics/text/TextRaster.h"
#include "platform/graphics/text/Utf8.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl::text {

namespace {

// Bounds of the caches; past them the glyph caches (or the sized fonts) start afresh.
constexpr std::size_t kMaxGlyphBytes = 32u << 20;
constexpr std::size_t kMaxGlyphSets = 256;
constexpr std::size_t kMaxSizedFonts = 128;
constexpr std::size_t kMaxResolvedSpecs = 1024;

// Rendered glyphs of one sized font in one mode at one angle, indexed by glyph.
struct GlyphSet {
    SizedFont* font;
    bool antialias;
    int angle;
    std::vector<std::unique_ptr<GlyphBitmap>> glyphs;
};

struct Resolved {
    SizedFont* font = nullptr;
    GlyphSet* glyphs = nullptr;
};

struct SpecHash {
    std::size_t operator()(const FontSpec& f) const noexcept {
        std::size_t h = std::hash<std::string>()(f.family);
        const std::size_t flags = std::size_t(f.bold) | std::size_t(f.italic) << 1 |
                                  std::size_t(f.underline) << 2 | std::size_t(f.strikeOut) << 3 |
                                  std::size_t(f.antialias) << 4;
        for (std::size_t v : {std::size_t(unsigned(f.height)), std::size_t(unsigned(f.escapement)), flags})
            h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        return h;
    }
};

bool IsBold(FT_Face face) {
    if (face->style_flags & FT_STYLE_FLAG_BOLD) return true;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    return os2 && os2->version != 0xFFFF && os2->usWeightClass >= 600;
}

std::string Lower(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

struct TextEngine::Impl {
    std::mutex lock;
    FT_Library library = nullptr;
    std::map<std::tuple<std::string, bool, bool>, FaceLocation> matches;
    std::map<std::pair<std::string, int>, FT_Face> faces;
    std::map<std::tuple<FT_Face, int, bool, bool>, std::unique_ptr<SizedFont>> sizedFonts;
    std::map<std::tuple<SizedFont*, bool, int>, std::unique_ptr<GlyphSet>> glyphSets;
    std::unordered_map<FontSpec, Resolved, SpecHash> resolved;
    std::size_t glyphBytes = 0;
    // The last font asked for: consecutive calls nearly always use the same one.
    bool haveLast = false;
    FontSpec lastSpec;
    Resolved last;

    Impl() {
        if (FT_Init_FreeType(&library) != 0) throw EOutOfResources("The font renderer cannot start");
    }

    ~Impl() {
        resolved.clear();
        glyphSets.clear();
        sizedFonts.clear();
        for (auto& entry : faces) FT_Done_Face(entry.second);
        FT_Done_FreeType(library);
    }

    const Resolved& Resolve(const FontSpec& spec) {
        if (haveLast && spec == lastSpec) return last;
        auto found = resolved.find(spec);
        if (found == resolved.end()) {
            if (resolved.size() >= kMaxResolvedSpecs) resolved.clear();
            found = resolved.emplace(spec, Build(spec)).first;
        }
        lastSpec = spec;
        last = found->second;
        haveLast = true;
        return last;
    }

    Resolved Build(const FontSpec& spec) {
        const auto matchKey = std::make_tuple(Lower(spec.family), spec.bold, spec.italic);
        auto match = matches.find(matchKey);
        if (match == matches.end())
            match = matches.emplace(matchKey, MatchFace(spec.family, spec.bold, spec.italic)).first;
        const FaceLocation& location = match->second;
        FT_Face face = OpenFace(location);

        // Styles the chosen face lacks are synthesised.
        const bool synthesizeBold = spec.bold && !IsBold(face);
        const bool synthesizeItalic = spec.italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
        const int ppem = SizedFont::PixelsPerEm(face, spec.height);
        const auto sizedKey = std::make_tuple(face, ppem, synthesizeBold, synthesizeItalic);
        auto sized = sizedFonts.find(sizedKey);
        if (sized == sizedFonts.end()) {
            if (sizedFonts.size() >= kMaxSizedFonts) Flush(true);
            auto font = std::make_unique<SizedFont>(face, ppem, synthesizeBold, synthesizeItalic);
            sized = sizedFonts.emplace(sizedKey, std::move(font)).first;
        }
        SizedFont* font = sized->second.get();

        const int angle = Rotation(spec.escapement).tenths;
        const auto setKey = std::make_tuple(font, spec.antialias, angle);
        auto set = glyphSets.find(setKey);
        if (set == glyphSets.end()) {
            if (glyphSets.size() >= kMaxGlyphSets) Flush(false);
            auto glyphs = std::make_unique<GlyphSet>(GlyphSet{font, spec.antialias, angle, {}});
            glyphs->glyphs.resize(font->GlyphCount());
            set = glyphSets.emplace(setKey, std::move(glyphs)).first;
        }
        return Resolved{font, set->second.get()};
    }

    FT_Face OpenFace(const FaceLocation& location) {
        const auto key = std::make_pair(location.file, location.index);
        auto found = faces.find(key);
        if (found != faces.end()) return found->second;
        FT_Face face = nullptr;
        if (FT_New_Face(library, location.file.c_str(), location.index, &face) != 0)
            throw EOutOfResources("Cannot open the font file " + location.file);
        FT_Select_Charmap(face, FT_ENCODING_UNICODE);
        faces.emplace(key, face);
        return face;
    }

    // Drops every glyph set (and, when asked, every sized font); whatever referred to them
    // is forgotten too.
    void Flush(bool sizedFontsToo) {
        resolved.clear();
        haveLast = false;
        glyphSets.clear();
        glyphBytes = 0;
        if (sizedFontsToo) sizedFonts.clear();
    }

    const GlyphBitmap& Glyph(GlyphSet& set, unsigned index) {
        static const GlyphBitmap empty;
        if (index >= set.glyphs.size()) return empty;
        std::unique_ptr<GlyphBitmap>& slot = set.glyphs[index];
        if (!slot) {
            slot = std::make_unique<GlyphBitmap>(set.font->Render(index, set.antialias, set.angle));
            glyphBytes += slot->coverage.size() + sizeof(GlyphBitmap);
        }
        return *slot;
    }

    int LineWidth(SizedFont& font, std::string_view utf8) {
        int width = 0;
        for (std::size_t pos = 0; pos < utf8.size();) width += font.Advance(font.GlyphIndex(NextCodePoint(utf8, pos)));
        return width;
    }
};

TextEngine::TextEngine() : impl_(std::make_unique<Impl>()) {}

TextEngine::~TextEngine() = default;

TextEngine& TextEngine::Instance() {
    static TextEngine engine;
    return engine;
}

FontMetrics TextEngine::Metrics(const FontSpec& font) {
    std::lock_guard<std::mutex> hold(impl_->lock);
    return impl_->Resolve(font).font->Metrics();
}

TSize TextEngine::Extent(const FontSpec& font, std::string_view utf8) {
    std::lock_guard<std::mutex> hold(impl_->lock);
    SizedFont& sized = *impl_->Resolve(font).font;
    return TSize(impl_->LineWidth(sized, utf8), sized.Metrics().height);
}

int TextEngine::Draw(const Target& target, const FontSpec& font, int x, int y, std::string_view utf8,
                     TColor color, TColor background) {
    std::lock_guard<std::mutex> hold(impl_->lock);
    if (impl_->glyphBytes > kMaxGlyphBytes) impl_->Flush(false);
    const Resolved resolved = impl_->Resolve(font);
    SizedFont& sized = *resolved.font;
    const int width = impl_->LineWidth(sized, utf8);
    const TRect area = DrawableArea(target);
    if (area.IsEmpty()) return width;
    const FontMetrics& metrics = sized.Metrics();
    const Rotation rotation(font.escapement);
    // Text that cannot reach the area draws nothing: turned any way, no glyph lies farther
    // from (x, y) than the line's width and height (and a glyph's overhang). What is drawn
    // then stands near the surface, so the pen arithmetic below stays in the int range.
    const long long reach = (long long)width + metrics.height + 256;
    if ((long long)x + reach < area.Left || (long long)x - reach >= area.Right || (long long)y + reach < area.Top ||
        (long long)y - reach >= area.Bottom)
        return width;

    if (background != clNone)
        FillTextBox(target, area, x, y, rotation, 0, 0, width, metrics.height, Rgb::From(background));

    const Rgb ink = Rgb::From(color);
    int pen = 0;   // along the baseline, in whole pixels as measured
    const bool upright = rotation.tenths == 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const unsigned glyph = sized.GlyphIndex(NextCodePoint(utf8, pos));
        int gx = x + pen, gy = y + metrics.ascent;   // unrotated text needs no rounding
        if (!upright) {
            gx = int(std::lround(x + rotation.X(pen, metrics.ascent)));
            gy = int(std::lround(y + rotation.Y(pen, metrics.ascent)));
        }
        BlendGlyph(target, area, gx, gy, impl_->Glyph(*resolved.glyphs, glyph), ink);
        pen += sized.Advance(glyph);
    }

    const Decorations& bars = sized.Bars();
    if (font.underline)
        FillTextBox(target, area, x, y, rotation, 0, bars.underlineTop, width,
                    bars.underlineTop + bars.underlineThickness, ink);
    if (font.strikeOut)
        FillTextBox(target, area, x, y, rotation, 0, bars.strikeOutTop, width,
                    bars.strikeOutTop + bars.strikeOutThickness, ink);
    return width;
}

}  // namespace vcl::text
