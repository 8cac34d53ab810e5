// Reading the subfolders of a folder and putting them in the tree's order. Every folder
// that cannot be read simply has no subfolders: the tree never stops at one.
#include <algorithm>
#include <numeric>

#include "foldertree/Zyn_FolderTree.h"
#include "framework/Zyn_stringl.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

namespace {

// Entries that count as subfolders: directories whose name does not begin with '.' (which
// also leaves out "." and "..").
bool IsShownFolder(const TSearchRec& Rec) {
    return (Rec.Attr & faDirectory) != 0 && !Rec.Name.empty() && Rec.Name[0] != '.';
}

// Whether Dir (with a trailing '\') has a shown subfolder; stops at the first one.
bool HasShownSubFolder(const std::string& Dir) {
    TSearchRec rec;
    if (FindFirst(Dir + "*.*", faDirectory, rec) != 0) return false;
    bool found = false;
    do {
        found = IsShownFolder(rec);
    } while (!found && FindNext(rec) == 0);
    FindClose(rec);
    return found;
}

}  // namespace

void ListSubFolders(const std::string& Path, std::vector<TSubFolder>& Folders) {
    const std::string dir = EnsureTrailingBkSlash(Path);
    TSearchRec rec;
    if (FindFirst(dir + "*.*", faDirectory, rec) != 0) return;
    const std::size_t first = Folders.size();
    do {
        if (IsShownFolder(rec)) Folders.push_back({rec.Name, false});
    } while (FindNext(rec) == 0);
    FindClose(rec);
    for (std::size_t i = first; i < Folders.size(); ++i)
        Folders[i].HasSubFolders = HasShownSubFolder(dir + Folders[i].Name + "\\");
    std::vector<TSubFolder> added(std::make_move_iterator(Folders.begin() + std::ptrdiff_t(first)),
                                  std::make_move_iterator(Folders.end()));
    SortFolderNames(added);
    std::move(added.begin(), added.end(), Folders.begin() + std::ptrdiff_t(first));
}

// One stable sort on precomputed keys. It gives the order that repeated passes exchanging
// neighbours whose lower-case names are out of order would give, without their quadratic
// time on large folders.
void SortFolderNames(std::vector<TSubFolder>& Folders) {
    if (Folders.size() < 2) return;
    std::vector<std::string> keys;
    keys.reserve(Folders.size());
    for (const TSubFolder& f : Folders) keys.push_back(FolderNameKey(f.Name));
    std::vector<std::size_t> order(Folders.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
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
