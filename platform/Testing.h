// The testing interface of the headless framework: virtual time, forced failures,
// counters, and (from the controls layer) injected input and scripted dialogs.
#pragma once

#include "platform/core/TestingCore.h"
#include "platform/controls/TestingInput.h"
