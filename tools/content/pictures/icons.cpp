// The icon: the faceted glass buddy on a round amber badge. Drawn on a
// 256-unit square and scaled; small sizes drop the facets and the face and
// thicken the lines so that the glass still reads at 16 pixels.
#include "scenes.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace pics {

namespace {

const QColor kInk(38, 58, 82);

void drawIcon(QPainter &p, int size)
{
    const bool tiny = size <= 24, small = size <= 32;
    const double line = tiny ? 16 : small ? 11 : 7;
    p.scale(size / 256.0, size / 256.0);

    // The badge.
    QRadialGradient badge(QPointF(100, 84), 190);
    badge.setColorAt(0, QColor(255, 214, 110));
    badge.setColorAt(0.6, QColor(240, 150, 50));
    badge.setColorAt(1, QColor(196, 78, 30));
    p.setPen(QPen(QColor(122, 44, 18), line));
    p.setBrush(badge);
    const double r = 128 - line / 2 - (tiny ? 0 : 2);
    p.drawEllipse(QPointF(128, 128), r, r);

    // The glass: a cone wider at the top, the smooth rim band above the
    // facets, a thick bottom.
    const double top = tiny ? 34 : 40, bottom = tiny ? 222 : 216;
    const double halfTop = tiny ? 70 : 62, halfBottom = tiny ? 54 : 48;
    auto half = [&](double y) {
        return halfTop + (halfBottom - halfTop) * (y - top) / (bottom - top);
    };
    QPolygonF glass{{128 - halfTop, top},
                    {128 + halfTop, top},
                    {128 + halfBottom, bottom},
                    {128 - halfBottom, bottom}};
    QLinearGradient body(128 - halfTop, 0, 128 + halfTop, 0);
    body.setColorAt(0, QColor(170, 200, 216));
    body.setColorAt(0.25, QColor(244, 251, 255));
    body.setColorAt(0.6, QColor(214, 234, 244));
    body.setColorAt(1, QColor(160, 192, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPolygon(glass);

    // The drink, two thirds up.
    const double level = tiny ? 100 : 106, floor = bottom - (tiny ? 22 : 20);
    QPolygonF drink{{128 - half(level) + line / 2, level},
                    {128 + half(level) - line / 2, level},
                    {128 + half(floor) - line / 2, floor},
                    {128 - half(floor) + line / 2, floor}};
    QLinearGradient liquid(0, level, 0, floor);
    liquid.setColorAt(0, QColor(196, 228, 246));
    liquid.setColorAt(1, QColor(140, 190, 222));
    p.setBrush(liquid);
    p.drawPolygon(drink);

    // The thick glass bottom.
    p.setBrush(QColor(150, 186, 206));
    p.drawPolygon(QPolygonF{{128 - half(floor), floor},
                            {128 + half(floor), floor},
                            {128 + halfBottom, bottom},
                            {128 - halfBottom, bottom}});

    const double band = top + (tiny ? 30 : 34);
    QPen facet(kInk, line * 0.55);
    facet.setCapStyle(Qt::FlatCap);
    p.setPen(facet);
    p.drawLine(QPointF(128 - half(band), band), QPointF(128 + half(band), band));
    if (!tiny) {
        // Facets: faint lines from the band to the bottom, spread like the
        // sides, behind the face.
        QColor faint = kInk;
        faint.setAlpha(small ? 150 : 90);
        facet.setColor(faint);
        p.setPen(facet);
        for (const double t : {-0.62, -0.2, 0.2, 0.62})
            p.drawLine(QPointF(128 + t * half(band), band), QPointF(128 + t * half(floor), floor));
    }

    // A highlight down the left side.
    p.setPen(
        QPen(QColor(255, 255, 255, 210), line * (tiny ? 0.7 : 1.2), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128 - half(band + 12) + line * 1.6, band + 12),
               QPointF(128 - half(floor - 12) + line * 1.6, floor - 12));

    p.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(glass);

    if (small)
        return;
    // The face on the drink: eyes, a grin and rosy cheeks.
    const double eyeY = 140;
    for (const double dx : {-24.0, 24.0}) {
        p.setPen(QPen(kInk, 4));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(128 + dx, eyeY), 12, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(128 + dx + 3, eyeY + 3), 6, 7);
        p.setBrush(QColor(236, 110, 120, 150));
        p.drawEllipse(QPointF(128 + dx * 1.75, eyeY + 26), 11, 7);
    }
    QPainterPath grin;
    grin.moveTo(104, 166);
    grin.quadTo(128, 192, 152, 166);
    grin.quadTo(128, 178, 104, 166);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(150, 40, 50));
    p.drawPath(grin);
}

} // namespace

bool writeIcons(const QString &themeDir)
{
    bool ok = true;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        {
            QPainter p(&icon);
            p.setRenderHint(QPainter::Antialiasing);
            drawIcon(p, size);
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
        const QString file = folder + QStringLiteral("/stakanych.png");
        if (QDir().mkpath(folder) &&
            icon.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
            std::printf("%s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok;
}

} // namespace pics
