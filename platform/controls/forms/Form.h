// Forms and the screen.
//
// A form is a top-level control with a native window (given by the backend when it is
// shown) and a 32-bit back buffer the size of its client area, into which it and its
// controls paint. The frame (title bar and border) belongs to the native window; its size
// is fixed per border style so that client sizes come out as on the desktop the
// components were designed for.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

enum TPosition : std::uint8_t {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
    poDesktopCenter, poMainFormCenter, poOwnerFormCenter
};
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TCustomControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    // ---- window
    TFormBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    TPosition GetPosition() const { return position_; }
    void SetPosition(TPosition Value) { position_ = Value; }
    // Frame sizes of the native window around the client area.
    int GetBorderWidth() const;      // left, right and bottom
    int GetCaptionHeight() const;    // top, including the top border
    TRect GetClientRect() const override;
    // A form's frame is its window's (border and caption), not a control frame.
    TRect NonClientInsets() const override { return TRect(); }
    TPoint GetClientOrigin() const override;
    bool GetShowing() const override;
    // The pixels per inch the form's sizes and fonts are in (96: the 1x size). Setting it
    // says what the sizes are in; it moves nothing.
    int GetPixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int Value);
    // Whether a form read from a form file written at another PixelsPerInch than the
    // screen's scales itself to the screen once, when the whole text is read (not while it
    // is being designed: a designer keeps the density the file was written at).
    bool GetScaled() const { return scaled_; }
    void SetScaled(bool Value) { scaled_ = Value; }
    void ReadCompleted() override;

    // ---- showing and closing
    void Show();
    void Hide();
    // Shows the form modally: other forms take no input until ModalResult is set (by a
    // button, Close or code); then the form hides and the result is returned. Without a
    // person at the backend the test's OnModal script runs while the form is up; with no
    // script (or no result set by it) the answer is mrCancel.
    virtual TModalResult ShowModal();
    TModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool IsModal() const { return modal_; }
    // OnCloseQuery, then OnClose; hides (or frees later with caFree) the form. A modal
    // form gets ModalResult mrCancel when it has none.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the current message has been handled.
    void Release();
    bool GetActive() const;

    // ---- focus
    bool GetKeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool Value) { keyPreview_ = Value; }
    // The windowed control with the focus (for a focusable graphic control: its window,
    // or nullptr when that window is the form itself).
    TWinControl* GetActiveControl() const { return activeControl_; }
    // The control of this form with the keyboard, windowed or graphic (ActiveControl
    // while the form is not active), or nullptr.
    TControl* CurrentFocus() const;
    void SetActiveControl(TWinControl* Control);
    // Moves the keyboard focus to Control (raises EInvalidOperation when it cannot be
    // focused).
    void FocusControl(TWinControl* Control);
    void SelectFirst();

    // ---- painting
    // The back buffer (created on first use, the size of the client area).
    TBitmap* GetBackBuffer();
    // Writes the form as it looks (frame, title and client area) to a PNG file.
    void SaveToPNG(const std::string& FileName);
    // Draws the whole window (frame and client area) into a new 32-bit bitmap.
    std::unique_ptr<TBitmap> Snapshot();

    TNotifyEvent GetOnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
    TNotifyEvent GetOnHide() const { return FOnHide; }
    void SetOnHide(TNotifyEvent Value) { FOnHide = std::move(Value); }
    TNotifyEvent GetOnPaint() const { return FOnPaint; }
    void SetOnPaint(TNotifyEvent Value) { FOnPaint = std::move(Value); }
    TNotifyEvent GetOnActivate() const { return FOnActivate; }
    void SetOnActivate(TNotifyEvent Value) { FOnActivate = std::move(Value); }
    TNotifyEvent GetOnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(TNotifyEvent Value) { FOnDeactivate = std::move(Value); }
    TCloseEvent GetOnClose() const { return FOnClose; }
    void SetOnClose(TCloseEvent Value) { FOnClose = std::move(Value); }
    TCloseQueryEvent GetOnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(TCloseQueryEvent Value) { FOnCloseQuery = std::move(Value); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

    // Paint engine bookkeeping (used by the controls layer).
    void InvalidateClientRect(const TRect& R);
    bool HasInvalidRegion() const { return !invalid_.empty(); }
    const std::vector<TRect>& GetInvalidRegion() const { return invalid_; }
    // Repaints the invalid region now and presents it.
    void PaintInvalidRegion();
    // Marks a region as drawn outside the engine (a direct Paint); presented next pass.
    void AddPresentRect(const TRect& R);
    void PresentPending();
    // Where a control dragged to dock would land (screen coordinates; empty for none): a
    // half-tone frame drawn over the form's controls until it moves or is cleared.
    void SetDragOutline(const TRect& ScreenRect);
    TRect GetDragOutline() const { return dragOutline_; }   // client coordinates
    // Records the focused control without moving the focus (focus bookkeeping).
    void RecordActiveControl(TWinControl* Control) { activeControl_ = Control; }

protected:
    std::shared_ptr<TControlAccessible> CreateAccessible() override;
    // A form that never becomes the active form when shown (hint windows): the active
    // form keeps the keyboard and gets no Deactivate.
    void SetActivateOnShow(bool Value) { activateOnShow_ = Value; }
    void Paint() override;
    void DoShow();
    void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    void SetTextBuf(const std::string& Value) override;
    void CMDialogKey(TMessage& Message) override;
    void CMShowingChanged(TMessage& Message) override;
    void WMNextDlgCtl(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // A top-level form keeps its place and its frame (the native window's); its client
    // area scales. PixelsPerInch follows the factor.
    void ChangeScale(int M, int D) override;

    TNotifyEvent FOnShow, FOnHide, FOnPaint, FOnActivate, FOnDeactivate;
    TCloseEvent FOnClose;
    TCloseQueryEvent FOnCloseQuery;

private:
    friend class TScreen;
    friend class TWinControl;
    void PlaceOnScreen();
    void DrawFrame(TCanvas* Canvas, int Width, int Height);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    bool nativeWindow_ = false;
    bool placed_ = false;
    bool activateOnShow_ = true;
    int pixelsPerInch_ = 96;
    bool scaled_ = true;
    TWinControl* activeControl_ = nullptr;
    std::unique_ptr<TBitmap> backBuffer_;
    std::vector<TRect> invalid_;
    std::vector<TRect> present_;
    TRect dragOutline_;
    void PaintDragOutline(TBitmap* Buffer, const TRect& Clip);
    bool painting_ = false;
    int disabledByModal_ = 0;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner);
    std::string ClassName() const override { return "TForm"; }
};

namespace Testing {
// The screen's PixelsPerInch from now on (24..960), as a display of that density would
// give it; 0 asks the display again.
void SetScreenPixelsPerInch(int Value);
}  // namespace Testing

// The screen: forms, the active form and control, and the global cursor.
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);
    std::string ClassName() const override { return "TScreen"; }

    // Overrides every control's cursor while not crDefault.
    TCursor GetCursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    int GetFormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* GetForms(int Index) const;
    TCustomForm* GetActiveForm() const { return activeForm_; }
    // The control with the keyboard focus, or nullptr.
    TWinControl* GetActiveControl() const { return focused_; }
    int GetWidth() const;
    int GetHeight() const;
    // round(96 x the display's scale), asked once (see DisplayScale.h); a test may set it.
    int GetPixelsPerInch() const;
    // The cursor shown now (Screen cursor, or that of the control under the pointer).
    TCursor GetCurrentCursor() const { return shownCursor_; }

    // Controls-layer bookkeeping
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);
    void SetFocusedControl(TWinControl* Control) { focused_ = Control; }
    void UpdateCursor(TControl* UnderPointer);

    // The end of the program (registered with atexit by the first form, after the backend's
    // holder exists, so it runs before that is freed): the forms the application owns are
    // freed, every other form loses its native window, and Screen becomes nullptr. A form
    // freed later (held in a static or global smart pointer) finds no screen and leaves
    // the platform alone.
    static void EndSession();

private:
    friend void Testing::SetScreenPixelsPerInch(int Value);
    TCursor cursor_ = crDefault;
    TCursor shownCursor_ = crDefault;
    TControl* cursorControl_ = nullptr;
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* focused_ = nullptr;
    mutable int pixelsPerInch_ = 0;   // 0: not asked yet
};

extern TScreen* Screen;


}  // namespace vcl
