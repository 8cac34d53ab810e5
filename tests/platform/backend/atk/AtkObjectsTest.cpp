// The ATK objects of the accessibility bridge, read through ATK's own calls as the
// at-spi2-atk bridge reads them (no D-Bus needed): roles, names, states, the interfaces
// each type carries, actions, text, table and the application root.
#include "tests/support/FormFixture.h"

#include "platform/Accessibility.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"

// After the framework's headers: GLib's TRUE and FALSE are macros.
#include "platform/backend/atk/AtkObjects.h"

using namespace vcl;

namespace {

class AtkObjectsTest : public zyn_test::FormFixture {
protected:
    AtkObjectsTest() : FormFixture({100, 50, 400, 300, bsNone}) {}
};

// Owns one reference for the test's scope.
struct Ref {
    explicit Ref(AtkObject* O) : o(O) {}
    ~Ref() {
        if (o != nullptr) g_object_unref(o);
    }
    AtkObject* o;
};

bool HasState(AtkObject* O, AtkStateType S) {
    AtkStateSet* set = atk_object_ref_state_set(O);
    bool has = atk_state_set_contains_state(set, S) != FALSE;
    g_object_unref(set);
    return has;
}

TEST_F(AtkObjectsTest, ButtonRoleNameStatesAndPressAction) {
    auto* button = Place<TButton>(10, 20, 75, 25);
    button->SetCaption("OK");
    int clicks = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    Ref o(atkbridge::Wrap(button->GetAccessible()));
    Ref again(atkbridge::Wrap(button->GetAccessible()));
    EXPECT_EQ(o.o, again.o);
    EXPECT_EQ(atk_object_get_role(o.o), ATK_ROLE_PUSH_BUTTON);
    EXPECT_STREQ(atk_object_get_name(o.o), "OK");
    EXPECT_TRUE(HasState(o.o, ATK_STATE_ENABLED));
    EXPECT_TRUE(HasState(o.o, ATK_STATE_SENSITIVE));
    EXPECT_TRUE(HasState(o.o, ATK_STATE_FOCUSABLE));
    EXPECT_FALSE(HasState(o.o, ATK_STATE_CHECKED));
    ASSERT_TRUE(ATK_IS_ACTION(o.o));
    EXPECT_FALSE(ATK_IS_VALUE(o.o));
    EXPECT_FALSE(ATK_IS_TABLE(o.o));
    ASSERT_EQ(atk_action_get_n_actions(ATK_ACTION(o.o)), 1);
    EXPECT_STREQ(atk_action_get_name(ATK_ACTION(o.o), 0), "press");
    EXPECT_TRUE(atk_action_do_action(ATK_ACTION(o.o), 0));
    EXPECT_FALSE(atk_action_do_action(ATK_ACTION(o.o), 1));
    EXPECT_EQ(clicks, 1);
    gint x = 0, y = 0, w = 0, h = 0;
    atk_component_get_extents(ATK_COMPONENT(o.o), &x, &y, &w, &h, ATK_XY_SCREEN);
    EXPECT_EQ(x, 110);
    EXPECT_EQ(y, 70);
    EXPECT_EQ(w, 75);
    EXPECT_EQ(h, 25);
    atk_component_get_extents(ATK_COMPONENT(o.o), &x, &y, &w, &h, ATK_XY_WINDOW);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
}

TEST_F(AtkObjectsTest, CheckBoxTogglesAndTheParentIsTheForm) {
    auto* box = Place<TCheckBox>(0, 30, 75, 25);
    Ref o(atkbridge::Wrap(box->GetAccessible()));
    EXPECT_EQ(atk_object_get_role(o.o), ATK_ROLE_CHECK_BOX);
    EXPECT_FALSE(HasState(o.o, ATK_STATE_CHECKED));
    ASSERT_TRUE(ATK_IS_ACTION(o.o));
    EXPECT_STREQ(atk_action_get_name(ATK_ACTION(o.o), 0), "toggle");
    EXPECT_TRUE(atk_action_do_action(ATK_ACTION(o.o), 0));
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(HasState(o.o, ATK_STATE_CHECKED));
    AtkObject* parent = atk_object_get_parent(o.o);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(atkbridge::ModelOf(parent), form->GetAccessible());
    EXPECT_EQ(atk_object_get_index_in_parent(o.o), 0);
    // The form hangs under the application, which lists the shown forms.
    EXPECT_EQ(atk_object_get_parent(parent), atkbridge::Root());
    EXPECT_EQ(atk_object_get_role(atkbridge::Root()), ATK_ROLE_APPLICATION);
    bool listed = false;
    for (int i = 0; i < atk_object_get_n_accessible_children(atkbridge::Root()); ++i) {
        Ref f(atk_object_ref_accessible_child(atkbridge::Root(), i));
        listed |= f.o == parent;
    }
    EXPECT_TRUE(listed);
}

TEST_F(AtkObjectsTest, EditTextCountsCodePoints) {
    auto* edit = Place<TEdit>(0, 60, 120, 25);
    edit->SetText("Gr\u00FC\u00DFe");
    Ref o(atkbridge::Wrap(edit->GetAccessible()));
    ASSERT_TRUE(ATK_IS_TEXT(o.o));
    EXPECT_EQ(atk_text_get_character_count(ATK_TEXT(o.o)), 5);
    gchar* all = atk_text_get_text(ATK_TEXT(o.o), 0, -1);
    EXPECT_STREQ(all, "Gr\u00FC\u00DFe");
    g_free(all);
    gchar* part = atk_text_get_text(ATK_TEXT(o.o), 2, 4);
    EXPECT_STREQ(part, "\u00FC\u00DF");
    g_free(part);
}

TEST_F(AtkObjectsTest, GridTableCellsHeadersAndNoWalkOfItsChildren) {
    auto* grid = Place<TStringGrid>(0, 0, 300, 150);
    grid->SetColCount(3);
    grid->SetRowCount(1000001);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetCells(0, 0, "Name");
    grid->SetCells(1, 1, "12 kB");
    Ref o(atkbridge::Wrap(grid->GetAccessible()));
    ASSERT_TRUE(ATK_IS_TABLE(o.o));
    EXPECT_EQ(atk_object_get_role(o.o), ATK_ROLE_TABLE);
    EXPECT_TRUE(HasState(o.o, ATK_STATE_MANAGES_DESCENDANTS));
    EXPECT_EQ(atk_table_get_n_rows(ATK_TABLE(o.o)), 1000000);
    EXPECT_EQ(atk_table_get_n_columns(ATK_TABLE(o.o)), 3);
    AtkObject* header = atk_table_get_column_header(ATK_TABLE(o.o), 0);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(atk_object_get_role(header), ATK_ROLE_COLUMN_HEADER);
    EXPECT_STREQ(atk_object_get_name(header), "Name");
    Ref cell(atk_table_ref_at(ATK_TABLE(o.o), 0, 1));
    ASSERT_NE(cell.o, nullptr);
    EXPECT_EQ(atk_object_get_role(cell.o), ATK_ROLE_TABLE_CELL);
    EXPECT_STREQ(atk_object_get_name(cell.o), "12 kB");
    EXPECT_EQ(atk_table_ref_at(ATK_TABLE(o.o), 1000000, 0), nullptr);
}

TEST_F(AtkObjectsTest, ADestroyedControlsObjectIsDefunct) {
    auto* button = Place<TButton>(0, 0, 75, 25);
    Ref o(atkbridge::Wrap(button->GetAccessible()));
    delete button;
    EXPECT_TRUE(HasState(o.o, ATK_STATE_DEFUNCT));
    EXPECT_FALSE(atk_action_do_action(ATK_ACTION(o.o), 0));
    EXPECT_EQ(atk_object_get_n_accessible_children(o.o), 0);
}

TEST_F(AtkObjectsTest, ATableCellKnowsItsPlaceItsTableAndItsHeader) {
    auto* grid = Place<TStringGrid>(0, 0, 300, 150);
    grid->SetColCount(3);
    grid->SetRowCount(20);
    grid->SetFixedCols(0);
    grid->SetCells(2, 0, "Size");
    Ref table(atkbridge::Wrap(grid->GetAccessible()));
    Ref cell(atk_table_ref_at(ATK_TABLE(table.o), 3, 2));
    ASSERT_TRUE(ATK_IS_TABLE_CELL(cell.o));
    gint row = -9, col = -9, rows = 0, cols = 0;
    EXPECT_TRUE(atk_table_cell_get_position(ATK_TABLE_CELL(cell.o), &row, &col));
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 2);
    EXPECT_TRUE(atk_table_cell_get_row_column_span(ATK_TABLE_CELL(cell.o), &row, &col, &rows, &cols));
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(cols, 1);
    EXPECT_EQ(atk_table_cell_get_row_span(ATK_TABLE_CELL(cell.o)), 1);
    Ref owner(atk_table_cell_get_table(ATK_TABLE_CELL(cell.o)));
    EXPECT_EQ(owner.o, table.o);
    GPtrArray* headers = atk_table_cell_get_column_header_cells(ATK_TABLE_CELL(cell.o));
    ASSERT_EQ(headers->len, 1u);
    EXPECT_STREQ(atk_object_get_name(ATK_OBJECT(g_ptr_array_index(headers, 0))), "Size");
    g_ptr_array_unref(headers);
    // A header is no table cell; the table is none either.
    AtkObject* header = atk_table_get_column_header(ATK_TABLE(table.o), 2);
    EXPECT_FALSE(ATK_IS_TABLE_CELL(header));
    EXPECT_FALSE(ATK_IS_TABLE_CELL(table.o));
    delete grid;
    EXPECT_FALSE(atk_table_cell_get_position(ATK_TABLE_CELL(cell.o), &row, &col));
    EXPECT_EQ(row, -1);
}

TEST_F(AtkObjectsTest, HitTestingAndFocusThroughTheComponent) {
    auto* edit = Place<TEdit>(10, 10, 100, 21);
    auto* button = Place<TButton>(10, 40, 75, 25);
    auto* grid = Place<TStringGrid>(10, 100, 300, 150);
    grid->SetCells(1, 2, "x");
    Ref f(atkbridge::Wrap(form->GetAccessible()));
    Ref b(atkbridge::Wrap(button->GetAccessible()));
    // The form lies at (100, 50) on the screen.
    Ref at(atk_component_ref_accessible_at_point(ATK_COMPONENT(f.o), 20, 50, ATK_XY_WINDOW));
    EXPECT_EQ(at.o, b.o);
    Ref atScreen(atk_component_ref_accessible_at_point(ATK_COMPONENT(f.o), 120, 100, ATK_XY_SCREEN));
    EXPECT_EQ(atScreen.o, b.o);
    EXPECT_EQ(atk_component_ref_accessible_at_point(ATK_COMPONENT(f.o), 395, 5, ATK_XY_WINDOW), nullptr);
    EXPECT_TRUE(atk_component_contains(ATK_COMPONENT(b.o), 110, 90, ATK_XY_SCREEN));
    EXPECT_FALSE(atk_component_contains(ATK_COMPONENT(b.o), 10, 90, ATK_XY_SCREEN));
    Ref g(atkbridge::Wrap(grid->GetAccessible()));
    Ref cell(atk_table_ref_at(ATK_TABLE(g.o), 1, 1));
    gint x = 0, y = 0, w = 0, h = 0;
    atk_component_get_extents(ATK_COMPONENT(cell.o), &x, &y, &w, &h, ATK_XY_SCREEN);
    Ref hit(atk_component_ref_accessible_at_point(ATK_COMPONENT(g.o), x + w / 2, y + h / 2, ATK_XY_SCREEN));
    EXPECT_EQ(hit.o, cell.o);
    EXPECT_STREQ(atk_object_get_name(hit.o), "x");

    edit->SetFocus();
    EXPECT_TRUE(atk_component_grab_focus(ATK_COMPONENT(b.o)));
    EXPECT_TRUE(button->Focused());
    EXPECT_TRUE(atk_component_grab_focus(ATK_COMPONENT(cell.o)));
    EXPECT_TRUE(grid->Focused());
    EXPECT_TRUE(HasState(cell.o, ATK_STATE_FOCUSED));
    button->SetEnabled(false);
    EXPECT_FALSE(atk_component_grab_focus(ATK_COMPONENT(b.o)));
}

TEST_F(AtkObjectsTest, TopLevelFormsAreWindowsAndTheActiveOneSaysSo) {
    Ref f(atkbridge::Wrap(form->GetAccessible()));
    EXPECT_TRUE(ATK_IS_WINDOW(f.o));
    EXPECT_TRUE(HasState(f.o, ATK_STATE_ACTIVE));
    EXPECT_EQ(atk_component_get_layer(ATK_COMPONENT(f.o)), ATK_LAYER_WINDOW);
    auto* button = Place<TButton>(10, 40, 75, 25);
    Ref b(atkbridge::Wrap(button->GetAccessible()));
    EXPECT_FALSE(ATK_IS_WINDOW(b.o));
    EXPECT_EQ(atk_component_get_layer(ATK_COMPONENT(b.o)), ATK_LAYER_WIDGET);
    EXPECT_EQ(atkbridge::RoleOf(arMenu), ATK_ROLE_MENU);
    EXPECT_EQ(atkbridge::RoleOf(arMenuItem), ATK_ROLE_MENU_ITEM);
    EXPECT_EQ(atkbridge::RoleOf(arSeparator), ATK_ROLE_SEPARATOR);
}

}  // namespace
