// The property tables of TCustomForm and TForm.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/forms/Form.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomForm, TCustomControl>("TCustomForm", [](TPublisher<TCustomForm>& p) {
        tables::PublishCaption(p);
        p.Boolean("ParentColor", &TCustomForm::GetParentColor, &TCustomForm::SetParentColor);
        p.Color("Color", &TCustomForm::GetColor, &TCustomForm::SetColor);
        p.Boolean("Visible", &TCustomForm::GetVisible, &TCustomForm::SetVisible);
        // The client size follows from Width and Height and the border style.
        p.Integer("ClientWidth", &TCustomForm::GetClientWidth, &TCustomForm::SetClientWidth).Stored(false);
        p.Integer("ClientHeight", &TCustomForm::GetClientHeight, &TCustomForm::SetClientHeight).Stored(false);
        p.Enum("BorderStyle", &TCustomForm::GetBorderStyle, &TCustomForm::SetBorderStyle, tables::BorderStyleNames());
        p.Enum("Position", &TCustomForm::GetPosition, &TCustomForm::SetPosition,
               {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"});
        p.Boolean("KeyPreview", &TCustomForm::GetKeyPreview, &TCustomForm::SetKeyPreview);
        p.Integer("ModalResult", &TCustomForm::GetModalResult, &TCustomForm::SetModalResult).Stored(false);
        p.Event("OnShow", &TCustomForm::GetOnShow, &TCustomForm::SetOnShow);
        p.Event("OnHide", &TCustomForm::GetOnHide, &TCustomForm::SetOnHide);
        p.Event("OnPaint", &TCustomForm::GetOnPaint, &TCustomForm::SetOnPaint);
        p.Event("OnActivate", &TCustomForm::GetOnActivate, &TCustomForm::SetOnActivate);
        p.Event("OnDeactivate", &TCustomForm::GetOnDeactivate, &TCustomForm::SetOnDeactivate);
        p.Event("OnClose", &TCustomForm::GetOnClose, &TCustomForm::SetOnClose);
        p.Event("OnCloseQuery", &TCustomForm::GetOnCloseQuery, &TCustomForm::SetOnCloseQuery);
    });
    // Written only away from their defaults (96, True), so forms saved at 1x read as before.
    RegisterClass<TForm, TCustomForm>("TForm", [](TPublisher<TForm>& p) {
        p.Integer("PixelsPerInch", &TForm::GetPixelsPerInch, &TForm::SetPixelsPerInch);
        p.Boolean("Scaled", &TForm::GetScaled, &TForm::SetScaled);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
