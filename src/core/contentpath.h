#pragma once

#include <QString>

namespace stak {

// Content is often authored on Windows: paths use backslashes and their letter
// case need not match the files on disk. Returns the path to open: the exact
// path when it exists, else the path whose components match without regard to
// case, else the path with backslashes turned into slashes. Relative paths are
// relative to the current folder.
QString resolveContentPath(const QString &path);

// True when resolveContentPath finds an existing file (not a folder).
bool contentFileExists(const QString &path);

} // namespace stak
