// The right mouse button: the data and header menus with their enable rules, captions and
// the read-only box in each theme, Change Precision, the heading editor, the comment editor,
// and Copy, Paste and Extract from Clipboard with their clipboard texts and notifications.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "NTabEdTestSupport.h"
#include "framework/Zyn_conventions.h"
#include "platform/StdCtrls.h"
#include "platform/Themes.h"

using namespace zyn;
using namespace ntabed_test;
using vcl::TMenuItem;
using vcl::TPopupMenu;

using NTabEdMenu = NTabEdTest;

namespace {
// The data menu's items and the header menu's.
enum { MarkA = 1, MarkB, UnmarkA, UnmarkB, UnmarkAll, ClearIt, CopyIt, PasteIt, ReadOnlyIt, ExtractIt, SelectAllIt, ToggleEmptyIt };
enum { EditHeading = 1, Precision, SelectIt, InsertIt, DeleteIt };
}  // namespace

TEST_F(NTabEdMenu, MenusItemsAndCaptions) {
    TPopupMenu* data = ed->GetDataMenu();
    TPopupMenu* header = ed->GetHeaderMenu();
    EXPECT_EQ(data->GetName(), "PopupDTAction");
    EXPECT_EQ(data->GetOwner(), ed);
    EXPECT_EQ(header->GetName(), "PopupHTAction");
    ASSERT_EQ(data->GetItems()->Count(), 12);
    ASSERT_EQ(header->GetItems()->Count(), 5);
    const char* captions[] = {"Mark as type A", "Mark as type B", "Unmark type A", "Unmark type B",
                              "Unmark All", "Clear", "Copy", "Paste", "Data Read-Only",
                              "Extract from Clipboard", "Select All", "Toggle Empty State"};
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(ed->GetPopupDCaptions(i), captions[i - 1]);
        EXPECT_EQ(Item(data, i)->GetName(), "DIt" + std::to_string(i));
    }
    const char* prefixes[] = {"M1It", "M2It", "U1It", "U2It"};
    for (int i = 1; i <= 4; ++i)
        for (int s = 1; s <= 4; ++s)
            EXPECT_EQ(Item(data, i)->GetItems(s - 1)->GetName(), prefixes[i - 1] + std::to_string(s));
    EXPECT_EQ(ed->GetPopupHCaptions(3), "Select..");
    EXPECT_EQ(Item(header, 5)->GetName(), "HIt5");

    // Sub-item captions go to both mark (unmark) menus at once.
    ed->SetPopupMCaptions(2, "Whole column");
    ed->SetPopupUCaptions(4, std::string(70, 'u'));
    EXPECT_EQ(Item(data, MarkB)->GetItems(1)->GetCaption(), "Whole column");
    EXPECT_EQ(ed->GetPopupMCaptions(2), "Whole column");
    EXPECT_EQ(Item(data, UnmarkA)->GetItems(3)->GetCaption(), std::string(50, 'u'));
    EXPECT_EQ(Item(data, UnmarkB)->GetItems(3)->GetCaption(), std::string(50, 'u'));
    ed->SetPopupDCaptions(13, "none");
    ed->SetPopupHCaptions(0, "none");
    EXPECT_EQ(ed->GetPopupDCaptions(13), "");
    EXPECT_EQ(ed->GetPopupMCaptions(5), "");
}

TEST_F(NTabEdMenu, PasteFollowsTheFirstCopyAndReadOnly) {
    TPopupMenu* data = RightClick(2, 1);
    ASSERT_EQ(data, ed->GetDataMenu());
    EXPECT_FALSE(Item(data, PasteIt)->GetEnabled());
    EXPECT_EQ(Item(data, ReadOnlyIt)->GetBitmap()->GetWidth(), 16);
    RightClick(2, 1, [](TPopupMenu* M) { return Item(M, CopyIt); });
    RightClick(2, 1);
    EXPECT_TRUE(Item(data, PasteIt)->GetEnabled());
    // The read-only item toggles DataReadOnly and reports a setup change.
    RightClick(2, 1, [](TPopupMenu* M) { return Item(M, ReadOnlyIt); });
    EXPECT_TRUE(ed->GetDataReadOnly());
    EXPECT_EQ(N("Setup"), 1);
    RightClick(2, 1);
    EXPECT_FALSE(Item(data, PasteIt)->GetEnabled());
    ed->SetDataReadOnly(false);
    // A mask without bit 7 keeps Paste off.
    ed->SetPopupDMask(INT_MAX & ~(1 << 7));
    RightClick(2, 1);
    EXPECT_FALSE(Item(data, PasteIt)->GetEnabled());
}

TEST_F(NTabEdMenu, MasksEnableExactlyTheirItems) {
    ed->SetPopupDMask(0b101000000001);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(Item(ed->GetDataMenu(), i)->GetEnabled(), i == 1 || i == 10 || i == 12) << i;
    ed->SetPopupHMask(0b00110);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(Item(ed->GetHeaderMenu(), i)->GetEnabled(), i == 2 || i == 3) << i;
    EXPECT_EQ(N("Setup"), 2);
    EXPECT_EQ(ed->GetPopupDMask(), 0b101000000001);
}

TEST_F(NTabEdMenu, HeaderMenuFollowsTheKindOfHeading) {
    TPopupMenu* menu = RightClick(3, 0);   // the name of data column 2
    ASSERT_EQ(menu, ed->GetHeaderMenu());
    EXPECT_EQ(Item(menu, SelectIt)->GetCaption(), "Select Column");
    EXPECT_EQ(Item(menu, InsertIt)->GetCaption(), "Insert Column");
    EXPECT_EQ(Item(menu, DeleteIt)->GetCaption(), "Delete Column");
    EXPECT_TRUE(Item(menu, Precision)->GetEnabled());
    EXPECT_EQ(RightClick(1, 3), menu);   // the attribute of data row 3
    EXPECT_EQ(Item(menu, SelectIt)->GetCaption(), "Select Row");
    EXPECT_EQ(Item(menu, DeleteIt)->GetCaption(), "Delete Row");
    EXPECT_FALSE(Item(menu, Precision)->GetEnabled());
    EXPECT_TRUE(Item(menu, InsertIt)->GetEnabled());
    // Read-only: no inserting or deleting.
    ed->SetDataReadOnly(true);
    RightClick(3, 0);
    EXPECT_FALSE(Item(menu, InsertIt)->GetEnabled());
    EXPECT_FALSE(Item(menu, DeleteIt)->GetEnabled());
    EXPECT_TRUE(Item(menu, SelectIt)->GetEnabled());
    // Where the heading lines meet nothing opens; the corner opens the comment editor.
    EXPECT_EQ(RightClick(1, 0), nullptr);
    EXPECT_EQ(RightClick(0, 0), nullptr);
    EXPECT_TRUE(ed->GetCommentEditorActive());
}

TEST_F(NTabEdMenu, WhereTheMenusOpenAndTheFrameRoundTheHeading) {
    const vcl::TRect head = ed->CellRect(3, 0);
    auto buffer = [&](int X, int Y) {   // the form's back buffer at an editor point
        return form->GetBackBuffer()->GetCanvas()->GetPixels(ed->GetLeft() + X, ed->GetTop() + Y) & 0xFFFFFF;
    };
    const int fx = head.Left, fy = (head.Top + head.Bottom) / 2;
    const TColor before = buffer(fx, fy);
    TColor during = 0;
    vcl::TPoint at;
    vcl::Testing::OnPopup([&](TPopupMenu*, int X, int Y) -> TMenuItem* {
        at = {X, Y};
        during = buffer(fx, fy);
        return nullptr;
    });
    vcl::Input::Click(ed, fx + 10, fy, {}, vcl::mbRight);
    EXPECT_EQ(at, ed->ClientToScreen({head.Left + 20, head.Top + 20}));
    EXPECT_EQ(during, ~before & 0xFFFFFF);   // inverted while the menu is open
    vcl::Application->ProcessMessages();
    EXPECT_EQ(buffer(fx, fy), before);
    const vcl::TPoint p = Centre(3, 2);
    vcl::Input::Click(ed, p.X, p.Y, {}, vcl::mbRight);
    EXPECT_EQ(at, ed->ClientToScreen({p.X + 10, p.Y - 20}));
    vcl::Testing::OnPopup(nullptr);
}

TEST_F(NTabEdMenu, HeaderActions) {
    FillSample();
    RightClick(3, 0, [](TPopupMenu* M) { return Item(M, SelectIt); });
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(3, 1, 3, 4));
    EXPECT_EQ(N("Selection"), 1);
    RightClick(0, 2, [](TPopupMenu* M) { return Item(M, SelectIt); });
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 2, 4, 2));
    RightClick(3, 0, [](TPopupMenu* M) { return Item(M, InsertIt); });
    EXPECT_EQ(ed->GetNrOfColumns(), 4);
    EXPECT_EQ(ed->GetColName(2), "(...)");
    EXPECT_EQ(ed->GetColName(3), "C-2");
    EXPECT_EQ(N("Setup"), 1);
    ResetCounts();
    RightClick(0, 2, [](TPopupMenu* M) { return Item(M, DeleteIt); });
    EXPECT_EQ(ed->GetNrOfRows(), 3);
    EXPECT_EQ(ed->GetRowName(2), "R-3");
    EXPECT_EQ(N("Setup"), 1);
}

TEST_F(NTabEdMenu, ChangePrecisionSteps) {
    // The header menu comes again after each step; the "user" steps six times.
    int steps = 0;
    RightClick(2, 0, [&](TPopupMenu* M) -> TMenuItem* { return steps++ < 6 ? Item(M, Precision) : nullptr; });
    EXPECT_EQ(ed->GetPrecision(1), 9);   // 3, 2, 1, 0, -1, 10, 9
    EXPECT_EQ(N("Layout"), 12);          // each step, and each menu closing
    ed->SetPrecision(1, 0);
    ed->SetClickedCell({2, 0});
    vcl::Testing::OnPopup([](TPopupMenu*, int, int) -> TMenuItem* { return nullptr; });
    ed->PopupMenuClickPrecision(nullptr);
    EXPECT_EQ(ed->GetPrecision(1), -1);
    ed->PopupMenuClickPrecision(nullptr);
    EXPECT_EQ(ed->GetPrecision(1), 10);
    vcl::Testing::OnPopup(nullptr);
}

TEST_F(NTabEdMenu, HeadingEditorStoresOnEnterOnly) {
    vcl::TEdit* editor = ed->GetNameEditor();
    FillSample();
    ed->SetColName(2, "Flow");
    ResetCounts();
    RightClick(3, 0, [](TPopupMenu* M) { return Item(M, EditHeading); });
    ASSERT_TRUE(ed->GetNameEditorActive());
    EXPECT_TRUE(editor->GetVisible());
    EXPECT_EQ(editor->GetText(), "Flow");
    const vcl::TRect cell = ed->CellRect(3, 0);
    EXPECT_EQ(editor->GetLeft(), cell.Left + 30);
    EXPECT_EQ(editor->GetTop(), cell.Top + 5);
    // While it is open the grid takes no mouse-downs.
    const vcl::TGridRect before = ed->GetSelection();
    ClickCell(4, 3);
    EXPECT_EQ(ed->GetSelection(), before);
    vcl::Input::TypeText(editor, "Pressure\x1b");
    EXPECT_FALSE(ed->GetNameEditorActive());
    EXPECT_FALSE(editor->GetVisible());
    EXPECT_EQ(ed->GetColName(2), "Flow");
    EXPECT_EQ(N("Heading"), 0);
    RightClick(3, 0, [](TPopupMenu* M) { return Item(M, EditHeading); });
    vcl::Input::TypeText(editor, "Pressure\r");
    EXPECT_EQ(ed->GetColName(2), "Pressure");
    EXPECT_EQ(N("Heading"), 2);

    // Attributes: read as a number, limited to 0..255, rounded.
    ed->SetAttribColVisible(true);
    ResetCounts();
    RightClick(0, 3, [](TPopupMenu* M) { return Item(M, EditHeading); });   // a row name
    EXPECT_EQ(editor->GetText(), "R-2");
    vcl::Input::TypeText(editor, "\x1b");
    RightClick(3, 1, [](TPopupMenu* M) { return Item(M, EditHeading); });   // column attribute
    EXPECT_EQ(editor->GetText(), "0");
    vcl::Input::TypeText(editor, "300\r");
    EXPECT_EQ(ed->GetColAttrib(2), 255);
    EXPECT_EQ(N("Attrib"), 1);
    EXPECT_EQ(N("Heading"), 1);
    RightClick(1, 4, [](TPopupMenu* M) { return Item(M, EditHeading); });   // attribute of row 3
    vcl::Input::TypeText(editor, "12,6\r");
    EXPECT_EQ(ed->GetRowAttrib(3), 13);
    RightClick(1, 4, [](TPopupMenu* M) { return Item(M, EditHeading); });
    vcl::Input::TypeText(editor, "many\r");   // not a number: dropped
    EXPECT_EQ(ed->GetRowAttrib(3), 13);
    EXPECT_EQ(N("Attrib"), 2);
    // Where the heading lines meet there is nothing to edit.
    ed->SetClickedCell({1, 1});
    ed->PopupMenuClickChangeID(nullptr);
    EXPECT_FALSE(ed->GetNameEditorActive());
}

TEST_F(NTabEdMenu, CommentEditorOnTheCorner) {
    ed->SetComment("old");
    ResetCounts();
    RightClick(0, 0);
    vcl::TMemo* memo = ed->GetCommentEditor();
    ASSERT_TRUE(ed->GetCommentEditorActive());
    EXPECT_EQ(memo->GetText(), "old");
    EXPECT_EQ(memo->GetLeft(), ed->GetColWidths(0));
    EXPECT_EQ(memo->GetTop(), 0);
    EXPECT_EQ(memo->GetWidth(), ed->GetWidth() - ed->GetColWidths(0) - 20);
    EXPECT_EQ(memo->GetHeight(), 80);
    EXPECT_EQ(memo->GetColor(), TColor(0x808000));
    memo->SelectAll();
    vcl::Input::TypeText(memo, "new note\r");
    EXPECT_FALSE(ed->GetCommentEditorActive());
    EXPECT_EQ(ed->GetComment(), "new note");
    EXPECT_EQ(N("Change"), 1);
    // Escape, and a click on the corner, close it without storing.
    RightClick(0, 0);
    vcl::Input::TypeText(memo, "x\x1b");
    EXPECT_EQ(ed->GetComment(), "new note");
    RightClick(0, 0);
    ClickCell(0, 0);
    EXPECT_FALSE(ed->GetCommentEditorActive());
    EXPECT_EQ(N("Change"), 1);
    // Not allowed, or blocked: nothing opens.
    ed->SetCommentEditingAllowed(false);
    RightClick(0, 0);
    EXPECT_FALSE(ed->GetCommentEditorActive());
    ed->SetCommentEditingAllowed(true);
    ed->SetBlockInternalPopup(true);
    RightClick(0, 0);
    EXPECT_EQ(RightClick(2, 1), nullptr);
    EXPECT_FALSE(ed->GetCommentEditorActive());
}

TEST_F(NTabEdMenu, TheApplicationsOwnMenuTakesPrecedence) {
    auto* own = new TPopupMenu(form.get());
    ed->SetPopupMenu(own);
    TPopupMenu* opened = RightClick(2, 1);
    EXPECT_NE(opened, ed->GetDataMenu());
    EXPECT_NE(opened, ed->GetHeaderMenu());
}

TEST_F(NTabEdMenu, CopyPutsTabSeparatedRowsOnTheClipboard) {
    ed->SetClipboardUseFullPrec(false);
    ed->SetElem(1, 1, 1);
    ed->SetElem(2, 1, 2);
    ed->SetElem(1, 2, 3);
    ed->SetIsEmpty(2, 2, true);
    Select(2, 1, 3, 2);
    ResetCounts();
    ed->PopupMenuClickCopy(nullptr);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), " 1.000\t2.000\r\n 3.000\t####\r\n");
    ed->SetClipboardUseFullPrec(true);
    ed->SetPrecision(1, -1);
    Select(2, 1, 2, 1);
    ed->PopupMenuClickCopy(nullptr);
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), "  1.0000000000000E+0000\r\n");
    ed->SetClipboardUseFullPrec(false);
    ed->PopupMenuClickCopy(nullptr);
    EXPECT_EQ(vcl::Clipboard()->GetAsText(), "  1.0E+0000\r\n");
}

TEST_F(NTabEdMenu, PasteWritesValuesAndStatesInsideTheTable) {
    FillSample();
    ed->SetElemMarkedA(1, 1, true);
    ed->SetIsEmpty(2, 2, true);
    Select(2, 1, 3, 2);   // data (1, 1) to (2, 2)
    ed->PopupMenuClickCopy(nullptr);
    Select(4, 3, 4, 3);   // data (3, 3): the block's right column falls outside
    ResetCounts();
    ed->PopupMenuClickPaste(nullptr);
    EXPECT_EQ(ed->GetElem(3, 3), 11);
    EXPECT_EQ(ed->GetCellState(3, 3), dtsMarkA);
    EXPECT_EQ(ed->GetCellState(3, 4), 0);
    EXPECT_EQ(ed->GetElem(3, 4), 12);
    EXPECT_EQ(ed->GetNrOfColumns(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"Change", "CellState", "Paste"}));
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(4, 3, 4, 4));   // cut to the grid
    // Copied again after pasting: the buffer holds the first block until the next copy.
    Select(2, 3, 2, 3);
    ed->PopupMenuClickPaste(nullptr);
    EXPECT_TRUE(ed->GetIsEmpty(2, 4));
}

TEST_F(NTabEdMenu, ExtractFromClipboard) {
    FillSample();
    ed->SetCellState(2, 1, dtsInvalid | dtsMarkB);
    vcl::Clipboard()->SetAsText("1\t2\r\n3\t4\r\n");
    int cols = 0, rows = 0;
    EXPECT_TRUE(ed->GetClipMatrixSize(cols, rows));
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(rows, 2);
    Select(2, 1, 2, 1);
    ResetCounts();
    ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(ed->GetElem(1, 1), 1);
    EXPECT_EQ(ed->GetElem(2, 1), 2);
    EXPECT_EQ(ed->GetElem(1, 2), 3);
    EXPECT_EQ(ed->GetElem(2, 2), 4);
    EXPECT_EQ(ed->GetElem(3, 1), 31);
    // A cell that held no number holds one now; its mark stays.
    EXPECT_EQ(ed->GetCellState(2, 1), dtsMarkB);
    EXPECT_EQ(log, (std::vector<std::string>{"Change", "Paste"}));
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 1, 3, 2));
    // At the table's edge the rest is left out.
    vcl::Clipboard()->SetAsText("7 8 9\n");
    Select(4, 4, 4, 4);
    ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(ed->GetElem(3, 4), 7);
    EXPECT_EQ(ed->GetElem(2, 4), 24);
    vcl::Clipboard()->SetAsText("1e5000");
    Select(2, 2, 2, 2);
    ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(ed->GetElem(1, 2), uc_MaxDouble);
}

TEST_F(NTabEdMenu, AnEmptyRowOfTheClipboardTextIsARowOfEmptyCells) {
    FillSample();
    vcl::Clipboard()->SetAsText("1\t2\r\n\r\n3\t4\r\n");
    int cols = 0, rows = 0;
    EXPECT_TRUE(ed->GetClipMatrixSize(cols, rows));
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(rows, 3);
    Select(2, 1, 2, 1);
    ResetCounts();
    ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(ed->GetElem(1, 1), 1);
    EXPECT_EQ(ed->GetElem(2, 1), 2);
    EXPECT_EQ(ed->GetElem(1, 2), 12);   // the empty row writes nothing
    EXPECT_EQ(ed->GetElem(2, 2), 22);
    EXPECT_EQ(ed->GetElem(1, 3), 3);
    EXPECT_EQ(ed->GetElem(2, 3), 4);
    EXPECT_EQ(log, (std::vector<std::string>{"Change", "Paste"}));
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 1, 3, 3));
    // A line of tabs only is such a row as well.
    vcl::Clipboard()->SetAsText("5\t6\n\t\n7\t8\n");
    ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(ed->GetElem(2, 1), 6);
    EXPECT_EQ(ed->GetElem(2, 2), 22);
    EXPECT_EQ(ed->GetElem(2, 3), 8);
}

TEST_F(NTabEdMenu, SignedZeroAndInfinitiesSurviveCopyAndPaste) {
    const double inf = std::numeric_limits<double>::infinity();
    auto expectOriginals = [&](int Row, const std::string& How) {
        EXPECT_EQ(ed->GetElem(1, Row), 0.0) << How;
        EXPECT_TRUE(std::signbit(ed->GetElem(1, Row))) << How;
        EXPECT_EQ(ed->GetElem(2, Row), inf) << How;
        EXPECT_EQ(ed->GetElem(3, Row), -inf) << How;
        for (int c = 1; c <= 3; ++c) EXPECT_TRUE(ed->GetIsNumber(c, Row)) << How;
    };
    for (const bool full : {true, false}) {
        FillSample();
        ed->SetElem(1, 1, -0.0);
        ed->SetElem(2, 1, inf);
        ed->SetElem(3, 1, -inf);
        ed->SetClipboardUseFullPrec(full);
        Select(2, 1, 4, 1);
        ed->PopupMenuClickCopy(nullptr);
        EXPECT_EQ(vcl::Clipboard()->GetAsText(),
                  full ? " -0.0000000000000E+0000\t                  +Inf\t                  -Inf\r\n"
                       : " -0.000\t+Inf\t-Inf\r\n");
        // From the copy buffer, and from the clipboard's text.
        Select(2, 2, 2, 2);
        ed->PopupMenuClickPaste(nullptr);
        expectOriginals(2, full ? "pasted, full precision" : "pasted");
        Select(2, 3, 2, 3);
        ed->PopupMenuClickExtClip(nullptr);
        expectOriginals(3, full ? "extracted, full precision" : "extracted");
    }
}

TEST_F(NTabEdMenu, ClipboardTextThatIsNoTableIsRefused) {
    FillSample();
    Select(2, 1, 2, 1);
    for (const std::string& text : {std::string("1\t2\r\n3\r\n"), std::string("\"1\"\t2"), std::string("1\0\0\x01", 4),
                                   std::string(10 << 20, '5')}) {
        vcl::Clipboard()->SetAsText(text);
        int cols = 0, rows = 0;
        EXPECT_FALSE(ed->GetClipMatrixSize(cols, rows));
        try {
            ed->PopupMenuClickExtClip(nullptr);
            ADD_FAILURE() << "accepted " << text.substr(0, 20);
        } catch (const EZynNTabedError& e) {
            EXPECT_EQ(e.Message().rfind("Component \"Ed\": the clipboard text is not a table of numbers: ", 0), 0u)
                << e.Message();
        }
    }
    EXPECT_EQ(ed->GetElem(1, 1), 11);
    EXPECT_EQ(ed->GetElem(2, 1), 21);
    EXPECT_TRUE(log.empty());
    // Without text there is nothing to do.
    vcl::Clipboard()->Clear();
    int cols = 0, rows = 0;
    EXPECT_FALSE(ed->GetClipMatrixSize(cols, rows));
    EXPECT_EQ(cols, 1);
    ed->PopupMenuClickExtClip(nullptr);
    EXPECT_TRUE(log.empty());
}

TEST_F(NTabEdMenu, DataActionsOnTheSelection) {
    FillSample();
    Select(3, 2, 4, 3);   // data (2, 2) to (3, 3)
    ed->PopupMenuClickMarkARange(nullptr);
    EXPECT_EQ(ed->NrOfMarkedDataA(), 4);
    ed->PopupMenuClickMarkBColumn(nullptr);
    EXPECT_EQ(ed->NrOfMarkedDataB(), 8);
    ed->PopupMenuClickUnMarkARow(nullptr);
    EXPECT_EQ(ed->NrOfMarkedDataA(), 0);
    ed->PopupMenuClickMarkAAll(nullptr);
    EXPECT_EQ(ed->NrOfMarkedDataA(), 12);
    ed->PopupMenuClickUnMarkAll(nullptr);
    EXPECT_FALSE(ed->IfAnyMarked());
    EXPECT_EQ(N("CellState"), 5);
    ed->SetElemMarkedA(2, 2, true);
    ResetCounts();
    ed->PopupMenuClickClear(nullptr);
    EXPECT_EQ(ed->GetElem(2, 2), 0);
    EXPECT_EQ(ed->GetCellState(2, 2), 0);
    EXPECT_EQ(ed->GetElem(1, 2), 12);
    EXPECT_EQ(log, (std::vector<std::string>{"Paste", "Change", "CellState"}));
    ed->PopupMenuClickEmptyCells(nullptr);
    EXPECT_TRUE(ed->GetIsEmpty(3, 3));
    ed->PopupMenuClickEmptyCells(nullptr);
    EXPECT_TRUE(ed->GetIsNumber(3, 3));
    ed->PopupMenuClickSelAll(nullptr);
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 1, 4, 4));
}

TEST_F(NTabEdMenu, TwoEditorsKeepTheirOwnMenus) {
    auto* other = new TNTabEd(form.get());
    other->SetName("Other");
    other->SetParent(form.get());
    other->SetBounds(10, 200, 300, 150);
    other->SetPopupDCaptions(7, "Copy block");
    other->SetPopupHMask(1);
    ed->SetClickedCell({3, 0});
    EXPECT_NE(other->GetDataMenu(), ed->GetDataMenu());
    EXPECT_EQ(ed->GetPopupDCaptions(7), "Copy");
    EXPECT_EQ(ed->GetPopupHMask(), INT_MAX);
    EXPECT_TRUE(Item(ed->GetHeaderMenu(), 5)->GetEnabled());
    EXPECT_EQ(other->GetClickedCell(), (vcl::TGridCoord{-1, -1}));
}

// The read-only item's box takes the menu's dark colours in the dark themes: its middle is
// dark, not the light box of the light artwork, and in light it is the artwork as drawn.
TEST_F(NTabEdMenu, ReadOnlyBoxIsNoLightBoxOnADarkMenu) {
    auto middle = [&] {
        TPopupMenu* data = RightClick(2, 1);
        vcl::TBitmap* box = Item(data, ReadOnlyIt)->GetBitmap();
        return box->GetCanvas()->GetPixels(box->GetWidth() / 2, box->GetHeight() / 2);
    };
    vcl::TBitmap drawn;
    LoadResourceBitmap(&drawn, "EMPTYBOX");
    EXPECT_EQ(middle(), drawn.GetCanvas()->GetPixels(8, 8));
    for (const char* theme : {"dark", "high-contrast"}) {
        vcl::Application->SetTheme(theme);
        EXPECT_LT(vcl::RelativeLuminance(middle()), 0.05) << theme;
    }
    vcl::Application->SetTheme("light");
}
