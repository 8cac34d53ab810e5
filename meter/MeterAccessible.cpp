// What assistive tools read of the meter: a dial showing a value between the scale's ends;
// it only displays, so the value cannot be set through it.
#include "meter/Zyn_Meter.h"
#include "platform/Accessibility.h"

namespace zyn {

namespace {

class TMeterAccessible : public vcl::TControlAccessible, public vcl::TAccValue {
public:
    explicit TMeterAccessible(TMeter* Meter) : TControlAccessible(Meter), meter_(Meter) {}
    vcl::TAccRole GetRole() const override { return vcl::arDial; }
    vcl::TAccStates GetStates() const override { return TControlAccessible::GetStates() | vcl::asReadOnly; }
    vcl::TAccValue* GetValue() override { return this; }
    vcl::TAccValueRange GetValueRange() const override {
        if (IsDefunct()) return {};
        return {meter_->GetValue(), meter_->GetMeterMinValue(), meter_->GetMeterMaxValue(), 0};
    }

protected:
    // The meter's own caption, drawn on its face.
    std::string CaptionText() const override { return meter_->GetCaption(); }

private:
    TMeter* meter_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TMeter::CreateAccessible() {
    return std::make_shared<TMeterAccessible>(this);
}

}  // namespace zyn
