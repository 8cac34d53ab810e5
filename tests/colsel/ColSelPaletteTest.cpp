// The colour selector's palettes, colour search and edit mark contrast, without a canvas.
#include <gtest/gtest.h>

#include "colsel/Zyn_Colsel.h"

using namespace zyn;
using vcl::TColor;

namespace {

TColSelTable TableOf(std::initializer_list<TColor> Colors) {
    TColSelTable t;
    int i = 0;
    for (TColor c : Colors) t[std::size_t(i++)].Color = c;
    return t;
}

}  // namespace

TEST(ColSelPalette, FindColorEntryComparesTheColoursShown) {
    const TColSelTable t = TableOf({vcl::clBlack, vcl::clRed, vcl::clWhite, vcl::clRed, vcl::clBtnFace});
    EXPECT_EQ(FindColorEntry(t, 5, vcl::clRed), 2);             // the first of two
    EXPECT_EQ(FindColorEntry(t, 5, vcl::clBtnHighlight), 3);    // a system colour that shows white
    EXPECT_EQ(FindColorEntry(t, 5, TColor(0xF0F0F0)), 5);       // a fixed colour a system entry shows
    EXPECT_EQ(FindColorEntry(t, 5, vcl::clLime), 0);
    EXPECT_EQ(FindColorEntry(t, 2, vcl::clWhite), 0);           // only the shown entries count
    EXPECT_EQ(FindColorEntry(t, 1, vcl::clBlack), 1);
}

TEST(ColSelPalette, EditMarkContrast) {
    struct Case {
        TColor color;
        TColor pen;
    };
    // sqrt(r^2 + b^2 + 2 g^2) / 2 above 180 takes a black pen.
    const Case cases[] = {
        {vcl::clWhite, vcl::clBlack},   {vcl::clBlack, vcl::clWhite},
        {vcl::clYellow, vcl::clBlack},  // 220.8
        {vcl::clLime, vcl::clBlack},    // 180.3: green counts twice
        {vcl::clFuchsia, vcl::clBlack}, // 180.3
        {vcl::clRed, vcl::clWhite},     // 127.5
        {vcl::clBlue, vcl::clWhite},
        {vcl::clGray, vcl::clWhite},    // 128
        {vcl::clSilver, vcl::clBlack},  // 192
        {vcl::RGB(180, 180, 180), vcl::clWhite},   // exactly 180 is not above
        {vcl::RGB(181, 181, 181), vcl::clBlack},
        {vcl::clBtnFace, vcl::clBlack},            // resolved: 240, 240, 240
        {vcl::clHighlight, vcl::clWhite},          // resolved: 0, 120, 215
    };
    for (const Case& c : cases) EXPECT_EQ(EditMarkPenColor(c.color), c.pen) << vcl::ColorToString(c.color);
}
