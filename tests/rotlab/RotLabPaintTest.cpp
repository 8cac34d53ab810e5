// The rotated label's picture on a shown form: where the ink of the caption lies for each
// angle and alignment, smoothing, the engraved disabled look, transparency and the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/support/FormFixture.h"
#include "rotlab/Zyn_RotLab.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Ground = 0x0040C080;   // the label's own background in these tests
constexpr TColor FormColor = 0xF0F0F0;

class RotLabPaint : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->SetColor(FormColor);
        lab = PlaceOn<TRotLab>(form.get(), 0, 0, 200, 200);
        lab->SetCaption("HIMH");
        lab->GetFont()->SetColor(vcl::clBlack);
        lab->GetFont()->SetSize(20);
        lab->SetAntiAlias(false);
        lab->SetFrameStyle(frNone);
        lab->SetTransparent(false);
        lab->SetColor(Ground);
        vcl::Application->ProcessMessages();
    }
    // Width and height of the caption's text cell, measured as the label measures it.
    vcl::TSize Cell() {
        vcl::TBitmap b;
        b.GetCanvas()->SetFont(lab->GetFont());
        return vcl::TSize(b.GetCanvas()->TextWidth(lab->GetCaption()), b.GetCanvas()->TextHeight(lab->GetCaption()));
    }
    void Show(int Angle, vcl::TAlignment Alignment) {
        lab->SetTextAngle(Angle);
        lab->SetAlignment(Alignment);
        vcl::Application->ProcessMessages();
    }

    TRotLab* lab = nullptr;
};

}  // namespace

// The ink lies inside the text cell and fills most of it along the text. Positions are
// measured from the anchor along the text's direction and across it (towards the glyphs'
// feet), so one rule holds for every angle. Capitals without descenders sit in the upper
// part of the cell, so across the text only containment and the anchor line are checked.
TEST_F(RotLabPaint, InkAtZeroNinetyAndOneEightyDegreesForEachAlignment) {
    const vcl::TSize cell = Cell();
    const int hw = cell.cx / 2, hh = cell.cy / 2;
    ASSERT_EQ(lab->GetPosX(), 100);
    ASSERT_EQ(lab->GetPosY(), 100);
    struct Axes {
        int ax, ay, dx, dy;   // along = ax * (x - 100) + ay * (y - 100); across likewise
    };
    const std::pair<int, Axes> angles[] = {{0, {1, 0, 0, 1}}, {90, {0, -1, 1, 0}}, {180, {-1, 0, 0, -1}}};
    const std::pair<vcl::TAlignment, int> starts[] = {
        {vcl::taLeftJustify, 0}, {vcl::taCenter, -hw}, {vcl::taRightJustify, -2 * hw}};
    for (auto [angle, a] : angles) {
        for (auto [alignment, start] : starts) {
            Show(angle, alignment);
            int alongMin = 1 << 20, alongMax = -(1 << 20), acrossMin = 1 << 20, acrossMax = -(1 << 20), count = 0;
            for (int y = 0; y < 200; ++y)
                for (int x = 0; x < 200; ++x) {
                    if (Pixel(x, y) != vcl::clBlack) continue;
                    const int along = a.ax * (x - 100) + a.ay * (y - 100), across = a.dx * (x - 100) + a.dy * (y - 100);
                    alongMin = std::min(alongMin, along);
                    alongMax = std::max(alongMax, along);
                    acrossMin = std::min(acrossMin, across);
                    acrossMax = std::max(acrossMax, across);
                    ++count;
                }
            SCOPED_TRACE(std::to_string(angle) + " degrees, alignment " + std::to_string(int(alignment)));
            ASSERT_GT(count, 0);
            // A pixel reaches one unit further along the text when the axis points left or up.
            EXPECT_GE(alongMin, start - 1);
            EXPECT_LE(alongMin, start + 4);
            EXPECT_LT(alongMax, start + cell.cx);
            EXPECT_GE(alongMax, start + cell.cx - 6);
            EXPECT_GE(acrossMin, -hh - 1);
            EXPECT_LT(acrossMax, -hh + cell.cy);
            EXPECT_LT(acrossMin, 0);   // capitals cross the anchor's line
            EXPECT_GT(acrossMax, 0);
        }
    }
}

TEST_F(RotLabPaint, SmoothingOnlyWhenAntiAliased) {
    Show(30, vcl::taCenter);
    auto colours = [this] {
        std::set<TColor> s;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) s.insert(Pixel(x, y));
        return s;
    };
    EXPECT_EQ(colours(), (std::set<TColor>{Ground, vcl::clBlack}));
    lab->SetAntiAlias(true);
    vcl::Application->ProcessMessages();
    EXPECT_GT(colours().size(), 4u);   // blended edge pixels
}

TEST_F(RotLabPaint, DisabledCaptionIsEngraved) {
    Show(0, vcl::taCenter);
    lab->SetEnabled(false);
    vcl::Application->ProcessMessages();
    const TColor shadow = vcl::ColorToRGB(vcl::clBtnShadow), highlight = vcl::ColorToRGB(vcl::clBtnHighlight);
    int shadows = 0, highlights = 0;
    for (int y = 0; y < 199; ++y)
        for (int x = 0; x < 199; ++x) {
            const TColor c = Pixel(x, y);
            EXPECT_TRUE(c == Ground || c == shadow || c == highlight) << x << "," << y;
            if (c == highlight) ++highlights;
            if (c != shadow) continue;
            ++shadows;
            // The highlight copy lies one pixel right and down, below the shadow copy.
            const TColor d = Pixel(x + 1, y + 1);
            EXPECT_TRUE(d == shadow || d == highlight) << x << "," << y;
        }
    EXPECT_GT(shadows, 50);
    EXPECT_GT(highlights, 10);
}

TEST_F(RotLabPaint, TransparentLabelShowsItsParent) {
    lab->SetTransparent(true);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(Pixel(5, 5), FormColor);
    lab->SetTransparent(false);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(Pixel(5, 5), Ground);
}

TEST_F(RotLabPaint, FrameIsDrawnAfterTheText) {
    lab->SetFrameStyle(frSunken);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(Pixel(0, 100), vcl::clGray);
    EXPECT_EQ(Pixel(199, 100), vcl::clWhite);
    EXPECT_EQ(Pixel(1, 100), Ground);
}

TEST_F(RotLabPaint, InvisibleLabelPaintsNothing) {
    lab->SetVisible(false);
    vcl::Application->ProcessMessages();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(Pixel(x, y), FormColor) << x << "," << y;
}
