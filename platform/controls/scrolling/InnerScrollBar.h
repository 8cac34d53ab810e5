// A scroll bar that a control draws inside its own client area and works with the mouse:
// arrows and page areas send one scroll code per press, the thumb can be dragged.
//
// Grids, the tree view, the memo and drop-down lists own one per axis. The owner places
// it (SetBounds), tells it the range, page and position, paints it at the end of its
// Paint, and passes its mouse events on while HitTest says the pointer is on it. The bar
// answers with the Win32 scroll codes (SB_LINEUP ... SB_THUMBTRACK) through OnScroll, so
// an owner handles clicks on it exactly as it would handle WM_VSCROLL / WM_HSCROLL. The
// owner's OnScroll handler sets the bar's new position (SetParams) before it returns.
//
// Holding the button on an arrow or the track repeats the step: the first repeat after
// RepeatDelayMs, then every RepeatIntervalMs, while the pointer stays on the pressed part
// (a page step stops when the thumb reaches the pointer).
#pragma once

#include <functional>
#include <string>

#include "platform/controls/base/Metrics.h"
#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

class TInnerScrollBar : public TObject {
public:
    enum TPart : std::uint8_t { spNone, spLineUp, spLineDown, spPageUp, spPageDown, spThumb };
    // Code is one of the SB_* scroll codes; Pos the thumb position for SB_THUMBTRACK and
    // SB_THUMBPOSITION, in Min..Max.
    using TScrollEvent = std::function<void(TObject* Sender, int Code, int Pos)>;

    static constexpr int DefaultSize = 17;   // width of a vertical bar, height of a horizontal one (96 dpi)
    // The bar's width at PPI pixels per inch.
    static int SizeAt(int PPI) { return ScaleMetric(DefaultSize, PPI); }
    static constexpr int RepeatDelayMs = 400;
    static constexpr int RepeatIntervalMs = 50;

    explicit TInnerScrollBar(bool Vertical) : vertical_(Vertical) {}
    ~TInnerScrollBar() override;
    std::string ClassName() const override { return "TInnerScrollBar"; }

    bool IsVertical() const { return vertical_; }
    // The owner's pixels per inch: the arrows and bevels are drawn at it.
    void SetPixelsPerInch(int PPI) { ppi_ = PPI; }
    int GetPixelsPerInch() const { return ppi_; }
    // Where the bar lies in the owner's client coordinates (empty: not shown).
    void SetBounds(const TRect& R) { bounds_ = R; }
    const TRect& GetBounds() const { return bounds_; }
    bool GetVisible() const { return !bounds_.IsEmpty(); }
    // Range and position. Page > 0 makes the thumb proportional to Page / (Max - Min + Page),
    // Page 0 gives a square thumb. Position is clamped to Min..Max.
    void SetParams(int Min, int Max, int Page, int Position);
    int GetPosition() const { return position_; }
    int GetMin() const { return min_; }
    int GetMax() const { return max_; }
    bool GetEnabled() const { return max_ > min_; }

    TPart HitTest(TPoint P) const;
    // The rectangles of the parts (client coordinates).
    TRect ArrowRect(bool First) const;
    TRect ThumbRect() const;
    TRect TrackRect() const;

    // Mouse events of the owner. MouseDown answers whether the bar took the press; while
    // it tracks a press (IsTracking) the owner hands it every move and the release.
    bool MouseDown(TPoint P);
    void MouseMove(TPoint P);
    void MouseUp(TPoint P);
    bool IsTracking() const { return pressed_ != spNone; }
    TPart GetPressedPart() const { return pressed_; }
    // Stops tracking without sending anything more (capture lost).
    void CancelTracking();

    void Paint(TCanvas* Canvas) const;

    // The bar was used: the owner scrolls and sets the new position (SetParams).
    TScrollEvent GetOnScroll() const { return FOnScroll; }
    void SetOnScroll(TScrollEvent Value) { FOnScroll = std::move(Value); }

protected:
    TScrollEvent FOnScroll;

private:
    int TrackLength() const;
    int ThumbLength() const;
    int ThumbOffsetFor(int Position) const;
    int PositionForThumbOffset(int Offset) const;
    int Along(TPoint P) const { return vertical_ ? P.Y : P.X; }
    void Send(int Code, int Pos);
    void SendStep(TPart Part);
    void StartRepeat(int Ms);
    void StopRepeat();
    void RepeatTick();
    void PaintArrow(TCanvas* Canvas, const TRect& R, bool First) const;

    bool vertical_;
    int ppi_ = 96;
    TRect bounds_;
    int min_ = 0, max_ = 0, page_ = 0, position_ = 0;
    TPart pressed_ = spNone;
    int grabOffset_ = 0;       // pointer distance from the thumb's start while dragging
    int dragPosition_ = 0;     // position the dragged thumb stands for
    bool dragging_ = false;
    TPoint lastPoint_;         // pointer while a press is held
    HWND repeatWnd_ = nullptr; // receives the repeat timer's ticks (made on first press)
    bool repeating_ = false;   // past the first delay
};

// Draws a raised 3-D button face (scroll bar arrows, drop-down buttons): a light outer
// top-left edge, dark bottom-right edges and a clBtnFace face. Pressed draws it sunken.
// Each edge is one pixel at 96 dpi and ScaleLineWidth(1, PPI) pixels at PPI.
void DrawButtonFace(TCanvas* Canvas, const TRect& R, bool Pressed, int PPI = 96);
// A small solid triangle pointing down (or up, left, right) centred in R: 4 rows (7, 5, 3
// and 1 pixels wide) at 96 dpi, ScaleMetric(4, PPI) rows at PPI.
enum TArrowDirection : std::uint8_t { adUp, adDown, adLeft, adRight };
void DrawArrowGlyph(TCanvas* Canvas, const TRect& R, TArrowDirection Direction, TColor Color, int PPI = 96);

}  // namespace vcl
