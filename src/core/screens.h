#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace stak {

// Where windows go on a desktop of several screens. Screens are given by their
// areas in logical pixels on the virtual desktop, in any order; they may lie
// side by side, above one another or with gaps between them.

// The screen a point is on: the one holding it, else the nearest one; -1 when
// there are no screens.
int ScreenAt(const QList<QRect> &screens, QPoint point);

// A window's outer rectangle moved, not resized, as little as it takes to lie
// inside the area; a window larger than the area keeps its top-left corner in
// it.
QPoint KeepInside(const QRect &outer, const QRect &area);

// A window of this outer size centred on the area.
QPoint CentredOn(QSize outer, const QRect &area);

// A window centred over another (its opener), kept inside the opener's screen.
QPoint CentredOver(QSize outer, const QRect &opener, const QRect &screen);

// Beside another window on its screen: to its right, else to its left, top
// edges level, kept inside the screen.
QPoint Beside(QSize outer, const QRect &other, const QRect &screen);

// The part of a picture of the whole desktop that shows one screen. The
// picture covers the bounding rectangle of all screens at some scale (a
// desktop portal hands it over in device pixels); the part is that screen's
// area at the same scale, within the picture.
QRect DesktopPictureCrop(QSize picture, const QList<QRect> &screens, const QRect &screen);

} // namespace stak
