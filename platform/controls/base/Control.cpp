// TControl: geometry, appearance properties, message dispatch and mouse handling.
#include "platform/controls/base/Control.h"

#include <algorithm>

#include "platform/controls/base/Backend.h"
#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/PaintEngine.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/DragEngine.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/Menus.h"
#include "platform/controls/look/ThemeFollow.h"
#include "platform/runtime/Utf8.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/SatInt.h"

namespace vcl {

namespace {

TControl* g_capture = nullptr;

TPoint MessagePoint(const TMessage& M) { return {GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)}; }

}  // namespace

// ---- shift state -----------------------------------------------------------------------

TShiftState KeysToShiftState(WPARAM Keys) {
    TShiftState s;
    if (Keys & MK_SHIFT) s.Include(ssShift);
    if (Keys & MK_CONTROL) s.Include(ssCtrl);
    if (Keys & MK_LBUTTON) s.Include(ssLeft);
    if (Keys & MK_RBUTTON) s.Include(ssRight);
    if (Keys & MK_MBUTTON) s.Include(ssMiddle);
    if (KeyboardStateToShiftState().Contains(ssAlt)) s.Include(ssAlt);
    return s;
}

WPARAM ShiftStateToKeys(TShiftState Shift) {
    WPARAM k = 0;
    if (Shift.Contains(ssShift)) k |= MK_SHIFT;
    if (Shift.Contains(ssCtrl)) k |= MK_CONTROL;
    if (Shift.Contains(ssLeft)) k |= MK_LBUTTON;
    if (Shift.Contains(ssRight)) k |= MK_RBUTTON;
    if (Shift.Contains(ssMiddle)) k |= MK_MBUTTON;
    return k;
}

// ---- capture ---------------------------------------------------------------------------

void SetCaptureControl(TControl* Control) {
    if (g_capture == Control) return;
    TControl* old = g_capture;
    g_capture = Control;
    if (old != nullptr) old->Perform(WM_CAPTURECHANGED, 0, 0);
    TCustomForm* form = GetParentForm(Control != nullptr ? Control : old);
    if (form != nullptr) Backend()->SetCapture(form, Control != nullptr);
}

TControl* GetCaptureControl() { return g_capture; }

TCustomForm* GetParentForm(const TControl* Control) {
    if (Control == nullptr) return nullptr;
    return dynamic_cast<TCustomForm*>(PaintEngine::Root(Control));
}

int TControl::GetCurrentPPI() const {
    if (const TCustomForm* form = GetParentForm(this)) return form->GetPixelsPerInch();
    return Screen != nullptr ? Screen->GetPixelsPerInch() : 96;
}

void TControl::FollowPixelsPerInch(int PPI) {
    font_->SetPixelsPerInch(PPI);
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (TControl* c : w->controls_) c->FollowPixelsPerInch(PPI);
}

// ---- display scale ---------------------------------------------------------------------

void TControl::ChangeScale(int M, int D) {
    // The target is taken before the constraints move: scaled limits would clamp the
    // present size first.
    const int l = MulDiv(left_, M, D), t = MulDiv(top_, M, D);
    const int r = MulDiv(left_ + width_, M, D), b = MulDiv(top_ + height_, M, D);
    ScaleConstraints(M, D);
    SetBounds(l, t, r - l, b - t);
    ScaleFont(M, D);
}

void TControl::ScaleConstraints(int M, int D) {
    TSizeConstraints scaled;
    scaled.SetMinWidth(MulDiv(constraints_->GetMinWidth(), M, D));
    scaled.SetMinHeight(MulDiv(constraints_->GetMinHeight(), M, D));
    scaled.SetMaxWidth(MulDiv(constraints_->GetMaxWidth(), M, D));
    scaled.SetMaxHeight(MulDiv(constraints_->GetMaxHeight(), M, D));
    constraints_->Assign(&scaled);
}

void TControl::ScaleFont(int M, int D) {
    // Without a parent there is no font to follow: a form's own font scales.
    if (!parentFont_ || parent_ == nullptr) font_->SetHeight(MulDiv(font_->GetHeight(), M, D));
}

// ---- construction ----------------------------------------------------------------------

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), font_(std::make_unique<TFont>()), constraints_(std::make_unique<TSizeConstraints>()) {
    font_->SetOnChange([this](TObject*) { FontChanged(); });
    // New limits apply to the present size at once (after loading, Loaded applies them).
    constraints_->SetOnChange([this](TObject*) {
        if (!GetComponentState().Contains(csLoading)) SetBounds(left_, top_, width_, height_);
    });
    parentColor_ = true;
}

TControl::~TControl() {
    if (accessible_) accessible_->Detach();
    if (parent_ != nullptr) parent_->RemoveControl(this);
    input::ForgetControl(this);
    DragEngine::Forget(this);
    if (g_capture == this) g_capture = nullptr;
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == popupMenu_) popupMenu_ = nullptr;
}

void TControl::Loaded() {
    TComponent::Loaded();
    // Auto size, then the streamed constraints, straight into the fields: csLoading is still
    // set while Loaded runs, and the parent realigns below.
    int w = width_, h = height_;
    if (autoSize_) CanAutoSize(w, h);
    DoConstrainedResize(w, h);
    if (w != width_ || h != height_) {
        width_ = std::max(0, w);
        height_ = std::max(0, h);
        Invalidate();
    }
    if (parent_ != nullptr) parent_->Realign();
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* w = dynamic_cast<TWinControl*>(Value)) SetParent(w);
}

// ---- parent and geometry ---------------------------------------------------------------

void TControl::SetParent(TWinControl* AParent) {
    if (parent_ == AParent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (auto* self = dynamic_cast<TWinControl*>(this); self != nullptr && AParent != nullptr &&
                                                       self->ContainsControl(AParent))
        throw EInvalidOperation("A control cannot have one of its children as its parent");
    TWinControl* old = parent_;
    if (parent_ != nullptr) parent_->RemoveControl(this);
    // Moved by code, a docked control is no longer docked, and its floating window, left
    // empty, goes out of sight.
    if (!docking_ && docked_) {
        docked_ = false;
        if (old != nullptr && old == floatHost_) old->SetVisible(false);
    }
    if (AParent != nullptr) AParent->InsertControl(this);
    if (const TCustomForm* form = GetParentForm(this)) FollowPixelsPerInch(form->GetPixelsPerInch());
    // A control made while another theme than light is in use moves its colour defaults
    // to that theme once it is placed.
    if (AParent != nullptr) ThemeFollow::Follow(this);
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight) {
    MinWidth = constraints_->GetMinWidth();
    MinHeight = constraints_->GetMinHeight();
    MaxWidth = constraints_->GetMaxWidth();
    MaxHeight = constraints_->GetMaxHeight();
    if (FOnConstrainedResize) FOnConstrainedResize(this, MinWidth, MinHeight, MaxWidth, MaxHeight);
}

void TControl::DoConstrainedResize(int& Width, int& Height) {
    int minW = 0, minH = 0, maxW = 0, maxH = 0;
    ConstrainedResize(minW, minH, maxW, maxH);
    TSizeConstraints::Clamp(minW, minH, maxW, maxH, Width, Height);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!GetComponentState().Contains(csLoading)) DoConstrainedResize(AWidth, AHeight);
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
    Invalidate();
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    if (parent_ != nullptr && !parent_->aligning_) UpdateAnchorRules();
    Invalidate();
    if (parent_ != nullptr && align_ != alNone && !parent_->aligning_) parent_->Realign();
    NotifyAccessible(this, aeBounds);
    if (!GetComponentState().Contains(csLoading)) Resize();
}

TRect TControl::GetClientRect() const { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int Value) { SetWidth(width_ - GetClientWidth() + Value); }
void TControl::SetClientHeight(int Value) { SetHeight(height_ - GetClientHeight() + Value); }

TPoint TControl::GetClientOrigin() const {
    TRect in = NonClientInsets();
    if (parent_ == nullptr) return {left_ + in.Left, top_ + in.Top};
    TPoint p = parent_->GetClientOrigin();
    return {p.X + left_ + in.Left, p.Y + top_ + in.Top};
}

TPoint TControl::ClientToScreen(TPoint P) const {
    TPoint o = GetClientOrigin();
    return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
    TPoint o = GetClientOrigin();
    return {P.X - o.X, P.Y - o.Y};
}

TPoint TControl::ClientToParent(TPoint P, TWinControl* AParent) const {
    const TControl* c = this;
    while (c->parent_ != nullptr && c != AParent) {
        TRect in = c->NonClientInsets();
        P.X += c->left_ + in.Left;
        P.Y += c->top_ + in.Top;
        c = c->parent_;
    }
    if (AParent != nullptr && c != AParent)
        throw EInvalidOperation("Control '" + GetName() + "' has no parent " + AParent->GetName());
    return P;
}

TPoint TControl::ParentToClient(TPoint P, TWinControl* AParent) const {
    TPoint o = ClientToParent({0, 0}, AParent);
    return {P.X - o.X, P.Y - o.Y};
}

void TControl::SetAlign(TAlign Value) {
    if (align_ == Value) return;
    align_ = Value;
    switch (Value) {
    case alTop: anchors_ = {akLeft, akTop, akRight}; break;
    case alBottom: anchors_ = {akLeft, akRight, akBottom}; break;
    case alLeft: anchors_ = {akLeft, akTop, akBottom}; break;
    case alRight: anchors_ = {akRight, akTop, akBottom}; break;
    case alClient: anchors_ = {akLeft, akTop, akRight, akBottom}; break;
    default: break;
    }
    if (parent_ != nullptr) parent_->Realign();
}

void TControl::SetAnchors(TAnchors Value) {
    if (anchors_ == Value) return;
    anchors_ = Value;
    UpdateAnchorRules();
}

// Remembers how far the control's right and bottom edges are from its parent's, so that
// akRight/akBottom can keep those distances when the parent is resized.
void TControl::UpdateAnchorRules() {
    if (parent_ == nullptr) return;
    TRect pc = parent_->GetClientRect();
    anchorParentSize_ = TSize(pc.Width(), pc.Height());
    // Bounds near the ends of the int range would overflow the distances: they saturate.
    auto gap = [](int ParentExtent, int Pos, int Extent) { return SatInt((long long)ParentExtent - Pos - Extent); };
    anchorRules_ = Rect(left_, top_, gap(pc.Width(), left_, width_), gap(pc.Height(), top_, height_));
}

void TControl::SetAutoSize(bool Value) {
    if (autoSize_ == Value) return;
    autoSize_ = Value;
    if (Value) AdjustSize();
}

bool TControl::CanAutoSize(int& NewWidth, int& NewHeight) {
    (void)NewWidth;
    (void)NewHeight;
    return false;
}

void TControl::AdjustSize() {
    // While a form file is read the streamed size stands; Loaded sizes once at the end.
    if (GetComponentState().Contains(csLoading)) return;
    int w = width_, h = height_;
    if (CanAutoSize(w, h)) SetBounds(left_, top_, w, h);
}

// ---- visibility and state --------------------------------------------------------------

void TControl::SetVisible(bool Value) {
    if (visible_ == Value) return;
    VisibleChanging();
    if (!Value) Invalidate();
    visible_ = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
    if (Value) Invalidate();
    if (parent_ != nullptr && align_ != alNone) parent_->Realign();
}

bool TControl::GetShowing() const {
    return visible_ && parent_ != nullptr && parent_->GetShowing();
}

void TControl::SetEnabled(bool Value) {
    if (enabled_ == Value) return;
    enabled_ = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::IsEnabledInTree() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

// ---- appearance ------------------------------------------------------------------------

void TControl::FontChanged() {
    if (updatingFont_) return;
    parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
    if (parentFont_ == Value) return;
    parentFont_ = Value;
    if (Value && parent_ != nullptr) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
    if (color_ == Value) return;
    color_ = Value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
    if (parentColor_ == Value) return;
    parentColor_ = Value;
    if (Value && parent_ != nullptr) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
    if (showHint_ == Value) return;
    showHint_ = Value;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    parentBiDiMode_ = false;
    if (biDiMode_ == Value) return;
    biDiMode_ = Value;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
    if (parentBiDiMode_ == Value) return;
    parentBiDiMode_ = Value;
    if (Value && parent_ != nullptr) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMParentBiDiModeChanged(TMessage& M) {
    (void)M;
    if (!parentBiDiMode_ || parent_ == nullptr || biDiMode_ == parent_->GetBiDiMode()) return;
    biDiMode_ = parent_->GetBiDiMode();
    Perform(CM_BIDIMODECHANGED, 0, 0);   // a windowed control hands it on to its children
}

void TControl::SetParentShowHint(bool Value) {
    if (parentShowHint_ == Value) return;
    parentShowHint_ = Value;
    if (Value && parent_ != nullptr) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
    if (cursor_ == Value) return;
    cursor_ = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
    if (Screen != nullptr) Screen->UpdateCursor(input::PointerControl());
}

void TControl::SetStyleElements(TStyleElements Value) {
    if (styleElements_ == Value) return;
    styleElements_ = Value;
    Invalidate();
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
    if (popupMenu_ == Value) return;
    if (popupMenu_ != nullptr) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TControl::SetTextBuf(const std::string& Value) {
    if (text_ == Value) return;
    text_ = Value;
    Perform(CM_TEXTCHANGED, 0, 0);
}

// ---- focus cue -------------------------------------------------------------------------

bool TControl::DrawFocusCue(TCanvas* Canvas, const TRect& R) const {
    if (Canvas == nullptr || !HasKeyboardFocus()) return false;
    // One dotted line at 96 dpi; on a denser screen as many nested ones as a line is wide,
    // each drawn once, so that drawing the cue twice still restores the pixels.
    const int width = ScaledLineWidth(1);
    for (int k = 0; k < width && R.Width() > 2 * k && R.Height() > 2 * k; ++k)
        Canvas->DrawFocusRect(Rect(R.Left + k, R.Top + k, R.Right - k, R.Bottom - k));
    return true;
}

// ---- painting --------------------------------------------------------------------------

void TControl::Invalidate() { InvalidateRect(GetClientRect()); }

void TControl::InvalidateRect(const TRect& R) {
    if (!GetShowing()) return;
    TCustomForm* form = GetParentForm(this);
    if (form == nullptr) return;
    TRect vis = IntersectRect(R, PaintEngine::VisibleRect(this));
    if (vis.IsEmpty()) return;
    TPoint o = PaintEngine::OffsetInRoot(this);
    vis.Offset(o.X, o.Y);
    form->InvalidateClientRect(vis);
}

void TControl::Update() {
    if (PaintEngine::DirectPaintsHeld()) return;
    if (TCustomForm* form = GetParentForm(this); form != nullptr && form->GetShowing())
        form->PaintInvalidRegion();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::PaintTo(TCanvas* Canvas, int X, int Y) {
    if (Canvas == nullptr || Canvas->GetSurface() == nullptr) return;
    TPoint origin = Canvas->GetOrigin();
    TRect clip = Canvas->GetClipRect();
    clip.Offset(origin.X, origin.Y);
    PaintEngine::PaintTree(this, Canvas->GetSurface(), {origin.X + X, origin.Y + Y}, clip);
}

void TControl::PaintControl(TCanvas* Canvas) {
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(Canvas), 0);
}

TCanvas* TControl::ControlCanvas() {
    TCanvas* canvas = OwnCanvas();
    if (!canvasPinned_) PaintEngine::BindCanvas(this, canvas);
    return canvas;
}

TCanvas* TControl::OwnCanvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
        canvas_->SetOnChange([this](TObject*) {
            if (!canvasPinned_) PaintEngine::CountDirectPaint(this);
        });
    }
    return canvas_.get();
}

void TControl::WMPaint(TMessage& Message) { (void)Message; }

// ---- z-order ---------------------------------------------------------------------------

void TControl::BringToFront() {
    if (parent_ == nullptr) return;
    auto& v = parent_->controls_;
    auto it = std::find(v.begin(), v.end(), this);
    if (it == v.end() || it + 1 == v.end()) return;
    v.erase(it);
    v.push_back(this);
    Invalidate();
}

void TControl::SendToBack() {
    if (parent_ == nullptr) return;
    auto& v = parent_->controls_;
    auto it = std::find(v.begin(), v.end(), this);
    if (it == v.end() || it == v.begin()) return;
    v.erase(it);
    v.insert(v.begin(), this);
    Invalidate();
}

// ---- accelerators ----------------------------------------------------------------------

bool IsAccel(char32_t Ch, const std::string& Caption) {
    auto lower = [](char32_t c) { return (c >= U'A' && c <= U'Z') ? c + 32 : c; };
    std::u32string cps = Utf8ToCodePoints(Caption);
    for (std::size_t i = 0; i + 1 < cps.size(); ++i) {
        if (cps[i] != U'&') continue;
        if (cps[i + 1] == U'&') {
            ++i;
            continue;
        }
        return lower(cps[i + 1]) == lower(Ch);
    }
    return false;
}

// ---- messages --------------------------------------------------------------------------

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    WndProc(m);
    if (accessibility::Listening()) accessibility::ControlMessage(this, Msg, WParam, LParam);
    return m.Result;
}

void TControl::WndProc(TMessage& M) {
    // A control that does not take double clicks sees the second press as a plain one.
    if (!controlStyle_.Contains(csDoubleClicks)) {
        if (M.Msg == WM_LBUTTONDBLCLK || M.Msg == WM_RBUTTONDBLCLK || M.Msg == WM_MBUTTONDBLCLK)
            M.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    }
    switch (M.Msg) {
    case WM_PAINT: WMPaint(M); break;
    case WM_MOUSEMOVE: WMMouseMove(M); break;
    case WM_LBUTTONDOWN: WMLButtonDown(M); break;
    case WM_LBUTTONUP: WMLButtonUp(M); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(M); break;
    case WM_RBUTTONDOWN: WMRButtonDown(M); break;
    case WM_RBUTTONUP: WMRButtonUp(M); break;
    case WM_RBUTTONDBLCLK: WMRButtonDblClk(M); break;
    case WM_MBUTTONDOWN: WMMButtonDown(M); break;
    case WM_MBUTTONUP: WMMButtonUp(M); break;
    case WM_MBUTTONDBLCLK: WMMButtonDblClk(M); break;
    case WM_MOUSEWHEEL: WMMouseWheel(M); break;
    case WM_CONTEXTMENU: WMContextMenu(M); break;
    case WM_CANCELMODE: WMCancelMode(M); break;
    case CM_MOUSEWHEEL: CMMouseWheel(M); break;
    case CM_MOUSEENTER: CMMouseEnter(M); break;
    case CM_MOUSELEAVE: CMMouseLeave(M); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(M); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(M); break;
    case CM_FONTCHANGED: CMFontChanged(M); break;
    case CM_COLORCHANGED: CMColorChanged(M); break;
    case CM_TEXTCHANGED: CMTextChanged(M); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(M); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(M); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(M); break;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(M); break;
    case CM_BIDIMODECHANGED: Invalidate(); break;
    case CM_HITTEST: CMHitTest(M); break;
    case CM_CANCELMODE: CMCancelMode(M); break;
    default: break;
    }
}

void TControl::SendCancelMode(TControl* Sender) {
    TCustomForm* form = GetParentForm(this);
    if (form == nullptr) return;
    TWinControl* active = form->GetActiveControl();
    if (active != nullptr && active != this)
        active->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
}

bool TControl::GetMouseCapture() const { return g_capture == this; }

void TControl::SetMouseCapture(bool Value) {
    if (Value) SetCaptureControl(this);
    else if (g_capture == this) SetCaptureControl(nullptr);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
    if (controlStyle_.Contains(csNoStdEvents)) return;
    TPoint p = MessagePoint(Message);
    MouseDown(Button, KeysToShiftState(Message.WParam) | Shift, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
    if (controlStyle_.Contains(csNoStdEvents)) return;
    TPoint p = MessagePoint(Message);
    MouseUp(Button, KeysToShiftState(Message.WParam), p.X, p.Y);
}

void TControl::WMMouseMove(TMessage& M) {
    if (controlStyle_.Contains(csNoStdEvents)) return;
    TPoint p = MessagePoint(M);
    MouseMove(KeysToShiftState(M.WParam), p.X, p.Y);
}

void TControl::WMLButtonDown(TMessage& M) {
    SendCancelMode(this);
    if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
    // An automatic drag waits for the pointer to pass the threshold; released before
    // that, the press stays an ordinary click.
    if (dragMode_ == dmAutomatic && !GetComponentState().Contains(csDesigning)) BeginDrag(false);
    DoMouseDown(M, mbLeft, {});
}

void TControl::WMLButtonUp(TMessage& M) {
    if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        if (GetClientRect().Contains(MessagePoint(M))) Click();
    }
    DoMouseUp(M, mbLeft);
}

void TControl::WMLButtonDblClk(TMessage& M) {
    SendCancelMode(this);
    if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (controlStyle_.Contains(csClickEvents)) DblClick();
    DoMouseDown(M, mbLeft, {ssDouble});
}

void TControl::WMRButtonDown(TMessage& M) { DoMouseDown(M, mbRight, {}); }

void TControl::WMRButtonUp(TMessage& M) {
    DoMouseUp(M, mbRight);
    TPoint screen = ClientToScreen(MessagePoint(M));
    Perform(WM_CONTEXTMENU, 0, MAKELPARAM(screen.X, screen.Y));
}

void TControl::WMRButtonDblClk(TMessage& M) { DoMouseDown(M, mbRight, {ssDouble}); }
void TControl::WMMButtonDown(TMessage& M) { DoMouseDown(M, mbMiddle, {}); }
void TControl::WMMButtonUp(TMessage& M) { DoMouseUp(M, mbMiddle); }
void TControl::WMMButtonDblClk(TMessage& M) { DoMouseDown(M, mbMiddle, {ssDouble}); }

void TControl::WMMouseWheel(TMessage& M) { CMMouseWheel(M); }

void TControl::CMMouseWheel(TMessage& M) {
    TShiftState shift = KeysToShiftState(GET_KEYSTATE_WPARAM(M.WParam));
    int delta = GET_WHEEL_DELTA_WPARAM(M.WParam);
    TPoint pos = MessagePoint(M);
    if (DoMouseWheel(shift, delta, pos)) {
        M.Result = 1;
    } else if (parent_ != nullptr) {
        M.Result = parent_->Perform(CM_MOUSEWHEEL, M.WParam, M.LParam);
    }
}

void TControl::WMContextMenu(TMessage& M) {
    TPoint screen = MessagePoint(M);
    TPoint local = ScreenToClient(screen);
    bool handled = false;
    DoContextPopup(local, handled);
    if (handled) {
        M.Result = 1;
        return;
    }
    if (popupMenu_ != nullptr && popupMenu_->GetAutoPopup()) {
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(screen.X, screen.Y);
        M.Result = 1;
    } else if (parent_ != nullptr) {
        M.Result = parent_->Perform(WM_CONTEXTMENU, M.WParam, M.LParam);
    }
}

void TControl::WMCancelMode(TMessage& M) {
    (void)M;
    if (GetMouseCapture()) SetMouseCapture(false);
}

void TControl::CMCancelMode(TMessage& M) { (void)M; }

void TControl::CMMouseEnter(TMessage& M) {
    (void)M;
    if (FOnMouseEnter) FOnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage& M) {
    (void)M;
    if (FOnMouseLeave) FOnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage& M) {
    (void)M;
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage& M) { (void)M; }

void TControl::CMFontChanged(TMessage& M) {
    (void)M;
    if (autoSize_) AdjustSize();
    Invalidate();
}

void TControl::CMColorChanged(TMessage& M) {
    (void)M;
    Invalidate();
}

void TControl::CMTextChanged(TMessage& M) { (void)M; }

void TControl::CMParentFontChanged(TMessage& M) {
    (void)M;
    if (!parentFont_ || parent_ == nullptr) return;
    updatingFont_ = true;
    font_->Assign(parent_->GetFont());
    updatingFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::CMParentColorChanged(TMessage& M) {
    (void)M;
    if (!parentColor_ || parent_ == nullptr) return;
    if (color_ == parent_->GetColor()) return;
    color_ = parent_->GetColor();
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::CMParentShowHintChanged(TMessage& M) {
    (void)M;
    if (!parentShowHint_ || parent_ == nullptr || showHint_ == parent_->GetShowHint()) return;
    showHint_ = parent_->GetShowHint();
    Perform(CM_SHOWHINTCHANGED, 0, 0);   // a windowed control hands it on to its children
}

void TControl::CMHitTest(TMessage& M) {
    TPoint p = MessagePoint(M);
    M.Result = HitTest(p.X, p.Y) ? 1 : 0;
}

bool TControl::HitTest(int X, int Y) const { return GetClientRect().Contains({X, Y}); }

// ---- overridable behaviour ---------------------------------------------------------------

void TControl::Click() {
    if (FOnClick) FOnClick(this);
}

void TControl::DblClick() {
    if (FOnDblClick) FOnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FOnMouseDown) FOnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (FOnMouseMove) FOnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FOnMouseUp) FOnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool result = false;
    if (FOnMouseWheel) FOnMouseWheel(this, Shift, WheelDelta, MousePos, result);
    if (result) return true;
    wheelAccumulator_ += WheelDelta;
    while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
        bool negative = wheelAccumulator_ < 0;
        wheelAccumulator_ = std::abs(wheelAccumulator_) - WHEEL_DELTA;
        if (negative) {
            wheelAccumulator_ = -wheelAccumulator_;
            result = DoMouseWheelDown(Shift, MousePos);
        } else {
            result = DoMouseWheelUp(Shift, MousePos);
        }
    }
    return result;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    bool result = false;
    if (FOnMouseWheelDown) FOnMouseWheelDown(this, Shift, MousePos, result);
    return result;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    bool result = false;
    if (FOnMouseWheelUp) FOnMouseWheelUp(this, Shift, MousePos, result);
    return result;
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
    if (FOnContextPopup) FOnContextPopup(this, MousePos, Handled);
}

void TControl::Resize() {
    if (FOnResize) FOnResize(this);
}

void TControl::Changed() { Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(this), 0); }

}  // namespace vcl
