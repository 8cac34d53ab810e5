// The clipboard. What it holds lives in memory until a window backend installs the system
// clipboard through SetClipboardBackend.
//
// It holds one offer at a time: one or more representations of the same thing, each under a
// MIME type ("text/plain", "text/csv", "text/html"). A program offers several at once by
// setting them between Open and Close; a reader asks which are offered and takes the best it
// understands. Text (AsText, CF_TEXT) is the "text/plain" representation, in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Component.h"
#include "platform/core/WinTypes.h"

namespace vcl {

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_UNICODETEXT = 13;

// The MIME type of the clipboard's text.
inline constexpr const char* MimeText = "text/plain";

// One representation of an offer: its MIME type and its bytes.
using TClipboardItem = std::pair<std::string, std::string>;

// Where the clipboard's contents really live. A backend that carries text only implements
// the three text calls; the format calls then offer and read "text/plain" alone.
class TClipboardBackend {
public:
    virtual ~TClipboardBackend() = default;
    virtual std::optional<std::string> GetText() = 0;   // nullopt: no text held
    virtual void SetText(const std::string& Text) = 0;
    virtual void Clear() = 0;
    // The MIME types offered now, in the offering program's order of preference.
    virtual std::vector<std::string> GetFormats();
    // One representation; nullopt when it is not offered.
    virtual std::optional<std::string> GetFormat(const std::string& Mime);
    // Replaces the offer with these representations (none: the clipboard is emptied). Taken
    // by value: a copied block's forms may be tens of megabytes, and are moved in.
    virtual void SetFormats(std::vector<TClipboardItem> Items);
};

class TClipboard : public TPersistent {
public:
    std::string ClassName() const override { return "TClipboard"; }

    // The text held (UTF-8), "" when the clipboard holds none.
    std::string GetAsText() const;
    // Offers Value as text (between Open and Close: beside the other formats set there).
    void SetAsText(const std::string& Value);
    // CF_TEXT and CF_UNICODETEXT: whether text is held; other formats: false.
    bool HasFormat(UINT Format) const;
    // Whether the representation of MIME type Mime is offered.
    bool HasFormat(const std::string& Mime) const;
    // The MIME types offered, the offering program's preferred first.
    std::vector<std::string> GetFormats() const;
    // The representation of type Mime, "" when it is not offered.
    std::string GetAsFormat(const std::string& Mime) const;
    // Offers Data as MIME type Mime. Outside Open/Close it replaces the whole offer; between
    // them the formats set are collected (a type set twice keeps the last data) and offered
    // together when the outermost Close comes.
    void SetAsFormat(const std::string& Mime, std::string Data);
    // Empties the clipboard (between Open and Close: forgets what was set there).
    void Clear();
    // Bracket several SetAsFormat calls that make one offer. Open and Close nest; an Open
    // without a format set before its Close changes nothing.
    void Open();
    void Close();

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

private:
    int openCount_ = 0;
    bool cleared_ = false;                 // Clear between Open and Close
    std::vector<TClipboardItem> pending_;  // formats set since the outermost Open
};

// The application's clipboard; always valid.
TClipboard* Clipboard();
// Installs the system clipboard (nullptr: back to the in-memory one). Not owned.
void SetClipboardBackend(TClipboardBackend* Backend);

}  // namespace vcl
