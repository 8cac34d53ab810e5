// Painting and input of the design surface.
#include "apps/designer/program/DesignSurface.h"

#include <algorithm>

#include "platform/Forms.h"
#include "platform/Graphics.h"

namespace designer {

using namespace vcl;

namespace {
constexpr int Margin = 12;
}

TDesignSurface::TDesignSurface(TComponent* AOwner, TDesignModel& Model) : TCustomControl(AOwner), model_(Model) {
    SetTabStop(true);
    SetColor(clAppWorkSpace);
}

TPoint TDesignSurface::FormOrigin() const {
    TCustomForm* f = model_.Form();
    return {Margin + f->GetBorderWidth(), Margin + f->GetCaptionHeight()};
}

TPoint TDesignSurface::ToForm(int X, int Y) const {
    TPoint o = FormOrigin();
    return {X - o.X, Y - o.Y};
}

void TDesignSurface::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TCustomControl::WndProc(Message);
}

void TDesignSurface::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetColor(clAppWorkSpace);
    c->FillRect(GetClientRect());
    // The form paints as it would at run time: frame, caption and every component, each
    // in design mode.
    std::unique_ptr<TBitmap> picture = model_.Form()->Snapshot();
    c->Draw(Margin, Margin, picture.get());
    TPoint o = FormOrigin();

    // Grid dots on the form's own background, under nothing else the form drew.
    int g = model_.GridSize();
    if (model_.GetSnapToGrid() && g >= 4) {
        TRect client = model_.Form()->GetClientRect();
        TColor back = ColorToRGB(model_.Form()->GetColor());
        for (int y = 0; y < client.Height(); y += g)
            for (int x = 0; x < client.Width(); x += g)
                if (ColorToRGB(picture->GetCanvas()->GetPixels(x + o.X - Margin, y + o.Y - Margin)) == back)
                    c->SetPixels(x + o.X, y + o.Y, clGray);
    }

    bool single = model_.Selection().size() == 1;
    for (TComponent* s : model_.Selection()) {
        auto* control = dynamic_cast<TControl*>(s);
        if (control == nullptr || control == model_.Form()) continue;
        c->GetBrush()->SetColor(single ? clHighlight : clGray);
        for (TRect h : model_.HandleRects(control)) {
            h.Offset(o.X, o.Y);
            c->FillRect(h);
        }
    }
    c->GetPen()->SetColor(clBlue);
    for (const TGuide& g2 : model_.Guides()) {
        if (g2.Vertical) {
            c->MoveTo(o.X + g2.Position, o.Y + g2.From);
            c->LineTo(o.X + g2.Position, o.Y + g2.To);
        } else {
            c->MoveTo(o.X + g2.From, o.Y + g2.Position);
            c->LineTo(o.X + g2.To, o.Y + g2.Position);
        }
    }
    if (banding_) {
        TRect band(std::min(bandFrom_.X, bandTo_.X), std::min(bandFrom_.Y, bandTo_.Y),
                   std::max(bandFrom_.X, bandTo_.X) + 1, std::max(bandFrom_.Y, bandTo_.Y) + 1);
        band.Offset(o.X, o.Y);
        c->DrawFocusRect(band);
    }
}

void TDesignSurface::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (CanFocus()) SetFocus();
    if (Button != mbLeft) return;
    TPoint p = ToForm(X, Y);
    if (!PendingClass.empty()) {
        std::string cls = std::move(PendingClass);
        PendingClass.clear();
        TControl* at = model_.ControlAt(p);
        TWinControl* into = TDesignModel::ContainerOf(at);
        TRect r = model_.FormRect(into);
        TPoint inside = into == model_.Form() ? p : TPoint{p.X - r.Left, p.Y - r.Top};
        try {
            model_.Drop(cls, into, TRect(inside.X, inside.Y, inside.X, inside.Y));
        } catch (const Exception& e) {
            Application->ShowException(e);
        }
        if (OnDropped) OnDropped();
        Invalidate();
        return;
    }
    if (model_.HandleAt(p) == THandle::None) model_.Click(p, Shift.Contains(ssShift));
    if (!model_.BeginDrag(p)) {
        banding_ = true;
        bandFrom_ = bandTo_ = p;
    }
    Invalidate();
}

void TDesignSurface::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    TPoint p = ToForm(X, Y);
    if (model_.Dragging()) {
        model_.DragTo(p);
        Invalidate();
    } else if (banding_) {
        bandTo_ = p;
        Invalidate();
    }
}

void TDesignSurface::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (model_.Dragging()) model_.EndDrag();
    if (banding_) {
        banding_ = false;
        // A press and release in place is a click, already handled.
        if (bandFrom_ != bandTo_) model_.SelectRect(bandFrom_, ToForm(X, Y), Shift.Contains(ssShift));
    }
    Invalidate();
}

void TDesignSurface::KeyDown(WORD& Key, TShiftState Shift) {
    bool shift = Shift.Contains(ssShift), ctrl = Shift.Contains(ssCtrl);
    try {
        switch (Key) {
            case VK_LEFT: model_.Nudge(-1, 0, shift, ctrl); break;
            case VK_RIGHT: model_.Nudge(1, 0, shift, ctrl); break;
            case VK_UP: model_.Nudge(0, -1, shift, ctrl); break;
            case VK_DOWN: model_.Nudge(0, 1, shift, ctrl); break;
            case VK_DELETE: model_.Delete(); break;
            default:
                if (!ctrl) {
                    TCustomControl::KeyDown(Key, Shift);
                    return;
                }
                switch (Key) {
                    case 'C': model_.Copy(); break;
                    case 'X': model_.Cut(); break;
                    case 'V': model_.Paste(); break;
                    case 'Z': model_.Undo(); break;
                    case 'Y': model_.Redo(); break;
                    default: TCustomControl::KeyDown(Key, Shift); return;
                }
        }
    } catch (const Exception& e) {
        Application->ShowException(e);
    }
    Key = 0;
    Invalidate();
}

}  // namespace designer
