// Mask: masked edit fields (TCustomMaskEdit, TMaskEdit, EMaskEditError) and the parsed edit
// mask they follow (TEditMaskFormat).
#pragma once

#include "platform/controls/text/EditMask.h"
#include "platform/controls/text/MaskEdit.h"
