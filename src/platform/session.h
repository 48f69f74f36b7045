#pragma once

#include <QByteArray>

namespace stak {

// What the environment says about the desktop session the program runs in.
struct SessionEnvironment
{
    QByteArray sessionType;        // XDG_SESSION_TYPE
    bool waylandDisplay = false;   // WAYLAND_DISPLAY set
    bool x11Display = false;       // DISPLAY set
    bool qtPlatformChosen = false; // QT_QPA_PLATFORM set by the user

    static SessionEnvironment current();
};

// A Wayland session, whichever Qt platform plugin the program uses: the
// desktop then hands out pictures of the screen only through its portal.
bool isWaylandSession(const SessionEnvironment &env);

// Whether to run through XWayland (the xcb plugin): in a Wayland session that
// offers an X server, unless the user chose a Qt platform plugin himself.
// Windows can move themselves there.
bool runsThroughXWayland(const SessionEnvironment &env);

} // namespace stak
