// Every call into the host operating system made by the runtime: the file system (directory
// search, existence tests, creating, removing and renaming) and the local clock.
#include "platform/runtime/HostSystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <vector>

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Paths.h"
#include "platform/runtime/RuntimeInternal.h"
#include "platform/runtime/TextUtils.h"

namespace vcl {
namespace {

constexpr int kSpecialAttrs = faHidden | faSysFile | faVolumeID | faDirectory;

// An open directory search: the matching names, read at once and put in the order the
// framework's file system lists them (case-insensitive, ties by bytes), so results do not
// depend on the host's directory hashing.
struct FindState {
    std::string hostDir;     // with a trailing '/'
    std::vector<std::string> names;
    std::size_t next = 0;
};

bool ListOrder(const std::string& a, const std::string& b) {
    const int c = CompareText(a, b);
    return c != 0 ? c < 0 : a < b;
}

TDateTime LocalDateTime(std::time_t seconds, long nanoseconds) {
    std::tm tm{};
    localtime_r(&seconds, &tm);
    TDateTime dt = 0;
    if (!TryEncodeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                           tm.tm_sec > 59 ? 59 : tm.tm_sec, static_cast<int>(nanoseconds / 1000000), dt)) {
        return 0;
    }
    return dt;
}

int AttributesOf(const std::string& name, const struct stat& st, bool isLink) {
    int attr = 0;
    if (S_ISDIR(st.st_mode)) {
        attr |= faDirectory;
    } else if (S_ISREG(st.st_mode)) {
        attr |= faArchive;
    } else {
        attr |= faSysFile;
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attr |= faReadOnly;
    if (!name.empty() && name[0] == '.' && name != "." && name != "..") attr |= faHidden;
    if (isLink) attr |= faSymLink;
    return attr;
}

// Reads entries until one matches the pattern and the attribute filter; fills `rec`.
int FindMatching(TSearchRec& rec) {
    auto* state = static_cast<FindState*>(rec.FindHandle.get());
    if (state == nullptr) return EBADF;
    while (state->next < state->names.size()) {
        const std::string& name = state->names[state->next++];
        const std::string full = state->hostDir + name;
        struct stat lst {};
        if (lstat(full.c_str(), &lst) != 0) continue;  // vanished meanwhile
        const bool isLink = S_ISLNK(lst.st_mode);
        struct stat st {};
        if (!isLink || stat(full.c_str(), &st) != 0) st = lst;  // a dangling link is a file
        const int attr = AttributesOf(name, st, isLink);
        if ((attr & rec.ExcludeAttr) != 0) continue;
        rec.Name = name;
        rec.Attr = attr;
        rec.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
        rec.TimeStamp = LocalDateTime(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
        rec.Time = DateTimeToFileDate(rec.TimeStamp);
        return 0;
    }
    return ENOENT;
}

bool StatPath(std::string_view path, struct stat& st) {
    const auto host = runtime::TryHostPath(path);
    return host && !host->empty() && stat(host->c_str(), &st) == 0;
}

}  // namespace

namespace runtime {

TDateTime HostLocalNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return LocalDateTime(ts.tv_sec, ts.tv_nsec);
}

}  // namespace runtime

int FindFirst(std::string_view path, int attr, TSearchRec& rec) {
    FindClose(rec);
    rec.ExcludeAttr = ~attr & kSpecialAttrs;
    const auto host = runtime::TryHostPath(path);
    if (!host || host->empty()) return ENOENT;
    const std::size_t slash = host->rfind('/');
    auto state = std::make_shared<FindState>();
    state->hostDir = slash == std::string::npos ? "./" : host->substr(0, slash + 1);
    const std::string pattern = slash == std::string::npos ? *host : host->substr(slash + 1);
    if (pattern.empty()) return ENOENT;
    DIR* dir = opendir(state->hostDir.c_str());
    if (dir == nullptr) return errno != 0 ? errno : ENOENT;
    // "." and ".." are listed like on the framework's file system: not at a drive root.
    const bool listDotEntries = !runtime::IsDriveOrFileSystemRoot(state->hostDir);
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if ((name == "." || name == "..") && !listDotEntries) continue;
        if (runtime::MatchesMask(name, pattern)) state->names.push_back(name);
    }
    closedir(dir);
    std::sort(state->names.begin(), state->names.end(), ListOrder);
    rec.FindHandle = state;
    const int result = FindMatching(rec);
    if (result != 0) FindClose(rec);
    return result;
}

int FindNext(TSearchRec& rec) { return FindMatching(rec); }

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }

bool ListDirectory(std::string_view dir, const TDirEntryProc& proc) {
    const auto host = runtime::TryHostPath(dir);
    if (!host || host->empty()) return false;
    DIR* d = opendir(host->c_str());
    if (d == nullptr) return false;
    std::string name;
    while (const dirent* entry = readdir(d)) {
        name = entry->d_name;
        if (name == "." || name == "..") continue;
        bool isDir = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // The type of what a link leads to (or of an entry the file system does not
            // type) needs the entry's attributes.
            struct stat st {};
            isDir = fstatat(dirfd(d), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (!proc(name, isDir)) break;
    }
    closedir(d);
    return true;
}

bool FileExists(std::string_view fileName) {
    struct stat st {};
    return StatPath(fileName, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(std::string_view directory) {
    struct stat st {};
    return StatPath(directory, st) && S_ISDIR(st.st_mode);
}

bool CreateDir(std::string_view dir) {
    const auto host = runtime::TryHostPath(dir);
    return host && !host->empty() && mkdir(host->c_str(), 0777) == 0;
}

bool ForceDirectories(std::string_view dir) {
    if (dir.empty()) throw EInOutError("Unable to create directory");
    if (DirectoryExists(dir)) return true;
    const std::string trimmed = ExcludeTrailingPathDelimiter(dir);
    if (trimmed.empty()) return false;  // a root that does not exist
    const std::string parent = ExtractFileDir(trimmed);
    if (!parent.empty() && parent != trimmed && !ForceDirectories(parent)) return false;
    return CreateDir(trimmed) || DirectoryExists(trimmed);
}

bool RemoveDir(std::string_view dir) {
    const auto host = runtime::TryHostPath(dir);
    return host && !host->empty() && rmdir(host->c_str()) == 0;
}

bool DeleteFile(std::string_view fileName) {
    const auto host = runtime::TryHostPath(fileName);
    if (!host || host->empty()) return false;
    struct stat st {};
    if (lstat(host->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return unlink(host->c_str()) == 0;
}

bool RenameFile(std::string_view oldName, std::string_view newName) {
    const auto from = runtime::TryHostPath(oldName);
    const auto to = runtime::TryHostPath(newName);
    if (!from || !to || from->empty() || to->empty()) return false;
    // The framework's rename never replaces an existing file.
    struct stat st {};
    if (lstat(to->c_str(), &st) == 0) return false;
    return std::rename(from->c_str(), to->c_str()) == 0;
}

std::string GetCurrentDir() {
    std::vector<char> buf(PATH_MAX);
    while (getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE) return {};
        buf.resize(buf.size() * 2);
    }
    return FrameworkPath(buf.data());
}

bool SetCurrentDir(std::string_view dir) {
    const auto host = runtime::TryHostPath(dir);
    return host && !host->empty() && chdir(host->c_str()) == 0;
}

int FileAge(std::string_view fileName) {
    struct stat st {};
    if (!StatPath(fileName, st) || S_ISDIR(st.st_mode)) return -1;
    return DateTimeToFileDate(LocalDateTime(st.st_mtim.tv_sec, st.st_mtim.tv_nsec));
}

}  // namespace vcl
