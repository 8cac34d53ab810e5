// The model's events as the ATK signals the at-spi2-atk bridge listens to: focus, state,
// value, text, and none for objects the service was never given.
#include "tests/support/FormFixture.h"

#include <string>
#include <vector>

#include "platform/Accessibility.h"
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

}  // namespace
