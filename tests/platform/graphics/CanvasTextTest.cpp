// How the canvas hands text to the text engine: colours, background from the brush, the
// pen position, clipping to TextRect, palette surfaces.
#include <gtest/gtest.h>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

class CanvasTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        bmp = WhiteBitmap(120, 40);
        c = bmp->GetCanvas();
        c->GetFont()->SetName("DejaVu Sans");
        c->GetFont()->SetSize(12);
        c->GetFont()->SetQuality(fqNonAntialiased);
    }
    std::unique_ptr<TBitmap> bmp;
    TCanvas* c = nullptr;
};

TEST_F(CanvasTextTest, OpaqueTextFillsItsCellWithTheBrushAndMovesThePen) {
    c->GetBrush()->SetColor(clYellow);
    c->GetFont()->SetColor(clBlue);
    c->TextOut(5, 3, "Hi");
    const int w = c->TextWidth("Hi"), h = c->TextHeight("Hi");
    EXPECT_GT(w, 0);
    EXPECT_EQ(h, c->TextHeight(""));
    EXPECT_EQ(c->TextWidth(""), 0);
    EXPECT_EQ(c->GetPenPos(), TPoint(5 + w, 3));
    EXPECT_EQ(InkBounds(c, TRect(0, 0, 120, 40)), TRect(5, 3, 5 + w, 3 + h));
    EXPECT_GT(CountInk(c, TRect(0, 0, 120, 40), clYellow), 0);
    EXPECT_GT(PixelsOf(c, TRect(0, 0, 120, 40), clBlue).size(), 5u);
}

TEST_F(CanvasTextTest, ClearBrushLeavesTheBackground) {
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetColor(clBlack);
    c->TextOut(5, 3, "Hi");
    const auto ink = PixelsOf(c, TRect(0, 0, 120, 40), clBlack);
    EXPECT_EQ(int(ink.size()), CountInk(c, TRect(0, 0, 120, 40)));   // only glyph pixels
    EXPECT_GT(ink.size(), 5u);
}

TEST_F(CanvasTextTest, TextRectPaintsItsRectangleAndNothingOutside) {
    c->GetBrush()->SetColor(clAqua);
    c->TextRect(TRect(10, 5, 30, 20), 4, 0, "Wide text that overflows");
    EXPECT_EQ(InkBounds(c, TRect(0, 0, 120, 40)), TRect(10, 5, 30, 20));
    EXPECT_NE(c->GetPixels(29, 19), clWhite);
}

TEST_F(CanvasTextTest, TextOnPaletteBitmapsUsesPaletteColours) {
    auto mono = WhiteBitmap(60, 30, pf1bit);
    TCanvas* m = mono->GetCanvas();
    m->GetFont()->Assign(c->GetFont());
    m->GetBrush()->SetStyle(bsClear);
    m->GetFont()->SetColor(clNavy);   // nearest: black
    m->GetFont()->SetQuality(fqDefault);
    m->TextOut(2, 2, "Ag");
    EXPECT_GT(PixelsOf(m, TRect(0, 0, 60, 30), clBlack).size(), 5u);
    EXPECT_EQ(CountInk(m, TRect(0, 0, 60, 30)), int(PixelsOf(m, TRect(0, 0, 60, 30), clBlack).size()));
}

}  // namespace
