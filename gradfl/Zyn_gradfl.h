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
class TGradFill : public vcl::TGraphicControl {
public:
    explicit TGradFill(vcl::TComponent* AOwner);
    ~TGradFill() override;
    std::string ClassName() const override { return "TGradFill"; }

    // ---- properties
    // The colours in use at the first and the last end. Setting one while the gradient is
    // flipped changes the colour in use at that end and is remembered as the other base
    // colour, so unflipping moves it to the other end.
    TColor GetColorFirst() const { return FColorFirst; }
    void SetColorFirst(TColor Value);
    TColor GetColorLast() const { return FColorLast; }
    void SetColorLast(TColor Value);
    bool GetColorFlipped() const { return FColorFlipped; }
    void SetColorFlipped(bool Value);
    TGradType GetFillType() const { return FFillType; }
    void SetFillType(TGradType Value);
    int GetNrColors() const { return FNrColors; }
    void SetNrColors(int Value);              // clamped to 1..255
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    // Grid lines lie on the band edges of their axis: horizontal lines at the tops of the
    // horizontal bands, vertical lines at the left edges of the vertical bands, whatever
    // the fill type, so the grid cuts the area into NrColors rows and/or columns.
    TGridMode GetGridMode() const { return FGridMode; }
    void SetGridMode(TGridMode Value);
    TColor GetGridColor() const { return FGridColor; }
    void SetGridColor(TColor Value);

    // ---- events
    // Fired at the end of every Paint.
    const vcl::TNotifyEvent& GetOnPaint() const { return FOnPaint; }
    void SetOnPaint(vcl::TNotifyEvent Value) { FOnPaint = std::move(Value); }

    void Paint() override;

protected:
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
