// Tree view: TTreeNode, TTreeNodes and TCustomTreeView / TTreeView.
//
// The nodes form a tree the view owns through Items. The view shows the nodes whose
// ancestors are all expanded, one row each, with dotted lines and +/- buttons, selects
// with mouse and keys, scrolls with scroll bars (a horizontal one when labels reach past
// the right edge) and the wheel, and expands a node only after its CanExpand hook
// (OnExpanding) agrees, so that children can be loaded lazily. Unless ReadOnly, a label
// is edited in place after F2 or a second, slow click on the selected node.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/accessibility/Accessible.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

class TTreeNodes;
class TCustomTreeView;

class TTreeNode : public TPersistent {
public:
    ~TTreeNode() override;
    std::string ClassName() const override { return "TTreeNode"; }

    const std::string& GetText() const { return text_; }
    void SetText(const std::string& Value);
    void* GetData() const { return data_; }
    void SetData(void* Value) { data_ = Value; }
    TTreeNode* GetParent() const { return parent_; }
    TTreeNodes* GetOwner() const { return owner_; }
    TCustomTreeView* GetTreeView() const;

    int GetCount() const { return int(children_.size()); }
    int Count() const { return GetCount(); }
    // The Index-th child; EListError for an index out of range.
    TTreeNode* GetItem(int Index) const;
    TTreeNode* Item(int Index) const { return GetItem(Index); }
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in depth-first order (children first), expanded or not.
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;
    // The next (previous) node shown by the view (all its ancestors expanded).
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;

    // Expanding goes through the view's CanExpand (OnExpanding); a node without children
    // that CanExpand does not fill stays collapsed and loses its button.
    bool GetExpanded() const { return expanded_; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    // Whether the node shows a button: it has children, or the program said it will.
    bool GetHasChildren() const { return hasChildren_ || !children_.empty(); }
    void SetHasChildren(bool Value);
    int GetLevel() const;
    int GetIndex() const;
    int GetAbsoluteIndex() const;
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value) { imageIndex_ = Value; }
    int GetSelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int Value) { selectedIndex_ = Value; }
    bool GetSelected() const;
    void SetSelected(bool Value);
    bool GetFocused() const;
    // All ancestors are expanded.
    bool IsVisible() const;
    bool HasAsParent(const TTreeNode* Value) const;
    // Expands the ancestors and scrolls the node into view.
    void MakeVisible();
    // The row's rectangle in the view (TextOnly: the label), empty when not shown.
    TRect DisplayRect(bool TextOnly) const;
    // Starts editing the label in place; false when the view is read-only or the
    // view's CanEdit (OnEditing) refuses.
    bool EditText();
    // Ends editing this node's label: the typed text is kept unless Cancel.
    void EndEdit(bool Cancel);

    void Delete();
    void DeleteChildren();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    explicit TTreeNode(TTreeNodes* Owner) : owner_(Owner) {}

    TTreeNodes* owner_;
    TTreeNode* parent_ = nullptr;
    std::vector<TTreeNode*> children_;
    std::string text_;
    void* data_ = nullptr;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool expanded_ = false;
    bool hasChildren_ = false;
    bool multiSelected_ = false;
    bool deleting_ = false;
    mutable int labelWidth_ = 0;        // text width, valid for the view's font generation
    mutable unsigned labelWidthGen_ = 0;
};

class TTreeNodes : public TPersistent {
public:
    explicit TTreeNodes(TCustomTreeView* Owner);
    ~TTreeNodes() override;
    std::string ClassName() const override { return "TTreeNodes"; }

    TCustomTreeView* GetOwner() const { return owner_; }
    // Number of nodes at all levels.
    int GetCount() const { return count_; }
    int Count() const { return count_; }
    // The node with absolute (depth-first) index Index; EListError when out of range.
    TTreeNode* GetItem(int Index) const;
    TTreeNode* Item(int Index) const { return GetItem(Index); }
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front(); }
    int GetRootCount() const { return int(roots_.size()); }

    // A node after the last sibling of Sibling (a root when Sibling is nullptr).
    TTreeNode* Add(TTreeNode* Sibling, const std::string& S);
    TTreeNode* AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr);
    TTreeNode* AddFirst(TTreeNode* Sibling, const std::string& S);
    // A node after the last child of Parent (a root when Parent is nullptr).
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& S);
    TTreeNode* AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const std::string& S);
    // A node just before Sibling (the last root when Sibling is nullptr).
    TTreeNode* Insert(TTreeNode* Sibling, const std::string& S);
    TTreeNode* InsertObject(TTreeNode* Sibling, const std::string& S, void* Ptr);
    void Delete(TTreeNode* Node);
    void Clear();
    // Changes in between repaint the view once, at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return updateCount_ > 0; }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* InsertAt(TTreeNode* Parent, int Index, const std::string& S, void* Ptr);
    std::vector<TTreeNode*>& SiblingsOf(TTreeNode* Parent) { return Parent ? Parent->children_ : roots_; }
    void Changed();
    // Frees Node and its subtree (already unlinked), counting them out.
    void FreeSubtree(TTreeNode* Node, bool Notify);

    TCustomTreeView* owner_;
    std::vector<TTreeNode*> roots_;
    int count_ = 0;
    int updateCount_ = 0;
    bool clearing_ = false;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, std::string& S)>;

class TCustomEdit;
class TTreeLabelEdit;

class TCustomTreeView : public TCustomControl {
public:
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;
    std::string ClassName() const override { return "TCustomTreeView"; }

    TTreeNodes* GetItems() const { return items_.get(); }
    TTreeNode* GetSelected() const { return selected_; }
    // Selects Node (CanChange may veto), expanding its ancestors and scrolling it into view.
    void SetSelected(TTreeNode* Value);
    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value) { readOnly_ = Value; }
    bool GetMultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool Value);
    bool GetShowButtons() const { return showButtons_; }
    void SetShowButtons(bool Value);
    bool GetShowLines() const { return showLines_; }
    void SetShowLines(bool Value);
    bool GetShowRoot() const { return showRoot_; }
    void SetShowRoot(bool Value);
    int GetIndent() const { return indent_; }
    void SetIndent(int Value);
    bool GetHideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    bool GetRowSelect() const { return rowSelect_; }
    void SetRowSelect(bool Value);
    TBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    // The first row shown.
    TTreeNode* GetTopItem() const;
    void SetTopItem(TTreeNode* Value);
    int GetItemHeight() const;
    // Rows that fit completely.
    int GetVisibleRowCount() const;
    // Nodes selected with MultiSelect (the selected node alone otherwise).
    int GetSelectionCount() const;
    TTreeNode* GetSelections(int Index) const;

    // The node shown in the row at client point (X, Y), or nullptr.
    TTreeNode* GetNodeAt(int X, int Y) const;
    void FullExpand();
    void FullCollapse();
    // HotTrack: the label under the pointer shows underlined in the hot-light colour.
    bool GetHotTrack() const { return hotTrack_; }
    void SetHotTrack(bool Value);
    // The node whose label is under the pointer while HotTrack is on (else nullptr).
    TTreeNode* GetHotNode() const { return hotNode_; }
    // Label editing: the node being edited and the edit field over its label.
    bool IsEditing() const { return editNode_ != nullptr; }
    TTreeNode* GetEditingNode() const { return editNode_; }
    TCustomEdit* GetEditor() const;
    const TInnerScrollBar& GetScrollBar() const { LayoutScrollBars(); return vbar_; }
    const TInnerScrollBar& GetHorzScrollBar() const { LayoutScrollBars(); return hbar_; }
    // Pixels the rows are scrolled to the left.
    int GetScrollX() const { return scrollX_; }
    void SetScrollX(int Value) { ScrollXTo(Value); }

    TTVChangedEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TTVChangedEvent Value) { FOnChange = std::move(Value); }
    TTVChangingEvent GetOnChanging() const { return FOnChanging; }
    void SetOnChanging(TTVChangingEvent Value) { FOnChanging = std::move(Value); }
    TTVExpandingEvent GetOnExpanding() const { return FOnExpanding; }
    void SetOnExpanding(TTVExpandingEvent Value) { FOnExpanding = std::move(Value); }
    TTVExpandedEvent GetOnExpanded() const { return FOnExpanded; }
    void SetOnExpanded(TTVExpandedEvent Value) { FOnExpanded = std::move(Value); }
    TTVCollapsingEvent GetOnCollapsing() const { return FOnCollapsing; }
    void SetOnCollapsing(TTVCollapsingEvent Value) { FOnCollapsing = std::move(Value); }
    TTVExpandedEvent GetOnCollapsed() const { return FOnCollapsed; }
    void SetOnCollapsed(TTVExpandedEvent Value) { FOnCollapsed = std::move(Value); }
    TTVExpandedEvent GetOnDeletion() const { return FOnDeletion; }
    void SetOnDeletion(TTVExpandedEvent Value) { FOnDeletion = std::move(Value); }
    TTVEditingEvent GetOnEditing() const { return FOnEditing; }
    void SetOnEditing(TTVEditingEvent Value) { FOnEditing = std::move(Value); }
    TTVEditedEvent GetOnEdited() const { return FOnEdited; }
    void SetOnEdited(TTVEditedEvent Value) { FOnEdited = std::move(Value); }

protected:
    // The indent of the levels scales with the control.
    void ChangeScale(int M, int D) override;
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    // Tells assistive tools about Node (its object turns defunct when Freed, else its
    // Kind of change), when its view's accessible object was made.
    void NotifyNodeAccessible(TTreeNode* Node, TAccEventKind Kind, TAccState State = asEnabled, bool Freed = false);
    friend class TTreeNode;
    friend class TTreeNodes;

    // Hooks: expansion happens only when CanExpand answers true (default: OnExpanding).
    // While a whole branch is being expanded (TTreeNode::Expand(true), FullExpand, the '*'
    // key) ExpandingRecursively is true, so that a view whose nodes load themselves can
    // end a walk that would never end.
    bool ExpandingRecursively() const { return recursiveExpand_ > 0; }
    virtual bool CanExpand(TTreeNode* Node);
    virtual void Expand(TTreeNode* Node);
    virtual bool CanCollapse(TTreeNode* Node);
    virtual void Collapse(TTreeNode* Node);
    virtual bool CanChange(TTreeNode* Node);
    virtual void Change(TTreeNode* Node);
    virtual void Delete(TTreeNode* Node);
    // Label editing may start (default: OnEditing); the edited text S may be changed
    // before it becomes the node's text (default: OnEdited).
    virtual bool CanEdit(TTreeNode* Node);
    virtual void Edit(TTreeNode* Node, std::string& S);

    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void WMTimer(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void Resize() override;

    TTVChangedEvent FOnChange;
    TTVChangingEvent FOnChanging;
    TTVExpandingEvent FOnExpanding;
    TTVExpandedEvent FOnExpanded, FOnCollapsed, FOnDeletion;
    TTVCollapsingEvent FOnCollapsing;
    TTVEditingEvent FOnEditing;
    TTVEditedEvent FOnEdited;

private:
    friend class TTreeLabelEdit;
    // ---- expansion and structure
    bool ExpandNode(TTreeNode* Node);
    void ExpandBranch(TTreeNode* Node);
    bool CollapseNode(TTreeNode* Node);
    void NodesChanged();
    void NodeDeleting(TTreeNode* Node);
    const std::vector<TTreeNode*>& Rows() const;
    int RowOf(const TTreeNode* Node) const;
    // ---- geometry
    TRect ContentRect() const;
    int DepthColumns(const TTreeNode* Node) const;
    int ButtonCenterX(const TTreeNode* Node) const;
    TRect LabelRect(const TTreeNode* Node, int Row) const;
    TRect ButtonRect(const TTreeNode* Node, int Row) const;
    // Width of the widest shown row from the content's left edge (unscrolled).
    int ContentWidth() const;
    void LayoutScrollBars() const;
    void ScrollTo(int TopRow);
    void ScrollXTo(int X);
    void ScrollIntoView(const TTreeNode* Node);
    void SetHotNode(TTreeNode* Node);
    // ---- label editing
    bool StartEdit(TTreeNode* Node);
    void FinishEdit(bool Cancel);
    void PlaceEditor();
    void CancelPendingEdit();
    // ---- painting
    void PaintRow(TCanvas* Canvas, TTreeNode* Node, int Row);
    void PaintLines(TCanvas* Canvas, TTreeNode* Node, int Row);
    void PaintButton(TCanvas* Canvas, TTreeNode* Node, int Row);
    // ---- selection
    void SelectNode(TTreeNode* Node, TShiftState Shift);
    void ClearMultiSelection();
    bool SelectionFocused() const;

    std::unique_ptr<TTreeNodes> items_;
    TTreeNode* selected_ = nullptr;
    TTreeNode* rangeAnchor_ = nullptr;
    bool readOnly_ = false;
    bool multiSelect_ = false;
    bool showButtons_ = true;
    bool showLines_ = true;
    bool showRoot_ = true;
    int indent_ = 19;
    bool hideSelection_ = true;
    bool rowSelect_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    int topRow_ = 0;
    bool destroying_ = false;
    int recursiveExpand_ = 0;   // depth of ExpandBranch calls under way
    char32_t lastSearchKey_ = 0;
    bool eatChar_ = false;
    mutable bool rowsDirty_ = true;
    mutable std::vector<TTreeNode*> rows_;
    mutable bool widthDirty_ = true;
    mutable int contentWidth_ = 0;
    unsigned fontGen_ = 1;               // labels measured with another font are measured again
    mutable TInnerScrollBar vbar_{true};
    mutable TInnerScrollBar hbar_{false};
    TInnerScrollBar* trackingBar_ = nullptr;
    int scrollX_ = 0;
    bool hotTrack_ = false;
    TTreeNode* hotNode_ = nullptr;
    TTreeNode* editNode_ = nullptr;
    TTreeLabelEdit* editor_ = nullptr;   // child control, made on the first edit
    TTreeNode* slowClickNode_ = nullptr; // second click on the selected node: edit soon
    bool slowClickArmed_ = false;
};

class TTreeView : public TCustomTreeView {
public:
    explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
    std::string ClassName() const override { return "TTreeView"; }
};

}  // namespace vcl
