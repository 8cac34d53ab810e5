// The folder tree from the keyboard: the tree view's keys on folders loaded as they open
// (arrows, +, -, *, Home, End), no editing of names, and F5 reading the selected folder
// again after folders were made or removed on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "foldertree/FolderTreeSupport.h"
#include "foldertree/Zyn_FolderTree.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using vcl::TTreeNode;
using vcl::WORD;

namespace {

class FolderTreeKeys : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        tmp = std::make_unique<zyn_test::TempFolders>();
        tmp->Dir("a/x");
        tmp->Dir("a/y");
        tmp->Dir("b");
        tmp->Dir("c/z/deep");
        tree = PlaceOn<TFolderTree>(form.get(), 10, 10, 200, 250);
        tree->Reset();
        tree->SetOnDirChanged([this](vcl::TObject*) { dirChanges.push_back(tree->GetDirectory()); });
        tree->SetFocus();
    }
    void TearDown() override {
        form.reset();
        tmp.reset();
        FormFixture::TearDown();
    }
    void Press(WORD Key, vcl::TShiftState Shift = {}) { vcl::Input::KeyDown(tree, Key, Shift); }
    std::string Selected() const { return tree->GetSelected() ? tree->GetSelected()->GetText() : "(none)"; }
    static std::vector<std::string> Children(const TTreeNode* Node) {
        std::vector<std::string> out;
        for (int i = 0; i < Node->GetCount(); ++i) {
            const TTreeNode* c = Node->GetItem(i);
            out.push_back(c->GetText() + (c->GetCount() > 0 ? "+" : ""));
        }
        return out;
    }
    TTreeNode* Root() const { return tree->GetItems()->GetFirstNode(); }
    TTreeNode* Child(TTreeNode* Node, const std::string& Text) const {
        for (int i = 0; i < Node->GetCount(); ++i)
            if (Node->GetItem(i)->GetText() == Text) return Node->GetItem(i);
        return nullptr;
    }

    std::unique_ptr<zyn_test::TempFolders> tmp;
    TFolderTree* tree = nullptr;
    std::vector<std::string> dirChanges;
};

}  // namespace

TEST_F(FolderTreeKeys, TheTreeViewsKeysWalkAndOpenTheFolders) {
    Press(vcl::VK_HOME);
    EXPECT_EQ(Selected(), "C:\\");
    Press(vcl::VK_RIGHT);   // opens the root, loading its folders
    EXPECT_EQ(Children(Root()), (std::vector<std::string>{"a+", "b", "c+"}));
    Press(vcl::VK_RIGHT);
    EXPECT_EQ(Selected(), "a");
    EXPECT_EQ(tree->GetDirectory(), "C:\\a\\");
    Press(vcl::VK_ADD);
    EXPECT_TRUE(Child(Root(), "a")->GetExpanded());
    EXPECT_EQ(Children(Child(Root(), "a")), (std::vector<std::string>{"x", "y"}));
    Press(vcl::VK_DOWN);
    EXPECT_EQ(Selected(), "x");
    Press(vcl::VK_LEFT);   // a closed folder without children: up to its parent
    EXPECT_EQ(Selected(), "a");
    Press(vcl::VK_SUBTRACT);
    EXPECT_FALSE(Child(Root(), "a")->GetExpanded());
    Press(vcl::VK_END);
    EXPECT_EQ(Selected(), "c");
    Press(vcl::VK_MULTIPLY);   // the whole branch
    TTreeNode* z = Child(Child(Root(), "c"), "z");
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->GetExpanded());
    EXPECT_EQ(Children(z), (std::vector<std::string>{"deep"}));
    Press(vcl::VK_END);
    EXPECT_EQ(Selected(), "deep");
    EXPECT_EQ(tree->GetDirectory(), "C:\\c\\z\\deep\\");
    Press(vcl::VK_UP);
    EXPECT_EQ(Selected(), "z");
    // F2 edits no name: the tree is read-only.
    Press(vcl::VK_F2);
    EXPECT_FALSE(tree->IsEditing());
}

TEST_F(FolderTreeKeys, F5ReadsTheSelectedFolderAgain) {
    ASSERT_TRUE(tree->SelectPath("C:\\a"));
    TTreeNode* a = tree->GetSelected();
    a->Expand(false);
    tmp->Dir("a/w/sub");
    std::filesystem::remove(tmp->Root() / "a/y");
    EXPECT_EQ(Children(a), (std::vector<std::string>{"x", "y"}));   // as read before
    dirChanges.clear();
    Press(vcl::VK_F5);
    EXPECT_EQ(Children(a), (std::vector<std::string>{"w+", "x"}));
    EXPECT_TRUE(a->GetExpanded());
    EXPECT_EQ(Selected(), "a");
    EXPECT_TRUE(dirChanges.empty());
    // A closed folder stays closed and gets its button when it has subfolders now.
    ASSERT_TRUE(tree->SelectPath("C:\\b"));
    TTreeNode* b = tree->GetSelected();
    EXPECT_EQ(b->GetCount(), 0);
    tmp->Dir("b/q");
    Press(vcl::VK_F5);
    EXPECT_FALSE(b->GetExpanded());
    EXPECT_EQ(Children(b), (std::vector<std::string>{"q"}));
    // Its last subfolder gone, the button goes as well.
    std::filesystem::remove(tmp->Root() / "b/q");
    Press(vcl::VK_F5);
    EXPECT_EQ(b->GetCount(), 0);
}

TEST_F(FolderTreeKeys, F5OnAFolderGoneFromTheDiskSelectsItsNearestAncestor) {
    ASSERT_TRUE(tree->SelectPath("C:\\c\\z\\deep"));
    std::filesystem::remove_all(tmp->Root() / "c/z");
    dirChanges.clear();
    Press(vcl::VK_F5);
    EXPECT_EQ(Selected(), "c");
    EXPECT_EQ(tree->GetDirectory(), "C:\\c\\");
    EXPECT_EQ(dirChanges, (std::vector<std::string>{"C:\\c\\"}));
    EXPECT_EQ(Children(Child(Root(), "c")), std::vector<std::string>{});
    // A handler of OnKeyDown that takes F5 leaves the tree as it is.
    tmp->Dir("c/new");
    tree->SetOnKeyDown([](vcl::TObject*, WORD& Key, vcl::TShiftState) { Key = 0; });
    Press(vcl::VK_F5);
    EXPECT_EQ(tree->GetSelected()->GetCount(), 0);
    tree->SetOnKeyDown(nullptr);
    Press(vcl::VK_F5);
    EXPECT_EQ(Children(tree->GetSelected()), (std::vector<std::string>{"new"}));
}
