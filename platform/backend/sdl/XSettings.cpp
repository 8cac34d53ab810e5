// The X settings manager's theme name. The manager owns the selection _XSETTINGS_S<screen>
// and keeps every setting in one property of that window: a header (byte order, serial,
// count), then per setting a type, a name, a serial and a value, each padded to 4 bytes.
#include "platform/backend/sdl/XSettings.h"

#include <cctype>

#if defined(ZYN_HAVE_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace vcl {

namespace {

// Reads the property bytes front to back; every read checks what is left first, so a
// truncated or lying property ends the walk instead of overrunning it.
class Reader {
public:
    Reader(const std::uint8_t* Data, std::size_t Size) : data_(Data), size_(Size) {}
    void SetBigEndian(bool Big) { big_ = Big; }
    bool Skip(std::size_t N) {
        if (N > size_ - pos_) return false;
        pos_ += N;
        return true;
    }
    bool Card8(std::uint8_t& V) {
        if (size_ - pos_ < 1) return false;
        V = data_[pos_++];
        return true;
    }
    bool Card16(std::uint16_t& V) {
        if (size_ - pos_ < 2) return false;
        const std::uint8_t* p = data_ + pos_;
        V = big_ ? std::uint16_t(p[0] << 8 | p[1]) : std::uint16_t(p[1] << 8 | p[0]);
        pos_ += 2;
        return true;
    }
    bool Card32(std::uint32_t& V) {
        if (size_ - pos_ < 4) return false;
        const std::uint8_t* p = data_ + pos_;
        V = big_ ? std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3]
                 : std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
        pos_ += 4;
        return true;
    }
    // N bytes, then the padding to the next multiple of 4.
    bool Padded(std::size_t N, std::string& Out) {
        const std::size_t padded = N + (4 - N % 4) % 4;
        if (N > size_ - pos_ || padded > size_ - pos_) return false;
        Out.assign(reinterpret_cast<const char*>(data_ + pos_), N);
        pos_ += padded;
        return true;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool big_ = false;
};

enum : std::uint8_t { kInteger = 0, kString = 1, kColor = 2 };

}  // namespace

bool XSettingsString(const std::uint8_t* Data, std::size_t Size, const std::string& Name, std::string& Value) {
    if (Data == nullptr) return false;
    Reader in(Data, Size);
    std::uint8_t order = 0;
    if (!in.Card8(order) || order > 1) return false;   // 0: LSBFirst, 1: MSBFirst
    in.SetBigEndian(order == 1);
    std::uint32_t serial = 0, count = 0;
    if (!in.Skip(3) || !in.Card32(serial) || !in.Card32(count)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint8_t type = 0;
        std::uint16_t nameLength = 0;
        std::uint32_t lastChange = 0;
        std::string name;
        if (!in.Card8(type) || !in.Skip(1) || !in.Card16(nameLength) || !in.Padded(nameLength, name) ||
            !in.Card32(lastChange))
            return false;
        switch (type) {
        case kInteger:
            if (!in.Skip(4)) return false;
            break;
        case kColor:
            if (!in.Skip(8)) return false;   // red, blue, green, alpha: CARD16 each
            break;
        case kString: {
            std::uint32_t length = 0;
            std::string text;
            if (!in.Card32(length) || !in.Padded(length, text)) return false;
            if (name == Name) {
                Value = text;
                return true;
            }
            break;
        }
        default:
            return false;   // the size of an unknown type's value is unknown: no way on
        }
        if (name == Name) return false;   // there, but not a string
    }
    return false;
}

std::string ThemeNameLook(const std::string& ThemeName) {
    if (ThemeName.empty()) return "";
    static const std::string kDark = "-dark";
    if (ThemeName.size() < kDark.size()) return "light";
    for (std::size_t i = 0; i < kDark.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(ThemeName[ThemeName.size() - kDark.size() + i])) != kDark[i])
            return "light";
    return "dark";
}

#if defined(ZYN_HAVE_X11)
std::string XSettingsThemePreference() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return "";
    std::string look;
    const std::string selection = "_XSETTINGS_S" + std::to_string(DefaultScreen(display));
    const Atom selectionAtom = XInternAtom(display, selection.c_str(), False);
    const Atom settingsAtom = XInternAtom(display, "_XSETTINGS_SETTINGS", False);
    // The owner may go away between the two requests; its error must not end the program.
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Window owner = XGetSelectionOwner(display, selectionAtom);
    if (owner != None) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        // Up to 256 KiB (the length counts 32-bit units): settings lists are a few KiB.
        if (XGetWindowProperty(display, owner, settingsAtom, 0, 65536, False, settingsAtom, &type, &format,
                               &items, &after, &data) == Success &&
            data != nullptr && type == settingsAtom && format == 8) {
            std::string name;
            if (XSettingsString(data, items, "Net/ThemeName", name)) look = ThemeNameLook(name);
        }
        if (data != nullptr) XFree(data);
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return look;
}
#else
std::string XSettingsThemePreference() { return ""; }
#endif

}  // namespace vcl
