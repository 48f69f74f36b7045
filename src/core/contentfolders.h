#pragma once

#include <QString>

namespace stak {

// Where the program's content lives. Content authors start the program inside
// a folder of content and it works there alone. Started anywhere else (from
// the applications menu, say), it works in the user's own content folder,
// which holds the user's files and takes every write, over the installed
// default content, which it only reads: a file the user has wins over the
// installed one of the same name.
struct ContentFolders
{
    QString user;      // absolute; the current folder while the program runs
    QString installed; // absolute, or empty when the user folder is used alone

    bool operator==(const ContentFolders &) const = default;
};

// True when the folder holds content of the program's: config.cfg, user.but,
// a phrase file (*.tlk) or a scenario (*.scn), in any letter case.
bool holdsContent(const QString &folder);

// The user's own content folder under the data home ($XDG_DATA_HOME,
// ~/.local/share by default): dataHome/stakanych; empty without a data home.
QString userContentFolder(const QString &dataHome);

// The folders for a run started in startFolder. installedFolder is the default
// content installed beside the program, ignored unless it holds content. The
// start folder is used alone when it holds content (and is not the installed
// folder itself) or when nothing is installed; otherwise the user's folder over
// the installed one.
ContentFolders chooseContentFolders(const QString &startFolder, const QString &installedFolder,
                                    const QString &dataHome);

// The folders for a run of this program started in startFolder: the installed
// content at its fixed place relative to the program, the data home of the
// user who runs it.
ContentFolders programContentFolders(const QString &startFolder);

// Makes the folders the program's: creates the user folder when missing and
// makes it the current folder; the content path resolver falls back to the
// installed folder from then on. False, with the reason in *error, when the
// user folder cannot be created or entered; nothing changes then.
bool useContentFolders(const ContentFolders &folders, QString *error = nullptr);

// The installed folder the resolver falls back to, or empty.
QString installedContentFolder();
void setInstalledContentFolder(const QString &folder);

// A relative path that names a file of the start folder, made absolute so that
// it keeps naming that file when the run works in another folder; any other
// path as it was.
QString keepStartFolderPath(const QString &path, const QString &startFolder);

} // namespace stak
