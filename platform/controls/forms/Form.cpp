// TCustomForm, TForm and TScreen.
#include "platform/controls/forms/Form.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "platform/controls/base/Backend.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/DisplayScale.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/PaintEngine.h"
#include "platform/controls/base/WinControl.h"
#include "platform/core/Application.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Theme.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Rounding.h"

namespace vcl {

TScreen* Screen = new TScreen(nullptr);

namespace {

// Merges R into the list: overlapping or touching rectangles become one; a long list
// collapses into its bounding rectangle.
void AddRect(std::vector<TRect>& List, TRect R) {
    if (R.IsEmpty()) return;
    bool merged = true;
    while (merged) {
        merged = false;
        for (auto it = List.begin(); it != List.end(); ++it) {
            TRect grown = *it;
            grown.Inflate(1, 1);
            if (!IntersectRect(grown, R).IsEmpty()) {
                R = UnionRect(R, *it);
                List.erase(it);
                merged = true;
                break;
            }
        }
    }
    List.push_back(R);
    if (List.size() > 16) {
        TRect all;
        for (const TRect& r : List) all = UnionRect(all, r);
        List.assign(1, all);
    }
}

}  // namespace

// =========================================================================================
TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
    // The holder of the backend is made now, before the end is registered: static objects
    // are freed in the reverse order of their making, so the backend outlives EndSession.
    static const bool endRegistered = [] {
        (void)CurrentBackendName();
        return std::atexit(&TScreen::EndSession) == 0;
    }();
    (void)endRegistered;
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks});
    visible_ = false;   // forms start hidden; Show makes them visible
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    DetachAccessible();
    input::PopModal(this);
    // After the end of the session there is no screen, and the backend may be gone: the
    // form's native window went at the end.
    if (Screen != nullptr) {
        input::DropFocus(this);
        Screen->RemoveForm(this);
        if (nativeWindow_) Backend()->DestroyNativeWindow(this);
    }
    nativeWindow_ = false;
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == activeControl_) activeControl_ = nullptr;
}

// ---- frame -----------------------------------------------------------------------------

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (borderStyle_ == Value) return;
    TSize client(GetClientWidth(), GetClientHeight());
    borderStyle_ = Value;
    // The client area keeps its size; the window grows or shrinks around it. A form being
    // read keeps the Width and Height it was written with, which already include the border.
    if (!GetComponentState().Contains(csLoading))
        SetBounds(GetLeft(), GetTop(), client.cx + 2 * GetBorderWidth(),
                  client.cy + GetCaptionHeight() + GetBorderWidth());
    if (nativeWindow_) Backend()->UpdateNativeWindow(this);
}

void TCustomForm::SetPixelsPerInch(int Value) {
    // 24 dpi (a quarter of the 1x size) to 960 covers every display scale there is and keeps
    // MulDiv of any coordinate within int.
    if (Value < 24 || Value > 960)
        throw EInvalidOperation("PixelsPerInch must lie between 24 and 960, not " + std::to_string(Value));
    pixelsPerInch_ = Value;
    FollowPixelsPerInch(Value);
}

void TCustomForm::ReadCompleted() {
    TCustomControl::ReadCompleted();
    // A form read into a designer keeps the density it was written at: the designer shows
    // and saves it as written, and a denser screen does not move it by a pixel of rounding
    // each time it is opened and saved.
    if (!scaled_ || Screen == nullptr || GetComponentState().Contains(csDesigning)) return;
    const int screen = Screen->GetPixelsPerInch();
    if (screen != pixelsPerInch_) ScaleBy(screen, pixelsPerInch_);
}

void TCustomForm::ChangeScale(int M, int D) {
    const int ppi = std::clamp(MulDiv(pixelsPerInch_, M, D), 24, 960);
    if (GetParent() != nullptr) {
        TCustomControl::ChangeScale(M, D);
    } else {
        DisableAlign();
        try {
            const TRect frame(GetBorderWidth(), GetCaptionHeight(), GetBorderWidth(), GetBorderWidth());
            const int w = MulDiv(GetClientWidth(), M, D) + frame.Left + frame.Right;
            const int h = MulDiv(GetClientHeight(), M, D) + frame.Top + frame.Bottom;
            ScaleConstraints(M, D);
            SetBounds(GetLeft(), GetTop(), w, h);
            ScaleControls(M, D);
            ScaleFont(M, D);   // after the children, as in TWinControl::ChangeScale
        } catch (...) {
            EnableAlign();
            throw;
        }
        EnableAlign();
    }
    SetPixelsPerInch(ppi);
}

int TCustomForm::GetBorderWidth() const {
    switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable:
    case bsSizeToolWin: return 8;
    default: return 7;
    }
}

int TCustomForm::GetCaptionHeight() const {
    switch (borderStyle_) {
    case bsNone: return 0;
    case bsToolWindow:
    case bsSizeToolWin: return 17 + GetBorderWidth();
    default: return 23 + GetBorderWidth();
    }
}

TRect TCustomForm::GetClientRect() const {
    return Rect(0, 0, std::max(0, GetWidth() - 2 * GetBorderWidth()),
                std::max(0, GetHeight() - GetCaptionHeight() - GetBorderWidth()));
}

TPoint TCustomForm::GetClientOrigin() const {
    if (GetParent() != nullptr) return TCustomControl::GetClientOrigin();
    return {GetLeft() + GetBorderWidth(), GetTop() + GetCaptionHeight()};
}

bool TCustomForm::GetShowing() const {
    if (GetParent() != nullptr) return TCustomControl::GetShowing();
    return GetVisible();
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    bool sized = AWidth != GetWidth() || AHeight != GetHeight();
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (sized && backBuffer_) {
        TRect c = GetClientRect();
        backBuffer_->SetSize(std::max(1, c.Width()), std::max(1, c.Height()));
        invalid_.clear();
        Invalidate();
    }
    if (nativeWindow_) Backend()->UpdateNativeWindow(this);
}

void TCustomForm::SetTextBuf(const std::string& Value) {
    if (Value == GetTextBuf()) return;
    TCustomControl::SetTextBuf(Value);
    if (nativeWindow_) Backend()->UpdateNativeWindow(this);
}

void TCustomForm::PlaceOnScreen() {
    if (placed_) return;
    placed_ = true;
    TSize screen(Screen->GetWidth(), Screen->GetHeight());
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
    case poMainFormCenter:
        SetBounds((screen.cx - GetWidth()) / 2, (screen.cy - GetHeight()) / 2, GetWidth(), GetHeight());
        break;
    case poOwnerFormCenter:
        if (auto* owner = dynamic_cast<TCustomForm*>(GetOwner())) {
            SetBounds(owner->GetLeft() + (owner->GetWidth() - GetWidth()) / 2,
                      owner->GetTop() + (owner->GetHeight() - GetHeight()) / 2, GetWidth(), GetHeight());
        } else {
            SetBounds((screen.cx - GetWidth()) / 2, (screen.cy - GetHeight()) / 2, GetWidth(), GetHeight());
        }
        break;
    default:
        break;
    }
}

// ---- showing and closing ---------------------------------------------------------------

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
    if (activateOnShow_) Screen->SetActiveForm(this);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::WndProc(TMessage& M) {
    switch (M.Msg) {
    case CM_VISIBLECHANGED:
        TCustomControl::WndProc(M);
        if (GetParent() == nullptr) Perform(CM_SHOWINGCHANGED, 0, 0);
        return;
    case CM_RELEASE:
        delete this;
        return;
    case WM_CLOSE:
        Close();
        return;
    default:
        TCustomControl::WndProc(M);
        return;
    }
}

void TCustomForm::CMShowingChanged(TMessage& M) {
    if (GetParent() != nullptr) {
        TCustomControl::CMShowingChanged(M);
        return;
    }
    PaintEngine::InstallLoopHook();
    if (GetVisible()) {
        PlaceOnScreen();
        if (!nativeWindow_) {
            Backend()->CreateNativeWindow(this);
            nativeWindow_ = true;
        }
        CreateHandleTree();
        DoShow();
        Backend()->ShowNativeWindow(this, true);
        invalid_.clear();
        Invalidate();
        if (activateOnShow_) Screen->SetActiveForm(this);
    } else {
        if (GetCaptureControl() != nullptr && GetParentForm(GetCaptureControl()) == this)
            SetCaptureControl(nullptr);
        DoHide();
        if (nativeWindow_) Backend()->ShowNativeWindow(this, false);
        invalid_.clear();
        present_.clear();
        if (Screen->GetActiveForm() == this) Screen->SetActiveForm(nullptr);
    }
}

void TCustomForm::DoShow() {
    if (FOnShow) FOnShow(this);
}

void TCustomForm::DoHide() {
    if (FOnHide) FOnHide(this);
}

void TCustomForm::Activate() {
    if (activeControl_ != nullptr && activeControl_->CanFocus()) input::MoveFocus(activeControl_);
    else if (activeControl_ == nullptr && focusChild_ != nullptr &&
             static_cast<TGraphicControl*>(focusChild_)->CanFocus()) input::MoveFocus(this);
    else SelectFirst();
    if (FOnActivate) FOnActivate(this);
}

void TCustomForm::Deactivate() {
    if (FOnDeactivate) FOnDeactivate(this);
}

bool TCustomForm::GetActive() const { return Screen->GetActiveForm() == this; }

TModalResult TCustomForm::ShowModal() {
    if (GetVisible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    if (!GetEnabled()) throw EInvalidOperation("Cannot make a disabled window modal");
    SetCaptureControl(nullptr);
    TCustomForm* previousActive = Screen->GetActiveForm();
    TWinControl* previousFocus = Screen->GetActiveControl();
    modal_ = true;
    modalResult_ = mrNone;
    input::PushModal(this);
    auto finish = [&] {
        input::PopModal(this);
        modal_ = false;
        if (GetVisible()) Hide();
        if (previousActive != nullptr && previousActive != this && previousActive->GetVisible()) {
            Screen->SetActiveForm(previousActive);
            if (previousFocus != nullptr && previousFocus->CanFocus()) input::MoveFocus(previousFocus);
        }
    };
    // A result set while the form is up still has to pass OnCloseQuery and OnClose.
    auto closeModal = [&] {
        TCloseAction action = caHide;
        if (CloseQuery()) DoClose(action);
        else action = caNone;
        if (action == caNone) modalResult_ = mrNone;
    };
    try {
        Show();
        Application->ProcessMessages();
        if (Backend()->IsInteractive()) {
            while (modalResult_ == mrNone) {
                Application->HandleMessage();
                if (Application->GetTerminated()) modalResult_ = mrCancel;
                if (modalResult_ != mrNone) closeModal();
            }
        } else {
            Backend()->RunScriptedModal(this);
            Application->ProcessMessages();
            if (modalResult_ != mrNone) closeModal();
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return modalResult_;
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (FOnCloseQuery) FOnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (FOnClose) FOnClose(this, Action);
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    switch (action) {
    case caHide: Hide(); break;
    case caFree: Release(); break;
    default: break;
    }
}

void TCustomForm::Release() { PostMessage(GetHandle(), CM_RELEASE, 0, 0); }

// ---- focus -----------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (activeControl_ == Control) return;
    if (Control != nullptr && !GetComponentState().Contains(csLoading)) {
        if (!Control->CanFocus() || GetParentForm(Control) != this)
            throw EInvalidOperation("Cannot focus a disabled or invisible window");
    }
    activeControl_ = Control;
    if (Control != nullptr) Control->FreeNotification(this);
    TCustomForm* active = Screen->GetActiveForm();
    if (Control != nullptr && (active == this || active == nullptr)) input::MoveFocus(Control);
}

void TCustomForm::FocusControl(TWinControl* Control) {
    if (Control == nullptr) return;
    if (!Control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = Control;
    Control->FreeNotification(this);
    TCustomForm* active = Screen->GetActiveForm();
    if (active == this || active == nullptr || !active->GetVisible()) input::MoveFocusToControl(Control);
}

void TCustomForm::SelectFirst() {
    TControl* first = FindNextFocusTarget(nullptr, true, true, false);
    if (first == nullptr) first = FindNextFocusTarget(nullptr, true, false, false);
    if (auto* w = dynamic_cast<TWinControl*>(first)) FocusControl(w);
    else if (auto* g = dynamic_cast<TGraphicControl*>(first)) g->SetFocus();
}

// The control of this form that has the keyboard (a graphic control holding it through
// its window included), or nullptr.
TControl* TCustomForm::CurrentFocus() const {
    TControl* c = input::FocusedControl();
    return c != nullptr && GetParentForm(c) == this ? c : activeControl_;
}

void TCustomForm::CMDialogKey(TMessage& M) {
    TShiftState shift = KeyboardStateToShiftState();
    if (!shift.Contains(ssAlt)) {
        switch (M.WParam) {
        case VK_TAB:
            if (!shift.Contains(ssCtrl)) {
                SelectNext(CurrentFocus(), !shift.Contains(ssShift), true);
                M.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (TControl* cur = CurrentFocus(); cur != nullptr && cur->GetParent() != nullptr) {
                cur->GetParent()->SelectNext(cur, M.WParam == VK_RIGHT || M.WParam == VK_DOWN, false);
                M.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TCustomControl::CMDialogKey(M);
}

void TCustomForm::WMNextDlgCtl(TMessage& M) {
    if (LOWORD(std::uintptr_t(M.LParam)) != 0) {
        if (TWinControl* c = FindControl(reinterpret_cast<HWND>(M.WParam)); c != nullptr && c->CanFocus())
            FocusControl(c);
    } else {
        SelectNext(CurrentFocus(), M.WParam == 0, true);
    }
    M.Result = 0;
}

// ---- painting --------------------------------------------------------------------------

void TCustomForm::Paint() {
    if (FOnPaint) FOnPaint(this);
}

TBitmap* TCustomForm::GetBackBuffer() {
    if (!backBuffer_) {
        backBuffer_ = std::make_unique<TBitmap>();
        backBuffer_->SetPixelFormat(pf32bit);
        TRect c = GetClientRect();
        backBuffer_->SetSize(std::max(1, c.Width()), std::max(1, c.Height()));
    }
    return backBuffer_.get();
}

void TCustomForm::InvalidateClientRect(const TRect& R) {
    TRect r = IntersectRect(R, GetClientRect());
    AddRect(invalid_, r);
}

void TCustomForm::AddPresentRect(const TRect& R) {
    if (painting_) return;   // the engine presents what it paints
    AddRect(present_, IntersectRect(R, GetClientRect()));
}

void TCustomForm::PaintInvalidRegion() {
    if (painting_ || invalid_.empty()) return;
    painting_ = true;
    std::vector<TRect> rects;
    rects.swap(invalid_);
    try {
        TBitmap* buffer = GetBackBuffer();
        for (const TRect& r : rects) {
            PaintEngine::PaintTree(this, buffer, {0, 0}, r);
            PaintDragOutline(buffer, r);
            AddRect(present_, r);
        }
    } catch (...) {
        painting_ = false;
        throw;
    }
    painting_ = false;
    PresentPending();
}

namespace {

constexpr int DragOutlineWidth = 3;

// The four bands of a frame DragOutlineWidth pixels wide inside R.
std::array<TRect, 4> OutlineBands(const TRect& R) {
    const int w = DragOutlineWidth;
    return {Rect(R.Left, R.Top, R.Right, R.Top + w), Rect(R.Left, R.Bottom - w, R.Right, R.Bottom),
            Rect(R.Left, R.Top + w, R.Left + w, R.Bottom - w), Rect(R.Right - w, R.Top + w, R.Right, R.Bottom - w)};
}

}  // namespace

void TCustomForm::SetDragOutline(const TRect& ScreenRect) {
    TRect r;
    if (!ScreenRect.IsEmpty()) {
        const TPoint o = ScreenToClient(TPoint(ScreenRect.Left, ScreenRect.Top));
        r = Bounds(o.X, o.Y, ScreenRect.Width(), ScreenRect.Height());
    }
    if (r == dragOutline_) return;
    for (const TRect& band : OutlineBands(dragOutline_)) InvalidateClientRect(band);
    dragOutline_ = r;
    for (const TRect& band : OutlineBands(dragOutline_)) InvalidateClientRect(band);
}

// Every other pixel of the outline's bands turns black, so it shows over any colour and
// what lies under it stays readable.
void TCustomForm::PaintDragOutline(TBitmap* Buffer, const TRect& Clip) {
    if (dragOutline_.IsEmpty()) return;
    const TRect area = IntersectRect(Clip, Rect(0, 0, Buffer->GetWidth(), Buffer->GetHeight()));
    for (const TRect& band : OutlineBands(dragOutline_)) {
        const TRect b = IntersectRect(band, area);
        for (int y = b.Top; y < b.Bottom; ++y) {
            std::uint8_t* row = Buffer->ScanLine(y);
            for (int x = b.Left + ((b.Left + y) & 1); x < b.Right; x += 2) {
                row[x * 4] = row[x * 4 + 1] = row[x * 4 + 2] = 0;
            }
        }
    }
}

void TCustomForm::PresentPending() {
    if (present_.empty()) return;
    std::vector<TRect> rects;
    rects.swap(present_);
    if (!nativeWindow_ || !GetVisible()) return;
    Backend()->Present(this, rects);
}

void TCustomForm::DrawFrame(TCanvas* Canvas, int Width, int Height) {
    if (borderStyle_ == bsNone) return;
    TBrush* brush = Canvas->GetBrush();
    brush->SetStyle(bsSolid);
    brush->SetColor(ThemeColor(trCaption));
    Canvas->FillRect(Rect(0, 0, Width, Height));
    brush->SetColor(ThemeColor(trCaptionFrame));
    Canvas->FrameRect(Rect(0, 0, Width, Height));
    TFont* font = Canvas->GetFont();
    font->Assign(GetFont());
    font->SetColor(ThemeColor(trCaptionText));
    brush->SetStyle(bsClear);
    std::string caption = GetCaption();
    int th = Canvas->TextHeight(caption.empty() ? std::string("Ag") : caption);
    int captionArea = GetCaptionHeight() - GetBorderWidth();
    Canvas->TextOut(GetBorderWidth() + 6, GetBorderWidth() + (captionArea - th) / 2 - 1, caption);
    brush->SetStyle(bsSolid);
}

std::unique_ptr<TBitmap> TCustomForm::Snapshot() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(std::max(1, GetWidth()), std::max(1, GetHeight()));
    TCanvas* canvas = bitmap->GetCanvas();
    DrawFrame(canvas, GetWidth(), GetHeight());
    PaintTo(canvas, GetBorderWidth(), GetCaptionHeight());
    return bitmap;
}

void TCustomForm::SaveToPNG(const std::string& FileName) { Snapshot()->SaveToFile(FileName); }

// =========================================================================================
TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

// =========================================================================================
TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

void TScreen::EndSession() {
    if (Screen == nullptr) return;
    // The forms the application owns, last made first (each leaves the list as it goes).
    if (Application != nullptr) {
        for (int i = Application->GetComponentCount() - 1; i >= 0; --i) {
            if (i >= Application->GetComponentCount()) continue;
            if (auto* form = dynamic_cast<TCustomForm*>(Application->GetComponent(i))) delete form;
        }
    }
    TScreen* screen = Screen;
    for (TCustomForm* form : screen->forms_) {
        if (form->nativeWindow_) Backend()->DestroyNativeWindow(form);
        form->nativeWindow_ = false;
    }
    screen->SetFocusedControl(nullptr);
    Screen = nullptr;
    delete screen;
}

TCustomForm* TScreen::GetForms(int Index) const {
    if (Index < 0 || Index >= GetFormCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return forms_[Index];
}

int TScreen::GetPixelsPerInch() const {
    if (pixelsPerInch_ == 0) pixelsPerInch_ = ScaleToPixelsPerInch(DisplayScale());
    return pixelsPerInch_;
}

void Testing::SetScreenPixelsPerInch(int Value) {
    if (Value != 0 && (Value < 24 || Value > 960))
        throw EInvalidOperation("PixelsPerInch must lie between 24 and 960, not " + std::to_string(Value));
    if (Screen != nullptr) Screen->pixelsPerInch_ = Value;
}

int TScreen::GetWidth() const { return Backend()->GetScreenSize().cx; }
int TScreen::GetHeight() const { return Backend()->GetScreenSize().cy; }

void TScreen::AddForm(TCustomForm* Form) { forms_.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), Form), forms_.end());
    if (activeForm_ == Form) {
        activeForm_ = nullptr;
        for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
            if ((*it)->GetVisible() && (*it)->activateOnShow_) {
                activeForm_ = *it;
                break;
            }
    }
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    if (Form == nullptr) {
        // The last visible form takes over.
        for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
            if ((*it)->GetVisible() && (*it)->activateOnShow_ && *it != activeForm_) {
                Form = *it;
                break;
            }
    }
    if (activeForm_ == Form) return;
    TCustomForm* old = activeForm_;
    activeForm_ = Form;
    if (old != nullptr) {
        old->Deactivate();
        NotifyAccessible(old, aeState, asActive);
    }
    if (Form != nullptr) {
        Form->Activate();
        NotifyAccessible(Form, aeState, asActive);
    }
}

void TScreen::SetCursor(TCursor Value) {
    if (cursor_ == Value) return;
    cursor_ = Value;
    UpdateCursor(cursorControl_);
}

void TScreen::UpdateCursor(TControl* UnderPointer) {
    cursorControl_ = UnderPointer;
    TCursor shown = cursor_;
    if (shown == crDefault) {
        for (TControl* c = UnderPointer; c != nullptr; c = c->GetParent()) {
            if (c->GetCursor() != crDefault) {
                shown = c->GetCursor();
                break;
            }
        }
    }
    if (shown == shownCursor_) return;
    shownCursor_ = shown;
    Backend()->SetCursor(shown);
}

}  // namespace vcl
