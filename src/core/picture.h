#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace stak {

// A BMP, JPEG or GIF picture (told by content, not by name); a null image
// when the bytes are not one or it would be too large to hold. A picture with
// transparent parts keeps them.
QImage decodePicture(const QByteArray &bytes);

// Loads a picture file (BMP, JPEG, GIF, PNG, decided by content, not by name)
// through the content path resolver; a null image when it cannot. A picture
// with transparent parts keeps them.
QImage loadPicture(const QString &path);

// Whether a capture of the screen holds a picture of the desktop where a
// refused capture comes back black: a null image or one of nothing but black
// is what it gives.
bool isUsableScreenCopy(const QImage &shot);

} // namespace stak
