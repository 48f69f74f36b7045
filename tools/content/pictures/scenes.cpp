#include "scenes.h"

#include "figures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pics {

void wallpaper(QPainter &p, const QRectF &r, const QColor &base, const QColor &motif)
{
    p.save();
    p.setClipRect(r);
    p.fillRect(r, base);
    const double stripe = 22;
    for (double x = r.left(); x < r.right(); x += stripe * 2)
        p.fillRect(QRectF(x, r.top(), stripe, r.height()), darker(base, 0.05));
    p.setPen(Qt::NoPen);
    int row = 0;
    for (double y = r.top() + 10; y < r.bottom() + 10; y += 26, ++row) {
        for (double x = r.left() + (row % 2 ? stripe : 0) + stripe / 2; x < r.right() + 10;
             x += stripe * 2) {
            p.setBrush(motif);
            for (int k = 0; k < 4; ++k) {
                const double a = M_PI / 2 * k;
                p.drawEllipse(QPointF(x + 3 * std::cos(a), y + 3 * std::sin(a)), 2.2, 2.2);
            }
            p.setBrush(lighter(motif, 0.6));
            p.drawEllipse(QPointF(x, y), 1.4, 1.4);
        }
    }
    p.restore();
}

void oilcloth(QPainter &p, const QRectF &top, double frontDrop, const QColor &check, double vanishY,
              double cell)
{
    p.save();
    const double cx = top.center().x();
    const QColor white(250, 248, 240);
    const QColor half = mix(white, check, 0.45);
    const QColor full = check;
    const int rows = 7;
    auto rowY = [&](int i) {
        const double t = double(i) / rows;
        return top.top() + top.height() * std::pow(t, 1.35);
    };
    auto colX = [&](double xFront, double y) {
        return cx + (xFront - cx) * (y - vanishY) / (top.bottom() - vanishY);
    };
    p.setClipRect(top.adjusted(0, 0, 0, frontDrop));
    p.setPen(Qt::NoPen);
    const int colsHalf = int(top.width() / cell) + 8;
    for (int i = 0; i < rows; ++i) {
        const double y0 = rowY(i), y1 = rowY(i + 1);
        for (int j = -colsHalf; j < colsHalf; ++j) {
            const double x0 = cx + j * cell, x1 = cx + (j + 1) * cell;
            const bool hb = (i % 2) == 0;
            const bool vb = ((j % 2) + 2) % 2 == 0;
            const QColor c = hb && vb ? full : (hb || vb ? half : white);
            QPolygonF q({QPointF(colX(x0, y0), y0), QPointF(colX(x1, y0), y0),
                         QPointF(colX(x1, y1), y1), QPointF(colX(x0, y1), y1)});
            p.setBrush(c);
            p.drawPolygon(q);
        }
    }
    // lamp light falls on the middle of the table
    QRadialGradient shine(QPointF(cx, top.top() + top.height() * 0.4), top.width() * 0.6);
    shine.setColorAt(0, QColor(255, 250, 230, 50));
    shine.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(top, shine);
    if (frontDrop > 0) {
        // the cloth hangs over the edge with a wavy hem
        QPainterPath drop;
        drop.moveTo(top.left(), top.bottom());
        drop.lineTo(top.right(), top.bottom());
        drop.lineTo(top.right(), top.bottom() + frontDrop * 0.8);
        const int waves = int(top.width() / 24);
        for (int k = waves; k > 0; --k) {
            const double x0 = top.left() + top.width() * k / waves;
            const double x1 = top.left() + top.width() * (k - 1) / waves;
            drop.quadTo((x0 + x1) / 2, top.bottom() + frontDrop * 1.15, x1,
                        top.bottom() + frontDrop * 0.8);
        }
        drop.closeSubpath();
        p.save();
        p.setClipPath(drop);
        for (int j = -colsHalf; j < colsHalf; ++j) {
            const bool vb = ((j % 2) + 2) % 2 == 0;
            p.fillRect(QRectF(cx + j * cell, top.bottom(), cell, frontDrop * 1.2),
                       vb ? darker(half, 0.15) : darker(white, 0.12));
            if (vb)
                p.fillRect(
                    QRectF(cx + j * cell, top.bottom() + frontDrop * 0.35, cell, frontDrop * 0.3),
                    darker(full, 0.15));
            else
                p.fillRect(
                    QRectF(cx + j * cell, top.bottom() + frontDrop * 0.35, cell, frontDrop * 0.3),
                    darker(half, 0.15));
        }
        QLinearGradient sh(0, top.bottom(), 0, top.bottom() + frontDrop);
        sh.setColorAt(0, QColor(0, 0, 0, 30));
        sh.setColorAt(1, QColor(0, 0, 0, 90));
        p.fillRect(top.adjusted(0, top.height(), 0, frontDrop * 1.2), sh);
        p.restore();
        p.setPen(QPen(darker(full, 0.5), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(drop);
    }
    p.restore();
}

void kitchenWindow(QPainter &p, const QRectF &r, QRandomGenerator &rng, bool night)
{
    p.save();
    const QRectF glass = r.adjusted(7, 7, -7, -7);
    if (night) {
        nightSky(p, glass, rng, 40);
        moon(p, QPointF(glass.left() + glass.width() * 0.72, glass.top() + glass.height() * 0.25),
             glass.height() * 0.1);
    } else {
        QLinearGradient g(glass.topLeft(), glass.bottomLeft());
        g.setColorAt(0, QColor(130, 190, 240));
        g.setColorAt(0.7, QColor(250, 210, 170));
        g.setColorAt(1, QColor(255, 180, 130));
        p.fillRect(glass, g);
        QRadialGradient sun(QPointF(glass.left() + glass.width() * 0.3, glass.bottom() - 18), 40);
        sun.setColorAt(0, QColor(255, 250, 200));
        sun.setColorAt(0.3, QColor(255, 230, 120, 220));
        sun.setColorAt(1, QColor(255, 200, 120, 0));
        p.fillRect(glass, sun);
    }
    // the houses across the yard
    p.setClipRect(glass);
    double x = glass.left() - 5;
    const QColor house = night ? QColor(22, 26, 55) : QColor(120, 120, 150);
    while (x < glass.right()) {
        const double w = 22 + rng.bounded(20);
        const double hh = glass.height() * (0.2 + 0.25 * rng.generateDouble());
        const QRectF hr(x, glass.bottom() - hh, w, hh);
        p.fillRect(hr, house);
        for (double wy = hr.top() + 4; wy < hr.bottom() - 4; wy += 7)
            for (double wx = hr.left() + 3; wx < hr.right() - 4; wx += 6)
                if (rng.bounded(100) < (night ? 35 : 10))
                    p.fillRect(QRectF(wx, wy, 3, 4),
                               night ? QColor(255, 220, 120) : QColor(200, 220, 240));
        x += w + 2;
    }
    p.setClipping(false);
    // white painted frame with a fortochka
    QPainterPath frame;
    frame.addRect(r);
    QPainterPath hole;
    const double bar = 5;
    const double midX = glass.center().x();
    const double midY = glass.top() + glass.height() * 0.38;
    hole.addRect(QRectF(glass.left(), glass.top(), midX - bar / 2 - glass.left(),
                        midY - bar / 2 - glass.top()));
    hole.addRect(QRectF(midX + bar / 2, glass.top(), glass.right() - midX - bar / 2,
                        midY - bar / 2 - glass.top()));
    hole.addRect(QRectF(glass.left(), midY + bar / 2, midX - bar / 2 - glass.left(),
                        glass.bottom() - midY - bar / 2));
    hole.addRect(QRectF(midX + bar / 2, midY + bar / 2, glass.right() - midX - bar / 2,
                        glass.bottom() - midY - bar / 2));
    frame = frame.subtracted(hole);
    QLinearGradient fg(r.topLeft(), r.bottomRight());
    fg.setColorAt(0, QColor(250, 250, 245));
    fg.setColorAt(1, QColor(205, 205, 200));
    p.setPen(QPen(QColor(120, 115, 105), 1.2));
    p.setBrush(fg);
    p.drawPath(frame);
    // glare on the panes
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 35));
    QPolygonF glare(
        {QPointF(glass.left() + 6, glass.bottom()), QPointF(glass.left() + 26, glass.bottom()),
         QPointF(glass.left() + 56, glass.top()), QPointF(glass.left() + 36, glass.top())});
    p.drawPolygon(glare);
    // sill
    const QRectF sill(r.left() - 8, r.bottom() - 2, r.width() + 16, 8);
    QLinearGradient sg(sill.topLeft(), sill.bottomLeft());
    sg.setColorAt(0, QColor(255, 255, 250));
    sg.setColorAt(1, QColor(190, 190, 185));
    p.setBrush(sg);
    p.setPen(QPen(QColor(120, 115, 105), 1));
    p.drawRect(sill);
    p.restore();
}

namespace {

void curtain(QPainter &p, const QRectF &r, bool left, const QColor &c)
{
    p.save();
    QPainterPath path;
    const double tie = r.top() + r.height() * 0.62;
    if (left) {
        path.moveTo(r.topLeft());
        path.lineTo(r.topRight());
        path.cubicTo(r.right(), r.top() + r.height() * 0.35, r.left() + r.width() * 0.35, tie - 10,
                     r.left() + r.width() * 0.35, tie);
        path.cubicTo(r.left() + r.width() * 0.45, tie + 10, r.left() + r.width() * 0.7, r.bottom(),
                     r.left() + r.width() * 0.7, r.bottom());
        path.lineTo(r.bottomLeft());
    } else {
        path.moveTo(r.topRight());
        path.lineTo(r.topLeft());
        path.cubicTo(r.left(), r.top() + r.height() * 0.35, r.right() - r.width() * 0.35, tie - 10,
                     r.right() - r.width() * 0.35, tie);
        path.cubicTo(r.right() - r.width() * 0.45, tie + 10, r.right() - r.width() * 0.7,
                     r.bottom(), r.right() - r.width() * 0.7, r.bottom());
        path.lineTo(r.bottomRight());
    }
    path.closeSubpath();
    QLinearGradient g(r.topLeft(), r.topRight());
    for (int i = 0; i <= 8; ++i)
        g.setColorAt(i / 8.0, i % 2 ? darker(c, 0.25) : lighter(c, 0.15));
    p.setPen(QPen(darker(c, 0.5), 1.2));
    p.setBrush(g);
    p.drawPath(path);
    // polka dots
    p.save();
    p.setClipPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    for (double y = r.top() + 6; y < r.bottom(); y += 12)
        for (double x = r.left() + (int(y) % 24 < 12 ? 4 : 10); x < r.right(); x += 12)
            p.drawEllipse(QPointF(x, y), 1.6, 1.6);
    p.restore();
    // tie-back
    const double tx = left ? r.left() + r.width() * 0.38 : r.right() - r.width() * 0.38;
    p.setBrush(QColor(240, 200, 60));
    p.setPen(QPen(QColor(140, 100, 20), 1));
    p.drawRoundedRect(QRectF(tx - 7, tie - 3, 14, 6), 3, 3);
    p.restore();
}

void wallCalendar(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(r.translated(2, 3));
    p.setBrush(QColor(250, 248, 240));
    p.setPen(QPen(QColor(120, 110, 100), 1));
    p.drawRect(r);
    const QRectF head(r.left(), r.top(), r.width(), r.height() * 0.3);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(head);
    centredText(p, QStringLiteral("2003"), font(Face::Sans, head.height() * 0.62), head.center(),
                Qt::white);
    centredText(p, QStringLiteral("31"), font(Face::Serif, r.height() * 0.38),
                QPointF(r.center().x(), r.top() + r.height() * 0.58), QColor(200, 40, 40));
    centredText(p, QStringLiteral("декабря"), font(Face::Sans, r.height() * 0.11, false),
                QPointF(r.center().x(), r.top() + r.height() * 0.86), QColor(60, 60, 60));
    // nail and string
    p.setPen(QPen(QColor(90, 80, 70), 0.8));
    p.drawLine(QPointF(r.center().x(), r.top() - 8), QPointF(r.left() + 6, r.top()));
    p.drawLine(QPointF(r.center().x(), r.top() - 8), QPointF(r.right() - 6, r.top()));
    p.setBrush(QColor(90, 90, 90));
    p.drawEllipse(QPointF(r.center().x(), r.top() - 8), 1.8, 1.8);
    p.restore();
}

void pendantLamp(QPainter &p, QPointF bottom, double w)
{
    p.save();
    QRadialGradient glow(bottom + QPointF(0, w * 0.2), w * 2.2);
    glow.setColorAt(0, QColor(255, 235, 160, 110));
    glow.setColorAt(1, QColor(255, 235, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(bottom + QPointF(0, w * 0.2), w * 2.2, w * 2.2);
    p.setPen(QPen(QColor(50, 40, 30), 1.2));
    p.drawLine(QPointF(bottom.x(), -2), QPointF(bottom.x(), bottom.y() - w * 0.5));
    QPainterPath shade;
    shade.moveTo(bottom.x() - w * 0.15, bottom.y() - w * 0.5);
    shade.lineTo(bottom.x() + w * 0.15, bottom.y() - w * 0.5);
    shade.cubicTo(bottom.x() + w * 0.3, bottom.y() - w * 0.4, bottom.x() + w * 0.5,
                  bottom.y() - w * 0.15, bottom.x() + w * 0.55, bottom.y());
    shade.lineTo(bottom.x() - w * 0.55, bottom.y());
    shade.cubicTo(bottom.x() - w * 0.5, bottom.y() - w * 0.15, bottom.x() - w * 0.3,
                  bottom.y() - w * 0.4, bottom.x() - w * 0.15, bottom.y() - w * 0.5);
    QLinearGradient g(bottom.x() - w * 0.55, 0, bottom.x() + w * 0.55, 0);
    g.setColorAt(0, QColor(170, 60, 20));
    g.setColorAt(0.35, QColor(250, 140, 60));
    g.setColorAt(1, QColor(150, 50, 15));
    p.setBrush(g);
    p.setPen(QPen(QColor(90, 30, 10), 1.2));
    p.drawPath(shade);
    p.setBrush(QColor(255, 250, 210));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(bottom.x(), bottom.y() + 1), w * 0.18, w * 0.1);
    p.restore();
}

// --- alk1.bmp: the companion himself in his kitchen -------------------------------------------

void drawAlk1(QPainter &p, QRandomGenerator &rng)
{
    const QRectF all(0, 0, 433, 225);
    wallpaper(p, all, QColor(240, 214, 160), QColor(205, 120, 90, 170));
    // warm light from the lamp over the table
    QRadialGradient warm(QPointF(200, 40), 260);
    warm.setColorAt(0, QColor(255, 240, 200, 60));
    warm.setColorAt(1, QColor(60, 30, 0, 70));
    p.fillRect(all, warm);

    const QRectF win(292, 14, 118, 112);
    kitchenWindow(p, win, rng);
    curtain(p, QRectF(276, 6, 40, 132), true, QColor(210, 70, 50));
    curtain(p, QRectF(386, 6, 40, 132), false, QColor(210, 70, 50));
    p.fillRect(QRectF(268, 3, 164, 5), QColor(120, 80, 40));
    // a cactus on the sill
    {
        const QPointF pot(395, 126);
        p.setPen(QPen(QColor(30, 80, 30), 1));
        QLinearGradient cg(pot.x() - 5, 0, pot.x() + 5, 0);
        cg.setColorAt(0, QColor(60, 140, 60));
        cg.setColorAt(1, QColor(30, 90, 30));
        p.setBrush(cg);
        p.drawRoundedRect(QRectF(pot.x() - 4, pot.y() - 24, 8, 20), 4, 4);
        p.drawRoundedRect(QRectF(pot.x() - 10, pot.y() - 18, 5, 9), 2.5, 2.5);
        p.setPen(QPen(QColor(120, 50, 20), 1));
        p.setBrush(QColor(190, 90, 40));
        QPolygonF potShape({QPointF(pot.x() - 7, pot.y() - 8), QPointF(pot.x() + 7, pot.y() - 8),
                            QPointF(pot.x() + 5, pot.y() + 2), QPointF(pot.x() - 5, pot.y() + 2)});
        p.drawPolygon(potShape);
    }

    wallCalendar(p, QRectF(18, 22, 44, 54));
    pendantLamp(p, QPointF(226, 24), 40);

    oilcloth(p, QRectF(0, 150, 433, 62), 14, QColor(205, 45, 45), -420, 26);

    // vodka bottle on the left
    BottleLook bl;
    bl.fill = 0.75;
    bottle(p, QPointF(72, 196), 158, bl);

    // bread on the cloth
    bread(p, QPointF(128, 196), 26, -12);
    bread(p, QPointF(146, 199), 26, 8);

    // plate of pickles on the right
    plate(p, QPointF(352, 193), 56, 16);
    QRandomGenerator prng(7);
    pickle(p, QPointF(336, 190), 44, 14, -8, prng);
    pickle(p, QPointF(365, 193), 46, 15, 10, prng);
    pickle(p, QPointF(350, 184), 40, 13, 3, prng);
    dill(p, QPointF(384, 188), 22, 70);

    // the fork with a pickle the buddy is holding up
    fork(p, QPointF(302, 52), 84, 14);
    pickle(p, QPointF(298, 62), 34, 16, -25, prng);

    GlassLook gl;
    gl.fill = 0.5;
    gl.expr.mouth = Mouth::Open;
    gl.expr.look = QPointF(0.3, -0.2);
    gl.arms.left = QPointF(-0.68, -0.32);
    gl.arms.leftHandUp = true;
    gl.arms.right = QPointF(0.55, 0.02);
    gl.arms.rightHandUp = true;
    glassBuddy(p, QPointF(214, 204), 132, gl);

    speechBubble(p, QRectF(96, 10, 86, 28), QPointF(170, 66), QStringLiteral("Ну, будем!"),
                 font(Face::Sans, 13));
}

// --- logo.bmp ------------------------------------------------------------------------------------

void drawLogo(QPainter &p, QRandomGenerator &rng)
{
    const QRectF all(0, 0, 300, 170);
    rays(p, all, QPointF(230, 120), 22, QColor(255, 196, 40), QColor(255, 222, 90), 0.1);
    QRadialGradient glow(QPointF(230, 120), 200);
    glow.setColorAt(0, QColor(255, 255, 220, 120));
    glow.setColorAt(1, QColor(230, 90, 20, 90));
    p.fillRect(all, glow);
    confetti(p, all, 40, rng);

    GlassLook gl;
    gl.solidGlass = true;
    gl.fill = 0.55;
    gl.expr.mouth = Mouth::Grin;
    gl.expr.winkLeft = true;
    gl.arms.left = QPointF(-0.62, -0.42);
    gl.arms.leftHandUp = true;
    gl.arms.right = QPointF(0.56, -0.42);
    gl.arms.rightHandUp = true;
    glassBuddy(p, QPointF(246, 158), 84, gl);

    QFont big = font(Face::Serif, 34, true, true);
    QLinearGradient fill(0, 20, 0, 70);
    fill.setColorAt(0, QColor(255, 90, 70));
    fill.setColorAt(0.5, QColor(210, 20, 30));
    fill.setColorAt(1, QColor(140, 0, 20));
    // the title word, slightly tilted like a sign
    p.save();
    p.translate(118, 50);
    p.rotate(-6);
    outlinedText(p, QStringLiteral("Стаканыч"), big, QPointF(0, 0), QColor(255, 255, 255),
                 QColor(255, 255, 255), 5, QPointF(3, 4), QColor(90, 40, 0, 120));
    outlinedText(p, QStringLiteral("Стаканыч"), big, QPointF(0, 0), fill, QColor(60, 10, 10), 1.6,
                 QPointF(0, 0), QColor(0, 0, 0, 0));
    // shine across the letters
    p.setClipPath(textPath(QStringLiteral("Стаканыч"), big, QPointF(0, 0)));
    p.fillRect(QRectF(-150, -30, 300, 14), QColor(255, 255, 255, 80));
    p.restore();

    // the year on a ribbon
    p.save();
    p.translate(96, 110);
    p.rotate(-6);
    QPainterPath ribbon;
    ribbon.moveTo(-70, -16);
    ribbon.quadTo(0, -24, 70, -16);
    ribbon.lineTo(82, 2);
    ribbon.lineTo(70, 18);
    ribbon.quadTo(0, 10, -70, 18);
    ribbon.lineTo(-82, 2);
    ribbon.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(ribbon.translated(3, 4));
    QLinearGradient rg(0, -20, 0, 18);
    rg.setColorAt(0, QColor(70, 130, 220));
    rg.setColorAt(1, QColor(20, 60, 150));
    p.setPen(QPen(QColor(10, 30, 80), 2));
    p.setBrush(rg);
    p.drawPath(ribbon);
    outlinedText(p, QStringLiteral("2003"), font(Face::Sans, 25), QPointF(0, -2),
                 QColor(255, 230, 80), QColor(10, 30, 80), 1.8, QPointF(1, 2), QColor(0, 0, 0, 80));
    p.restore();
    centredText(p, QStringLiteral("твой друг за столом"), font(Face::Sans, 12, true, true),
                QPointF(94, 148), QColor(120, 40, 10));
}

// --- texture.bmp: red checked oilcloth, tileable -------------------------------------------------

void drawTexture(QPainter &p, QRandomGenerator &rng)
{
    const int size = 64;
    const int cell = 16;
    const QColor white(250, 247, 238);
    const QColor check(206, 48, 48);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < size; y += cell)
        for (int x = 0; x < size; x += cell) {
            const bool hb = (y / cell) % 2 == 0;
            const bool vb = (x / cell) % 2 == 0;
            const QColor c = hb && vb ? check : (hb || vb ? mix(white, check, 0.45) : white);
            p.fillRect(QRect(x, y, cell, cell), c);
        }
    // woven threads and a little plastic sheen, pixel by pixel so the tile stays seamless
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int n = rng.bounded(14) - 7 + (((x + y) % 4 == 0) ? -6 : 0);
            QColor c = n >= 0 ? QColor(255, 255, 255, n * 5) : QColor(0, 0, 0, -n * 4);
            p.fillRect(QRect(x, y, 1, 1), c);
        }
    // small white flowers in the plain cells, centred so they never cross the tile edge
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (int y = 0; y < size; y += cell)
        for (int x = 0; x < size; x += cell) {
            const bool hb = (y / cell) % 2 == 0;
            const bool vb = (x / cell) % 2 == 0;
            if (!(hb && vb))
                continue;
            const QPointF c(x + cell / 2.0, y + cell / 2.0);
            p.setBrush(QColor(255, 250, 240, 230));
            for (int k = 0; k < 4; ++k) {
                const double a = M_PI / 2 * k + M_PI / 4;
                p.drawEllipse(c + QPointF(2.6 * std::cos(a), 2.6 * std::sin(a)), 1.9, 1.9);
            }
            p.setBrush(QColor(250, 210, 60));
            p.drawEllipse(c, 1.4, 1.4);
        }
}

} // namespace

void addMainPicturesPart2(QList<Picture> &list);

void addMainPictures(QList<Picture> &list)
{
    list.append({QStringLiteral("alk1.bmp"), 433, 225, drawAlk1});
    list.append({QStringLiteral("logo.bmp"), 300, 170, drawLogo});
    list.append({QStringLiteral("texture.bmp"), 64, 64, drawTexture});
    addMainPicturesPart2(list);
}

} // namespace pics
