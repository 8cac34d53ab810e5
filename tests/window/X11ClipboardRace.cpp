// The SDL backend's X11 clipboard when another program takes the selection just before this
// one offers new data: the other owner's take reaches the clipboard's thread as a
// SelectionClear that may be read before or after the new offer is carried out. Either way
// the new offer must be what this program and every other one read afterwards. Every other
// round the owner is kept busy so that it reads the take after the new offer was made.
//
//   x11_clipboard_race [ROUNDS]      (needs DISPLAY; exits 0 when every round holds)
#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/backend/sdl/X11Clipboard.h"

namespace {

// A second program on the same server: it takes the selection, and reads it as a requestor.
struct OtherProgram {
    Display* d = XOpenDisplay(nullptr);
    Window w = d ? XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0) : 0;
    Atom clipboard = d ? XInternAtom(d, "CLIPBOARD", False) : 0;
    Atom utf8 = d ? XInternAtom(d, "UTF8_STRING", False) : 0;
    Atom prop = d ? XInternAtom(d, "RACE_READ", False) : 0;

    ~OtherProgram() {
        if (d) XCloseDisplay(d);
    }
    // Takes the selection from its owner after giving the owner's window Busy property
    // changes to read first, so that the owner reads the take late: after it was asked to
    // offer new data.
    void Take(int Busy) {
        const Window owner = XGetSelectionOwner(d, clipboard);
        const Atom busy = XInternAtom(d, "RACE_BUSY", False);
        const unsigned char byte = 0;
        for (int i = 0; i < Busy && owner != None; ++i)
            XChangeProperty(d, owner, busy, XA_STRING, 8, PropModeReplace, &byte, 1);
        XSetSelectionOwner(d, clipboard, w, CurrentTime);
        XSync(d, False);
    }
    Window Owner() { return XGetSelectionOwner(d, clipboard); }
    // The selection's text as this program gets it, or nullopt (refused or no answer in 1 s).
    std::optional<std::string> Read() {
        XConvertSelection(d, clipboard, utf8, prop, w, CurrentTime);
        XFlush(d);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        for (;;) {
            while (XPending(d) > 0) {
                XEvent e;
                XNextEvent(d, &e);
                if (e.type == SelectionRequest) {
                    // Asked while it owned the selection: it offers nothing.
                    XSelectionEvent no{};
                    no.type = SelectionNotify;
                    no.requestor = e.xselectionrequest.requestor;
                    no.selection = e.xselectionrequest.selection;
                    no.target = e.xselectionrequest.target;
                    no.property = None;
                    no.time = e.xselectionrequest.time;
                    XSendEvent(d, no.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&no));
                    XFlush(d);
                } else if (e.type == SelectionNotify) {
                    if (e.xselection.property == None) return std::nullopt;
                    Atom type = 0;
                    int format = 0;
                    unsigned long n = 0, after = 0;
                    unsigned char* bytes = nullptr;
                    XGetWindowProperty(d, w, prop, 0, LONG_MAX / 4, True, AnyPropertyType, &type, &format, &n, &after, &bytes);
                    std::string s(reinterpret_cast<char*>(bytes), bytes ? n : 0);
                    if (bytes) XFree(bytes);
                    return s;
                }
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return std::nullopt;
            pollfd fd{ConnectionNumber(d), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 40;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "x11_clipboard_race: SDL: %s\n", SDL_GetError());
        return 2;
    }
    std::unique_ptr<vcl::sdl::X11Clipboard> clip = vcl::sdl::X11Clipboard::Open();
    OtherProgram other;
    if (!clip || other.d == nullptr) {
        std::fprintf(stderr, "x11_clipboard_race: no X11 clipboard\n");
        return 2;
    }
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        clip->SetText("first " + std::to_string(i));
        // The other program takes over, and this one offers new data at once, before its
        // clipboard thread has had time to read the other's take.
        other.Take(i % 2 == 0 ? 2000 : 0);
        const std::string mine = "second " + std::to_string(i);
        clip->SetText(mine);
        const std::optional<std::string> here = clip->GetText();
        const std::optional<std::string> there = other.Read();
        if (other.Owner() == other.w || here != mine || there != mine) {
            std::fprintf(stderr, "round %d: here [%s], the other program [%s], the other %s the owner\n", i,
                         here ? here->c_str() : "(nothing)", there ? there->c_str() : "(nothing)",
                         other.Owner() == other.w ? "is" : "is not");
            ++failures;
        }
    }
    clip.reset();
    SDL_Quit();
    std::printf("%d of %d rounds kept the new offer\n", rounds - failures, rounds);
    return failures == 0 ? 0 : 1;
}
