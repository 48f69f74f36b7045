#include "core/contentfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace stak {

namespace {

QString &installedFolder()
{
    static QString folder;
    return folder;
}

QString absoluteFolder(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

// The same folder, also when reached through a link; a folder that does not
// exist yet is compared by its clean path.
bool sameFolder(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return absoluteFolder(a) == absoluteFolder(b);
}

} // namespace

bool holdsContent(const QString &folder)
{
    // Name filters match without regard to letter case.
    static const QStringList kContent{QStringLiteral("config.cfg"), QStringLiteral("user.but"),
                                      QStringLiteral("*.tlk"), QStringLiteral("*.scn")};
    return !folder.isEmpty() && !QDir(folder).entryList(kContent, QDir::Files).isEmpty();
}

QString userContentFolder(const QString &dataHome)
{
    if (!QDir::isAbsolutePath(dataHome))
        return {};
    return QDir::cleanPath(dataHome + QStringLiteral("/stakanych"));
}

ContentFolders chooseContentFolders(const QString &startFolder, const QString &installedFolder,
                                    const QString &dataHome)
{
    const QString start = absoluteFolder(startFolder);
    const QString installed =
        holdsContent(installedFolder) ? absoluteFolder(installedFolder) : QString();
    const QString user = userContentFolder(dataHome);
    if (installed.isEmpty() || user.isEmpty())
        return {start, {}};
    if (sameFolder(user, installed)) // installed into the data home itself
        return {user, {}};
    if (sameFolder(start, user))
        return {user, installed};
    if (holdsContent(start) && !sameFolder(start, installed))
        return {start, {}};
    return {user, installed};
}

ContentFolders programContentFolders(const QString &startFolder)
{
    return chooseContentFolders(
        startFolder,
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral(STAK_CONTENT_FROM_BINDIR)),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

bool useContentFolders(const ContentFolders &folders, QString *error)
{
    if (!QDir().mkpath(folders.user) || !QDir::setCurrent(folders.user)) {
        if (error)
            *error = QStringLiteral("cannot create or enter the folder %1").arg(folders.user);
        return false;
    }
    setInstalledContentFolder(folders.installed);
    return true;
}

QString installedContentFolder()
{
    return installedFolder();
}

void setInstalledContentFolder(const QString &folder)
{
    installedFolder() = folder;
}

QString keepStartFolderPath(const QString &path, const QString &startFolder)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty() || QDir::isAbsolutePath(p))
        return path;
    const QFileInfo there(QDir(startFolder), p);
    return there.isFile() ? there.absoluteFilePath() : path;
}

} // namespace stak
