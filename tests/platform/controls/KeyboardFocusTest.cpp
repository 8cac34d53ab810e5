// Keyboard: focus and tab order, WM_NEXTDLGCTL, enter/exit, KeyPreview, dialog keys.
#include "tests/support/FormFixture.h"

#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

class KeyboardFocusTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        e1 = PlaceOn<TEdit>(form.get(), 10, 10, 100, 21, "E1");
        e2 = PlaceOn<TEdit>(form.get(), 10, 40, 100, 21, "E2");
        e3 = PlaceOn<TEdit>(form.get(), 10, 70, 100, 21, "E3");
    }
    TEdit *e1 = nullptr, *e2 = nullptr, *e3 = nullptr;
};

TEST_F(KeyboardFocusTest, TabAndShiftTabFollowTheTabOrder) {
    e1->SetFocus();
    EXPECT_TRUE(e1->Focused());
    Input::KeyDown(e1, VK_TAB);
    EXPECT_TRUE(e2->Focused());
    Input::KeyDown(e2, VK_TAB);
    EXPECT_TRUE(e3->Focused());
    Input::KeyDown(e3, VK_TAB);
    EXPECT_TRUE(e1->Focused());   // wraps
    Input::KeyDown(e1, VK_TAB, {ssShift});
    EXPECT_TRUE(e3->Focused());

    e2->SetTabStop(false);
    e1->SetFocus();
    Input::KeyDown(e1, VK_TAB);
    EXPECT_TRUE(e3->Focused());

    e2->SetTabStop(true);
    e3->SetTabOrder(0);
    EXPECT_EQ(e1->GetTabOrder(), 1);
    e3->SetFocus();
    Input::KeyDown(e3, VK_TAB);
    EXPECT_TRUE(e1->Focused());
}

TEST_F(KeyboardFocusTest, TabTypesNoCharacterAndAnEditKeepsItsText) {
    e1->SetText("abc");
    e1->SetFocus();
    Input::KeyDown(e1, VK_TAB);
    EXPECT_EQ(e1->GetText(), "abc");
    EXPECT_EQ(e2->GetText(), "");
}

TEST_F(KeyboardFocusTest, NextDlgCtlMovesTheFocus) {
    e1->SetFocus();
    form->Perform(WM_NEXTDLGCTL, 0, 0);
    EXPECT_TRUE(e2->Focused());
    form->Perform(WM_NEXTDLGCTL, 1, 0);
    EXPECT_TRUE(e1->Focused());
    form->Perform(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(e3->GetHandle()), 1);
    EXPECT_TRUE(e3->Focused());
    // A control may hand the request to its form; posted through the loop as well.
    PostMessage(e3->GetHandle(), WM_NEXTDLGCTL, 0, 0);
    Application->ProcessMessages();
    EXPECT_TRUE(e1->Focused());
}

TEST_F(KeyboardFocusTest, ExitOfTheOldControlComesBeforeEnterOfTheNew) {
    std::vector<std::string> log;
    for (TEdit* e : {e1, e2}) {
        e->SetOnEnter([&log](TObject* s) { log.push_back("enter " + static_cast<TComponent*>(s)->GetName()); });
        e->SetOnExit([&log](TObject* s) { log.push_back("exit " + static_cast<TComponent*>(s)->GetName()); });
    }
    e1->SetFocus();
    e2->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"enter E1", "exit E1", "enter E2"}));
    EXPECT_EQ(form->GetActiveControl(), e2);
    EXPECT_EQ(Screen->GetActiveControl(), e2);
}

TEST_F(KeyboardFocusTest, KeyPreviewGivesTheFormTheFirstLook) {
    std::vector<std::string> log;
    form->SetOnKeyDown([&](TObject*, WORD& Key, TShiftState) {
        log.push_back("form down");
        if (Key == 'X') Key = 0;
    });
    form->SetOnKeyPress([&](TObject*, char32_t& Key) {
        log.push_back("form press");
        if (Key == U'x') Key = 0;
    });
    e1->SetOnKeyDown([&](TObject*, WORD&, TShiftState) { log.push_back("edit down"); });
    e1->SetOnKeyPress([&](TObject*, char32_t&) { log.push_back("edit press"); });

    Input::KeyDown(e1, 'A');
    EXPECT_EQ(log, std::vector<std::string>{"edit down"});   // no preview yet

    form->SetKeyPreview(true);
    log.clear();
    Input::KeyDown(e1, 'A');
    Input::KeyPress(e1, U'a');
    EXPECT_EQ(log, (std::vector<std::string>{"form down", "edit down", "form press", "edit press"}));

    log.clear();
    Input::KeyDown(e1, 'X');
    Input::KeyPress(e1, U'x');
    EXPECT_EQ(log, (std::vector<std::string>{"form down", "form press"}));
    EXPECT_EQ(e1->GetText(), "a");   // the swallowed x was not typed
}

TEST_F(KeyboardFocusTest, ClearingEnterInKeyDownStillDeliversTheCharacter) {
    std::vector<std::string> log;
    e1->SetOnKeyDown([&](TObject*, WORD& Key, TShiftState) {
        if (Key == VK_RETURN) Key = 0;
    });
    e1->SetOnKeyPress([&](TObject*, char32_t& Key) { log.push_back(std::to_string(int(Key))); });
    Input::KeyDown(e1, VK_RETURN);
    EXPECT_EQ(log, std::vector<std::string>{"13"});
}

TEST_F(KeyboardFocusTest, EnterAndEscapeClickTheDefaultAndCancelButtons) {
    auto* ok = PlaceOn<TButton>(form.get(), 200, 10, 75, 25, "OK");
    auto* cancel = PlaceOn<TButton>(form.get(), 200, 40, 75, 25, "Cancel");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    int okClicks = 0, cancelClicks = 0, chars = 0;
    ok->SetOnClick([&](TObject*) { ++okClicks; });
    cancel->SetOnClick([&](TObject*) { ++cancelClicks; });
    e1->SetOnKeyPress([&](TObject*, char32_t&) { ++chars; });
    e1->SetFocus();
    Input::KeyDown(e1, VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(form->GetModalResult(), mrOk);
    EXPECT_EQ(chars, 0);   // the form used the key: no character follows
    Input::KeyDown(e1, VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_EQ(form->GetModalResult(), mrCancel);
    // A focused button takes Enter itself; Space clicks it on release.
    cancel->SetFocus();
    Input::KeyDown(cancel, VK_RETURN);
    EXPECT_EQ(cancelClicks, 2);
    EXPECT_EQ(okClicks, 1);
    Input::KeyDown(cancel, VK_SPACE);
    EXPECT_EQ(cancelClicks, 2);
    Input::KeyUp(cancel, VK_SPACE);
    EXPECT_EQ(cancelClicks, 3);
}

TEST_F(KeyboardFocusTest, ArrowsMoveAmongButtonsButStayInsideAnEdit) {
    auto* b1 = PlaceOn<TButton>(form.get(), 200, 10, 75, 25, "B1");
    auto* b2 = PlaceOn<TButton>(form.get(), 200, 40, 75, 25, "B2");
    b1->SetFocus();
    Input::KeyDown(b1, VK_DOWN);
    EXPECT_TRUE(b2->Focused());
    e1->SetText("abc");
    e1->SetFocus();
    Input::KeyDown(e1, VK_DOWN);
    EXPECT_TRUE(e1->Focused());
}

TEST_F(KeyboardFocusTest, FocusLeavesControlsThatAreHiddenDisabledOrFreed) {
    e2->SetFocus();
    e2->SetEnabled(false);
    EXPECT_FALSE(e2->Focused());
    e3->SetFocus();
    e3->SetVisible(false);
    EXPECT_FALSE(e3->Focused());
    e1->SetFocus();
    delete e1;
    e1 = nullptr;
    EXPECT_EQ(Screen->GetActiveControl(), nullptr);
    EXPECT_EQ(form->GetActiveControl(), nullptr);
    EXPECT_THROW(e3->SetFocus(), EInvalidOperation);
}

TEST_F(KeyboardFocusTest, TheFocusCueIsDrawnOnlyWhileTheControlHasTheKeyboard) {
    TBitmap bmp;
    bmp.SetSize(20, 20);
    bmp.GetCanvas()->GetBrush()->SetColor(clWhite);
    bmp.GetCanvas()->FillRect(TRect(0, 0, 20, 20));
    e1->SetFocus();
    EXPECT_FALSE(e2->DrawFocusCue(bmp.GetCanvas(), TRect(2, 2, 12, 12)));
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(2, 2), clWhite);
    EXPECT_TRUE(e1->DrawFocusCue(bmp.GetCanvas(), TRect(2, 2, 12, 12)));
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(2, 2), clBlack);   // the dotted XOR frame
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(3, 2), clWhite);
    EXPECT_EQ(bmp.GetCanvas()->GetPixels(6, 6), clWhite);

    TLabel label(nullptr);   // a control without a window never has the keyboard here
    EXPECT_FALSE(label.HasKeyboardFocus());
}

}  // namespace
