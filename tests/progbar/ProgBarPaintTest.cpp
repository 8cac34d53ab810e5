// The progress bar's picture, probed at the coordinates its geometry fixes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Graphics.h"
#include "progbar/Zyn_ProgBar.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Blue = 0xFF0000;

// A bar without frames or text unless a test asks for them, so the probes see the bar.
std::unique_ptr<TProgBar> MakeBar(int W = 300, int H = 28) {
    auto b = std::make_unique<TProgBar>(nullptr);
    b->SetBounds(0, 0, W, H);
    b->SetFrameStyleInner(frNone);
    b->SetFrameStyleOuter(frNone);
    b->SetTextVisible(false);
    return b;
}

struct Picture {
    vcl::TBitmap bmp;
    explicit Picture(TProgBar& b) {
        bmp.SetSize(b.GetWidth(), b.GetHeight());
        bmp.GetCanvas()->GetBrush()->SetColor(0x123456);
        bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, b.GetWidth(), b.GetHeight()));
        b.PaintTo(bmp.GetCanvas(), 0, 0);
    }
    TColor At(int X, int Y) { return bmp.GetCanvas()->GetPixels(X, Y); }
};

}  // namespace

TEST(ProgBarPaint, MarginsInnerAreaAndHorizontalBar) {
    auto b = MakeBar();
    b->SetColorMargin(vcl::clTeal);
    b->SetValue(50);
    Picture p(*b);
    EXPECT_EQ(p.At(0, 0), vcl::clTeal);
    EXPECT_EQ(p.At(3, 14), vcl::clTeal);
    EXPECT_EQ(p.At(296, 14), vcl::clTeal);
    EXPECT_EQ(p.At(150, 3), vcl::clTeal);
    EXPECT_EQ(p.At(150, 24), vcl::clTeal);
    // 146 pixels of bar (Round(292 * 0.5)) from the left margin, then the inner colour.
    EXPECT_EQ(p.At(4, 4), Blue);
    EXPECT_EQ(p.At(149, 23), Blue);
    EXPECT_EQ(p.At(150, 14), Silver);
    EXPECT_EQ(p.At(295, 23), Silver);
}

// Growing downward and to the left draws the mirror images of growing upward and to the
// right, gradient and grid included.
TEST(ProgBarPaint, MirroredDirectionsAreMirrorImages) {
    for (TColorMapping mapping : {cgmCover, cgmStretch, cgmMove}) {
        struct Pair {
            TDirection base, mirror;
            int w, h;
        };
        for (const Pair& pair : {Pair{dirRight, dirLeft, 300, 28}, Pair{dirUp, dirDown, 40, 200}}) {
            auto b = MakeBar(pair.w, pair.h);
            b->SetShowColorGradient(true);
            b->SetColorMapMode(mapping);
            b->SetGridDist(7);
            b->SetValue(37);
            b->SetDirection(pair.base);
            Picture a(*b);
            b->SetDirection(pair.mirror);
            Picture m(*b);
            const bool horizontal = pair.base == dirRight;
            int differences = 0;
            for (int y = 0; y < pair.h; ++y)
                for (int x = 0; x < pair.w; ++x) {
                    const TColor want = horizontal ? a.At(pair.w - 1 - x, y) : a.At(x, pair.h - 1 - y);
                    differences += m.At(x, y) != want;
                }
            EXPECT_EQ(differences, 0) << "mapping " << int(mapping) << " direction " << int(pair.mirror);
        }
    }
}

TEST(ProgBarPaint, GradientColumnsFollowTheirMapping) {
    auto b = MakeBar();
    b->SetShowColorGradient(true);
    b->SetColorMin(vcl::clBlack);
    b->SetColorMax(vcl::clWhite);
    b->SetValue(50);
    for (TColorMapping mapping : {cgmCover, cgmStretch, cgmMove}) {
        b->SetColorMapMode(mapping);
        Picture p(*b);
        for (int k = 0; k < 146; ++k) {
            const TColor want = b->GetBarColorElem(GradientIndex(mapping, k, 146, 292));
            ASSERT_EQ(p.At(4 + k, 4), want) << "mapping " << int(mapping) << " column " << k;
            ASSERT_EQ(p.At(4 + k, 23), want) << "mapping " << int(mapping) << " column " << k;
        }
        EXPECT_EQ(p.At(150, 14), Silver);
    }
    // The moving gradient always ends in ColorMax at the tip.
    b->SetColorMapMode(cgmMove);
    EXPECT_EQ(Picture(*b).At(149, 14), vcl::clWhite);
    // A colour written into the table shows where its index falls.
    b->SetColorMapMode(cgmCover);
    b->SetBarColorElem(256, vcl::clRed);
    EXPECT_EQ(Picture(*b).At(4 + 73, 14), vcl::clRed);   // Round(73 * 1023 / 292) = 256
}

TEST(ProgBarPaint, GridLinesAcrossTheBar) {
    auto b = MakeBar();
    b->SetColorGrid(vcl::clMaroon);
    b->SetValue(50);
    b->SetGridDist(1);   // drawn only above 1
    EXPECT_EQ(Picture(*b).At(5, 14), Blue);
    b->SetGridDist(73);
    Picture p(*b);
    // Vertical lines from the left margin every 73 pixels up to the bar's end, the line on
    // its far edge included.
    for (int x : {4, 77, 150}) {
        EXPECT_EQ(p.At(x, 4), vcl::clMaroon) << x;
        EXPECT_EQ(p.At(x, 23), vcl::clMaroon) << x;
    }
    EXPECT_EQ(p.At(78, 14), Blue);
    EXPECT_EQ(p.At(223, 14), Silver);
    // Growing upward: rows from the bottom row every GridDist pixels, inside the bar only.
    auto v = MakeBar(40, 200);
    v->SetColorGrid(vcl::clMaroon);
    v->SetDirection(dirUp);
    v->SetValue(50);   // rows 100..195
    v->SetGridDist(48);
    Picture q(*v);
    for (int y : {195, 147, 99}) EXPECT_EQ(q.At(20, y), y >= 100 ? vcl::clMaroon : Silver) << y;
    EXPECT_EQ(q.At(20, 146), Blue);
}

TEST(ProgBarPaint, EmptyAndOverfullBars) {
    auto b = MakeBar();
    b->SetColorMargin(vcl::clTeal);
    b->SetMin(20);
    b->SetMax(20);   // Max = Min: empty
    Picture p(*b);
    EXPECT_EQ(p.At(4, 14), Silver);
    b->SetRange(0, 100);
    b->SetValue(-30);   // below Min: empty, nothing in the margin
    Picture below(*b);
    EXPECT_EQ(below.At(4, 14), Silver);
    EXPECT_EQ(below.At(2, 14), vcl::clTeal);
    b->SetValue(250);   // past Max: a full bar that stays inside its frame
    Picture above(*b);
    EXPECT_EQ(above.At(295, 14), Blue);
    EXPECT_EQ(above.At(296, 14), vcl::clTeal);
    EXPECT_EQ(above.At(299, 14), vcl::clTeal);
}

TEST(ProgBarPaint, FrameStyles) {
    auto b = MakeBar(100, 40);
    b->SetColorMargin(vcl::clTeal);
    b->SetColorBackGnd(vcl::clTeal);
    b->SetValue(0);
    const TColor K = vcl::clBlack, G = vcl::clGray, Wh = vcl::clWhite, M = vcl::clTeal;
    // Outer frame on (0, 0, 100, 40): the two outermost and innermost columns and rows, and
    // the corners where light and shadow meet.
    struct Want {
        TColor left, left1, right, right1, top, top1, bottom, bottom1, lowerLeft, upperRight;
    };
    const Want wants[] = {
        {M, M, M, M, M, M, M, M, M, M},
        {G, M, G, M, G, M, G, M, G, G},
        {G, K, Wh, G, G, K, Wh, G, M, M},
        {G, Wh, K, G, G, Wh, K, G, M, M},
        {Wh, G, G, Wh, Wh, G, G, Wh, M, M},
        {G, Wh, Wh, G, G, Wh, Wh, G, M, M},
    };
    for (int style = 0; style <= 5; ++style) {
        b->SetFrameStyleOuter(TFrameStyle(style));
        Picture p(*b);
        const Want& w = wants[style];
        EXPECT_EQ(p.At(0, 20), w.left) << style;
        EXPECT_EQ(p.At(1, 20), w.left1) << style;
        EXPECT_EQ(p.At(99, 20), w.right) << style;
        EXPECT_EQ(p.At(98, 20), w.right1) << style;
        EXPECT_EQ(p.At(50, 0), w.top) << style;
        EXPECT_EQ(p.At(50, 1), w.top1) << style;
        EXPECT_EQ(p.At(50, 39), w.bottom) << style;
        EXPECT_EQ(p.At(50, 38), w.bottom1) << style;
        EXPECT_EQ(p.At(0, 39), w.lowerLeft) << style;
        EXPECT_EQ(p.At(99, 0), w.upperRight) << style;
    }
    // The inner frame lies on the inner area's edges; the scheme recolours gray and white.
    vcl::SetSysColor(16, 0x00AA00);
    vcl::SetSysColor(20, 0x0000AA);
    b->SetFrameStyleOuter(frNone);
    b->SetFrameStyleInner(frSunken);
    b->SetColorScheme(schSystem);
    Picture p(*b);
    EXPECT_EQ(p.At(4, 20), TColor(0x00AA00));    // gray line: left edge of the inner area
    EXPECT_EQ(p.At(5, 20), K);
    EXPECT_EQ(p.At(95, 20), TColor(0x0000AA));   // white line: its right edge
    EXPECT_EQ(p.At(94, 20), TColor(0x00AA00));
    EXPECT_EQ(p.At(4, 35), M);                   // lower-left corner of the inner area
    EXPECT_EQ(p.At(3, 20), M);
    vcl::ResetSysColors();
}

namespace {

// The box around every pixel that differs from the plain picture.
struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

InkBox InkOf(TProgBar& b) {
    b.SetTextVisible(false);
    Picture plain(b);
    b.SetTextVisible(true);
    Picture text(b);
    InkBox box;
    for (int y = 0; y < b.GetHeight(); ++y)
        for (int x = 0; x < b.GetWidth(); ++x)
            if (plain.At(x, y) != text.At(x, y)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

}  // namespace

TEST(ProgBarPaint, ValueTextTurnsAboutItsPosition) {
    auto b = MakeBar(200, 200);
    b->GetFont()->SetColor(vcl::clBlack);
    b->GetFont()->SetHeight(-20);
    b->SetValue(0);
    b->SetOnShowValue([](vcl::TObject*, std::string& Text) { Text = "8888"; });
    b->SetTextPosX(100);
    b->SetTextPosY(100);
    vcl::TBitmap measure;
    measure.GetCanvas()->SetFont(b->GetFont());
    const int tw = measure.GetCanvas()->TextWidth("8888"), th = measure.GetCanvas()->TextHeight("8888");
    const int m = tw / 2, t = th / 2;
    struct Row {
        vcl::TAlignment align;
        int angle;
        // The cell the text occupies (left, top, right, bottom), exclusive.
        int l, tp, r, bt;
    };
    const Row rows[] = {
        {vcl::taCenter, 0, 100 - m, 100 - t, 100 - m + tw, 100 - t + th},
        {vcl::taLeftJustify, 0, 100, 100 - t, 100 + tw, 100 - t + th},
        {vcl::taRightJustify, 0, 100 - 2 * m, 100 - t, 100 - 2 * m + tw, 100 - t + th},
        // Reading upward: the cell stands on the text position's column.
        {vcl::taCenter, 90, 100 - t, 100 + m - tw, 100 - t + th, 100 + m},
        {vcl::taLeftJustify, 90, 100 - t, 100 - tw, 100 - t + th, 100},
        // Upside down.
        {vcl::taCenter, 180, 100 + m - tw, 100 + t - th, 100 + m, 100 + t},
    };
    for (const Row& r : rows) {
        b->SetTextAlignment(r.align);
        b->SetTextAngle(r.angle);
        const InkBox ink = InkOf(*b);
        ASSERT_FALSE(ink.Empty()) << r.angle;
        // The glyphs lie inside the cell (a pixel of smoothing may spill over) and fill most of it.
        EXPECT_GE(ink.left, r.l - 1) << int(r.align) << " at " << r.angle;
        EXPECT_GE(ink.top, r.tp - 1) << int(r.align) << " at " << r.angle;
        EXPECT_LE(ink.right, r.r) << int(r.align) << " at " << r.angle;
        EXPECT_LE(ink.bottom, r.bt) << int(r.align) << " at " << r.angle;
        const int along = r.angle == 90 ? ink.bottom - ink.top : ink.right - ink.left;
        EXPECT_GE(along, tw * 3 / 4) << int(r.align) << " at " << r.angle;
    }
}

TEST(ProgBarPaint, BackgroundImageFillsTheInnerArea) {
    const std::string dir = std::string(ZYN_TEST_OUTPUT_DIR) + "/progbar";
    std::filesystem::create_directories(dir);
    const std::string file = dir + "/stripes.bmp";
    {
        vcl::TBitmap img;
        img.SetPixelFormat(vcl::pf24bit);
        img.SetSize(2, 1);
        img.GetCanvas()->SetPixels(0, 0, vcl::clYellow);
        img.GetCanvas()->SetPixels(1, 0, vcl::clFuchsia);
        img.SaveToFile(file);
    }
    auto b = MakeBar();
    b->SetValue(0);
    b->SetBackGroundImg(file);
    EXPECT_EQ(b->GetBackGroundImg(), file);
    Picture p(*b);
    EXPECT_EQ(p.At(4, 4), vcl::clYellow);      // left half of the inner area
    EXPECT_EQ(p.At(149, 23), vcl::clYellow);
    EXPECT_EQ(p.At(150, 4), vcl::clFuchsia);
    EXPECT_EQ(p.At(295, 23), vcl::clFuchsia);
    EXPECT_EQ(p.At(3, 14), Silver);            // the margin stays
    // A file that cannot be read changes nothing; an empty name takes the image away.
    b->SetBackGroundImg(dir + "/missing.bmp");
    EXPECT_EQ(b->GetBackGroundImg(), file);
    b->SetBackGroundImg("");
    EXPECT_EQ(b->GetBackGroundImg(), "");
    EXPECT_EQ(Picture(*b).At(150, 4), Silver);
}
