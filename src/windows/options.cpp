#include "windows/options.h"

#include <QDir>
#include <QStorageInfo>

namespace stak {

std::array<int, 3> RescaleChances(std::array<int, 3> chances)
{
    const qint64 total = qint64(chances[0]) + chances[1] + chances[2];
    if (total <= 100)
        return chances;
    for (int &c : chances)
        c = int(qint64(c) * 100 / total);
    return chances;
}

QString ChosenPicturePath(const QString &folder, const QString &file)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + file : folder + QLatin1Char('/') + file;
}

QList<Place> PicturePlaces(const QString &contentFolder, const QString &installedFolder)
{
    QList<Place> places{{QStringLiteral("Папка Стаканыча"), contentFolder}};
    if (!installedFolder.isEmpty())
        places.append({QStringLiteral("Общая папка Стаканыча"), installedFolder});
    places.append({QStringLiteral("Домашняя папка"), QDir::homePath()});
    places.append({QStringLiteral("Корень /"), QStringLiteral("/")});
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        // Disks and sticks the user mounted, not the system's own mounts.
        if (!v.isValid() || !v.isReady() ||
            !(root.startsWith(QStringLiteral("/media/")) ||
              root.startsWith(QStringLiteral("/mnt/")) ||
              root.startsWith(QStringLiteral("/run/media/"))))
            continue;
        places.append({v.displayName(), root});
    }
    QList<Place> unique;
    for (const Place &p : places) {
        bool seen = false;
        for (const Place &u : unique)
            seen = seen || QDir::cleanPath(u.path) == QDir::cleanPath(p.path);
        if (!seen)
            unique.append(p);
    }
    return unique;
}

} // namespace stak
