// TGradFill: a decorative area filled with a stepped colour gradient between two colours,
// in horizontal or vertical bands that either run from one edge to the other or rise to a
// middle band and fall again, with an optional grid and frame.
//
// The band geometry and colours live in GradFillBands.cpp (no canvas), the picture in
// GradFillPaint.cpp.
#pragma once

#include <cstdint>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

// Horizontal bands stacked top to bottom, vertical bands left to right, and the two
// mid-band layouts whose middle band carries the last colour.
enum TGradType : std::uint8_t { gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert };

// Which grid lines are drawn over the gradient.
enum TGridMode : std::uint8_t { gmNone, gmHoriz, gmVert, gmBoth };

// ---- bands ------------------------------------------------------------------------------

// Whether the bands of a layout are stacked top to bottom (else left to right).
constexpr bool GradBandsHorizontal(TGradType Type) { return Type == gtHoriz || Type == gtMidBandHoriz; }

// The start of band Band (0..NrColors) along an extent of Extent pixels cut into NrColors
// bands: MulDiv(Band, Extent, NrColors). Band NrColors gives the far edge, so band k covers
// [GradBandEdge(k), GradBandEdge(k + 1)) and neighbouring bands never leave a gap.
int GradBandEdge(int Band, int Extent, int NrColors);

// The rectangle of band Band in a Width x Height area.
vcl::TRect GradBandRect(TGradType Type, int Band, int NrColors, int Width, int Height);

// The colour of band Band, stepped per channel from First towards Last (system colours are
// resolved first). Edge-to-edge layouts stop one step short of Last; mid-band layouts put
// Last on band NrColors div 2 and fall back to First at both edges; a mid-band layout with a
// single band shows First.
TColor GradBandColor(TGradType Type, int Band, int NrColors, TColor First, TColor Last);

// ---- the control ------------------------------------------------------------------------
/// TGradFill: a decorative area filled with a stepped colour gradient between two colours,
/// in horizontal or vertical bands that either run from one edge to the other or rise to a
/// middle band and fall again, with an optional grid and frame.
class TGradFill : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TGradFill(vcl::TComponent* AOwner);
    ~TGradFill() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TGradFill"; }

    // ---- properties
    /// The colours in use at the first and the last end. Setting one while the gradient is
    /// flipped changes the colour in use at that end and is remembered as the other base
    /// colour, so unflipping moves it to the other end.
    TColor GetColorFirst() const { return FColorFirst; }
    /// Sets the colour at the first end (default 0x000080, maroon); repaints.
    void SetColorFirst(TColor Value);
    /// Colour at the last end of the gradient (the peak of the mid-band types); default 0x00FFFF
    /// (yellow).
    TColor GetColorLast() const { return FColorLast; }
    /// Sets the colour at the last end; repaints.
    void SetColorLast(TColor Value);
    /// Whether the two base colours are used swapped; default false.
    bool GetColorFlipped() const { return FColorFlipped; }
    /// Swaps the colours in use (true) or restores the base order; repaints.
    void SetColorFlipped(bool Value);
    /// Layout of the bands: gtHoriz (default, top to bottom), gtVert (left to right),
    /// gtMidBandHoriz or gtMidBandVert (rising to ColorLast in the middle and falling again).
    TGradType GetFillType() const { return FFillType; }
    /// Sets the band layout; repaints when it differs.
    void SetFillType(TGradType Value);
    /// Number of colour bands, 1..255; default 16.
    int GetNrColors() const { return FNrColors; }
    /// Sets the number of bands, clamped to 1..255; repaints.
    void SetNrColors(int Value);              // clamped to 1..255
    /// Frame round the control, ordinals 0 (none, default) to 5.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the frame style; repaints.
    void SetFrameStyle(TFrameStyle Value);
    /// Grid lines lie on the band edges of their axis: horizontal lines at the tops of the
    /// horizontal bands, vertical lines at the left edges of the vertical bands, whatever
    /// the fill type, so the grid cuts the area into NrColors rows and/or columns.
    TGridMode GetGridMode() const { return FGridMode; }
    /// Chooses gmNone (default), gmHoriz, gmVert or gmBoth; repaints.
    void SetGridMode(TGridMode Value);
    /// Colour of the grid lines; default navy (0x800000).
    TColor GetGridColor() const { return FGridColor; }
    /// Sets the grid colour; repaints.
    void SetGridColor(TColor Value);

    // ---- events
    /// Called at the end of every Paint, after the gradient is on the canvas, so the handler can
    /// draw over it. Empty: none.
    const vcl::TNotifyEvent& GetOnPaint() const { return FOnPaint; }
    /// Installs the handler called after each paint; an empty function removes it.
    void SetOnPaint(vcl::TNotifyEvent Value) { FOnPaint = std::move(Value); }

    /// Draws the gradient off screen, shows it, then fires OnPaint (so the handler draws over it).
    void Paint() override;

protected:
    /// The handler called at the end of every Paint; empty: none.
    vcl::TNotifyEvent FOnPaint;

private:
    // painting (GradFillPaint.cpp)
    void Render(vcl::TCanvas* C, int W, int H);
    void PaintBands(vcl::TCanvas* C, int W, int H);
    void PaintGrid(vcl::TCanvas* C, int W, int H);
    void PaintFrame(vcl::TCanvas* C, int W, int H);

    TColor FColorFirst = vcl::clMaroon;
    TColor FColorLast = vcl::clYellow;
    // The colours as the user set them: the colours in use are these, swapped while flipped.
    TColor FBaseFirst = FColorFirst;
    TColor FBaseLast = FColorLast;
    bool FColorFlipped = false;
    TGradType FFillType = gtHoriz;
    int FNrColors = 16;
    TFrameStyle FFrameStyle = frNone;
    TGridMode FGridMode = gmNone;
    TColor FGridColor = vcl::clNavy;
};

}  // namespace zyn
