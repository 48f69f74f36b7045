#include "formats/dates.h"

#include "core/textfile.h"

namespace stak {

QString CountdownText(const QDateTime &now)
{
    const QDate d = now.date();
    if (d.month() != 12 || d.day() < 12)
        return {};
    if (d.day() == 31)
        return QStringLiteral("> До нового года - %1 час. %2 мин. <")
            .arg(23 - now.time().hour())
            .arg(60 - now.time().minute());
    const int days = 31 - d.day();
    const QString unit = d.day() == 30   ? QStringLiteral(" день")
                         : d.day() >= 27 ? QStringLiteral(" дня")
                                         : QStringLiteral(" дней");
    return QStringLiteral("До нового года - ") + QString::number(days) + unit;
}

QString HolidayKey(const QDate &day)
{
    return QStringLiteral("%1-%2 ").arg(day.day()).arg(day.month());
}

QString HolidayLine(const QString &listText, const QDate &day)
{
    const QString key = HolidayKey(day);
    for (const QString &line : splitLines(listText))
        if (line.startsWith(key))
            return line.mid(key.size())
                .replace(QStringLiteral("%br%"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    return {};
}

} // namespace stak
