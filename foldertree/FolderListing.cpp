// Reading the subfolders of a folder and putting them in the tree's order. Every folder
// that cannot be read simply has no subfolders: the tree never stops at one. Folders are
// read by their host paths, built from the names of their components joined with '/',
// the one character no name can hold: a name with a '\' in it is an ordinary name here.
// Each folder is known by its device and inode, so that a symbolic link leading back to a
// folder above it is seen as the loop it is.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <numeric>

#include "foldertree/Zyn_FolderTree.h"
#include "framework/Zyn_stringl.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

namespace {

// Subfolders that the tree shows: directories whose name does not begin with '.' (which
// also leaves out "." and "..").
bool IsShownName(const char* Name) { return Name[0] != '\0' && Name[0] != '.'; }

// Whether the entry of the open directory Dir is a directory (what a link leads to; a link
// that leads nowhere is none), and its identity when it is.
bool EntryIsDirectory(DIR* Dir, const dirent* Entry, TFolderId* Id) {
    if (Entry->d_type != DT_DIR && Entry->d_type != DT_LNK && Entry->d_type != DT_UNKNOWN) return false;
    if (Entry->d_type == DT_DIR && Id == nullptr) return true;
    struct stat st {};
    if (fstatat(dirfd(Dir), Entry->d_name, &st, 0) != 0 || !S_ISDIR(st.st_mode)) return false;
    if (Id != nullptr) *Id = TFolderId{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
    return true;
}

// Whether the subfolder Name of the open directory Parent has a shown subfolder itself;
// the reading stops at the first one.
bool HasShownSubFolder(DIR* Parent, const std::string& Name) {
    const int fd = openat(dirfd(Parent), Name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    DIR* d = fdopendir(fd);
    if (d == nullptr) {
        close(fd);
        return false;
    }
    bool found = false;
    while (const dirent* e = readdir(d)) {
        if (IsShownName(e->d_name) && EntryIsDirectory(d, e, nullptr)) {
            found = true;
            break;
        }
    }
    closedir(d);
    return found;
}

}  // namespace

bool FolderListOrder(const std::string& A, const std::string& B) {
    const int c = CompareText(A, B);
    return c != 0 ? c < 0 : A < B;
}

bool FolderIdOf(const std::string& Dir, TFolderId& Id) {
    struct stat st {};
    if (Dir.empty() || stat(Dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    Id = TFolderId{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
    return true;
}

bool ListHostSubFolders(const std::string& Dir, std::vector<TSubFolder>& Folders,
                        const std::vector<TFolderId>& Above) {
    if (Dir.empty()) return false;
    DIR* d = opendir(Dir.c_str());
    if (d == nullptr) return false;
    std::vector<TSubFolder> found;
    while (const dirent* e = readdir(d)) {
        TSubFolder f;
        if (!IsShownName(e->d_name) || !EntryIsDirectory(d, e, &f.Id)) continue;
        f.Name = e->d_name;
        f.LeadsBack = std::find(Above.begin(), Above.end(), f.Id) != Above.end();
        found.push_back(std::move(f));
    }
    // A folder that leads back to one above it would only show that one again, without end.
    for (TSubFolder& f : found) f.HasSubFolders = !f.LeadsBack && HasShownSubFolder(d, f.Name);
    closedir(d);
    SortFolderNames(found);
    std::move(found.begin(), found.end(), std::back_inserter(Folders));
    return true;
}

void ListSubFolders(const std::string& Path, std::vector<TSubFolder>& Folders) {
    const std::string host = vcl::HostPath(EnsureTrailingBkSlash(Path));
    TFolderId self;
    std::vector<TFolderId> above;
    if (FolderIdOf(host, self)) above.push_back(self);
    ListHostSubFolders(host, Folders, above);
}

// One sort on precomputed keys. It gives the order that repeated passes exchanging
// neighbours whose lower-case names are out of order would give to the names in the
// order the file search lists them, without their quadratic time on large folders.
void SortFolderNames(std::vector<TSubFolder>& Folders) {
    if (Folders.size() < 2) return;
    std::vector<std::string> keys;
    keys.reserve(Folders.size());
    for (const TSubFolder& f : Folders) keys.push_back(FolderNameKey(f.Name));
    std::vector<std::size_t> order(Folders.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (keys[a] != keys[b]) return keys[a] < keys[b];
        return FolderListOrder(Folders[a].Name, Folders[b].Name);
    });
    std::vector<TSubFolder> sorted;
    sorted.reserve(Folders.size());
    for (std::size_t i : order) sorted.push_back(std::move(Folders[i]));
    Folders.swap(sorted);
}

std::string FolderNameKey(std::string_view Name) {
    std::string key;
    key.reserve(Name.size());
    std::size_t pos = 0;
    while (pos < Name.size()) {
        const unsigned char b = static_cast<unsigned char>(Name[pos]);
        if (b < 0x80) {
            key.push_back(b >= 'A' && b <= 'Z' ? char(b - 'A' + 'a') : char(b));
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t cp = Utf8Decode(Name, pos);
        if (cp == kReplacementChar && Name.substr(start, pos - start) != "\xEF\xBF\xBD") {
            key.append(Name.substr(start, pos - start));   // not UTF-8: the byte itself
        } else {
            Utf8Append(key, CharLower(cp));
        }
    }
    return key;
}

std::string DisplayName(std::string_view Name) {
    std::string text;
    text.reserve(Name.size());
    std::size_t pos = 0;
    while (pos < Name.size()) Utf8Append(text, Utf8Decode(Name, pos));
    return text;
}

}  // namespace zyn
