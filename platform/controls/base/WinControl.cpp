// TWinControl: children and alignment, the window handle, focus, tab order and keys.
#include "platform/controls/base/WinControl.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

TWinControl* FindControl(HWND Wnd) {
    if (Wnd == nullptr || !IsWindow(Wnd)) return nullptr;
    return static_cast<TWinControl*>(GetWindowUserData(Wnd));
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    DetachAccessible();
    // Leave the parent while this is still a TWinControl: TControl's destructor can no
    // longer tell the parent to drop it from the tab list.
    if (GetParent() != nullptr) GetParent()->RemoveControl(this);
    // Children go with their parent, whoever owns them (they leave their owner first).
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        delete child;
    }
    if (Screen != nullptr && Screen->GetActiveControl() == this) Screen->SetFocusedControl(nullptr);
    DestroyHandle();
}

// ---- children --------------------------------------------------------------------------

TControl* TWinControl::GetControls(int Index) const {
    if (Index < 0 || Index >= GetControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return controls_[Index];
}

void TWinControl::InsertControl(TControl* AControl) {
    if (AControl == nullptr || AControl->parent_ == this) return;
    controls_.push_back(AControl);
    AControl->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) tabList_.push_back(w);
    else if (auto* g = dynamic_cast<TGraphicControl*>(AControl); g != nullptr && g->GetKeyboardFocusable())
        tabList_.push_back(g);
    if (AControl->parentFont_) AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (AControl->parentColor_) AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (AControl->parentShowHint_) AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (AControl->parentBiDiMode_) AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    if (auto* w = dynamic_cast<TWinControl*>(AControl); w != nullptr && w->parentCtl3D_)
        w->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    AControl->UpdateAnchorRules();
    if (AControl->align_ != alNone) Realign();
    if (auto* w = dynamic_cast<TWinControl*>(AControl); w != nullptr && GetShowing())
        w->CreateHandleTree();
    AControl->Invalidate();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
    auto it = std::find(controls_.begin(), controls_.end(), AControl);
    if (it == controls_.end()) return;
    AControl->Invalidate();
    // Focus, capture and the pointer must not stay on a control that leaves the form.
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
        input::DropFocus(w);
        if (TCustomForm* form = GetParentForm(this)) {
            TWinControl* active = form->GetActiveControl();
            if (active != nullptr && (active == w || w->ContainsControl(active))) form->RecordActiveControl(nullptr);
        }
    }
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), AControl), tabList_.end());
    if (focusChild_ == AControl) {
        // A graphic control that leaves takes the keyboard with it, as a focused window
        // that leaves does: nobody has the focus then and the form forgets its active
        // control, which this window only was on the control's behalf. No exit
        // notification: the control may be half destroyed.
        focusChild_ = nullptr;
        if (Screen != nullptr && Screen->GetActiveControl() == this) {
            Screen->SetFocusedControl(nullptr);
            Perform(WM_KILLFOCUS, 0, 0);
        }
        if (TCustomForm* form = GetParentForm(this); form != nullptr && form->GetActiveControl() == this)
            form->RecordActiveControl(nullptr);
        Invalidate();
    }
    input::ForgetControl(AControl);
    controls_.erase(std::find(controls_.begin(), controls_.end(), AControl));
    AControl->parent_ = nullptr;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    if (AControl->align_ != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* c = Control; c != nullptr; c = c->parent_)
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
    auto accepts = [&](TControl* c) {
        if (!c->visible_ && !c->GetComponentState().Contains(csDesigning)) return false;
        if (!AllowDisabled && !c->enabled_) return false;
        if (!c->GetBoundsRect().Contains(Pos)) return false;
        TRect in = c->NonClientInsets();
        return c->HitTest(Pos.X - c->left_ - in.Left, Pos.Y - c->top_ - in.Top);
    };
    // Windowed children lie above graphic ones; within each kind the last is on top.
    if (AllowWinControls) {
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if (dynamic_cast<TWinControl*>(*it) != nullptr && accepts(*it)) return *it;
    }
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (dynamic_cast<TWinControl*>(*it) == nullptr && accepts(*it)) return *it;
    return nullptr;
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    TControl::GetChildren(Proc, Root);
    std::vector<TControl*> copy = controls_;
    for (TControl* c : copy)
        if (c->GetOwner() == Root && !c->IsInnerPart()) Proc(c);
}

// ---- alignment -------------------------------------------------------------------------

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
    if (alignDisabled_ > 0 || aligning_) return;
    TRect r = GetClientRect();
    AdjustClientRect(r);
    aligning_ = true;
    try {
        AlignControls(nullptr, r);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AdjustClientRect(TRect& Rect) { (void)Rect; }

// ---- display scale ---------------------------------------------------------------------

void TWinControl::ScaleBy(int M, int D) {
    if (M < 1 || M > 10000 || D < 1 || D > 10000)
        throw EInvalidOperation("ScaleBy needs factors within 1..10000, not " + std::to_string(M) + "/" +
                                std::to_string(D));
    if (M == D) return;
    const int l = GetLeft(), t = GetTop();
    ChangeScale(M, D);
    SetBounds(l, t, GetWidth(), GetHeight());
}

void TWinControl::ChangeScale(int M, int D) {
    DisableAlign();
    try {
        // As TControl::ChangeScale, but the font last: children that follow it and size
        // themselves by it (edits) would otherwise be scaled twice.
        const int l = MulDiv(left_, M, D), t = MulDiv(top_, M, D);
        const int r = MulDiv(left_ + width_, M, D), b = MulDiv(top_ + height_, M, D);
        ScaleConstraints(M, D);
        SetBounds(l, t, r - l, b - t);
        ScaleControls(M, D);
        ScaleFont(M, D);
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
}

void TWinControl::ScaleControls(int M, int D) {
    const std::vector<TControl*> children = controls_;   // a child's scaling may add or remove parts
    for (TControl* c : children)
        if (std::find(controls_.begin(), controls_.end(), c) != controls_.end()) c->ChangeScale(M, D);
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    (void)AControl;
    // Anchored controls follow the parent's size change first.
    TRect client = GetClientRect();
    for (TControl* c : controls_) {
        if (c->align_ != alNone) continue;
        TSize old = c->anchorParentSize_;
        if (old.cx == client.Width() && old.cy == client.Height()) continue;
        int l = c->left_, t = c->top_, w = c->width_, h = c->height_;
        if (c->anchors_.Contains(akRight)) {
            if (c->anchors_.Contains(akLeft)) w = client.Width() - c->anchorRules_.Right - l;
            else l = client.Width() - c->anchorRules_.Right - w;
        }
        if (c->anchors_.Contains(akBottom)) {
            if (c->anchors_.Contains(akTop)) h = client.Height() - c->anchorRules_.Bottom - t;
            else t = client.Height() - c->anchorRules_.Bottom - h;
        }
        c->anchorParentSize_ = TSize(client.Width(), client.Height());
        c->SetBounds(l, t, w, h);
    }
    // Then the aligned ones, edge by edge, each kind in the order of its position.
    auto place = [&](TAlign kind) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->align_ == kind && (c->visible_ || c->GetComponentState().Contains(csDesigning)))
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [kind](TControl* a, TControl* b) {
            switch (kind) {
            case alTop: return a->top_ < b->top_;
            case alBottom: return a->top_ + a->height_ > b->top_ + b->height_;
            case alLeft: return a->left_ < b->left_;
            case alRight: return a->left_ + a->width_ > b->left_ + b->width_;
            default: return false;
            }
        });
        for (TControl* c : list) {
            int w = c->width_, h = c->height_;
            switch (kind) {
            case alTop:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
                Rect.Top += c->height_;
                break;
            case alBottom:
                c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
                Rect.Bottom -= c->height_;
                break;
            case alLeft:
                c->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
                Rect.Left += c->width_;
                break;
            case alRight:
                c->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
                Rect.Right -= c->width_;
                break;
            case alClient:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
                break;
            default: break;
            }
        }
    };
    place(alTop);
    place(alBottom);
    place(alLeft);
    place(alRight);
    place(alClient);
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!GetComponentState().Contains(csLoading)) DoConstrainedResize(AWidth, AHeight);
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    bool sized = AWidth != GetWidth() || AHeight != GetHeight();
    if (!sized && ALeft == GetLeft() && ATop == GetTop()) return;
    Invalidate();
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    if (parent_ != nullptr && !parent_->aligning_) UpdateAnchorRules();
    if (sized) {
        Realign();
        Perform(WM_SIZE, 0, MAKELPARAM(GetClientWidth(), GetClientHeight()));
    }
    Invalidate();
    if (parent_ != nullptr && align_ != alNone && !parent_->aligning_) parent_->Realign();
}

void TWinControl::WMSize(TMessage& Message) {
    (void)Message;
    if (!GetComponentState().Contains(csLoading)) Resize();
}

// ---- window ----------------------------------------------------------------------------

HWND TWinControl::GetHandle() {
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded() {
    if (handle_ != nullptr) return;
    if (parent_ != nullptr) parent_->HandleNeeded();
    if (handle_ != nullptr) return;   // the parent's creation made ours
    handle_ = AllocateHWnd([this](TMessage& M) { WndProc(M); });
    SetWindowUserData(handle_, this);
    controlState_.Include(csCreating);
    try {
        CreateWnd();
    } catch (...) {
        controlState_.Exclude(csCreating);
        throw;
    }
    controlState_.Exclude(csCreating);
}

void TWinControl::CreateWnd() {}
void TWinControl::DestroyWnd() {}

// Gives this control and every windowed descendant its window (the form became showing,
// or the control was put on a showing form).
void TWinControl::CreateHandleTree() {
    HandleNeeded();
    for (TControl* c : tabList_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->CreateHandleTree();
}

void TWinControl::DestroyHandle() {
    if (handle_ == nullptr) return;
    controlState_.Include(csDestroyingHandle);
    DestroyWnd();
    HWND h = handle_;
    handle_ = nullptr;
    SetWindowUserData(h, nullptr);
    DeallocateHWnd(h);
    controlState_.Exclude(csDestroyingHandle);
}

// ---- focus and tab order -----------------------------------------------------------------

bool TWinControl::CanFocus() const {
    TCustomForm* form = GetParentForm(this);
    if (form == nullptr) return false;
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (c == form) break;
        if (!c->visible_ || !c->enabled_) return false;
    }
    return form->GetEnabled();
}

bool TWinControl::Focused() const { return Screen != nullptr && Screen->GetActiveControl() == this; }

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) {
        form->FocusControl(this);
    } else if (auto* self = dynamic_cast<TCustomForm*>(this)) {
        self->SelectFirst();
    } else {
        input::MoveFocusToControl(this);
    }
}

void TWinControl::SetTabStop(bool Value) {
    if (tabStop_ == Value) return;
    tabStop_ = Value;
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::GetTabOrder() const {
    if (parent_ == nullptr) return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (parent_ == nullptr) return;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    Value = std::clamp(Value, 0, int(list.size()));
    list.insert(list.begin() + Value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TControl* c : tabList_) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w == nullptr) continue;
        List.push_back(w);
        w->GetTabOrderList(List);
    }
}

void TWinControl::GetFocusOrderList(std::vector<TControl*>& List) const {
    for (TControl* c : tabList_) {
        List.push_back(c);
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->GetFocusOrderList(List);
    }
}

namespace {
// TabStop and CanFocus of either kind of focus target.
bool TargetTabStop(const TControl* C) {
    if (auto* w = dynamic_cast<const TWinControl*>(C)) return w->GetTabStop();
    auto* g = dynamic_cast<const TGraphicControl*>(C);
    return g != nullptr && g->GetTabStop();
}
bool TargetCanFocus(const TControl* C) {
    if (auto* w = dynamic_cast<const TWinControl*>(C)) return w->CanFocus();
    auto* g = dynamic_cast<const TGraphicControl*>(C);
    return g != nullptr && g->CanFocus();
}

// The first control after Current in List (before it when not GoForward), round the end,
// that Accept takes; Current itself only when nothing else is taken; nullptr when none is.
template <class T, class AcceptFn>
T* NextInCycle(const std::vector<T*>& List, const TControl* Current, bool GoForward, AcceptFn&& Accept) {
    const int n = int(List.size());
    if (n == 0) return nullptr;
    int i = GoForward ? n - 1 : 0;
    if (auto it = std::find(List.begin(), List.end(), Current); it != List.end()) i = int(it - List.begin());
    for (int step = 0; step < n; ++step) {
        i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
        T* c = List[std::size_t(i)];
        if (c == Current && step + 1 < n) continue;
        if (Accept(c)) return c;
    }
    return nullptr;
}
}  // namespace

TControl* TWinControl::FindNextFocusTarget(TControl* CurControl, bool GoForward, bool CheckTabStop,
                                           bool CheckParent) const {
    std::vector<TControl*> list;
    GetFocusOrderList(list);
    return NextInCycle(list, CurControl, GoForward, [&](const TControl* c) {
        return (!CheckTabStop || TargetTabStop(c)) && (!CheckParent || c->GetParent() == this) && TargetCanFocus(c);
    });
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    return NextInCycle(list, CurControl, GoForward, [&](const TWinControl* c) {
        return (!CheckTabStop || c->tabStop_) && (!CheckParent || c->parent_ == this) && c->CanFocus();
    });
}

void TWinControl::SelectNext(TControl* CurControl, bool GoForward, bool CheckTabStop) {
    TControl* next = FindNextFocusTarget(CurControl, GoForward, CheckTabStop, !CheckTabStop);
    if (auto* w = dynamic_cast<TWinControl*>(next)) w->SetFocus();
    else if (auto* g = dynamic_cast<TGraphicControl*>(next)) g->SetFocus();
}

void TWinControl::Broadcast(TMessage& Message) {
    // Children may be removed by a handler; walk a copy.
    std::vector<TControl*> copy = controls_;
    for (TControl* c : copy) {
        if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
        c->WndProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyChildren(UINT Msg) {
    std::vector<TControl*> copy = controls_;
    for (TControl* c : copy) c->Perform(Msg, 0, 0);
}

void TWinControl::SetCtl3D(bool Value) {
    if (ctl3D_ == Value) return;
    TRect old = NonClientInsets();
    ctl3D_ = Value;
    parentCtl3D_ = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
    // The window edge of some classes follows Ctl3D.
    FrameChanged(old);
    NotifyChildren(CM_PARENTCTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool Value) {
    if (parentCtl3D_ == Value) return;
    parentCtl3D_ = Value;
    if (Value) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::DoEnter() {
    if (FOnEnter) FOnEnter(this);
}

void TWinControl::DoExit() {
    if (FOnExit) FOnExit(this);
}

// ---- keys ------------------------------------------------------------------------------

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
    if (FOnKeyDown) FOnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key) {
    if (FOnKeyPress) FOnKeyPress(this, Key);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
    if (FOnKeyUp) FOnKeyUp(this, Key, Shift);
}

bool TWinControl::DoKeyDown(TMessage& M) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->GetKeyPreview() && form->DoKeyDown(M)) return true;
    if (!controlStyle_.Contains(csNoStdEvents)) {
        WORD key = WORD(M.WParam);
        KeyDown(key, KeyMessageShift(M));
        M.WParam = key;
        if (key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(TMessage& M) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->GetKeyPreview() && form->DoKeyPress(M)) return true;
    if (!controlStyle_.Contains(csNoStdEvents)) {
        char32_t ch = char32_t(M.WParam);
        KeyPress(ch);
        M.WParam = ch;
        if (ch == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(TMessage& M) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->GetKeyPreview() && form->DoKeyUp(M)) return true;
    if (!controlStyle_.Contains(csNoStdEvents)) {
        WORD key = WORD(M.WParam);
        KeyUp(key, KeyMessageShift(M));
        M.WParam = key;
        if (key == 0) return true;
    }
    return false;
}

void TWinControl::WMKeyDown(TMessage& M) {
    if (DoKeyDown(M)) M.Result = 1;
}

void TWinControl::WMKeyUp(TMessage& M) {
    if (DoKeyUp(M)) M.Result = 1;
}

void TWinControl::WMChar(TMessage& M) {
    if (DoKeyPress(M)) M.Result = 1;
}

void TWinControl::WMSysKeyDown(TMessage& M) { WMKeyDown(M); }
void TWinControl::WMSysKeyUp(TMessage& M) { WMKeyUp(M); }
void TWinControl::WMTimer(TMessage& M) { (void)M; }
void TWinControl::WMGetDlgCode(TMessage& M) { M.Result = 0; }

void TWinControl::WMNextDlgCtl(TMessage& M) {
    // Only forms move the focus; anyone else hands it on.
    if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this)
        M.Result = form->Perform(M.Msg, M.WParam, M.LParam);
}

void TWinControl::WMSetFocus(TMessage& M) { (void)M; Invalidate(); }
void TWinControl::WMKillFocus(TMessage& M) { (void)M; Invalidate(); }

void TWinControl::CMEnter(TMessage& M) {
    (void)M;
    DoEnter();
}

void TWinControl::CMExit(TMessage& M) {
    (void)M;
    DoExit();
}

void TWinControl::CMDialogKey(TMessage& M) { Broadcast(M); }
void TWinControl::CMDialogChar(TMessage& M) { Broadcast(M); }
void TWinControl::CMChildKey(TMessage& M) {
    if (parent_ != nullptr) M.Result = parent_->Perform(CM_CHILDKEY, M.WParam, M.LParam);
}
void TWinControl::CMWantSpecialKey(TMessage& M) { M.Result = 0; }

void TWinControl::CMShowingChanged(TMessage& M) {
    (void)M;
    if (GetShowing()) CreateHandleTree();
}

void TWinControl::CMFontChanged(TMessage& M) {
    TControl::CMFontChanged(M);
    NotifyChildren(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& M) {
    TControl::CMColorChanged(M);
    NotifyChildren(CM_PARENTCOLORCHANGED);
}

// The focus is on this control or inside it and this control can no longer hold it
// (disabled or hidden): it moves on to the next control of the form after this one, or
// nowhere when none can take it.
void TWinControl::FocusLeaves() {
    if (Screen == nullptr || dynamic_cast<TCustomForm*>(this) != nullptr) return;
    TWinControl* focused = Screen->GetActiveControl();
    if (focused == nullptr || !ContainsControl(focused)) return;
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr) form->SelectNext(this, true, true);
    focused = Screen->GetActiveControl();
    if (focused != nullptr && ContainsControl(focused)) input::MoveFocusToControl(nullptr);
}

void TWinControl::CMEnabledChanged(TMessage& M) {
    if (!enabled_) FocusLeaves();
    TControl::CMEnabledChanged(M);
    NotifyChildren(CM_ENABLEDCHANGED);
}

void TWinControl::CMVisibleChanged(TMessage& M) {
    TControl::CMVisibleChanged(M);
    if (!visible_) FocusLeaves();
    if (GetShowing()) CreateHandleTree();
}

// ---- painting --------------------------------------------------------------------------

void TWinControl::PaintControl(TCanvas* Canvas) { TControl::PaintControl(Canvas); }

void TWinControl::WMPaint(TMessage& M) {
    PaintWindow(reinterpret_cast<TCanvas*>(M.WParam));
}

void TWinControl::PaintWindow(TCanvas* Canvas) {
    if (Canvas == nullptr || controlStyle_.Contains(csOpaque)) return;
    // Erase with the control's colour, leaving the canvas brush as the control set it.
    TBrush* brush = Canvas->GetBrush();
    TColor oldColor = brush->GetColor();
    TBrushStyle oldStyle = brush->GetStyle();
    brush->SetColor(GetColor());
    brush->SetStyle(bsSolid);
    Canvas->FillRect(GetClientRect());
    brush->SetColor(oldColor);
    brush->SetStyle(oldStyle);
}

// ---- messages --------------------------------------------------------------------------

bool TWinControl::RouteToFocusedChild(TMessage& M) {
    if (focusChild_ == nullptr || !Focused()) return false;
    TCustomForm* form = GetParentForm(this);
    TWinControl* preview = form != nullptr && form->GetKeyPreview() ? form : nullptr;
    switch (M.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (preview != nullptr && preview->TWinControl::DoKeyDown(M)) { M.Result = 1; return true; }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (preview != nullptr && preview->TWinControl::DoKeyUp(M)) { M.Result = 1; return true; }
        break;
    case WM_CHAR:
        if (preview != nullptr && preview->TWinControl::DoKeyPress(M)) { M.Result = 1; return true; }
        break;
    case WM_SYSCHAR:
    case WM_GETDLGCODE:
    case CM_WANTSPECIALKEY:
        break;
    default:
        return false;
    }
    // The preview may have moved the keyboard elsewhere.
    if (focusChild_ != nullptr) M.Result = focusChild_->Perform(M.Msg, M.WParam, M.LParam);
    return true;
}

void TWinControl::WndProc(TMessage& M) {
    if (RouteToFocusedChild(M)) return;
    switch (M.Msg) {
    case WM_SETFOCUS: WMSetFocus(M); return;
    case WM_KILLFOCUS: WMKillFocus(M); return;
    case WM_GETDLGCODE: WMGetDlgCode(M); return;
    case WM_KEYDOWN: WMKeyDown(M); return;
    case WM_KEYUP: WMKeyUp(M); return;
    case WM_CHAR: WMChar(M); return;
    case WM_SYSKEYDOWN: WMSysKeyDown(M); return;
    case WM_SYSKEYUP: WMSysKeyUp(M); return;
    case WM_TIMER: WMTimer(M); return;
    case WM_SIZE: WMSize(M); return;
    case WM_NEXTDLGCTL: WMNextDlgCtl(M); return;
    case CM_ENTER: CMEnter(M); return;
    case CM_EXIT: CMExit(M); return;
    case CM_DIALOGKEY: CMDialogKey(M); return;
    case CM_DIALOGCHAR: CMDialogChar(M); return;
    case CM_CHILDKEY: CMChildKey(M); return;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(M); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(M); return;
    case CM_SHOWHINTCHANGED: NotifyChildren(CM_PARENTSHOWHINTCHANGED); return;
    case CM_PARENTCTL3DCHANGED:
        if (parentCtl3D_ && parent_ != nullptr && ctl3D_ != parent_->ctl3D_) {
            SetCtl3D(parent_->ctl3D_);
            parentCtl3D_ = true;
        }
        return;
    case CM_BIDIMODECHANGED:
        TControl::WndProc(M);
        NotifyChildren(CM_PARENTBIDIMODECHANGED);
        return;
    default: TControl::WndProc(M); return;
    }
}

}  // namespace vcl
