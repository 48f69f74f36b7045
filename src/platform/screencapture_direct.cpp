#include "platform/screencapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace stak {

QImage DirectScreenCapture::capture()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->grabWindow(0).toImage();
    return {};
}

} // namespace stak
