#include <gtest/gtest.h>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

// Draws one of everything that can reach far out, through the canvas's origin and clip.
void DrawEverything(TCanvas* c) {
    c->GetBrush()->SetColor(clRed);
    c->GetPen()->SetWidth(3);
    c->Rectangle(-5, -5, 50, 50);
    c->GetPen()->SetWidth(1);
    c->Ellipse(-20, 2, 40, 30);
    c->RoundRect(0, 0, 60, 60, 20, 20);
    c->Pie(-10, -10, 40, 40, 40, 0, 0, 40);
    c->Polygon({TPoint(-30, 5), TPoint(70, 8), TPoint(5, 70)});
    c->MoveTo(-100, 3);
    c->LineTo(100, 9);
    c->FillRect(TRect(-50, 12, 80, 14));
    c->FrameRect(TRect(-50, 15, 80, 25));
    c->InvertRect(TRect(-50, 17, 80, 18));
    c->DrawFocusRect(TRect(-1, -1, 21, 21));
    for (int i = -10; i < 40; ++i) c->SetPixels(i, i, clBlue);
    c->FloodFill(10, 10, c->GetPixels(10, 10), fsSurface);
}

TEST(CanvasClipTest, NothingIsDrawnOutsideTheClipRectangle) {
    auto bmp = WhiteBitmap(40, 40);
    TCanvas* c = bmp->GetCanvas();
    c->SetOrigin(TPoint(10, 10));
    c->SetClipRect(TRect(0, 0, 20, 20));   // device 10..29
    EXPECT_EQ(c->GetClipRect(), TRect(0, 0, 20, 20));
    DrawEverything(c);
    c->ResetClipRect();
    c->SetOrigin(TPoint(0, 0));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (x < 10 || x >= 30 || y < 10 || y >= 30) {
                ASSERT_EQ(c->GetPixels(x, y), clWhite) << x << "," << y;
            }
    EXPECT_GT(CountInk(c, TRect(10, 10, 30, 30)), 100);
    EXPECT_EQ(c->GetPixels(-1, 0), CLR_INVALID);
    EXPECT_EQ(c->GetPixels(40, 0), CLR_INVALID);
}

TEST(CanvasClipTest, OriginShiftsEverythingAndClipIsLogical) {
    auto a = WhiteBitmap(40, 40), b = WhiteBitmap(40, 40);
    DrawEverything(a->GetCanvas());
    b->GetCanvas()->SetOrigin(TPoint(7, -3));
    DrawEverything(b->GetCanvas());
    b->GetCanvas()->SetOrigin(TPoint(0, 0));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            if (x - 7 < 0 || y + 3 >= 40) continue;
            ASSERT_EQ(b->GetCanvas()->GetPixels(x, y), a->GetCanvas()->GetPixels(x - 7, y + 3)) << x << "," << y;
        }
    b->GetCanvas()->SetOrigin(TPoint(5, 5));
    b->GetCanvas()->SetClipRect(TRect(1, 1, 3, 3));
    EXPECT_EQ(b->GetCanvas()->GetPixels(0, 1), CLR_INVALID);
    EXPECT_NE(b->GetCanvas()->GetPixels(1, 1), CLR_INVALID);
}

TEST(CanvasClipTest, ACanvasWithoutSurfaceDrawsNothingAndDoesNotFail) {
    TCanvas c;
    DrawEverything(&c);
    EXPECT_EQ(c.GetPixels(0, 0), CLR_INVALID);
    EXPECT_EQ(c.GetClipRect(), TRect());
    auto empty = std::make_unique<TBitmap>();
    DrawEverything(empty->GetCanvas());
    EXPECT_TRUE(empty->Empty());
}

TEST(CanvasClipTest, PaletteSurfacesAreClippedToo) {
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit}) {
        auto bmp = WhiteBitmap(40, 40, format);
        TCanvas* c = bmp->GetCanvas();
        c->SetOrigin(TPoint(10, 10));
        c->SetClipRect(TRect(0, 0, 20, 20));
        DrawEverything(c);
        c->ResetClipRect();
        c->SetOrigin(TPoint(0, 0));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (x < 10 || x >= 30 || y < 10 || y >= 30) {
                    ASSERT_EQ(c->GetPixels(x, y), clWhite) << int(format) << ": " << x << "," << y;
                }
        EXPECT_GT(CountInk(c, TRect(10, 10, 30, 30)), 20) << int(format);
    }
}

}  // namespace
