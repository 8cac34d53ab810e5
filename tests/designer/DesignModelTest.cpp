// The design model: selection, moving and sizing with grid and guides, keys, the clipboard
// of controls, z-order and undo, driven as the designer's surface drives it.
#include <gtest/gtest.h>

#include "apps/designer/model/DesignModel.h"
#include "platform/Classes.h"
#include "platform/Clipbrd.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

namespace {

using namespace vcl;
using designer::TDesignModel;
using designer::THandle;

TControl* DropAt(TDesignModel& M, const char* Cls, TRect R, TWinControl* Parent = nullptr) {
    return dynamic_cast<TControl*>(M.Drop(Cls, Parent, R));
}

TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
TPoint Plus(TPoint P, int Dx, int Dy) { return {P.X + Dx, P.Y + Dy}; }

TEST(DesignSelection, ClickShiftClickAndRubberBand) {
    TDesignModel m;
    TControl* a = DropAt(m, "TButton", Bounds(16, 16, 80, 24));
    TControl* b = DropAt(m, "TButton", Bounds(120, 16, 80, 24));
    TControl* c = DropAt(m, "TButton", Bounds(16, 100, 80, 24));
    EXPECT_EQ(a->GetName(), "Button1");
    EXPECT_EQ(c->GetName(), "Button3");

    m.Click({20, 20}, false);
    ASSERT_EQ(m.Selection().size(), 1u);
    EXPECT_EQ(m.Selection()[0], a);
    m.Click({130, 20}, true);
    EXPECT_EQ(m.Selection().size(), 2u);
    m.Click({20, 20}, true);   // Shift+click on a selected control drops it
    ASSERT_EQ(m.Selection().size(), 1u);
    EXPECT_EQ(m.Selection()[0], b);
    m.Click({300, 300}, false);
    EXPECT_EQ(m.Selection()[0], m.Form());

    // The band touches a and b only.
    m.SelectRect({10, 10}, {125, 30}, false);
    EXPECT_EQ(m.Selection().size(), 2u);
    EXPECT_TRUE(m.IsSelected(a) && m.IsSelected(b) && !m.IsSelected(c));
    m.SelectRect({10, 95}, {30, 110}, true);
    EXPECT_EQ(m.Selection().size(), 3u);
}

TEST(DesignSelection, BandInsideAPanelPicksItsChildren) {
    TDesignModel m;
    auto* panel = dynamic_cast<TWinControl*>(DropAt(m, "TPanel", Bounds(40, 40, 200, 150)));
    TControl* inner = DropAt(m, "TButton", Bounds(10, 10, 60, 24), panel);
    DropAt(m, "TButton", Bounds(300, 40, 60, 24));
    EXPECT_EQ(inner->GetParent(), panel);
    EXPECT_EQ(m.ControlAt({55, 55}), inner);
    m.SelectRect({150, 150}, {45, 45}, false);
    ASSERT_EQ(m.Selection().size(), 1u);
    EXPECT_EQ(m.Selection()[0], inner);
}

TEST(DesignMove, DragSnapsToTheGridAndIsOneUndoStep) {
    TDesignModel m;
    TControl* a = DropAt(m, "TButton", Bounds(16, 16, 80, 24));
    std::string before = m.SaveText();
    m.Click({20, 20}, false);
    ASSERT_TRUE(m.BeginDrag({20, 20}));
    m.DragTo({25, 22});
    m.DragTo({33, 27});   // 13, 7 -> the left edge 29 snaps to 32, the top 23 to 24
    m.EndDrag();
    EXPECT_EQ(a->GetBoundsRect(), Bounds(32, 24, 80, 24));
    m.Undo();
    EXPECT_EQ(m.SaveText(), before);
    m.Redo();
    EXPECT_EQ(m.Find("Button1")->GetName(), "Button1");
    EXPECT_EQ(dynamic_cast<TControl*>(m.Find("Button1"))->GetLeft(), 32);
    EXPECT_FALSE(m.CanRedo());
}

TEST(DesignMove, GuidesLineEdgesUpWithSiblings) {
    TDesignModel m;
    m.SetSnapToGrid(false);
    TControl* a = DropAt(m, "TButton", Bounds(50, 20, 80, 24));
    TControl* b = DropAt(m, "TButton", Bounds(200, 100, 60, 24));
    m.Select(b);
    ASSERT_TRUE(m.BeginDrag({210, 110}));
    m.DragTo({210 - 147, 110});   // b's left 53: within reach of a's left 50
    EXPECT_EQ(b->GetLeft(), 50);
    ASSERT_FALSE(m.Guides().empty());
    designer::TGuide g = m.Guides()[0];
    EXPECT_TRUE(g.Vertical);
    EXPECT_EQ(g.Position, 50);
    EXPECT_EQ(g.From, 20);
    EXPECT_EQ(g.To, 124);
    m.DragTo({210 - 140, 110});   // left 60: too far from any edge
    EXPECT_EQ(b->GetLeft(), 60);
    EXPECT_TRUE(m.Guides().empty());
    m.EndDrag();
    (void)a;
}

TEST(DesignSize, HandlesSizeAndHonourConstraintsAndAlign) {
    TDesignModel m;
    m.SetSnapToGrid(false);
    auto* p = dynamic_cast<TPanel*>(DropAt(m, "TPanel", Bounds(40, 40, 100, 80)));
    TRect r = m.FormRect(p);
    std::vector<TRect> handles = m.HandleRects(p);
    ASSERT_EQ(handles.size(), 8u);
    EXPECT_EQ(m.HandleAt(Centre(handles[3])), THandle::Right);
    EXPECT_EQ(m.HandleAt(Centre(handles[0])), THandle::TopLeft);

    ASSERT_TRUE(m.BeginDrag(Centre(handles[3])));
    m.DragTo(Plus(Centre(handles[3]), 30, 9));
    m.EndDrag();
    EXPECT_EQ(p->GetBoundsRect(), Bounds(40, 40, 130, 80));

    // The left handle against a minimum width: the right edge stays put.
    p->GetConstraints()->SetMinWidth(90);
    handles = m.HandleRects(p);
    ASSERT_TRUE(m.BeginDrag(Centre(handles[7])));
    m.DragTo(Plus(Centre(handles[7]), 100, 0));
    m.EndDrag();
    EXPECT_EQ(p->GetWidth(), 90);
    EXPECT_EQ(p->GetLeft() + p->GetWidth(), 170);

    // An alLeft control sizes only by its right edge.
    p->SetAlign(alLeft);
    int top = p->GetTop(), height = p->GetHeight();
    handles = m.HandleRects(p);
    ASSERT_TRUE(m.BeginDrag(Centre(handles[4])));
    m.DragTo(Plus(Centre(handles[4]), 20, 20));
    m.EndDrag();
    EXPECT_EQ(p->GetTop(), top);
    EXPECT_EQ(p->GetHeight(), height);
    EXPECT_EQ(p->GetWidth(), 110);
    (void)r;
}

TEST(DesignSize, AnchoredChildFollowsItsContainer) {
    TDesignModel m;
    m.SetSnapToGrid(false);
    auto* p = dynamic_cast<TWinControl*>(DropAt(m, "TPanel", Bounds(20, 20, 200, 100)));
    TControl* child = DropAt(m, "TButton", Bounds(120, 10, 60, 24), p);
    child->SetAnchors(TAnchors{akTop, akRight});
    m.Select(p);
    std::vector<TRect> handles = m.HandleRects(p);
    ASSERT_TRUE(m.BeginDrag(Centre(handles[3])));
    m.DragTo(Plus(Centre(handles[3]), 40, 0));
    m.EndDrag();
    EXPECT_EQ(p->GetWidth(), 240);
    EXPECT_EQ(child->GetLeft(), 160);
    EXPECT_EQ(child->GetWidth(), 60);
}

TEST(DesignKeys, ArrowsMoveByGridCtrlByPixelShiftSizes) {
    TDesignModel m;
    TControl* a = DropAt(m, "TButton", Bounds(16, 16, 80, 24));
    m.Nudge(1, 0, false, false);
    EXPECT_EQ(a->GetLeft(), 24);
    m.Nudge(0, 1, false, true);
    EXPECT_EQ(a->GetTop(), 17);
    m.Nudge(1, 1, true, false);
    EXPECT_EQ(a->GetWidth(), 88);
    EXPECT_EQ(a->GetHeight(), 32);
    m.Nudge(-1, 0, true, true);
    EXPECT_EQ(a->GetWidth(), 87);
    // Four changes, four steps back to the dropped button.
    for (int i = 0; i < 4; ++i) m.Undo();
    a = dynamic_cast<TControl*>(m.Find("Button1"));
    EXPECT_EQ(a->GetBoundsRect(), Bounds(16, 16, 80, 24));
    m.Undo();
    EXPECT_EQ(m.Find("Button1"), nullptr);
    EXPECT_FALSE(m.CanUndo());
    EXPECT_FALSE(m.Modified());
}

TEST(DesignClipboard, CopyPasteCarriesChildrenAndRenames) {
    TDesignModel m;
    auto* p = dynamic_cast<TWinControl*>(DropAt(m, "TPanel", Bounds(16, 16, 160, 100)));
    DropAt(m, "TButton", Bounds(8, 8, 60, 24), p);
    m.SetProperty(m.Find("Button1"), "Caption", "Go 'now'");
    m.Select(p);
    m.Copy();
    std::string clip = Clipboard()->GetAsText();
    EXPECT_EQ(clip.rfind("object Panel1: TPanel\n", 0), 0u) << clip;
    EXPECT_NE(clip.find("  object Button1: TButton\n"), std::string::npos) << clip;

    m.Select(m.Form());
    m.Paste();
    TControl* p2 = dynamic_cast<TControl*>(m.Find("Panel2"));
    TControl* b2 = dynamic_cast<TControl*>(m.Find("Button2"));
    ASSERT_NE(p2, nullptr);
    ASSERT_NE(b2, nullptr);
    EXPECT_EQ(b2->GetParent(), p2);
    EXPECT_EQ(GetPropText(b2, "Caption"), "Go 'now'");
    EXPECT_EQ(p2->GetBoundsRect(), Bounds(24, 24, 160, 100));   // a grid step off its original
    ASSERT_EQ(m.Selection().size(), 1u);
    EXPECT_EQ(m.Selection()[0], p2);

    // Pasting into a selected container puts the copy inside it.
    m.Select(m.Find("Panel1"));
    m.Paste(clip);
    auto* p3 = dynamic_cast<TControl*>(m.Find("Panel3"));
    ASSERT_NE(p3, nullptr);
    EXPECT_EQ(p3->GetParent(), m.Find("Panel1"));

    // Not form text: refused, nothing changes.
    std::string before = m.SaveText();
    EXPECT_THROW(m.Paste("hello"), EReadError);
    EXPECT_THROW(m.Paste("object X: TNoSuchClass\nend\n"), Exception);
    EXPECT_EQ(m.SaveText(), before);

    // Cut takes the panel and its children; undo brings them back.
    m.Select(m.Find("Panel2"));
    m.Cut();
    EXPECT_EQ(m.Find("Panel2"), nullptr);
    EXPECT_EQ(m.Find("Button2"), nullptr);
    m.Undo();
    EXPECT_EQ(m.SaveText(), before);
}

TEST(DesignEdit, DeleteAndZOrder) {
    TDesignModel m;
    auto* p = dynamic_cast<TWinControl*>(DropAt(m, "TPanel", Bounds(0, 0, 300, 200)));
    TControl* a = DropAt(m, "TEdit", Bounds(10, 10, 80, 21), p);
    TControl* b = DropAt(m, "TEdit", Bounds(20, 20, 80, 21), p);
    EXPECT_EQ(m.ControlAt({30, 30}), b);
    m.Select(b);
    m.SendToBack();
    b = dynamic_cast<TControl*>(m.Find("Edit2"));
    EXPECT_EQ(m.ControlAt({30, 30}), m.Find("Edit1"));
    m.Select(m.Find("Edit2"));
    m.BringToFront();
    EXPECT_EQ(m.ControlAt({30, 30}), m.Find("Edit2"));
    // Written in z-order, so the order survives a save.
    std::string text = m.SaveText();
    EXPECT_LT(text.find("Edit1"), text.find("Edit2"));

    m.Select(m.Find("Panel1"));
    m.Delete();
    EXPECT_EQ(m.Find("Edit1"), nullptr);
    EXPECT_EQ(m.Selection()[0], m.Form());
    m.Undo();
    EXPECT_EQ(m.SaveText(), text);
    (void)a;
}

TEST(DesignEvents, HandlerNamesAreKeptWithoutTheApplication) {
    TDesignModel m;
    TComponent* b = m.Drop("TButton", nullptr, Bounds(8, 8, 75, 25));
    m.SetEventHandler(b, "OnClick", "Button1Click");
    EXPECT_EQ(b->GetEventHandlerName("OnClick"), "Button1Click");
    EXPECT_THROW(m.SetEventHandler(b, "OnClick", "1 bad"), EPropertyError);
    EXPECT_THROW(m.SetEventHandler(b, "Caption", "X"), EPropertyError);
    std::string text = m.SaveText();
    EXPECT_NE(text.find("OnClick = Button1Click"), std::string::npos);
    m.LoadText(text);
    EXPECT_EQ(m.SaveText(), text);
    m.SetEventHandler(m.Find("Button1"), "OnClick", "");
    EXPECT_EQ(m.SaveText().find("OnClick"), std::string::npos);
    // Without placeholders the framework still refuses an unknown handler.
    EXPECT_THROW(delete ReadComponentText(text, nullptr), EReadError);
}

TEST(DesignDesigning, EveryDesignedComponentIsMarked) {
    TDesignModel m;
    auto* p = dynamic_cast<TWinControl*>(DropAt(m, "TPanel", Bounds(0, 0, 100, 100)));
    DropAt(m, "TButton", Bounds(0, 0, 20, 20), p);
    m.LoadText(m.SaveText());
    EXPECT_TRUE(m.Form()->GetComponentState().Contains(csDesigning));
    for (TComponent* c : m.Form()->Components()) EXPECT_TRUE(c->GetComponentState().Contains(csDesigning)) << c->GetName();
}

}  // namespace
