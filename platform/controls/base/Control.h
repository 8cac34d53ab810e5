// Controls: TControl, the rectangle on a parent that paints itself and takes mouse input;
// the enumerations, sets, cursors and control messages (CM_*) controls share, the event
// types of mouse and keys, and the mouse capture.
//
// Every control draws itself into the 32-bit back buffer of the top-level form it sits on
// (through a canvas whose origin is the control's position in that buffer and whose clip
// is the piece of the control its parents leave visible). Invalidate marks a rectangle of
// the form; the message loop repaints the marked parts once per pass, parent first and
// children in z-order, and hands them to the window backend. Input arrives from the
// backend (or the testing interface) as Win32-shaped messages sent through Perform, so a
// control that overrides WndProc sees exactly what the window procedure of the framework
// would see.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/controls/base/Metrics.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Sets.h"
#include "platform/controls/base/SizeConstraints.h"

namespace vcl {

class TControl;
class TWinControl;
class TCustomForm;
class TPopupMenu;
class TAccessible;
class TControlAccessible;
struct TTheme;

// ---- enumerations and sets -------------------------------------------------------------
enum TShiftStateItem : std::uint8_t {
    ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble, ssTouch, ssPen, ssCommand
};
using TShiftState = TSet<TShiftStateItem>;

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Which scroll bars a scrolling control shows.
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
// Reading order of a control's text; kept and inherited, the layout itself stays left to right.
enum TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleItem : std::uint8_t {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
    csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
    csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient,
    csMenuEvents, csNeedsBorderPaint, csParentBackground, csPannable, csAlignWithMargins,
    csGestures, csPaintBlackOpaqueOnGlass, csOverrideStylePaint
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem : std::uint8_t {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
    csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csDesignerHide,
    csPanning, csRecreating, csAligning, csGlassPaint, csPrintClient
};
using TControlState = TSet<TControlStateItem>;

// Parts of a control that an active platform style would paint.
enum TStyleElement : std::uint8_t { seFont, seClient, seBorder };
using TStyleElements = TSet<TStyleElement>;

// Left/right/centre alignment of text (also used by labels and edits).
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment : std::uint8_t { taAlignTop, taAlignBottom, taVerticalCenter };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// Border styles of forms; controls use only the first two (TBorderStyle).
enum TFormBorderStyle : std::uint8_t {
    bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin
};
using TBorderStyle = TFormBorderStyle;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                       mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9,
                       mrYesToAll = 10, mrClose = 11;
constexpr TModalResult mrOK = mrOk;

// ---- cursors ---------------------------------------------------------------------------
using TCursor = std::int16_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                  crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
                  crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17,
                  crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22, crSize = -22;

// ---- control messages (CM_*) -------------------------------------------------------------
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1,
               CM_GOTFOCUS = CM_BASE + 2, CM_LOSTFOCUS = CM_BASE + 3,
               CM_CANCELMODE = CM_BASE + 4, CM_DIALOGKEY = CM_BASE + 5,
               CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7,
               CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9,
               CM_HITTEST = CM_BASE + 10, CM_VISIBLECHANGED = CM_BASE + 11,
               CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13,
               CM_FONTCHANGED = CM_BASE + 14, CM_CURSORCHANGED = CM_BASE + 15,
               CM_CTL3DCHANGED = CM_BASE + 16, CM_PARENTCTL3DCHANGED = CM_BASE + 17,
               CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19,
               CM_MOUSELEAVE = CM_BASE + 20, CM_MENUCHANGED = CM_BASE + 21,
               CM_BUTTONPRESSED = CM_BASE + 24, CM_SHOWINGCHANGED = CM_BASE + 25,
               CM_ENTER = CM_BASE + 26, CM_EXIT = CM_BASE + 27,
               CM_WANTSPECIALKEY = CM_BASE + 30, CM_RELEASE = CM_BASE + 33,
               CM_SHOWHINTCHANGED = CM_BASE + 34, CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
               CM_TABSTOPCHANGED = CM_BASE + 40, CM_CONTROLLISTCHANGE = CM_BASE + 44,
               CM_CHILDKEY = CM_BASE + 46, CM_CONTROLCHANGE = CM_BASE + 54,
               CM_MOUSEWHEEL = CM_BASE + 67, CM_BORDERCHANGED = CM_BASE + 59,
               CM_BIDIMODECHANGED = CM_BASE + 60, CM_PARENTBIDIMODECHANGED = CM_BASE + 61;

// WM_PAINT sent by the paint engine carries the canvas to draw on in WParam.
// CM_MOUSEWHEEL: WParam = MAKEWPARAM(MK_ flags, delta), LParam = screen point.

// Mouse hover and double-click geometry of the platform.
constexpr int DoubleClickTimeMs = 500;
constexpr int DoubleClickDistance = 4;   // the second press must lie within +-2 px

// Shift state of a key message (Shift, Ctrl, Alt pressed now) and of a mouse message.
TShiftState KeysToShiftState(WPARAM Keys);
WPARAM ShiftStateToKeys(TShiftState Shift);

// ---- event types -----------------------------------------------------------------------
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
// Asked for the limits each time the control is sized; may tighten or loosen them.
using TConstrainedResizeEvent =
    std::function<void(TObject* Sender, int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight)>;

// ---- dragging and docking ----------------------------------------------------------------
// A drag starts at a source control (BeginDrag, or a left press on a control whose DragMode
// is dmAutomatic once the pointer has moved past the threshold). While it runs the pointer
// belongs to the drag: the control under the pointer, on any showing form, is asked
// whether it accepts the drop (OnDragOver with dsDragEnter, dsDragMove, dsDragLeave); the
// cursor shows the source's DragCursor over a target that accepts and crNoDrop elsewhere.
// Releasing the left button drops (OnDragDrop on an accepting target), Escape or the right
// button cancels; either way the source hears OnEndDrag, with a null target when nothing
// took the drop. A control whose DragKind is dkDock is dragged as a dock drag instead: the
// dock sites (windowed controls with DockSite set) under the pointer are asked through
// OnDockOver, and a drop on none of them floats the control in a tool window of its own.
// The drag objects are in DragObjects.h.
enum TDragMode : std::uint8_t { dmManual, dmAutomatic };
enum TDragKind : std::uint8_t { dkDrag, dkDock };
enum TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
// Pixels the pointer must move (in x or y) after the press before a drag that is not
// immediate starts.
constexpr int DefaultDragThreshold = 5;

class TDragObject;
class TDragDockObject;
// Source is the source control, or the drag object a handler of OnStartDrag supplied.
using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
// Target is the control that took the drop (for a dock drag the dock site, or the floating
// window the control was left in), nullptr when the drop was refused or the drag cancelled;
// X, Y are the pointer in Target's client coordinates, or in the source's without a target.
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDockEvent = std::function<void(TObject* Sender, TDragDockObject*& DragObject)>;
using TDockOverEvent = std::function<void(TObject* Sender, TDragDockObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TDockDropEvent = std::function<void(TObject* Sender, TDragDockObject* Source, int X, int Y)>;
// Asked of a dock site before Client leaves it for NewTarget (another site, or the
// floating window); Allow false keeps the client where it is.
using TUnDockEvent =
    std::function<void(TObject* Sender, TControl* Client, TWinControl* NewTarget, bool& Allow)>;

// Whether Ch is the accelerator ("&x", "&&" being a plain ampersand) of Caption, compared
// without case: what Alt+letter (CM_DIALOGCHAR) is matched against.
bool IsAccel(char32_t Ch, const std::string& Caption);

// =========================================================================================
// TControl: a rectangle on a parent that paints itself and takes mouse input.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    // ---- parent and geometry
    TWinControl* GetParent() const { return parent_; }
    virtual void SetParent(TWinControl* AParent);
    int GetLeft() const { return left_; }
    void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
    int GetTop() const { return top_; }
    void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
    int GetWidth() const { return width_; }
    void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
    int GetHeight() const { return height_; }
    void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
    // Moves and sizes in one step (negative sizes become 0); fires Resize when the size
    // changed, realigns children and repaints what was uncovered and covered.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect GetBoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    // Client area in client coordinates (0, 0 at its top-left).
    virtual TRect GetClientRect() const;
    // Widths of the frame around the client area (Left, Top, Right, Bottom); none here.
    virtual TRect NonClientInsets() const { return TRect(); }
    // The pixels per inch this control's sizes are in: its form's PixelsPerInch, else the
    // screen's, else 96. Fixed metrics and artwork follow it (96 is the 1x size).
    int GetCurrentPPI() const;
    // A fixed 96 dpi size and line width at GetCurrentPPI() (see Metrics.h).
    int ScaledMetric(int Value) const { return ScaleMetric(Value, GetCurrentPPI()); }
    int ScaledLineWidth(int Value) const { return ScaleLineWidth(Value, GetCurrentPPI()); }
    int GetClientWidth() const { return GetClientRect().Width(); }
    void SetClientWidth(int Value);
    int GetClientHeight() const { return GetClientRect().Height(); }
    void SetClientHeight(int Value);
    // Top-left of the client area in screen coordinates.
    virtual TPoint GetClientOrigin() const;
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;
    // A point of this control's client area in the client coordinates of AParent (an
    // ancestor); ancestor nullptr means the top-level control.
    TPoint ClientToParent(TPoint P, TWinControl* AParent = nullptr) const;
    TPoint ParentToClient(TPoint P, TWinControl* AParent = nullptr) const;

    TAlign GetAlign() const { return align_; }
    void SetAlign(TAlign Value);
    TAnchors GetAnchors() const { return anchors_; }
    void SetAnchors(TAnchors Value);
    bool GetAutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool Value);

    // ---- visibility and state
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a showing form.
    virtual bool GetShowing() const;
    bool GetEnabled() const { return enabled_; }
    virtual void SetEnabled(bool Value);
    // Enabled here and in every parent.
    bool IsEnabledInTree() const;
    TControlStyle GetControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
    TControlState GetControlState() const { return controlState_; }
    void SetControlState(TControlState Value) { controlState_ = Value; }

    // ---- appearance
    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    bool GetParentFont() const { return parentFont_; }
    void SetParentFont(bool Value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    bool GetParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    const std::string& GetHint() const { return hint_; }
    void SetHint(const std::string& Value) { hint_ = Value; }
    bool GetShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    TBiDiMode GetBiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode Value);
    bool GetParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool Value);
    bool GetParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool Value);
    TCursor GetCursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    int GetHelpContext() const { return helpContext_; }
    void SetHelpContext(int Value) { helpContext_ = Value; }
    TStyleElements GetStyleElements() const { return styleElements_; }
    void SetStyleElements(TStyleElements Value);
    TPopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* Value);

    // Text and Caption are the same string (CM_TEXTCHANGED on change).
    std::string GetText() const { return GetTextBuf(); }
    void SetText(const std::string& Value) { SetTextBuf(Value); }
    std::string GetCaption() const { return GetTextBuf(); }
    void SetCaption(const std::string& Value) { SetTextBuf(Value); }

    // ---- the keyboard focus cue
    // Whether the keyboard is on this control. A windowed control has it while it is
    // focused; a control without a window never has it here.
    virtual bool HasKeyboardFocus() const { return false; }
    // The focus cue every control draws the same way: the dotted XOR rectangle R (client
    // coordinates of Canvas), drawn only while the control has the keyboard focus, so a
    // control calls it unconditionally at the end of its paint. Returns whether it drew.
    bool DrawFocusCue(TCanvas* Canvas, const TRect& R) const;

    // ---- accessibility
    // The object assistive tools read of this control (role, name, states, value, ...),
    // made by CreateAccessible on first use and kept while the control lives; it turns
    // defunct when the control is destroyed.
    std::shared_ptr<TControlAccessible> GetAccessible();
    // Whether the accessible object was made (events are raised only for those).
    bool HasAccessible() const { return accessible_ != nullptr; }
    // A name for assistive tools where the caption does not say what the control is (a
    // meter without caption, a button showing only a glyph); empty: the caption, a label
    // or the hint names it.
    const std::string& GetAccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const std::string& Value);
    // The control this one names for assistive tools (a label's FocusControl); none here.
    virtual TControl* GetLabelledControl() const { return nullptr; }

    // ---- painting
    // Marks the whole control for repainting in the next pass of the message loop.
    virtual void Invalidate();
    // Marks a rectangle (client coordinates) for repainting.
    void InvalidateRect(const TRect& R);
    // Paints what is marked on this control's form now.
    virtual void Update();
    // Invalidate + Update: the control is repainted at once.
    virtual void Repaint();
    void Refresh() { Repaint(); }
    // Renders the control and its children into Canvas with the control's top-left at
    // (X, Y) of the canvas, within the canvas's clip.
    void PaintTo(TCanvas* Canvas, int X, int Y);

    // ---- z-order
    void BringToFront();
    void SendToBack();

    // ---- messages
    LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
    virtual void WndProc(TMessage& Message);

    // ---- events (published by the descendants that show them)
    TNotifyEvent GetOnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }
    TNotifyEvent GetOnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(TNotifyEvent Value) { FOnDblClick = std::move(Value); }
    TSizeConstraints* GetConstraints() const { return constraints_.get(); }
    void SetConstraints(TSizeConstraints* Value) { constraints_->Assign(Value); }
    TConstrainedResizeEvent GetOnConstrainedResize() const { return FOnConstrainedResize; }
    void SetOnConstrainedResize(TConstrainedResizeEvent Value) { FOnConstrainedResize = std::move(Value); }
    TNotifyEvent GetOnResize() const { return FOnResize; }
    void SetOnResize(TNotifyEvent Value) { FOnResize = std::move(Value); }
    TMouseEvent GetOnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TMouseEvent Value) { FOnMouseDown = std::move(Value); }
    TMouseMoveEvent GetOnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TMouseMoveEvent Value) { FOnMouseMove = std::move(Value); }
    TMouseEvent GetOnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TMouseEvent Value) { FOnMouseUp = std::move(Value); }
    TNotifyEvent GetOnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent Value) { FOnMouseEnter = std::move(Value); }
    TNotifyEvent GetOnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent Value) { FOnMouseLeave = std::move(Value); }
    TMouseWheelEvent GetOnMouseWheel() const { return FOnMouseWheel; }
    void SetOnMouseWheel(TMouseWheelEvent Value) { FOnMouseWheel = std::move(Value); }
    TMouseWheelUpDownEvent GetOnMouseWheelUp() const { return FOnMouseWheelUp; }
    void SetOnMouseWheelUp(TMouseWheelUpDownEvent Value) { FOnMouseWheelUp = std::move(Value); }
    TMouseWheelUpDownEvent GetOnMouseWheelDown() const { return FOnMouseWheelDown; }
    void SetOnMouseWheelDown(TMouseWheelUpDownEvent Value) { FOnMouseWheelDown = std::move(Value); }
    TContextPopupEvent GetOnContextPopup() const { return FOnContextPopup; }
    void SetOnContextPopup(TContextPopupEvent Value) { FOnContextPopup = std::move(Value); }

    // ---- dragging and docking
    TDragMode GetDragMode() const { return dragMode_; }
    void SetDragMode(TDragMode Value) { dragMode_ = Value; }
    TCursor GetDragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor Value) { dragCursor_ = Value; }
    TDragKind GetDragKind() const { return dragKind_; }
    void SetDragKind(TDragKind Value) { dragKind_ = Value; }
    // Starts a drag (a dock drag when DragKind is dkDock) from where the pointer is now:
    // at once when Immediate, else once the pointer has moved more than Threshold pixels
    // (-1 or any negative value: DefaultDragThreshold) with the left button still down.
    // Nothing happens while another drag is under way; a control on no form cannot be
    // dragged (EInvalidOperation).
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends this control's drag: drops on the target under the pointer when Drop (if it
    // accepts), else cancels. Ends a drag that has not passed its threshold yet too.
    void EndDrag(bool Drop);
    // Whether a drag of this control is under way (past its threshold).
    bool Dragging() const;
    // The dock site the control is docked in, or its floating window; nullptr otherwise.
    TWinControl* GetHostDockSite() const;
    // Whether the control floats in a tool window of its own.
    bool GetFloating() const;
    // Size the control takes when it floats: its size before it was first docked.
    int GetUndockWidth() const { return undockWidth_; }
    void SetUndockWidth(int Value) { undockWidth_ = Value; }
    int GetUndockHeight() const { return undockHeight_; }
    void SetUndockHeight(int Value) { undockHeight_ = Value; }
    // Docks the control in NewDockSite aligned ControlSide (alNone: unaligned at its
    // present position); nullptr floats it where it is. The old site's OnUnDock may refuse
    // (the result is then false); the new site hears OnDockDrop and the control OnEndDock.
    bool ManualDock(TWinControl* NewDockSite, TAlign ControlSide = alClient);
    // Floats the control in its tool window with its client area at ScreenPos (screen
    // coordinates); false when the old site refused to let it go.
    bool ManualFloat(const TRect& ScreenPos);

    TStartDragEvent GetOnStartDrag() const { return FOnStartDrag; }
    void SetOnStartDrag(TStartDragEvent Value) { FOnStartDrag = std::move(Value); }
    TDragOverEvent GetOnDragOver() const { return FOnDragOver; }
    void SetOnDragOver(TDragOverEvent Value) { FOnDragOver = std::move(Value); }
    TDragDropEvent GetOnDragDrop() const { return FOnDragDrop; }
    void SetOnDragDrop(TDragDropEvent Value) { FOnDragDrop = std::move(Value); }
    TEndDragEvent GetOnEndDrag() const { return FOnEndDrag; }
    void SetOnEndDrag(TEndDragEvent Value) { FOnEndDrag = std::move(Value); }
    TStartDockEvent GetOnStartDock() const { return FOnStartDock; }
    void SetOnStartDock(TStartDockEvent Value) { FOnStartDock = std::move(Value); }
    TEndDragEvent GetOnEndDock() const { return FOnEndDock; }
    void SetOnEndDock(TEndDragEvent Value) { FOnEndDock = std::move(Value); }

    // Whether the point (client coordinates) belongs to the control for mouse input.
    virtual bool HitTest(int X, int Y) const;

    // Called once after streaming (realigns, applies auto size).
    void Loaded() override;
    // Form files: a control sits inside its parent.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

protected:
    // The accessible object of the class; the default answers name, states, bounds and
    // child controls with the role of the class (TControlAccessible).
    virtual std::shared_ptr<TControlAccessible> CreateAccessible();
    // Makes the accessible object defunct at once. A destructor that still tells others
    // about the control (a window leaving its parent, a form leaving the screen) calls it
    // first: the events that raises must not let a listener read a half-destroyed control.
    void DetachAccessible();

    // ---- overridable behaviour
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // The wheel chain: OnMouseWheel first; unhandled deltas accumulate and every full 120
    // calls DoMouseWheelDown (negative) or DoMouseWheelUp (positive).
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);
    virtual void Resize();
    virtual void Changed();
    // Size the control wants when AutoSize is on; false when it has no preference.
    virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
    void AdjustSize();
    // Sets the AutoSize flag without resizing (constructors).
    void InitAutoSize(bool Value) { autoSize_ = Value; }
    virtual void SetTextBuf(const std::string& Value);
    virtual std::string GetTextBuf() const { return text_; }
    virtual void VisibleChanging() {}

    // ---- message handlers (WndProc dispatches to them)
    virtual void WMPaint(TMessage& Message);
    virtual void WMMouseMove(TMessage& Message);
    virtual void WMLButtonDown(TMessage& Message);
    virtual void WMLButtonUp(TMessage& Message);
    virtual void WMLButtonDblClk(TMessage& Message);
    virtual void WMRButtonDown(TMessage& Message);
    virtual void WMRButtonUp(TMessage& Message);
    virtual void WMRButtonDblClk(TMessage& Message);
    virtual void WMMButtonDown(TMessage& Message);
    virtual void WMMButtonUp(TMessage& Message);
    virtual void WMMButtonDblClk(TMessage& Message);
    virtual void WMMouseWheel(TMessage& Message);
    virtual void WMContextMenu(TMessage& Message);
    virtual void WMCancelMode(TMessage& Message);
    virtual void CMMouseWheel(TMessage& Message);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMTextChanged(TMessage& Message);
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMParentShowHintChanged(TMessage& Message);
    virtual void CMParentBiDiModeChanged(TMessage& Message);
    virtual void CMHitTest(TMessage& Message);
    virtual void CMCancelMode(TMessage& Message);

    // Paints the control's own picture (not its children) on Canvas, which the engine has
    // bound. The base sends WM_PAINT.
    virtual void PaintControl(TCanvas* Canvas);
    // The canvas of this control bound to the back buffer of its form (a measuring canvas
    // without a surface while the control is on no form). Descendants expose it as Canvas.
    TCanvas* ControlCanvas();

    // Mouse message helpers
    void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TMessage& Message, TMouseButton Button);
    bool GetMouseCapture() const;
    void SetMouseCapture(bool Value);
    void SendCancelMode(TControl* Sender);

    TNotifyEvent FOnClick, FOnDblClick, FOnResize, FOnMouseEnter, FOnMouseLeave;
    TMouseEvent FOnMouseDown, FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
    TMouseWheelEvent FOnMouseWheel;
    TMouseWheelUpDownEvent FOnMouseWheelUp, FOnMouseWheelDown;
    TContextPopupEvent FOnContextPopup;
    TConstrainedResizeEvent FOnConstrainedResize;

    TStartDragEvent FOnStartDrag;
    TDragOverEvent FOnDragOver;
    TDragDropEvent FOnDragDrop;
    TEndDragEvent FOnEndDrag, FOnEndDock;
    TStartDockEvent FOnStartDock;

    // The drag's steps as the source and the target see them; the defaults fire the events.
    // DragOver starts with Accept false and sets it true when OnDragOver is assigned,
    // before calling it: a control without a handler takes no drops.
    virtual void DoStartDrag(TDragObject*& DragObject);
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    virtual void DoStartDock(TDragDockObject*& DragObject);
    virtual void DoEndDock(TObject* Target, int X, int Y);

    // The limits for this sizing: Constraints, then OnConstrainedResize.
    virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
    // Brings a requested size within the limits.
    void DoConstrainedResize(int& Width, int& Height);

    // ---- display scale
    // Scales the control by M/D (MulDiv; ScaleBy and a form read at another density call
    // it): its edges, so that controls that met still meet and none that were apart come
    // to overlap; Constraints; and the font height unless the font is the parent's (a
    // control without a parent scales its own).
    // Components add their pixel metrics (column widths, row heights, slide sizes...).
    virtual void ChangeScale(int M, int D);
    void ScaleConstraints(int M, int D);
    void ScaleFont(int M, int D);

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TWinControl;
    friend class TCustomForm;
    friend struct PaintEngine;
    friend struct DragEngine;
    friend struct ThemeFollow;
    friend struct ThemeFollowDefaults;

    void FontChanged();
    // Sizes in points of this control's font (and its children's) map through PPI.
    void FollowPixelsPerInch(int PPI);
    // The control's canvas, made on first use; drawing on it outside a paint pass of the
    // engine counts as a direct paint.
    TCanvas* OwnCanvas();
    void UpdateAnchorRules();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    TRect anchorRules_;            // distances kept for akRight/akBottom
    TSize anchorParentSize_;
    bool autoSize_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TSizeConstraints> constraints_;
    bool parentFont_ = true;
    bool updatingFont_ = false;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    TCursor cursor_ = crDefault;
    int helpContext_ = 0;
    TPopupMenu* popupMenu_ = nullptr;
    TStyleElements styleElements_{seFont, seClient, seBorder};
    std::string text_;
    int wheelAccumulator_ = 0;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
    TDragKind dragKind_ = dkDrag;
    bool docked_ = false;          // the parent is the dock site (or floating window) it was dropped in
    bool docking_ = false;         // the docking code is moving the control (SetParent keeps docked_)
    TWinControl* floatHost_ = nullptr;   // the floating window, made on first float (owned)
    int undockWidth_ = 0, undockHeight_ = 0;
    std::unique_ptr<TCanvas> canvas_;
    std::shared_ptr<TControlAccessible> accessible_;
    std::string accessibleName_;
    bool canvasPinned_ = false;    // the paint engine has bound the canvas for this paint
    const TTheme* theme_ = nullptr;   // the theme its colour defaults follow; null: light
    // Paints so far (platform/controls/base/PaintCount.h), and the binding in which the
    // last direct paint was counted.
    int paintCount_ = 0;
    std::uint64_t countedBinding_ = 0;
};

// Capture: while a control holds the capture every mouse message goes to it.
void SetCaptureControl(TControl* Control);
TControl* GetCaptureControl();

// The form a control sits on (the top-level TCustomForm), or nullptr.
TCustomForm* GetParentForm(const TControl* Control);

}  // namespace vcl
