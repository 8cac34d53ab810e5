// The numeric control's model: initial state, bounded setters, range rules, the value in each
// format, IntegerValue, selection, the caret timer, Assign and AutoSize.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Testing.h"
#include "platform/SysUtils.h"
#include "tests/numio/NumIO2Fixture.h"

using namespace vcl;
using namespace zyn;
using zyn_test::NumIO2Test;

TEST(NumIO2Model, InitialValuesThatAreNotTheFrameworksOwn) {
    TNumIO2 n(nullptr);
    EXPECT_EQ(n.GetWidth(), 160);
    EXPECT_EQ(n.GetButHeight(), n.GetHeight());
    EXPECT_EQ(n.GetColorWarnBG(), TColor(0x6088FFF0));
    EXPECT_EQ(n.GetDecPlaceSep(), dpsPointOrComma);
    EXPECT_EQ(n.GetInputFormat(), itFloat);
    EXPECT_EQ(n.GetRangeHigh(), 1000.0);
    EXPECT_TRUE(n.GetTabStop());
    EXPECT_TRUE(n.GetCaretVisible());   // the timer shows the caret from the start
}

TEST(NumIO2Model, BoundedSetters) {
    TNumIO2 n(nullptr);
    n.SetBounds(0, 0, 200, 28);
    n.SetButHeight(10);
    EXPECT_EQ(n.GetButHeight(), 18);
    n.SetButHeight(100);
    EXPECT_EQ(n.GetButHeight(), 28);
    n.SetButSpace(99);
    EXPECT_EQ(n.GetButSpace(), 50);
    n.SetButWidth(2);
    EXPECT_EQ(n.GetButWidth(), 8);
    // The gauge band leaves at least 18 pixels of the height to the text row.
    n.SetGaugeHeight(100);
    EXPECT_EQ(n.GetGaugeHeight(), 28 - 3 - 18);
    n.SetGaugeHeight(1);
    EXPECT_EQ(n.GetGaugeHeight(), 3);
    n.SetGaugeTopMargin(10);
    EXPECT_EQ(n.GetGaugeTopMargin(), 28 - 3 - 18);
    n.SetGaugeWidth(5);
    EXPECT_EQ(n.GetGaugeWidth(), 10);
    n.SetGaugeWidth(500);
    EXPECT_EQ(n.GetGaugeWidth(), 200 - 35);
    n.SetGaugeLeftMargin(500);
    EXPECT_EQ(n.GetGaugeLeftMargin(), 200 - 165);
    n.SetGaugeLeftMargin(-3);
    EXPECT_EQ(n.GetGaugeLeftMargin(), 0);
    n.SetLeftSpace(-1);
    EXPECT_EQ(n.GetLeftSpace(), 35);
    n.SetLeftSpace(999);
    EXPECT_EQ(n.GetLeftSpace(), 200);
    n.SetFixPointDecPlaces(0);
    EXPECT_EQ(n.GetFixPointDecPlaces(), 2);
    n.SetFixPointDecPlaces(20);
    EXPECT_EQ(n.GetFixPointDecPlaces(), 15);
    // At least 18 pixels high; the buttons follow a lower height.
    n.SetHeight(5);
    EXPECT_EQ(n.GetHeight(), 18);
    EXPECT_EQ(n.GetButHeight(), 18);
}

TEST(NumIO2Model, RangeEndsPushEachOther) {
    TNumIO2 n(nullptr);
    n.SetRangeLow(2000);
    EXPECT_EQ(n.GetRangeLow(), 2000.0);
    EXPECT_EQ(n.GetRangeHigh(), 2000.0);
    n.SetRangeHigh(-5);
    EXPECT_EQ(n.GetRangeLow(), -5.0);
    EXPECT_EQ(n.GetRangeHigh(), -5.0);
    n.SetRangeHigh(10);
    n.SetValue(11);
    EXPECT_TRUE(n.OutOfRange());
    n.SetValue(-5);
    EXPECT_FALSE(n.OutOfRange());
}

TEST(NumIO2Model, IntegerValueOverflow) {
    TNumIO2 n(nullptr);
    n.SetName("Counter");
    n.SetFixPointDecPlaces(1);
    n.SetValue(2147483647);
    EXPECT_EQ(n.GetIntegerValue(), 2147483647);
    n.SetValue(-2147483648.0);
    EXPECT_EQ(n.GetIntegerValue(), -2147483647 - 1);
    n.SetValue(2.5);
    EXPECT_EQ(n.GetIntegerValue(), 2);
    for (double v : {2147483647.4, -3e9}) {
        n.SetValue(v);
        try {
            (void)n.GetIntegerValue();
            ADD_FAILURE() << v << " gave no error";
        } catch (const EZynNumIO2Error& e) {
            EXPECT_EQ(e.Message(), "Component \"Counter\": integer overflow");
        }
    }
}

TEST(NumIO2Model, TextAndSelection) {
    TNumIO2 n(nullptr);
    n.SetText("12.5");
    n.SetSelEnd(3);
    n.SetText("12x");   // not a number of the format: ignored
    EXPECT_EQ(n.GetText(), "12.5");
    EXPECT_EQ(n.GetSelEnd(), 3);
    n.SetText("1234");  // taken: caret and selection to the start
    EXPECT_EQ(n.GetSelEnd(), 0);
    n.SetSelBegin(99);
    EXPECT_EQ(n.GetSelBegin(), 4);
    EXPECT_EQ(n.GetCaretPos(), 4);
    n.SetSelEnd(1);     // the start follows a smaller end
    EXPECT_EQ(n.GetSelBegin(), 1);
    n.SetSelEnd(3);
    n.SetSelBegin(-2);
    EXPECT_EQ(n.GetSelBegin(), 0);
    EXPECT_EQ(n.GetSelEnd(), 3);
}

TEST(NumIO2Model, FormatSeparatorAndDigitsRewriteTheValue) {
    TNumIO2 n(nullptr);
    n.SetValue(255);
    EXPECT_EQ(n.GetText(), "255.00");
    n.SetInputFormat(itHex);
    EXPECT_EQ(n.GetText(), "000000FF");
    n.SetInputFormat(itExp);
    EXPECT_EQ(n.GetText(), " 2.55000E+02");
    n.SetSignificantDigits(3);
    EXPECT_EQ(n.GetText(), " 2.55E+02");
    n.SetInputFormat(itFloat);
    n.SetValue(3.14159);
    EXPECT_EQ(n.GetText(), "3.14");
    // The decimals are written again from the value the text holds.
    n.SetFixPointDecPlaces(4);
    EXPECT_EQ(n.GetText(), "3.1400");
    n.SetDecPlaceSep(dpsComma);
    EXPECT_EQ(n.GetText(), "3,1400");
    EXPECT_DOUBLE_EQ(n.GetValue(), 3.14);
    n.SetValue(1.25);
    EXPECT_EQ(n.GetText(), "1,2500");
    n.SetDecPlaceSep(dpsPoint);
    EXPECT_EQ(n.GetText(), "1.2500");
    n.SetDecPlaceSep(dpsPointOrComma);
    EXPECT_EQ(n.GetText(), "1.2500");
}

TEST_F(NumIO2Test, ACommaFieldTakesKeysAfterTheProgramWroteIt) {
    n->SetDecPlaceSep(dpsComma);
    n->SetInputFormat(itFixPoint);
    n->SetValue(1.25);
    ASSERT_EQ(n->GetText(), "1,25");
    n->SetFocus();
    Key(VK_HOME);
    Type("3");
    EXPECT_EQ(n->GetText(), "31,25");
    EXPECT_DOUBLE_EQ(n->GetValue(), 31.25);
}

TEST_F(NumIO2Test, CaretBlinksWhileFocused) {
    n->SetFocus();
    EXPECT_TRUE(n->GetCaretVisible());
    Application->AdvanceTime(500);
    EXPECT_FALSE(n->GetCaretVisible());
    Application->AdvanceTime(500);
    EXPECT_TRUE(n->GetCaretVisible());
    // A keystroke shows it at once.
    Application->AdvanceTime(500);
    Type("1");
    EXPECT_TRUE(n->GetCaretVisible());
}

TEST_F(NumIO2Test, CaretTimerRestsWithoutFocusAndWhileReadOnly) {
    auto* other = new TNumIO2(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 100, 200, 28);
    n->SetFocus();
    // The unfocused control's first tick hides its caret and stops its timer.
    Application->AdvanceTime(500);
    EXPECT_FALSE(other->GetCaretVisible());
    Application->AdvanceTime(2000);
    EXPECT_FALSE(other->GetCaretVisible());
    // Focus restarts it.
    other->SetFocus();
    EXPECT_TRUE(other->GetCaretVisible());
    other->SetReadOnly(true);
    EXPECT_FALSE(other->GetCaretVisible());
    Application->AdvanceTime(1500);
    EXPECT_FALSE(other->GetCaretVisible());
    other->SetReadOnly(false);
    EXPECT_TRUE(other->GetCaretVisible());
    Application->AdvanceTime(500);
    EXPECT_FALSE(other->GetCaretVisible());
}

TEST_F(NumIO2Test, NoTimerAvailable) {
    Testing::FailNextTimers(1);
    try {
        TNumIO2 failed(nullptr);
        ADD_FAILURE() << "no error";
    } catch (const EZynNumIO2Error& e) {
        EXPECT_EQ(e.Message(), "Component \"\": no timer available");
    }
    Testing::FailNextTimers(1);
    try {
        n->SetFocus();
        ADD_FAILURE() << "no error";
    } catch (const EZynNumIO2Error& e) {
        EXPECT_EQ(e.Message(), "Component \"Field\": no timer available");
    }
}

TEST(NumIO2Model, AssignCopiesTheFieldButNotButtonsGaugeOrEvents) {
    TNumIO2 a(nullptr), b(nullptr);
    a.SetLeftText("Speed");
    a.SetInputFormat(itFixPoint);
    a.SetFixPointDecPlaces(3);
    a.SetRangeHigh(50);
    a.SetRangeLow(5);
    a.SetValue(12.5);
    a.SetSelEnd(2);
    a.SetReadOnly(true);
    a.SetButVisible(true);
    a.SetGaugeVisible(true);
    a.ButtonPivots = {1, 2};
    a.SetOnChange([](TObject*) {});
    b.Assign(&a);
    EXPECT_EQ(b.GetLeftText(), "Speed");
    EXPECT_EQ(b.GetText(), "12.500");
    EXPECT_EQ(b.GetRangeLow(), 5.0);
    EXPECT_EQ(b.GetSelEnd(), 2);
    EXPECT_TRUE(b.GetReadOnly());
    EXPECT_FALSE(b.GetCaretVisible());
    EXPECT_FALSE(b.GetButVisible());
    EXPECT_FALSE(b.GetGaugeVisible());
    EXPECT_TRUE(b.ButtonPivots.empty());
    EXPECT_FALSE(b.GetOnChange());
}

TEST_F(NumIO2Test, AutoSizeFollowsTheFont) {
    TBitmap probe;
    probe.GetCanvas()->SetFont(n->GetFont());
    n->SetAutoSize(true);
    EXPECT_EQ(n->GetHeight(), std::max(probe.GetCanvas()->TextHeight("E0") + 6, 18));
    n->GetFont()->SetSize(20);
    probe.GetCanvas()->SetFont(n->GetFont());
    const int big = probe.GetCanvas()->TextHeight("E0") + 6;
    EXPECT_GT(big, 18);
    EXPECT_EQ(n->GetHeight(), big);
    n->SetHeight(100);
    EXPECT_EQ(n->GetHeight(), big);
    n->SetAutoSize(false);
    n->SetHeight(100);
    EXPECT_EQ(n->GetHeight(), 100);
}

TEST_F(NumIO2Test, RepaintsOnlyForChanges) {
    const int before = vcl::Testing::PaintCount(n);
    n->SetLeftText("");
    n->SetTextBoxWidth(80);
    n->SetButSpace(3);
    Application->ProcessMessages();
    EXPECT_EQ(vcl::Testing::PaintCount(n), before);
    n->SetLeftText("Rate");
    n->SetValue(3);
    Application->ProcessMessages();
    EXPECT_EQ(vcl::Testing::PaintCount(n), before + 1);
}
