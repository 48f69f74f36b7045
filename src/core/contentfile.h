#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace stak {

// Content files come from users and travel between parties: any of them may
// be a FIFO, a device, a folder or far too large. Every content file is opened
// here, and a file that is not a regular file (links followed) of a sensible
// size for its kind is treated exactly like a missing one.
enum class ContentKind { Text, Picture, Sound };

// The largest file of a kind the program reads, in bytes.
qint64 contentSizeLimit(ContentKind kind);

// True when the path (already resolved) names a regular file, links followed.
bool isRegularFile(const QString &path);

// The bytes of a content file, found through the content path resolver; no
// value when it is missing, unreadable, not a regular file or larger than its
// kind allows. The file is opened without blocking and checked on what was
// opened, so nothing swapped in under its name can make the program wait.
std::optional<QByteArray> readContentFile(const QString &path, ContentKind kind);

// Replaces a file (links followed) with the bytes: written to a hidden
// temporary file beside it, then renamed over it, keeping its permissions and,
// where the system allows, its owner. Temporary files of earlier writes that
// were cut short are removed. A file the user may not write, or one without
// any write permission, is refused. False, with a reason in *error, on
// failure; the file is left as it was then.
bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace stak
