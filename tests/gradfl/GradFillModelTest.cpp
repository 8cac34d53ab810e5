// The gradient fill's setters: colours and flipping, clamping, repaints, events, form files.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Testing.h"
#include "gradfl/Zyn_gradfl.h"
#include "platform/Forms.h"
#include "platform/Classes.h"

using namespace zyn;

TEST(GradFillModel, FlippingSwapsTheColoursAndRemembersWhatWasSetWhileFlipped) {
    TGradFill g(nullptr);
    g.SetColorFlipped(true);
    EXPECT_EQ(g.GetColorFirst(), vcl::clYellow);
    EXPECT_EQ(g.GetColorLast(), vcl::clMaroon);
    // Set while flipped: in use at the first end, remembered as the base last colour.
    g.SetColorFirst(vcl::clBlue);
    EXPECT_EQ(g.GetColorFirst(), vcl::clBlue);
    EXPECT_EQ(g.GetColorLast(), vcl::clMaroon);
    g.SetColorFlipped(false);
    EXPECT_EQ(g.GetColorFirst(), vcl::clMaroon);
    EXPECT_EQ(g.GetColorLast(), vcl::clBlue);
    // Flipping twice in the same direction does not swap again.
    g.SetColorFlipped(false);
    EXPECT_EQ(g.GetColorFirst(), vcl::clMaroon);
    g.SetColorLast(vcl::clLime);
    g.SetColorFlipped(true);
    g.SetColorFlipped(true);
    EXPECT_EQ(g.GetColorFirst(), vcl::clLime);
    EXPECT_EQ(g.GetColorLast(), vcl::clMaroon);
}

TEST(GradFillModel, NrColorsIsClamped) {
    TGradFill g(nullptr);
    for (auto [in, want] : {std::pair{0, 1}, {-5, 1}, {1, 1}, {255, 255}, {300, 255}, {17, 17}}) {
        g.SetNrColors(in);
        EXPECT_EQ(g.GetNrColors(), want) << in;
    }
}

TEST(GradFillModel, SettersRepaintAndPaintFiresOnPaint) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    auto* g = new TGradFill(form.get());
    g->SetParent(form.get());
    form->Show();
    vcl::Application->ProcessMessages();
    int painted = 0;
    g->SetOnPaint([&](vcl::TObject* Sender) {
        EXPECT_EQ(Sender, g);
        ++painted;
    });
    const int before = vcl::Testing::PaintCount(g);
    g->SetFillType(gtHoriz);   // the one setter that compares
    vcl::Application->ProcessMessages();
    EXPECT_EQ(vcl::Testing::PaintCount(g), before);
    EXPECT_EQ(painted, 0);
    g->SetNrColors(16);        // the others repaint even for the current value
    vcl::Application->ProcessMessages();
    EXPECT_EQ(vcl::Testing::PaintCount(g), before + 1);
    EXPECT_EQ(painted, 1);
    g->SetFillType(gtVert);
    g->SetGridMode(gmBoth);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(painted, 2);     // invalidations coalesce into one paint
    EXPECT_EQ(form->GetBackBuffer()->GetCanvas()->GetPixels(0, 60), vcl::clMaroon);
}

TEST(GradFillModel, FlippedColoursSurviveAFormFile) {
    vcl::TForm form(nullptr);
    form.SetName("Form1");
    auto* g = new TGradFill(&form);
    g->SetName("Grad1");
    g->SetParent(&form);
    g->SetColorFlipped(true);             // in use: yellow, maroon
    g->SetColorLast(vcl::clGreen);        // remembered as the base first colour
    g->SetFillType(gtMidBandHoriz);
    g->SetNrColors(9);
    const std::string text = vcl::WriteComponentText(&form);
    vcl::TForm copy(nullptr);
    vcl::ReadRootText(text, &copy);
    auto* h = dynamic_cast<TGradFill*>(copy.FindComponent("Grad1"));
    ASSERT_NE(h, nullptr) << text;
    EXPECT_TRUE(h->GetColorFlipped());
    EXPECT_EQ(h->GetColorFirst(), vcl::clYellow);
    EXPECT_EQ(h->GetColorLast(), vcl::clGreen);
    EXPECT_EQ(h->GetFillType(), gtMidBandHoriz);
    EXPECT_EQ(h->GetNrColors(), 9);
    h->SetColorFlipped(false);
    EXPECT_EQ(h->GetColorFirst(), vcl::clGreen);
    EXPECT_EQ(h->GetColorLast(), vcl::clYellow);
}
