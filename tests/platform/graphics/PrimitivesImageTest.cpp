// Draws every primitive into one picture and writes it to the test output folder, so a
// person can look at the whole set at once; the file must read back pixel for pixel.
#include <gtest/gtest.h>

#include <filesystem>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

void DrawPrimitives(TCanvas* c) {
    c->GetBrush()->SetColor(clCream);
    c->FillRect(TRect(0, 0, 400, 240));
    c->GetBrush()->SetColor(clSkyBlue);
    // Row 1: lines fan, wide and dashed lines.
    for (int i = 0; i <= 8; ++i) {
        c->MoveTo(10, 10);
        c->LineTo(10 + i * 8, 60 - i * 6);
    }
    c->GetPen()->SetWidth(5);
    c->GetPen()->SetColor(clMaroon);
    c->Polyline({TPoint(90, 15), TPoint(130, 55), TPoint(150, 20)});
    c->GetPen()->SetWidth(1);
    c->GetPen()->SetColor(clBlack);
    for (TPenStyle s : {psDash, psDot, psDashDot, psDashDotDot}) {
        c->GetPen()->SetStyle(s);
        c->MoveTo(170, 15 + 10 * int(s));
        c->LineTo(260, 15 + 10 * int(s));
    }
    c->GetPen()->SetStyle(psSolid);
    // Row 2: rectangles, round rectangles, ellipses.
    c->Rectangle(10, 80, 60, 120);
    c->GetPen()->SetWidth(3);
    c->GetPen()->SetColor(clNavy);
    c->RoundRect(70, 80, 130, 120, 20, 16);
    c->GetPen()->SetWidth(1);
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetColor(clMoneyGreen);
    c->Ellipse(140, 80, 200, 120);
    c->GetBrush()->SetStyle(bsDiagCross);
    c->GetBrush()->SetColor(clPurple);
    c->Ellipse(210, 80, 250, 130);
    c->GetBrush()->SetColor(clYellow);
    // Row 3: arcs, pies, chords, polygons.
    c->Arc(10, 140, 60, 190, 60, 140, 10, 190);
    c->Pie(70, 140, 120, 190, 120, 165, 95, 140);
    c->Chord(130, 140, 180, 190, 180, 150, 130, 150);
    c->GetBrush()->SetColor(clLime);
    c->Polygon({TPoint(200, 140), TPoint(250, 190), TPoint(190, 170), TPoint(250, 150), TPoint(210, 195)});
    // Flood fill of an outline, focus rectangle, inverted band, XOR pen.
    c->GetBrush()->SetStyle(bsClear);
    c->Rectangle(270, 80, 320, 130);
    c->GetBrush()->SetColor(clAqua);
    c->FloodFill(290, 100, clBlack, fsBorder);
    c->DrawFocusRect(TRect(275, 85, 315, 125));
    c->InvertRect(TRect(270, 140, 390, 150));
    c->GetPen()->SetMode(pmXor);
    c->GetPen()->SetColor(clWhite);
    c->GetPen()->SetWidth(4);
    c->MoveTo(270, 200);
    c->LineTo(390, 160);
    c->GetPen()->SetMode(pmCopy);
    c->GetPen()->SetWidth(1);
}

TEST(PrimitivesImageTest, WritesAViewableImageThatReadsBack) {
    auto bmp = WhiteBitmap(400, 240);
    DrawPrimitives(bmp->GetCanvas());
    // A small stretched copy of the picture in the corner.
    auto thumb = WhiteBitmap(100, 60);
    thumb->GetCanvas()->SetStretchBltMode(HALFTONE);
    thumb->GetCanvas()->StretchDraw(TRect(0, 0, 100, 60), bmp.get());
    bmp->GetCanvas()->Draw(290, 5, thumb.get());

    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    const std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/primitives.png";
    bmp->SaveToFile(file);
    TBitmap loaded;
    loaded.LoadFromFile(file);
    ASSERT_EQ(loaded.GetWidth(), 400);
    ASSERT_EQ(loaded.GetHeight(), 240);
    for (int y = 0; y < 240; y += 3)
        for (int x = 0; x < 400; x += 3)
            ASSERT_EQ(loaded.GetCanvas()->GetPixels(x, y), bmp->GetCanvas()->GetPixels(x, y)) << x << "," << y;
}

}  // namespace
