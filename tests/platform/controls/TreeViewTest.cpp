// Tree view: expansion only through the CanExpand hook (lazy children), keys, mouse,
// selection colours, deletion and scrolling.
#include <gtest/gtest.h>

#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

// Loads children on first expansion, as a folder tree does: a placeholder child makes
// the button appear; CanExpand replaces it by the real children (none for "Empty").
class TLazyTree : public TTreeView {
public:
    explicit TLazyTree(TComponent* AOwner) : TTreeView(AOwner) {}
    int asked = 0;
    bool refuse = false;

protected:
    bool CanExpand(TTreeNode* Node) override {
        ++asked;
        if (refuse) return false;
        if (Node->GetData() == nullptr) {
            Node->DeleteChildren();
            Node->SetData(this);
            if (Node->GetText() != "Empty") {
                // Two levels below the roots, so that expanding everything ends.
                for (const char* t : {"a", "b"})
                    GetItems()->AddChild(Node, Node->GetText() + t)->SetHasChildren(Node->GetLevel() == 0);
            }
        }
        return TTreeView::CanExpand(Node);
    }
};

class TreeViewTest : public zyn_test::FormFixture {
protected:
    TreeViewTest() : FormFixture(zyn_test::FormShape::Framed()) {}
    void SetUp() override {
        FormFixture::SetUp();
        tree = Place<TLazyTree>(10, 10, 200, 150);
        for (const char* t : {"R1", "R2", "Empty"}) {
            TTreeNode* n = tree->GetItems()->Add(nullptr, t);
            tree->GetItems()->AddChild(n, "Child");
        }
        tree->SetFocus();
    }
    TTreeNode* Nth(int i) {
        TTreeNode* n = tree->GetItems()->GetFirstNode();
        while (i-- > 0 && n) n = n->GetNextSibling();
        return n;
    }
    TLazyTree* tree = nullptr;
};

TEST_F(TreeViewTest, ExpansionGoesThroughCanExpand) {
    TTreeNode* r1 = Nth(0);
    tree->refuse = true;
    r1->SetExpanded(true);
    EXPECT_EQ(tree->asked, 1);
    EXPECT_FALSE(r1->GetExpanded());
    tree->refuse = false;
    r1->SetExpanded(true);
    EXPECT_TRUE(r1->GetExpanded());
    ASSERT_EQ(r1->GetCount(), 2);
    EXPECT_EQ(r1->Item(0)->GetText(), "R1a");
    EXPECT_EQ(r1->Item(1)->GetLevel(), 1);
    EXPECT_EQ(tree->GetItems()->GetCount(), 3 + 2 + 2);   // R1 and its two, R2 and Empty with placeholders
    // A node whose hook leaves no children stays collapsed and loses its button.
    TTreeNode* empty = Nth(2);
    EXPECT_TRUE(empty->GetHasChildren());
    empty->SetExpanded(true);
    EXPECT_FALSE(empty->GetExpanded());
    EXPECT_FALSE(empty->GetHasChildren());
}

TEST_F(TreeViewTest, KeysMoveExpandAndCollapse) {
    Input::KeyDown(tree, VK_DOWN);
    EXPECT_EQ(tree->GetSelected(), Nth(0));
    Input::KeyDown(tree, VK_RIGHT);              // expands through the hook
    EXPECT_TRUE(Nth(0)->GetExpanded());
    EXPECT_EQ(tree->asked, 1);
    Input::KeyDown(tree, VK_RIGHT);              // then goes to the first child
    EXPECT_EQ(tree->GetSelected()->GetText(), "R1a");
    Input::KeyDown(tree, VK_DOWN);
    EXPECT_EQ(tree->GetSelected()->GetText(), "R1b");
    Input::KeyDown(tree, VK_LEFT);               // collapsed child: to the parent
    EXPECT_EQ(tree->GetSelected(), Nth(0));
    Input::KeyDown(tree, VK_LEFT);               // expanded: collapses
    EXPECT_FALSE(Nth(0)->GetExpanded());
    Input::KeyDown(tree, VK_END);
    EXPECT_EQ(tree->GetSelected(), Nth(2));
    Input::KeyDown(tree, VK_HOME);
    EXPECT_EQ(tree->GetSelected(), Nth(0));
    Input::KeyPress(tree, U'+');
    EXPECT_TRUE(Nth(0)->GetExpanded());
    Input::KeyPress(tree, U'-');
    EXPECT_FALSE(Nth(0)->GetExpanded());
    Input::KeyDown(tree, VK_MULTIPLY);           // everything below, level by level
    EXPECT_TRUE(Nth(0)->Item(0)->GetExpanded());
    EXPECT_EQ(Nth(0)->Item(0)->GetCount(), 2);
}

TEST_F(TreeViewTest, MouseSelectsAndTogglesWithTheButtonOrDoubleClick) {
    int changes = 0;
    tree->SetOnChange([&](TObject*, TTreeNode*) { ++changes; });
    TRect label = Nth(1)->DisplayRect(true);
    Input::Click(tree, label.Left + 3, label.Top + 3);
    EXPECT_EQ(tree->GetSelected(), Nth(1));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tree->GetNodeAt(label.Left + 3, label.Top + 3), Nth(1));
    // The +/- box toggles without selecting.
    int indent = tree->GetIndent();
    int bx = 1 + indent / 2, by = (Nth(0)->DisplayRect(true).Top + Nth(0)->DisplayRect(true).Bottom) / 2;
    Input::Click(tree, bx, by);
    EXPECT_TRUE(Nth(0)->GetExpanded());
    EXPECT_EQ(tree->GetSelected(), Nth(1));
    Input::Click(tree, bx, by);
    EXPECT_FALSE(Nth(0)->GetExpanded());
    label = Nth(0)->DisplayRect(true);
    Input::DblClick(tree, label.Left + 3, label.Top + 3);
    EXPECT_TRUE(Nth(0)->GetExpanded());
    tree->SetOnChange(nullptr);
}

TEST_F(TreeViewTest, SelectionColoursFollowTheFocus) {
    tree->SetSelected(Nth(1));
    TRect label = Nth(1)->DisplayRect(true);
    auto bmp = Render(tree);
    EXPECT_EQ(Pixel(bmp.get(), label.Right - 2, label.Top + 2), RGBOf(clHighlight));
    auto* other = Place<TEdit>(10, 300, 80, 21);
    other->SetFocus();
    bmp = Render(tree);
    EXPECT_EQ(Pixel(bmp.get(), label.Right - 2, label.Top + 2), RGBOf(clWindow));   // hidden
    tree->SetHideSelection(false);
    bmp = Render(tree);
    EXPECT_EQ(Pixel(bmp.get(), label.Right - 2, label.Top + 2), RGBOf(clBtnFace));
}

TEST_F(TreeViewTest, DeletingTheSelectedNodeSelectsANeighbour) {
    tree->SetSelected(Nth(1));
    TTreeNode* next = Nth(2);
    tree->GetItems()->Delete(Nth(1));
    EXPECT_EQ(tree->GetSelected(), next);
    tree->GetItems()->Clear();
    EXPECT_EQ(tree->GetSelected(), nullptr);
    EXPECT_EQ(tree->GetItems()->GetCount(), 0);
}

TEST_F(TreeViewTest, LongTreesScrollWithBarAndWheel) {
    tree->GetItems()->BeginUpdate();
    for (int i = 0; i < 40; ++i) tree->GetItems()->Add(nullptr, "N" + std::to_string(i));
    tree->GetItems()->EndUpdate();
    EXPECT_TRUE(tree->GetScrollBar().GetVisible() || (Render(tree), tree->GetScrollBar().GetVisible()));
    Input::Wheel(tree, -120, 50, 50);
    EXPECT_EQ(tree->GetTopItem(), Nth(3));
    Input::KeyDown(tree, VK_END);
    TRect last = tree->GetSelected()->DisplayRect(true);
    EXPECT_FALSE(last.IsEmpty());
    EXPECT_LE(last.Bottom, tree->GetHeight());
}

}  // namespace
