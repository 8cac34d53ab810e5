// Paths: the host form and the framework's drive form, the drive mapping table, and
// splitting file names.
#pragma once

#include <string>
#include <string_view>

namespace vcl {

// Paths come in host form ("/tmp/x") or in the framework's drive form ("C:\Data\x.txt"); '\'
// is a path delimiter in both. A table maps drive letters to host directories; by default
// "C:" is "/". A drive path on an unmapped drive names nothing (the functions fail).
void SetDriveMapping(char drive, std::string hostRoot);
void ClearDriveMappings();  // back to the default table: only "C:" -> "/"
// Host form of a path: drive form through the table, '\' as '/'; "" for an unmapped drive.
std::string HostPath(std::string_view path);
// Drive form of an absolute host path through the table (the longest matching root wins);
// a path under no mapped root, or a relative one, only gets '\' delimiters.
std::string FrameworkPath(std::string_view hostPath);

constexpr char PathDelim = '\\';
constexpr char DriveDelim = ':';

std::string ExtractFilePath(std::string_view fileName);  // up to and including the last delimiter
std::string ExtractFileDir(std::string_view fileName);   // the same without the delimiter (kept for "C:\")
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);   // ".txt", "" when none
std::string ExtractFileDrive(std::string_view fileName); // "C:" or ""
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);
bool IsPathDelimiter(std::string_view s, int index);  // 1-based

}  // namespace vcl
