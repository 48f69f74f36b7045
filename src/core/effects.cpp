#include "core/effects.h"

#include "core/random.h"

#include <QPainter>

namespace stak {

void SmearPixels(qint64 n, QImage &surface, int w, int h, RandomSource &random)
{
    if (n <= 0 || surface.isNull())
        return;
    const int width = surface.width();
    const int height = surface.height();
    // One detach, then plain pointer arithmetic: this loop runs tens of
    // thousands of times for a frolic.
    QRgb *const bits = reinterpret_cast<QRgb *>(surface.bits());
    const qsizetype stride = surface.bytesPerLine() / qsizetype(sizeof(QRgb));
    // The eight neighbours in their order, as steps in x and y and as offsets
    // into the buffer.
    static constexpr int kDx[8] = {-1, -1, -1, 1, 1, 1, 0, 0};
    static constexpr int kDy[8] = {-1, 0, 1, -1, 0, 1, 1, -1};
    qsizetype offset[8];
    for (int i = 0; i < 8; ++i)
        offset[i] = kDy[i] * stride + kDx[i];
    for (qint64 step = 0; step < n; ++step) {
        const int x = drawWhole(random.next(), w);
        const int y = drawWhole(random.next(), h);
        if (x < 0 || y < 0 || x >= width || y >= height)
            continue;
        QRgb *const centre = bits + y * stride + x;
        const QRgb c = *centre;
        if (x >= 1 && y >= 1 && x + 1 < width && y + 1 < height) {
            for (const qsizetype o : offset)
                centre[o] = c;
            continue;
        }
        for (int i = 0; i < 8; ++i) {
            const int px = x + kDx[i];
            const int py = y + kDy[i];
            if (px >= 0 && py >= 0 && px < width && py < height)
                centre[offset[i]] = c;
        }
    }
}

void DoubleImage(QImage &surface)
{
    const int rows = qMin(surface.height(), 225);
    QRgb half[216];
    for (int y = 0; y < rows; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(surface.scanLine(y));
        const int width = surface.width();
        for (int x = 0; x < 216; ++x)
            half[x] = 2 * x < width ? line[2 * x] : 0;
        for (int x = 0; x < 216; ++x) {
            if (x < width)
                line[x] = half[x];
            if (x + 216 < width)
                line[x + 216] = half[x];
        }
    }
}

QImage FrolicPicture(const QImage &shot, QSize screen, qint64 n, RandomSource &random)
{
    const qreal ratio = shot.devicePixelRatio();
    QImage image((QSizeF(screen) * ratio).toSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QImage pixels = shot; // drawn pixel for pixel
    pixels.setDevicePixelRatio(1);
    QPainter(&image).drawImage(0, 0, pixels);
    image.setDevicePixelRatio(ratio);
    SmearPixels(n, image, image.width() - 1, image.height() - 1, random);
    return image;
}

} // namespace stak
