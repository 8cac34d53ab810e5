// Tree view properties a folder tree relies on: hot tracking, indent, buttons, lines and
// root, border, read-only and label editing, multi-select default, sideways scrolling,
// OnExpanding's veto and OnChange.
#include <gtest/gtest.h>

#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class TreeProps : public zyn_test::FormFixture {
protected:
    TreeProps() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        tree = Place<TTreeView>(10, 10, 200, 150);
        a = tree->GetItems()->Add(nullptr, "Alpha");
        b = tree->GetItems()->Add(nullptr, "Beta");
        child = tree->GetItems()->AddChild(a, "Child");
        tree->SetFocus();
    }
    TPoint LabelPoint(TTreeNode* N) {
        TRect r = N->DisplayRect(true);
        return {r.Left + 3, (r.Top + r.Bottom) / 2};
    }
    // Whether any pixel of the label's row has colour C.
    bool LabelHas(TBitmap* Bmp, TTreeNode* N, TColor C) {
        TRect r = N->DisplayRect(true);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (Pixel(Bmp, x, y) == RGBOf(C)) return true;
        return false;
    }
    TTreeView* tree = nullptr;
    TTreeNode *a = nullptr, *b = nullptr, *child = nullptr;
};

TEST_F(TreeProps, DefaultsOfThePublishedProperties) {
    EXPECT_FALSE(tree->GetMultiSelect());
    EXPECT_FALSE(tree->GetHotTrack());
    EXPECT_FALSE(tree->GetReadOnly());
    EXPECT_TRUE(tree->GetShowButtons());
    EXPECT_TRUE(tree->GetShowLines());
    EXPECT_TRUE(tree->GetShowRoot());
    EXPECT_EQ(tree->GetIndent(), 19);
    EXPECT_EQ(tree->GetBorderStyle(), bsSingle);
}

TEST_F(TreeProps, HotTrackUnderlinesTheLabelUnderThePointer) {
    Input::MouseMove(tree, LabelPoint(b).X, LabelPoint(b).Y);
    EXPECT_EQ(tree->GetHotNode(), nullptr);            // off by default
    tree->SetHotTrack(true);
    Input::MouseMove(tree, LabelPoint(b).X + 1, LabelPoint(b).Y);
    EXPECT_EQ(tree->GetHotNode(), b);
    auto bmp = Render(tree);
    EXPECT_TRUE(LabelHas(bmp.get(), b, clHotLight));
    EXPECT_FALSE(LabelHas(bmp.get(), a, clHotLight));
    // The underline: a run of hot-light pixels along the label's width.
    TRect r = b->DisplayRect(true);
    tree->GetCanvas()->GetFont()->Assign(tree->GetFont());
    int textW = tree->GetCanvas()->TextWidth("Beta");
    int best = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        int run = 0;
        for (int x = r.Left; x < r.Right; ++x)
            if (Pixel(bmp.get(), x, y) == RGBOf(clHotLight)) run++;
        best = std::max(best, run);
    }
    EXPECT_GE(best, textW - 2);
    // Beside the label and outside the control nothing is hot.
    Input::MouseMove(tree, r.Right + 30, LabelPoint(b).Y);
    EXPECT_EQ(tree->GetHotNode(), nullptr);
    Input::MouseMove(tree, LabelPoint(a).X, LabelPoint(a).Y);
    EXPECT_EQ(tree->GetHotNode(), a);
    Input::MouseMove(form.get(), 400, 400);
    EXPECT_EQ(tree->GetHotNode(), nullptr);
    Input::MouseMove(tree, LabelPoint(a).X, LabelPoint(a).Y);
    tree->GetItems()->Delete(a);
    EXPECT_EQ(tree->GetHotNode(), nullptr);
}

TEST_F(TreeProps, IndentButtonsLinesRootAndBorderChangeThePicture) {
    a->Expand(false);
    int left1 = child->DisplayRect(true).Left;
    tree->SetIndent(30);
    EXPECT_EQ(child->DisplayRect(true).Left - left1, 2 * (30 - 19));
    tree->SetShowRoot(false);
    EXPECT_EQ(a->DisplayRect(true).Left, 1 + 1);       // border, then the label at once
    EXPECT_EQ(child->DisplayRect(true).Left, 1 + 30 + 1);
    tree->SetShowRoot(true);

    auto grey = [&](TBitmap* bmp, TTreeNode* n) {     // the +/- box frame of a node
        TRect r = n->DisplayRect(true);
        int cx = r.Left - 1 - tree->GetIndent() / 2, cy = (r.Top + r.Bottom) / 2;
        return Pixel(bmp, cx - 4, cy) == RGBOf(clGray);
    };
    auto bmp = Render(tree);
    EXPECT_TRUE(grey(bmp.get(), a));
    tree->SetShowButtons(false);
    bmp = Render(tree);
    EXPECT_FALSE(grey(bmp.get(), a));

    auto dots = [&](TBitmap* bmp) {                    // the dotted line left of Beta
        TRect r = b->DisplayRect(true);
        int n = 0;
        for (int x = r.Left - tree->GetIndent(); x < r.Left; ++x)
            if (Pixel(bmp, x, (r.Top + r.Bottom) / 2) == RGBOf(clGray)) ++n;
        return n;
    };
    bmp = Render(tree);
    EXPECT_GT(dots(bmp.get()), 3);
    tree->SetShowLines(false);
    bmp = Render(tree);
    EXPECT_EQ(dots(bmp.get()), 0);

    EXPECT_NE(Pixel(bmp.get(), 0, 50), RGBOf(clWindow));
    tree->SetBorderStyle(bsNone);
    bmp = Render(tree);
    EXPECT_EQ(Pixel(bmp.get(), 0, 50), RGBOf(clWindow));
    EXPECT_EQ(a->DisplayRect(true).Top, 0);
}

TEST_F(TreeProps, F2EditsTheLabelEnterKeepsEscapeDrops) {
    std::vector<std::string> log;
    tree->SetOnEditing([&](TObject*, TTreeNode* n, bool&) { log.push_back("editing " + n->GetText()); });
    tree->SetOnEdited([&](TObject*, TTreeNode* n, std::string& s) {
        log.push_back("edited " + n->GetText() + " -> " + s);
        s += "!";
    });
    tree->SetSelected(b);
    Input::KeyDown(tree, VK_F2);
    ASSERT_TRUE(tree->IsEditing());
    TCustomEdit* ed = tree->GetEditor();
    ASSERT_NE(ed, nullptr);
    EXPECT_TRUE(ed->Focused());
    EXPECT_EQ(ed->GetSelText(), "Beta");               // all selected, typing replaces
    EXPECT_EQ(ed->GetTop(), b->DisplayRect(true).Top);
    Input::TypeText(ed, "Gamma");
    Input::KeyDown(ed, VK_RETURN);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_EQ(b->GetText(), "Gamma!");                 // OnEdited may change the text
    EXPECT_TRUE(tree->Focused());
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "editing Beta");
    EXPECT_EQ(log[1], "edited Beta -> Gamma");

    Input::KeyDown(tree, VK_F2);
    Input::TypeText(tree->GetEditor(), "Zeta");
    Input::KeyDown(tree->GetEditor(), VK_ESCAPE);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_EQ(b->GetText(), "Gamma!");
    EXPECT_EQ(log.size(), 3u);                         // no OnEdited

    // Leaving the field keeps the text.
    EXPECT_TRUE(b->EditText());
    Input::TypeText(tree->GetEditor(), "Eta");
    auto* other = Place<TEdit>(10, 300, 80, 21);
    other->SetFocus();
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_EQ(b->GetText(), "Eta!");
    tree->SetOnEditing(nullptr);
    tree->SetOnEdited(nullptr);
}

TEST_F(TreeProps, ReadOnlyAndOnEditingRefuse) {
    tree->SetSelected(a);
    tree->SetReadOnly(true);
    Input::KeyDown(tree, VK_F2);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_FALSE(a->EditText());
    tree->SetReadOnly(false);
    tree->SetOnEditing([](TObject*, TTreeNode* n, bool& allow) { allow = n->GetText() != "Alpha"; });
    Input::KeyDown(tree, VK_F2);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_TRUE(b->EditText());
    b->EndEdit(true);
    tree->SetOnEditing(nullptr);
}

TEST_F(TreeProps, SecondSlowClickEditsDoubleClickDoesNot) {
    TPoint p = LabelPoint(b);
    Input::Click(tree, p.X, p.Y);                      // selects
    EXPECT_EQ(tree->GetSelected(), b);
    Application->AdvanceTime(DoubleClickTimeMs + 100);
    EXPECT_FALSE(tree->IsEditing());
    Input::Click(tree, p.X, p.Y);                      // on the selected node
    EXPECT_FALSE(tree->IsEditing());                   // waits for a possible double click
    Application->AdvanceTime(DoubleClickTimeMs + 10);
    ASSERT_TRUE(tree->IsEditing());
    EXPECT_EQ(tree->GetEditingNode(), b);
    Input::KeyDown(tree->GetEditor(), VK_ESCAPE);

    Application->AdvanceTime(1000);
    Input::DblClick(tree, p.X, p.Y);
    Application->AdvanceTime(DoubleClickTimeMs + 10);
    EXPECT_FALSE(tree->IsEditing());
    tree->SetReadOnly(true);
    Application->AdvanceTime(1000);
    Input::Click(tree, p.X, p.Y);
    Application->AdvanceTime(DoubleClickTimeMs + 10);
    EXPECT_FALSE(tree->IsEditing());
}

TEST_F(TreeProps, DeletingTheEditedNodeEndsEditing) {
    EXPECT_TRUE(b->EditText());
    tree->GetItems()->Delete(b);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_EQ(tree->GetItems()->GetCount(), 2);
}

TEST_F(TreeProps, ScrollingTheEditedRowAwayKeepsTheText) {
    for (int i = 0; i < 30; ++i) tree->GetItems()->Add(nullptr, std::string(1, char('a' + i % 26)));
    EXPECT_TRUE(a->EditText());
    Input::TypeText(tree->GetEditor(), "First");
    Input::Wheel(tree, -120, 50, 50);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_EQ(a->GetText(), "First");
}

TEST_F(TreeProps, WideLabelsScrollSideways) {
    EXPECT_FALSE(tree->GetHorzScrollBar().GetVisible());
    TTreeNode* wide = tree->GetItems()->AddChild(child, std::string(60, 'W'));
    a->Expand(true);
    const TInnerScrollBar& bar = tree->GetHorzScrollBar();
    ASSERT_TRUE(bar.GetVisible());
    EXPECT_EQ(bar.GetBounds().Bottom, tree->GetHeight() - 1);
    int left = wide->DisplayRect(true).Left;
    TRect r = bar.ArrowRect(false);
    Input::Click(tree, r.Left + 4, r.Top + 4);
    EXPECT_GT(tree->GetScrollX(), 0);
    EXPECT_EQ(wide->DisplayRect(true).Left, left - tree->GetScrollX());
    // Dragging the thumb to the end shows the label's end.
    TRect t = bar.ThumbRect();
    Input::MouseDown(tree, mbLeft, {}, t.Left + 2, t.Top + 3);
    Input::MouseMove(tree, tree->GetWidth() - 5, t.Top + 3, {ssLeft});
    Input::MouseUp(tree, mbLeft, {}, tree->GetWidth() - 5, t.Top + 3);
    EXPECT_LE(wide->DisplayRect(true).Right, bar.GetBounds().Right);
    EXPECT_GT(wide->DisplayRect(true).Right, bar.GetBounds().Right - 10);
    // Selecting a node brings its label's start back into view.
    tree->SetSelected(b);
    EXPECT_GE(b->DisplayRect(true).Left, 1);
    // Once the wide node goes, so does the bar.
    tree->GetItems()->Delete(wide);
    EXPECT_FALSE(tree->GetHorzScrollBar().GetVisible());
    EXPECT_EQ(tree->GetScrollX(), 0);
}

TEST_F(TreeProps, OnExpandingVetoesAndOnChangeReports) {
    std::vector<std::string> log;
    tree->SetOnExpanding([&](TObject*, TTreeNode* n, bool& allow) {
        log.push_back("expanding " + n->GetText());
        allow = n != a;
    });
    tree->SetOnChange([&](TObject*, TTreeNode* n) { log.push_back("change " + (n ? n->GetText() : "-")); });
    a->Expand(false);
    EXPECT_FALSE(a->GetExpanded());
    Input::KeyDown(tree, VK_DOWN);                     // selects Alpha
    Input::KeyDown(tree, VK_RIGHT);                    // asks, refused
    EXPECT_FALSE(a->GetExpanded());
    tree->SetOnExpanding(nullptr);
    Input::KeyDown(tree, VK_RIGHT);
    EXPECT_TRUE(a->GetExpanded());
    Input::KeyDown(tree, VK_RIGHT);                    // to the child
    EXPECT_EQ(tree->GetSelected(), child);
    std::vector<std::string> want{"expanding Alpha", "change Alpha", "expanding Alpha", "change Child"};
    EXPECT_EQ(log, want);
    tree->SetOnChange(nullptr);
}

// Holding the mouse on a scroll arrow repeats: first after 400 ms, then every 50 ms.
TEST_F(TreeProps, HeldArrowRepeatsOnTheClock) {
    tree->GetItems()->BeginUpdate();
    for (int i = 0; i < 60; ++i) {
        std::string name = "N";
        name += std::to_string(i);
        tree->GetItems()->Add(nullptr, name);
    }
    tree->GetItems()->EndUpdate();
    const TInnerScrollBar& bar = tree->GetScrollBar();
    Render(tree);
    ASSERT_TRUE(bar.GetVisible());
    TRect down = bar.ArrowRect(false);
    TPoint p{down.Left + 5, down.Top + 5};
    auto top = [&] {   // row of the first node shown
        int row = 0;
        for (TTreeNode* n = tree->GetItems()->GetFirstNode(); n != tree->GetTopItem(); n = n->GetNextVisible()) ++row;
        return row;
    };
    Input::MouseDown(tree, mbLeft, {}, p.X, p.Y);
    EXPECT_EQ(top(), 1);
    Application->AdvanceTime(390);
    EXPECT_EQ(top(), 1);
    Application->AdvanceTime(20);                      // 410: the first repeat
    EXPECT_EQ(top(), 2);
    Application->AdvanceTime(100);                     // two more at 460 and 510
    EXPECT_EQ(top(), 4);
    Input::MouseMove(tree, 50, 50, {ssLeft});          // off the arrow: pauses
    Application->AdvanceTime(200);
    EXPECT_EQ(top(), 4);
    Input::MouseMove(tree, p.X, p.Y, {ssLeft});        // back on it: goes on
    Application->AdvanceTime(50);
    EXPECT_EQ(top(), 5);
    Input::MouseUp(tree, mbLeft, {}, p.X, p.Y);
    Application->AdvanceTime(1000);
    EXPECT_EQ(top(), 5);
}

}  // namespace
