// The property tables of TCustomEdit and TEdit.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/text/Edit.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TCustomEdit, TWinControl>("TCustomEdit", [](TPublisher<TCustomEdit>& p) {
        p.Boolean("ParentColor", &TCustomEdit::GetParentColor, &TCustomEdit::SetParentColor);
        p.Boolean("TabStop", &TCustomEdit::GetTabStop, &TCustomEdit::SetTabStop);
        p.Integer("Cursor", &TCustomEdit::GetCursor, &TCustomEdit::SetCursor);
        p.String("Text", [](TCustomEdit& e) { return e.GetText(); },
                 [](TCustomEdit& e, const std::string& v) { e.SetText(v); });
        p.Boolean("ReadOnly", &TCustomEdit::GetReadOnly, &TCustomEdit::SetReadOnly);
        p.Integer("MaxLength", &TCustomEdit::GetMaxLength, &TCustomEdit::SetMaxLength);
        // An edit field has a border or none; the form border styles do not apply.
        p.Enum("BorderStyle", &TCustomEdit::GetBorderStyle, &TCustomEdit::SetBorderStyle, {"bsNone", "bsSingle"});
        p.Boolean("AutoSelect", &TCustomEdit::GetAutoSelect, &TCustomEdit::SetAutoSelect);
        p.Boolean("HideSelection", &TCustomEdit::GetHideSelection, &TCustomEdit::SetHideSelection);
        p.Enum("CharCase", &TCustomEdit::GetCharCase, &TCustomEdit::SetCharCase,
               {"ecNormal", "ecUpperCase", "ecLowerCase"});
        p.Integer("PasswordChar", [](TCustomEdit& e) { return std::int64_t(e.GetPasswordChar()); },
                  [](TCustomEdit& e, std::int64_t v) { e.SetPasswordChar(char32_t(v)); });
        p.Enum("Alignment", &TCustomEdit::GetAlignment, &TCustomEdit::SetAlignment, tables::AlignmentNames());
        p.Event("OnChange", &TCustomEdit::GetOnChange, &TCustomEdit::SetOnChange);
    });
    RegisterClass<TEdit, TCustomEdit>("TEdit", [](TPublisher<TEdit>& p) {
        p.Boolean("AutoSize", &TEdit::GetAutoSize, &TEdit::SetAutoSize);   // on in a fresh field
    });
    return true;
}();

}  // namespace
}  // namespace vcl
