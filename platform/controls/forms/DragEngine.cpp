// The drag engine (see DragEngine.h), the drag objects' cursors, the floating tool window,
// and the drag and dock members of TControl and TWinControl.
#include "platform/controls/forms/DragEngine.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/DragObjects.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {

struct DragState {
    TControl* source = nullptr;
    bool pending = false;          // pressed, waiting for the pointer to pass the threshold
    bool active = false;
    bool dock = false;
    TPoint start;                  // screen point of the press
    int threshold = DefaultDragThreshold;
    TDragObject* object = nullptr;
    std::unique_ptr<TDragObject> owned;   // the standard object (a handler's own is not ours)
    TControl* target = nullptr;    // last control asked (dock drags: the last site)
    bool accepted = false;
    TCursor savedCursor = crDefault;
    TPoint grab;                   // the press relative to the source's client origin
    // While the drag finishes: the source and target, cleared when they are destroyed.
    TControl* finishingSource = nullptr;
    TControl* finishingTarget = nullptr;
};

// Made once and never freed: a control freed after the program's static objects (one
// held in a static smart pointer) still finds it.
DragState& D() {
    static DragState& d = *new DragState;
    return d;
}

// The pointer as last reported, and the form that reported it.
TPoint g_pointer;
TCustomForm* g_pointerForm = nullptr;
bool g_swallowRightUp = false;

bool Inside(const TControl* Outer, const TControl* C) {
    if (C == nullptr || Outer == nullptr) return false;
    if (C == Outer) return true;
    auto* w = dynamic_cast<const TWinControl*>(Outer);
    return w != nullptr && w->ContainsControl(C);
}

TRect ScreenClientRect(const TControl* C) {
    TPoint o = C->GetClientOrigin();
    TRect r = C->GetClientRect();
    return Rect(o.X, o.Y, o.X + r.Width(), o.Y + r.Height());
}

// The showing form under the screen point: the one that reported the pointer first (forms
// of the headless backend may lie on top of each other), then the others newest first.
// Skip is a form not to look at (the floating window of a control being dock-dragged).
TCustomForm* FormAt(TPoint S, const TCustomForm* Skip) {
    auto usable = [&](TCustomForm* f) {
        return f != nullptr && f != Skip && f->GetParent() == nullptr && f->GetShowing() &&
               input::FormAcceptsInput(f) && ScreenClientRect(f).Contains(S);
    };
    if (usable(g_pointerForm)) return g_pointerForm;
    if (Screen == nullptr) return nullptr;
    for (int i = Screen->GetFormCount() - 1; i >= 0; --i)
        if (TCustomForm* f = Screen->GetForms(i); usable(f)) return f;
    return nullptr;
}

// The deepest visible, enabled control under the screen point.
TControl* ControlAtScreen(TPoint S, const TCustomForm* Skip) {
    TCustomForm* form = FormAt(S, Skip);
    if (form == nullptr) return nullptr;
    TControl* hit = form;
    TWinControl* container = form;
    TPoint local = form->ScreenToClient(S);
    for (;;) {
        TControl* child = container->ControlAtPos(local, false);
        if (child == nullptr) break;
        local = {local.X - child->GetLeft(), local.Y - child->GetTop()};
        hit = child;
        auto* w = dynamic_cast<TWinControl*>(child);
        if (w == nullptr) break;
        container = w;
    }
    return hit;
}

TCursor SetDragCursorShown(TCursor Cursor) {
    if (Screen == nullptr) return crDefault;
    TCursor old = Screen->GetCursor();
    Screen->SetCursor(Cursor);
    return old;
}

// The side of the site the client point is near (within a quarter of the site's size),
// alClient in the middle.
TAlign DropAlignAt(TWinControl* Site, TPoint P) {
    TRect r = Site->GetClientRect();
    const double w = std::max(1, r.Width()), h = std::max(1, r.Height());
    struct Side { double share; TAlign align; };
    const Side sides[] = {{P.X / w, alLeft}, {(w - P.X) / w, alRight}, {P.Y / h, alTop}, {(h - P.Y) / h, alBottom}};
    const Side* best = &sides[0];
    for (const Side& s : sides)
        if (s.share < best->share) best = &s;
    return best->share < 0.25 ? best->align : alClient;
}

// Screen rectangle a control docked with Align would take in Site (its whole client area
// for alClient, a strip of the control's size along the side otherwise).
TRect DockedRect(TWinControl* Site, TAlign Align, TControl* C) {
    TRect r = ScreenClientRect(Site);
    const int w = std::min(C->GetUndockWidth() > 0 ? C->GetUndockWidth() : C->GetWidth(), r.Width());
    const int h = std::min(C->GetUndockHeight() > 0 ? C->GetUndockHeight() : C->GetHeight(), r.Height());
    switch (Align) {
    case alLeft: return Rect(r.Left, r.Top, r.Left + w, r.Bottom);
    case alRight: return Rect(r.Right - w, r.Top, r.Right, r.Bottom);
    case alTop: return Rect(r.Left, r.Top, r.Right, r.Top + h);
    case alBottom: return Rect(r.Left, r.Bottom - h, r.Right, r.Bottom);
    default: return r;
    }
}

TSize FloatSize(const TControl* C) {
    return TSize(C->GetUndockWidth() > 0 ? C->GetUndockWidth() : C->GetWidth(),
                 C->GetUndockHeight() > 0 ? C->GetUndockHeight() : C->GetHeight());
}

}  // namespace

// ---- drag objects ------------------------------------------------------------------------

TCursor TDragObject::GetDragCursor(bool Accepted, int X, int Y) const {
    (void)X, (void)Y;
    if (!Accepted) return crNoDrop;
    return control_ != nullptr ? control_->GetDragCursor() : crDrag;
}

// A dock drag may always drop: over a site that accepts it shows the drag cursor, elsewhere
// (where the control would float) the ordinary one.
TCursor TDragDockObject::GetDragCursor(bool Accepted, int X, int Y) const {
    (void)X, (void)Y;
    if (!Accepted) return crDefault;
    return GetControl() != nullptr ? GetControl()->GetDragCursor() : crDrag;
}

TToolDockForm::TToolDockForm(TComponent* AOwner) : TCustomForm(AOwner) {
    SetBorderStyle(bsSizeToolWin);
}

// ---- the engine ----------------------------------------------------------------------------

// The source as targets see it: the control, or the object a handler supplied.
TObject* DragEngine::SourceArg() {
    DragState& d = D();
    if (d.owned != nullptr && d.object == d.owned.get()) return d.source;
    return d.object;
}

bool DragEngine::AskTarget(TControl* Target, TDragState State) {
    DragState& d = D();
    TPoint p = Target->ScreenToClient(d.object->dragPos_);
    bool accept = false;
    if (d.dock) {
        auto* site = static_cast<TWinControl*>(Target);
        accept = true;
        site->DockOver(static_cast<TDragDockObject*>(d.object), p.X, p.Y, State, accept);
    } else {
        Target->DragOver(SourceArg(), p.X, p.Y, State, accept);
    }
    return accept;
}

// The dock site under S: the nearest windowed ancestor-or-self of the control there with
// DockSite set, outside the dragged control.
TWinControl* DragEngine::SiteAt(TPoint S) {
    DragState& d = D();
    TControl* c = ControlAtScreen(S, static_cast<TCustomForm*>(d.source->floatHost_));
    for (; c != nullptr; c = c->GetParent()) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w != nullptr && w->GetDockSite() && !Inside(d.source, w)) return w;
    }
    return nullptr;
}

// Every showing form draws the piece of the outline that falls on it.
void DragEngine::ShowOutline(const TRect& ScreenRect) {
    if (Screen == nullptr) return;
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
        TCustomForm* f = Screen->GetForms(i);
        f->SetDragOutline(f->GetShowing() ? ScreenRect : TRect());
    }
}

void DragEngine::DragTo(TPoint S) {
    DragState& d = D();
    TControl* source = d.source;
    d.object->dragPos_ = S;
    TControl* now = d.dock ? SiteAt(S) : ControlAtScreen(S, nullptr);
    TDragState state = dsDragMove;
    if (now != d.target) {
        TControl* old = d.target;
        d.target = nullptr;
        d.object->dragTarget_ = nullptr;
        if (old != nullptr) AskTarget(old, dsDragLeave);
        if (D().source != source) return;   // a handler ended the drag
        d.target = now;
        state = dsDragEnter;
    }
    d.object->dragTarget_ = d.target;
    if (d.dock) {
        auto* dockObject = static_cast<TDragDockObject*>(d.object);
        if (d.target != nullptr)
            dockObject->dropAlign_ = DropAlignAt(static_cast<TWinControl*>(d.target), d.target->ScreenToClient(S));
    }
    d.accepted = d.target != nullptr && AskTarget(d.target, state);
    if (D().source != source) return;
    TPoint local = d.target != nullptr ? d.target->ScreenToClient(S) : source->ScreenToClient(S);
    if (d.dock) {
        auto* dockObject = static_cast<TDragDockObject*>(d.object);
        dockObject->floating_ = !d.accepted;
        if (d.accepted) {
            dockObject->dockRect_ = DockedRect(static_cast<TWinControl*>(d.target), dockObject->dropAlign_, source);
        } else {
            TSize size = FloatSize(source);
            dockObject->dockRect_ = Bounds(S.X - d.grab.X, S.Y - d.grab.Y, size.cx, size.cy);
        }
        ShowOutline(dockObject->dockRect_);
    }
    SetDragCursorShown(d.object->GetDragCursor(d.accepted, local.X, local.Y));
}

void DragEngine::Start() {
    DragState& d = D();
    TControl* source = d.source;
    d.pending = false;
    d.active = true;
    // Whatever the source was doing with the pressed button ends here; it gets no
    // release and no click.
    source->Perform(WM_CANCELMODE, 0, 0);
    if (D().source != source) return;
    TControlState cs = source->GetControlState();
    cs.Exclude(csClicked);
    source->SetControlState(cs);
    if (d.dock) {
        TDragDockObject* object = nullptr;
        source->DoStartDock(object);
        if (D().source != source) return;
        if (object == nullptr) {
            d.owned = std::make_unique<TDragDockObject>();
            object = static_cast<TDragDockObject*>(d.owned.get());
        }
        d.object = object;
    } else {
        TDragObject* object = nullptr;
        source->DoStartDrag(object);
        if (D().source != source) return;
        if (object == nullptr) {
            d.owned = std::make_unique<TDragObject>();
            object = d.owned.get();
        }
        d.object = object;
    }
    d.object->control_ = source;
    d.object->dragTarget_ = nullptr;
    d.object->cancelling_ = false;
    d.object->dropped_ = false;
    d.grab = {d.start.X - source->GetClientOrigin().X, d.start.Y - source->GetClientOrigin().Y};
    d.savedCursor = Screen != nullptr ? Screen->GetCursor() : crDefault;
    SetCaptureControl(source);
    DragTo(g_pointer);
}

void DragEngine::Finish(bool Drop) {
    DragState& d = D();
    if (!d.active) {
        d = DragState();
        return;
    }
    TControl* source = d.source;
    TControl* target = d.target;
    TDragObject* object = d.object;
    std::unique_ptr<TDragObject> owned = std::move(d.owned);
    const bool dock = d.dock;
    const bool accepted = d.accepted;
    const TCursor cursor = d.savedCursor;
    d = DragState();
    d.finishingSource = source;
    d.finishingTarget = target;
    if (dock) ShowOutline(TRect());
    if (GetCaptureControl() == source) SetCaptureControl(nullptr);
    SetDragCursorShown(cursor);
    // The next press starts a click sequence of its own: a drag lies between the two.
    input::ResetClickSequence();
    object->cancelling_ = !Drop;
    const TPoint S = object->dragPos_;

    // The target hears the pointer leave, then (when it accepted a drop) the drop.
    if (target != nullptr) {
        TPoint p = target->ScreenToClient(S);
        bool ignored = false;
        if (dock) static_cast<TWinControl*>(target)->DockOver(static_cast<TDragDockObject*>(object), p.X, p.Y, dsDragLeave, ignored);
        else target->DragOver(owned != nullptr ? static_cast<TObject*>(source) : object, p.X, p.Y, dsDragLeave, ignored);
    }
    target = D().finishingTarget;
    TObject* result = nullptr;
    TPoint at;
    if (Drop && D().finishingSource != nullptr) {
        if (dock) {
            auto* dockObject = static_cast<TDragDockObject*>(object);
            if (accepted && target != nullptr) {
                at = target->ScreenToClient(S);
                if (DragEngine::DockInto(source, static_cast<TWinControl*>(target), dockObject, at.X, at.Y))
                    result = target;
            } else if (DragEngine::Float(source, dockObject->dockRect_)) {
                result = source->floatHost_;
                at = source->floatHost_->ScreenToClient(S);
            }
        } else if (accepted && target != nullptr) {
            at = target->ScreenToClient(S);
            object->dropped_ = true;
            target->DragDrop(owned != nullptr ? static_cast<TObject*>(source) : object, at.X, at.Y);
            result = D().finishingTarget;
        }
    }
    source = D().finishingSource;
    if (source != nullptr) {
        object->dropped_ = result != nullptr;
        if (result == nullptr) at = source->ScreenToClient(S);
        if (dock) source->DoEndDock(result, at.X, at.Y);
        else source->DoEndDrag(result, at.X, at.Y);
    }
    D().finishingSource = nullptr;
    D().finishingTarget = nullptr;
}

void DragEngine::Begin(TControl* Source, bool Immediate, int Threshold) {
    DragState& d = D();
    if (d.source != nullptr || d.finishingSource != nullptr) return;
    if (GetParentForm(Source) == nullptr)
        throw EInvalidOperation("Control '" + Source->GetName() + "' is not on a form and cannot be dragged");
    d.source = Source;
    d.dock = Source->GetDragKind() == dkDock;
    d.start = g_pointer;
    d.threshold = Threshold < 0 ? DefaultDragThreshold : Threshold;
    d.pending = true;
    if (Immediate) Start();
}

void DragEngine::End(TControl* Source, bool Drop) {
    if (D().source != Source) return;
    Finish(Drop);
}

bool DragEngine::IsDragging(const TControl* Source) { return D().active && D().source == Source; }

bool DragEngine::MouseMove(TCustomForm* Form, TPoint P) {
    g_pointerForm = Form;
    g_pointer = Form->ClientToScreen(P);
    DragState& d = D();
    if (d.pending) {
        if (std::abs(g_pointer.X - d.start.X) <= d.threshold && std::abs(g_pointer.Y - d.start.Y) <= d.threshold)
            return false;
        Start();
        return true;
    }
    if (!d.active) return false;
    DragTo(g_pointer);
    return true;
}

bool DragEngine::MouseButton(TCustomForm* Form, TMouseButton Button, bool Down, TPoint P) {
    g_pointerForm = Form;
    g_pointer = Form->ClientToScreen(P);
    DragState& d = D();
    if (!Down && Button == mbRight && g_swallowRightUp) {
        g_swallowRightUp = false;
        return true;
    }
    if (d.active) {
        if (!Down && Button == mbLeft) {
            if (g_pointer != d.object->dragPos_) DragTo(g_pointer);
            if (D().active) Finish(true);
        } else if (Down && Button == mbRight) {
            g_swallowRightUp = true;
            Finish(false);
        }
        return true;
    }
    // Released before the pointer passed the threshold: no drag, an ordinary click.
    if (d.pending && !Down && Button == mbLeft) d = DragState();
    return false;
}

bool DragEngine::Key(WORD Key, bool Down) {
    DragState& d = D();
    if (!Down || Key != VK_ESCAPE) return false;
    if (d.active) {
        Finish(false);
        return true;
    }
    if (d.pending) d = DragState();
    return false;
}

void DragEngine::Forget(TControl* Control) {
    DragState& d = D();
    if (Inside(Control, d.finishingSource)) d.finishingSource = nullptr;
    if (Inside(Control, d.finishingTarget)) d.finishingTarget = nullptr;
    if (Inside(Control, d.target)) {
        d.target = nullptr;
        d.accepted = false;
        if (d.object != nullptr) d.object->dragTarget_ = nullptr;
    }
    if (Inside(Control, d.source)) {
        // The source goes: its drag ends without events.
        if (d.active) SetDragCursorShown(d.savedCursor);
        if (d.dock) ShowOutline(TRect());
        d = DragState();
    }
    if (Inside(Control, g_pointerForm)) g_pointerForm = nullptr;
}

void DragEngine::Reset() {
    DragState& d = D();
    if (d.active) SetDragCursorShown(d.savedCursor);
    if (d.dock) ShowOutline(TRect());
    d = DragState();
    g_pointer = TPoint();
    g_pointerForm = nullptr;
    g_swallowRightUp = false;
}

// ---- docking and floating ------------------------------------------------------------------

TWinControl* DragEngine::HostDockSite(const TControl* Control) {
    return Control->docked_ ? Control->GetParent() : nullptr;
}

bool DragEngine::DockInto(TControl* Control, TWinControl* Site, TDragDockObject* Obj, int X, int Y) {
    TWinControl* old = HostDockSite(Control);
    if (old != nullptr && old != Site && !old->DoUnDock(Site, Control)) return false;
    Site->DockDrop(Obj, X, Y);
    return true;
}

void DragEngine::PlaceDocked(TControl* Control, TWinControl* Site, TAlign Align, TPoint At) {
    TWinControl* old = HostDockSite(Control);
    if (old == nullptr) {
        Control->undockWidth_ = Control->GetWidth();
        Control->undockHeight_ = Control->GetHeight();
    }
    // Along a side the drop point orders the control among those already there.
    const bool placed = Align != alNone && Align != alClient;
    const TRect place = Bounds(At.X, At.Y, Control->undockWidth_, Control->undockHeight_);
    MoveInto(Control, Site, Align, placed ? &place : nullptr);
    if (old != nullptr && old == Control->floatHost_) old->Hide();
}

// Control moves into Parent with Align (at Place first, when given) and shows, docked.
void DragEngine::MoveInto(TControl* Control, TWinControl* Parent, TAlign Align, const TRect* Place) {
    Control->docking_ = true;
    try {
        Control->SetAlign(alNone);
        Control->SetParent(Parent);
        if (Place != nullptr) Control->SetBounds(Place->Left, Place->Top, Place->Width(), Place->Height());
        Control->SetAlign(Align);
    } catch (...) {
        Control->docking_ = false;
        throw;
    }
    Control->docking_ = false;
    Control->docked_ = true;
    Control->SetVisible(true);
}

bool DragEngine::Float(TControl* Control, const TRect& ScreenRect) {
    TWinControl* old = HostDockSite(Control);
    if (Control->floatHost_ == nullptr) Control->floatHost_ = new TToolDockForm(Control);
    auto* host = static_cast<TCustomForm*>(Control->floatHost_);
    if (old != nullptr && old != host && !old->DoUnDock(host, Control)) return false;
    if (old == nullptr) {
        Control->undockWidth_ = Control->GetWidth();
        Control->undockHeight_ = Control->GetHeight();
    }
    // A rectangle with a size sets the floating size too.
    if (ScreenRect.Width() > 0 && ScreenRect.Height() > 0) {
        Control->undockWidth_ = ScreenRect.Width();
        Control->undockHeight_ = ScreenRect.Height();
    }
    const int w = FloatSize(Control).cx, h = FloatSize(Control).cy;
    host->SetCaption(!Control->GetCaption().empty() ? Control->GetCaption() : Control->GetName());
    const int border = host->GetBorderWidth(), caption = host->GetCaptionHeight();
    host->SetBounds(ScreenRect.Left - border, ScreenRect.Top - caption, w + 2 * border, h + caption + border);
    MoveInto(Control, host, alClient, nullptr);
    host->Show();
    return true;
}

bool DragEngine::ManualDock(TControl* Control, TWinControl* Site, TAlign Side) {
    if (Site == nullptr) {
        TSize size = FloatSize(Control);
        TPoint o = Control->GetClientOrigin();
        return Control->ManualFloat(Bounds(o.X, o.Y, size.cx, size.cy));
    }
    TDragDockObject object;
    object.control_ = Control;
    object.dropAlign_ = Side;
    object.dockRect_ = DockedRect(Site, Side, Control);
    TPoint at = Side == alNone ? TPoint(Control->GetLeft(), Control->GetTop()) : TPoint(0, 0);
    if (!DockInto(Control, Site, &object, at.X, at.Y)) return false;
    Control->DoEndDock(Site, at.X, at.Y);
    return true;
}

// ---- TControl ------------------------------------------------------------------------------

void TControl::BeginDrag(bool Immediate, int Threshold) { DragEngine::Begin(this, Immediate, Threshold); }
void TControl::EndDrag(bool Drop) { DragEngine::End(this, Drop); }
bool TControl::Dragging() const { return DragEngine::IsDragging(this); }
TWinControl* TControl::GetHostDockSite() const { return DragEngine::HostDockSite(this); }
bool TControl::GetFloating() const { return docked_ && floatHost_ != nullptr && parent_ == floatHost_; }

bool TControl::ManualDock(TWinControl* NewDockSite, TAlign ControlSide) {
    return DragEngine::ManualDock(this, NewDockSite, ControlSide);
}

bool TControl::ManualFloat(const TRect& ScreenPos) {
    if (!DragEngine::Float(this, ScreenPos)) return false;
    DoEndDock(floatHost_, 0, 0);
    return true;
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
    if (FOnStartDrag) FOnStartDrag(this, DragObject);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Accept = false;
    if (FOnDragOver) {
        Accept = true;
        FOnDragOver(this, Source, X, Y, State, Accept);
    }
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
    if (FOnDragDrop) FOnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
    if (FOnEndDrag) FOnEndDrag(this, Target, X, Y);
}

void TControl::DoStartDock(TDragDockObject*& DragObject) {
    if (FOnStartDock) FOnStartDock(this, DragObject);
}

void TControl::DoEndDock(TObject* Target, int X, int Y) {
    if (FOnEndDock) FOnEndDock(this, Target, X, Y);
}

// ---- TWinControl ---------------------------------------------------------------------------

int TWinControl::GetDockClientCount() const {
    return static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                          [this](TControl* c) { return c->GetHostDockSite() == this; }));
}

TControl* TWinControl::GetDockClients(int Index) const {
    int i = 0;
    for (TControl* c : controls_)
        if (c->GetHostDockSite() == this && i++ == Index) return c;
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TWinControl::DockOver(TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept) {
    if (FOnDockOver) FOnDockOver(this, Source, X, Y, State, Accept);
}

void TWinControl::DockDrop(TDragDockObject* Source, int X, int Y) {
    DragEngine::PlaceDocked(Source->GetControl(), this, Source->GetDropAlign(), TPoint(X, Y));
    if (FOnDockDrop) FOnDockDrop(this, Source, X, Y);
}

bool TWinControl::DoUnDock(TWinControl* NewTarget, TControl* Client) {
    bool allow = true;
    if (FOnUnDock) FOnUnDock(this, Client, NewTarget, allow);
    return allow;
}

}  // namespace vcl
