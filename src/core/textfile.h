#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace stak {

// Bytes of a content file as text: UTF-8 when they start with a UTF-8 byte
// order mark (the mark dropped), Windows-1251 otherwise.
QString decodeContentText(QByteArrayView bytes);

// Reads a whole content file through the content path resolver. Empty optional
// when the file cannot be read.
std::optional<QString> readTextFile(const QString &path);

// Lines as phrase, order, date and button files see them: a line ends at CR or
// at CR LF; a final line break adds no empty line; empty text has no lines.
QStringList splitLines(const QString &text);

// Lines of a scenario: CR LF, LF and CR all end a line; the empty text gives no
// lines and a text that ends with a line break gives a last, empty line.
QStringList splitScenarioLines(const QString &text);

} // namespace stak
