#include "platform/controls/base/ItemsAccessible.h"

#include "platform/controls/base/Control.h"
#include "platform/controls/base/InputDispatch.h"

namespace vcl {

// ---- TAccItem ----------------------------------------------------------------------------

bool TAccItem::IsDefunct() const { return owner_->IsDefunct() || index_ >= owner_->ItemCount(); }

TAccRole TAccItem::GetRole() const { return owner_->ItemRole(); }

std::string TAccItem::GetName() const { return IsDefunct() ? std::string() : owner_->ItemName(index_); }

TAccStates TAccItem::GetStates() const {
    if (IsDefunct()) return {};
    TAccStates control = owner_->GetStates();
    TAccStates s = control & TAccStates{asEnabled, asVisible};
    s.Include(asSelectable);
    if (!owner_->ItemRect(index_).IsEmpty() && control.Contains(asShowing)) s.Include(asShowing);
    if (owner_->ItemSelected(index_)) s.Include(asSelected);
    if (control.Contains(asFocusable)) s.Include(asFocusable);
    if (control.Contains(asFocused) && owner_->ItemFocused(index_)) s.Include(asFocused);
    return s | owner_->ItemExtraStates(index_);
}

TRect TAccItem::GetScreenBounds() const {
    if (IsDefunct()) return {};
    TRect r = owner_->ItemRect(index_);
    if (r.IsEmpty()) return {};
    TPoint origin = owner_->GetControl()->ClientToScreen({r.Left, r.Top});
    return Bounds(origin.X, origin.Y, r.Width(), r.Height());
}

TAccessiblePtr TAccItem::GetParent() const { return owner_; }

TAccActions TAccItem::GetActions() const { return {aaActivate}; }

bool TAccItem::DoAction(TAccAction Action) {
    if (Action != aaActivate || IsDefunct() || !owner_->HasState(asEnabled)) return false;
    return owner_->SelectItem(index_);
}

// ---- TItemsAccessible --------------------------------------------------------------------

int TItemsAccessible::GetChildCount() const { return IsDefunct() ? 0 : ItemCount(); }

TAccessiblePtr TItemsAccessible::GetChild(int Index) {
    if (Index < 0 || Index >= GetChildCount()) return nullptr;
    auto self = std::static_pointer_cast<TItemsAccessible>(shared_from_this());
    return items_.Get(Index, [&] { return std::make_shared<TAccItem>(self, Index); });
}

std::vector<int> TItemsAccessible::GetSelectedChildren() const {
    std::vector<int> out;
    for (int i = 0, n = GetChildCount(); i < n; ++i)
        if (ItemSelected(i)) out.push_back(i);
    return out;
}

bool TItemsAccessible::SelectChild(int Index) {
    if (Index < 0 || Index >= GetChildCount() || !HasState(asEnabled)) return false;
    return SelectItem(Index);
}

void NotifyItemFocus(TControl* Control, int Index) {
    if (!accessibility::Listening() || Control == nullptr || !Control->HasAccessible()) return;
    auto acc = Control->GetAccessible();
    accessibility::Raise({aeSelection, acc, asSelected, -1});
    if (input::FocusedControl() == Control)
        if (TAccessiblePtr item = acc->GetChild(Index)) accessibility::Raise({aeFocus, item, asFocused, -1});
}

}  // namespace vcl
