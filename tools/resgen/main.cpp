// zyn_resgen: draws the package's bitmaps and writes them as BMP files.
//   zyn_resgen <folder> [--palette <folder>]
// With --palette it also writes the form designer's palette icons to the second folder
// (apps/designer/resources).
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/resgen/Glyphs.h"
#include "tools/resgen/PaletteIcons.h"
#include "tools/resgen/Segments.h"

int main(int argc, char** argv) {
    const bool palette = argc == 4 && std::string(argv[2]) == "--palette";
    if (argc != 2 && !palette) {
        std::fprintf(stderr, "usage: zyn_resgen <output folder> [--palette <icon folder>]\n");
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
            // Palette icons: the colours smoothed against the button face with the key colour
            // where nothing is painted, and beside them the coverage, as for the glyph sheets,
            // so that the designer composites them on any list colour.
            for (const auto& icon : palette ? resgen::PaletteIcons() : std::vector<resgen::PaletteIconSpec>{}) {
                resgen::Raster r(resgen::kPaletteIconSize, resgen::kPaletteIconSize, size.scale);
                icon.draw(r);
                const std::string name = resgen::PaletteIconName(icon.className);
                resgen::WriteBitmap(argv[3], name + size.suffix, resgen::GlyphSheet(r), 24);
                resgen::WriteBitmap(argv[3], name + "_ALPHA" + size.suffix, resgen::AlphaMap(r), 8);
            }
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
