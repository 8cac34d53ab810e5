// Menus: menu items, popup menus, shortcuts and the builders in the framework's style.
//
// Popup is synchronous: it returns after the menu has closed and the chosen item's
// OnClick has run. With a person at the backend a popup window shows the items; without
// one the test's OnPopup script picks the item.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

using TShortCut = WORD;
// A shortcut from a key and the modifiers Shift, Ctrl and Alt.
TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift);
// "Ctrl+C", "Shift+Del", "F2" ...; "" for 0.
std::string ShortCutToText(TShortCut ShortCut);

class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& Value) { caption_ = Value; }
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool Value) { enabled_ = Value; }
    bool GetChecked() const { return checked_; }
    void SetChecked(bool Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value) { visible_ = Value; }
    bool GetRadioItem() const { return radioItem_; }
    void SetRadioItem(bool Value) { radioItem_ = Value; }
    BYTE GetGroupIndex() const { return groupIndex_; }
    void SetGroupIndex(BYTE Value) { groupIndex_ = Value; }
    TShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut Value) { shortCut_ = Value; }
    const std::string& GetHint() const { return hint_; }
    void SetHint(const std::string& Value) { hint_ = Value; }
    int GetHelpContext() const { return helpContext_; }
    void SetHelpContext(int Value) { helpContext_ = Value; }
    // The picture shown left of the caption (created on first use; empty = none).
    TBitmap* GetBitmap();
    void SetBitmap(TBitmap* Value);
    bool HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }
    // A separator: caption "-".
    bool IsLine() const { return caption_ == "-"; }

    // ---- sub-items (owned by this item)
    int GetCount() const { return static_cast<int>(items_.size()); }
    int Count() const { return GetCount(); }
    TMenuItem* GetItems(int Index) const;
    TMenuItem* operator[](int Index) const { return GetItems(Index); }
    void Add(TMenuItem* Item);
    void Add(std::initializer_list<TMenuItem*> Items);
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);                 // frees the item
    void Remove(TMenuItem* Item);           // takes the item out without freeing it
    void Clear();                           // frees every sub-item
    int IndexOf(const TMenuItem* Item) const;
    TMenuItem* GetParent() const { return parent_; }
    // The item of this tree with that name, or nullptr.
    TMenuItem* Find(const std::string& ACaption) const;

    // Fires OnClick (a checked radio item also unchecks its group).
    virtual void Click();
    TNotifyEvent GetOnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }

protected:
    TNotifyEvent FOnClick;

private:
    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    bool radioItem_ = false;
    BYTE groupIndex_ = 0;
    TShortCut shortCut_ = 0;
    std::string hint_;
    int helpContext_ = 0;
    std::unique_ptr<TBitmap> bitmap_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    std::string ClassName() const override { return "TMenu"; }
    // The root item; its sub-items are the menu's entries.
    TMenuItem* GetItems() const { return items_.get(); }

private:
    std::unique_ptr<TMenuItem> items_;
};

enum TPopupAlignment : std::uint8_t { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner);
    std::string ClassName() const override { return "TPopupMenu"; }

    // Shows the menu with its top-left at the screen point (X, Y) and returns when it has
    // closed; the chosen item (enabled, without sub-items) is clicked before returning.
    virtual void Popup(int X, int Y);
    bool GetAutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool Value) { autoPopup_ = Value; }
    TPopupAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment Value) { alignment_ = Value; }
    // The control whose context menu opened it.
    TComponent* GetPopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* Value);
    // The screen point of the last Popup.
    TPoint GetPopupPoint() const { return popupPoint_; }
    TNotifyEvent GetOnPopup() const { return FOnPopup; }
    void SetOnPopup(TNotifyEvent Value) { FOnPopup = std::move(Value); }

protected:
    virtual void DoPopup();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TNotifyEvent FOnPopup;

private:
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = paLeft;
    TComponent* popupComponent_ = nullptr;
    TPoint popupPoint_;
};

// Builders in the framework's style. The menu owns the items given to it.
TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& AName, TPopupAlignment Alignment,
                         bool AutoPopup, std::initializer_list<TMenuItem*> Items);
TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& AName, TPopupAlignment Alignment,
                         bool AutoPopup, const std::vector<TMenuItem*>& Items);
TMenuItem* NewItem(const std::string& ACaption, TShortCut AShortCut, bool AChecked, bool AEnabled,
                   TNotifyEvent AOnClick, int hCtx, const std::string& AName);
TMenuItem* NewSubMenu(const std::string& ACaption, int hCtx, const std::string& AName,
                      std::initializer_list<TMenuItem*> Items, bool AEnabled = true);
TMenuItem* NewLine();

}  // namespace vcl
