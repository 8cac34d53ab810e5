// Modal forms, popup menus and the colour dialog driven by the headless scripts.
#include "ControlsTestSupport.h"

#include "platform/Dialogs.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

using DialogTest = zyn_test::ControlsTest;

TEST_F(DialogTest, ModalFormReturnsWhatTheScriptedUserDid) {
    TForm dialog(nullptr);
    dialog.SetCaption("Question");
    auto* edit = new TEdit(&dialog);
    edit->SetParent(&dialog);
    edit->SetBounds(8, 8, 120, 21);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetBounds(8, 40, 75, 25);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    std::vector<std::string> log;
    dialog.SetOnShow([&](TObject*) { log.push_back("show"); });
    dialog.SetOnClose([&](TObject*, TCloseAction&) { log.push_back("close"); });

    bool wasShowing = false;
    Testing::OnModal([&](TForm* f) {
        wasShowing = f == &dialog && f->GetVisible() && f->IsModal();
        // Other forms take no input while the dialog is up.
        Input::Click(form.get(), 5, 5);
        Input::TypeText(edit, "42");
        Input::KeyDown(edit, VK_RETURN);   // the default button
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(wasShowing);
    EXPECT_FALSE(dialog.GetVisible());
    EXPECT_EQ(edit->GetText(), "42");
    EXPECT_EQ(log, (std::vector<std::string>{"show", "close"}));
    EXPECT_GE(Testing::BeepCount(), 1);   // the click on the other form beeped
}

TEST_F(DialogTest, WithoutAScriptOrAResultTheAnswerIsCancel) {
    TForm dialog(nullptr);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    Testing::OnModal([](TForm* f) { f->Close(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    Testing::OnModal([](TForm* f) {
        f->Close();
        f->SetModalResult(mrOk);   // what the report list's OK button does
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    dialog.Show();
    EXPECT_THROW(dialog.ShowModal(), EInvalidOperation);
}

TEST_F(DialogTest, CloseQueryCanKeepANonModalFormOpen) {
    TForm other(nullptr);
    other.Show();
    bool allow = false;
    other.SetOnCloseQuery([&](TObject*, bool& CanClose) { CanClose = allow; });
    other.Close();
    EXPECT_TRUE(other.GetVisible());
    allow = true;
    other.Close();
    EXPECT_FALSE(other.GetVisible());
}

TEST_F(DialogTest, PopupMenuClicksTheItemTheScriptPicks) {
    std::vector<std::string> clicked;
    auto onClick = [&](TObject* s) { clicked.push_back(static_cast<TMenuItem*>(s)->GetCaption()); };
    TPopupMenu* menu = NewPopupMenu(form.get(), "Menu", paLeft, true,
                                    {NewItem("Insert row", 0, false, true, onClick, 0, "Ins"),
                                     NewLine(),
                                     NewItem("Delete row", ShortCut(VK_DELETE, {ssCtrl}), false, false, onClick, 0, "Del"),
                                     NewSubMenu("More", 0, "More", {NewItem("Sort", 0, true, true, onClick, 0, "Sort")})});
    ASSERT_EQ(menu->GetItems()->GetCount(), 4);
    TMenuItem* pick = nullptr;
    TPoint at;
    Testing::OnPopup([&](TPopupMenu* m, int X, int Y) {
        EXPECT_EQ(m, menu);
        at = {X, Y};
        return pick;
    });
    pick = menu->GetItems()->GetItems(0);
    menu->Popup(100, 120);
    EXPECT_EQ(at, TPoint(100, 120));
    EXPECT_EQ(clicked, std::vector<std::string>{"Insert row"});

    pick = menu->GetItems()->GetItems(2);   // disabled: nothing happens
    menu->Popup(0, 0);
    pick = menu->GetItems()->GetItems(1);   // a separator
    menu->Popup(0, 0);
    pick = menu->GetItems()->GetItems(3);   // opens a sub-menu only
    menu->Popup(0, 0);
    EXPECT_EQ(clicked.size(), 1u);
    pick = menu->GetItems()->Find("Sort");
    menu->Popup(0, 0);
    EXPECT_EQ(clicked.back(), "Sort");
    EXPECT_EQ(ShortCutToText(menu->GetItems()->GetItems(2)->GetShortCut()), "Ctrl+Del");

    // A right click on a control with the menu opens it at the screen point.
    auto* edit = Make<TEdit>(form.get(), 30, 40, 100, 21);
    edit->SetPopupMenu(menu);
    pick = nullptr;
    Input::Click(edit, 10, 5, {}, mbRight);
    EXPECT_EQ(at, edit->ClientToScreen({10, 5}));
    EXPECT_EQ(menu->GetPopupComponent(), edit);
}

TEST_F(DialogTest, ColorDialogUsesTheScriptOrItsOwnGridForm) {
    TColorDialog dialog(nullptr);
    dialog.SetColor(clRed);
    Testing::OnColorDialog([](TColorDialog* d) {
        d->SetColor(clGreen);
        return true;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.GetColor(), TColor(clGreen));

    // Without a colour script the dialog shows its form; the modal script works it.
    Testing::OnColorDialog(nullptr);
    Testing::OnModal([](TForm* f) {
        auto* grid = static_cast<TControl*>(f->FindComponent("ColorGrid"));
        ASSERT_NE(grid, nullptr);
        Input::Click(grid, 4 + 2 * 28 + 5, 4 + 1 * 24 + 5);   // row 1, column 2
        Input::Click(static_cast<TControl*>(f->FindComponent("OKButton")), 5, 5);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.GetColor(), TColorDialog::BasicColors[8 + 2]);
    Testing::OnModal([](TForm* f) { Input::KeyDown(f, VK_ESCAPE); });
    dialog.SetColor(clBlack);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.GetColor(), TColor(clBlack));
}

}  // namespace
