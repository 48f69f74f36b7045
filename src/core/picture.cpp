#include "core/picture.h"

#include "core/contentfile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace stak {

namespace {
// Room for a picture of 8 million pixels at four bytes each: far more than a
// screen, and a few bytes of GIF that declare a huge picture are refused
// before the decoder spends seconds on it.
constexpr int kPictureAllocationMb = 32;
} // namespace

QImage decodePicture(const QByteArray &bytes)
{
    QImageReader::setAllocationLimit(kPictureAllocationMb);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    if (img.isNull())
        return {};
    // Transparent parts (a cut-out sticker) stay transparent when painted.
    return img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                     : QImage::Format_RGB32);
}

QImage loadPicture(const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    const auto bytes = readContentFile(path, ContentKind::Picture);
    return bytes ? decodePicture(*bytes) : QImage();
}

bool isUsableScreenCopy(const QImage &shot)
{
    if (shot.isNull())
        return false;
    const QImage rgb = shot.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (qRed(line[x]) | qGreen(line[x]) | qBlue(line[x]))
                return true;
    }
    return false;
}

} // namespace stak
