// Components that only show a value take no keyboard focus: Tab passes over them, a click
// leaves the focus where it was, and they never draw a focus cue.
#include "tests/support/FormFixture.h"

#include <vector>

#include "platform/Classes.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

class DisplayOnlyFocus : public zyn_test::FormFixture {};

TEST_F(DisplayOnlyFocus, TabAndClicksPassOverTheDisplays) {
    auto* first = PlaceOn<TEdit>(form.get(), 10, 10, 80, 21, "First");
    int top = 40;
    std::vector<TControl*> displays;
    for (const char* name : {"TSevenSeg", "TRasterLab", "TProgBar", "TNumLab", "TRotLab", "TGradFill", "TMeter"}) {
        const TClassInfo* cls = GetClass(name);
        ASSERT_NE(cls, nullptr) << name;
        auto* ctl = dynamic_cast<TControl*>(cls->Create(form.get()));
        ASSERT_NE(ctl, nullptr) << name;
        ctl->SetParent(form.get());
        ctl->SetBounds(10, top, 60, 30);
        top += 32;
        displays.push_back(ctl);
    }
    auto* last = PlaceOn<TEdit>(form.get(), 100, 10, 80, 21, "Last");
    first->SetFocus();
    Input::KeyDown(first, VK_TAB);
    EXPECT_TRUE(last->Focused());
    Input::KeyDown(last, VK_TAB, {ssShift});
    EXPECT_TRUE(first->Focused());
    for (TControl* d : displays) {
        Input::Click(d, 5, 5);
        EXPECT_TRUE(first->Focused()) << d->ClassName();
        EXPECT_FALSE(d->HasKeyboardFocus()) << d->ClassName();
    }
}

}  // namespace
