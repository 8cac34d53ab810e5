// The keys both numeric controls add to editing: stepping the value (Up/Down and the pages
// in the edit field, the pages in the control, whose arrows stay the caret's), Enter
// committing and Escape restoring the committed text, read-only fields refusing the steps,
// and the control's focus cue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numio/Zyn_NumIO.h"
#include "platform/StdCtrls.h"
#include "tests/numio/NumIO2Fixture.h"
#include "tests/support/FormFixture.h"

using namespace vcl;
using namespace zyn;
using zyn_test::NumIO2Test;

namespace {

class NumIOSpinKeys : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        num = PlaceOn<TNumIO>(form.get(), 10, 10, 150, 21, "Num");
        other = PlaceOn<TEdit>(form.get(), 10, 40, 150, 21, "Other");
        num->SetRangeHigh(100);
        num->SetRangeLow(-5);
        num->SetInputFormat(itInt);
        num->SetOnChange([this](TObject*) { ++changes; });
        num->SetFocus();
    }
    void Press(WORD Key, TShiftState Shift = {}) { Input::KeyDown(num, Key, Shift); }
    TNumIO* num = nullptr;
    TEdit* other = nullptr;
    int changes = 0;
};

}  // namespace

TEST_F(NumIOSpinKeys, ArrowsStepByOnePagesByTenWithinTheRange) {
    num->SetValue(7);
    Press(VK_UP);
    EXPECT_EQ(num->GetText(), "8");
    Press(VK_NEXT);
    EXPECT_EQ(num->GetText(), "-2");
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(num->GetText(), "-5");   // the lower bound holds
    EXPECT_EQ(changes, 5);             // each accepted step; the one at the bound changes nothing
    for (int i = 0; i < 11; ++i) Press(VK_PRIOR);
    EXPECT_EQ(num->GetText(), "100");
    EXPECT_DOUBLE_EQ(num->GetValue(), 100.0);
    // A fixed-point field steps by one unit and writes its decimals.
    num->SetInputFormat(itFixPoint);
    num->SetValue(1.25);
    Press(VK_UP);
    EXPECT_EQ(num->GetText(), "2.25");
    // Typed text and steps mix: the step starts from what the field shows.
    num->SetInputFormat(itInt);
    num->SetText("");
    Input::TypeText(num, "42");
    Press(VK_UP);
    EXPECT_EQ(num->GetText(), "43");
}

TEST_F(NumIOSpinKeys, EscapeRestoresTheLastCommittedTextEnterCommits) {
    num->SetValue(1);   // the program's value is committed
    num->SetSelStart(1);
    Input::TypeText(num, "0");
    EXPECT_EQ(num->GetText(), "10");
    Press(VK_ESCAPE);
    EXPECT_EQ(num->GetText(), "1");
    Input::TypeText(num, "0");
    Press(VK_ESCAPE);
    EXPECT_EQ(num->GetText(), "1");
    num->SetSelStart(1);
    Input::TypeText(num, "0");
    Press(VK_UP);
    Press(VK_RETURN);
    Press(VK_UP);
    Press(VK_UP);
    EXPECT_EQ(num->GetText(), "13");
    Press(VK_ESCAPE);
    EXPECT_EQ(num->GetText(), "11");
    // Leaving the field commits as well.
    Press(VK_UP);
    other->SetFocus();
    num->SetFocus();
    Press(VK_UP);
    Press(VK_ESCAPE);
    EXPECT_EQ(num->GetText(), "12");
}

TEST_F(NumIOSpinKeys, ReadOnlyRefusesTheStepsAndEscape) {
    num->SetValue(10);
    num->SetReadOnly(true);
    changes = 0;
    for (WORD k : {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_ESCAPE}) Press(k);
    EXPECT_EQ(num->GetText(), "10");
    EXPECT_EQ(changes, 0);
    num->SetReadOnly(false);
    Press(VK_UP);
    EXPECT_EQ(num->GetText(), "11");
}

TEST_F(NumIO2Test, PagesStepTenButtonStepsArrowsStayTheCarets) {
    int changes = 0;
    n->SetOnChange([&](TObject*) { ++changes; });
    n->SetInputFormat(itInt);
    n->SetValue(5);
    n->SetFocus();
    Key(VK_PRIOR);
    EXPECT_EQ(n->GetText(), "15");
    EXPECT_EQ(changes, 1);
    Key(VK_UP);   // moves the caret, as in any editing
    EXPECT_EQ(n->GetText(), "15");
    n->SetButIncrem(2.5);
    n->SetInputFormat(itFloat);
    n->SetValue(100);
    Key(VK_NEXT);
    EXPECT_DOUBLE_EQ(n->GetValue(), 75.0);
    n->SetValue(5);
    Key(VK_NEXT);
    EXPECT_DOUBLE_EQ(n->GetValue(), 0.0);   // RangeLow holds
    n->SetValue(995);
    Key(VK_PRIOR);
    EXPECT_DOUBLE_EQ(n->GetValue(), 1000.0);
    // With pivots: ten pivots on, stopping at the last.
    n->ButtonPivots = {0, 10, 20, 30};
    n->SetValue(10);
    Key(VK_PRIOR);
    EXPECT_DOUBLE_EQ(n->GetValue(), 30.0);
    Key(VK_NEXT);
    EXPECT_DOUBLE_EQ(n->GetValue(), 0.0);
}

TEST_F(NumIO2Test, EscapeBringsBackTheCommittedTextReadOnlyTakesNoStep) {
    n->SetInputFormat(itInt);
    n->SetValue(40);
    n->SetFocus();
    Key(VK_END);
    Type("7");
    EXPECT_EQ(n->GetText(), "407");
    Key(VK_ESCAPE);
    EXPECT_EQ(n->GetText(), "40");
    EXPECT_EQ(n->GetSelBegin(), 2);   // caret at the end
    Key(VK_PRIOR);
    Key(VK_RETURN);
    Key(VK_PRIOR);
    Key(VK_ESCAPE);
    EXPECT_EQ(n->GetText(), "50");
    n->SetReadOnly(true);
    Key(VK_PRIOR);
    Key(VK_NEXT);
    EXPECT_EQ(n->GetText(), "50");
}

TEST_F(NumIO2Test, TheFocusCueFramesTheControlOnlyWhileFocused) {
    n->SetReadOnly(true);   // no caret: the cue is all that shows the focus
    auto grab = [&] {
        Application->ProcessMessages();
        std::vector<TColor> px;
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 200; ++x) px.push_back(Pixel(x, y));
        return px;
    };
    const std::vector<TColor> plain = grab();
    n->SetFocus();
    const std::vector<TColor> focused = grab();
    int dots = 0;
    for (int y = 0; y < 28; ++y) {
        for (int x = 0; x < 200; ++x) {
            const TColor a = plain[std::size_t(y * 200 + x)], b = focused[std::size_t(y * 200 + x)];
            const bool edge = x == 0 || y == 0 || x == 199 || y == 27;
            if (!edge) {
                ASSERT_EQ(a, b) << x << "," << y;
            } else if (a != b) {
                ASSERT_EQ(b, a ^ 0xFFFFFF) << x << "," << y;
                ++dots;
            }
        }
    }
    EXPECT_NEAR(dots, (2 * 200 + 2 * 28 - 4) / 2, 2);
    // Two neighbours of the top edge over the ground: one dotted.
    EXPECT_NE(focused[2] == plain[2], focused[3] == plain[3]);
    TEdit* other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 100, 80, 21);
    other->SetFocus();
    EXPECT_EQ(grab(), plain);
}
