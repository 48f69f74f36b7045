#pragma once

#include <QString>

namespace stak {

// Content is often authored on Windows: paths use backslashes and their letter
// case need not match the files on disk. Returns the path to open: the exact
// path when it exists, else the path whose components match without regard to
// case, else the path with backslashes turned into slashes. Relative paths are
// relative to the current folder.
QString resolveContentPath(const QString &path);

// True when resolveContentPath finds a regular file (links followed).
bool contentFileExists(const QString &path);

// Bare names of the regular files (links followed; no hidden files) of a
// content folder ("" for the current folder) that match one of the wildcard patterns without regard
// to letter case, sorted without regard to letter case (Linux lists folders in no stable order).
QStringList listContentFiles(const QString &folder, const QStringList &patterns);

} // namespace stak
