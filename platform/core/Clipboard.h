// The clipboard. Text lives in memory until a window backend installs the system
// clipboard through SetClipboardBackend.
#pragma once

#include <optional>
#include <string>

#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"

namespace vcl {

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_UNICODETEXT = 13;

// Where the clipboard's text really lives.
class TClipboardBackend {
public:
    virtual ~TClipboardBackend() = default;
    virtual std::optional<std::string> GetText() = 0;   // nullopt: no text held
    virtual void SetText(const std::string& Text) = 0;
    virtual void Clear() = 0;
};

class TClipboard : public TPersistent {
public:
    std::string ClassName() const override { return "TClipboard"; }

    // The text held (UTF-8), "" when the clipboard holds none.
    std::string GetAsText() const;
    void SetAsText(const std::string& Value);
    // CF_TEXT and CF_UNICODETEXT: whether text is held; other formats: false.
    bool HasFormat(UINT Format) const;
    void Clear();
    // Kept for code that brackets several operations; the clipboard needs no locking.
    void Open() {}
    void Close() {}

    // Property-style access: Clipboard()->AsText = "x"; std::string s = Clipboard()->AsText;
    class TAsText {
    public:
        explicit TAsText(TClipboard* Owner) : owner_(Owner) {}
        TAsText(const TAsText&) = delete;
        TAsText& operator=(const std::string& Value) { owner_->SetAsText(Value); return *this; }
        TAsText& operator=(const TAsText& Other) { owner_->SetAsText(std::string(Other)); return *this; }
        operator std::string() const { return owner_->GetAsText(); }

    private:
        TClipboard* owner_;
    };
    TAsText AsText{this};
};

// The application's clipboard; always valid.
TClipboard* Clipboard();
// Installs the system clipboard (nullptr: back to the in-memory one). Not owned.
void SetClipboardBackend(TClipboardBackend* Backend);

}  // namespace vcl
