// Pixel probes of the drawing rules: colours by state, shading bands, check boxes and radio
// marks, the sort arrow, header edges, the common header span, the empty-list message and
// the inter-row indicator. Probes stay clear of texts (right end of the cells).
#include <cmath>
#include <vector>

#include "ReportListViewSupport.h"

using namespace zyn;
using rlv_test::ViewTest;
using vcl::TColor;

namespace {
// A background probe: inside the cell, right of any short text.
vcl::TPoint Back(const vcl::TRect& R) { return {R.Right - 3, R.Top + 3}; }
}  // namespace

class PaintTest : public ViewTest {
protected:
    TColor At(vcl::TPoint P) { return Pixel(P.X, P.Y); }
    TColor CellBack(int P, int R) { return At(Back(Cell(P, R))); }
};

TEST_F(PaintTest, ShadingBands) {
    FillNamed(2, 5);
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(CellBack(1, r), r % 2 ? 0xF0EFE8u : 0xFFFFFFu) << r;
    view->SetRowColPattern(2);
    const TColor want[] = {0xF0EFE8, 0xF0EFE8, 0xFFFFFF, 0xFFFFFF, 0xF0EFE8};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(CellBack(2, r), want[r - 1]) << r;
    view->SetRowColPattern(0);
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(CellBack(2, r), 0xFFFFFFu) << r;
}

TEST_F(PaintTest, ColoursByState) {
    FillNamed(3, 5);
    view->SetColorSelectedCol(0x00AA00);
    view->SetColorSelectedBoth(0x0000AA);
    view->SetRowSelect(2, true);
    view->SetRowSelect(3, true);
    view->SetRowEnabled(3, false);
    view->SetColSelect(3, true);
    EXPECT_EQ(CellBack(1, 2), 0x94BAEDu);   // selected row
    EXPECT_EQ(CellBack(1, 3), 0xF0F0F0u);   // selected but disabled: disabled colours
    EXPECT_EQ(CellBack(3, 1), 0x00AA00u);   // selected column
    EXPECT_EQ(CellBack(3, 2), 0x0000AAu);   // both
    view->SetHighLightRow(2);
    EXPECT_EQ(CellBack(1, 2), 0xCC9966u);   // highlight overrides the selection
    view->SetHighLightRow(0);
    view->SetHighLightColumn(1);
    EXPECT_EQ(CellBack(1, 4), 0xCC9966u);
    EXPECT_EQ(CellBack(1, 3), 0xF0F0F0u);   // disabled rows stay disabled
    view->SetFixedFirstColumn(true);
    EXPECT_EQ(CellBack(1, 4), vcl::ColorToRGB(vcl::clBtnFace) & 0xFFFFFF);
    const vcl::TRect c = Cell(1, 4);
    EXPECT_EQ(Pixel(c.Left, c.Top + 5), 0xFFFFFFu);        // raised edge
    EXPECT_EQ(Pixel(c.Right - 1, c.Top + 5), 0x808080u);
    // The application has the last word.
    view->SetOnBeforeRenderCell([](vcl::TObject*, int C, int R, TColor&, TColor& B, TColor&,
                                   vcl::TFontStyles&, std::string&) { if (C == 2 && R == 5) B = 0x123456; });
    view->Invalidate();
    EXPECT_EQ(CellBack(2, 5), 0x123456u);
}

TEST_F(PaintTest, PasswordShortenedAndRightAlignedTexts) {
    FillNamed(2, 3);
    view->SetColumnIsPwd(1, true);
    view->SetElem(1, 2, "");
    view->SetElem(2, 1, "a text that cannot fit in sixty four pixels at all");
    view->SetColumnAlignment(2, vcl::taRightJustify);
    view->SetElem(2, 3, "short");
    std::vector<std::string> texts(8);
    view->SetOnBeforeRenderCell([&](vcl::TObject*, int C, int R, TColor&, TColor&, TColor&,
                                    vcl::TFontStyles&, std::string& T) { if (C == 1) texts[std::size_t(R)] = T; });
    Flush();
    view->Invalidate();
    Flush();
    EXPECT_EQ(texts[1], "******");
    EXPECT_EQ(texts[2], "******");   // also for an empty cell
    // The drawn shortened text: its first character, "...", and its tail, right-aligned at
    // the text rectangle's right edge; compared with the same text drawn on a bitmap.
    vcl::TCanvas* vc = view->GetCanvas();
    vc->SetFont(view->GetFont());
    const std::string full = view->GetElem(2, 1);
    const int w = view->GetColWidths(2);
    const int t = vc->TextWidth(full.substr(1));
    const int keep = int(std::nearbyint(double(full.size()) * (w - 9) / t - 4));
    const std::string shown = full.substr(0, 1) + "..." + full.substr(full.size() - std::size_t(keep));
    const vcl::TRect c = Cell(2, 1);
    const int x = c.Right - 5 - vc->TextWidth(shown);
    vcl::TBitmap ref;
    ref.SetSize(400, 300);
    ref.GetCanvas()->SetFont(view->GetFont());
    ref.GetCanvas()->GetFont()->SetColor(view->GetColorText());
    ref.GetCanvas()->GetBrush()->SetColor(0xF0EFE8);
    ref.GetCanvas()->FillRect(vcl::Rect(0, 0, 400, 300));
    ref.GetCanvas()->TextRect(vcl::Rect(c.Left + 4, c.Top + 2, c.Right - 5, c.Bottom), x, c.Top + 1, shown);
    int differ = 0, ink = 0;
    for (int yy = c.Top + 2; yy < c.Bottom - 1; ++yy)
        for (int xx = c.Left + 4; xx < c.Right - 5; ++xx) {
            const TColor r = ref.GetCanvas()->GetPixels(xx, yy) & 0xFFFFFF;
            ink += r != 0xF0EFE8;
            differ += r != Pixel(xx, yy);
        }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(differ, 0);
}

TEST_F(PaintTest, CheckBoxesAndRadioMarks) {
    FillNamed(3, 3);
    view->SetColCheckMode(2, cmBox);
    view->SetColCheckMode(3, cmRadio);
    view->SetElemChecked(2, 1, true);
    view->SetElemChecked(3, 1, true);
    const TColor shadow = vcl::ColorToRGB(vcl::clBtnShadow) & 0xFFFFFF;
    const vcl::TRect b = Cell(2, 1), u = Cell(2, 2), r = Cell(3, 1);
    EXPECT_EQ(Pixel(b.Left + 4, b.Top + 9), shadow);        // box outline
    EXPECT_EQ(Pixel(b.Left + 14, b.Top + 9), shadow);
    EXPECT_EQ(Pixel(b.Left + 6, b.Top + 9), 0x002000u);     // tick
    EXPECT_EQ(Pixel(b.Left + 10, b.Top + 8), 0x002000u);
    EXPECT_EQ(Pixel(u.Left + 4, u.Top + 9), shadow);        // unchecked: box, no tick
    EXPECT_NE(Pixel(u.Left + 6, u.Top + 9), 0x002000u);
    EXPECT_EQ(Pixel(r.Left + 9, r.Top + 9), 0x002000u);     // radio dot
    EXPECT_EQ(Pixel(r.Left + 9, r.Top + 4), shadow);        // circle top
    // Read-only marks: no outline, the mark stays.
    view->SetCheckMarksReadOnly(true);
    EXPECT_NE(Pixel(b.Left + 4, b.Top + 9), shadow);
    EXPECT_EQ(Pixel(b.Left + 6, b.Top + 9), 0x002000u);
    // An empty check cell without ShowEmptyCheckBoxes shows nothing.
    view->SetCheckMarksReadOnly(false);
    view->SetElem(2, 3, "");
    const vcl::TRect e = Cell(2, 3);
    EXPECT_EQ(Pixel(e.Left + 4, e.Top + 9), shadow);
    view->SetShowEmptyCheckBoxes(false);
    EXPECT_EQ(Pixel(e.Left + 4, e.Top + 9), 0xF0EFE8u);
}

// The sort arrow is a solid triangle in the header's text colour round the point the
// header's text fixes: 9 pixels wide, 7 high, pointing up (ascending) or down.
TEST_F(PaintTest, SortArrowIsASolidTriangleInTheHeaderTextColour) {
    FillNamed(3, 3);
    const vcl::TRect h = Header(1);
    vcl::TCanvas* vc = view->GetCanvas();
    vc->SetFont(view->GetFont());
    const int t = vc->TextWidth("C-1"), th = vc->TextHeight("C-1");
    const int x0 = h.Left + 4 + std::min(t + 10, view->GetColWidths(1) - 11);
    const int y0 = h.Top + 2 + th / 2;
    const TColor face = vcl::ColorToRGB(vcl::clBtnFace) & 0xFFFFFF;
    const TColor ink = 0x000000;   // ColorColumnHdText
    view->Sort(1, -1, true);
    for (vcl::TPoint p : {vcl::TPoint{x0, y0 - 2}, {x0, y0}, {x0 - 2, y0}, {x0 + 2, y0},
                          {x0 - 3, y0 + 2}, {x0 + 3, y0 + 2}, {x0, y0 + 3}})
        EXPECT_EQ(At(p), ink) << "up " << p.X - x0 << "," << p.Y - y0;
    for (vcl::TPoint p : {vcl::TPoint{x0 - 3, y0 - 2}, {x0 + 3, y0 - 2}, {x0, y0 - 5}, {x0, y0 + 5},
                          {x0 - 6, y0}, {x0 + 6, y0}})
        EXPECT_EQ(At(p), face) << "up " << p.X - x0 << "," << p.Y - y0;
    view->Sort(1, -1, false);
    for (vcl::TPoint p : {vcl::TPoint{x0, y0 + 2}, {x0, y0}, {x0 - 2, y0}, {x0 + 2, y0},
                          {x0 - 3, y0 - 2}, {x0 + 3, y0 - 2}, {x0, y0 - 3}})
        EXPECT_EQ(At(p), ink) << "down " << p.X - x0 << "," << p.Y - y0;
    for (vcl::TPoint p : {vcl::TPoint{x0 - 3, y0 + 2}, {x0 + 3, y0 + 2}, {x0, y0 + 5}, {x0, y0 - 5}})
        EXPECT_EQ(At(p), face) << "down " << p.X - x0 << "," << p.Y - y0;
    // It follows the header's colours.
    view->SetColorColumnHdText(0x0000AA);
    view->SetColorColumnHd(0xDDEEFF);
    EXPECT_EQ(Pixel(x0, y0), 0x0000AAu);
    EXPECT_EQ(Pixel(x0, y0 + 5), 0xDDEEFFu);
}

// Raised edges inside each header cell; the black fixed grid lines right of and below the
// header cells stay whole.
TEST_F(PaintTest, HeaderEdgesLeaveTheFixedGridLines) {
    FillNamed(3, 3);
    const vcl::TRect h1 = Header(1), h2 = Header(2), h3 = Header(3);
    EXPECT_EQ(Pixel(h2.Left, h2.Top + 8), 0xFFFFFFu);         // white left and top
    EXPECT_EQ(Pixel(h2.Left + 20, h2.Top), 0xFFFFFFu);
    EXPECT_EQ(Pixel(h2.Left + 20, h2.Bottom - 1), 0x808080u); // gray bottom
    EXPECT_EQ(Pixel(h3.Right - 1, h3.Top + 8), 0x808080u);    // gray right end
    for (const vcl::TRect& h : {h1, h2, h3}) {
        for (int y = h.Top; y < h.Bottom; ++y) EXPECT_EQ(Pixel(h.Right, y), 0u) << h.Right << "," << y;
        for (int x = h.Left; x <= h.Right; ++x) EXPECT_EQ(Pixel(x, h.Bottom), 0u) << x << "," << h.Bottom;
    }
    // With the common header above them too.
    view->SetComHdVis(true);
    const vcl::TRect c1 = Header(1);
    EXPECT_EQ(Pixel(c1.Right, c1.Top + 8), 0u);
    EXPECT_EQ(Pixel(c1.Left + 20, c1.Bottom), 0u);
}

// At the defaults a selected row's text is navy on its background.
TEST_F(PaintTest, SelectedRowTextIsNavyByDefault) {
    FillNamed(2, 3);
    view->SetElem(1, 2, "WWWW");
    view->SetRowSelect(2, true);
    const vcl::TRect c = Cell(1, 2);
    // Text edges are blended with the orange background: pixels more blue than red are ink
    // of a blue text; a black or dark green text has none.
    int navy = 0, blue = 0, other = 0;
    for (int y = c.Top + 1; y < c.Bottom; ++y)
        for (int x = c.Left + 4; x < c.Right - 5; ++x) {
            const TColor p = Pixel(x, y);
            navy += p == 0x800000;
            blue += ((p >> 16) & 0xFF) > (p & 0xFF);
            other += p == 0x000000 || p == 0x002000;
        }
    EXPECT_GT(navy, 0);
    EXPECT_GT(blue, 10);
    EXPECT_EQ(other, 0);
}

TEST_F(PaintTest, CommonHeaderSpansTheVisibleColumns) {
    FillNamed(3, 3);
    view->SetColorCommonHd(0x00CCAA);
    view->SetComHdVis(true);
    const int right = view->CellRect(2, 0).Right;
    const vcl::TRect c0 = view->CellRect(0, 0);
    EXPECT_EQ(Pixel(c0.Left, c0.Top + 8), 0xFFFFFFu);
    EXPECT_EQ(Pixel(right - 1, c0.Top + 8), 0x808080u);
    EXPECT_EQ(Pixel(right, c0.Top + 8), 0x000000u);
    // Background across the column borders (no header cell edges inside).
    const int mid = view->CellRect(1, 0).Left;
    EXPECT_EQ(Pixel(mid + 2, c0.Bottom - 3), 0x00CCAAu);
}

TEST_F(PaintTest, EmptyListMessageOnTwoCentredLines) {
    view->SetNrRows(0);
    view->SetColorEmptyMsg(0x0000FF);
    view->SetEmptyMessage("No rows|Load a file");
    vcl::TCanvas* vc = view->GetCanvas();
    vc->SetFont(view->GetFont());
    const int h = vc->TextHeight("No rows|Load a file");
    const int head = view->GetRowHeights(0);
    const int y0 = head - 2 * h;
    auto redIn = [&](int X0, int Y0, int X1, int Y1) {
        int n = 0;
        for (int y = Y0; y < Y1; ++y)
            for (int x = X0; x < X1; ++x) {
                // Text edges are blended with the background: count reddish pixels.
                const TColor p = Pixel(x, y);
                n += (p & 0xFF) > 0xA0 && ((p >> 8) & 0xFF) < 0x90 && ((p >> 16) & 0xFF) < 0x90;
            }
        return n;
    };
    const int H = view->GetHeight(), W = view->GetWidth();
    const char* lines[] = {"No rows", "Load a file"};
    int total = 0;
    for (int i = 0; i < 2; ++i) {
        const int w = vc->TextWidth(lines[i]);
        const int x = (W - w) / 2, y = y0 + (H - y0 - h) / 2 + h * i - 2;
        const int n = redIn(x, y, x + w, y + h);
        EXPECT_GT(n, 10) << i;
        total += n;
    }
    EXPECT_EQ(redIn(0, head + 1, W - 20, H - 20), total);   // nothing else in red
    EXPECT_EQ(Pixel(5, head + 5), vcl::ColorToRGB(view->GetColor()) & 0xFFFFFF);
    // The header's gray bottom edge and the grid line below it stay.
    const vcl::TRect h1 = Header(1);
    EXPECT_EQ(Pixel(h1.Left + 20, h1.Bottom - 1), 0x808080u);
    EXPECT_EQ(Pixel(h1.Left + 20, h1.Bottom), 0u);
    EXPECT_EQ(Pixel(h1.Left + 20, h1.Bottom + 1), vcl::ColorToRGB(view->GetColor()) & 0xFFFFFF);
}

TEST_F(PaintTest, InterRowIndicatorOnTheRowsTopEdgeForAnyHeadRows) {
    FillNamed(2, 6);
    view->SetInterRowIndicatorPos(3);
    for (int heads = 0; heads < 3; ++heads) {
        view->SetColHdVis(heads >= 1);
        view->SetComHdVis(heads == 2);
        const int y = Cell(1, 3).Top - 1;
        EXPECT_EQ(Pixel(20, y), 0x0000FFu) << heads;
        EXPECT_NE(Pixel(20, Cell(1, 3).Top + 5), 0x0000FFu) << heads;
        EXPECT_NE(Pixel(20, Cell(1, 2).Top + 3), 0x0000FFu) << heads;
    }
    view->SetInterRowIndicatorPos(0);
    EXPECT_NE(Pixel(20, Cell(1, 3).Top - 1), 0x0000FFu);
}

TEST_F(PaintTest, DisabledViewDrawsInactiveText) {
    FillNamed(2, 2);
    view->SetRowSelect(1, true);
    std::vector<TColor> fonts, backs;
    view->SetOnBeforeRenderCell([&](vcl::TObject*, int C, int R, TColor&, TColor& B, TColor& F,
                                    vcl::TFontStyles&, std::string&) {
        if (C == 1 && R == 1) { fonts.push_back(F); backs.push_back(B); }
    });
    view->Invalidate();
    Flush();
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(fonts.back(), view->GetColorSelectedRowText());
    EXPECT_EQ(backs.back(), view->GetColorSelectedRow());
    view->SetEnabled(false);
    Flush();
    EXPECT_EQ(fonts.back(), vcl::clInactiveCaption);
    EXPECT_EQ(backs.back(), 0xF0EFE8u);   // no state colours while the view is disabled
}

// On a form of 192 pixels per inch the sort arrow is twice as large, 17 pixels wide and 13
// high, and keeps twice the room from the right end of the cell.
TEST_F(PaintTest, SortArrowDoublesAtTwiceTheDensity) {
    form->SetPixelsPerInch(192);
    FillNamed(3, 3);
    const vcl::TRect h = Header(1);
    vcl::TCanvas* vc = view->GetCanvas();
    vc->SetFont(view->GetFont());
    const int t = vc->TextWidth("C-1"), th = vc->TextHeight("C-1");
    const int x0 = h.Left + 4 + std::min(t + 10, view->GetColWidths(1) - 22);
    const int y0 = h.Top + 2 + th / 2;
    const TColor face = vcl::ColorToRGB(vcl::clBtnFace) & 0xFFFFFF;
    view->Sort(1, -1, true);
    for (vcl::TPoint p : {vcl::TPoint{x0, y0 - 4}, {x0, y0}, {x0 - 6, y0 + 5}, {x0 + 6, y0 + 5}, {x0, y0 + 6}})
        EXPECT_EQ(At(p), 0u) << p.X - x0 << "," << p.Y - y0;
    for (vcl::TPoint p : {vcl::TPoint{x0 - 6, y0 - 4}, {x0 + 6, y0 - 4}, {x0 - 4, y0 - 4}, {x0, y0 + 8},
                          {x0 - 10, y0 + 5}, {x0 + 10, y0 + 5}})
        EXPECT_EQ(At(p), face) << p.X - x0 << "," << p.Y - y0;
}
