// The rotated label's picture on a shown form: where the ink of the caption lies for each
// angle and alignment, smoothing, the engraved disabled look, transparency and the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/controls/ControlsTestSupport.h"
#include "rotlab/Zyn_RotLab.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Ground = 0x0040C080;   // the label's own background in these tests
constexpr TColor FormColor = 0xF0F0F0;

// The bounding box of the pixels inside the label's frame that are neither Ground nor
// the form's colour.
struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;   // right and bottom inclusive
    int count = 0;
};

class RotLabPaint : public zyn_test::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        form->SetColor(FormColor);
        lab = Make<TRotLab>(form.get(), 0, 0, 200, 200);
        lab->SetCaption("HIMH");
        lab->GetFont()->SetColor(vcl::clBlack);
        lab->GetFont()->SetSize(20);
        lab->SetAntiAlias(false);
        lab->SetFrameStyle(frNone);
        lab->SetTransparent(false);
        lab->SetColor(Ground);
        vcl::Application->ProcessMessages();
    }
    Ink InkBox() {
        Ink k;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                TColor c = Pixel(x, y);
                if (c == Ground || c == FormColor) continue;
                k.left = std::min(k.left, x);
                k.right = std::max(k.right, x);
                k.top = std::min(k.top, y);
                k.bottom = std::max(k.bottom, y);
                ++k.count;
            }
        return k;
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

// The ink lies inside the text cell and fills most of it along the text: capitals without
// descenders sit in the upper part of the cell, so across the text only containment and
// the side of the anchor line are checked.
TEST_F(RotLabPaint, InkAtZeroDegreesForEachAlignment) {
    const vcl::TSize cell = Cell();
    const int hw = cell.cx / 2, hh = cell.cy / 2;
    ASSERT_EQ(lab->GetPosX(), 100);
    for (auto [alignment, start] : {std::pair{vcl::taLeftJustify, 100}, {vcl::taCenter, 100 - hw},
                                    {vcl::taRightJustify, 100 - 2 * hw}}) {
        Show(0, alignment);
        Ink k = InkBox();
        ASSERT_GT(k.count, 0);
        EXPECT_GE(k.left, start);
        EXPECT_LE(k.left, start + 4);
        EXPECT_LT(k.right, start + cell.cx);
        EXPECT_GE(k.right, start + cell.cx - 5);
        EXPECT_GE(k.top, 100 - hh);
        EXPECT_LT(k.bottom, 100 - hh + cell.cy);
        EXPECT_LT(k.top, 100);                   // capitals cross the anchor's line
        EXPECT_GT(k.bottom, 100);
    }
}

TEST_F(RotLabPaint, InkAtNinetyDegreesRunsUpwardAlongTheAnchorLine) {
    const vcl::TSize cell = Cell();
    const int hw = cell.cx / 2, hh = cell.cy / 2;
    for (auto [alignment, start] : {std::pair{vcl::taLeftJustify, 100}, {vcl::taCenter, 100 + hw},
                                    {vcl::taRightJustify, 100 + 2 * hw}}) {
        Show(90, alignment);
        Ink k = InkBox();
        ASSERT_GT(k.count, 0);
        // The text begins at 'start' and goes up.
        EXPECT_LE(k.bottom, start);
        EXPECT_GE(k.bottom, start - 5);
        EXPECT_GT(k.top, start - cell.cx);
        EXPECT_LE(k.top, start - cell.cx + 5);
        EXPECT_GE(k.left, 100 - hh);
        EXPECT_LT(k.right, 100 - hh + cell.cy);
        EXPECT_LT(k.left, 100);
        EXPECT_GT(k.right, 100);
    }
}

TEST_F(RotLabPaint, InkAtOneEightyDegreesReadsUpsideDownToTheLeft) {
    const vcl::TSize cell = Cell();
    const int hw = cell.cx / 2, hh = cell.cy / 2;
    for (auto [alignment, start] : {std::pair{vcl::taLeftJustify, 100}, {vcl::taCenter, 100 + hw},
                                    {vcl::taRightJustify, 100 + 2 * hw}}) {
        Show(180, alignment);
        Ink k = InkBox();
        ASSERT_GT(k.count, 0);
        // Right justified: the caption ends at the anchor and lies to the right of it.
        EXPECT_LE(k.right, start);
        EXPECT_GE(k.right, start - 5);
        EXPECT_GT(k.left, start - cell.cx);
        EXPECT_LE(k.left, start - cell.cx + 5);
        EXPECT_LE(k.bottom, 100 + hh);
        EXPECT_GT(k.top, 100 + hh - cell.cy);
        EXPECT_LT(k.top, 100);
        EXPECT_GT(k.bottom, 100);
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
    EXPECT_EQ(Pixel(100, 0), vcl::clGray);
    EXPECT_EQ(Pixel(199, 100), vcl::clWhite);
    EXPECT_EQ(Pixel(100, 199), vcl::clWhite);
    EXPECT_EQ(Pixel(1, 100), Ground);
    lab->SetFrameStyle(frRaisedDouble);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(Pixel(0, 100), vcl::clSilver);
    EXPECT_EQ(Pixel(1, 100), vcl::clWhite);
    EXPECT_EQ(Pixel(199, 100), vcl::clBlack);
}

TEST_F(RotLabPaint, InvisibleLabelPaintsNothing) {
    lab->SetVisible(false);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(Pixel(5, 5), FormColor);
    EXPECT_EQ(InkBox().count, 0);
}
