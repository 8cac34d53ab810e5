// Labels (auto size, layout, transparency, accelerators), speed buttons and check boxes.
#include "tests/support/FormFixture.h"

#include "platform/Buttons.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

// Text measured the way the label measures it: its font on a plain canvas.
TSize Measure(TFont* Font, const std::string& Text) {
    TBitmap bmp;
    bmp.SetSize(1, 1);
    bmp.GetCanvas()->GetFont()->Assign(Font);
    return TSize(bmp.GetCanvas()->TextWidth(Text), bmp.GetCanvas()->TextHeight("Wg"));
}

using LabelTest = zyn_test::FormFixture;

TEST_F(LabelTest, AutoSizeFitsTheCaption) {
    auto* label = PlaceOn<TLabel>(form.get(), 100, 20, 65, 17);
    label->SetCaption("Temperature");
    TSize size = Measure(label->GetFont(), "Temperature");
    EXPECT_EQ(label->GetWidth(), size.cx);
    EXPECT_EQ(label->GetHeight(), size.cy);

    label->GetFont()->SetSize(14);
    TSize bigger = Measure(label->GetFont(), "Temperature");
    EXPECT_GT(bigger.cx, size.cx);
    EXPECT_EQ(label->GetWidth(), bigger.cx);

    // "&&" shows one ampersand; two lines stack.
    label->SetCaption("A&&B\nsecond");
    EXPECT_EQ(label->GetWidth(), std::max(Measure(label->GetFont(), "A&B").cx, Measure(label->GetFont(), "second").cx));
    EXPECT_EQ(label->GetHeight(), 2 * bigger.cy);
}

TEST_F(LabelTest, RightJustifiedAutoSizeKeepsTheRightEdge) {
    auto* label = PlaceOn<TLabel>(form.get(), 100, 20, 80, 17);
    label->SetAlignment(taRightJustify);
    label->SetCaption("ab");
    EXPECT_EQ(label->GetLeft() + label->GetWidth(), 180);
    label->SetCaption("abcdef");
    EXPECT_EQ(label->GetLeft() + label->GetWidth(), 180);
}

TEST_F(LabelTest, FixedSizeLabelAlignsAndOpaqueOnesFillTheirColour) {
    auto* label = PlaceOn<TLabel>(form.get(), 10, 10, 120, 40);
    label->SetAutoSize(false);
    label->SetColor(clYellow);
    label->SetCaption("x");
    label->SetAlignment(taRightJustify);
    label->SetLayout(tlBottom);
    EXPECT_EQ(label->GetWidth(), 120);
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(12, 12), TColor(clYellow));
    // The glyph sits in the bottom-right corner: some pixel there is not yellow.
    TSize x = Measure(label->GetFont(), "x");
    bool inked = false;
    for (int yy = 50 - x.cy; yy < 50; ++yy)
        for (int xx = 130 - x.cx; xx < 130; ++xx) inked = inked || Pixel(xx, yy) != TColor(clYellow);
    EXPECT_TRUE(inked);
    label->SetTransparent(true);
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(12, 12), ColorToRGB(clBtnFace) & 0xFFFFFF);
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl) {
    auto* edit = PlaceOn<TEdit>(form.get(), 10, 60, 100, 21);
    auto* other = PlaceOn<TEdit>(form.get(), 10, 90, 100, 21);
    auto* label = PlaceOn<TLabel>(form.get(), 10, 40, 65, 17);
    label->SetCaption("&Name");
    label->SetFocusControl(edit);
    other->SetFocus();
    Input::KeyPress(other, U'n');   // without Alt it is typed
    EXPECT_EQ(other->GetText(), "n");
    Input::KeyDown(other, 'N', {ssAlt});   // Alt+N: the label's accelerator
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetText(), "");
    delete edit;   // the label forgets a freed focus control
    EXPECT_EQ(label->GetFocusControl(), nullptr);
}

// ---- speed buttons -------------------------------------------------------------------------

class CountingButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;
    int downs = 0, ups = 0;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        ++downs;
        TSpeedButton::MouseDown(Button, Shift, X, Y);
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        TSpeedButton::MouseUp(Button, Shift, X, Y);
        ++ups;
    }
};

using SpeedButtonTest = zyn_test::FormFixture;

TEST_F(SpeedButtonTest, ClickFiresOnlyOnReleaseOverTheButton) {
    auto* b = PlaceOn<CountingButton>(form.get(), 10, 10, 60, 25);
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    Input::MouseDown(b, mbLeft, {}, 5, 5);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(b->GetState(), bsDown);
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(40, 20), TColor(RGB(0xCC, 0xE4, 0xF7)));   // pushed face
    Input::MouseMove(b, 100, 5, {ssLeft});
    EXPECT_EQ(b->GetState(), bsUp);
    Input::MouseUp(b, mbLeft, {}, 100, 5);
    EXPECT_EQ(clicks, 0);
    Input::Click(b, 5, 5);
    EXPECT_EQ(clicks, 1);
    Input::Click(b, 5, 5, {}, mbRight);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->downs, 3);   // the overridable virtuals see every press
    EXPECT_EQ(b->ups, 3);
}

TEST_F(SpeedButtonTest, GroupedButtonsStayDownExclusively) {
    auto* a = PlaceOn<TSpeedButton>(form.get(), 10, 10, 30, 25);
    auto* b = PlaceOn<TSpeedButton>(form.get(), 50, 10, 30, 25);
    auto* c = PlaceOn<TSpeedButton>(form.get(), 90, 10, 30, 25);
    for (auto* s : {a, b, c}) s->SetGroupIndex(1);
    Input::Click(a, 5, 5);
    EXPECT_TRUE(a->GetDown());
    Input::Click(b, 5, 5);
    EXPECT_TRUE(b->GetDown());
    EXPECT_FALSE(a->GetDown());
    Input::Click(b, 5, 5);   // the last one down cannot go up
    EXPECT_TRUE(b->GetDown());
    c->SetAllowAllUp(true);  // shared by the whole group
    EXPECT_TRUE(a->GetAllowAllUp());
    Input::Click(b, 5, 5);
    EXPECT_FALSE(b->GetDown());
    c->SetDown(true);
    EXPECT_TRUE(c->GetDown());
    EXPECT_FALSE(b->GetDown());
    // Without a group a button never stays down.
    auto* plain = PlaceOn<TSpeedButton>(form.get(), 130, 10, 30, 25);
    plain->SetDown(true);
    EXPECT_FALSE(plain->GetDown());
}

TEST_F(SpeedButtonTest, GroupMessagesOfOtherControlsAreIgnored) {
    // Other button kinds announce their groups with the same message; a speed button of the
    // same group number neither goes up nor takes their settings.
    auto* a = PlaceOn<TSpeedButton>(form.get(), 10, 10, 30, 25);
    a->SetGroupIndex(1);
    a->SetDown(true);
    auto* other = PlaceOn<TPanel>(form.get(), 50, 10, 30, 25);
    TMessage m{CM_BUTTONPRESSED, 1, reinterpret_cast<LPARAM>(static_cast<TControl*>(other)), 0};
    form->Broadcast(m);
    EXPECT_TRUE(a->GetDown());
    EXPECT_FALSE(a->GetAllowAllUp());
}

TEST_F(SpeedButtonTest, GlyphIsDrawnWithItsTransparentColour) {
    auto* b = PlaceOn<TSpeedButton>(form.get(), 10, 10, 40, 40);
    b->SetFlat(true);
    TBitmap glyph;
    glyph.SetPixelFormat(pf24bit);
    glyph.SetSize(16, 16);
    glyph.GetCanvas()->GetBrush()->SetColor(clFuchsia);   // the bottom-left pixel: transparent
    glyph.GetCanvas()->FillRect(Rect(0, 0, 16, 16));
    glyph.GetCanvas()->GetBrush()->SetColor(clNavy);
    glyph.GetCanvas()->FillRect(Rect(4, 4, 12, 12));
    b->SetGlyph(&glyph);
    Application->ProcessMessages();
    // Centred: the glyph's top-left lands at (12, 12) inside the button.
    EXPECT_EQ(Pixel(10 + 12 + 4, 10 + 12 + 4), TColor(clNavy));
    EXPECT_EQ(Pixel(10 + 12 + 1, 10 + 12 + 1), ColorToRGB(clBtnFace) & 0xFFFFFF);
}

// ---- check box ---------------------------------------------------------------------------

using CheckBoxTest = zyn_test::FormFixture;

TEST_F(CheckBoxTest, ClickAndSpaceToggleAndSettingFiresOnClick) {
    auto* box = PlaceOn<TCheckBox>(form.get(), 10, 10, 120, 17);
    box->SetCaption("Check me");
    int clicks = 0;
    box->SetOnClick([&](TObject*) { ++clicks; });
    Input::Click(box, 5, 8);
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(box->Focused());
    Input::KeyPress(box, U' ');
    EXPECT_FALSE(box->GetChecked());
    box->SetChecked(true);
    EXPECT_EQ(clicks, 3);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 3);
    box->SetAllowGrayed(true);
    box->Toggle();
    EXPECT_EQ(box->GetState(), cbUnchecked);
    box->Toggle();
    EXPECT_EQ(box->GetState(), cbGrayed);
}

}  // namespace
