#include "platform/controls/base/ControlAccessible.h"

#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"

namespace vcl {

// ---- TControl's side -----------------------------------------------------------------------

std::shared_ptr<TControlAccessible> TControl::GetAccessible() {
    if (!accessible_) accessible_ = CreateAccessible();
    return accessible_;
}

std::shared_ptr<TControlAccessible> TControl::CreateAccessible() {
    return std::make_shared<TControlAccessible>(this);
}

void TControl::DetachAccessible() {
    if (accessible_) accessible_->Detach();
}

void TControl::SetAccessibleName(const std::string& Value) {
    if (accessibleName_ == Value) return;
    accessibleName_ = Value;
    NotifyAccessible(this, aeName);
}

// ---- TControlAccessible ------------------------------------------------------------------

namespace {

// The label on the control's form whose FocusControl is Control.
const TControl* LabelOf(const TControl* Control) {
    const TWinControl* root = GetParentForm(Control);
    if (root == nullptr) {
        root = Control->GetParent();
        while (root != nullptr && root->GetParent() != nullptr) root = root->GetParent();
    }
    if (root == nullptr) return nullptr;
    std::vector<const TWinControl*> todo{root};
    while (!todo.empty()) {
        const TWinControl* w = todo.back();
        todo.pop_back();
        for (int i = 0; i < w->GetControlCount(); ++i) {
            const TControl* c = w->Controls(i);
            if (c->GetLabelledControl() == Control) return c;
            if (auto* cw = dynamic_cast<const TWinControl*>(c)) todo.push_back(cw);
        }
    }
    return nullptr;
}

bool CanTakeKeyboard(const TControl* C) {
    if (auto* g = dynamic_cast<const TGraphicControl*>(C)) return g->GetKeyboardFocusable();
    if (auto* w = dynamic_cast<const TWinControl*>(C)) return w->GetTabStop() || dynamic_cast<const TCustomForm*>(C);
    return false;
}

}  // namespace

void TControlAccessible::Detach() {
    if (control_ == nullptr) return;
    DetachItems();
    control_ = nullptr;
}

TAccRole TControlAccessible::GetRole() const {
    if (control_ == nullptr) return arUnknown;
    if (dynamic_cast<const TCustomForm*>(control_)) return arFrame;
    if (dynamic_cast<const TWinControl*>(control_)) return arPanel;
    return arUnknown;
}

std::string TControlAccessible::GetName() const {
    if (control_ == nullptr) return {};
    if (!control_->GetAccessibleName().empty()) return control_->GetAccessibleName();
    if (CaptionIsName()) {
        std::string caption = CaptionText();
        if (!caption.empty()) return caption;
    }
    if (const TControl* label = LabelOf(control_)) {
        auto labelAcc = const_cast<TControl*>(label)->GetAccessible();
        std::string caption = labelAcc->CaptionText();
        if (!caption.empty()) return caption;
    }
    return control_->GetHint();
}

std::string TControlAccessible::CaptionText() const {
    return control_ != nullptr ? control_->GetCaption() : std::string();
}

std::string StripAccelerator(const std::string& Caption) {
    std::string out;
    out.reserve(Caption.size());
    for (std::size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == '&' && i + 1 < Caption.size()) ++i;
        else if (Caption[i] == '&') continue;
        out += Caption[i];
    }
    return out;
}

std::string TControlAccessible::GetDescription() const {
    if (control_ == nullptr || control_->GetHint() == GetName()) return {};
    return control_->GetHint();
}

TAccStates TControlAccessible::GetStates() const {
    TAccStates s;
    if (control_ == nullptr) return s;
    if (control_->IsEnabledInTree()) s.Include(asEnabled);
    if (control_->GetVisible()) s.Include(asVisible);
    if (control_->GetShowing()) s.Include(asShowing);
    if (CanTakeKeyboard(control_)) s.Include(asFocusable);
    if (input::FocusedControl() == control_) s.Include(asFocused);
    return s;
}

TRect TControlAccessible::GetScreenBounds() const {
    if (control_ == nullptr) return {};
    TRect in = control_->NonClientInsets();
    TPoint origin = control_->GetClientOrigin();
    return Bounds(origin.X - in.Left, origin.Y - in.Top, control_->GetWidth(), control_->GetHeight());
}

TAccessiblePtr TControlAccessible::GetParent() const {
    if (control_ == nullptr || control_->GetParent() == nullptr) return nullptr;
    return control_->GetParent()->GetAccessible();
}

int TControlAccessible::GetChildCount() const {
    auto* w = dynamic_cast<const TWinControl*>(control_);
    return w != nullptr ? w->GetControlCount() : 0;
}

TAccessiblePtr TControlAccessible::GetChild(int Index) {
    auto* w = dynamic_cast<TWinControl*>(control_);
    if (w == nullptr || Index < 0 || Index >= w->GetControlCount()) return nullptr;
    return w->Controls(Index)->GetAccessible();
}

bool TControlAccessible::GrabFocus() {
    if (control_ == nullptr || !CanTakeKeyboard(control_) || !control_->GetShowing()) return false;
    if (auto* w = dynamic_cast<TWinControl*>(control_)) {
        if (!w->CanFocus()) return false;
        if (TCustomForm* form = GetParentForm(w); form != nullptr && form != w) form->Show();
        w->SetFocus();
    } else if (auto* g = dynamic_cast<TGraphicControl*>(control_)) {
        if (!g->CanFocus()) return false;
        if (TCustomForm* form = GetParentForm(g)) form->Show();
        g->SetFocus();
    }
    return input::FocusedControl() == control_;
}

// ---- events ------------------------------------------------------------------------------

namespace accessibility {

void RaiseForControl(TControl* Control, TAccEventKind Kind, TAccState State, int Index) {
    if (Control == nullptr || Control->GetComponentState().Contains(csDestroying)) return;
    const bool window = Control->GetParent() == nullptr && Kind == aeState && (State == asVisible || State == asActive) &&
                        dynamic_cast<const TCustomForm*>(Control) != nullptr;
    if (Kind != aeFocus && !window && !Control->HasAccessible()) return;
    if (Control->HasAccessible() && Control->GetAccessible()->IsDefunct()) return;
    Raise({Kind, Control->GetAccessible(), State, Index});
}

void ControlMessage(TControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
    case CM_ENTER:
        // The window chain hears CM_ENTER down to the control; only the one that has the
        // keyboard in the end took the focus.
        if (input::FocusedControl() == Control) RaiseForControl(Control, aeFocus, asFocused, -1);
        break;
    case CM_ENABLEDCHANGED: RaiseForControl(Control, aeState, asEnabled, -1); break;
    case CM_VISIBLECHANGED: RaiseForControl(Control, aeState, asVisible, -1); break;
    case CM_TEXTCHANGED:
        // The caption is the name of most controls, the content of edits; a numeric
        // field's value follows its text.
        if (Control->HasAccessible()) {
            auto acc = Control->GetAccessible();
            RaiseForControl(Control, acc->GetText() ? aeText : aeName, asEnabled, -1);
            if (acc->GetValue()) RaiseForControl(Control, aeValue, asEnabled, -1);
        }
        break;
    case CM_CONTROLLISTCHANGE: {
        auto* child = reinterpret_cast<TControl*>(WParam);
        auto* w = dynamic_cast<TWinControl*>(Control);
        if (w == nullptr || w->GetComponentState().Contains(csDestroying) || !w->HasAccessible() ||
            w->GetAccessible()->IsDefunct())
            break;
        // A removed child is out of the list already; its index is gone with it.
        int index = -1;
        if (LParam != 0)
            for (int i = 0; i < w->GetControlCount(); ++i)
                if (w->Controls(i) == child) index = i;
        TAccessiblePtr childObject = child != nullptr && child->HasAccessible() ? child->GetAccessible() : nullptr;
        Raise({LParam != 0 ? aeChildAdded : aeChildRemoved, w->GetAccessible(), asEnabled, index, childObject});
        break;
    }
    default: break;
    }
}

}  // namespace accessibility
}  // namespace vcl
