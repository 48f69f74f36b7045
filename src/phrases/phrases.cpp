#include "phrases/phrases.h"

#include "core/random.h"
#include "core/textfile.h"

namespace stak {

void PhraseHistory::clear()
{
    for (QString &s : m_slots)
        s.clear();
}

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

QString ReadPhrase(const QString &fileName, int number)
{
    const auto text = readTextFile(fileName);
    if (!text)
        return {};
    const QStringList lines = splitLines(*text);
    if (lines.size() < 2)
        return {};
    reseedFromClock();
    if (number == 0) {
        // The count bounds random picks only; an explicit number is looked up
        // whatever it says.
        bool ok = false;
        const int count = lines[0].trimmed().toInt(&ok);
        if (!ok || count < 1)
            return {};
        number = PickPhraseNumber(fileName, count);
    }
    int k = 0;
    bool inPhrase = false;
    QString result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.startsWith(QLatin1Char('>'))) {
            ++k;
            if (k == number) {
                inPhrase = true;
                line.remove(0, 1);
            } else if (k == number + 1) {
                break;
            }
        }
        if (inPhrase)
            result += line + QStringLiteral("\r\n");
    }
    return result;
}

} // namespace stak
