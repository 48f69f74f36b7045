#include "platform/portalscreencapture.h"
#include "platform/screencapture.h"
#include "platform/session.h"
#include "platform/x11screencapture.h"

#include <QGuiApplication>

namespace stak {

std::unique_ptr<ScreenCapture> makeScreenCapture(const SessionEnvironment &env)
{
    // In a Wayland session even XWayland hands a blank screen to a direct
    // grab: the desktop portal is the one way in.
    if (isWaylandSession(env))
        return std::make_unique<PortalScreenCapture>();
    // On X11 the program reads the screen itself, through shared memory.
    if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>())
        if (xcb_connection_t *c = x11->connection())
            return std::make_unique<X11ScreenCapture>(c);
    return std::make_unique<DirectScreenCapture>();
}

} // namespace stak
