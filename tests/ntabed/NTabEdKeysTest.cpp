// The table editor without a mouse: typing and Enter, F2 (also after Escape), Escape that
// abandons an edit, Tab and Shift+Tab through the cells, Shift+arrows, the menu keys with
// the read-only rules of the menus, the heading and comment keys, and the focus cue round
// the current cell.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "NTabEdTestSupport.h"
#include "platform/StdCtrls.h"

using namespace zyn;
using namespace ntabed_test;
using vcl::TMenuItem;
using vcl::TPopupMenu;

namespace {

enum { MarkA = 1, MarkB, UnmarkA, UnmarkB, UnmarkAll, ClearIt, CopyIt, PasteIt, ReadOnlyIt, ExtractIt, SelectAllIt, ToggleEmptyIt };
enum { EditHeading = 1, Precision, SelectIt, InsertIt, DeleteIt };

class NTabEdKeys : public NTabEdTest {
protected:
    void SetUp() override {
        NTabEdTest::SetUp();
        FillSample();
        ed->SetFocus();
        ResetCounts();
    }
    // The control that has the keyboard: the editor, its in-place editor or a heading editor.
    vcl::TWinControl* Focus() const { return form->GetActiveControl(); }
    // A key as the user presses it: down (with its character) and up, on the focused control.
    void Press(vcl::WORD Key, vcl::TShiftState Shift = {}) {
        vcl::TWinControl* target = Focus();
        ASSERT_NE(target, nullptr);
        vcl::Input::KeyDown(target, Key, Shift);
        vcl::Input::KeyUp(Focus(), Key, Shift);
    }
    // Each character to the control that has the keyboard at that moment (ASCII only).
    void Type(const std::string& Text) {
        for (char ch : Text) vcl::Input::TypeText(Focus(), std::string(1, ch));
    }
    vcl::TGridCoord Current() const { return {ed->GetCol(), ed->GetRow()}; }
    // Typing edits only once editing is on: after a mouse-up, or F2 as here (F2 opens the
    // editor, Enter closes it unchanged and moves on).
    void EditingOn() {
        Press(vcl::VK_F2);
        Press(vcl::VK_RETURN);
        ASSERT_TRUE(ed->GetOptions().Contains(vcl::goEditing));
        ResetCounts();
    }
    // Presses Key and records the menu that opens (nullptr when none does) and where.
    TPopupMenu* MenuKey(vcl::WORD Key, vcl::TShiftState Shift, vcl::TPoint* At = nullptr,
                        std::function<TMenuItem*(TPopupMenu*)> Pick = nullptr) {
        TPopupMenu* opened = nullptr;
        vcl::Testing::OnPopup([&](TPopupMenu* Menu, int X, int Y) -> TMenuItem* {
            if (opened == nullptr) {
                opened = Menu;
                if (At != nullptr) *At = ed->ScreenToClient({X, Y});
            }
            return Pick ? Pick(Menu) : nullptr;
        });
        Press(Key, Shift);
        vcl::Testing::OnPopup(nullptr);
        return opened;
    }
};

}  // namespace

TEST_F(NTabEdKeys, TypingANumberAndEnterStoresItAndMovesOn) {
    ed->SetCol(2);
    ed->SetRow(1);
    // A table that has seen no mouse-up yet does not edit on typing; F2 opens the editor.
    Type("4");
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(1, 1), 11);
    Press(vcl::VK_F2);
    Type("\b\b\b\b\b\b4,25\r");
    EXPECT_EQ(ed->GetElem(1, 1), 4.25);
    EXPECT_EQ(ed->GetCellState(1, 1), 0);
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(Current(), (vcl::TGridCoord{2, 2}));
    EXPECT_EQ(Focus(), ed);
    // Straight on in the next cell: typing still edits.
    Type("-7\r");
    EXPECT_EQ(ed->GetElem(1, 2), -7);
    EXPECT_EQ(Current(), (vcl::TGridCoord{2, 3}));
}

TEST_F(NTabEdKeys, EscapeAbandonsTheEditAndRestoresTheCell) {
    EditingOn();
    ed->SetElem(2, 2, 1.23456);   // more digits than the cell shows
    ed->SetElemMarkedA(2, 2, true);
    ed->SetCol(3);
    ed->SetRow(2);
    Type("99");
    ASSERT_TRUE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(2, 2), 99);   // every change is stored as typed
    ResetCounts();
    Press(vcl::VK_ESCAPE);
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(2, 2), 1.23456);
    EXPECT_TRUE(ed->GetElemMarkedA(2, 2));   // the state byte comes back too
    EXPECT_EQ(N("Change"), 1);
    EXPECT_EQ(Focus(), ed);
    // An invalid or empty cell comes back as it was.
    ed->SetCellState(1, 3, dtsInvalid);
    ed->SetIsEmpty(1, 4, true);
    for (int row : {3, 4}) {
        ed->SetCol(2);
        ed->SetRow(row);
        Press(vcl::VK_F2);
        ASSERT_TRUE(ed->GetEditorMode());
        Type("5");
        Press(vcl::VK_ESCAPE);
    }
    EXPECT_EQ(ed->GetCellState(1, 3), dtsInvalid);
    EXPECT_TRUE(ed->GetIsEmpty(1, 4));
    // Escape after opening without typing changes nothing and reports nothing.
    ResetCounts();
    ed->SetCol(4);
    ed->SetRow(1);
    Press(vcl::VK_F2);
    Press(vcl::VK_ESCAPE);
    EXPECT_EQ(ed->GetElem(3, 1), 31);
    EXPECT_EQ(N("Change"), 0);
    // What Enter stored stays.
    ed->SetCol(4);
    ed->SetRow(2);
    Press(vcl::VK_F2);
    Type("\b\b\b\b\b\b8\r");
    Press(vcl::VK_ESCAPE);
    EXPECT_EQ(ed->GetElem(3, 2), 8);
}

TEST_F(NTabEdKeys, EnterAndEscapeEndTheEditBeforeTheFormsButtons) {
    EditingOn();
    int ok = 0, cancel = 0;
    auto* okButton = new vcl::TButton(form.get());
    okButton->SetParent(form.get());
    okButton->SetBounds(400, 395, 80, 22);
    okButton->SetDefault(true);
    okButton->SetOnClick([&](vcl::TObject*) { ++ok; });
    auto* cancelButton = new vcl::TButton(form.get());
    cancelButton->SetParent(form.get());
    cancelButton->SetBounds(500, 395, 80, 22);
    cancelButton->SetCancel(true);
    cancelButton->SetOnClick([&](vcl::TObject*) { ++cancel; });
    ed->SetFocus();
    ed->SetCol(2);
    ed->SetRow(1);
    Type("6\r");
    EXPECT_EQ(ed->GetElem(1, 1), 6);
    EXPECT_EQ(Current(), (vcl::TGridCoord{2, 2}));
    Type("7");
    Press(vcl::VK_ESCAPE);
    EXPECT_EQ(ed->GetElem(1, 2), 12);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(cancel, 0);
    // Without an edit under way the keys are the form's, as the grid's are.
    Press(vcl::VK_ESCAPE);
    EXPECT_EQ(cancel, 1);
    Press(vcl::VK_RETURN);
    EXPECT_EQ(ok, 1);
}

TEST_F(NTabEdKeys, TheHeadingEditorTakesEnterAndEscapeBeforeTheFormsButtons) {
    int ok = 0, cancel = 0;
    auto* okButton = new vcl::TButton(form.get());
    okButton->SetParent(form.get());
    okButton->SetBounds(400, 395, 80, 22);
    okButton->SetDefault(true);
    okButton->SetOnClick([&](vcl::TObject*) { ++ok; });
    auto* cancelButton = new vcl::TButton(form.get());
    cancelButton->SetParent(form.get());
    cancelButton->SetBounds(500, 395, 80, 22);
    cancelButton->SetCancel(true);
    cancelButton->SetOnClick([&](vcl::TObject*) { ++cancel; });
    ed->SetFocus();
    auto editHeading = [](TPopupMenu* M) { return M->GetItems()->GetItems(EditHeading - 1); };
    MenuKey(vcl::VK_APPS, {vcl::ssAlt}, nullptr, editHeading);   // the current row's name
    ASSERT_TRUE(ed->GetNameEditorActive());
    Type("\b\b\bNorth\r");
    EXPECT_EQ(ed->GetRowName(1), "North");
    EXPECT_FALSE(ed->GetNameEditorActive());
    MenuKey(vcl::VK_APPS, {vcl::ssAlt}, nullptr, editHeading);
    Type("South");
    Press(vcl::VK_ESCAPE);
    EXPECT_EQ(ed->GetRowName(1), "North");
    EXPECT_FALSE(ed->GetNameEditorActive());
    EXPECT_EQ(Focus(), ed);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(cancel, 0);
}

TEST_F(NTabEdKeys, F2EditsAlsoAfterEscapeButTypingStaysOff) {
    EditingOn();
    ed->SetCol(2);
    ed->SetRow(1);
    Type("3");
    Press(vcl::VK_ESCAPE);
    ASSERT_FALSE(ed->GetOptions().Contains(vcl::goEditing));
    Type("9");   // after Escape typing does not edit
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(1, 1), 11);
    Press(vcl::VK_F2);
    ASSERT_TRUE(ed->GetEditorMode());
    EXPECT_TRUE(ed->GetOptions().Contains(vcl::goEditing));
    EXPECT_EQ(Focus(), ed->GetInplaceEditor());
    EXPECT_EQ(ed->GetInplaceEditor()->GetText(), "11.000");
    EXPECT_EQ(ed->GetInplaceEditor()->GetSelLength(), 0);   // the caret at the end
    Type("5\r");
    EXPECT_EQ(ed->GetElem(1, 1), 11.0005);
    EXPECT_EQ(Current(), (vcl::TGridCoord{2, 2}));
    // Read-only: F2 opens nothing.
    ed->SetDataReadOnly(true);
    Press(vcl::VK_F2);
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_FALSE(ed->GetOptions().Contains(vcl::goEditing));
    // An application's OnKeyDown that takes F2 keeps it from editing.
    ed->SetDataReadOnly(false);
    Press(vcl::VK_ESCAPE);
    ed->SetOnKeyDown([](vcl::TObject*, vcl::WORD& Key, vcl::TShiftState) {
        if (Key == vcl::VK_F2) Key = 0;
    });
    Press(vcl::VK_F2);
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_FALSE(ed->GetOptions().Contains(vcl::goEditing));
}

TEST_F(NTabEdKeys, TabAndShiftTabMoveThroughTheCellsAndWrap) {
    // 3 data columns (grid 2..4) and 4 data rows (grid 1..4).
    ed->SetCol(3);
    ed->SetRow(1);
    Press(vcl::VK_TAB);
    EXPECT_EQ(Current(), (vcl::TGridCoord{4, 1}));
    Press(vcl::VK_TAB);
    EXPECT_EQ(Current(), (vcl::TGridCoord{2, 2}));   // on to the next row
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 2, 2, 2));
    Press(vcl::VK_TAB, {vcl::ssShift});
    EXPECT_EQ(Current(), (vcl::TGridCoord{4, 1}));   // back to the row above
    ed->SetCol(4);
    ed->SetRow(4);
    Press(vcl::VK_TAB);
    EXPECT_EQ(Current(), (vcl::TGridCoord{2, 1}));   // the last cell wraps to the first
    Press(vcl::VK_TAB, {vcl::ssShift});
    EXPECT_EQ(Current(), (vcl::TGridCoord{4, 4}));
    EXPECT_EQ(Focus(), ed);
    // With the attribute heading lines shown the headings are passed over.
    ed->SetAttribRowVisible(false);
    ed->SetAttribColVisible(true);
    ed->SetCol(2);
    ed->SetRow(2);
    Press(vcl::VK_TAB);
    Press(vcl::VK_TAB);
    EXPECT_EQ(Current(), (vcl::TGridCoord{1, 3}));
    ed->SetRow(2);
    Press(vcl::VK_TAB, {vcl::ssShift});
    EXPECT_EQ(Current(), (vcl::TGridCoord{3, 5}));   // before the first cell: the last
}

TEST_F(NTabEdKeys, TabWhileEditingStoresAndMovesOn) {
    EditingOn();
    ed->SetCol(2);
    ed->SetRow(3);
    Type("6");
    ASSERT_EQ(Focus(), ed->GetInplaceEditor());
    Press(vcl::VK_TAB);
    EXPECT_EQ(ed->GetElem(1, 3), 6);
    EXPECT_EQ(Current(), (vcl::TGridCoord{3, 3}));
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(Focus(), ed);   // the focus stays in the table
    Type("7");
    Press(vcl::VK_TAB, {vcl::ssShift});
    EXPECT_EQ(ed->GetElem(2, 3), 7);
    EXPECT_EQ(Current(), (vcl::TGridCoord{2, 3}));
}

TEST_F(NTabEdKeys, CtrlTabLeavesTheTable) {
    EditingOn();
    auto* before = new vcl::TEdit(form.get());
    before->SetParent(form.get());
    before->SetBounds(10, 395, 100, 20);
    auto* after = new vcl::TEdit(form.get());
    after->SetParent(form.get());
    after->SetBounds(120, 395, 100, 20);
    before->SetTabOrder(0);
    ed->SetTabOrder(1);
    after->SetTabOrder(2);
    ed->SetFocus();
    const vcl::TGridCoord cell = Current();
    Press(vcl::VK_TAB, {vcl::ssCtrl});
    EXPECT_EQ(Focus(), after);
    EXPECT_EQ(Current(), cell);
    ed->SetFocus();
    Type("4");   // from the in-place editor too, storing what was typed
    Press(vcl::VK_TAB, {vcl::ssCtrl, vcl::ssShift});
    EXPECT_EQ(Focus(), before);
    EXPECT_EQ(ed->GetElem(cell.X - 1, cell.Y), 4);
    EXPECT_FALSE(ed->GetEditorMode());
}

TEST_F(NTabEdKeys, ShiftArrowsExtendTheSelection) {
    EditingOn();
    ed->SetCol(2);
    ed->SetRow(2);
    Press(vcl::VK_RIGHT, {vcl::ssShift});
    Press(vcl::VK_DOWN, {vcl::ssShift});
    Press(vcl::VK_DOWN, {vcl::ssShift});
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 2, 3, 4));
    EXPECT_EQ(N("Selection"), 3);
    Press(vcl::VK_LEFT, {vcl::ssShift});
    Press(vcl::VK_UP, {vcl::ssShift});
    Press(vcl::VK_UP, {vcl::ssShift});
    Press(vcl::VK_UP, {vcl::ssShift});
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 1, 2, 2));   // the anchor stays
    // The menu's range actions take the block the keys selected.
    Press(vcl::VK_RIGHT, {vcl::ssShift});
    ed->PopupMenuClickMarkARange(nullptr);
    EXPECT_EQ(ed->NrOfMarkedDataA(), 4);
    // A plain arrow collapses the selection again.
    Press(vcl::VK_DOWN);
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(3, 2, 3, 2));
    // From the in-place editor Shift+Down stores the edit and extends the selection.
    Type("5");
    ASSERT_TRUE(ed->GetEditorMode());
    Press(vcl::VK_DOWN, {vcl::ssShift});
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(2, 2), 5);
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(3, 2, 3, 3));
}

TEST_F(NTabEdKeys, MenuKeysOpenTheMenusOfTheCurrentCellAndItsHeadings) {
    EditingOn();
    ed->SetCol(3);
    ed->SetRow(2);
    const vcl::TRect cell = ed->CellRect(3, 2);
    vcl::TPoint at;
    // The handler outlives the loop (later menus run it too), so its count does as well.
    int before = 0;
    ed->SetOnBeforePopup([&](vcl::TObject*, TPopupMenu*) { ++before; });
    for (auto [key, shift] : {std::pair{vcl::VK_F10, vcl::TShiftState{vcl::ssShift}}, std::pair{vcl::VK_APPS, vcl::TShiftState{}}}) {
        before = 0;
        EXPECT_EQ(MenuKey(key, shift, &at), ed->GetDataMenu());
        EXPECT_EQ(before, 1);
        EXPECT_EQ(at, (vcl::TPoint{cell.Left + 10, cell.Bottom}));   // just below the cell
    }
    // A menu action chosen from the keyboard acts on the current cell.
    MenuKey(vcl::VK_APPS, {}, nullptr, [](TPopupMenu* M) { return M->GetItems()->GetItems(ToggleEmptyIt - 1); });
    EXPECT_TRUE(ed->GetIsEmpty(2, 2));

    // With Ctrl the heading of the current column, with Alt that of the current row.
    EXPECT_EQ(MenuKey(vcl::VK_F10, {vcl::ssShift, vcl::ssCtrl}, &at), ed->GetHeaderMenu());
    EXPECT_EQ(ed->GetClickedCell(), (vcl::TGridCoord{3, 0}));
    EXPECT_EQ(ed->GetPopupHCaptions(SelectIt), "Select Column");
    const vcl::TRect head = ed->CellRect(3, 0);
    EXPECT_EQ(at, (vcl::TPoint{head.Left + 20, head.Top + 20}));
    EXPECT_EQ(MenuKey(vcl::VK_APPS, {vcl::ssAlt}), ed->GetHeaderMenu());
    EXPECT_EQ(ed->GetClickedCell(), (vcl::TGridCoord{0, 2}));
    EXPECT_EQ(ed->GetPopupHCaptions(SelectIt), "Select Row");
    // Edit Heading from the keyboard: the name editor opens with the focus, Enter stores.
    MenuKey(vcl::VK_APPS, {vcl::ssCtrl}, nullptr, [](TPopupMenu* M) { return M->GetItems()->GetItems(EditHeading - 1); });
    ASSERT_TRUE(ed->GetNameEditorActive());
    ASSERT_NE(Focus(), ed);
    Type("\b\b\b\bWidth\r");
    EXPECT_EQ(ed->GetColName(2), "Width");
    EXPECT_EQ(Focus(), ed);

    // While editing, the menu key ends the edit (storing it) and opens the menu.
    Type("8");
    ASSERT_TRUE(ed->GetEditorMode());
    EXPECT_EQ(MenuKey(vcl::VK_F10, {vcl::ssShift}), ed->GetDataMenu());
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(2, 2), 8);
}

TEST_F(NTabEdKeys, MenuKeysLeaveBlockedAndOwnMenusToTheirRules) {
    // BlockInternalPopup: nothing of the editor's own opens.
    ed->SetBlockInternalPopup(true);
    EXPECT_EQ(MenuKey(vcl::VK_APPS, {}), nullptr);
    // An assigned PopupMenu opens as after a right-click.
    ed->SetBlockInternalPopup(false);
    auto* own = vcl::NewPopupMenu(form.get(), "Own", vcl::paLeft, true, {vcl::NewItem("Own item", 0, false, true, nullptr, 0, "OwnIt")});
    ed->SetPopupMenu(own);
    EXPECT_EQ(MenuKey(vcl::VK_F10, {vcl::ssShift}), own);
    EXPECT_EQ(MenuKey(vcl::VK_APPS, {vcl::ssCtrl}), own);
}

TEST_F(NTabEdKeys, ReadOnlyDisablesTheEditingItems) {
    ed->PopupMenuClickCopy(nullptr);   // so that Paste could be offered
    ed->SetDataReadOnly(true);
    TPopupMenu* data = MenuKey(vcl::VK_APPS, {});
    ASSERT_EQ(data, ed->GetDataMenu());
    for (int i = 1; i <= 12; ++i) {
        const bool editing = i == ClearIt || i == PasteIt || i == ExtractIt || i == ToggleEmptyIt;
        EXPECT_EQ(Item(data, i)->GetEnabled(), !editing) << i;
    }
    TPopupMenu* header = RightClick(3, 0);
    ASSERT_EQ(header, ed->GetHeaderMenu());
    for (int i = 1; i <= 5; ++i) {
        const bool editing = i == EditHeading || i == InsertIt || i == DeleteIt;
        EXPECT_EQ(Item(header, i)->GetEnabled(), !editing) << i;
    }
    // The read-only item itself turns editing back on; the items follow at the next opening.
    MenuKey(vcl::VK_APPS, {}, nullptr, [](TPopupMenu* M) { return M->GetItems()->GetItems(ReadOnlyIt - 1); });
    EXPECT_FALSE(ed->GetDataReadOnly());
    MenuKey(vcl::VK_APPS, {});
    for (int i = 1; i <= 12; ++i) EXPECT_TRUE(Item(data, i)->GetEnabled()) << i;
    RightClick(3, 0);
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(Item(header, i)->GetEnabled()) << i;

    // The masks still rule: an item without its bit stays off when editing is allowed.
    ed->SetPopupDMask(INT_MAX & ~(1 << (ClearIt - 1)));
    ed->SetPopupHMask(INT_MAX & ~(1 << (EditHeading - 1)));
    MenuKey(vcl::VK_APPS, {});
    EXPECT_FALSE(Item(data, ClearIt)->GetEnabled());
    EXPECT_TRUE(Item(data, ToggleEmptyIt)->GetEnabled());
    RightClick(3, 0);
    EXPECT_FALSE(Item(header, EditHeading)->GetEnabled());
}

TEST_F(NTabEdKeys, PasteOfferedByTheMaskComesBackAfterReadOnly) {
    ed->SetPopupDMask(INT_MAX);   // Paste on before any copy
    ed->SetDataReadOnly(true);
    EXPECT_FALSE(Item(MenuKey(vcl::VK_APPS, {}), PasteIt)->GetEnabled());
    ed->SetDataReadOnly(false);
    EXPECT_TRUE(Item(MenuKey(vcl::VK_APPS, {}), PasteIt)->GetEnabled());
    // Without the write, Paste waits for the first copy however read-only goes.
    auto other = new TNTabEd(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 200, 300, 150);
    other->SetFocus();
    other->SetDataReadOnly(true);
    other->SetDataReadOnly(false);
    TPopupMenu* opened = nullptr;
    vcl::Testing::OnPopup([&](TPopupMenu* Menu, int, int) -> TMenuItem* {
        opened = Menu;
        return nullptr;
    });
    vcl::Input::KeyDown(other, vcl::VK_APPS);
    vcl::Testing::OnPopup(nullptr);
    ASSERT_EQ(opened, other->GetDataMenu());
    EXPECT_FALSE(Item(opened, PasteIt)->GetEnabled());
}

// ---- the focus cue -----------------------------------------------------------------------

namespace {

// The top and left edges of cell R: every other pixel inverted (the dotted XOR frame), or
// all of them plain Back.
int InvertedOnEdges(const Picture& P, const vcl::TRect& R, vcl::TColor Back, int& Plain, int& Other) {
    const vcl::TColor inv = (Back ^ 0xFFFFFF) & 0xFFFFFF;
    int inverted = 0;
    Plain = Other = 0;
    auto probe = [&](int X, int Y) {
        const vcl::TColor c = P.At(X, Y);
        if (c == inv) ++inverted;
        else if (c == (Back & 0xFFFFFF)) ++Plain;
        else ++Other;
    };
    for (int x = R.Left; x < R.Right; ++x) probe(x, R.Top);
    for (int y = R.Top + 1; y < R.Bottom; ++y) probe(R.Left, y);
    return inverted;
}

void ExpectFramed(const Picture& P, const vcl::TRect& R, vcl::TColor Back) {
    int plain = 0, other = 0;
    const int inverted = InvertedOnEdges(P, R, Back, plain, other);
    EXPECT_EQ(other, 0);
    EXPECT_LE(std::abs(inverted - plain), 1) << inverted << " dots, " << plain << " gaps";
    EXPECT_GT(inverted, 10);
}

void ExpectPlain(const Picture& P, const vcl::TRect& R, vcl::TColor Back) {
    int plain = 0, other = 0;
    EXPECT_EQ(InvertedOnEdges(P, R, Back, plain, other), 0);
    EXPECT_EQ(other, 0);
}

}  // namespace

TEST_F(NTabEdKeys, F2WithModifiersEditsTheHeadingsAndTheComment) {
    int ok = 0, cancel = 0;
    auto* okButton = new vcl::TButton(form.get());
    okButton->SetParent(form.get());
    okButton->SetBounds(400, 395, 80, 22);
    okButton->SetDefault(true);
    okButton->SetOnClick([&](vcl::TObject*) { ++ok; });
    auto* cancelButton = new vcl::TButton(form.get());
    cancelButton->SetParent(form.get());
    cancelButton->SetBounds(500, 395, 80, 22);
    cancelButton->SetCancel(true);
    cancelButton->SetOnClick([&](vcl::TObject*) { ++cancel; });
    ed->SetAttribColVisible(true);   // the column attributes in grid row 1, below the names
    ed->SetColName(2, "Depth");
    ed->SetRowName(2, "Pier");
    ed->SetFocus();
    ed->SetCol(3);   // data column 2 (the row attributes take grid column 1)
    ed->SetRow(3);   // data row 2
    ResetCounts();
    // Ctrl: the current column's name, with Shift its attribute.
    Press(vcl::VK_F2, {vcl::ssCtrl});
    ASSERT_TRUE(ed->GetNameEditorActive());
    EXPECT_EQ(Focus(), ed->GetNameEditor());
    EXPECT_EQ(ed->GetNameEditor()->GetText(), "Depth");
    Type("Height\r");
    EXPECT_EQ(ed->GetColName(2), "Height");
    EXPECT_GT(N("Heading"), 0);
    EXPECT_EQ(Focus(), ed);
    Press(vcl::VK_F2, {vcl::ssCtrl, vcl::ssShift});
    ASSERT_TRUE(ed->GetNameEditorActive());
    EXPECT_EQ(ed->GetNameEditor()->GetText(), "0");
    Type("300\r");
    EXPECT_EQ(ed->GetColAttrib(2), 255);
    // Alt: the current row's name (Escape keeps it), with Shift its attribute.
    Press(vcl::VK_F2, {vcl::ssAlt});
    ASSERT_TRUE(ed->GetNameEditorActive());
    EXPECT_EQ(ed->GetNameEditor()->GetText(), "Pier");
    Type("Quay");
    Press(vcl::VK_ESCAPE);
    EXPECT_FALSE(ed->GetNameEditorActive());
    EXPECT_EQ(ed->GetRowName(2), "Pier");
    Press(vcl::VK_F2, {vcl::ssAlt, vcl::ssShift});
    ASSERT_TRUE(ed->GetNameEditorActive());
    Type("7\r");
    EXPECT_EQ(ed->GetRowAttrib(2), 7);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(cancel, 0);

    // Shift alone: the table's comment; Enter stores it, Escape keeps the old one.
    ed->SetComment("Old");
    Press(vcl::VK_F2, {vcl::ssShift});
    ASSERT_TRUE(ed->GetCommentEditorActive());
    EXPECT_EQ(Focus(), ed->GetCommentEditor());
    EXPECT_EQ(ed->GetCommentEditor()->GetText(), "Old");
    Press('A', {vcl::ssCtrl});
    Type("Spring\r");
    EXPECT_FALSE(ed->GetCommentEditorActive());
    EXPECT_EQ(ed->GetComment(), "Spring");
    EXPECT_EQ(Focus(), ed);
    Press(vcl::VK_F2, {vcl::ssShift});
    Type("X");
    Press(vcl::VK_ESCAPE);
    EXPECT_FALSE(ed->GetCommentEditorActive());
    EXPECT_EQ(ed->GetComment(), "Spring");
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(cancel, 0);

    // A cell edit under way is stored before a heading editor opens.
    EditingOn();
    ed->SetCol(3);
    ed->SetRow(3);
    Type("8");
    ASSERT_TRUE(ed->GetEditorMode());
    Press(vcl::VK_F2, {vcl::ssCtrl});
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(2, 2), 8);
    ASSERT_TRUE(ed->GetNameEditorActive());
    Press(vcl::VK_ESCAPE);

    // Nothing opens for a heading line that is hidden, while Edit Heading is masked out or
    // the data read-only, or for the comment while its editing is not allowed.
    ed->SetAttribColVisible(false);
    Press(vcl::VK_F2, {vcl::ssCtrl, vcl::ssShift});
    EXPECT_FALSE(ed->GetNameEditorActive());
    ed->SetAttribRowVisible(false);
    Press(vcl::VK_F2, {vcl::ssAlt, vcl::ssShift});
    EXPECT_FALSE(ed->GetNameEditorActive());
    ed->SetPopupHMask(INT_MAX & ~1);
    Press(vcl::VK_F2, {vcl::ssCtrl});
    EXPECT_FALSE(ed->GetNameEditorActive());
    ed->SetPopupHMask(INT_MAX);
    ed->SetDataReadOnly(true);
    Press(vcl::VK_F2, {vcl::ssAlt});
    EXPECT_FALSE(ed->GetNameEditorActive());
    ed->SetDataReadOnly(false);
    Press(vcl::VK_F2, {vcl::ssAlt});
    EXPECT_TRUE(ed->GetNameEditorActive());
    Press(vcl::VK_ESCAPE);
    ed->SetCommentEditingAllowed(false);
    Press(vcl::VK_F2, {vcl::ssShift});
    EXPECT_FALSE(ed->GetCommentEditorActive());
}

TEST_F(NTabEdKeys, TheFocusCueFramesTheCurrentCellOnlyWhileFocused) {
    ed->SetCol(3);
    ed->SetRow(2);
    const vcl::TColor selected = ed->GetColorRangeSelBG();   // the current cell is selected
    const vcl::TColor window = vcl::ColorToRGB(ed->GetColor());
    const vcl::TRect a = ed->CellRect(3, 2), b = ed->CellRect(4, 2);
    {
        Picture p(*ed);
        ExpectFramed(p, a, selected);
        ExpectPlain(p, b, window);
    }
    // The cue goes with the current cell.
    Press(vcl::VK_TAB);
    Picture focused(*ed);
    ExpectPlain(focused, a, window);
    ExpectFramed(focused, b, selected);
    // Without the focus the frame is gone, and nothing else of the picture changes.
    auto* other = new vcl::TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 395, 100, 20);
    other->SetFocus();
    Picture unfocused(*ed);
    ExpectPlain(unfocused, b, selected);
    int differing = 0;
    for (int y = 0; y < ed->GetHeight(); ++y)
        for (int x = 0; x < ed->GetWidth(); ++x)
            if (focused.At(x, y) != unfocused.At(x, y)) {
                ++differing;
                const bool onEdge = (x == b.Left || x == b.Right - 1 || y == b.Top || y == b.Bottom - 1) &&
                                    x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom;
                EXPECT_TRUE(onEdge) << x << "," << y;
            }
    EXPECT_GT(differing, 40);
}

TEST_F(NTabEdKeys, TheCueFollowsTheEditorBackIntoTheTable) {
    EditingOn();
    ed->SetCol(3);
    ed->SetRow(2);
    const vcl::TRect a = ed->CellRect(3, 2), below = ed->CellRect(3, 3);
    Type("1");
    ASSERT_EQ(Focus(), ed->GetInplaceEditor());
    Type("\r");   // the edit ends: the focus and with it the cue come back to the table
    ASSERT_EQ(Focus(), ed);
    Picture p(*ed);
    ExpectPlain(p, a, vcl::ColorToRGB(ed->GetColor()));
    ExpectFramed(p, below, ed->GetColorRangeSelBG());
}
