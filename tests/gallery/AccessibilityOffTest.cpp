// With no assistive tool listening (the desktop bridge off) the accessibility model costs
// nothing: every page of the gallery is built, shown, painted, worked from the keyboard and
// closed without a single accessible object being made or an event raised.
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

// The controls below Control (itself included) whose accessible object was made.
void WithObjects(const TControl* Control, std::vector<std::string>& Out) {
    if (Control->HasAccessible()) Out.push_back(Control->ClassName() + " " + Control->GetName());
    if (auto* w = dynamic_cast<const TWinControl*>(Control))
        for (int i = 0; i < w->GetControlCount(); ++i) WithObjects(w->Controls(i), Out);
}

}  // namespace

TEST(GalleryAccessibilityOff, NoPageMakesAnAccessibleObjectWhileNobodyListens) {
    ASSERT_FALSE(accessibility::Listening());
    for (std::size_t page = 0; page < gallery::Pages().size(); ++page) {
        auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
        form->ShowPage(int(page));
        form->Show();
        Application->ProcessMessages();
        for (int i = 0; i < 12; ++i) {
            if (TControl* focused = Screen->GetActiveControl()) Input::KeyDown(focused, VK_TAB);
            else Input::KeyDown(form.get(), VK_TAB);
            Application->ProcessMessages();
        }
        if (TControl* focused = Screen->GetActiveControl()) Input::KeyDown(focused, VK_DOWN);
        form->Repaint();
        Application->ProcessMessages();
        std::vector<std::string> made;
        WithObjects(form.get(), made);
        EXPECT_EQ(made, std::vector<std::string>{}) << gallery::Pages()[page].Id;
        form.reset();
        Application->ProcessMessages();
    }
}
