// The published properties of the repeating speed button: its two intervals and its
// repeat event; everything else is the speed button's table.
#include "platform/Classes.h"
#include "repsbut/Zyn_repsbut.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const RepSpeedButtonClass = RegisterClass<TRepSpeedButton, TSpeedButton>(
    "TRepSpeedButton", [](TPublisher<TRepSpeedButton>& p) {
        using B = TRepSpeedButton;
        p.Integer("StartClickInterval", &B::GetStartClickInterval, &B::SetStartClickInterval);
        p.Integer("RepeatClickInterval", &B::GetRepeatClickInterval, &B::SetRepeatClickInterval);
        p.Event("OnRepeatClick", &B::GetOnRepeatClick, &B::SetOnRepeatClick);
    });

}  // namespace

}  // namespace zyn
