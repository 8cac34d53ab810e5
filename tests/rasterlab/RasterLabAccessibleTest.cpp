// What assistive tools read of the dot-matrix label: a label named and read by its text.
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "rasterlab/Zyn_RasterLab.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class RasterLabAccessibleTest : public zyn_test::FormFixture {};

TEST_F(RasterLabAccessibleTest, LabelReadsItsTextAndTellsChanges) {
    auto* lab = Place<TRasterLab>(10, 10, 200, 30);
    lab->SetText("PLATFORM 3");
    auto acc = lab->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arLabel);
    EXPECT_EQ(acc->GetName(), "PLATFORM 3");
    EXPECT_EQ(acc->GetText()->GetAccText(), "PLATFORM 3");
    AccessibilityRecorder heard;
    lab->SetText("PLATFORM 4");
    lab->SetText("PLATFORM 4");
    EXPECT_EQ(heard.Count(vcl::aeText, acc.get()), 1);
    EXPECT_EQ(acc->GetText()->GetAccText(), "PLATFORM 4");
}

}  // namespace
