// The model's events as the ATK signals the at-spi2-atk bridge listens to: focus, state,
// value, text, and none for objects the service was never given.
#include "tests/support/FormFixture.h"

#include <string>
#include <vector>

#include "platform/Accessibility.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

// After the framework's headers: GLib's TRUE and FALSE are macros.
#include "platform/backend/atk/AtkObjects.h"
#include "platform/backend/atk/AtkSignals.h"

using namespace vcl;

namespace {

// What the signals of the objects watched told, one line each ("state-change focused 1").
struct Heard {
    std::vector<std::string> lines;

    static void State(AtkObject*, const gchar* Name, gboolean On, gpointer Self) {
        static_cast<Heard*>(Self)->lines.push_back(std::string("state-change ") + Name + " " + (On ? "1" : "0"));
    }
    static void Property(AtkObject*, AtkPropertyValues* V, gpointer Self) {
        static_cast<Heard*>(Self)->lines.push_back(std::string("property-change ") + V->property_name);
    }
    static void Insert(AtkText*, gint Pos, gint Len, const gchar* Text, gpointer Self) {
        static_cast<Heard*>(Self)->lines.push_back("text-insert " + std::to_string(Pos) + " " +
                                                   std::to_string(Len) + " " + Text);
    }
    static void Remove(AtkText*, gint Pos, gint Len, const gchar* Text, gpointer Self) {
        static_cast<Heard*>(Self)->lines.push_back("text-remove " + std::to_string(Pos) + " " +
                                                   std::to_string(Len) + " " + Text);
    }
    static void Children(AtkObject*, guint Index, gpointer Child, GQuark Detail, gpointer Self) {
        (void)Index;
        auto* h = static_cast<Heard*>(Self);
        h->lines.push_back(std::string("children-changed ") + g_quark_to_string(Detail));
        h->child = static_cast<AtkObject*>(Child);
        h->childModel = atkbridge::ModelOf(h->child);
    }
    static void Named(gpointer, gpointer Self, const char* Name) { static_cast<Heard*>(Self)->lines.push_back(Name); }
    static void Create(AtkObject* O, gpointer Self) { Named(O, Self, "create"); }
    static void Destroy(AtkObject* O, gpointer Self) { Named(O, Self, "destroy"); }
    static void Activate(AtkObject* O, gpointer Self) { Named(O, Self, "activate"); }
    static void Deactivate(AtkObject* O, gpointer Self) { Named(O, Self, "deactivate"); }
    static void VisibleData(AtkObject* O, gpointer Self) { Named(O, Self, "visible-data-changed"); }
    void WatchChildren(AtkObject* O) {
        // The detail ("add", "remove") comes through the invocation hint; a closure that
        // keeps it is simplest as a connection per detail.
        g_signal_connect(O, "children-changed::add", G_CALLBACK(+[](AtkObject* o, guint i, gpointer c, gpointer self) {
                             Children(o, i, c, g_quark_from_static_string("add"), self);
                         }), this);
        g_signal_connect(O, "children-changed::remove", G_CALLBACK(+[](AtkObject* o, guint i, gpointer c, gpointer self) {
                             Children(o, i, c, g_quark_from_static_string("remove"), self);
                         }), this);
        g_signal_connect(O, "visible-data-changed", G_CALLBACK(VisibleData), this);
    }
    void WatchWindow(AtkObject* O) {
        g_signal_connect(O, "create", G_CALLBACK(Create), this);
        g_signal_connect(O, "destroy", G_CALLBACK(Destroy), this);
        g_signal_connect(O, "activate", G_CALLBACK(Activate), this);
        g_signal_connect(O, "deactivate", G_CALLBACK(Deactivate), this);
        g_signal_connect(O, "state-change", G_CALLBACK(State), this);
    }
    AtkObject* child = nullptr;
    // Read as the signal comes: an object made for the signal alone goes after it.
    TAccessiblePtr childModel;
    void Watch(AtkObject* O) {
        g_signal_connect(O, "state-change", G_CALLBACK(State), this);
        g_signal_connect(O, "property-change", G_CALLBACK(Property), this);
        if (ATK_IS_TEXT(O)) {
            g_signal_connect(O, "text-insert", G_CALLBACK(Insert), this);
            g_signal_connect(O, "text-remove", G_CALLBACK(Remove), this);
        }
    }
    bool Has(const std::string& Line) const {
        for (const auto& l : lines)
            if (l == Line) return true;
        return false;
    }
};

class AtkSignalsTest : public zyn_test::FormFixture {
protected:
    AtkSignalsTest() : FormFixture({100, 50, 400, 300, bsNone}) {}
    void SetUp() override {
        FormFixture::SetUp();
        accessibility::AddListener(&atkbridge::EventSignals());
    }
    void TearDown() override {
        accessibility::RemoveListener(&atkbridge::EventSignals());
        FormFixture::TearDown();
    }
};

TEST_F(AtkSignalsTest, FocusMovesTheFocusedStateFromOneObjectToTheNext) {
    auto* first = Place<TEdit>(10, 10, 100, 21);
    auto* second = Place<TButton>(10, 40, 75, 25);
    first->SetFocus();
    AtkObject* a = atkbridge::Wrap(first->GetAccessible());
    AtkObject* b = atkbridge::Wrap(second->GetAccessible());
    Heard ha, hb;
    ha.Watch(a);
    hb.Watch(b);
    second->SetFocus();
    EXPECT_TRUE(hb.Has("state-change focused 1"));
    EXPECT_TRUE(ha.Has("state-change focused 0"));
    first->SetFocus();
    EXPECT_TRUE(ha.Has("state-change focused 1"));
    EXPECT_TRUE(hb.Has("state-change focused 0"));
    g_signal_handlers_disconnect_by_data(a, &ha);
    g_signal_handlers_disconnect_by_data(b, &hb);
    g_object_unref(a);
    g_object_unref(b);
}

TEST_F(AtkSignalsTest, CheckedStateAndTextChangesAreTold) {
    auto* box = Place<TCheckBox>(10, 10, 100, 21);
    auto* edit = Place<TEdit>(10, 40, 100, 21);
    edit->SetText("ab");
    AtkObject* b = atkbridge::Wrap(box->GetAccessible());
    AtkObject* e = atkbridge::Wrap(edit->GetAccessible());
    Heard hb, he;
    hb.Watch(b);
    he.Watch(e);
    box->SetChecked(true);
    EXPECT_TRUE(hb.Has("state-change checked 1"));
    edit->SetText("xyz");
    EXPECT_TRUE(he.Has("text-insert 0 3 xyz"));
    edit->SetText("q");
    EXPECT_TRUE(he.Has("text-remove 0 3 xyz"));
    EXPECT_TRUE(he.Has("text-insert 0 1 q"));
    g_signal_handlers_disconnect_by_data(b, &hb);
    g_signal_handlers_disconnect_by_data(e, &he);
    g_object_unref(b);
    g_object_unref(e);
}

TEST_F(AtkSignalsTest, AnObjectNeverAskedForMakesNoAtkObject) {
    auto* box = Place<TCheckBox>(10, 10, 100, 21);
    box->SetChecked(true);
    auto acc = box->GetAccessible();
    EXPECT_EQ(atkbridge::Existing(acc.get()), nullptr);
}

TEST_F(AtkSignalsTest, ARemovedChildIsToldRemovedWithItsObject) {
    auto* panel = Place<TPanel>(10, 10, 200, 100);
    auto* child = PlaceOn<TButton>(panel, 5, 5, 50, 20);
    auto* unread = PlaceOn<TButton>(panel, 60, 5, 50, 20);
    AtkObject* p = atkbridge::Wrap(panel->GetAccessible());
    AtkObject* c = atkbridge::Wrap(child->GetAccessible());
    Heard h;
    h.WatchChildren(p);
    delete child;
    ASSERT_EQ(h.lines, std::vector<std::string>{"children-changed remove"});
    EXPECT_EQ(h.child, c);
    AtkStateSet* states = atk_object_ref_state_set(c);
    EXPECT_TRUE(atk_state_set_contains_state(states, ATK_STATE_DEFUNCT));
    g_object_unref(states);
    // Of a child nobody had asked for, the change of what is shown.
    delete unread;
    EXPECT_EQ(h.lines.back(), "visible-data-changed");
    auto* added = PlaceOn<TButton>(panel, 5, 5, 50, 20);
    EXPECT_EQ(h.lines.back(), "children-changed add");
    EXPECT_EQ(h.childModel, added->GetAccessible());
    g_signal_handlers_disconnect_by_data(p, &h);
    g_object_unref(p);
    g_object_unref(c);
}

TEST_F(AtkSignalsTest, AWindowIsToldAsItShowsActivatesAndGoes) {
    Heard root, main;
    root.WatchChildren(atkbridge::Root());
    AtkObject* f = atkbridge::Wrap(form->GetAccessible());
    main.WatchWindow(f);
    {
        TForm other(nullptr);
        other.SetBounds(0, 0, 100, 100);
        AtkObject* o = atkbridge::Wrap(other.GetAccessible());
        Heard shown;
        shown.WatchWindow(o);
        other.Show();
        ASSERT_EQ(root.lines, std::vector<std::string>{"children-changed add"});
        EXPECT_EQ(root.child, o);
        // The form takes the keyboard as it is shown, before its showing is told.
        EXPECT_EQ(shown.lines, (std::vector<std::string>{"state-change active 1", "activate", "state-change visible 1",
                                                         "state-change showing 1", "create"}));
        EXPECT_TRUE(main.Has("deactivate"));
        EXPECT_TRUE(main.Has("state-change active 0"));
        shown.lines.clear();
        other.Hide();
        EXPECT_EQ(root.lines.back(), "children-changed remove");
        EXPECT_EQ(root.child, o);
        EXPECT_TRUE(shown.Has("destroy"));
        EXPECT_TRUE(shown.Has("deactivate"));
        EXPECT_TRUE(main.Has("activate"));
        EXPECT_TRUE(main.Has("state-change active 1"));
        g_signal_handlers_disconnect_by_data(o, &shown);
        g_object_unref(o);
    }
    g_signal_handlers_disconnect_by_data(atkbridge::Root(), &root);
    g_signal_handlers_disconnect_by_data(f, &main);
    g_object_unref(f);
}

}  // namespace
