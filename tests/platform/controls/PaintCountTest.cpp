// The paint counter: exact for the framework's paint passes, and a component's direct
// Paint() from a setter counted through its canvas, with the limits its header names.
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"

using namespace vcl;
using zyn_test::PaintCounter;

namespace {

// A graphic control in the meter's manner: its setter compares, stores and calls Paint()
// at once; Paint draws on the control canvas more than once.
class TDial : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int GetValue() const { return value_; }
    void SetValue(int Value) {
        if (Value == value_) return;
        value_ = Value;
        Paint();
    }
    int paints = 0;   // calls of Paint, however they came

protected:
    void Paint() override {
        ++paints;
        TCanvas* c = GetCanvas();
        c->GetBrush()->SetColor(clWhite);
        c->FillRect(GetClientRect());
        c->GetBrush()->SetColor(clBlack);
        c->FillRect(Rect(0, 0, value_, 4));
    }

private:
    int value_ = 0;
};

// A windowed control painted only by the framework.
class TBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        GetCanvas()->FillRect(GetClientRect());
    }
};

using PaintCountTest = zyn_test::FormFixture;

TEST_F(PaintCountTest, FrameworkPassesAreCountedExactly) {
    auto* box = Place<TBox>(10, 10, 50, 50);
    auto* dial = PlaceOn<TDial>(box, 5, 5, 20, 20);
    Application->ProcessMessages();
    PaintCounter boxPaints(box), dialPaints(dial);
    box->paints = dial->paints = 0;

    // Invalidations of one pass give one paint; the child is painted with its parent.
    box->Invalidate();
    box->InvalidateRect(Rect(0, 0, 3, 3));
    EXPECT_EQ(boxPaints.Count(), 0);
    Application->ProcessMessages();
    EXPECT_EQ(boxPaints.Take(), 1);
    EXPECT_EQ(dialPaints.Take(), 1);
    Application->ProcessMessages();
    EXPECT_EQ(boxPaints.Take(), 0);

    // Repaint and PaintTo paint at once; each is one paint.
    box->Repaint();
    TBitmap picture;
    picture.SetSize(50, 50);
    box->PaintTo(picture.GetCanvas(), 0, 0);
    EXPECT_EQ(boxPaints.Take(), 2);
    EXPECT_EQ(dialPaints.Take(), 2);
    EXPECT_EQ(box->paints, 3);    // the counts match the paints that ran
    EXPECT_EQ(dial->paints, 3);

    // A hidden control is not painted.
    dial->Hide();
    Application->ProcessMessages();
    box->Repaint();
    EXPECT_EQ(dialPaints.Take(), 0);
}

TEST_F(PaintCountTest, DirectPaintsFromASetterAreCountedThroughTheCanvas) {
    auto* dial = Place<TDial>(10, 10, 40, 20);
    Application->ProcessMessages();
    PaintCounter paints(dial);
    dial->SetValue(dial->GetValue());   // the same value: nothing
    EXPECT_EQ(paints.Take(), 0);
    dial->SetValue(12);                 // Paint draws twice: one paint
    EXPECT_EQ(paints.Take(), 1);
    EXPECT_EQ(Pixel(10 + 11, 11), TColor(clBlack));   // drawn at once, on the back buffer
    dial->SetValue(20);
    EXPECT_EQ(paints.Take(), 1);

    // A framework pass ends the binding too: a direct paint after it counts again.
    dial->SetValue(5);
    dial->Repaint();
    dial->SetValue(6);
    EXPECT_EQ(paints.Take(), 3);

    // Drawing inside the framework's own pass is part of that pass.
    dial->Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 1);
}

TEST_F(PaintCountTest, LimitsOfTheDirectCount) {
    auto* dial = Place<TDial>(10, 10, 40, 20);
    Application->ProcessMessages();
    PaintCounter paints(dial);
    dial->paints = 0;
    // Two direct paints with nothing between them are one binding.
    dial->SetValue(1);
    dial->SetValue(2);
    EXPECT_EQ(dial->paints, 2);
    EXPECT_EQ(paints.Take(), 1);

    // A control on no form draws nothing, so its direct paint is not seen.
    TDial loose(nullptr);
    loose.SetBounds(0, 0, 40, 20);
    PaintCounter loosePaints(&loose);
    loose.SetValue(3);
    EXPECT_EQ(loose.paints, 1);
    EXPECT_EQ(loosePaints.Take(), 0);

    // Any drawing on the canvas outside a pass counts, also when it is no Paint().
    dial->GetCanvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(paints.Take(), 1);
}

}  // namespace
