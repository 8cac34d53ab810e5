// The headless backend (see HeadlessBackend.h).
#include "platform/backend/headless/HeadlessBackend.h"

#include "platform/controls/base/Backend.h"
#include "platform/controls/forms/ColorDialog.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/Menus.h"

namespace vcl {

std::function<void(TForm*)>& THeadlessBackend::ModalScript() {
    static std::function<void(TForm*)> script;
    return script;
}

std::function<TMenuItem*(TPopupMenu*, int, int)>& THeadlessBackend::PopupScript() {
    static std::function<TMenuItem*(TPopupMenu*, int, int)> script;
    return script;
}

std::function<bool(TColorDialog*)>& THeadlessBackend::ColorDialogScript() {
    static std::function<bool(TColorDialog*)> script;
    return script;
}

THeadlessBackend* THeadlessBackend::Current() { return dynamic_cast<THeadlessBackend*>(Backend()); }

void THeadlessBackend::RunScriptedModal(TCustomForm* Form) {
    auto* form = dynamic_cast<TForm*>(Form);
    if (form != nullptr && ModalScript()) ModalScript()(form);
}

TMenuItem* THeadlessBackend::RunScriptedPopup(TPopupMenu* Menu, int X, int Y) {
    return PopupScript() ? PopupScript()(Menu, X, Y) : nullptr;
}

std::optional<bool> THeadlessBackend::RunScriptedColorDialog(TColorDialog* Dialog) {
    if (!ColorDialogScript()) return std::nullopt;
    return ColorDialogScript()(Dialog);
}

void RegisterHeadlessBackend() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterBackend("headless", [] { return std::make_unique<THeadlessBackend>(); });
}

}  // namespace vcl
