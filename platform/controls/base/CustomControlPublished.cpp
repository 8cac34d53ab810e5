// The class entries of TGraphicControl and TCustomControl (they publish nothing of their own).
#include "platform/controls/base/CustomControl.h"
#include "platform/core/PropInfo.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TGraphicControl, TControl>("TGraphicControl");
    RegisterClass<TCustomControl, TWinControl>("TCustomControl");
    return true;
}();

}  // namespace
}  // namespace vcl
