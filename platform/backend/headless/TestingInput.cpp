// The testing interface: injected input through the dispatcher, the dialog scripts and what
// the headless backend showed (presented regions, cursor, hints).
#include "platform/backend/headless/TestingInput.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/ColorDialog.h"
#include "platform/controls/forms/DragEngine.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/HintWindow.h"
#include "platform/controls/forms/Menus.h"
#include "platform/core/Application.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {

// Tests reach this file through the functions below, so the headless backend is always
// registered before the first form asks for a backend.
const bool kRegistered = (RegisterHeadlessBackend(), true);

struct Pointer {
    TCustomForm* form = nullptr;
    TPoint at{-1, -1};
};

Pointer& LastPointer() {
    static Pointer p;
    return p;
}

// The control's form (shown if hidden) and the point in its client area.
TCustomForm* Prepare(TControl* Control, int X, int Y, TPoint& P) {
    if (Control == nullptr) throw EInvalidOperation("Input needs a control");
    TCustomForm* form = GetParentForm(Control);
    if (form == nullptr)
        throw EInvalidOperation("Control '" + Control->GetName() + "' is not on a form");
    if (!form->GetVisible()) {
        form->Show();
        Application->ProcessMessages();
    }
    P = Control == form ? TPoint(X, Y) : Control->ClientToParent({X, Y}, form);
    return form;
}

void MoveTo(TCustomForm* Form, TPoint P, TShiftState Shift) {
    Pointer& last = LastPointer();
    if (last.form == Form && last.at == P) return;
    if (last.form != nullptr && last.form != Form) input::MouseLeaveWindow(last.form);
    last.form = Form;
    last.at = P;
    input::MouseMove(Form, P, Shift);
}

TShiftState ButtonState(TMouseButton Button) {
    switch (Button) {
    case mbLeft: return {ssLeft};
    case mbRight: return {ssRight};
    default: return {ssMiddle};
    }
}

// Keys go to the focused control of the form; for a key press a windowed control takes
// the focus first. A key release goes wherever the focus is now (the key's press may have
// moved it, as Tab does).
TCustomForm* PrepareKeys(TControl* Control, bool Focus = true) {
    TPoint p;
    TCustomForm* form = Prepare(Control, 0, 0, p);
    if (!Focus) return form;
    if (auto* w = dynamic_cast<TWinControl*>(Control); w != nullptr && w != form && !w->Focused()) {
        if (w->CanFocus()) w->SetFocus();
    } else if (auto* g = dynamic_cast<TGraphicControl*>(Control); g != nullptr && !g->Focused()) {
        if (g->CanFocus()) g->SetFocus();
    }
    return form;
}

}  // namespace

namespace Input {

void MouseMove(TControl* Control, int X, int Y, TShiftState Shift) {
    TPoint p;
    TCustomForm* form = Prepare(Control, X, Y, p);
    LastPointer().at = {-1, -1};   // an explicit move is always delivered
    MoveTo(form, p, Shift);
    Application->ProcessMessages();
}

void MouseDown(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y) {
    TPoint p;
    TCustomForm* form = Prepare(Control, X, Y, p);
    MoveTo(form, p, Shift);
    input::MouseButton(form, Button, true, p, Shift | ButtonState(Button));
    Application->ProcessMessages();
}

void MouseUp(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y) {
    TPoint p;
    TCustomForm* form = Prepare(Control, X, Y, p);
    MoveTo(form, p, Shift | ButtonState(Button));
    input::MouseButton(form, Button, false, p, Shift - ButtonState(Button));
    Application->ProcessMessages();
}

void Click(TControl* Control, int X, int Y, TShiftState Shift, TMouseButton Button) {
    input::ResetClickSequence();
    MouseDown(Control, Button, Shift, X, Y);
    MouseUp(Control, Button, Shift, X, Y);
}

void DblClick(TControl* Control, int X, int Y) {
    input::ResetClickSequence();
    MouseDown(Control, mbLeft, {}, X, Y);
    MouseUp(Control, mbLeft, {}, X, Y);
    MouseDown(Control, mbLeft, {}, X, Y);
    MouseUp(Control, mbLeft, {}, X, Y);
}

void Wheel(TControl* Control, int Delta, int X, int Y, TShiftState Shift) {
    TPoint p;
    TCustomForm* form = Prepare(Control, X, Y, p);
    MoveTo(form, p, Shift);
    input::MouseWheel(form, Delta, p, Shift);
    Application->ProcessMessages();
}

void KeyDown(TControl* Control, WORD Key, TShiftState Shift, bool Repeat) {
    TCustomForm* form = PrepareKeys(Control, !Repeat);
    input::Key(form, Key, true, Shift, Repeat);
    Application->ProcessMessages();
}

void KeyUp(TControl* Control, WORD Key, TShiftState Shift) {
    TCustomForm* form = PrepareKeys(Control, false);
    input::Key(form, Key, false, Shift);
    Application->ProcessMessages();
}

void KeyPress(TControl* Control, char32_t Ch) {
    TCustomForm* form = PrepareKeys(Control);
    input::SetModifierState({});
    input::Char(form, Ch);
    Application->ProcessMessages();
}

void TypeText(TControl* Control, const std::string& Utf8) {
    for (char32_t ch : Utf8ToCodePoints(Utf8)) {
        WORD key = 0;
        if (ch == U'\r' || ch == U'\n') key = VK_RETURN;
        else if (ch == U'\t') key = VK_TAB;
        else if (ch == 8) key = VK_BACK;
        if (key != 0) {
            KeyDown(Control, key);
            KeyUp(Control, key);
        } else {
            KeyPress(Control, ch);
        }
    }
}

}  // namespace Input

namespace Testing {

void OnModal(std::function<void(TForm* Form)> Script) { THeadlessBackend::ModalScript() = std::move(Script); }

void OnPopup(std::function<TMenuItem*(TPopupMenu* Menu, int X, int Y)> Script) {
    THeadlessBackend::PopupScript() = std::move(Script);
}

void OnColorDialog(std::function<bool(TColorDialog* Dialog)> Script) {
    THeadlessBackend::ColorDialogScript() = std::move(Script);
}

void ResetInput() {
    OnModal(nullptr);
    OnPopup(nullptr);
    OnColorDialog(nullptr);
    DragEngine::Reset();
    SetCaptureControl(nullptr);
    input::ResetClickSequence();
    input::SetModifierState({});
    LastPointer() = Pointer();
    hints::Reset();
}

int PresentCount() {
    THeadlessBackend* b = THeadlessBackend::Current();
    return b != nullptr ? b->PresentCount() : 0;
}

TCursor ShownCursor() {
    THeadlessBackend* b = THeadlessBackend::Current();
    return b != nullptr ? b->Cursor() : crDefault;
}

bool HintShowing() { return ShownHintWindow() != nullptr; }

std::string HintText() {
    THintWindow* w = ShownHintWindow();
    return w != nullptr ? w->GetHintText() : std::string();
}

}  // namespace Testing
}  // namespace vcl
