// The state dump (see GalleryState.h).
#include "apps/gallery/GalleryState.h"

#include <cstdio>
#include <fstream>

#include "platform/SysUtils.h"

namespace gallery {

namespace {

std::string Escape(const std::string& Value) {
    std::string out;
    for (char c : Value) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

}  // namespace

void GalleryState::Watch(const std::string& Key, std::function<std::string()> Value) {
    if (watched_.count(Key) == 0 && recorded_.count(Key) == 0) order_.push_back(Key);
    watched_[Key] = std::move(Value);
}

void GalleryState::Record(const std::string& Key, const std::string& Value) {
    if (watched_.count(Key) == 0 && recorded_.count(Key) == 0) order_.push_back(Key);
    recorded_[Key] = Value;
}

std::string GalleryState::Text() const {
    std::string text;
    for (const std::string& key : order_) {
        std::string value;
        if (auto w = watched_.find(key); w != watched_.end()) value = w->second();
        else value = recorded_.at(key);
        text += key + "=" + Escape(value) + "\n";
    }
    return text;
}

void GalleryState::WriteIfChanged(const std::string& FileName) {
    std::string text = Text();
    if (written_ && text == lastWritten_) return;
    std::string temporary = FileName + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw vcl::EInOutError("Cannot write the state file \"" + temporary + "\"");
        out << text;
        if (!out.flush()) throw vcl::EInOutError("Cannot write the state file \"" + temporary + "\"");
    }
    if (std::rename(temporary.c_str(), FileName.c_str()) != 0)
        throw vcl::EInOutError("Cannot replace the state file \"" + FileName + "\"");
    lastWritten_ = text;
    written_ = true;
}

}  // namespace gallery
