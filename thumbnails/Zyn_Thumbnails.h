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

/// The layout of the slides for one set of sizes and one scroll position. A slide's outer
/// square runs from (x0, y0) to (x1, y1), both corners inclusive; a 10-pixel band at the
/// top and bottom of the control and at its left edge stays background.
struct TSlideGrid {
    /// Width in pixels of the background band at the top, bottom and left edge.
    static constexpr int Border = 10;

    /// Side in pixels of a slide's picture area (SlideSize).
    int SlideSize = 120;       // side of the picture area
    /// Gap in pixels between slides (SlideDistance).
    int SlideDistance = 2;     // gap between slides
    /// Margin in pixels between a slide's edge and its picture (SlideMargin).
    int SlideMargin = 7;       // between a slide's edge and its picture area
    /// Slides per row.
    int NumHoriz = 2;          // slides per row
    /// Scroll position (FirstThumbIdx).
    double FirstThumbIdx = 1.0;
    ///@{
    /// Size of the control in pixels.
    int Width = 0, Height = 0; // of the control
    ///@}
    ///@{
    /// Numbers of the first and the last slide.
    int Min = 1, Max = 100;
    ///@}

    /// Cell pitch: slide side plus both margins plus the gap between slides.
    int Pitch() const { return SlideSize + SlideDistance + 2 * SlideMargin; }
    /// Side of a slide's outer square minus one (x1 - x0).
    int Side() const { return SlideSize + 2 * SlideMargin; }
    /// Number of the first slide of the top row shown, and the pixels of that row scrolled
    /// out at the top.
    int TopSlide() const;
    /// The pixels of the top row scrolled out at the top.
    int ScrollPixels() const;
    /// Slides per row and rows a control of this size shows.
    int SlidesPerRow() const;
    /// The number of rows a control of this height shows.
    int RowsShown() const;
    /// Slide shown at column Col and row Row (both from 1), whether it exists or not (it may
    /// lie past the int range).
    std::int64_t SlideAt(int Col, int Row) const;
    /// The columns and rows (from 1, Last below First for none) whose squares reach into
    /// Clip, within NumHoriz columns and RowsShown() rows.
    struct TSpan {
        /// The first column or row of the span.
        int First;
        /// The last column or row of the span.
        int Last;
    };
    /// The columns whose squares reach into Clip.
    TSpan ColumnsIn(const vcl::TRect& Clip) const;
    /// The rows whose squares reach into Clip.
    TSpan RowsIn(const vcl::TRect& Clip) const;
    /// Outer square of the slide at column Col and row Row: (x0, y0) - (x1, y1).
    vcl::TRect SlideSquare(int Col, int Row) const;
    /// Top-left corner of slide SldNum's outer square (where it is or would be).
    vcl::TPoint SlidePos(int SldNum) const;
    /// The slide under client point (X, Y); 0 in a gap, in the border or past Min .. Max.
    int SlideIndexAt(int X, int Y) const;
    /// Rows that fit whole between the top and bottom bands (at least 1): one page.
    int PageRows() const;
    /// Whether slide SldNum lies outside the view, and then in Request the value to give
    /// FirstThumbIdx (its setter maps a request to the stored position) that brings the
    /// slide whole between the bands with the least scrolling: a slide above the view
    /// becomes the top row at its row start, one below it ends just above the bottom band;
    /// a slide taller than the view shows its top.
    bool ScrollToShow(int SldNum, double& Request) const;

private:
    TSpan Span(std::int64_t From, std::int64_t To, std::int64_t Origin, int N) const;
};

// The stored scroll position for a requested one: X clamped to Min .. Max, then mapped so
// that moving X through the slides of one row scrolls smoothly through that row (the
// integer part is the first slide of the row holding X, the fraction the share of the row
// passed).
double ThumbScrollPosition(double X, int Min, int Max, int NumHoriz);

/// The steps the keyboard takes through the slides.
enum TSlideMove : std::uint8_t { smLeft, smRight, smUp, smDown, smPageUp, smPageDown, smFirst, smLast };

// The slide the keyboard reaches from Slide by Move among Min .. Max, with PerRow slides
// per row (rows start at slides 1, 1 + PerRow, ...) and PageRows rows to a page: Left and
// Right step by one slide, Up and Down by one row (Down onto a shorter last row with no
// slide below goes to Max), PageUp and PageDown by PageRows rows, clamped to Min and Max,
// First and Last go to Min and Max. A step past Min or Max by one slide or one row stays at
// Slide; a Slide outside Min .. Max is first brought into it. Min above Max (no slides)
// gives 0.
int SlideAfterMove(int Slide, TSlideMove Move, int Min, int Max, int PerRow, int PageRows);

// Where a picture of W x H pixels goes inside the slide square (x0, y0) - (x1, y1): scaled
// to fit the SlideSize square at the slide's margin, keeping its proportions, centred
// across its shorter side. Right and bottom are exclusive.
vcl::TRect FitPicture(int W, int H, int SlideSize, int SlideMargin, const vcl::TRect& Square);

// ---- the control ------------------------------------------------------------------------
/// TThumbnails: a grid of square slides numbered Min .. Max, scrolled vertically by a
/// fractional position. The control keeps no pictures: every paint asks the application,
/// slide by slide, how to show each slide and lets it fill one image buffer. It frames each
/// slide, scales the picture into it keeping its proportions, can put a mark symbol on a
/// slide, follows the mouse with a focus frame and keeps a set of selected slides.
class TThumbnails : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TThumbnails(vcl::TComponent* AOwner);
    ~TThumbnails() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TThumbnails"; }

    /// Copies the settings listed in the component's documentation from another
    /// TThumbnails (not ColorMark, OnSlideRendered, the selection mode or the selection),
    /// then repaints; other sources go to the inherited Assign.
    void Assign(vcl::TPersistent* Source) override;

    // ---- published properties
    /// How clicks select slides: ssmDisabled (never), ssmSingle (default: a click selects the
    /// slide hit and deselects the others), ssmMultiple (the application sets SlideSelected).
    TSlideSelectMode GetSlideSelectMode() const { return FSelectMode; }
    /// Sets the selection mode; a change clears the selection and repaints.
    void SetSlideSelectMode(TSlideSelectMode Value);
    /// Whether pictures are scaled smoothly into their slides; default false.
    bool GetAntiAlias() const { return FAntiAlias; }
    /// Switches smooth scaling; repaints.
    void SetAntiAlias(bool Value);
    /// Background colour of the control; default clBtnFace.
    TColor GetColorBackGnd() const { return FColorBG; }
    /// Sets the background colour; repaints when it differs.
    void SetColorBackGnd(TColor Value);
    /// Colour of an unselected slide's square; default 0xC0C0C0.
    TColor GetColorCover() const { return FColorCover; }
    /// Sets the slide colour; repaints when it differs.
    void SetColorCover(TColor Value);
    /// Colour of a selected slide's square; default 0x800000.
    TColor GetColorSelected() const { return FColorSelected; }
    /// Sets the selected slide colour; repaints when it differs.
    void SetColorSelected(TColor Value);
    /// Colour of the focus frame round the slide under the mouse pointer; default 0xFF0000.
    TColor GetColorFocus() const { return FColorHilite; }
    /// Sets the focus frame colour; repaints when it differs.
    void SetColorFocus(TColor Value);
    /// Colour of the mark symbol OnImageRequest can put on a slide; default black.
    TColor GetColorMark() const { return FMarkColor; }
    /// Sets the mark colour; repaints when it differs.
    void SetColorMark(TColor Value);
    /// Line colours of the colour scheme: ordinal 0 (default) fixed gray and white, any other the
    /// system's shadow and highlight colours.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme; repaints.
    void SetColorScheme(TColorScheme Value);
    /// Frame round the whole control, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the control's frame; repaints when it differs.
    void SetFrameStyle(TFrameStyle Value);
    /// Frame round each slide's square; default 3.
    TFrameStyle GetOuterFrameStyle() const { return FOuterFrameStyle; }
    /// Sets the slides' frame; repaints when it differs.
    void SetOuterFrameStyle(TFrameStyle Value);
    /// Frame round each picture inside its slide; default 2.
    TFrameStyle GetInnerFrameStyle() const { return FInnerFrameStyle; }
    /// Sets the pictures' frame; repaints when it differs.
    void SetInnerFrameStyle(TFrameStyle Value);
    /// Width in pixels of the focus frame, 0..10; default 1 (0: no focus frame, no OnFocusChange).
    int GetFocusLinewidth() const { return FHiliteThickness; }
    /// Sets the focus frame width; repaints when it changes.
    void SetFocusLinewidth(int Value);           // clamped to 0..10; 0 stops focus tracking
    /// The slide that carries the focus frame (the one last under the mouse pointer); 0 for none.
    int GetFocusedSlide() const { return FLastHiLite; }
    /// Number of the first slide; default 1.
    int GetMin() const { return FMin; }
    /// Sets the first slide number; a change resizes the selection to Max - Min + 1 slides and
    /// repaints.
    void SetMin(int Value);
    /// Number of the last slide; default 100.
    int GetMax() const { return FMax; }
    /// Sets the last slide number (at least 1); a change resizes the selection and repaints.
    void SetMax(int Value);                      // values below 1 become 1
    /// Side in pixels of a slide's square picture area; default 120.
    int GetSlideSize() const { return FThumbBaseSize; }
    /// Sets the picture area, at least 50 and at most the control's width; repaints when it
    /// changes.
    void SetSlideSize(int Value);                // at least 50, at most the control's width
    /// Gap in pixels between neighbouring slides; default 2.
    int GetSlideDistance() const { return FSLideDist; }
    /// Sets the gap, clamped to 0..100; repaints when it changes.
    void SetSlideDistance(int Value);            // clamped to 0..100
    /// Margin in pixels between a slide's edge and its picture; default 7.
    int GetSlideMargin() const { return FSlideMargin; }
    /// Sets the slide margin, clamped to 0..100; repaints when it changes.
    void SetSlideMargin(int Value);              // clamped to 0..100

    // ---- public properties
    /// Scroll position: the integer part is the first slide of the top row shown, the fraction
    /// how much of that row is scrolled out at the top; default 1.0.
    double GetFirstThumbIdx() const { return FFirstThumbIx; }
    /// Scrolls to slide Value (clamped to Min..Max): moving through the slides of one row scrolls
    /// smoothly through that row. Repaints when the position changes.
    void SetFirstThumbIdx(double Value);
    /// Slides per row, as computed by the last paint.
    int GetNumSlidesHoriz() const { return FNumSldX; }
    /// Rows of slides painted, as computed by the last paint.
    int GetNumSlidesVert() const { return FNumSldY; }
    /// Selection flag of slide SldNum; writing works in every selection mode. Slides
    /// outside Min .. Max read false and ignore writes.
    bool GetSlideSelected(int SldNum) const;
    /// Selects or deselects slide SldNum (in every selection mode) and repaints.
    void SetSlideSelected(int SldNum, bool Value);
    /// The first selected slide, below Min when none is selected.
    int GetFirstSelectedSlide() const;
    /// Number of selected slides.
    int GetNumSlidesSelected() const;
    /// Deselects every slide and repaints.
    void ResetAllSelections();
    /// The slide last clicked in single-selection mode (0 for a click beside the slides).
    int GetLastClickedSlide() const { return FLastClickedSlide; }
    /// The slide the keyboard is on, which the focus cue frames while the control has the
    /// keyboard and Enter double-clicks: the slide last reached by the keys or clicked,
    /// while it is in Min .. Max; otherwise the first selected slide, else the first slide
    /// of the top row shown (brought into Min .. Max); 0 when there are no slides.
    int GetCurrentSlide() const;

    /// The slide under client point (XPos, YPos), 0 for none.
    int CalcSlideIndex(int XPos, int YPos) const;
    /// Top-left corner of slide SldNum's outer square in client coordinates.
    void CalcSlidePos(int SldNum, int& XPos, int& YPos) const;

    // ---- events
    /// Called during each paint for every slide in view, with its number, how to show it
    /// (irpShowEmpty to start with), the mark to draw on it (-1: none) and the image buffer the
    /// handler loads the slide's picture into (one buffer serves every slide of a paint).
    /// Empty: every slide shows as an empty numbered box.
    const TImageRequestEvent& GetOnImageRequest() const { return FOnImageRequest; }
    /// Installs the handler that supplies the slides' pictures; an empty function removes it.
    void SetOnImageRequest(TImageRequestEvent Value) { FOnImageRequest = std::move(Value); }
    /// Called when the left button is released over the control, with the pointer position and
    /// the slide under it (0 for none), after the selection rule of SelectMode. Empty: none.
    const TImageClickEvent& GetOnImageClick() const { return FOnImageClick; }
    /// Installs the handler called on a click; an empty function removes it.
    void SetOnImageClick(TImageClickEvent Value) { FOnImageClick = std::move(Value); }
    /// Called on a double click with the pointer position and the slide under it (0 for none),
    /// and on Enter with the current slide. Empty: none.
    const TImageClickEvent& GetOnImageDblClick() const { return FOnImageDblClick; }
    /// Installs the handler called on a double click or Enter; an empty function removes it.
    void SetOnImageDblClick(TImageClickEvent Value) { FOnImageDblClick = std::move(Value); }
    /// Called when the pointer moves onto another slide (or off the slides) and the focus frame
    /// moves with it; only while FocusLinewidth is above 0. Empty: none.
    const vcl::TNotifyEvent& GetOnFocusChange() const { return FOnFocusChange; }
    /// Installs the handler called when the focus frame moves; an empty function removes it.
    void SetOnFocusChange(vcl::TNotifyEvent Value) { FOnFocusChange = std::move(Value); }
    /// Called at the start of each paint, before the first OnImageRequest (to open what the
    /// pictures come from). Empty: none.
    const vcl::TNotifyEvent& GetOnFirstImageRequest() const { return FOnFirstImageRequest; }
    /// Installs the handler called before a paint's first image request (an empty one removes it).
    void SetOnFirstImageRequest(vcl::TNotifyEvent Value) { FOnFirstImageRequest = std::move(Value); }
    /// Called in each paint after the last slide was drawn, before the picture is copied to the
    /// screen. Empty: none.
    const vcl::TNotifyEvent& GetOnLastImageRequest() const { return FOnLastImageRequest; }
    /// Installs the handler called after a paint's last slide; an empty function removes it.
    void SetOnLastImageRequest(vcl::TNotifyEvent Value) { FOnLastImageRequest = std::move(Value); }
    /// Called after each slide is drawn, with the off-screen canvas, the top-left corner of the
    /// slide's square and its number, so the handler can draw over the slide. Empty: none.
    const TSlideRenderedEvent& GetOnSlideRendered() const { return FOnSlideRendered; }
    /// Installs the handler that draws over each slide; an empty function removes it.
    void SetOnSlideRendered(TSlideRenderedEvent Value) { FOnSlideRendered = std::move(Value); }

    /// Draws every slide in view off screen through OnFirstImageRequest, OnImageRequest,
    /// OnSlideRendered and OnLastImageRequest, then shows the picture. Exceptions from the handlers
    /// come out once the picture is shown.
    void Paint() override;
    /// Takes Enter from the form while the control has the keyboard.
    void WndProc(vcl::TMessage& Message) override;

protected:
    /// ScaleBy at M/D: the slide size, distance and margin and the focus line scale with the control.
    void ChangeScale(int M, int D) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// The handler that supplies the slides' pictures; empty: none.
    TImageRequestEvent FOnImageRequest;
    /// The handler called on a click; empty: none.
    TImageClickEvent FOnImageClick;
    /// The handler called on a double click or Enter; empty: none.
    TImageClickEvent FOnImageDblClick;
    /// The handler called when the focus frame moves; empty: none.
    vcl::TNotifyEvent FOnFocusChange;
    /// The handler called before a paint's first image request; empty: none.
    vcl::TNotifyEvent FOnFirstImageRequest;
    /// The handler called after a paint's last slide; empty: none.
    vcl::TNotifyEvent FOnLastImageRequest;
    /// The handler that draws over each slide; empty: none.
    TSlideRenderedEvent FOnSlideRendered;

    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Moves the focus frame to the slide under the pointer (drawn at once, without a repaint)
    /// and fires OnFocusChange; only while FocusLinewidth is above 0.
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// A left release over a slide makes it current (in single-selection mode the only selected
    /// one), then OnImageClick.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// A double click: OnImageDblClick with the slide under the pointer (0 for none).
    void WMLButtonDblClk(vcl::TMessage& Message) override;
    /// The keys of the grid (after OnKeyDown, which may take them first).
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// The arrow keys belong to the grid while it has the keyboard.
    vcl::LRESULT DialogCode() const override { return vcl::DLGC_WANTARROWS; }

private:
    friend class TThumbnailsAccessible;
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

    // keyboard
    // The key's action: true when the control used it.
    bool KeyAction(vcl::WORD Key, vcl::TShiftState Shift);
    // Moves the current slide (in single-selection mode the selection with it) and
    // scrolls it into view.
    void MoveCurrentSlide(TSlideMove Move);
    // Enter: a double click on the current slide.
    void DblClickCurrentSlide();
    // Makes SldNum the current slide, selects it alone in single-selection mode and
    // scrolls it into view; repaints when anything changed.
    void GoToSlide(int SldNum);

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
    // The focus cue on the current slide's square, kept out of the top and bottom bands
    // (drawn only while the control has the keyboard).
    void PaintFocusCue(vcl::TCanvas* C);

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
    int FCurrentSlide = 0;   // last reached by the keys or clicked; 0 for none
    bool FAntiAlias = false;
    bool FIsWorking = false;
};

}  // namespace zyn
