// Compiled as part of the meter's library, which does not declare a need of the numeric
// edit field: this include must not be found.
#include "meter/Zyn_Meter.h"
#include "numio/Zyn_NumIO.h"

int MeterUsesNumericField() { return sizeof(zyn::TMeter) + sizeof(zyn::TNumIO); }
