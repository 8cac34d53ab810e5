// Drawing the colour selector's items: colour bar, edit mark, name, disabled look. Probed
// in the field of a shown selector and in its dropped list.
#include <gtest/gtest.h>

#include <memory>

#include "colsel/Zyn_Colsel.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor White = 0xFFFFFF, Black = 0, Silver = 0xC0C0C0, Gray = 0x808080;

// The field of a 180 x 22 selector holds the selected item in (3, 3) - (.., 19): the bar is
// Rectangle(6, 5, L + ColorBarWidth + 3, 17), the name's box starts at 3 + ColorBarWidth + 3.
class ColSelPaint : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        sel = PlaceOn<TColSel>(form.get(), 10, 10, 180, 22);
        sel->LoadExtendedPalette();
        sel->SetSelColor(vcl::clNavy);            // entry 5
        vcl::Application->ProcessMessages();
    }
    std::unique_ptr<vcl::TBitmap> Render(vcl::TControl* C) {
        auto bmp = std::make_unique<vcl::TBitmap>();
        bmp->SetSize(C->GetWidth(), C->GetHeight());
        C->PaintTo(bmp->GetCanvas(), 0, 0);
        return bmp;
    }
    static TColor At(vcl::TBitmap& B, int X, int Y) { return B.GetCanvas()->GetPixels(X, Y); }
    // Whether any pixel of the row span [X0, X1) at Y has colour C.
    static bool AnyIn(vcl::TBitmap& B, int X0, int X1, int Y0, int Y1, TColor C) {
        for (int y = Y0; y < Y1; ++y)
            for (int x = X0; x < X1; ++x)
                if (At(B, x, y) == C) return true;
        return false;
    }
    TColSel* sel = nullptr;
};

}  // namespace

TEST_F(ColSelPaint, ColourBarAndName) {
    ASSERT_EQ(sel->GetHeight(), 22);
    auto b = Render(sel);
    EXPECT_EQ(At(*b, 20, 10), vcl::clNavy);       // inside the bar
    EXPECT_EQ(At(*b, 7, 6), vcl::clNavy);
    EXPECT_EQ(At(*b, 6, 10), Black);              // its outline: 6..35 x 5..16
    EXPECT_EQ(At(*b, 35, 10), Black);
    EXPECT_EQ(At(*b, 20, 5), Black);
    EXPECT_EQ(At(*b, 20, 16), Black);
    EXPECT_EQ(At(*b, 36, 10), White);             // the name's box in the control's Color
    EXPECT_EQ(At(*b, 20, 17), White);
    EXPECT_TRUE(AnyIn(*b, 39, 120, 4, 18, Black));   // the name, from 36 + 3
    EXPECT_FALSE(AnyIn(*b, 36, 39, 3, 19, Black));
}

TEST_F(ColSelPaint, EditMarkTakesTheContrastingPen) {
    sel->SetArrayAllowEdit(5, true);
    auto dark = Render(sel);
    // The outline (8,7) (8,14) (11,14) (14,11) (14,10) (11,7) back to (8,7), white on navy.
    EXPECT_EQ(At(*dark, 8, 10), White);
    EXPECT_EQ(At(*dark, 10, 14), White);
    EXPECT_EQ(At(*dark, 14, 10), White);
    EXPECT_EQ(At(*dark, 10, 7), White);
    EXPECT_EQ(At(*dark, 11, 10), vcl::clNavy);    // inside the mark: the bar's colour
    EXPECT_EQ(At(*dark, 6, 10), Black);           // the pen is black again for the outline
    sel->SetSelColor(vcl::clYellow);
    sel->SetArrayAllowEdit(12, true);
    auto light = Render(sel);
    EXPECT_EQ(At(*light, 8, 10), Black);
    EXPECT_EQ(At(*light, 11, 10), vcl::clYellow);
}

// At twice the density the edit mark is the 96 dpi outline doubled, in two pixel strokes,
// not a tall thin one of the 96 dpi widths.
TEST_F(ColSelPaint, EditMarkScalesWithTheForm) {
    sel->SetArrayAllowEdit(5, true);
    form->ScaleBy(2, 1);
    vcl::Application->ProcessMessages();
    auto b = Render(sel);
    const int mid = sel->GetHeight() / 2;
    int outline = -1;   // the bar's left outline, 3 pixels (at 96 dpi) into the item
    for (int x = 0; x < sel->GetWidth() && outline < 0; ++x)
        if (At(*b, x, mid) == Black) outline = x;
    ASSERT_GE(outline, 0);
    const int L = outline - 6;
    // The left stroke on L + 10 and the right one on L + 22, each two pixels wide (the
    // pixels before the line's coordinate and on it), with the bar between them.
    for (int x : {L + 9, L + 10, L + 21, L + 22}) EXPECT_EQ(At(*b, x, mid), White) << x - L;
    EXPECT_FALSE(AnyIn(*b, L + 11, L + 21, mid, mid + 1, White));
    EXPECT_EQ(At(*b, L + 8, mid), vcl::clNavy);
    EXPECT_EQ(At(*b, L + 23, mid), vcl::clNavy);
}

TEST_F(ColSelPaint, NarrowOrMissingBars) {
    sel->SetArrayAllowEdit(5, true);
    sel->SetColorBarWidth(11);                    // too narrow for the edit mark
    auto narrow = Render(sel);
    EXPECT_EQ(At(*narrow, 8, 10), vcl::clNavy);
    EXPECT_EQ(At(*narrow, 16, 10), Black);        // bar outline at 6 + 11 - 1
    EXPECT_EQ(At(*narrow, 17, 10), White);
    sel->SetColorBarWidth(0);                     // no bar: the text starts at L + 6
    auto none = Render(sel);
    EXPECT_FALSE(AnyIn(*none, 3, 9, 3, 19, vcl::clNavy));
    EXPECT_FALSE(AnyIn(*none, 3, 9, 3, 19, Black));
    EXPECT_TRUE(AnyIn(*none, 9, 30, 4, 18, Black));
}

TEST_F(ColSelPaint, DisabledSelectorShowsSilverBarsAndGrayNames) {
    sel->SetArrayAllowEdit(5, true);
    sel->SetEnabled(false);
    auto b = Render(sel);
    EXPECT_EQ(At(*b, 20, 10), Silver);            // the bar's inside
    EXPECT_EQ(At(*b, 6, 10), Gray);               // its outline
    EXPECT_EQ(At(*b, 3, 10), Silver);             // the silver box round it, clipped to the field
    EXPECT_EQ(At(*b, 8, 10), Silver);             // no edit mark on a disabled bar
    EXPECT_EQ(At(*b, 37, 4), Silver);             // the name's box
    EXPECT_TRUE(AnyIn(*b, 39, 120, 4, 18, Gray));
    EXPECT_FALSE(AnyIn(*b, 39, 120, 4, 18, Black));
    EXPECT_FALSE(AnyIn(*b, 3, 120, 3, 19, vcl::clNavy));
}

TEST_F(ColSelPaint, EveryItemOfTheDroppedList) {
    sel->SetDroppedDown(true);
    vcl::TDropDownList* list = sel->GetListControl();
    ASSERT_NE(list, nullptr);
    auto b = Render(list);
    for (int i = 0; i < list->GetCount() && !list->ItemRect(i).IsEmpty(); ++i) {
        const vcl::TRect r = list->ItemRect(i);
        EXPECT_EQ(At(*b, r.Left + 20, (r.Top + r.Bottom) / 2), sel->GetArrayColor(i + 1)) << i;
        EXPECT_EQ(At(*b, r.Left + 3, (r.Top + r.Bottom) / 2), Black) << i;
    }
    sel->SetDroppedDown(false);
}
