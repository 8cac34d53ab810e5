// The rotated label's construction, setters, copying and resizing.
#include "rotlab/Zyn_RotLab.h"

#include "platform/Themes.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

TRotLab::TRotLab(TComponent* AOwner) : TCustomLabel(AOwner) {
    // The label's own transparency follows the Transparent flag from the start, so the
    // flag reads what the label does.
    TCustomLabel::SetTransparent(FTransparent);
    TCustomLabel::SetAlignment(taCenter);
    TControl::SetColor(clBtnFace);
    GetFont()->SetName("Arial");
    GetFont()->SetSize(11);
    SetBounds(GetLeft(), GetTop(), 200, 200);
}

TRotLab::~TRotLab() = default;

void TRotLab::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TRotLab*>(Source);
    if (src == nullptr) {
        TCustomLabel::Assign(Source);
        return;
    }
    FAutoCenter = src->FAutoCenter;
    FFrameStyle = src->FFrameStyle;
    FTextAngle = src->FTextAngle;
    FPosX = src->FPosX;
    FPosY = src->FPosY;
    FAntiAlias = src->FAntiAlias;
    Invalidate();
}

void TRotLab::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TRotLab*>(Dest)) {
        d->Assign(this);
        return;
    }
    TCustomLabel::AssignTo(Dest);
}

// =========================================================================================
// properties

void TRotLab::Redraw() {
    if (FTransparent) Invalidate();
    else Paint();
}

void TRotLab::Recenter() {
    FPosX = GetWidth() / 2;
    FPosY = GetHeight() / 2;
}

void TRotLab::SetTextAngle(int Value) {
    if (FTextAngle == Value) return;
    FTextAngle = Value;
    Redraw();
}

void TRotLab::SetPosX(int Value) {
    if (FPosX == Value) return;
    if (FAutoCenter) Recenter();
    else FPosX = Value;
    Redraw();
}

void TRotLab::SetPosY(int Value) {
    if (FPosY == Value) return;
    if (FAutoCenter) Recenter();
    else FPosY = Value;
    Redraw();
}

void TRotLab::SetAutoCenter(bool Value) {
    if (FAutoCenter == Value) return;
    FAutoCenter = Value;
    if (Value) Recenter();
    Redraw();
}

void TRotLab::SetAlignment(TAlignment Value) {
    if (GetAlignment() == Value) return;
    TCustomLabel::SetAlignment(Value);
    Redraw();
}

void TRotLab::SetAntiAlias(bool Value) {
    if (FAntiAlias == Value) return;
    FAntiAlias = Value;
    Redraw();
}

void TRotLab::SetFrameStyle(TFrameStyle Value) {
    if (FFrameStyle == Value) return;
    FFrameStyle = Value;
    Redraw();
}

void TRotLab::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    TCustomLabel::SetTransparent(Value);
    // The label has invalidated itself for its new style: paint that now, once.
    Repaint();
}

void TRotLab::SetColor(TColor Value) {
    if (GetColor() == Value) return;
    // A platform style paints the client in its own window colour.
    if (StyleServices()->Enabled() && GetStyleElements().Contains(seClient))
        Value = StyleServices()->GetStyleColor(scWindow);
    TControl::SetColor(Value);
    Redraw();
}

// A label put on a parent shows its text centred at once, not only after its first resize.
// While a form file is read the anchor is left alone: AutoCenter and the anchor may still
// follow, and Loaded centres once everything is known.
void TRotLab::SetParent(TWinControl* AParent) {
    TCustomLabel::SetParent(AParent);
    const TComponentState state = GetComponentState();
    if (AParent != nullptr && FAutoCenter && !state.Contains(csLoading) && !state.Contains(csReading)) {
        Recenter();
        Redraw();
    }
}

void TRotLab::Loaded() {
    TCustomLabel::Loaded();
    if (GetParent() != nullptr && FAutoCenter) Recenter();
}

void TRotLab::Resize() {
    TCustomLabel::Resize();
    if (GetParent() != nullptr && FAutoCenter) Recenter();
    Redraw();
}

void TRotLab::ChangeScale(int M, int D) {
    TCustomLabel::ChangeScale(M, D);
    SetPosX(MulDiv(FPosX, M, D));
    SetPosY(MulDiv(FPosY, M, D));
}

}  // namespace zyn
