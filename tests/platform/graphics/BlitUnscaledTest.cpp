// Blits whose source and destination have the same size take a row-copy path; these tests
// check it pixel by pixel against the rules (clipping, missing source pixels, transparency,
// raster operations, pixel formats, copies within one surface) and against the mirrored
// general path.
#include <gtest/gtest.h>

#include <cstring>

#include "CanvasTestSupport.h"
#include "platform/Win32.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

constexpr TColor kPaper = 0x305070;

// A bitmap whose every pixel has a colour of its own.
std::unique_ptr<TBitmap> Pattern(int w, int h, TPixelFormat format = pf32bit) {
    auto b = WhiteBitmap(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b->GetCanvas()->SetPixels(x, y, RGB(9 * x + 3, 11 * y + 5, (x * y) & 0xFF));
    return b;
}

std::unique_ptr<TBitmap> Paper(int w, int h, TPixelFormat format = pf32bit) {
    auto b = WhiteBitmap(w, h, format);
    b->GetCanvas()->GetBrush()->SetColor(kPaper);
    b->GetCanvas()->FillRect(TRect(0, 0, w, h));
    return b;
}

// The colour a raster operation gives for pattern, source and destination colours, bit by
// bit from its truth table (bit P << 2 | S << 1 | D).
TColor RopColour(DWORD rop, TColor p, TColor s, TColor d) {
    const unsigned table = (rop >> 16) & 0xFF;
    std::uint32_t out = 0;
    for (int bit = 0; bit < 24; ++bit) {
        const unsigned index = ((p >> bit) & 1) << 2 | ((s >> bit) & 1) << 1 | ((d >> bit) & 1);
        out |= ((table >> index) & 1u) << bit;
    }
    return TColor(out);
}

std::uint32_t Word(TBitmap& b, int x, int y) {
    std::uint32_t v;
    std::memcpy(&v, b.ScanLine(y) + 4 * x, 4);
    return v;
}

TEST(UnscaledBlitTest, DrawClippedAtEveryEdgeCopiesExactlyTheOverlap) {
    auto sprite = Pattern(7, 5);
    const TPoint places[] = {{-3, -2}, {-7, 0}, {0, -5}, {6, 4}, {9, 6}, {2, 1}, {-10, -10}};
    for (TPixelFormat format : {pf32bit, pf24bit}) {
        for (TPoint at : places) {
            auto dst = Paper(10, 8, format);
            dst->GetCanvas()->Draw(at.X, at.Y, sprite.get());
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 10; ++x) {
                    const int sx = x - at.X, sy = y - at.Y;
                    const bool inside = sx >= 0 && sx < 7 && sy >= 0 && sy < 5;
                    const TColor expected = inside ? sprite->GetCanvas()->GetPixels(sx, sy) : kPaper;
                    ASSERT_EQ(dst->GetCanvas()->GetPixels(x, y), expected)
                        << "format " << int(format) << " at " << at.X << "," << at.Y << " pixel " << x << "," << y;
                }
        }
    }
}

TEST(UnscaledBlitTest, DrawHonoursTheCanvasOriginAndClip) {
    auto sprite = Pattern(6, 6);
    auto dst = Paper(12, 12);
    TCanvas* c = dst->GetCanvas();
    c->SetOrigin(TPoint(3, 2));             // logical (0, 0) is device (3, 2)
    c->SetClipRect(TRect(-1, 0, 4, 3));     // device [2, 7) x [2, 5)
    c->Draw(-2, -1, sprite.get());          // device (1, 1)
    c->SetOrigin(TPoint(0, 0));
    c->ResetClipRect();
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool clipped = x >= 2 && x < 7 && y >= 2 && y < 5;
            const int sx = x - 1, sy = y - 1;
            const bool covered = clipped && sx >= 0 && sx < 6 && sy >= 0 && sy < 6;
            const TColor expected = covered ? sprite->GetCanvas()->GetPixels(sx, sy) : kPaper;
            ASSERT_EQ(c->GetPixels(x, y), expected) << x << "," << y;
        }
}

TEST(UnscaledBlitTest, SourceRectanglePartlyOutsideItsBitmap) {
    auto src = Pattern(5, 4);
    auto dst = Paper(9, 8);
    // Source [-2, 6) x [-1, 5) onto destination [1, 9) x [2, 8): only existing source
    // pixels arrive.
    dst->GetCanvas()->CopyRect(TRect(1, 2, 9, 8), src->GetCanvas(), TRect(-2, -1, 6, 5));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) {
            const int sx = x - 1 - 2, sy = y - 2 - 1;
            const bool inside = x >= 1 && y >= 2 && sx >= 0 && sx < 5 && sy >= 0 && sy < 4;
            const TColor expected = inside ? src->GetCanvas()->GetPixels(sx, sy) : kPaper;
            ASSERT_EQ(dst->GetCanvas()->GetPixels(x, y), expected) << x << "," << y;
        }
}

TEST(UnscaledBlitTest, TransparentColourLeavesTheDestination) {
    for (TPixelFormat srcFormat : {pf32bit, pf24bit, pf8bit}) {
        for (TPixelFormat dstFormat : {pf32bit, pf24bit}) {
            auto sprite = WhiteBitmap(4, 3, srcFormat);
            TCanvas* s = sprite->GetCanvas();
            s->GetBrush()->SetColor(clFuchsia);
            s->FillRect(TRect(0, 0, 4, 3));
            s->SetPixels(1, 1, clBlue);
            s->SetPixels(2, 0, clLime);
            s->SetPixels(3, 2, clYellow);
            sprite->SetTransparent(true);
            auto dst = Paper(6, 5, dstFormat);
            dst->GetCanvas()->Draw(1, 1, sprite.get());
            const char* expected[] = {"......", "...G..", "..B...", "....Y.", "......"};
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 6; ++x) {
                    const TColor got = dst->GetCanvas()->GetPixels(x, y);
                    const char e = expected[y][x];
                    const TColor want = e == 'G' ? clLime : e == 'B' ? clBlue : e == 'Y' ? clYellow : kPaper;
                    ASSERT_EQ(got, want) << int(srcFormat) << "->" << int(dstFormat) << " at " << x << "," << y;
                }
            // A fixed transparent colour other than the corner's.
            sprite->SetTransparentColor(clBlue);
            dst->GetCanvas()->Draw(1, 1, sprite.get());
            EXPECT_EQ(dst->GetCanvas()->GetPixels(2, 2), clBlue);   // left alone: still the blue drawn before
            EXPECT_EQ(dst->GetCanvas()->GetPixels(1, 1), clFuchsia);
        }
    }
}

TEST(UnscaledBlitTest, EveryRasterOperationMatchesItsTruthTable) {
    const DWORD codes[] = {BLACKNESS, DSTINVERT, MERGECOPY, MERGEPAINT, NOTSRCCOPY, NOTSRCERASE,
                           PATCOPY,   PATINVERT, PATPAINT,  SRCAND,     SRCCOPY,    SRCERASE,
                           SRCINVERT, SRCPAINT,  WHITENESS, 0x00B8074A, 0x00E20746, 0x001D0F2A};
    const TColor pattern = 0x5AC33C;
    auto src = Pattern(6, 5);
    for (TPixelFormat format : {pf32bit, pf24bit}) {
        for (DWORD rop : codes) {
            auto dst = Pattern(8, 7, format);
            // Shift the destination's colours so source and destination differ everywhere.
            dst->GetCanvas()->GetBrush()->SetColor(0x00FF00);
            dst->GetCanvas()->SetCopyMode(SRCINVERT);
            dst->GetCanvas()->CopyRect(TRect(0, 0, 8, 7), dst->GetCanvas(), TRect(1, 0, 9, 7));
            auto before = WhiteBitmap(8, 7, format);
            before->GetCanvas()->Draw(0, 0, dst.get());
            TCanvas* c = dst->GetCanvas();
            c->GetBrush()->SetColor(pattern);
            c->SetCopyMode(rop);
            c->CopyRect(TRect(1, 1, 7, 6), src->GetCanvas(), TRect(0, 0, 6, 5));
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 8; ++x) {
                    const TColor d = before->GetCanvas()->GetPixels(x, y);
                    const bool inside = x >= 1 && x < 7 && y >= 1 && y < 6;
                    const TColor want =
                        inside ? RopColour(rop, pattern, src->GetCanvas()->GetPixels(x - 1, y - 1), d) : d;
                    ASSERT_EQ(c->GetPixels(x, y), want) << std::hex << rop << std::dec << " format "
                                                        << int(format) << " at " << x << "," << y;
                }
        }
    }
}

TEST(UnscaledBlitTest, AgreesWithTheMirroredGeneralPath) {
    // Mirroring the destination alone goes through the general scaling path. Drawn onto a
    // mirror image of the destination, its result must be the mirror image of the row-copy
    // path's, for every operation.
    const DWORD codes[] = {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, SRCERASE, NOTSRCCOPY, MERGEPAINT, 0x00B8074A};
    for (TPixelFormat srcFormat : {pf32bit, pf24bit, pf8bit, pf1bit, pf16bit}) {
        auto src = Pattern(9, 6, srcFormat);
        for (TPixelFormat dstFormat : {pf32bit, pf24bit, pf8bit, pf16bit}) {
            for (DWORD rop : codes) {
                auto fast = Pattern(11, 8, dstFormat);
                auto general = WhiteBitmap(11, 8, dstFormat);
                StretchBlt(general->GetCanvas(), 11, 0, -11, 8, fast->GetCanvas(), 0, 0, 11, 8, SRCCOPY);
                fast->GetCanvas()->GetBrush()->SetColor(0x336699);
                general->GetCanvas()->GetBrush()->SetColor(0x336699);
                StretchBlt(fast->GetCanvas(), 1, 1, 9, 6, src->GetCanvas(), 0, 0, 9, 6, rop);
                StretchBlt(general->GetCanvas(), 10, 1, -9, 6, src->GetCanvas(), 0, 0, 9, 6, rop);
                for (int y = 1; y < 7; ++y)
                    for (int x = 1; x < 10; ++x)
                        ASSERT_EQ(fast->GetCanvas()->GetPixels(x, y), general->GetCanvas()->GetPixels(10 - x, y))
                            << int(srcFormat) << "->" << int(dstFormat) << " rop " << std::hex << rop << std::dec
                            << " at " << x << "," << y;
            }
        }
    }
}

TEST(UnscaledBlitTest, FormatsConvertAndThirtyTwoBitResultsAreOpaque) {
    for (TPixelFormat srcFormat : {pf32bit, pf24bit}) {
        for (TPixelFormat dstFormat : {pf32bit, pf24bit}) {
            auto src = Pattern(5, 4, srcFormat);
            if (srcFormat == pf32bit)
                for (int y = 0; y < 4; ++y)
                    for (int x = 0; x < 5; ++x) src->ScanLine(y)[4 * x + 3] = std::uint8_t(17 * x + y);   // stray alpha
            auto dst = Paper(5, 4, dstFormat);
            dst->GetCanvas()->Draw(0, 0, src.get());
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 5; ++x) {
                    ASSERT_EQ(dst->GetCanvas()->GetPixels(x, y), src->GetCanvas()->GetPixels(x, y)) << x << "," << y;
                    if (dstFormat == pf32bit) {
                        ASSERT_EQ(Word(*dst, x, y) >> 24, 0xFFu) << x << "," << y;
                    }
                }
        }
    }
    // A 24-bit destination with row padding keeps the bytes past its last pixel.
    auto src = Pattern(3, 2, pf24bit);
    auto dst = Paper(3, 2, pf24bit);
    const std::uint8_t pad = dst->ScanLine(1)[9];
    dst->GetCanvas()->Draw(0, 0, src.get());
    EXPECT_EQ(dst->ScanLine(1)[9], pad);
}

TEST(UnscaledBlitTest, OverlappingCopiesWithinOneSurfaceReadTheOriginal) {
    const TPoint shifts[] = {{3, 2}, {-3, -2}, {2, -3}, {-2, 3}, {4, 0}, {-4, 0}, {0, 1}, {0, -1}};
    for (TPixelFormat format : {pf32bit, pf24bit, pf8bit}) {
        for (TPoint d : shifts) {
            auto b = Pattern(10, 9, format);
            auto original = WhiteBitmap(10, 9, format);
            original->GetCanvas()->Draw(0, 0, b.get());
            for (DWORD rop : {SRCCOPY, SRCINVERT}) {
                if (format == pf8bit && rop != SRCCOPY) continue;   // operations act on palette indexes there
                b->GetCanvas()->Draw(0, 0, original.get());
                b->GetCanvas()->SetCopyMode(rop);
                b->GetCanvas()->CopyRect(TRect(2 + d.X, 2 + d.Y, 8 + d.X, 7 + d.Y), b->GetCanvas(), TRect(2, 2, 8, 7));
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 10; ++x) {
                        const TColor old = original->GetCanvas()->GetPixels(x, y);
                        const int sx = x - d.X, sy = y - d.Y;
                        const bool inside = sx >= 2 && sx < 8 && sy >= 2 && sy < 7;
                        const TColor s = inside ? original->GetCanvas()->GetPixels(sx, sy) : 0;
                        const TColor want = !inside ? old : rop == SRCCOPY ? s : RopColour(rop, 0, s, old);
                        ASSERT_EQ(b->GetCanvas()->GetPixels(x, y), want)
                            << int(format) << " shift " << d.X << "," << d.Y << " at " << x << "," << y;
                    }
            }
        }
    }
}

TEST(UnscaledBlitTest, StretchDrawOfTheBitmapsOwnSizeEqualsDraw) {
    auto sprite = Pattern(6, 4);
    auto a = Paper(10, 8), b = Paper(10, 8);
    a->GetCanvas()->Draw(3, -1, sprite.get());
    b->GetCanvas()->SetStretchBltMode(HALFTONE);
    b->GetCanvas()->StretchDraw(TRect(3, -1, 9, 3), sprite.get());
    EXPECT_EQ(Snapshot(*a), Snapshot(*b));
}

}  // namespace
