// The table editor under the user's hands: in-place editing with validation, nominal
// columns with their pick list, clicks that select or edit, Escape, automatic advance, and
// the notifications of keys, wheel and scrolling.
#include <gtest/gtest.h>

#include <string>

#include "NTabEdTestSupport.h"

using namespace zyn;
using namespace ntabed_test;

namespace {

class NTabEdEdit : public NTabEdTest {
protected:
    vcl::TInplaceEdit* Editor() { return ed->GetInplaceEditor(); }
    // Moves to the grid cell and types Text there: the first character opens the editor.
    void TypeInto(int ACol, int ARow, const std::string& Text) {
        ed->SetCol(ACol);
        ed->SetRow(ARow);
        ed->SetFocus();
        vcl::Input::TypeText(ed, Text.substr(0, 1));
        ASSERT_TRUE(ed->GetEditorMode()) << "no editor for " << Text;
        vcl::Input::TypeText(Editor(), Text.substr(1));
    }
    void SetUp() override {
        NTabEdTest::SetUp();
        FillSample();
        ClickCell(2, 1);   // the mouse-up turns editing on
        ResetCounts();
    }
};

}  // namespace

TEST_F(NTabEdEdit, TypedNumbersAreStoredOthersAreNotANumber) {
    TypeInto(2, 1, "1,5\r");
    EXPECT_EQ(ed->GetElem(1, 1), 1.5);
    EXPECT_EQ(ed->GetCellState(1, 1), 0);
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetRow(), 2);   // on to the next row
    EXPECT_GE(N("Change"), 1);
    // Letters or blanks: not a number, and the marks go with the old state.
    ed->SetElemMarkedA(1, 2, true);
    TypeInto(2, 2, "abc\r");
    EXPECT_EQ(ed->GetCellState(1, 2), dtsInvalid);
    EXPECT_EQ(ed->GetElem(1, 2), 12);
    TypeInto(2, 3, "   \r");
    EXPECT_EQ(ed->GetCellState(1, 3), dtsInvalid);
    TypeInto(3, 3, " -2.5e3 \r");
    EXPECT_EQ(ed->GetElem(2, 3), -2500);
    EXPECT_TRUE(ed->GetIsNumber(2, 3));
}

TEST_F(NTabEdEdit, OpeningAndClosingWithoutTypingChangesNothing) {
    ed->SetElem(1, 1, 1.23456);
    ed->SetIsEmpty(2, 1, true);
    ed->SetCellState(3, 1, dtsInvalid);
    for (int col = 2; col <= 4; ++col) {
        ed->SetCol(col);
        ed->SetRow(1);
        vcl::Input::KeyDown(ed, vcl::VK_F2);
        ASSERT_TRUE(ed->GetEditorMode());
        ed->SetEditorMode(false);
    }
    EXPECT_EQ(ed->GetElem(1, 1), 1.23456);   // not the 1.235 the editor showed
    EXPECT_TRUE(ed->GetIsEmpty(2, 1));
    EXPECT_EQ(ed->GetCellState(3, 1), dtsInvalid);
    // Typing back to the text shown stores it.
    TypeInto(2, 1, "1.23");
    vcl::Input::TypeText(Editor(), "5\r");
    EXPECT_EQ(ed->GetElem(1, 1), 1.235);
}

TEST_F(NTabEdEdit, ATableChangedUnderTheEditorKeepsTheEditWhereItWent) {
    TypeInto(2, 2, "5");
    ASSERT_TRUE(ed->GetEditorMode());
    ed->Data->InsertRow(1);   // from outside: the edited row moves down
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(1, 3), 5);
    EXPECT_EQ(ed->GetElem(1, 2), 11);
    EXPECT_EQ(ed->GetRowCount(), 6);
}

TEST_F(NTabEdEdit, EditTextEvents) {
    std::string seen;
    ed->SetOnGetEditText([](vcl::TObject*, int, int, std::string& Value) { Value = "[" + Value + "]"; });
    ed->SetOnSetEditText([&](vcl::TObject*, int ACol, int ARow, const std::string& Value) {
        seen = std::to_string(ACol) + "," + std::to_string(ARow) + ":" + Value;
    });
    ed->SetCol(3);
    ed->SetRow(2);
    vcl::Input::KeyDown(ed, vcl::VK_F2);
    EXPECT_EQ(Editor()->GetText(), "[22.000]");
    vcl::Input::TypeText(Editor(), "\b\b\b\b\b\b\b\b7");
    EXPECT_EQ(seen, "3,2:7");
    EXPECT_EQ(ed->GetElem(2, 2), 7);
}

TEST_F(NTabEdEdit, NominalColumnsTakeIdentifiersOrWholeNumbers) {
    ed->Data->SetMScaleType(2, mstNominal);
    ed->Data->SetNominalID(2, 1, "red");
    ed->Data->SetNominalID(2, 2, "green");
    ed->Data->SetNominalID(2, 5, "blue");
    ed->SetElem(2, 1, 2);
    ed->SetCol(3);
    ed->SetRow(1);
    vcl::Input::KeyDown(ed, vcl::VK_F2);
    auto* list = dynamic_cast<vcl::TInplaceEditList*>(Editor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetText(), "green");
    EXPECT_EQ(list->GetEditStyle(), vcl::esPickList);
    EXPECT_EQ(list->GetDropDownRows(), 8);
    ed->SetNomEditDropDownCount(3);
    EXPECT_EQ(list->GetDropDownRows(), 3);
    list->DropDown();
    ASSERT_EQ(list->GetPickList()->Count(), 3);
    EXPECT_EQ(list->GetPickList()->Get(2), "blue");
    list->CloseUp(false);
    ed->SetEditorMode(false);

    TypeInto(3, 2, "Blue\r");
    EXPECT_EQ(ed->GetElem(2, 2), 5);
    EXPECT_EQ(ed->GetCellState(2, 2), 0);
    TypeInto(3, 3, " 7 \r");
    EXPECT_EQ(ed->GetElem(2, 3), 7);
    TypeInto(3, 4, "purple\r");
    EXPECT_EQ(ed->GetCellState(2, 4), dtsInvalid);
    // Numeric columns keep the plain editor.
    ed->SetCol(2);
    vcl::Input::KeyDown(ed, vcl::VK_F2);
    EXPECT_EQ(list->GetEditStyle(), vcl::esSimple);
}

TEST_F(NTabEdEdit, ASecondClickEditsAClickElsewhereOnlySelects) {
    ClickCell(3, 2);
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(3, 2, 3, 2));
    ClickCell(3, 2);
    ASSERT_TRUE(ed->GetEditorMode());
    // Escape ends editing until the next mouse-up.
    vcl::Input::KeyPress(Editor(), 27);
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_FALSE(ed->GetOptions().Contains(vcl::goEditing));
    vcl::Input::TypeText(ed, "9");
    EXPECT_FALSE(ed->GetEditorMode());
    EXPECT_EQ(ed->GetElem(2, 2), 22);
    ClickCell(4, 4);
    vcl::Input::TypeText(ed, "9");
    EXPECT_TRUE(ed->GetEditorMode());
}

TEST_F(NTabEdEdit, DraggingSelectsARangeAndReportsIt) {
    const vcl::TPoint a = Centre(2, 2), b = Centre(4, 4);
    vcl::Input::MouseDown(ed, vcl::mbLeft, {}, a.X, a.Y);
    vcl::Input::MouseMove(ed, b.X, b.Y, {vcl::ssLeft});
    vcl::Input::MouseUp(ed, vcl::mbLeft, {}, b.X, b.Y);
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 2, 4, 4));
    EXPECT_GE(N("Selection"), 2);
    EXPECT_TRUE(ed->GetOptions().Contains(vcl::goEditing));
}

TEST_F(NTabEdEdit, EnterAdvancesInTheChosenDirection) {
    ed->SetAutoAdvanceDir(orHorizontal);
    TypeInto(2, 1, "4\r");
    EXPECT_EQ(ed->GetCol(), 3);
    EXPECT_EQ(ed->GetRow(), 1);
    ed->SetAutoAdvance(false);
    TypeInto(3, 1, "5\r");
    EXPECT_EQ(ed->GetCol(), 3);
    EXPECT_EQ(ed->GetElem(2, 1), 5);
}

TEST_F(NTabEdEdit, ReadOnlyStopsEditing) {
    ed->SetDataReadOnly(true);
    EXPECT_FALSE(ed->GetOptions().Contains(vcl::goEditing));
    ClickCell(2, 1);
    ClickCell(2, 1);
    EXPECT_FALSE(ed->GetEditorMode());
    vcl::Input::TypeText(ed, "3");
    EXPECT_EQ(ed->GetElem(1, 1), 11);
    ed->SetDataReadOnly(false);
    EXPECT_TRUE(ed->GetOptions().Contains(vcl::goEditing));
}

TEST_F(NTabEdEdit, KeysWheelAndScrollingReport) {
    vcl::Input::KeyDown(ed, vcl::VK_DOWN);
    EXPECT_EQ(ed->GetRow(), 2);
    vcl::Input::KeyDown(ed, vcl::VK_LEFT);   // already in the first data column
    EXPECT_EQ(N("Selection"), 2);            // reported after every key
    const vcl::TPoint p = Centre(3, 3);
    vcl::Input::Wheel(ed, -120, p.X, p.Y);
    EXPECT_EQ(ed->GetRow(), 3);
    EXPECT_EQ(N("Selection"), 3);

    int topLeft = 0;
    ed->SetOnTopLeftChanged([&](vcl::TObject*) { ++topLeft; });
    ed->SetNrOfRows(200);
    ed->SetTopRow(50);
    EXPECT_EQ(ed->GetTopRow(), 50);
    EXPECT_EQ(topLeft, 1);
    ed->SetTopRow(5000);
    EXPECT_EQ(ed->GetTopRow(), 200);
    ed->SetLeftCol(0);
    EXPECT_EQ(ed->GetLeftCol(), 1);
}
