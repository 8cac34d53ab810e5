// The resource registry: generated code registers each embedded file before main runs.
#include "platform/graphics/resources/Resources.h"

#include <cctype>
#include <map>
#include <mutex>
#include <stdexcept>

#include "platform/core/WinTypes.h"

namespace vcl {

namespace {

// The address is all that matters: a handle that identifies this package's resources.
char packageModule;

std::string Key(const std::string& name) {
    std::string key = name;
    for (char& c : key) c = char(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

// Function-local statics: registration runs from static initialisers of other files, whose
// order relative to this file is unspecified.
std::map<std::string, std::span<const std::uint8_t>>& Registry() {
    static std::map<std::string, std::span<const std::uint8_t>> registry;
    return registry;
}

std::mutex& RegistryLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

HINSTANCE HInstance = reinterpret_cast<HINSTANCE>(&packageModule);

void RegisterResource(const std::string& name, std::span<const std::uint8_t> data) {
    std::lock_guard<std::mutex> hold(RegistryLock());
    Registry()[Key(name)] = data;
}

std::optional<std::span<const std::uint8_t>> FindResourceData(HINSTANCE module, const std::string& name) {
    if (module == nullptr) return std::nullopt;
    std::lock_guard<std::mutex> hold(RegistryLock());
    const auto found = Registry().find(Key(name));
    if (found == Registry().end()) return std::nullopt;
    return found->second;
}

int NearestArtworkPPI(int PPI) {
    // Midpoints between the sizes, the smaller size taking the midpoint itself.
    if (PPI <= 120) return 96;
    if (PPI <= 168) return 144;
    return 192;
}

std::string ArtworkResourceName(const std::string& Name, int ArtworkPPI) {
    switch (ArtworkPPI) {
        case 96: return Name;
        case 144: return Name + "@150";
        case 192: return Name + "@200";
        default: throw std::invalid_argument("no artwork is made at " + std::to_string(ArtworkPPI) + " pixels per inch");
    }
}

std::string NearestArtworkResource(HINSTANCE module, const std::string& Name, int PPI) {
    // Sizes by their distance from PPI, the smaller first on a tie; 1x is always last to try.
    const int first = NearestArtworkPPI(PPI);
    const int order[3][3] = {{96, 144, 192}, {144, 192, 96}, {192, 144, 96}};
    for (int ppi : order[first == 96 ? 0 : first == 144 ? 1 : 2]) {
        const std::string name = ArtworkResourceName(Name, ppi);
        if (FindResourceData(module, name)) return name;
    }
    return Name;
}

}  // namespace vcl
