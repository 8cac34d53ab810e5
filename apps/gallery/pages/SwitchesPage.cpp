// Page "Switches": a plant room control panel. A wall of on/off buttons shows every glyph
// style with its name; an operating-mode group of radio buttons sits transparently on a
// tinted panel (one mode is always selected); a horn works as a speed button (on only
// while held); a locked switch shows the engraved look of a disabled button; and two
// repeating buttons step a setpoint, once per press and repeatedly while held.
#include <algorithm>
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "onoffbut/Zyn_onoffbut.h"
#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "repsbut/Zyn_repsbut.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

const char* const kStyleNames[] = {
    "User pictures",  "Check box",      "Radio button",   "Slider, vertical", "Slider, horizontal",
    "Colour, vertical", "Colour, horizontal",  "LED red/green",  "Arrow, corner",    "Arrow up/down",
    "Arrow left/right", "Pedestrian light", "Beveled LED", "Smiley",          "Smiley red/green",
    "Bulb",           "Lamp button",    "Drive, left",    "Drive, right",     "User 1",
    "User 2",         "User 3",         "User 4",         "User 5",
};

constexpr TColor kPanelTint = TColor(0xE6EFE2);
constexpr int kCellW = 128, kCellH = 78;
constexpr int kLowerTop = 352;   // headings of the lower row; its controls 22 pixels below

class SwitchesPage {
public:
    explicit SwitchesPage(PageContext& Page) : page_(Page) {
        Heading(20, 8, "Plant room 2: switch wall (every style)");
        BuildStyleWall();
        Heading(20, kLowerTop, "Operating mode");
        BuildModeGroup();
        Heading(300, kLowerTop, "Signals");
        BuildSignals();
        Heading(560, kLowerTop, "Supply temperature");
        BuildSetpoint();
    }

private:
    void Heading(int X, int Y, const std::string& Text) {
        auto* l = new TLabel(page_.Form);
        l->SetParent(page_.Host);
        l->SetBounds(X, Y, 300, 18);
        l->SetCaption(Text);
        l->GetFont()->SetStyle({fsBold});
    }

    // One button per style, its name below the glyph; both centred in the cell together.
    void BuildStyleWall() {
        for (int s = oobsUser; s <= oobsUser5; ++s) {
            auto* b = new TOnOffBut(page_.Form);
            b->SetName("Style" + IntToStr(s));
            b->SetParent(page_.Host);
            b->SetBounds(20 + (s % 6) * kCellW, 30 + (s / 6) * kCellH, kCellW - 4, kCellH - 4);
            b->SetButtonStyle(static_cast<TOnOffButStyle>(s));
            b->SetColorBackgnd(clWindow);
            b->SetFrameStyle(frSingle);
            b->SetBottomText(kStyleNames[s]);
            b->SetOnOff(s % 3 != 1);
            const int textHeight = 16;
            b->SetAutoCenter(false);
            b->SetLeftSpace((b->GetWidth() - b->GetGlyphWidth()) / 2);
            b->SetTopSpace((b->GetHeight() - b->GetGlyphHeight() - 4 - textHeight) / 2);
            b->SetOnClick([this, s, b](TObject*) {
                page_.Record("style", std::string(kStyleNames[s]) + (b->GetOnOff() ? " on" : " off"));
            });
            wall_[s] = b;
        }
        page_.Watch("bulb", [this] { return wall_[oobsBulb]->GetOnOff() ? "on" : "off"; });
    }

    // Three radio buttons drawn transparently on a tinted panel; one is always on.
    void BuildModeGroup() {
        auto* panel = new TPanel(page_.Form);
        panel->SetParent(page_.Host);
        panel->SetBounds(20, kLowerTop + 22, 250, 124);
        panel->SetBevelOuter(bvLowered);
        panel->SetCaption("");
        page_.FollowTheme([panel] { panel->SetColor(ThemePick(kPanelTint, RGB(0x26, 0x32, 0x2C), clBlack)); });
        const char* modes[] = {"Off", "Manual", "Automatic"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new TOnOffBut(page_.Form);
            b->SetName("Mode" + IntToStr(i));
            b->SetParent(panel);
            b->SetBounds(12, 8 + i * 36, 226, 34);
            b->SetButtonStyle(oobsRadioBut);
            b->SetTransparent(true);
            b->SetFrameStyle(frNone);
            b->SetAutoCenter(false);
            b->SetLeftSpace(6);
            b->SetRightText(modes[i]);
            b->SetMouseAction(oomaPlain);
            b->SetAllowAllOff(false);
            b->SetGroupIndex(1);
            b->SetOnClick([this, i, modes](TObject*) { page_.Record("mode", modes[i]); });
            mode_[i] = b;
        }
        mode_[2]->SetOnOff(true);
        page_.Watch("mode", [this] {
            for (int i = 0; i < 3; ++i)
                if (mode_[i]->GetOnOff()) return IntToStr(i);
            return std::string("none");
        });
    }

    // A horn that sounds only while held, and a locked service switch.
    void BuildSignals() {
        auto* horn = new TOnOffBut(page_.Form);
        horn->SetParent(page_.Host);
        horn->SetBounds(300, kLowerTop + 22, 230, 56);
        horn->SetButtonStyle(oobsButLamp);
        horn->SetMode(oobmSpeedBut);
        horn->SetMouseAction(oomaPlain);
        horn->SetAutoCenter(false);
        horn->SetLeftSpace(8);
        horn->SetRightText("Horn (hold)");
        horn->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int, int) { page_.Record("horn", "on"); });
        horn->SetOnClick([this](TObject*) { page_.Record("horn", "off"); });

        auto* locked = new TOnOffBut(page_.Form);
        locked->SetParent(page_.Host);
        locked->SetBounds(300, kLowerTop + 86, 230, 60);
        locked->SetButtonStyle(oobsCheckbox);
        locked->SetAutoCenter(false);
        locked->SetLeftSpace(12);
        locked->SetRightText("Service mode (locked)");
        locked->SetTopText("Maintenance");
        locked->SetTopTextAlignment(taLeftJustify);
        locked->SetTopSpace(26);
        locked->SetEnabled(false);
    }

    // A setpoint stepped by two repeating buttons.
    void BuildSetpoint() {
        value_ = new TLabel(page_.Form);
        value_->SetParent(page_.Host);
        value_->SetAutoSize(false);
        value_->SetBounds(604, kLowerTop + 22, 120, 30);
        value_->GetFont()->SetSize(16);
        value_->SetAlignment(taCenter);
        Stepper(560, "-", -1);
        Stepper(728, "+", +1);
        auto* hint = new TLabel(page_.Form);
        hint->SetParent(page_.Host);
        hint->SetAutoSize(false);
        hint->SetBounds(560, kLowerTop + 64, 210, 60);
        hint->SetWordWrap(true);
        hint->SetCaption("A press steps once; held, a button steps again after half a second, then five times a second.");
        Show();
        page_.Watch("setpoint", [this] { return IntToStr(tenths_); });
    }

    void Stepper(int X, const std::string& Caption, int Direction) {
        auto* b = new TRepSpeedButton(page_.Form);
        b->SetParent(page_.Host);
        b->SetBounds(X, kLowerTop + 22, 40, 30);
        b->SetCaption(Caption);
        b->GetFont()->SetSize(14);
        auto step = [this, Direction] {
            tenths_ = std::clamp(tenths_ + 5 * Direction, 50, 900);
            Show();
            page_.Record("step", IntToStr(tenths_));
        };
        // One step on the press, more while the button is held.
        b->SetOnMouseDown([step](TObject*, TMouseButton Button, TShiftState, int, int) {
            if (Button == mbLeft) step();
        });
        b->SetOnRepeatClick([step](TObject*) { step(); });
    }

    void Show() {
        value_->SetCaption(IntToStr(tenths_ / 10) + "." + IntToStr(tenths_ % 10) + " \xC2\xB0" "C");
    }

    PageContext page_;
    TOnOffBut* wall_[oobsUser5 + 1] = {};
    TOnOffBut* mode_[3] = {};
    TLabel* value_ = nullptr;
    int tenths_ = 215;
};

}  // namespace

void BuildSwitchesPage(PageContext& Page) { Page.Keep(std::make_unique<SwitchesPage>(Page)); }

}  // namespace gallery
