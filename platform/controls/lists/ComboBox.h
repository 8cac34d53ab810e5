// Combo boxes: an edit field or a selection field with a list that drops down below it.
//
// csDropDown edits its text in an inner edit line; csDropDownList shows the chosen item;
// the owner-drawn styles let DrawItem paint the items (in the list and in the field).
// The list is a popup form (platform/controls/lists/DropDownList.h); the combo box keeps the
// keyboard focus while it is open and steers it with the keys.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/lists/DropDownList.h"
#include "platform/controls/text/Edit.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

enum TComboBoxStyle : std::uint8_t {
    csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable
};

using TDrawItemEvent =
    std::function<void(TObject* Sender, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TObject* Sender, int Index, int& Height)>;

class TCustomComboBox;

// The edit line of a csDropDown combo box: its keys go through the combo box first.
class TComboEdit : public TCustomEdit {
public:
    explicit TComboEdit(TCustomComboBox* Combo);
    std::string ClassName() const override { return "TComboEdit"; }

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMCancelMode(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;

private:
    TCustomComboBox* combo_;
};

class TCustomComboBox : public TCustomControl {
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;
    std::string ClassName() const override { return "TCustomComboBox"; }

    TStrings* GetItems() const { return items_.get(); }
    void SetItems(TStrings* Value) { items_->Assign(Value); }
    // -1: nothing chosen. Setting it does not fire OnChange (as a program's change).
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    TComboBoxStyle GetStyle() const { return style_; }
    void SetStyle(TComboBoxStyle Value);
    // Item height: set for the owner-drawn styles, the font's otherwise.
    int GetItemHeight() const;
    void SetItemHeight(int Value);
    int GetDropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int Value) { dropDownCount_ = std::max(1, Value); }
    bool GetDroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool Value);
    bool GetSorted() const;
    void SetSorted(bool Value);
    int GetMaxLength() const { return maxLength_; }
    void SetMaxLength(int Value);
    // The edit line of csDropDown (nullptr in the other styles).
    TCustomEdit* GetEditControl() const { return edit_; }
    // The open list (nullptr while closed).
    TDropDownList* GetListControl() const;
    // The canvas DrawItem draws on: the list's while it paints an item, the field's otherwise.
    TCanvas* GetCanvas();
    bool Focused() const override;
    void SetFocus() override;
    void SelectAll();

    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    TNotifyEvent GetOnSelect() const { return FOnSelect; }
    void SetOnSelect(TNotifyEvent Value) { FOnSelect = std::move(Value); }
    TNotifyEvent GetOnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = std::move(Value); }
    TNotifyEvent GetOnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TNotifyEvent Value) { FOnCloseUp = std::move(Value); }
    TDrawItemEvent GetOnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent Value) { FOnDrawItem = std::move(Value); }
    TMeasureItemEvent GetOnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMeasureItemEvent Value) { FOnMeasureItem = std::move(Value); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    // An owner-drawn item height scales with the control.
    void ChangeScale(int M, int D) override;
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    friend class TComboEdit;

    // Opens the list: fires OnDropDown first (the handler may still change the items).
    virtual void DropDown();
    virtual void CloseUp();
    virtual void Change();
    virtual void Select();
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    virtual void MeasureItem(int Index, int& Height);

    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoExit() override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMCancelMode(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void SetTextBuf(const std::string& Value) override;
    std::string GetTextBuf() const override;

    TNotifyEvent FOnChange, FOnSelect, FOnDropDown, FOnCloseUp;
    TDrawItemEvent FOnDrawItem;
    TMeasureItemEvent FOnMeasureItem;

private:
    bool IsListStyle() const { return style_ != csDropDown && style_ != csSimple; }
    bool IsOwnerDraw() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
    TRect ButtonRect() const;
    TRect FieldRect() const;
    void LayoutEdit();
    void UpdateEditFromItem();
    // A user's choice of an item: stores it, updates the text, fires OnClick and OnSelect
    // (OnChange when no OnSelect handler is assigned).
    void ChooseItem(int Index);
    void CloseList(bool Accept);
    int FontItemHeight();
    void ItemsChanged();
    void DrawListItem(int Index, const TRect& Rect, TOwnerDrawState State);
    // Handles the navigation keys of both the field and the edit line; true when used.
    bool NavigationKey(WORD Key, TShiftState Shift);
    void SelectByFirstLetter(char32_t Ch);

    std::unique_ptr<TStringList> items_;
    TComboEdit* edit_ = nullptr;
    TDropDownForm* dropForm_ = nullptr;
    TComboBoxStyle style_ = csDropDown;
    int itemIndex_ = -1;
    int itemHeight_ = 16;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
    bool droppedDown_ = false;
    bool updatingEdit_ = false;
    std::unique_ptr<TCanvas> itemCanvas_;   // bound to the list while an item is drawn
    bool drawingListItem_ = false;
};

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
    std::string ClassName() const override { return "TComboBox"; }
};

}  // namespace vcl
