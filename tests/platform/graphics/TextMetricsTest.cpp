// Font matching, the height rule and extents that agree with the ink drawn.
#include <gtest/gtest.h>

#include "TextTestSupport.h"
#include "platform/graphics/text/TextEngine.h"
#include "platform/graphics/text/Utf8.h"

using namespace vcl::text;
using namespace texttest;

namespace {

TextEngine& Engine() { return TextEngine::Instance(); }

}  // namespace

TEST(TextMetrics, HeightRuleNegativeIsEmPositiveIsCell) {
    for (const char* family : {"Arial", "Times New Roman", "Courier New", "Tahoma"}) {
        SCOPED_TRACE(family);
        for (int size : {8, 11, 16, 24, 40}) {
            const FontMetrics em = Engine().Metrics(Font(family, -size));
            EXPECT_EQ(em.height, em.ascent + em.descent);
            // The em is the character height: the cell minus the internal leading.
            EXPECT_EQ(em.height - em.internalLeading, size);
            const FontMetrics cell = Engine().Metrics(Font(family, size));
            EXPECT_NEAR(cell.height, size, 1);
            EXPECT_LT(cell.height, em.height);
        }
        // Zero picks a usable default size.
        EXPECT_GT(Engine().Metrics(Font(family, 0)).height, 8);
    }
}

TEST(TextMetrics, ExtentIsTheSumOfAdvancesAndTheCellHeight) {
    for (const char* family : {"Arial", "Times New Roman", "Courier New", "Tahoma"}) {
        SCOPED_TRACE(family);
        const FontSpec font = Font(family, -13);
        const int height = Engine().Metrics(font).height;
        EXPECT_EQ(Engine().Extent(font, ""), vcl::TSize(0, height));
        EXPECT_EQ(Engine().Extent(font, "y").cy, height);
        // No kerning: "AVAV" is exactly two A and two V.
        EXPECT_EQ(Engine().Extent(font, "AVAV").cx,
                  2 * Engine().Extent(font, "A").cx + 2 * Engine().Extent(font, "V").cx);
    }
    // Monospaced and proportional families really are different faces.
    EXPECT_EQ(Engine().Extent(Font("Courier New"), "iiii").cx, Engine().Extent(Font("Courier New"), "MMMM").cx);
    EXPECT_LT(Engine().Extent(Font("Arial"), "iiii").cx, Engine().Extent(Font("Arial"), "MMMM").cx);
}

TEST(TextMetrics, UnknownFamiliesFallBackToTheDefaultSans) {
    const FontSpec unknown = Font("No Such Family 1234");
    const FontSpec fallback = Font("");
    EXPECT_EQ(Engine().Extent(unknown, "Fallback text").cx, Engine().Extent(fallback, "Fallback text").cx);
    EXPECT_EQ(Engine().Metrics(unknown).height, Engine().Metrics(fallback).height);
    Surface surface(120, 30);
    Engine().Draw(surface.target, unknown, 2, 2, "Fallback", vcl::clBlack, vcl::clNone);
    EXPECT_GT(surface.InkCount(), 20);
}

// "DejaVu Math TeX Gyre" has a single upright regular face: its bold and italic are made.
TEST(TextMetrics, BoldIsWiderAndSynthesisedWhenTheFamilyHasNoBold) {
    for (const char* family : {"Arial", "DejaVu Math TeX Gyre"}) {
        SCOPED_TRACE(family);
        FontSpec regular = Font(family, -16), bold = regular;
        bold.bold = true;
        EXPECT_GT(Engine().Extent(bold, "Bold text").cx, Engine().Extent(regular, "Bold text").cx);
        Surface a(200, 30), b(200, 30);
        Engine().Draw(a.target, regular, 2, 2, "Bold text", vcl::clBlack, vcl::clNone);
        Engine().Draw(b.target, bold, 2, 2, "Bold text", vcl::clBlack, vcl::clNone);
        EXPECT_GT(b.InkCount(), a.InkCount() * 11 / 10);
    }
}

TEST(TextMetrics, ItalicKeepsAdvancesAndLeansTheInk) {
    for (const char* family : {"Arial", "DejaVu Math TeX Gyre"}) {
        SCOPED_TRACE(family);
        FontSpec upright = Font(family, -20), italic = upright;
        upright.antialias = italic.antialias = false;
        italic.italic = true;
        const vcl::TSize extent = Engine().Extent(upright, "I");
        Surface a(60, 80), b(60, 80);
        Engine().Draw(a.target, upright, 10, 5, "I", vcl::clBlack, vcl::clNone);
        Engine().Draw(b.target, italic, 10, 5, "I", vcl::clBlack, vcl::clNone);
        // The stem's top row starts further right than its bottom row.
        const TRect ink = b.Ink();
        const auto firstInk = [&](int y) {
            for (int x = 0; x < 60; ++x)
                if (b.Inked(x, y)) return x;
            return -1;
        };
        EXPECT_GT(firstInk(ink.Top), firstInk(ink.Bottom - 1) + 1);
        EXPECT_NE(a.bits, b.bits);
        if (std::string(family) != "Arial") {
            EXPECT_EQ(Engine().Extent(italic, "I").cx, extent.cx);   // synthesised: same advances
        }
    }
}

// Draws in monochrome and checks the ink against the cell: it starts near x, ends near
// x + cx (italic may lean up to a third of the height past it) and stays inside the rows.
TEST(TextMetrics, ExtentAgreesWithTheInk) {
    for (const char* family : {"Arial", "Times New Roman", "Courier New", "Tahoma"})
        for (int height : {-11, -16, -23, 18})
            for (int style = 0; style < 4; ++style) {
                FontSpec font = Font(family, height);
                font.bold = style & 1;
                font.italic = style & 2;
                font.antialias = false;
                SCOPED_TRACE(std::string(family) + " " + std::to_string(height) + " style " + std::to_string(style));
                const char* text = "HIgH";
                const vcl::TSize extent = Engine().Extent(font, text);
                const FontMetrics metrics = Engine().Metrics(font);
                Surface surface(extent.cx + 40, extent.cy + 20);
                Engine().Draw(surface.target, font, 10, 10, text, vcl::clBlack, vcl::clNone);
                const TRect ink = surface.Ink();
                ASSERT_FALSE(ink.IsEmpty());
                const int lean = font.italic ? extent.cy / 3 + 1 : 1;
                EXPECT_GE(ink.Left, 10 - 1);
                EXPECT_LE(ink.Left, 10 + extent.cx / 4);
                EXPECT_LE(ink.Right, 10 + extent.cx + lean);
                EXPECT_GE(ink.Right, 10 + extent.cx - extent.cx / 4);
                EXPECT_GE(ink.Top, 10);
                EXPECT_LT(ink.Top, 10 + metrics.ascent / 2);
                EXPECT_LE(ink.Bottom, 10 + extent.cy);
                EXPECT_GT(ink.Bottom, 10 + metrics.ascent);   // the descender of g
            }
}

TEST(TextMetrics, Utf8DecodingReplacesInvalidBytes) {
    struct Case { std::string_view bytes; std::u32string expected; };
    const Case cases[] = {
        {"a\xC3\xA9z", U"a\u00E9z"},
        {"\xE2\x82\xAC", U"\u20AC"},
        {"\xF0\x9F\x98\x80", U"\U0001F600"},
        {"a\xFF" "b", U"a\uFFFDb"},
        {"\xC0\xAF", U"\uFFFD\uFFFD"},              // overlong
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},    // surrogate
        {"\xE2\x82", U"\uFFFD"},                    // truncated at the end: one replacement
        {"\xE2\x82z", U"\uFFFDz"},
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},   // above U+10FFFF
        {"\x80", U"\uFFFD"},
    };
    for (const Case& c : cases) {
        std::u32string decoded;
        for (std::size_t pos = 0; pos < c.bytes.size();) decoded += NextCodePoint(c.bytes, pos);
        EXPECT_EQ(decoded, c.expected);
    }
    // The engine measures a bad byte as the replacement character.
    EXPECT_EQ(Engine().Extent(Font("Arial"), "a\xFF" "b").cx, Engine().Extent(Font("Arial"), "a\xEF\xBF\xBD" "b").cx);
}
