// TWinControl: a control with a window: children, keyboard focus and tab order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Sets.h"

namespace vcl {

// The cut of one bevel ring: nothing, sunk in, standing out, or blank space.
enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
// How the bevels of a window frame are drawn: not at all, as 3-D tiles, as softer 3-D
// edges, or as flat lines.
enum TBevelKind : std::uint8_t { bkNone, bkTile, bkSoft, bkFlat };
enum TBevelEdge : std::uint8_t { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TSet<TBevelEdge>;

class TWinControl;
namespace input {
void MoveFocusToControl(TControl* New);
}

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // ---- children, in z-order (graphic controls below windowed ones)
    int GetControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* GetControls(int Index) const;
    TControl* Controls(int Index) const { return GetControls(Index); }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;
    // Topmost visible child under P (client coordinates), or nullptr.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = true) const;
    // Realigns the children (Align and Anchors).
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    // Scales the control's size, its children (bounds, constraints, fonts, the
    // components' pixel metrics) and, on a form, its PixelsPerInch by M/D; the control
    // itself stays where it is. M and D lie within 1..10000.
    void ScaleBy(int M, int D);

    // ---- window
    HWND GetHandle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates the window now if it does not exist yet (calls CreateWnd once).
    void HandleNeeded();

    // ---- focus and tab order
    virtual void SetFocus();
    virtual bool Focused() const;
    virtual bool CanFocus() const;
    bool HasKeyboardFocus() const override { return Focused(); }
    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool Value);
    int GetTabOrder() const;
    void SetTabOrder(int Value);
    // Every windowed descendant in tab order (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // Every descendant that may take the focus, windowed or a graphic control that opted
    // in (TGraphicControl::SetKeyboardFocusable), in tab order (depth first).
    void GetFocusOrderList(std::vector<TControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    // As FindNextControl over GetFocusOrderList: the next control that can take the focus
    // after CurControl (windowed or not), or nullptr.
    TControl* FindNextFocusTarget(TControl* CurControl, bool GoForward, bool CheckTabStop,
                                  bool CheckParent) const;
    // Focuses the next control (windowed or not) after CurControl.
    void SelectNext(TControl* CurControl, bool GoForward, bool CheckTabStop);
    // The graphic child that has the keyboard through this window, or nullptr (this
    // window keeps the real focus while one of its graphic children has the keyboard).
    TControl* GetFocusedChild() const { return focusChild_; }
    // Sends the message to every child until one answers with a non-zero Result.
    void Broadcast(TMessage& Message);

    bool GetDoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }
    bool GetCtl3D() const { return ctl3D_; }
    void SetCtl3D(bool Value);
    bool GetParentCtl3D() const { return parentCtl3D_; }
    // While set, Ctl3D follows the parent's (when the control is put on it and whenever
    // the parent's changes).
    void SetParentCtl3D(bool Value);

    // ---- the window frame: drawn outside the client area, from the outside in: the
    // window edge of the class (a grid's border), the outer bevel, the inner bevel, then
    // BorderWidth pixels of Color. The bevels show only when BevelKind is not bkNone.
    TBevelEdges GetBevelEdges() const { return bevelEdges_; }
    void SetBevelEdges(TBevelEdges Value);
    TBevelCut GetBevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut GetBevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut Value);
    TBevelKind GetBevelKind() const { return bevelKind_; }
    void SetBevelKind(TBevelKind Value);
    // At least 1 (smaller values become 1).
    int GetBevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    // At least 0 (negative values become 0).
    int GetBorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);
    // Widths of the frame on each side (Left, Top, Right, Bottom hold the four widths).
    TRect NonClientInsets() const override;
    // The client area: the control's rectangle less the frame.
    TRect GetClientRect() const override;
    // The frame belongs to the control too (X, Y in client coordinates).
    bool HitTest(int X, int Y) const override;

    // ---- docking
    // Whether dock drags may drop controls here.
    bool GetDockSite() const { return dockSite_; }
    void SetDockSite(bool Value) { dockSite_ = Value; }
    // The controls docked here (children dropped or docked in by code), in z-order.
    int GetDockClientCount() const;
    TControl* GetDockClients(int Index) const;
    TDockOverEvent GetOnDockOver() const { return FOnDockOver; }
    void SetOnDockOver(TDockOverEvent Value) { FOnDockOver = std::move(Value); }
    TDockDropEvent GetOnDockDrop() const { return FOnDockDrop; }
    void SetOnDockDrop(TDockDropEvent Value) { FOnDockDrop = std::move(Value); }
    TUnDockEvent GetOnUnDock() const { return FOnUnDock; }
    void SetOnUnDock(TUnDockEvent Value) { FOnUnDock = std::move(Value); }

    TNotifyEvent GetOnEnter() const { return FOnEnter; }
    void SetOnEnter(TNotifyEvent Value) { FOnEnter = std::move(Value); }
    TNotifyEvent GetOnExit() const { return FOnExit; }
    void SetOnExit(TNotifyEvent Value) { FOnExit = std::move(Value); }
    TKeyEvent GetOnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = std::move(Value); }
    TKeyPressEvent GetOnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(TKeyPressEvent Value) { FOnKeyPress = std::move(Value); }
    TKeyEvent GetOnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = std::move(Value); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;
    void Invalidate() override;
    // Form files: the children owned by Root, in z-order, after Root's other components.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

protected:
    // Called once when the control first gets its window: when it becomes part of a
    // showing form or through HandleNeeded. The handle is valid inside.
    virtual void CreateWnd();
    // Called before the window is destroyed.
    virtual void DestroyWnd();
    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    // Runs the form's KeyPreview handler and then KeyDown/OnKeyDown; true when the key
    // was consumed (Key set to 0).
    bool DoKeyDown(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    // Own size first, then the children, so that anchored children measure from the
    // scaled client area; alignment waits until all are scaled.
    void ChangeScale(int M, int D) override;
    void ScaleControls(int M, int D);
    // Lays out the children with Align and Anchors inside Rect.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    // Area the children are aligned in (the client rectangle by default).
    virtual void AdjustClientRect(TRect& Rect);
    // Paints the window's own picture; TCustomControl calls Paint from here.
    virtual void PaintWindow(TCanvas* Canvas);
    // Width of the window edge outside the bevels on every side (none here).
    virtual int WindowEdgeWidth() const { return 0; }
    // Draws the window edge just inside R (window coordinates) and shrinks R by it.
    virtual void PaintWindowEdge(TCanvas* Canvas, TRect& R);
    // Draws the frame (window coordinates: 0, 0 is the control's top-left corner).
    virtual void PaintNonClient(TCanvas* Canvas);
    // After a change that may have changed the frame (Old: the insets before it): the
    // children realign and WM_SIZE reports a new client size; the control repaints.
    void FrameChanged(const TRect& Old);

    virtual void WMSetFocus(TMessage& Message);
    virtual void WMKillFocus(TMessage& Message);
    virtual void WMGetDlgCode(TMessage& Message);
    virtual void WMKeyDown(TMessage& Message);
    virtual void WMKeyUp(TMessage& Message);
    virtual void WMChar(TMessage& Message);
    virtual void WMSysKeyDown(TMessage& Message);
    virtual void WMSysKeyUp(TMessage& Message);
    virtual void WMTimer(TMessage& Message);
    virtual void WMSize(TMessage& Message);
    virtual void WMNextDlgCtl(TMessage& Message);
    virtual void CMEnter(TMessage& Message);
    virtual void CMExit(TMessage& Message);
    virtual void CMDialogKey(TMessage& Message);
    virtual void CMDialogChar(TMessage& Message);
    virtual void CMChildKey(TMessage& Message);
    virtual void CMWantSpecialKey(TMessage& Message);
    virtual void CMShowingChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;

    void PaintControl(TCanvas* Canvas) override;
    void WMPaint(TMessage& Message) override;

    TNotifyEvent FOnEnter, FOnExit;
    TKeyEvent FOnKeyDown, FOnKeyUp;
    TKeyPressEvent FOnKeyPress;
    TDockOverEvent FOnDockOver;
    TDockDropEvent FOnDockDrop;
    TUnDockEvent FOnUnDock;

    // A dock drag over the site: Accept starts true; OnDockOver may refuse.
    virtual void DockOver(TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept);
    // The drop: the default docks Source's control here aligned as its DropAlign says,
    // then fires OnDockDrop.
    virtual void DockDrop(TDragDockObject* Source, int X, int Y);
    // Whether Client may leave for NewTarget (OnUnDock).
    virtual bool DoUnDock(TWinControl* NewTarget, TControl* Client);

private:
    friend class TControl;
    friend class TGraphicControl;
    friend class TCustomForm;
    friend struct PaintEngine;
    friend struct InputDispatcher;
    friend void input::MoveFocusToControl(TControl* New);
    friend struct DragEngine;

    void CreateHandleTree();
    void DestroyHandle();
    void FocusLeaves();
    // Hands a key message (and WM_GETDLGCODE) to the graphic child holding the keyboard
    // after the form's KeyPreview; false when there is none or the message is no key.
    bool RouteToFocusedChild(TMessage& Message);
    void NotifyChildren(UINT Msg);

    std::vector<TControl*> controls_;        // z-order, bottom first
    std::vector<TControl*> tabList_;         // windowed and focusable graphic children in tab order
    TControl* focusChild_ = nullptr;         // graphic child holding the keyboard through us
    HWND handle_ = nullptr;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    TBevelEdges bevelEdges_{beLeft, beTop, beRight, beBottom};
    TBevelCut bevelInner_ = bvRaised;
    TBevelCut bevelOuter_ = bvLowered;
    TBevelKind bevelKind_ = bkNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    bool dockSite_ = false;
    int alignDisabled_ = 0;
    bool aligning_ = false;
};

// The control whose window is Wnd, or nullptr.
TWinControl* FindControl(HWND Wnd);

}  // namespace vcl
