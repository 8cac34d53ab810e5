// TCustomTreeView: rows, painting, expansion through the hooks, selection, keys, mouse
// and scrolling.
#include <algorithm>

#include "platform/SysUtils.h"
#include "platform/controls/Look.h"
#include "platform/controls/TreeView.h"

namespace vcl {

namespace {
constexpr int kButtonSize = 9;
constexpr int kWheelRows = 3;
}  // namespace

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TTreeNodes>(this)) {
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    vbar_.OnScroll = [this](int Code, int Pos) {
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
    };
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView() {
    destroying_ = true;
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
    Invalidate();
}

void TCustomTreeView::SetIndent(int Value) {
    Value = std::max(0, Value);
    if (indent_ == Value) return;
    indent_ = Value;
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
    return std::max(16, c->TextHeight("Wg") + 3);
}

// ---- structure -------------------------------------------------------------------------

void TCustomTreeView::NodesChanged() {
    rowsDirty_ = true;
    if (destroying_ || items_ == nullptr || items_->IsUpdating()) return;
    ScrollTo(topRow_);   // keeps the first row within the new number of rows
    Invalidate();
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node) {
    if (destroying_) return;
    if (Node == nullptr) {
        selected_ = nullptr;
        rangeAnchor_ = nullptr;
        topRow_ = 0;
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
        rows_.clear();
        for (TTreeNode* n = items_->GetFirstNode(); n != nullptr; n = n->GetNextVisible()) rows_.push_back(n);
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
    Expand(Node);
    return true;
}

bool TCustomTreeView::CollapseNode(TTreeNode* Node) {
    if (Node == nullptr || !Node->expanded_) return false;
    if (!CanCollapse(Node)) return false;
    Node->expanded_ = false;
    NodesChanged();
    // A selection hidden by the collapse moves up to the collapsed node.
    if (selected_ != nullptr && selected_->HasAsParent(Node)) SetSelected(Node);
    Collapse(Node);
    return true;
}

void TCustomTreeView::FullExpand() {
    items_->BeginUpdate();
    try {
        std::vector<TTreeNode*> roots = items_->roots_;
        for (TTreeNode* n : roots) n->Expand(true);
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
    if (borderStyle_ == bsSingle) r.Inflate(-1, -1);
    LayoutScrollBar();
    if (vbar_.GetVisible()) r.Right = vbar_.GetBounds().Left;
    return r;
}

void TCustomTreeView::LayoutScrollBar() const {
    TRect inner = GetClientRect();
    if (borderStyle_ == bsSingle) inner.Inflate(-1, -1);
    int ih = GetItemHeight();
    int page = std::max(1, inner.Height() / ih);
    int rows = int(Rows().size());
    bool show = rows > page && inner.Width() > TInnerScrollBar::DefaultSize * 2 &&
                inner.Height() >= TInnerScrollBar::DefaultSize * 2;
    vbar_.SetBounds(show ? Rect(inner.Right - TInnerScrollBar::DefaultSize, inner.Top, inner.Right, inner.Bottom)
                         : TRect());
    if (show) vbar_.SetParams(0, rows - page, page, topRow_);
}

int TCustomTreeView::GetVisibleRowCount() const {
    TRect inner = GetClientRect();
    if (borderStyle_ == bsSingle) inner.Inflate(-1, -1);
    return std::max(0, inner.Height() / GetItemHeight());
}

int TCustomTreeView::DepthColumns(const TTreeNode* Node) const {
    return Node->GetLevel() + (showRoot_ ? 1 : 0);
}

int TCustomTreeView::ButtonCenterX(const TTreeNode* Node) const {
    return ContentRect().Left + (DepthColumns(Node) - 1) * indent_ + indent_ / 2;
}

TRect TCustomTreeView::LabelRect(const TTreeNode* Node, int Row) const {
    TRect content = ContentRect();
    int ih = GetItemHeight();
    int top = content.Top + (Row - topRow_) * ih;
    int left = content.Left + DepthColumns(Node) * indent_ + 1;
    TCanvas* c = const_cast<TCustomTreeView*>(this)->ControlCanvas();
    c->GetFont()->Assign(GetFont());
    return Rect(left, top, left + c->TextWidth(Node->text_) + 4, top + ih);
}

TRect TCustomTreeView::ButtonRect(const TTreeNode* Node, int Row) const {
    if (DepthColumns(Node) < 1) return TRect();
    TRect content = ContentRect();
    int ih = GetItemHeight();
    int cx = ButtonCenterX(Node), cy = content.Top + (Row - topRow_) * ih + ih / 2;
    return Rect(cx - kButtonSize / 2, cy - kButtonSize / 2, cx - kButtonSize / 2 + kButtonSize,
                cy - kButtonSize / 2 + kButtonSize);
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
    Invalidate();
}

void TCustomTreeView::ScrollIntoView(const TTreeNode* Node) {
    int row = RowOf(Node);
    if (row < 0) return;
    int page = std::max(1, GetVisibleRowCount());
    if (row < topRow_) ScrollTo(row);
    else if (row >= topRow_ + page) ScrollTo(row - page + 1);
}

void TCustomTreeView::Resize() {
    TCustomControl::Resize();
    ScrollTo(topRow_);
}

void TCustomTreeView::CMFontChanged(TMessage& M) {
    TCustomControl::CMFontChanged(M);
    ScrollTo(topRow_);
}

// ---- painting --------------------------------------------------------------------------

void TCustomTreeView::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect client = GetClientRect();
    TRect content = ContentRect();
    look::Fill(canvas, client, GetColor());
    if (borderStyle_ == bsSingle) look::Frame(canvas, client, IsEnabledInTree() ? look::kBorder : look::kBorderDisabled);
    TRect saved = canvas->GetClipRect();
    canvas->SetClipRect(IntersectRect(saved, content));
    const auto& rows = Rows();
    int ih = GetItemHeight();
    for (int r = topRow_; r < int(rows.size()); ++r) {
        if (content.Top + (r - topRow_) * ih >= content.Bottom) break;
        PaintRow(canvas, rows[std::size_t(r)], r);
    }
    canvas->SetClipRect(saved);
    vbar_.Paint(canvas);
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
    if (showSel) {
        look::Fill(Canvas, label, back);
        if (focused) font->SetColor(clHighlightText);
    }
    Canvas->GetBrush()->SetStyle(bsClear);
    int th = Canvas->TextHeight(Node->text_.empty() ? std::string("Wg") : Node->text_);
    Canvas->TextOut(label.Left + 2, label.Top + (label.Height() - th) / 2, Node->text_);
    Canvas->GetBrush()->SetStyle(bsSolid);
    if (Node == selected_ && focused) Canvas->DrawFocusRect(label);
}

void TCustomTreeView::PaintLines(TCanvas* Canvas, TTreeNode* Node, int Row) {
    if (DepthColumns(Node) < 1) return;
    TRect content = ContentRect();
    int ih = GetItemHeight();
    int top = content.Top + (Row - topRow_) * ih;
    int mid = top + ih / 2;
    int bottom = top + ih;
    TColor color = clGray;
    // Dots on every other pixel, in one phase across the whole control so that lines
    // meet cleanly.
    auto dotV = [&](int x, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            if (((x + y) & 1) == 0) Canvas->SetPixels(x, y, color);
    };
    auto dotH = [&](int y, int x0, int x1) {
        for (int x = x0; x < x1; ++x)
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
    look::Frame(Canvas, b, clGray);
    int cx = b.Left + kButtonSize / 2, cy = b.Top + kButtonSize / 2;
    look::Fill(Canvas, Rect(cx - 2, cy, cx + 3, cy + 1), clWindowText);
    if (!Node->expanded_) look::Fill(Canvas, Rect(cx, cy - 2, cx + 1, cy + 3), clWindowText);
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
    if (!Focused() && CanFocus()) SetFocus();
    if (Button == mbLeft) {
        if (vbar_.GetVisible() && vbar_.MouseDown({X, Y})) {
            barTracking_ = true;
            Invalidate();
        } else if (TTreeNode* node = GetNodeAt(X, Y)) {
            int row = RowOf(node);
            bool onButton = showButtons_ && node->GetHasChildren() && ButtonRect(node, row).Contains({X, Y});
            if (onButton) {
                node->SetExpanded(!node->expanded_);
            } else if (Shift.Contains(ssDouble)) {
                node->SetExpanded(!node->expanded_);
            } else if (rowSelect_ || X >= ButtonRect(node, row).Left) {
                SelectNode(node, Shift);
            }
        }
    } else if (Button == mbRight) {
        if (TTreeNode* node = GetNodeAt(X, Y)) SelectNode(node, {});
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::MouseMove(TShiftState Shift, int X, int Y) {
    if (barTracking_) {
        vbar_.MouseMove({X, Y});
        Invalidate();
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (barTracking_) {
        barTracking_ = false;
        vbar_.MouseUp({X, Y});
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomTreeView::WMCancelMode(TMessage& M) {
    TCustomControl::WMCancelMode(M);
    if (barTracking_) vbar_.CancelTracking();
    barTracking_ = false;
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

// ---- published properties --------------------------------------------------------------

namespace {
const bool treeClassesRegistered = [] {
    RegisterClass<TCustomTreeView, TWinControl>("TCustomTreeView", [](TPublisher<TCustomTreeView>& p) {
        p.Boolean("ReadOnly", &TCustomTreeView::GetReadOnly, &TCustomTreeView::SetReadOnly, false);
        p.Boolean("MultiSelect", &TCustomTreeView::GetMultiSelect, &TCustomTreeView::SetMultiSelect, false);
        p.Boolean("ShowButtons", &TCustomTreeView::GetShowButtons, &TCustomTreeView::SetShowButtons, true);
        p.Boolean("ShowLines", &TCustomTreeView::GetShowLines, &TCustomTreeView::SetShowLines, true);
        p.Boolean("ShowRoot", &TCustomTreeView::GetShowRoot, &TCustomTreeView::SetShowRoot, true);
        p.Integer("Indent", &TCustomTreeView::GetIndent, &TCustomTreeView::SetIndent, 19);
        p.Boolean("HideSelection", &TCustomTreeView::GetHideSelection, &TCustomTreeView::SetHideSelection, true);
        p.Boolean("RowSelect", &TCustomTreeView::GetRowSelect, &TCustomTreeView::SetRowSelect, false);
        p.Enum("BorderStyle", &TCustomTreeView::GetBorderStyle, &TCustomTreeView::SetBorderStyle, bsSingle,
               {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
        p.Event("OnChange", &TCustomTreeView::GetOnChange, &TCustomTreeView::SetOnChange);
        p.Event("OnChanging", &TCustomTreeView::GetOnChanging, &TCustomTreeView::SetOnChanging);
        p.Event("OnExpanding", &TCustomTreeView::GetOnExpanding, &TCustomTreeView::SetOnExpanding);
        p.Event("OnExpanded", &TCustomTreeView::GetOnExpanded, &TCustomTreeView::SetOnExpanded);
        p.Event("OnCollapsing", &TCustomTreeView::GetOnCollapsing, &TCustomTreeView::SetOnCollapsing);
        p.Event("OnCollapsed", &TCustomTreeView::GetOnCollapsed, &TCustomTreeView::SetOnCollapsed);
        p.Event("OnDeletion", &TCustomTreeView::GetOnDeletion, &TCustomTreeView::SetOnDeletion);
        p.Event("OnClick", &TCustomTreeView::GetOnClick, &TCustomTreeView::SetOnClick);
        p.Event("OnDblClick", &TCustomTreeView::GetOnDblClick, &TCustomTreeView::SetOnDblClick);
    });
    RegisterClass<TTreeView, TCustomTreeView>("TTreeView");
    return true;
}();
}  // namespace

}  // namespace vcl
