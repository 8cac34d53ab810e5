// The text form reader on any text, with every class of the platform registered (forms,
// controls, grids, menus, timers, ...). Besides crashes, leaks and stack exhaustion, a
// finding is an exception other than EReadError escaping the reader, a failed read that
// leaves components behind, or a text read that does not come back the same after a trip
// through the writer and the reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace {

void Check(bool Condition) {
    if (!Condition) std::abort();
}

const vcl::TEventHandlers& Handlers() {
    static const vcl::TEventHandlers handlers = [] {
        vcl::TEventHandlers h;
        h.Add("Click", vcl::TNotifyEvent([](vcl::TObject*) {}));
        h.Add("Change", vcl::TNotifyEvent([](vcl::TObject*) {}));
        return h;
    }();
    return handlers;
}

// Reads Text into a fresh owner; the text written back from what was read, or nothing when
// the reader refused the text.
bool ReadBack(const std::string& Text, std::string& Written) {
    auto owner = std::make_unique<vcl::TComponent>(nullptr);
    vcl::TComponent* root = nullptr;
    try {
        root = vcl::ReadComponentText(Text, owner.get(), Handlers());
    } catch (const vcl::EReadError&) {
        Check(owner->GetComponentCount() == 0);
        return false;
    }
    Check(root != nullptr && root->GetOwner() == owner.get());
    Written = vcl::WriteComponentText(root);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("ZYN_BACKEND", "headless", 1);
    vcl::Application->SetVirtualClock(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string text(reinterpret_cast<const char*>(Data), Size);
    std::string first;
    if (!ReadBack(text, first)) return 0;
    std::string second;
    Check(ReadBack(first, second));
    Check(second == first);
    return 0;
}
