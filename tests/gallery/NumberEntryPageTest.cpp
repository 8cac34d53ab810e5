// The "Number entry" page of the gallery: every field takes the values its range promises.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "numio/Zyn_NumIO.h"
#include "platform/Forms.h"
#include "platform/Testing.h"

using namespace vcl;
using namespace zyn;

namespace {

int PageIndex(const std::string& Id) {
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (Id == gallery::Pages()[i].Id) return int(i);
    return -1;
}

std::vector<TNumIO*> NumberFields(TComponent* Owner) {
    std::vector<TNumIO*> fields;
    for (int i = 0; i < Owner->GetComponentCount(); ++i)
        if (auto* f = dynamic_cast<TNumIO*>(Owner->GetComponent(i))) fields.push_back(f);
    return fields;
}

}  // namespace

TEST(NumberEntryPage, EveryFieldHoldsBothEndsOfItsRange) {
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    const int page = PageIndex("number-entry");
    ASSERT_GE(page, 0);
    form->ShowPage(page);
    form->Show();
    Application->ProcessMessages();
    const std::vector<TNumIO*> fields = NumberFields(form.get());
    ASSERT_EQ(fields.size(), 8u);
    for (TNumIO* field : fields) {
        // Each end, written by the program, must read back and be accepted when typed.
        for (double end : {field->GetRangeLow(), field->GetRangeHigh()}) {
            field->SetValue(end);
            const std::string text = field->GetText();
            EXPECT_NEAR(field->GetValue(), end, 1e-6 * std::abs(end)) << field->GetHint() << " " << text;
            field->SetText("");
            field->SetText(text);
            EXPECT_EQ(field->GetText(), text) << field->GetHint();
        }
    }
    // The hexadecimal trigger mask takes the whole 32-bit pattern.
    TNumIO* mask = nullptr;
    for (TNumIO* field : fields)
        if (field->GetInputFormat() == itHex) mask = field;
    ASSERT_NE(mask, nullptr);
    mask->SetText("FFFFFFFF");
    EXPECT_EQ(mask->GetText(), "FFFFFFFF");
    mask->SetText("80000000");
    EXPECT_EQ(mask->GetText(), "80000000");
}
