// What assistive tools read of the list box, the combo box and the tree view: a list of
// list items, a combo box whose items are its choices, a tree of tree items. The colour
// selector and the folder tree build on the last two.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/base/ItemsAccessible.h"

namespace vcl {

class TCustomComboBox;
class TCustomTreeView;
class TTreeNode;

// The choices are the children; the current one is selected. The name comes from a label
// or the hint (the caption is the chosen text, given as the text).
class TComboBoxAccessible : public TItemsAccessible, public TAccText {
public:
    explicit TComboBoxAccessible(TCustomComboBox* Box);
    TAccRole GetRole() const override { return arComboBox; }
    TAccStates GetStates() const override;
    TAccText* GetText() override { return this; }
    std::string GetAccText() const override;

    int ItemCount() const override;
    std::string ItemName(int Index) const override;
    bool ItemSelected(int Index) const override;
    TRect ItemRect(int Index) const override;
    bool SelectItem(int Index) override;

protected:
    bool CaptionIsName() const override { return false; }
    TCustomComboBox* GetBox() const { return IsDefunct() ? nullptr : box_; }

private:
    TCustomComboBox* box_;
};

class TTreeItemAccessible;

// The tree's children are its top-level nodes; each node's children are its child nodes.
// Node objects are made when asked for and turn defunct when their node is deleted.
class TTreeAccessible : public TControlAccessible, public TAccSelection {
public:
    explicit TTreeAccessible(TCustomTreeView* Tree);
    TAccRole GetRole() const override { return arTree; }
    TAccStates GetStates() const override;
    int GetChildCount() const override;
    TAccessiblePtr GetChild(int Index) override;
    TAccSelection* GetSelection() override { return this; }
    // The selected top-level nodes (a screen reader asks the nodes themselves below).
    std::vector<int> GetSelectedChildren() const override;
    bool SelectChild(int Index) override;

    // The object of Node (nullptr for none).
    TAccessiblePtr NodeObject(TTreeNode* Node);
    // The view deletes Node: its object (if made) turns defunct and is returned, for the
    // event that tells the removal.
    TAccessiblePtr ForgetNode(TTreeNode* Node);
    TCustomTreeView* GetTree() const { return IsDefunct() ? nullptr : tree_; }

protected:
    void DetachItems() override;

private:
    TCustomTreeView* tree_;
    std::map<TTreeNode*, std::weak_ptr<TTreeItemAccessible>> nodes_;
};

}  // namespace vcl
