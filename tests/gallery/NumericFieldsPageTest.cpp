// The "Numeric fields" page of the gallery: a voltage typed into the set-up reaches the
// readings on the next tick, and the regulation follows the current limit.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "numio/Zyn_NumIO2.h"
#include "numlab/Zyn_NumLab.h"
#include "platform/Forms.h"
#include "platform/Testing.h"

using namespace vcl;
using namespace zyn;

namespace {

template <class T>
T* Find(TComponent* Owner, const std::string& Name) {
    return dynamic_cast<T*>(Owner->FindComponent(Name));
}

}  // namespace

TEST(NumericFieldsPage, TypedSetpointReachesTheReadings) {
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    int page = -1;
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (std::string(gallery::Pages()[i].Id) == "numeric-fields") page = int(i);
    ASSERT_GE(page, 0);
    form->ShowPage(page);
    form->Show();
    Application->ProcessMessages();
    auto* setpoint = Find<TNumIO2>(form.get(), "Setpoint");
    auto* limit = Find<TNumIO2>(form.get(), "Limit");
    ASSERT_NE(setpoint, nullptr);
    ASSERT_NE(limit, nullptr);
    // Select the integer digits by mouse and type over them.
    Input::MouseDown(setpoint, mbLeft, {}, setpoint->CharPosToXCoords(0), 14);
    Input::MouseMove(setpoint, setpoint->CharPosToXCoords(2), 14, {ssLeft});
    Input::MouseUp(setpoint, mbLeft, {}, setpoint->CharPosToXCoords(2), 14);
    Input::KeyDown(setpoint, '4');
    EXPECT_EQ(setpoint->GetText(), "4.00");
    Application->AdvanceTime(500);
    const std::string state = form->State().Text();
    EXPECT_NE(state.find("numeric-fields.setpoint.text=4.00\n"), std::string::npos) << state;
    EXPECT_NE(state.find("numeric-fields.output.text=4.0"), std::string::npos) << state;
    EXPECT_NE(state.find("numeric-fields.state.text=constant voltage (CV)\n"), std::string::npos);
    // A limit below what the load draws puts the supply into current limiting.
    limit->SetValue(0.25);
    Application->AdvanceTime(500);
    EXPECT_NE(form->State().Text().find("numeric-fields.state.text=current limit (CC)\n"), std::string::npos);
}
