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

// Artwork comes at 96 (1x), 144 (1.5x) and 192 (2x) pixels per inch; the larger sizes of a
// resource NAME are NAME@150 and NAME@200.
// The artwork size nearest PPI; halfway between two sizes the smaller wins, so that a
// glyph never outgrows the metrics laid out around it.
int NearestArtworkPPI(int PPI);
// The resource name of Name's artwork at ArtworkPPI (96, 144 or 192; Name itself at 96).
std::string ArtworkResourceName(const std::string& Name, int ArtworkPPI);
// The name of the size of Name that a control at PPI shows: the nearest size the module
// holds, Name itself when it holds no larger one.
std::string NearestArtworkResource(HINSTANCE module, const std::string& Name, int PPI);

}  // namespace vcl
