// TCustomTreeView: rows, painting, expansion through the hooks, selection, keys, mouse
// and scrolling.
#include "platform/controls/lists/TreeView.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/lists/ListsAccessible.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/controls/text/Edit.h"
#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"
#include "platform/runtime/TextUtils.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {
constexpr int kButtonSize = 9;
constexpr int kWheelRows = 3;
constexpr int kHorzLine = 10;          // pixels of one horizontal scroll step
constexpr UINT_PTR kEditTimer = 1;     // second slow click: editing starts when it fires
}  // namespace

// The edit field over a label being edited: Enter keeps the text, Escape drops it, and
// leaving the field keeps it.
class TTreeLabelEdit : public TCustomEdit {
public:
    explicit TTreeLabelEdit(TCustomTreeView* Tree) : TCustomEdit(Tree), tree_(Tree) {
        SetAutoSelect(true);
        SetTabStop(false);
    }
    std::string ClassName() const override { return "TTreeLabelEdit"; }

protected:
    void WMGetDlgCode(TMessage& M) override {
        TCustomEdit::WMGetDlgCode(M);
        M.Result |= DLGC_WANTALLKEYS;
    }
    void KeyDown(WORD& Key, TShiftState Shift) override {
        TCustomEdit::KeyDown(Key, Shift);
        if (Key == VK_RETURN || Key == VK_ESCAPE) {
            bool cancel = Key == VK_ESCAPE;
            Key = 0;
            tree_->FinishEdit(cancel);
        }
    }
    void KeyPress(char32_t& Key) override {
        TCustomEdit::KeyPress(Key);
        if (Key == 13 || Key == 27) Key = 0;
    }
    void DoExit() override {
        TCustomEdit::DoExit();
        tree_->FinishEdit(false);
    }

private:
    TCustomTreeView* tree_;
};

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TTreeNodes>(this)) {
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    vbar_.SetOnScroll([this](TObject*, int Code, int Pos) {
        int page = std::max(1, GetVisibleRowCount());
        switch (Code) {
        case SB_LINEUP: ScrollTo(topRow_ - 1); break;
        case SB_LINEDOWN: ScrollTo(topRow_ + 1); break;
        case SB_PAGEUP: ScrollTo(topRow_ - page); break;
        case SB_PAGEDOWN: ScrollTo(topRow_ + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(Pos); break;
        default: break;
        }
        LayoutScrollBars();
    });
    hbar_.SetOnScroll([this](TObject*, int Code, int Pos) {
        int page = std::max(1, ContentRect().Width());
        switch (Code) {
        case SB_LINEUP: ScrollXTo(scrollX_ - kHorzLine); break;
        case SB_LINEDOWN: ScrollXTo(scrollX_ + kHorzLine); break;
        case SB_PAGEUP: ScrollXTo(scrollX_ - page); break;
        case SB_PAGEDOWN: ScrollXTo(scrollX_ + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollXTo(Pos); break;
        default: break;
        }
        LayoutScrollBars();
    });
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView() {
    destroying_ = true;
    editNode_ = nullptr;
    hotNode_ = nullptr;
    slowClickNode_ = nullptr;
    items_.reset();
}

// ---- properties ------------------------------------------------------------------------

void TCustomTreeView::SetMultiSelect(bool Value) {
    if (multiSelect_ == Value) return;
    multiSelect_ = Value;
    if (!Value) ClearMultiSelection();
    Invalidate();
}

void TCustomTreeView::SetShowButtons(bool Value) {
    if (showButtons_ == Value) return;
    showButtons_ = Value;
    Invalidate();
}

void TCustomTreeView::SetShowLines(bool Value) {
    if (showLines_ == Value) return;
    showLines_ = Value;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool Value) {
    if (showRoot_ == Value) return;
    showRoot_ = Value;
    widthDirty_ = true;
    ScrollXTo(scrollX_);
    PlaceEditor();
    Invalidate();
}

void TCustomTreeView::SetIndent(int Value) {
    Value = std::max(0, Value);
    if (indent_ == Value) return;
    indent_ = Value;
    widthDirty_ = true;
    ScrollXTo(scrollX_);
    PlaceEditor();
    Invalidate();
}

void TCustomTreeView::SetHotTrack(bool Value) {
    if (hotTrack_ == Value) return;
    hotTrack_ = Value;
    if (!Value) SetHotNode(nullptr);
}

void TCustomTreeView::SetHotNode(TTreeNode* Node) {
    if (hotNode_ == Node) return;
    hotNode_ = Node;
    Invalidate();
}

void TCustomTreeView::SetHideSelection(bool Value) {
    if (hideSelection_ == Value) return;
    hideSelection_ = Value;
    Invalidate();
}

void TCustomTreeView::SetRowSelect(bool Value) {
    if (rowSelect_ == Value) return;
    rowSelect_ = Value;
    Invalidate();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value) {
    if (borderStyle_ == Value) return;
    borderStyle_ = Value;
    Invalidate();
}

int TCustomTreeView::GetItemHeight() const {
    TCanvas* c = const_cast<TCustomTreeView*>(this)->ControlCanvas();
    c->GetFont()->Assign(GetFont());
    return std::max(ScaledMetric(16), c->TextHeight("Wg") + ScaledMetric(3));
}

// ---- structure -------------------------------------------------------------------------

void TCustomTreeView::NodesChanged() {
    rowsDirty_ = true;
    widthDirty_ = true;
    if (destroying_ || items_ == nullptr || items_->IsUpdating()) return;
    // Keeps the first row and the horizontal offset within the new extent.
    ScrollTo(topRow_);
    ScrollXTo(scrollX_);
    if (editNode_ != nullptr && !editNode_->IsVisible()) FinishEdit(true);
    PlaceEditor();
    Invalidate();
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node) {
    if (destroying_) return;
    auto gone = [Node](TTreeNode* N) { return N != nullptr && (Node == nullptr || N == Node || N->HasAsParent(Node)); };
    if (gone(editNode_)) FinishEdit(true);
    if (gone(hotNode_)) hotNode_ = nullptr;
    if (gone(slowClickNode_)) CancelPendingEdit();
    if (Node == nullptr) {
        selected_ = nullptr;
        rangeAnchor_ = nullptr;
        topRow_ = 0;
        scrollX_ = 0;
        return;
    }
    if (rangeAnchor_ != nullptr && (rangeAnchor_ == Node || rangeAnchor_->HasAsParent(Node))) rangeAnchor_ = nullptr;
    if (selected_ != nullptr && (selected_ == Node || selected_->HasAsParent(Node))) {
        // The selection moves to a neighbour that survives: next sibling, previous one, parent.
        TTreeNode* next = Node->GetNextSibling();
        if (next == nullptr) next = Node->GetPrevSibling();
        if (next == nullptr) next = Node->GetParent();
        selected_ = next;
        if (!items_->clearing_) Change(next);
    }
}

const std::vector<TTreeNode*>& TCustomTreeView::Rows() const {
    if (rowsDirty_) {
        // Depth first through the expanded nodes, with a stack of sibling ranges, so that
        // a long list of siblings costs its length (not its square) and depth is no limit.
        rows_.clear();
        using Range = std::pair<std::vector<TTreeNode*>::const_iterator, std::vector<TTreeNode*>::const_iterator>;
        std::vector<Range> stack;
        stack.emplace_back(items_->roots_.cbegin(), items_->roots_.cend());
        while (!stack.empty()) {
            Range& top = stack.back();
            if (top.first == top.second) {
                stack.pop_back();
                continue;
            }
            TTreeNode* n = *top.first++;
            rows_.push_back(n);
            if (n->expanded_ && !n->children_.empty()) stack.emplace_back(n->children_.cbegin(), n->children_.cend());
        }
        rowsDirty_ = false;
    }
    return rows_;
}

int TCustomTreeView::RowOf(const TTreeNode* Node) const {
    const auto& rows = Rows();
    auto it = std::find(rows.begin(), rows.end(), Node);
    return it == rows.end() ? -1 : int(it - rows.begin());
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
    bool allow = true;
    if (FOnExpanding) FOnExpanding(this, Node, allow);
    return allow;
}

void TCustomTreeView::Expand(TTreeNode* Node) {
    if (FOnExpanded) FOnExpanded(this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
    bool allow = true;
    if (FOnCollapsing) FOnCollapsing(this, Node, allow);
    return allow;
}

void TCustomTreeView::Collapse(TTreeNode* Node) {
    if (FOnCollapsed) FOnCollapsed(this, Node);
}

bool TCustomTreeView::CanChange(TTreeNode* Node) {
    bool allow = true;
    if (FOnChanging) FOnChanging(this, Node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
    if (FOnChange) FOnChange(this, Node);
}

void TCustomTreeView::Delete(TTreeNode* Node) {
    if (FOnDeletion && !destroying_) FOnDeletion(this, Node);
}

bool TCustomTreeView::ExpandNode(TTreeNode* Node) {
    if (Node == nullptr || Node->expanded_ || !Node->GetHasChildren()) return false;
    if (!CanExpand(Node)) return false;
    // The hook may have deleted the node's children (or the placeholder and all).
    if (Node->children_.empty()) {
        Node->hasChildren_ = false;
        NodesChanged();
        return false;
    }
    Node->expanded_ = true;
    NodesChanged();
    NotifyNodeAccessible(Node, aeState, asExpanded);
    Expand(Node);
    return true;
}

bool TCustomTreeView::CollapseNode(TTreeNode* Node) {
    if (Node == nullptr || !Node->expanded_) return false;
    if (!CanCollapse(Node)) return false;
    Node->expanded_ = false;
    NodesChanged();
    NotifyNodeAccessible(Node, aeState, asExpanded);
    // A selection hidden by the collapse moves up to the collapsed node.
    if (selected_ != nullptr && selected_->HasAsParent(Node)) SetSelected(Node);
    Collapse(Node);
    return true;
}

// Node and everything below it, parents before their children. The walk keeps its own
// stack, so depth is no limit, and the rows are laid out once at the end, so a branch of
// many nodes costs their number (not its square). Children that expanding a node makes
// (lazy loading) are walked as they are then.
void TCustomTreeView::ExpandBranch(TTreeNode* Node) {
    if (Node == nullptr) return;
    struct Guard {
        TCustomTreeView* View;
        explicit Guard(TCustomTreeView* V) : View(V) {
            ++View->recursiveExpand_;
            View->items_->BeginUpdate();
        }
        ~Guard() {
            --View->recursiveExpand_;
            View->items_->EndUpdate();
        }
    } guard(this);
    std::vector<TTreeNode*> stack{Node};
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        ExpandNode(n);
        stack.insert(stack.end(), n->children_.rbegin(), n->children_.rend());
    }
}

void TCustomTreeView::FullExpand() {
    items_->BeginUpdate();
    try {
        std::vector<TTreeNode*> roots = items_->roots_;
        for (TTreeNode* n : roots) ExpandBranch(n);
    } catch (...) {
        items_->EndUpdate();
        throw;
    }
    items_->EndUpdate();
}

void TCustomTreeView::FullCollapse() {
    items_->BeginUpdate();
    try {
        std::vector<TTreeNode*> roots = items_->roots_;
        for (TTreeNode* n : roots) n->Collapse(true);
    } catch (...) {
        items_->EndUpdate();
        throw;
    }
    items_->EndUpdate();
}

// ---- selection -------------------------------------------------------------------------

void TCustomTreeView::SetSelected(TTreeNode* Value) {
    if (Value == selected_) return;
    if (Value != nullptr && !CanChange(Value)) return;
    if (Value != nullptr) Value->MakeVisible();
    selected_ = Value;
    if (multiSelect_ && Value != nullptr) Value->multiSelected_ = true;
    Invalidate();
    NotifyNodeAccessible(Value, aeSelection);
    Change(Value);
}

void TCustomTreeView::ClearMultiSelection() {
    for (TTreeNode* n = items_->GetFirstNode(); n != nullptr; n = n->GetNext()) n->multiSelected_ = false;
}

void TCustomTreeView::SelectNode(TTreeNode* Node, TShiftState Shift) {
    if (Node == nullptr) return;
    if (multiSelect_ && Shift.Contains(ssCtrl)) {
        // Ctrl toggles the node's membership and makes it the focused node.
        bool was = Node->multiSelected_;
        if (Node != selected_) SetSelected(Node);
        Node->multiSelected_ = !was;
        rangeAnchor_ = Node;
        Invalidate();
        return;
    }
    if (multiSelect_ && Shift.Contains(ssShift) && rangeAnchor_ != nullptr) {
        int a = RowOf(rangeAnchor_), b = RowOf(Node);
        if (a >= 0 && b >= 0) {
            ClearMultiSelection();
            const auto& rows = Rows();
            for (int i = std::min(a, b); i <= std::max(a, b); ++i) rows[std::size_t(i)]->multiSelected_ = true;
            SetSelected(Node);
            Invalidate();
            return;
        }
    }
    if (multiSelect_) ClearMultiSelection();
    SetSelected(Node);
    if (multiSelect_ && selected_ == Node) Node->multiSelected_ = true;
    rangeAnchor_ = Node;
    Invalidate();
}

int TCustomTreeView::GetSelectionCount() const {
    if (!multiSelect_) return selected_ != nullptr ? 1 : 0;
    int n = 0;
    for (TTreeNode* p = items_->GetFirstNode(); p != nullptr; p = p->GetNext())
        if (p->multiSelected_) ++n;
    return n;
}

TTreeNode* TCustomTreeView::GetSelections(int Index) const {
    if (!multiSelect_) return Index == 0 ? selected_ : nullptr;
    int n = 0;
    for (TTreeNode* p = items_->GetFirstNode(); p != nullptr; p = p->GetNext())
        if (p->multiSelected_ && n++ == Index) return p;
    return nullptr;
}

bool TCustomTreeView::SelectionFocused() const { return Focused(); }

// ---- geometry --------------------------------------------------------------------------

TRect TCustomTreeView::ContentRect() const {
    TRect r = GetClientRect();
    if (borderStyle_ == bsSingle) r.Inflate(-ScaledLineWidth(1), -ScaledLineWidth(1));
    LayoutScrollBars();
    if (vbar_.GetVisible()) r.Right = vbar_.GetBounds().Left;
    if (hbar_.GetVisible()) r.Bottom = hbar_.GetBounds().Top;
    return r;
}

int TCustomTreeView::ContentWidth() const {
    if (widthDirty_) {
        TCanvas* c = const_cast<TCustomTreeView*>(this)->ControlCanvas();
        c->GetFont()->Assign(GetFont());
        int w = 0;
        for (const TTreeNode* n : Rows()) {
            if (n->labelWidthGen_ != fontGen_) {
                n->labelWidth_ = c->TextWidth(n->text_);
                n->labelWidthGen_ = fontGen_;
            }
            // Indents and label widths may be any int: the widest row saturates.
            w = std::max(w, SatInt((long long)DepthColumns(n) * indent_ + 1 + n->labelWidth_ + ScaledMetric(4)));
        }
        contentWidth_ = w;
        widthDirty_ = false;
    }
    return contentWidth_;
}

// The bars depend on each other: a horizontal bar takes height from the rows and a
// vertical one width from the labels.
void TCustomTreeView::LayoutScrollBars() const {
    const int sz = TInnerScrollBar::SizeAt(GetCurrentPPI());
    vbar_.SetPixelsPerInch(GetCurrentPPI());
    hbar_.SetPixelsPerInch(GetCurrentPPI());
    TRect inner = GetClientRect();
    if (borderStyle_ == bsSingle) inner.Inflate(-ScaledLineWidth(1), -ScaledLineWidth(1));
    int ih = GetItemHeight();
    int rows = int(Rows().size());
    int width = ContentWidth();
    bool roomV = inner.Width() > sz * 2 && inner.Height() >= sz * 2;
    bool roomH = inner.Height() > sz * 2 && inner.Width() >= sz * 2;
    bool needV = false, needH = false;
    for (int pass = 0; pass < 2; ++pass) {
        needV = roomV && rows > std::max(1, (inner.Height() - (needH ? sz : 0)) / ih);
        needH = roomH && width > inner.Width() - (needV ? sz : 0);
    }
    int bottom = inner.Bottom - (needH ? sz : 0);
    int right = inner.Right - (needV ? sz : 0);
    vbar_.SetBounds(needV ? Rect(inner.Right - sz, inner.Top, inner.Right, bottom) : TRect());
    hbar_.SetBounds(needH ? Rect(inner.Left, inner.Bottom - sz, right, inner.Bottom) : TRect());
    int page = std::max(1, (bottom - inner.Top) / ih);
    if (needV) vbar_.SetParams(0, rows - page, page, topRow_);
    int view = std::max(1, right - inner.Left);
    if (needH) hbar_.SetParams(0, std::max(0, width - view), view, scrollX_);
}

int TCustomTreeView::GetVisibleRowCount() const {
    return std::max(0, ContentRect().Height() / GetItemHeight());
}

int TCustomTreeView::DepthColumns(const TTreeNode* Node) const {
    return Node->GetLevel() + (showRoot_ ? 1 : 0);
}

int TCustomTreeView::ButtonCenterX(const TTreeNode* Node) const {
    return SatInt((long long)ContentRect().Left - scrollX_ + (long long)(DepthColumns(Node) - 1) * indent_ + indent_ / 2);
}

TRect TCustomTreeView::LabelRect(const TTreeNode* Node, int Row) const {
    TRect content = ContentRect();
    int ih = GetItemHeight();
    // Indents and item heights may be any int: the rectangle saturates.
    int top = SatInt(content.Top + (long long)(Row - topRow_) * ih);
    int left = SatInt((long long)content.Left - scrollX_ + (long long)DepthColumns(Node) * indent_ + 1);
    TCanvas* c = const_cast<TCustomTreeView*>(this)->ControlCanvas();
    c->GetFont()->Assign(GetFont());
    return Rect(left, top, SatInt((long long)left + c->TextWidth(Node->text_) + ScaledMetric(4)), SatAdd(top, ih));
}

TRect TCustomTreeView::ButtonRect(const TTreeNode* Node, int Row) const {
    if (DepthColumns(Node) < 1) return TRect();
    TRect content = ContentRect();
    int ih = GetItemHeight();
    // Off every surface beyond the coordinate limit; within it the sums below stay in range.
    int cx = ClampCoord(ButtonCenterX(Node)), cy = ClampCoord(SatInt(content.Top + (long long)(Row - topRow_) * ih + ih / 2));
    const int size = ScaledMetric(kButtonSize);
    return Rect(cx - size / 2, cy - size / 2, cx - size / 2 + size, cy - size / 2 + size);
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const {
    TRect content = ContentRect();
    if (!content.Contains({X, Y})) return nullptr;
    int row = topRow_ + (Y - content.Top) / GetItemHeight();
    const auto& rows = Rows();
    return row >= 0 && row < int(rows.size()) ? rows[std::size_t(row)] : nullptr;
}

TTreeNode* TCustomTreeView::GetTopItem() const {
    const auto& rows = Rows();
    return topRow_ < int(rows.size()) ? rows[std::size_t(topRow_)] : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* Value) {
    if (Value == nullptr || !Value->IsVisible()) return;
    ScrollTo(RowOf(Value));
}

void TCustomTreeView::ScrollTo(int TopRow) {
    int rows = int(Rows().size());
    int page = std::max(1, GetVisibleRowCount());
    TopRow = std::clamp(TopRow, 0, std::max(0, rows - page));
    if (TopRow == topRow_) return;
    topRow_ = TopRow;
    CancelPendingEdit();
    // A label being edited that scrolls out of sight keeps what was typed.
    if (editNode_ != nullptr) {
        int row = RowOf(editNode_);
        if (row < topRow_ || row >= topRow_ + page) FinishEdit(false);
    }
    PlaceEditor();
    Invalidate();
}

void TCustomTreeView::ScrollXTo(int X) {
    TRect content = ContentRect();
    X = std::clamp(X, 0, std::max(0, ContentWidth() - content.Width()));
    if (X == scrollX_) return;
    scrollX_ = X;
    PlaceEditor();
    Invalidate();
}

void TCustomTreeView::ScrollIntoView(const TTreeNode* Node) {
    int row = RowOf(Node);
    if (row < 0) return;
    int page = std::max(1, GetVisibleRowCount());
    if (row < topRow_) ScrollTo(row);
    else if (row >= topRow_ + page) ScrollTo(row - page + 1);
    // Sideways: the label's start comes into view, and as much of its end as fits.
    TRect content = ContentRect();
    TRect label = LabelRect(Node, row);
    if (label.Left < content.Left) ScrollXTo(scrollX_ - (content.Left - label.Left));
    else if (label.Right > content.Right)
        ScrollXTo(scrollX_ + std::min(label.Right - content.Right, label.Left - content.Left));
}

void TCustomTreeView::Resize() {
    TCustomControl::Resize();
    ScrollTo(topRow_);
    ScrollXTo(scrollX_);
    PlaceEditor();
}

void TCustomTreeView::CMFontChanged(TMessage& M) {
    TCustomControl::CMFontChanged(M);
    widthDirty_ = true;
    ++fontGen_;
    ScrollTo(topRow_);
    ScrollXTo(scrollX_);
    PlaceEditor();
}

// ---- painting --------------------------------------------------------------------------

void TCustomTreeView::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect client = GetClientRect();
    TRect content = ContentRect();
    look::Fill(canvas, client, GetColor());
    if (borderStyle_ == bsSingle)
        look::Frame(canvas, client, IsEnabledInTree() ? look::Border() : look::BorderDisabled(), ScaledLineWidth(1));
    {
        TCanvasStateSaver saved(canvas);
        canvas->IntersectClipRect(content);
        const auto& rows = Rows();
        int ih = GetItemHeight();
        for (int r = topRow_; r < int(rows.size()); ++r) {
            if (content.Top + (r - topRow_) * ih >= content.Bottom) break;
            PaintRow(canvas, rows[std::size_t(r)], r);
        }
    }
    vbar_.Paint(canvas);
    hbar_.Paint(canvas);
    if (vbar_.GetVisible() && hbar_.GetVisible())
        look::Fill(canvas, Rect(vbar_.GetBounds().Left, hbar_.GetBounds().Top, vbar_.GetBounds().Right,
                                hbar_.GetBounds().Bottom), clBtnFace);
}

void TCustomTreeView::PaintRow(TCanvas* Canvas, TTreeNode* Node, int Row) {
    TRect label = LabelRect(Node, Row);
    bool selected = Node == selected_ || (multiSelect_ && Node->multiSelected_);
    bool focused = SelectionFocused();
    // Selection colours: the highlight while focused; grey when focus is elsewhere and the
    // selection is not hidden.
    bool showSel = selected && (focused || !hideSelection_);
    TColor back = focused ? clHighlight : clBtnFace;
    if (showSel && rowSelect_) {
        TRect content = ContentRect();
        look::Fill(Canvas, Rect(content.Left, label.Top, content.Right, label.Bottom), back);
    }
    if (showLines_) PaintLines(Canvas, Node, Row);
    if (showButtons_ && Node->GetHasChildren()) PaintButton(Canvas, Node, Row);

    TFont* font = Canvas->GetFont();
    font->Assign(GetFont());
    if (!IsEnabledInTree()) font->SetColor(clGrayText);
    if (Node == hotNode_ && IsEnabledInTree()) {
        font->SetStyle(font->GetStyle() | fsUnderline);
        font->SetColor(clHotLight);
    }
    if (showSel) {
        look::Fill(Canvas, label, back);
        if (focused) font->SetColor(clHighlightText);
    }
    if (Node == editNode_) return;   // the edit field covers the label
    Canvas->GetBrush()->SetStyle(bsClear);
    int th = Canvas->TextHeight(Node->text_.empty() ? std::string("Wg") : Node->text_);
    Canvas->TextOut(SatAdd(label.Left, ScaledMetric(2)), SatAdd(label.Top, (label.Height() - th) / 2), Node->text_);
    Canvas->GetBrush()->SetStyle(bsSolid);
    if (Node == selected_ && focused)
        for (int k = 0; k < ScaledLineWidth(1) && label.Width() > 2 * k && label.Height() > 2 * k; ++k)
            Canvas->DrawFocusRect(Rect(label.Left + k, label.Top + k, label.Right - k, label.Bottom - k));
}

void TCustomTreeView::PaintLines(TCanvas* Canvas, TTreeNode* Node, int Row) {
    if (DepthColumns(Node) < 1) return;
    TRect content = ContentRect();
    int ih = ClampCoord(GetItemHeight());
    int top = ClampCoord(SatInt(content.Top + (long long)(Row - topRow_) * ih));
    int mid = top + ih / 2;
    int bottom = top + ih;
    TColor color = clGray;
    // Dots on every other pixel, in one phase across the whole control so that lines
    // meet cleanly. Only the dots inside the client area are walked (the others would be
    // clipped), so an indent of any size costs no more than the control's width.
    const TRect client = GetClientRect();
    auto dotV = [&](int x, int y0, int y1) {
        if (x < client.Left || x >= client.Right) return;
        for (int y = std::max(y0, client.Top); y < std::min(y1, client.Bottom); ++y)
            if (((x + y) & 1) == 0) Canvas->SetPixels(x, y, color);
    };
    auto dotH = [&](int y, int x0, int x1) {
        if (y < client.Top || y >= client.Bottom) return;
        for (int x = std::max(x0, client.Left); x < std::min(x1, client.Right); ++x)
            if (((x + y) & 1) == 0) Canvas->SetPixels(x, y, color);
    };
    int bx = ButtonCenterX(Node);
    TRect label = LabelRect(Node, Row);
    dotH(mid, bx, label.Left);
    bool hasAbove = Node->GetPrevSibling() != nullptr || Node->GetParent() != nullptr;
    dotV(bx, hasAbove ? top : mid, Node->GetNextSibling() != nullptr ? bottom : mid + 1);
    // Ancestors whose later siblings continue below draw their line through this row.
    for (TTreeNode* a = Node->GetParent(); a != nullptr; a = a->GetParent()) {
        if (DepthColumns(a) < 1) break;
        if (a->GetNextSibling() != nullptr) dotV(ButtonCenterX(a), top, bottom);
    }
}

void TCustomTreeView::PaintButton(TCanvas* Canvas, TTreeNode* Node, int Row) {
    TRect b = ButtonRect(Node, Row);
    if (b.IsEmpty()) return;
    look::Fill(Canvas, b, clWindow);
    // A 9-pixel box with a 5-pixel plus or minus at 96 dpi; the box, its frame and the
    // strokes grow with the density, the strokes centred on the box's middle.
    const int lw = ScaledLineWidth(1), arm = ScaledMetric(2);
    look::Frame(Canvas, b, clGray, lw);
    int cx = b.Left + (b.Width() - lw) / 2, cy = b.Top + (b.Height() - lw) / 2;
    look::Fill(Canvas, Rect(cx - arm, cy, cx + lw + arm, cy + lw), clWindowText);
    if (!Node->expanded_) look::Fill(Canvas, Rect(cx, cy - arm, cx + lw, cy + lw + arm), clWindowText);
}

// ---- keyboard --------------------------------------------------------------------------

void TCustomTreeView::WMGetDlgCode(TMessage& M) { M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomTreeView::WMSetFocus(TMessage& M) {
    TCustomControl::WMSetFocus(M);
    Invalidate();
}

void TCustomTreeView::WMKillFocus(TMessage& M) {
    TCustomControl::WMKillFocus(M);
    Invalidate();
}

void TCustomTreeView::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const auto& rows = Rows();
    if (rows.empty()) return;
    TTreeNode* cur = selected_;
    int idx = cur != nullptr ? RowOf(cur) : -1;
    int last = int(rows.size()) - 1;
    int page = std::max(1, GetVisibleRowCount() - 1);
    TTreeNode* target = nullptr;
    auto at = [&](int i) { return rows[std::size_t(std::clamp(i, 0, last))]; };
    eatChar_ = false;
    switch (Key) {
    case VK_UP: target = idx < 0 ? at(0) : at(idx - 1); break;
    case VK_DOWN: target = idx < 0 ? at(0) : at(idx + 1); break;
    case VK_HOME: target = at(0); break;
    case VK_END: target = at(last); break;
    case VK_PRIOR: target = at(idx - page); break;
    case VK_NEXT: target = at(idx < 0 ? page : idx + page); break;
    case VK_LEFT:
        if (cur == nullptr) break;
        if (cur->expanded_ && cur->GetHasChildren()) CollapseNode(cur);
        else target = cur->GetParent();
        break;
    case VK_RIGHT:
        if (cur == nullptr || !cur->GetHasChildren()) break;
        if (!cur->expanded_) ExpandNode(cur);
        else target = cur->GetFirstChild();
        break;
    case VK_ADD: if (cur != nullptr) ExpandNode(cur); eatChar_ = true; break;
    case VK_SUBTRACT: if (cur != nullptr) CollapseNode(cur); eatChar_ = true; break;
    case VK_MULTIPLY: if (cur != nullptr) cur->Expand(true); eatChar_ = true; break;
    case VK_F2:
        if (cur != nullptr && !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt))
            StartEdit(cur);
        break;
    default: return;
    }
    if (target != nullptr) {
        SelectNode(target, multiSelect_ ? (Shift - TShiftState{ssCtrl}) : TShiftState{});
        ScrollIntoView(target);
    }
    Key = 0;
}

void TCustomTreeView::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if (Key == 0) return;
    if (eatChar_) {
        eatChar_ = false;
        if (Key == U'+' || Key == U'-' || Key == U'*') {
            Key = 0;
            return;
        }
    }
    TTreeNode* cur = selected_;
    switch (Key) {
    case U'+': if (cur != nullptr) ExpandNode(cur); Key = 0; return;
    case U'-': if (cur != nullptr) CollapseNode(cur); Key = 0; return;
    case U'*': if (cur != nullptr) cur->Expand(true); Key = 0; return;
    default: break;
    }
    if (Key < 32) return;
    // Typing a letter selects the next shown node whose text starts with it.
    const auto& rows = Rows();
    if (rows.empty()) return;
    std::string lowerKey = AnsiLowerCase(CodePointsToUtf8(std::u32string(1, Key)));
    int start = cur != nullptr ? RowOf(cur) : -1;
    int n = int(rows.size());
    for (int step = 1; step <= n; ++step) {
        TTreeNode* node = rows[std::size_t((start + step + n) % n)];
        std::string text = AnsiLowerCase(node->text_);
        if (!text.empty() && text.compare(0, lowerKey.size(), lowerKey) == 0) {
            SelectNode(node, {});
            ScrollIntoView(node);
            break;
        }
    }
    Key = 0;
}

// ---- mouse -----------------------------------------------------------------------------

void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    bool wasFocused = Focused();
    TTreeNode* wasSelected = selected_;
    CancelPendingEdit();
    if (editNode_ != nullptr) FinishEdit(false);
    if (!Focused() && CanFocus()) SetFocus();
    if (Button == mbLeft) {
        TPoint p{X, Y};
        LayoutScrollBars();
        trackingBar_ = nullptr;
        for (TInnerScrollBar* bar : {&vbar_, &hbar_}) {
            if (bar->GetVisible() && bar->MouseDown(p)) {
                trackingBar_ = bar;
                Invalidate();
                break;
            }
        }
        if (trackingBar_ == nullptr) {
            if (TTreeNode* node = GetNodeAt(X, Y)) {
                int row = RowOf(node);
                bool onButton = showButtons_ && node->GetHasChildren() && ButtonRect(node, row).Contains(p);
                if (onButton) {
                    node->SetExpanded(!node->expanded_);
                } else if (Shift.Contains(ssDouble)) {
                    node->SetExpanded(!node->expanded_);
                } else if (rowSelect_ || X >= ButtonRect(node, row).Left) {
                    // A second, single click on the label of the selected node of a
                    // focused view starts editing unless a double click follows.
                    if (!readOnly_ && wasFocused && node == wasSelected && !Shift.Contains(ssShift) &&
                        !Shift.Contains(ssCtrl) && LabelRect(node, row).Contains(p))
                        slowClickNode_ = node;
                    SelectNode(node, Shift);
                }
            }
        }
    } else if (Button == mbRight) {
        if (TTreeNode* node = GetNodeAt(X, Y)) SelectNode(node, {});
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::MouseMove(TShiftState Shift, int X, int Y) {
    if (trackingBar_ != nullptr) {
        trackingBar_->MouseMove({X, Y});
        Invalidate();
    } else if (hotTrack_) {
        TTreeNode* node = GetNodeAt(X, Y);
        if (node != nullptr && !LabelRect(node, RowOf(node)).Contains({X, Y})) node = nullptr;
        SetHotNode(node);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (trackingBar_ != nullptr) {
        TInnerScrollBar* bar = trackingBar_;
        trackingBar_ = nullptr;
        bar->MouseUp({X, Y});
        Invalidate();
    } else if (Button == mbLeft && slowClickNode_ != nullptr) {
        if (slowClickNode_ == selected_ && HandleAllocated() &&
            SetTimer(GetHandle(), kEditTimer, UINT(DoubleClickTimeMs), nullptr) != 0)
            slowClickArmed_ = true;
        else
            slowClickNode_ = nullptr;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomTreeView::WMTimer(TMessage& M) {
    if (M.WParam != kEditTimer) {
        TCustomControl::WMTimer(M);
        return;
    }
    TTreeNode* node = slowClickNode_;
    CancelPendingEdit();
    if (node != nullptr && node == selected_ && Focused()) StartEdit(node);
}

void TCustomTreeView::CancelPendingEdit() {
    if (slowClickArmed_ && HandleAllocated()) KillTimer(GetHandle(), kEditTimer);
    slowClickArmed_ = false;
    slowClickNode_ = nullptr;
}

void TCustomTreeView::CMMouseLeave(TMessage& M) {
    TCustomControl::CMMouseLeave(M);
    SetHotNode(nullptr);
}

void TCustomTreeView::WMCancelMode(TMessage& M) {
    TCustomControl::WMCancelMode(M);
    if (trackingBar_ != nullptr) trackingBar_->CancelTracking();
    trackingBar_ = nullptr;
}

bool TCustomTreeView::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    ScrollTo(topRow_ + kWheelRows);
    return true;
}

bool TCustomTreeView::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    ScrollTo(topRow_ - kWheelRows);
    return true;
}

// ---- label editing -----------------------------------------------------------------------

bool TCustomTreeView::CanEdit(TTreeNode* Node) {
    bool allow = true;
    if (FOnEditing) FOnEditing(this, Node, allow);
    return allow;
}

void TCustomTreeView::Edit(TTreeNode* Node, std::string& S) {
    if (FOnEdited) FOnEdited(this, Node, S);
}

TCustomEdit* TCustomTreeView::GetEditor() const { return editNode_ != nullptr ? editor_ : nullptr; }

bool TCustomTreeView::StartEdit(TTreeNode* Node) {
    if (Node == nullptr || readOnly_ || Node->GetTreeView() != this) return false;
    if (editNode_ == Node) return true;
    if (editNode_ != nullptr) FinishEdit(false);
    CancelPendingEdit();
    if (!CanEdit(Node)) return false;
    if (!Node->IsVisible()) Node->MakeVisible();
    ScrollIntoView(Node);
    if (editor_ == nullptr) {
        editor_ = new TTreeLabelEdit(this);
        editor_->SetInnerPart(true);
        editor_->SetVisible(false);
        editor_->SetParent(this);
    }
    editNode_ = Node;
    editor_->SetFont(GetFont());
    editor_->SetText(Node->text_);
    PlaceEditor();
    editor_->SetVisible(true);
    if (CanFocus() && editor_->CanFocus()) editor_->SetFocus();
    editor_->SelectAll();
    Invalidate();
    return true;
}

void TCustomTreeView::PlaceEditor() {
    if (editNode_ == nullptr || editor_ == nullptr) return;
    int row = RowOf(editNode_);
    if (row < 0) return;
    TRect content = ContentRect();
    TRect label = LabelRect(editNode_, row);
    // Room for some more text than the label has; never past the content's right edge.
    int right = std::min(content.Right, std::max(label.Right + 24, label.Left + 60));
    editor_->SetBounds(label.Left - 1, label.Top, std::max(20, right - label.Left + 1), label.Height());
}

void TCustomTreeView::FinishEdit(bool Cancel) {
    if (editNode_ == nullptr) return;
    TTreeNode* node = editNode_;
    editNode_ = nullptr;   // leaving the field below must not end the edit twice
    std::string text = editor_->GetText();
    bool hadFocus = editor_->Focused();
    if (hadFocus && CanFocus()) SetFocus();
    editor_->SetVisible(false);
    Invalidate();
    if (Cancel || destroying_) return;
    Edit(node, text);
    node->SetText(text);
}

bool TTreeNode::EditText() { return GetTreeView()->StartEdit(this); }

void TTreeNode::EndEdit(bool Cancel) {
    TCustomTreeView* tv = GetTreeView();
    if (tv->editNode_ == this) tv->FinishEdit(Cancel);
}

}  // namespace vcl

namespace vcl {

void TCustomTreeView::NotifyNodeAccessible(TTreeNode* Node, TAccEventKind Kind, TAccState State, bool Freed) {
    if (!HasAccessible()) return;
    auto* tree = static_cast<TTreeAccessible*>(GetAccessible().get());
    if (Freed) {
        TAccessiblePtr gone = tree->ForgetNode(Node);
        if (accessibility::Listening() && !destroying_) {
            TAccessiblePtr parent = Node->GetParent() != nullptr ? tree->NodeObject(Node->GetParent()) : GetAccessible();
            accessibility::Raise({aeChildRemoved, parent, asEnabled, -1, gone});
        }
        return;
    }
    if (!accessibility::Listening()) return;
    if (Kind == aeSelection) {
        accessibility::Raise({aeSelection, GetAccessible(), asSelected, -1});
        if (Node != nullptr && input::FocusedControl() == this) accessibility::Raise({aeFocus, tree->NodeObject(Node), asFocused, -1});
        return;
    }
    if (Node != nullptr) accessibility::Raise({Kind, tree->NodeObject(Node), State, -1});
}

void TCustomTreeView::ChangeScale(int M, int D) {
    TCustomControl::ChangeScale(M, D);
    SetIndent(MulDiv(indent_, M, D));
}

}  // namespace vcl
