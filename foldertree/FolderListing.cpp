// Reading the subfolders of a folder and putting them in the tree's order. Every folder
// that cannot be read simply has no subfolders: the tree never stops at one. The folders
// are read with ListDirectory, which stops at the first subfolder when that is all that is
// asked, rather than with the file search, which reads every entry's attributes.
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
bool IsShownFolder(const std::string& Name, bool IsDirectory) {
    return IsDirectory && !Name.empty() && Name[0] != '.';
}

// Whether Dir has a shown subfolder; the listing stops at the first one.
bool HasShownSubFolder(const std::string& Dir) {
    bool found = false;
    ListDirectory(Dir, [&found](const std::string& Name, bool IsDirectory) {
        found = IsShownFolder(Name, IsDirectory);
        return !found;
    });
    return found;
}

}  // namespace

bool FolderListOrder(const std::string& A, const std::string& B) {
    const int c = CompareText(A, B);
    return c != 0 ? c < 0 : A < B;
}

void ListSubFolders(const std::string& Path, std::vector<TSubFolder>& Folders) {
    const std::string dir = EnsureTrailingBkSlash(Path);
    std::vector<TSubFolder> found;
    ListDirectory(dir, [&found](const std::string& Name, bool IsDirectory) {
        if (IsShownFolder(Name, IsDirectory)) found.push_back({Name, false});
        return true;
    });
    for (TSubFolder& f : found) f.HasSubFolders = HasShownSubFolder(dir + f.Name + "\\");
    SortFolderNames(found);
    std::move(found.begin(), found.end(), std::back_inserter(Folders));
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
