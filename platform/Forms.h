// Forms: TApplication and the global Application (message loop, clock, exceptions, hints),
// TForm, TScreen and Screen, the hint window, the window backend in use and the display scale.
#pragma once

#include "platform/controls/base/Backend.h"
#include "platform/controls/base/DisplayScale.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/HintWindow.h"
#include "platform/core/Application.h"
