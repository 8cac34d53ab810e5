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
#include <vector>

#include "platform/backend/atk/AtkObjects.h"
#include "platform/backend/atk/AtkSignals.h"

namespace vcl::atkbridge {

namespace detail {
bool running = false;

bool Iterate() {
    // A few turns at most, so a busy bus cannot hold the window's events back.
    bool handled = false;
    for (int i = 0; i < 16 && g_main_context_iteration(nullptr, FALSE); ++i) handled = true;
    return handled;
}

// One turn of the default context that blocks in poll() for at most TimeoutMs: GLib's
// prepare, query, poll, check and dispatch, with the wait cut to the caller's.
bool WaitAndIterate(int TimeoutMs) {
    GMainContext* context = g_main_context_default();
    if (!g_main_context_acquire(context)) return false;
    gint priority = 0;
    g_main_context_prepare(context, &priority);
    std::vector<GPollFD> fds(8);
    gint timeout = 0;
    gint n = 0;
    while ((n = g_main_context_query(context, priority, &timeout, fds.data(), gint(fds.size()))) > gint(fds.size()))
        fds.resize(std::size_t(n));
    if (timeout < 0 || timeout > TimeoutMs) timeout = TimeoutMs;
    if (timeout > 0) g_poll(fds.data(), guint(n), timeout);
    const bool ready = g_main_context_check(context, priority, fds.data(), n) != FALSE;
    if (ready) g_main_context_dispatch(context);
    g_main_context_release(context);
    return ready;
}
}  // namespace detail

namespace {

// ---- AtkUtil: the bridge asks it for the root and hooks its listeners on ATK's signals ----
struct Hook {
    guint signal;
    gulong hook;
};
// Never freed: the bridge removes its listeners as it stops at exit, after the function
// statics made since it started (the first listener comes later) are gone.
std::map<guint, Hook>& Hooks() {
    static auto* hooks = new std::map<guint, Hook>;
    return *hooks;
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
    // The bridge hooks its window listeners on AtkWindow's signals by the type's name,
    // which is known only once the type is registered.
    (void)atk_window_get_type();
    if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) return false;
    TAccListener& signals = EventSignals();
    accessibility::AddListener(&signals);
    detail::running = true;
    // The forms are freed by an exit handler registered with the first form, which comes
    // before the window backend that starts the bridge: this one runs first, so the
    // bridge leaves while its objects still stand for live controls, and the forms' last
    // events find nobody listening. (Were the forms freed first, their objects would be
    // defunct by then, and the bridge would read nothing of them.)
    static const bool stopAtExit = std::atexit(Stop) == 0;
    (void)stopAtExit;
    return true;
}

void Stop() {
    if (!detail::running) return;
    detail::running = false;
    accessibility::RemoveListener(&EventSignals());
    ForgetSignalState();
    // Tells the service the windows are gone, drops the bridge's listeners (through
    // RemoveGlobalEventListener), its caches (which release the objects they hold) and
    // its connections.
    atk_bridge_adaptor_cleanup();
    // What the service may have queued for the closed connection.
    detail::Iterate();
}

}  // namespace vcl::atkbridge
