// The progress bar's model: construction, the property setters, the colour table, the
// background image and the automatic increment timer.
#include "progbar/Zyn_ProgBar.h"

#include <algorithm>

#include "platform/SysUtils.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

TProgBar::TProgBar(TComponent* AOwner)
    : TGraphicControl(AOwner),
      FTimer(std::make_unique<TComponentTimer>(this, [this] { DoTimer(); })),
      FAuxBmp(std::make_unique<TBitmap>()),
      FPicture(std::make_unique<TBitmap>()),
      FTextFont(std::make_unique<TFont>()) {
    FBarColors[0] = clBlue;
    FBarColors[BarColorLast] = clRed;
    FillBarColors(FBarColors);
    FAuxBmp->SetSize(10, 10);
    SetBounds(GetLeft(), GetTop(), 300, 28);
}

TProgBar::~TProgBar() {
    FTimer.reset();   // no tick may reach a bar that is going
}

void TProgBar::Loaded() {
    TGraphicControl::Loaded();
    // The timer settings were only stored while the form was read; the timer starts once,
    // in its start phase, with the intervals read.
    if (FAutoInc && !Designing()) InitTimer();
    Invalidate();
}

template <typename T>
void TProgBar::StoreAndPaint(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Paint();
}

// ---- automatic increment ----------------------------------------------------------------

void TProgBar::InitTimer() {
    FIsStart = true;
    FTimer->Restart<EZynProgBar>(FStartInterval, FAutoInc);
}

void TProgBar::UpdateTimer() {
    FIsStart = false;
    FTimer->Restart<EZynProgBar>(FRepeatInterval, FAutoInc);
}

void TProgBar::DoTimer() {
    if (FIsStart) UpdateTimer();
    FValue += FAutoIncStep;   // no limit at Max: the text keeps counting
    vcl::NotifyAccessible(this, vcl::aeValue);
    Paint();
    AutoIncEvent();
}

void TProgBar::AutoIncEvent() {
    if (FOnAutoInc) FOnAutoInc(this);
}

void TProgBar::SetAutoInc(bool Value) {
    if (Value == FAutoInc) return;
    FAutoInc = Value;
    if (Designing() || Loading()) return;
    if (Value)
        InitTimer();
    else
        FTimer->Stop();
}

void TProgBar::SetAutoIncStep(double Value) {
    if (Value == 0 || Value == FAutoIncStep) return;
    FAutoIncStep = Value;
}

void TProgBar::SetRepeatInterval(int Value) {
    Value = std::max(Value, 10);
    if (Value == FRepeatInterval) return;
    FRepeatInterval = Value;
    if (!Designing() && !Loading()) UpdateTimer();
}

void TProgBar::SetStartInterval(int Value) {
    Value = std::max(Value, 10);
    if (Value == FStartInterval) return;
    FStartInterval = Value;
    if (!Designing() && !Loading()) InitTimer();
}

void TProgBar::SetOnAutoInc(TNotifyEvent Value) {
    FOnAutoInc = std::move(Value);
    if (!Designing() && !Loading()) UpdateTimer();
}

// ---- look -------------------------------------------------------------------------------

void TProgBar::SetBackGroundImg(const std::string& Value) {
    if (Value.empty()) {
        FBackGroundImg.clear();
    } else {
        // Read into a bitmap of its own, so a file that cannot be read leaves the image
        // that belongs to the stored name.
        try {
            TBitmap image;
            image.LoadFromFile(Value);
            FAuxBmp->Assign(&image);
            FBackGroundImg = Value;
        } catch (const Exception&) {
        }
    }
    Paint();
}

void TProgBar::SetColorBackGnd(TColor Value) { StoreAndPaint(FColorBackGnd, Value); }
void TProgBar::SetColorGrid(TColor Value) { StoreAndPaint(FColorGrid, Value); }
void TProgBar::SetColorMapMode(TColorMapping Value) { StoreAndPaint(FColorMapMode, Value); }
void TProgBar::SetColorMargin(TColor Value) { StoreAndPaint(FColorMargin, Value); }

void TProgBar::ColorsChanged() {
    FillBarColors(FBarColors);
    Paint();
}

void TProgBar::SetColorMax(TColor Value) {
    FBarColors[BarColorLast] = Value;
    ColorsChanged();
}

void TProgBar::SetColorMin(TColor Value) {
    FBarColors[0] = Value;
    ColorsChanged();
}

void TProgBar::SetColorScheme(TColorScheme Value) {
    FColorScheme = Value;
    ApplyColorScheme(Value, FColBlackLine, FColGrayLine, FColWhiteLine);
    Paint();
}

void TProgBar::SetDirection(TDirection Value) { StoreAndPaint(FDirection, Value); }
void TProgBar::SetFrameStyleInner(TFrameStyle Value) { StoreAndPaint(FFrameStyleInner, Value); }
void TProgBar::SetFrameStyleOuter(TFrameStyle Value) { StoreAndPaint(FFrameStyleOuter, Value); }
void TProgBar::SetGridDist(int Value) { StoreAndPaint(FGridDist, Value); }
void TProgBar::SetMarginLeft(int Value) { StoreAndPaint(FMarginLeft, Value); }
void TProgBar::SetMarginRight(int Value) { StoreAndPaint(FMarginRight, Value); }
void TProgBar::SetMarginTop(int Value) { StoreAndPaint(FMarginTop, Value); }
void TProgBar::SetMarginBottom(int Value) { StoreAndPaint(FMarginBottom, Value); }
void TProgBar::SetMax(double Value) { StoreAndPaint(FMax, Value); }
void TProgBar::SetMin(double Value) { StoreAndPaint(FMin, Value); }
void TProgBar::SetShowColorGradient(bool Value) { StoreAndPaint(FShowColorGradient, Value); }
void TProgBar::SetTextAlignment(TAlignment Value) { StoreAndPaint(FTextAlignment, Value); }
void TProgBar::SetValue(double Value) {
    if (FValue == Value) return;
    FValue = Value;
    vcl::NotifyAccessible(this, vcl::aeValue);
    Paint();
}

void TProgBar::SetTextAngle(int Value) {
    FTextAngle = std::clamp(Value, 0, 360);
    Paint();
}

void TProgBar::SetTextDecPlaces(int Value) {
    FTextDecPlaces = std::clamp(Value, -2, 10);
    Paint();
}

void TProgBar::SetTextPosX(int Value) {
    FTextPosX = std::clamp(Value, 0, GetWidth());
    Paint();
}

void TProgBar::SetTextPosY(int Value) {
    FTextPosY = std::clamp(Value, 0, GetHeight());
    Paint();
}

void TProgBar::SetTextVisible(bool Value) {
    FTextVisible = Value;
    Paint();
}

TColor TProgBar::GetBarColorElem(int Index) const {
    if (Index < 0 || Index > BarColorLast) return clBlack;
    return FBarColors[std::size_t(Index)];
}

// Many entries are often written in a row, so the bar repaints once they are all in.
void TProgBar::SetBarColorElem(int Index, TColor Value) {
    if (Index < 0 || Index > BarColorLast) return;
    FBarColors[std::size_t(Index)] = Value;
    Invalidate();
}

void TProgBar::SetRange(double AMin, double AMax) {
    FMin = std::min(AMin, AMax);
    FMax = std::max(AMin, AMax);
    Paint();
}

// ---- assignment -------------------------------------------------------------------------

void TProgBar::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TProgBar*>(Source);
    if (src == nullptr) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyleInner = src->FFrameStyleInner;
    FFrameStyleOuter = src->FFrameStyleOuter;
    FValue = src->FValue;
    FColorMargin = src->FColorMargin;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    FMax = src->FMax;
    FMin = src->FMin;
    FDirection = src->FDirection;
    FBarColors = src->FBarColors;
    FAuxBmp->Assign(src->FAuxBmp.get());
    FColorBackGnd = src->FColorBackGnd;
    FShowColorGradient = src->FShowColorGradient;
    FColorGrid = src->FColorGrid;
    FGridDist = src->FGridDist;
    FColorMapMode = src->FColorMapMode;
    FMarginLeft = src->FMarginLeft;
    FMarginRight = src->FMarginRight;
    FMarginTop = src->FMarginTop;
    FMarginBottom = src->FMarginBottom;
    FBackGroundImg = src->FBackGroundImg;
    FTextPosX = src->FTextPosX;
    FTextPosY = src->FTextPosY;
    FTextDecPlaces = src->FTextDecPlaces;
    FTextAngle = src->FTextAngle;
    FTextAlignment = src->FTextAlignment;
    FOnShowValue = src->FOnShowValue;
    FTextVisible = src->FTextVisible;
    Paint();
}

void TProgBar::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TProgBar*>(Dest)) {
        d->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

void TProgBar::ChangeScale(int M, int D) {
    TGraphicControl::ChangeScale(M, D);
    SetMarginLeft(MulDiv(FMarginLeft, M, D));
    SetMarginRight(MulDiv(FMarginRight, M, D));
    SetMarginTop(MulDiv(FMarginTop, M, D));
    SetMarginBottom(MulDiv(FMarginBottom, M, D));
    SetGridDist(MulDiv(FGridDist, M, D));
    SetTextPosX(MulDiv(FTextPosX, M, D));
    SetTextPosY(MulDiv(FTextPosY, M, D));
}

}  // namespace zyn
