// Frames, rectangles and plot marks of the base library, probed pixel by pixel.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "framework/Zyn_zynbase.h"

using namespace zyn;
using vcl::TBitmap;

namespace {

constexpr TColor kGround = 0x123456;
constexpr TColor C1 = 0x0000F1, C2 = 0x0000F2, C3 = 0x0000F3, C4 = 0x0000F4, C5 = 0x0000F5;

std::unique_ptr<TBitmap> Ground(int w, int h, TColor color = kGround) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(w, h);
    b->GetCanvas()->GetBrush()->SetColor(color);
    b->GetCanvas()->FillRect(vcl::Rect(0, 0, w, h));
    return b;
}

TColor Px(TBitmap& b, int x, int y) { return b.GetCanvas()->GetPixels(x, y); }

// Pixels of a 10 x 8 frame ring: top row without its right end, left column without its
// bottom end, the bottom row and the right column whole.
void ExpectBevel(TBitmap& b, int l, int t, int r, int bt, TColor tl, TColor br) {
    for (int x = l; x < r; ++x) EXPECT_EQ(Px(b, x, t), tl) << "top " << x;
    for (int y = t; y < bt; ++y) EXPECT_EQ(Px(b, l, y), tl) << "left " << y;
    for (int x = l; x <= r; ++x) EXPECT_EQ(Px(b, x, bt), br) << "bottom " << x;
    for (int y = t; y <= bt; ++y) EXPECT_EQ(Px(b, r, y), br) << "right " << y;
}

}  // namespace

TEST(DrawFrame, OnePixelStyles) {
    const TColor bottomRight[4] = {0, C5, C1, C3};
    const TColor topLeft[4] = {0, C5, C3, C1};
    for (int style = 1; style <= 3; ++style) {
        SCOPED_TRACE(style);
        auto b = Ground(10, 8);
        DrawFrame(b->GetCanvas(), style, 0, 0, 9, 7, C1, C2, C3, C4, C5);
        ExpectBevel(*b, 0, 0, 9, 7, topLeft[style], bottomRight[style]);
        EXPECT_EQ(Px(*b, 1, 1), kGround);   // the inside is left alone
        EXPECT_EQ(Px(*b, 8, 6), kGround);
    }
}

TEST(DrawFrame, TwoPixelStyles) {
    auto sunken = Ground(10, 8);
    DrawFrame(sunken->GetCanvas(), 4, 0, 0, 9, 7, C1, C2, C3, C4, C5);
    ExpectBevel(*sunken, 0, 0, 9, 7, C3, C1);
    ExpectBevel(*sunken, 1, 1, 8, 6, C4, C2);
    EXPECT_EQ(Px(*sunken, 2, 2), kGround);

    auto raised = Ground(10, 8);
    DrawFrame(raised->GetCanvas(), 5, 0, 0, 9, 7, C1, C2, C3, C4, C5);
    ExpectBevel(*raised, 0, 0, 9, 7, C2, C5);
    ExpectBevel(*raised, 1, 1, 8, 6, C1, C3);
    EXPECT_EQ(Px(*raised, 7, 5), kGround);
}

TEST(DrawFrame, StyleZeroAndUnknownDrawNothingAndPenIsKept) {
    for (int style : {0, 6, -1}) {
        auto b = Ground(6, 6);
        DrawFrame(b->GetCanvas(), style, 0, 0, 5, 5, C1, C2, C3, C4, C5);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) EXPECT_EQ(Px(*b, x, y), kGround);
    }
    auto b = Ground(6, 6);
    b->GetCanvas()->GetPen()->SetColor(0x00ABCD);
    b->GetCanvas()->GetPen()->SetWidth(3);
    DrawFrame(b->GetCanvas(), 4, 0, 0, 5, 5, C1, C2, C3, C4, C5);
    EXPECT_EQ(b->GetCanvas()->GetPen()->GetColor(), 0x00ABCD);
    EXPECT_EQ(b->GetCanvas()->GetPen()->GetWidth(), 3);
    // A frame drawn in an offset rectangle stays inside it.
    auto c = Ground(12, 12);
    DrawFrame(c->GetCanvas(), 2, 3, 4, 8, 9, C1, C2, C3, C4, C5);
    EXPECT_EQ(Px(*c, 2, 4), kGround);
    EXPECT_EQ(Px(*c, 3, 4), C3);
    EXPECT_EQ(Px(*c, 8, 9), C1);
    EXPECT_EQ(Px(*c, 9, 9), kGround);
    EXPECT_EQ(Px(*c, 8, 10), kGround);
}

TEST(DrawFrame, FilledFrameShowsTheBrushInside) {
    auto b = Ground(10, 8);
    b->GetCanvas()->GetBrush()->SetColor(0x00AA00);
    DrawFilledFrame(b->GetCanvas(), 4, 0, 0, 9, 7, C1, C2, C3, C4, C5);
    EXPECT_EQ(Px(*b, 2, 2), 0x00AA00);
    EXPECT_EQ(Px(*b, 7, 5), 0x00AA00);
    EXPECT_EQ(Px(*b, 1, 1), C4);
    EXPECT_EQ(Px(*b, 8, 6), C2);
    // Style 0 fills the whole rectangle, corners included.
    auto z = Ground(6, 6);
    z->GetCanvas()->GetBrush()->SetColor(0x00AA00);
    DrawFilledFrame(z->GetCanvas(), 0, 1, 1, 4, 4, C1, C2, C3, C4, C5);
    EXPECT_EQ(Px(*z, 1, 1), 0x00AA00);
    EXPECT_EQ(Px(*z, 4, 4), 0x00AA00);
    EXPECT_EQ(Px(*z, 5, 5), kGround);
    // A clear brush fills nothing.
    auto c = Ground(6, 6);
    c->GetCanvas()->GetBrush()->SetStyle(vcl::bsClear);
    DrawFilledFrame(c->GetCanvas(), 1, 0, 0, 5, 5, C1, C2, C3, C4, C5);
    EXPECT_EQ(Px(*c, 2, 2), kGround);
    EXPECT_EQ(Px(*c, 0, 0), C5);
}

TEST(DrawRectangle, BothCornersDrawnInsideUntouched) {
    auto b = Ground(8, 8);
    b->GetCanvas()->GetPen()->SetColor(C1);
    DrawRectangle(b->GetCanvas(), 1, 2, 6, 5);
    EXPECT_EQ(Px(*b, 1, 2), C1);
    EXPECT_EQ(Px(*b, 6, 2), C1);
    EXPECT_EQ(Px(*b, 6, 5), C1);
    EXPECT_EQ(Px(*b, 1, 5), C1);
    EXPECT_EQ(Px(*b, 3, 3), kGround);
    EXPECT_EQ(Px(*b, 7, 5), kGround);
    EXPECT_EQ(Px(*b, 1, 6), kGround);
}

namespace {

// The pixels of a mark drawn at (15, 15) of a 31 x 31 white bitmap: 'p' pen, 'b' brush. With
// a PPI, the mark drawn for that density at the centre of a bitmap Side pixels square.
std::string MarkPattern(int mark, TColor pen = vcl::clBlack, TColor brush = 0x00EEEE, int PPI = 0, int Side = 31) {
    auto b = Ground(Side, Side, vcl::clWhite);
    vcl::TCanvas* c = b->GetCanvas();
    c->GetPen()->SetColor(pen);
    c->GetBrush()->SetColor(brush);
    if (PPI == 0) DrawMarkOnCanvas(c, mark, Side / 2, Side / 2);
    else DrawMarkOnCanvas(c, mark, Side / 2, Side / 2, PPI);
    EXPECT_EQ(c->GetPen()->GetColor(), pen);
    EXPECT_EQ(c->GetBrush()->GetColor(), brush);
    EXPECT_EQ(c->GetPen()->GetWidth(), 1);
    std::string s;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            TColor px = Px(*b, x, y);
            s += px == pen ? 'p' : px == brush ? 'b' : px == vcl::clWhite ? '.' : '?';
        }
    return s;
}

// The drawn extent of a pattern Side pixels square: width and height.
std::pair<int, int> Extent(const std::string& s, int Side) {
    int minX = Side, maxX = -1, minY = Side, maxY = -1;
    for (int i = 0; i < int(s.size()); ++i)
        if (s[std::size_t(i)] != '.') {
            minX = std::min(minX, i % Side); maxX = std::max(maxX, i % Side);
            minY = std::min(minY, i / Side); maxY = std::max(maxY, i / Side);
        }
    return {maxX - minX + 1, maxY - minY + 1};
}

}  // namespace

TEST(DrawMarkOnCanvas, FiftyTwoDistinctMarksOfSensibleSize) {
    std::set<std::string> patterns;
    for (int mark = 0; mark < NumberOfMarks; ++mark) {
        SCOPED_TRACE(mark);
        std::string s = MarkPattern(mark);
        EXPECT_EQ(s.find('?'), std::string::npos);
        // Everything lies within 8 pixels of the centre, and something is drawn.
        int minX = 99, maxX = -1, minY = 99, maxY = -1;
        for (int i = 0; i < int(s.size()); ++i)
            if (s[std::size_t(i)] != '.') {
                minX = std::min(minX, i % 31); maxX = std::max(maxX, i % 31);
                minY = std::min(minY, i / 31); maxY = std::max(maxY, i / 31);
            }
        ASSERT_GE(maxX, 0);
        EXPECT_GE(minX, 7);
        EXPECT_LE(maxX, 23);
        EXPECT_GE(minY, 7);
        EXPECT_LE(maxY, 23);
        patterns.insert(s);
    }
    EXPECT_EQ(patterns.size(), std::size_t(NumberOfMarks));
    EXPECT_EQ(MarkPattern(52), std::string(31 * 31, '.'));
    EXPECT_EQ(MarkPattern(-1), std::string(31 * 31, '.'));
}

TEST(DrawMarkOnCanvas, OpenMarksShowTheBrushFilledOnesThePen) {
    auto centre = [](const std::string& s) { return s[15 * 31 + 15]; };
    for (int shape = 0; shape < 8; ++shape) {
        SCOPED_TRACE(shape);
        EXPECT_EQ(centre(MarkPattern(4 + shape)), 'b');    // small open
        EXPECT_EQ(centre(MarkPattern(12 + shape)), 'p');   // small filled
        EXPECT_EQ(centre(MarkPattern(20 + shape)), 'b');   // large open
        EXPECT_EQ(centre(MarkPattern(28 + shape)), 'p');   // large filled
    }
    EXPECT_EQ(centre(MarkPattern(36)), 'b');
    EXPECT_EQ(centre(MarkPattern(37)), 'p');
}

// For a denser form every mark is drawn at its size scaled, in lines of whole pixels; at 96
// it is the mark drawn without a density.
TEST(DrawMarkOnCanvas, MarksScaleWithTheDensity) {
    for (int mark = 0; mark < NumberOfMarks; ++mark) {
        SCOPED_TRACE(mark);
        EXPECT_EQ(MarkPattern(mark, vcl::clBlack, 0x00EEEE, 96), MarkPattern(mark));
        const auto [w, h] = Extent(MarkPattern(mark), 31);
        const std::string big = MarkPattern(mark, vcl::clBlack, 0x00EEEE, 192, 61);
        EXPECT_EQ(big.find('?'), std::string::npos);
        const auto [w2, h2] = Extent(big, 61);
        EXPECT_NEAR(w2, 2 * w, 2);
        EXPECT_NEAR(h2, 2 * h, 2);
    }
    // The plus's bars are two pixels thick at 2x (counted down column 24).
    const std::string plus = MarkPattern(1, vcl::clBlack, 0x00EEEE, 192, 61);
    int thick = 0;
    for (int y = 26; y < 35; ++y) thick += plus[std::size_t(y * 61 + 24)] == 'p';
    EXPECT_EQ(thick, 2);
}
