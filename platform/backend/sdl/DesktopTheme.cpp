// The desktop's choice of a light or dark look: the settings portal first, the X settings
// manager when the portal says nothing.
#include "platform/backend/sdl/DesktopTheme.h"

#include "platform/backend/sdl/XSettings.h"

#include <cstdint>
#include <cstdlib>

#if defined(ZYN_HAVE_DBUS)
#include <dbus/dbus.h>
#endif

namespace vcl {

#if defined(ZYN_HAVE_DBUS)
namespace {

// The portal wraps the value in one or two variants (Read: variant of variant; ReadOne:
// variant); the colour scheme itself is a uint32.
bool ReadUint32(DBusMessageIter* It, std::uint32_t& Value) {
    const int type = dbus_message_iter_get_arg_type(It);
    if (type == DBUS_TYPE_VARIANT) {
        DBusMessageIter inner;
        dbus_message_iter_recurse(It, &inner);
        return ReadUint32(&inner, Value);
    }
    if (type != DBUS_TYPE_UINT32) return false;
    dbus_uint32_t v = 0;
    dbus_message_iter_get_basic(It, &v);
    Value = v;
    return true;
}

std::string AskPortal(DBusConnection* Bus) {
    DBusMessage* call = dbus_message_new_method_call(
        "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
        "org.freedesktop.portal.Settings", "Read");
    if (call == nullptr) return "";
    const char* ns = "org.freedesktop.appearance";
    const char* key = "color-scheme";
    dbus_message_append_args(call, DBUS_TYPE_STRING, &ns, DBUS_TYPE_STRING, &key, DBUS_TYPE_INVALID);
    DBusError error;
    dbus_error_init(&error);
    DBusMessage* reply = dbus_connection_send_with_reply_and_block(Bus, call, 500, &error);
    dbus_message_unref(call);
    if (reply == nullptr) {
        dbus_error_free(&error);
        return "";
    }
    std::string answer;
    DBusMessageIter it;
    std::uint32_t scheme = 0;
    if (dbus_message_iter_init(reply, &it) && ReadUint32(&it, scheme))
        answer = scheme == 1 ? "dark" : scheme == 2 ? "light" : "";   // 0: no preference
    dbus_message_unref(reply);
    return answer;
}

}  // namespace

std::string PortalThemePreference() {
    // Without an address libdbus would try to start a bus of its own.
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) return "";
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* bus = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
    if (bus == nullptr) {
        dbus_error_free(&error);
        return "";
    }
    dbus_connection_set_exit_on_disconnect(bus, FALSE);
    std::string answer = AskPortal(bus);
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
    return answer;
}
#else
std::string PortalThemePreference() { return ""; }
#endif

std::string DesktopThemePreference() {
    std::string look = PortalThemePreference();
    if (look.empty()) look = XSettingsThemePreference();
    return look;
}

}  // namespace vcl
