// Makes every backend built into the package available to the backend chooser before main
// runs. This file is linked into every program as a whole archive, so an application needs
// no call of its own: it gets real windows when a display is there (or ZYN_BACKEND=sdl) and
// the headless backend otherwise (or with ZYN_BACKEND=headless).
#include "platform/backend/headless/HeadlessBackend.h"
#ifdef ZYN_HAVE_SDL
#include "platform/backend/sdl/SdlBackend.h"
#endif

namespace {

const bool kBackendsRegistered = [] {
    vcl::RegisterHeadlessBackend();
#ifdef ZYN_HAVE_SDL
    vcl::RegisterSdlBackend();
#endif
    return true;
}();

}  // namespace
