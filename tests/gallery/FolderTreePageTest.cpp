// The "Folder tree" page of the gallery: the folder tree component on the page's own
// sample folders, opened at the web site project, with the folder beside it; opening every
// branch ends at the link back to the projects, and a folder is made and removed.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "foldertree/Zyn_FolderTree.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"

using namespace vcl;

namespace {

TTreeNode* ChildNamed(TTreeNode* Parent, const std::string& Text) {
    for (TTreeNode* n = Parent->GetFirstChild(); n != nullptr; n = n->GetNextSibling())
        if (n->GetText() == Text) return n;
    return nullptr;
}

}  // namespace

TEST(FolderTreePage, ShowsTheSampleFoldersInTheFolderTree) {
    Testing::ResetInput();
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    int page = -1;
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (std::string(gallery::Pages()[i].Id) == "folder-tree") page = int(i);
    ASSERT_GE(page, 0);
    form->ShowPage(page);
    form->Show();
    Application->ProcessMessages();
    auto* tree = dynamic_cast<zyn::TFolderTree*>(form->FindComponent("SampleFolderTree"));
    ASSERT_NE(tree, nullptr);
    const std::string state = form->State().Text();
    // The state dump writes a backslash as two.
    EXPECT_NE(state.find(R"(folder-tree.directory=C:\\Projects\\Website\\)" "\n"), std::string::npos) << state;
    EXPECT_NE(state.find("folder-tree.subfolders=3\n"), std::string::npos) << state;
    const std::string host = tree->GetHostDirectory();
    EXPECT_TRUE(std::filesystem::is_directory(host)) << host;

    TTreeNode* root = tree->GetItems()->GetFirstNode();
    ASSERT_NE(root, nullptr);
    TTreeNode* documents = ChildNamed(root, "Documents");
    ASSERT_NE(documents, nullptr);
    EXPECT_TRUE(documents->GetExpanded());
    TTreeNode* reports = ChildNamed(documents, "Reports\\2025");   // one folder
    ASSERT_NE(reports, nullptr);
    EXPECT_TRUE(reports->GetHasChildren());
    TTreeNode* link = ChildNamed(tree->GetSelected(), "All projects");
    ASSERT_NE(link, nullptr);
    EXPECT_FALSE(link->GetHasChildren());

    tree->FullExpand();
    reports = ChildNamed(ChildNamed(tree->GetItems()->GetFirstNode(), "Documents"), "Reports\\2025");
    ASSERT_NE(reports, nullptr);
    EXPECT_EQ(reports->GetCount(), 2);   // Q1 and Q2
    EXPECT_FALSE(link->GetHasChildren());

    // A folder made under the chosen one, and removed again, on the page's own folders.
    ASSERT_TRUE(tree->SelectPath("C:\\Projects\\Website\\"));
    ASSERT_TRUE(tree->MakeSubFolder("Drafts"));
    EXPECT_TRUE(std::filesystem::is_directory(host + "Drafts"));
    EXPECT_TRUE(tree->RemoveSelectedFolder());
    EXPECT_FALSE(std::filesystem::exists(host + "Drafts"));
    EXPECT_EQ(tree->GetDirectory(), "C:\\Projects\\Website\\");
}
