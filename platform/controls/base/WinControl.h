// TWinControl: a control with a window: children, keyboard focus and tab order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

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

    // ---- window
    HWND GetHandle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates the window now if it does not exist yet (calls CreateWnd once).
    void HandleNeeded();

    // ---- focus and tab order
    virtual void SetFocus();
    virtual bool Focused() const;
    virtual bool CanFocus() const;
    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool Value);
    int GetTabOrder() const;
    void SetTabOrder(int Value);
    // Every focusable descendant in tab order (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    // Sends the message to every child until one answers with a non-zero Result.
    void Broadcast(TMessage& Message);

    bool GetDoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }
    bool GetCtl3D() const { return ctl3D_; }
    void SetCtl3D(bool Value);
    bool GetParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool Value) { parentCtl3D_ = Value; }

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
    // Lays out the children with Align and Anchors inside Rect.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    // Area the children are aligned in (the client rectangle by default).
    virtual void AdjustClientRect(TRect& Rect);
    // Paints the window's own picture; TCustomControl calls Paint from here.
    virtual void PaintWindow(TCanvas* Canvas);

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
    friend class TCustomForm;
    friend struct PaintEngine;
    friend struct InputDispatcher;
    friend struct DragEngine;

    void CreateHandleTree();
    void DestroyHandle();
    void NotifyChildren(UINT Msg);

    std::vector<TControl*> controls_;        // z-order, bottom first
    std::vector<TWinControl*> tabList_;      // windowed children in tab order
    HWND handle_ = nullptr;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    bool dockSite_ = false;
    int alignDisabled_ = 0;
    bool aligning_ = false;
};

// The control whose window is Wnd, or nullptr.
TWinControl* FindControl(HWND Wnd);

}  // namespace vcl
