// The X11 CLIPBOARD selection with several formats (MIME types listed under TARGETS), for
// the SDL backend on an X server: SDL's own clipboard carries text only.
//
// The selection is served from a thread of its own over a connection of its own, so that
// other programs can read it whenever they ask, also while the program is busy; reading what
// another program offers uses a second connection in the caller's thread and waits at most a
// second for the answer. SDL's event handling never sees either connection.
#pragma once

#include <memory>

#include "platform/core/Clipboard.h"

namespace vcl::sdl {

class X11Clipboard : public TClipboardBackend {
public:
    // The clipboard of the X server SDL's windows are on; nullptr when SDL does not run on
    // X11 or the server cannot be reached (the caller then keeps SDL's text clipboard).
    static std::unique_ptr<X11Clipboard> Open();
    ~X11Clipboard() override;

    std::optional<std::string> GetText() override;
    void SetText(const std::string& Text) override;
    void Clear() override;
    std::vector<std::string> GetFormats() override;
    std::optional<std::string> GetFormat(const std::string& Mime) override;
    void SetFormats(std::vector<TClipboardItem> Items) override;

    struct Impl;

private:
    explicit X11Clipboard(std::unique_ptr<Impl> I);
    std::unique_ptr<Impl> impl_;
};

}  // namespace vcl::sdl
