// The designer's recent files: the form files last opened or saved, newest first, kept in
// a small text file (one name a line) in the user's configuration folder.
#pragma once

#include <string>
#include <vector>

namespace designer {

class TRecentFiles {
public:
    static constexpr std::size_t MaxFiles = 8;

    // Where the list lives: $XDG_CONFIG_HOME/zyn-designer/recent-files, or
    // $HOME/.config/zyn-designer/recent-files; "" when neither variable is set.
    static std::string DefaultPath();

    explicit TRecentFiles(std::string Path) : path_(std::move(Path)) {}
    // Reads the list; a missing file is an empty list (a first start).
    void Load();
    // Puts FileName (made absolute) first, drops its older place and what is past
    // MaxFiles, and writes the list. A list that cannot be written is kept in memory: the
    // designer works on without it.
    void Add(const std::string& FileName);
    const std::vector<std::string>& Files() const { return files_; }
    const std::string& Path() const { return path_; }

private:
    bool Save() const;
    std::string path_;
    std::vector<std::string> files_;
};

}  // namespace designer
