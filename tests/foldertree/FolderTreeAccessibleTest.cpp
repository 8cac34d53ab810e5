// What assistive tools read of the folder tree: a tree whose items are the folders,
// loaded as they are expanded through their action; the placeholder that stood for the
// unread folders turns defunct.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foldertree/FolderTreeSupport.h"
#include "foldertree/Zyn_FolderTree.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "platform/Accessibility.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class FolderTreeAccessibleTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        tmp = std::make_unique<zyn_test::TempFolders>();
    }
    void TearDown() override {
        FormFixture::TearDown();
        tmp.reset();
    }
    std::unique_ptr<zyn_test::TempFolders> tmp;
};

TEST_F(FolderTreeAccessibleTest, FoldersAreTreeItemsLoadedOnExpand) {
    tmp->Dir("Alpha/inner");
    tmp->Dir("beta");
    auto* tree = Place<TFolderTree>(10, 10, 200, 200);
    tree->Reset();
    auto acc = tree->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arTree);
    ASSERT_EQ(acc->GetChildCount(), 1);
    auto root = acc->GetChild(0);
    EXPECT_EQ(root->GetName(), "C:\\");
    EXPECT_TRUE(root->HasState(vcl::asExpandable));
    auto placeholder = root->GetChild(0);
    ASSERT_NE(placeholder, nullptr);

    AccessibilityRecorder heard;
    EXPECT_TRUE(root->DoAction(vcl::aaExpand));
    EXPECT_TRUE(placeholder->IsDefunct());
    EXPECT_GE(heard.Count(vcl::aeChildRemoved, root.get()), 1);
    ASSERT_EQ(root->GetChildCount(), 2);
    auto alpha = root->GetChild(0);
    EXPECT_EQ(alpha->GetName(), "Alpha");
    EXPECT_EQ(alpha->GetRole(), vcl::arTreeItem);
    EXPECT_EQ(alpha->GetParent(), root);
    EXPECT_TRUE(alpha->HasState(vcl::asExpandable));
    EXPECT_EQ(root->GetChild(1)->GetName(), "beta");
    EXPECT_TRUE(alpha->DoAction(vcl::aaActivate));
    EXPECT_EQ(tree->GetDirectory(), "C:\\Alpha\\");
    EXPECT_TRUE(alpha->HasState(vcl::asSelected));
}

}  // namespace
