// The table editor's picture: the texts and colours of data cells by state, marks and
// selection (as OnBeforeRenderCell sees them and as pixels), the headings of the current
// row and column, the corner cell, suppression and the optimised row height.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "NTabEdTestSupport.h"

using namespace zyn;
using namespace ntabed_test;
using vcl::TRect;

namespace {

struct Rendered {
    std::string text;
    TColor fore = 0, back = 0;
    bool bold = false;
};

class NTabEdPaint : public NTabEdTest {
protected:
    void SetUp() override {
        NTabEdTest::SetUp();
        FillSample();
        ed->SetColorSelected(0x0000C0);
        ed->SetOnBeforeRenderCell([this](vcl::TObject*, int C, int R, std::string& Text, TColor& Fore, TColor& Back,
                                         vcl::TFontStyles& Styles) {
            seen[{C, R}] = {Text, Fore, Back, Styles.Contains(vcl::fsBold)};
        });
    }
    const Rendered& Cell(int C, int R) {
        seen.clear();
        Picture pic(*ed);
        return seen[{C, R}];
    }
    // The box of text pixels of Color inside R: its left and right edges, -1 when none.
    static std::pair<int, int> InkSpan(const Picture& P, const TRect& R, TColor Color) {
        int left = -1, right = -1;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                if (P.At(x, y) == (Color & 0xFFFFFF)) {
                    if (left < 0 || x < left) left = x;
                    right = std::max(right, x);
                }
        return {left, right};
    }

    std::map<std::pair<int, int>, Rendered> seen;
};

}  // namespace

TEST_F(NTabEdPaint, DataCellTextsByState) {
    EXPECT_EQ(Cell(1, 1).text, "11.000");
    ed->SetIsEmpty(1, 1, true);
    EXPECT_EQ(Cell(1, 1).text, "");
    ed->SetCellState(1, 1, dtsInvalid | dtsEmpty);   // empty takes precedence
    EXPECT_EQ(Cell(1, 1).text, "");
    ed->SetCellState(1, 1, dtsInvalid);
    EXPECT_EQ(Cell(1, 1).text, "-nan-");
    ed->SetPrecision(2, -1);
    ed->SetNumWidth(3);
    EXPECT_EQ(Cell(2, 1).text, " 2.10E+01");
    // Nominal columns show the identifier, or the scale's name and the number.
    ed->Data->SetMScaleType(3, mstBinary);
    ed->Data->SetNominalID(3, 2, "yes");
    ed->SetElem(3, 1, 2.2);
    ed->SetElem(3, 2, 7);
    ed->SetElem(3, 3, 151);
    EXPECT_EQ(Cell(3, 1).text, "yes");
    EXPECT_EQ(Cell(3, 2).text, "binary:7");
    EXPECT_EQ(Cell(3, 3).text, "binary:151");
}

TEST_F(NTabEdPaint, DataCellColoursByMarksAndSelection) {
    Select(2, 1, 3, 2);   // data (1, 1) to (2, 2); the current cell is data (1, 1)
    ed->SetElemMarkedA(2, 1, true);
    ed->SetElemMarkedB(1, 2, true);
    ed->SetElemMarkedA(3, 3, true);
    ed->SetElemMarkedB(3, 3, true);
    struct Case {
        int c, r;
        TColor fore, back;
        bool bold;
    };
    const TColor white = vcl::clWindow;
    const Case cases[] = {
        {2, 2, ed->GetColorRangeSelFG(), ed->GetColorRangeSelBG(), false},   // selected, unmarked
        {2, 1, ed->GetColorMarkedA(), ed->GetColorRangeSelBG(), true},
        {1, 2, ed->GetColorMarkedB(), ed->GetColorRangeSelBG(), true},
        {3, 3, ed->GetColorMarkedBoth(), white, true},
        {3, 4, ed->GetColorNormal(), white, false},
    };
    for (const Case& k : cases) {
        const Rendered& got = Cell(k.c, k.r);
        EXPECT_EQ(got.fore, k.fore) << k.c << "," << k.r;
        EXPECT_EQ(got.back, k.back) << k.c << "," << k.r;
        EXPECT_EQ(got.bold, k.bold) << k.c << "," << k.r;
    }
    ed->SetBoldMarks(false);
    EXPECT_FALSE(Cell(2, 1).bold);

    // The pixels: text in its colour from left + 2, the rest of the cell in the background.
    Picture pic(*ed);
    const TRect marked = ed->CellRect(3, 1), plain = ed->CellRect(4, 4), selected = ed->CellRect(3, 2);
    auto [left, right] = InkSpan(pic, marked, ed->GetColorMarkedA());
    EXPECT_GE(left, marked.Left + 2);
    EXPECT_LE(right, marked.Left + 2 + ed->GetCanvas()->TextWidth("21.000"));
    EXPECT_EQ(pic.Count(marked, ed->GetColorNormal()), 0);
    EXPECT_GT(pic.Count(plain, ed->GetColorNormal()), 0);
    EXPECT_EQ(pic.At(plain.Right - 2, plain.Bottom - 2), 0xFFFFFFu);
    EXPECT_EQ(pic.At(selected.Right - 2, selected.Bottom - 2), ed->GetColorRangeSelBG());
    EXPECT_GT(pic.Count(selected, ed->GetColorRangeSelFG()), 0);
}

TEST_F(NTabEdPaint, TheApplicationMayChangeACellsLook) {
    ed->SetOnBeforeRenderCell([](vcl::TObject*, int C, int R, std::string& Text, TColor& Fore, TColor& Back,
                                 vcl::TFontStyles&) {
        if (C == 2 && R == 3) {
            Text = "n/a";
            Fore = 0x00FF00;
            Back = 0x00FFFF;
        }
    });
    Picture pic(*ed);
    const TRect r = ed->CellRect(3, 3);
    EXPECT_EQ(pic.At(r.Right - 2, r.Top + 1), 0x00FFFFu);
    EXPECT_GT(pic.Count(r, 0x00FF00), 0);
}

TEST_F(NTabEdPaint, HeadingsOfTheCurrentRowAndColumnStandOut) {
    Select(3, 2, 4, 3);
    Picture pic(*ed);
    const TColor sel = ed->GetColorSelected(), normal = ed->GetColorNormal();
    EXPECT_GT(pic.Count(ed->CellRect(3, 0), sel), 0);   // column name of the left column
    EXPECT_EQ(pic.Count(ed->CellRect(4, 0), sel), 0);   // the selection's other column
    EXPECT_GT(pic.Count(ed->CellRect(4, 0), normal), 0);
    EXPECT_GT(pic.Count(ed->CellRect(0, 2), sel), 0);   // row name and attribute of the top row
    EXPECT_GT(pic.Count(ed->CellRect(1, 2), sel), 0);
    EXPECT_GT(pic.Count(ed->CellRect(0, 3), normal), 0);
    EXPECT_GT(pic.Count(ed->CellRect(1, 0), normal), 0);   // "Attrib"
}

TEST_F(NTabEdPaint, CornerShowsTheCurrentCellOrTheComment) {
    Select(4, 3, 4, 3);
    Picture pic(*ed);
    const TRect r = ed->CellRect(0, 0);
    // The text as the editor's font draws it, at left + 3, top + 2 on clWindow.
    vcl::TBitmap expected;
    expected.SetSize(r.Right, r.Bottom);
    vcl::TCanvas* c = expected.GetCanvas();
    c->GetFont()->Assign(ed->GetFont());
    c->GetFont()->SetColor(ed->GetColorNormal());
    c->GetBrush()->SetColor(vcl::clWindow);
    c->TextRect(r, r.Left + 3, r.Top + 2, "3:3");
    int differ = 0;
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y)   // inside the raised edge
        for (int x = r.Left + 1; x < r.Right - 1; ++x)
            if (pic.At(x, y) != (c->GetPixels(x, y) & 0xFFFFFF)) ++differ;
    EXPECT_EQ(differ, 0);
    EXPECT_GT(pic.Count(r, ed->GetColorNormal()), 0);

    RightClick(0, 0);   // the comment editor: "Comment:" in white on teal
    ASSERT_TRUE(ed->GetCommentEditorActive());
    Picture open(*ed);
    EXPECT_EQ(open.At(r.Right - 3, r.Bottom - 3), 0x808000u);
    EXPECT_GT(open.Count(r, 0xFFFFFF), 0);
}

TEST_F(NTabEdPaint, SuppressedPaintDrawsNothing) {
    vcl::TBitmap bmp;
    bmp.SetSize(ed->GetWidth(), ed->GetHeight());
    bmp.GetCanvas()->GetBrush()->SetColor(0x123456);
    bmp.GetCanvas()->FillRect(vcl::Rect(0, 0, ed->GetWidth(), ed->GetHeight()));
    ed->SetSuppressPaint(true);
    ed->PaintTo(bmp.GetCanvas(), 0, 0);
    const TRect r = ed->CellRect(3, 3);
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(r.Left + 5, r.Top + 5) & 0xFFFFFF, 0x123456u);
    ed->SetSuppressPaint(false);
    ed->PaintTo(bmp.GetCanvas(), 0, 0);
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(r.Right - 2, r.Bottom - 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(NTabEdPaint, OptimizedRowHeightFollowsTheFont) {
    ed->GetFont()->SetSize(14);
    ed->SetOptimizeRowHeight(true);
    Picture pic(*ed);
    vcl::TCanvas* c = ed->GetCanvas();
    c->GetFont()->Assign(ed->GetFont());
    EXPECT_EQ(ed->GetDefaultRowHeight(), c->TextHeight("9GMgÜ$§[{|") + 4);
    EXPECT_EQ(ed->GetRowHeights(3), ed->GetDefaultRowHeight());
}

TEST_F(NTabEdPaint, DrawingStylesShapeTheHeadings) {
    Select(2, 1, 2, 1);
    const TRect head = ed->CellRect(4, 0);   // the name of data column 3, not the current one
    const TRect side = ed->CellRect(0, 3);   // the name of data row 3
    const int x = head.Right - 6, mid = (head.Top + head.Bottom) / 2;   // right of the text
    const TColor face = vcl::ColorToRGB(vcl::clBtnFace) & 0xFFFFFF;
    const TColor shadow = vcl::ColorToRGB(vcl::clBtnShadow) & 0xFFFFFF;
    const TColor highlight = vcl::ColorToRGB(vcl::clBtnHighlight) & 0xFFFFFF;
    {
        // Classic, the default: raised edges, the fixed colour under the text.
        Picture pic(*ed);
        EXPECT_EQ(pic.At(head.Left, mid), highlight);
        EXPECT_EQ(pic.At(x, mid), face);
    }
    {
        // Themed: flat headings with one shadow line at the right and bottom.
        ed->SetDrawingStyle(vcl::gdsThemed);
        Picture pic(*ed);
        EXPECT_EQ(pic.At(head.Left, mid), face);
        EXPECT_EQ(pic.At(head.Right - 1, mid), shadow);
        EXPECT_EQ(pic.At(x, head.Bottom - 1), shadow);
        EXPECT_EQ(pic.At(x, mid), face);
        EXPECT_GT(pic.Count(head, ed->GetColorNormal()), 0);
    }
    // Gradient: every heading from the start colour at its top to the end colour at its
    // bottom, under its text; the data cells keep their colour.
    ed->SetDrawingStyle(vcl::gdsGradient);
    ed->SetGradientStartColor(vcl::RGB(0, 0, 200));
    ed->SetGradientEndColor(vcl::RGB(200, 100, 0));
    Picture pic(*ed);
    for (const TRect& r : {head, side}) {
        const int h = r.Height();
        for (int y : {1, h / 2, h - 3}) {
            const TColor want = vcl::RGB(200 * y / (h - 1), 100 * y / (h - 1), 200 + (0 - 200) * y / (h - 1));
            EXPECT_EQ(pic.At(r.Right - 6, r.Top + y), want) << "row " << y << " of the heading at " << r.Left;
        }
        EXPECT_GT(pic.Count(r, ed->GetColorNormal()), 0);
    }
    EXPECT_EQ(pic.Count(head, face), 0);
    const TRect data = ed->CellRect(4, 4);
    EXPECT_EQ(pic.At(data.Right - 3, data.Bottom - 3), vcl::ColorToRGB(vcl::clWindow) & 0xFFFFFF);
    // Back to classic, the picture is the first one again.
    ed->SetDrawingStyle(vcl::gdsClassic);
    Picture again(*ed);
    EXPECT_EQ(again.At(x, mid), face);
    EXPECT_EQ(again.At(head.Left, mid), highlight);
}
