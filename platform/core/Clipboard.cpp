// The clipboard: text in memory, or in the system clipboard a backend installs.
#include "platform/core/Clipboard.h"

#include <optional>

#include "platform/core/WinTypes.h"
#include "platform/runtime/Format.h"

namespace vcl {

namespace {

class MemoryClipboard : public TClipboardBackend {
public:
    std::optional<std::string> GetText() override { return text_; }
    void SetText(const std::string& Text) override { text_ = Text; }
    void Clear() override { text_.reset(); }

private:
    std::optional<std::string> text_;
};

MemoryClipboard& Memory() {
    static MemoryClipboard* memory = new MemoryClipboard;
    return *memory;
}

TClipboardBackend* installed = nullptr;

TClipboardBackend& Backend() { return installed != nullptr ? *installed : Memory(); }

}  // namespace

std::string TClipboard::GetAsText() const { return Backend().GetText().value_or(std::string()); }

void TClipboard::SetAsText(const std::string& Value) { Backend().SetText(Value); }

bool TClipboard::HasFormat(UINT Format) const {
    if (Format != CF_TEXT && Format != CF_UNICODETEXT) return false;
    return Backend().GetText().has_value();
}

void TClipboard::Clear() { Backend().Clear(); }

TClipboard* Clipboard() {
    static TClipboard* clipboard = new TClipboard;
    return clipboard;
}

void SetClipboardBackend(TClipboardBackend* Backend) { installed = Backend; }

}  // namespace vcl
