// The seven-segment display: construction, the segment bitmaps, the property setters and
// Assign.
#include "sevenseg/Zyn_sevenseg.h"

#include <algorithm>

#include "framework/Zyn_conventions.h"
#include "platform/SysUtils.h"
#include "platform/Accessibility.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

namespace {

// The package bitmap Name, converted to 32 bits per pixel.
std::unique_ptr<TBitmap> LoadSegmentBitmap(const char* Name) {
    auto b = std::make_unique<TBitmap>();
    b->LoadFromResourceName(HInstance, Name);
    b->SetPixelFormat(pf32bit);
    return b;
}

// The distance between digits may be negative (the cells then overlap); beyond this
// either way the cells no longer fit any control.
constexpr int MaxInterDigDist = 255;

}  // namespace

TSevenSeg::TSevenSeg(TComponent* AOwner)
    : TGraphicControl(AOwner),
      FCaptionChars(Utf8ToCodePoints(FCaption)),
      FDigImg(std::make_unique<TBitmap>()),
      FSegHorz(LoadSegmentBitmap("SEGHORZ")),
      FSegVert(LoadSegmentBitmap("SEGVERT")),
      FSegDot(LoadSegmentBitmap("SEGDOT")),
      FSegPlus(LoadSegmentBitmap("SEGPLUS")),
      FSegColon(LoadSegmentBitmap("SEGCOLON")),
      FSegDeg(LoadSegmentBitmap("SEGDEG")),
      FImageCache(std::make_unique<TBitmap>()),
      FPicture(std::make_unique<TBitmap>()) {
    FDigImg->SetPixelFormat(pf32bit);
    FDigImg->SetSize(DigitImageWidth, DigitImageHeight);
    // The first size builds the cache (Resize).
    SetBounds(GetLeft(), GetTop(), 216, 76);
}

TSevenSeg::~TSevenSeg() = default;

void TSevenSeg::Loaded() {
    TGraphicControl::Loaded();
    FWidth = GetWidth();
    FHeight = GetHeight();
    CreateImageCache();
    Invalidate();
}

void TSevenSeg::Resize() {
    ProcessResize(this);
    TGraphicControl::Resize();
}

void TSevenSeg::ProcessResize(TObject* Sender) {
    (void)Sender;
    // A size read from a form file waits for Loaded, which builds the cache once.
    if (Loading()) return;
    if (GetWidth() == FWidth && GetHeight() == FHeight) return;
    FWidth = GetWidth();
    FHeight = GetHeight();
    CreateImageCache();
    // The resize has invalidated the control already: paint that now, once.
    Repaint();
}

void TSevenSeg::CacheChanged() {
    if (Loading()) return;
    CreateImageCache();
    Paint();
}

// ---- properties -------------------------------------------------------------------------

void TSevenSeg::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    FCaptionChars = Utf8ToCodePoints(FCaption);
    vcl::NotifyAccessible(this, vcl::aeText);
    vcl::NotifyAccessible(this, vcl::aeValue);
    Paint();
}

void TSevenSeg::SetColorBackGnd(TColor Value) {
    if (Value == FColorBackGnd) return;
    FColorBackGnd = Value;
    CacheChanged();
}

void TSevenSeg::SetColorText(TColor Value) {
    if (Value == FColorText) return;
    FColorText = Value;
    CacheChanged();
}

// The frame keeps its fixed colours; the scheme sets only the line colours.
void TSevenSeg::SetColorScheme(TColorScheme Value) {
    FColorScheme = Value;
    ApplyColorScheme(Value, FColBlackLine, FColGrayLine, FColWhiteLine);
    Invalidate();
}

void TSevenSeg::SetFrameStyle(TFrameStyle Value) {
    if (Value == FFrameStyle) return;
    FFrameStyle = Value;
    Invalidate();
}

void TSevenSeg::SetInterDigDist(int Value) {
    Value = std::clamp(Value, -MaxInterDigDist, MaxInterDigDist);
    if (Value == FInterDigDist) return;
    FInterDigDist = Value;
    CacheChanged();
}

// Compares before it limits: the margin leaves at least two rows for the digits (and is
// never negative).
void TSevenSeg::SetMargin(int Value) {
    if (Value == FMargin) return;
    FMargin = std::max(0, std::min(Value, GetHeight() / 2 - 1));
    CacheChanged();
}

void TSevenSeg::SetNumDigits(int Value) {
    if (Value == FNumDigits || Value < 1 || Value > 32) return;
    FNumDigits = Value;
    CacheChanged();
}

// ---- assignment -------------------------------------------------------------------------

void TSevenSeg::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TSevenSeg*>(Source);
    if (src == nullptr) {
        TGraphicControl::Assign(Source);
        return;
    }
    FColorBackGnd = src->FColorBackGnd;
    FColorText = src->FColorText;
    FNumDigits = src->FNumDigits;
    FCaption = src->FCaption;
    FCaptionChars = src->FCaptionChars;
    FFrameStyle = src->FFrameStyle;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    FMargin = src->FMargin;
    FInterDigDist = src->FInterDigDist;
    CreateImageCache();
    Invalidate();
}

void TSevenSeg::AssignTo(TPersistent* Dest) {
    if (auto* d = dynamic_cast<TSevenSeg*>(Dest)) {
        d->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

void TSevenSeg::ChangeScale(int M, int D) {
    TGraphicControl::ChangeScale(M, D);
    SetInterDigDist(MulDiv(FInterDigDist, M, D));
    SetMargin(MulDiv(FMargin, M, D));
}

}  // namespace zyn
