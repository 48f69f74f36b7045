#include "platform/runningmarker.h"

#include "platform/platform.h"

#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace stak {

namespace {
// The path as the signal handler needs it: it may not allocate.
char g_signalCopy[4096];

extern "C" void endOnSignal(int sig)
{
    if (g_signalCopy[0])
        ::unlink(g_signalCopy);
    ::_exit(128 + sig);
}
} // namespace

QString RunningMarker::path()
{
    return platform().tempFolder() + QStringLiteral("vipivaem.tut");
}

bool RunningMarker::write()
{
    const QByteArray file = QFile::encodeName(path());
    qstrncpy(g_signalCopy, file.constData(), sizeof g_signalCopy);
    // unlink() removes a link itself, never its target; O_EXCL with O_CREAT
    // refuses to follow anything planted again in between.
    ::unlink(file.constData());
    const int fd =
        ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    static const char kLine[] = "final\r\n";
    const bool ok = ::write(fd, kLine, sizeof kLine - 1) == ssize_t(sizeof kLine - 1);
    ::close(fd);
    return ok;
}

void RunningMarker::remove()
{
    QFile::remove(path());
}

void RunningMarker::removeOnSignals()
{
    std::signal(SIGTERM, endOnSignal);
    std::signal(SIGINT, endOnSignal);
    std::signal(SIGHUP, endOnSignal);
}

} // namespace stak
