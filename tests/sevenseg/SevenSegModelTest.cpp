// The seven-segment display's setters, repaints, resizing, Assign and published table.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"
#include "sevenseg/Zyn_sevenseg.h"

using namespace zyn;

namespace {

// Counts paints, whether called directly or by the form's paint pass.
class CountingSevenSeg : public TSevenSeg {
public:
    using TSevenSeg::TSevenSeg;
    void Paint() override {
        ++paints;
        TSevenSeg::Paint();
    }
    int paints = 0;
};

class SevenSegOnForm : public zyn_test::FormFixture {
protected:
    CountingSevenSeg* MakeDisplay() {
        auto* s = PlaceOn<CountingSevenSeg>(form.get(), 10, 10, 216, 76);
        vcl::Application->ProcessMessages();
        s->paints = 0;
        return s;
    }
    // Paints after the form's next paint pass.
    int PaintsAfterPass(CountingSevenSeg* s) {
        vcl::Application->ProcessMessages();
        return s->paints;
    }
};

}  // namespace

TEST(SevenSegModel, LimitsOfTheNumericSetters) {
    TSevenSeg s(nullptr);
    s.SetNumDigits(0);
    EXPECT_EQ(s.GetNumDigits(), 4);
    s.SetNumDigits(33);
    EXPECT_EQ(s.GetNumDigits(), 4);
    s.SetNumDigits(32);
    EXPECT_EQ(s.GetNumDigits(), 32);
    s.SetInterDigDist(300);
    EXPECT_EQ(s.GetInterDigDist(), 255);
    s.SetInterDigDist(-1000);   // overlapping cells, but no cache wider than the control allows
    EXPECT_EQ(s.GetInterDigDist(), -255);
    s.SetMargin(100);
    EXPECT_EQ(s.GetMargin(), 37);   // 76 div 2 - 1
    s.SetMargin(-5);
    EXPECT_EQ(s.GetMargin(), 0);
}

TEST_F(SevenSegOnForm, RepaintsOnlyForNewValues) {
    CountingSevenSeg* s = MakeDisplay();
    s->SetCaption("8.8.8.8.");
    s->SetColorText(vcl::clRed);
    s->SetColorBackGnd(0x333333);
    s->SetNumDigits(4);
    s->SetNumDigits(40);
    s->SetInterDigDist(2);
    s->SetMargin(8);
    s->SetFrameStyle(frSunken);
    EXPECT_EQ(PaintsAfterPass(s), 0);
    s->SetCaption("12.5");
    EXPECT_EQ(s->paints, 1);   // the caption repaints at once
    s->SetColorText(vcl::clLime);
    EXPECT_EQ(s->paints, 2);
    s->SetFrameStyle(frRaised);   // the frame style invalidates
    EXPECT_EQ(s->paints, 2);
    EXPECT_EQ(PaintsAfterPass(s), 3);
    EXPECT_EQ(Pixel(10, 40), vcl::clWhite);   // the raised frame is on the form
}

TEST_F(SevenSegOnForm, InvisiblePaintsNothing) {
    CountingSevenSeg* s = MakeDisplay();
    s->SetCaption("");
    ASSERT_EQ(Pixel(110, 48), 0x333333u);
    s->SetVisible(false);
    vcl::Application->ProcessMessages();
    const vcl::TColor formColour = Pixel(110, 48);
    ASSERT_NE(formColour, 0x333333u);
    s->Paint();   // a direct paint of the hidden display leaves the form alone
    EXPECT_EQ(Pixel(110, 48), formColour);
}

TEST_F(SevenSegOnForm, ResizingRebuildsTheCacheAlsoWithAnOnResizeHandler) {
    CountingSevenSeg* s = MakeDisplay();
    int resizes = 0;
    s->SetOnResize([&](vcl::TObject* Sender) {
        EXPECT_EQ(Sender, s);
        EXPECT_EQ(s->GetCellWidth(), 68);   // the cache has caught up when the handler runs
        ++resizes;
    });
    s->SetBounds(10, 10, 296, 96);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(s->paints, 1);   // rebuilt and repainted at once
    EXPECT_EQ(s->GetCellWidth(), 68);   // (296 - 16) div 4 - 2
    EXPECT_EQ(s->GetCellHeight(), 80);
    // A move reports a resize too, as the framework does; the cache stays as it is and the
    // display waits for the form's paint pass.
    s->SetBounds(20, 20, 296, 96);
    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(s->paints, 1);
    EXPECT_EQ(s->GetCellWidth(), 68);
}

TEST(SevenSegModel, AssignCopiesSettingsAndBothCanGoInEitherOrder) {
    for (bool sourceFirst : {true, false}) {
        auto a = std::make_unique<TSevenSeg>(nullptr);
        auto b = std::make_unique<TSevenSeg>(nullptr);
        a->SetBounds(0, 0, 300, 90);
        a->SetCaption("-12\u00B0");
        a->SetColorText(vcl::clYellow);
        a->SetNumDigits(5);
        a->SetInterDigDist(4);
        a->SetMargin(6);
        a->SetFrameStyle(frRaisedDouble);
        b->Assign(a.get());
        EXPECT_EQ(b->GetCaption(), "-12\u00B0");
        EXPECT_EQ(b->GetColorText(), vcl::clYellow);
        EXPECT_EQ(b->GetFrameStyle(), frRaisedDouble);
        EXPECT_EQ(b->GetWidth(), 216);   // the size stays
        // Its own cache, built for its own size from the copied settings.
        EXPECT_NE(b->GetImageCache(), a->GetImageCache());
        EXPECT_EQ(b->GetCellWidth(), (216 - 12) / 5 - 4);
        EXPECT_EQ(b->GetCellHeight(), 76 - 12);
        if (sourceFirst) a.reset();
        b.reset();
    }
    TSevenSeg b(nullptr);
    vcl::TBitmap other;
    EXPECT_THROW(b.Assign(&other), vcl::Exception);
}

TEST(SevenSegPublished, TableMatchesTheFreshDisplay) {
    TSevenSeg s(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TSevenSeg");
    ASSERT_NE(info, nullptr);
    for (const char* name :
         {"Caption", "ColorBackGnd", "ColorText", "ColorScheme", "FrameStyle", "InterDigDist", "Margin", "NumDigits"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(s)) << name;
    }
    info->FindProperty("FrameStyle")->SetAsText(s, "frRaisedDouble");
    EXPECT_EQ(s.GetFrameStyle(), frRaisedDouble);
}

// While a form file is read the setters and the size only store: nothing paints and no
// cache is built until Loaded, after which the display paints once. A display of 20,000 x
// 20,000 pixels (too large for a cache of 21 cells) reads back from its form text.
TEST_F(SevenSegOnForm, NothingPaintsWhileLoadingThenOnePaint) {
    CountingSevenSeg* s = MakeDisplay();
    zyn_test::PaintCounter paints(s);
    s->SetComponentStateItem(vcl::csLoading, true);
    s->SetBounds(10, 10, 300, 90);
    EXPECT_EQ(paints.Take(), 0);
    s->SetCaption("12:5");
    EXPECT_EQ(paints.Take(), 0);
    s->SetColorText(vcl::clLime);
    s->SetNumDigits(5);
    EXPECT_EQ(paints.Take(), 0);
    EXPECT_EQ(s->GetCellHeight(), 76 - 2 * s->GetMargin());   // the cache waits
    s->Loaded();
    EXPECT_EQ(s->GetCellHeight(), 90 - 2 * s->GetMargin());
    vcl::Application->ProcessMessages();
    EXPECT_EQ(paints.Take(), 1);
}

TEST_F(SevenSegOnForm, AHugeDisplayReadsBackFromItsFormText) {
    CountingSevenSeg* s = MakeDisplay();
    s->SetName("Big");
    s->SetBounds(0, 0, 20000, 20000);
    s->SetCaption("8.8:");
    EXPECT_EQ(s->GetImageCache()->GetWidth(), 0);   // 21 cells of 4,996 x 19,984 pixels do not fit
    const std::string text = vcl::WriteComponentText(s);
    std::unique_ptr<vcl::TComponent> copy(vcl::ReadComponentText(text, nullptr));
    auto* back = dynamic_cast<TSevenSeg*>(copy.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetWidth(), 20000);
    EXPECT_EQ(back->GetHeight(), 20000);
    EXPECT_EQ(back->GetCaption(), "8.8:");
}
