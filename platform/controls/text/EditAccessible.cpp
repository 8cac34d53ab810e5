#include "platform/controls/text/EditAccessible.h"

#include "platform/controls/text/Edit.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

TEditAccessible::TEditAccessible(TCustomEdit* Edit) : TControlAccessible(Edit), edit_(Edit) {}

TAccStates TEditAccessible::GetStates() const {
    TAccStates s = TControlAccessible::GetStates();
    if (TCustomEdit* e = GetEdit()) s.Include(e->GetReadOnly() ? asReadOnly : asEditable);
    return s;
}

std::string TEditAccessible::GetAccText() const {
    TCustomEdit* e = GetEdit();
    if (e == nullptr) return {};
    if (e->GetPasswordChar() == 0) return e->GetText();
    std::u32string masked(std::size_t(e->GetTextLength()), e->GetPasswordChar());
    return CodePointsToUtf8(masked);
}

int TEditAccessible::GetCaretOffset() const {
    TCustomEdit* e = GetEdit();
    return e != nullptr ? e->GetSelStart() : -1;
}

std::shared_ptr<TControlAccessible> TCustomEdit::CreateAccessible() { return std::make_shared<TEditAccessible>(this); }

}  // namespace vcl
