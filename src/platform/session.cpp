#include "platform/session.h"

#include <QtGlobal>

namespace stak {

SessionEnvironment SessionEnvironment::current()
{
    SessionEnvironment env;
    env.sessionType = qgetenv("XDG_SESSION_TYPE");
    env.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    env.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    env.qtPlatformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    return env;
}

bool isWaylandSession(const SessionEnvironment &env)
{
    return env.sessionType.trimmed().toLower() == "wayland" || env.waylandDisplay;
}

bool runsThroughXWayland(const SessionEnvironment &env)
{
    return isWaylandSession(env) && env.x11Display && !env.qtPlatformChosen;
}

} // namespace stak
