#pragma once

#include <QDateTime>
#include <QString>

namespace stak {

// The start dialog's New Year countdown for a moment: empty before
// 12 December; hours and minutes on 31 December; days from 12 to 30 December.
QString CountdownText(const QDateTime &now);

// The key of a day in the holiday list: day, "-", month, one blank ("7-1 ").
QString HolidayKey(const QDate &day);

// Today's holiday from the text of the holiday list: the rest of the first
// line that starts with the day's key, every "%br%" (in any letter case) made a
// line break (CR LF). Empty when no line matches.
QString HolidayLine(const QString &listText, const QDate &day);

} // namespace stak
