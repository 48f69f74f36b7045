#include "scenario/scenarioline.h"

#include <cmath>

namespace stak {

namespace {
QString trimSpaces(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}
} // namespace

ScenarioLine ParseScenarioLine(const QString &line, const QString &includeText)
{
    ScenarioLine out;
    const QString t = trimSpaces(line);
    const qsizetype space = t.indexOf(QLatin1Char(' '));
    out.command = (space < 0 ? t : t.left(space)).toLower();
    out.argument = space < 0 ? QString() : trimSpaces(t.mid(space + 1));
    out.comment = t.isEmpty() || out.command.startsWith(QLatin1Char(';'));
    out.argument.replace(QStringLiteral("%br%"), QStringLiteral("\r\n"));
    out.argument.replace(QStringLiteral("%include%"), includeText);
    return out;
}

std::optional<qint32> ScenarioNumber(const QString &argument)
{
    const QString t = argument.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (!(c.isDigit() && c.unicode() < 128) &&
            !(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return qint32(v);
}

std::optional<qint32> ScenarioIndex(const QString &argument)
{
    if (auto whole = ScenarioNumber(argument))
        return whole;
    bool ok = false;
    const double v = argument.trimmed().toDouble(&ok);
    // NaN fails every comparison: it is refused by name, with the infinities.
    if (!ok || !std::isfinite(v) || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return qint32(v);
}

std::optional<qint32> SmearCount(const QString &text, qint32 emptyDefault)
{
    if (text.isEmpty())
        return emptyDefault;
    return ScenarioNumber(text);
}

} // namespace stak
