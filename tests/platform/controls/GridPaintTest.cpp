// Grid painting by pixel probes: state colours of selected and focused cells, the fixed
// cells' raised edge, grid line colours, the area beyond the cells, DrawCell's states, and
// that painting visits only the visible cells.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class GridPaint : public zyn_test::FormFixture {
protected:
    GridPaint() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        grid = Place<TDrawGrid>(10, 10, 400, 130);
        grid->SetScrollBars(ssNone);
        grid->SetFocus();
        // Current cell (2,2), anchor (1,1).
        Input::KeyDown(grid, VK_DOWN, {ssShift});
        Input::KeyDown(grid, VK_RIGHT, {ssShift});
    }
    TColor At(int X, int Y) {
        auto bmp = Render(grid);
        return Pixel(bmp.get(), X, Y);
    }
    TPoint Center(int Col, int Row) {
        TRect r = grid->CellRect(Col, Row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TDrawGrid* grid = nullptr;
};

TEST_F(GridPaint, SelectedCellsAreHighlightedButNotTheFocusedOne) {
    ASSERT_EQ(grid->GetSelection(), TGridRect(1, 1, 2, 2));
    auto bmp = Render(grid);
    for (auto [c, r] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{1, 2}}) {
        TPoint p = Center(c, r);
        EXPECT_EQ(Pixel(bmp.get(), p.X, p.Y), RGBOf(clHighlight)) << c << "," << r;
    }
    TPoint f = Center(2, 2);
    EXPECT_EQ(Pixel(bmp.get(), f.X, f.Y), RGBOf(clWindow));
    // The focused cell carries a dotted focus rectangle on its edge.
    TRect fr = grid->CellRect(2, 2);
    int marked = 0;
    for (int x = fr.Left; x < fr.Right; ++x)
        if (Pixel(bmp.get(), x, fr.Top) != RGBOf(clWindow)) ++marked;
    EXPECT_GT(marked, fr.Width() / 4);
    EXPECT_LT(marked, fr.Width());
    TPoint outside = Center(3, 3);
    EXPECT_EQ(Pixel(bmp.get(), outside.X, outside.Y), RGBOf(clWindow));

    grid->SetOptions(grid->GetOptions() | goDrawFocusSelected);
    EXPECT_EQ(At(f.X, f.Y), RGBOf(clHighlight));
}

TEST_F(GridPaint, WithoutFocusTheCurrentCellIsHighlightedToo) {
    auto* other = Place<TEdit>(10, 300, 80, 21);
    other->SetFocus();
    TPoint f = Center(2, 2);
    EXPECT_EQ(At(f.X, f.Y), RGBOf(clHighlight));
}

TEST_F(GridPaint, FixedCellsHaveARaisedInnerEdge) {
    TRect r = grid->CellRect(0, 1);     // (0, 25, 64, 49)
    auto bmp = Render(grid);
    EXPECT_EQ(Pixel(bmp.get(), 30, 37), RGBOf(clBtnFace));
    EXPECT_EQ(Pixel(bmp.get(), r.Left, 37), RGBOf(clBtnHighlight));
    EXPECT_EQ(Pixel(bmp.get(), 30, r.Top), RGBOf(clBtnHighlight));
    EXPECT_EQ(Pixel(bmp.get(), r.Right - 1, 37), RGBOf(clBtnShadow));
    EXPECT_EQ(Pixel(bmp.get(), 30, r.Bottom - 1), RGBOf(clBtnShadow));
    // Without fixed lines there is no edge.
    grid->SetOptions({goVertLine, goHorzLine});
    bmp = Render(grid);
    r = grid->CellRect(0, 1);
    EXPECT_EQ(Pixel(bmp.get(), r.Left, (r.Top + r.Bottom) / 2), RGBOf(clBtnFace));
}

TEST_F(GridPaint, GridLineColours) {
    auto bmp = Render(grid);
    EXPECT_EQ(Pixel(bmp.get(), 64, 37), RGBOf(clBlack));     // after the fixed column
    EXPECT_EQ(Pixel(bmp.get(), 100, 24), RGBOf(clBlack));    // under the fixed row
    EXPECT_EQ(Pixel(bmp.get(), 194, 12), RGBOf(clBlack));    // between header cells
    EXPECT_EQ(Pixel(bmp.get(), 194, 80), RGBOf(clSilver));   // between data cells
    EXPECT_EQ(Pixel(bmp.get(), 230, 74), RGBOf(clSilver));
    // Beyond the last column the grid's colour shows.
    EXPECT_EQ(Pixel(bmp.get(), 360, 80), RGBOf(clWindow));

    grid->SetColor(clSilver);
    bmp = Render(grid);
    EXPECT_EQ(Pixel(bmp.get(), 194, 80), RGBOf(clGray));     // silver lines stay visible
    // A switched-off line keeps its gap in the cell colour.
    grid->SetColor(clWindow);
    grid->SetOptions(grid->GetOptions() - goVertLine);
    bmp = Render(grid);
    EXPECT_EQ(Pixel(bmp.get(), 194, 80), RGBOf(clWindow));
    EXPECT_EQ(grid->CellRect(3, 3).Left, 195);
}

TEST_F(GridPaint, WideLinesFillTheirWholeGap) {
    grid->SetGridLineWidth(2);
    auto bmp = Render(grid);
    EXPECT_EQ(Pixel(bmp.get(), 64, 40), RGBOf(clBlack));
    EXPECT_EQ(Pixel(bmp.get(), 65, 40), RGBOf(clBlack));
    EXPECT_EQ(Pixel(bmp.get(), 196, 90), RGBOf(clSilver));
    EXPECT_EQ(Pixel(bmp.get(), 197, 90), RGBOf(clSilver));
    EXPECT_NE(Pixel(bmp.get(), 198, 90), RGBOf(clSilver));
}

TEST_F(GridPaint, DrawCellGetsStatesAndOnlyVisibleCells) {
    std::map<std::pair<int, int>, TGridDrawState> states;
    std::map<std::pair<int, int>, TRect> rects;
    grid->SetOnDrawCell([&](TObject*, int C, int R, TRect Rect, TGridDrawState S) {
        states[{C, R}] = S;
        rects[{C, R}] = Rect;
    });
    grid->SetRowCount(1000000);
    grid->SetDefaultDrawing(false);
    Render(grid);
    EXPECT_EQ(states[(std::pair{0, 0})], TGridDrawState{gdFixed});
    EXPECT_EQ(states[(std::pair{1, 1})], TGridDrawState{gdSelected});
    EXPECT_EQ(states[(std::pair{2, 2})], (TGridDrawState{gdSelected, gdFocused}));
    EXPECT_EQ(states[(std::pair{3, 3})], TGridDrawState{});
    EXPECT_EQ(rects[(std::pair{1, 1})], grid->CellRect(1, 1));
    // Rows 0..5 reach the screen (5 partly); nothing further is drawn.
    EXPECT_EQ(states.size(), std::size_t(5 * 6));
    EXPECT_EQ(states.count({1, 6}), 0u);
}

TEST_F(GridPaint, TheCellUnderAnOpenEditorIsNotDrawn) {
    int drawnCurrent = 0;
    grid->SetOptions(grid->GetOptions() | goEditing);
    grid->SetOnDrawCell([&](TObject*, int C, int R, TRect, TGridDrawState) {
        if (C == grid->GetCol() && R == grid->GetRow()) ++drawnCurrent;
    });
    Render(grid);
    EXPECT_EQ(drawnCurrent, 1);
    grid->SetEditorMode(true);
    Render(grid);
    EXPECT_EQ(drawnCurrent, 1);
    grid->SetOnDrawCell(nullptr);
}

TEST_F(GridPaint, StringGridDrawsItsTextInsideTheCell) {
    auto* sg = Place<TStringGrid>(10, 200, 330, 130);
    sg->SetCells(1, 1, "WWWWWWWWWWWWWWWWWWWW");
    auto bmp = Render(sg);
    TRect r = sg->CellRect(1, 1);
    int dark = 0;
    for (int x = r.Left; x < r.Right; ++x)
        for (int y = r.Top; y < r.Bottom; ++y)
            if (GetRValue(Pixel(bmp.get(), x, y)) < 128) ++dark;
    EXPECT_GT(dark, 20);
    // TextRect keeps the long text inside its cell: the next cell stays clean.
    TRect next = sg->CellRect(2, 1);
    EXPECT_EQ(Pixel(bmp.get(), next.Left + 3, (next.Top + next.Bottom) / 2), RGBOf(clWindow));
}

}  // namespace

namespace {

TEST_F(GridPaint, DrawingStylePaintsTheFixedCells) {
    TRect head = grid->CellRect(2, 0);   // a fixed cell of the top row
    // Classic: the raised edge's highlight on the left.
    EXPECT_EQ(RGBOf(At(head.Left, head.Top + 5)), RGBOf(clBtnHighlight));
    // Themed: flat, one shadow line on the right and bottom, no highlight.
    grid->SetDrawingStyle(gdsThemed);
    EXPECT_EQ(RGBOf(At(head.Left, head.Top + 5)), RGBOf(clBtnFace));
    EXPECT_EQ(RGBOf(At(head.Right - 1, head.Top + 5)), RGBOf(clBtnShadow));
    EXPECT_EQ(RGBOf(At(head.Left + 5, head.Bottom - 1)), RGBOf(clBtnShadow));
    // Gradient: the start colour at the top, the end colour at the bottom, between in between.
    grid->SetDrawingStyle(gdsGradient);
    grid->SetGradientStartColor(RGB(0, 0, 200));
    grid->SetGradientEndColor(RGB(200, 100, 0));
    grid->SetOptions(grid->GetOptions() - goFixedHorzLine);   // the bottom row is the cell's own
    head = grid->CellRect(2, 0);
    auto bmp = Render(grid);
    EXPECT_EQ(Pixel(bmp.get(), head.Left + 5, head.Top), RGB(0, 0, 200));
    EXPECT_EQ(Pixel(bmp.get(), head.Left + 5, head.Bottom - 1), RGB(200, 100, 0));
    const TColor mid = Pixel(bmp.get(), head.Left + 5, (head.Top + head.Bottom) / 2);
    EXPECT_GT(GetRValue(mid), 60);
    EXPECT_LT(GetRValue(mid), 140);
    EXPECT_GT(GetBValue(mid), 60);
    EXPECT_LT(GetBValue(mid), 140);
    // A fixed column gets the same, data cells keep the grid's colour.
    TRect side = grid->CellRect(0, 2);
    EXPECT_EQ(Pixel(bmp.get(), side.Left + 5, side.Top), RGB(0, 0, 200));
    TPoint data = Center(4, 3);
    EXPECT_EQ(RGBOf(Pixel(bmp.get(), data.X, data.Y)), RGBOf(grid->GetColor()));

    // A string grid's text goes over the gradient without a box behind it.
    auto* strings = Place<TStringGrid>(10, 150, 300, 100);
    strings->SetDrawingStyle(gdsGradient);
    strings->SetGradientStartColor(RGB(0, 0, 200));
    strings->SetGradientEndColor(RGB(200, 100, 0));
    strings->SetCells(1, 0, "Head");
    TRect cell = strings->CellRect(1, 0);
    auto picture = Render(strings);
    EXPECT_EQ(Pixel(picture.get(), cell.Right - 3, cell.Top), RGB(0, 0, 200));
}

}  // namespace
