// The resource registry: generated code registers each embedded file before main runs.
#include "platform/graphics/resources/Resources.h"

#include <cctype>
#include <map>
#include <mutex>

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

}  // namespace vcl
