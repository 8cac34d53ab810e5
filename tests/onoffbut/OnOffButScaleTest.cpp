// The on/off button on forms of 144 and 192 pixels per inch: the style glyph is the artwork
// drawn for that density, the layout centres and hits the larger glyph, and at 96 nothing
// changes.
#include <filesystem>
#include <string>

#include "OnOffButTestSupport.h"
#include "framework/Zyn_conventions.h"

using namespace zyn;
using namespace vcl;
using zyn_test::OnOffButTest;

namespace {

constexpr TColor Ground = 0xD0E0F0;

class OnOffButScaleTest : public OnOffButTest {
protected:
    zyn_test::CountingOnOffBut* MakeStyled(TOnOffButStyle Style) {
        auto* b = MakeButton(10, 10);
        b->SetButtonStyle(Style);
        b->SetColorBackgnd(Ground);
        return b;
    }
    TColor At(TControl* b, int X, int Y) { return Pixel(b->GetLeft() + X, b->GetTop() + Y); }
    // A pixel of the "on, enabled" cell of a sheet, and its coverage.
    static TColor SheetPixel(const std::string& Name, int X, int Y) {
        TBitmap b;
        b.LoadFromResourceName(HInstance, Name);
        return b.GetCanvas()->GetPixels(X, Y) & 0xFFFFFF;
    }
};

}  // namespace

TEST_F(OnOffButScaleTest, TheGlyphIsTheArtworkOfTheFormsDensity) {
    const struct {
        int ppi;
        const char* sheet;
        int glyph;
    } cases[] = {{96, "CHECKBOX", 16}, {144, "CHECKBOX@150", 24}, {192, "CHECKBOX@200", 32}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ppi);
        form->SetPixelsPerInch(c.ppi);
        auto* b = MakeStyled(oobsCheckbox);
        Application->ProcessMessages();
        EXPECT_EQ(b->GetGlyphWidth(), c.glyph);
        EXPECT_EQ(b->GetGlyphHeight(), c.glyph);
        // Centred in the 100 x 50 button.
        EXPECT_EQ(b->GetLeftSpace(), (100 - c.glyph) / 2);
        EXPECT_EQ(b->GetTopSpace(), (50 - c.glyph) / 2);
        // Fully covered pixels of the sheet show as they are: the middle of the box and a
        // point of the tick's long stroke, at the same place in the glyph.
        for (const TPoint p : {TPoint(c.glyph / 2, c.glyph / 4 * 3), TPoint(c.glyph * 5 / 8, c.glyph / 2)}) {
            TBitmap alpha;
            alpha.LoadFromResourceName(HInstance, std::string(c.sheet).insert(8, "_ALPHA"));
            ASSERT_EQ(alpha.GetCanvas()->GetPixels(p.X, p.Y) & 0xFF, 0xFFu) << p.X << "," << p.Y;
            EXPECT_EQ(At(b, b->GetLeftSpace() + 1 + p.X, b->GetTopSpace() + 1 + p.Y), SheetPixel(c.sheet, p.X, p.Y));
        }
        delete b;
    }
}

TEST_F(OnOffButScaleTest, AtTwiceTheDensityTheRadioMarkIsTheTwiceArtwork) {
    form->SetPixelsPerInch(192);
    auto* b = MakeStyled(oobsRadioBut);
    Application->ProcessMessages();
    EXPECT_EQ(b->GetGlyphWidth(), 28);
    // Every fully covered pixel of the on-enabled cell matches the @200 sheet.
    TBitmap sheet, alpha;
    sheet.LoadFromResourceName(HInstance, "RADIOBUT@200");
    alpha.LoadFromResourceName(HInstance, "RADIOBUT_ALPHA@200");
    int compared = 0, differing = 0;
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 28; ++x) {
            if ((alpha.GetCanvas()->GetPixels(x, y) & 0xFF) != 0xFF) continue;
            ++compared;
            differing += At(b, b->GetLeftSpace() + 1 + x, b->GetTopSpace() + 1 + y) !=
                         (sheet.GetCanvas()->GetPixels(x, y) & 0xFFFFFF);
        }
    EXPECT_GT(compared, 300);
    EXPECT_EQ(differing, 0);
}

TEST_F(OnOffButScaleTest, ADensityChangeAfterPlacingReloadsAndRecentresAtTheNextPaint) {
    auto* b = MakeStyled(oobsBulb);
    Application->ProcessMessages();
    EXPECT_EQ(b->GetGlyphWidth(), 39);
    form->SetPixelsPerInch(192);
    b->SetBounds(10, 10, 200, 120);
    b->Repaint();
    EXPECT_EQ(b->GetGlyphWidth(), 78);
    EXPECT_EQ(b->GetGlyphHeight(), 98);
    EXPECT_EQ(b->GetLeftSpace(), (200 - 78) / 2);
    // A press inside the larger glyph, outside where the 1x glyph would lie, switches.
    const bool was = b->GetOnOff();
    b->SetMouseAction(oomaFocused);
    Input::Click(b, b->GetLeftSpace() + 3, b->GetTopSpace() + 3);
    EXPECT_NE(b->GetOnOff(), was);
    form->SetPixelsPerInch(96);
    b->Repaint();
    EXPECT_EQ(b->GetGlyphWidth(), 39);
}

// A page of buttons at 192 dpi, written as a PNG to look at (test-output/onoffbut_192.png).
TEST_F(OnOffButScaleTest, APageOfGlyphsAtTwiceTheDensity) {
    form->SetPixelsPerInch(192);
    form->SetBounds(0, 0, 1000, 560);
    form->SetColor(clBtnFace);
    const TOnOffButStyle styles[] = {oobsCheckbox, oobsRadioBut, oobsSlideLR, oobsColSlideTB, oobsLedRedGreen,
                                     oobsArrowTopRgt, oobsTrafficLPed, oobsBeveledLed, oobsSmileyYellow,
                                     oobsBulb, oobsButLamp, oobsHDLeft, oobsUser1, oobsUser2, oobsUser4};
    int i = 0;
    for (TOnOffButStyle s : styles) {
        auto* b = PlaceOn<TOnOffBut>(form.get(), 10 + (i % 5) * 196, 10 + (i / 5) * 180, 186, 170);
        b->SetButtonStyle(s);
        b->SetOnOff(i % 2 == 0);
        b->SetEnabled(i % 7 != 6);
        b->SetBottomText("Style " + std::to_string(int(s)));
        ++i;
    }
    Application->ProcessMessages();
    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    const std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/onoffbut_192.png";
    form->GetBackBuffer()->SaveToFile(file);
    TBitmap check;
    check.LoadFromFile(file);
    EXPECT_EQ(check.GetWidth(), 1000);
}

namespace {

// The first column at or after From, up to To, where a row of Top..Bottom differs from
// Ground: where ink starts.
int InkFrom(TCanvas* C, int From, int To, int Top, int Bottom, TColor Ground) {
    for (int x = From; x < To; ++x)
        for (int y = Top; y < Bottom; ++y)
            if ((C->GetPixels(x, y) & 0xFFFFFF) != Ground) return x;
    return -1;
}

// How far right of its pen position a text's first ink lies, in Font.
int Bearing(TFont* Font, const std::string& Text) {
    TBitmap b;
    b.SetSize(200, 100);
    TCanvas* c = b.GetCanvas();
    c->GetBrush()->SetColor(Ground);
    c->FillRect(Rect(0, 0, 200, 100));
    c->SetFont(Font);
    c->GetFont()->SetColor(clBlack);
    c->TextOut(20, 10, Text);
    return InkFrom(c, 0, 200, 0, 100, Ground) - 20;
}

}  // namespace

// A form scaled to twice its density: the glyph's place scales with the control and the
// texts keep their gaps (4 and 3 pixels at 96 dpi) from the glyph, so that a left text
// that fitted at 1x starts where it did, doubled, and is not cut at the control's edge.
TEST_F(OnOffButScaleTest, AfterScaleByTheTextsKeepTheirPlacesBesideTheGlyph) {
    auto* b = MakeStyled(oobsCheckbox);
    b->SetBounds(10, 10, 170, 40);
    b->SetAutoCenter(false);
    b->SetLeftSpace(80);
    b->SetTopSpace(11);
    b->SetLeftText("Power");
    b->SetRightText("On");
    form->ScaleBy(192, 96);
    Application->ProcessMessages();
    ASSERT_EQ(form->GetPixelsPerInch(), 192);
    EXPECT_EQ(b->GetLeftSpace(), 160);
    EXPECT_EQ(b->GetTopSpace(), 22);
    ASSERT_EQ(b->GetGlyphWidth(), 32);
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.GetCanvas()->SetFont(b->GetFont());
    const int lw = measure.GetCanvas()->TextWidth("Power");
    ASSERT_GT(lw, 40);   // the font grew with the form
    TCanvas* shown = form->GetBackBuffer()->GetCanvas();
    const int top = b->GetTop() + b->GetTopSpace(), bottom = top + b->GetGlyphHeight();
    const int L = b->GetLeft(), LS = b->GetLeftSpace();
    // Left text, right-justified: it ends 3 x 2 pixels before the glyph's place.
    EXPECT_EQ(InkFrom(shown, L + 2, L + LS, top, bottom, Ground) - L, LS - lw - 6 + Bearing(b->GetFont(), "Power"));
    // Right text, left-justified: 4 x 2 pixels after the glyph.
    const int rx = LS + b->GetGlyphWidth() + 8;
    EXPECT_EQ(InkFrom(shown, L + LS + b->GetGlyphWidth() + 2, L + b->GetWidth() - 2, top, bottom, Ground) - L,
              rx + Bearing(b->GetFont(), "On"));
}

// At 96 dpi the texts stand where they always did; at 144 the gaps are half as wide again.
TEST_F(OnOffButScaleTest, TheTextGapsAreNinetySixDpiPixelsAtThePlacementsDensity) {
    TOnOffButPlacement p{40, 10, 16, 16, 120, 40, 96};
    EXPECT_EQ(OnOffButTextPos(otsLeft, taRightJustify, 20, 10, p).X, 40 - 20 - 3);
    EXPECT_EQ(OnOffButTextPos(otsRight, taLeftJustify, 20, 10, p).X, 40 + 16 + 4);
    EXPECT_EQ(OnOffButTextPos(otsBottom, taLeftJustify, 20, 10, p), TPoint(4, 10 + 16 + 4));
    p.PPI = 144;
    EXPECT_EQ(OnOffButTextPos(otsLeft, taRightJustify, 20, 10, p).X, 40 - 20 - 5);
    EXPECT_EQ(OnOffButTextPos(otsBottom, taRightJustify, 20, 10, p), TPoint(120 - 20 - 6, 10 + 16 + 6));
}
