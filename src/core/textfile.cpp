#include "core/textfile.h"

#include "core/contentfile.h"
#include "core/cp1251.h"

namespace stak {

QString decodeContentText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    return decodeCp1251(bytes);
}

std::optional<QString> readTextFile(const QString &path)
{
    const auto bytes = readContentFile(path, ContentKind::Text);
    if (!bytes)
        return std::nullopt;
    return decodeContentText(*bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList splitScenarioLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    t.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return t.split(QLatin1Char('\r'));
}

} // namespace stak
