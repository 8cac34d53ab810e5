// Embedded resources: named blobs compiled into the program and registered before main.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/core/WinTypes.h"

namespace vcl {

extern HINSTANCE HInstance;            // the package module; any non-null handle works

// Adds (or replaces) a resource; the data must outlive the program (static storage).
void RegisterResource(const std::string& name, std::span<const std::uint8_t> data);
// Names are matched case-insensitively; a null module or an unknown name gives nullopt.
std::optional<std::span<const std::uint8_t>> FindResourceData(HINSTANCE module, const std::string& name);

}  // namespace vcl
