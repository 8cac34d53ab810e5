// The tab order editor: the windowed children of one container in their tab order, moved
// up and down (buttons, or Ctrl+Up / Ctrl+Down in the list), written back as one change.
#pragma once

#include "apps/designer/model/DesignModel.h"

namespace designer {

// Shows the editor for the model's tab-order container; true when the user chose OK and
// the order was written.
bool EditTabOrder(vcl::TComponent* Owner, TDesignModel& Model);

}  // namespace designer
