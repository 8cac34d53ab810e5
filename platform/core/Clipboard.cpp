// The clipboard: offers of one or more formats in memory, or in the system clipboard a
// backend installs.
#include "platform/core/Clipboard.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/core/WinTypes.h"
#include "platform/runtime/Format.h"

namespace vcl {

// ---- a text-only backend seen through the format calls -----------------------------------

std::vector<std::string> TClipboardBackend::GetFormats() {
    if (!GetText()) return {};
    return {MimeText};
}

std::optional<std::string> TClipboardBackend::GetFormat(const std::string& Mime) {
    if (Mime != MimeText) return std::nullopt;
    return GetText();
}

void TClipboardBackend::SetFormats(std::vector<TClipboardItem> Items) {
    const auto text = std::find_if(Items.begin(), Items.end(), [](const TClipboardItem& I) { return I.first == MimeText; });
    if (text != Items.end()) SetText(text->second);
    else Clear();
}

namespace {

class MemoryClipboard : public TClipboardBackend {
public:
    std::optional<std::string> GetText() override { return GetFormat(MimeText); }
    void SetText(const std::string& Text) override { items_ = {{MimeText, Text}}; }
    void Clear() override { items_.clear(); }
    std::vector<std::string> GetFormats() override {
        std::vector<std::string> formats;
        for (const auto& item : items_) formats.push_back(item.first);
        return formats;
    }
    std::optional<std::string> GetFormat(const std::string& Mime) override {
        for (const auto& item : items_)
            if (item.first == Mime) return item.second;
        return std::nullopt;
    }
    void SetFormats(std::vector<TClipboardItem> Items) override { items_ = std::move(Items); }

private:
    std::vector<TClipboardItem> items_;
};

MemoryClipboard& Memory() {
    static MemoryClipboard* memory = new MemoryClipboard;
    return *memory;
}

TClipboardBackend* installed = nullptr;

TClipboardBackend& Backend() { return installed != nullptr ? *installed : Memory(); }

}  // namespace

std::string TClipboard::GetAsText() const { return Backend().GetText().value_or(std::string()); }

void TClipboard::SetAsText(const std::string& Value) {
    if (openCount_ > 0) SetAsFormat(MimeText, Value);
    else Backend().SetText(Value);
}

bool TClipboard::HasFormat(UINT Format) const {
    if (Format != CF_TEXT && Format != CF_UNICODETEXT) return false;
    return Backend().GetText().has_value();
}

bool TClipboard::HasFormat(const std::string& Mime) const {
    const std::vector<std::string> formats = Backend().GetFormats();
    return std::find(formats.begin(), formats.end(), Mime) != formats.end();
}

std::vector<std::string> TClipboard::GetFormats() const { return Backend().GetFormats(); }

std::string TClipboard::GetAsFormat(const std::string& Mime) const {
    return Backend().GetFormat(Mime).value_or(std::string());
}

void TClipboard::SetAsFormat(const std::string& Mime, std::string Data) {
    if (openCount_ == 0) {
        std::vector<TClipboardItem> items;
        items.emplace_back(Mime, std::move(Data));
        Backend().SetFormats(std::move(items));
        return;
    }
    const auto same = std::find_if(pending_.begin(), pending_.end(), [&](const TClipboardItem& I) { return I.first == Mime; });
    if (same != pending_.end()) same->second = std::move(Data);
    else pending_.emplace_back(Mime, std::move(Data));
}

void TClipboard::Clear() {
    if (openCount_ > 0) {
        pending_.clear();
        cleared_ = true;
        return;
    }
    Backend().Clear();
}

void TClipboard::Open() {
    if (openCount_++ == 0) {
        pending_.clear();
        cleared_ = false;
    }
}

void TClipboard::Close() {
    if (openCount_ == 0 || --openCount_ > 0) return;
    std::vector<TClipboardItem> items = std::move(pending_);
    pending_.clear();
    if (!items.empty()) Backend().SetFormats(std::move(items));
    else if (cleared_) Backend().Clear();
}

TClipboard* Clipboard() {
    static TClipboard* clipboard = new TClipboard;
    return clipboard;
}

void SetClipboardBackend(TClipboardBackend* Backend) { installed = Backend; }

}  // namespace vcl
