// TNumIO2: construction, the property setters, the value and the public methods.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "framework/Zyn_conventions.h"
#include "numio/Zyn_NumIO2.h"
#include "platform/SysUtils.h"
#include "platform/Win32.h"
#include "platform/Accessibility.h"

namespace zyn {

using namespace vcl;

namespace {

constexpr int CaretBlinkMs = 500;
constexpr int MinHeight = 18;
constexpr const char* AutoSizeProbe = "E0";

}  // namespace

// =========================================================================================
// construction

TNumIO2::TNumIO2(TComponent* AOwner) : TCustomControl(AOwner), FPicture(std::make_unique<TBitmap>()) {
    // The picture covers the whole control, so the framework need not erase it first.
    SetControlStyle(GetControlStyle() | TControlStyle{csOpaque});
    SetTabStop(true);
    TNumIO2::SetBounds(GetLeft(), GetTop(), 160, 28);
    FCaretTimerH = std::make_unique<TComponentTimer>(this, [this] { CaretTick(); });
    UpdateTimer();
}

TNumIO2::~TNumIO2() { FCaretTimerH.reset(); }

// The sizes bounded by the control's size or by each other arrive one by one from a form
// file; they are stored as written and bounded here once, in the order the setters imply.
void TNumIO2::Loaded() {
    TCustomControl::Loaded();
    const int W = GetWidth(), H = GetHeight();
    FButHeight = std::min(std::max(FButHeight, MinHeight), H);
    FGaugeHeight = std::max(std::min(FGaugeHeight, H - FGaugeTopMargin - MinHeight), 3);
    FGaugeTopMargin = std::max(std::min(FGaugeTopMargin, H - FGaugeHeight - MinHeight), 0);
    FGaugeWidth = std::min(std::max(FGaugeWidth, 10), W - FGaugeLeftMargin);
    FGaugeLeftMargin = std::max(std::min(FGaugeLeftMargin, W - FGaugeWidth), 0);
    FLeftSpace = std::min(FLeftSpace, W);
    Invalidate();
}

void TNumIO2::CreateWnd() {
    TCustomControl::CreateWnd();
    FSuppressPaint = false;
}

void TNumIO2::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TNumIO2*>(Source);
    if (src == nullptr) {
        TCustomControl::Assign(Source);
        return;
    }
    FLeftSpace = src->FLeftSpace;
    FTextBoxWidth = src->FTextBoxWidth;
    FFixPointDecPlaces = src->FFixPointDecPlaces;
    FSignificantDigits = src->FSignificantDigits;
    FLeftText = src->FLeftText;
    FRightText = src->FRightText;
    FFrameStyle = src->FFrameStyle;
    FAlignment = src->FAlignment;
    FRightTextAlignment = src->FRightTextAlignment;
    FLeftTextAlignment = src->FLeftTextAlignment;
    FColorBoxBG = src->FColorBoxBG;
    FColorBoxText = src->FColorBoxText;
    FColorOutBG = src->FColorOutBG;
    FColorOutText = src->FColorOutText;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    FInputFormat = src->FInputFormat;
    FInBuffer = src->FInBuffer;
    FCaretPos = src->FCaretPos;
    FMouseAreaCode = src->FMouseAreaCode;
    FColorWarnBG = src->FColorWarnBG;
    FColorWarnText = src->FColorWarnText;
    FSelBegin = src->FSelBegin;
    FSelEnd = src->FSelEnd;
    FDecPlaceSep = src->FDecPlaceSep;
    FKeyShifted = src->FKeyShifted;
    FKeyCntrl = src->FKeyCntrl;
    FHideSelection = src->FHideSelection;
    FRangeHigh = src->FRangeHigh;
    FRangeLow = src->FRangeLow;
    FOnlineCheck = src->FOnlineCheck;
    FBeep = src->FBeep;
    // Read-only stops or restarts this control's own caret timer.
    SetReadOnly(src->FReadOnly);
    FCaretVisib = src->FCaretVisib;
    SetAutoSize(src->GetAutoSize());
    Invalidate();
}

void TNumIO2::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TNumIO2*>(Dest)) {
        d->Assign(this);
        return;
    }
    TCustomControl::AssignTo(Dest);
}

// =========================================================================================
// setters

// Setters documented to store and repaint without comparing.
template <typename T>
void TNumIO2::StoreAndRepaint(T& Field, T Value) {
    Field = Value;
    Invalidate();
}

template <typename T>
void TNumIO2::StoreIfDifferent(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TNumIO2::SetAlignment(TAlignment Value) { StoreAndRepaint(FAlignment, Value); }

void TNumIO2::SetAutoSize(bool Value) {
    TCustomControl::SetAutoSize(Value);
    Invalidate();
}

bool TNumIO2::CanAutoSize(int& NewWidth, int& NewHeight) {
    (void)NewWidth;
    NewHeight = std::max(TextHeightOf(AutoSizeProbe) + 6, MinHeight);
    return true;
}

void TNumIO2::SetBut3D(bool Value) { StoreAndRepaint(FBut3D, Value); }
void TNumIO2::SetButColor(TColor Value) { StoreAndRepaint(FButColor, Value); }

void TNumIO2::SetButHeight(int Value) {
    if (Value == FButHeight) return;
    if (Loading()) return void(FButHeight = Value);
    FButHeight = std::min(std::max(Value, MinHeight), GetHeight());
    Invalidate();
}

void TNumIO2::SetButIncrem(double Value) { StoreIfDifferent(FButIncrem, Value); }

void TNumIO2::SetButSpace(int Value) {
    if (Value == FButSpace) return;
    FButSpace = std::clamp(Value, 0, 50);
    Invalidate();
}

void TNumIO2::SetButVisible(bool Value) { StoreAndRepaint(FButVisible, Value); }

void TNumIO2::SetButWidth(int Value) {
    if (Value == FButWidth) return;
    FButWidth = std::clamp(Value, 8, 50);
    Invalidate();
}

void TNumIO2::SetColorBoxBG(TColor Value) { StoreAndRepaint(FColorBoxBG, Value); }
void TNumIO2::SetColorBoxText(TColor Value) { StoreAndRepaint(FColorBoxText, Value); }
void TNumIO2::SetColorOutBG(TColor Value) { StoreAndRepaint(FColorOutBG, Value); }
void TNumIO2::SetColorOutText(TColor Value) { StoreAndRepaint(FColorOutText, Value); }

void TNumIO2::SetColorScheme(TColorScheme Value) {
    FColorScheme = Value;
    ApplyColorScheme(Value, FColBlackLine, FColGrayLine, FColWhiteLine);
    Invalidate();
}

void TNumIO2::SetColorWarnBG(TColor Value) { StoreAndRepaint(FColorWarnBG, Value); }
void TNumIO2::SetColorWarnText(TColor Value) { StoreAndRepaint(FColorWarnText, Value); }

void TNumIO2::SetDecPlaceSep(TDecPSep Value) {
    if (Value == FDecPlaceSep) return;
    FInBuffer = NumIO2ConvertSeparator(FInBuffer, FDecPlaceSep, Value);
    FDecPlaceSep = Value;
    Invalidate();
}

void TNumIO2::SetEnabled(bool Value) {
    TCustomControl::SetEnabled(Value);
    Refresh();
}

void TNumIO2::SetFixPointDecPlaces(int Value) {
    if (Value <= 0) return;
    Value = std::min(Value, 15);
    if (Value == FFixPointDecPlaces) return;
    FFixPointDecPlaces = Value;
    SetValue(GetValue());
}

void TNumIO2::SetFrameStyle(TFrameStyle Value) { StoreAndRepaint(FFrameStyle, Value); }
void TNumIO2::SetGaugeColor(TColor Value) { StoreAndRepaint(FGaugeColor, Value); }
void TNumIO2::SetGaugeColorBg(TColor Value) { StoreAndRepaint(FGaugeColorBg, Value); }
void TNumIO2::SetGaugeColorFrame(TColor Value) { StoreAndRepaint(FGaugeColorFrame, Value); }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle Value) { StoreAndRepaint(FGaugeFrameStyle, Value); }

void TNumIO2::SetGaugeHeight(int Value) {
    if (Value == FGaugeHeight) return;
    if (Loading()) return void(FGaugeHeight = Value);
    FGaugeHeight = std::max(std::min(Value, GetHeight() - FGaugeTopMargin - MinHeight), 3);
    Invalidate();
}

void TNumIO2::SetGaugeLeftMargin(int Value) {
    if (Value == FGaugeLeftMargin) return;
    if (Loading()) return void(FGaugeLeftMargin = Value);
    FGaugeLeftMargin = std::max(std::min(Value, GetWidth() - FGaugeWidth), 0);
    Invalidate();
}

void TNumIO2::SetGaugeTopMargin(int Value) {
    if (Value == FGaugeTopMargin) return;
    if (Loading()) return void(FGaugeTopMargin = Value);
    FGaugeTopMargin = std::max(std::min(Value, GetHeight() - FGaugeHeight - MinHeight), 0);
    Invalidate();
}

void TNumIO2::SetGaugeVisible(bool Value) { StoreAndRepaint(FGaugeVisible, Value); }

void TNumIO2::SetGaugeWidth(int Value) {
    if (Value == FGaugeWidth) return;
    if (Loading()) return void(FGaugeWidth = Value);
    FGaugeWidth = std::min(std::max(Value, 10), GetWidth() - FGaugeLeftMargin);
    Invalidate();
}

void TNumIO2::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AHeight = std::max(AHeight, MinHeight);
    // While AutoSize is on the height follows the font, whoever sets the bounds.
    if (GetAutoSize()) {
        int w = AWidth;
        CanAutoSize(w, AHeight);
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FButHeight > GetHeight()) FButHeight = GetHeight();
}

void TNumIO2::SetHideSelection(bool Value) { StoreAndRepaint(FHideSelection, Value); }

void TNumIO2::SetInputFormat(TInFormat Value) {
    if (Value == FInputFormat) return;
    const double v = GetValue();
    FInputFormat = Value;
    SetValue(v);
}

void TNumIO2::SetLeftSpace(int Value) {
    if (Value < 0 || Value == FLeftSpace) return;
    if (Loading()) return void(FLeftSpace = Value);
    FLeftSpace = std::min(Value, GetWidth());
    Invalidate();
}

void TNumIO2::SetLeftText(const std::string& Value) { StoreIfDifferent(FLeftText, Value); }
void TNumIO2::SetRightText(const std::string& Value) { StoreIfDifferent(FRightText, Value); }
void TNumIO2::SetLeftTextAlignment(TAlignment Value) { StoreAndRepaint(FLeftTextAlignment, Value); }
void TNumIO2::SetRightTextAlignment(TAlignment Value) { StoreAndRepaint(FRightTextAlignment, Value); }

void TNumIO2::SetRangeLow(double Value) {
    FRangeLow = Value;
    if (FRangeLow > FRangeHigh) FRangeHigh = FRangeLow;
    Invalidate();
}

void TNumIO2::SetRangeHigh(double Value) {
    FRangeHigh = Value;
    if (FRangeHigh < FRangeLow) FRangeLow = FRangeHigh;
    Invalidate();
}

void TNumIO2::SetReadOnly(bool Value) {
    if (Value == FReadOnly) return;
    FReadOnly = Value;
    if (FReadOnly) {
        FCaretTimerH->Stop();
        FCaretVisib = false;
    } else {
        UpdateTimer();
    }
    Invalidate();
}

void TNumIO2::SetSignificantDigits(int Value) {
    if (Value <= 0) return;
    Value = std::min(Value, 15);
    if (Value == FSignificantDigits) return;
    FSignificantDigits = Value;
    SetValue(GetValue());
}

void TNumIO2::SetTextBuf(const std::string& Value) {
    if (!Value.empty() && !CheckValidity(Value)) return;
    FInBuffer = Value;
    FCommitted = FInBuffer;
    FCaretPos = FSelBegin = FSelEnd = 0;
    vcl::NotifyAccessible(this, vcl::aeValue);
    Invalidate();
}

void TNumIO2::SetTextBoxWidth(int Value) { StoreIfDifferent(FTextBoxWidth, Value); }

double TNumIO2::GetValue() const { return NumIO2ReadText(FInBuffer, FInputFormat); }

void TNumIO2::SetValue(double Value) {
    FInBuffer = NumIO2WriteText(Value, FInputFormat, FFixPointDecPlaces, FSignificantDigits, FDecPlaceSep);
    FCommitted = FInBuffer;
    const int length = Length(FInBuffer);
    FCaretPos = std::min(FCaretPos, length);
    FSelBegin = std::min(FSelBegin, length);
    FSelEnd = std::min(FSelEnd, length);
    vcl::NotifyAccessible(this, vcl::aeValue);
    Invalidate();
}

// =========================================================================================
// public members

int TNumIO2::GetIntegerValue() const {
    const double v = GetValue();
    // The unrounded value is checked: 2147483647.4 is beyond the range already.
    if (!(v >= -2147483648.0 && v <= 2147483647.0)) RaiseComponentError<EZynNumIO2Error>(this, msgIntegerOverflow);
    return int(Round(v));
}

void TNumIO2::SetSelBegin(int Value) {
    const int n = std::clamp(Value, 0, Length(FInBuffer));
    FSelBegin = FCaretPos = n;
    if (FSelEnd < n) FSelEnd = n;
    Invalidate();
}

void TNumIO2::SetSelEnd(int Value) {
    const int n = std::clamp(Value, 0, Length(FInBuffer));
    FSelEnd = FCaretPos = n;
    if (FSelBegin > n) FSelBegin = n;
    Invalidate();
}

bool TNumIO2::CheckValidity(std::string_view Instring) const {
    return NumIO2CheckText(Instring, FInputFormat, FDecPlaceSep, FFixPointDecPlaces);
}

bool TNumIO2::OutOfRange() const {
    const double v = GetValue();
    return v < FRangeLow || v > FRangeHigh;
}

void TNumIO2::SetFocus() {
    TCustomControl::SetFocus();
    if (!FReadOnly) UpdateTimer();
}

void TNumIO2::Changed() {
    vcl::NotifyAccessible(this, vcl::aeValue);
    if (FOnChange) FOnChange(this);
}

int TNumIO2::TextHeightOf(const char* Probe) {
    TCanvas* c = FPicture->GetCanvas();
    c->SetFont(GetFont());
    return c->TextHeight(Probe);
}

TNumIO2Geometry TNumIO2::Geometry() {
    return NumIO2Geometry(FLeftSpace, FTextBoxWidth, FButVisible, FButWidth, FButSpace, FGaugeVisible,
                          FGaugeHeight, FGaugeTopMargin, GetHeight(), TextHeightOf(TextHeightProbe));
}

int TNumIO2::CharPosToXCoords(int N) {
    const TNumIO2Geometry geo = Geometry();
    TCanvas* c = FPicture->GetCanvas();
    return NumIO2CharPosToX(geo, FAlignment, c->TextWidth(FInBuffer), c->TextWidth(Copy(FInBuffer, 1, N)));
}

int TNumIO2::XCoordsToCharPos(int X) {
    const TNumIO2Geometry geo = Geometry();
    TCanvas* c = FPicture->GetCanvas();
    // A character alone is measured once however often it occurs.
    std::array<int, 128> ascii;
    ascii.fill(-1);
    const std::vector<int> widths = NumIO2PrefixWidths(FInBuffer, [c, &ascii](std::string_view Piece) {
        if (Piece.size() == 1 && static_cast<unsigned char>(Piece[0]) < 0x80) {
            int& w = ascii[static_cast<unsigned char>(Piece[0])];
            if (w < 0) w = c->TextWidth(std::string(Piece));
            return w;
        }
        return c->TextWidth(std::string(Piece));
    });
    return NumIO2XToCharPos(geo, FAlignment, widths, X);
}

// =========================================================================================
// caret timer

void TNumIO2::UpdateTimer() {
    FCaretVisib = true;
    FCaretTimerH->Restart<EZynNumIO2Error>(CaretBlinkMs, true);
    Invalidate();
}

void TNumIO2::CaretTick() {
    if (Focused()) {
        FCaretVisib = !FCaretVisib;
    } else {
        // Without the focus the caret rests until the next focus or click.
        FCaretTimerH->Stop();
        FCaretVisib = false;
    }
    Invalidate();
}

void TNumIO2::Beeper() {
    if (FBeep) MessageBeep(65535);
}

void TNumIO2::ChangeScale(int M, int D) {
    TCustomControl::ChangeScale(M, D);
    SetButWidth(MulDiv(FButWidth, M, D));
    SetButHeight(MulDiv(FButHeight, M, D));
    SetButSpace(MulDiv(FButSpace, M, D));
    SetGaugeLeftMargin(MulDiv(FGaugeLeftMargin, M, D));
    SetGaugeTopMargin(MulDiv(FGaugeTopMargin, M, D));
    SetGaugeWidth(MulDiv(FGaugeWidth, M, D));
    SetGaugeHeight(MulDiv(FGaugeHeight, M, D));
    SetLeftSpace(MulDiv(FLeftSpace, M, D));
    SetTextBoxWidth(MulDiv(FTextBoxWidth, M, D));
}

}  // namespace zyn
