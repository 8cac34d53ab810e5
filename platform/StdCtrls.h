// StdCtrls: the standard controls: edit fields and memos, labels, push buttons, check boxes
// and combo boxes, and DrawText.
#pragma once

#include "platform/controls/buttons/Button.h"
#include "platform/controls/buttons/Label.h"
#include "platform/controls/lists/ComboBox.h"
#include "platform/controls/lists/ListBox.h"
#include "platform/controls/text/DrawText.h"
#include "platform/controls/text/Edit.h"
#include "platform/controls/text/Memo.h"
