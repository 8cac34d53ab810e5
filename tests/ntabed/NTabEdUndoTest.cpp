// Undo and redo: every change made through the editor, undone and redone, gives back the exact
// table (values bit for bit, states, names, attributes, scale types, nominal identifiers,
// decimal places, comment, size; column widths are layout and not part of it); one step per action; the keys; the limits of the history.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "NTabEdTestSupport.h"

using namespace zyn;
using namespace ntabed_test;

namespace {

// Everything the table holds, as the editor's public reads give it.
struct TTableImage {
    int Cols = 0, Rows = 0;
    std::vector<std::uint64_t> Bits;   // values as bit patterns: NaN and -0 compare exactly
    std::vector<std::uint8_t> States;
    std::vector<std::string> ColHeads, RowHeads;
    std::string Comment;
    bool operator==(const TTableImage&) const = default;
};

TTableImage Image(TNTabEd& Ed) {
    TTableImage im;
    im.Cols = Ed.GetNrOfColumns();
    im.Rows = Ed.GetNrOfRows();
    for (int c = 1; c <= im.Cols; ++c)
        for (int r = 1; r <= im.Rows; ++r) {
            const double v = Ed.GetElem(c, r);
            std::uint64_t b;
            std::memcpy(&b, &v, sizeof b);
            im.Bits.push_back(b);
            im.States.push_back(Ed.GetCellState(c, r));
        }
    for (int c = 1; c <= im.Cols; ++c) {
        std::string h = Ed.GetColName(c) + "|" + std::to_string(Ed.GetColAttrib(c)) + "|" +
                        std::to_string(Ed.Data->GetMScaleType(c)) + "|" + std::to_string(Ed.GetPrecision(c));
        for (int n = 1; n <= MaxNominalID; ++n) h += "|" + Ed.Data->GetNominalID(c, n);
        im.ColHeads.push_back(h);
    }
    for (int r = 1; r <= im.Rows; ++r) im.RowHeads.push_back(Ed.GetRowName(r) + "|" + std::to_string(Ed.GetRowAttrib(r)));
    im.Comment = Ed.GetComment();
    return im;
}

class NTabEdUndo : public NTabEdTest {
protected:
    // A 4 x 5 table with something distinct everywhere: values (one NaN), states and marks,
    // names, attributes, a nominal column with identifiers, decimal places, a comment.
    void SetUp() override {
        NTabEdTest::SetUp();
        ed->Redimension(4, 5);
        for (int c = 1; c <= 4; ++c) {
            for (int r = 1; r <= 5; ++r) ed->SetElem(c, r, c * 10 + r + 0.25 * ((c + r) % 3));
            ed->SetColName(c, "col" + std::to_string(c));
            ed->SetColAttrib(c, std::uint8_t(c * 3));
            ed->SetPrecision(c, c - 1);
        }
        for (int r = 1; r <= 5; ++r) {
            ed->SetRowName(r, "row" + std::to_string(r));
            ed->SetRowAttrib(r, std::uint8_t(5 - r));
        }
        ed->SetElem(3, 2, std::nan(""));
        ed->SetCellState(1, 1, dtsMarkA);
        ed->SetCellState(2, 3, dtsMarkB | dtsEmpty);
        ed->SetCellState(4, 5, dtsMarkA | dtsMarkB);
        ed->Data->SetMScaleType(2, mstNominal);
        ed->Data->SetNominalID(2, 1, "red");
        ed->Data->SetNominalID(2, 3, "blue");
        ed->SetComment("sample");
        ed->ClearUndo();
        ResetCounts();
    }
    // Change, undo, redo, undo again: the table is exactly as before or after each time, and
    // every replay fires OnChange.
    void Check(const std::string& What, const std::function<void()>& Change, int Steps = 1) {
        SCOPED_TRACE(What);
        const TTableImage before = Image(*ed);
        Change();
        const TTableImage after = Image(*ed);
        ASSERT_NE(before, after) << "the change changed nothing";
        ASSERT_EQ(ed->GetUndoHistory().Count(), Steps);
        ResetCounts();
        for (int i = 0; i < Steps; ++i) ASSERT_TRUE(ed->Undo());
        EXPECT_EQ(Image(*ed), before);
        EXPECT_EQ(N("Change"), Steps);
        EXPECT_FALSE(ed->CanUndo());
        for (int i = 0; i < Steps; ++i) ASSERT_TRUE(ed->Redo());
        EXPECT_EQ(Image(*ed), after);
        EXPECT_FALSE(ed->CanRedo());
        for (int i = 0; i < Steps; ++i) ASSERT_TRUE(ed->Undo());
        EXPECT_EQ(Image(*ed), before);
        ed->ClearUndo();
    }
    vcl::TInplaceEdit* Editor() { return ed->GetInplaceEditor(); }
    // Grid cell of data cell (c, r): the row-attribute column shows, the column-attribute row
    // does not.
    static int GC(int c) { return c + 1; }
    static int GR(int r) { return r; }
};

}  // namespace

TEST_F(NTabEdUndo, CellChangesUndoAndRedoExactly) {
    Check("in-place edit", [&] {
        ClickCell(GC(2), GR(2));   // the mouse-up turns editing on
        vcl::Input::TypeText(ed, "7");
        ASSERT_TRUE(ed->GetEditorMode());
        vcl::Input::TypeText(Editor(), "25\r");
    });
    Check("copy and paste", [&] {
        Select(GC(1), GR(1), GC(2), GR(3));
        ed->PopupMenuClickCopy(nullptr);
        Select(GC(3), GR(3), GC(3), GR(3));   // runs over the table's edge: clipped
        ed->PopupMenuClickPaste(nullptr);
    });
    Check("extract from clipboard", [&] {
        vcl::Clipboard()->SetAsText("1\t2\t3\r\n4\t5\t6\r\n");
        Select(GC(2), GR(4), GC(2), GR(4));
        ed->PopupMenuClickExtClip(nullptr);
    });
    Check("fill", [&] { ed->Fill(-1.5); });
    Check("fill marked", [&] { EXPECT_EQ(ed->FillMarkedCells(9, dtsMarkA), 2); });
    Check("clear block", [&] {
        Select(GC(1), GR(1), GC(3), GR(2));
        ed->PopupMenuClickClear(nullptr);
    });
    Check("toggle empty", [&] {
        Select(GC(2), GR(2), GC(4), GR(4));
        ed->PopupMenuClickEmptyCells(nullptr);
    });
    Check("clear all", [&] { ed->Clear(); });
    Check("mark range", [&] {
        Select(GC(1), GR(2), GC(2), GR(5));
        ed->PopupMenuClickMarkBRange(nullptr);
    });
    Check("mark all", [&] { ed->MarkAllElemsA(); });
    Check("unmark all", [&] { ed->UnMarkAllElems(); });
    Check("unmark all menu", [&] { ed->PopupMenuClickUnMarkAll(nullptr); });
    Check("invert", [&] { ed->InvertCellStates(dtsEmpty); });
    Check("exchange marks", [&] { ed->ExchangeMarkings(); });
    Check("cell state", [&] { ed->SetCellState(3, 3, dtsInvalid); });
    Check("mark one", [&] { ed->SetElemMarkedB(1, 1, true); });
    Check("empty one", [&] { ed->SetIsEmpty(4, 4, true); });
    Check("states from a table", [&] {
        TDataTable other(nullptr);
        other.Resize(4, 5);
        other.SetCellState(2, 2, dtsMarkA);
        EXPECT_TRUE(ed->CopyCellStatesFrom(&other));
    });
}

TEST_F(NTabEdUndo, HeadingsAndStructureUndoAndRedoExactly) {
    Check("column name", [&] { ed->SetColName(2, "renamed"); });
    Check("row name", [&] { ed->SetRowName(5, "last"); });
    Check("column attribute", [&] { ed->SetColAttrib(1, 200); });
    Check("row attribute", [&] { ed->SetRowAttrib(3, 77); });
    Check("decimal places", [&] { ed->SetPrecision(4, -1); });
    Check("comment", [&] { ed->SetComment("another"); });
    Check("insert row", [&] { ed->InsertRow(2); });
    Check("append column", [&] { ed->InsertColumn(5); });
    Check("remove row", [&] { ed->RemoveRow(3); });
    Check("remove nominal column", [&] { ed->RemoveColumn(2); });
    Check("menu insert column", [&] {
        ed->SetClickedCell({GC(2), 0});
        ed->PopupMenuClickInsertCol(nullptr);
    });
    Check("menu delete row", [&] {
        ed->SetClickedCell({0, GR(1)});
        ed->PopupMenuClickDeleteRow(nullptr);
    });
    Check("fewer columns", [&] { ed->SetNrOfColumns(2); });
    Check("more rows", [&] { ed->SetNrOfRows(8); });
    Check("both ways", [&] { ed->Redimension(6, 2); });
    Check("mirror columns", [&] { ed->MirrorColumns(); });
    Check("mirror rows", [&] { ed->MirrorRows(); });
    Check("sort rows with headers", [&] { ed->SortRows(1, false, 1, 1, 4, 5, true); });
    Check("sort columns of a block", [&] { ed->SortCols(2, false, 2, 2, 4, 4, false); });
    Check("sort row names", [&] { ed->SortRowNames(false, 1, 1, 4, 5); });
    Check("sort column attributes", [&] { ed->SortColAttributes(false, 1, 1, 4, 5); });
    Check("copy contents", [&] {
        TDataTable other(nullptr);
        other.Resize(3, 7);
        other.SetElem(1, 1, 99);
        other.SetColName(3, "other");
        other.SetMScaleType(1, mstNominal);
        other.SetNominalID(1, 2, "green");
        other.SetFComment("theirs");
        ed->CopyContentsFrom(&other);
    });
}

TEST_F(NTabEdUndo, StepsKeysAndHistory) {
    // Typing into a cell stores at every key, yet the edit is one step; Escape leaves none.
    ClickCell(GC(1), GR(2));
    vcl::Input::TypeText(ed, "1");
    vcl::Input::TypeText(Editor(), "234\r");
    EXPECT_EQ(ed->GetUndoHistory().Count(), 1);
    ClickCell(GC(3), GR(3));
    vcl::Input::TypeText(ed, "5");
    vcl::Input::TypeText(Editor(), "5");
    vcl::Input::KeyPress(Editor(), 27);
    EXPECT_EQ(ed->GetUndoHistory().Count(), 1);
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 2), 1234);

    // The keys: Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z; none while the data is read-only.
    ed->SetFocus();
    vcl::Input::KeyDown(ed, 'Z', {vcl::ssCtrl});
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 2), 12);
    vcl::Input::KeyDown(ed, 'Y', {vcl::ssCtrl});
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 2), 1234);
    vcl::Input::KeyDown(ed, 'Z', {vcl::ssCtrl});
    vcl::Input::KeyDown(ed, 'Z', {vcl::ssCtrl, vcl::ssShift});
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 2), 1234);
    ed->SetDataReadOnly(true);
    vcl::Input::KeyDown(ed, 'Z', {vcl::ssCtrl});
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 2), 1234);
    ed->SetDataReadOnly(false);

    // A new change drops what could be redone; the limit keeps the newest steps.
    ed->Undo();
    ed->SetColName(1, "x");
    EXPECT_FALSE(ed->CanRedo());
    ed->SetUndoLimit(3);
    for (int i = 0; i < 5; ++i) ed->SetRowAttrib(1, std::uint8_t(i));
    EXPECT_EQ(ed->GetUndoHistory().Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(ed->Undo());
    EXPECT_FALSE(ed->Undo());
    EXPECT_EQ(ed->GetRowAttrib(1), 1);
    EXPECT_EQ(ed->GetUndoLimit(), 3);

    // A size change past the editor forgets the history; so does another table.
    ed->SetColName(2, "y");
    ed->Data->Resize(5, 5);
    EXPECT_FALSE(ed->CanUndo());
    EXPECT_FALSE(ed->CanRedo());
    ed->SetColName(2, "z");
    TDataTable other(nullptr);
    other.Resize(2, 2);
    ed->AssignAnotherDataMatrix(&other);
    EXPECT_FALSE(ed->CanUndo());
    ed->SetUndoLimit(0);
    ed->SetColName(1, "none kept");
    EXPECT_FALSE(ed->CanUndo());
}

TEST_F(NTabEdUndo, StepsStoreWhatTheyChanged) {
    ed->Redimension(1000, 1000);
    ed->ClearUndo();
    // A step keeps the cells it changed, not the table: 100 cell edits keep 100 cells.
    for (int i = 1; i <= 100; ++i) ed->SetCellState(i, i, dtsMarkA);
    EXPECT_EQ(ed->GetUndoHistory().StoredUnits(), 100u);
    ed->ClearUndo();

    // A paste of the whole 1,000 x 1,000 table keeps the million cells it overwrote once (the
    // exchange serves undo and redo).
    Select(GC(1), GR(1), GC(1000), GR(1000));
    ed->PopupMenuClickCopy(nullptr);
    ed->PopupMenuClickPaste(nullptr);
    EXPECT_EQ(ed->GetUndoHistory().StoredUnits(), 1'000'000u);
    ed->ClearUndo();

    // 100 pastes of 1,000 x 100 blocks against a bound of a million cells: the history drops
    // its oldest steps and never holds more (a tenth of the time of full-table pastes, the
    // same rule).
    ed->GetUndoHistory().SetUnitBudget(1'000'000);
    Select(GC(1), GR(1), GC(1000), GR(100));
    ed->PopupMenuClickCopy(nullptr);
    for (int i = 1; i <= 100; ++i) {
        ed->SetElem(1, 1, i);   // not recorded: the next paste has something to overwrite
        ed->PopupMenuClickPaste(nullptr);
        ASSERT_LE(ed->GetUndoHistory().StoredUnits(), 1'000'000u);
    }
    EXPECT_EQ(ed->GetUndoHistory().Count(), 10);
    EXPECT_EQ(ed->GetUndoHistory().StoredUnits(), 1'000'000u);
    EXPECT_TRUE(ed->Undo());
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 1), 100);
}
