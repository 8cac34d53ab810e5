// Choosing the window backend.
#include "platform/controls/base/Backend.h"

#include <cstdlib>
#include <map>

#include "platform/controls/base/Control.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Application.h"
#include "platform/core/Clipboard.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {

// Used when no backend library registered itself: forms exist without windows, nothing is
// presented, and dialogs are answered "cancel".
class TWindowlessBackend final : public TBackend {
public:
    std::string Name() const override { return "windowless"; }
    bool IsInteractive() const override { return false; }
    void CreateNativeWindow(TCustomForm*) override {}
    void DestroyNativeWindow(TCustomForm*) override {}
    void ShowNativeWindow(TCustomForm*, bool) override {}
    void UpdateNativeWindow(TCustomForm*) override {}
    void Present(TCustomForm*, const std::vector<TRect>&) override {}
    void SetCursor(TCursor) override {}
    void SetCapture(TCustomForm*, bool) override {}
};

struct Entry {
    TBackendFactory factory;
    std::function<bool()> available;
};

std::map<std::string, Entry>& Registry() {
    static std::map<std::string, Entry> registry;
    return registry;
}

std::unique_ptr<TBackend>& Current() {
    static std::unique_ptr<TBackend> current;
    return current;
}

void Install(std::unique_ptr<TBackend> backend) {
    TBackend* old = Current().get();
    if (old != nullptr) {
        if (Application->GetEventSource() == old->GetEventSource()) Application->SetEventSource(nullptr);
        SetClipboardBackend(nullptr);
    }
    Current() = std::move(backend);
    TBackend* b = Current().get();
    if (TEventSource* source = b->GetEventSource()) Application->SetEventSource(source);
    if (TClipboardBackend* clip = b->GetClipboardBackend()) SetClipboardBackend(clip);
    if (b->WantsVirtualClock()) Application->SetVirtualClock(true);
}

std::unique_ptr<TBackend> Make(const std::string& name) {
    auto& registry = Registry();
    auto it = registry.find(name);
    if (it == registry.end()) return nullptr;
    if (it->second.available && !it->second.available()) return nullptr;
    return it->second.factory();
}

}  // namespace

void RegisterBackend(const std::string& Name, TBackendFactory Factory, std::function<bool()> Available) {
    Registry()[Name] = Entry{std::move(Factory), std::move(Available)};
}

TBackend* Backend() {
    if (!Current()) {
        std::unique_ptr<TBackend> chosen;
        if (const char* env = std::getenv("ZYN_BACKEND"); env != nullptr && *env != '\0')
            chosen = Make(env);
        if (!chosen) chosen = Make("sdl");
        if (!chosen) chosen = Make("headless");
        if (!chosen) chosen = std::make_unique<TWindowlessBackend>();
        Install(std::move(chosen));
    }
    return Current().get();
}

void SetBackend(std::unique_ptr<TBackend> NewBackend) {
    if (!NewBackend) NewBackend = std::make_unique<TWindowlessBackend>();
    Install(std::move(NewBackend));
}

std::string CurrentBackendName() { return Current() ? Current()->Name() : std::string(); }

}  // namespace vcl
