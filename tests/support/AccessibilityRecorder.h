// A listener of the accessibility events for tests: it listens while it lives and keeps
// what it heard, in order.
#pragma once

#include <string>
#include <vector>

#include "platform/Accessibility.h"

namespace zyn_test {

class AccessibilityRecorder : public vcl::TAccListener {
public:
    AccessibilityRecorder() { vcl::accessibility::AddListener(this); }
    ~AccessibilityRecorder() override { vcl::accessibility::RemoveListener(this); }
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

    void AccessibleEvent(const vcl::TAccEvent& Event) override { events.push_back(Event); }

    // How many events of Kind came from Source (any source when nullptr).
    int Count(vcl::TAccEventKind Kind, const vcl::TAccessible* Source = nullptr) const {
        int n = 0;
        for (const auto& e : events)
            if (e.Kind == Kind && (Source == nullptr || e.Source.get() == Source)) ++n;
        return n;
    }
    // The source of the last event of Kind, nullptr when none came.
    vcl::TAccessiblePtr Last(vcl::TAccEventKind Kind) const {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->Kind == Kind) return it->Source;
        return nullptr;
    }
    void Clear() { events.clear(); }

    std::vector<vcl::TAccEvent> events;
};

}  // namespace zyn_test
