// The designer's recent files.
#include "apps/designer/model/RecentFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace designer {

std::string TRecentFiles::DefaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config != nullptr && config[0] == '/') base = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != 0) base = std::string(home) + "/.config";
    else return "";
    return base + "/zyn-designer/recent-files";
}

void TRecentFiles::Load() {
    files_.clear();
    if (path_.empty()) return;
    std::ifstream in(path_);
    std::string line;
    while (std::getline(in, line) && files_.size() < MaxFiles) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && std::find(files_.begin(), files_.end(), line) == files_.end()) files_.push_back(line);
    }
}

void TRecentFiles::Add(const std::string& FileName) {
    if (FileName.empty()) return;
    std::error_code ec;
    std::string name = std::filesystem::absolute(FileName, ec).lexically_normal().string();
    if (ec) name = FileName;
    files_.erase(std::remove(files_.begin(), files_.end(), name), files_.end());
    files_.insert(files_.begin(), name);
    if (files_.size() > MaxFiles) files_.resize(MaxFiles);
    Save();
}

bool TRecentFiles::Save() const {
    if (path_.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
    // Written whole under another name and renamed: two designers never leave half a list.
    std::string temporary = path_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out) return false;
        for (const std::string& f : files_) out << f << '\n';
        if (!out.flush()) return false;
    }
    return std::rename(temporary.c_str(), path_.c_str()) == 0;
}

}  // namespace designer
