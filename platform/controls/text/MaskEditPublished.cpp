// The property tables of TCustomMaskEdit and TMaskEdit: the mask is published by TMaskEdit
// only (the grid's in-place editor takes its masks from the grid).
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/text/MaskEdit.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomMaskEdit, TCustomEdit>("TCustomMaskEdit");
    RegisterClass<TMaskEdit, TCustomMaskEdit>("TMaskEdit", [](TPublisher<TMaskEdit>& p) {
        p.Boolean("AutoSize", &TMaskEdit::GetAutoSize, &TMaskEdit::SetAutoSize);   // on in a fresh field
        p.String("EditMask", [](TMaskEdit& e) { return e.GetEditMask(); },
                 [](TMaskEdit& e, const std::string& v) { e.SetEditMask(v); });
    });
    return true;
}();

}  // namespace
}  // namespace vcl
