// The paint engine: controls painted parent first, children in z-order, each clipped to
// its own visible rectangle on the surface.
#include "platform/controls/base/PaintEngine.h"

#include <algorithm>
#include <cstdint>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Application.h"
#include "platform/core/Component.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/SatInt.h"

namespace vcl {

namespace {

// Direct paints are counted once per binding of a control's canvas; a binding ends when a
// paint pass of the engine ends or a count is read, which starts the next one.
std::uint64_t g_binding = 1;
// Nesting of PaintTree: the pass ends when the outermost call returns.
int g_passDepth = 0;

struct PaintPass {
    PaintPass() { ++g_passDepth; }
    ~PaintPass() {
        if (--g_passDepth == 0) ++g_binding;
    }
};

}  // namespace

TControl* PaintEngine::Root(const TControl* Control) {
    const TControl* c = Control;
    while (c != nullptr && c->GetParent() != nullptr) c = c->GetParent();
    return const_cast<TControl*>(c);
}

TPoint PaintEngine::OffsetInRoot(const TControl* Control) {
    TPoint p;
    for (const TControl* c = Control; c != nullptr && c->GetParent() != nullptr; c = c->GetParent()) {
        TRect in = c->NonClientInsets();
        p.X = SatAdd(p.X, SatAdd(c->GetLeft(), in.Left));
        p.Y = SatAdd(p.Y, SatAdd(c->GetTop(), in.Top));
    }
    return p;
}

TRect PaintEngine::VisibleRect(const TControl* Control) {
    TRect r = Control->GetClientRect();
    int dx = 0, dy = 0;   // offset of Control's client area in the current ancestor
    for (const TControl* c = Control; c->GetParent() != nullptr; c = c->GetParent()) {
        // A hidden control, or one on a hidden parent (a page not shown), has nothing on the
        // screen; the engine paints it under the same rule.
        if (!c->GetVisible() && !c->GetComponentState().Contains(csDesigning)) return TRect();
        TRect in = c->NonClientInsets();
        dx = SatAdd(dx, SatAdd(c->GetLeft(), in.Left));
        dy = SatAdd(dy, SatAdd(c->GetTop(), in.Top));
        TRect pc = c->GetParent()->GetClientRect();
        pc = SatOffset(pc, SatNeg(dx), SatNeg(dy));
        r = IntersectRect(r, pc);
        if (r.IsEmpty()) return TRect();
    }
    return r;
}

namespace {
int g_holdDirectPaints = 0;
}  // namespace

void PaintEngine::HoldDirectPaints(bool Hold) { g_holdDirectPaints += Hold ? 1 : -1; }

bool PaintEngine::DirectPaintsHeld() { return g_holdDirectPaints > 0; }

void PaintEngine::BindCanvas(TControl* Control, TCanvas* Canvas) {
    TCustomForm* form = dynamic_cast<TCustomForm*>(Root(Control));
    if (form == nullptr || DirectPaintsHeld()) {
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
        vis = SatOffset(vis, origin.X, origin.Y);
        form->AddPresentRect(vis);
    }
}

void PaintEngine::PaintTree(TControl* Control, TBitmap* Surface, TPoint Origin, const TRect& Clip) {
    TRect area = IntersectRect(SatBounds(Origin.X, Origin.Y, Control->GetWidth(), Control->GetHeight()), Clip);
    if (area.IsEmpty()) return;

    PaintPass pass;
    TCanvas* canvas = Control->OwnCanvas();
    auto* win = dynamic_cast<TWinControl*>(Control);
    // The control paints its own picture with the client area's top-left as origin, clipped
    // to the client area; the frame around it is painted first in window coordinates.
    TRect insets = Control->NonClientInsets();
    TPoint clientOrigin{SatAdd(Origin.X, insets.Left), SatAdd(Origin.Y, insets.Top)};
    TRect client = SatOffset(Control->GetClientRect(), clientOrigin.X, clientOrigin.Y);
    TRect clientArea = IntersectRect(client, area);
    {
        // Drawing on the canvas belongs to this paint, which is counted once.
        struct Pin {
            TControl* control;
            bool was;
            ~Pin() { control->canvasPinned_ = was; }
        } pin{Control, Control->canvasPinned_};
        Control->canvasPinned_ = true;
        ++Control->paintCount_;
        canvas->SetSurface(Surface);
        if (win != nullptr && !(insets == TRect())) {
            TRect frameClip = SatOffset(area, SatNeg(Origin.X), SatNeg(Origin.Y));
            canvas->SetOrigin(Origin);
            canvas->SetClipRect(frameClip);
            win->PaintNonClient(canvas);
        }
        if (clientArea.IsEmpty()) return;
        TRect logicalClip = SatOffset(clientArea, SatNeg(clientOrigin.X), SatNeg(clientOrigin.Y));
        canvas->SetOrigin(clientOrigin);
        canvas->SetClipRect(logicalClip);
        Control->PaintControl(canvas);
    }

    if (win == nullptr) return;
    // Graphic children paint on the parent's surface below the windowed children.
    std::vector<TControl*> children = win->controls_;
    auto paintChild = [&](TControl* child) {
        if (!child->GetVisible() && !child->GetComponentState().Contains(csDesigning)) return;
        PaintTree(child, Surface, {SatAdd(clientOrigin.X, child->GetLeft()), SatAdd(clientOrigin.Y, child->GetTop())},
                  clientArea);
    };
    for (TControl* child : children)
        if (dynamic_cast<TWinControl*>(child) == nullptr) paintChild(child);
    for (TControl* child : children)
        if (dynamic_cast<TWinControl*>(child) != nullptr) paintChild(child);
}

void PaintEngine::CountDirectPaint(TControl* Control) {
    if (DirectPaintsHeld()) return;
    if (Control->countedBinding_ == g_binding) return;
    Control->countedBinding_ = g_binding;
    ++Control->paintCount_;
}

int PaintEngine::TakePaintCount(const TControl* Control) {
    ++g_binding;
    return Control->paintCount_;
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
