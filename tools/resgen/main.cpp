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
    try {
        for (const auto& glyphs : resgen::GlyphSheets()) {
            const resgen::Raster sheet = resgen::GlyphRaster(glyphs.glyphW, glyphs.glyphH, glyphs.draw);
            resgen::WriteBitmap(folder, glyphs.name, resgen::GlyphSheet(sheet), glyphs.bits);
            // Beside each sheet its coverage, so that glyphs composite on any ground.
            resgen::WriteBitmap(folder, std::string(glyphs.name) + "_ALPHA", resgen::AlphaMap(sheet), 8);
        }
        resgen::WriteBitmap(folder, "EMPTYBOX", resgen::TableEditorBox(false), 8);
        resgen::WriteBitmap(folder, "CHECKEDBOX", resgen::TableEditorBox(true), 8);
        for (const auto& seg : resgen::SegmentShapes()) resgen::WriteBitmap(folder, seg.name, seg.image, seg.bits);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zyn_resgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
