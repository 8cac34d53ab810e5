// Inner parts - a combo box's edit line, a grid's in-place editor - are made by the control
// that holds them, so a form file never writes them as children of their own: reading one
// back must neither fail on the inner control's class nor add a second one.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

int CountOfClass(TComponent* Owner, const std::string& ClassName) {
    int n = 0;
    for (TComponent* c : Owner->Components()) n += c->ClassName() == ClassName;
    return n;
}

using InnerPartStreaming = zyn_test::FormFixture;

TEST_F(InnerPartStreaming, AComboBoxComesBackWithOneEditLineOfItsOwn) {
    auto* combo = Place<TComboBox>(10, 10, 150, 21);
    combo->SetName("Fruit");
    combo->GetItems()->AddStrings(std::vector<std::string>{"Apple", "Banana"});
    combo->SetText("Cherry");
    for (TComponent* root : {static_cast<TComponent*>(combo), static_cast<TComponent*>(form.get())}) {
        const std::string text = WriteComponentText(root);
        EXPECT_EQ(text.find("TComboEdit"), std::string::npos) << text;
    }
    std::unique_ptr<TComponent> copy(ReadComponentText(WriteComponentText(combo), nullptr));
    auto* back = dynamic_cast<TComboBox*>(copy.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetText(), "Cherry");
    EXPECT_EQ(back->GetItems()->GetCount(), 2);
    EXPECT_EQ(CountOfClass(back, "TComboEdit"), 1);
}

TEST_F(InnerPartStreaming, AGridIsWrittenWithoutItsOpenEditor) {
    auto* grid = Place<TStringGrid>(10, 40, 300, 120);
    grid->SetName("Sheet");
    grid->SetOptions(grid->GetOptions() | goEditing);
    grid->SetFocus();
    grid->SetEditorMode(true);
    ASSERT_NE(grid->GetInplaceEditor(), nullptr);
    const std::string text = WriteComponentText(grid);
    EXPECT_EQ(text.find("TInplaceEdit"), std::string::npos) << text;
    std::unique_ptr<TComponent> copy(ReadComponentText(text, nullptr));
    EXPECT_EQ(copy->GetComponentCount(), 0);
}

}  // namespace
