// The list box: a framed, focusable list of strings with one selected item, scrolled by the
// wheel and kept in view by the arrow, page, Home and End keys. OnClick fires when the user
// changes the selection with the mouse or the keys.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;
    std::string ClassName() const override { return "TCustomListBox"; }

    // The strings shown; changing them repaints and keeps ItemIndex within them.
    TStrings* GetItems() const { return items_.get(); }
    void SetItems(TStrings* Value) { items_->Assign(Value); }
    int GetCount() const { return items_->Count(); }
    // The selected item, -1 for none; a value outside the items selects none. Setting it
    // scrolls the item into view.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    // Height of every item in pixels (at least 1).
    int GetItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);
    // The first item shown.
    int GetTopIndex() const { return topIndex_; }
    void SetTopIndex(int Value);
    TBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    // The item at a client point: -1 outside the items, or (Existing false) the index the
    // point would have, which may be Count for a point below the last item.
    int ItemAtPos(TPoint P, bool Existing) const;
    // Client rectangle of item Index (as if the list were long enough; empty above TopIndex).
    TRect ItemRect(int Index) const;
    // Items that fit in the list at once (at least 1).
    int PageSize() const;

protected:
    // The item height scales with the control.
    void ChangeScale(int M, int D) override;
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMGetDlgCode(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    // Paints item Index into Rect, clipped to it. The canvas comes with the list's font and
    // the brush and font colours of the item's state (selected or not); the default fills
    // Rect and writes the item's text. A list that shows more than text overrides it.
    virtual void DrawItem(TCanvas* Canvas, int Index, const TRect& Rect);

private:
    TRect ItemArea() const;
    void ItemsChanged();
    void Select(int Index, bool ByUser);
    void PaintFrame(TCanvas* Canvas);
    void PaintItems(TCanvas* Canvas);

    std::unique_ptr<TStringList> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 16;
    int topIndex_ = 0;
    TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
public:
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
    std::string ClassName() const override { return "TListBox"; }
};

}  // namespace vcl
