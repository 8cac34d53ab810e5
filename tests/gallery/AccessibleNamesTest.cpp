// The gallery's pages name their controls for assistive tools: every control the keyboard
// reaches on a page says what it is, and the report list page's table reads as a table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "platform/Accessibility.h"
#include "platform/Forms.h"
#include "platform/Testing.h"

using namespace vcl;

namespace {

std::unique_ptr<gallery::TGalleryForm> OpenPage(const std::string& Id) {
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (Id == gallery::Pages()[i].Id) form->ShowPage(int(i));
    form->Show();
    Application->ProcessMessages();
    return form;
}

// The focusable objects below Object that have no name, as "role at index path".
void Unnamed(const TAccessiblePtr& Object, const std::string& Path, std::vector<std::string>& Out) {
    if (Object->HasState(asFocusable) && Object->HasState(asShowing) && Object->GetName().empty() &&
        Object->GetRole() != arFrame && Object->GetRole() != arPanel)
        Out.push_back(std::string(AccRoleName(Object->GetRole())) + " at " + Path);
    // Controls only: the items of lists and tables are named by what they hold.
    if (Object->GetTable() != nullptr || Object->GetSelection() != nullptr) return;
    for (int i = 0; i < Object->GetChildCount(); ++i) Unnamed(Object->GetChild(i), Path + "/" + std::to_string(i), Out);
}

}  // namespace

TEST(GalleryAccessibleNames, ReportListPageReadsAsANamedTable) {
    auto form = OpenPage("report-list");
    auto* view = dynamic_cast<TControl*>(form->FindComponent("ReportList"));
    ASSERT_NE(view, nullptr);
    auto acc = view->GetAccessible();
    EXPECT_EQ(acc->GetName(), "Sample list");
    ASSERT_NE(acc->GetTable(), nullptr);
    EXPECT_EQ(acc->GetTable()->GetRowCount(), 100000);
    EXPECT_FALSE(acc->GetTable()->GetColumnName(0).empty());
    auto* filter = dynamic_cast<TControl*>(form->FindComponent("ReportListFilter"));
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->GetAccessible()->GetName(), "Filter");
}

TEST(GalleryAccessibleNames, EveryFocusableControlOfThePagesHasAName) {
    for (const char* id : {"report-list", "table-editor", "calendar", "plot-styles", "number-entry", "instruments", "switches", "folder-tree", "picture-browser"}) {
        auto form = OpenPage(id);
        std::vector<std::string> unnamed;
        Unnamed(form->GetAccessible(), id, unnamed);
        EXPECT_EQ(unnamed, std::vector<std::string>{}) << id;
    }
}
