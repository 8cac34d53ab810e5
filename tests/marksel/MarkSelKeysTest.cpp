// The mark selector's keys and focus cue, on a shown form: the arrows move the focused mark
// through the marks in view, Enter and Space choose it as a click does, and the cue frames
// it only while the selector has the keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "marksel/Zyn_marksel.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"
#include "tests/support/FormFixture.h"

using namespace zyn;
using vcl::TColor;

namespace {

constexpr TColor Face = 0xF0F0F0;   // clBtnFace
constexpr TColor Red = 0x0000FF;

// A 164 x 124 selector at (10, 10) beside an edit: cells of 20 x 20, mark n of row r,
// column c at (10 + 20c, 10 + 20r); its cell box runs from 3 pixels left of and above the
// cell to 2 pixels right of and below it: (20c + 3, 20r + 3) to (20c + 22, 20r + 22).
class MarkSelKeys : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        edit = PlaceOn<vcl::TEdit>(form.get(), 200, 10, 100, 21);
        sel = PlaceOn<TMarkSel>(form.get(), 10, 10, 164, 124);
        sel->SetOnClick([this](vcl::TObject*) { log.push_back("click"); });
        sel->SetOnMarkClick([this](vcl::TObject*, int X, int Y, int Mark) {
            log.push_back("mark " + std::to_string(Mark) + " at " + std::to_string(X) + "," + std::to_string(Y));
        });
        vcl::Application->ProcessMessages();
    }
    void Key(vcl::WORD K) {
        vcl::Input::KeyDown(sel, K);
        vcl::Input::KeyUp(sel, K);
    }
    TColor At(int X, int Y) { return Pixel(10 + X, 10 + Y); }
    // How many pixels of the top row of the cell box of the mark in column C, row R differ
    // from Base, and whether each of them is Base inverted (the dotted XOR frame).
    int CueDots(int C, int R, TColor Base = Face) {
        int changed = 0;
        for (int x = 20 * C + 3; x <= 20 * C + 22; ++x) {
            const TColor p = At(x, 20 * R + 3);
            if (p == Base) continue;
            EXPECT_EQ(p, Base ^ 0xFFFFFF) << x;
            ++changed;
        }
        return changed;
    }

    vcl::TEdit* edit = nullptr;
    TMarkSel* sel = nullptr;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(MarkSelKeys, ArrowsMoveThroughTheMarksAndEnterAndSpaceChooseAsAClick) {
    sel->SetFocus();
    EXPECT_TRUE(sel->Focused());
    EXPECT_EQ(sel->GetFocusedMark(), 0);
    for (vcl::WORD k : {vcl::VK_RIGHT, vcl::VK_RIGHT, vcl::VK_DOWN}) Key(k);
    EXPECT_EQ(sel->GetFocusedMark(), 10);
    Key(vcl::VK_LEFT);
    Key(vcl::VK_UP);
    EXPECT_EQ(sel->GetFocusedMark(), 1);
    EXPECT_EQ(sel->GetSelected(), -1);           // moving chooses nothing
    EXPECT_TRUE(log.empty());
    Key(vcl::VK_RETURN);                         // the framework's click, then the mark's
    EXPECT_EQ(sel->GetSelected(), 1);
    EXPECT_EQ(sel->GetHighlighted(), 1);
    Key(vcl::VK_DOWN);
    Key(vcl::VK_SPACE);
    EXPECT_EQ(sel->GetSelected(), 9);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "mark 1 at 30,10", "click", "mark 9 at 30,30"}));
    // The edge of the marks in view: the last row holds 40..47, 48..51 lie below.
    for (int i = 0; i < 8; ++i) Key(vcl::VK_DOWN);
    EXPECT_EQ(sel->GetFocusedMark(), 41);
    // Keys with Ctrl or Alt are not the selector's.
    vcl::Input::KeyDown(sel, vcl::VK_LEFT, {vcl::ssCtrl});
    EXPECT_EQ(sel->GetFocusedMark(), 41);
}

TEST_F(MarkSelKeys, KeysReachTheSelectorOnlyWhileItHasTheKeyboard) {
    edit->SetFocus();
    vcl::Input::KeyDown(edit, vcl::VK_RIGHT);    // the keyboard is on the edit
    vcl::Input::KeyDown(edit, vcl::VK_RETURN);
    EXPECT_EQ(sel->GetFocusedMark(), 0);
    EXPECT_EQ(sel->GetSelected(), -1);
    // A click gives the selector the keyboard, which goes on from the clicked mark.
    vcl::Input::Click(sel, 70, 50);              // mark 19
    EXPECT_TRUE(sel->Focused());
    EXPECT_EQ(sel->GetFocusedMark(), 19);
    Key(vcl::VK_RIGHT);
    EXPECT_EQ(sel->GetFocusedMark(), 20);
    // Tab moves on to the edit, Shift+Tab comes back.
    Key(vcl::VK_TAB);
    EXPECT_TRUE(edit->Focused());
    vcl::Input::KeyDown(edit, vcl::VK_TAB, {vcl::ssShift});
    EXPECT_TRUE(sel->Focused());
    // A mark hidden while focused: the keyboard falls back on the selected mark.
    sel->SetVis(20, false);
    EXPECT_EQ(sel->GetFocusedMark(), 19);
}

TEST_F(MarkSelKeys, EnterIsTheSelectorsWhileFocusedEscapeStaysTheForms) {
    auto* ok = PlaceOn<vcl::TButton>(form.get(), 200, 60, 75, 25);
    auto* cancel = PlaceOn<vcl::TButton>(form.get(), 200, 90, 75, 25);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    int okClicks = 0, cancelClicks = 0;
    ok->SetOnClick([&](vcl::TObject*) { ++okClicks; });
    cancel->SetOnClick([&](vcl::TObject*) { ++cancelClicks; });
    sel->SetFocus();
    Key(vcl::VK_RETURN);
    EXPECT_EQ(sel->GetSelected(), 0);
    EXPECT_EQ(okClicks, 0);
    Key(vcl::VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    // Without the keyboard the selector leaves Enter to the form.
    edit->SetFocus();
    sel->SetSelected(-1);
    vcl::Input::KeyDown(edit, vcl::VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(sel->GetSelected(), -1);
}

// Mark 9 (column 1, row 1) has its cell box at (23, 23) - (42, 42), mark 10 at (43, 23).
TEST_F(MarkSelKeys, TheCueFramesTheFocusedMarkOnlyWhileFocused) {
    sel->SetFocus();
    vcl::Application->ProcessMessages();
    EXPECT_EQ(CueDots(0, 0), 10);                // every second pixel of the top row
    EXPECT_EQ(At(3, 2), Face);                   // just outside the box
    EXPECT_EQ(At(3, 23), Face);                  // the row below mark 0's box
    Key(vcl::VK_DOWN);
    Key(vcl::VK_RIGHT);                          // mark 9
    EXPECT_EQ(CueDots(0, 0), 0);                 // the old cell is drawn without it
    EXPECT_EQ(CueDots(1, 1), 10);
    EXPECT_EQ(At(23, 33) == Face, At(23, 34) != Face);   // the left edge: dotted
    EXPECT_EQ(At(24, 24), Face);                 // inside the box: untouched
    // On the selected mark the cue dots the navy box.
    Key(vcl::VK_RETURN);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(CueDots(1, 1, 0x800000), 10);
    // Focus gone: the picture is the one a selector never focused shows.
    edit->SetFocus();
    vcl::Application->ProcessMessages();
    EXPECT_EQ(CueDots(1, 1, 0x800000), 0);
    EXPECT_EQ(At(23, 34), 0x800000u);
}

TEST_F(MarkSelKeys, TheHoverHighlightAndTheCueLeaveEachOtherAlone) {
    sel->SetFocus();
    vcl::Application->ProcessMessages();
    vcl::Input::MouseMove(sel, 31, 29);          // highlight on mark 9
    EXPECT_EQ(At(25, 25), Red);
    Key(vcl::VK_DOWN);
    Key(vcl::VK_RIGHT);                          // the keyboard onto the highlighted mark
    EXPECT_EQ(At(25, 25), Red);                  // the highlight stays
    EXPECT_EQ(CueDots(1, 1), 10);
    Key(vcl::VK_RIGHT);                          // and off it again
    EXPECT_EQ(At(25, 25), Red);
    EXPECT_EQ(CueDots(1, 1), 0);
    EXPECT_EQ(CueDots(2, 1), 10);
    // The pointer leaving mark 10 after passing over it redraws its cell with the cue.
    vcl::Input::MouseMove(sel, 51, 29);
    vcl::Input::MouseMove(sel, 71, 29);
    EXPECT_EQ(At(45, 25), Face);
    EXPECT_EQ(CueDots(2, 1), 10);
    // Focus leaving and coming back redraw the focused cell only.
    edit->SetFocus();
    EXPECT_EQ(CueDots(2, 1), 0);
    EXPECT_EQ(At(65, 25), Red);                  // mark 11 stays highlighted
    sel->SetFocus();
    EXPECT_EQ(CueDots(2, 1), 10);
    EXPECT_EQ(At(65, 25), Red);
}

TEST_F(MarkSelKeys, AFocusedSelectorWithoutFocusLooksAsBefore) {
    const auto before = Render(sel);
    sel->SetFocus();
    Key(vcl::VK_RIGHT);
    edit->SetFocus();
    const auto after = Render(sel);
    for (int y = 0; y < sel->GetHeight(); ++y)
        for (int x = 0; x < sel->GetWidth(); ++x)
            ASSERT_EQ(Pixel(before.get(), x, y), Pixel(after.get(), x, y)) << x << "," << y;
}
