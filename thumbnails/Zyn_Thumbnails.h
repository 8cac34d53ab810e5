// TThumbnails: a grid of square slides numbered Min .. Max, scrolled vertically by a
// fractional position. The control keeps no pictures: every paint asks the application,
// slide by slide, how to show each slide and lets it fill one image buffer. It frames each
// slide, scales the picture into it keeping its proportions, can put a mark symbol on a
// slide, follows the mouse with a focus frame and keeps a set of selected slides.
//
// The slide geometry, the scroll position and the picture fitting live in
// ThumbnailsLayout.cpp (no canvas), the picture in ThumbnailsPaint.cpp, the model and the
// input in Zyn_Thumbnails.cpp.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/Zyn_dstruct.h"
#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

enum TSlideSelectMode : std::uint8_t { ssmDisabled, ssmSingle, ssmMultiple };

// What the application wants shown for one slide: an empty white box with the slide
// number, the picture it put into the image buffer, the slide square and frame only, or
// nothing but the optional mark.
enum TImageRequestProcessing : std::uint8_t { irpShowEmpty, irpShowSlide, irpShowFrameOnly, irpShowNothing };

using TImageRequestEvent =
    std::function<void(vcl::TObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess, int& MarkIt,
                       vcl::TBitmap* ImgBuffer)>;
using TImageClickEvent = std::function<void(vcl::TObject* Sender, int X, int Y, int ThumbID)>;
using TSlideRenderedEvent =
    std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas, int X, int Y, int ThumbID)>;

// ---- geometry (ThumbnailsLayout.cpp) ----------------------------------------------------

// The layout of the slides for one set of sizes and one scroll position. A slide's outer
// square runs from (x0, y0) to (x1, y1), both corners inclusive; a 10-pixel band at the
// top and bottom of the control and at its left edge stays background.
struct TSlideGrid {
    static constexpr int Border = 10;

    int SlideSize = 120;       // side of the picture area
    int SlideDistance = 2;     // gap between slides
    int SlideMargin = 7;       // between a slide's edge and its picture area
    int NumHoriz = 2;          // slides per row
    double FirstThumbIdx = 1.0;
    int Width = 0, Height = 0; // of the control
    int Min = 1, Max = 100;

    // Cell pitch: slide side plus gap.
    int Pitch() const { return SlideSize + SlideDistance + 2 * SlideMargin; }
    // Side of a slide's outer square minus one (x1 - x0).
    int Side() const { return SlideSize + 2 * SlideMargin; }
    // Number of the first slide of the top row shown, and the pixels of that row scrolled
    // out at the top.
    int TopSlide() const;
    int ScrollPixels() const;
    // Slides per row and rows a control of this size shows.
    int SlidesPerRow() const;
    int RowsShown() const;
    // Slide shown at column Col and row Row (both from 1), whether it exists or not (it may
    // lie past the int range).
    std::int64_t SlideAt(int Col, int Row) const;
    // The columns and rows (from 1, Last below First for none) whose squares reach into
    // Clip, within NumHoriz columns and RowsShown() rows.
    struct TSpan {
        int First, Last;
    };
    TSpan ColumnsIn(const vcl::TRect& Clip) const;
    TSpan RowsIn(const vcl::TRect& Clip) const;
    // Outer square of the slide at column Col and row Row: (x0, y0) - (x1, y1).
    vcl::TRect SlideSquare(int Col, int Row) const;
    // Top-left corner of slide SldNum's outer square (where it is or would be).
    vcl::TPoint SlidePos(int SldNum) const;
    // The slide under client point (X, Y); 0 in a gap, in the border or past Min .. Max.
    int SlideIndexAt(int X, int Y) const;

private:
    TSpan Span(std::int64_t From, std::int64_t To, std::int64_t Origin, int N) const;
};

// The stored scroll position for a requested one: X clamped to Min .. Max, then mapped so
// that moving X through the slides of one row scrolls smoothly through that row (the
// integer part is the first slide of the row holding X, the fraction the share of the row
// passed).
double ThumbScrollPosition(double X, int Min, int Max, int NumHoriz);

// Where a picture of W x H pixels goes inside the slide square (x0, y0) - (x1, y1): scaled
// to fit the SlideSize square at the slide's margin, keeping its proportions, centred
// across its shorter side. Right and bottom are exclusive.
vcl::TRect FitPicture(int W, int H, int SlideSize, int SlideMargin, const vcl::TRect& Square);

// ---- the control ------------------------------------------------------------------------
class TThumbnails : public vcl::TGraphicControl {
public:
    explicit TThumbnails(vcl::TComponent* AOwner);
    ~TThumbnails() override;
    std::string ClassName() const override { return "TThumbnails"; }

    // Copies the settings listed in the component's documentation from another
    // TThumbnails (not ColorMark, OnSlideRendered, the selection mode or the selection),
    // then repaints; other sources go to the inherited Assign.
    void Assign(vcl::TPersistent* Source) override;

    // ---- published properties
    TSlideSelectMode GetSlideSelectMode() const { return FSelectMode; }
    void SetSlideSelectMode(TSlideSelectMode Value);
    bool GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(bool Value);
    TColor GetColorBackGnd() const { return FColorBG; }
    void SetColorBackGnd(TColor Value);
    TColor GetColorCover() const { return FColorCover; }
    void SetColorCover(TColor Value);
    TColor GetColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor Value);
    TColor GetColorFocus() const { return FColorHilite; }
    void SetColorFocus(TColor Value);
    TColor GetColorMark() const { return FMarkColor; }
    void SetColorMark(TColor Value);
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    TFrameStyle GetOuterFrameStyle() const { return FOuterFrameStyle; }
    void SetOuterFrameStyle(TFrameStyle Value);
    TFrameStyle GetInnerFrameStyle() const { return FInnerFrameStyle; }
    void SetInnerFrameStyle(TFrameStyle Value);
    int GetFocusLinewidth() const { return FHiliteThickness; }
    void SetFocusLinewidth(int Value);           // clamped to 0..10; 0 stops focus tracking
    int GetFocusedSlide() const { return FLastHiLite; }
    int GetMin() const { return FMin; }
    void SetMin(int Value);
    int GetMax() const { return FMax; }
    void SetMax(int Value);                      // values below 1 become 1
    int GetSlideSize() const { return FThumbBaseSize; }
    void SetSlideSize(int Value);                // at least 50, at most the control's width
    int GetSlideDistance() const { return FSLideDist; }
    void SetSlideDistance(int Value);            // clamped to 0..100
    int GetSlideMargin() const { return FSlideMargin; }
    void SetSlideMargin(int Value);              // clamped to 0..100

    // ---- public properties
    double GetFirstThumbIdx() const { return FFirstThumbIx; }
    void SetFirstThumbIdx(double Value);
    int GetNumSlidesHoriz() const { return FNumSldX; }
    int GetNumSlidesVert() const { return FNumSldY; }
    // Selection flag of slide SldNum; writing works in every selection mode. Slides
    // outside Min .. Max read false and ignore writes.
    bool GetSlideSelected(int SldNum) const;
    void SetSlideSelected(int SldNum, bool Value);
    // The first selected slide, below Min when none is selected.
    int GetFirstSelectedSlide() const;
    int GetNumSlidesSelected() const;
    void ResetAllSelections();
    // The slide last clicked in single-selection mode (0 for a click beside the slides).
    int GetLastClickedSlide() const { return FLastClickedSlide; }

    // The slide under client point (XPos, YPos), 0 for none.
    int CalcSlideIndex(int XPos, int YPos) const;
    // Top-left corner of slide SldNum's outer square in client coordinates.
    void CalcSlidePos(int SldNum, int& XPos, int& YPos) const;

    // ---- events
    const TImageRequestEvent& GetOnImageRequest() const { return FOnImageRequest; }
    void SetOnImageRequest(TImageRequestEvent Value) { FOnImageRequest = std::move(Value); }
    const TImageClickEvent& GetOnImageClick() const { return FOnImageClick; }
    void SetOnImageClick(TImageClickEvent Value) { FOnImageClick = std::move(Value); }
    const TImageClickEvent& GetOnImageDblClick() const { return FOnImageDblClick; }
    void SetOnImageDblClick(TImageClickEvent Value) { FOnImageDblClick = std::move(Value); }
    const vcl::TNotifyEvent& GetOnFocusChange() const { return FOnFocusChange; }
    void SetOnFocusChange(vcl::TNotifyEvent Value) { FOnFocusChange = std::move(Value); }
    const vcl::TNotifyEvent& GetOnFirstImageRequest() const { return FOnFirstImageRequest; }
    void SetOnFirstImageRequest(vcl::TNotifyEvent Value) { FOnFirstImageRequest = std::move(Value); }
    const vcl::TNotifyEvent& GetOnLastImageRequest() const { return FOnLastImageRequest; }
    void SetOnLastImageRequest(vcl::TNotifyEvent Value) { FOnLastImageRequest = std::move(Value); }
    const TSlideRenderedEvent& GetOnSlideRendered() const { return FOnSlideRendered; }
    void SetOnSlideRendered(TSlideRenderedEvent Value) { FOnSlideRendered = std::move(Value); }

    void Paint() override;

protected:
    TImageRequestEvent FOnImageRequest;
    TImageClickEvent FOnImageClick;
    TImageClickEvent FOnImageDblClick;
    vcl::TNotifyEvent FOnFocusChange;
    vcl::TNotifyEvent FOnFirstImageRequest;
    vcl::TNotifyEvent FOnLastImageRequest;
    TSlideRenderedEvent FOnSlideRendered;

    void AssignTo(vcl::TPersistent* Dest) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void WMLButtonDblClk(vcl::TMessage& Message) override;

private:
    template <typename T>
    void StoreAndRepaint(T& Field, T Value);
    // The geometry of the current sizes and scroll position.
    TSlideGrid Grid() const;
    // Stores a new scroll position; true when it changed.
    bool StoreFirstThumbIdx(double Value);
    // Sizes the selection to Min .. Max after the range moved from OldMin, keeping the
    // flags of the slides that are still in the range.
    void ResizeSelection(int OldMin);
    // Max - Min + 1 flags, at most the int range holds; none when Max is below Min.
    int SelectionSize() const;
    bool InSelectionRange(int SldNum) const;
    TColor SlideColor(int SldNum) const;

    // painting (ThumbnailsPaint.cpp)
    std::vector<std::exception_ptr> Render(vcl::TCanvas* C);
    void PaintSlide(vcl::TCanvas* C, vcl::TBitmap* Buffer, const vcl::TRect& Square, int SldNum);
    void PaintEmptySlide(vcl::TCanvas* C, const vcl::TRect& Square, int SldNum);
    void PaintPicture(vcl::TCanvas* C, vcl::TBitmap* Buffer, const vcl::TRect& Square);
    void PaintErrorMark(vcl::TCanvas* C, const vcl::TRect& Square, int SldNum);
    void PaintBorderAndFrame(vcl::TCanvas* C);
    // The focus frame of slide SldNum in Color (nothing for a slide outside Min .. Max),
    // and the background bands that keep it out of the top and bottom border.
    void PaintFocusFrame(vcl::TCanvas* C, int SldNum, TColor Color);
    void PaintFocusBands(vcl::TCanvas* C);

    double FFirstThumbIx = 1.0;
    int FMin = 1;
    int FMax = 100;
    int FNumSldX = 2;
    int FNumSldY = 0;
    int FThumbBaseSize = 120;
    int FSLideDist = 2;
    int FSlideMargin = 7;
    TFrameStyle FFrameStyle = frSunken;
    TFrameStyle FOuterFrameStyle = frRaised;
    TFrameStyle FInnerFrameStyle = frSunken;
    TColor FColorBG = vcl::clBtnFace;
    TColor FColorCover = vcl::clSilver;
    TColor FColorSelected = vcl::clNavy;
    TColor FColorHilite = vcl::clBlue;
    TColor FMarkColor = vcl::clBlack;
    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;
    TColorScheme FColorScheme = schFixed;
    int FLastHiLite = 0;
    int FHiliteThickness = 1;
    std::set<int> FSelectedSlide;   // the numbers of the selected slides
    TSlideSelectMode FSelectMode = ssmSingle;
    int FLastClickedSlide = 0;
    bool FAntiAlias = false;
    bool FIsWorking = false;
};

}  // namespace zyn
