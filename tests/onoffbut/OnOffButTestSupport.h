// Shared pieces of the on/off button tests: a shown form, a button that counts its paints,
// and a user glyph sheet whose pictures are known pixel by pixel.
#pragma once

#include <memory>

#include "onoffbut/Zyn_onoffbut.h"
#include "tests/support/FormFixture.h"

namespace zyn_test {

// Counts every Paint, whether the button calls it itself or the form's paint pass does.
class CountingOnOffBut : public zyn::TOnOffBut {
public:
    using TOnOffBut::TOnOffBut;
    void Paint() override {
        ++paints;
        TOnOffBut::Paint();
    }
    int paints = 0;
};

// Colours of the test sheet's cells. Each cell is 20 x 10 pixels of the key colour with a
// 4 x 4 square of its own colour at (8, 3)..(11, 6).
constexpr vcl::TColor SheetOnEnabled = 0x0000FF;
constexpr vcl::TColor SheetOffEnabled = 0x00C000;
constexpr vcl::TColor SheetOnDisabled = 0xFF0000;
constexpr vcl::TColor SheetOffDisabled = 0x00FFFF;
constexpr int SheetCellW = 20, SheetCellH = 10;
constexpr int SquareLeft = 8, SquareTop = 3, SquareSize = 4;

inline std::unique_ptr<vcl::TBitmap> MakeTestSheet() {
    auto sheet = std::make_unique<vcl::TBitmap>();
    sheet->SetSize(2 * SheetCellW, 2 * SheetCellH);
    vcl::TCanvas* c = sheet->GetCanvas();
    c->GetBrush()->SetColor(zyn::OnOffButKeyColor);
    c->FillRect(vcl::Rect(0, 0, 2 * SheetCellW, 2 * SheetCellH));
    const struct {
        int col, row;
        vcl::TColor color;
    } cells[] = {{0, 0, SheetOnEnabled}, {1, 0, SheetOffEnabled}, {0, 1, SheetOnDisabled}, {1, 1, SheetOffDisabled}};
    for (const auto& cell : cells) {
        c->GetBrush()->SetColor(cell.color);
        c->FillRect(vcl::Bounds(cell.col * SheetCellW + SquareLeft, cell.row * SheetCellH + SquareTop, SquareSize,
                                SquareSize));
    }
    return sheet;
}

class OnOffButTest : public FormFixture {
protected:
    // A 100 x 50 button on the form at (L, T), centred glyph of the default style.
    CountingOnOffBut* MakeButton(int L, int T, const std::string& Name = {}) {
        return PlaceOn<CountingOnOffBut>(form.get(), L, T, 100, 50, Name);
    }
    // The button showing the test sheet: glyph 20 x 10, centred at (40, 20).
    CountingOnOffBut* MakeSheetButton(int L, int T) {
        auto* b = MakeButton(L, T);
        auto sheet = MakeTestSheet();
        b->SetUserGlyph(sheet.get());
        b->SetButtonStyle(zyn::oobsUser);
        return b;
    }
    // The centre of a button's glyph, in its client coordinates.
    static vcl::TPoint GlyphCentre(const zyn::TOnOffBut* b) {
        return {b->GetLeftSpace() + 1 + b->GetGlyphWidth() / 2, b->GetTopSpace() + 1 + b->GetGlyphHeight() / 2};
    }
    static void ClickGlyph(zyn::TOnOffBut* b) {
        const vcl::TPoint p = GlyphCentre(b);
        vcl::Input::Click(b, p.X, p.Y);
    }
};

}  // namespace zyn_test
