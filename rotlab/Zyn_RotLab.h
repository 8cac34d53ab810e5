// TRotLab: a label whose caption is drawn at any angle around an anchor point, smoothed or
// not, with a frame; a disabled label shows its caption engraved. It keeps the framework
// label's behaviour and replaces only how the text is drawn and the frame painted after it.
//
// Where the text starts for an angle and alignment is computed in RotLabText.cpp (no
// canvas); the drawing is in RotLabPaint.cpp.
#pragma once

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace zyn {

using vcl::TColor;

// The top-left reference point to hand to TextOut so that a text of 2 * HalfWidth x
// 2 * HalfHeight pixels, turned by Angle degrees counter-clockwise about that point, has its
// vertical centre line through the anchor (AnchorX, AnchorY) and starts there (left
// justified), is centred on it or ends there (right justified). Offsets are rounded to the
// nearest integer, halves to even.
vcl::TPoint RotLabTextOrigin(vcl::TAlignment Alignment, int AnchorX, int AnchorY, int HalfWidth, int HalfHeight,
                             int Angle);

/// TRotLab: a label whose caption is drawn at any angle around an anchor point, smoothed or
/// not, with a frame; a disabled label shows its caption engraved. It keeps the framework
/// label's behaviour and replaces only how the text is drawn and the frame painted after it.
class TRotLab : public vcl::TCustomLabel {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TRotLab(vcl::TComponent* AOwner);
    ~TRotLab() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TRotLab"; }

    /// Copies AutoCenter, FrameStyle, TextAngle, PosX, PosY and AntiAlias from another
    /// rotated label, then invalidates; anything else goes to the framework label.
    void Assign(vcl::TPersistent* Source) override;

    // ---- properties
    /// Direction of the text in degrees, counter-clockwise from the horizontal; default 0.
    int GetTextAngle() const { return FTextAngle; }
    /// Turns the text; repaints when it differs.
    void SetTextAngle(int Value);
    /// The anchor of the text. While AutoCenter is on, setting either recentres the anchor
    /// on the control instead of storing the value.
    int GetPosX() const { return FPosX; }
    /// Moves the anchor sideways (ignored when equal, recentred while AutoCenter is on); repaints.
    void SetPosX(int Value);
    /// y in pixels of the text's anchor; default 10.
    int GetPosY() const { return FPosY; }
    /// Moves the anchor up or down (ignored when equal, recentred while AutoCenter is on);
    /// repaints.
    void SetPosY(int Value);
    /// Keeps the anchor in the middle of the control (Width div 2, Height div 2): when the
    /// label is put on a parent, resized there, and after a form file has been read.
    bool GetAutoCenter() const { return FAutoCenter; }
    /// Switches centring (default true); turning it on recentres the anchor at once. Repaints.
    void SetAutoCenter(bool Value);
    /// How the text lies along its direction: starting at, centred on or ending at the anchor.
    void SetAlignment(vcl::TAlignment Value);
    /// Whether the text is drawn anti-aliased; default true.
    bool GetAntiAlias() const { return FAntiAlias; }
    /// Switches anti-aliasing; repaints when it differs.
    void SetAntiAlias(bool Value);
    /// Frame round the label, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the frame style; repaints when it differs.
    void SetFrameStyle(TFrameStyle Value);
    /// Whether the parent shows through behind the text (no background fill); default true.
    bool GetTransparent() const { return FTransparent; }
    /// Switches transparency and passes it to the framework label; repaints when it differs.
    void SetTransparent(bool Value);
    /// The background of a label that is not transparent.
    void SetColor(TColor Value);

    /// Puts the label on AParent; with AutoCenter the anchor is centred there.
    void SetParent(vcl::TWinControl* AParent) override;
    /// Draws the background (unless Transparent) and the rotated caption, then the frame.
    void Paint() override;

protected:
    /// ScaleBy at M/D: the text position scales with the control.
    void ChangeScale(int M, int D) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Draws the caption at the angle; a size calculation (DT_CALCRECT) does nothing and
    /// leaves Rect as it is, so the label never sizes itself to its text.
    void DoDrawText(vcl::TRect& Rect, int Flags) override;
    /// Recentres the anchor (on a parent, with AutoCenter on), then repaints.
    void Resize() override;

private:
    // Invalidate while transparent (the parent must paint below), else Paint at once.
    void Redraw();
    void Recenter();
    void PaintFrame(vcl::TCanvas* C);
    // The canvas font turned by TextAngle with the smoothing chosen.
    void SelectRotatedFont(vcl::TCanvas* C);

    int FTextAngle = 0;
    int FPosX = 10;
    int FPosY = 10;
    bool FAutoCenter = true;
    bool FAntiAlias = true;
    TFrameStyle FFrameStyle = frSunken;
    bool FTransparent = true;
};

}  // namespace zyn
