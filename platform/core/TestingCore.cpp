// Test controls of the core.
#include "platform/core/TestingCore.h"

#include "platform/core/MessageSystem.h"

namespace vcl::Testing {

using detail::MessageSystem;

void FailNextTimers(int N) { MessageSystem::Instance().failNextTimers = N < 0 ? 0 : N; }

int BeepCount() { return MessageSystem::Instance().beepCount; }

void ResetBeepCount() { MessageSystem::Instance().beepCount = 0; }

}  // namespace vcl::Testing
