// Glyph blending into 32-bit pixels matches 24-bit blending channel for channel and keeps
// the fourth byte; TextOut moves the pen by the measured width wherever it draws.
#include <gtest/gtest.h>

#include <cstring>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

constexpr TColor kBack = 0x4080C0, kInk = 0x10E070;

void Prepare(TCanvas* c) {
    c->GetBrush()->SetColor(kBack);
    c->FillRect(TRect(0, 0, 80, 30));
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetName("Tahoma");
    c->GetFont()->SetHeight(-15);
    c->GetFont()->SetColor(kInk);
}

TEST(TextBlendTest, ThirtyTwoBitBlendEqualsTwentyFourBitAndKeepsTheFourthByte) {
    auto wide = WhiteBitmap(80, 30, pf32bit), packed = WhiteBitmap(80, 30, pf24bit);
    Prepare(wide->GetCanvas());
    Prepare(packed->GetCanvas());
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) wide->ScanLine(y)[4 * x + 3] = 0x37;
    wide->GetCanvas()->TextOut(3, 4, "Ag 42%");
    packed->GetCanvas()->TextOut(3, 4, "Ag 42%");
    int partial = 0, full = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const TColor got = wide->GetCanvas()->GetPixels(x, y);
            ASSERT_EQ(got, packed->GetCanvas()->GetPixels(x, y)) << x << "," << y;
            ASSERT_EQ(wide->ScanLine(y)[4 * x + 3], 0x37) << x << "," << y;
            partial += got != kInk && got != kBack;
            full += got == kInk;
        }
    EXPECT_GT(partial, 10);   // smoothed edges were blended
    EXPECT_GT(full, 5);
}

TEST(TextBlendTest, PenMovesByTheTextWidthWhetherOrNotAnythingIsDrawn) {
    const std::string text = "Meter 42";
    for (TPixelFormat format : {pf32bit, pf24bit, pf8bit, pf1bit}) {
        auto b = WhiteBitmap(60, 20, format);
        TCanvas* c = b->GetCanvas();
        const int w = c->TextWidth(text);
        ASSERT_GT(w, 0);
        c->TextOut(3, 4, text);
        EXPECT_EQ(c->GetPenPos(), TPoint(3 + w, 4)) << int(format);
        c->SetClipRect(TRect(100, 100, 120, 120));   // nothing of the text is visible
        c->TextOut(-7, 2, text);
        EXPECT_EQ(c->GetPenPos(), TPoint(-7 + w, 2)) << int(format);
    }
    TCanvas loose;   // no surface: measures only
    loose.TextOut(1, 1, text);
    EXPECT_EQ(loose.GetPenPos(), TPoint(1 + loose.TextWidth(text), 1));
}

}  // namespace
