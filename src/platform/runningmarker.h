#pragma once

#include <QString>

namespace stak {

// vipivaem.tut in the user's temporary folder says "the program is running":
// other programs look for it there. It is written by the start dialog's load
// and removed on every way the program ends.
class RunningMarker
{
public:
    static QString path();
    // Writes the marker afresh. A stale marker, or anything planted under its
    // name (a link to another file), is removed first and the file is created
    // exclusively, readable by its owner only. False when it cannot be made.
    static bool write();
    static void remove();
    // SIGTERM, SIGINT and SIGHUP end the program at once, taking the marker
    // written last with them.
    static void removeOnSignals();
};

} // namespace stak
