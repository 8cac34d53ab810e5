// The host file system: searching directories, file and directory tests and changes,
// the current directory and file ages.
#pragma once

#include <cstdint>
#include <memory>
#include <functional>
#include <string>
#include <string_view>

#include "platform/runtime/DateTime.h"

namespace vcl {

// File attributes as the framework numbers them.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;    // names starting with '.' (other than "." and "..")
constexpr int faSysFile = 0x04;   // devices, pipes and sockets
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;   // regular files
constexpr int faNormal = 0x80;
constexpr int faSymLink = 0x400;
constexpr int faAnyFile = 0x1FF;

struct TSearchRec {
    int Time = 0;              // packed local date and time (FileDateToDateTime)
    std::int64_t Size = 0;
    int Attr = 0;
    std::string Name;
    int ExcludeAttr = 0;
    TDateTime TimeStamp = 0;   // last modification, local time
    std::shared_ptr<void> FindHandle;
};

// FindFirst(path + pattern, attr, rec): pattern with '*' and '?' ("*.*" and a trailing ".*"
// also match names without an extension). Normal files are always found; hidden, system and
// directory entries only when their attribute is in `attr`. Returns 0 on success, else an
// error code (ENOENT when nothing matches). Entries come in case-insensitive name order; "."
// and ".." are listed for directories other than a drive or file-system root, as the
// framework's file system does.
int FindFirst(std::string_view path, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

// The entries of a directory with only whether each is one (a symbolic link counts as what
// it leads to, one that leads nowhere as no directory), without "." and "..", in the order
// the file system keeps them: Proc gets each name and ends the listing by returning false.
// Unlike FindFirst it neither sorts nor reads each entry's attributes, so looking for the
// first subdirectory of a large folder costs little. False when Dir cannot be read.
using TDirEntryProc = std::function<bool(const std::string& Name, bool IsDirectory)>;
bool ListDirectory(std::string_view dir, const TDirEntryProc& proc);

bool FileExists(std::string_view fileName);       // true for files, false for directories
bool DirectoryExists(std::string_view directory);
bool CreateDir(std::string_view dir);
// Creates the directory and every missing parent; raises EInOutError "Unable to create
// directory" for an empty name; false when a component cannot be created.
bool ForceDirectories(std::string_view dir);
bool RemoveDir(std::string_view dir);             // empty directories only
bool DeleteFile(std::string_view fileName);
bool RenameFile(std::string_view oldName, std::string_view newName);
std::string GetCurrentDir();                      // in drive form when under a mapped root
bool SetCurrentDir(std::string_view dir);
int FileAge(std::string_view fileName);           // packed date (FileDateToDateTime), -1 when missing

}  // namespace vcl
