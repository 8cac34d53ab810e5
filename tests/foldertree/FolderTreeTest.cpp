// The folder tree on temporary folders mapped to drive "C:": expand buttons and lazy
// loading, the order, SelectPath in any case, making and removing folders, refreshing
// after folders vanished, and folders that cannot be read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "foldertree/FolderTreeSupport.h"
#include "foldertree/Zyn_FolderTree.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using vcl::TTreeNode;

namespace {

class FolderTreeTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        tmp = std::make_unique<zyn_test::TempFolders>();
    }
    void TearDown() override {
        tree.reset();
        tmp.reset();
        FormFixture::TearDown();
    }
    // A tree of no form, reset to its root.
    TFolderTree& Tree() {
        tree = std::make_unique<TFolderTree>(nullptr);
        tree->SetOnDirChanged([this](vcl::TObject*) { dirChanges.push_back(tree->GetDirectory()); });
        tree->Reset();
        dirChanges.clear();
        return *tree;
    }
    static std::vector<std::string> Children(const TTreeNode* Node) {
        std::vector<std::string> out;
        for (int i = 0; i < Node->GetCount(); ++i) {
            const TTreeNode* c = Node->GetItem(i);
            out.push_back(c->GetText() + (c->GetCount() > 0 ? "+" : ""));
        }
        return out;
    }
    TTreeNode* Child(TTreeNode* Node, const std::string& Text) {
        for (int i = 0; i < Node->GetCount(); ++i)
            if (Node->GetItem(i)->GetText() == Text) return Node->GetItem(i);
        return nullptr;
    }
    std::string SelectedText() const { return tree->GetSelected() ? tree->GetSelected()->GetText() : "(none)"; }

    std::unique_ptr<zyn_test::TempFolders> tmp;
    std::unique_ptr<TFolderTree> tree;
    std::vector<std::string> dirChanges;
};

}  // namespace

TEST_F(FolderTreeTest, ExpandButtonsAndLazyLoading) {
    tmp->Dir("A/x/deeper");
    tmp->Dir("A/y/.svn");
    tmp->File("A/y/notes.txt");
    tmp->Dir("b");
    tmp->File("top.txt");
    TFolderTree& t = Tree();
    TTreeNode* root = t.GetItems()->GetFirstNode();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetText(), "C:\\");
    EXPECT_EQ(Children(root), (std::vector<std::string>{"Child"}));
    EXPECT_EQ(t.GetDirectory(), "C:\\");

    root->Expand(false);
    EXPECT_TRUE(root->GetExpanded());
    EXPECT_EQ(root->GetData(), TFolderTree::LoadedMarker);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"A+", "b"}));
    TTreeNode* a = Child(root, "A");
    EXPECT_EQ(a->GetData(), nullptr);
    EXPECT_EQ(a->GetItem(0)->GetText(), TFolderTree::PlaceholderText);
    a->Expand(false);
    EXPECT_EQ(Children(a), (std::vector<std::string>{"x+", "y"}));
    EXPECT_EQ(t.NodePath(Child(a, "x")), "C:\\A\\x\\");

    // A folder without subfolders loses its button when opened.
    TTreeNode* b = Child(root, "b");
    b->Expand(false);
    EXPECT_FALSE(b->GetExpanded());
    EXPECT_FALSE(b->GetHasChildren());

    // Loaded once: a folder made later shows only after the tree is rebuilt.
    tmp->Dir("A/z");
    a->Collapse(false);
    a->Expand(false);
    EXPECT_EQ(Children(a), (std::vector<std::string>{"x+", "y"}));
    ASSERT_TRUE(t.SelectPath("C:\\A\\"));
    EXPECT_EQ(Children(t.GetSelected()), (std::vector<std::string>{"x+", "y", "z"}));
}

TEST_F(FolderTreeTest, SubfoldersInCaseInsensitiveOrder) {
    for (const char* n : {"b", "A", "c", "a", "Zeta", "alpha"}) tmp->Dir(n);
    TFolderTree& t = Tree();
    TTreeNode* root = t.GetItems()->GetFirstNode();
    root->Expand(false);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"A", "a", "alpha", "b", "c", "Zeta"}));
}

TEST_F(FolderTreeTest, SelectPathInAnyCase) {
    tmp->Dir("Data/Images/Raw");
    tmp->Dir("Data/Sound");
    TFolderTree& t = Tree();
    std::vector<std::string> changes;
    t.SetOnChange([&](vcl::TObject*, TTreeNode* N) { changes.push_back(N ? N->GetText() : "-"); });

    ASSERT_TRUE(t.SelectPath("C:\\Data\\Images\\"));
    EXPECT_EQ(SelectedText(), "Images");
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\Images\\");
    EXPECT_TRUE(t.GetSelected()->GetExpanded());   // its subfolders are shown
    TTreeNode* data = t.GetSelected()->GetParent();
    EXPECT_EQ(Children(data), (std::vector<std::string>{"Images+", "Sound"}));
    for (const char* p : {"c:\\data\\images", "C:\\DATA\\IMAGES\\", "C:\\Data\\Images"}) {
        ASSERT_TRUE(t.SelectPath(p)) << p;
        EXPECT_EQ(t.GetDirectory(), "C:\\Data\\Images\\") << p;
    }
    // A host path under the mapped root is the same folder.
    ASSERT_TRUE(t.SelectPath((tmp->Root() / "Data" / "Sound").string()));
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\Sound\\");
    EXPECT_EQ(dirChanges, (std::vector<std::string>{"C:\\Data\\Images\\", "C:\\Data\\Sound\\"}));
    EXPECT_EQ(changes.size(), 5u);   // every selection is a change of the rebuilt tree
}

TEST_F(FolderTreeTest, SelectPathOfWhatTheTreeDoesNotShow) {
    tmp->Dir("Data/.cache/inner");
    TFolderTree& t = Tree();
    ASSERT_TRUE(t.SelectPath("C:\\Data"));
    TTreeNode* before = t.GetSelected();
    const int count = t.GetItems()->GetCount();

    // Missing: false, and the tree is left as it was.
    EXPECT_FALSE(t.SelectPath("C:\\Data\\Nope\\"));
    EXPECT_EQ(t.GetSelected(), before);
    EXPECT_EQ(t.GetItems()->GetCount(), count);
    // Another drive: the tree shows only "C:".
    zyn_test::TempFolders other;   // maps "C:" anew; map it back and "D:" to the other
    vcl::SetDriveMapping('C', tmp->Root().string());
    vcl::SetDriveMapping('D', other.Root().string());
    EXPECT_FALSE(t.SelectPath("D:\\"));
    EXPECT_EQ(t.GetSelected(), before);
    // Through a dot folder: the deepest folder reached is selected, and the answer is false.
    dirChanges.clear();
    EXPECT_FALSE(t.SelectPath("C:\\Data\\.cache\\inner\\"));
    EXPECT_EQ(SelectedText(), "Data");
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\");
    EXPECT_TRUE(dirChanges.empty());
    // Folders of the same name in another case: the exact one wins, else the first.
    tmp->Dir("Dup/one");
    tmp->Dir("dup/two");
    ASSERT_TRUE(t.SelectPath("C:\\dup\\"));
    EXPECT_EQ(Children(t.GetSelected()), (std::vector<std::string>{"two"}));
    ASSERT_TRUE(t.SelectPath("C:\\DUP\\"));
    EXPECT_EQ(Children(t.GetSelected()), (std::vector<std::string>{"one"}));
}

TEST_F(FolderTreeTest, MakeSubFolder) {
    tmp->Dir("Data");
    TFolderTree& t = Tree();
    EXPECT_FALSE(t.MakeSubFolder("x"));   // nothing selected
    EXPECT_FALSE(tmp->Exists("x"));
    ASSERT_TRUE(t.SelectPath("C:\\Data\\"));
    ASSERT_TRUE(t.MakeSubFolder("x/y"));
    EXPECT_TRUE(std::filesystem::is_directory(tmp->Root() / "Data" / "x" / "y"));
    EXPECT_EQ(SelectedText(), "y");
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\x\\y\\");
    ASSERT_TRUE(t.SelectPath("C:\\Data\\"));
    for (const char* bad : {"a|b", "a<b", "a>b", "say\"hi\"", "tab\tname", "a:b", "a*", "what?", "", "/", "\\\\",
                            "../escape", "x/../../escape", "./x"}) {
        EXPECT_FALSE(t.MakeSubFolder(bad)) << bad;
        EXPECT_EQ(t.GetDirectory(), "C:\\Data\\") << bad;
    }
    std::vector<std::string> made;
    for (const auto& e : std::filesystem::directory_iterator(tmp->Root() / "Data")) made.push_back(e.path().filename());
    EXPECT_EQ(made, (std::vector<std::string>{"x"}));
    EXPECT_FALSE(tmp->Exists("escape"));
    EXPECT_TRUE(t.MakeSubFolder("\\z\\"));   // leading and trailing delimiters are dropped
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\z\\");
}

TEST_F(FolderTreeTest, RemoveOnlyEmptyFolders) {
    tmp->Dir("Data/full");
    tmp->File("Data/full/keep.txt");
    tmp->Dir("Data/sub/inner");
    tmp->Dir("Data/empty");
    TFolderTree& t = Tree();
    EXPECT_FALSE(t.RemoveSelectedFolder());    // nothing selected
    ASSERT_TRUE(t.SelectPath("C:\\"));
    EXPECT_FALSE(t.RemoveSelectedFolder());    // the root
    for (const char* p : {"C:\\Data\\full\\", "C:\\Data\\sub\\"}) {
        ASSERT_TRUE(t.SelectPath(p));
        EXPECT_FALSE(t.RemoveSelectedFolder()) << p;
        EXPECT_EQ(t.GetDirectory(), p);
    }
    EXPECT_TRUE(tmp->Exists("Data/full/keep.txt"));
    EXPECT_TRUE(tmp->Exists("Data/sub/inner"));
    ASSERT_TRUE(t.SelectPath("C:\\Data\\empty\\"));
    EXPECT_TRUE(t.RemoveSelectedFolder());
    EXPECT_FALSE(tmp->Exists("Data/empty"));
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\");
    EXPECT_EQ(Children(t.GetSelected()), (std::vector<std::string>{"full", "sub+"}));
}

TEST_F(FolderTreeTest, RefreshTreeAfterAFolderVanished) {
    tmp->Dir("Data/Images/Raw");
    tmp->Dir("Data/Other");
    TFolderTree& t = Tree();
    ASSERT_TRUE(t.SelectPath("C:\\Data\\Images\\Raw\\"));
    dirChanges.clear();
    // Nothing changed on disk: the same folder, no event.
    EXPECT_TRUE(t.RefreshTree());
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\Images\\Raw\\");
    EXPECT_TRUE(dirChanges.empty());
    // The folder and its parent vanish: the nearest ancestor that exists, one event.
    std::filesystem::remove_all(tmp->Root() / "Data" / "Images");
    EXPECT_TRUE(t.RefreshTree());
    EXPECT_EQ(t.GetDirectory(), "C:\\Data\\");
    EXPECT_EQ(SelectedText(), "Data");
    EXPECT_EQ(Children(t.GetSelected()), (std::vector<std::string>{"Other"}));
    EXPECT_EQ(dirChanges, (std::vector<std::string>{"C:\\Data\\"}));
}

TEST_F(FolderTreeTest, UnreadableFoldersAreLeaves) {
    tmp->Dir("locked/inner");
    tmp->Dir("open/sub");
    ::chmod((tmp->Root() / "locked").c_str(), 0);
    zyn_test::Unprivileged user;
    if (!user.Active()) GTEST_SKIP() << "cannot drop the right to read every folder";
    TFolderTree& t = Tree();
    TTreeNode* root = t.GetItems()->GetFirstNode();
    root->Expand(false);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"locked", "open+"}));
    TTreeNode* locked = Child(root, "locked");
    locked->Expand(false);
    EXPECT_FALSE(locked->GetExpanded());
    EXPECT_EQ(locked->GetCount(), 0);
    vcl::TStringList list;
    EXPECT_FALSE(t.GetSubDirs(locked, &list));
    // The rest of the tree goes on.
    ASSERT_TRUE(t.SelectPath("C:\\open\\sub\\"));
    EXPECT_EQ(t.GetDirectory(), "C:\\open\\sub\\");
}

TEST_F(FolderTreeTest, LoopsOfSymbolicLinksNeverStopTheTree) {
    tmp->Dir("A/x");
    std::filesystem::create_directory_symlink("..", tmp->Root() / "A" / "up");   // back to the root
    std::filesystem::create_symlink("l2", tmp->Root() / "l1");                    // a loop that leads nowhere
    std::filesystem::create_symlink("l1", tmp->Root() / "l2");
    TFolderTree& t = Tree();
    TTreeNode* root = t.GetItems()->GetFirstNode();
    root->Expand(false);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"A+"}));
    // The link back shows as a folder without a button: the path stops there.
    EXPECT_FALSE(t.SelectPath("C:\\A\\up\\A\\up\\A\\"));
    EXPECT_EQ(SelectedText(), "up");
    EXPECT_EQ(Children(t.GetSelected()->GetParent()), (std::vector<std::string>{"up", "x"}));
    EXPECT_EQ(t.GetSelected()->GetCount(), 0);
    // Far enough round the loop the system refuses the path: false, nothing changes.
    std::string deep = "C:\\A\\";
    for (int i = 0; i < 45; ++i) deep += "up\\A\\";
    TTreeNode* before = t.GetSelected();
    EXPECT_FALSE(t.SelectPath(deep));
    EXPECT_EQ(t.GetSelected(), before);
}

TEST_F(FolderTreeTest, NamesThatAreNotUtf8ShowReplacedAndWorkByTheirBytes) {
    tmp->Dir("bad\xFF/in");
    TFolderTree& t = Tree();
    TTreeNode* root = t.GetItems()->GetFirstNode();
    root->Expand(false);
    ASSERT_EQ(Children(root), (std::vector<std::string>{"bad\xEF\xBF\xBD+"}));
    EXPECT_EQ(t.NodePath(root->GetItem(0)), "C:\\bad\xFF\\");
    ASSERT_TRUE(t.SelectPath("C:\\bad\xFF\\in"));
    EXPECT_EQ(t.GetDirectory(), "C:\\bad\xFF\\in\\");
    vcl::TStringList list;
    ASSERT_TRUE(t.GetSubDirs("C:\\", &list));
    EXPECT_EQ(list.GetStrings(0), "bad\xFF");
}

TEST_F(FolderTreeTest, GetSubDirsAppendsAndMarksFoldersWithSubfolders) {
    tmp->Dir("P/b");
    tmp->Dir("P/a/deep");
    TFolderTree& t = Tree();
    vcl::TStringList list;
    list.Add("keep");
    EXPECT_FALSE(t.GetSubDirs("C:\\nothing\\", &list));
    ASSERT_TRUE(t.GetSubDirs("C:\\P", &list));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetStrings(0), "keep");
    EXPECT_EQ(list.GetStrings(1), "a");
    EXPECT_EQ(list.GetObjects(1), reinterpret_cast<vcl::TObject*>(std::intptr_t(-1)));
    EXPECT_EQ(list.GetStrings(2), "b");
    EXPECT_EQ(list.GetObjects(2), nullptr);
    vcl::TStringList none;
    EXPECT_FALSE(t.GetSubDirs("C:\\P\\b\\", &none));   // exists, but has no subfolders
}

TEST_F(FolderTreeTest, SelectionReportsClickChangeAndDirectory) {
    tmp->Dir("A");
    tmp->Dir("B");
    TFolderTree& t = Tree();
    std::vector<std::string> log;
    t.SetOnClick([&](vcl::TObject*) { log.push_back("click"); });
    t.SetOnChange([&](vcl::TObject*, TTreeNode*) { log.push_back("change " + t.GetDirectory()); });
    t.SetOnDirChanged([&](vcl::TObject*) { log.push_back("dir"); });
    TTreeNode* root = t.GetItems()->GetFirstNode();
    root->Expand(false);
    t.SetSelected(Child(root, "B"));
    EXPECT_EQ(log, (std::vector<std::string>{"click", "change C:\\B\\", "dir"}));
}

TEST_F(FolderTreeTest, ResetCollapsesToTheRootOfTheDrive) {
    tmp->Dir("A/x");
    TFolderTree& t = Tree();
    ASSERT_TRUE(t.SelectPath("C:\\A\\x\\"));
    dirChanges.clear();
    EXPECT_TRUE(t.Reset());
    EXPECT_EQ(t.GetDirectory(), "C:\\");
    EXPECT_EQ(t.GetItems()->GetCount(), 2);   // the root and its placeholder
    EXPECT_FALSE(t.GetItems()->GetFirstNode()->GetExpanded());
    EXPECT_EQ(t.GetSelected(), nullptr);
    EXPECT_EQ(dirChanges, (std::vector<std::string>{"C:\\"}));
}

TEST_F(FolderTreeTest, OnAShownFormTheWindowResetsAndSelectingFocuses) {
    tmp->Dir("A");
    auto* t = PlaceOn<TFolderTree>(form.get(), 10, 10, 200, 250);
    vcl::Application->ProcessMessages();
    ASSERT_NE(t->GetItems()->GetFirstNode(), nullptr);
    EXPECT_EQ(t->GetItems()->GetFirstNode()->GetText(), "C:\\");
    EXPECT_EQ(t->GetDirectory(), "C:\\");
    ASSERT_TRUE(t->SelectPath("C:\\A\\"));
    EXPECT_TRUE(t->Focused());
}

TEST_F(FolderTreeTest, DisabledShowsButtonFaceAndKeepsItsColour) {
    TFolderTree& t = Tree();
    vcl::TControl& shown = t;
    t.SetColor(vcl::clYellow);
    EXPECT_EQ(shown.GetColor(), vcl::clYellow);
    t.SetEnabled(false);
    EXPECT_EQ(shown.GetColor(), vcl::clBtnFace);
    EXPECT_EQ(t.GetColor(), vcl::clYellow);
    t.SetColor(vcl::clAqua);                  // taken, shown once enabled
    EXPECT_EQ(shown.GetColor(), vcl::clBtnFace);
    t.SetEnabled(true);
    EXPECT_EQ(shown.GetColor(), vcl::clAqua);
    t.SetColor(vcl::clBlack);                 // black after loading reads as white
    t.Loaded();
    EXPECT_EQ(t.GetColor(), vcl::clWhite);
    EXPECT_EQ(shown.GetColor(), vcl::clWhite);
}

// On this system '\' is an ordinary character of a name, like a blank, a line break or a
// byte that is not UTF-8. Each such folder is read, made into, removed from and found again
// by its own name, never by a path text split at '\', which would name the decoys.
TEST_F(FolderTreeTest, NamesWithBackslashesBlanksLineBreaksAndStrayBytesAreTheirOwnFolders) {
    const std::vector<std::string> names{"a\\b", "two words", "line\nbreak", "bad\xFF\\x"};
    for (const std::string& n : names) {
        tmp->Dir(n + "/real");
        tmp->Dir(n + "/sub");
    }
    tmp->Dir("a/b/sub");          // what "C:\a\b\" would name
    tmp->Dir("bad\xFF/x/sub");
    TFolderTree& t = Tree();
    auto nodeOf = [&](TTreeNode* Parent, const std::string& Name) -> TTreeNode* {
        const std::string path = t.NodePath(Parent) + Name + "\\";
        for (int i = 0; i < Parent->GetCount(); ++i)
            if (t.NodePath(Parent->GetItem(i)) == path) return Parent->GetItem(i);
        return nullptr;
    };
    for (const std::string& n : names) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(t.SelectPath("C:\\"));
        TTreeNode* folder = nodeOf(t.GetSelected(), n);
        ASSERT_NE(folder, nullptr);
        folder->Expand(false);
        EXPECT_EQ(Children(folder), (std::vector<std::string>{"real", "sub"}));   // read: its own subfolders

        t.SetSelected(folder);
        ASSERT_TRUE(t.MakeSubFolder("made"));
        EXPECT_TRUE(std::filesystem::is_directory(tmp->Root() / n / "made"));
        EXPECT_EQ(SelectedText(), "made");
        ASSERT_NE(t.GetSelected()->GetParent(), nullptr);
        EXPECT_EQ(Children(t.GetSelected()->GetParent()), (std::vector<std::string>{"made", "real", "sub"}));

        TTreeNode* sub = nodeOf(t.GetSelected()->GetParent(), "sub");
        ASSERT_NE(sub, nullptr);
        t.SetSelected(sub);
        EXPECT_TRUE(t.RemoveSelectedFolder());
        EXPECT_FALSE(tmp->Exists(n + "/sub"));
        EXPECT_EQ(t.GetDirectory(), "C:\\" + n + "\\");

        // Renamed on disk: the folder is gone, so the tree goes back to the root, not to a
        // folder that the old path text happens to name as well.
        TTreeNode* real = nodeOf(t.GetSelected(), "real");
        ASSERT_NE(real, nullptr);
        t.SetSelected(real);
        std::filesystem::rename(tmp->Root() / n, tmp->Root() / (n + " (old)"));
        EXPECT_TRUE(t.RefreshTree());
        EXPECT_EQ(t.GetDirectory(), "C:\\");
    }
    // The decoys are untouched.
    EXPECT_TRUE(tmp->Exists("a/b/sub"));
    EXPECT_TRUE(tmp->Exists("bad\xFF/x/sub"));
    EXPECT_FALSE(tmp->Exists("a/b/made"));
    EXPECT_FALSE(tmp->Exists("bad\xFF/x/made"));
}

// Links between branches and back to an ancestor: opening every branch ends, each real
// folder (device and inode) is opened once, and a link shows as a folder either way.
TEST_F(FolderTreeTest, OpeningEveryBranchOpensEachRealFolderOnce) {
    tmp->Dir("A/x/y");
    std::filesystem::create_directory_symlink("../..", tmp->Root() / "A" / "x" / "top");   // the root
    std::filesystem::create_directory_symlink("A", tmp->Root() / "B");                     // A again
    auto* t = PlaceOn<TFolderTree>(form.get(), 0, 0, 200, 250);
    vcl::Application->ProcessMessages();
    TTreeNode* root = t->GetItems()->GetFirstNode();
    ASSERT_NE(root, nullptr);
    t->SetSelected(root);
    vcl::Input::KeyPress(t, U'*');
    EXPECT_EQ(Children(root), (std::vector<std::string>{"A+", "B+"}));
    TTreeNode* a = root->GetItem(0);
    TTreeNode* b = root->GetItem(1);
    ASSERT_EQ(a->GetCount(), 1);
    TTreeNode* x = a->GetItem(0);
    EXPECT_TRUE(x->GetExpanded());
    EXPECT_EQ(Children(x), (std::vector<std::string>{"top", "y"}));   // the way back has no button
    EXPECT_FALSE(b->GetExpanded());                                    // A is open already
    EXPECT_EQ(b->GetItem(0)->GetText(), TFolderTree::PlaceholderText);
    const int shown = t->GetItems()->GetCount();

    t->FullExpand();
    EXPECT_EQ(t->GetItems()->GetCount(), shown);
    EXPECT_FALSE(b->GetExpanded());
    // By hand the second way opens.
    b->Expand(false);
    EXPECT_EQ(Children(b), (std::vector<std::string>{"x+"}));
}

// A tree with a root folder of its own ignores the drive mapping; a host path into it is
// split at '/' only, so it names a folder whose name holds '\'.
TEST_F(FolderTreeTest, OwnRootFolderAndHostPathsWithBackslashes) {
    tmp->Dir("x\\y/in");
    tmp->Dir("x/y");
    const std::string root = tmp->Root().string();
    vcl::ClearDriveMappings();   // "C:" is "/" again
    TFolderTree& t = Tree();
    t.SetRootFolder(root + "/");
    EXPECT_EQ(t.GetRootFolder(), root);
    ASSERT_TRUE(t.SelectPath(root + "/x\\y"));
    EXPECT_EQ(t.GetDirectory(), "C:\\x\\y\\");
    EXPECT_EQ(t.GetHostDirectory(), root + "/x\\y/");
    EXPECT_EQ(t.NodeNames(t.GetSelected()), (std::vector<std::string>{"x\\y"}));
    EXPECT_EQ(Children(t.GetSelected()), (std::vector<std::string>{"in"}));
    ASSERT_TRUE(t.SelectFolderNames({"x", "y"}));
    EXPECT_EQ(t.GetHostDirectory(), root + "/x/y/");
    EXPECT_FALSE(t.SelectPath("/elsewhere/x"));   // not under the root
    EXPECT_EQ(t.GetHostDirectory(), root + "/x/y/");
}
