// Internal pieces shared between the runtime's source files (not part of the public API).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/DateTime.h"

namespace vcl::runtime {

// Host form of a path, or nothing for a drive path on an unmapped drive.
std::optional<std::string> TryHostPath(std::string_view path);

// True when `name` matches the wildcard `pattern` ('*' any run, '?' one character); a pattern
// ending in ".*" also matches names without an extension ("*.*" matches every name).
bool MatchesMask(std::string_view name, std::string_view pattern);

// True when the host path is a file-system root or the root of a mapped drive.
bool IsDriveOrFileSystemRoot(std::string_view hostDir);

// The host's local time now (the default clock of Now()).
TDateTime HostLocalNow();

}  // namespace vcl::runtime
