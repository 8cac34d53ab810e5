// TNumLab: construction, the property setters, Assign and the mouse area.
#include "numlab/Zyn_NumLab.h"

#include <algorithm>

#include "framework/Zyn_conventions.h"
#include "platform/Themes.h"
#include "platform/Types.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

TNumLab::TNumLab(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TBitmap>()) {
    SetBounds(GetLeft(), GetTop(), 160, 28);
}

TNumLab::~TNumLab() = default;

void TNumLab::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TNumLab*>(Source);
    if (src == nullptr) {
        TGraphicControl::Assign(Source);
        return;
    }
    FLeftSpace = src->FLeftSpace;
    FEmpty = src->FEmpty;
    FLabelWidth = src->FLabelWidth;
    FPrecision = src->FPrecision;
    FLeftText = src->FLeftText;
    FRightText = src->FRightText;
    FFrameStyle = src->FFrameStyle;
    FAlignment = src->FAlignment;
    FRightTextAlignment = src->FRightTextAlignment;
    FLeftTextAlignment = src->FLeftTextAlignment;
    FOverflowIndicator = src->FOverflowIndicator;
    FValue = src->FValue;
    FStateText = src->FStateText;
    FTransparent = src->FTransparent;
    FColorLabBakG = src->FColorLabBakG;
    FColorLabText = src->FColorLabText;
    FColorOutBakG = src->FColorOutBakG;
    FColorOutText = src->FColorOutText;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    FDisplayType = src->FDisplayType;
    Redraw();
}

void TNumLab::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TNumLab*>(Dest)) {
        d->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

// Every change shows at once. The repaint goes through the parent, so that what lies behind
// a transparent label is drawn anew before the label is laid over it.
void TNumLab::Redraw() { Repaint(); }

template <typename T>
void TNumLab::StoreIfDifferent(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Redraw();
}

// Setters documented to store and repaint without comparing.
template <typename T>
void TNumLab::StoreAndPaint(T& Field, T Value) {
    Field = Value;
    Redraw();
}

void TNumLab::SetAlignment(TAlignment Value) { StoreAndPaint(FAlignment, Value); }
void TNumLab::SetColorLabBakG(TColor Value) { StoreIfDifferent(FColorLabBakG, Value); }
void TNumLab::SetColorLabText(TColor Value) { StoreIfDifferent(FColorLabText, Value); }
void TNumLab::SetColorOutBakG(TColor Value) { StoreIfDifferent(FColorOutBakG, Value); }
void TNumLab::SetColorOutText(TColor Value) { StoreIfDifferent(FColorOutText, Value); }

void TNumLab::SetColorScheme(TColorScheme Value) {
    FColorScheme = Value;
    ApplyColorScheme(Value, FColBlackLine, FColGrayLine, FColWhiteLine);
    Redraw();
}

void TNumLab::SetComma(bool Value) { StoreIfDifferent(FComma, Value); }
void TNumLab::SetDisplayType(TDisplay Value) { StoreIfDifferent(FDisplayType, Value); }
void TNumLab::SetDTFormat(const std::string& Value) { StoreIfDifferent(FDTFormat, Value); }
void TNumLab::SetEmpty(bool Value) { StoreIfDifferent(FEmpty, Value); }

void TNumLab::SetEnabled(bool Value) {
    TGraphicControl::SetEnabled(Value);
    Refresh();
}

void TNumLab::SetForcePlusSign(bool Value) { StoreIfDifferent(FForcePlusSign, Value); }
void TNumLab::SetFrameStyle(TFrameStyle Value) { StoreIfDifferent(FFrameStyle, Value); }
void TNumLab::SetLabelWidth(int Value) { StoreIfDifferent(FLabelWidth, Value); }

void TNumLab::SetLeftSpace(int Value) {
    if (Value < 0 || Value == FLeftSpace) return;
    // A form file may give the space before the width it fits in.
    FLeftSpace = GetComponentState().Contains(csLoading) ? Value : std::min(Value, GetWidth());
    Redraw();
}

void TNumLab::Loaded() {
    TGraphicControl::Loaded();
    FLeftSpace = std::min(FLeftSpace, GetWidth());
}

void TNumLab::SetLeftText(const std::string& Value) { StoreIfDifferent(FLeftText, Value); }
void TNumLab::SetRightText(const std::string& Value) { StoreIfDifferent(FRightText, Value); }
void TNumLab::SetLeftTextAlignment(TAlignment Value) { StoreAndPaint(FLeftTextAlignment, Value); }
void TNumLab::SetRightTextAlignment(TAlignment Value) { StoreAndPaint(FRightTextAlignment, Value); }
void TNumLab::SetOverflowIndicator(const std::string& Value) { StoreIfDifferent(FOverflowIndicator, Value); }

void TNumLab::SetPrecision(int Value) {
    if (Value < 0) return;
    StoreIfDifferent(FPrecision, std::min(Value, 15));
}

void TNumLab::SetStateText(const std::string& Value) { StoreIfDifferent(FStateText, Value); }

void TNumLab::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    // Set: the parent repaints what lies behind on its next pass; cleared: at once.
    if (FTransparent) Invalidate();
    else Repaint();
}

void TNumLab::SetValue(double Value) {
    if (FValue == Value) return;
    FValue = Value;
    vcl::NotifyAccessible(this, vcl::aeValue);
    Redraw();
}

void TNumLab::MouseMove(TShiftState Shift, int X, int Y) {
    FMouseAreaCode = X > SatAdd(FLeftSpace, FLabelWidth) ? 2 : X > FLeftSpace ? 1 : 0;
    TGraphicControl::MouseMove(Shift, X, Y);
}

bool TNumLab::ClientStyled() const {
    return StyleServices()->Enabled() && GetStyleElements().Contains(seClient);
}

bool TNumLab::FontStyled() const {
    return StyleServices()->Enabled() && GetStyleElements().Contains(seFont);
}

std::string TNumLab::DisplayedText() {
    if (FEmpty) return {};
    TCanvas* c = FPicture->GetCanvas();
    c->SetFont(GetFont());
    return BoxText(c);
}

std::string TNumLab::BoxText(TCanvas* C) {
    TNumLabFormat format;
    format.Display = FDisplayType;
    format.Precision = FPrecision;
    format.DTFormat = FDTFormat;
    format.StateText = FStateText;
    format.Comma = FComma;
    format.ForcePlusSign = FForcePlusSign;
    // A value the type cannot show (a date beyond the calendar) overflows the box.
    if (!NumLabText(FValue, format, FText)) FText = FOverflowIndicator;
    if (FOnBeforeDisplay) FOnBeforeDisplay(this, FText);
    if (FDisplayType != dtState && C->TextWidth(FText) > SatSub(FLabelWidth, 6)) FText = FOverflowIndicator;
    return FText;
}

void TNumLab::ChangeScale(int M, int D) {
    TGraphicControl::ChangeScale(M, D);
    SetLabelWidth(MulDiv(FLabelWidth, M, D));
    SetLeftSpace(MulDiv(FLeftSpace, M, D));
}

}  // namespace zyn
