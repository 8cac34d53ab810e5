// What assistive tools read of a form: a frame, or a dialog while it is shown modally or
// has a dialog's border.
#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/forms/Form.h"

namespace vcl {

namespace {

class TFormAccessible : public TControlAccessible {
public:
    explicit TFormAccessible(TCustomForm* Form) : TControlAccessible(Form), form_(Form) {}
    TAccRole GetRole() const override {
        if (IsDefunct()) return arUnknown;
        return form_->IsModal() || form_->GetBorderStyle() == bsDialog ? arDialog : arFrame;
    }
    // Active while it is the form the keyboard goes to.
    TAccStates GetStates() const override {
        TAccStates s = TControlAccessible::GetStates();
        if (!IsDefunct() && Screen != nullptr && Screen->GetActiveForm() == form_) s.Include(asActive);
        return s;
    }
    // A form has no parent control: it is a top-level object of the application.
    TAccessiblePtr GetParent() const override { return nullptr; }

private:
    TCustomForm* form_;
};

}  // namespace

std::shared_ptr<TControlAccessible> TCustomForm::CreateAccessible() { return std::make_shared<TFormAccessible>(this); }

}  // namespace vcl
