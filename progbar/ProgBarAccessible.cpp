// What assistive tools read of the progress bar: its value between Min and Max (the
// automatic increment's step as the step).
#include "platform/Accessibility.h"
#include "progbar/Zyn_ProgBar.h"

namespace zyn {

namespace {

class TProgBarAccessible : public vcl::TControlAccessible, public vcl::TAccValue {
public:
    explicit TProgBarAccessible(TProgBar* Bar) : TControlAccessible(Bar), bar_(Bar) {}
    vcl::TAccRole GetRole() const override { return vcl::arProgressBar; }
    vcl::TAccStates GetStates() const override { return TControlAccessible::GetStates() | vcl::asReadOnly; }
    vcl::TAccValue* GetValue() override { return this; }
    vcl::TAccValueRange GetValueRange() const override {
        if (IsDefunct()) return {};
        return {bar_->GetValue(), bar_->GetMin(), bar_->GetMax(), bar_->GetAutoIncStep()};
    }

private:
    TProgBar* bar_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TProgBar::CreateAccessible() {
    return std::make_shared<TProgBarAccessible>(this);
}

}  // namespace zyn
