// New bitmap pixels are white in every format; the row padding of 24-bit rows stays zero.
#include <gtest/gtest.h>

#include <cstring>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

TEST(NewPixelsTest, EveryFormatStartsWhiteAndGrowsWhite) {
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit}) {
        for (int w : {1, 3, 4, 5, 8}) {
            TBitmap b;
            b.SetPixelFormat(format);
            b.SetSize(w, 3);
            b.GetCanvas()->SetPixels(0, 0, clRed);
            b.SetSize(w + 2, 4);   // the old picture stays at the top-left
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < w + 2; ++x) {
                    const TColor want = x == 0 && y == 0 && format > pf1bit ? clRed : x == 0 && y == 0 ? clBlack : clWhite;
                    ASSERT_EQ(b.GetCanvas()->GetPixels(x, y), want) << int(format) << " width " << w << " at " << x << "," << y;
                }
        }
    }
}

TEST(NewPixelsTest, ThirtyTwoBitPixelsAreOpaqueAndPaddingIsZero) {
    TBitmap b;
    b.SetSize(5, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) {
            std::uint32_t v;
            std::memcpy(&v, b.ScanLine(y) + 4 * x, 4);
            EXPECT_EQ(v, 0xFFFFFFFFu) << x << "," << y;
        }
    for (int w : {1, 2, 3, 4, 5}) {
        TBitmap c;
        c.SetPixelFormat(pf24bit);
        c.SetSize(w, 2);
        for (int y = 0; y < 2; ++y) {
            for (int i = 0; i < 3 * w; ++i) EXPECT_EQ(c.ScanLine(y)[i], 0xFF) << w;
            for (int i = 3 * w; i < c.BytesPerLine(); ++i) EXPECT_EQ(c.ScanLine(y)[i], 0) << "padding, width " << w;
        }
    }
}

}  // namespace
