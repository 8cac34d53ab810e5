#include <gtest/gtest.h>

#include "CanvasTestSupport.h"
#include "platform/Win32.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

TColor Grey(int v) { return RGB(v, v, v); }

// A one-row bitmap whose pixel i has a colour of its own.
std::unique_ptr<TBitmap> Ruler(int n) {
    auto b = WhiteBitmap(n, 1);
    for (int i = 0; i < n; ++i) b->GetCanvas()->SetPixels(i, 0, RGB(10 * i + 5, 0, 0));
    return b;
}
int RulerIndex(TColor c) { return (GetRValue(c) - 5) / 10; }

TEST(RasterOperationTest, EveryNamedCodeFollowsItsTruthTable) {
    // With P = 11110000, S = 11001100 and D = 10101010 in every channel, the result byte is
    // the operation's truth table.
    const DWORD codes[] = {BLACKNESS, DSTINVERT, MERGECOPY, MERGEPAINT, NOTSRCCOPY, NOTSRCERASE,
                           PATCOPY,   PATINVERT, PATPAINT,  SRCAND,     SRCCOPY,    SRCERASE,
                           SRCINVERT, SRCPAINT,  WHITENESS, 0x00B8074A, 0x00E20746, 0x001D0F2A};
    auto src = WhiteBitmap(2, 2);
    src->GetCanvas()->GetBrush()->SetColor(Grey(0xCC));
    src->GetCanvas()->FillRect(TRect(0, 0, 2, 2));
    for (TPixelFormat format : {pf32bit, pf24bit}) {
        for (DWORD rop : codes) {
            auto dst = WhiteBitmap(4, 4, format);
            TCanvas* c = dst->GetCanvas();
            c->GetBrush()->SetColor(Grey(0xAA));
            c->FillRect(TRect(0, 0, 4, 4));
            c->GetBrush()->SetColor(Grey(0xF0));
            c->SetCopyMode(rop);
            c->CopyRect(TRect(1, 1, 3, 3), src->GetCanvas(), TRect(0, 0, 2, 2));
            const int table = int((rop >> 16) & 0xFF);
            EXPECT_EQ(c->GetPixels(1, 1), Grey(table)) << std::hex << rop;
            EXPECT_EQ(c->GetPixels(2, 2), Grey(table)) << std::hex << rop;
            EXPECT_EQ(c->GetPixels(0, 0), Grey(0xAA)) << "outside, " << std::hex << rop;
            EXPECT_EQ(c->GetPixels(3, 2), Grey(0xAA)) << "outside, " << std::hex << rop;
        }
    }
}

TEST(RasterOperationTest, DrawAndStretchDrawCombineThroughTheCopyMode) {
    // The same truth tables as CopyRect: P = 0xF0 (the destination's brush), S = 0xCC,
    // D = 0xAA in every channel; StretchDraw enlarges the 2 x 2 bitmap to 4 x 4.
    const TCopyMode modes[] = {cmBlackness, cmDstInvert, cmMergeCopy, cmMergePaint, cmNotSrcCopy,
                               cmNotSrcErase, cmPatCopy, cmPatInvert, cmPatPaint, cmSrcAnd,
                               cmSrcCopy, cmSrcErase, cmSrcInvert, cmSrcPaint, cmWhiteness};
    auto src = WhiteBitmap(2, 2);
    src->GetCanvas()->GetBrush()->SetColor(Grey(0xCC));
    src->GetCanvas()->FillRect(TRect(0, 0, 2, 2));
    for (TPixelFormat format : {pf32bit, pf24bit}) {
        for (TCopyMode mode : modes) {
            for (bool stretch : {false, true}) {
                auto dst = WhiteBitmap(6, 6, format);
                TCanvas* c = dst->GetCanvas();
                c->GetBrush()->SetColor(Grey(0xAA));
                c->FillRect(TRect(0, 0, 6, 6));
                c->GetBrush()->SetColor(Grey(0xF0));
                c->SetCopyMode(mode);
                if (stretch) c->StretchDraw(TRect(1, 1, 5, 5), src.get());
                else c->Draw(1, 1, src.get());
                const int last = stretch ? 4 : 2;
                const TColor want = Grey(int((mode >> 16) & 0xFF));
                EXPECT_EQ(c->GetPixels(1, 1), want) << std::hex << mode << " stretch " << stretch;
                EXPECT_EQ(c->GetPixels(last, last), want) << std::hex << mode << " stretch " << stretch;
                EXPECT_EQ(c->GetPixels(0, 0), Grey(0xAA)) << "outside, " << std::hex << mode;
                EXPECT_EQ(c->GetPixels(last + 1, last), Grey(0xAA)) << "outside, " << std::hex << mode;
                EXPECT_EQ(c->GetCopyMode(), mode);
            }
        }
    }
}

TEST(RasterOperationTest, MaskedDrawingWithAndThenOr) {
    // The classic two-pass sprite: AND a mask that is white where the background should
    // show, then OR a picture that is black there.
    auto mask = WhiteBitmap(3, 1);
    mask->GetCanvas()->SetPixels(1, 0, clBlack);
    auto picture = WhiteBitmap(3, 1);
    picture->GetCanvas()->GetBrush()->SetColor(clBlack);
    picture->GetCanvas()->FillRect(TRect(0, 0, 3, 1));
    picture->GetCanvas()->SetPixels(1, 0, clRed);
    auto dst = WhiteBitmap(3, 1);
    TCanvas* c = dst->GetCanvas();
    c->GetBrush()->SetColor(clLime);
    c->FillRect(TRect(0, 0, 3, 1));
    c->SetCopyMode(cmSrcAnd);
    c->Draw(0, 0, mask.get());
    c->SetCopyMode(cmSrcPaint);
    c->Draw(0, 0, picture.get());
    EXPECT_EQ(c->GetPixels(0, 0), clLime);
    EXPECT_EQ(c->GetPixels(1, 0), clRed);
    EXPECT_EQ(c->GetPixels(2, 0), clLime);
}

TEST(RasterOperationTest, PatBltNeedsNoSource) {
    auto dst = WhiteBitmap(4, 4);
    TCanvas* c = dst->GetCanvas();
    EXPECT_TRUE(PatBlt(c, 0, 0, 2, 4, DSTINVERT));
    EXPECT_EQ(c->GetPixels(1, 3), clBlack);
    EXPECT_EQ(c->GetPixels(2, 3), clWhite);
    EXPECT_FALSE(BitBlt(c, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));   // a source is needed
}

TEST(StretchTest, IndexMappingForEveryLengthUpToTwelve) {
    for (int s = 1; s <= 12; ++s) {
        auto src = Ruler(s);
        for (int d = 1; d <= 12; ++d) {
            auto dst = WhiteBitmap(d, 1);
            TCanvas* c = dst->GetCanvas();
            SetStretchBltMode(c, COLORONCOLOR);
            ASSERT_TRUE(StretchBlt(c, 0, 0, d, 1, src->GetCanvas(), 0, 0, s, 1, SRCCOPY));
            for (int i = 0; i < d; ++i) {
                const int j = RulerIndex(c->GetPixels(i, 0));
                if (d >= s) {
                    // The source pixel holding the destination pixel's centre.
                    EXPECT_EQ(j, ((2 * i + 1) * s + 2 * d - 1) / (2 * d) - 1) << s << "->" << d << " at " << i;
                } else {
                    // Some member of the group of source pixels mapping onto i.
                    EXPECT_EQ(((2 * j + 1) * d + 2 * s - 1) / (2 * s) - 1, i) << s << "->" << d << " at " << i;
                }
            }
        }
    }
}

TEST(StretchTest, ShrinkingCombinesPixelsByMode) {
    auto src = WhiteBitmap(2, 1);
    src->GetCanvas()->SetPixels(0, 0, 0xF0F0F0);
    src->GetCanvas()->SetPixels(1, 0, 0x0F0FFF);
    auto dst = WhiteBitmap(1, 1);
    TCanvas* c = dst->GetCanvas();
    EXPECT_EQ(GetStretchBltMode(c), BLACKONWHITE);   // a new canvas ANDs
    c->CopyRect(TRect(0, 0, 1, 1), src->GetCanvas(), TRect(0, 0, 2, 1));
    EXPECT_EQ(c->GetPixels(0, 0), 0x0000F0);
    EXPECT_EQ(SetStretchBltMode(c, WHITEONBLACK), BLACKONWHITE);
    c->CopyRect(TRect(0, 0, 1, 1), src->GetCanvas(), TRect(0, 0, 2, 1));
    EXPECT_EQ(c->GetPixels(0, 0), 0xFFFFFF);
    EXPECT_EQ(SetStretchBltMode(c, 99), 0);
}

TEST(StretchTest, NegativeSizesMirror) {
    auto src = Ruler(4);
    auto dst = WhiteBitmap(6, 1);
    TCanvas* c = dst->GetCanvas();
    StretchBlt(c, 5, 0, -4, 1, src->GetCanvas(), 0, 0, 4, 1, SRCCOPY);   // covers 1..4
    EXPECT_EQ(c->GetPixels(0, 0), clWhite);
    EXPECT_EQ(RulerIndex(c->GetPixels(1, 0)), 3);
    EXPECT_EQ(RulerIndex(c->GetPixels(4, 0)), 0);
    EXPECT_EQ(c->GetPixels(5, 0), clWhite);
    // Mirrored on both sides: upright again.
    StretchBlt(c, 5, 0, -4, 1, src->GetCanvas(), 4, 0, -4, 1, SRCCOPY);
    EXPECT_EQ(RulerIndex(c->GetPixels(1, 0)), 0);
    EXPECT_EQ(RulerIndex(c->GetPixels(4, 0)), 3);
}

TEST(StretchTest, HalftoneAveragesBlocksWhenShrinking) {
    auto src = WhiteBitmap(4, 4);
    const int values[4][4] = {{0, 40, 200, 200}, {80, 120, 100, 60}, {10, 10, 255, 255}, {10, 10, 255, 255}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) src->GetCanvas()->SetPixels(x, y, RGB(values[y][x], 0, 255 - values[y][x]));
    auto dst = WhiteBitmap(2, 2);
    TCanvas* c = dst->GetCanvas();
    SetStretchBltMode(c, HALFTONE);
    StretchBlt(c, 0, 0, 2, 2, src->GetCanvas(), 0, 0, 4, 4, SRCCOPY);
    const int expected[2][2] = {{60, 140}, {10, 255}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            EXPECT_NEAR(GetRValue(c->GetPixels(x, y)), expected[y][x], 2) << x << "," << y;
            EXPECT_NEAR(GetBValue(c->GetPixels(x, y)), 255 - expected[y][x], 2) << x << "," << y;
        }
}

TEST(StretchTest, HalftoneOfALargeGradientMatchesBoxAverages) {
    auto src = WhiteBitmap(1024, 768);
    for (int y = 0; y < 768; ++y) {
        std::uint8_t* row = src->ScanLine(y);
        for (int x = 0; x < 1024; ++x) {
            row[4 * x] = std::uint8_t(x / 4);      // blue
            row[4 * x + 1] = std::uint8_t(y / 3);  // green
            row[4 * x + 2] = std::uint8_t((x + y) & 1 ? 255 : 0);   // red checker
        }
    }
    auto dst = WhiteBitmap(120, 90);
    TCanvas* c = dst->GetCanvas();
    c->SetStretchBltMode(HALFTONE);
    c->CopyRect(TRect(0, 0, 120, 90), src->GetCanvas(), TRect(0, 0, 1024, 768));
    for (TPoint p : {TPoint(0, 0), TPoint(60, 45), TPoint(119, 89), TPoint(33, 71)}) {
        const TColor got = c->GetPixels(p.X, p.Y);
        const double x0 = p.X * 1024.0 / 120, x1 = (p.X + 1) * 1024.0 / 120;
        const double y0 = p.Y * 768.0 / 90, y1 = (p.Y + 1) * 768.0 / 90;
        EXPECT_NEAR(GetBValue(got), ((x0 + x1) / 2 - 0.5) / 4, 2.5) << p.X << "," << p.Y;
        EXPECT_NEAR(GetGValue(got), ((y0 + y1) / 2 - 0.5) / 3, 2.5) << p.X << "," << p.Y;
        EXPECT_NEAR(GetRValue(got), 127.5, 4) << p.X << "," << p.Y;
    }
}

TEST(StretchTest, HalftoneEnlargingBlendsNeighbours) {
    auto src = WhiteBitmap(2, 1);
    src->GetCanvas()->SetPixels(0, 0, clBlack);
    auto dst = WhiteBitmap(8, 1);
    TCanvas* c = dst->GetCanvas();
    c->SetStretchBltMode(HALFTONE);
    c->CopyRect(TRect(0, 0, 8, 1), src->GetCanvas(), TRect(0, 0, 2, 1));
    EXPECT_EQ(c->GetPixels(0, 0), clBlack);
    EXPECT_EQ(c->GetPixels(7, 0), clWhite);
    for (int i = 1; i < 8; ++i) EXPECT_GE(GetRValue(c->GetPixels(i, 0)), GetRValue(c->GetPixels(i - 1, 0)));
    EXPECT_GT(GetRValue(c->GetPixels(4, 0)), 0);
    EXPECT_LT(GetRValue(c->GetPixels(3, 0)), 255);
}

TEST(BlitTest, CopyWithinOneSurfaceReadsTheOriginalPixels) {
    auto b = Ruler(8);
    TCanvas* c = b->GetCanvas();
    c->CopyRect(TRect(2, 0, 8, 1), c, TRect(0, 0, 6, 1));
    for (int i = 2; i < 8; ++i) EXPECT_EQ(RulerIndex(c->GetPixels(i, 0)), i - 2);
}

TEST(BlitTest, SourceOutsideItsSurfaceLeavesTheDestination) {
    auto src = Ruler(4);
    auto dst = WhiteBitmap(6, 1);
    TCanvas* c = dst->GetCanvas();
    c->CopyRect(TRect(0, 0, 6, 1), src->GetCanvas(), TRect(-1, 0, 5, 1));
    EXPECT_EQ(c->GetPixels(0, 0), clWhite);
    EXPECT_EQ(RulerIndex(c->GetPixels(1, 0)), 0);
    EXPECT_EQ(RulerIndex(c->GetPixels(4, 0)), 3);
    EXPECT_EQ(c->GetPixels(5, 0), clWhite);
}

TEST(BlitTest, DrawHonoursTransparency) {
    auto sprite = WhiteBitmap(3, 3);
    TCanvas* s = sprite->GetCanvas();
    s->GetBrush()->SetColor(clFuchsia);
    s->FillRect(TRect(0, 0, 3, 3));
    s->SetPixels(1, 1, clBlue);
    sprite->SetTransparent(true);   // tmAuto: the bottom-left pixel's colour
    EXPECT_EQ(sprite->GetTransparentColor(), clFuchsia);
    auto dst = WhiteBitmap(5, 5);
    dst->GetCanvas()->Draw(1, 1, sprite.get());
    EXPECT_EQ(PixelMap(dst->GetCanvas(), TRect(0, 0, 5, 5), clBlue), (std::vector<std::string>{
                                                                          ".....",
                                                                          ".....",
                                                                          "..#..",
                                                                          ".....",
                                                                          ".....",
                                                                      }));
    sprite->SetTransparent(false);
    dst->GetCanvas()->Draw(1, 1, sprite.get());
    EXPECT_EQ(dst->GetCanvas()->GetPixels(1, 1), clFuchsia);
}

TEST(BlitTest, StretchDrawScalesIntoTheRectangle) {
    auto sprite = Ruler(2);
    auto dst = WhiteBitmap(8, 2);
    dst->GetCanvas()->StretchDraw(TRect(2, 0, 6, 2), sprite.get());
    EXPECT_EQ(dst->GetCanvas()->GetPixels(1, 1), clWhite);
    EXPECT_EQ(RulerIndex(dst->GetCanvas()->GetPixels(2, 1)), 0);
    EXPECT_EQ(RulerIndex(dst->GetCanvas()->GetPixels(3, 0)), 0);
    EXPECT_EQ(RulerIndex(dst->GetCanvas()->GetPixels(4, 0)), 1);
    EXPECT_EQ(RulerIndex(dst->GetCanvas()->GetPixels(5, 1)), 1);
    EXPECT_EQ(dst->GetCanvas()->GetPixels(6, 1), clWhite);
}

TEST(BlitTest, MonochromeConversionsUseTextAndBackgroundColours) {
    auto mono = WhiteBitmap(2, 1, pf1bit);
    mono->GetCanvas()->SetPixels(0, 0, clBlack);
    auto dst = WhiteBitmap(2, 1);
    TCanvas* c = dst->GetCanvas();
    c->GetFont()->SetColor(clRed);     // 0 bits
    c->GetBrush()->SetColor(clBlue);   // 1 bits
    c->CopyRect(TRect(0, 0, 2, 1), mono->GetCanvas(), TRect(0, 0, 2, 1));
    EXPECT_EQ(c->GetPixels(0, 0), clRed);
    EXPECT_EQ(c->GetPixels(1, 0), clBlue);

    // Colour to black and white: the source's background colour becomes white.
    auto colour = WhiteBitmap(3, 1);
    colour->GetCanvas()->SetPixels(0, 0, clLime);
    colour->GetCanvas()->SetPixels(1, 0, clYellow);
    colour->GetCanvas()->GetBrush()->SetColor(clLime);
    auto target = WhiteBitmap(3, 1, pf1bit);
    target->GetCanvas()->CopyRect(TRect(0, 0, 3, 1), colour->GetCanvas(), TRect(0, 0, 3, 1));
    EXPECT_EQ(target->GetCanvas()->GetPixels(0, 0), clWhite);
    EXPECT_EQ(target->GetCanvas()->GetPixels(1, 0), clBlack);
    EXPECT_EQ(target->GetCanvas()->GetPixels(2, 0), clBlack);
}

}  // namespace
