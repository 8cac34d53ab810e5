// Test control of Now and Date, through the runtime's clock provider.
#include "platform/core/TestingCore.h"
#include "platform/runtime/DateTime.h"

namespace vcl::Testing {

void SetNow(TDateTime Value) {
    SetNowProvider([Value] { return Value; });
}

void ResetNow() { SetNowProvider(nullptr); }

}  // namespace vcl::Testing
