// Keyboard editing of the numeric control: the online check, the fixed-point caret rule,
// deleting, the clipboard, read-only fields, modifiers and the keys the dialog leaves it.
#include <gtest/gtest.h>

#include <string>

#include "platform/StdCtrls.h"
#include "tests/numio/NumIO2Fixture.h"

using namespace vcl;
using namespace zyn;
using zyn_test::NumIO2Test;

TEST_F(NumIO2Test, TypingPassesTheOnlineCheck) {
    int changes = 0;
    n->SetOnChange([&](TObject*) { ++changes; });
    Start("1");
    const int silent = Testing::BeepCount();
    Type("-");   // refused, without a beep: Beep is off
    EXPECT_EQ(Testing::BeepCount(), silent);
    Key(VK_BACK);
    changes = 0;
    n->SetBeep(true);
    Type("12.5");
    EXPECT_EQ(n->GetText(), "12.5");
    EXPECT_DOUBLE_EQ(n->GetValue(), 12.5);
    EXPECT_EQ(changes, 4);
    const int beeps = Testing::BeepCount();
    Type(".");   // a second separator
    Type("-");   // a sign after the digits
    EXPECT_EQ(n->GetText(), "12.5");
    EXPECT_EQ(n->GetCaretPos(), 4);
    EXPECT_EQ(Testing::BeepCount(), beeps + 2);
    EXPECT_EQ(changes, 4);
    // G is no key of a number: nothing is typed, the refusal beeps.
    Key('G');
    EXPECT_EQ(n->GetText(), "12.5");
    EXPECT_EQ(Testing::BeepCount(), beeps + 3);
    // Moving the caret is no change.
    Key(VK_LEFT);
    EXPECT_EQ(changes, 4);
}

TEST_F(NumIO2Test, LoneSignsAreTakenAsTheStartOfANumber) {
    n->SetInputFormat(itInt);
    for (const char* sign : {"-", "+"}) {
        Start("");
        Type(sign);
        EXPECT_EQ(n->GetText(), sign);
        EXPECT_DOUBLE_EQ(n->GetValue(), 0);
        Type("42");
        EXPECT_EQ(n->GetText(), std::string(sign) + "42");
    }
    // In the dynamic notation a lone prefix starts a number too; Shift+4 types "$".
    n->SetInputFormat(itDynamic);
    Start("");
    Key('4', {ssShift});
    Type("ff");
    EXPECT_EQ(n->GetText(), "$FF");
    EXPECT_DOUBLE_EQ(n->GetValue(), 255);
    Start("");
    Key('5', {ssShift});
    Type("101");
    EXPECT_DOUBLE_EQ(n->GetValue(), 5);
}

TEST_F(NumIO2Test, FixedPointDigitsOverwriteTheDecimals) {
    n->SetInputFormat(itFixPoint);
    n->SetValue(12.5);
    ASSERT_EQ(n->GetText(), "12.50");
    n->SetFocus();
    Key(VK_HOME);
    for (int i = 0; i < 3; ++i) Key(VK_RIGHT);
    // Within the decimals the digit after the caret is selected ...
    EXPECT_EQ(n->GetCaretPos(), 3);
    EXPECT_EQ(n->GetSelBegin(), 3);
    EXPECT_EQ(n->GetSelEnd(), 4);
    // ... so the next digit replaces it.
    Type("7");
    EXPECT_EQ(n->GetText(), "12.70");
    Type("5");
    EXPECT_EQ(n->GetText(), "12.75");
    EXPECT_EQ(n->GetCaretPos(), 5);
    Type("9");   // a third decimal is refused
    EXPECT_EQ(n->GetText(), "12.75");
    // Before the point the selection collapses and digits are inserted.
    Key(VK_HOME);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(n->GetSelBegin(), n->GetSelEnd());
    Type("3");
    EXPECT_EQ(n->GetText(), "123.75");
    // The point cannot be deleted.
    Key(VK_DELETE);
    EXPECT_EQ(n->GetText(), "123.75");
}

TEST_F(NumIO2Test, DeletingKeysAndCaretKeys) {
    Start("123.45");
    Key(VK_BACK);
    EXPECT_EQ(n->GetText(), "123.4");
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(n->GetText(), "23.4");
    Key(VK_BACK);   // nothing before the caret
    EXPECT_EQ(n->GetText(), "23.4");
    Key(VK_END);
    Key(VK_DELETE);   // nothing after it
    EXPECT_EQ(n->GetText(), "23.4");
    Key(VK_UP);
    EXPECT_EQ(n->GetCaretPos(), 3);
}

TEST_F(NumIO2Test, ASelectionIsDeletedOrReplaced) {
    n->SetInputFormat(itFloat);
    Start("12.5");
    n->SetSelBegin(1);
    n->SetSelEnd(3);
    Key(VK_DELETE);
    EXPECT_EQ(n->GetText(), "15");
    EXPECT_EQ(n->GetCaretPos(), 1);
    // Deleting everything writes 0 in the format; the caret goes to the start.
    n->SetSelBegin(0);
    n->SetSelEnd(2);
    Key(VK_BACK);
    EXPECT_EQ(n->GetText(), "0.00");
    EXPECT_EQ(n->GetCaretPos(), 0);
    // A typed character replaces the whole selection.
    n->SetSelBegin(0);
    n->SetSelEnd(4);
    Type("7");
    EXPECT_EQ(n->GetText(), "7");
    EXPECT_EQ(n->GetCaretPos(), 1);
}

TEST_F(NumIO2Test, Clipboard) {
    Start("123.5");
    n->SetSelBegin(1);
    n->SetSelEnd(3);
    Key('C', {ssCtrl});
    EXPECT_EQ(Clipboard()->GetAsText(), "23");
    EXPECT_EQ(n->GetText(), "123.5");
    // Copying nothing leaves the clipboard alone.
    Key('C', {ssCtrl});
    EXPECT_EQ(Clipboard()->GetAsText(), "23");
    n->SetSelBegin(0);
    n->SetSelEnd(1);
    Key('X', {ssCtrl});
    EXPECT_EQ(Clipboard()->GetAsText(), "1");
    EXPECT_EQ(n->GetText(), "23.5");
    Key(VK_END);
    Key('V', {ssCtrl});
    EXPECT_EQ(n->GetText(), "23.51");
    EXPECT_EQ(n->GetCaretPos(), 5);
    // Pasted text that makes no number is refused.
    Clipboard()->SetAsText("4x");
    Key(VK_HOME);
    Key('V', {ssCtrl});
    EXPECT_EQ(n->GetText(), "23.51");
    EXPECT_EQ(n->GetCaretPos(), 0);
    n->SetBeep(true);
    const int beeps = Testing::BeepCount();
    Key('Z', {ssCtrl});
    EXPECT_EQ(Testing::BeepCount(), beeps + 1);
}

TEST_F(NumIO2Test, ReadOnlyTakesOnlyCopy) {
    n->SetValue(42);
    n->SetReadOnly(true);
    n->SetBeep(true);
    const int beeps = Testing::BeepCount();
    n->SetFocus();
    n->SetSelBegin(0);
    n->SetSelEnd(2);
    for (WORD k : {WORD('5'), VK_BACK, VK_DELETE}) Key(k);
    Key('X', {ssCtrl});
    Key('V', {ssCtrl});
    EXPECT_EQ(n->GetText(), "42.00");
    Key('C', {ssCtrl});
    EXPECT_EQ(Clipboard()->GetAsText(), "42");
    EXPECT_EQ(Testing::BeepCount(), beeps);
}

TEST_F(NumIO2Test, AModifierReleasedElsewhereDoesNotStick) {
    auto* other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 100, 100, 24);
    Start("1");
    // Ctrl goes down while the field has the focus and comes up after it lost it.
    Input::KeyDown(n, VK_CONTROL, {ssCtrl});
    other->SetFocus();
    Input::KeyUp(other, VK_CONTROL);
    Type("2");
    EXPECT_EQ(n->GetText(), "12");
}

TEST_F(NumIO2Test, ArrowsStayWithTheFieldTabMovesOn) {
    auto* other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 100, 100, 24);
    Start("12345");
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_TRUE(n->Focused());
    EXPECT_EQ(n->GetCaretPos(), 3);
    Key(VK_TAB);
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(n->GetText(), "12345");
    // The control's own answer to a Tab it is sent: the next control, back with Shift.
    n->SetFocus();
    n->Perform(WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(other->Focused());
}
