// The dot-matrix label's model: initial state, clamping setters, height and centre
// adjustment, the font and matrix, repaints, Assign and the framework's text.
#include <gtest/gtest.h>

#include <climits>

#include "RasterLabTestSupport.h"

using namespace zyn;
using rasterlab_test::ShownLabelTest;

TEST(RasterLabModel, InitialState) {
    TRasterLab l(nullptr);
    EXPECT_EQ(l.GetWidth(), 400);
    EXPECT_EQ(l.GetHeight(), 68);
    EXPECT_TRUE(l.GetControlStyle().Contains(vcl::csOpaque));
    EXPECT_EQ(l.GetFont()->GetName(), "default");
    EXPECT_EQ(l.GetFont()->GetSize(), 8);
    EXPECT_FALSE(l.GetParentFont());
    EXPECT_EQ(l.GetCharMatrix(), BuiltInCharMatrix());
    EXPECT_EQ(l.GetText(), "Text");
    EXPECT_EQ(l.GetCharBlockMode(), rdbmOn);
    EXPECT_EQ(l.GetColorDotOn(), 0x00FF00);
    EXPECT_EQ(l.GetColorDotOff(), 0x404040);
    EXPECT_EQ(l.GetColorLabBakG(), 0);
    EXPECT_EQ(l.GetDotSize(), 3);
    EXPECT_EQ(l.GetDotSpacing(), 1);
    EXPECT_EQ(l.GetFrameStyle(), frSunken);
    EXPECT_EQ(l.GetPosX(), 1);
    EXPECT_EQ(l.GetPosY(), 1);
    EXPECT_TRUE(l.GetProportional());
    EXPECT_EQ(l.GetScrollMode(), rdsmOff);
    EXPECT_EQ(l.GetScrollInterval(), 100);
    EXPECT_EQ(l.GetScrollIncrement(), 1);
    EXPECT_TRUE(l.GetScrollLoop());
    EXPECT_FALSE(l.GetScrollTimerRunning());
}

TEST(RasterLabModel, ClampingSetters) {
    TRasterLab l(nullptr);
    struct Case {
        void (TRasterLab::*set)(int);
        int (TRasterLab::*get)() const;
        int in, want;
    };
    const Case cases[] = {
        {&TRasterLab::SetDotSize, &TRasterLab::GetDotSize, 0, 1},
        {&TRasterLab::SetDotSize, &TRasterLab::GetDotSize, 40, 32},
        {&TRasterLab::SetDotSize, &TRasterLab::GetDotSize, INT_MIN, 1},
        {&TRasterLab::SetDotSpacing, &TRasterLab::GetDotSpacing, -1, 0},
        {&TRasterLab::SetDotSpacing, &TRasterLab::GetDotSpacing, 9, 3},
        {&TRasterLab::SetScrollInterval, &TRasterLab::GetScrollInterval, 5, 10},
        {&TRasterLab::SetScrollInterval, &TRasterLab::GetScrollInterval, -100, 10},
        {&TRasterLab::SetScrollInterval, &TRasterLab::GetScrollInterval, 11, 11},
        {&TRasterLab::SetScrollIncrement, &TRasterLab::GetScrollIncrement, -3, 3},
        {&TRasterLab::SetScrollIncrement, &TRasterLab::GetScrollIncrement, 0, 1},
        {&TRasterLab::SetScrollIncrement, &TRasterLab::GetScrollIncrement, INT_MIN, INT_MAX},
    };
    for (const Case& c : cases) {
        (l.*c.set)(c.in);
        EXPECT_EQ((l.*c.get)(), c.want) << c.in;
    }
}

TEST(RasterLabModel, AutoHeightFitsTheMatrixAndFrame) {
    TRasterLab l(nullptr);
    l.SetAutoHeight(true);
    EXPECT_EQ(l.GetHeight(), 49);   // frame 1 + pitch 4 x 12 rows
    l.SetDotSize(2);
    EXPECT_EQ(l.GetHeight(), 1 + 3 * 12);
    l.SetDotSpacing(0);
    EXPECT_EQ(l.GetHeight(), 1 + 2 * 12);
    // The frame counts when the height is next adjusted: none 0, double lines 2.
    l.SetFrameStyle(frNone);
    EXPECT_EQ(l.GetHeight(), 25);
    l.SetDotSize(3);
    EXPECT_EQ(l.GetHeight(), 36);
    l.SetFrameStyle(frRaisedDouble);
    l.SetDotSpacing(1);
    EXPECT_EQ(l.GetHeight(), 2 + 48);
    // A rasterised font brings its own height.
    l.GetFont()->SetName("DejaVu Sans");
    l.GetFont()->SetSize(14);
    EXPECT_EQ(l.GetHeight(), 2 + 4 * l.GetCharMatrix().FontHeight);
    EXPECT_GT(l.GetCharMatrix().FontHeight, 12);
    // Off: the height stays where it is.
    l.SetAutoHeight(false);
    l.SetDotSize(5);
    EXPECT_EQ(l.GetHeight(), 2 + 4 * l.GetCharMatrix().FontHeight);
}

// A matrix written through CharMatrix may claim any row count; the height fits the 32 rows
// a glyph can have, and huge claims neither overflow nor give absurd heights.
TEST(RasterLabModel, AutoHeightFitsTheRowsThatCanBeDrawn) {
    TRasterLab l(nullptr);
    TRDCharMatrix m = l.GetCharMatrix();
    struct Case { std::int32_t claimed; int rows; };
    for (const Case& c : {Case{1000, 32}, Case{INT_MAX, 32}, Case{33, 32}, Case{32, 32}, Case{-7, 0}, Case{INT_MIN, 0}}) {
        SCOPED_TRACE(c.claimed);
        m.FontHeight = c.claimed;
        l.SetCharMatrix(m);
        l.SetAutoHeight(false);
        l.SetAutoHeight(true);
        EXPECT_EQ(l.GetHeight(), 1 + 4 * c.rows);   // frame 1, pitch 4
        l.SetDotSize(32);
        l.SetDotSpacing(3);
        EXPECT_EQ(l.GetHeight(), 1 + 35 * c.rows);
        l.SetDotSize(3);
        l.SetDotSpacing(1);
    }
}

TEST(RasterLabModel, AutoCenterPlacesTheText) {
    TRasterLab l(nullptr);
    auto centred = [&] { return (l.GetWidth() - l.CalcTextBitLength(l.GetText())) / 2 + 1 + 1; };
    l.SetAutoCenter(true);
    EXPECT_EQ(l.GetPosX(), centred());
    EXPECT_EQ(l.GetPosX(), (400 - l.CalcTextBitLength("Text")) / 2 + 2);
    l.SetText("A much longer message");
    EXPECT_EQ(l.GetPosX(), centred());
    l.SetDotSize(1);
    EXPECT_EQ(l.GetPosX(), centred());
    l.SetProportional(false);   // not one of the re-centring changes
    EXPECT_NE(l.GetPosX(), centred());
    l.SetWidth(300);            // a new width centres again
    EXPECT_EQ(l.GetPosX(), centred());
    // A text wider than the label starts left of it.
    l.SetText(std::string(200, 'W'));
    EXPECT_LT(l.GetPosX(), 0);
    l.SetAutoCenter(false);
    EXPECT_EQ(l.GetPosX(), 1);
}

TEST(RasterLabModel, FontAndMatrix) {
    TRasterLab l(nullptr);
    l.GetFont()->SetName("DejaVu Sans Mono");
    const TRDCharMatrix raster = l.GetCharMatrix();
    EXPECT_NE(raster, BuiltInCharMatrix());
    EXPECT_EQ(raster, TRasterLab::CreateBitFont(l.GetFont()));
    l.GetFont()->SetName("DEFAULT");
    EXPECT_EQ(l.GetCharMatrix(), BuiltInCharMatrix());
    // Writing the matrix copies it and leaves height and centre alone.
    l.SetAutoHeight(true);
    l.SetAutoCenter(true);
    const int height = l.GetHeight(), posX = l.GetPosX();
    l.SetCharMatrix(raster);
    EXPECT_EQ(l.GetCharMatrix(), raster);
    EXPECT_EQ(l.GetHeight(), height);
    EXPECT_EQ(l.GetPosX(), posX);
    // The next font change rebuilds it.
    l.GetFont()->SetSize(9);
    EXPECT_EQ(l.GetCharMatrix(), BuiltInCharMatrix());
}

TEST(RasterLabModel, AssignCopiesTheDocumentedSettings) {
    TRasterLab a(nullptr), b(nullptr);
    b.SetFrameStyle(frRaised);
    b.SetText("copied");
    b.SetColorLabBakG(vcl::clNavy);
    b.SetColorDotOn(vcl::clRed);
    b.SetColorScheme(schSystem);
    b.SetColorDotOff(vcl::clWhite);   // these three stay behind
    b.SetDotSize(7);
    b.SetPosY(9);
    a.Assign(&b);
    EXPECT_EQ(a.GetFrameStyle(), frRaised);
    EXPECT_EQ(a.GetText(), "copied");
    EXPECT_EQ(a.GetColorLabBakG(), vcl::clNavy);
    EXPECT_EQ(a.GetColorDotOn(), vcl::clRed);
    EXPECT_EQ(a.GetColorScheme(), schSystem);
    EXPECT_EQ(a.GetColorDotOff(), 0x404040);
    EXPECT_EQ(a.GetDotSize(), 3);
    EXPECT_EQ(a.GetPosY(), 1);
    // The line colours come along: the copy paints b's system colours.
    a.SetFrameStyle(frSunkenDouble);
    b.SetFrameStyle(frSunkenDouble);
    rasterlab_test::Picture pa(a), pb(b);
    EXPECT_EQ(pa.At(1, 30), pb.At(1, 30));
    EXPECT_EQ(pa.At(1, 30), vcl::ColorToRGB(vcl::clBtnShadow));
    // Other sources are refused by the framework.
    vcl::TFont font;
    EXPECT_THROW(a.Assign(&font), vcl::Exception);
}

TEST(RasterLabModel, FrameworkTextIsTheLabelText) {
    TRasterLab l(nullptr);
    vcl::TControl* c = &l;
    c->SetCaption("via caption");
    EXPECT_EQ(l.GetText(), "via caption");
    l.SetText("direct");
    EXPECT_EQ(c->GetText(), "direct");
}

TEST_F(ShownLabelTest, SameValueDoesNotRepaintNewValueDoes) {
    Repaints();
    label->SetDotSize(3);
    label->SetText("Text");
    label->SetCharBlockMode(rdbmOn);
    label->SetAutoCenter(false);
    label->SetDotSize(0);   // clamps to 1: a change
    EXPECT_EQ(Repaints(), 1);
    label->SetDotSize(-5);  // clamps to 1 again: no change
    EXPECT_EQ(Repaints(), 0);
    label->SetColorDotOn(vcl::clRed);
    label->SetText("new");
    EXPECT_EQ(Repaints(), 1);   // invalidations coalesce into one paint
    label->SetScrollLoop(true); // documented to repaint without comparing
    EXPECT_EQ(Repaints(), 1);
    label->GetFont()->SetName("DejaVu Sans");
    EXPECT_EQ(Repaints(), 1);
}
