#pragma once

#include <QByteArray>
#include <QString>

namespace stak {

// vipivaem.tut in the user's temporary folder says "the program is running":
// other programs look for it there. It is written by the start dialog's load
// and removed on every way the program ends, but only by the last of the
// copies that run at once.
//
// Every running copy holds a shared flock(2) on the marker file while it
// runs. A marker nobody holds was left by a copy that crashed or was killed
// and is taken over; a copy that ends removes the marker only when it can
// lock it exclusively, that is when no other copy holds it any more. A copy
// that dies without a word lets go of its lock with its open file.
class RunningMarker
{
public:
    // One copy's hold on the marker at file. Two objects behave like two
    // processes: the locks belong to their own open files.
    explicit RunningMarker(const QString &file);
    // Lets go as a crash would: the marker stays.
    ~RunningMarker();
    RunningMarker(const RunningMarker &) = delete;
    RunningMarker &operator=(const RunningMarker &) = delete;

    // Joins a marker other copies hold, or writes it afresh: a stale marker,
    // or anything planted under its name (a link to another file, a pipe),
    // is replaced by a file readable by its owner only. False when the
    // marker cannot be made or held.
    bool hold();
    // Ends this copy's hold, removing the marker when no other copy holds it.
    void release();
    bool holding() const { return m_fd >= 0; }

    // The program's own marker, where the current platform keeps it.
    static QString path();
    // The program's own copy: write() holds path() (dropping an earlier hold
    // first), remove() releases it.
    static bool write();
    static void remove();
    // SIGTERM, SIGINT and SIGHUP end the program at once, releasing the
    // program's own hold on the way.
    static void removeOnSignals();

private:
    QByteArray m_file;
    int m_fd = -1;
};

} // namespace stak
