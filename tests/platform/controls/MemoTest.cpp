// Memo: word wrapping to the width (keys, clicks and selection on the display rows while
// Lines keeps the text's lines), scroll bars that can be clicked and dragged, the view
// following the caret, the wheel, and the editing limits (ReadOnly, MaxLength,
// WantReturns, WantTabs).
#include <gtest/gtest.h>

#include "platform/Clipbrd.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

const std::string kText = "the quick brown fox jumps over the lazy dog and keeps running far away "
                          "from the farm";

class MemoView : public zyn_test::FormFixture {
protected:
    MemoView() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        memo = Place<TMemo>(10, 10, 150, 120);
        memo->SetFocus();
    }
    // Caret rectangle with the caret placed at Pos.
    TRect CaretAt(int Pos) {
        memo->SetSelStart(Pos);
        return memo->GetCaretRect();
    }
    int LineHeight() {
        TBitmap bmp;
        bmp.GetCanvas()->GetFont()->Assign(memo->GetFont());
        return bmp.GetCanvas()->TextHeight("Wg");
    }
    TMemo* memo = nullptr;
};

TEST_F(MemoView, WrapsAtWordsToTheWidthWhileLinesStayWhole) {
    EXPECT_TRUE(memo->GetWordWrap());
    EXPECT_EQ(memo->GetScrollBars(), ssNone);
    memo->SetText(kText);
    EXPECT_EQ(memo->GetLines()->Count(), 1);
    EXPECT_GT(memo->GetRowCount(), 2);
    int rowStarts = 0;
    int prevTop = CaretAt(0).Top;
    for (int p = 1; p <= int(kText.size()); ++p) {
        TRect r = CaretAt(p);
        if (r.Top != prevTop) {
            ++rowStarts;
            EXPECT_EQ(r.Top, prevTop + LineHeight()) << p;
            EXPECT_EQ(kText[std::size_t(p - 1)], ' ') << "row broken inside a word at " << p;
            EXPECT_EQ(r.Left, 3) << p;
        } else if (kText[std::size_t(p - 1)] != ' ') {
            EXPECT_LT(r.Left, memo->GetClientWidth() - 2) << "text past the edge at " << p;
        }
        prevTop = r.Top;
    }
    EXPECT_EQ(rowStarts + 1, memo->GetRowCount());
    // A word longer than a row is broken where the row ends.
    memo->SetText(std::string(80, 'm'));
    EXPECT_GT(memo->GetRowCount(), 1);
    // Without wrapping every line is one row and the view follows the caret sideways.
    memo->SetText(kText);
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->GetRowCount(), 1);
    TRect end = CaretAt(int(kText.size()));
    EXPECT_LT(end.Left, memo->GetClientWidth() - 2);
    EXPECT_GT(end.Left, 3);
}

// Edits re-wrap only the lines they touch; the rows must match a layout made from scratch.
TEST_F(MemoView, EditsKeepTheSameRowsAsAFreshLayout) {
    auto* fresh = Place<TMemo>(200, 10, 150, 120);
    auto same = [&](const char* step) {
        fresh->SetText(memo->GetText());
        ASSERT_EQ(memo->GetRowCount(), fresh->GetRowCount()) << step;
        int keep = memo->GetSelStart();
        for (int p = 0; p <= memo->GetTextLength(); ++p) {
            memo->SetSelStart(p);
            fresh->SetSelStart(p);
            ASSERT_EQ(memo->GetCaretRect().Left, fresh->GetCaretRect().Left) << step << " at " << p;
            ASSERT_EQ(memo->GetCaretRect().Top, fresh->GetCaretRect().Top) << step << " at " << p;
        }
        memo->SetSelStart(keep);
    };
    memo->SetHeight(400);
    fresh->SetHeight(400);
    memo->SetText(kText + "\nsecond line here\n\n" + kText);
    same("start");
    memo->SetSelStart(10);
    Input::TypeText(memo, "very very ");
    same("typed words");
    Input::TypeText(memo, "\n");
    same("typed a break");
    memo->SetSelStart(5);
    memo->SetSelLength(120);
    Input::KeyDown(memo, VK_DELETE);
    same("deleted across lines");
    Clipboard()->SetAsText("pasted\nlines of text that are long enough to wrap around the edge\n");
    memo->SetSelStart(memo->GetTextLength() - 3);
    Input::KeyDown(memo, 'V', {ssCtrl});
    same("pasted");
    Input::KeyDown(memo, VK_BACK);
    for (int i = 0; i < 40; ++i) Input::KeyDown(memo, VK_BACK);
    same("backspaces");
}

TEST_F(MemoView, CaretKeysAndClicksWorkOnTheRows) {
    memo->SetText(kText);
    const int top0 = CaretAt(0).Top;
    int lh = LineHeight();
    Input::KeyDown(memo, VK_END);
    int rowEnd = memo->GetSelStart();
    EXPECT_EQ(memo->GetCaretRect().Top, top0);             // stays on the first row
    EXPECT_GT(rowEnd, 5);
    EXPECT_LT(rowEnd, int(kText.size()) / 2);
    memo->SetSelStart(rowEnd);
    Input::KeyDown(memo, VK_DOWN);
    EXPECT_EQ(memo->GetCaretRect().Top, top0 + lh);
    EXPECT_EQ(memo->GetCaretPos().Y, 0);                    // still the first line of Lines
    memo->SetSelStart(rowEnd + 3);
    Input::KeyDown(memo, VK_HOME);
    int secondRow = memo->GetSelStart();
    EXPECT_EQ(kText[std::size_t(secondRow - 1)], ' ');
    EXPECT_EQ(memo->GetCaretRect().Left, 3);
    Input::KeyDown(memo, VK_UP);
    EXPECT_EQ(memo->GetSelStart(), 0);
    // Shift+Down selects to the same x on the next row.
    Input::KeyDown(memo, VK_DOWN, {ssShift});
    EXPECT_EQ(memo->GetSelStart(), 0);
    EXPECT_EQ(memo->GetSelLength(), secondRow);
    // A click at the start of the second row puts the caret there.
    TRect row2 = CaretAt(secondRow);
    Input::Click(memo, 4, row2.Top + 2);
    EXPECT_EQ(memo->GetSelStart(), secondRow);
    EXPECT_EQ(memo->GetSelLength(), 0);
    // A click right of a wrapped row's end stays on that row.
    Input::Click(memo, memo->GetClientWidth() - 5, top0 + 2);
    EXPECT_EQ(memo->GetCaretRect().Top, top0);
}

TEST_F(MemoView, SelectionIsPaintedOnEveryWrappedRow) {
    memo->SetText(kText);
    int secondRow = 0;
    for (int p = 1; p <= int(kText.size()) && secondRow == 0; ++p)
        if (CaretAt(p).Top != CaretAt(0).Top) secondRow = p;
    ASSERT_GT(secondRow, 0);
    memo->SetSelStart(2);
    memo->SetSelLength(secondRow + 4 - 2);             // into the second row
    auto bmp = Render(memo);
    int top0 = 2, lh = LineHeight();
    auto blueIn = [&](int y0, int x0, int x1) {
        int n = 0;
        for (int y = y0; y < y0 + lh; ++y)
            for (int x = x0; x < x1; ++x)
                if (Pixel(bmp.get(), x, y) == RGB(0x00, 0x78, 0xD7)) ++n;
        return n;
    };
    memo->SetSelStart(secondRow - 1);                  // the last character of row one
    int rowOneEnd = memo->GetCaretRect().Left;
    EXPECT_GT(blueIn(top0, rowOneEnd - 6, rowOneEnd), 10);       // row one up to its end
    EXPECT_GT(blueIn(top0 + lh, 4, 10), 10);                     // row two from its start
    EXPECT_EQ(blueIn(top0 + 2 * lh, 4, 60), 0);                  // nothing below
}

TEST_F(MemoView, ViewFollowsTheCaret) {
    for (int i = 0; i < 30; ++i) memo->GetLines()->Add("line " + std::to_string(i));
    memo->SetSelStart(0);
    EXPECT_EQ(memo->GetTopRow(), 0);
    Input::KeyDown(memo, VK_END, {ssCtrl});
    EXPECT_GT(memo->GetTopRow(), 20);
    TRect caret = memo->GetCaretRect();
    EXPECT_GE(caret.Top, 0);
    EXPECT_LE(caret.Bottom, memo->GetClientHeight());
    Input::KeyDown(memo, VK_HOME, {ssCtrl});
    EXPECT_EQ(memo->GetTopRow(), 0);
    // Typing at the end of a wrapped text scrolls down row by row.
    memo->SetText("");
    memo->SetHeight(50);
    Input::TypeText(memo, kText);
    EXPECT_GT(memo->GetTopRow(), 0);
    EXPECT_LE(memo->GetCaretRect().Bottom, memo->GetClientHeight());
}

TEST_F(MemoView, VerticalBarClicksAndDrags) {
    for (int i = 0; i < 40; ++i) memo->GetLines()->Add("line " + std::to_string(i));
    memo->SetSelStart(0);
    EXPECT_FALSE(memo->GetVertScrollBar().GetVisible());
    memo->SetScrollBars(ssVertical);
    const TInnerScrollBar& bar = memo->GetVertScrollBar();
    ASSERT_TRUE(bar.GetVisible());
    EXPECT_TRUE(bar.GetEnabled());
    EXPECT_EQ(bar.GetBounds().Right, memo->GetClientWidth() - 1);
    EXPECT_FALSE(memo->GetHorzScrollBar().GetVisible());
    TRect down = bar.ArrowRect(false);
    Input::Click(memo, down.Left + 4, down.Top + 4);
    EXPECT_EQ(memo->GetTopRow(), 1);
    EXPECT_EQ(memo->GetSelStart(), 0);                 // the caret stays
    TRect track = bar.TrackRect();
    Input::Click(memo, track.Left + 4, track.Bottom - 3);
    int page = memo->GetTopRow() - 1;
    EXPECT_GT(page, 3);
    // Dragging the thumb to the bottom shows the last rows.
    TRect thumb = bar.ThumbRect();
    Input::MouseDown(memo, mbLeft, {}, thumb.Left + 3, thumb.Top + 2);
    Input::MouseMove(memo, thumb.Left + 3, memo->GetClientHeight() + 40, {ssLeft});
    Input::MouseUp(memo, mbLeft, {}, thumb.Left + 3, memo->GetClientHeight() + 40);
    EXPECT_EQ(memo->GetTopRow(), bar.GetMax());
    EXPECT_EQ(memo->GetSelStart(), 0);
    // The pointer shows an arrow over the bar and the text cursor over the text.
    Input::MouseMove(memo, bar.GetBounds().Left + 3, 30);
    EXPECT_EQ(Testing::ShownCursor(), crArrow);
    Input::MouseMove(memo, 20, 30);
    EXPECT_EQ(Testing::ShownCursor(), crIBeam);
    EXPECT_EQ(memo->GetCursor(), crIBeam);
    // Holding the up arrow repeats on the clock.
    int top = memo->GetTopRow();
    TRect up = bar.ArrowRect(true);
    Input::MouseDown(memo, mbLeft, {}, up.Left + 4, up.Top + 4);
    Application->AdvanceTime(TInnerScrollBar::RepeatDelayMs + 2 * TInnerScrollBar::RepeatIntervalMs + 5);
    Input::MouseUp(memo, mbLeft, {}, up.Left + 4, up.Top + 4);
    EXPECT_EQ(memo->GetTopRow(), top - 4);
    // The wheel scrolls three rows and moves the bar.
    Input::Wheel(memo, -120, 20, 20);
    EXPECT_EQ(memo->GetTopRow(), top - 1);
    EXPECT_EQ(memo->GetVertScrollBar().GetPosition(), top - 1);
}

TEST_F(MemoView, HorizontalBarScrollsUnwrappedText) {
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssBoth);
    memo->SetHeight(70);
    memo->SetText(kText + "\nshort");
    memo->SetSelStart(0);
    const TInnerScrollBar& bar = memo->GetHorzScrollBar();
    ASSERT_TRUE(bar.GetVisible());
    ASSERT_TRUE(bar.GetEnabled());
    EXPECT_FALSE(memo->GetVertScrollBar().GetEnabled());  // two lines fit
    int x0 = memo->GetCaretRect().Left;
    TRect right = bar.ArrowRect(false);
    Input::Click(memo, right.Left + 4, right.Top + 4);
    EXPECT_LT(memo->GetCaretRect().Left, x0);             // the text moved left
    TRect thumb = bar.ThumbRect();
    Input::MouseDown(memo, mbLeft, {}, thumb.Left + 2, thumb.Top + 3);
    Input::MouseMove(memo, memo->GetClientWidth() + 50, thumb.Top + 3, {ssLeft});
    Input::MouseUp(memo, mbLeft, {}, memo->GetClientWidth() + 50, thumb.Top + 3);
    EXPECT_EQ(bar.GetPosition(), bar.GetMax());
    // With wrapping there is nothing to scroll sideways: the bar shows disabled.
    memo->SetWordWrap(true);
    EXPECT_TRUE(memo->GetHorzScrollBar().GetVisible());
    EXPECT_FALSE(memo->GetHorzScrollBar().GetEnabled());
    EXPECT_TRUE(memo->GetVertScrollBar().GetEnabled());   // now there are many rows
}

TEST_F(MemoView, BarsArePaintedInsideTheBorder) {
    memo->SetScrollBars(ssBoth);
    auto bmp = Render(memo);
    int w = memo->GetWidth(), h = memo->GetHeight();
    const int sz = TInnerScrollBar::DefaultSize;
    EXPECT_EQ(Pixel(bmp.get(), w - 1, h / 2), RGB(0x00, 0x78, 0xD7));              // focused border
    EXPECT_EQ(Pixel(bmp.get(), w - 1 - sz / 2, h - 1 - sz / 2), RGBOf(clBtnFace));   // the corner
    EXPECT_EQ(Pixel(bmp.get(), w - 1 - sz / 2, h / 2), RGBOf(clScrollBar));          // the track
    EXPECT_EQ(Pixel(bmp.get(), w / 2, h - 1 - sz / 2), RGBOf(clScrollBar));
    // Text never reaches under the bar: the bar's left edge column holds no ink.
    memo->SetText(std::string(200, 'W'));
    bmp = Render(memo);
    TRect bar = memo->GetVertScrollBar().GetBounds();
    for (int y = bar.Top; y < bar.Bottom; ++y) EXPECT_NE(Pixel(bmp.get(), bar.Left + 1, y), RGBOf(clWindowText)) << y;
}

TEST_F(MemoView, ReadOnlyMaxLengthWantReturnsAndWantTabs) {
    memo->SetText("abc");
    memo->SetSelStart(3);
    memo->SetReadOnly(true);
    Input::TypeText(memo, "xyz\n");
    EXPECT_EQ(memo->GetText(), "abc");
    memo->SetReadOnly(false);
    memo->SetMaxLength(6);
    Input::TypeText(memo, "defghi");
    EXPECT_EQ(memo->GetText(), "abcdef");
    memo->SetMaxLength(0);

    auto* ok = Place<TButton>(200, 10, 75, 25);
    ok->SetDefault(true);
    int clicks = 0;
    ok->SetOnClick([&](TObject*) { ++clicks; });
    memo->SetFocus();
    Input::KeyDown(memo, VK_RETURN);
    EXPECT_EQ(memo->GetText(), "abcdef\n");            // WantReturns: a line break
    EXPECT_EQ(clicks, 0);
    memo->SetWantReturns(false);
    Input::KeyDown(memo, VK_RETURN);
    EXPECT_EQ(memo->GetText(), "abcdef\n");
    EXPECT_EQ(clicks, 1);                               // the form's default button

    EXPECT_FALSE(memo->GetWantTabs());
    Input::KeyDown(memo, VK_TAB);
    EXPECT_FALSE(memo->Focused());                      // Tab moves on
    memo->SetFocus();
    memo->SetWantTabs(true);
    Input::KeyDown(memo, VK_TAB);
    EXPECT_TRUE(memo->Focused());
    EXPECT_NE(memo->GetText().find('\t'), std::string::npos);
    ok->SetOnClick(nullptr);
}

}  // namespace
