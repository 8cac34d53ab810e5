// The system clipboard (see SdlClipboard.h).
#include "platform/backend/sdl/SdlClipboard.h"

#include <SDL.h>

#include "platform/runtime/Exceptions.h"

namespace vcl::sdl {

std::optional<std::string> SdlClipboard::GetText() {
    if (!SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    if (text == nullptr) return std::nullopt;
    std::string result(text);
    SDL_free(text);
    return result;
}

void SdlClipboard::SetText(const std::string& Text) {
    if (SDL_SetClipboardText(Text.c_str()) != 0)
        throw EOutOfResources(std::string("Cannot write the clipboard: ") + SDL_GetError());
}

// SDL has no call to drop the selection; an empty text is what other programs then see.
void SdlClipboard::Clear() { SDL_SetClipboardText(""); }

}  // namespace vcl::sdl
