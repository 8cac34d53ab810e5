// The accessible object of a control that draws a row or grid of items of its own (list
// lines, colour swatches, marks, slides): the items are its children, made when asked
// for, and its selection. A class says what its items are by overriding the Item*
// functions.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/base/ControlAccessible.h"

namespace vcl {

class TItemsAccessible;

// One drawn item, standing for the index it was made for.
class TAccItem : public TAccessible {
public:
    TAccItem(std::shared_ptr<TItemsAccessible> Owner, int Index) : owner_(std::move(Owner)), index_(Index) {}
    int GetItemIndex() const { return index_; }
    TAccRole GetRole() const override;
    std::string GetName() const override;
    TAccStates GetStates() const override;
    TRect GetScreenBounds() const override;
    // Defunct when its control is gone or no longer has that many items.
    bool IsDefunct() const override;
    TAccessiblePtr GetParent() const override;
    int GetIndexInParent() const override { return index_; }
    TAccActions GetActions() const override;
    bool DoAction(TAccAction Action) override;

private:
    std::shared_ptr<TItemsAccessible> owner_;
    int index_;
};

class TItemsAccessible : public TControlAccessible, public TAccSelection {
public:
    using TControlAccessible::TControlAccessible;

    // The items (the class's child controls, if any, are not exposed).
    int GetChildCount() const override;
    TAccessiblePtr GetChild(int Index) override;
    TAccSelection* GetSelection() override { return this; }
    std::vector<int> GetSelectedChildren() const override;
    bool SelectChild(int Index) override;

    // ---- what the items are (Index within 0 .. ItemCount - 1)
    virtual int ItemCount() const = 0;
    virtual std::string ItemName(int Index) const = 0;
    virtual TAccRole ItemRole() const { return arListItem; }
    virtual bool ItemSelected(int Index) const = 0;
    // Whether the item has the keyboard within the control (the control has it too).
    virtual bool ItemFocused(int) const { return false; }
    // The item's rectangle in client coordinates; empty while it is scrolled out.
    virtual TRect ItemRect(int Index) const = 0;
    // Selects the item as a click would; false when the control cannot.
    virtual bool SelectItem(int) { return false; }
    // States of the item beyond enabled, visible, showing, selectable, selected, focused.
    virtual TAccStates ItemExtraStates(int) const { return {}; }

protected:
    void DetachItems() override { items_.Clear(); }

private:
    TAccItemCache<int, TAccItem> items_;
};

// Tells the listeners that item Index of Control took the keyboard (as aeFocus) or
// changed selection (aeSelection on the control), when anyone listens.
void NotifyItemFocus(TControl* Control, int Index);

}  // namespace vcl
