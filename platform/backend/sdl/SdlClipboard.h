// The system clipboard through SDL (the X11 CLIPBOARD selection on Linux).
#pragma once

#include "platform/core/Clipboard.h"

namespace vcl::sdl {

class SdlClipboard : public TClipboardBackend {
public:
    std::optional<std::string> GetText() override;
    void SetText(const std::string& Text) override;
    void Clear() override;
};

}  // namespace vcl::sdl
