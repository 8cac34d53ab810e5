// The on/off button's picture on a shown form: glyph pictures by state, the key colour,
// frame, texts (placed by the measured text size), engraved texts when disabled, and
// transparency over the parent.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "OnOffButTestSupport.h"
#include "framework/Zyn_conventions.h"
#include "platform/Themes.h"

using namespace zyn;
using namespace vcl;
using zyn_test::OnOffButTest;

namespace {

constexpr TColor Ground = 0xD0E0F0;     // the buttons' background colour
constexpr TColor FormColour = 0x806040;
constexpr TColor Ink = 0x202080;        // the enabled text colour

// The sheet button's glyph starts at (41, 21) of a 100 x 50 button; its square at (49, 24).
constexpr int SqX = 41 + zyn_test::SquareLeft, SqY = 21 + zyn_test::SquareTop;

class OnOffButPaintTest : public OnOffButTest {
protected:
    void SetUp() override {
        OnOffButTest::SetUp();
        form->SetColor(FormColour);
    }
    // A pixel of a button, in its client coordinates, after the form has repainted.
    TColor At(TControl* b, int X, int Y) { return Pixel(b->GetLeft() + X, b->GetTop() + Y); }
};

}  // namespace

TEST_F(OnOffButPaintTest, GlyphOfEachStateOnTheBackgroundInsideTheFrame) {
    auto* b = MakeSheetButton(10, 10);
    b->SetColorBackgnd(Ground);
    Application->ProcessMessages();
    const int S = zyn_test::SquareSize;
    EXPECT_EQ(At(b, SqX, SqY), zyn_test::SheetOnEnabled);
    EXPECT_EQ(At(b, SqX + S - 1, SqY + S - 1), zyn_test::SheetOnEnabled);
    // Key-coloured glyph pixels around the square take the background colour.
    EXPECT_EQ(At(b, SqX - 1, SqY), Ground);
    EXPECT_EQ(At(b, SqX + S, SqY), Ground);
    EXPECT_EQ(At(b, SqX, SqY - 1), Ground);
    EXPECT_EQ(At(b, SqX, SqY + S), Ground);
    EXPECT_EQ(At(b, 41, 21), Ground);
    EXPECT_EQ(At(b, 20, 40), Ground);
    // The sunken frame: gray top and left, white bottom and right.
    EXPECT_EQ(At(b, 0, 25), TColor(0x808080));
    EXPECT_EQ(At(b, 50, 0), TColor(0x808080));
    EXPECT_EQ(At(b, 99, 25), TColor(0xFFFFFF));
    EXPECT_EQ(At(b, 50, 49), TColor(0xFFFFFF));
    EXPECT_EQ(At(b, 1, 25), Ground);

    b->SetOnOff(false);
    EXPECT_EQ(At(b, SqX, SqY), zyn_test::SheetOffEnabled);   // painted at once
    // Disabled buttons show the bottom row of the sheet.
    b->SetEnabled(false);
    Application->ProcessMessages();
    EXPECT_EQ(At(b, SqX, SqY), zyn_test::SheetOffDisabled);
    b->SetOnOff(true);
    EXPECT_EQ(At(b, SqX, SqY), zyn_test::SheetOnDisabled);

    b->SetFrameStyle(frNone);
    EXPECT_EQ(At(b, 0, 25), Ground);
    EXPECT_EQ(At(b, 99, 25), Ground);
}

TEST_F(OnOffButPaintTest, EveryStyleLeavesNoKeyColourBehind) {
    auto* b = MakeButton(10, 10);
    b->SetBounds(10, 10, 120, 110);
    b->SetColorBackgnd(Ground);
    for (int s = oobsUser; s <= oobsUser5; ++s) {
        SCOPED_TRACE(s);
        b->SetButtonStyle(TOnOffButStyle(s));
        for (bool on : {false, true}) {
            b->SetOnOff(on);
            Application->ProcessMessages();
            // The glyph and a pixel round it.
            const int L = b->GetLeftSpace(), T = b->GetTopSpace();
            int glyphPixels = 0;
            for (int y = T; y <= T + b->GetGlyphHeight() + 1; ++y)
                for (int x = L; x <= L + b->GetGlyphWidth() + 1; ++x) {
                    const TColor c = At(b, x, y);
                    ASSERT_NE(c, OnOffButKeyColor) << x << "," << y;
                    glyphPixels += c != Ground;
                }
            EXPECT_GT(glyphPixels, 20);
        }
    }
}

TEST_F(OnOffButPaintTest, TextsOnFourSidesAtTheirMeasuredPlaces) {
    auto* b = MakeSheetButton(10, 10);
    b->SetBounds(10, 10, 200, 100);   // glyph at LeftSpace 90, TopSpace 45
    b->SetColorBackgnd(Ground);
    b->SetColorText(Ink);
    b->SetLeftText("Off");
    b->SetRightText("On");
    b->SetTopText("Mains");
    b->SetBottomText("Lamp");
    b->SetBottomTextAlignment(taRightJustify);
    Application->ProcessMessages();

    // The texts as a canvas writes them at the places worked out from the measured sizes.
    TBitmap ref;
    ref.SetSize(200, 100);
    TCanvas* c = ref.GetCanvas();
    c->SetFont(b->GetFont());
    c->GetBrush()->SetColor(Ground);
    c->FillRect(Rect(0, 0, 200, 100));
    c->GetFont()->SetColor(Ink);
    const int h = c->TextHeight(TextHeightProbe);
    const int LS = 90, TS = 45, gw = 20, gh = 10, W = 200;
    ASSERT_EQ(b->GetLeftSpace(), LS);
    ASSERT_EQ(b->GetTopSpace(), TS);
    struct Text {
        std::string s;
        int x, y;
    };
    const Text texts[] = {
        {"Off", LS - c->TextWidth("Off") - 3, TS + (gh - h) / 2},
        {"On", LS + gw + 4, TS + (gh - h) / 2},
        {"Mains", LS + (gw - c->TextWidth("Mains")) / 2, TS - h - 4},
        {"Lamp", W - c->TextWidth("Lamp") - 4, TS + gh + 4},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(t.s);
        c->TextOut(t.x, t.y, t.s);
        int inked = 0, differ = 0;
        for (int y = t.y - 1; y <= t.y + h; ++y)
            for (int x = t.x - 1; x <= t.x + c->TextWidth(t.s); ++x) {
                const TColor want = c->GetPixels(x, y) & 0xFFFFFF;
                if (want != Ground) ++inked;
                if (At(b, x, y) != want) ++differ;
            }
        EXPECT_GT(inked, 10);
        EXPECT_EQ(differ, 0);
    }
}

TEST_F(OnOffButPaintTest, DisabledTextsAreEngraved) {
    auto* b = MakeSheetButton(10, 10);
    b->SetColorBackgnd(Ground);
    b->SetColorText(Ink);
    b->GetFont()->SetQuality(fqNonAntialiased);   // so that the two inks keep their colours
    b->SetLeftText("Wg");
    b->SetEnabled(false);
    Application->ProcessMessages();

    TBitmap ref;
    ref.SetSize(100, 50);
    TCanvas* c = ref.GetCanvas();
    c->SetFont(b->GetFont());
    c->GetBrush()->SetColor(Ground);
    c->FillRect(Rect(0, 0, 100, 50));
    const int h = c->TextHeight(TextHeightProbe), tw = c->TextWidth("Wg");
    const int x = 40 - tw - 3, y = 20 + (10 - h) / 2;
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetColor(clWhite);
    c->TextOut(x + 1, y + 1, "Wg");
    c->GetFont()->SetColor(clGray);
    c->TextOut(x, y, "Wg");
    int white = 0, gray = 0, differ = 0;
    for (int py = y - 1; py <= y + h + 1; ++py)
        for (int px = x - 1; px <= x + tw + 1; ++px) {
            const TColor got = At(b, px, py);
            if (got == (c->GetPixels(px, py) & 0xFFFFFF)) {
                white += got == 0xFFFFFF;
                gray += got == 0x808080;
            } else {
                ++differ;
            }
            EXPECT_NE(got, Ink);
        }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(white, 3);
    EXPECT_GT(gray, 3);
}

TEST_F(OnOffButPaintTest, TransparentButtonShowsItsParentThroughTheKeyColour) {
    auto* b = MakeSheetButton(10, 10);
    b->SetColorBackgnd(Ground);
    b->SetTransparent(true);
    Application->ProcessMessages();
    EXPECT_EQ(At(b, SqX, SqY), zyn_test::SheetOnEnabled);
    EXPECT_EQ(At(b, SqX - 1, SqY), FormColour);   // key colour: the form shows
    EXPECT_EQ(At(b, 20, 40), FormColour);         // the ground too
    EXPECT_EQ(At(b, 0, 25), TColor(0x808080));    // the frame covers it
    EXPECT_EQ(At(b, 99, 25), TColor(0xFFFFFF));

    // Text in one flat colour (no smoothing): only ink or the form shows in its cell.
    b->GetFont()->SetQuality(fqNonAntialiased);
    b->SetColorText(Ink);
    b->SetBottomText("Wg");
    Application->ProcessMessages();
    int ink = 0;
    for (int y = 35; y < 48; ++y)
        for (int x = 30; x < 70; ++x) {
            const TColor c = At(b, x, y);
            EXPECT_TRUE(c == Ink || c == FormColour) << x << "," << y;
            ink += c == Ink;
        }
    EXPECT_GT(ink, 10);

    b->SetTransparent(false);
    Application->ProcessMessages();
    EXPECT_EQ(At(b, SqX - 1, SqY), Ground);
}

TEST_F(OnOffButPaintTest, SwitchingATransparentButtonLeavesNothingOfTheOldPicture) {
    // The "off" picture is all key colour, so a switched-off button shows only its parent
    // where the "on" square was.
    auto sheet = zyn_test::MakeTestSheet();
    sheet->GetCanvas()->GetBrush()->SetColor(OnOffButKeyColor);
    sheet->GetCanvas()->FillRect(Rect(zyn_test::SheetCellW, 0, 2 * zyn_test::SheetCellW, zyn_test::SheetCellH));
    auto* b = MakeButton(10, 10);
    b->SetUserGlyph(sheet.get());
    b->SetButtonStyle(oobsUser);
    b->SetTransparent(true);
    Application->ProcessMessages();
    ASSERT_EQ(At(b, SqX, SqY), zyn_test::SheetOnEnabled);
    b->SetOnOff(false);
    Application->ProcessMessages();
    EXPECT_EQ(At(b, SqX, SqY), FormColour);
    ClickGlyph(b);
    Application->ProcessMessages();
    EXPECT_EQ(At(b, SqX, SqY), zyn_test::SheetOnEnabled);
}

namespace {

// Whether a pixel lies next to one of the ground colour (its 4 neighbours).
bool NextTo(const std::vector<std::vector<TColor>>& Px, int X, int Y, TColor C) {
    const int h = int(Px.size()), w = int(Px[0].size());
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int x = X + dx, y = Y + dy;
        if (x >= 0 && y >= 0 && x < w && y < h && Px[y][x] == C) return true;
    }
    return false;
}

int Brightest(TColor C) { return std::max({GetRValue(C), GetGValue(C), GetBValue(C)}); }

}  // namespace

// A smoothed caption over a transparent button blends with what the parent shows, as text
// written straight onto the parent does: no coloured fringes from masking bit patterns.
TEST_F(OnOffButPaintTest, TransparentSmoothedTextBlendsWithTheParent) {
    const TColor parent = 0x55AAFF;   // bit patterns that an AND with grey levels distorts
    form->SetColor(parent);
    auto* b = MakeSheetButton(10, 10);
    b->SetFrameStyle(frNone);
    b->SetTransparent(true);
    b->SetRightText("Mow");
    b->SetLeftText("Gap");
    b->SetLeftTextAlignment(taLeftJustify);
    for (TColor ink : {TColor(clBlack), Ink}) {
        SCOPED_TRACE(ink);
        b->SetColorText(ink);
        Application->ProcessMessages();
        TBitmap ref;
        ref.SetSize(100, 50);
        TCanvas* c = ref.GetCanvas();
        c->SetFont(b->GetFont());
        c->GetBrush()->SetColor(parent);
        c->FillRect(Rect(0, 0, 100, 50));
        c->GetBrush()->SetStyle(bsClear);
        c->GetFont()->SetColor(ink);
        const int h = c->TextHeight(TextHeightProbe);
        const int LS = b->GetLeftSpace(), TS = b->GetTopSpace(), y = TS + (10 - h) / 2;
        c->TextOut(LS + 20 + 4, y, "Mow");
        c->TextOut(4, y, "Gap");
        int smoothed = 0, differ = 0;
        for (int py = 0; py < 50; ++py)
            for (int px = 0; px < 100; ++px) {
                if (px > LS && px <= LS + 20 && py > TS && py <= TS + 10) continue;   // the glyph
                const TColor want = c->GetPixels(px, py) & 0xFFFFFF;
                smoothed += want != parent && want != ink;
                differ += At(b, px, py) != want;
            }
        EXPECT_GT(smoothed, 10);   // the font is smoothed: there are partly covered pixels
        EXPECT_EQ(differ, 0);
    }
}

// On the button face the package's glyphs are shown exactly as drawn: the key colour takes
// the face, every other pixel is the picture's own.
TEST_F(OnOffButPaintTest, PackageGlyphsOnTheFaceAreTheirPicturesExactly) {
    auto* b = MakeButton(10, 10);
    b->SetBounds(10, 10, 120, 110);
    for (TOnOffButStyle s : {oobsCheckbox, oobsColSlideLR, oobsBulb, oobsTrafficLPed}) {
        SCOPED_TRACE(int(s));
        b->SetButtonStyle(s);
        for (bool enabled : {true, false}) {
            b->SetEnabled(enabled);
            Application->ProcessMessages();
            TBitmap img;
            img.Assign(const_cast<TBitmap*>(b->GetStateImage(b->GetOnOff(), enabled)));
            const int L = b->GetLeftSpace() + 1, T = b->GetTopSpace() + 1;
            int differ = 0;
            for (int y = 0; y < img.GetHeight(); ++y)
                for (int x = 0; x < img.GetWidth(); ++x) {
                    TColor want = img.GetCanvas()->GetPixels(x, y) & 0xFFFFFF;
                    if (want == OnOffButKeyColor) want = ColorToRGB(clBtnFace);
                    differ += At(b, L + x, T + y) != want;
                }
            EXPECT_EQ(differ, 0);
        }
    }
}

// The glyphs' soft edges and shadows take the ground they are shown on: on black, none of
// the pixels round a check box is lighter than its border line, opaque or transparent.
TEST_F(OnOffButPaintTest, GlyphEdgesShowNoLightHaloOnADarkGround) {
    auto* b = MakeButton(10, 10);
    b->SetButtonStyle(oobsCheckbox);
    b->SetOnOff(false);
    b->SetFrameStyle(frNone);
    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent);
        form->SetColor(clBlack);
        b->SetColorBackgnd(clBlack);
        b->SetTransparent(transparent);
        Application->ProcessMessages();
        const int L = b->GetLeftSpace() + 1, T = b->GetTopSpace() + 1;
        const int gw = b->GetGlyphWidth(), gh = b->GetGlyphHeight();
        std::vector<std::vector<TColor>> px(gh + 2, std::vector<TColor>(gw + 2));
        for (int y = 0; y < gh + 2; ++y)
            for (int x = 0; x < gw + 2; ++x) px[y][x] = At(b, L - 1 + x, T - 1 + y);
        int edge = 0, light = 0;
        for (int y = 0; y < gh + 2; ++y)
            for (int x = 0; x < gw + 2; ++x) {
                if (px[y][x] == clBlack || !NextTo(px, x, y, clBlack)) continue;
                ++edge;
                light += Brightest(px[y][x]) > 0x90;   // the border line is 0x5F6E80
            }
        EXPECT_GT(edge, 20);
        EXPECT_EQ(light, 0);
        // Inside, the box keeps its light face.
        EXPECT_GT(Brightest(At(b, L + gw / 2, T + gh / 2)), 0xE0);
    }
}

// ---- the themes ----------------------------------------------------------------------------

namespace {

class OnOffButThemeTest : public OnOffButPaintTest {
protected:
    void TearDown() override {
        Application->SetTheme("light");
        OnOffButPaintTest::TearDown();
    }
    // The 96-dpi artwork of Style cut into its four pictures, as drawn.
    static TOnOffButImages Artwork(TOnOffButStyle Style) {
        TBitmap sheet;
        LoadResourceBitmap(&sheet, OnOffButStyleResource(Style), 96);
        TOnOffButImages images;
        CutGlyphSheet(&sheet, images);
        return images;
    }
};

// A mark and the accent beside it in the "on" picture, in glyph coordinates of the 96-dpi
// artwork: the check box's tick at (5, 9) on the fill at (3, 9), the radio button's dot at
// (6, 6) inside the ring at (3, 6).
struct MarkProbe {
    TOnOffButStyle style;
    TPoint mark, accent;
};
const MarkProbe kMarkProbes[] = {{oobsCheckbox, {5, 9}, {3, 9}}, {oobsRadioBut, {6, 6}, {3, 6}}};

}  // namespace

// In the light theme the drawn artwork comes through untouched, also after a round trip
// through the dark themes.
TEST_F(OnOffButThemeTest, LightThemeShowsTheArtworkAsDrawn) {
    auto* b = MakeButton(10, 10);
    for (const MarkProbe& probe : kMarkProbes) {
        SCOPED_TRACE(int(probe.style));
        b->SetButtonStyle(probe.style);
        for (const char* theme : {"light", "dark", "high-contrast", "light"}) Application->SetTheme(theme);
        const TOnOffButImages drawn = Artwork(probe.style);
        for (bool on : {false, true})
            for (bool enabled : {false, true}) {
                TBitmap* want = drawn[OnOffButStateIndex(on, enabled)].get();
                const TBitmap* got = b->GetStateImage(on, enabled);
                ASSERT_EQ(got->GetWidth(), want->GetWidth());
                int differ = 0;
                for (int y = 0; y < want->GetHeight(); ++y)
                    for (int x = 0; x < want->GetWidth(); ++x)
                        differ += const_cast<TBitmap*>(got)->GetCanvas()->GetPixels(x, y) !=
                                  want->GetCanvas()->GetPixels(x, y);
                EXPECT_EQ(differ, 0) << on << enabled;
            }
    }
}

// On the dark themes the check box and the radio button are drawn in the window colours:
// the mark stands off its accent by the theme's text contrast (4.5:1 dark, 7:1 high
// contrast), the empty box is dark like the theme's window rather than a light box, and the
// key colour still takes the face.
TEST_F(OnOffButThemeTest, MarksStandOffTheirAccentInTheDarkThemes) {
    auto* b = MakeButton(10, 10);
    b->SetButtonStyle(oobsCheckbox);   // made in light, then follows each theme
    for (const auto& [theme, required] : {std::pair{"dark", 4.5}, std::pair{"high-contrast", 7.0}}) {
        Application->SetTheme(theme);
        for (const MarkProbe& probe : kMarkProbes) {
            SCOPED_TRACE(std::string(theme) + " " + std::to_string(int(probe.style)));
            b->SetButtonStyle(probe.style);
            b->SetColorBackgnd(clBtnFace);
            b->SetOnOff(true);
            Application->ProcessMessages();
            const int L = b->GetLeftSpace() + 1, T = b->GetTopSpace() + 1;
            const TColor mark = At(b, L + probe.mark.X, T + probe.mark.Y);
            const TColor accent = At(b, L + probe.accent.X, T + probe.accent.Y);
            EXPECT_GE(ContrastRatio(mark, accent), required);
            EXPECT_EQ(At(b, L, T), ColorToRGB(clBtnFace));   // the corner is key colour
            b->SetOnOff(false);
            Application->ProcessMessages();
            const TColor inside = At(b, L + b->GetGlyphWidth() / 2, T + b->GetGlyphHeight() / 2);
            EXPECT_LT(RelativeLuminance(inside), 0.05);
            EXPECT_GE(ContrastRatio(inside, ThemeColor(trWindowText)), required);
        }
    }
}

// Pictures the program gave are its own: no theme recolours them.
TEST_F(OnOffButThemeTest, UserPicturesKeepTheirColoursInEveryTheme) {
    auto* b = MakeSheetButton(10, 10);
    for (const char* theme : {"dark", "high-contrast"}) {
        Application->SetTheme(theme);
        b->SetOnOff(true);
        Application->ProcessMessages();
        EXPECT_EQ(At(b, SqX, SqY), zyn_test::SheetOnEnabled) << theme;
    }
}

// On a dark theme the soft edges of the recoloured box are mixed against the recoloured
// face they were smoothed on, so that every partly covered pixel shows the same blend as in
// the light theme rather than a darkened rim.
TEST_F(OnOffButThemeTest, SoftEdgesBlendOnTheRecolouredFace) {
    Application->SetTheme("dark");
    auto* b = MakeButton(10, 10);
    b->SetButtonStyle(oobsCheckbox);
    b->SetColorBackgnd(clBtnFace);
    b->SetOnOff(false);
    Application->ProcessMessages();
    TBitmap coverage;
    LoadResourceBitmap(&coverage, OnOffButAlphaResource(oobsCheckbox), 96);
    TOnOffButAlphas alphas;
    CutAlphaSheet(&coverage, alphas);
    const int state = OnOffButStateIndex(false, true);
    TBitmap* picture = const_cast<TBitmap*>(b->GetStateImage(false, true));
    const int w = picture->GetWidth(), h = picture->GetHeight();
    ASSERT_EQ(alphas[std::size_t(state)].size(), std::size_t(w) * std::size_t(h));
    const int L = b->GetLeftSpace() + 1, T = b->GetTopSpace() + 1;
    const TColor ground = ColorToRGB(clBtnFace) & 0xFFFFFF, face = ThemeArtworkColor(OnOffButArtworkGround);
    int partial = 0, differ = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int a = alphas[std::size_t(state)][std::size_t(y) * std::size_t(w) + std::size_t(x)];
            if (a == 0 || a == 255) continue;
            ++partial;
            const TColor want = CompositeArtworkEdge(picture->GetCanvas()->GetPixels(x, y), a, ground, face);
            differ += At(b, L + x, T + y) != want;
        }
    EXPECT_GT(partial, 10);
    EXPECT_EQ(differ, 0);
}
