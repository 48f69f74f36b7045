#include "companion/companionfiles.h"

#include "core/textfile.h"

namespace stak {

std::array<UserButton, 5> ParseUserButtons(const QString &text)
{
    std::array<UserButton, 5> buttons;
    const QStringList lines = splitLines(text);
    const QString marker = QStringLiteral("%>!<%");
    for (qsizetype k = 0; k < 5 && k < lines.size(); ++k) {
        const QString &line = lines[k];
        if (line.trimmed().isEmpty())
            continue;
        buttons[size_t(k)].caption = QString(line).remove(marker).trimmed();
        buttons[size_t(k)].visible = !line.contains(marker);
    }
    return buttons;
}

QStringList VoiceMenuCaptions(const QString &text)
{
    QStringList captions;
    const QStringList lines = splitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1Char('>')))
            continue;
        if (i + 1 >= lines.size())
            break;
        ++i; // the entry's text line is taken whatever it holds
        captions.append(lines[i]);
    }
    return captions;
}

VoicePhrase ParseVoicePhrase(const QString &phrase)
{
    VoicePhrase out;
    qsizetype q = phrase.indexOf(QStringLiteral("\r\n"));
    if (q == 0)
        q = phrase.indexOf(QStringLiteral("\r\n"), 1);
    out.file = phrase;
    if (q >= 0) {
        out.caption = phrase.mid(q + 2);
        out.file = phrase.left(q);
    }
    // A bare marker line leaves a line break in front of the file name.
    while (out.file.startsWith(QLatin1Char('\r')) || out.file.startsWith(QLatin1Char('\n')))
        out.file.remove(0, 1);
    return out;
}

OrderStep NextOrderEntry(const QString &orderText, qint32 position)
{
    const QStringList lines = splitLines(orderText);
    if (lines.isEmpty())
        return {};
    // Lines 1..p are read; reaching the end of the file wraps the position.
    const qsizetype p = qsizetype(position) + 1;
    OrderStep step;
    step.position = qint32(p);
    for (qsizetype i = 1; i <= p && i <= lines.size(); ++i) {
        step.line = lines[i - 1];
        if (i == lines.size())
            step.position = 0;
    }
    return step;
}

} // namespace stak
