#include "core/contentpath.h"

#include "core/contentfile.h"

#include <QDir>
#include <QFileInfo>

namespace stak {

QString resolveContentPath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;
    // Walk the components, taking the one entry of each folder whose name
    // matches without regard to case.
    const bool absolute = p.startsWith(QLatin1Char('/'));
    const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (const QString &part : parts) {
        const QString base = current.isEmpty() ? QStringLiteral(".") : current;
        QString next = current.isEmpty() || current.endsWith(QLatin1Char('/'))
                           ? current + part
                           : current + QLatin1Char('/') + part;
        if (part != QStringLiteral(".") && part != QStringLiteral("..") &&
            !QFileInfo::exists(next)) {
            const QStringList entries = QDir(base).entryList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
            bool found = false;
            for (const QString &e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current.isEmpty() || current.endsWith(QLatin1Char('/'))
                               ? current + e
                               : current + QLatin1Char('/') + e;
                    found = true;
                    break;
                }
            if (!found)
                return p;
        }
        current = next;
    }
    return current;
}

QStringList listContentFiles(const QString &folder, const QStringList &patterns)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : resolveContentPath(folder));
    QStringList names;
    for (const QString &name :
         dir.entryList(patterns, QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        if (isRegularFile(dir.filePath(name)))
            names.append(name);
    return names;
}

bool contentFileExists(const QString &path)
{
    return !path.isEmpty() && isRegularFile(resolveContentPath(path));
}

} // namespace stak
