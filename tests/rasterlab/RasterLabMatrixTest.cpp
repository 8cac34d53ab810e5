// The character matrix without a label: the built-in font's records and shapes, character
// widths in proportional and fixed pitch, and the matrix of a rasterised platform font.
#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "platform/Graphics.h"
#include "rasterlab/Zyn_RasterLab.h"

using namespace zyn;

namespace {

int RowByte(int Code, int Row) { return RasterLabBuiltInFont[Code - RasterLabBuiltInFirst][2 + Row]; }

}  // namespace

TEST(RasterLabFont, RecordsOfTheDocumentedCharacters) {
    struct Want {
        int code, left, right;
        std::uint8_t rows[12];
    };
    const Want wants[] = {
        {32, 0, 6, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {33, 3, 3, {0x00, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x00, 0x08, 0x00, 0x00}},
        {48, 1, 5, {0x00, 0x1C, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1C, 0x00, 0x00}},
        {49, 1, 5, {0x00, 0x08, 0x0E, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x3E, 0x00, 0x00}},
        {65, 0, 6, {0x00, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00}},
        {66, 0, 6, {0x00, 0x3F, 0x42, 0x42, 0x42, 0x3E, 0x42, 0x42, 0x42, 0x3F, 0x00, 0x00}},
        {103, 0, 6, {0x00, 0x00, 0x00, 0x00, 0x7E, 0x21, 0x21, 0x21, 0x3E, 0x20, 0x20, 0x1E}},
        {176, 0, 6, {0x00, 0x08, 0x14, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    };
    const TRDCharMatrix m = BuiltInCharMatrix();
    EXPECT_EQ(m.FontWidth, 7);
    EXPECT_EQ(m.FontHeight, 12);
    for (const Want& w : wants) {
        const std::uint8_t* rec = RasterLabBuiltInFont[w.code - 32];
        EXPECT_EQ(rec[0], w.left) << w.code;
        EXPECT_EQ(rec[1], w.right) << w.code;
        EXPECT_EQ(m.LeftMostBit[w.code], w.left) << w.code;
        EXPECT_EQ(m.RightMostBit[w.code], w.right) << w.code;
        for (int r = 0; r < 12; ++r) {
            EXPECT_EQ(rec[2 + r], w.rows[r]) << w.code << " row " << r;
            EXPECT_EQ(m.BitData[w.code][r], w.rows[r]) << w.code << " row " << r;
        }
        for (int r = 12; r < 32; ++r) EXPECT_EQ(m.BitData[w.code][r], 0u);
    }
    // Codes below the blank are empty, with column 0 on both sides.
    for (int code = 0; code < 32; ++code) {
        EXPECT_EQ(m.LeftMostBit[code], 0);
        EXPECT_EQ(m.RightMostBit[code], 0);
        for (int r = 0; r < 32; ++r) ASSERT_EQ(m.BitData[code][r], 0u) << code;
    }
}

TEST(RasterLabFont, EveryGlyphStaysInItsCellAndItsColumns) {
    for (int code = 32; code <= 255; ++code) {
        const std::uint8_t* rec = RasterLabBuiltInFont[code - 32];
        int used = 0;
        for (int r = 0; r < 12; ++r) used |= rec[2 + r];
        ASSERT_LT(used, 0x80) << code;   // seven columns
        ASSERT_LE(rec[0], rec[1]) << code;
        ASSERT_LE(rec[1], 6) << code;
        if (used != 0) {
            // The columns a glyph claims cover its dots.
            EXPECT_LE(rec[0], std::countr_zero(unsigned(used))) << code;
            EXPECT_GE(rec[1], 31 - std::countl_zero(unsigned(used))) << code;
        }
    }
    // Capitals and digits stand on rows 1 to 9 (the tail of Q hangs below).
    for (char c : std::string("ABCDEFGHIJKLMNOPRSTUVWXYZ0123456789")) {
        EXPECT_NE(RowByte(c, 1), 0) << c;
        EXPECT_NE(RowByte(c, 9), 0) << c;
        for (int r : {0, 10, 11}) EXPECT_EQ(RowByte(c, r), 0) << c << " row " << r;
    }
    // Descenders reach rows 10 and 11; the other small letters end on row 9.
    for (char c : std::string("gjpqy")) EXPECT_NE(RowByte(c, 11) | RowByte(c, 10), 0) << c;
    for (char c : std::string("abcdefhiklmnorstuvwxz")) {
        EXPECT_NE(RowByte(c, 9), 0) << c;
        EXPECT_EQ(RowByte(c, 10) | RowByte(c, 11), 0) << c;
    }
    // Accented letters keep their letter and add dots above it.
    for (int code : {0xC4, 0xC9, 0xD1, 0xD6, 0xDC, 0xE4, 0xE9, 0xF1, 0xF6, 0xFC})
        EXPECT_NE(RowByte(code, 0) | RowByte(code, 1) | RowByte(code, 2), 0) << code;
}

TEST(RasterLabWidths, ProportionalAndFixedPitch) {
    const TRDCharMatrix m = BuiltInCharMatrix();
    // Fixed pitch: every character 7 columns plus one gap.
    for (const char* text : {"!", "W", " ", "i"}) {
        EXPECT_EQ(RasterTextLength(m, text, 4, false), 8 * 4) << text;
    }
    // Proportional: "!" takes its one column plus a gap, "A" seven plus one, "0" five plus one.
    EXPECT_EQ(RasterTextLength(m, "!", 4, true), 2 * 4);
    EXPECT_EQ(RasterTextLength(m, "A", 4, true), 8 * 4);
    EXPECT_EQ(RasterTextLength(m, "0", 4, true), 6 * 4);
    EXPECT_EQ(RasterTextLength(m, "!A0", 3, true), (2 + 8 + 6) * 3);
    EXPECT_EQ(RasterTextLength(m, "", 4, true), 0);
    // Characters count as characters, not bytes: "é" is one glyph.
    EXPECT_EQ(RasterTextLength(m, "\xC3\xA9", 4, false), 8 * 4);
    EXPECT_EQ(RasterTextLength(m, "\xC3\xA9", 4, true),
              (m.RightMostBit[0xE9] - m.LeftMostBit[0xE9] + 2) * 4);
}

TEST(RasterLabWidths, CodesAboveTheMatrixShowAsBlanks) {
    const TRDCharMatrix m = BuiltInCharMatrix();
    EXPECT_EQ(RasterCharCode(U'A'), 65);
    EXPECT_EQ(RasterCharCode(0xFF), 255);
    EXPECT_EQ(RasterCharCode(0x100), 32);
    EXPECT_EQ(RasterCharCode(0x20AC), 32);   // the euro sign
    EXPECT_EQ(RasterTextLength(m, "\xE2\x82\xAC", 4, true), RasterTextLength(m, " ", 4, true));
}

TEST(RasterLabWidths, AGlyphWithoutDotsTakesNoColumns) {
    // A rasterised glyph without a lit pixel keeps 31 and 0 as its outer columns.
    TRDCharMatrix m = BuiltInCharMatrix();
    m.LeftMostBit['x'] = 31;
    m.RightMostBit['x'] = 0;
    EXPECT_EQ(RasterCharColumns(m, 'x', false), 0);
    EXPECT_EQ(RasterTextLength(m, "x", 4, true), 4);   // the gap only
    EXPECT_EQ(RasterCharColumns(m, 'x', true), 7);
    // Matrices written from outside cannot claim columns beyond the 32 that exist.
    m.FontWidth = 90;
    m.RightMostBit['y'] = 200;
    EXPECT_EQ(RasterCharColumns(m, 'y', true), 32);
    EXPECT_EQ(RasterCharColumns(m, 'y', false), 32 - m.LeftMostBit['y']);
}

TEST(RasterLabBitFont, DefaultInAnyCaseIsTheBuiltInFont) {
    const TRDCharMatrix builtIn = BuiltInCharMatrix();
    EXPECT_EQ(TRasterLab::CreateBitFont(nullptr), builtIn);
    vcl::TFont font;
    for (const char* name : {"default", "DEFAULT", "Default", "dEfAuLt"}) {
        font.SetName(name);
        EXPECT_EQ(TRasterLab::CreateBitFont(&font), builtIn) << name;
    }
    font.SetName("defaults");
    EXPECT_NE(TRasterLab::CreateBitFont(&font), builtIn);
}

namespace {

// The glyph of Code drawn black on white with Font in whole pixels, as row words.
std::array<std::uint32_t, 32> ReferenceRows(vcl::TFont& Font, int Code) {
    vcl::TBitmap bmp;
    bmp.SetSize(65, 65);
    vcl::TCanvas* c = bmp.GetCanvas();
    c->SetFont(&Font);
    c->GetFont()->SetColor(vcl::clBlack);
    c->GetFont()->SetQuality(vcl::fqNonAntialiased);
    c->GetBrush()->SetColor(vcl::clWhite);
    c->FillRect(vcl::Rect(0, 0, 65, 65));
    c->TextOut(0, 0, vcl::Utf8Encode(char32_t(Code)));
    std::array<std::uint32_t, 32> rows{};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (c->GetPixels(x, y) != vcl::clWhite) rows[y] |= std::uint32_t(1) << x;
    return rows;
}

}  // namespace

TEST(RasterLabBitFont, RasterisedFontMatrix) {
    vcl::TFont font;
    font.SetName("DejaVu Sans Mono");
    font.SetSize(12);
    const TRDCharMatrix m = TRasterLab::CreateBitFont(&font);

    int widest = 0, lowest = 0;
    for (int code : {int('A'), int('g'), int('W'), int('|'), int('.'), 0xE9}) {
        const auto rows = ReferenceRows(font, code);
        std::uint32_t all = 0;
        for (int y = 0; y < 32; ++y) {
            EXPECT_EQ(m.BitData[code][y], rows[y]) << code << " row " << y;
            all |= rows[y];
            if (rows[y] != 0) lowest = std::max(lowest, y + 1);
        }
        ASSERT_NE(all, 0u) << code;
        EXPECT_EQ(m.LeftMostBit[code], std::countr_zero(all)) << code;
        EXPECT_EQ(m.RightMostBit[code], 31 - std::countl_zero(all)) << code;
        widest = std::max(widest, m.RightMostBit[code] - m.LeftMostBit[code] + 1);
    }
    // The font's extent covers every glyph seen, within the text cell of the font.
    EXPECT_GE(m.FontWidth, widest);
    EXPECT_GE(m.FontHeight, lowest);
    vcl::TBitmap probe;
    probe.GetCanvas()->SetFont(&font);
    EXPECT_LE(m.FontHeight, probe.GetCanvas()->TextHeight("Wg"));
    EXPECT_LE(m.FontWidth, probe.GetCanvas()->TextWidth("W") + 1);
    // The blank spans half the widest glyph; codes below it stay empty.
    EXPECT_EQ(m.LeftMostBit[32], 0);
    EXPECT_EQ(m.RightMostBit[32], m.FontWidth / 2);
    EXPECT_EQ(m.BitData[32][m.FontHeight / 2], 0u);
    EXPECT_EQ(m.BitData[10][0], 0u);
    // A period sits low in the cell, an apostrophe high.
    int periodTop = 32, quoteBottom = 0;
    for (int y = 0; y < 32; ++y) {
        if (m.BitData['.'][y] != 0) periodTop = std::min(periodTop, y);
        if (m.BitData['\''][y] != 0) quoteBottom = y;
    }
    EXPECT_GT(periodTop, quoteBottom);
}

TEST(RasterLabBitFont, TheFontColourDoesNotHideTheGlyphs) {
    vcl::TFont font;
    font.SetName("DejaVu Sans");
    font.SetSize(10);
    const TRDCharMatrix black = TRasterLab::CreateBitFont(&font);
    font.SetColor(vcl::clWhite);
    EXPECT_EQ(TRasterLab::CreateBitFont(&font), black);
    EXPECT_NE(black.BitData['A'][black.FontHeight / 2], 0u);
}
