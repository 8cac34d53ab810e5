// What assistive tools read of the numeric fields. TNumIO is an edit whose text is a
// number between RangeLow and RangeHigh. TNumIO2 is a spin button: a number box with up
// and down buttons stepping by ButIncrem, its side texts naming it.
#include "numio/Zyn_NumIO.h"
#include "numio/Zyn_NumIO2.h"
#include "platform/Accessibility.h"

namespace zyn {

namespace {

class TNumIOAccessible : public vcl::TEditAccessible, public vcl::TAccValue {
public:
    explicit TNumIOAccessible(TNumIO* Field) : TEditAccessible(Field), field_(Field) {}
    vcl::TAccValue* GetValue() override { return this; }
    vcl::TAccValueRange GetValueRange() const override {
        if (IsDefunct()) return {};
        return {field_->GetValue(), field_->GetRangeLow(), field_->GetRangeHigh(), 0};
    }
    bool SetCurrentValue(double Value) override {
        if (IsDefunct() || field_->GetReadOnly() || !field_->IsEnabledInTree()) return false;
        if (Value < field_->GetRangeLow() || Value > field_->GetRangeHigh()) return false;
        field_->SetValue(Value);
        return true;
    }

private:
    TNumIO* field_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TNumIO::CreateAccessible() {
    return std::make_shared<TNumIOAccessible>(this);
}

}  // namespace zyn

namespace zyn {

namespace {

class TNumIO2Accessible : public vcl::TControlAccessible, public vcl::TAccValue, public vcl::TAccText {
public:
    explicit TNumIO2Accessible(TNumIO2* Field) : TControlAccessible(Field), field_(Field) {}
    vcl::TAccRole GetRole() const override { return vcl::arSpinButton; }
    vcl::TAccStates GetStates() const override {
        vcl::TAccStates s = TControlAccessible::GetStates();
        if (!IsDefunct()) s.Include(field_->GetReadOnly() ? vcl::asReadOnly : vcl::asEditable);
        return s;
    }
    vcl::TAccValue* GetValue() override { return this; }
    vcl::TAccValueRange GetValueRange() const override {
        if (IsDefunct()) return {};
        return {field_->GetValue(), field_->GetRangeLow(), field_->GetRangeHigh(), field_->GetButIncrem()};
    }
    bool SetCurrentValue(double Value) override {
        if (IsDefunct() || field_->GetReadOnly() || !field_->IsEnabledInTree()) return false;
        if (Value < field_->GetRangeLow() || Value > field_->GetRangeHigh()) return false;
        field_->SetValue(Value);
        return true;
    }
    vcl::TAccText* GetText() override { return this; }
    std::string GetAccText() const override { return IsDefunct() ? std::string() : field_->GetText(); }
    int GetCaretOffset() const override { return IsDefunct() ? -1 : field_->GetCaretPos(); }

protected:
    // The caption is the number typed; the side texts say what it is.
    std::string CaptionText() const override {
        std::string name = field_->GetLeftText();
        if (!field_->GetRightText().empty()) name += (name.empty() ? "" : " ") + field_->GetRightText();
        return name;
    }

private:
    TNumIO2* field_;
};

}  // namespace

std::shared_ptr<vcl::TControlAccessible> TNumIO2::CreateAccessible() {
    return std::make_shared<TNumIO2Accessible>(this);
}

}  // namespace zyn
