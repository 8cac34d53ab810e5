// The values a test reads from the running gallery, written as "key=value" lines.
//
// Pages watch values (read when the dump is made) and record events (the latest value
// kept). The dump is rewritten whenever its text changes, through a temporary file and a
// rename, so a reader polling the file never sees half of it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace gallery {

class GalleryState {
public:
    void Watch(const std::string& Key, std::function<std::string()> Value);
    void Record(const std::string& Key, const std::string& Value);
    // Every value, one "key=value" line each, keys in the order they were added; line
    // breaks inside values are written as "\n".
    std::string Text() const;
    // Writes Text() to FileName when it differs from what was written last.
    void WriteIfChanged(const std::string& FileName);

private:
    std::vector<std::string> order_;
    std::map<std::string, std::function<std::string()>> watched_;
    std::map<std::string, std::string> recorded_;
    std::string lastWritten_;
    bool written_ = false;
};

}  // namespace gallery
