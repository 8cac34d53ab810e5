// The paint engine: controls painted parent first, children in z-order, each clipped to
// its own visible rectangle on the surface.
#include "platform/controls/base/PaintEngine.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Application.h"
#include "platform/core/Component.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

TControl* PaintEngine::Root(const TControl* Control) {
    const TControl* c = Control;
    while (c != nullptr && c->GetParent() != nullptr) c = c->GetParent();
    return const_cast<TControl*>(c);
}

TPoint PaintEngine::OffsetInRoot(const TControl* Control) {
    TPoint p;
    for (const TControl* c = Control; c != nullptr && c->GetParent() != nullptr; c = c->GetParent()) {
        p.X += c->GetLeft();
        p.Y += c->GetTop();
    }
    return p;
}

TRect PaintEngine::VisibleRect(const TControl* Control) {
    TRect r = Control->GetClientRect();
    int dx = 0, dy = 0;   // offset of Control's client area in the current ancestor
    for (const TControl* c = Control; c->GetParent() != nullptr; c = c->GetParent()) {
        dx += c->GetLeft();
        dy += c->GetTop();
        TRect pc = c->GetParent()->GetClientRect();
        pc.Offset(-dx, -dy);
        r = IntersectRect(r, pc);
        if (r.IsEmpty()) return TRect();
    }
    return r;
}

void PaintEngine::BindCanvas(TControl* Control, TCanvas* Canvas) {
    TCustomForm* form = dynamic_cast<TCustomForm*>(Root(Control));
    if (form == nullptr) {
        Canvas->SetSurface(nullptr);
        return;
    }
    TPoint origin = OffsetInRoot(Control);
    TRect vis = VisibleRect(Control);
    Canvas->SetSurface(form->GetBackBuffer());
    Canvas->SetOrigin(origin);
    Canvas->SetClipRect(vis);
    // Whatever is drawn now outside the engine has to reach the screen too.
    if (form->GetShowing() && !vis.IsEmpty()) {
        vis.Offset(origin.X, origin.Y);
        form->AddPresentRect(vis);
    }
}

void PaintEngine::PaintTree(TControl* Control, TBitmap* Surface, TPoint Origin, const TRect& Clip) {
    TRect area = IntersectRect(Bounds(Origin.X, Origin.Y, Control->GetWidth(), Control->GetHeight()), Clip);
    if (area.IsEmpty()) return;

    if (!Control->canvas_) Control->canvas_ = std::make_unique<TCanvas>();
    TCanvas* canvas = Control->canvas_.get();
    TRect logicalClip = area;
    logicalClip.Offset(-Origin.X, -Origin.Y);
    canvas->SetSurface(Surface);
    canvas->SetOrigin(Origin);
    canvas->SetClipRect(logicalClip);
    bool wasPinned = Control->canvasPinned_;
    Control->canvasPinned_ = true;
    try {
        Control->PaintControl(canvas);
    } catch (...) {
        Control->canvasPinned_ = wasPinned;
        throw;
    }
    Control->canvasPinned_ = wasPinned;

    auto* win = dynamic_cast<TWinControl*>(Control);
    if (win == nullptr) return;
    // Graphic children paint on the parent's surface below the windowed children.
    std::vector<TControl*> children = win->controls_;
    auto paintChild = [&](TControl* child) {
        if (!child->GetVisible() && !child->GetComponentState().Contains(csDesigning)) return;
        PaintTree(child, Surface, {Origin.X + child->GetLeft(), Origin.Y + child->GetTop()}, area);
    };
    for (TControl* child : children)
        if (dynamic_cast<TWinControl*>(child) == nullptr) paintChild(child);
    for (TControl* child : children)
        if (dynamic_cast<TWinControl*>(child) != nullptr) paintChild(child);
}

void PaintEngine::RepaintAll() {
    if (Screen == nullptr) return;
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
        TCustomForm* form = Screen->GetForms(i);
        if (!form->GetShowing()) continue;
        if (form->HasInvalidRegion()) form->PaintInvalidRegion();
        form->PresentPending();
    }
}

void PaintEngine::InstallLoopHook() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    Application->SetRepaintHandler([] { RepaintAll(); });
}

}  // namespace vcl
