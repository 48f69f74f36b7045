#pragma once

#include <QByteArray>
#include <QString>

namespace stak {

// The Windows Cyrillic code page, from our own table: content and configuration
// files are written in it.
QString decodeCp1251(QByteArrayView bytes);
// Characters without a place in the code page become '?'.
QByteArray encodeCp1251(QStringView text);

} // namespace stak
