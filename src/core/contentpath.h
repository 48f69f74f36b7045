#pragma once

#include <QString>

namespace stak {

// Content is often authored on Windows: paths use backslashes and their letter
// case need not match the files on disk. Returns the path to open: the exact
// path when it exists, else the path whose components match without regard to
// case, else the path with backslashes turned into slashes. Relative paths are
// relative to the current folder and, where it has no such file or folder, to
// the installed content folder (see contentfolders.h).
QString resolveContentPath(const QString &path);

// True when resolveContentPath finds a regular file (links followed).
bool contentFileExists(const QString &path);

// How a content file is written: replaced whole, or updated, keeping what the
// file held (the installed copy, the first time).
enum class ContentWrite { Replace, Update };

// The absolute path to write a content file to: resolved like
// resolveContentPath but in the current folder only, never in the installed
// folder. For an update, a
// file that only the installed folder has is first copied into the current
// folder, so that the edit keeps the rest of it.
QString writableContentPath(const QString &path, ContentWrite mode = ContentWrite::Replace);

// Bare names of the regular files (links followed; no hidden files) of a
// content folder ("" for the current folder)
// that match one of the wildcard patterns without regard to letter case,
// sorted without regard to letter case (Linux lists folders in no
// stable order). A relative folder lists the current folder's files and the
// installed folder's, each name once, spelt as the current folder has it.
QStringList listContentFiles(const QString &folder, const QStringList &patterns);

} // namespace stak
