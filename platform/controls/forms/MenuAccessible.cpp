// What assistive tools read of a popup menu while it is shown: a menu whose children are
// its visible entries, each a menu item (a line a separator) that reads its caption,
// is checked like the entry, selected while it is the hot one, and is chosen through its
// press action as Enter would choose it.
#include <memory>
#include <string>

#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/forms/Menus.h"
#include "platform/controls/forms/PopupWindow.h"

namespace vcl {

namespace {

class TMenuWindowAccessible;

class TAccMenuItem : public TAccessible {
public:
    TAccMenuItem(std::shared_ptr<TMenuWindowAccessible> Menu, int Index) : menu_(std::move(Menu)), index_(Index) {}
    TAccRole GetRole() const override;
    std::string GetName() const override;
    std::string GetDescription() const override;
    TAccStates GetStates() const override;
    TRect GetScreenBounds() const override;
    bool IsDefunct() const override;
    TAccessiblePtr GetParent() const override;
    int GetIndexInParent() const override { return IsDefunct() ? -1 : index_; }
    TAccActions GetActions() const override;
    bool DoAction(TAccAction Action) override;

private:
    TMenuItem* Item() const;
    std::shared_ptr<TMenuWindowAccessible> menu_;
    int index_;
};

class TMenuWindowAccessible : public TControlAccessible, public TAccSelection {
public:
    explicit TMenuWindowAccessible(TMenuWindow* Window) : TControlAccessible(Window), window_(Window) {}
    TMenuWindow* Window() const { return IsDefunct() ? nullptr : window_; }

    TAccRole GetRole() const override { return arMenu; }
    // A menu is named by nothing of its own.
    std::string GetName() const override { return {}; }
    TAccessiblePtr GetParent() const override { return nullptr; }
    int GetChildCount() const override { return IsDefunct() ? 0 : window_->GetItemCount(); }
    TAccessiblePtr GetChild(int Index) override {
        if (Index < 0 || Index >= GetChildCount()) return nullptr;
        auto self = std::static_pointer_cast<TMenuWindowAccessible>(shared_from_this());
        return items_.Get(Index, [&] { return std::make_shared<TAccMenuItem>(self, Index); });
    }
    TAccSelection* GetSelection() override { return this; }
    std::vector<int> GetSelectedChildren() const override {
        if (IsDefunct() || window_->GetHotIndex() < 0) return {};
        return {window_->GetHotIndex()};
    }

protected:
    void DetachItems() override { items_.Clear(); }

private:
    TMenuWindow* window_;
    TAccItemCache<int, TAccMenuItem> items_;
};

TMenuItem* TAccMenuItem::Item() const {
    TMenuWindow* w = menu_->Window();
    return w != nullptr ? w->GetItem(index_) : nullptr;
}

bool TAccMenuItem::IsDefunct() const { return Item() == nullptr; }

TAccRole TAccMenuItem::GetRole() const {
    TMenuItem* item = Item();
    return item == nullptr ? arUnknown : item->IsLine() ? arSeparator : arMenuItem;
}

std::string TAccMenuItem::GetName() const {
    TMenuItem* item = Item();
    return item == nullptr || item->IsLine() ? std::string() : StripAccelerator(item->GetCaption());
}

std::string TAccMenuItem::GetDescription() const {
    TMenuItem* item = Item();
    return item != nullptr ? item->GetHint() : std::string();
}

TAccStates TAccMenuItem::GetStates() const {
    TMenuItem* item = Item();
    if (item == nullptr) return {};
    TAccStates menu = menu_->GetStates();
    TAccStates s = menu & TAccStates{asVisible, asShowing};
    if (item->IsLine()) return s;
    if (item->GetEnabled() && menu.Contains(asEnabled)) s.Include(asEnabled);
    s.Include(asSelectable);
    s.Include(asFocusable);
    if (menu_->Window()->GetHotIndex() == index_) {
        s.Include(asSelected);
        s.Include(asFocused);
    }
    if (item->GetRadioItem() || item->GetChecked()) s.Include(asCheckable);
    if (item->GetChecked()) s.Include(asChecked);
    if (item->GetCount() > 0) s.Include(asExpandable);
    return s;
}

TRect TAccMenuItem::GetScreenBounds() const {
    TMenuWindow* w = menu_->Window();
    if (w == nullptr || Item() == nullptr) return {};
    TRect r = w->ItemRect(index_);
    TPoint o = w->ClientToScreen({r.Left, r.Top});
    return Bounds(o.X, o.Y, r.Width(), r.Height());
}

TAccessiblePtr TAccMenuItem::GetParent() const { return IsDefunct() ? nullptr : menu_; }

TAccActions TAccMenuItem::GetActions() const {
    TMenuItem* item = Item();
    if (item == nullptr || item->IsLine()) return {};
    return {aaPress};
}

bool TAccMenuItem::DoAction(TAccAction Action) {
    TMenuWindow* w = menu_->Window();
    return Action == aaPress && w != nullptr && w->ChooseLater(index_);
}

}  // namespace

std::shared_ptr<TControlAccessible> TMenuWindow::CreateAccessible() {
    return std::make_shared<TMenuWindowAccessible>(this);
}

}  // namespace vcl
