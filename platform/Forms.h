// Forms and the application: TApplication and the global Application, and (from the
// controls layer) TForm and Screen.
#pragma once

#include "platform/core/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/HintWindow.h"
