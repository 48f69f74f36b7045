#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace stak {

// How a content file's bytes hold its text.
enum class TextEncoding {
    Cp1251,  // Windows-1251, as the program's content has always been written
    Utf8,    // UTF-8 without a byte order mark, as Linux editors write it
    Utf8Bom, // UTF-8 after a byte order mark
};

// The encoding of a content file: UTF-8 when the bytes start with a UTF-8 byte
// order mark, or when they are valid UTF-8 and hold at least one non-ASCII
// character (Russian text in Windows-1251 is practically never valid UTF-8);
// Windows-1251 otherwise.
TextEncoding detectTextEncoding(QByteArrayView bytes);

// Bytes of a content file as text, in the encoding detectTextEncoding finds
// (a byte order mark dropped).
QString decodeContentText(QByteArrayView bytes);

// Text as bytes in the given encoding, a byte order mark first for Utf8Bom.
QByteArray encodeContentText(QStringView text, TextEncoding encoding);

// Reads a whole content file through the content path resolver. Empty optional
// when the file cannot be read.
std::optional<QString> readTextFile(const QString &path);

// Text as a control shows it: CR LF and a lone CR become one line feed each.
QString withLineFeeds(QString text);

// Lines as phrase, order, date and button files see them: a line ends at CR LF,
// CR or LF; a final line break adds no empty line; empty text has no lines.
QStringList splitLines(const QString &text);

// Lines of a scenario: CR LF, LF and CR all end a line; the empty text gives no
// lines and a text that ends with a line break gives a last, empty line.
QStringList splitScenarioLines(const QString &text);

} // namespace stak
