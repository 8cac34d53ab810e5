// What assistive tools read of the numeric label: a label named by its side texts whose
// text is what the box shows, with the value itself where the display shows a number.
#include "numlab/Zyn_NumLab.h"
#include "platform/Accessibility.h"

namespace zyn {

namespace {

class TNumLabAccessible : public vcl::TControlAccessible, public vcl::TAccValue, public vcl::TAccText {
public:
    explicit TNumLabAccessible(TNumLab* Label) : TControlAccessible(Label), label_(Label) {}
    vcl::TAccRole GetRole() const override { return vcl::arLabel; }
    vcl::TAccStates GetStates() const override { return TControlAccessible::GetStates() | vcl::asReadOnly; }
    // A state or a date is no number to step through.
    vcl::TAccValue* GetValue() override {
        if (IsDefunct() || label_->GetDisplayType() == dtState || label_->GetDisplayType() == dtDateTime) return nullptr;
        return this;
    }
    vcl::TAccValueRange GetValueRange() const override {
        if (IsDefunct()) return {};
        double v = label_->GetValue();
        return {v, v, v, 0};
    }
    vcl::TAccText* GetText() override { return this; }
    std::string GetAccText() const override { return IsDefunct() ? std::string() : label_->DisplayedText(); }

protected:
    std::string CaptionText() const override {
        std::string name = label_->GetLeftText();
        if (!label_->GetRightText().empty()) name += (name.empty() ? "" : " ") + label_->GetRightText();
        return name;
    }

private:
    TNumLab* label_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TNumLab::CreateAccessible() {
    return std::make_shared<TNumLabAccessible>(this);
}

}  // namespace zyn
