// Menu items, popup menus and their builders.
#include "platform/controls/forms/Menus.h"

#include <algorithm>

#include "platform/controls/base/Backend.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/forms/PopupWindow.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

// ---- shortcuts ---------------------------------------------------------------------------

constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

TShortCut ShortCut(WORD Key, TShiftState Shift) {
    TShortCut s = TShortCut(Key & 0xFF);
    if (Shift.Contains(ssShift)) s |= scShift;
    if (Shift.Contains(ssCtrl)) s |= scCtrl;
    if (Shift.Contains(ssAlt)) s |= scAlt;
    return s;
}

void ShortCutToKey(TShortCut S, WORD& Key, TShiftState& Shift) {
    Key = WORD(S & 0xFF);
    Shift = {};
    if (S & scShift) Shift.Include(ssShift);
    if (S & scCtrl) Shift.Include(ssCtrl);
    if (S & scAlt) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut S) {
    if (S == 0) return "";
    WORD key = WORD(S & 0xFF);
    std::string name;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) name = std::string(1, char(key));
    else if (key >= VK_F1 && key <= VK_F12) name = Format("F%d", {key - VK_F1 + 1});
    else {
        switch (key) {
        case VK_BACK: name = "BkSp"; break;
        case VK_TAB: name = "Tab"; break;
        case VK_RETURN: name = "Enter"; break;
        case VK_ESCAPE: name = "Esc"; break;
        case VK_SPACE: name = "Space"; break;
        case VK_PRIOR: name = "PgUp"; break;
        case VK_NEXT: name = "PgDn"; break;
        case VK_END: name = "End"; break;
        case VK_HOME: name = "Home"; break;
        case VK_LEFT: name = "Left"; break;
        case VK_UP: name = "Up"; break;
        case VK_RIGHT: name = "Right"; break;
        case VK_DOWN: name = "Down"; break;
        case VK_INSERT: name = "Ins"; break;
        case VK_DELETE: name = "Del"; break;
        default: name = "#" + std::to_string(key); break;
        }
    }
    std::string prefix;
    if (S & scShift) prefix += "Shift+";
    if (S & scCtrl) prefix += "Ctrl+";
    if (S & scAlt) prefix += "Alt+";
    return prefix + name;
}

// ---- TMenuItem ---------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    if (parent_ != nullptr) parent_->Remove(this);
    while (!items_.empty()) delete items_.back();
}

void TMenuItem::SetChecked(bool Value) {
    if (checked_ == Value) return;
    checked_ = Value;
    // A checked radio item unchecks the others of its group.
    if (Value && radioItem_ && parent_ != nullptr) {
        for (TMenuItem* other : parent_->items_)
            if (other != this && other->radioItem_ && other->groupIndex_ == groupIndex_) other->checked_ = false;
    }
}

TBitmap* TMenuItem::GetBitmap() {
    if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
    return bitmap_.get();
}

void TMenuItem::SetBitmap(TBitmap* Value) {
    if (Value == nullptr) {
        bitmap_.reset();
        return;
    }
    GetBitmap()->Assign(Value);
}

TMenuItem* TMenuItem::GetItems(int Index) const {
    if (Index < 0 || Index >= GetCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return items_[std::size_t(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(GetCount(), Item); }

void TMenuItem::Add(std::initializer_list<TMenuItem*> Items) {
    for (TMenuItem* item : Items) Add(item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (Item == nullptr) return;
    if (Item == this) throw EInvalidOperation("A menu item cannot contain itself");
    for (TMenuItem* p = this; p != nullptr; p = p->parent_)
        if (p == Item) throw EInvalidOperation("A menu item cannot contain its own parent");
    if (Item->parent_ != nullptr) {
        if (Item->parent_ == this) return;
        throw EInvalidOperation("Menu inserted twice");
    }
    Index = std::clamp(Index, 0, GetCount());
    items_.insert(items_.begin() + Index, Item);
    Item->parent_ = this;
}

void TMenuItem::Delete(int Index) { delete GetItems(Index); }

void TMenuItem::Remove(TMenuItem* Item) {
    auto it = std::find(items_.begin(), items_.end(), Item);
    if (it == items_.end()) return;
    items_.erase(it);
    Item->parent_ = nullptr;
}

void TMenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
    auto strip = [](const std::string& s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '&' && i + 1 < s.size()) ++i;
            out += s[i];
        }
        return out;
    };
    for (TMenuItem* item : items_) {
        if (strip(item->caption_) == strip(ACaption)) return item;
        if (TMenuItem* sub = item->Find(ACaption)) return sub;
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (radioItem_ && !checked_) SetChecked(true);
    if (FOnClick) FOnClick(this);
}

// ---- TMenu / TPopupMenu ------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(std::make_unique<TMenuItem>(nullptr)) {}

TMenu::~TMenu() = default;

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (popupComponent_ == Value) return;
    if (popupComponent_ != nullptr) popupComponent_->RemoveFreeNotification(this);
    popupComponent_ = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup() {
    if (FOnPopup) FOnPopup(this);
}

namespace {
bool BelongsTo(const TMenuItem* Root, const TMenuItem* Item) {
    for (const TMenuItem* p = Item; p != nullptr; p = p->GetParent())
        if (p == Root) return true;
    return false;
}
}  // namespace

void TPopupMenu::Popup(int X, int Y) {
    popupPoint_ = {X, Y};
    DoPopup();
    TMenuItem* chosen = Backend()->IsInteractive() ? RunPopupWindow(this, X, Y)
                                                   : Backend()->RunScriptedPopup(this, X, Y);
    // Only a real, enabled command of this menu is carried out.
    if (chosen != nullptr && BelongsTo(GetItems(), chosen) && chosen != GetItems() && chosen->GetEnabled() &&
        chosen->GetCount() == 0 && !chosen->IsLine())
        chosen->Click();
}

// ---- builders ----------------------------------------------------------------------------

TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& AName, TPopupAlignment Alignment,
                         bool AutoPopup, const std::vector<TMenuItem*>& Items) {
    auto* menu = new TPopupMenu(Owner);
    if (!AName.empty()) menu->SetName(AName);
    menu->SetAlignment(Alignment);
    menu->SetAutoPopup(AutoPopup);
    for (TMenuItem* item : Items) menu->GetItems()->Add(item);
    return menu;
}

TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& AName, TPopupAlignment Alignment,
                         bool AutoPopup, std::initializer_list<TMenuItem*> Items) {
    return NewPopupMenu(Owner, AName, Alignment, AutoPopup, std::vector<TMenuItem*>(Items));
}

TMenuItem* NewItem(const std::string& ACaption, TShortCut AShortCut, bool AChecked, bool AEnabled,
                   TNotifyEvent AOnClick, int hCtx, const std::string& AName) {
    auto* item = new TMenuItem(nullptr);
    if (!AName.empty()) item->SetName(AName);
    item->SetCaption(ACaption);
    item->SetShortCut(AShortCut);
    item->SetChecked(AChecked);
    item->SetEnabled(AEnabled);
    item->SetOnClick(std::move(AOnClick));
    item->SetHelpContext(hCtx);
    return item;
}

TMenuItem* NewSubMenu(const std::string& ACaption, int hCtx, const std::string& AName,
                      std::initializer_list<TMenuItem*> Items, bool AEnabled) {
    TMenuItem* item = NewItem(ACaption, 0, false, AEnabled, nullptr, hCtx, AName);
    item->Add(Items);
    return item;
}

TMenuItem* NewLine() { return NewItem("-", 0, false, true, nullptr, 0, ""); }

}  // namespace vcl
