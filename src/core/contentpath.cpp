#include "core/contentpath.h"

#include "core/contentfile.h"
#include "core/contentfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace stak {

namespace {

QString slashed(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

// The existing path whose components match p's without regard to case, the
// exact one first; p itself when there is none.
QString matchOnDisk(const QString &p)
{
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

// p matched under the installed content folder, or empty when the folder is
// not in use or p is absolute.
QString inInstalledFolder(const QString &p)
{
    const QString installed = installedContentFolder();
    if (installed.isEmpty() || QDir::isAbsolutePath(p))
        return {};
    return matchOnDisk(QDir::cleanPath(installed + QLatin1Char('/') + p));
}

} // namespace

QString resolveContentPath(const QString &path)
{
    const QString p = slashed(path);
    const QString own = matchOnDisk(p);
    if (p.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString installed = inInstalledFolder(p);
    return !installed.isEmpty() && QFileInfo::exists(installed) ? installed : own;
}

QString writableContentPath(const QString &path, ContentWrite mode)
{
    const QString p = slashed(path);
    if (p.isEmpty())
        return p;
    // Absolute, so that no later resolving can take it to the installed folder.
    const QString own = QFileInfo(matchOnDisk(p)).absoluteFilePath();
    if (mode == ContentWrite::Replace || QFileInfo::exists(own))
        return own;
    const QString installed = inInstalledFolder(p);
    if (installed.isEmpty() || !QFileInfo(installed).isFile())
        return own;
    // A failed copy leaves the update to start from an empty file.
    QDir().mkpath(QFileInfo(own).path());
    QFile::copy(installed, own);
    return own;
}

namespace {
// A file name against a pattern of "*" and "?", without regard to case (the
// patterns are few and simple: no regular expression engine for them).
bool matchesPattern(QStringView name, QStringView pattern)
{
    qsizetype n = 0, p = 0, star = -1, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}
} // namespace

QStringList listContentFiles(const QString &folder, const QStringList &patterns)
{
    auto list = [&patterns](const QString &folder) {
        const QDir dir(folder);
        QStringList names;
        for (const QString &name :
             dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
            const bool wanted =
                std::any_of(patterns.begin(), patterns.end(),
                            [&](const QString &p) { return matchesPattern(name, p); });
            if (wanted && isRegularFile(dir.filePath(name)))
                names.append(name);
        }
        return names;
    };
    const QString f = slashed(folder);
    QStringList names = list(f.isEmpty() ? QStringLiteral(".") : matchOnDisk(f));
    const QString installed = inInstalledFolder(f.isEmpty() ? QStringLiteral(".") : f);
    if (installed.isEmpty())
        return names;
    const QStringList more = list(installed);
    if (more.isEmpty())
        return names;
    const qsizetype own = names.size();
    for (const QString &name : more)
        if (!names.first(own).contains(name, Qt::CaseInsensitive))
            names.append(name);
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

bool contentFileExists(const QString &path)
{
    return !path.isEmpty() && isRegularFile(resolveContentPath(path));
}

} // namespace stak
