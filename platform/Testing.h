// Testing: the testing interface of the headless framework: virtual time through
// Application->AdvanceTime, forced timer failures, the beep counter and the clock of Now,
// paint counts of controls, injected input and scripted modal forms, popups and dialogs.
#pragma once

#include "platform/backend/headless/TestingInput.h"
#include "platform/controls/base/PaintCount.h"
#include "platform/core/TestingCore.h"
