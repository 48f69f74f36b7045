#include "formats/phrases.h"

#include "core/contentpath.h"
#include "core/random.h"
#include "core/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <ctime>
#include <sys/stat.h>

namespace stak {

int PhraseKind(const QString &fileName)
{
    if (fileName == QStringLiteral("tost.tlk"))
        return 1;
    if (fileName == QStringLiteral("sound.tlk"))
        return 2;
    if (fileName == QStringLiteral("zag.tlk"))
        return 3;
    return 0;
}

bool IsFreshPhrase(int kind, int candidate, int count)
{
    QString &slot = phraseHistory().slot(kind);
    if (slot.isEmpty())
        return true;
    // The entries are read in place, digit by digit: the history of a file of
    // thousands of phrases is long and is read on every draw.
    int n = 1;
    qint64 value = 0;
    bool digits = false, number = true;
    for (const QChar c : std::as_const(slot)) {
        if (c == u',') {
            if (digits && number && value == candidate)
                return false;
            ++n;
            value = 0;
            digits = false;
            number = true;
        } else if (c >= u'0' && c <= u'9' && value < (qint64(1) << 40)) {
            value = value * 10 + (c.unicode() - u'0');
            digits = true;
        } else {
            number = false; // what toInt() would not read counts as 0
        }
    }
    if (n == count - 1)
        slot.clear();
    return true;
}

int PickPhraseNumber(const QString &fileName, int count)
{
    const int kind = PhraseKind(fileName);
    QString &slot = phraseHistory().slot(kind);
    RandomSource &random = programRandom();
    for (int attempt = 0; attempt <= 2000; ++attempt) {
        reseedFromClock();
        const int candidate = drawWhole(random.next(), count);
        if (IsFreshPhrase(kind, candidate, count)) {
            slot += QString::number(candidate) + QLatin1Char(',');
            return candidate;
        }
    }
    // Files of one or two phrases never clear their slot on their own: start
    // the slot again with a pick that differs from the last one.
    const QStringList entries = slot.split(QLatin1Char(','), Qt::SkipEmptyParts);
    const int previous = entries.isEmpty() ? 0 : entries.last().toInt();
    int candidate = drawWhole(random.next(), count);
    if (count >= 2 && candidate == previous)
        candidate = candidate % count + 1;
    slot = QString::number(candidate) + QLatin1Char(',');
    return candidate;
}

PhraseFile ParsePhraseFile(const QString &text)
{
    PhraseFile f;
    f.lines = splitLines(text);
    bool ok = false;
    const int count = f.lines.value(0).trimmed().toInt(&ok);
    if (ok && count >= 1)
        f.count = count;
    for (qsizetype i = 1; i < f.lines.size(); ++i) {
        const QString &line = f.lines[i];
        if (line.startsWith(QLatin1Char('>')))
            f.phrases.append({i, line.mid(1) + QStringLiteral("\r\n")});
        else if (!f.phrases.isEmpty())
            f.phrases.last().text += line + QStringLiteral("\r\n");
    }
    return f;
}

namespace {
// A phrase file as ReadPhrase needs it, and what its file was like when read.
struct IndexedPhrases
{
    bool readable = false;
    qsizetype lines = 0;
    std::optional<int> count;
    QStringList phrases;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    qint64 indexedNs = 0;
};

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Phrase files are indexed once and read again only when they changed: their
// size, time or inode. A file changed less than two seconds before it was
// indexed may change again within the file system's time granularity without
// a trace, so it is read again each time until it has rested.
const IndexedPhrases &indexedPhrases(const QString &fileName)
{
    static QHash<QString, IndexedPhrases> files;
    static const IndexedPhrases none;
    const QString path = QFileInfo(resolveContentPath(fileName)).absoluteFilePath();
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        files.remove(path);
        return none;
    }
    constexpr qint64 kRestNs = 2000000000;
    IndexedPhrases &f = files[path];
    const qint64 modified = nanoseconds(st.st_mtim);
    if (f.size == st.st_size && f.modifiedNs == modified && f.inode == st.st_ino &&
        f.indexedNs - modified > kRestNs)
        return f;
    timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    f = IndexedPhrases{};
    f.size = st.st_size;
    f.modifiedNs = modified;
    f.inode = st.st_ino;
    f.indexedNs = nanoseconds(now);
    if (const auto text = readTextFile(fileName)) {
        PhraseFile parsed = ParsePhraseFile(*text);
        f.readable = true;
        f.lines = parsed.lines.size();
        f.count = parsed.count;
        f.phrases.reserve(parsed.phrases.size());
        for (PhraseFile::Phrase &p : parsed.phrases)
            f.phrases.append(std::move(p.text));
    }
    return f;
}
} // namespace

QString ReadPhrase(const QString &fileName, int number)
{
    const IndexedPhrases &file = indexedPhrases(fileName);
    if (!file.readable || file.lines < 2)
        return {};
    reseedFromClock();
    if (number == 0) {
        // The count bounds random picks only; an explicit number is looked up
        // whatever it says.
        if (!file.count)
            return {};
        number = PickPhraseNumber(fileName, *file.count);
    }
    if (number < 1 || number > file.phrases.size())
        return {};
    return file.phrases[number - 1];
}

VoicePhrase SplitVoicePhrase(const QString &phrase)
{
    VoicePhrase v{phrase, std::nullopt};
    qsizetype q = phrase.indexOf(QStringLiteral("\r\n"));
    if (q == 0)
        q = phrase.indexOf(QStringLiteral("\r\n"), 1);
    if (q >= 0) {
        v.caption = phrase.mid(q + 2);
        v.file = phrase.left(q);
    }
    // A bare marker line leaves a line break in front of the file name.
    while (v.file.startsWith(QLatin1Char('\r')) || v.file.startsWith(QLatin1Char('\n')))
        v.file.remove(0, 1);
    return v;
}

std::optional<QString> ExescriptScenario(const QString &phrase)
{
    const QString marker = QStringLiteral("%exescript%");
    if (!phrase.contains(marker))
        return std::nullopt;
    QString s = phrase;
    s.remove(QStringLiteral("\r\n"));
    s.remove(marker);
    while (s.startsWith(QLatin1Char(' ')))
        s.remove(0, 1);
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

QList<VoiceMenuItem> VoiceMenuItems(const QStringList &lines)
{
    QList<VoiceMenuItem> items;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1Char('>')))
            continue;
        if (i + 1 >= lines.size())
            break;
        items.append({i, lines[i + 1]});
        ++i; // the caption line is taken whatever it holds
    }
    return items;
}

} // namespace stak
