#include "core/picture.h"

#include "core/contentpath.h"

#include <QImageReader>

namespace stak {

QImage loadPicture(const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    QImageReader reader(resolveContentPath(path));
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull())
        return {};
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace stak
