#include "formats/phrases.h"

#include "core/random.h"
#include "core/textfile.h"

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
    int n = 0;
    qsizetype from = 0;
    for (;;) {
        ++n;
        const qsizetype comma = slot.indexOf(QLatin1Char(','), from);
        if (comma < 0)
            break;
        if (slot.mid(from, comma - from).toInt() == candidate)
            return false;
        from = comma + 1;
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

QString ReadPhrase(const QString &fileName, int number)
{
    const auto text = readTextFile(fileName);
    if (!text)
        return {};
    const PhraseFile file = ParsePhraseFile(*text);
    if (file.lines.size() < 2)
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
    return file.phrases[number - 1].text;
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
