// TOnOffBut: a two-state switch drawn from a glyph (check box, radio button, slider, LED,
// traffic light, lamp, ...), with an "on" and an "off" picture and a disabled variant of
// each, texts on its four sides, radio-like groups among the buttons of one parent, and
// transparent painting over its parent.
//
// Construction, setters, switching, groups and the user glyphs live in Zyn_onoffbut.cpp,
// the placement of glyph and texts and the cutting of glyph sheets in OnOffButLayout.cpp,
// the picture in OnOffButPaint.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace zyn {

using vcl::TColor;

enum TOnOffButStyle : std::uint8_t {
    oobsUser, oobsCheckbox, oobsRadioBut, oobsSlideTB, oobsSlideLR, oobsColSlideTB, oobsColSlideLR,
    oobsLedRedGreen, oobsArrowTopRgt, oobsArrowUpDown, oobsArrowLeftRight, oobsTrafficLPed,
    oobsBeveledLed, oobsSmileyYellow, oobsSmileyRedGrn, oobsBulb, oobsButLamp, oobsHDLeft,
    oobsHDRight, oobsUser1, oobsUser2, oobsUser3, oobsUser4, oobsUser5
};

// Which presses switch the button: none, only those inside the glyph, or any on the control.
enum TOOButMouseAction : std::uint8_t { oomaNone, oomaFocused, oomaPlain };

// Normal: each press toggles. Speed button: on only while the left button is held.
enum TOOButMode : std::uint8_t { oobmNormalBut, oobmSpeedBut };

// Raised by the user glyph methods for a picture that cannot be used.
class EZynOnOffButError : public EZynError {
public:
    using EZynError::EZynError;
};

// ---- layout (OnOffButLayout.cpp): no canvas ---------------------------------------------

// The pixel colour that stands for "no glyph here" in every glyph picture.
inline constexpr TColor OnOffButKeyColor = 0xEBBEEB;   // red 235, green 190, blue 235

// The face colour the package's glyph pictures are smoothed against: their soft edges and
// shadows are mixed with it where they do not cover a pixel fully.
inline constexpr TColor OnOffButArtworkGround = 0xF0F0F0;

// Resource name of a style's glyph sheet; empty for oobsUser.
const char* OnOffButStyleResource(TOnOffButStyle Style);
// Resource name of the coverage sheet beside a style's glyph sheet (grey levels, 0 where the
// glyph sheet has the key colour, 255 where the glyph covers a pixel fully); empty for
// oobsUser.
std::string OnOffButAlphaResource(TOnOffButStyle Style);

// The state images are indexed by OnOff * 2 + Enabled: 0 off and disabled, 1 off and
// enabled, 2 on and disabled, 3 on and enabled.
constexpr int OnOffButStateIndex(bool OnOff, bool Enabled) { return (OnOff ? 2 : 0) + (Enabled ? 1 : 0); }

using TOnOffButImages = std::array<std::unique_ptr<vcl::TBitmap>, 4>;

// Cuts a 2 x 2 sheet into four state images of (width div 2) x (height div 2): top left
// on and enabled, top right off and enabled, bottom left on and disabled, bottom right off
// and disabled. Returns the glyph size.
vcl::TSize CutGlyphSheet(vcl::TBitmap* Sheet, TOnOffButImages& Images);

// The coverage of each state picture, row by row (empty: every pixel that is not the key
// colour covers fully, as in user pictures).
using TOnOffButAlphas = std::array<std::vector<std::uint8_t>, 4>;

// Cuts a coverage sheet (grey levels, read from the red channel) like a glyph sheet.
void CutAlphaSheet(vcl::TBitmap* Sheet, TOnOffButAlphas& Alphas);

// A pixel of a glyph picture with coverage Alpha (1..254), smoothed against
// OnOffButArtworkGround, as it shows on Ground (colours as 0x00BBGGRR):
// Pixel + (1 - Alpha / 255) * (Ground - OnOffButArtworkGround), each channel within 0..255.
// On the artwork's own ground it is Pixel unchanged.
TColor OnOffButCompositeEdge(TColor Pixel, int Alpha, TColor Ground);

/// Where the glyph sits and how big it is, and the control's size.
struct TOnOffButPlacement {
    /// x offset of the glyph (LeftSpace).
    int LeftSpace = 0;
    /// y offset of the glyph (TopSpace).
    int TopSpace = 0;
    /// Width of the glyph in pixels.
    int GlyphWidth = 0;
    /// Height of the glyph in pixels.
    int GlyphHeight = 0;
    /// Width of the control.
    int Width = 0;
    /// Height of the control.
    int Height = 0;
    /// Pixels per inch the fixed gaps between glyph, texts and edges are measured at.
    int PPI = 96;
};

enum TOnOffButTextSide : std::uint8_t { otsLeft, otsRight, otsTop, otsBottom };

// Top-left corner of a text of width TextWidth on one side of the glyph, for text cells
// of height TextHeight.
vcl::TPoint OnOffButTextPos(TOnOffButTextSide Side, vcl::TAlignment Alignment, int TextWidth,
                            int TextHeight, const TOnOffButPlacement& P);

// The glyph centred in the control: LeftSpace and TopSpace.
vcl::TPoint CenteredGlyphSpaces(const TOnOffButPlacement& P);

// Whether a press at (X, Y) hits the glyph: LeftSpace < X < LeftSpace + GlyphWidth and
// TopSpace < Y < TopSpace + GlyphHeight. The glyph's pixels run from LeftSpace + 1 to
// LeftSpace + GlyphWidth, so its last column and row are outside, as right and bottom
// edges are.
bool OnOffButGlyphHit(int X, int Y, const TOnOffButPlacement& P);

// ---- the button --------------------------------------------------------------------------
/// TOnOffBut: a two-state switch drawn from a glyph (check box, radio button, slider, LED,
/// traffic light, lamp, ...), with an "on" and an "off" picture and a disabled variant of
/// each, texts on its four sides, radio-like groups among the buttons of one parent, and
/// transparent painting over its parent.
class TOnOffBut : public vcl::TGraphicControl {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TOnOffBut(vcl::TComponent* AOwner);
    ~TOnOffBut() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TOnOffBut"; }

    /// Copies the settings, pictures and state of another on/off button (not its group,
    /// AllowAllOff and Mode), then repaints.
    void Assign(vcl::TPersistent* Source) override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// A new parent may put the button on a form of another density: its glyph follows.
    void SetParent(vcl::TWinControl* AParent) override;
    /// ScaleBy at M/D: LeftSpace and TopSpace scale with the control (with AutoCenter the glyph
    /// is centred again, at the new density's artwork from the next paint on).
    void ChangeScale(int M, int D) override;

    // ---- properties
    /// Whether the last button of a group that is on may be switched off (by the mouse or OnOff);
    /// default true. The value is shared by all members of the group.
    bool GetAllowAllOff() const { return FAllowAllOff; }
    /// Sets AllowAllOff and copies it to every button of the same group (a member that is on as
    /// well switches off); no repaint.
    void SetAllowAllOff(bool Value);
    /// Whether the glyph is kept centred in the control (also on resize); default true.
    bool GetAutoCenter() const { return FAutoCenter; }
    /// Switches centring; turning it on centres the glyph at once. Repaints.
    void SetAutoCenter(bool Value);
    /// Text below the glyph; empty by default.
    const std::string& GetBottomText() const { return FBottomText; }
    /// Sets the text below the glyph; repaints when it differs.
    void SetBottomText(const std::string& Value);
    /// Text left of the glyph; empty by default.
    const std::string& GetLeftText() const { return FLeftText; }
    /// Sets the text left of the glyph; repaints when it differs.
    void SetLeftText(const std::string& Value);
    /// Text right of the glyph; empty by default.
    const std::string& GetRightText() const { return FRightText; }
    /// Sets the text right of the glyph; repaints when it differs.
    void SetRightText(const std::string& Value);
    /// Text above the glyph; empty by default.
    const std::string& GetTopText() const { return FTopText; }
    /// Sets the text above the glyph; repaints when it differs.
    void SetTopText(const std::string& Value);
    /// Alignment of the bottom text: at the left edge, at the right edge, or centred under the
    /// glyph (default taCenter).
    vcl::TAlignment GetBottomTextAlignment() const { return FBottomTextAlignment; }
    /// Sets the bottom text's alignment; repaints.
    void SetBottomTextAlignment(vcl::TAlignment Value);
    /// Alignment of the left text: at the left edge, next to the glyph (default taRightJustify),
    /// or centred in the room left of the glyph.
    vcl::TAlignment GetLeftTextAlignment() const { return FLeftTextAlignment; }
    /// Sets the left text's alignment; repaints.
    void SetLeftTextAlignment(vcl::TAlignment Value);
    /// Alignment of the right text: next to the glyph (default taLeftJustify), at the right edge,
    /// or centred in the room right of the glyph.
    vcl::TAlignment GetRightTextAlignment() const { return FRightTextAlignment; }
    /// Sets the right text's alignment; repaints.
    void SetRightTextAlignment(vcl::TAlignment Value);
    /// Alignment of the top text: at the left edge, at the right edge, or centred over the glyph
    /// (default taCenter).
    vcl::TAlignment GetTopTextAlignment() const { return FTopTextAlignment; }
    /// Sets the top text's alignment; repaints.
    void SetTopTextAlignment(vcl::TAlignment Value);
    /// The glyph set the button is drawn from (check box, radio button, sliders, LEDs, lamps, ...;
    /// oobsUser: the user glyphs); default oobsColSlideLR.
    TOnOffButStyle GetButtonStyle() const { return FButtonStyle; }
    /// Loads the style's glyphs (and the glyph size), recentres with AutoCenter and repaints.
    void SetButtonStyle(TOnOffButStyle Value);
    /// Background colour; default clBtnFace. Also replaces the glyphs' transparent key colour
    /// unless Transparent is set.
    TColor GetColorBackgnd() const { return FColorBackgnd; }
    /// Sets the background colour; repaints.
    void SetColorBackgnd(TColor Value);
    /// Line colours of the colour scheme: ordinal 0 (default) fixed gray and white, any other the
    /// system's shadow and highlight colours.
    TColorScheme GetColorScheme() const { return FColorScheme; }
    /// Sets the colour scheme; repaints.
    void SetColorScheme(TColorScheme Value);
    /// Colour of the four texts of an enabled button; default black.
    TColor GetColorText() const { return FColorText; }
    /// Sets the text colour; repaints.
    void SetColorText(TColor Value);
    /// Enabled is the framework's flag; setting it always repaints.
    void SetEnabled(bool Value) override;
    /// Frame round the control, ordinals 0 (none) to 5; default 2.
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    /// Sets the frame style; repaints.
    void SetFrameStyle(TFrameStyle Value);
    /// Group of radio-like buttons under one parent: switching one on switches the others of the
    /// same group off. 0 (default) or negative: independent.
    int GetGroupIndex() const { return FGroupIndex; }
    /// Sets the group and tells the group's other buttons (they take over its AllowAllOff).
    void SetGroupIndex(int Value);
    /// x offset in pixels of the glyph (it starts one pixel to the right); default 35.
    int GetLeftSpace() const { return FLeftSpace; }
    /// Moves the glyph: negative values are ignored, the value is limited to Width; with
    /// AutoCenter the glyph is centred instead. Repaints.
    void SetLeftSpace(int Value);
    /// y offset in pixels of the glyph; default 18.
    int GetTopSpace() const { return FTopSpace; }
    /// Moves the glyph: negative values are ignored, the value is limited to Height; with
    /// AutoCenter the glyph is centred instead. Repaints.
    void SetTopSpace(int Value);
    /// How a press acts: oobmNormalBut (default) toggles the state, oobmSpeedBut keeps the button
    /// on only while it is held.
    TOOButMode GetMode() const { return FMode; }
    /// Sets the mode; oobmSpeedBut also switches the button off at once (without telling the
    /// group). Repaints.
    void SetMode(TOOButMode Value);
    /// Where a press switches the button: oomaNone nowhere, oomaFocused (default) only on the
    /// glyph, oomaPlain anywhere on the control.
    TOOButMouseAction GetMouseAction() const { return FMouseAction; }
    /// Sets where a press switches the button; takes effect with the next press.
    void SetMouseAction(TOOButMouseAction Value);
    /// Whether the button is on; default true.
    bool GetOnOff() const { return FOnOff; }
    /// Switches the button; switching off the last one of a group is refused while AllowAllOff
    /// is false. Switching on turns the group's other buttons off. Repaints.
    void SetOnOff(bool Value);
    /// Whether the parent shows through the background and the glyphs' key-coloured pixels;
    /// default false.
    bool GetTransparent() const { return FTransparent; }
    /// Switches transparent painting; repaints.
    void SetTransparent(bool Value);

    /// Width in pixels of the glyph (half the width of the style's sheet).
    int GetGlyphWidth() const { return FGlyphWidth; }
    /// Height in pixels of the glyph (half the height of the style's sheet).
    int GetGlyphHeight() const { return FGlyphHeight; }
    /// The picture drawn for the state (OnOff, Enabled) of the current style.
    const vcl::TBitmap* GetStateImage(bool OnOff, bool Enabled) const {
        return FStateImages[OnOffButStateIndex(OnOff, Enabled)].get();
    }
    /// The user picture oobsUser draws for the state (OnOff, Enabled).
    const vcl::TBitmap* GetUserImage(bool OnOff, bool Enabled) const {
        return FUserImages[OnOffButStateIndex(OnOff, Enabled)].get();
    }
    /// The line colours of the colour scheme.
    TColor GetColBlackLine() const { return FColBlackLine; }
    /// The gray line colour the colour scheme chose.
    TColor GetColGrayLine() const { return FColGrayLine; }
    /// The white line colour the colour scheme chose.
    TColor GetColWhiteLine() const { return FColWhiteLine; }

    // ---- public methods
    /// Installs the user glyphs of oobsUser from a 2 x 2 sheet laid out like the style sheets
    /// (a copy is cut; the picture stays the caller's). A sheet without even sides, or a file
    /// that cannot be read, raises EZynOnOffButError and keeps the glyphs as they were.
    void SetUserGlyph(vcl::TBitmap* Img);
    /// The same from the bitmap file FName.
    void LoadUserGlyph(const std::string& FName);

    /// Draws the background, the glyph of the current state and the caption, masked so that a
    /// transparent button shows its parent.
    void Paint() override;
    /// Hears a sibling of the same group being switched on: goes off and takes the sibling's
    /// AllowAllOff. Every other message goes the framework's way.
    void WndProc(vcl::TMessage& Message) override;

protected:
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// A left press that qualifies (anywhere with oomaPlain, on the glyph otherwise; never with
    /// oomaNone) switches the button over and repaints; switched on in a group, the others go off.
    /// A group button that is on stays on unless AllowAllOff.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// A left release ends the press: a speed-button mode button goes off again, and a release
    /// that qualifies fires OnClick.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// The framework's click on release does nothing: MouseUp fires OnClick itself.
    void Click() override {}
    ///@{
    /// The keyboard (the button takes the focus): Space down switches as a qualifying
    /// press does and Space up ends it as a release does (OnClick), unless MouseAction is
    /// oomaNone; in a group the arrows move to the next (Right, Down) or previous (Left,
    /// Up) button of the group, wrapping, and switch it on.
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    ///@}
    /// In a group the arrows are the button's own.
    vcl::LRESULT DialogCode() const override;
    /// Losing the focus with Space held ends the press without OnClick.
    void DoExit() override;
    /// The handler installed as OnResize at construction: recentres and repaints.
    void ResizeHandler(vcl::TObject* Sender);

private:
    bool Loading() const { return GetComponentState().Contains(vcl::csLoading); }
    TOnOffButPlacement Placement() const;
    bool PressQualifies(vcl::TMouseButton Button, int X, int Y) const;
    void Recentre();
    // Repaints at once when opaque; a transparent button needs its parent painted below
    // it first, so it invalidates instead.
    void Redraw();
    void BroadcastGroup();
    // The next or previous focusable button of the group in tab order (wrapping), or nullptr.
    TOnOffBut* GroupNeighbour(bool Forward) const;
    // The switching of a qualifying press and the ending of its release.
    void PressSwitch();
    void ReleaseSwitch(bool Over);
    void GroupMessage(vcl::TMessage& Message);
    void LoadStyleGlyphs(TOnOffButStyle Style);
    // Reloads the style's glyph when the form's pixels per inch call for another artwork size.
    void FollowArtworkScale();
    void MakeUserImages();
    template <typename T>
    void StoreAndInvalidate(T& Field, const T& Value);
    template <typename T>
    void StoreAndRedraw(T& Field, const T& Value);

    // painting (OnOffButPaint.cpp)
    void PaintBackground();
    void PaintTexts(vcl::TCanvas* Picture, vcl::TCanvas* Mask, int TextHeight);
    void PaintText(vcl::TCanvas* Picture, vcl::TCanvas* Mask, TOnOffButTextSide Side, const std::string& Text,
                   vcl::TAlignment Alignment, int TextHeight);
    void PaintGlyph(const vcl::TRect& Held);
    void PaintFrame();
    void PaintOutput(vcl::TPaintBuffer& Picture, vcl::TPaintBuffer& Mask, int TextHeight);
    // Transparent: the glyph's partly covering pixels mixed with what the parent shows.
    void BlendGlyphEdges();
    vcl::TRect GlyphRect() const;

    bool FAllowAllOff = true;
    bool FAutoCenter = true;
    std::string FBottomText;
    std::string FLeftText;
    std::string FRightText;
    std::string FTopText;
    vcl::TAlignment FBottomTextAlignment = vcl::taCenter;
    vcl::TAlignment FLeftTextAlignment = vcl::taRightJustify;
    vcl::TAlignment FRightTextAlignment = vcl::taLeftJustify;
    vcl::TAlignment FTopTextAlignment = vcl::taCenter;
    TOnOffButStyle FButtonStyle = oobsColSlideLR;
    TColor FColorBackgnd = vcl::clBtnFace;
    TColorScheme FColorScheme = schFixed;
    TColor FColorText = vcl::clBlack;
    TFrameStyle FFrameStyle = frSunken;
    int FGroupIndex = 0;
    friend class TOnOffButAccessible;
    friend struct OnOffButThemeAccess;
    int FLeftSpace = 35;
    int FTopSpace = 18;
    TOOButMode FMode = oobmNormalBut;
    TOOButMouseAction FMouseAction = oomaFocused;
    bool FOnOff = true;
    bool FTransparent = false;

    TColor FColBlackLine = vcl::clBlack;
    TColor FColGrayLine = vcl::clGray;
    TColor FColWhiteLine = vcl::clWhite;

    int FGlyphWidth = 0;
    int FGlyphHeight = 0;
    int FArtworkPPI = 96;   // the artwork size the style glyphs were loaded at
    // The colour the style glyphs' soft edges were smoothed against: the artwork's ground,
    // in the theme's colours where the glyphs were recoloured.
    TColor FArtworkFace = OnOffButArtworkGround;
    bool FHeld = false;   // a speed-button press switched the button on and is not released yet
    bool FSpaceDown = false;   // Space went down on the focused button and is not up yet

    TOnOffButImages FStateImages;
    TOnOffButAlphas FStateAlphas;   // the coverage of the state images (none for user pictures)
    TOnOffButImages FUserImages;
    bool FUserImagesDefault = true;   // still the pictures MakeUserImages drew
    std::unique_ptr<vcl::TBitmap> FMask;
    std::unique_ptr<vcl::TBitmap> FPicture;   // the off-screen picture, kept between paints
};

}  // namespace zyn
