// Test controls of the core: forced timer failures, the beep counter and the clock of
// Now/Date. Application->SetVirtualClock(true) and Application->AdvanceTime(ms) drive time.
#pragma once

#include "platform/runtime/DateTime.h"

namespace vcl::Testing {

// The next N calls of SetTimer fail (return 0). N = 0 cancels a pending request.
void FailNextTimers(int N);
// MessageBeep calls since the start or the last ResetBeepCount.
int BeepCount();
void ResetBeepCount();
// Now and Date return this moment until ResetNow.
void SetNow(TDateTime Value);
void ResetNow();

}  // namespace vcl::Testing
