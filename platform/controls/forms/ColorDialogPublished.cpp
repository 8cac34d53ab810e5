// The property table of TColorDialog.
#include "platform/controls/forms/ColorDialog.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TColorDialog, TComponent>("TColorDialog", [](TPublisher<TColorDialog>& p) {
        p.Color("Color", &TColorDialog::GetColor, &TColorDialog::SetColor);
        p.Object("CustomColors", &TColorDialog::GetCustomColors, &TColorDialog::SetCustomColors);
        p.Set("Options", &TColorDialog::GetOptions, &TColorDialog::SetOptions,
              {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"});
        p.Event("OnShow", &TColorDialog::GetOnShow, &TColorDialog::SetOnShow);
        p.Event("OnClose", &TColorDialog::GetOnClose, &TColorDialog::SetOnClose);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
