#include "core/ini.h"

#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/textfile.h"

#include <QFile>
#include <sys/stat.h>

namespace stak {

namespace {
constexpr int kMaxValue = 254;

QString trimBlanks(QString s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == QLatin1Char(' ') || s[b] == QLatin1Char('\t')))
        ++b;
    while (e > b && (s[e - 1] == QLatin1Char(' ') || s[e - 1] == QLatin1Char('\t') ||
                     s[e - 1] == QLatin1Char('\r')))
        --e;
    return s.mid(b, e - b);
}

// One line of the file with its own line end, so a rewrite keeps it.
struct Line
{
    QString text;
    QString end;
};

QList<Line> splitKeepingEnds(const QString &t)
{
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] != QLatin1Char('\n'))
            continue;
        const bool cr = i > start && t[i - 1] == QLatin1Char('\r');
        lines.append({t.mid(start, i - start - (cr ? 1 : 0)),
                      cr ? QStringLiteral("\r\n") : QStringLiteral("\n")});
        start = i + 1;
    }
    if (start < t.size())
        lines.append({t.mid(start), QString()});
    return lines;
}

// The section a header line opens, or no value for other lines.
std::optional<QString> sectionOf(const QString &line)
{
    const QString t = trimBlanks(line);
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return trimBlanks(t.mid(1, close - 1));
}

// A value enclosed in one pair of double or single quotes is read without them.
QString unquoted(const QString &v)
{
    if (v.size() >= 2 && v.front() == v.back() &&
        (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')))
        return v.mid(1, v.size() - 2);
    return v;
}

bool isKeyLine(const QString &line, const QString &key)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq >= 0 && trimBlanks(line.left(eq)).compare(key, Qt::CaseInsensitive) == 0;
}
} // namespace

std::optional<QList<IniEntry>> iniSectionEntries(const QString &text, const QString &section)
{
    std::optional<QList<IniEntry>> entries;
    bool inSection = false;
    const QList<Line> lines = splitKeepingEnds(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (auto s = sectionOf(lines[i].text)) {
            inSection = s->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection && !entries)
                entries.emplace();
            continue;
        }
        const QString t = trimBlanks(lines[i].text);
        if (!inSection || t.isEmpty() || t.startsWith(QLatin1Char(';')))
            continue;
        IniEntry entry;
        entry.line = int(i + 1);
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            entry.key = trimBlanks(t.left(eq));
            entry.value = unquoted(trimBlanks(t.mid(eq + 1))).left(kMaxValue);
        }
        entries->append(entry);
    }
    return entries;
}

QString readIniValue(const QString &file, const QString &section, const QString &key,
                     const QString &defaultValue)
{
    const auto bytes = readContentFile(file, ContentKind::Text);
    if (!bytes)
        return defaultValue;
    for (const IniEntry &e :
         iniSectionEntries(decodeContentText(*bytes), section).value_or(QList<IniEntry>()))
        if (e.key && e.key->compare(key, Qt::CaseInsensitive) == 0)
            return e.value;
    return defaultValue;
}

bool writeIniValue(const QString &file, const QString &section, const QString &key,
                   const QString &value, QString *error)
{
    const QString path = resolveContentPath(file);
    QString text;
    // The file is written back in the encoding it was read in. Whatever
    // stands under the name must be read whole, or the rewrite would lose
    // every other entry.
    TextEncoding encoding = TextEncoding::Cp1251;
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0) {
        const auto bytes = readContentFile(path, ContentKind::Text);
        if (!bytes) {
            if (error)
                *error = QStringLiteral("cannot read %1 whole").arg(path);
            return false;
        }
        encoding = detectTextEncoding(*bytes);
        text = decodeContentText(*bytes);
    }
    QList<Line> lines = splitKeepingEnds(text);
    QString eol = QStringLiteral("\r\n");
    for (const Line &l : lines)
        if (!l.end.isEmpty()) {
            eol = l.end;
            break;
        }
    const QString entry = key + QLatin1Char('=') + value;

    qsizetype sectionAt = -1, lastEntry = -1, keyAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (auto s = sectionOf(lines[i].text)) {
            if (sectionAt >= 0)
                break;
            if (s->compare(section, Qt::CaseInsensitive) == 0)
                sectionAt = lastEntry = i;
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (!trimBlanks(lines[i].text).isEmpty())
            lastEntry = i;
        if (isKeyLine(lines[i].text, key)) {
            keyAt = i;
            break;
        }
    }
    if (keyAt >= 0) {
        // The entry keeps its key as the file spells it, and the blanks around
        // its "="; only the value changes.
        QString &t = lines[keyAt].text;
        qsizetype valueAt = t.indexOf(QLatin1Char('=')) + 1;
        while (valueAt < t.size() &&
               (t[valueAt] == QLatin1Char(' ') || t[valueAt] == QLatin1Char('\t')))
            ++valueAt;
        t = t.left(valueAt) + value;
    } else if (sectionAt >= 0) {
        if (lines[lastEntry].end.isEmpty())
            lines[lastEntry].end = eol;
        lines.insert(lastEntry + 1, {entry, eol});
    } else {
        if (!lines.isEmpty() && lines.last().end.isEmpty())
            lines.last().end = eol;
        lines.append({QLatin1Char('[') + section + QLatin1Char(']'), eol});
        lines.append({entry, eol});
    }
    QString out;
    for (const Line &l : lines)
        out += l.text + l.end;

    return replaceFileContents(path, encodeContentText(out, encoding), error);
}

} // namespace stak
