// The painted layers of the meter, probed at fixed coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "meter/Zyn_Meter.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Cover = 0x00AA5500;
constexpr TColor Back = 0x00F0F0F0;

// A 297 x 209 meter with its geometry computed for its rims (R 175, centre 148, 191).
std::unique_ptr<TMeter> MakeMeter(TMeterLayout Layout = mlCirc90) {
    auto m = std::make_unique<TMeter>(nullptr);
    m->SetMeterLayout(Layout);
    m->SetBounds(0, 0, 297, 209);
    m->SetColorCover(Cover);
    m->SetColorBakG(Back);
    return m;
}

struct Picture {
    vcl::TBitmap bmp;
    explicit Picture(TMeter& m, TColor Fill = 0x00123456) {
        bmp.SetSize(m.GetWidth(), m.GetHeight());
        bmp.GetCanvas()->GetBrush()->SetColor(Fill);
        bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, m.GetWidth(), m.GetHeight()));
        m.PaintTo(bmp.GetCanvas(), 0, 0);
    }
    TColor At(int X, int Y) { return bmp.GetCanvas()->GetPixels(X, Y); }
    bool AnyNear(int X, int Y, TColor C) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (At(X + dx, Y + dy) == C) return true;
        return false;
    }
};

}  // namespace

TEST(MeterPaint, TooSmallPaintsNothing) {
    TMeter m(nullptr);
    m.SetBounds(0, 0, 297, 30);
    ASSERT_LE(m.GetRadius(), 0);
    Picture p(m);
    EXPECT_EQ(p.At(0, 0), 0x00123456);
    EXPECT_EQ(p.At(148, 15), 0x00123456);
}

TEST(MeterPaint, BackgroundCoverBevelAndFrame) {
    auto m = MakeMeter();
    Picture p(*m);
    EXPECT_EQ(p.At(40, 150), Back);          // outside the sweep, inside the window
    EXPECT_EQ(p.At(4, 100), Cover);          // left rim
    EXPECT_EQ(p.At(150, 4), Cover);          // top rim
    EXPECT_EQ(p.At(292, 100), Cover);        // right rim
    EXPECT_EQ(p.At(60, 204), Cover);         // bottom rim
    EXPECT_EQ(p.At(100, 199), 0xFFFFFFu);    // window bevel: white bottom
    EXPECT_EQ(p.At(287, 100), 0xFFFFFFu);    // white right
    EXPECT_EQ(p.At(100, 8), 0x808080u);      // gray top
    EXPECT_EQ(p.At(9, 100), 0x808080u);      // gray left
    // Raised frame: white top and left, gray right and bottom.
    EXPECT_EQ(p.At(0, 100), 0xFFFFFFu);
    EXPECT_EQ(p.At(100, 0), 0xFFFFFFu);
    EXPECT_EQ(p.At(296, 100), 0x808080u);
    EXPECT_EQ(p.At(100, 208), 0x808080u);
}

TEST(MeterPaint, EachFrameStyle) {
    auto m = MakeMeter();
    const TColor W = 0xFFFFFF, G = 0x808080;
    struct Want { TColor left, right, innerLeft, bottom; };
    const Want wants[] = {
        {Cover, Cover, Cover, Cover},   // none
        {Back, Back, Cover, Back},      // one pixel in the background colour
        {G, W, Cover, W},               // sunken
        {W, G, Cover, G},               // raised
        {W, G, G, G},                   // double sunken: white outer path, gray inner lines
        {G, W, W, W},
    };
    for (int s = 0; s <= 5; ++s) {
        m->SetFrameStyle(static_cast<TFrameStyle>(s));
        Picture p(*m);
        EXPECT_EQ(p.At(0, 100), wants[s].left) << s;
        EXPECT_EQ(p.At(296, 100), wants[s].right) << s;
        EXPECT_EQ(p.At(1, 100), wants[s].innerLeft) << s;
        EXPECT_EQ(p.At(100, 208), wants[s].bottom) << s;
    }
}

TEST(MeterPaint, LampsFollowFlagsAndSwitches) {
    auto m = MakeMeter();
    const int yt = 8;
    {
        Picture p(*m);
        EXPECT_EQ(p.At(22, yt + 12), 0x808080u);      // low lamp, passive
        EXPECT_EQ(p.At(273, yt + 12), 0x808080u);     // high lamp, passive
        EXPECT_EQ(p.At(18, yt + 8), 0u);              // black square corner
        EXPECT_EQ(p.At(19, yt + 17), 0xFFFFFFu);      // white lower edge
        EXPECT_EQ(p.At(20, yt + 16), 0xC0C0C0u);      // silver inner edge
    }
    m->SetValue(1.0);
    {
        Picture p(*m);
        EXPECT_EQ(p.At(273, yt + 12), vcl::clRed);
        EXPECT_EQ(p.At(22, yt + 12), 0x808080u);
    }
    m->SetValue(0.0);
    m->SetLimWatchHighOn(false);
    {
        Picture p(*m);
        EXPECT_EQ(p.At(22, yt + 12), vcl::clRed);
        EXPECT_EQ(p.At(273, yt + 12), Back);
    }
}

TEST(MeterPaint, NeedleBodyAndShadowOffset) {
    auto m = MakeMeter();
    m->SetValue(0.5);   // straight up from (148, 191)
    TNeedleLayout* n = m->GetNeedleLayout();
    n->SetThickness(6);
    {
        Picture p(*m);
        EXPECT_EQ(p.At(148, 100), vcl::clSilver);
        EXPECT_EQ(p.At(143, 100), Back);
    }
    n->SetShadowDx(3);
    Picture p(*m);
    EXPECT_EQ(p.At(148, 100), vcl::clSilver);
    EXPECT_EQ(p.At(150, 100), vcl::clSilver);
    EXPECT_EQ(p.At(143, 100), 0x808080u);   // three pixels to the left
    EXPECT_EQ(p.At(153, 100), Back);        // nothing to the right
}

TEST(MeterPaint, NeedleHandlerSuppressesOnlyTheNeedle) {
    auto m = MakeMeter();
    m->SetValue(0.5);
    m->GetNeedleLayout()->SetThickness(6);
    int calls = 0;
    m->SetOnBeforeDrawNeedle([&](vcl::TObject* s, vcl::TCanvas*, bool& drawn) {
        EXPECT_EQ(s, m.get());
        ++calls;
        drawn = true;
    });
    Picture p(*m);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(p.At(148, 100), Back);
    EXPECT_EQ(p.At(4, 100), Cover);
    EXPECT_EQ(p.At(22, 20), 0x808080u);
    EXPECT_EQ(p.At(0, 100), 0xFFFFFFu);
}

TEST(MeterPaint, HiddenPrimaryNeedleIsNotDrawn) {
    auto m = MakeMeter();
    m->SetValue(0.5);
    m->GetNeedleLayout()->SetThickness(6);
    m->GetNeedleLayout()->SetVisible(false);
    Picture p(*m);
    EXPECT_EQ(p.At(148, 100), Back);
}

TEST(MeterPaint, LabelHandlerEmptiesOneLabel) {
    auto m = MakeMeter();
    m->GetFont()->SetColor(0x0000AA);
    struct Box { int x, y, w, h; };
    Box boxes[2] = {};
    int calls = 0;
    m->SetOnBeforeDrawScaleLabel([&](vcl::TObject*, vcl::TCanvas* c, std::string& t, int x, int y) {
        ++calls;
        if (t == "0.4" || t == "0.6") boxes[t == "0.4" ? 0 : 1] = {x, y, c->TextWidth(t), c->TextHeight(t)};
        if (t == "0.4") t.clear();
    });
    Picture p(*m);
    EXPECT_EQ(calls, 6);
    auto inked = [&](const Box& b) {
        int n = 0;
        for (int y = b.y; y < b.y + b.h; ++y)
            for (int x = b.x; x < b.x + b.w; ++x)
                if (p.At(x, y) != Back) ++n;
        return n;
    };
    ASSERT_GT(boxes[0].w, 0);
    EXPECT_EQ(inked(boxes[0]), 0);
    EXPECT_GT(inked(boxes[1]), 0);
    // The tick of the emptied label is still there.
    int x, y;
    m->ConvertToPixelCoords(0.4, (m->GetRadius() - 6) / m->GetRadius() * 100, x, y);
    EXPECT_TRUE(p.AnyNear(x, y, vcl::clNavy));
}

TEST(MeterPaint, ScaleBandSectorsAndEmptyLowSector) {
    auto m = MakeMeter(mlCirc300);
    m->SetScaleBkVisible(true);
    m->SetScaleBkWidth(20);
    m->SetThresholdLow(0.3);
    m->SetThresholdHigh(0.7);
    const double pct = 94;   // inside the ring from 0.8 R to R + 4
    auto probe = [&](Picture& p, double v) {
        int x, y;
        m->ConvertToPixelCoords(v, pct, x, y);
        return p.At(x, y);
    };
    const int below = m->GetCenterY() + static_cast<int>(m->GetRadius() * 0.9);
    {
        Picture p(*m);
        EXPECT_EQ(probe(p, 0.12), vcl::clLime);
        EXPECT_EQ(probe(p, 0.5), 0x0080FFu);
        EXPECT_EQ(probe(p, 0.88), vcl::clRed);
        EXPECT_EQ(p.At(m->GetCenterX(), below), Back);   // the gap of the sweep
        EXPECT_EQ(p.At(m->GetCenterX() - 40, m->GetCenterY()), Back);   // inside the ring
    }
    m->SetThresholdLow(0.0);   // empty low sector: skipped, not drawn as a full disc
    Picture p(*m);
    EXPECT_EQ(probe(p, 0.12), 0x0080FFu);
    EXPECT_EQ(p.At(m->GetCenterX(), below), Back);
}

TEST(MeterPaint, AnchorShapesByLayout) {
    auto m = MakeMeter(mlCirc90);
    {
        Picture p(*m);
        EXPECT_EQ(p.At(148, 191 - 12), Cover);   // half disc above the hub
        EXPECT_EQ(p.At(148, 196), Cover);        // pedestal down to the bottom rim
    }
    m->SetMeterLayout(mlCirc300);
    {
        Picture p(*m);
        EXPECT_EQ(p.At(m->GetCenterX(), m->GetCenterY() + 12), Cover);   // circular boss
        EXPECT_EQ(p.At(m->GetCenterX(), m->GetCenterY() + 30), Back);
    }
    m->SetAnchorCovered(false);
    Picture p(*m);
    EXPECT_NE(p.At(m->GetCenterX(), m->GetCenterY() + 12), Cover);
}

TEST(MeterPaint, RenderedHandlerDrawsUnderTheFrame) {
    auto m = MakeMeter();
    m->SetOnMeterRendered([](vcl::TObject*, vcl::TCanvas* c) {
        c->GetBrush()->SetColor(vcl::clYellow);
        c->FillRect(vcl::Rect(0, 0, 297, 209));
    });
    Picture p(*m);
    EXPECT_EQ(p.At(150, 100), vcl::clYellow);
    EXPECT_EQ(p.At(0, 100), 0xFFFFFFu);
}
