// Starting the bridge, the toolkit's AtkUtil (the root, global event listeners) and the
// model's events told as ATK signals (see AtkBridge.h).
#include "platform/backend/atk/AtkBridge.h"

#include <atk-bridge.h>
#include <atk/atk.h>
#include <gio/gio.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "platform/backend/atk/AtkObjects.h"

namespace vcl::atkbridge {

namespace detail {
bool running = false;

bool Iterate() {
    // A few turns at most, so a busy bus cannot hold the window's events back.
    bool handled = false;
    for (int i = 0; i < 16 && g_main_context_iteration(nullptr, FALSE); ++i) handled = true;
    return handled;
}
}  // namespace detail

namespace {

// ---- AtkUtil: the bridge asks it for the root and hooks its listeners on ATK's signals ----
struct Hook {
    guint signal;
    gulong hook;
};
std::map<guint, Hook>& Hooks() {
    static std::map<guint, Hook> hooks;
    return hooks;
}

// The bridge names signals "Toolkit:Type:signal" (Type an ATK class or interface); window
// events ("window:create") have no such type here, and no listener is hooked for them.
guint AddGlobalEventListener(GSignalEmissionHook Listener, const gchar* EventType) {
    gchar** parts = g_strsplit(EventType, ":", 3);
    guint id = 0;
    if (parts[0] != nullptr && parts[1] != nullptr && parts[2] != nullptr) {
        GType type = g_type_from_name(parts[1]);
        if (type != 0) {
            gpointer ref = G_TYPE_IS_INTERFACE(type) ? g_type_default_interface_ref(type)
                                                     : g_type_class_ref(type);
            guint signal = g_signal_lookup(parts[2], type);
            if (signal != 0) {
                gulong hook = g_signal_add_emission_hook(signal, 0, Listener, g_strdup(EventType),
                                                         g_free);
                static guint next = 0;
                id = ++next;
                Hooks()[id] = {signal, hook};
            }
            if (G_TYPE_IS_INTERFACE(type)) g_type_default_interface_unref(ref);
            else g_type_class_unref(ref);
        }
    }
    g_strfreev(parts);
    return id;
}

void RemoveGlobalEventListener(guint Id) {
    auto it = Hooks().find(Id);
    if (it == Hooks().end()) return;
    g_signal_remove_emission_hook(it->second.signal, it->second.hook);
    Hooks().erase(it);
}

guint AddKeyEventListener(AtkKeySnoopFunc, gpointer) { return 0; }
void RemoveKeyEventListener(guint) {}
AtkObject* GetRoot() { return Root(); }
const gchar* GetToolkitName() { return "zyn"; }
const gchar* GetToolkitVersion() { return "1"; }

// A subclass whose class set-up puts the toolkit's answers into ATK's own AtkUtil class,
// which atk_get_root and the listener calls consult.
void UtilClassInit(gpointer, gpointer) {
    auto* k = ATK_UTIL_CLASS(g_type_class_ref(ATK_TYPE_UTIL));
    k->add_global_event_listener = AddGlobalEventListener;
    k->remove_global_event_listener = RemoveGlobalEventListener;
    k->add_key_event_listener = AddKeyEventListener;
    k->remove_key_event_listener = RemoveKeyEventListener;
    k->get_root = GetRoot;
    k->get_toolkit_name = GetToolkitName;
    k->get_toolkit_version = GetToolkitVersion;
}

GType UtilType() {
    static GType type = g_type_register_static_simple(ATK_TYPE_UTIL, "ZynAtkUtil",
                                                      sizeof(AtkUtilClass), UtilClassInit,
                                                      sizeof(AtkUtil), nullptr, GTypeFlags(0));
    return type;
}

// ---- the model's events as ATK signals ---------------------------------------------------
class Signals : public TAccListener {
public:
    void AccessibleEvent(const TAccEvent& E) override {
        if (!E.Source) return;
        if (E.Kind == aeFocus) {
            Focus(E.Source);
            return;
        }
        // Nobody can know an object the service has not been given: nothing to tell.
        AtkObject* o = Existing(E.Source.get());
        if (o == nullptr) return;
        switch (E.Kind) {
        case aeState:
            atk_object_notify_state_change(o, StateOf(E.State), E.Source->HasState(E.State));
            break;
        case aeName:
            g_object_notify(G_OBJECT(o), "accessible-name");
            break;
        case aeValue:
            if (ATK_IS_VALUE(o)) {
                g_object_notify(G_OBJECT(o), "accessible-value");
                TAccValue* v = E.Source->GetValue();
                g_signal_emit_by_name(o, "value-changed", v ? v->GetValueRange().Current : 0.0,
                                      static_cast<const gchar*>(nullptr));
            }
            break;
        case aeText:
            if (ATK_IS_TEXT(o)) Text(o, *E.Source);
            break;
        case aeSelection:
            if (ATK_IS_SELECTION(o)) g_signal_emit_by_name(o, "selection-changed");
            break;
        case aeChildAdded:
        case aeChildRemoved: Children(o, E); break;
        case aeBounds:
            if (ATK_IS_COMPONENT(o)) {
                AtkRectangle r{};
                atk_component_get_extents(ATK_COMPONENT(o), &r.x, &r.y, &r.width, &r.height,
                                          ATK_XY_SCREEN);
                g_signal_emit_by_name(o, "bounds-changed", &r);
            }
            break;
        case aeFocus: break;
        }
    }

private:
    void Focus(const TAccessiblePtr& Source) {
        AtkObject* o = Wrap(Source);
        if (focused_ != nullptr && focused_ != o) {
            atk_object_notify_state_change(focused_, ATK_STATE_FOCUSED, FALSE);
            g_object_unref(focused_);
            focused_ = nullptr;
        }
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        g_signal_emit_by_name(o, "focus-event", TRUE);
        G_GNUC_END_IGNORE_DEPRECATIONS
        atk_object_notify_state_change(o, ATK_STATE_FOCUSED, TRUE);
        if (focused_ == o) g_object_unref(o);
        else focused_ = o;
    }

    // The model tells that the text changed, not how: the old text goes, the new comes.
    void Text(AtkObject* O, TAccessible& Source) {
        std::string now = Source.GetText() ? Source.GetText()->GetAccText() : std::string();
        auto* before = static_cast<gchar*>(g_object_get_data(G_OBJECT(O), "zyn-text"));
        if (before != nullptr && now == before) return;
        if (before != nullptr && *before != '\0')
            g_signal_emit_by_name(O, "text-remove", 0, gint(g_utf8_strlen(before, -1)), before);
        if (!now.empty())
            g_signal_emit_by_name(O, "text-insert", 0, gint(g_utf8_strlen(now.c_str(), -1)),
                                  now.c_str());
        g_object_set_data_full(G_OBJECT(O), "zyn-text", g_strdup(now.c_str()), g_free);
    }

    // An added child is told with its object. The object of a removed child is gone with
    // it, and the service cannot be handed a null one: a removal, like "several", is told
    // as a change of what is shown, after which the service counts the children again.
    void Children(AtkObject* O, const TAccEvent& E) {
        TAccessiblePtr child = E.Kind == aeChildAdded && E.Index >= 0 ? E.Source->GetChild(E.Index) : nullptr;
        if (!child) {
            g_signal_emit_by_name(O, "visible-data-changed");
            return;
        }
        AtkObject* c = Wrap(child);
        g_signal_emit_by_name(O, "children-changed::add", E.Index, c);
        g_object_unref(c);
    }

    AtkObject* focused_ = nullptr;
};

// Whether the session offers an accessibility bus.
bool SessionHasAccessibilityBus() {
    if (std::getenv("AT_SPI_BUS") != nullptr) return true;
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) return false;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus == nullptr) return false;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", "org.a11y.Bus"), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, 500, nullptr, nullptr);
    bool owned = false;
    if (reply != nullptr) {
        gboolean b = FALSE;
        g_variant_get(reply, "(b)", &b);
        owned = b != FALSE;
        g_variant_unref(reply);
    }
    g_object_unref(bus);
    return owned;
}

bool Wanted() {
    const char* flag = std::getenv("ZYN_ACCESSIBILITY");
    if (flag != nullptr && std::strcmp(flag, "1") == 0) return true;
    if (flag != nullptr && std::strcmp(flag, "0") == 0) return false;
    return SessionHasAccessibilityBus();
}

}  // namespace

bool StartIfWanted() {
    static bool tried = false;
    if (tried) return detail::running;
    tried = true;
    if (!Wanted()) return false;
    // The application is known to tools by the program's name.
    if (g_get_prgname() == nullptr) g_set_prgname(program_invocation_short_name);
    g_type_class_unref(g_type_class_ref(UtilType()));
    if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) return false;
    static Signals signals;
    accessibility::AddListener(&signals);
    detail::running = true;
    return true;
}

}  // namespace vcl::atkbridge
