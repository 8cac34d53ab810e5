// ATK objects for the accessibility model: one GObject type per set of interfaces an object
// offers (component always; action, value, text, selection, table as the model has them),
// made when first needed. Each holds its model object, so the service may keep it after
// the control is gone: the model then answers as defunct.
// The framework's headers come before GLib's: GLib defines TRUE and FALSE as macros,
// which would break the framework's own constants of those names.
#include "platform/controls/base/Control.h"
#include "platform/controls/base/ControlAccessible.h"
#include "platform/controls/forms/Form.h"

#include "platform/backend/atk/AtkObjects.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace vcl::atkbridge {

namespace {

struct ZynAtkObject {
    AtkObject parent;
    TAccessiblePtr* model;
    // Header objects handed out without a reference (atk_table_get_column_header), kept here.
    std::map<int, AtkObject*>* headers;
};
struct ZynAtkObjectClass {
    AtkObjectClass parent_class;
};

// Kept past the end of static destruction: the service's bridge may drop its objects
// from its own exit handler, after this file's statics would be gone.
std::unordered_map<const TAccessible*, ZynAtkObject*>& Registry() {
    static auto* registry = new std::unordered_map<const TAccessible*, ZynAtkObject*>;
    return *registry;
}

gpointer g_objectParentClass = nullptr;

TAccessible* M(gpointer Object) {
    auto* self = reinterpret_cast<ZynAtkObject*>(Object);
    return self->model != nullptr ? self->model->get() : nullptr;
}

// ---- AtkObject ---------------------------------------------------------------------------
// Returned strings must live as long as the object asks; ATK keeps a copy in the
// object's name field, which we refresh on every call.
const gchar* GetName(AtkObject* Object) {
    TAccessible* m = M(Object);
    if (m == nullptr) return nullptr;
    g_free(Object->name);
    Object->name = g_strdup(m->GetName().c_str());
    return Object->name;
}

const gchar* GetDescription(AtkObject* Object) {
    TAccessible* m = M(Object);
    if (m == nullptr) return nullptr;
    g_free(Object->description);
    Object->description = g_strdup(m->GetDescription().c_str());
    return Object->description;
}

AtkRole GetRole(AtkObject* Object) {
    TAccessible* m = M(Object);
    return m != nullptr ? RoleOf(m->GetRole()) : ATK_ROLE_INVALID;
}

AtkObject* GetParent(AtkObject* Object) {
    TAccessible* m = M(Object);
    if (m == nullptr || m->IsDefunct()) return nullptr;
    TAccessiblePtr p = m->GetParent();
    AtkObject* parent = p ? Wrap(p) : g_object_ref(Root());
    // The parent field holds a reference of its own; ours is dropped after.
    if (Object->accessible_parent != parent) {
        if (Object->accessible_parent != nullptr) g_object_unref(Object->accessible_parent);
        Object->accessible_parent = g_object_ref(parent);
    }
    g_object_unref(parent);
    return Object->accessible_parent;
}

gint GetNChildren(AtkObject* Object) {
    TAccessible* m = M(Object);
    return m != nullptr && !m->IsDefunct() ? m->GetChildCount() : 0;
}

AtkObject* RefChild(AtkObject* Object, gint Index) {
    TAccessible* m = M(Object);
    if (m == nullptr || m->IsDefunct()) return nullptr;
    TAccessiblePtr c = m->GetChild(Index);
    return c ? Wrap(c) : nullptr;
}

gint GetIndexInParent(AtkObject* Object) {
    TAccessible* m = M(Object);
    if (m == nullptr) return -1;
    if (!m->GetParent()) {
        for (int i = 0, n = atk_object_get_n_accessible_children(Root()); i < n; ++i) {
            AtkObject* c = atk_object_ref_accessible_child(Root(), i);
            g_object_unref(c);
            if (c == Object) return i;
        }
        return -1;
    }
    return m->GetIndexInParent();
}

AtkStateSet* RefStateSet(AtkObject* Object) {
    AtkStateSet* set = atk_state_set_new();
    TAccessible* m = M(Object);
    if (m == nullptr || m->IsDefunct()) {
        atk_state_set_add_state(set, ATK_STATE_DEFUNCT);
        return set;
    }
    // A table's cells are made on demand: tools must not walk its million children.
    if (m->GetTable() != nullptr) atk_state_set_add_state(set, ATK_STATE_MANAGES_DESCENDANTS);
    TAccStates states = m->GetStates();
    for (int s = asEnabled; s <= asActive; ++s) {
        if (!states.Contains(TAccState(s))) continue;
        atk_state_set_add_state(set, StateOf(TAccState(s)));
        if (s == asEnabled) atk_state_set_add_state(set, ATK_STATE_SENSITIVE);
    }
    return set;
}

void Finalize(GObject* Object) {
    auto* self = reinterpret_cast<ZynAtkObject*>(Object);
    if (self->model != nullptr) {
        Registry().erase(self->model->get());
        delete self->model;
        self->model = nullptr;
    }
    if (self->headers != nullptr) {
        for (auto& [c, h] : *self->headers) g_object_unref(h);
        delete self->headers;
        self->headers = nullptr;
    }
    G_OBJECT_CLASS(g_objectParentClass)->finalize(Object);
}

void ObjectClassInit(gpointer Class, gpointer) {
    g_objectParentClass = g_type_class_peek_parent(Class);
    G_OBJECT_CLASS(Class)->finalize = Finalize;
    auto* k = ATK_OBJECT_CLASS(Class);
    k->get_name = GetName;
    k->get_description = GetDescription;
    k->get_role = GetRole;
    k->get_parent = GetParent;
    k->get_n_children = GetNChildren;
    k->ref_child = RefChild;
    k->get_index_in_parent = GetIndexInParent;
    k->ref_state_set = RefStateSet;
}

GType BaseType() {
    static GType type = g_type_register_static_simple(
        ATK_TYPE_OBJECT, "ZynAtkObject", sizeof(ZynAtkObjectClass), ObjectClassInit,
        sizeof(ZynAtkObject), nullptr, GTypeFlags(0));
    return type;
}

// ---- AtkComponent ------------------------------------------------------------------------
// The top form's screen origin, for window-relative coordinates.
TPoint WindowOrigin(TAccessible* M) {
    TAccessiblePtr top = M->shared_from_this();
    while (TAccessiblePtr p = top->GetParent()) top = p;
    TRect r = top->GetScreenBounds();
    return {r.Left, r.Top};
}

void GetExtents(AtkComponent* Component, gint* X, gint* Y, gint* Width, gint* Height,
                AtkCoordType Coords) {
    TAccessible* m = M(Component);
    TRect r = m != nullptr && !m->IsDefunct() ? m->GetScreenBounds() : TRect{};
    TPoint o{0, 0};
    if (m != nullptr && Coords == ATK_XY_WINDOW) o = WindowOrigin(m);
    if (m != nullptr && Coords == ATK_XY_PARENT) {
        if (TAccessiblePtr p = m->GetParent()) o = {p->GetScreenBounds().Left, p->GetScreenBounds().Top};
    }
    if (X != nullptr) *X = r.Left - o.X;
    if (Y != nullptr) *Y = r.Top - o.Y;
    if (Width != nullptr) *Width = r.Width();
    if (Height != nullptr) *Height = r.Height();
}

// The point in screen coordinates.
TPoint ScreenPoint(TAccessible* M, gint X, gint Y, AtkCoordType Coords) {
    TPoint o{0, 0};
    if (Coords == ATK_XY_WINDOW) o = WindowOrigin(M);
    if (Coords == ATK_XY_PARENT) {
        if (TAccessiblePtr p = M->GetParent()) o = {p->GetScreenBounds().Left, p->GetScreenBounds().Top};
    }
    return {X + o.X, Y + o.Y};
}

gboolean Contains(AtkComponent* Component, gint X, gint Y, AtkCoordType Coords) {
    TAccessible* m = M(Component);
    if (m == nullptr || m->IsDefunct()) return FALSE;
    return m->GetScreenBounds().Contains(ScreenPoint(m, X, Y, Coords)) ? TRUE : FALSE;
}

// The child at the point, as the tools ask it: one level down, they go on from there.
AtkObject* RefAccessibleAtPoint(AtkComponent* Component, gint X, gint Y, AtkCoordType Coords) {
    TAccessible* m = M(Component);
    if (m == nullptr || m->IsDefunct()) return nullptr;
    TAccessiblePtr c = m->GetChildAtPoint(ScreenPoint(m, X, Y, Coords));
    return c ? Wrap(c) : nullptr;
}

gboolean GrabFocus(AtkComponent* Component) {
    TAccessible* m = M(Component);
    return m != nullptr && !m->IsDefunct() && m->GrabFocus() ? TRUE : FALSE;
}

AtkLayer GetLayer(AtkComponent* Component) {
    TAccessible* m = M(Component);
    return m != nullptr && !m->GetParent() ? ATK_LAYER_WINDOW : ATK_LAYER_WIDGET;
}

void ComponentInit(gpointer Iface, gpointer) {
    auto* i = static_cast<AtkComponentIface*>(Iface);
    i->get_extents = GetExtents;
    i->contains = Contains;
    i->ref_accessible_at_point = RefAccessibleAtPoint;
    i->grab_focus = GrabFocus;
    i->get_layer = GetLayer;
}

// ---- AtkAction ---------------------------------------------------------------------------
std::vector<TAccAction> ActionsOf(TAccessible* M) {
    std::vector<TAccAction> list;
    if (M == nullptr || M->IsDefunct()) return list;
    TAccActions a = M->GetActions();
    for (int i = aaPress; i <= aaCollapse; ++i)
        if (a.Contains(TAccAction(i))) list.push_back(TAccAction(i));
    return list;
}

gint GetNActions(AtkAction* Action) { return gint(ActionsOf(M(Action)).size()); }

const gchar* GetActionName(AtkAction* Action, gint I) {
    auto list = ActionsOf(M(Action));
    if (I < 0 || I >= gint(list.size())) return nullptr;
    // The names are string literals of the model.
    return AccActionName(list[std::size_t(I)]).data();
}

gboolean DoAction(AtkAction* Action, gint I) {
    auto list = ActionsOf(M(Action));
    if (I < 0 || I >= gint(list.size())) return FALSE;
    return M(Action)->DoAction(list[std::size_t(I)]) ? TRUE : FALSE;
}

void ActionInit(gpointer Iface, gpointer) {
    auto* i = static_cast<AtkActionIface*>(Iface);
    i->get_n_actions = GetNActions;
    i->get_name = GetActionName;
    i->do_action = DoAction;
}

// ---- AtkValue ----------------------------------------------------------------------------
TAccValueRange RangeOf(gpointer Object) {
    TAccessible* m = M(Object);
    TAccValue* v = m != nullptr && !m->IsDefunct() ? m->GetValue() : nullptr;
    return v != nullptr ? v->GetValueRange() : TAccValueRange{};
}

void SetDouble(GValue* Out, double D) {
    if (G_IS_VALUE(Out)) g_value_unset(Out);
    g_value_init(Out, G_TYPE_DOUBLE);
    g_value_set_double(Out, D);
}

void GetCurrentValue(AtkValue* V, GValue* Out) { SetDouble(Out, RangeOf(V).Current); }
void GetMinimumValue(AtkValue* V, GValue* Out) { SetDouble(Out, RangeOf(V).Minimum); }
void GetMaximumValue(AtkValue* V, GValue* Out) { SetDouble(Out, RangeOf(V).Maximum); }
void GetMinimumIncrement(AtkValue* V, GValue* Out) { SetDouble(Out, RangeOf(V).Step); }

bool SetModelValue(gpointer Object, double D) {
    TAccessible* m = M(Object);
    TAccValue* v = m != nullptr && !m->IsDefunct() ? m->GetValue() : nullptr;
    return v != nullptr && v->SetCurrentValue(D);
}

gboolean SetCurrentValueOld(AtkValue* V, const GValue* In) {
    if (!G_VALUE_HOLDS_DOUBLE(In)) return FALSE;
    return SetModelValue(V, g_value_get_double(In)) ? TRUE : FALSE;
}

void GetValueAndText(AtkValue* V, gdouble* Value, gchar** Text) {
    double d = RangeOf(V).Current;
    if (Value != nullptr) *Value = d;
    if (Text != nullptr) *Text = nullptr;
}

AtkRange* GetRange(AtkValue* V) {
    TAccValueRange r = RangeOf(V);
    return atk_range_new(r.Minimum, r.Maximum, nullptr);
}

gdouble GetIncrement(AtkValue* V) { return RangeOf(V).Step; }
void SetValue(AtkValue* V, gdouble D) { SetModelValue(V, D); }

void ValueInit(gpointer Iface, gpointer) {
    auto* i = static_cast<AtkValueIface*>(Iface);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    i->get_current_value = GetCurrentValue;
    i->get_maximum_value = GetMaximumValue;
    i->get_minimum_value = GetMinimumValue;
    i->get_minimum_increment = GetMinimumIncrement;
    i->set_current_value = SetCurrentValueOld;
    G_GNUC_END_IGNORE_DEPRECATIONS
    i->get_value_and_text = GetValueAndText;
    i->get_range = GetRange;
    i->get_increment = GetIncrement;
    i->set_value = SetValue;
}

// ---- AtkText -----------------------------------------------------------------------------
std::string TextOf(gpointer Object) {
    TAccessible* m = M(Object);
    TAccText* t = m != nullptr && !m->IsDefunct() ? m->GetText() : nullptr;
    return t != nullptr ? t->GetAccText() : std::string();
}

gchar* GetText(AtkText* T, gint Start, gint End) {
    std::string s = TextOf(T);
    glong n = g_utf8_strlen(s.c_str(), -1);
    if (End < 0 || End > n) End = gint(n);
    if (Start < 0) Start = 0;
    if (Start > End) Start = End;
    return g_utf8_substring(s.c_str(), Start, End);
}

gint GetCharacterCount(AtkText* T) { return gint(g_utf8_strlen(TextOf(T).c_str(), -1)); }

gint GetCaretOffset(AtkText* T) {
    TAccessible* m = M(T);
    TAccText* t = m != nullptr && !m->IsDefunct() ? m->GetText() : nullptr;
    return t != nullptr ? t->GetCaretOffset() : -1;
}

void TextInit(gpointer Iface, gpointer) {
    auto* i = static_cast<AtkTextIface*>(Iface);
    i->get_text = GetText;
    i->get_character_count = GetCharacterCount;
    i->get_caret_offset = GetCaretOffset;
}

// ---- AtkSelection ------------------------------------------------------------------------
std::vector<int> SelectedOf(gpointer Object) {
    TAccessible* m = M(Object);
    TAccSelection* s = m != nullptr && !m->IsDefunct() ? m->GetSelection() : nullptr;
    return s != nullptr ? s->GetSelectedChildren() : std::vector<int>{};
}

gboolean AddSelection(AtkSelection* S, gint I) {
    TAccessible* m = M(S);
    TAccSelection* sel = m != nullptr && !m->IsDefunct() ? m->GetSelection() : nullptr;
    return sel != nullptr && sel->SelectChild(I) ? TRUE : FALSE;
}

AtkObject* RefSelection(AtkSelection* S, gint I) {
    auto list = SelectedOf(S);
    if (I < 0 || I >= gint(list.size())) return nullptr;
    TAccessiblePtr c = M(S)->GetChild(list[std::size_t(I)]);
    return c ? Wrap(c) : nullptr;
}

gint GetSelectionCount(AtkSelection* S) { return gint(SelectedOf(S).size()); }

gboolean IsChildSelected(AtkSelection* S, gint I) {
    for (int c : SelectedOf(S))
        if (c == I) return TRUE;
    return FALSE;
}

void SelectionInit(gpointer Iface, gpointer) {
    auto* i = static_cast<AtkSelectionIface*>(Iface);
    i->add_selection = AddSelection;
    i->ref_selection = RefSelection;
    i->get_selection_count = GetSelectionCount;
    i->is_child_selected = IsChildSelected;
}

// ---- AtkTable ----------------------------------------------------------------------------
TAccTable* TableOf(gpointer Object) {
    TAccessible* m = M(Object);
    return m != nullptr && !m->IsDefunct() ? m->GetTable() : nullptr;
}

AtkObject* RefAt(AtkTable* T, gint Row, gint Column) {
    TAccTable* t = TableOf(T);
    TAccessiblePtr c = t != nullptr ? t->GetCell(Row, Column) : nullptr;
    return c ? Wrap(c) : nullptr;
}

gint GetNRows(AtkTable* T) {
    TAccTable* t = TableOf(T);
    return t != nullptr ? t->GetRowCount() : 0;
}

gint GetNColumns(AtkTable* T) {
    TAccTable* t = TableOf(T);
    return t != nullptr ? t->GetColumnCount() : 0;
}

AtkObject* GetColumnHeader(AtkTable* T, gint Column) {
    TAccTable* t = TableOf(T);
    TAccessiblePtr h = t != nullptr ? t->GetColumnHeader(Column) : nullptr;
    if (!h) return nullptr;
    auto* self = reinterpret_cast<ZynAtkObject*>(T);
    if (self->headers == nullptr) self->headers = new std::map<int, AtkObject*>;
    AtkObject* made = Wrap(h);
    auto [it, added] = self->headers->emplace(Column, made);
    if (!added) {
        g_object_unref(it->second);
        it->second = made;
    }
    return made;
}

// The description field is a string the table keeps; ATK hands it out without a copy.
const gchar* GetColumnDescription(AtkTable* T, gint Column) {
    TAccTable* t = TableOf(T);
    if (t == nullptr) return nullptr;
    static std::string last;
    last = t->GetColumnName(Column);
    return last.c_str();
}

gint GetSelectedRows(AtkTable* T, gint** Selected) {
    TAccTable* t = TableOf(T);
    std::vector<int> rows = t != nullptr ? t->GetSelectedRows() : std::vector<int>{};
    if (Selected != nullptr) {
        *Selected = rows.empty() ? nullptr : g_new(gint, rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) (*Selected)[i] = rows[i];
    }
    return gint(rows.size());
}

gboolean IsRowSelected(AtkTable* T, gint Row) {
    TAccTable* t = TableOf(T);
    if (t == nullptr) return FALSE;
    for (int r : t->GetSelectedRows())
        if (r == Row) return TRUE;
    return FALSE;
}

gboolean IsSelected(AtkTable* T, gint Row, gint Column) {
    TAccTable* t = TableOf(T);
    return t != nullptr && t->IsCellSelected(Row, Column) ? TRUE : FALSE;
}

void TableInit(gpointer Iface, gpointer) {
    auto* i = static_cast<AtkTableIface*>(Iface);
    i->ref_at = RefAt;
    i->get_n_rows = GetNRows;
    i->get_n_columns = GetNColumns;
    i->get_column_header = GetColumnHeader;
    i->get_column_description = GetColumnDescription;
    i->get_selected_rows = GetSelectedRows;
    i->is_row_selected = IsRowSelected;
    i->is_selected = IsSelected;
}

// ---- AtkTableCell ------------------------------------------------------------------------
TAccTableCell* CellOf(gpointer Object) {
    TAccessible* m = M(Object);
    return m != nullptr && !m->IsDefunct() ? m->GetTableCell() : nullptr;
}

gint GetCellColumnSpan(AtkTableCell* C) {
    TAccTableCell* c = CellOf(C);
    return c != nullptr ? c->GetColumnSpan() : 0;
}

gint GetCellRowSpan(AtkTableCell* C) {
    TAccTableCell* c = CellOf(C);
    return c != nullptr ? c->GetRowSpan() : 0;
}

gboolean GetCellPosition(AtkTableCell* C, gint* Row, gint* Column) {
    TAccTableCell* c = CellOf(C);
    if (Row != nullptr) *Row = c != nullptr ? c->GetCellRow() : -1;
    if (Column != nullptr) *Column = c != nullptr ? c->GetCellColumn() : -1;
    return c != nullptr ? TRUE : FALSE;
}

gboolean GetCellRowColumnSpan(AtkTableCell* C, gint* Row, gint* Column, gint* RowSpan, gint* ColumnSpan) {
    TAccTableCell* c = CellOf(C);
    if (RowSpan != nullptr) *RowSpan = c != nullptr ? c->GetRowSpan() : 0;
    if (ColumnSpan != nullptr) *ColumnSpan = c != nullptr ? c->GetColumnSpan() : 0;
    return GetCellPosition(C, Row, Column);
}

// A new reference, as the interface hands it out.
AtkObject* GetCellTable(AtkTableCell* C) {
    TAccTableCell* c = CellOf(C);
    TAccessiblePtr t = c != nullptr ? c->GetOwningTable() : nullptr;
    return t ? Wrap(t) : nullptr;
}

// The headers of the columns the cell spans (new references in an array that owns them).
GPtrArray* GetCellColumnHeaders(AtkTableCell* C) {
    TAccTableCell* c = CellOf(C);
    TAccessiblePtr t = c != nullptr ? c->GetOwningTable() : nullptr;
    TAccTable* table = t ? t->GetTable() : nullptr;
    GPtrArray* out = g_ptr_array_new_with_free_func(g_object_unref);
    if (table == nullptr) return out;
    for (int i = 0; i < c->GetColumnSpan(); ++i)
        if (TAccessiblePtr h = table->GetColumnHeader(c->GetCellColumn() + i)) g_ptr_array_add(out, Wrap(h));
    return out;
}

GPtrArray* GetCellRowHeaders(AtkTableCell*) { return g_ptr_array_new_with_free_func(g_object_unref); }

void TableCellInit(gpointer Iface, gpointer) {
    auto* i = static_cast<AtkTableCellIface*>(Iface);
    i->get_column_span = GetCellColumnSpan;
    i->get_row_span = GetCellRowSpan;
    i->get_position = GetCellPosition;
    i->get_row_column_span = GetCellRowColumnSpan;
    i->get_table = GetCellTable;
    i->get_column_header_cells = GetCellColumnHeaders;
    i->get_row_header_cells = GetCellRowHeaders;
}

// ---- one type per set of interfaces ------------------------------------------------------
enum : unsigned { kAction = 1, kValue = 2, kText = 4, kSelection = 8, kTable = 16, kTableCell = 32, kWindow = 64 };

unsigned InterfacesOf(TAccessible& M) {
    unsigned set = 0;
    if (!M.GetActions().Empty()) set |= kAction;
    if (M.GetValue() != nullptr) set |= kValue;
    if (M.GetText() != nullptr) set |= kText;
    if (M.GetSelection() != nullptr) set |= kSelection;
    if (M.GetTable() != nullptr) set |= kTable;
    if (M.GetTableCell() != nullptr) set |= kTableCell;
    // The top-level objects are the application's windows (frames, dialogs, menus).
    if (!M.IsDefunct() && !M.GetParent()) set |= kWindow;
    return set;
}

// Never freed, as the registry: the bridge still makes objects as it stops at exit.
GType TypeFor(unsigned Set) {
    static auto& types = *new std::map<unsigned, GType>;
    auto it = types.find(Set);
    if (it != types.end()) return it->second;
    std::string name = "ZynAtkObject" + std::to_string(Set);
    GTypeInfo info{};
    info.class_size = sizeof(ZynAtkObjectClass);
    info.instance_size = sizeof(ZynAtkObject);
    GType type = g_type_register_static(BaseType(), name.c_str(), &info, GTypeFlags(0));
    auto add = [type](GType Iface, GInterfaceInitFunc Init) {
        GInterfaceInfo i{Init, nullptr, nullptr};
        g_type_add_interface_static(type, Iface, &i);
    };
    add(ATK_TYPE_COMPONENT, ComponentInit);
    if (Set & kAction) add(ATK_TYPE_ACTION, ActionInit);
    if (Set & kValue) add(ATK_TYPE_VALUE, ValueInit);
    if (Set & kText) add(ATK_TYPE_TEXT, TextInit);
    if (Set & kSelection) add(ATK_TYPE_SELECTION, SelectionInit);
    if (Set & kTable) add(ATK_TYPE_TABLE, TableInit);
    if (Set & kTableCell) add(ATK_TYPE_TABLE_CELL, TableCellInit);
    // The window interface has signals only (create, activate, ...), no calls to answer.
    if (Set & kWindow) add(ATK_TYPE_WINDOW, nullptr);
    types[Set] = type;
    return type;
}

// ---- the application ---------------------------------------------------------------------
std::vector<TAccessiblePtr> ShownForms() {
    std::vector<TAccessiblePtr> forms;
    if (Screen == nullptr) return forms;
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
        TCustomForm* f = Screen->GetForms(i);
        if (f != nullptr && f->GetVisible()) forms.push_back(f->GetAccessible());
    }
    return forms;
}

gint AppNChildren(AtkObject*) { return gint(ShownForms().size()); }

AtkObject* AppRefChild(AtkObject*, gint Index) {
    auto forms = ShownForms();
    if (Index < 0 || Index >= gint(forms.size())) return nullptr;
    return Wrap(forms[std::size_t(Index)]);
}

const gchar* AppName(AtkObject*) { return g_get_prgname(); }
AtkRole AppRole(AtkObject*) { return ATK_ROLE_APPLICATION; }

void AppClassInit(gpointer Class, gpointer) {
    auto* k = ATK_OBJECT_CLASS(Class);
    k->get_n_children = AppNChildren;
    k->ref_child = AppRefChild;
    k->get_name = AppName;
    k->get_role = AppRole;
}

}  // namespace

AtkObject* Root() {
    static AtkObject* root = [] {
        GType type = g_type_register_static_simple(ATK_TYPE_OBJECT, "ZynAtkApplication",
                                                   sizeof(AtkObjectClass), AppClassInit,
                                                   sizeof(AtkObject), nullptr, GTypeFlags(0));
        return ATK_OBJECT(g_object_new(type, nullptr));
    }();
    return root;
}

AtkObject* Wrap(const TAccessiblePtr& Model) {
    if (!Model) return nullptr;
    auto it = Registry().find(Model.get());
    if (it != Registry().end()) return ATK_OBJECT(g_object_ref(it->second));
    auto* self = static_cast<ZynAtkObject*>(g_object_new(TypeFor(InterfacesOf(*Model)), nullptr));
    self->model = new TAccessiblePtr(Model);
    self->headers = nullptr;
    Registry()[Model.get()] = self;
    return ATK_OBJECT(self);
}

AtkObject* Existing(const TAccessible* Model) {
    auto it = Registry().find(Model);
    return it != Registry().end() ? ATK_OBJECT(it->second) : nullptr;
}

TAccessiblePtr ModelOf(AtkObject* Object) {
    if (Object == nullptr || !G_TYPE_CHECK_INSTANCE_TYPE(Object, BaseType())) return nullptr;
    auto* self = reinterpret_cast<ZynAtkObject*>(Object);
    return self->model != nullptr ? *self->model : nullptr;
}

AtkRole RoleOf(TAccRole Role) {
    switch (Role) {
    case arUnknown: return ATK_ROLE_UNKNOWN;
    case arFrame: return ATK_ROLE_FRAME;
    case arDialog: return ATK_ROLE_DIALOG;
    case arPanel: return ATK_ROLE_PANEL;
    case arPushButton: return ATK_ROLE_PUSH_BUTTON;
    case arToggleButton: return ATK_ROLE_TOGGLE_BUTTON;
    case arRadioButton: return ATK_ROLE_RADIO_BUTTON;
    case arCheckBox: return ATK_ROLE_CHECK_BOX;
    case arSpinButton: return ATK_ROLE_SPIN_BUTTON;
    case arSlider: return ATK_ROLE_SLIDER;
    case arDial: return ATK_ROLE_DIAL;
    case arProgressBar: return ATK_ROLE_PROGRESS_BAR;
    case arLabel: return ATK_ROLE_LABEL;
    case arText: return ATK_ROLE_TEXT;
    case arComboBox: return ATK_ROLE_COMBO_BOX;
    case arTable: return ATK_ROLE_TABLE;
    case arTableCell: return ATK_ROLE_TABLE_CELL;
    case arColumnHeader: return ATK_ROLE_COLUMN_HEADER;
    case arRowHeader: return ATK_ROLE_ROW_HEADER;
    case arCalendar: return ATK_ROLE_CALENDAR;
    case arList: return ATK_ROLE_LIST;
    case arListItem: return ATK_ROLE_LIST_ITEM;
    case arTree: return ATK_ROLE_TREE;
    case arTreeItem: return ATK_ROLE_TREE_ITEM;
    case arMenu: return ATK_ROLE_MENU;
    case arMenuItem: return ATK_ROLE_MENU_ITEM;
    case arImage: return ATK_ROLE_IMAGE;
    case arFiller: return ATK_ROLE_FILLER;
    case arSeparator: return ATK_ROLE_SEPARATOR;
    }
    return ATK_ROLE_UNKNOWN;
}

AtkStateType StateOf(TAccState State) {
    switch (State) {
    case asEnabled: return ATK_STATE_ENABLED;
    case asFocusable: return ATK_STATE_FOCUSABLE;
    case asFocused: return ATK_STATE_FOCUSED;
    case asVisible: return ATK_STATE_VISIBLE;
    case asShowing: return ATK_STATE_SHOWING;
    case asCheckable: return ATK_STATE_CHECKABLE;
    case asChecked: return ATK_STATE_CHECKED;
    case asPressed: return ATK_STATE_PRESSED;
    case asSelectable: return ATK_STATE_SELECTABLE;
    case asSelected: return ATK_STATE_SELECTED;
    case asExpandable: return ATK_STATE_EXPANDABLE;
    case asExpanded: return ATK_STATE_EXPANDED;
    case asReadOnly: return ATK_STATE_READ_ONLY;
    case asEditable: return ATK_STATE_EDITABLE;
    case asMultiSelectable: return ATK_STATE_MULTISELECTABLE;
    case asActive: return ATK_STATE_ACTIVE;
    }
    return ATK_STATE_INVALID;
}

}  // namespace vcl::atkbridge
