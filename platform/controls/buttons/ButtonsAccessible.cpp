// What assistive tools read of the push button, the check box, the label and the speed
// button.
#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/buttons/Button.h"
#include "platform/controls/buttons/Label.h"
#include "platform/controls/buttons/SpeedButton.h"

namespace vcl {

namespace {

// A control that runs when pressed; the press does what a click of the user does.
class TPushAccessible : public TControlAccessible {
public:
    using TControlAccessible::TControlAccessible;
    TAccRole GetRole() const override { return arPushButton; }
    TAccActions GetActions() const override { return {aaPress}; }
    bool DoAction(TAccAction Action) override {
        TControl* c = GetControl();
        if (Action != aaPress || c == nullptr || !c->IsEnabledInTree()) return false;
        Press();
        return true;
    }

protected:
    virtual void Press() = 0;
    std::string CaptionText() const override { return StripAccelerator(TControlAccessible::CaptionText()); }
};

class TButtonAccessible : public TPushAccessible {
public:
    explicit TButtonAccessible(TButton* Button) : TPushAccessible(Button), button_(Button) {}

protected:
    void Press() override { button_->Click(); }

private:
    TButton* button_;
};

class TCheckBoxAccessible : public TControlAccessible {
public:
    explicit TCheckBoxAccessible(TCheckBox* Box) : TControlAccessible(Box), box_(Box) {}
    TAccRole GetRole() const override { return arCheckBox; }
    TAccStates GetStates() const override {
        TAccStates s = TControlAccessible::GetStates();
        if (IsDefunct()) return s;
        s.Include(asCheckable);
        if (box_->GetChecked()) s.Include(asChecked);
        return s;
    }
    TAccActions GetActions() const override { return {aaToggle}; }
    bool DoAction(TAccAction Action) override {
        if (Action != aaToggle || IsDefunct() || !box_->IsEnabledInTree()) return false;
        box_->Toggle();
        return true;
    }

protected:
    std::string CaptionText() const override { return StripAccelerator(TControlAccessible::CaptionText()); }

private:
    TCheckBox* box_;
};

class TLabelAccessible : public TControlAccessible, public TAccText {
public:
    using TControlAccessible::TControlAccessible;
    TAccRole GetRole() const override { return arLabel; }
    TAccText* GetText() override { return this; }
    std::string GetAccText() const override { return CaptionText(); }

protected:
    std::string CaptionText() const override {
        auto* label = dynamic_cast<const TCustomLabel*>(GetControl());
        std::string caption = TControlAccessible::CaptionText();
        return label != nullptr && label->GetShowAccelChar() ? StripAccelerator(caption) : caption;
    }
};

// A speed button in a group stays down: a toggle button whose pressed state is Down.
class TSpeedButtonAccessible : public TPushAccessible {
public:
    explicit TSpeedButtonAccessible(TSpeedButton* Button) : TPushAccessible(Button), button_(Button) {}
    TAccRole GetRole() const override {
        return !IsDefunct() && button_->GetGroupIndex() != 0 ? arToggleButton : arPushButton;
    }
    TAccStates GetStates() const override {
        TAccStates s = TPushAccessible::GetStates();
        if (!IsDefunct() && button_->GetDown()) s.Include(asPressed).Include(asChecked);
        return s;
    }

protected:
    // As a click: a grouped button goes down (or up where its group allows), then OnClick.
    void Press() override {
        if (button_->GetGroupIndex() != 0) button_->SetDown(!button_->GetDown());
        button_->Click();
    }

private:
    TSpeedButton* button_;
};

}  // namespace

std::shared_ptr<TControlAccessible> TButton::CreateAccessible() { return std::make_shared<TButtonAccessible>(this); }
std::shared_ptr<TControlAccessible> TCheckBox::CreateAccessible() { return std::make_shared<TCheckBoxAccessible>(this); }
std::shared_ptr<TControlAccessible> TCustomLabel::CreateAccessible() { return std::make_shared<TLabelAccessible>(this); }
std::shared_ptr<TControlAccessible> TSpeedButton::CreateAccessible() {
    return std::make_shared<TSpeedButtonAccessible>(this);
}

}  // namespace vcl
