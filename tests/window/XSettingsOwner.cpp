// A stand-in X settings manager for xsettings_test.sh: owns _XSETTINGS_S<screen> with a
// window whose settings property holds an integer, a colour and Net/ThemeName = the
// argument, prints "ready", and stays until it is killed.
#include <X11/Xlib.h>

#include <cstdio>
#include <string>

#include "tests/window/XSettingsBlob.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 1, 1, 0, 0, 0);
    const Atom settings = XInternAtom(display, "_XSETTINGS_SETTINGS", False);
    const std::vector<std::uint8_t> bytes =
        zyn_test::Blob(false, 3).Integer("Net/DoubleClickTime", 400).Colour("Gtk/Color").String("Net/ThemeName", argv[1]).bytes;
    XChangeProperty(display, window, settings, settings, 8, PropModeReplace, bytes.data(), int(bytes.size()));
    const std::string selection = "_XSETTINGS_S" + std::to_string(screen);
    XSetSelectionOwner(display, XInternAtom(display, selection.c_str(), False), window, CurrentTime);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
