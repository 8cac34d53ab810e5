// What assistive tools read of the seven-segment display: a label whose text is the
// caption shown, with a value while the caption reads as a number.
#include "platform/Accessibility.h"
#include "platform/SysUtils.h"
#include "sevenseg/Zyn_sevenseg.h"

namespace zyn {

namespace {

class TSevenSegAccessible : public vcl::TControlAccessible, public vcl::TAccValue, public vcl::TAccText {
public:
    explicit TSevenSegAccessible(TSevenSeg* Display) : TControlAccessible(Display), display_(Display) {}
    vcl::TAccRole GetRole() const override { return vcl::arLabel; }
    vcl::TAccStates GetStates() const override { return TControlAccessible::GetStates() | vcl::asReadOnly; }
    vcl::TAccValue* GetValue() override {
        double v;
        return Number(v) ? this : nullptr;
    }
    vcl::TAccValueRange GetValueRange() const override {
        double v = 0;
        Number(v);
        return {v, v, v, 0};
    }
    vcl::TAccText* GetText() override { return this; }
    std::string GetAccText() const override { return IsDefunct() ? std::string() : display_->GetCaption(); }

protected:
    // The caption is what is shown, not what the display is.
    bool CaptionIsName() const override { return false; }

private:
    bool Number(double& Value) const {
        return !IsDefunct() && vcl::TryStrToFloat(vcl::Trim(display_->GetCaption()), Value);
    }
    TSevenSeg* display_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TSevenSeg::CreateAccessible() {
    return std::make_shared<TSevenSegAccessible>(this);
}

}  // namespace zyn
