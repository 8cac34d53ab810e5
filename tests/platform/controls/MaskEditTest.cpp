// The mask edit field: keys through the real input path (beeps for refused keys, caret over
// literals, Backspace/Delete, clipboard), Text against EditText, changing the mask,
// validation when the field is left, Escape, and the form file.
#include "tests/support/FormFixture.h"

#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/core/FormFile.h"

using namespace vcl;

namespace {

class MaskEditTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        edit = PlaceOn<TMaskEdit>(form.get(), 10, 10, 200, 21, "MaskEdit");
        other = PlaceOn<TEdit>(form.get(), 10, 50, 200, 21, "Other");
        edit->SetEditMask("!\\(999\\) 000-0000;1;_");
        edit->SetOnChange([this](TObject*) { ++changes; });
        edit->SetFocus();
        edit->SetSelStart(0);
        Testing::ResetBeepCount();
    }
    TMaskEdit* edit = nullptr;
    TEdit* other = nullptr;
    int changes = 0;
};

TEST_F(MaskEditTest, TypingFillsPositionsAndRefusedKeysBeep) {
    EXPECT_EQ(edit->GetEditText(), "(___) ___-____");
    Input::TypeText(edit, "55a5");
    EXPECT_EQ(edit->GetEditText(), "(555) ___-____");
    EXPECT_EQ(Testing::BeepCount(), 1);   // the letter
    EXPECT_EQ(changes, 3);                // one change per accepted key, none for the refused
    EXPECT_EQ(edit->GetSelStart(), 6);    // past ") "
    Input::TypeText(edit, "1234567");
    EXPECT_EQ(edit->GetEditText(), "(555) 123-4567");
    EXPECT_EQ(Testing::BeepCount(), 1);
    Input::TypeText(edit, "8");           // the field is full
    EXPECT_EQ(Testing::BeepCount(), 2);
    EXPECT_EQ(edit->GetEditText(), "(555) 123-4567");
    EXPECT_EQ(edit->GetText(), "(555) 123-4567");
    EXPECT_TRUE(edit->GetModified());
}

TEST_F(MaskEditTest, CaretKeysSkipLiterals) {
    edit->SetText("(555) 123-4567");
    edit->SetSelStart(3);
    Input::KeyDown(edit, VK_RIGHT);
    EXPECT_EQ(edit->GetSelStart(), 6);    // over ")" and " "
    Input::KeyDown(edit, VK_LEFT);
    EXPECT_EQ(edit->GetSelStart(), 3);
    Input::KeyDown(edit, VK_HOME);
    EXPECT_EQ(edit->GetSelStart(), 1);    // the first editable position
    Input::KeyDown(edit, VK_LEFT);
    EXPECT_EQ(edit->GetSelStart(), 1);    // nothing editable before it
    Input::KeyDown(edit, VK_END);
    EXPECT_EQ(edit->GetSelStart(), 14);
    Input::KeyDown(edit, VK_LEFT, {ssShift});   // Shift still selects as in any edit
    EXPECT_EQ(edit->GetSelLength(), 1);
}

TEST_F(MaskEditTest, BackspaceAndDeleteBlankWithoutShifting) {
    edit->SetText("(555) 123-4567");
    edit->SetSelStart(10);
    changes = 0;
    Input::KeyDown(edit, VK_BACK);        // the literal "-" is skipped: "3" goes
    EXPECT_EQ(edit->GetEditText(), "(555) 12_-4567");
    EXPECT_EQ(edit->GetSelStart(), 8);
    edit->SetSelStart(7);
    Input::KeyDown(edit, VK_DELETE);      // blanks at the caret, which stays
    EXPECT_EQ(edit->GetEditText(), "(555) 1__-4567");
    EXPECT_EQ(edit->GetSelStart(), 7);
    EXPECT_EQ(changes, 2);
    edit->SetSelStart(2);
    edit->SetSelLength(9);                // "55) 1__-4" across literals
    Input::KeyDown(edit, VK_DELETE);
    EXPECT_EQ(edit->GetEditText(), "(5__) ___-_567");
    EXPECT_EQ(edit->GetText(), "(5  )    - 567");
    EXPECT_EQ(Testing::BeepCount(), 0);
}

TEST_F(MaskEditTest, TextAgainstEditTextWithTheSaveFlagAndBlankCharacter) {
    edit->SetEditMask("00/00/0000;0;*");   // the typed value keeps through a mask change
    EXPECT_EQ(edit->GetEditText(), "**/**/****");
    EXPECT_EQ(edit->GetText(), "");
    edit->SetText("12052024");
    EXPECT_EQ(edit->GetEditText(), "12/05/2024");
    EXPECT_EQ(edit->GetText(), "12052024");
    edit->SetEditText("1x/05/20");          // as shown: refused or missing characters are blank
    EXPECT_EQ(edit->GetEditText(), "1*/05/20**");
    EXPECT_EQ(edit->GetText(), "1 0520");

    edit->SetEditMask("00/00/0000;1;_");
    EXPECT_EQ(edit->GetEditText(), "1_/05/20__");
    EXPECT_EQ(edit->GetText(), "1 /05/20  ");

    // No mask: a plain field that keeps the value.
    edit->SetEditMask("");
    EXPECT_FALSE(edit->IsMasked());
    EXPECT_EQ(edit->GetText(), "1 /05/20  ");
    EXPECT_EQ(edit->GetEditText(), "1 /05/20  ");
    Input::TypeText(edit, "x");
    EXPECT_EQ(Testing::BeepCount(), 0);

    // Case folding through the control, and the "!" mask through Text.
    edit->SetEditMask(">LL-!999;0;_");
    edit->SetText("");
    edit->SetSelStart(0);
    Input::TypeText(edit, "ab7");
    EXPECT_EQ(edit->GetEditText(), "AB-7__");
    edit->SetText("AB42");                 // "!" aligns the whole value to the end
    EXPECT_EQ(edit->GetEditText(), "_A-_42");
    edit->SetText("AB 42");
    EXPECT_EQ(edit->GetEditText(), "AB-_42");
    EXPECT_EQ(edit->GetText(), "AB 42");
}

TEST_F(MaskEditTest, CharCaseFoldsTypedCharactersButNotLiteralsAndTheMaskWins) {
    edit->SetEditMask("\\x-aa<a;1;_");
    edit->SetCharCase(ecUpperCase);
    edit->SetSelStart(0);
    Input::TypeText(edit, "bcd");
    EXPECT_EQ(edit->GetEditText(), "x-BCd");
    edit->SetText("x-efg");
    EXPECT_EQ(edit->GetEditText(), "x-EFg");
    Clipboard()->SetAsText("hi");
    edit->SetSelStart(2);
    edit->Perform(WM_PASTE, 0, 0);
    EXPECT_EQ(edit->GetEditText(), "x-HIg");
    edit->SetCharCase(ecLowerCase);   // refolds what is there
    EXPECT_EQ(edit->GetEditText(), "x-hig");
}

TEST_F(MaskEditTest, LeavingAChangedIncompleteFieldRaisesAndKeepsTheFocus) {
    // Untouched, the field may be left even though it is empty.
    other->SetFocus();
    EXPECT_TRUE(other->Focused());
    edit->SetFocus();

    Input::TypeText(edit, "55512");
    EXPECT_THROW(edit->ValidateEdit(), EMaskEditError);
    EXPECT_EQ(edit->GetSelStart(), 8);    // on the first empty required position
    try {
        other->SetFocus();
        ADD_FAILURE() << "leaving an incomplete field must raise";
    } catch (const EMaskEditError& e) {
        EXPECT_EQ(e.Message(), "Invalid input value. Use escape key to abandon changes");
    }
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetSelStart(), 8);

    // Escape abandons the changes: the field is as it was on entry and can be left.
    Input::KeyPress(edit, 27);
    EXPECT_EQ(edit->GetEditText(), "(___) ___-____");
    EXPECT_EQ(edit->GetSelLength(), 14);
    EXPECT_NO_THROW(other->SetFocus());
    EXPECT_TRUE(other->Focused());

    // Complete with the optional area code left out: valid.
    edit->SetFocus();
    edit->SetSelStart(6);
    Input::TypeText(edit, "1234567");
    EXPECT_NO_THROW(edit->ValidateEdit());
    EXPECT_NO_THROW(other->SetFocus());
    EXPECT_EQ(edit->GetText(), "(   ) 123-4567");
}

TEST_F(MaskEditTest, ClipboardKeysKeepTheMask) {
    Clipboard()->SetAsText("(555) 123-4567\nsecond line");
    Input::KeyDown(edit, 'V', {ssCtrl});
    EXPECT_EQ(edit->GetEditText(), "(555) 123-4567");
    EXPECT_EQ(changes, 1);
    edit->SetSelStart(6);
    edit->SetSelLength(3);
    Input::KeyDown(edit, 'X', {ssCtrl});
    EXPECT_EQ(Clipboard()->GetAsText(), "123");
    EXPECT_EQ(edit->GetEditText(), "(555) ___-4567");
    Clipboard()->SetAsText("12a");          // refused as a whole
    Input::KeyDown(edit, VK_INSERT, {ssShift});
    EXPECT_EQ(edit->GetEditText(), "(555) ___-4567");
    EXPECT_EQ(Testing::BeepCount(), 1);
    edit->Perform(WM_PASTE, 0, 0);
    EXPECT_EQ(Testing::BeepCount(), 2);
    Input::KeyDown(edit, 'Z', {ssCtrl});    // undo brings the cut digits back
    EXPECT_EQ(edit->GetEditText(), "(555) 123-4567");
}

TEST_F(MaskEditTest, ReadOnlyRefusesEditingKeys) {
    edit->SetText("5551234567");
    edit->SetReadOnly(true);
    edit->SetSelStart(1);
    Input::TypeText(edit, "9");
    Input::KeyDown(edit, VK_BACK);
    Input::KeyDown(edit, VK_DELETE);
    EXPECT_EQ(edit->GetEditText(), "(555) 123-4567");
}

TEST_F(MaskEditTest, FormFileKeepsMaskAndValue) {
    edit->SetEditMask("00-00;0;_");
    edit->SetText("1234");
    std::string text = WriteComponentText(form.get());
    EXPECT_NE(text.find("EditMask = '00-00;0;_'"), std::string::npos) << text;
    TForm copy(nullptr);
    ReadRootText(text, &copy);
    auto* back = dynamic_cast<TMaskEdit*>(copy.FindComponent("MaskEdit"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetEditMask(), "00-00;0;_");
    EXPECT_EQ(back->GetText(), "1234");
    EXPECT_EQ(back->GetEditText(), "12-34");
}

}  // namespace
