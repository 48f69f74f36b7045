#include "core/screens.h"

#include <cmath>
#include <limits>

namespace stak {

namespace {
// Squared distance from a point to the nearest point of a rectangle.
qint64 distance2(const QRect &r, QPoint p)
{
    const qint64 dx = p.x() < r.left()    ? r.left() - p.x()
                      : p.x() > r.right() ? p.x() - r.right()
                                          : 0;
    const qint64 dy = p.y() < r.top()      ? r.top() - p.y()
                      : p.y() > r.bottom() ? p.y() - r.bottom()
                                           : 0;
    return dx * dx + dy * dy;
}

int placed(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength || start < areaStart)
        return areaStart;
    return std::min(start, areaStart + areaLength - length);
}
} // namespace

int ScreenAt(const QList<QRect> &screens, QPoint point)
{
    int best = -1;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int i = 0; i < screens.size(); ++i) {
        const qint64 d = distance2(screens[i], point);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

QPoint KeepInside(const QRect &outer, const QRect &area)
{
    return {placed(outer.x(), outer.width(), area.x(), area.width()),
            placed(outer.y(), outer.height(), area.y(), area.height())};
}

QPoint CentredOn(QSize outer, const QRect &area)
{
    const QPoint at(area.x() + (area.width() - outer.width()) / 2,
                    area.y() + (area.height() - outer.height()) / 2);
    return KeepInside(QRect(at, outer), area);
}

QPoint CentredOver(QSize outer, const QRect &opener, const QRect &screen)
{
    const QRect window(QPoint(0, 0), outer);
    return KeepInside(window.translated(opener.center() - window.center()), screen);
}

QPoint Beside(QSize outer, const QRect &other, const QRect &screen)
{
    QPoint at(other.right() + 1, other.top());
    if (at.x() + outer.width() > screen.x() + screen.width() &&
        other.left() - outer.width() >= screen.x())
        at.setX(other.left() - outer.width());
    return KeepInside(QRect(at, outer), screen);
}

QRect DesktopPictureCrop(QSize picture, const QList<QRect> &screens, const QRect &screen)
{
    QRect desktop;
    for (const QRect &s : screens)
        desktop = desktop.united(s);
    if (desktop.isEmpty() || picture.isEmpty())
        return {};
    const double sx = double(picture.width()) / desktop.width();
    const double sy = double(picture.height()) / desktop.height();
    const int left = int(std::lround((screen.x() - desktop.x()) * sx));
    const int top = int(std::lround((screen.y() - desktop.y()) * sy));
    const int right = int(std::lround((screen.x() + screen.width() - desktop.x()) * sx));
    const int bottom = int(std::lround((screen.y() + screen.height() - desktop.y()) * sy));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))
        .intersected(QRect(QPoint(0, 0), picture));
}

} // namespace stak
