// TTreeNode and TTreeNodes: the node tree of a tree view.
#include <algorithm>

#include "platform/controls/lists/TreeView.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {
[[noreturn]] void IndexError(int Index) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}
}  // namespace

// ---- TTreeNode -------------------------------------------------------------------------

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::GetTreeView() const { return owner_->GetOwner(); }

void TTreeNode::SetText(const std::string& Value) {
    if (text_ == Value) return;
    text_ = Value;
    labelWidthGen_ = 0;
    owner_->Changed();
}

TTreeNode* TTreeNode::GetItem(int Index) const {
    if (Index < 0 || Index >= GetCount()) IndexError(Index);
    return children_[std::size_t(Index)];
}

TTreeNode* TTreeNode::GetNextSibling() const {
    const auto& s = parent_ ? parent_->children_ : owner_->roots_;
    auto it = std::find(s.begin(), s.end(), this);
    return it == s.end() || it + 1 == s.end() ? nullptr : *(it + 1);
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    const auto& s = parent_ ? parent_->children_ : owner_->roots_;
    auto it = std::find(s.begin(), s.end(), this);
    return it == s.end() || it == s.begin() ? nullptr : *(it - 1);
}

TTreeNode* TTreeNode::GetNext() const {
    if (!children_.empty()) return children_.front();
    for (const TTreeNode* n = this; n != nullptr; n = n->parent_)
        if (TTreeNode* s = n->GetNextSibling()) return s;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const {
    TTreeNode* p = GetPrevSibling();
    if (p == nullptr) return parent_;
    while (!p->children_.empty()) p = p->children_.back();
    return p;
}

TTreeNode* TTreeNode::GetNextVisible() const {
    if (expanded_ && !children_.empty()) return children_.front();
    for (const TTreeNode* n = this; n != nullptr; n = n->parent_)
        if (TTreeNode* s = n->GetNextSibling()) return s;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
    TTreeNode* p = GetPrevSibling();
    if (p == nullptr) return parent_;
    while (p->expanded_ && !p->children_.empty()) p = p->children_.back();
    return p;
}

void TTreeNode::SetExpanded(bool Value) {
    if (Value) GetTreeView()->ExpandNode(this);
    else GetTreeView()->CollapseNode(this);
}

void TTreeNode::Expand(bool Recurse) {
    if (Recurse) GetTreeView()->ExpandBranch(this);
    else GetTreeView()->ExpandNode(this);
}

void TTreeNode::Collapse(bool Recurse) {
    if (Recurse) {
        std::vector<TTreeNode*> kids = children_;
        for (TTreeNode* c : kids) c->Collapse(true);
    }
    GetTreeView()->CollapseNode(this);
}

void TTreeNode::SetHasChildren(bool Value) {
    if (hasChildren_ == Value) return;
    hasChildren_ = Value;
    owner_->Changed();
}

int TTreeNode::GetLevel() const {
    int level = 0;
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_) ++level;
    return level;
}

int TTreeNode::GetIndex() const {
    const auto& s = parent_ ? parent_->children_ : owner_->roots_;
    auto it = std::find(s.begin(), s.end(), this);
    return it == s.end() ? -1 : int(it - s.begin());
}

int TTreeNode::GetAbsoluteIndex() const {
    int index = 0;
    for (const TTreeNode* n = owner_->GetFirstNode(); n != nullptr; n = n->GetNext()) {
        if (n == this) return index;
        ++index;
    }
    return -1;
}

bool TTreeNode::GetSelected() const {
    const TCustomTreeView* tv = GetTreeView();
    return tv->selected_ == this || (tv->multiSelect_ && multiSelected_);
}

void TTreeNode::SetSelected(bool Value) {
    TCustomTreeView* tv = GetTreeView();
    if (Value) {
        tv->SetSelected(this);
    } else if (tv->multiSelect_ && multiSelected_) {
        multiSelected_ = false;
        tv->Invalidate();
    } else if (tv->selected_ == this) {
        tv->SetSelected(nullptr);
    }
}

bool TTreeNode::GetFocused() const { return GetTreeView()->selected_ == this; }

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_)
        if (!p->expanded_) return false;
    return true;
}

bool TTreeNode::HasAsParent(const TTreeNode* Value) const {
    if (Value == nullptr) return false;
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_)
        if (p == Value) return true;
    return false;
}

void TTreeNode::MakeVisible() {
    std::vector<TTreeNode*> chain;
    for (TTreeNode* p = parent_; p != nullptr; p = p->parent_) chain.push_back(p);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) GetTreeView()->ExpandNode(*it);
    GetTreeView()->ScrollIntoView(this);
}

TRect TTreeNode::DisplayRect(bool TextOnly) const {
    const TCustomTreeView* tv = GetTreeView();
    int row = tv->RowOf(this);
    if (row < 0 || row < tv->topRow_) return TRect();
    TRect label = tv->LabelRect(this, row);
    if (TextOnly) return label;
    TRect content = tv->ContentRect();
    return Rect(content.Left, label.Top, content.Right, label.Bottom);
}

void TTreeNode::Delete() { owner_->Delete(this); }

void TTreeNode::DeleteChildren() {
    owner_->BeginUpdate();
    try {
        while (!children_.empty()) owner_->Delete(children_.back());
    } catch (...) {
        owner_->EndUpdate();
        throw;
    }
    hasChildren_ = false;
    expanded_ = false;
    owner_->EndUpdate();
}

// ---- TTreeNodes ------------------------------------------------------------------------

TTreeNodes::TTreeNodes(TCustomTreeView* Owner) : owner_(Owner) {}

TTreeNodes::~TTreeNodes() {
    clearing_ = true;
    for (TTreeNode* n : roots_) FreeSubtree(n, false);
    roots_.clear();
}

void TTreeNodes::Changed() {
    if (owner_ != nullptr) owner_->NodesChanged();
}

void TTreeNodes::BeginUpdate() { ++updateCount_; }

void TTreeNodes::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

TTreeNode* TTreeNodes::GetItem(int Index) const {
    if (Index < 0 || Index >= count_) IndexError(Index);
    TTreeNode* n = GetFirstNode();
    for (int i = 0; i < Index && n != nullptr; ++i) n = n->GetNext();
    if (n == nullptr) IndexError(Index);
    return n;
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* Parent, int Index, const std::string& S, void* Ptr) {
    auto& siblings = SiblingsOf(Parent);
    Index = std::clamp(Index, 0, int(siblings.size()));
    auto* node = new TTreeNode(this);
    node->parent_ = Parent;
    node->text_ = S;
    node->data_ = Ptr;
    siblings.insert(siblings.begin() + Index, node);
    ++count_;
    Changed();
    return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const std::string& S) { return AddObject(Sibling, S, nullptr); }

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr) {
    TTreeNode* parent = Sibling ? Sibling->parent_ : nullptr;
    return InsertAt(parent, int(SiblingsOf(parent).size()), S, Ptr);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const std::string& S) {
    return InsertAt(Sibling ? Sibling->parent_ : nullptr, 0, S, nullptr);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& S) { return AddChildObject(Parent, S, nullptr); }

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr) {
    return InsertAt(Parent, int(SiblingsOf(Parent).size()), S, Ptr);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const std::string& S) { return InsertAt(Parent, 0, S, nullptr); }

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const std::string& S) { return InsertObject(Sibling, S, nullptr); }

TTreeNode* TTreeNodes::InsertObject(TTreeNode* Sibling, const std::string& S, void* Ptr) {
    if (Sibling == nullptr) return InsertAt(nullptr, int(roots_.size()), S, Ptr);
    return InsertAt(Sibling->parent_, Sibling->GetIndex(), S, Ptr);
}

void TTreeNodes::FreeSubtree(TTreeNode* Node, bool Notify) {
    Node->deleting_ = true;
    for (TTreeNode* c : Node->children_) FreeSubtree(c, Notify);
    Node->children_.clear();
    if (Notify && owner_ != nullptr) owner_->Delete(Node);
    if (owner_ != nullptr) owner_->NotifyNodeAccessible(Node, aeChildRemoved, asEnabled, true);
    --count_;
    delete Node;
}

void TTreeNodes::Delete(TTreeNode* Node) {
    if (Node == nullptr || Node->owner_ != this || Node->deleting_) return;
    if (owner_ != nullptr) owner_->NodeDeleting(Node);
    TTreeNode* parent = Node->parent_;
    auto& siblings = SiblingsOf(parent);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), Node), siblings.end());
    FreeSubtree(Node, true);
    // A parent that lost its last child has nothing left to expand.
    if (parent != nullptr && parent->children_.empty()) {
        parent->expanded_ = false;
        parent->hasChildren_ = false;
    }
    Changed();
}

void TTreeNodes::Clear() {
    if (roots_.empty()) return;
    clearing_ = true;
    if (owner_ != nullptr) owner_->NodeDeleting(nullptr);
    std::vector<TTreeNode*> roots;
    roots.swap(roots_);
    try {
        for (TTreeNode* n : roots) FreeSubtree(n, true);
    } catch (...) {
        clearing_ = false;
        throw;
    }
    clearing_ = false;
    Changed();
}

}  // namespace vcl
