// File-name strings and the drive mapping between the framework's "C:\..." paths and host
// paths. Nothing here touches the file system.
#include "platform/runtime/Paths.h"

#include <algorithm>
#include <array>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/RuntimeInternal.h"
#include "platform/runtime/Utf8.h"

namespace vcl {
namespace {

// Host directory of each drive letter A..Z; empty when unmapped.
struct DriveTable {
    std::array<std::string, 26> roots;
    DriveTable() { Reset(); }
    void Reset() {
        for (auto& r : roots) r.clear();
        roots['C' - 'A'] = "/";
    }
};

// Never freed: objects destroyed at program exit after this unit's statics (a page or
// form held in a global) may still clear or read the mappings.
DriveTable& Drives() {
    static DriveTable* const table = new DriveTable;
    return *table;
}

bool IsDelimiter(char c) { return c == '\\' || c == '/'; }

int DriveIndex(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return -1;
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && DriveIndex(path[0]) >= 0;
}

// Position after the last delimiter ('\', '/' or the drive's ':'), 0 when none.
std::size_t NameStart(std::string_view fileName) {
    const std::size_t p = fileName.find_last_of("\\/:");
    return p == std::string_view::npos ? 0 : p + 1;
}

std::string JoinHost(const std::string& root, std::string_view rest) {
    std::string out = root;
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    std::size_t i = 0;
    while (i < rest.size() && IsDelimiter(rest[i])) ++i;
    if (i < rest.size()) {
        if (out.back() != '/') out.push_back('/');
        out.append(rest.substr(i));
    } else if (i > 0 && out.back() != '/') {
        out.push_back('/');  // "C:\" names the root itself: keep it a directory path
    }
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

}  // namespace

namespace runtime {

std::optional<std::string> TryHostPath(std::string_view path) {
    if (HasDrive(path)) {
        const std::string& root = Drives().roots[DriveIndex(path[0])];
        if (root.empty()) return std::nullopt;
        return JoinHost(root, path.substr(2));
    }
    if (!path.empty() && path[0] == '\\') {
        // A root-relative framework path lies on drive C.
        const std::string& root = Drives().roots['C' - 'A'];
        if (root.empty()) return std::nullopt;
        return JoinHost(root, path);
    }
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

bool MatchesMask(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with single-star backtracking, byte-wise ('?' on a multi-byte
    // character is handled by matching whole UTF-8 sequences).
    auto match = [](std::string_view n, std::string_view p) {
        std::size_t ni = 0, pi = 0, starP = std::string_view::npos, starN = 0;
        while (ni < n.size()) {
            if (pi < p.size() && p[pi] == '?') {
                std::size_t next = ni;
                Utf8Decode(n, next);
                ni = next;
                ++pi;
            } else if (pi < p.size() && p[pi] == '*') {
                starP = pi++;
                starN = ni;
            } else if (pi < p.size() && p[pi] == n[ni]) {
                ++ni;
                ++pi;
            } else if (starP != std::string_view::npos) {
                pi = starP + 1;
                std::size_t next = starN;
                Utf8Decode(n, next);
                ni = starN = next;
            } else {
                return false;
            }
        }
        while (pi < p.size() && p[pi] == '*') ++pi;
        return pi == p.size();
    };
    if (match(name, pattern)) return true;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
        name.find('.') == std::string_view::npos) {
        return match(name, pattern.substr(0, pattern.size() - 2));
    }
    return false;
}

bool IsDriveOrFileSystemRoot(std::string_view hostDir) {
    std::string dir(hostDir);
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    if (dir == "/") return true;
    for (const std::string& root : Drives().roots) {
        if (root.empty()) continue;
        std::string r = root;
        while (r.size() > 1 && r.back() == '/') r.pop_back();
        if (r == dir) return true;
    }
    return false;
}

}  // namespace runtime

void SetDriveMapping(char drive, std::string hostRoot) {
    const int index = DriveIndex(drive);
    if (index < 0) throw EInOutError(std::string("Invalid drive letter '") + drive + "'");
    Drives().roots[index] = std::move(hostRoot);
}

void ClearDriveMappings() { Drives().Reset(); }

std::string HostPath(std::string_view path) { return runtime::TryHostPath(path).value_or(std::string()); }

std::string FrameworkPath(std::string_view hostPath) {
    std::string path(hostPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path[0] != '/') {
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
    // The longest mapped root that contains the path wins.
    int best = -1;
    std::size_t bestLen = 0;
    for (int d = 0; d < 26; ++d) {
        std::string root = Drives().roots[d];
        if (root.empty()) continue;
        while (root.size() > 1 && root.back() == '/') root.pop_back();
        const bool inside = root == "/" || path == root ||
                            (path.compare(0, root.size(), root) == 0 && path.size() > root.size() &&
                             path[root.size()] == '/');
        if (inside && (best < 0 || root.size() > bestLen)) {
            best = d;
            bestLen = root == "/" ? 0 : root.size();
        }
    }
    if (best < 0) {
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
    std::string rest = path.substr(bestLen);
    std::replace(rest.begin(), rest.end(), '/', '\\');
    if (rest.empty() || rest[0] != '\\') rest.insert(0, 1, '\\');
    return std::string(1, static_cast<char>('A' + best)) + ":" + rest;
}

std::string ExtractFilePath(std::string_view fileName) {
    return std::string(fileName.substr(0, NameStart(fileName)));
}

std::string ExtractFileDir(std::string_view fileName) {
    std::size_t end = NameStart(fileName);
    // Keep the delimiter of a root ("C:\", "\", "/").
    if (end > 1 && IsDelimiter(fileName[end - 1]) && fileName[end - 2] != ':' &&
        !IsDelimiter(fileName[end - 2])) {
        --end;
    }
    return std::string(fileName.substr(0, end));
}

std::string ExtractFileName(std::string_view fileName) {
    return std::string(fileName.substr(NameStart(fileName)));
}

std::string ExtractFileExt(std::string_view fileName) {
    const std::size_t start = NameStart(fileName);
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot < start) return {};
    return std::string(fileName.substr(dot));
}

std::string ExtractFileDrive(std::string_view fileName) {
    return HasDrive(fileName) ? std::string(fileName.substr(0, 2)) : std::string();
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
    const std::size_t start = NameStart(fileName);
    std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot < start) dot = fileName.size();
    return std::string(fileName.substr(0, dot)) + std::string(extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (!out.empty() && IsDelimiter(out.back())) return out;
    // Keep to the delimiter the path already uses; the framework's '\' otherwise.
    const bool host = out.find('/') != std::string::npos && out.find('\\') == std::string::npos;
    out.push_back(host ? '/' : '\\');
    return out;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (!out.empty() && IsDelimiter(out.back())) out.pop_back();
    return out;
}

bool IsPathDelimiter(std::string_view s, int index) {
    return index >= 1 && index <= static_cast<int>(s.size()) && IsDelimiter(s[index - 1]);
}

}  // namespace vcl
