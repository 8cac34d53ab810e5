// DateUtils: calendar arithmetic beyond SysUtils (ISO weekdays and weeks, parts of a date,
// stepping by years to milliseconds) and the clock hook that tests use to fix "now".
#pragma once

#include "platform/runtime/DateTime.h"
