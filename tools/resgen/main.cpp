// zyn_resgen: draws the package's bitmaps and writes them as BMP files.
//   zyn_resgen <folder>
#include <cstdio>
#include <exception>
#include <string>

#include "tools/resgen/Glyphs.h"
#include "tools/resgen/Segments.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zyn_resgen <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    // The artwork at 1x, and drawn again at 1.5x and 2x for high-density screens; the
    // larger files carry the scale in percent after an @ (CHECKBOX@200.bmp).
    struct Size {
        float scale;
        const char* suffix;
    };
    const Size sizes[] = {{1.0f, ""}, {1.5f, "@150"}, {2.0f, "@200"}};
    try {
        for (const Size& size : sizes) {
            for (const auto& glyphs : resgen::GlyphSheets()) {
                const resgen::Raster sheet = resgen::GlyphRaster(glyphs.glyphW, glyphs.glyphH, glyphs.draw, size.scale);
                resgen::WriteBitmap(folder, glyphs.name + size.suffix, resgen::GlyphSheet(sheet), glyphs.bits);
                // Beside each sheet its coverage, so that glyphs composite on any ground.
                resgen::WriteBitmap(folder, glyphs.name + "_ALPHA" + size.suffix, resgen::AlphaMap(sheet), 8);
            }
            resgen::WriteBitmap(folder, std::string("EMPTYBOX") + size.suffix, resgen::TableEditorBox(false, size.scale), 8);
            resgen::WriteBitmap(folder, std::string("CHECKEDBOX") + size.suffix, resgen::TableEditorBox(true, size.scale), 8);
        }
        // The seven-segment shapes are a 312 x 432 master that the display always shrinks
        // into its cells, so one size serves every screen.
        for (const auto& seg : resgen::SegmentShapes()) resgen::WriteBitmap(folder, seg.name, seg.image, seg.bits);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zyn_resgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
