// Painting: order, clipping, coalesced invalidation, direct repaint and PaintTo.
#include "tests/support/FormFixture.h"

#include "platform/ExtCtrls.h"

using namespace vcl;

namespace {

std::vector<std::string> g_log;

// Paints a colour over a rectangle far larger than itself, so clipping shows.
class WinProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor Fill = clRed;

protected:
    void Paint() override {
        g_log.push_back(GetName());
        GetCanvas()->GetBrush()->SetColor(Fill);
        GetCanvas()->FillRect(Rect(-500, -500, 1000, 1000));
    }
};

class GraphicProbe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    TColor Fill = clBlue;

protected:
    void Paint() override {
        g_log.push_back(GetName());
        GetCanvas()->GetBrush()->SetColor(Fill);
        GetCanvas()->FillRect(Rect(-500, -500, 1000, 1000));
    }
};

class PaintEngineTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        g_log.clear();
    }
};

TEST_F(PaintEngineTest, ParentPaintsFirstThenGraphicThenWindowedChildrenInZOrder) {
    auto* panel = PlaceOn<WinProbe>(form.get(), 10, 10, 200, 150, "Panel");
    auto* w1 = PlaceOn<WinProbe>(panel, 10, 10, 30, 30, "W1");
    auto* g1 = PlaceOn<GraphicProbe>(panel, 50, 10, 30, 30, "G1");
    auto* w2 = PlaceOn<WinProbe>(panel, 90, 10, 30, 30, "W2");
    auto* g2 = PlaceOn<GraphicProbe>(panel, 130, 10, 30, 30, "G2");
    (void)w1, (void)g1, (void)w2, (void)g2;
    Application->ProcessMessages();
    g_log.clear();
    panel->Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(g_log, (std::vector<std::string>{"Panel", "G1", "G2", "W1", "W2"}));

    // Bringing a windowed child to the front changes the order among windowed children only.
    w1->BringToFront();
    Application->ProcessMessages();
    g_log.clear();
    panel->Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(g_log, (std::vector<std::string>{"Panel", "G1", "G2", "W2", "W1"}));
}

TEST_F(PaintEngineTest, AChildNeverDrawsOutsideItselfOrItsParent) {
    auto* panel = PlaceOn<WinProbe>(form.get(), 20, 20, 60, 60, "Panel");
    panel->Fill = clLime;
    auto* child = PlaceOn<GraphicProbe>(panel, 40, 40, 50, 50, "Child");   // reaches past the panel
    (void)child;
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(19, 50), ColorToRGB(clBtnFace) & 0xFFFFFF);   // left of the panel: form face
    EXPECT_EQ(Pixel(20, 20), TColor(clLime));                      // panel's own corner
    EXPECT_EQ(Pixel(59, 59), TColor(clLime));                      // just before the child
    EXPECT_EQ(Pixel(60, 60), TColor(clBlue));                      // child's top-left
    EXPECT_EQ(Pixel(79, 79), TColor(clBlue));                      // last pixel inside the panel
    EXPECT_EQ(Pixel(80, 79), ColorToRGB(clBtnFace) & 0xFFFFFF);    // right edge excluded
    EXPECT_EQ(Pixel(79, 80), ColorToRGB(clBtnFace) & 0xFFFFFF);    // bottom edge excluded
    EXPECT_EQ(Pixel(100, 100), ColorToRGB(clBtnFace) & 0xFFFFFF);  // rest of the child is hidden
}

TEST_F(PaintEngineTest, InvalidationsAreCoalescedIntoOnePaintPerPass) {
    auto* probe = PlaceOn<WinProbe>(form.get(), 10, 10, 50, 50, "Probe");
    Application->ProcessMessages();
    int before = Testing::PaintCount(probe);
    for (int i = 0; i < 5; ++i) probe->Invalidate();
    probe->InvalidateRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(Testing::PaintCount(probe), before);   // nothing until the loop runs
    Application->ProcessMessages();
    EXPECT_EQ(Testing::PaintCount(probe), before + 1);
    Application->ProcessMessages();
    EXPECT_EQ(Testing::PaintCount(probe), before + 1);   // nothing left to paint
}

TEST_F(PaintEngineTest, RepaintDrawsAtOnceAndInvisibleControlsAreSkipped) {
    auto* probe = PlaceOn<WinProbe>(form.get(), 10, 10, 50, 50, "Probe");
    Application->ProcessMessages();
    int before = Testing::PaintCount(probe);
    probe->Fill = clYellow;
    probe->Repaint();
    EXPECT_EQ(Testing::PaintCount(probe), before + 1);
    EXPECT_EQ(Pixel(30, 30), TColor(clYellow));

    probe->SetVisible(false);
    Application->ProcessMessages();
    int hidden = Testing::PaintCount(probe);
    EXPECT_EQ(Pixel(30, 30), ColorToRGB(clBtnFace) & 0xFFFFFF);   // uncovered area repainted
    probe->Invalidate();
    form->Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(Testing::PaintCount(probe), hidden);
}

TEST_F(PaintEngineTest, DirectCanvasDrawingOutsidePaintStaysClipped) {
    auto* panel = PlaceOn<WinProbe>(form.get(), 100, 100, 40, 40, "Panel");
    auto* g = PlaceOn<GraphicProbe>(panel, 10, 10, 20, 20, "G");
    Application->ProcessMessages();
    // A component drawing straight from a setter: the canvas is bound to the back buffer.
    TCanvas* c = g->GetCanvas();
    c->GetBrush()->SetColor(clFuchsia);
    c->FillRect(Rect(-100, -100, 100, 100));
    EXPECT_EQ(Pixel(110, 110), TColor(clFuchsia));
    EXPECT_EQ(Pixel(129, 129), TColor(clFuchsia));
    EXPECT_EQ(Pixel(130, 130), TColor(clRed));   // the panel around it is untouched
    EXPECT_EQ(Pixel(109, 109), TColor(clRed));
}

// A control on a hidden page (its own Visible true, a parent's false) is not on the screen:
// what it draws straight from a setter or a timer must not land on the page shown in its
// place, nor be sent to the window.
TEST_F(PaintEngineTest, DirectDrawingOfAControlThatIsNotShowingGoesNowhere) {
    auto* shown = PlaceOn<WinProbe>(form.get(), 100, 100, 40, 40, "Shown");
    auto* hidden = PlaceOn<WinProbe>(form.get(), 100, 100, 40, 40, "Hidden");
    hidden->Fill = clNavy;
    auto* g = PlaceOn<GraphicProbe>(hidden, 10, 10, 20, 20, "G");
    hidden->SetVisible(false);
    Application->ProcessMessages();
    ASSERT_EQ(Pixel(110, 110), TColor(clRed));
    for (TCanvas* canvas : {g->GetCanvas(), hidden->GetCanvas()}) {
        canvas->GetBrush()->SetColor(clFuchsia);
        canvas->FillRect(Rect(-100, -100, 100, 100));
        EXPECT_EQ(Pixel(110, 110), TColor(clRed));
        EXPECT_EQ(Pixel(101, 101), TColor(clRed));
    }
    // Shown again, it paints as usual.
    hidden->SetVisible(true);
    Application->ProcessMessages();
    EXPECT_EQ(Pixel(101, 101), TColor(clNavy));
    EXPECT_EQ(Pixel(110, 110), TColor(clBlue));
    (void)shown;
}

TEST_F(PaintEngineTest, PaintToRendersTheControlTreeIntoAnyCanvas) {
    auto* panel = PlaceOn<WinProbe>(form.get(), 100, 100, 40, 30, "Panel");
    panel->Fill = clNavy;
    auto* g = PlaceOn<GraphicProbe>(panel, 5, 5, 10, 10, "G");
    g->Fill = clYellow;
    TBitmap bmp;
    bmp.SetPixelFormat(pf32bit);
    bmp.SetSize(100, 100);
    bmp.GetCanvas()->GetBrush()->SetColor(clWhite);
    bmp.GetCanvas()->FillRect(Rect(0, 0, 100, 100));
    panel->PaintTo(bmp.GetCanvas(), 20, 30);
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(19, 30) & 0xFFFFFF, TColor(clWhite));
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(20, 30) & 0xFFFFFF, TColor(clNavy));
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(25, 35) & 0xFFFFFF, TColor(clYellow));
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(34, 44) & 0xFFFFFF, TColor(clYellow));
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(35, 45) & 0xFFFFFF, TColor(clNavy));
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(60, 30) & 0xFFFFFF, TColor(clWhite));   // right edge excluded
}

TEST_F(PaintEngineTest, AlignedChildrenFillTheirParentInOrder) {
    auto* top = PlaceOn<TPanel>(form.get(), 0, 0, 50, 30);
    auto* bottom = PlaceOn<TPanel>(form.get(), 0, 0, 50, 20);
    auto* client = PlaceOn<TPanel>(form.get(), 0, 0, 10, 10);
    top->SetAlign(alTop);
    bottom->SetAlign(alBottom);
    client->SetAlign(alClient);
    EXPECT_EQ(top->GetBoundsRect(), Rect(0, 0, 400, 30));
    EXPECT_EQ(bottom->GetBoundsRect(), Rect(0, 280, 400, 300));
    EXPECT_EQ(client->GetBoundsRect(), Rect(0, 30, 400, 280));
    form->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(bottom->GetBoundsRect(), Rect(0, 180, 300, 200));
    EXPECT_EQ(client->GetBoundsRect(), Rect(0, 30, 300, 180));

    // Anchored to the right and bottom: the distances to those edges stay.
    auto* anchored = PlaceOn<TPanel>(client, 200, 100, 50, 20);
    anchored->SetAnchors({akRight, akBottom});
    form->SetBounds(0, 0, 350, 250);
    EXPECT_EQ(anchored->GetBoundsRect(), Rect(250, 150, 300, 170));
}

}  // namespace
