#include "core/contentfile.h"

#include "core/contentpath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stak {

namespace {
// A temporary file of a write older than this was left by a write cut short.
constexpr qint64 kStaleTemporarySecs = 60;

QString systemError(int error)
{
    return QString::fromLocal8Bit(strerror(error));
}

// A name the system can be asked about: a NUL would cut it short.
bool isNativePath(const QString &path)
{
    return !path.isEmpty() && !path.contains(QChar(0));
}

int openNonBlocking(const QByteArray &native)
{
    int fd;
    do
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool fitsKind(const struct stat &st, qint64 limit)
{
    return S_ISREG(st.st_mode) && st.st_size <= limit;
}

// Hidden temporary files of writes to `name`: ".name.XXXXXX".
QRegularExpression temporaryName(const QString &name)
{
    return QRegularExpression(QStringLiteral("^\\.") + QRegularExpression::escape(name) +
                              QStringLiteral("\\.[A-Za-z0-9]{6}$"));
}

void removeStaleTemporaries(const QDir &dir, const QString &name)
{
    const QRegularExpression pattern = temporaryName(name);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kStaleTemporarySecs);
    for (const QFileInfo &fi : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (pattern.match(fi.fileName()).hasMatch() && fi.lastModified().toUTC() < before)
            QFile::remove(fi.filePath());
}
} // namespace

qint64 contentSizeLimit(ContentKind kind)
{
    switch (kind) {
    case ContentKind::Text:
        return 4 << 20;
    case ContentKind::Picture:
        return 32 << 20;
    case ContentKind::Sound:
        return 16 << 20;
    }
    return 0;
}

bool isRegularFile(const QString &path)
{
    struct stat st;
    return isNativePath(path) && ::stat(QFile::encodeName(path).constData(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

std::optional<QByteArray> readContentFile(const QString &path, ContentKind kind)
{
    if (!isNativePath(path))
        return std::nullopt;
    const QByteArray native = QFile::encodeName(resolveContentPath(path));
    const qint64 limit = contentSizeLimit(kind);
    // Checked before opening, since opening some devices already does something,
    // and again on what was opened.
    struct stat st;
    if (::stat(native.constData(), &st) != 0 || !fitsKind(st, limit))
        return std::nullopt;
    const int fd = openNonBlocking(native);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> result;
    if (::fstat(fd, &st) == 0 && fitsKind(st, limit)) {
        QByteArray bytes;
        // One byte more than the limit shows a file that grew meanwhile.
        bytes.resize(qsizetype(qMin<qint64>(st.st_size, limit) + 1));
        qint64 total = 0;
        for (;;) {
            if (total == bytes.size()) {
                if (total > limit)
                    break;
                bytes.resize(qsizetype(qMin<qint64>(total * 2, limit + 1)));
            }
            const ssize_t n = ::read(fd, bytes.data() + total, size_t(bytes.size() - total));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                break;
            if (n == 0) {
                bytes.truncate(qsizetype(total));
                result = std::move(bytes);
                break;
            }
            total += n;
        }
    }
    ::close(fd);
    return result;
}

bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // A link is kept: its target gets the new contents.
    const QFileInfo given(path);
    const QString target = given.exists() ? given.canonicalFilePath() : given.absoluteFilePath();
    const QFileInfo info(target);
    const QByteArray native = QFile::encodeName(target);
    struct stat st;
    const bool exists = ::stat(native.constData(), &st) == 0;
    // A file the user may not write stays as it is, although the new file
    // could be renamed over it. One that leaves nobody a write permission was
    // made read-only on purpose: root, whom the system lets write anything,
    // leaves it alone too.
    if (exists && (::access(native.constData(), W_OK) != 0 || (st.st_mode & 0222) == 0))
        return fail(systemError(EACCES));
    const QDir dir = info.absoluteDir();
    removeStaleTemporaries(dir, info.fileName());

    QByteArray temp = QFile::encodeName(
        dir.filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".XXXXXX")));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(systemError(errno));
    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(temp.constData());
        return fail(systemError(err));
    };
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return abandon(errno);
        done += n;
    }
    if (exists) {
        ::fchmod(fd, st.st_mode & 07777);
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only the owner's group may be out of reach; keep what can be kept.
            [[maybe_unused]] const int ignored = ::fchown(fd, uid_t(-1), st.st_gid);
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        return fail(systemError(err));
    }
    if (::rename(temp.constData(), native.constData()) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        return fail(systemError(err));
    }
    return true;
}

} // namespace stak
