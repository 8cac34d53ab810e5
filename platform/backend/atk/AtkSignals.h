// The listener that tells the accessibility model's events as the signals of the ATK
// objects (state-change, focus, property-change, text, selection, children, bounds), from
// which the at-spi2-atk bridge sends them to the desktop's service.
#pragma once

#include "platform/accessibility/Accessible.h"

namespace vcl::atkbridge {

// The one listener; the bridge adds it when it starts. Events of objects the service was
// never given are dropped, except focus, which makes the object.
TAccListener& EventSignals();
// Drops what the listener holds (the focused object), as the bridge stops.
void ForgetSignalState();

}  // namespace vcl::atkbridge
