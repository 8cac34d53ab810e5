// The numeric edit field: acceptance by format and range, refusal with restore, caret and
// beep, the fixed-point rules, separator modes, properties, assignment and form files.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "numio/Zyn_NumIO.h"
#include "platform/SysUtils.h"
#include "platform/Classes.h"
#include "tests/support/FormFixture.h"

using namespace vcl;
using namespace zyn;

namespace {

class NumIOTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        ResetFormatSettings();
        num = PlaceOn<TNumIO>(form.get(), 10, 10, 150, 21, "Num");
        num->SetOnChange([this](TObject* Sender) {
            EXPECT_EQ(Sender, num);
            ++changes;
        });
        num->SetFocus();
        beeps = Testing::BeepCount();
    }
    void TearDown() override {
        ResetFormatSettings();
        FormFixture::TearDown();
    }
    void SetRange(double Low, double High) {
        num->SetRangeHigh(High);
        num->SetRangeLow(Low);
    }
    int NewBeeps() const { return Testing::BeepCount() - beeps; }

    TNumIO* num = nullptr;
    int changes = 0;
    int beeps = 0;
};

TEST_F(NumIOTest, InitialStateAndClampedDecimals) {
    EXPECT_EQ(num->GetInputFormat(), itDynamic);
    EXPECT_EQ(num->GetFixPointDecPlaces(), 2);
    EXPECT_FALSE(num->GetBeep());
    EXPECT_EQ(num->GetDecPlaceSep(), dpsSystem);
    EXPECT_EQ(num->GetRangeLow(), 0.0);
    EXPECT_EQ(num->GetRangeHigh(), 0.0);
    EXPECT_EQ(num->GetText(), "");
    num->SetFixPointDecPlaces(0);
    EXPECT_EQ(num->GetFixPointDecPlaces(), 1);
    num->SetFixPointDecPlaces(12);
    EXPECT_EQ(num->GetFixPointDecPlaces(), 8);
}

TEST_F(NumIOTest, WithoutRangeOnlyZeroIsAccepted) {
    num->SetBeep(true);
    Input::TypeText(num, "5");
    EXPECT_EQ(num->GetText(), "");
    EXPECT_EQ(NewBeeps(), 1);
    Input::TypeText(num, "0");
    EXPECT_EQ(num->GetText(), "0");
    EXPECT_EQ(changes, 1);
}

TEST_F(NumIOTest, RangeAcceptsRefusesAndRestores) {
    num->SetInputFormat(itInt);
    SetRange(5, 10);
    num->SetBeep(true);
    changes = 0;
    Input::TypeText(num, "7");
    EXPECT_EQ(num->GetText(), "7");
    EXPECT_EQ(changes, 1);
    Input::TypeText(num, "1");   // 71 is out of range
    EXPECT_EQ(num->GetText(), "7");
    EXPECT_EQ(num->GetSelStart(), 1);   // one place left of where the caret was
    EXPECT_EQ(NewBeeps(), 1);
    EXPECT_EQ(changes, 1);
    Input::KeyDown(num, VK_BACK);   // empty text: refused, the last text returns
    EXPECT_EQ(num->GetText(), "7");
    num->SetText("11");
    EXPECT_EQ(num->GetText(), "7");
    num->SetText("0");
    EXPECT_EQ(num->GetText(), "0");
    num->SetText("   ");
    EXPECT_EQ(num->GetText(), "   ");
    EXPECT_EQ(num->GetValue(), 0.0);
    EXPECT_EQ(changes, 3);
    // Without Beep a refusal is silent.
    num->SetBeep(false);
    num->SetText("x");
    EXPECT_EQ(NewBeeps(), 3);
}

TEST_F(NumIOTest, RefusedCharacterInTheMiddleRestoresAndMovesCaretBack) {
    SetRange(-1000, 1000);
    num->SetInputFormat(itFloat);
    num->SetText("12.5");
    num->SetSelStart(2);
    Input::TypeText(num, "x");
    EXPECT_EQ(num->GetText(), "12.5");
    EXPECT_EQ(num->GetSelStart(), 2);
    Input::TypeText(num, "-");   // 12-.5 stops early: refused as well
    EXPECT_EQ(num->GetText(), "12.5");
    num->SetSelStart(0);
    Input::TypeText(num, "-");
    EXPECT_EQ(num->GetText(), "-12.5");
    EXPECT_DOUBLE_EQ(num->GetValue(), -12.5);
}

TEST_F(NumIOTest, PastingAndDeletingASelectionGoThroughTheChecks) {
    num->SetInputFormat(itInt);
    SetRange(-500, 500);
    num->SetText("42");
    Clipboard()->SetAsText("9x");
    num->SetSelStart(2);
    Input::KeyDown(num, 'V', {ssCtrl});
    EXPECT_EQ(num->GetText(), "42");
    Clipboard()->SetAsText("-1");
    num->SetSelStart(0);
    Input::KeyDown(num, 'V', {ssCtrl});
    EXPECT_EQ(num->GetText(), "-142");
    EXPECT_DOUBLE_EQ(num->GetValue(), -142.0);
    num->SetSelStart(1);
    num->SetSelLength(2);
    Input::KeyDown(num, VK_DELETE);
    EXPECT_EQ(num->GetText(), "-2");
    Clipboard()->SetAsText("9999");   // out of range
    Input::KeyDown(num, 'V', {ssCtrl});
    EXPECT_EQ(num->GetText(), "-2");
}

TEST_F(NumIOTest, RangeSettersSwapAndRecheckTheText) {
    num->SetRangeHigh(10);
    num->SetRangeLow(20);
    EXPECT_EQ(num->GetRangeLow(), 10.0);
    EXPECT_EQ(num->GetRangeHigh(), 20.0);
    num->SetRangeHigh(3);
    EXPECT_EQ(num->GetRangeLow(), 3.0);
    EXPECT_EQ(num->GetRangeHigh(), 10.0);
    num->SetRangeLow(-5);
    EXPECT_EQ(num->GetRangeLow(), -5.0);
    EXPECT_EQ(num->GetRangeHigh(), 10.0);
    num->SetText("8");
    EXPECT_EQ(num->GetText(), "8");
    num->SetBeep(true);
    num->SetRangeHigh(-1);   // range -5..-1 (swap): 8 is out and no accepted text is left
    EXPECT_EQ(num->GetRangeLow(), -5.0);
    EXPECT_EQ(num->GetRangeHigh(), -1.0);
    EXPECT_EQ(num->GetText(), "");
    EXPECT_EQ(NewBeeps(), 1);
}

TEST_F(NumIOTest, FixedPointCutsDecimalsAndGuardsThePoint) {
    num->SetInputFormat(itFixPoint);
    SetRange(-100, 100);
    num->SetValue(1.5);
    EXPECT_EQ(num->GetText(), "1.50");
    num->SetText("1.50");   // identical: nothing happens
    num->SetSelStart(4);
    Input::TypeText(num, "3");   // 1.503 is written with two decimals
    EXPECT_EQ(num->GetText(), "1.50");
    EXPECT_EQ(num->GetSelStart(), 4);
    num->SetSelStart(2);
    Input::KeyDown(num, VK_BACK);   // deleting the point: 150 is out of range, the old text is back
    EXPECT_EQ(num->GetText(), "1.50");
    EXPECT_EQ(num->GetSelStart(), 0);   // one left of the caret put before the old point
    num->SetSelStart(1);
    Input::TypeText(num, "2");
    EXPECT_EQ(num->GetText(), "12.50");
    EXPECT_EQ(num->GetSelStart(), 2);
    num->SetSelStart(5);
    Input::TypeText(num, ".");   // a second point: refused, caret one left of the old point's end
    EXPECT_EQ(num->GetText(), "12.50");
    EXPECT_EQ(num->GetSelStart(), 2);
    num->SetSelStart(5);
    Input::KeyDown(num, VK_BACK);   // a missing decimal is written again
    EXPECT_EQ(num->GetText(), "12.50");
    num->SetText("3.7");
    EXPECT_EQ(num->GetText(), "3.70");
    EXPECT_DOUBLE_EQ(num->GetValue(), 3.7);
}

TEST_F(NumIOTest, FixedPointWritesTheTypedValueRounded) {
    num->SetInputFormat(itFixPoint);
    SetRange(-1000, 1000);
    changes = 0;
    // The text as typed is converted and written with the field's decimals, rounded.
    const std::pair<const char*, const char*> typed[] = {
        {"1.999", "2.00"}, {"9.996", "10.00"}, {"1.994", "1.99"}, {"-0.005", "-0.01"}, {"7.125", "7.13"}};
    for (auto [text, shown] : typed) {
        num->SetText(text);
        EXPECT_EQ(num->GetText(), shown) << text;
        // What stays is the last accepted text: a refused edit brings it back.
        num->SetText("x");
        EXPECT_EQ(num->GetText(), shown) << text;
    }
    EXPECT_EQ(changes, 5);
    // A point deleted from 1.50 leaves 150, a number in this range: it is written afresh.
    num->SetValue(1.5);
    num->SetSelStart(2);
    Input::KeyDown(num, VK_BACK);
    EXPECT_EQ(num->GetText(), "150.00");
    // A third decimal typed behind 9.99 rounds the value up.
    num->SetValue(9.99);
    num->SetSelStart(4);
    Input::TypeText(num, "6");
    EXPECT_EQ(num->GetText(), "10.00");
}

TEST_F(NumIOTest, SeparatorModesWithPointSystemSeparator) {
    FormatSettings.DecimalSeparator = '.';
    num->SetInputFormat(itFloat);
    SetRange(-10, 10);
    num->SetText("1.5");
    EXPECT_EQ(num->GetText(), "1.5");
    num->SetText("2,5");
    EXPECT_EQ(num->GetText(), "1.5");
    num->SetDecPlaceSep(dpsPointOrComma);
    num->SetText("2,5");
    EXPECT_EQ(num->GetText(), "2,5");
    EXPECT_DOUBLE_EQ(num->GetValue(), 2.5);
    num->SetDecPlaceSep(dpsComma);   // the comma text is still valid
    EXPECT_EQ(num->GetText(), "2,5");
    EXPECT_DOUBLE_EQ(num->GetValue(), 2.5);
    num->SetText("3.5");
    EXPECT_EQ(num->GetText(), "2,5");
}

TEST_F(NumIOTest, SeparatorModesWithCommaSystemSeparator) {
    FormatSettings.DecimalSeparator = ',';
    num->SetInputFormat(itExp);
    SetRange(-1e6, 1e6);
    Input::TypeText(num, "1,5e3");
    EXPECT_EQ(num->GetText(), "1,5e3");
    EXPECT_DOUBLE_EQ(num->GetValue(), 1500.0);
    num->SetText("2.5");
    EXPECT_EQ(num->GetText(), "1,5e3");
    num->SetDecPlaceSep(dpsPoint);   // the comma text is now refused; nothing accepted yet
    EXPECT_EQ(num->GetText(), "");
}

TEST_F(NumIOTest, ValueSetterWritesEachFormatWithoutOnChange) {
    SetRange(-1e9, 1e9);
    changes = 0;
    const struct { TInFormat format; const char* text; } cases[] = {
        {itExp, " 2.55000E+02"}, {itFloat, "255.00000000"}, {itFixPoint, "255.00"},
        {itInt, "255"}, {itHex, "000000FF"}, {itOct, "00000377"}, {itBin, "11111111"},
        {itDynamic, " 2.55000E+02"}};
    for (const auto& c : cases) {
        num->SetInputFormat(c.format);   // re-checks the text, which may fire OnChange
        changes = 0;
        num->SetValue(255);
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(num->GetText(), c.text);
        EXPECT_DOUBLE_EQ(num->GetValue(), 255.0) << c.text;
    }
}

TEST_F(NumIOTest, DigitFormatsTakeOnlyTheirDigits) {
    SetRange(-1e9, 1e9);
    num->SetInputFormat(itHex);
    Input::TypeText(num, "1fG");
    EXPECT_EQ(num->GetText(), "1f");
    EXPECT_EQ(num->GetValue(), 31.0);
    num->SetInputFormat(itDynamic);
    num->SetText("");
    Input::TypeText(num, "%102");
    EXPECT_EQ(num->GetText(), "%10");
    EXPECT_EQ(num->GetValue(), 2.0);
}

TEST_F(NumIOTest, HostileTextsAreRefusedOrClampedInEveryFormat) {
    SetRange(-uc_MaxDouble, uc_MaxDouble);
    const std::string texts[] = {std::string(10000, '9'), "1e" + std::string(100000, '7'),
                                 "Ünïcödé €", std::string("\xff\xfe\x00\x01", 4), "$" + std::string(5000, 'f')};
    for (TInFormat f : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
        num->SetInputFormat(f);
        for (const std::string& t : texts) {
            num->SetText(t);
            const double v = num->GetValue();
            EXPECT_TRUE(v >= -uc_MaxDouble && v <= uc_MaxDouble);
        }
    }
    num->SetInputFormat(itExp);
    num->SetText("1e" + std::string(100000, '7'));
    EXPECT_EQ(num->GetValue(), uc_MaxDouble);
}

TEST_F(NumIOTest, AssignCopiesSettingsButNotDecimalsOrText) {
    auto other = std::make_unique<TNumIO>(nullptr);
    other->SetInputFormat(itInt);
    other->SetBeep(true);
    other->SetRangeHigh(50);
    other->SetRangeLow(-50);
    other->SetDecPlaceSep(dpsComma);
    other->SetFixPointDecPlaces(5);
    other->SetText("12");
    num->Assign(other.get());
    EXPECT_EQ(num->GetInputFormat(), itInt);
    EXPECT_TRUE(num->GetBeep());
    EXPECT_EQ(num->GetRangeLow(), -50.0);
    EXPECT_EQ(num->GetRangeHigh(), 50.0);
    EXPECT_EQ(num->GetDecPlaceSep(), dpsComma);
    EXPECT_EQ(num->GetFixPointDecPlaces(), 2);
    EXPECT_EQ(num->GetText(), "");
}

TEST_F(NumIOTest, AssignCopiesTheRangeAsItIs) {
    auto source = std::make_unique<TNumIO>(nullptr);
    source->SetRangeHigh(10);
    source->SetRangeLow(5);
    auto fresh = std::make_unique<TNumIO>(nullptr);
    fresh->Assign(source.get());
    EXPECT_EQ(fresh->GetRangeLow(), 5.0);
    EXPECT_EQ(fresh->GetRangeHigh(), 10.0);
    num->SetRangeLow(-100);
    num->SetRangeHigh(-50);
    num->Assign(source.get());
    EXPECT_EQ(num->GetRangeLow(), 5.0);
    EXPECT_EQ(num->GetRangeHigh(), 10.0);
    // The text is checked once against the copied settings.
    num->SetInputFormat(itInt);
    num->SetRangeLow(-100);
    num->SetText("-70");
    num->Assign(source.get());
    EXPECT_EQ(num->GetText(), "");
}

TEST_F(NumIOTest, ValueSetterTextIsWhatARefusedEditBringsBack) {
    num->SetInputFormat(itInt);
    SetRange(0, 100);
    num->SetValue(42);
    num->SetSelStart(2);
    Input::TypeText(num, "x");
    EXPECT_EQ(num->GetText(), "42");
    EXPECT_EQ(num->GetSelStart(), 2);
    num->SetInputFormat(itFloat);   // the format clears the last accepted text, as documented
    num->SetValue(2.5);
    num->SetText("abc");
    EXPECT_EQ(num->GetText(), "2.50000000");
    EXPECT_DOUBLE_EQ(num->GetValue(), 2.5);
}

TEST_F(NumIOTest, IntegerBeyondThirtyTwoBitsIsRefused) {
    num->SetInputFormat(itInt);
    SetRange(0, 100);
    num->SetText("12");
    Clipboard()->SetAsText("4294967297");   // 2^32 + 1 would wrap to 1
    num->SetSelStart(0);
    num->SetSelLength(2);
    Input::KeyDown(num, 'V', {ssCtrl});
    EXPECT_EQ(num->GetText(), "12");
    EXPECT_EQ(num->GetValue(), 12.0);
    num->SetInputFormat(itHex);
    SetRange(-2147483648.0, 2147483647.0);
    num->SetText("FFFFFFFF");
    EXPECT_EQ(num->GetValue(), -1.0);
    num->SetText("1FFFFFFFF");
    EXPECT_EQ(num->GetText(), "FFFFFFFF");
}

TEST_F(NumIOTest, ValueSetterWritesWhatReadsBack) {
    SetRange(-uc_MaxDouble, uc_MaxDouble);
    const double values[] = {1e40, -1e36, 1e150, 3e9, 16777216, 300};
    for (TInFormat f : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
        num->SetInputFormat(f);
        for (double x : values) {
            num->SetValue(x);
            const std::string shown = num->GetText();
            const double v = num->GetValue();
            // Decimal formats show the value (integers the nearest 32-bit one); the digit
            // formats its 32-bit pattern.
            if (f == itHex || f == itOct || f == itBin)
                EXPECT_EQ(v, RoundToPattern(x)) << f << " " << x << " " << shown;
            else if (f == itInt)
                EXPECT_EQ(v, std::clamp(x, -2147483648.0, 2147483647.0)) << x << " " << shown;
            else
                EXPECT_NEAR(v, x, std::fabs(x) * 1e-5) << f << " " << x << " " << shown;
            // The field itself accepts what it shows: typing it again changes nothing.
            num->SetText("");
            num->SetText(shown);
            EXPECT_EQ(num->GetText(), shown) << f << " " << x;
            EXPECT_EQ(num->GetValue(), v) << f << " " << x;
        }
    }
}

TEST_F(NumIOTest, StreamsFromAFormFileWithItsRange) {
    std::unique_ptr<TComponent> read(ReadComponentText(
        "object Price: TNumIO\n"
        "  InputFormat = itFixPoint\n"
        "  Text = '7.25'\n"
        "  RangeLow = 5\n"
        "  RangeHigh = 10\n"
        "  Beep = True\n"
        "end\n",
        nullptr));
    auto* price = dynamic_cast<TNumIO*>(read.get());
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(price->GetRangeLow(), 5.0);
    EXPECT_EQ(price->GetRangeHigh(), 10.0);
    EXPECT_EQ(price->GetText(), "7.25");
    EXPECT_DOUBLE_EQ(price->GetValue(), 7.25);
    price->SetText("11.00");
    EXPECT_EQ(price->GetText(), "7.25");
}

}  // namespace
