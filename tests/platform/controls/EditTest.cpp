// Edit and memo: typing, code-point positions, selection, clipboard, mouse, caret, limits.
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"

#include "platform/StdCtrls.h"
#include "platform/core/FormFile.h"

using namespace vcl;

namespace {

class EditTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        edit = PlaceOn<TEdit>(form.get(), 10, 10, 200, 21, "Edit");
        edit->SetOnChange([this](TObject*) { ++changes; });
        edit->SetFocus();
    }
    // Client x of the caret placed before code point Pos.
    int XOf(int Pos) {
        int keepStart = edit->GetSelStart(), keepLen = edit->GetSelLength();
        edit->SetSelStart(Pos);
        int x = edit->GetCaretRect().Left;
        edit->SetSelStart(keepStart);
        edit->SetSelLength(keepLen);
        return x;
    }
    TEdit* edit = nullptr;
    int changes = 0;
};

TEST_F(EditTest, TypingMultiByteTextCountsCodePoints) {
    Input::TypeText(edit, "Grüße €😀");
    EXPECT_EQ(edit->GetText(), "Grüße €😀");
    EXPECT_EQ(edit->GetTextLength(), 8);
    EXPECT_EQ(edit->GetSelStart(), 8);
    EXPECT_EQ(changes, 8);
    Input::KeyDown(edit, VK_BACK);   // removes the whole emoji
    EXPECT_EQ(edit->GetText(), "Grüße €");
    Input::KeyDown(edit, VK_HOME);
    Input::KeyDown(edit, VK_RIGHT);
    Input::KeyDown(edit, VK_RIGHT);
    Input::KeyDown(edit, VK_DELETE);   // the ü
    EXPECT_EQ(edit->GetText(), "Grße €");
    EXPECT_EQ(edit->GetSelStart(), 2);
}

TEST_F(EditTest, ShiftArrowsSelectAndClipboardKeysUseIt) {
    edit->SetText("añb€c");
    edit->SetSelStart(5);
    Input::KeyDown(edit, VK_LEFT, {ssShift});
    Input::KeyDown(edit, VK_LEFT, {ssShift});
    EXPECT_EQ(edit->GetSelStart(), 3);
    EXPECT_EQ(edit->GetSelLength(), 2);
    EXPECT_EQ(edit->GetSelText(), "€c");

    Input::KeyDown(edit, 'C', {ssCtrl});
    EXPECT_EQ(Clipboard()->GetAsText(), "€c");
    Input::KeyDown(edit, 'X', {ssCtrl});
    EXPECT_EQ(edit->GetText(), "añb");
    Input::KeyDown(edit, VK_HOME);
    Input::KeyDown(edit, 'V', {ssCtrl});
    EXPECT_EQ(edit->GetText(), "€cañb");
    EXPECT_EQ(edit->GetSelStart(), 2);

    Input::KeyDown(edit, 'A', {ssCtrl});
    EXPECT_EQ(edit->GetSelLength(), 5);
    Input::KeyDown(edit, VK_DELETE, {ssShift});   // cut
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_EQ(Clipboard()->GetAsText(), "€cañb");
    Input::KeyDown(edit, VK_INSERT, {ssShift});   // paste
    EXPECT_EQ(edit->GetText(), "€cañb");
    Input::KeyDown(edit, VK_HOME, {ssShift});
    Clipboard()->Clear();
    Input::KeyDown(edit, VK_INSERT, {ssCtrl});   // copy
    EXPECT_EQ(Clipboard()->GetAsText(), "€cañb");

    // Typing replaces the selection; Ctrl+Left jumps by words.
    edit->SetText("one two three");
    edit->SetSelStart(13);
    Input::KeyDown(edit, VK_LEFT, {ssCtrl, ssShift});
    EXPECT_EQ(edit->GetSelText(), "three");
    Input::TypeText(edit, "4");
    EXPECT_EQ(edit->GetText(), "one two 4");
}

TEST_F(EditTest, MouseDragSelectsAndDoubleClickSelectsAWord) {
    edit->SetText("hello world");
    int x1 = XOf(1), x4 = XOf(4);
    Input::MouseDown(edit, mbLeft, {}, x1, 10);
    Input::MouseMove(edit, x4, 10, {ssLeft});
    Input::MouseUp(edit, mbLeft, {}, x4, 10);
    EXPECT_EQ(edit->GetSelStart(), 1);
    EXPECT_EQ(edit->GetSelLength(), 3);
    // Shift+click extends from the anchor.
    int x8 = XOf(8);
    Input::Click(edit, x8, 10, {ssShift});
    EXPECT_EQ(edit->GetSelStart(), 1);
    EXPECT_EQ(edit->GetSelLength(), 7);
    Input::DblClick(edit, XOf(8), 10);
    EXPECT_EQ(edit->GetSelText(), "world");
}

TEST_F(EditTest, SetTextComparesAndSelTextReplaces) {
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    edit->SetSelText("XYZ");
    EXPECT_EQ(edit->GetText(), "aXYZc");
    EXPECT_EQ(edit->GetSelStart(), 4);
    EXPECT_EQ(changes, 2);
}

TEST_F(EditTest, TheSameCaretPlaceDoesNotRepaint) {
    edit->SetText("abcdef");
    edit->SetSelStart(2);
    Application->ProcessMessages();
    zyn_test::PaintCounter paints(edit);
    edit->SetSelStart(2);
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 0);
    edit->SetSelStart(4);
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 1);
    EXPECT_EQ(edit->GetSelStart(), 4);
    // A selection collapsed to the same place is a change.
    edit->SetSelLength(2);
    Application->ProcessMessages();
    paints.Reset();
    edit->SetSelStart(4);
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 1);
    EXPECT_EQ(edit->GetSelLength(), 0);
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPasting) {
    edit->SetMaxLength(4);
    Input::TypeText(edit, "abcdef");
    EXPECT_EQ(edit->GetText(), "abcd");
    edit->SetSelStart(2);
    Clipboard()->SetAsText("ÄÖÜ");
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetText(), "abcd");
    edit->SetSelLength(2);
    edit->PasteFromClipboard();   // two selected code points make room for two
    EXPECT_EQ(edit->GetText(), "abÄÖ");
}

TEST_F(EditTest, ReadOnlyRefusesEditingButCopies) {
    edit->SetText("keep");
    edit->SetReadOnly(true);
    Input::TypeText(edit, "x");
    Input::KeyDown(edit, VK_BACK);
    edit->SelectAll();
    Input::KeyDown(edit, 'X', {ssCtrl});
    EXPECT_EQ(edit->GetText(), "keep");
    Input::KeyDown(edit, 'C', {ssCtrl});
    EXPECT_EQ(Clipboard()->GetAsText(), "keep");
}

TEST_F(EditTest, PastingIntoOneLineStopsAtTheFirstLineBreak) {
    Clipboard()->SetAsText("first\r\nsecond");
    Input::KeyDown(edit, 'V', {ssCtrl});
    EXPECT_EQ(edit->GetText(), "first");
}

TEST_F(EditTest, CaretBlinksOnTheVirtualClockWhileFocused) {
    EXPECT_TRUE(edit->GetCaretVisible());
    Application->AdvanceTime(530);
    EXPECT_FALSE(edit->GetCaretVisible());
    Application->AdvanceTime(530);
    EXPECT_TRUE(edit->GetCaretVisible());
    Input::TypeText(edit, "a");   // typing shows it solid again
    Application->AdvanceTime(529);
    EXPECT_TRUE(edit->GetCaretVisible());
    auto* other = PlaceOn<TEdit>(form.get(), 10, 50, 100, 21);
    other->SetFocus();
    EXPECT_FALSE(edit->GetCaretVisible());
    Application->AdvanceTime(2000);
    EXPECT_FALSE(edit->GetCaretVisible());
}

TEST_F(EditTest, AutoSelectSelectsAllWhenTabbedIntoButNotWhenClicked) {
    auto* other = PlaceOn<TEdit>(form.get(), 10, 50, 100, 21, "Other");
    other->SetText("some text");
    Input::KeyDown(edit, VK_TAB);
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(other->GetSelLength(), 9);
    edit->SetFocus();
    Input::Click(other, 2, 5);
    EXPECT_EQ(other->GetSelLength(), 0);
}

TEST_F(EditTest, PaintsWhiteFieldGreyBorderAndBlueWhenFocused) {
    auto* other = PlaceOn<TEdit>(form.get(), 10, 50, 100, 21);
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(10 + 50, 50 + 10), TColor(clWhite));
    EXPECT_EQ(Pixel(10, 50), TColor(0x7A7A7A));              // unfocused border
    EXPECT_EQ(Pixel(10, 10), TColor(RGB(0x00, 0x78, 0xD7)));  // focused border
    other->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(10, 50), TColor(RGB(0x00, 0x78, 0xD7)));
    EXPECT_EQ(Pixel(10, 10), TColor(0x7A7A7A));
    // Selected text sits on the selection colour.
    other->SetText("WWWW");
    other->SelectAll();
    Application->ProcessMessages();
    TRect caret = other->GetCaretRect();
    EXPECT_EQ(Pixel(10 + caret.Left - 1, 50 + caret.Bottom - 1), TColor(RGB(0x00, 0x78, 0xD7)));
}

TEST_F(EditTest, UndoTakesBackTheLastChangeAndRedoesIt) {
    edit->SetText("base");
    EXPECT_FALSE(edit->CanUndo());
    edit->SetSelStart(4);
    Input::TypeText(edit, "ü");
    Input::KeyDown(edit, 'Z', {ssCtrl});
    EXPECT_EQ(edit->GetText(), "base");
    Input::KeyDown(edit, 'Z', {ssCtrl});
    EXPECT_EQ(edit->GetText(), "baseü");
    edit->SetText("new");
    EXPECT_FALSE(edit->CanUndo());
}

TEST(MemoTest, WheelScrollsTheLinesWithoutMovingTheCaret) {
    Testing::ResetInput();
    auto form = std::make_unique<TForm>(nullptr);
    auto* memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(10, 10, 200, 60);
    for (int i = 0; i < 20; ++i) memo->GetLines()->Add("line " + std::to_string(i));
    memo->SetSelStart(0);
    Input::Wheel(memo, -120, 5, 5);
    EXPECT_EQ(memo->GetTopLine(), 3);
    EXPECT_EQ(memo->GetSelStart(), 0);
    Input::Wheel(memo, 240, 5, 5);
    EXPECT_EQ(memo->GetTopLine(), 0);
}

TEST(MemoTest, LinesAndTypingShareOneText) {
    Testing::ResetInput();
    auto form = std::make_unique<TForm>(nullptr);
    auto* memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(10, 10, 200, 120);
    memo->GetLines()->Add("alpha");
    memo->GetLines()->Add("beta");
    EXPECT_EQ(memo->GetText(), "alpha\nbeta");
    EXPECT_EQ(memo->GetLines()->Count(), 2);
    memo->SetFocus();
    memo->SetSelStart(memo->GetTextLength());
    Input::TypeText(memo, "\ngamma");
    EXPECT_EQ(memo->GetLines()->Count(), 3);
    EXPECT_EQ(memo->GetLines()->Get(2), "gamma");
    // Up keeps the column as far as the shorter line allows.
    Input::KeyDown(memo, VK_UP);
    EXPECT_EQ(memo->GetSelStart(), int(std::string("alpha\n").size()) + 4);
    Input::KeyDown(memo, VK_UP);
    EXPECT_GE(memo->GetSelStart(), 3);   // on the first line, near the same x
    EXPECT_LE(memo->GetSelStart(), 5);
    memo->GetLines()->Delete(0);
    EXPECT_EQ(memo->GetText(), "beta\ngamma");
    memo->SetText("x\r\ny\rz");
    EXPECT_EQ(memo->GetLines()->Count(), 3);
    EXPECT_THROW(memo->GetLines()->Get(3), EListError);
}

}  // namespace

TEST_F(EditTest, AutoSizeMakesTheHeightFollowTheFont) {
    auto height = [&] {
        TBitmap probe;
        probe.GetCanvas()->GetFont()->Assign(edit->GetFont());
        return probe.GetCanvas()->TextHeight("Wg");
    };
    EXPECT_TRUE(edit->GetAutoSize());
    edit->GetFont()->SetSize(20);
    EXPECT_EQ(edit->GetHeight(), height() + 8);    // a single border: 4 pixels above and below
    EXPECT_GT(edit->GetHeight(), 30);
    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(edit->GetHeight(), height() + 4);
    // Without AutoSize the height stays where it is.
    edit->SetAutoSize(false);
    const int kept = edit->GetHeight();
    edit->GetFont()->SetSize(30);
    EXPECT_EQ(edit->GetHeight(), kept);
    // Published: off is streamed and read back.
    std::string text = WriteComponentText(form.get());
    EXPECT_NE(text.find("AutoSize = False"), std::string::npos);
    TForm copy(nullptr);
    ReadRootText(text, &copy);
    auto* e2 = dynamic_cast<TEdit*>(copy.FindComponent("Edit"));
    ASSERT_NE(e2, nullptr);
    EXPECT_FALSE(e2->GetAutoSize());
    EXPECT_EQ(e2->GetHeight(), kept);
}
