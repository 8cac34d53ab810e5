// The same place may include the platform's unit headers, the framework and the meter.
#include "framework/Zyn_conventions.h"
#include "meter/Zyn_Meter.h"
#include "platform/Graphics.h"

int MeterUsesItsOwnNeeds() { return sizeof(zyn::TMeter); }
