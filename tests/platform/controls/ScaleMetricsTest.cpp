// Fixed metrics at a form's pixels per inch: the 96 dpi sizes scale by MulDiv, lines by
// whole pixels, and at 96 every size is what it was (the other tests check those pixels).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "platform/Themes.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class ScaleMetrics : public zyn_test::FormFixture {
protected:
    ScaleMetrics() : FormFixture(zyn_test::FormShape::Framed()) {}
};

TColor Rgb(TColor C) { return ColorToRGB(C) & 0xFFFFFF; }

}  // namespace

TEST(ScaleMetric, SizesRoundAndLinesStayWholePixels) {
    const struct {
        int value, ppi, size, line;
    } cases[] = {{13, 96, 13, 13}, {13, 144, 20, 19}, {13, 192, 26, 26}, {17, 120, 21, 21}, {1, 96, 1, 1},
                 {1, 120, 1, 1},   {1, 144, 2, 1},    {1, 192, 2, 2},    {2, 144, 3, 3},   {1, 48, 1, 1},
                 {0, 192, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleMetric(c.value, c.ppi), c.size) << c.value << " at " << c.ppi;
        EXPECT_EQ(ScaleLineWidth(c.value, c.ppi), c.line) << c.value << " at " << c.ppi;
    }
    EXPECT_EQ(TInnerScrollBar::SizeAt(96), 17);
    EXPECT_EQ(TInnerScrollBar::SizeAt(144), 26);
    EXPECT_EQ(TInnerScrollBar::SizeAt(192), 34);
}

TEST_F(ScaleMetrics, AGridsScrollBarsAreTwiceAsWideAtTwiceTheDensity) {
    for (int ppi : {96, 144, 192}) {
        SCOPED_TRACE(ppi);
        form->SetPixelsPerInch(ppi);
        TDrawGrid* g = Place<TDrawGrid>(10, 10, 400, 200);
        g->SetRowCount(60);
        g->SetColCount(20);
        const int sz = TInnerScrollBar::SizeAt(ppi);
        EXPECT_EQ(g->GetVertScrollBar().GetBounds().Width(), sz);
        EXPECT_EQ(g->GetHorzScrollBar().GetBounds().Height(), sz);
        EXPECT_EQ(g->GetDataRect(), Rect(0, 0, 400 - sz, 200 - sz));
        // The arrow buttons are square, as wide as the bar.
        EXPECT_EQ(g->GetVertScrollBar().ArrowRect(true).Height(), sz);
        delete g;
    }
}

// The arrow triangle: 4 rows (7 pixels wide down to 1) at 96 dpi, 8 rows (15 down to 1)
// at 192, centred in its rectangle.
TEST(ScaleMetric, ArrowGlyphsHaveTwiceTheRowsAtTwiceTheDensity) {
    for (int ppi : {96, 192}) {
        SCOPED_TRACE(ppi);
        TBitmap b;
        b.SetSize(40, 40);
        b.GetCanvas()->GetBrush()->SetColor(clWhite);
        b.GetCanvas()->FillRect(Rect(0, 0, 40, 40));
        DrawArrowGlyph(b.GetCanvas(), Rect(0, 0, 40, 40), adDown, clBlack, ppi);
        const int n = ppi == 96 ? 4 : 8, top = 20 - n / 2, half = n - 1;
        auto px = [&](int x, int y) { return b.GetCanvas()->GetPixels(x, y) & 0xFFFFFF; };
        EXPECT_EQ(px(20 - half, top), 0u);
        EXPECT_EQ(px(20 + half, top), 0u);
        EXPECT_EQ(px(20 - half - 1, top), 0xFFFFFFu);
        EXPECT_EQ(px(20 + half + 1, top), 0xFFFFFFu);
        EXPECT_EQ(px(20, top - 1), 0xFFFFFFu);
        EXPECT_EQ(px(20, top + n - 1), 0u);         // the tip
        EXPECT_EQ(px(19, top + n - 1), 0xFFFFFFu);
        EXPECT_EQ(px(20, top + n), 0xFFFFFFu);
    }
}

// The raised face: one-pixel edges at 96 dpi, two-pixel ones at 192, whole pixels at 144.
TEST(ScaleMetric, ButtonFaceEdgesAreWholePixelsOfTheDensity) {
    for (int ppi : {96, 144, 192}) {
        SCOPED_TRACE(ppi);
        TBitmap b;
        b.SetSize(40, 40);
        DrawButtonFace(b.GetCanvas(), Rect(0, 0, 40, 40), false, ppi);
        const int w = ScaleLineWidth(1, ppi);
        auto px = [&](int x, int y) { return b.GetCanvas()->GetPixels(x, y) & 0xFFFFFF; };
        EXPECT_EQ(px(20, w - 1), Rgb(cl3DLight));
        EXPECT_EQ(px(20, w), Rgb(clBtnHighlight));
        EXPECT_EQ(px(20, 2 * w - 1), Rgb(clBtnHighlight));
        EXPECT_EQ(px(20, 2 * w), Rgb(clBtnFace));
        EXPECT_EQ(px(20, 40 - w), Rgb(cl3DDkShadow));
        EXPECT_EQ(px(20, 40 - w - 1), Rgb(clBtnShadow));
        EXPECT_EQ(px(20, 40 - 2 * w - 1), Rgb(clBtnFace));
    }
}

// The check box: a 13-pixel box with a one-pixel border and a two-pixel tick at 96 dpi;
// at 192 the box is 26 pixels, the border 2 and the tick 4 pixels thick.
TEST_F(ScaleMetrics, ACheckBoxAndItsTickDoubleAtTwiceTheDensity) {
    for (int ppi : {96, 192}) {
        SCOPED_TRACE(ppi);
        form->SetPixelsPerInch(ppi);
        auto* box = Place<TCheckBox>(10, 10, 200, 40);
        box->SetCaption("Checked");
        box->SetChecked(true);
        auto bmp = Render(box);
        auto px = [&](int x, int y) { return Pixel(bmp.get(), x, y) & 0xFFFFFF; };
        const int s = ppi / 96, size = 13 * s, top = (40 - size) / 2;
        const TColor border = Rgb(ThemeColor(trBorder)), inside = Rgb(ThemeColor(trWindow)),
                     mark = Rgb(ThemeColor(trCheckMark));
        EXPECT_EQ(px(0, top + size / 2), border);
        EXPECT_EQ(px(s - 1, top + size / 2), border);
        EXPECT_EQ(px(s, top + size / 2 + 3 * s), inside);
        EXPECT_EQ(px(size - 1, top + size / 2), border);
        EXPECT_EQ(px(size, top + size / 2), Rgb(form->GetColor()));
        // The tick's lowest point, (5, 7) of the box at 96 dpi, and its thickness below it.
        for (int d = 0; d < 2 * s; ++d) EXPECT_EQ(px(5 * s, top + 7 * s + d), mark) << d;
        EXPECT_EQ(px(5 * s, top + 7 * s + 2 * s), inside);
        delete box;
    }
}

// The text of an edit field keeps its distance from the border: 3 pixels across and 2 down
// at 96 dpi inside a one-pixel border, 6 and 4 inside a two-pixel border at 192. The
// selection of leading blanks shows where the text area starts without a glyph's edge.
TEST_F(ScaleMetrics, AnEditsAndAMemosTextAreaKeepItsInsetAtTwiceTheDensity) {
    form->SetPixelsPerInch(192);
    auto* edit = Place<TEdit>(10, 10, 200, 50);
    auto* memo = Place<TMemo>(10, 70, 200, 100);
    for (TCustomEdit* e : {static_cast<TCustomEdit*>(edit), static_cast<TCustomEdit*>(memo)}) {
        e->SetText("    text");
        e->SetHideSelection(false);
        e->SelectAll();
    }
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.GetCanvas()->GetFont()->Assign(edit->GetFont());
    const int lh = measure.GetCanvas()->TextHeight("Wg");
    const TColor window = Rgb(edit->GetColor()), border = Rgb(ThemeColor(trBorder)),
                 sel = Rgb(ThemeColor(trSelectionInactive));

    auto field = Render(edit);
    auto px = [](TBitmap* B, int x, int y) { return Pixel(B, x, y) & 0xFFFFFF; };
    const int mid = (edit->GetClientHeight() - lh) / 2 + lh / 2;   // the line is centred
    EXPECT_EQ(px(field.get(), 1, mid), border);
    EXPECT_EQ(px(field.get(), 2, mid), window);
    EXPECT_EQ(px(field.get(), 5, mid), window);
    EXPECT_EQ(px(field.get(), 6, mid), sel);

    auto lines = Render(memo);
    EXPECT_EQ(px(lines.get(), 1, 10), border);
    EXPECT_EQ(px(lines.get(), 8, 3), window);
    EXPECT_EQ(px(lines.get(), 8, 4), sel);
    EXPECT_EQ(px(lines.get(), 8, 4 + lh - 1), sel);
    EXPECT_EQ(px(lines.get(), 5, 4 + lh / 2), window);
    EXPECT_EQ(px(lines.get(), 6, 4 + lh / 2), sel);
}

// A focused push button: the dotted focus line 3 pixels inside the edge at 96 dpi, so clear
// of the default button's double border; at 192 it is 6 pixels inside and two lines deep,
// and the double border is two lines of two pixels.
TEST_F(ScaleMetrics, APushButtonsFocusLineStaysInsideItsDoubleBorderAtTwiceTheDensity) {
    form->SetPixelsPerInch(192);
    auto* button = Place<TButton>(10, 10, 150, 50);
    button->SetCaption("");
    button->SetFocus();
    ASSERT_TRUE(button->Focused());
    auto bmp = Render(button);
    const TColor face = Rgb(ThemeColor(trButtonFace)), accent = Rgb(ThemeColor(trAccent));
    auto dotted = [&](int y) {   // whether row y carries the dotted line in the button's middle
        int changed = 0;
        for (int x = 40; x < 110; ++x) changed += (Pixel(bmp.get(), x, y) & 0xFFFFFF) != face;
        return changed;
    };
    for (int y = 0; y < 4; ++y) EXPECT_EQ(Pixel(bmp.get(), 75, y) & 0xFFFFFF, accent) << y;
    EXPECT_EQ(dotted(4), 0);
    EXPECT_EQ(dotted(5), 0);
    EXPECT_GT(dotted(6), 20);
    EXPECT_GT(dotted(7), 20);
    EXPECT_EQ(dotted(8), 0);
    EXPECT_EQ(dotted(50 - 8 - 1), 0);
    EXPECT_GT(dotted(50 - 6 - 1), 20);
}

// A page of platform controls at 192 dpi, written as a PNG to look at
// (test-output/controls_192.png): scroll bars, check boxes, a combo box and a memo.
TEST_F(ScaleMetrics, APageOfControlsAtTwiceTheDensity) {
    form->SetPixelsPerInch(192);
    form->SetBounds(0, 0, 640, 480);
    TDrawGrid* g = Place<TDrawGrid>(10, 10, 300, 220);
    g->SetRowCount(40);
    g->SetColCount(12);
    for (int i = 0; i < 3; ++i) {
        auto* box = Place<TCheckBox>(330, 10 + i * 40, 280, 34);
        box->SetCaption(i == 0 ? "Unchecked" : i == 1 ? "Checked" : "Grayed");
        box->SetAllowGrayed(true);
        box->SetState(TCheckBoxState(i));
    }
    auto* combo = Place<TComboBox>(330, 140, 280, 30);
    combo->GetItems()->Add("First");
    combo->SetItemIndex(0);
    auto* memo = Place<TMemo>(10, 250, 600, 200);
    memo->SetScrollBars(ssBoth);
    for (int i = 0; i < 40; ++i) memo->GetLines()->Add("A line of text long enough to need the horizontal bar " + std::to_string(i));
    Application->ProcessMessages();
    EXPECT_EQ(memo->GetVertScrollBar().GetBounds().Width(), 34);
    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    const std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/controls_192.png";
    form->GetBackBuffer()->SaveToFile(file);
    TBitmap check;
    check.LoadFromFile(file);
    EXPECT_EQ(check.GetWidth(), form->GetBackBuffer()->GetWidth());
}
