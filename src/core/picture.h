#pragma once

#include <QImage>
#include <QString>

namespace stak {

// Loads a picture file (BMP, JPEG, GIF, decided by content, not by name)
// through the content path resolver, as Format_RGB32; a null image when it
// cannot.
QImage loadPicture(const QString &path);

} // namespace stak
