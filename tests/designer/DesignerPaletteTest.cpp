// The designer window's palette icons and its tab order dialog, worked through the dialog's
// own buttons and keys on the headless backend.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "apps/designer/program/DesignerForm.h"
#include "apps/designer/program/PaletteBox.h"
#include "apps/designer/program/TabOrderDialog.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"

namespace {

using namespace vcl;
using designer::TDesignModel;

class DesignerPalette : public ::testing::Test {
protected:
    void SetUp() override {
        Application->SetVirtualClock(true);
        Testing::ResetInput();
    }
    void TearDown() override { Testing::ResetInput(); }
};

// Every class the palette offers has an icon drawn for it, at every artwork size, with its
// coverage: a new component is not done until the resource generator draws it one.
TEST_F(DesignerPalette, EveryPaletteClassHasItsOwnIconAtEverySize) {
    int classes = 0;
    for (const designer::TPaletteGroup& g : designer::PaletteGroups())
        for (const std::string& c : g.Classes) {
            ++classes;
            EXPECT_EQ(designer::PaletteIconFor(c), designer::PaletteIconName(c)) << c << " has no icon of its own";
            for (const auto& [suffix, side] : {std::pair{"", 24}, std::pair{"@150", 36}, std::pair{"@200", 48}}) {
                for (const char* part : {"", "_ALPHA"}) {
                    const std::string name = designer::PaletteIconName(c) + part + suffix;
                    ASSERT_TRUE(FindResourceData(HInstance, name)) << name;
                    TBitmap b;
                    b.LoadFromResourceName(HInstance, name);
                    EXPECT_EQ(b.GetWidth(), side) << name;
                    EXPECT_EQ(b.GetHeight(), side) << name;
                }
            }
        }
    EXPECT_GT(classes, 20);
    EXPECT_EQ(designer::PaletteIconFor("TNoSuchClass"), "PAL_GENERIC");
    EXPECT_TRUE(FindResourceData(HInstance, "PAL_GENERIC@200"));
}

int IndexOf(vcl::TListBox* List, const std::string& Item) {
    for (int i = 0; i < List->GetCount(); ++i)
        if (List->GetItems()->Get(i) == Item) return i;
    return -1;
}

// The icon is composited on the row's own ground (the list colour, or the selection's): the
// corner nothing covers is that ground, the fully covered body is the artwork unchanged.
TEST_F(DesignerPalette, IconsShowOnTheRowsGroundAtTheWindowsDensity) {
    auto form = std::make_unique<designer::TDesignerForm>(nullptr, "");
    form->Show();
    designer::TPaletteBox* p = form->Palette();
    const int button = IndexOf(p, "TButton");
    ASSERT_GE(button, 0);
    ASSERT_EQ(IndexOf(p, "-- Windowed controls"), 0);

    TBitmap sheet, alpha;
    sheet.LoadFromResourceName(HInstance, "PAL_TBUTTON");
    alpha.LoadFromResourceName(HInstance, "PAL_TBUTTON_ALPHA");
    TPoint body(12, 9);   // inside the button's face, fully covered
    ASSERT_EQ(alpha.GetCanvas()->GetPixels(body.X, body.Y) & 0xFF, 0xFFu);
    ASSERT_EQ(alpha.GetCanvas()->GetPixels(0, 0) & 0xFF, 0u);
    for (TColor ground : {TColor(clWindow), TColor(0x202020), TColor(clHighlight)}) {
        TBitmap icon;
        p->IconOf(button, ground, &icon);
        ASSERT_EQ(icon.GetWidth(), 24);
        EXPECT_EQ(icon.GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, ColorToRGB(ground) & 0xFFFFFF);
        EXPECT_EQ(icon.GetCanvas()->GetPixels(body.X, body.Y) & 0xFFFFFF, sheet.GetCanvas()->GetPixels(body.X, body.Y) & 0xFFFFFF);
    }
    TBitmap none;
    p->IconOf(0, clWindow, &none);   // a group title has none
    EXPECT_EQ(none.GetWidth(), 0);

    // The row shows the icon, then the text past it.
    TBitmap shot;
    shot.SetSize(p->GetWidth(), p->GetHeight());
    p->PaintTo(shot.GetCanvas(), 0, 0);
    TRect r = p->ItemRect(button);
    const int top = r.Top + (r.Height() - 24) / 2, left = r.Left + 3;
    EXPECT_EQ(shot.GetCanvas()->GetPixels(left + body.X, top + body.Y) & 0xFFFFFF,
              sheet.GetCanvas()->GetPixels(body.X, body.Y) & 0xFFFFFF);

    // Twice the density: the 48 pixel artwork, in rows twice as high.
    const int rowAt96 = p->GetItemHeight();
    form->ScaleBy(2, 1);
    ASSERT_EQ(p->GetCurrentPPI(), 192);
    EXPECT_EQ(p->GetItemHeight(), 2 * rowAt96);
    TBitmap big, big200;
    p->IconOf(button, clWindow, &big);
    big200.LoadFromResourceName(HInstance, "PAL_TBUTTON@200");
    ASSERT_EQ(big.GetWidth(), 48);
    EXPECT_EQ(big.GetCanvas()->GetPixels(24, 18) & 0xFFFFFF, big200.GetCanvas()->GetPixels(24, 18) & 0xFFFFFF);
}

// ---- the tab order dialog ----------------------------------------------------------------

std::vector<std::string> Order(TDesignModel& M) {
    std::vector<std::string> n;
    for (TWinControl* w : TDesignModel::TabOrderOf(M.Form())) n.push_back(w->GetName());
    return n;
}

template <class C>
C* Child(TForm* F, const std::string& Caption = {}) {
    for (int i = 0; i < F->GetComponentCount(); ++i)
        if (auto* c = dynamic_cast<C*>(F->GetComponent(i)))
            if (Caption.empty() || GetPropText(c, "Caption") == Caption) return c;
    return nullptr;
}

class TabOrderDialog : public DesignerPalette {
protected:
    void SetUp() override {
        DesignerPalette::SetUp();
        owner = std::make_unique<TForm>(nullptr);
        owner->Show();
        m.Drop("TEdit", nullptr, Bounds(8, 8, 100, 24));
        m.Drop("TButton", nullptr, Bounds(8, 40, 80, 24));
        m.Drop("TCheckBox", nullptr, Bounds(8, 70, 100, 20));
        m.Drop("TMemo", nullptr, Bounds(8, 100, 100, 60));
        m.Drop("TLabel", nullptr, Bounds(120, 8, 60, 16));   // no tab stop: not listed
    }
    std::unique_ptr<TForm> owner;
    TDesignModel m;
};

TEST_F(TabOrderDialog, ButtonsAndKeysMoveTheEntryAndOKWritesTheOrder) {
    std::vector<std::string> shown;
    Testing::OnModal([&](TForm* f) {
        auto* list = Child<TListBox>(f);
        auto* up = Child<TButton>(f, "&Up");
        auto* down = Child<TButton>(f, "&Down");
        auto* ok = Child<TButton>(f, "OK");
        ASSERT_TRUE(list && up && down && ok);
        for (int i = 0; i < list->GetCount(); ++i) shown.push_back(list->GetItems()->Get(i));
        EXPECT_EQ(list->GetItemIndex(), 0);
        Input::Click(down, 5, 5);   // Edit1 one place down, still chosen
        EXPECT_EQ(list->GetItems()->Get(1), "Edit1: TEdit");
        EXPECT_EQ(list->GetItemIndex(), 1);
        Input::Click(down, 5, 5);
        EXPECT_EQ(list->GetItemIndex(), 2);
        // Ctrl+Down moves it on; plain Down only chooses the next entry.
        Input::KeyDown(list, VK_DOWN, TShiftState{ssCtrl});
        EXPECT_EQ(list->GetItems()->Get(3), "Edit1: TEdit");
        Input::KeyDown(list, VK_DOWN, TShiftState{ssCtrl});   // at the end: stays
        EXPECT_EQ(list->GetItemIndex(), 3);
        Input::KeyDown(list, VK_UP);   // Memo1 chosen, nothing moved
        EXPECT_EQ(list->GetItemIndex(), 2);
        EXPECT_EQ(list->GetItems()->Get(2), "Memo1: TMemo");
        Input::KeyDown(list, VK_UP, TShiftState{ssCtrl});
        Input::Click(up, 5, 5);   // Memo1 to the top
        EXPECT_EQ(list->GetItems()->Get(0), "Memo1: TMemo");
        Input::Click(ok, 5, 5);
    });
    EXPECT_TRUE(designer::EditTabOrder(owner.get(), m));
    EXPECT_EQ(shown, (std::vector<std::string>{"Edit1: TEdit", "Button1: TButton", "CheckBox1: TCheckBox", "Memo1: TMemo"}));
    EXPECT_EQ(Order(m), (std::vector<std::string>{"Memo1", "Button1", "CheckBox1", "Edit1"}));
    EXPECT_EQ(dynamic_cast<TWinControl*>(m.Find("Memo1"))->GetTabOrder(), 0);
    EXPECT_EQ(dynamic_cast<TWinControl*>(m.Find("Edit1"))->GetTabOrder(), 3);
    // One step back undoes the whole reordering.
    m.Undo();
    EXPECT_EQ(Order(m), (std::vector<std::string>{"Edit1", "Button1", "CheckBox1", "Memo1"}));
}

TEST_F(TabOrderDialog, CancelAndEscapeLeaveTheOrderAsItWas) {
    const std::string before = m.SaveText();
    Testing::OnModal([&](TForm* f) {
        auto* list = Child<TListBox>(f);
        Input::Click(Child<TButton>(f, "&Down"), 5, 5);
        Input::KeyDown(list, VK_DOWN, TShiftState{ssCtrl});
        Input::Click(Child<TButton>(f, "Cancel"), 5, 5);
    });
    EXPECT_FALSE(designer::EditTabOrder(owner.get(), m));
    Testing::OnModal([&](TForm* f) {
        auto* list = Child<TListBox>(f);
        Input::KeyDown(list, VK_DOWN, TShiftState{ssCtrl});
        Input::KeyDown(list, VK_ESCAPE);
    });
    EXPECT_FALSE(designer::EditTabOrder(owner.get(), m));
    EXPECT_EQ(Order(m), (std::vector<std::string>{"Edit1", "Button1", "CheckBox1", "Memo1"}));
    EXPECT_EQ(dynamic_cast<TWinControl*>(m.Find("Edit1"))->GetTabOrder(), 0);
    EXPECT_EQ(m.SaveText(), before);
}

// Enter in the list is the default button: the order is written.
TEST_F(TabOrderDialog, EnterAcceptsTheOrder) {
    Testing::OnModal([&](TForm* f) {
        auto* list = Child<TListBox>(f);
        Input::KeyDown(list, VK_DOWN, TShiftState{ssCtrl});
        Input::KeyDown(list, VK_RETURN);
    });
    EXPECT_TRUE(designer::EditTabOrder(owner.get(), m));
    EXPECT_EQ(Order(m), (std::vector<std::string>{"Button1", "Edit1", "CheckBox1", "Memo1"}));
}

}  // namespace
