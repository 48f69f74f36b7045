#include "platform/runningmarker.h"

#include "platform/platform.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace stak {

namespace {
constexpr char kLine[] = "final\r\n";
constexpr ssize_t kLineSize = sizeof kLine - 1;
// Other copies hold the marker exclusively only for a moment, while they
// write it or remove it; this many tries, a millisecond apart, outlast that.
constexpr int kTries = 200;

// The program's own hold as the signal handler needs it: it may not allocate.
char g_signalPath[4096];
volatile sig_atomic_t g_signalFd = -1;

// The path still names the file open at fd: another copy may have removed or
// replaced it since it was opened. Async-signal-safe.
bool namesFile(const char *path, int fd)
{
    struct stat opened = {}, named = {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path, &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Removes the marker at path when the copy holding it at fd is the last one:
// no other copy holds it, so the exclusive lock is granted. Async-signal-safe.
void letGo(int fd, const char *path)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && namesFile(path, fd))
        ::unlink(path);
}

extern "C" void endOnSignal(int sig)
{
    const int fd = g_signalFd;
    if (fd >= 0)
        letGo(fd, g_signalPath);
    ::_exit(128 + sig);
}

enum class Step { Held, Again, Failed };

// Holds the marker opened at fd, writing it afresh when nobody else holds it.
// Closes fd unless the marker is held.
Step holdOpen(int fd, const char *path)
{
    const auto drop = [fd](Step step) {
        ::close(fd);
        return step;
    };
    struct stat st = {};
    if (::fstat(fd, &st) != 0)
        return drop(Step::Failed);
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1) {
        // A pipe, someone else's file or another name of some file: never
        // written into, but replaced. A count of no links is a marker another
        // copy has just removed.
        if (!namesFile(path, fd))
            return drop(Step::Again);
        ::close(fd);
        return ::unlink(path) == 0 || errno == ENOENT ? Step::Again : Step::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Nobody else holds it: just made here, or left by a copy that is
        // gone. Written afresh, owner-only.
        if (!namesFile(path, fd))
            return drop(Step::Again);
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, kLine, kLineSize, 0) != kLineSize ||
            ::fchmod(fd, 0600) != 0)
            return drop(Step::Failed);
        // Going from the exclusive lock to the shared one is not atomic:
        // meanwhile another copy may write it again or, ending, remove it.
        // The check below notices the latter.
    } else if (errno != EWOULDBLOCK && errno != EINTR) {
        return drop(Step::Failed);
    }
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0)
        return drop(errno == EWOULDBLOCK || errno == EINTR ? Step::Again : Step::Failed);
    // Held: unless it was removed before the lock was granted.
    return namesFile(path, fd) ? Step::Held : drop(Step::Again);
}

std::optional<RunningMarker> &programCopy()
{
    static std::optional<RunningMarker> copy;
    return copy;
}
} // namespace

RunningMarker::RunningMarker(const QString &file) : m_file(QFile::encodeName(file)) {}

RunningMarker::~RunningMarker()
{
    if (m_fd < 0)
        return;
    if (g_signalFd == m_fd)
        g_signalFd = -1;
    ::close(m_fd);
}

bool RunningMarker::hold()
{
    if (m_fd >= 0)
        return true;
    const char *path = m_file.constData();
    for (int i = 0; i < kTries; ++i) {
        if (i > 0) {
            const timespec ms{0, 1000 * 1000};
            ::nanosleep(&ms, nullptr);
        }
        // O_NONBLOCK: a pipe planted under the name must not keep the open
        // waiting for a writer.
        int fd = ::open(path, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            // Two copies starting at once: one makes it, the other joins.
            fd = ::open(path, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd < 0 && errno != EEXIST)
                return false;
        } else if (fd < 0 && (errno == ELOOP || errno == EACCES || errno == ENXIO)) {
            // A link (unlink() removes the link itself, never its target), a
            // file not to be written or a socket: replaced.
            if (::unlink(path) != 0 && errno != ENOENT)
                return false;
        } else if (fd < 0 && errno != EINTR) {
            return false;
        }
        if (fd < 0)
            continue;
        switch (holdOpen(fd, path)) {
        case Step::Held:
            m_fd = fd;
            return true;
        case Step::Failed:
            return false;
        case Step::Again:
            break;
        }
    }
    return false;
}

void RunningMarker::release()
{
    if (m_fd < 0)
        return;
    letGo(m_fd, m_file.constData());
    if (g_signalFd == m_fd)
        g_signalFd = -1;
    ::close(m_fd);
    m_fd = -1;
}

QString RunningMarker::path()
{
    return platform().tempFolder() + QStringLiteral("vipivaem.tut");
}

bool RunningMarker::write()
{
    std::optional<RunningMarker> &copy = programCopy();
    copy.emplace(path());
    if (!copy->hold())
        return false;
    if (copy->m_file.size() < qsizetype(sizeof g_signalPath)) {
        qstrcpy(g_signalPath, copy->m_file.constData());
        g_signalFd = copy->m_fd;
    }
    return true;
}

void RunningMarker::remove()
{
    if (std::optional<RunningMarker> &copy = programCopy())
        copy->release();
}

void RunningMarker::removeOnSignals()
{
    std::signal(SIGTERM, endOnSignal);
    std::signal(SIGINT, endOnSignal);
    std::signal(SIGHUP, endOnSignal);
}

} // namespace stak
