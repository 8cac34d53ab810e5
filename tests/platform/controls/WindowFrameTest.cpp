// The window frame of windowed controls: bevels and border width outside the client area,
// what they take from it, how they are drawn, and the grid's border.
#include "tests/support/FormFixture.h"

#include "platform/Classes.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Grids.h"

using namespace vcl;

namespace {

// Fills its client area with one colour, so the frame shows against it.
class Filler : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor Fill = clLime;
    TPoint LastDown{-1000, -1000};
    int Downs = 0;

protected:
    void Paint() override {
        GetCanvas()->GetBrush()->SetColor(Fill);
        GetCanvas()->FillRect(Rect(-50, -50, GetClientWidth() + 50, GetClientHeight() + 50));
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        LastDown = {X, Y};
        ++Downs;
    }
};

class WindowFrameTest : public zyn_test::FormFixture {
protected:
    // The form's back buffer at a point of control C's window (0, 0: its top-left).
    TColor At(TControl* C, int X, int Y) { return Pixel(C->GetLeft() + X, C->GetTop() + Y); }
    void Paint() { Application->ProcessMessages(); }
    const TColor shadow = RGBOf(clBtnShadow), light = RGBOf(clBtnHighlight);
};

TEST_F(WindowFrameTest, AnEmptyFrameLeavesTheClientAreaTheWholeControl) {
    auto* c = Place<Filler>(20, 30, 100, 60);
    EXPECT_EQ(c->NonClientInsets(), TRect());
    EXPECT_EQ(c->GetClientRect(), Rect(0, 0, 100, 60));
    // Bevel cuts alone draw nothing: the kind decides whether bevels show.
    c->SetBevelInner(bvLowered);
    c->SetBevelOuter(bvRaised);
    EXPECT_EQ(c->GetClientRect(), Rect(0, 0, 100, 60));
    Paint();
    EXPECT_EQ(At(c, 0, 0), RGBOf(clLime));
    EXPECT_EQ(At(c, 99, 59), RGBOf(clLime));
}

TEST_F(WindowFrameTest, BevelsAndBorderWidthShrinkTheClientArea) {
    auto* c = Place<Filler>(20, 30, 100, 60);
    c->SetBevelKind(bkTile);             // default cuts: outer lowered, inner raised
    EXPECT_EQ(c->NonClientInsets(), Rect(2, 2, 2, 2));
    EXPECT_EQ(c->GetClientRect(), Rect(0, 0, 96, 56));
    c->SetBevelWidth(3);
    c->SetBorderWidth(4);
    EXPECT_EQ(c->GetClientRect(), Rect(0, 0, 100 - 2 * 10, 60 - 2 * 10));
    c->SetBevelInner(bvNone);
    EXPECT_EQ(c->NonClientInsets(), Rect(7, 7, 7, 7));
    c->SetBevelEdges({beLeft, beTop});
    EXPECT_EQ(c->NonClientInsets(), Rect(7, 7, 4, 4));
    EXPECT_EQ(c->GetClientWidth(), 100 - 11);
    // Client origin and coordinate conversions follow the frame.
    EXPECT_EQ(c->ClientToParent({0, 0}, form.get()), TPoint(27, 37));
    EXPECT_EQ(c->ScreenToClient(form->ClientToScreen({27, 37})), TPoint(0, 0));
    // Setting the client size sizes the control around it.
    c->SetClientWidth(50);
    EXPECT_EQ(c->GetWidth(), 61);
    // Out-of-range widths are brought into range.
    c->SetBevelWidth(0);
    EXPECT_EQ(c->GetBevelWidth(), 1);
    c->SetBorderWidth(-3);
    EXPECT_EQ(c->GetBorderWidth(), 0);
}

TEST_F(WindowFrameTest, TileBevelsAreLoweredOrRaisedOuterThenInner) {
    auto* c = Place<Filler>(20, 30, 40, 30);
    c->SetColor(clYellow);
    c->SetBevelKind(bkTile);
    c->SetBevelOuter(bvLowered);
    c->SetBevelInner(bvRaised);
    c->SetBevelWidth(2);
    c->SetBorderWidth(3);
    Paint();
    // Outer ring, two pixels: lowered = shadow top-left, highlight bottom-right.
    for (int i : {0, 1}) {
        EXPECT_EQ(At(c, 10, i), shadow) << i;
        EXPECT_EQ(At(c, i, 10), shadow) << i;
        EXPECT_EQ(At(c, 10, 29 - i), light) << i;
        EXPECT_EQ(At(c, 39 - i, 10), light) << i;
    }
    // Inner ring, the next two pixels: raised = the reverse.
    for (int i : {2, 3}) {
        EXPECT_EQ(At(c, 10, i), light) << i;
        EXPECT_EQ(At(c, i, 10), light) << i;
        EXPECT_EQ(At(c, 10, 29 - i), shadow) << i;
        EXPECT_EQ(At(c, 39 - i, 10), shadow) << i;
    }
    // The bottom-right colour owns the top-right and bottom-left corners.
    EXPECT_EQ(At(c, 39, 0), light);
    EXPECT_EQ(At(c, 0, 29), light);
    // Border width in the control's colour, then the client area.
    for (int i : {4, 6}) {
        EXPECT_EQ(At(c, 10, i), RGBOf(clYellow)) << i;
        EXPECT_EQ(At(c, 39 - i, 10), RGBOf(clYellow)) << i;
    }
    EXPECT_EQ(At(c, 7, 7), RGBOf(clLime));
    EXPECT_EQ(At(c, 32, 22), RGBOf(clLime));
    EXPECT_EQ(At(c, 33, 22), RGBOf(clYellow));
    // Nothing outside the control.
    EXPECT_EQ(At(c, 40, 10), RGBOf(form->GetColor()));
}

TEST_F(WindowFrameTest, EachKindAndCutHasItsEdgeColours) {
    struct Case {
        TBevelKind kind;
        TBevelCut cut;
        TColor topLeft, bottomRight;
    };
    const Case cases[] = {
        {bkTile, bvLowered, clBtnShadow, clBtnHighlight},
        {bkTile, bvRaised, clBtnHighlight, clBtnShadow},
        {bkSoft, bvLowered, clBtnShadow, cl3DLight},
        {bkSoft, bvRaised, cl3DLight, clBtnShadow},
        {bkFlat, bvLowered, clBtnShadow, clBtnShadow},
        {bkFlat, bvRaised, clBtnShadow, clBtnShadow},
        {bkTile, bvSpace, clYellow, clYellow},
    };
    auto* c = Place<Filler>(20, 30, 40, 30);
    c->SetColor(clYellow);
    for (const Case& k : cases) {
        for (bool outer : {true, false}) {
            c->SetBevelKind(k.kind);
            c->SetBevelOuter(outer ? k.cut : bvNone);
            c->SetBevelInner(outer ? bvNone : k.cut);
            Paint();
            SCOPED_TRACE(testing::Message() << "kind " << int(k.kind) << " cut " << int(k.cut)
                                            << (outer ? " outer" : " inner"));
            EXPECT_EQ(c->NonClientInsets(), Rect(1, 1, 1, 1));
            EXPECT_EQ(At(c, 20, 0), RGBOf(k.topLeft));
            EXPECT_EQ(At(c, 0, 15), RGBOf(k.topLeft));
            EXPECT_EQ(At(c, 20, 29), RGBOf(k.bottomRight));
            EXPECT_EQ(At(c, 39, 15), RGBOf(k.bottomRight));
            EXPECT_EQ(At(c, 1, 1), RGBOf(clLime));
        }
    }
}

TEST_F(WindowFrameTest, BevelEdgesLimitTheBevelToTheGivenSides) {
    auto* c = Place<Filler>(20, 30, 40, 30);
    c->SetColor(clYellow);
    c->SetBevelKind(bkTile);
    c->SetBevelInner(bvNone);
    c->SetBevelOuter(bvRaised);
    c->SetBevelEdges({beTop, beRight});
    Paint();
    EXPECT_EQ(c->NonClientInsets(), Rect(0, 1, 1, 0));
    EXPECT_EQ(At(c, 0, 0), light);          // the top line runs to the left edge
    EXPECT_EQ(At(c, 39, 0), shadow);        // the right line owns its corner
    EXPECT_EQ(At(c, 39, 29), shadow);
    EXPECT_EQ(At(c, 0, 29), RGBOf(clLime));  // client reaches the left and bottom edges
}

TEST_F(WindowFrameTest, ChildrenAlignInsideTheFrame) {
    auto* panel = Place<Filler>(10, 10, 100, 80);
    auto* top = PlaceOn<Filler>(panel, 0, 0, 10, 20);
    auto* rest = PlaceOn<Filler>(panel, 0, 0, 10, 10);
    top->SetAlign(alTop);
    rest->SetAlign(alClient);
    rest->Fill = clAqua;
    panel->SetBevelKind(bkTile);
    panel->SetBorderWidth(2);
    // Children sit in the client area's coordinates: the frame is outside it.
    EXPECT_EQ(top->GetBoundsRect(), Rect(0, 0, 96 - 4, 20));
    EXPECT_EQ(rest->GetBoundsRect(), Rect(0, 20, 92, 72));
    Paint();
    // A child painting past its bounds stays inside the parent's client area.
    EXPECT_EQ(At(panel, 0, 0), shadow);
    EXPECT_EQ(At(panel, 4, 4), RGBOf(clLime));          // the top child at client (0, 0)
    EXPECT_EQ(At(panel, 50, 60), RGBOf(clAqua));
    EXPECT_EQ(At(panel, 99, 79), light);                 // the outer lowered ring's corner,
    EXPECT_EQ(At(panel, 98, 78), shadow);                // the inner raised one's ...
    EXPECT_EQ(At(panel, 96, 76), RGBOf(panel->GetColor()));   // ... and the border width
    EXPECT_EQ(At(panel, 95, 75), RGBOf(clAqua));
    // Growing the frame realigns and repaints.
    panel->SetBorderWidth(6);
    EXPECT_EQ(rest->GetBoundsRect(), Rect(0, 20, 84, 64));
    Paint();
    EXPECT_EQ(At(panel, 92, 72), RGBOf(panel->GetColor()));
    EXPECT_EQ(At(panel, 91, 71), RGBOf(clAqua));
}

TEST_F(WindowFrameTest, ClicksOnTheFrameAreNoClientClicks) {
    auto* c = Place<Filler>(20, 30, 60, 40);
    c->SetBevelKind(bkTile);
    c->SetBorderWidth(3);
    Input::Click(form.get(), 22, 32);       // on the frame: not the form's, not a client click
    EXPECT_EQ(c->Downs, 0);
    Input::Click(form.get(), 25, 35);       // the client area's top-left corner
    EXPECT_EQ(c->Downs, 1);
    EXPECT_EQ(c->LastDown, TPoint(0, 0));
}

TEST_F(WindowFrameTest, GridBorderIsOutsideTheCellsAndFollowsCtl3D) {
    auto* g = Place<TDrawGrid>(20, 30, 200, 120);
    EXPECT_EQ(g->GetBorderStyle(), bsNone);
    EXPECT_EQ(g->GetClientRect(), Rect(0, 0, 200, 120));
    g->SetBorderStyle(bsSingle);
    ASSERT_TRUE(g->GetCtl3D());
    EXPECT_EQ(g->GetClientRect(), Rect(0, 0, 196, 116));
    // Cells keep their client coordinates; on the form they move inside the border.
    EXPECT_EQ(g->CellRect(1, 1), Rect(65, 25, 129, 49));
    Paint();
    EXPECT_EQ(At(g, 50, 0), shadow);
    EXPECT_EQ(At(g, 0, 50), shadow);
    EXPECT_EQ(At(g, 50, 1), RGBOf(cl3DDkShadow));
    EXPECT_EQ(At(g, 1, 50), RGBOf(cl3DDkShadow));
    EXPECT_EQ(At(g, 50, 119), light);
    EXPECT_EQ(At(g, 199, 50), light);
    EXPECT_EQ(At(g, 50, 118), RGBOf(cl3DLight));
    EXPECT_EQ(At(g, 198, 50), RGBOf(cl3DLight));
    // The fixed cell (0, 0) starts at the client's origin.
    EXPECT_EQ(At(g, 2 + 10, 2 + 10), RGBOf(g->GetFixedColor()));
    EXPECT_EQ(At(g, 2 + 64, 2 + 10), RGBOf(clBlack));    // the fixed line after column 0

    g->SetCtl3D(false);
    EXPECT_EQ(g->GetClientRect(), Rect(0, 0, 198, 118));
    Paint();
    for (TPoint p : {TPoint(50, 0), TPoint(0, 50), TPoint(50, 119), TPoint(199, 50)})
        EXPECT_EQ(At(g, p.X, p.Y), RGBOf(clWindowFrame)) << p.X << "," << p.Y;
    EXPECT_EQ(At(g, 1 + 64, 1 + 10), RGBOf(clBlack));
    EXPECT_EQ(At(g, 1 + 10, 1 + 10), RGBOf(g->GetFixedColor()));

    g->SetBorderStyle(bsNone);
    EXPECT_EQ(g->GetClientRect(), Rect(0, 0, 200, 120));
}

TEST_F(WindowFrameTest, GridBorderFollowsTheParentsCtl3D) {
    auto* holder = Place<Filler>(0, 0, 300, 200);
    auto* g = PlaceOn<TDrawGrid>(holder, 10, 10, 200, 120);
    g->SetBorderStyle(bsSingle);
    ASSERT_TRUE(g->GetParentCtl3D());
    holder->SetCtl3D(false);
    EXPECT_FALSE(g->GetCtl3D());
    EXPECT_TRUE(g->GetParentCtl3D());
    EXPECT_EQ(g->GetClientRect(), Rect(0, 0, 198, 118));
    // An own value stops following; asking to follow again takes the parent's at once.
    g->SetCtl3D(true);
    EXPECT_FALSE(g->GetParentCtl3D());
    holder->SetCtl3D(true);
    holder->SetCtl3D(false);
    EXPECT_TRUE(g->GetCtl3D());
    g->SetParentCtl3D(true);
    EXPECT_FALSE(g->GetCtl3D());
    // A control put on a parent takes its value.
    auto* g2 = PlaceOn<TDrawGrid>(holder, 10, 140, 100, 50);
    EXPECT_FALSE(g2->GetCtl3D());
}

TEST_F(WindowFrameTest, FrameSettingsSurviveAFormFile) {
    auto* g = Place<TStringGrid>(20, 30, 200, 120);
    g->SetName("Grid1");
    g->SetBorderStyle(bsSingle);
    g->SetBevelKind(bkSoft);
    g->SetBevelInner(bvNone);
    g->SetBevelOuter(bvRaised);
    g->SetBevelWidth(2);
    g->SetBevelEdges({beLeft, beBottom});
    std::string text = WriteComponentText(g);
    EXPECT_NE(text.find("BevelKind = bkSoft"), std::string::npos) << text;
    std::unique_ptr<TComponent> read(ReadComponentText(text, nullptr));
    auto* r = dynamic_cast<TStringGrid*>(read.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetBorderStyle(), bsSingle);
    EXPECT_EQ(r->GetBevelKind(), bkSoft);
    EXPECT_EQ(r->GetBevelInner(), bvNone);
    EXPECT_EQ(r->GetBevelOuter(), bvRaised);
    EXPECT_EQ(r->GetBevelWidth(), 2);
    EXPECT_EQ(r->GetBevelEdges(), TBevelEdges({beLeft, beBottom}));
    EXPECT_EQ(r->NonClientInsets(), Rect(4, 2, 2, 4));

    // The tree view publishes the border width as well.
    auto* t = Place<TTreeView>(0, 0, 100, 100);
    t->SetName("Tree1");
    t->SetBorderWidth(5);
    t->SetBevelKind(bkFlat);
    std::unique_ptr<TComponent> tr(ReadComponentText(WriteComponentText(t), nullptr));
    auto* rt = dynamic_cast<TTreeView*>(tr.get());
    ASSERT_NE(rt, nullptr);
    EXPECT_EQ(rt->GetBorderWidth(), 5);
    EXPECT_EQ(rt->GetBevelKind(), bkFlat);
}

}  // namespace
