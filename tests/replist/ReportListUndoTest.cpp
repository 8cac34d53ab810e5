// Undo and redo in the report list view: in-place edits (one step each), check boxes and
// radio buttons, the row editor's write-back, the keys, and rows that moved or went away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Buttons.h"
#include "platform/StdCtrls.h"
#include "tests/replist/ReportListViewSupport.h"

using namespace vcl;
using namespace zyn;

namespace {

class ReportListUndo : public rlv_test::ViewTest {
protected:
    // Every stored text, marks included, in presented order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (int r = 1; r <= view->GetNrOfRows(); ++r)
            for (int c = 1; c <= view->GetNrOfColumns(); ++c) t.push_back(view->GetData()->Strings->GetString(c, r));
        return t;
    }
};

}  // namespace

TEST_F(ReportListUndo, EditsChecksAndWriteBackComeBack) {
    FillNamed(3, 4);
    view->SetColCheckMode(2, cmBox);
    view->SetColCheckMode(3, cmRadio);
    view->SetColumnEditable(1, true);
    int changes = 0;
    view->SetOnChange([&](TObject*) { ++changes; });
    const std::vector<std::string> start = Texts();

    // An in-place edit of three keys is one step.
    ClickCell(1, 2);
    Input::KeyDown(view, VK_F2);
    ASSERT_NE(view->GetInplaceEditor(), nullptr);
    Input::TypeText(view->GetInplaceEditor(), "abc");
    EXPECT_EQ(view->GetElem(1, 2), "r2c1abc");
    Input::KeyPress(view->GetInplaceEditor(), U'\r');
    const std::vector<std::string> edited = Texts();
    EXPECT_EQ(view->GetUndoHistory().Count(), 1);

    // A check box and two radio buttons.
    ClickCell(2, 1, {}, 8);
    ClickCell(3, 2, {}, 8);
    ClickCell(3, 4, {}, 8);
    const std::vector<std::string> checked = Texts();
    EXPECT_EQ(view->GetUndoHistory().Count(), 4);

    changes = 0;
    EXPECT_TRUE(view->Undo());
    EXPECT_TRUE(view->GetElemChecked(3, 2));
    EXPECT_FALSE(view->GetElemChecked(3, 4));
    EXPECT_GT(changes, 0);
    view->Undo();
    view->Undo();
    EXPECT_EQ(Texts(), edited);
    view->Undo();
    EXPECT_EQ(Texts(), start);
    EXPECT_FALSE(view->Undo());
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(view->Redo());
    EXPECT_EQ(Texts(), checked);

    // The keys; a sort in between: the cells are found by their rows.
    view->SetFocus();
    Input::KeyDown(view, 'Z', {ssCtrl});
    view->GetData()->Sort(1, -1, false);
    Input::KeyDown(view, 'Z', {ssCtrl});
    Input::KeyDown(view, 'Z', {ssCtrl});
    Input::KeyDown(view, 'Z', {ssCtrl});
    view->GetData()->UnSort();
    EXPECT_EQ(Texts(), start);
    Input::KeyDown(view, 'Y', {ssCtrl});
    Input::KeyDown(view, 'Z', {ssCtrl, ssShift});
    view->GetData()->Sort(1, -1, false);
    view->GetData()->UnSort();
    EXPECT_EQ(view->GetElem(1, 2), "r2c1abc");
    EXPECT_TRUE(view->GetElemChecked(2, 1));

    // A row added: the steps cannot be placed and are forgotten.
    view->SetNrRows(5);
    EXPECT_FALSE(view->Undo());
    EXPECT_FALSE(view->CanRedo());
}

TEST_F(ReportListUndo, EscapeLeavesNoStepAndWriteBackIsOne) {
    FillNamed(3, 3);
    view->SetColumnEditable(1, true);
    ClickCell(1, 1);
    Input::KeyDown(view, VK_F2);
    ASSERT_NE(view->GetInplaceEditor(), nullptr);
    Input::TypeText(view->GetInplaceEditor(), "zz");
    Input::KeyDown(view->GetInplaceEditor(), VK_ESCAPE);
    EXPECT_EQ(view->GetElem(1, 1), "r1c1");
    EXPECT_FALSE(view->CanUndo());

    // The row editor writes three cells: one step takes them all back.
    const std::vector<std::string> start = Texts();
    Testing::OnModal([&](TForm* F) {
        for (TComponent* c : F->Components())
            if (auto* e = dynamic_cast<TEdit*>(c)) e->SetText("new" + std::to_string(c->GetTag()));
        for (TComponent* c : F->Components())
            if (auto* b = dynamic_cast<TSpeedButton*>(c); b != nullptr && b->GetName() == "runtime_rlre_OK")
                Input::Click(b, 40, 14);
    });
    EXPECT_EQ(view->EditRowEntries(2, 30, 40), mrOk);
    Testing::OnModal(nullptr);
    EXPECT_EQ(view->GetElem(3, 2), "new3");
    EXPECT_EQ(view->GetUndoHistory().Count(), 1);
    EXPECT_TRUE(view->Undo());
    EXPECT_EQ(Texts(), start);
    EXPECT_TRUE(view->Redo());
    EXPECT_EQ(view->GetElem(1, 2), "new1");
}
