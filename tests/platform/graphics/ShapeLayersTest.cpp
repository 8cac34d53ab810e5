// Shapes mix every pixel once. On a black surface the copy, merge and xor modes must
// therefore give the same picture: copy pens replace pixels (painted layer over layer),
// while merge and xor pens depend on what lies below (painted pixel set by pixel set).
#include <gtest/gtest.h>

#include <functional>

#include "CanvasTestSupport.h"

using namespace vcl;
using namespace vcl::testing_support;

namespace {

struct PenSetup {
    TPenStyle style;
    int width;
};

struct BrushSetup {
    TBrushStyle style;
};

using Shape = std::function<void(TCanvas*)>;

std::vector<std::uint8_t> DrawOnBlack(const Shape& shape, TPenMode mode, PenSetup pen, BrushSetup brush,
                                      TPixelFormat format) {
    auto b = WhiteBitmap(40, 30, format);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clBlack);
    c->FillRect(TRect(0, 0, 40, 30));
    c->GetPen()->SetColor(0x3060C0);
    c->GetPen()->SetStyle(pen.style);
    c->GetPen()->SetWidth(pen.width);
    c->GetPen()->SetMode(mode);
    c->GetBrush()->SetColor(0x0CA050);
    c->GetBrush()->SetStyle(brush.style);
    c->SetClipRect(TRect(1, 1, 38, 29));
    shape(c);
    return Snapshot(*b);
}

TEST(ShapeLayersTest, CopyMergeAndXorAgreeOnBlack) {
    const std::vector<std::pair<const char*, Shape>> shapes = {
        {"rectangle", [](TCanvas* c) { c->Rectangle(3, 4, 30, 22); }},
        {"rectangle 1x1", [](TCanvas* c) { c->Rectangle(5, 5, 6, 6); }},
        {"rectangle 1 wide", [](TCanvas* c) { c->Rectangle(5, 2, 6, 20); }},
        {"rectangle 1 tall", [](TCanvas* c) { c->Rectangle(2, 5, 20, 6); }},
        {"rectangle 2x2", [](TCanvas* c) { c->Rectangle(8, 8, 10, 10); }},
        {"rectangle 3x3", [](TCanvas* c) { c->Rectangle(8, 8, 11, 11); }},
        {"rectangle clipped", [](TCanvas* c) { c->Rectangle(-5, -3, 45, 12); }},
        {"ellipse", [](TCanvas* c) { c->Ellipse(2, 3, 33, 27); }},
        {"ellipse 2 wide", [](TCanvas* c) { c->Ellipse(4, 3, 6, 20); }},
        {"ellipse clipped", [](TCanvas* c) { c->Ellipse(-10, -6, 25, 40); }},
        {"round rect", [](TCanvas* c) { c->RoundRect(2, 2, 36, 26, 12, 9); }},
        {"round rect small corners", [](TCanvas* c) { c->RoundRect(2, 2, 36, 26, 2, 9); }},
        {"pie", [](TCanvas* c) { c->Pie(2, 2, 36, 28, 36, 2, 2, 20); }},
        {"chord", [](TCanvas* c) { c->Chord(2, 2, 36, 28, 30, 28, 2, 2); }},
        {"arc", [](TCanvas* c) { c->Arc(2, 2, 36, 28, 30, 28, 2, 2); }},
        {"polygon", [](TCanvas* c) { c->Polygon({TPoint(3, 3), TPoint(35, 8), TPoint(10, 26), TPoint(20, 1)}); }},
    };
    const PenSetup pens[] = {{psSolid, 1}, {psDash, 1}, {psDot, 1}, {psSolid, 3}, {psClear, 1}, {psInsideFrame, 4}};
    const BrushSetup brushes[] = {{bsSolid}, {bsClear}, {bsCross}, {bsFDiagonal}};
    for (TPixelFormat format : {pf32bit, pf24bit}) {
        for (const auto& [name, shape] : shapes) {
            for (PenSetup pen : pens) {
                for (BrushSetup brush : brushes) {
                    const auto copy = DrawOnBlack(shape, pmCopy, pen, brush, format);
                    EXPECT_EQ(copy, DrawOnBlack(shape, pmMerge, pen, brush, format))
                        << name << " pen " << int(pen.style) << "/" << pen.width << " brush " << int(brush.style);
                    EXPECT_EQ(copy, DrawOnBlack(shape, pmXor, pen, brush, format))
                        << name << " pen " << int(pen.style) << "/" << pen.width << " brush " << int(brush.style);
                }
            }
        }
    }
}

TEST(ShapeLayersTest, RectangleFramePixelsAndInterior) {
    // Pen on the frame, brush strictly inside, nothing outside, for boxes down to one pixel.
    for (TRect box : {TRect(2, 2, 9, 7), TRect(2, 2, 3, 3), TRect(2, 2, 3, 8), TRect(2, 2, 8, 3), TRect(2, 2, 4, 4)}) {
        auto b = WhiteBitmap(12, 10);
        TCanvas* c = b->GetCanvas();
        c->GetPen()->SetColor(clRed);
        c->GetBrush()->SetColor(clBlue);
        c->Rectangle(box);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool in = box.Contains(TPoint(x, y));
                const bool frame = in && (x == box.Left || x == box.Right - 1 || y == box.Top || y == box.Bottom - 1);
                const TColor want = frame ? clRed : in ? clBlue : clWhite;
                ASSERT_EQ(c->GetPixels(x, y), want) << box.Left << "," << box.Top << "," << box.Right << ","
                                                    << box.Bottom << " at " << x << "," << y;
            }
        // Without a pen the brush stops one pixel short of the right and bottom edges.
        c->GetBrush()->SetColor(clLime);
        c->GetPen()->SetStyle(psClear);
        c->Rectangle(box);
        for (int y = box.Top; y < box.Bottom; ++y)
            for (int x = box.Left; x < box.Right; ++x) {
                const bool brushed = x < box.Right - 1 && y < box.Bottom - 1;
                if (brushed) ASSERT_EQ(c->GetPixels(x, y), clLime) << x << "," << y;
                else ASSERT_NE(c->GetPixels(x, y), clLime) << x << "," << y;
            }
    }
}

TEST(ShapeLayersTest, StraightLinesCoverFromStartToBeforeTheEnd) {
    // Rows and columns in both directions, partly clipped, in copy and xor mode.
    struct Case {
        TPoint from, to;
    };
    const Case cases[] = {{{2, 5}, {17, 5}}, {{17, 6}, {2, 6}}, {{-4, 7}, {30, 7}}, {{30, 8}, {-4, 8}},
                          {{4, 1}, {4, 12}}, {{5, 12}, {5, 1}}, {{6, -3}, {6, 30}}, {{7, 30}, {7, -3}},
                          {{3, 3}, {9, 11}}, {{19, 2}, {8, 9}}};
    for (TPenMode mode : {pmCopy, pmXor}) {
        for (const Case& k : cases) {
            auto b = WhiteBitmap(20, 14);
            TCanvas* c = b->GetCanvas();
            c->GetBrush()->SetColor(clBlack);
            c->FillRect(TRect(0, 0, 20, 14));
            c->SetClipRect(TRect(1, 0, 19, 13));
            c->GetPen()->SetColor(clYellow);
            c->GetPen()->SetMode(mode);
            c->MoveTo(k.from.X, k.from.Y);
            c->LineTo(k.to.X, k.to.Y);
            c->ResetClipRect();
            // The same line drawn pixel by pixel through the stroke's rule (dashes walk it
            // one pixel at a time): a dotted pen with an opaque gap of the same colour.
            auto r = WhiteBitmap(20, 14);
            TCanvas* rc = r->GetCanvas();
            rc->GetBrush()->SetColor(clBlack);
            rc->FillRect(TRect(0, 0, 20, 14));
            rc->SetClipRect(TRect(1, 0, 19, 13));
            rc->GetPen()->SetColor(clYellow);
            rc->GetPen()->SetStyle(psDot);
            rc->GetBrush()->SetColor(clYellow);
            rc->MoveTo(k.from.X, k.from.Y);
            rc->LineTo(k.to.X, k.to.Y);
            EXPECT_EQ(Snapshot(*b), Snapshot(*r)) << k.from.X << "," << k.from.Y << " -> " << k.to.X << "," << k.to.Y;
            EXPECT_NE(c->GetPixels(k.to.X, k.to.Y), clYellow);   // the end pixel is not drawn
        }
    }
}

}  // namespace
