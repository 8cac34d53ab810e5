// Modal forms, popup menus and the colour dialog driven by the headless scripts.
#include "tests/support/FormFixture.h"
#include "platform/Classes.h"
#include "platform/Dialogs.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

using DialogTest = zyn_test::FormFixture;

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
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F12, {ssShift})), "Shift+F12");

    // A right click on a control with the menu opens it at the screen point.
    auto* edit = PlaceOn<TEdit>(form.get(), 30, 40, 100, 21);
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

namespace {

// Published properties: a form with controls survives a trip through its form file text.
TEST(PublishedTest, FormFileRoundTripKeepsControlsAndTheirProperties) {
    Testing::ResetInput();
    TForm form(nullptr);
    form.SetName("Form1");
    form.SetCaption("Settings");
    form.SetKeyPreview(true);
    auto* edit = new TEdit(&form);
    edit->SetName("Edit1");
    edit->SetParent(&form);
    edit->SetBounds(8, 8, 150, 21);
    edit->SetText("a 'quoted' € text");
    edit->SetMaxLength(40);
    auto* box = new TCheckBox(&form);
    box->SetName("Check1");
    box->SetParent(&form);
    box->SetBounds(8, 40, 120, 17);
    box->SetCaption("On");
    box->SetState(cbChecked);
    auto* label = new TLabel(&form);
    label->SetName("Label1");
    label->SetParent(&form);
    label->SetCaption("Caption");
    label->GetFont()->SetStyle({fsBold});
    std::string text = WriteComponentText(&form);
    EXPECT_NE(text.find("object Edit1: TEdit"), std::string::npos) << text;
    EXPECT_EQ(text.find("TabStop"), std::string::npos) << text;   // defaults are not written

    TForm copy(nullptr);
    ReadRootText(text, &copy);
    auto* edit2 = dynamic_cast<TEdit*>(copy.FindComponent("Edit1"));
    auto* box2 = dynamic_cast<TCheckBox*>(copy.FindComponent("Check1"));
    auto* label2 = dynamic_cast<TLabel*>(copy.FindComponent("Label1"));
    ASSERT_NE(edit2, nullptr);
    ASSERT_NE(box2, nullptr);
    ASSERT_NE(label2, nullptr);
    EXPECT_EQ(copy.GetCaption(), "Settings");
    EXPECT_TRUE(copy.GetKeyPreview());
    EXPECT_EQ(edit2->GetParent(), &copy);
    EXPECT_EQ(edit2->GetBoundsRect(), Rect(8, 8, 158, 29));
    EXPECT_EQ(edit2->GetText(), "a 'quoted' € text");
    EXPECT_EQ(edit2->GetMaxLength(), 40);
    EXPECT_EQ(box2->GetState(), cbChecked);
    EXPECT_TRUE(label2->GetFont()->GetStyle().Contains(fsBold));
    EXPECT_FALSE(label2->GetParentFont());
    EXPECT_EQ(label2->GetWidth(), label->GetWidth());
}

}  // namespace
