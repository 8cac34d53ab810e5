// What assistive tools read of the gradient fill: a decoration with the generic role, its
// hint naming it, never focusable.
#include "tests/support/FormFixture.h"

#include "gradfl/Zyn_gradfl.h"
#include "platform/Accessibility.h"

using namespace zyn;

namespace {

class GradFillAccessibleTest : public zyn_test::FormFixture {};

TEST_F(GradFillAccessibleTest, GenericRoleNamedByTheHint) {
    auto* fill = Place<TGradFill>(10, 10, 100, 50);
    fill->SetHint("Colour scale");
    auto acc = fill->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arUnknown);
    EXPECT_EQ(acc->GetName(), "Colour scale");
    EXPECT_EQ(acc->GetStates(), (vcl::TAccStates{vcl::asEnabled, vcl::asVisible, vcl::asShowing}));
    EXPECT_EQ(acc->GetScreenBounds(), vcl::Bounds(10, 10, 100, 50));
    EXPECT_EQ(acc->GetValue(), nullptr);
    EXPECT_EQ(acc->GetChildCount(), 0);
}

}  // namespace
