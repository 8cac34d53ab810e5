// The dot-matrix label's model: construction, the property setters with their height and
// centre adjustments, the font notification and scrolling on the label's own timer.
#include "rasterlab/Zyn_RasterLab.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

namespace zyn {

using namespace vcl;

namespace {

// Scroll offsets that no longer loop stop growing far outside any label, so that a
// label left scrolling for a long time never overflows its offsets.
constexpr std::int64_t OffsetLimit = std::numeric_limits<int>::max() / 2;

int SaturatedOffset(std::int64_t V) { return static_cast<int>(std::clamp(V, -OffsetLimit, OffsetLimit)); }

}  // namespace

// =========================================================================================
// construction

TRasterLab::TRasterLab(TComponent* AOwner) : TGraphicControl(AOwner), FBuffer(std::make_unique<TBitmap>()) {
    FScrTimerHandle = std::make_unique<TComponentTimer>(this, [this] { DoTimer(); });
    SetControlStyle(GetControlStyle() | csOpaque);
    // Each font change rebuilds the matrix through the control's font notification.
    GetFont()->SetName("default");
    GetFont()->SetSize(8);
    FCMat = CreateBitFont(GetFont());
    SetBounds(GetLeft(), GetTop(), 400, 68);
}

TRasterLab::~TRasterLab() {
    // The timer window goes first, so that no tick reaches a half-destroyed label.
    FScrTimerHandle.reset();
}

void TRasterLab::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TRasterLab*>(Source);
    if (src == nullptr) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyle = src->FFrameStyle;
    FText = src->FText;
    FColorLabBakG = src->FColorLabBakG;
    FColorDotOn = src->FColorDotOn;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    Invalidate();
}

void TRasterLab::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TRasterLab*>(Dest)) {
        d->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

// =========================================================================================
// properties

template <typename T>
void TRasterLab::StoreAndRepaint(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

int TRasterLab::FrameWidth() const {
    if (FFrameStyle == frNone) return 0;
    return FFrameStyle >= frSunkenDouble ? 2 : 1;
}

void TRasterLab::ReadjustAfterLayoutChange() {
    if (FAutoHeight) AdjustAutoHeight();
    if (FAutoCenter) AdjustAutoCenter();
}

void TRasterLab::SetAutoCenter(bool Value) {
    if (FAutoCenter == Value) return;
    FAutoCenter = Value;
    if (Value)
        AdjustAutoCenter();
    else
        SetPosX(1);
    Invalidate();
}

void TRasterLab::SetAutoHeight(bool Value) {
    if (FAutoHeight == Value) return;
    FAutoHeight = Value;
    if (Value) AdjustAutoHeight();
    Invalidate();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode Value) { StoreAndRepaint(FCharBlockMode, Value); }
void TRasterLab::SetColorDotOn(TColor Value) { StoreAndRepaint(FColorDotOn, Value); }
void TRasterLab::SetColorDotOff(TColor Value) { StoreAndRepaint(FColorDotOff, Value); }
void TRasterLab::SetColorLabBakG(TColor Value) { StoreAndRepaint(FColorLabBakG, Value); }
void TRasterLab::SetFrameStyle(TFrameStyle Value) { StoreAndRepaint(FFrameStyle, Value); }
void TRasterLab::SetPosX(int Value) { StoreAndRepaint(FPosX, Value); }
void TRasterLab::SetPosY(int Value) { StoreAndRepaint(FPosY, Value); }
void TRasterLab::SetProportional(bool Value) { StoreAndRepaint(FProportional, Value); }

void TRasterLab::SetColorScheme(TColorScheme Value) {
    if (FColorScheme == Value) return;
    FColorScheme = Value;
    ApplyColorScheme(Value, FColBlackLine, FColGrayLine, FColWhiteLine);
    Invalidate();
}

void TRasterLab::SetDotSize(int Value) {
    Value = std::clamp(Value, 1, 32);
    if (FDotSize == Value) return;
    FDotSize = Value;
    ReadjustAfterLayoutChange();
    Invalidate();
}

void TRasterLab::SetDotSpacing(int Value) {
    Value = std::clamp(Value, 0, 3);
    if (FDotSpacing == Value) return;
    FDotSpacing = Value;
    ReadjustAfterLayoutChange();
    Invalidate();
}

void TRasterLab::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    if (FAutoCenter) AdjustAutoCenter();
    vcl::NotifyAccessible(this, vcl::aeText);
    Invalidate();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& Value) {
    FCMat = Value;
    Invalidate();
}

void TRasterLab::SetScrollMode(TRDScrollMode Value) {
    if (FScrollMode == Value) return;
    FScrollMode = Value;
    if (!Designing()) {
        FScrTimerEnabled = Value != rdsmOff;
        UpdateTimer();
    }
    if (Value == rdsmOff) {
        FScrollPosX = 0;
        FScrollPosY = 0;
        Invalidate();
    }
}

void TRasterLab::SetScrollInterval(int Value) {
    Value = std::max(Value, 10);
    if (FScrollInterval == Value) return;
    FScrollInterval = Value;
    UpdateTimer();
}

void TRasterLab::SetScrollIncrement(int Value) {
    if (Value == 0) Value = 1;
    // The magnitude of the most negative integer does not fit; it becomes the largest one.
    if (Value < 0) Value = Value == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -Value;
    if (FScrollIncrement == Value) return;
    FScrollIncrement = Value;
    UpdateTimer();
}

// Stores and repaints without comparing.
void TRasterLab::SetScrollLoop(bool Value) {
    FScrollLoop = Value;
    Invalidate();
}

void TRasterLab::SetOnScrollTimer(TNotifyEvent Value) {
    FOnScrollTimer = std::move(Value);
    UpdateTimer();
}

// =========================================================================================
// height, centre and font

// The rows that can be drawn, not the number the matrix claims: a matrix written through
// CharMatrix may give any FontHeight, but a glyph has at most 32 rows.
void TRasterLab::AdjustAutoHeight() { SetHeight(FrameWidth() + Pitch() * RasterRows(FCMat)); }

void TRasterLab::AdjustAutoCenter() {
    SetPosX((GetWidth() - CalcTextBitLength(FText)) / 2 + FrameWidth() + 1);
}

void TRasterLab::FontChanged() {
    if (FScaleM == FScaleD) {
        FCMat = CreateBitFont(GetFont());
    } else {
        TFont unscaled;
        unscaled.Assign(GetFont());
        unscaled.SetHeight(MulDiv(GetFont()->GetHeight(), FScaleD, FScaleM));
        FCMat = CreateBitFont(&unscaled);
    }
    ReadjustAfterLayoutChange();
    Invalidate();
}

void TRasterLab::CMFontChanged(TMessage& Message) {
    TGraphicControl::CMFontChanged(Message);
    FontChanged();
}

// A centred text stays centred when the label changes its width.
void TRasterLab::Resize() {
    TGraphicControl::Resize();
    if (FAutoCenter) AdjustAutoCenter();
}

// =========================================================================================
// scrolling

void TRasterLab::UpdateTimer() {
    FScrTimerHandle->Restart<EZynRasterLabError>(FScrollInterval, FScrollMode != rdsmOff && FScrTimerEnabled);
}

void TRasterLab::DoTimer() {
    ScrollTimerEvent();
    if (FOnScrollTimer) FOnScrollTimer(this);
}

void TRasterLab::DoScrLoopRestart() {
    if (FOnScrollLoopRestart) FOnScrollLoopRestart(this);
}

void TRasterLab::ScrollStep(int& Offset, int Step, std::int64_t Limit, bool Beyond, std::int64_t Restart) {
    const std::int64_t next = std::int64_t(Offset) + Step;
    const bool past = Beyond ? next > Limit : next < Limit;
    if (past && FScrollLoop) {
        Offset = SaturatedOffset(Restart);
        DoScrLoopRestart();
        return;
    }
    Offset = SaturatedOffset(next);
}

// Right and down move the text by ScrollIncrement towards growing coordinates; once it
// has passed the far edge (the width or height), a looping scroll places it just before the
// near edge again. Left and up are their mirror images: once the text, standing at PosX or
// PosY plus the offset, has left past the near edge, it re-enters from beyond the far edge.
void TRasterLab::ScrollTimerEvent() {
    const int step = FScrollIncrement;
    // The text's length as the next paint will find it: a label that has not been painted
    // since its text changed (hidden, or not shown yet) still loops at the right places.
    FTextBitLength = static_cast<int>(std::min<std::int64_t>(
        RasterTextLength(FCMat, FText, Pitch(), FProportional) + 1, std::numeric_limits<int>::max()));
    const std::int64_t textHeight = std::int64_t(RasterRows(FCMat)) * Pitch();
    // Left and up restart once the whole text has left the label, wherever PosX and PosY
    // put it: its last column (the gap after the last character) or its last row of dots
    // is left of or above the label's first one. It then re-enters just beyond the far edge.
    const std::int64_t leftGone = 1 - std::int64_t(FTextBitLength) - FPosX;
    const std::int64_t upGone = 1 - textHeight - FPosY;
    switch (FScrollMode) {
        case rdsmOff:
            FScrTimerEnabled = false;
            FScrTimerHandle->Stop();
            FScrollPosX = 0;
            FScrollPosY = 0;
            break;
        case rdsmRight: ScrollStep(FScrollPosX, step, GetWidth(), true, -std::int64_t(FTextBitLength)); break;
        case rdsmLeft: ScrollStep(FScrollPosX, -step, leftGone, false, std::int64_t(GetWidth()) + 1 - FPosX); break;
        case rdsmDown: ScrollStep(FScrollPosY, step, GetHeight(), true, -textHeight); break;
        case rdsmUp: ScrollStep(FScrollPosY, -step, upGone, false, std::int64_t(GetHeight()) + 1 - FPosY); break;
    }
    Invalidate();
}

void TRasterLab::ChangeScale(int M, int D) {
    // Before the font scales: the font change that follows cuts the bit font at the old size.
    const int g = std::gcd(FScaleM * M, FScaleD * D);
    FScaleM = FScaleM * M / g;
    FScaleD = FScaleD * D / g;
    TGraphicControl::ChangeScale(M, D);
    FontChanged();
    // The dot pitch is rounded down, so that a display sized by its rows of dots never
    // grows past the factor (and into its neighbours); the pitch is then shared between dot
    // and gap as at the old size, within their limits.
    const int pitch = Pitch();
    const int scaled = std::max(1, int(std::int64_t(pitch) * M / D));
    int gap = FDotSpacing == 0 ? 0 : std::clamp(MulDiv(FDotSpacing, scaled, pitch), 1, 3);
    gap = std::min(gap, scaled - 1);
    const int dot = std::clamp(scaled - gap, 1, 32);
    SetDotSpacing(gap);
    SetDotSize(dot);
    SetPosX(MulDiv(FPosX, M, D));
    SetPosY(MulDiv(FPosY, M, D));
    SetScrollIncrement(std::max(1, MulDiv(FScrollIncrement, M, D)));
}

}  // namespace zyn
