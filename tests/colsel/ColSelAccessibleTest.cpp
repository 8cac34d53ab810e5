// What assistive tools read of the colour selector: a combo box whose children are the
// colour swatches by name, the chosen one selected, chosen through its item.
#include <gtest/gtest.h>

#include <vector>

#include "colsel/Zyn_Colsel.h"
#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using zyn_test::AccessibilityRecorder;

namespace {

class ColSelAccessibleTest : public zyn_test::FormFixture {};

TEST_F(ColSelAccessibleTest, SwatchesByNameAndTheChoice) {
    auto* sel = Place<TColSel>(10, 10, 180, 22);
    sel->LoadExtendedPalette();   // fills the list the field chooses from
    vcl::Application->ProcessMessages();
    auto acc = sel->GetAccessible();
    EXPECT_EQ(acc->GetRole(), vcl::arComboBox);
    ASSERT_EQ(acc->GetChildCount(), sel->GetNumColors());
    EXPECT_EQ(acc->GetChild(2)->GetName(), sel->GetArrayColorName(3));
    EXPECT_FALSE(acc->GetChild(2)->GetName().empty());
    AccessibilityRecorder heard;
    EXPECT_TRUE(acc->GetChild(2)->DoAction(vcl::aaActivate));
    EXPECT_EQ(sel->GetSelIx(), 3);
    EXPECT_EQ(sel->GetSelColor(), sel->GetArrayColor(3));
    EXPECT_EQ(acc->GetSelection()->GetSelectedChildren(), std::vector<int>{2});
    EXPECT_EQ(heard.Count(vcl::aeSelection, acc.get()), 1);
    EXPECT_EQ(acc->GetText()->GetAccText(), sel->GetArrayColorName(3));
    sel->SetNumColors(2);
    EXPECT_EQ(acc->GetChildCount(), 2);
}

}  // namespace
