// The popup menu window as a person uses it: a backend with a person (scripted here
// through its event source) runs the window's own loop.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

#include "platform/Accessibility.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"
#include "platform/Themes.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/forms/PopupWindow.h"
#include "tests/support/AccessibilityRecorder.h"

using namespace vcl;

namespace {

// Each wait of the loop performs the next step of the "person"; with nothing left to do
// the loop is told to end, so a broken window can never hang the test.
class ScriptedSource : public TEventSource {
public:
    std::deque<std::function<void()>> steps;
    bool WaitAndDispatch(int) override {
        if (steps.empty()) {
            Application->Terminate();
            return false;
        }
        auto step = std::move(steps.front());
        steps.pop_front();
        step();
        return true;
    }
    void Wake() override {}
};

class PersonBackend : public TBackend {
public:
    explicit PersonBackend(ScriptedSource* Source) : source_(Source) {}
    std::string Name() const override { return "person"; }
    bool IsInteractive() const override { return true; }
    void CreateNativeWindow(TCustomForm*) override {}
    void DestroyNativeWindow(TCustomForm*) override {}
    void ShowNativeWindow(TCustomForm*, bool) override {}
    void UpdateNativeWindow(TCustomForm*) override {}
    void Present(TCustomForm*, const std::vector<TRect>&) override {}
    void SetCursor(TCursor) override {}
    void SetCapture(TCustomForm*, bool) override {}
    TEventSource* GetEventSource() override { return source_; }
    bool WantsVirtualClock() const override { return true; }

private:
    ScriptedSource* source_;
};

class PopupWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Testing::ResetInput();
        SetBackend(std::make_unique<PersonBackend>(&source));
        auto click = [this](TObject* s) { clicked.push_back(static_cast<TMenuItem*>(s)->GetCaption()); };
        menu = std::make_unique<TPopupMenu>(nullptr);
        menu->GetItems()->Add({NewItem("Copy", ShortCut('C', {ssCtrl}), false, true, click, 0, ""), NewLine(),
                               NewItem("Disabled", 0, false, false, click, 0, ""),
                               NewItem("Checked", 0, true, true, click, 0, ""),
                               NewSubMenu("More", 0, "", {NewItem("Deeper", 0, false, true, click, 0, "")})});
    }
    void TearDown() override {
        menu.reset();
        Application->ResetTerminated();
        SetBackend(std::make_unique<THeadlessBackend>());
        Testing::ResetInput();
    }
    // The menu window showing now (the newest form).
    static TMenuWindow* Window() { return dynamic_cast<TMenuWindow*>(Screen->GetActiveForm()); }
    static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
    void ClickItem(int Index) {
        source.steps.push_back([Index] {
            TMenuWindow* w = Window();
            ASSERT_NE(w, nullptr);
            TPoint p = Centre(w->ItemRect(Index));
            input::MouseMove(w, p, {});
            input::MouseButton(w, mbLeft, true, p, {ssLeft});
            input::MouseButton(w, mbLeft, false, p, {});
        });
    }

    ScriptedSource source;
    std::unique_ptr<TPopupMenu> menu;
    std::vector<std::string> clicked;
};

TEST_F(PopupWindowTest, AClickOnAnItemChoosesIt) {
    source.steps.push_back([] {
        TMenuWindow* w = Window();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->GetLeft(), 200);
        EXPECT_EQ(w->GetTop(), 150);
        std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
        TPoint p = Centre(w->ItemRect(3));
        input::MouseMove(w, p, {});
        Application->ProcessMessages();
        EXPECT_EQ(w->GetHotIndex(), 3);
        w->SaveToPNG(std::string(ZYN_TEST_OUTPUT_DIR) + "/popup.png");
    });
    ClickItem(2);   // disabled: the menu stays open
    ClickItem(3);
    menu->Popup(200, 150);
    EXPECT_EQ(clicked, std::vector<std::string>{"Checked"});
    EXPECT_EQ(Window(), nullptr);
}

TEST_F(PopupWindowTest, KeysMoveSkippingSeparatorsAndEscapeCancels) {
    auto key = [this](WORD k) {
        source.steps.push_back([k] {
            input::Key(Window(), k, true, {});
            input::Key(Window(), k, false, {});
        });
    };
    key(VK_DOWN);
    key(VK_DOWN);   // over the separator to "Disabled"
    key(VK_DOWN);
    key(VK_RETURN);
    menu->Popup(10, 10);
    EXPECT_EQ(clicked, std::vector<std::string>{"Checked"});
    key(VK_DOWN);
    key(VK_ESCAPE);
    menu->Popup(10, 10);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(PopupWindowTest, SubMenusOpenBesideTheirItemAndAPressOutsideCancels) {
    ClickItem(4);   // "More" opens the sub-menu
    source.steps.push_back([] {
        TMenuWindow* sub = Window();
        ASSERT_NE(sub, nullptr);
        EXPECT_GT(sub->GetLeft(), 300 + 80);   // right of the first window
        EXPECT_FALSE(sub->ItemRect(0).IsEmpty());
        EXPECT_TRUE(sub->ItemRect(1).IsEmpty());   // one item only
    });
    ClickItem(0);   // "Deeper"
    menu->Popup(300, 100);
    EXPECT_EQ(clicked, std::vector<std::string>{"Deeper"});

    TForm other(nullptr);
    other.SetBounds(0, 0, 100, 100);
    other.Show();
    source.steps.push_back([&other] {
        input::MouseButton(&other, mbLeft, true, {5, 5}, {ssLeft});
        input::MouseButton(&other, mbLeft, false, {5, 5}, {});
    });
    menu->Popup(300, 100);
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_FALSE(Application->GetTerminated());   // closed by the press, not by running dry
}

// A context menu opened from a control on a form at 192 dpi is drawn at that density: rows
// of 44 pixels (22 at 96), separators of 18, a margin of 4, the font at 192 dpi, a tick
// twice as large and thick; a sub-menu takes its parent window's density.
TEST_F(PopupWindowTest, AMenuTakesTheDensityOfTheControlThatOpensIt) {
    const int height96 = TForm(nullptr).GetFont()->GetHeight();
    TForm owner(nullptr);
    owner.SetPixelsPerInch(192);
    owner.SetBounds(0, 0, 300, 200);
    auto* target = new TButton(&owner);
    target->SetParent(&owner);
    owner.Show();
    menu->SetPopupComponent(target);
    source.steps.push_back([height96] {
        TMenuWindow* w = Window();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->GetPixelsPerInch(), 192);
        EXPECT_EQ(w->GetFont()->GetPixelsPerInch(), 192);
        EXPECT_EQ(w->GetFont()->GetHeight(), MulDiv(height96, 192, 96));
        EXPECT_EQ(w->ItemRect(0), Rect(4, 4, w->GetClientWidth() - 4, 48));
        EXPECT_EQ(w->ItemRect(1).Height(), 18);   // the separator
        EXPECT_EQ(w->ItemRect(2).Top, 66);
        input::Key(w, VK_DOWN, true, {});   // the first item turns hot
        ASSERT_EQ(w->GetHotIndex(), 0);
        TBitmap shot;
        shot.SetPixelFormat(pf32bit);
        shot.SetSize(w->GetWidth(), w->GetHeight());
        w->PaintTo(shot.GetCanvas(), 0, 0);
        TCanvas* c = shot.GetCanvas();
        auto px = [c](int x, int y) { return ColorToRGB(c->GetPixels(x, y)) & 0xFFFFFF; };
        const TColor hot = ColorToRGB(ThemeColor(trMenuHot)) & 0xFFFFFF;
        const TColor face = ColorToRGB(ThemeColor(trMenuFace)) & 0xFFFFFF;
        const TColor glyph = ColorToRGB(ThemeColor(trMenuGlyph)) & 0xFFFFFF;
        EXPECT_EQ(px(6, 4), hot);
        EXPECT_EQ(px(6, 47), hot);
        EXPECT_EQ(px(6, 48), face);
        // The caption is centred in the row in the 192 dpi font: above and below its line
        // the row is plain, within it the caption's pixels show.
        TBitmap measure;
        measure.SetSize(1, 1);
        measure.GetCanvas()->GetFont()->Assign(w->GetFont());
        const int th = measure.GetCanvas()->TextHeight("Copy");
        const int top = 4 + (44 - th) / 2, tw = measure.GetCanvas()->TextWidth("Copy");
        auto inkIn = [&](int y0, int y1) {
            int n = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = 4 + 56; x < 4 + 56 + tw; ++x) n += px(x, y) != hot;
            return n;
        };
        EXPECT_EQ(inkIn(4, top), 0);
        EXPECT_GT(inkIn(top, top + th), 0);
        EXPECT_EQ(inkIn(top + th, 48), 0);
        // The tick of "Checked": its lowest point (12, 13) of the row at 96 dpi, four rows
        // thick at 192.
        TRect r = w->ItemRect(3);
        for (int d = 0; d < 4; ++d) EXPECT_EQ(px(r.Left + 24, r.Top + 26 + d), glyph) << d;
        EXPECT_EQ(px(r.Left + 24, r.Top + 30), face);
    });
    ClickItem(4);   // "More" opens the sub-menu at the same density
    source.steps.push_back([] {
        TMenuWindow* sub = Window();
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->GetPixelsPerInch(), 192);
        EXPECT_EQ(sub->ItemRect(0).Height(), 44);
        input::Key(sub, VK_ESCAPE, true, {});
    });
    source.steps.push_back([] { input::Key(Window(), VK_ESCAPE, true, {}); });
    menu->Popup(100, 100);
    EXPECT_TRUE(clicked.empty());
    // Without an opener the menu follows the screen, 96 dpi here.
    menu->SetPopupComponent(nullptr);
    source.steps.push_back([] {
        ASSERT_NE(Window(), nullptr);
        EXPECT_EQ(Window()->ItemRect(0).Height(), 22);
        input::Key(Window(), VK_ESCAPE, true, {});
    });
    menu->Popup(100, 100);
}

// A tool reads the shown menu as a menu of items, hears the hot one take the focus and
// chooses through the items' press actions: a sub-menu opens from the window's own loop
// (the tool's request has returned by then), where the tool chooses again.
TEST_F(PopupWindowTest, AnAssistiveToolReadsTheItemsAndChoosesThroughThem) {
    zyn_test::AccessibilityRecorder heard;
    source.steps.push_back([&heard] {
        TMenuWindow* w = Window();
        ASSERT_NE(w, nullptr);
        auto acc = w->GetAccessible();
        EXPECT_EQ(acc->GetRole(), arMenu);
        EXPECT_EQ(acc->GetParent(), nullptr);
        ASSERT_EQ(acc->GetChildCount(), 5);
        EXPECT_EQ(acc->GetChild(5), nullptr);
        auto copy = acc->GetChild(0), line = acc->GetChild(1), disabled = acc->GetChild(2);
        auto checked = acc->GetChild(3), more = acc->GetChild(4);
        EXPECT_EQ(copy->GetRole(), arMenuItem);
        EXPECT_EQ(copy->GetName(), "Copy");
        EXPECT_EQ(copy->GetParent(), acc);
        EXPECT_EQ(copy->GetIndexInParent(), 0);
        EXPECT_EQ(line->GetRole(), arSeparator);
        EXPECT_TRUE(line->GetActions().Empty());
        EXPECT_FALSE(disabled->HasState(asEnabled));
        EXPECT_FALSE(disabled->DoAction(aaPress));
        EXPECT_TRUE(checked->HasState(asCheckable));
        EXPECT_TRUE(checked->HasState(asChecked));
        EXPECT_FALSE(copy->HasState(asChecked));
        EXPECT_TRUE(more->HasState(asExpandable));
        TRect r = w->ItemRect(4);
        TPoint o = w->ClientToScreen({r.Left, r.Top});
        EXPECT_EQ(more->GetScreenBounds(), Bounds(o.X, o.Y, r.Width(), r.Height()));
        EXPECT_EQ(acc->GetChildAtPoint({o.X + 3, o.Y + 3}), more);

        input::Key(w, VK_DOWN, true, {});
        EXPECT_EQ(heard.Last(aeFocus), copy);
        EXPECT_TRUE(copy->HasState(asSelected));
        EXPECT_EQ(acc->GetSelection()->GetSelectedChildren(), std::vector<int>{0});
        EXPECT_TRUE(more->DoAction(aaPress));
        EXPECT_EQ(Window(), w);   // not yet: the loop opens it
    });
    source.steps.push_back([] {
        TMenuWindow* sub = Window();
        ASSERT_NE(sub, nullptr);
        auto deeper = sub->GetAccessible()->GetChild(0);
        ASSERT_NE(deeper, nullptr);
        EXPECT_EQ(deeper->GetName(), "Deeper");
        EXPECT_TRUE(deeper->DoAction(aaPress));
        EXPECT_FALSE(deeper->DoAction(aaPress));   // chosen already
    });
    menu->Popup(300, 100);
    EXPECT_EQ(clicked, std::vector<std::string>{"Deeper"});
    // The windows were told as they opened and closed, and their items are defunct now.
    EXPECT_GE(heard.Count(aeState), 4);
}

}  // namespace
