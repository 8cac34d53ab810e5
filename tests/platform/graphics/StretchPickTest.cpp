// Stretches where every destination pixel comes from one source pixel (enlarging, or
// keeping one pixel of each group) between true-colour bitmaps pick pixels straight from
// the source rows; these tests check the picked pixels by the mapping rules.
#include <gtest/gtest.h>

#include "CanvasTestSupport.h"
#include "platform/Win32.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

constexpr TColor kPaper = 0x305070;

std::unique_ptr<TBitmap> Pattern(int w, int h, TPixelFormat format) {
    auto b = WhiteBitmap(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b->GetCanvas()->SetPixels(x, y, RGB(13 * x + 1, 17 * y + 2, 40 + x + y));
    return b;
}

std::unique_ptr<TBitmap> Paper(int w, int h, TPixelFormat format) {
    auto b = WhiteBitmap(w, h, format);
    b->GetCanvas()->GetBrush()->SetColor(kPaper);
    b->GetCanvas()->FillRect(TRect(0, 0, w, h));
    return b;
}

TEST(StretchPickTest, DoublingTakesEachSourcePixelTwiceInBothDirections) {
    for (TPixelFormat srcFormat : {pf32bit, pf24bit}) {
        for (TPixelFormat dstFormat : {pf32bit, pf24bit}) {
            auto src = Pattern(5, 4, srcFormat);
            auto dst = Paper(14, 11, dstFormat);
            TCanvas* c = dst->GetCanvas();
            c->SetClipRect(TRect(0, 0, 13, 10));   // the last column and row are clipped away
            c->StretchDraw(TRect(2, 1, 12, 9), src.get());
            c->ResetClipRect();
            for (int y = 0; y < 11; ++y)
                for (int x = 0; x < 14; ++x) {
                    const bool inside = x >= 2 && x < 12 && y >= 1 && y < 9;
                    const TColor want = inside ? src->GetCanvas()->GetPixels((x - 2) / 2, (y - 1) / 2) : kPaper;
                    ASSERT_EQ(c->GetPixels(x, y), want) << int(srcFormat) << "->" << int(dstFormat) << " at " << x << "," << y;
                }
        }
    }
}

TEST(StretchPickTest, MirroredTransparentAndRasterOperationEnlargements) {
    auto src = Pattern(4, 3, pf32bit);
    src->GetCanvas()->SetPixels(1, 1, clFuchsia);
    for (TPixelFormat dstFormat : {pf32bit, pf24bit}) {
        // Mirrored horizontally: destination column k takes source column (7 - k) / 2.
        auto dst = Paper(8, 6, dstFormat);
        StretchBlt(dst->GetCanvas(), 8, 0, -8, 6, src->GetCanvas(), 0, 0, 4, 3, SRCCOPY);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                ASSERT_EQ(dst->GetCanvas()->GetPixels(x, y), src->GetCanvas()->GetPixels((7 - x) / 2, y / 2)) << x << "," << y;

        // A transparent colour leaves its destination pixels.
        auto sprite = WhiteBitmap(4, 3);
        sprite->GetCanvas()->Draw(0, 0, src.get());
        sprite->SetTransparentColor(clFuchsia);
        sprite->SetTransparent(true);
        auto back = Paper(8, 6, dstFormat);
        back->GetCanvas()->StretchDraw(TRect(0, 0, 8, 6), sprite.get());
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) {
                const TColor s = src->GetCanvas()->GetPixels(x / 2, y / 2);
                ASSERT_EQ(back->GetCanvas()->GetPixels(x, y), s == clFuchsia ? kPaper : s) << x << "," << y;
            }

        // An operation that reads the destination: xor with the paper.
        auto mixed = Paper(8, 6, dstFormat);
        StretchBlt(mixed->GetCanvas(), 0, 0, 8, 6, src->GetCanvas(), 0, 0, 4, 3, SRCINVERT);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                ASSERT_EQ(mixed->GetCanvas()->GetPixels(x, y), src->GetCanvas()->GetPixels(x / 2, y / 2) ^ kPaper)
                    << x << "," << y;
    }
}

TEST(StretchPickTest, DeleteScansKeepsTheLastColumnAndFirstRowOfEachGroup) {
    auto src = Pattern(8, 6, pf32bit);
    auto dst = Paper(4, 3, pf32bit);
    TCanvas* c = dst->GetCanvas();
    c->SetStretchBltMode(COLORONCOLOR);
    c->CopyRect(TRect(0, 0, 4, 3), src->GetCanvas(), TRect(0, 0, 8, 6));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(c->GetPixels(x, y), src->GetCanvas()->GetPixels(2 * x + 1, 2 * y)) << x << "," << y;
}

TEST(StretchPickTest, SourcePixelsOutsideTheBitmapLeaveTheDestination) {
    auto src = Pattern(3, 3, pf32bit);
    auto dst = Paper(10, 10, pf32bit);
    // Source [-1, 4) x [-1, 4) doubled onto [0, 10) x [0, 10): the outer ring has no source.
    dst->GetCanvas()->CopyRect(TRect(0, 0, 10, 10), src->GetCanvas(), TRect(-1, -1, 4, 4));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const int sx = x / 2 - 1, sy = y / 2 - 1;
            const bool inside = sx >= 0 && sx < 3 && sy >= 0 && sy < 3;
            ASSERT_EQ(dst->GetCanvas()->GetPixels(x, y), inside ? src->GetCanvas()->GetPixels(sx, sy) : kPaper)
                << x << "," << y;
        }
}

}  // namespace
