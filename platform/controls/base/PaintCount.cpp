// The paint count of the testing interface.
#include "platform/controls/base/PaintCount.h"

#include "platform/controls/base/PaintEngine.h"

namespace vcl::Testing {

int PaintCount(const TControl* Control) { return PaintEngine::TakePaintCount(Control); }

}  // namespace vcl::Testing
