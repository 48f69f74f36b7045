#include "platform/screencapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace stak {

QImage DirectScreenCapture::capture(const QRect &screen, const QList<QRect> &)
{
    if (QScreen *s = QGuiApplication::screenAt(screen.center()))
        return s->grabWindow(0).toImage();
    return {};
}

} // namespace stak
