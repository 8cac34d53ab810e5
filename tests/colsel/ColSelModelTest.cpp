// The colour selector's table, palettes, selection by colour, names through the event,
// clicks, the colour dialog on the colour bar and form files.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "colsel/Zyn_Colsel.h"
#include "platform/Dialogs.h"
#include "tests/support/FormFixture.h"
#include "platform/Classes.h"

using namespace zyn;
using vcl::TColor;

namespace {

class ColSelModel : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        sel = PlaceOn<TColSel>(form.get(), 10, 10, 180, 22);
        sel->LoadExtendedPalette();
        vcl::Application->ProcessMessages();
    }
    TColSel* sel = nullptr;
};

}  // namespace

TEST(ColSelCreate, ARunTimeSelectorShowsNoItemsUntilFilled) {
    TColSel s(nullptr);
    EXPECT_EQ(s.GetStyle(), vcl::csOwnerDrawFixed);
    EXPECT_FALSE(s.GetSorted());
    EXPECT_EQ(s.GetNumColors(), 20);
    EXPECT_EQ(s.GetItems()->Count(), 0);
    EXPECT_EQ(s.GetSelColor(), vcl::clBlack);
    EXPECT_EQ(s.GetSelColorID(), "");             // no item selected
    EXPECT_EQ(s.GetArrayColorName(12), "clYellow");
    EXPECT_FALSE(s.GetArrayAllowEdit(1));
    s.SetNumColors(16);
    EXPECT_EQ(s.GetItems()->Count(), 16);
    EXPECT_EQ(s.GetItemIndex(), 0);
    EXPECT_EQ(s.GetSelColorID(), "clBlack");
}

TEST_F(ColSelModel, NumColorsOutsideTheTableIsIgnored) {
    sel->SetSelColor(vcl::clRed);
    for (int bad : {0, 48, -1}) {
        sel->SetNumColors(bad);
        EXPECT_EQ(sel->GetNumColors(), 20) << bad;
        EXPECT_EQ(sel->GetSelIx(), 10) << bad;
    }
    sel->SetNumColors(16);
    EXPECT_EQ(sel->GetNumColors(), 16);
    EXPECT_EQ(sel->GetItems()->Count(), 16);
    EXPECT_EQ(sel->GetSelIx(), 1);
    EXPECT_EQ(sel->GetItemIndex(), 0);
    sel->SetNumColors(47);
    EXPECT_EQ(sel->GetItems()->Get(46), "clGradientActiveCaption");
}

TEST_F(ColSelModel, PalettesFillTheFirstEntries) {
    std::vector<std::string> offered;
    sel->SetOnColorNameChange([&](vcl::TObject* S, std::string& Name) {
        EXPECT_EQ(S, sel);
        offered.push_back(Name);
    });
    sel->SetSelColor(vcl::clBlue);
    offered.clear();
    sel->LoadWindowsSystemPalette();
    EXPECT_EQ(sel->GetNumColors(), 27);
    EXPECT_EQ(sel->GetSelIx(), 1);
    EXPECT_EQ(sel->GetItemIndex(), 0);
    EXPECT_EQ(sel->GetArrayColor(1), vcl::clScrollBar);
    EXPECT_EQ(sel->GetArrayColor(27), vcl::clGradientActiveCaption);
    EXPECT_EQ(sel->GetItems()->Get(16), "clBtnShadow");
    ASSERT_EQ(offered.size(), 27u);                // each name goes through the event
    EXPECT_EQ(offered.front(), "clScrollBar");
    sel->LoadBasicVGAPalette();
    EXPECT_EQ(sel->GetNumColors(), 16);
    EXPECT_EQ(sel->GetArrayColor(16), vcl::clWhite);
    EXPECT_EQ(sel->GetArrayColor(17), 0);          // no longer shown
    sel->LoadStandardPalette();
    EXPECT_EQ(sel->GetItems()->Count(), 47);
    EXPECT_EQ(sel->GetArrayColor(21), vcl::clScrollBar);
}

TEST_F(ColSelModel, SelColorFound) {
    sel->SetArrayColorName(16, "Snow");
    sel->SetSelColor(vcl::clBtnHighlight);         // shows white: entry 16
    EXPECT_EQ(sel->GetSelIx(), 16);
    EXPECT_EQ(sel->GetItemIndex(), 15);
    EXPECT_EQ(sel->GetSelColor(), vcl::clWhite);   // the stored colour, not the one given
    EXPECT_EQ(sel->GetArrayColorName(16), "clWhite");   // renamed after its stored colour
    EXPECT_EQ(sel->GetSelColorID(), "clWhite");
    sel->SetSelColor(TColor(0x0000FF));
    EXPECT_EQ(sel->GetSelIx(), 10);
}

TEST_F(ColSelModel, SelColorNotFoundOverwritesTheSelectedEntry) {
    sel->SetSelColor(vcl::clGreen);                // entry 3
    sel->SetSelColor(TColor(0x123456));
    EXPECT_EQ(sel->GetSelIx(), 3);
    EXPECT_EQ(sel->GetItemIndex(), 2);             // unchanged
    EXPECT_EQ(sel->GetArrayColor(3), TColor(0x123456));
    EXPECT_EQ(sel->GetArrayColorName(3), "$00123456");
    EXPECT_EQ(sel->GetItems()->Get(2), "$00123456");
    EXPECT_EQ(sel->GetSelColor(), TColor(0x123456));
    // A system colour nobody shows: stored as given, named by its current value.
    vcl::SetSysColor(13, 0x010203);
    sel->SetSelColor(vcl::clHighlight);
    vcl::ResetSysColors();
    EXPECT_EQ(sel->GetArrayColor(3), vcl::clHighlight);
    EXPECT_EQ(sel->GetArrayColorName(3), "$00010203");
}

TEST_F(ColSelModel, TheNameEventMayReplaceEveryName) {
    sel->SetOnColorNameChange([](vcl::TObject*, std::string& Name) {
        if (Name == "clRed") Name = "Signal red";
        if (Name == "Nameless") Name = "Named";
    });
    sel->SetSelColor(vcl::clRed);
    EXPECT_EQ(sel->GetArrayColorName(10), "Signal red");
    EXPECT_EQ(sel->GetItems()->Get(9), "Signal red");
    EXPECT_EQ(sel->GetSelColorID(), "Signal red");
    sel->SetArrayColorName(4, "Nameless");
    EXPECT_EQ(sel->GetArrayColorName(4), "Named");
    EXPECT_EQ(sel->GetItems()->Get(3), "Named");
    sel->SetArrayColor(2, vcl::clRed);
    EXPECT_EQ(sel->GetArrayColorName(2), "Signal red");
}

TEST_F(ColSelModel, IndexesOutsideTheShownEntries) {
    sel->SetNumColors(16);
    for (int bad : {0, 17, 47, -1}) {
        EXPECT_EQ(sel->GetArrayColor(bad), 0) << bad;
        EXPECT_EQ(sel->GetArrayColorName(bad), "") << bad;
        EXPECT_FALSE(sel->GetArrayAllowEdit(bad)) << bad;
        sel->SetArrayColor(bad, vcl::clLime);
        sel->SetArrayColorName(bad, "x");
        sel->SetArrayAllowEdit(bad, true);
    }
    sel->SetNumColors(20);
    EXPECT_EQ(sel->GetArrayColor(17), vcl::clMoneyGreen);
    EXPECT_EQ(sel->GetArrayColorName(17), "clMoneyGreen");
    EXPECT_FALSE(sel->GetArrayAllowEdit(17));
    sel->SetAllColorEditFlags();
    EXPECT_TRUE(sel->GetArrayAllowEdit(1));
    EXPECT_TRUE(sel->GetArrayAllowEdit(20));
    sel->ResetAllColorEditFlags();
    EXPECT_FALSE(sel->GetArrayAllowEdit(20));
}

TEST_F(ColSelModel, ChoosingAnItemSelectsItsEntry) {
    std::vector<std::string> log;
    sel->SetOnClick([&](vcl::TObject*) { log.push_back("click " + std::to_string(sel->GetSelIx())); });
    sel->SetFocus();
    vcl::Input::KeyDown(sel, vcl::VK_DOWN);
    vcl::Input::KeyDown(sel, vcl::VK_DOWN);
    EXPECT_EQ(sel->GetSelIx(), 3);
    EXPECT_EQ(sel->GetSelColor(), vcl::clGreen);
    EXPECT_EQ(log, (std::vector<std::string>{"click 2", "click 3"}));   // after the entry changed
}

TEST_F(ColSelModel, DroppingDownFromTheColourBarOfAnEditableEntryEditsIt) {
    sel->SetSelColor(vcl::clTeal);                 // entry 7
    sel->SetArrayAllowEdit(7, true);
    int dialogs = 0, dropDowns = 0;
    vcl::Testing::OnColorDialog([&](vcl::TColorDialog* D) {
        ++dialogs;
        EXPECT_EQ(D->GetColor(), vcl::clTeal);
        EXPECT_FALSE(sel->GetDroppedDown());       // the list opens after the dialog
        D->SetColor(vcl::clBtnFace);
        return true;
    });
    sel->SetOnDropDown([&](vcl::TObject*) { ++dropDowns; });
    vcl::Input::MouseMove(sel, 12, 10);            // over the colour bar
    vcl::Input::Click(sel, 12, 10);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_TRUE(sel->GetDroppedDown());
    EXPECT_EQ(sel->GetArrayColor(7), vcl::clBtnFace);
    EXPECT_EQ(sel->GetArrayColorName(7), "$00F0F0F0");   // named by its current value
    sel->SetDroppedDown(false);

    // Cancelled: nothing changes, the list still opens.
    vcl::Testing::OnColorDialog([&](vcl::TColorDialog* D) {
        ++dialogs;
        D->SetColor(vcl::clRed);
        return false;
    });
    vcl::Input::Click(sel, 12, 10);
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(sel->GetArrayColor(7), vcl::clBtnFace);
    EXPECT_TRUE(sel->GetDroppedDown());
    sel->SetDroppedDown(false);

    // Off the bar, or on an entry that is not editable: the list only.
    vcl::Input::MouseMove(sel, 100, 10);
    vcl::Input::Click(sel, 100, 10);
    sel->SetDroppedDown(false);
    sel->SetArrayAllowEdit(7, false);
    vcl::Input::MouseMove(sel, 12, 10);
    vcl::Input::Click(sel, 12, 10);
    sel->SetDroppedDown(false);
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(dropDowns, 4);
}

TEST(ColSelFormFile, TheSelectionAndTheCountSurviveWithoutTheItemList) {
    vcl::TForm form(nullptr);
    form.SetName("Form1");
    auto* s = new TColSel(&form);
    s->SetName("Sel1");
    s->SetParent(&form);
    s->SetNumColors(16);
    s->SetSelColor(vcl::clPurple);                 // entry 6
    s->SetColorBarWidth(20);
    const std::string text = vcl::WriteComponentText(&form);
    EXPECT_EQ(text.find("Items"), std::string::npos) << text;
    EXPECT_EQ(text.find("ItemIndex"), std::string::npos) << text;
    vcl::TForm copy(nullptr);
    vcl::ReadRootText(text, &copy);
    auto* t = dynamic_cast<TColSel*>(copy.FindComponent("Sel1"));
    ASSERT_NE(t, nullptr) << text;
    EXPECT_EQ(t->GetNumColors(), 16);
    EXPECT_EQ(t->GetItems()->Count(), 16);         // built by Loaded
    EXPECT_EQ(t->GetSelIx(), 6);
    EXPECT_EQ(t->GetItemIndex(), 5);
    EXPECT_EQ(t->GetColorBarWidth(), 20);
    EXPECT_EQ(t->GetStyle(), vcl::csOwnerDrawFixed);
}

// A colour of the selector's own replaces the selected entry's; read back, it must be in
// that entry again, selected, and the entry it would otherwise land in keeps its colour.
TEST(ColSelFormFile, AnOwnColourComesBackIntoTheEntryThatHeldIt) {
    vcl::TForm form(nullptr);
    form.SetName("Form1");
    auto* s = new TColSel(&form);
    s->SetName("Sel1");
    s->SetParent(&form);
    s->SetNumColors(16);
    s->SetSelColor(vcl::clPurple);                 // entry 6
    s->SetSelColor(TColor(0x123456));              // not listed: entry 6 takes it
    ASSERT_EQ(s->GetSelIx(), 6);
    const std::string text = vcl::WriteComponentText(&form);
    vcl::TForm copy(nullptr);
    vcl::ReadRootText(text, &copy);
    auto* t = dynamic_cast<TColSel*>(copy.FindComponent("Sel1"));
    ASSERT_NE(t, nullptr) << text;
    EXPECT_EQ(t->GetSelIx(), 6) << text;
    EXPECT_EQ(t->GetItemIndex(), 5);
    EXPECT_EQ(t->GetArrayColor(6), TColor(0x123456));
    EXPECT_EQ(t->GetArrayColorName(6), "$00123456");
    EXPECT_EQ(t->GetArrayColor(1), vcl::clBlack);  // entry 1 is not overwritten
    EXPECT_EQ(t->GetSelColor(), TColor(0x123456));
}

TEST_F(ColSelModel, SelIxChoosesAnEntryAndIgnoresNumbersOutsideTheList) {
    sel->SetSelIx(4);
    EXPECT_EQ(sel->GetItemIndex(), 3);
    EXPECT_EQ(sel->GetSelColor(), vcl::clOlive);
    for (int bad : {0, -1, 21, 47, 48}) {
        sel->SetSelIx(bad);
        EXPECT_EQ(sel->GetSelIx(), 4) << bad;
    }
}

// A program choosing an item moves the selection with it: the field, SelColor and the
// colour dialog all concern the same entry.
TEST_F(ColSelModel, SetItemIndexSelectsTheEntryItShows) {
    sel->SetItemIndex(4);                          // entry 5, navy
    EXPECT_EQ(sel->GetSelIx(), 5);
    EXPECT_EQ(sel->GetSelColor(), vcl::clNavy);
    EXPECT_EQ(sel->GetSelColorID(), "clNavy");
    vcl::Application->ProcessMessages();
    auto b = Render(sel);
    EXPECT_EQ(b->GetCanvas()->GetPixels(20, 10), vcl::clNavy);   // the field's colour bar
    sel->SetArrayAllowEdit(5, true);
    int dialogs = 0;
    vcl::Testing::OnColorDialog([&](vcl::TColorDialog* D) {
        ++dialogs;
        EXPECT_EQ(D->GetColor(), vcl::clNavy);
        return false;
    });
    vcl::Input::MouseMove(sel, 12, 10);
    vcl::Input::Click(sel, 12, 10);
    EXPECT_EQ(dialogs, 1);
    sel->SetDroppedDown(false);
    // No item: the selected entry stays, its name is not reported.
    sel->SetItemIndex(-1);
    EXPECT_EQ(sel->GetSelIx(), 5);
    EXPECT_EQ(sel->GetSelColorID(), "");
}

// F4 opens the list with the keyboard; the colour dialog comes first only while the
// pointer is over the colour bar, not after it has left the selector from there.
TEST_F(ColSelModel, KeysOpenTheListOnlyOnceThePointerHasLeft) {
    sel->SetArrayAllowEdit(1, true);
    int dialogs = 0;
    vcl::Testing::OnColorDialog([&](vcl::TColorDialog*) {
        ++dialogs;
        return false;
    });
    sel->SetFocus();
    vcl::Input::MouseMove(sel, 12, 10);            // over the colour bar
    vcl::Input::KeyDown(sel, vcl::VK_F4);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(sel->GetDroppedDown());
    sel->SetDroppedDown(false);
    vcl::Input::MouseMove(sel, 12, 60);            // off the selector, straight down
    vcl::Input::KeyDown(sel, vcl::VK_F4);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(sel->GetDroppedDown());
    sel->SetDroppedDown(false);
}

// In the open list the hovered item is highlighted; once the pointer has left the list the
// highlight is back on the chosen item, which Enter then keeps.
TEST_F(ColSelModel, TheListsHoverHighlightGoesWhenThePointerLeaves) {
    sel->SetSelColor(vcl::clGreen);                // entry 3
    sel->SetFocus();
    sel->SetDroppedDown(true);
    vcl::Application->ProcessMessages();
    vcl::TDropDownList* list = sel->GetListControl();
    ASSERT_NE(list, nullptr);
    const vcl::TRect r = list->ItemRect(6);
    vcl::Input::MouseMove(list, r.Left + 40, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(list->GetItemIndex(), 6);
    vcl::Input::MouseMove(list, list->GetWidth() + 40, -30);
    EXPECT_EQ(list->GetItemIndex(), 2);
    vcl::Input::KeyDown(sel, vcl::VK_RETURN);
    EXPECT_EQ(sel->GetSelIx(), 3);
    EXPECT_FALSE(sel->GetDroppedDown());
}

TEST(ColSelPublished, DefaultsMatchTheFreshSelector) {
    TColSel s(nullptr);
    const vcl::TClassInfo* info = vcl::GetClass("TColSel");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"ColorBarWidth", "NumColors", "SelColor", "Enabled"})
        EXPECT_TRUE(info->FindProperty(name)->IsDefault(s)) << name;
    s.SetColorBarWidth(-4);
    EXPECT_EQ(s.GetColorBarWidth(), 30);
}
