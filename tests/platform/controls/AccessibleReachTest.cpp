// What a tool reaches through the accessibility model besides reading: the object under a
// screen point, the keyboard focus given to an object, a table cell's place, a removed
// child told with its object, windows told as they activate, and forms freed by the
// program's exit while a listener is still registered.
#include <cstdlib>

#include "tests/support/AccessibilityRecorder.h"
#include "tests/support/FormFixture.h"

#include "platform/Accessibility.h"
#include "platform/ExtCtrls.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"

using namespace vcl;
using zyn_test::AccessibilityRecorder;

namespace {

class AccessibleReachTest : public zyn_test::FormFixture {
protected:
    AccessibleReachTest() : FormFixture({100, 50, 400, 300, bsNone}) {}
    static TPoint Middle(const TAccessiblePtr& A) {
        TRect r = A->GetScreenBounds();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

TEST_F(AccessibleReachTest, TheChildAtAPointIsTheTopmostShowingOne) {
    auto* panel = Place<TPanel>(10, 10, 200, 100);
    auto* inner = PlaceOn<TButton>(panel, 5, 5, 50, 20);
    auto* hidden = PlaceOn<TButton>(panel, 100, 5, 50, 20);
    auto* under = PlaceOn<TButton>(panel, 100, 50, 50, 20);
    auto* over = PlaceOn<TButton>(panel, 110, 55, 50, 20);
    hidden->SetVisible(false);
    auto formAcc = form->GetAccessible(), panelAcc = panel->GetAccessible();
    EXPECT_EQ(formAcc->GetChildAtPoint(Middle(inner->GetAccessible())), panelAcc);
    EXPECT_EQ(panelAcc->GetChildAtPoint(Middle(inner->GetAccessible())), inner->GetAccessible());
    // Screen (100, 50) is the form's corner; (115, 60) the panel's inside.
    EXPECT_EQ(formAcc->GetChildAtPoint({100, 50}), nullptr);
    EXPECT_EQ(formAcc->GetChildAtPoint({99, 49}), nullptr);
    EXPECT_EQ(panelAcc->GetChildAtPoint({100 + 10 + 1, 50 + 10 + 1}), nullptr);
    EXPECT_EQ(panelAcc->GetChildAtPoint({100 + 10 + 110, 50 + 10 + 10}), nullptr);   // on the hidden one
    EXPECT_EQ(panelAcc->GetChildAtPoint({100 + 10 + 115, 50 + 10 + 60}), over->GetAccessible());
    EXPECT_EQ(panelAcc->GetChildAtPoint({100 + 10 + 102, 50 + 10 + 52}), under->GetAccessible());
    delete panel;
    EXPECT_EQ(panelAcc->GetChildAtPoint({115, 65}), nullptr);   // defunct
}

TEST_F(AccessibleReachTest, GridCellsAtAPointAndTheirPlaceInTheTable) {
    auto* grid = Place<TStringGrid>(0, 0, 300, 150);
    grid->SetColCount(3);
    grid->SetRowCount(50);
    grid->SetFixedCols(0);
    grid->SetCells(2, 3, "c2r3");
    auto acc = grid->GetAccessible();
    auto cell = acc->GetTable()->GetCell(2, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetName(), "c2r3");
    ASSERT_NE(cell->GetTableCell(), nullptr);
    EXPECT_EQ(cell->GetTableCell()->GetCellRow(), 2);
    EXPECT_EQ(cell->GetTableCell()->GetCellColumn(), 2);
    EXPECT_EQ(cell->GetTableCell()->GetRowSpan(), 1);
    EXPECT_EQ(cell->GetTableCell()->GetColumnSpan(), 1);
    EXPECT_EQ(cell->GetTableCell()->GetOwningTable(), acc);
    EXPECT_EQ(acc->GetChildAtPoint(Middle(cell)), cell);
    auto header = acc->GetTable()->GetColumnHeader(1);
    EXPECT_EQ(header->GetTableCell(), nullptr);
    EXPECT_EQ(acc->GetChildAtPoint(Middle(header)), header);
    // Below the last row shown: a cell scrolled out is not under any point.
    auto far = acc->GetTable()->GetCell(45, 0);
    EXPECT_TRUE(far->GetScreenBounds().IsEmpty());
    grid->SetTopRow(44);
    EXPECT_EQ(acc->GetChildAtPoint(Middle(far)), far);
    EXPECT_EQ(acc->GetChildAtPoint({500, 500}), nullptr);
}

TEST_F(AccessibleReachTest, GrabFocusGivesTheKeyboardWhereAClickWould) {
    auto* edit = Place<TEdit>(10, 10, 100, 21);
    auto* button = Place<TButton>(10, 40, 75, 25);
    auto* label = Place<TLabel>(10, 70, 75, 15);
    auto* grid = Place<TStringGrid>(10, 100, 300, 150);
    edit->SetFocus();
    AccessibilityRecorder heard;
    EXPECT_TRUE(button->GetAccessible()->GrabFocus());
    EXPECT_TRUE(button->Focused());
    EXPECT_EQ(heard.Last(aeFocus), button->GetAccessible());
    EXPECT_FALSE(label->GetAccessible()->GrabFocus());
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->GetAccessible()->GrabFocus());
    EXPECT_TRUE(button->Focused());
    auto cell = grid->GetAccessible()->GetTable()->GetCell(2, 3);
    EXPECT_TRUE(cell->GrabFocus());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->GetRow(), 3);   // one fixed row above the table's rows
    EXPECT_EQ(grid->GetCol(), 3);
    EXPECT_TRUE(cell->HasState(asFocused));
    EXPECT_FALSE(grid->GetAccessible()->GetTable()->GetColumnHeader(1)->GrabFocus());
}

TEST_F(AccessibleReachTest, ARemovedChildIsToldWithItsObject) {
    auto* panel = Place<TPanel>(10, 10, 200, 100);
    auto* child = PlaceOn<TButton>(panel, 5, 5, 50, 20);
    auto* unread = PlaceOn<TButton>(panel, 60, 5, 50, 20);
    auto panelAcc = panel->GetAccessible();
    auto childAcc = child->GetAccessible();
    AccessibilityRecorder heard;
    delete child;
    ASSERT_EQ(heard.Count(aeChildRemoved, panelAcc.get()), 1);
    EXPECT_EQ(heard.events.back().Child, childAcc);
    EXPECT_TRUE(childAcc->IsDefunct());
    delete unread;   // nobody asked for its object: none is made for the event
    ASSERT_EQ(heard.Count(aeChildRemoved, panelAcc.get()), 2);
    EXPECT_EQ(heard.events.back().Child, nullptr);
    // A panel going with its children tells nothing of them.
    PlaceOn<TButton>(panel, 5, 5, 50, 20)->GetAccessible();
    heard.Clear();
    delete panel;
    EXPECT_EQ(heard.Count(aeChildRemoved, panelAcc.get()), 0);
}

TEST_F(AccessibleReachTest, WindowsAreToldAsTheyShowAndActivate) {
    auto formAcc = form->GetAccessible();
    EXPECT_TRUE(formAcc->HasState(asActive));
    AccessibilityRecorder heard;
    TForm other(nullptr);
    other.SetBounds(0, 0, 100, 100);
    other.Show();
    // Told although nobody had asked for the new window's object.
    ASSERT_TRUE(other.HasAccessible());
    auto otherAcc = other.GetAccessible();
    ASSERT_EQ(heard.Count(aeState, otherAcc.get()), 2);   // active (as it is shown), shown
    EXPECT_EQ(heard.Count(aeState, formAcc.get()), 1);
    EXPECT_EQ(heard.events.back().State, asVisible);
    EXPECT_TRUE(otherAcc->HasState(asActive));
    EXPECT_FALSE(formAcc->HasState(asActive));
    other.Hide();
    EXPECT_TRUE(formAcc->HasState(asActive));
    EXPECT_EQ(heard.Count(aeState, formAcc.get()), 2);
    // A control's object is still made only when asked for.
    auto* button = Place<TButton>(0, 0, 10, 10);
    button->SetVisible(false);
    EXPECT_FALSE(button->HasAccessible());
}

// A listener that reads every object it hears of, as the desktop bridge does. Never
// freed: it is still registered when the exit handlers free the forms.
class ReadingListener : public TAccListener {
public:
    void AccessibleEvent(const TAccEvent& E) override {
        (void)E.Source->GetRole();
        (void)E.Source->GetName();
        (void)E.Source->GetStates();
        if (E.Child) (void)E.Child->GetName();
    }
};

// The forms the application owns are freed by an exit handler; their last events met a
// listener list freed before it (a crash at the end of every program a tool had read). A
// button owned by the form freed first but shown on the other tells the other as it goes.
TEST(AccessibleExitTest, FormsFreedAtExitMeetNoFreedListenerList) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto* shown = new TForm(Application);
            auto* owner = new TForm(Application);
            auto* panel = new TPanel(shown);
            panel->SetParent(shown);
            auto* button = new TButton(owner);
            button->SetParent(panel);
            shown->Show();
            accessibility::AddListener(new ReadingListener);
            panel->GetAccessible()->GetChild(0);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
