#include "platform/controls/lists/ListsAccessible.h"

#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/lists/ComboBox.h"
#include "platform/controls/lists/ListBox.h"
#include "platform/controls/lists/TreeView.h"

namespace vcl {

// ---- list box ----------------------------------------------------------------------------

namespace {

class TListBoxAccessible : public TItemsAccessible {
public:
    explicit TListBoxAccessible(TCustomListBox* List) : TItemsAccessible(List), list_(List) {}
    TAccRole GetRole() const override { return arList; }
    int ItemCount() const override { return IsDefunct() ? 0 : list_->GetCount(); }
    std::string ItemName(int Index) const override { return list_->GetItems()->Get(Index); }
    bool ItemSelected(int Index) const override { return list_->GetItemIndex() == Index; }
    bool ItemFocused(int Index) const override { return list_->GetItemIndex() == Index; }
    TRect ItemRect(int Index) const override {
        TRect r = list_->ItemRect(Index);
        return IntersectRect(r, list_->GetClientRect());
    }
    bool SelectItem(int Index) override {
        list_->SetItemIndex(Index);
        return list_->GetItemIndex() == Index;
    }

protected:
    bool CaptionIsName() const override { return false; }

private:
    TCustomListBox* list_;
};

}  // namespace

std::shared_ptr<TControlAccessible> TCustomListBox::CreateAccessible() {
    return std::make_shared<TListBoxAccessible>(this);
}

// ---- combo box ---------------------------------------------------------------------------

TComboBoxAccessible::TComboBoxAccessible(TCustomComboBox* Box) : TItemsAccessible(Box), box_(Box) {}

TAccStates TComboBoxAccessible::GetStates() const {
    TAccStates s = TItemsAccessible::GetStates();
    if (TCustomComboBox* b = GetBox()) {
        s.Include(asExpandable);
        if (b->GetDroppedDown()) s.Include(asExpanded);
        if (b->Focused()) s.Include(asFocused);
    }
    return s;
}

std::string TComboBoxAccessible::GetAccText() const {
    TCustomComboBox* b = GetBox();
    return b != nullptr ? b->GetText() : std::string();
}

int TComboBoxAccessible::ItemCount() const { return IsDefunct() ? 0 : box_->GetItems()->Count(); }
std::string TComboBoxAccessible::ItemName(int Index) const { return box_->GetItems()->Get(Index); }
bool TComboBoxAccessible::ItemSelected(int Index) const { return box_->GetItemIndex() == Index; }
// The choices are drawn only in the open list, which is a window of its own.
TRect TComboBoxAccessible::ItemRect(int) const { return {}; }

bool TComboBoxAccessible::SelectItem(int Index) {
    box_->SetItemIndex(Index);
    return box_->GetItemIndex() == Index;
}

std::shared_ptr<TControlAccessible> TCustomComboBox::CreateAccessible() {
    return std::make_shared<TComboBoxAccessible>(this);
}

// ---- tree view ---------------------------------------------------------------------------

class TTreeItemAccessible : public TAccessible {
public:
    TTreeItemAccessible(std::shared_ptr<TTreeAccessible> Tree, TTreeNode* Node)
        : tree_(std::move(Tree)), node_(Node) {}
    void Forget() { node_ = nullptr; }
    bool IsDefunct() const override { return node_ == nullptr || tree_->GetTree() == nullptr; }
    TAccRole GetRole() const override { return arTreeItem; }
    std::string GetName() const override { return IsDefunct() ? std::string() : node_->GetText(); }
    TAccStates GetStates() const override {
        if (IsDefunct()) return {};
        TAccStates control = tree_->GetStates();
        TAccStates s = control & TAccStates{asEnabled, asVisible, asFocusable};
        s.Include(asSelectable);
        if (node_->IsVisible() && !node_->DisplayRect(false).IsEmpty() && control.Contains(asShowing))
            s.Include(asShowing);
        if (node_->GetHasChildren()) s.Include(asExpandable);
        if (node_->GetExpanded()) s.Include(asExpanded);
        if (node_->GetSelected()) s.Include(asSelected);
        if (control.Contains(asFocused) && node_->GetFocused()) s.Include(asFocused);
        return s;
    }
    TRect GetScreenBounds() const override {
        if (IsDefunct() || !node_->IsVisible()) return {};
        TRect r = node_->DisplayRect(false);
        if (r.IsEmpty()) return {};
        TPoint o = tree_->GetTree()->ClientToScreen({r.Left, r.Top});
        return Bounds(o.X, o.Y, r.Width(), r.Height());
    }
    TAccessiblePtr GetParent() const override {
        if (IsDefunct()) return nullptr;
        if (node_->GetParent() == nullptr) return tree_;
        return tree_->NodeObject(node_->GetParent());
    }
    int GetIndexInParent() const override { return IsDefunct() ? -1 : node_->GetIndex(); }
    int GetChildCount() const override { return IsDefunct() ? 0 : node_->GetCount(); }
    TAccessiblePtr GetChild(int Index) override {
        if (Index < 0 || Index >= GetChildCount()) return nullptr;
        return tree_->NodeObject(node_->GetItem(Index));
    }
    TAccActions GetActions() const override {
        if (IsDefunct()) return {};
        TAccActions a{aaActivate};
        if (node_->GetHasChildren()) a.Include(node_->GetExpanded() ? aaCollapse : aaExpand);
        return a;
    }
    bool DoAction(TAccAction Action) override {
        if (IsDefunct() || !tree_->HasState(asEnabled)) return false;
        switch (Action) {
        case aaActivate: node_->SetSelected(true); return node_ != nullptr && node_->GetSelected();
        case aaExpand: node_->Expand(false); return node_->GetExpanded();
        case aaCollapse: node_->Collapse(false); return !node_->GetExpanded();
        default: return false;
        }
    }

private:
    std::shared_ptr<TTreeAccessible> tree_;
    TTreeNode* node_;
};

TTreeAccessible::TTreeAccessible(TCustomTreeView* Tree) : TControlAccessible(Tree), tree_(Tree) {}

TAccStates TTreeAccessible::GetStates() const {
    TAccStates s = TControlAccessible::GetStates();
    if (TCustomTreeView* t = GetTree()) {
        if (t->GetMultiSelect()) s.Include(asMultiSelectable);
        if (t->GetReadOnly()) s.Include(asReadOnly);
    }
    return s;
}

int TTreeAccessible::GetChildCount() const {
    TCustomTreeView* t = GetTree();
    if (t == nullptr) return 0;
    int n = 0;
    for (TTreeNode* node = t->GetItems()->GetFirstNode(); node != nullptr; node = node->GetNextSibling()) ++n;
    return n;
}

TAccessiblePtr TTreeAccessible::GetChild(int Index) {
    TCustomTreeView* t = GetTree();
    if (t == nullptr || Index < 0) return nullptr;
    TTreeNode* node = t->GetItems()->GetFirstNode();
    for (int i = 0; node != nullptr && i < Index; ++i) node = node->GetNextSibling();
    return NodeObject(node);
}

std::vector<int> TTreeAccessible::GetSelectedChildren() const {
    std::vector<int> out;
    TCustomTreeView* t = GetTree();
    if (t == nullptr) return out;
    int i = 0;
    for (TTreeNode* node = t->GetItems()->GetFirstNode(); node != nullptr; node = node->GetNextSibling(), ++i)
        if (node->GetSelected()) out.push_back(i);
    return out;
}

bool TTreeAccessible::SelectChild(int Index) {
    TAccessiblePtr child = GetChild(Index);
    return child != nullptr && child->DoAction(aaActivate);
}

TAccessiblePtr TTreeAccessible::NodeObject(TTreeNode* Node) {
    if (Node == nullptr || GetTree() == nullptr) return nullptr;
    auto& slot = nodes_[Node];
    if (auto live = slot.lock()) return live;
    auto made = std::make_shared<TTreeItemAccessible>(
        std::static_pointer_cast<TTreeAccessible>(shared_from_this()), Node);
    slot = made;
    return made;
}

TAccessiblePtr TTreeAccessible::ForgetNode(TTreeNode* Node) {
    auto it = nodes_.find(Node);
    if (it == nodes_.end()) return nullptr;
    std::shared_ptr<TTreeItemAccessible> live = it->second.lock();
    if (live) live->Forget();
    nodes_.erase(it);
    return live;
}

void TTreeAccessible::DetachItems() {
    for (auto& [node, w] : nodes_)
        if (auto live = w.lock()) live->Forget();
    nodes_.clear();
}

std::shared_ptr<TControlAccessible> TCustomTreeView::CreateAccessible() {
    return std::make_shared<TTreeAccessible>(this);
}

}  // namespace vcl
