// Bars whose inner area reaches far past the control (margins near the ends of the int
// range): the gradient and the grid are worked out for the columns and rows the picture
// shows only, and land on the pixels a bar of that length puts there.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "platform/Graphics.h"
#include "progbar/Zyn_ProgBar.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

std::unique_ptr<TProgBar> MakeBar(int W = 300, int H = 28) {
    auto b = std::make_unique<TProgBar>(nullptr);
    b->SetBounds(0, 0, W, H);
    b->SetFrameStyleInner(frNone);
    b->SetFrameStyleOuter(frNone);
    b->SetTextVisible(false);
    return b;
}

TColor At(TProgBar& B, int X, int Y) {
    vcl::TBitmap bmp;
    bmp.SetSize(B.GetWidth(), B.GetHeight());
    B.PaintTo(bmp.GetCanvas(), 0, 0);
    return bmp.GetCanvas()->GetPixels(X, Y);
}

}  // namespace

// The default bar with its left margin half a billion pixels out: the columns shown are
// columns 500,000,000 on of a bar of 500,000,296 (it used to size a colour run for the
// whole bar and threw std::bad_alloc out of the setter).
TEST(ProgBarFarParts, GradientOfAVeryLongBarShowsItsVisibleColumns) {
    auto b = MakeBar();
    b->SetShowColorGradient(true);
    b->SetColorMin(vcl::clBlack);
    b->SetColorMax(vcl::clWhite);
    b->SetValue(100);
    ASSERT_NO_THROW(b->SetMarginLeft(-500000000));
    for (TColorMapping mapping : {cgmCover, cgmStretch, cgmMove}) {
        b->SetColorMapMode(mapping);
        for (int x : {0, 150, 295}) {
            const int k = x + 500000000;
            const TColor want = b->GetBarColorElem(GradientIndex(mapping, k, 500000296, 500000296));
            EXPECT_EQ(At(*b, x, 14), want) << "mapping " << int(mapping) << ", x " << x;
        }
    }
    // From the far end of the int range the bar's length saturates at 2^31 - 1 and ends at
    // x = -1: what shows is the inner area.
    ASSERT_NO_THROW(b->SetMarginLeft(kIntMin));
    EXPECT_EQ(At(*b, 150, 14), TColor(0xC0C0C0));
    // Growing to the left from a right edge far out, and upward from a bottom edge far out.
    b = MakeBar();
    b->SetShowColorGradient(true);
    b->SetColorMin(vcl::clBlack);
    b->SetColorMax(vcl::clWhite);
    b->SetValue(100);
    b->SetDirection(dirLeft);
    b->SetMarginRight(-500000000);
    EXPECT_EQ(At(*b, 100, 14), b->GetBarColorElem(GradientIndex(cgmStretch, 500000299 - 100, 500000296, 500000296)));
    b->SetDirection(dirUp);
    b->SetMarginRight(4);
    b->SetMarginBottom(-500000000);
    EXPECT_EQ(At(*b, 100, 10), b->GetBarColorElem(GradientIndex(cgmStretch, 500000027 - 10, 500000024, 500000024)));
}

// Grid lines every GridDist pixels from the base of a bar of 2^31 - 1 pixels: the lines in
// sight are found without walking the bar, and the count cannot wrap (the loop used to wrap
// past the int range and never end).
TEST(ProgBarFarParts, GridOfABarAcrossTheIntRange) {
    auto b = MakeBar();
    b->SetColorGrid(vcl::clMaroon);
    b->SetValue(100);
    // The inner width saturates at 2^31 - 1, a full bar of as many pixels that ends at
    // x = 399; column x is line k = x + 2,147,483,248.
    b->SetMarginLeft(kIntMin + 400);
    b->SetGridDist(2);           // a grid line at every even x
    EXPECT_EQ(At(*b, 150, 14), vcl::clMaroon);
    EXPECT_EQ(At(*b, 151, 14), TColor(0xFF0000));
    b->SetGridDist(kIntMax);     // lines at x = -2,147,483,248 and 399 only, both out of sight
    EXPECT_EQ(At(*b, 150, 14), TColor(0xFF0000));
    b->SetGridDist(1 << 30);
    EXPECT_EQ(At(*b, 150, 14), TColor(0xFF0000));
    // Seen from the base, the lines start at the base.
    b->SetMarginLeft(4);
    b->SetGridDist(1 << 30);
    EXPECT_EQ(At(*b, 4, 14), vcl::clMaroon);
    EXPECT_EQ(At(*b, 5, 14), TColor(0xFF0000));
}
