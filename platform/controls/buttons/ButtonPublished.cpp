// The property tables of TButtonControl, TButton and TCheckBox.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/buttons/Button.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TButtonControl, TWinControl>("TButtonControl", [](TPublisher<TButtonControl>& p) {
        p.Boolean("TabStop", &TButtonControl::GetTabStop, &TButtonControl::SetTabStop);
        tables::PublishCaption(p);
    });
    RegisterClass<TButton, TButtonControl>("TButton", [](TPublisher<TButton>& p) {
        p.Integer("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult);
        p.Boolean("Default", &TButton::GetDefault, &TButton::SetDefault);
        p.Boolean("Cancel", &TButton::GetCancel, &TButton::SetCancel);
    });
    RegisterClass<TCheckBox, TButtonControl>("TCheckBox", [](TPublisher<TCheckBox>& p) {
        p.Boolean("AllowGrayed", &TCheckBox::GetAllowGrayed, &TCheckBox::SetAllowGrayed);
        p.Enum("State", &TCheckBox::GetState, &TCheckBox::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"});
        p.Boolean("Checked", &TCheckBox::GetChecked, &TCheckBox::SetChecked).Stored(false);
        p.Enum("Alignment", &TCheckBox::GetAlignment, &TCheckBox::SetAlignment, tables::AlignmentNames());
    });
    return true;
}();

}  // namespace
}  // namespace vcl
