// A temporary folder tree that drive "C:" maps to for the length of a test, and a way to
// run part of a test without the super-user's right to read every folder.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/SysUtils.h"

namespace zyn_test {

class TempFolders {
public:
    TempFolders() {
        static int counter = 0;
        root_ = std::filesystem::temp_directory_path() /
                ("zyn-foldertree-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        vcl::SetDriveMapping('C', root_.string());
    }
    ~TempFolders() {
        vcl::ClearDriveMappings();
        // Locked folders are opened again so that everything can go.
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(
                 root_, std::filesystem::directory_options::skip_permission_denied, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_symlink(ec) && it->is_directory(ec)) ::chmod(it->path().c_str(), 0755);
        }
        std::filesystem::remove_all(root_, ec);
    }
    const std::filesystem::path& Root() const { return root_; }
    // Creates a folder (and its parents) below the root; '/' separates.
    std::filesystem::path Dir(const std::string& Rel) const {
        std::filesystem::create_directories(root_ / Rel);
        return root_ / Rel;
    }
    void File(const std::string& Rel) const { std::ofstream(root_ / Rel) << "x"; }
    bool Exists(const std::string& Rel) const { return std::filesystem::exists(root_ / Rel); }

private:
    std::filesystem::path root_;
};

// While alive, the process acts as an unprivileged user when it runs as the super-user
// (whose reads no folder permission stops). Active() is false when that is not possible.
class Unprivileged {
public:
    Unprivileged() {
        if (::geteuid() == 0) switched_ = ::seteuid(65534) == 0;
    }
    ~Unprivileged() {
        if (switched_) (void)::seteuid(0);
    }
    bool Active() const { return ::geteuid() != 0; }

private:
    bool switched_ = false;
};

}  // namespace zyn_test
