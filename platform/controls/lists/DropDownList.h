// The drop-down list of combo boxes and pick-list editors: a list control on a borderless
// popup form that opens below (or above) the control that owns it.
//
// The list never takes the keyboard focus: its owner keeps it and hands the navigation
// keys over (MoveBy, PageSize). The mouse highlights the item under the pointer, a click
// on an item chooses it (OnChoose), the wheel and a scroll bar scroll long lists.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Sets.h"

namespace vcl {

enum TOwnerDrawStateItem : std::uint8_t {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
    odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TListMeasureItemEvent = std::function<void(TObject* Sender, int Index, int& Height)>;
using TListChooseEvent = std::function<void(TObject* Sender, int Index)>;
using TListDrawItemEvent =
    std::function<void(TObject* Sender, int Index, const TRect& Rect, TOwnerDrawState State)>;

class TDropDownList : public TCustomControl {
public:
    explicit TDropDownList(TComponent* AOwner);
    std::string ClassName() const override { return "TDropDownList"; }

    // The strings shown (not owned; they must outlive the open list).
    void SetItems(const TStrings* Items);
    const TStrings* GetItems() const { return items_; }
    int GetCount() const { return items_ != nullptr ? items_->Count() : 0; }
    // Height of every item, or per item through OnMeasureItem (set before SetItems).
    void SetItemHeight(int Value);
    int GetItemHeight() const { return itemHeight_; }
    TListMeasureItemEvent GetOnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TListMeasureItemEvent Value) { FOnMeasureItem = std::move(Value); }
    // The highlighted item (-1: none); setting it scrolls it into view.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    int GetTopIndex() const { return topIndex_; }
    void SetTopIndex(int Value);
    // Moves the highlight by Delta items (clamped), as the arrow and page keys do.
    void MoveBy(int Delta);
    // Items that fit in the list at once (at least 1).
    int PageSize() const;
    // Index of the item at a client point, or -1.
    int ItemAtPos(TPoint P) const;
    // Client rectangle of item Index (empty when it is not visible).
    TRect ItemRect(int Index) const;
    const TInnerScrollBar& GetScrollBar() const { return bar_; }
    // Height a list of Rows items needs (frame included).
    int HeightForRows(int Rows) const;

    // An item was clicked (mouse released on it).
    TListChooseEvent GetOnChoose() const { return FOnChoose; }
    void SetOnChoose(TListChooseEvent Value) { FOnChoose = std::move(Value); }
    // Draws an item instead of the default text; the canvas brush and font are preset.
    TListDrawItemEvent GetOnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TListDrawItemEvent Value) { FOnDrawItem = std::move(Value); }

protected:
    TListMeasureItemEvent FOnMeasureItem;
    TListChooseEvent FOnChoose;
    TListDrawItemEvent FOnDrawItem;

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Resize() override;

private:
    // The visible items, clipped to Area.
    void PaintItems(TCanvas* Canvas, const TRect& Area);
    TRect ItemArea() const;
    int HeightOf(int Index) const;
    void LayoutBar();
    void Scroll(int Code, int Pos);
    int MaxTopIndex() const;

    const TStrings* items_ = nullptr;
    std::vector<int> heights_;      // per item when OnMeasureItem is set
    int itemHeight_ = 16;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    bool pressedInside_ = false;
    bool barTracking_ = false;
    TInnerScrollBar bar_{true};
};

// The borderless popup form that carries a TDropDownList. Showing it leaves the keyboard
// focus where it was.
class TDropDownForm : public TCustomForm {
public:
    explicit TDropDownForm(TComponent* AOwner);
    std::string ClassName() const override { return "TDropDownForm"; }
    TDropDownList* GetList() const { return list_; }
    // Places the form below the screen rectangle Anchor (above it when the screen ends
    // first), Width wide and Height high, and shows it.
    void Popup(const TRect& Anchor, int Width, int Height);

protected:
    void Activate() override {}

private:
    TDropDownList* list_;
};

}  // namespace vcl
