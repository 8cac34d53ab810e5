// The X11 clipboard with formats (see X11Clipboard.h). The protocol is the ICCCM's: the
// owner answers SelectionRequest events by writing the asked-for target into a property of
// the requestor's window (TARGETS lists the targets it can give), large data goes in
// increments (INCR), and a SelectionClear tells the owner another program took over.
#include "platform/backend/sdl/X11Clipboard.h"

#if ZYN_HAVE_X11

#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

namespace vcl::sdl {

namespace {

constexpr int kReplyTimeoutMs = 1000;
// The texts other programs ask for when they want plain text.
const char* const kTextTargets[] = {"UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "STRING", "TEXT"};

bool IsTextTarget(const std::string& Name) {
    return std::find_if(std::begin(kTextTargets), std::end(kTextTargets),
                        [&](const char* T) { return Name == T; }) != std::end(kTextTargets);
}

Window MakeWindow(Display* D) {
    const Window w = XCreateSimpleWindow(D, DefaultRootWindow(D), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(D, w, PropertyChangeMask);
    return w;
}

// Waits up to the deadline for an event on D that Match accepts; false on timeout.
template <class M>
bool WaitEvent(Display* D, XEvent& E, std::chrono::steady_clock::time_point Deadline, M&& Match) {
    for (;;) {
        while (XPending(D) > 0) {
            XNextEvent(D, &E);
            if (Match(E)) return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd fd{ConnectionNumber(D), POLLIN, 0};
        poll(&fd, 1, int(left.count()));
    }
}

std::string AtomName(Display* D, Atom A) {
    char* name = XGetAtomName(D, A);
    if (name == nullptr) return {};
    std::string s(name);
    XFree(name);
    return s;
}

}  // namespace

struct X11Clipboard::Impl {
    // ---- the owner: a thread with its own connection
    Display* owner = nullptr;
    Window ownerWin = 0;
    // ---- the reader: the caller's thread
    Display* reader = nullptr;
    Window readerWin = 0;
    Atom clipboard = 0, targets = 0, incr = 0, utf8 = 0, property = 0;

    std::mutex lock;
    std::condition_variable done;
    std::vector<TClipboardItem> items;   // what this program offers, while it owns the selection
    // A new offer on its way to the thread. It becomes the served one only when the thread
    // takes the selection for it, so that another program's take the thread reads in the
    // meantime (which ends the old offer) cannot end the new one too.
    std::vector<TClipboardItem> staged;
    bool owned = false;
    int pending = 0;                     // commands sent to the thread and not yet carried out
    int wake[2] = {-1, -1};
    std::thread thread;

    // Transfers in increments, by requestor window and property.
    struct TTransfer {
        std::string Data;
        std::size_t Sent = 0;
        Atom Type = 0;
        bool Finished = false;
    };
    std::map<std::pair<Window, Atom>, TTransfer> transfers;
    std::size_t maxChunk = 0;

    ~Impl() {
        if (thread.joinable()) {
            Command('q');
            thread.join();
        }
        if (wake[0] >= 0) close(wake[0]);
        if (wake[1] >= 0) close(wake[1]);
        if (owner != nullptr) XCloseDisplay(owner);
        if (reader != nullptr) XCloseDisplay(reader);
    }

    // Sends a command to the thread and waits until it has been carried out.
    void Command(char C) {
        std::unique_lock<std::mutex> hold(lock);
        ++pending;
        if (write(wake[1], &C, 1) != 1) {
            --pending;
            return;
        }
        done.wait_for(hold, std::chrono::milliseconds(kReplyTimeoutMs), [&] { return pending == 0 || C == 'q'; });
    }

    // ---- the owner's thread

    void Run() {
        for (;;) {
            while (XPending(owner) > 0) {
                XEvent e;
                XNextEvent(owner, &e);
                Handle(e);
            }
            pollfd fds[2] = {{ConnectionNumber(owner), POLLIN, 0}, {wake[0], POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) continue;
            if (fds[1].revents & POLLIN) {
                char c = 0;
                while (read(wake[0], &c, 1) == 1) {
                    if (c == 'q') return;
                    Carry(c);
                }
            }
        }
    }

    void Carry(char C) {
        if (C == 'o') {
            {
                std::lock_guard<std::mutex> hold(lock);
                items = std::move(staged);
                staged.clear();
            }
            XSetSelectionOwner(owner, clipboard, ownerWin, CurrentTime);
            const bool ok = XGetSelectionOwner(owner, clipboard) == ownerWin;
            std::lock_guard<std::mutex> hold(lock);
            owned = ok;
            if (!ok) items.clear();
        } else if (C == 'c') {
            if (XGetSelectionOwner(owner, clipboard) == ownerWin) XSetSelectionOwner(owner, clipboard, None, CurrentTime);
            std::lock_guard<std::mutex> hold(lock);
            owned = false;
        }
        XFlush(owner);
        std::lock_guard<std::mutex> hold(lock);
        if (pending > 0) --pending;
        done.notify_all();
    }

    void Handle(XEvent& E) {
        if (E.type == SelectionClear && E.xselectionclear.selection == clipboard) {
            // Another program's take may be read only after this one took the selection
            // back for a new offer: the server says who owns it now.
            if (XGetSelectionOwner(owner, clipboard) == ownerWin) return;
            std::lock_guard<std::mutex> hold(lock);
            owned = false;
            items.clear();
        } else if (E.type == SelectionRequest) {
            Answer(E.xselectionrequest);
        } else if (E.type == PropertyNotify && E.xproperty.state == PropertyDelete) {
            Continue(E.xproperty.window, E.xproperty.atom);
        }
    }

    // The data of a target, or nullopt when it is not offered.
    std::optional<std::string> DataOf(const std::string& Target) {
        std::lock_guard<std::mutex> hold(lock);
        const std::string mime = IsTextTarget(Target) ? std::string(MimeText) : Target;
        for (const auto& item : items)
            if (item.first == mime) return item.second;
        return std::nullopt;
    }

    void Answer(const XSelectionRequestEvent& R) {
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.display = owner;
        reply.requestor = R.requestor;
        reply.selection = R.selection;
        reply.target = R.target;
        reply.time = R.time;
        // An obsolete client names no property: the target's name is used.
        reply.property = R.property != None ? R.property : R.target;
        if (R.selection != clipboard) {
            reply.property = None;
        } else if (R.target == targets) {
            std::vector<Atom> list{targets};
            {
                std::lock_guard<std::mutex> hold(lock);
                for (const auto& item : items) {
                    list.push_back(XInternAtom(owner, item.first.c_str(), False));
                    if (item.first == MimeText)
                        for (const char* t : kTextTargets) list.push_back(XInternAtom(owner, t, False));
                }
            }
            std::sort(list.begin() + 1, list.end());
            list.erase(std::unique(list.begin() + 1, list.end()), list.end());
            XChangeProperty(owner, R.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(list.data()), int(list.size()));
        } else if (const std::optional<std::string> data = DataOf(AtomName(owner, R.target))) {
            const Atom type = R.target == XInternAtom(owner, "TEXT", False) ? utf8 : R.target;
            if (data->size() <= maxChunk) {
                XChangeProperty(owner, R.requestor, reply.property, type, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(data->data()), int(data->size()));
            } else {
                // Too large for one request: the requestor deletes the property each time it
                // has read a part, and gets the next one.
                const long size = long(data->size());
                XSelectInput(owner, R.requestor, PropertyChangeMask);
                XChangeProperty(owner, R.requestor, reply.property, incr, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(&size), 1);
                transfers[{R.requestor, reply.property}] = TTransfer{*data, 0, type, false};
            }
        } else {
            reply.property = None;
        }
        XSendEvent(owner, R.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
        XFlush(owner);
    }

    void Continue(Window W, Atom Property) {
        const auto it = transfers.find({W, Property});
        if (it == transfers.end()) return;
        TTransfer& t = it->second;
        const std::size_t n = std::min(maxChunk, t.Data.size() - t.Sent);
        XChangeProperty(owner, W, Property, t.Type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(t.Data.data() + t.Sent), int(n));
        t.Sent += n;
        // The last part is an empty one.
        if (n == 0) {
            XSelectInput(owner, W, NoEventMask);
            transfers.erase(it);
        }
        XFlush(owner);
    }

    // ---- the reader

    bool OwnedHere() {
        std::lock_guard<std::mutex> hold(lock);
        return owned;
    }

    // Asks the owner for Target; the bytes (for format 32, the longs as they arrive) and
    // their type, or nullopt when the owner refuses or does not answer in time.
    std::optional<std::string> Convert(Atom Target, Atom* Type = nullptr, int* Format = nullptr) {
        if (XGetSelectionOwner(reader, clipboard) == None) return std::nullopt;
        XDeleteProperty(reader, readerWin, property);
        XConvertSelection(reader, clipboard, Target, property, readerWin, CurrentTime);
        XFlush(reader);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReplyTimeoutMs);
        XEvent e;
        if (!WaitEvent(reader, e, deadline, [&](const XEvent& E) {
                return E.type == SelectionNotify && E.xselection.requestor == readerWin;
            }))
            return std::nullopt;
        if (e.xselection.property == None) return std::nullopt;
        Atom type = 0;
        int format = 0;
        std::optional<std::string> data = ReadProperty(type, format);
        if (data && type == incr) {
            // In increments: each part arrives as a new value of the property, which is
            // deleted to ask for the next; an empty part ends.
            std::string whole;
            for (;;) {
                const auto partDeadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReplyTimeoutMs);
                if (!WaitEvent(reader, e, partDeadline, [&](const XEvent& E) {
                        return E.type == PropertyNotify && E.xproperty.window == readerWin &&
                               E.xproperty.atom == property && E.xproperty.state == PropertyNewValue;
                    }))
                    return std::nullopt;
                std::optional<std::string> part = ReadProperty(type, format);
                if (!part) return std::nullopt;
                if (part->empty()) break;
                whole += *part;
            }
            data = std::move(whole);
        }
        if (Type != nullptr) *Type = type;
        if (Format != nullptr) *Format = format;
        return data;
    }

    // Reads and deletes the reader's property.
    std::optional<std::string> ReadProperty(Atom& Type, int& Format) {
        unsigned long count = 0, after = 0;
        unsigned char* bytes = nullptr;
        if (XGetWindowProperty(reader, readerWin, property, 0, LONG_MAX / 4, True, AnyPropertyType, &Type, &Format,
                               &count, &after, &bytes) != Success)
            return std::nullopt;
        std::size_t size = count;
        if (Format == 16) size = count * sizeof(short);
        else if (Format == 32) size = count * sizeof(long);   // Xlib hands 32-bit items as longs
        std::string data(reinterpret_cast<const char*>(bytes), bytes != nullptr ? size : 0);
        if (bytes != nullptr) XFree(bytes);
        XFlush(reader);
        return data;
    }
};

std::unique_ptr<X11Clipboard> X11Clipboard::Open() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->owner = XOpenDisplay(nullptr);
    impl->reader = XOpenDisplay(nullptr);
    if (impl->owner == nullptr || impl->reader == nullptr || pipe(impl->wake) != 0) return nullptr;
    fcntl(impl->wake[0], F_SETFL, O_NONBLOCK);
    impl->ownerWin = MakeWindow(impl->owner);
    impl->readerWin = MakeWindow(impl->reader);
    Display* d = impl->reader;
    impl->clipboard = XInternAtom(d, "CLIPBOARD", False);
    impl->targets = XInternAtom(d, "TARGETS", False);
    impl->incr = XInternAtom(d, "INCR", False);
    impl->utf8 = XInternAtom(d, "UTF8_STRING", False);
    impl->property = XInternAtom(d, "ZYN_CLIPBOARD", False);
    // Atoms belong to the server: the owner's connection uses the same values.
    XFlush(d);
    const long units = XExtendedMaxRequestSize(impl->owner) > 0 ? XExtendedMaxRequestSize(impl->owner)
                                                                  : XMaxRequestSize(impl->owner);
    impl->maxChunk = std::size_t(std::min<long>(units * 4 - 1024, 1 << 20));
    XFlush(impl->owner);
    Impl* raw = impl.get();
    impl->thread = std::thread([raw] { raw->Run(); });
    return std::unique_ptr<X11Clipboard>(new X11Clipboard(std::move(impl)));
}

X11Clipboard::X11Clipboard(std::unique_ptr<Impl> I) : impl_(std::move(I)) {}

X11Clipboard::~X11Clipboard() = default;

std::optional<std::string> X11Clipboard::GetText() { return GetFormat(MimeText); }

void X11Clipboard::SetText(const std::string& Text) { SetFormats({{MimeText, Text}}); }

void X11Clipboard::Clear() {
    {
        std::lock_guard<std::mutex> hold(impl_->lock);
        impl_->items.clear();
    }
    impl_->Command('c');
}

void X11Clipboard::SetFormats(std::vector<TClipboardItem> Items) {
    if (Items.empty()) {
        Clear();
        return;
    }
    {
        std::lock_guard<std::mutex> hold(impl_->lock);
        impl_->staged = std::move(Items);
    }
    impl_->Command('o');
}

std::vector<std::string> X11Clipboard::GetFormats() {
    std::vector<std::string> formats;
    if (impl_->OwnedHere()) {
        std::lock_guard<std::mutex> hold(impl_->lock);
        for (const auto& item : impl_->items) formats.push_back(item.first);
        return formats;
    }
    Atom type = 0;
    int format = 0;
    const std::optional<std::string> data = impl_->Convert(impl_->targets, &type, &format);
    if (!data || format != 32) return formats;
    std::vector<long> atoms(data->size() / sizeof(long));
    std::memcpy(atoms.data(), data->data(), atoms.size() * sizeof(long));
    // Text under any of its names counts once, as text/plain; other targets that are MIME
    // types count as they are (TARGETS, TIMESTAMP and the like are no formats).
    for (long a : atoms) {
        std::string name = AtomName(impl_->reader, Atom(a));
        if (IsTextTarget(name)) name = MimeText;
        else if (name.find('/') == std::string::npos) continue;
        if (std::find(formats.begin(), formats.end(), name) == formats.end()) formats.push_back(name);
    }
    return formats;
}

std::optional<std::string> X11Clipboard::GetFormat(const std::string& Mime) {
    if (impl_->OwnedHere()) {
        std::lock_guard<std::mutex> hold(impl_->lock);
        for (const auto& item : impl_->items)
            if (item.first == Mime) return item.second;
        return std::nullopt;
    }
    if (Mime != MimeText) return impl_->Convert(XInternAtom(impl_->reader, Mime.c_str(), False));
    for (const char* t : kTextTargets)
        if (std::optional<std::string> text = impl_->Convert(XInternAtom(impl_->reader, t, False))) return text;
    return std::nullopt;
}

}  // namespace vcl::sdl

#else   // built without Xlib: SDL's text clipboard serves

namespace vcl::sdl {

struct X11Clipboard::Impl {};
std::unique_ptr<X11Clipboard> X11Clipboard::Open() { return nullptr; }
X11Clipboard::X11Clipboard(std::unique_ptr<Impl> I) : impl_(std::move(I)) {}
X11Clipboard::~X11Clipboard() = default;
std::optional<std::string> X11Clipboard::GetText() { return std::nullopt; }
void X11Clipboard::SetText(const std::string&) {}
void X11Clipboard::Clear() {}
std::vector<std::string> X11Clipboard::GetFormats() { return {}; }
std::optional<std::string> X11Clipboard::GetFormat(const std::string&) { return std::nullopt; }
void X11Clipboard::SetFormats(std::vector<TClipboardItem>) {}

}  // namespace vcl::sdl

#endif
