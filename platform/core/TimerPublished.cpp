// The property table of TTimer.
#include "platform/core/PropInfo.h"
#include "platform/core/Timer.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TTimer, TComponent>("TTimer", [](TPublisher<TTimer>& p) {
        p.Boolean("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled);
        p.Integer("Interval", &TTimer::GetInterval, &TTimer::SetInterval);
        p.Event("OnTimer", &TTimer::GetOnTimer, &TTimer::SetOnTimer);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
