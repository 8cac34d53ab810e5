"""A settings portal on the session bus for desktop_theme_test.sh.

usage: portal_settings_service.py SCHEME|silent

Owns org.freedesktop.portal.Desktop and answers Settings.Read for
org.freedesktop.appearance color-scheme with the uint32 SCHEME, wrapped in a variant of
a variant as the real portal does; any other key is an error. "silent" takes every call
and never answers, to hold the caller to its time limit. Prints "ready" once the name
is owned.
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

MODE = sys.argv[1]


class Settings(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Settings", in_signature="ss", out_signature="v",
                         async_callbacks=("reply", "error"))
    def Read(self, namespace, key, reply, error):
        if MODE == "silent":
            return
        if (namespace, key) != ("org.freedesktop.appearance", "color-scheme"):
            error(dbus.exceptions.DBusException("no such setting",
                                                name="org.freedesktop.portal.Error.NotFound"))
            return
        reply(dbus.UInt32(int(MODE), variant_level=2))


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
settings = Settings(bus, "/org/freedesktop/portal/desktop")
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
print("ready", flush=True)
GLib.MainLoop().run()
