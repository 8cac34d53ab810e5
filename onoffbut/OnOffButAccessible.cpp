// What assistive tools read of the on/off button: a toggle button (a radio button in a
// group that keeps one on, a push button in speed-button mode) named by its texts, on
// while OnOff; its action does what a click on the glyph does.
#include "onoffbut/Zyn_onoffbut.h"
#include "platform/Accessibility.h"

namespace zyn {

class TOnOffButAccessible : public vcl::TControlAccessible {
public:
    explicit TOnOffButAccessible(TOnOffBut* Button) : TControlAccessible(Button), button_(Button) {}

    vcl::TAccRole GetRole() const override {
        if (IsDefunct()) return vcl::arUnknown;
        if (button_->GetMode() == oobmSpeedBut) return vcl::arPushButton;
        if (button_->GetGroupIndex() > 0 && !button_->GetAllowAllOff()) return vcl::arRadioButton;
        return vcl::arToggleButton;
    }
    vcl::TAccStates GetStates() const override {
        vcl::TAccStates s = TControlAccessible::GetStates();
        if (IsDefunct()) return s;
        s.Include(vcl::asCheckable);
        if (button_->GetOnOff()) s.Include(vcl::asChecked).Include(vcl::asPressed);
        return s;
    }
    vcl::TAccActions GetActions() const override {
        if (IsDefunct() || button_->GetMouseAction() == oomaNone) return {};
        return {button_->GetMode() == oobmSpeedBut ? vcl::aaPress : vcl::aaToggle};
    }
    bool DoAction(vcl::TAccAction Action) override {
        if (!GetActions().Contains(Action) || !button_->IsEnabledInTree()) return false;
        button_->PressSwitch();
        button_->ReleaseSwitch(true);
        return true;
    }

protected:
    // The texts around the glyph, top to bottom and left to right.
    std::string CaptionText() const override {
        std::string name;
        for (const std::string* t : {&button_->GetTopText(), &button_->GetLeftText(), &button_->GetRightText(),
                                     &button_->GetBottomText()}) {
            if (t->empty()) continue;
            if (!name.empty()) name += ' ';
            name += *t;
        }
        return name;
    }

private:
    TOnOffBut* button_;
};

std::shared_ptr<vcl::TControlAccessible> TOnOffBut::CreateAccessible() {
    return std::make_shared<TOnOffButAccessible>(this);
}

}  // namespace zyn
