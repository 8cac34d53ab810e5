// Sheets, palettes and BMP files.
#include "tools/resgen/Output.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "platform/Graphics.h"

namespace resgen {

namespace {

int Channel(float v) { return int(std::lround(Clamp01(v) * 255.0f)); }
int R(unsigned c) { return int((c >> 16) & 0xFF); }
int G(unsigned c) { return int((c >> 8) & 0xFF); }
int B(unsigned c) { return int(c & 0xFF); }

struct Entry {
    unsigned rgb;
    int count;
};

// Median cut over the colours of the image, weighted by how often each occurs.
std::vector<unsigned> MedianCut(std::vector<Entry> colors, int maxColors) {
    if (int(colors.size()) <= maxColors) {
        std::vector<unsigned> palette;
        for (const Entry& e : colors) palette.push_back(e.rgb);
        return palette;
    }
    std::vector<std::vector<Entry>> boxes{std::move(colors)};
    auto range = [](const std::vector<Entry>& box, int ch) {
        int lo = 255, hi = 0;
        for (const Entry& e : box) {
            int v = ch == 0 ? R(e.rgb) : ch == 1 ? G(e.rgb) : B(e.rgb);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    };
    while (int(boxes.size()) < maxColors) {
        // The box with the widest spread (weighted a little by its population) is split.
        int best = -1, bestCh = 0;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[std::size_t(i)].size() < 2) continue;
            long pop = 0;
            for (const Entry& e : boxes[std::size_t(i)]) pop += e.count;
            for (int ch = 0; ch < 3; ++ch) {
                double score = double(range(boxes[std::size_t(i)], ch)) * (1.0 + std::log1p(double(pop)) / 8);
                if (score > bestScore) { bestScore = score; best = i; bestCh = ch; }
            }
        }
        if (best < 0) break;
        auto& box = boxes[std::size_t(best)];
        std::sort(box.begin(), box.end(), [bestCh](const Entry& a, const Entry& b) {
            int va = bestCh == 0 ? R(a.rgb) : bestCh == 1 ? G(a.rgb) : B(a.rgb);
            int vb = bestCh == 0 ? R(b.rgb) : bestCh == 1 ? G(b.rgb) : B(b.rgb);
            return va < vb;
        });
        long total = 0, half = 0;
        for (const Entry& e : box) total += e.count;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.size(); ++i) {
            half += box[i].count;
            cut = i + 1;
            if (half * 2 >= total) break;
        }
        std::vector<Entry> upper(box.begin() + std::ptrdiff_t(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<unsigned> palette;
    for (const auto& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (const Entry& e : box) {
            r += R(e.rgb) * e.count; g += G(e.rgb) * e.count; b += B(e.rgb) * e.count; n += e.count;
        }
        palette.push_back((unsigned(std::lround(r / n)) << 16) | (unsigned(std::lround(g / n)) << 8) |
                          unsigned(std::lround(b / n)));
    }
    return palette;
}

int Nearest(const std::vector<unsigned>& palette, unsigned c, std::size_t first) {
    int best = int(first);
    long bestD = -1;
    for (std::size_t i = first; i < palette.size(); ++i) {
        const long dr = R(c) - R(palette[i]), dg = G(c) - G(palette[i]), db = B(c) - B(palette[i]);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestD < 0 || d < bestD) { bestD = d; best = int(i); }
    }
    return best;
}

vcl::TColor ToTColor(unsigned rgb) { return vcl::RGB(R(rgb), G(rgb), B(rgb)); }

}  // namespace

Pixels Flatten(const Raster& r, unsigned groundRGB, unsigned keyRGB) {
    Pixels p{r.PixelW(), r.PixelH(), {}};
    const Color ground = Hex(groundRGB);
    for (int y = 0; y < r.PixelH(); ++y)
        for (int x = 0; x < r.PixelW(); ++x) {
            const Color& c = r.At(x, y);
            if (c.a < 0.06f) {
                p.rgb.push_back(keyRGB);
                continue;
            }
            const float k = 1 - c.a;
            unsigned rgb = (unsigned(Channel(c.r + ground.r * k)) << 16) |
                           (unsigned(Channel(c.g + ground.g * k)) << 8) | unsigned(Channel(c.b + ground.b * k));
            if (rgb == keyRGB && keyRGB != groundRGB) rgb ^= 0x000100;   // never the key by chance
            p.rgb.push_back(rgb);
        }
    return p;
}

Raster GlyphRaster(int glyphW, int glyphH, const std::function<void(Raster&, bool on)>& draw, float scale) {
    const Raster probe(glyphW, glyphH, scale);
    const int pw = probe.PixelW(), ph = probe.PixelH();
    // The sheet's cells are whole glyphs of pixels: it is made at scale 1 with the pixel size.
    Raster sheet(pw * 2, ph * 2);
    for (int cell = 0; cell < 4; ++cell) {
        const bool on = cell % 2 == 0, enabled = cell < 2;
        Raster glyph(glyphW, glyphH, scale);
        glyph.Inset(1.0f, 1.0f, 0.3f, 0.3f);   // the key colour stays free above and left
        draw(glyph, on);
        if (!enabled) glyph.Disable();
        const int ox = (cell % 2) * pw, oy = (cell / 2) * ph;
        for (int y = 0; y < ph; ++y)
            for (int x = 0; x < pw; ++x) sheet.At(ox + x, oy + y) = glyph.At(x, y);
    }
    return sheet;
}

Pixels GlyphSheet(const Raster& sheet) { return Flatten(sheet, kGroundRGB, kKeyRGB); }

Pixels AlphaMap(const Raster& r) {
    Pixels p{r.PixelW(), r.PixelH(), {}};
    for (int y = 0; y < r.PixelH(); ++y)
        for (int x = 0; x < r.PixelW(); ++x) {
            const float a = r.At(x, y).a;
            // The same threshold as Flatten: below it the pixel is the key colour.
            const unsigned v = a < 0.06f ? 0u : unsigned(std::max(1, Channel(a)));
            p.rgb.push_back(v << 16 | v << 8 | v);
        }
    return p;
}

void WriteBitmap(const std::string& folder, const std::string& name, const Pixels& image, int bits) {
    vcl::TBitmap bmp;
    bmp.SetSize(image.w, image.h);
    auto at = [&](int x, int y) { return image.rgb[std::size_t(y * image.w + x)]; };
    if (bits == 24) {
        bmp.SetPixelFormat(vcl::pf24bit);
        for (int y = 0; y < image.h; ++y) {
            std::uint8_t* row = bmp.ScanLine(y);
            for (int x = 0; x < image.w; ++x) {
                row[3 * x] = std::uint8_t(B(at(x, y)));
                row[3 * x + 1] = std::uint8_t(G(at(x, y)));
                row[3 * x + 2] = std::uint8_t(R(at(x, y)));
            }
        }
    } else {
        std::vector<unsigned> palette;
        std::size_t firstFree = 0;   // entries before it are reserved and matched exactly only
        if (bits == 1) {
            palette = {0x000000, 0xFFFFFF};
        } else {
            std::map<unsigned, int> counts;
            bool hasKey = false;
            for (unsigned c : image.rgb) {
                if (c == kKeyRGB) hasKey = true; else ++counts[c];
            }
            std::vector<Entry> colors;
            for (const auto& [rgb, n] : counts) colors.push_back({rgb, n});
            const int room = (1 << bits) - (hasKey ? 1 : 0);
            if (hasKey) { palette.push_back(kKeyRGB); firstFree = 1; }
            for (unsigned c : MedianCut(colors, room)) palette.push_back(c);
        }
        bmp.SetPixelFormat(bits == 1 ? vcl::pf1bit : bits == 4 ? vcl::pf4bit : vcl::pf8bit);
        std::vector<vcl::TColor> pal;
        for (unsigned c : palette) pal.push_back(ToTColor(c));
        bmp.SetPalette(pal);
        std::map<unsigned, int> cache;
        for (int y = 0; y < image.h; ++y) {
            std::uint8_t* row = bmp.ScanLine(y);
            std::fill(row, row + bmp.BytesPerLine(), 0);
            for (int x = 0; x < image.w; ++x) {
                const unsigned c = at(x, y);
                int index;
                if (firstFree == 1 && c == kKeyRGB) {
                    index = 0;
                } else if (auto it = cache.find(c); it != cache.end()) {
                    index = it->second;
                } else {
                    index = Nearest(palette, c, firstFree);
                    cache[c] = index;
                }
                if (bits == 8) row[x] = std::uint8_t(index);
                else if (bits == 4) row[x / 2] |= std::uint8_t(index << ((x % 2) ? 0 : 4));
                else row[x / 8] |= std::uint8_t(index << (7 - x % 8));
            }
        }
    }
    bmp.SaveToFile(folder + "/" + name + ".bmp");
}

}  // namespace resgen
