// The artwork of the on/off button glyph sheets and the table editor's menu check boxes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/resgen/Output.h"

namespace resgen {

// The ground of the menu bitmaps (the menu colour, which is also their transparent colour).
inline constexpr unsigned kMenuRGB = 0xF0F0F0;

struct GlyphSheetSpec {
    std::string name;
    int glyphW, glyphH;   // one state picture; the sheet is twice as wide and high
    int bits;
    std::function<void(Raster&, bool on)> draw;
};

std::vector<GlyphSheetSpec> GlyphSheets();
// "EMPTYBOX" (false) and "CHECKEDBOX" (true): 16 x 16 (times scale) on the menu colour.
Pixels TableEditorBox(bool checked, float scale = 1.0f);

}  // namespace resgen
