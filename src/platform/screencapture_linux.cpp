#include "platform/portalscreencapture.h"
#include "platform/screencapture.h"
#include "platform/session.h"

namespace stak {

std::unique_ptr<ScreenCapture> makeScreenCapture(const SessionEnvironment &env)
{
    // In a Wayland session even XWayland hands a blank screen to a direct
    // grab: the desktop portal is the one way in.
    if (isWaylandSession(env))
        return std::make_unique<PortalScreenCapture>();
    return std::make_unique<DirectScreenCapture>();
}

} // namespace stak
