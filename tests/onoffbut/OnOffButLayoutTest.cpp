// Placement of the glyph and the texts, the glyph's hit area, and the cutting of sheets,
// without a control.
#include <gtest/gtest.h>

#include "framework/Zyn_conventions.h"
#include "onoffbut/Zyn_onoffbut.h"

using namespace zyn;
using vcl::TPoint;

namespace {

// A 100 x 50 control with a 30 x 18 glyph whose pixels start at (41, 21).
const TOnOffButPlacement kPlace{40, 20, 30, 18, 100, 50};

}  // namespace

TEST(OnOffButLayout, TextPositionsOnEverySideForEveryAlignment) {
    const int tw = 12, h = 10;
    struct Case {
        TOnOffButTextSide side;
        vcl::TAlignment align;
        TPoint want;
    };
    const Case cases[] = {
        {otsLeft, vcl::taLeftJustify, {4, 24}},
        {otsLeft, vcl::taRightJustify, {40 - 12 - 3, 24}},
        {otsLeft, vcl::taCenter, {(40 - 12) / 2, 24}},
        {otsRight, vcl::taLeftJustify, {40 + 30 + 4, 24}},
        {otsRight, vcl::taRightJustify, {100 - 12 - 4, 24}},
        {otsRight, vcl::taCenter, {(100 - 12 - 40 - 30) / 2 + 40 + 30 + 1, 24}},
        {otsTop, vcl::taLeftJustify, {4, 20 - 10 - 4}},
        {otsTop, vcl::taRightJustify, {84, 6}},
        {otsTop, vcl::taCenter, {40 + (30 - 12) / 2, 6}},
        {otsBottom, vcl::taLeftJustify, {4, 20 + 18 + 4}},
        {otsBottom, vcl::taRightJustify, {84, 42}},
        {otsBottom, vcl::taCenter, {49, 42}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.side) << "/" << int(c.align));
        EXPECT_EQ(OnOffButTextPos(c.side, c.align, tw, h, kPlace), c.want);
    }
    // Centring divides towards zero, also when the text is wider than the room it has.
    EXPECT_EQ(OnOffButTextPos(otsLeft, vcl::taCenter, 45, h, kPlace).X, -2);
}

TEST(OnOffButLayout, CentringAndTheGlyphHitArea) {
    EXPECT_EQ(CenteredGlyphSpaces({0, 0, 30, 18, 100, 50}), TPoint(35, 16));
    EXPECT_EQ(CenteredGlyphSpaces({0, 0, 30, 18, 101, 51}), TPoint(35, 16));
    EXPECT_EQ(CenteredGlyphSpaces({0, 0, 39, 49, 20, 20}), TPoint(-9, -14));   // glyph larger than the control

    // The glyph covers 41..70 x 21..38; a press counts strictly between the spaces and
    // the spaces plus the glyph size.
    EXPECT_FALSE(OnOffButGlyphHit(40, 30, kPlace));
    EXPECT_TRUE(OnOffButGlyphHit(41, 30, kPlace));
    EXPECT_TRUE(OnOffButGlyphHit(69, 37, kPlace));
    EXPECT_FALSE(OnOffButGlyphHit(70, 30, kPlace));
    EXPECT_FALSE(OnOffButGlyphHit(50, 20, kPlace));
    EXPECT_TRUE(OnOffButGlyphHit(50, 21, kPlace));
    EXPECT_FALSE(OnOffButGlyphHit(50, 38, kPlace));
}

TEST(OnOffButLayout, SheetsAreCutIntoFourCellsAndOddSidesRoundDown) {
    // Each cell of a 61 x 37 sheet gets its own colour; the odd last column and row belong
    // to no cell.
    vcl::TBitmap sheet;
    sheet.SetSize(61, 37);
    vcl::TCanvas* c = sheet.GetCanvas();
    const TColor onEn = 0x0000FF, offEn = 0x00FF00, onDis = 0xFF0000, offDis = 0x00FFFF;
    auto fill = [&](int l, int t, int r, int b, TColor col) {
        c->GetBrush()->SetColor(col);
        c->FillRect(vcl::Rect(l, t, r, b));
    };
    fill(0, 0, 30, 18, onEn);
    fill(30, 0, 60, 18, offEn);
    fill(0, 18, 30, 36, onDis);
    fill(30, 18, 60, 36, offDis);
    TOnOffButImages images;
    const vcl::TSize g = CutGlyphSheet(&sheet, images);
    EXPECT_EQ(g, vcl::TSize(30, 18));
    const TColor want[4] = {offDis, offEn, onDis, onEn};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(images[i]->GetWidth(), 30);
        ASSERT_EQ(images[i]->GetHeight(), 18);
        EXPECT_EQ(images[i]->GetCanvas()->GetPixels(0, 0), want[i]);
        EXPECT_EQ(images[i]->GetCanvas()->GetPixels(29, 17), want[i]);
    }
    EXPECT_EQ(OnOffButStateIndex(true, true), 3);
    EXPECT_EQ(OnOffButStateIndex(false, true), 1);
    EXPECT_EQ(OnOffButStateIndex(true, false), 2);
    EXPECT_EQ(OnOffButStateIndex(false, false), 0);
}

TEST(OnOffButLayout, EdgesMixWithTheGroundInPlaceOfTheFace) {
    // On the face the artwork was smoothed against nothing changes, whatever the coverage.
    for (int a : {1, 60, 128, 254})
        EXPECT_EQ(OnOffButCompositeEdge(0x336699, a, OnOffButArtworkGround), TColor(0x336699)) << a;
    // Half covered on black: the face's half (120) comes off every channel, and what would
    // go below 0 or above 255 stops there.
    EXPECT_EQ(OnOffButCompositeEdge(0x9080F8, 128, vcl::clBlack), TColor(0x180880));
    EXPECT_EQ(OnOffButCompositeEdge(0x101010, 128, vcl::clBlack), TColor(0x000000));
    EXPECT_EQ(OnOffButCompositeEdge(0xF8F8F8, 1, vcl::clWhite), TColor(0xFFFFFF));
    // Channels are mixed apart: red, green and blue grounds move only their own channel.
    EXPECT_EQ(OnOffButCompositeEdge(0x808080, 0, 0xF0F0FF), TColor(0x80808F));
    EXPECT_EQ(OnOffButCompositeEdge(0x808080, 255, 0x000000), TColor(0x808080));
}

// Every style's coverage sheet fits its glyph sheet: the same size, nothing where the key
// colour is and something everywhere else.
TEST(OnOffButLayout, EveryStyleHasACoverageSheetThatMatchesItsPictures) {
    for (int s = oobsCheckbox; s <= oobsUser5; ++s) {
        SCOPED_TRACE(s);
        const auto style = TOnOffButStyle(s);
        vcl::TBitmap sheet, coverage;
        LoadResourceBitmap(&sheet, OnOffButStyleResource(style));
        LoadResourceBitmap(&coverage, OnOffButAlphaResource(style));
        ASSERT_EQ(coverage.GetWidth(), sheet.GetWidth());
        ASSERT_EQ(coverage.GetHeight(), sheet.GetHeight());
        TOnOffButImages images;
        TOnOffButAlphas alphas;
        const vcl::TSize g = CutGlyphSheet(&sheet, images);
        CutAlphaSheet(&coverage, alphas);
        int partly = 0, wrong = 0;
        for (int i = 0; i < 4; ++i) {
            ASSERT_EQ(alphas[i].size(), std::size_t(g.cx) * std::size_t(g.cy));
            for (int y = 0; y < g.cy; ++y)
                for (int x = 0; x < g.cx; ++x) {
                    const int a = alphas[i][std::size_t(y) * g.cx + x];
                    const bool key = images[i]->GetCanvas()->GetPixels(x, y) == OnOffButKeyColor;
                    wrong += key != (a == 0);
                    partly += a > 0 && a < 255;
                }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(partly, 10);   // smoothed edges
    }
    EXPECT_EQ(OnOffButAlphaResource(oobsUser), "");
}
