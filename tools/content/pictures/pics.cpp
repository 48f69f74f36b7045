#include "scenes.h"

#include "figures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pics {

namespace {

const QRectF kPanel(0, 0, 433, 225);

QPen roundPen(const QColor &c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void verticalGradient(QPainter &p, const QRectF &r,
                      std::initializer_list<std::pair<double, QColor>> stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    for (const auto &s : stops)
        g.setColorAt(s.first, s.second);
    p.fillRect(r, g);
}

void vignette(QPainter &p, const QRectF &r, int alpha)
{
    QRadialGradient v(r.center(), std::hypot(r.width(), r.height()) * 0.55);
    v.setColorAt(0.55, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, alpha));
    p.fillRect(r, v);
}

void balloon(QPainter &p, QPointF c, double r, const QColor &col, double stringLen)
{
    p.save();
    QPainterPath s;
    s.moveTo(c + QPointF(0, r * 1.15));
    s.cubicTo(c + QPointF(-r * 0.4, r * 1.15 + stringLen * 0.3),
              c + QPointF(r * 0.4, r * 1.15 + stringLen * 0.6),
              c + QPointF(0, r * 1.15 + stringLen));
    p.setPen(QPen(QColor(240, 240, 240, 200), 1));
    p.drawPath(s);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
    g.setColorAt(0, lighter(col, 0.6));
    g.setColorAt(0.4, col);
    g.setColorAt(1, darker(col, 0.45));
    p.setPen(roundPen(darker(col, 0.6), 1.2));
    p.setBrush(g);
    p.drawEllipse(c, r * 0.88, r * 1.08);
    QPolygonF knot({c + QPointF(0, r * 1.05), c + QPointF(-r * 0.15, r * 1.22),
                    c + QPointF(r * 0.15, r * 1.22)});
    p.drawPolygon(knot);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.45), r * 0.16, r * 0.26);
    p.restore();
}

void partyHat(QPainter &p, QPointF base, double w, double h, double angle)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath hat;
    hat.moveTo(-w / 2, 0);
    hat.lineTo(0, -h);
    hat.lineTo(w / 2, 0);
    hat.quadTo(0, h * 0.12, -w / 2, 0);
    QLinearGradient g(-w / 2, 0, w / 2, 0);
    g.setColorAt(0, QColor(60, 120, 220));
    g.setColorAt(0.4, QColor(120, 180, 255));
    g.setColorAt(1, QColor(40, 80, 180));
    p.setPen(roundPen(QColor(20, 40, 100), 1.5));
    p.setBrush(g);
    p.drawPath(hat);
    p.save();
    p.setClipPath(hat);
    p.setPen(QPen(QColor(255, 220, 60), w * 0.12));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(-w, -h * i / 4.0 + w * 0.3), QPointF(w, -h * i / 4.0 - w * 0.3));
    p.restore();
    p.setPen(roundPen(darker(QColor(255, 80, 120), 0.4), 1));
    p.setBrush(QColor(255, 80, 120));
    p.drawEllipse(QPointF(0, -h), w * 0.16, w * 0.16);
    p.restore();
}

void notes(QPainter &p, QRandomGenerator &rng, const QRectF &r, int count)
{
    static const QString glyphs[] = {QStringLiteral("♪"), QStringLiteral("♫"), QStringLiteral("♬"),
                                     QStringLiteral("♩")};
    static const QColor colours[] = {QColor(255, 230, 90), QColor(255, 130, 160),
                                     QColor(130, 220, 255), QColor(180, 255, 150)};
    for (int i = 0; i < count; ++i) {
        const QPointF c(r.left() + rng.generateDouble() * r.width(),
                        r.top() + rng.generateDouble() * r.height());
        p.save();
        p.translate(c);
        p.rotate(rng.bounded(40) - 20);
        outlinedText(p, glyphs[rng.bounded(4)], font(Face::Sans, 20 + rng.bounded(16)),
                     QPointF(0, 0), colours[rng.bounded(4)], QColor(40, 20, 50), 1.5, QPointF(1, 2),
                     QColor(0, 0, 0, 80));
        p.restore();
    }
}

// --- stol.bmp: the laid table --------------------------------------------------------------------

void salad(QPainter &p, QPointF base, double w, QRandomGenerator &rng)
{
    p.save();
    const double h = w * 0.42;
    groundShadow(p, base + QPointF(4, 0), w * 0.55, w * 0.08, 100);
    // the mound of salad
    QPainterPath mound;
    mound.moveTo(base.x() - w * 0.48, base.y() - h);
    mound.cubicTo(base.x() - w * 0.4, base.y() - h * 2, base.x() + w * 0.4, base.y() - h * 2,
                  base.x() + w * 0.48, base.y() - h);
    mound.closeSubpath();
    QRadialGradient mg(base + QPointF(-w * 0.1, -h * 1.7), w * 0.6);
    mg.setColorAt(0, QColor(255, 245, 200));
    mg.setColorAt(1, QColor(225, 200, 130));
    p.setPen(roundPen(QColor(150, 120, 60), 1.2));
    p.setBrush(mg);
    p.drawPath(mound);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const double u = rng.generateDouble() * 2 - 1;
        const double top = base.y() - h - (1 - u * u) * h * 0.72;
        const QPointF pt(base.x() + u * w * 0.4, top + rng.generateDouble() * (base.y() - h - top));
        const int kind = rng.bounded(3);
        p.setBrush(kind == 0   ? QColor(90, 170, 60)
                   : kind == 1 ? QColor(240, 140, 60)
                               : QColor(230, 90, 80));
        p.drawEllipse(pt, 2.3, 2.1);
    }
    dill(p, QPointF(base.x() + 4, base.y() - h * 1.65), 14, -30);
    // cut-glass bowl
    QPainterPath bowl;
    bowl.moveTo(base.x() - w / 2, base.y() - h);
    bowl.lineTo(base.x() + w / 2, base.y() - h);
    bowl.quadTo(base.x() + w * 0.45, base.y() - h * 0.2, base.x() + w * 0.2, base.y() - h * 0.12);
    bowl.lineTo(base.x() + w * 0.22, base.y());
    bowl.lineTo(base.x() - w * 0.22, base.y());
    bowl.lineTo(base.x() - w * 0.2, base.y() - h * 0.12);
    bowl.quadTo(base.x() - w * 0.45, base.y() - h * 0.2, base.x() - w / 2, base.y() - h);
    QLinearGradient bg(base.x() - w / 2, 0, base.x() + w / 2, 0);
    bg.setColorAt(0, QColor(150, 190, 210, 230));
    bg.setColorAt(0.3, QColor(240, 250, 255, 230));
    bg.setColorAt(1, QColor(140, 180, 200, 230));
    p.setBrush(bg);
    p.setPen(roundPen(QColor(50, 80, 100), 1.5));
    p.drawPath(bowl);
    p.save();
    p.setClipPath(bowl);
    p.setPen(QPen(QColor(70, 110, 130, 120), 1));
    for (double x = base.x() - w; x < base.x() + w; x += w * 0.12) {
        p.drawLine(QPointF(x, base.y() - h), QPointF(x + h, base.y()));
        p.drawLine(QPointF(x, base.y() - h), QPointF(x - h, base.y()));
    }
    p.restore();
    p.setPen(roundPen(QColor(50, 80, 100), 1.5));
    p.setBrush(QColor(235, 245, 250, 200));
    p.drawEllipse(QPointF(base.x(), base.y() - h), w / 2, h * 0.12);
    p.restore();
}

void sausagePlate(QPainter &p, QPointF c, double rx, QRandomGenerator &rng)
{
    plate(p, c, rx, rx * 0.3);
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI * 2 * i / 7;
        const QPointF pt = c + QPointF(std::cos(a) * rx * 0.42, std::sin(a) * rx * 0.12 - 2);
        p.setPen(QPen(QColor(140, 50, 50), 1));
        p.setBrush(QColor(215, 110, 110));
        p.drawEllipse(pt, rx * 0.22, rx * 0.08);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 235, 225));
        for (int k = 0; k < 4; ++k)
            p.drawEllipse(pt + QPointF((rng.generateDouble() - 0.5) * rx * 0.28,
                                       (rng.generateDouble() - 0.5) * rx * 0.08),
                          1.2, 0.8);
    }
}

void mandarin(QPainter &p, QPointF c, double r)
{
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.35), r * 1.3);
    g.setColorAt(0, QColor(255, 200, 80));
    g.setColorAt(0.6, QColor(250, 140, 20));
    g.setColorAt(1, QColor(200, 90, 10));
    p.setPen(roundPen(QColor(150, 60, 0), 1));
    p.setBrush(g);
    p.drawEllipse(c, r, r * 0.88);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 130, 40));
    p.drawEllipse(c + QPointF(r * 0.1, -r * 0.8), r * 0.3, r * 0.13);
}

void drawStol(QPainter &p, QRandomGenerator &rng)
{
    wallpaper(p, kPanel, QColor(110, 160, 150), QColor(240, 230, 170, 150));
    // paper flag garland
    static const QColor flags[] = {QColor(230, 60, 60), QColor(250, 200, 40), QColor(60, 150, 230),
                                   QColor(90, 190, 90)};
    QPainterPath rope;
    rope.moveTo(-5, 8);
    rope.quadTo(216, 60, 438, 8);
    p.setPen(QPen(QColor(60, 40, 30), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rope);
    for (int i = 0; i < 17; ++i) {
        const double t = (i + 0.5) / 17;
        const QPointF a = rope.pointAtPercent(t);
        const QPointF b = rope.pointAtPercent(qMin(1.0, t + 0.04));
        const QPointF dir = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const QPointF down(-dir.y(), dir.x());
        QPolygonF f({a, a + dir * 16, a + dir * 8 + down * 18});
        p.setPen(QPen(darker(flags[i % 4], 0.4), 1));
        p.setBrush(flags[i % 4]);
        p.drawPolygon(f);
    }
    outlinedText(p, QStringLiteral("С праздником!"), font(Face::Serif, 24, true, true),
                 QPointF(216, 66), QColor(255, 235, 120), QColor(120, 30, 20), 2.2);

    // white tablecloth with a lace hem
    const QRectF top(0, 128, 433, 80);
    verticalGradient(p, top, {{0, QColor(225, 228, 235)}, {1, QColor(252, 252, 255)}});
    QPainterPath hem;
    hem.moveTo(0, 208);
    for (double x = 0; x < 433; x += 14)
        hem.quadTo(x + 7, 220, x + 14, 208);
    hem.lineTo(433, 225);
    hem.lineTo(0, 225);
    hem.closeSubpath();
    p.fillRect(QRectF(0, 208, 433, 17), QColor(90, 60, 40));
    p.setPen(QPen(QColor(190, 190, 200), 1));
    p.setBrush(QColor(245, 245, 250));
    QPainterPath lace;
    lace.moveTo(0, 206);
    for (double x = 0; x < 440; x += 14)
        lace.quadTo(x + 7, 222, x + 14, 206);
    lace.lineTo(440, 200);
    lace.lineTo(0, 200);
    lace.closeSubpath();
    p.drawPath(lace);
    p.setBrush(QColor(200, 200, 210));
    p.setPen(Qt::NoPen);
    for (double x = 7; x < 433; x += 14)
        p.drawEllipse(QPointF(x, 211), 2, 2);
    p.setPen(QPen(QColor(170, 170, 185), 1));
    p.drawLine(QPointF(0, 128), QPointF(433, 128));

    sausagePlate(p, QPointF(72, 160), 50, rng);
    plate(p, QPointF(352, 166), 52, 15);
    QRandomGenerator prng(21);
    pickle(p, QPointF(338, 162), 40, 13, -10, prng);
    pickle(p, QPointF(366, 165), 42, 14, 12, prng);
    pickle(p, QPointF(350, 156), 36, 12, 4, prng);
    bread(p, QPointF(130, 192), 26, -10);
    bread(p, QPointF(150, 195), 26, 12);
    mandarin(p, QPointF(290, 196), 11);
    mandarin(p, QPointF(308, 199), 11);
    mandarin(p, QPointF(299, 186), 10);

    BottleLook bl;
    bottle(p, QPointF(216, 180), 96, bl);
    salad(p, QPointF(140, 170), 70, rng);
    shotGlass(p, QPointF(262, 184), 36, 0.7);
    shotGlass(p, QPointF(180, 196), 36, 0.7);
    GlassLook gl;
    gl.fill = 0.6;
    gl.expr.mouth = Mouth::Grin;
    gl.expr.look = QPointF(-0.6, 0);
    gl.arms.left = QPointF(-0.7, -0.5);
    gl.arms.leftHandUp = true;
    gl.arms.right = QPointF(0.5, -0.6);
    gl.arms.rightHandUp = true;
    glassBuddy(p, QPointF(392, 214), 66, gl);
}

// --- butylka.bmp ---------------------------------------------------------------------------------

void drawButylka(QPainter &p, QRandomGenerator &rng)
{
    rays(p, kPanel, QPointF(216, 120), 24, QColor(60, 110, 200), QColor(80, 140, 225));
    vignette(p, kPanel, 120);
    // bubbles of hiccup
    for (int i = 0; i < 14; ++i) {
        const QPointF c(40 + rng.generateDouble() * 360, 20 + rng.generateDouble() * 170);
        if (std::abs(c.x() - 216) < 70)
            continue;
        const double r = 3 + rng.generateDouble() * 9;
        p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 180));
        p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.35), r * 0.22, r * 0.22);
    }
    const QColor ink(35, 55, 70);
    // arms behind the bottle: one on the hip, one waving
    arm(p, QPointF(196, 130), QPointF(150, 150), 7, ink, false);
    arm(p, QPointF(236, 118), QPointF(285, 80), 7, ink, true);
    BottleLook bl;
    bl.face = true;
    bl.expr.mouth = Mouth::Grin;
    bl.expr.winkLeft = true;
    bl.expr.look = QPointF(0.3, -0.2);
    bl.fill = 0.7;
    groundShadow(p, QPointF(220, 214), 70, 9, 120);
    bottle(p, QPointF(216, 214), 205, bl);
    outlinedText(p, QStringLiteral("Ик!"), font(Face::Sans, 30), QPointF(330, 48),
                 QColor(255, 230, 80), QColor(120, 40, 10), 2.5);
    outlinedText(p, QStringLiteral("Ик!"), font(Face::Sans, 20), QPointF(368, 92),
                 QColor(255, 230, 80), QColor(120, 40, 10), 2);
    outlinedText(p, QStringLiteral("Я не пустая —"), font(Face::Sans, 15, true, true),
                 QPointF(88, 46), QColor(255, 255, 255), QColor(20, 40, 90), 2);
    outlinedText(p, QStringLiteral("я загадочная!"), font(Face::Sans, 15, true, true),
                 QPointF(88, 68), QColor(255, 255, 255), QColor(20, 40, 90), 2);
}

// --- kuhnya.bmp: a Soviet kitchen at night -------------------------------------------------------

void gasStove(QPainter &p, const QRectF &r)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(225, 225, 220));
    g.setColorAt(0.4, QColor(250, 250, 245));
    g.setColorAt(1, QColor(195, 195, 190));
    p.setPen(roundPen(QColor(90, 90, 90), 1.4));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    // top with burners
    const QRectF top(r.left() - 3, r.top() - 8, r.width() + 6, 10);
    p.setBrush(QColor(60, 60, 65));
    p.drawRoundedRect(top, 2, 2);
    // knobs
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(r.left() + r.width() * (i + 1) / 5.0, r.top() + 10), 4, 4);
    }
    // oven door with window
    const QRectF door = r.adjusted(8, 22, -8, -12);
    p.setBrush(QColor(235, 235, 230));
    p.drawRoundedRect(door, 3, 3);
    p.setBrush(QColor(60, 50, 45));
    p.drawRoundedRect(door.adjusted(8, 10, -8, -14), 3, 3);
    p.setPen(roundPen(QColor(120, 120, 120), 3));
    p.drawLine(QPointF(door.left() + 10, door.top() + 5),
               QPointF(door.right() - 10, door.top() + 5));
    p.restore();
}

void kettle(QPainter &p, QPointF base, double w)
{
    p.save();
    const double h = w * 0.75;
    QPainterPath body;
    body.moveTo(base.x() - w / 2, base.y());
    body.cubicTo(base.x() - w * 0.55, base.y() - h * 0.8, base.x() - w * 0.2, base.y() - h,
                 base.x(), base.y() - h);
    body.cubicTo(base.x() + w * 0.2, base.y() - h, base.x() + w * 0.55, base.y() - h * 0.8,
                 base.x() + w / 2, base.y());
    body.closeSubpath();
    QLinearGradient g(base.x() - w / 2, 0, base.x() + w / 2, 0);
    g.setColorAt(0, QColor(150, 20, 20));
    g.setColorAt(0.35, QColor(240, 80, 60));
    g.setColorAt(1, QColor(120, 10, 10));
    // spout
    QPainterPath spout;
    spout.moveTo(base.x() + w * 0.35, base.y() - h * 0.3);
    spout.lineTo(base.x() + w * 0.75, base.y() - h * 0.85);
    spout.lineTo(base.x() + w * 0.82, base.y() - h * 0.8);
    spout.lineTo(base.x() + w * 0.45, base.y() - h * 0.12);
    p.setPen(roundPen(QColor(80, 10, 10), 1.3));
    p.setBrush(g);
    p.drawPath(spout);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(40, 40, 40), 3));
    p.drawArc(QRectF(base.x() - w * 0.35, base.y() - h * 1.35, w * 0.7, h * 0.8), 0, 180 * 16);
    // white polka dots of enamel
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(base.x() - w * 0.1, base.y() - h * 0.45), w * 0.1, w * 0.08);
    p.drawEllipse(QPointF(base.x() + w * 0.18, base.y() - h * 0.3), w * 0.07, w * 0.06);
    p.restore();
}

void fridge(QPainter &p, const QRectF &r)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(215, 220, 220));
    g.setColorAt(0.3, QColor(252, 252, 250));
    g.setColorAt(1, QColor(185, 190, 190));
    p.setPen(roundPen(QColor(90, 90, 90), 1.5));
    p.setBrush(g);
    QPainterPath body;
    body.addRoundedRect(r, 14, 14);
    p.drawPath(body);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(r.left() + 4, r.top() + r.height() * 0.25),
               QPointF(r.right() - 4, r.top() + r.height() * 0.25));
    // chrome handle and the badge
    QLinearGradient hg(0, r.top() + 60, 0, r.top() + 100);
    hg.setColorAt(0, QColor(250, 250, 255));
    hg.setColorAt(1, QColor(140, 140, 150));
    p.setBrush(hg);
    p.setPen(roundPen(QColor(80, 80, 90), 1));
    p.drawRoundedRect(QRectF(r.right() - 12, r.top() + r.height() * 0.32, 6, 36), 3, 3);
    centredText(p, QStringLiteral("ЗиЛ"), font(Face::Serif, 11, true, true),
                QPointF(r.center().x(), r.top() + 18), QColor(150, 120, 40));
    // magnets
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 60, 60));
    p.drawEllipse(QPointF(r.left() + 16, r.top() + r.height() * 0.45), 4, 4);
    p.setBrush(QColor(60, 140, 230));
    p.drawRect(QRectF(r.left() + 22, r.top() + r.height() * 0.52, 8, 6));
    p.restore();
}

void drawKuhnya(QPainter &p, QRandomGenerator &rng)
{
    // painted upper wall and tiled lower wall
    p.fillRect(QRectF(0, 0, 433, 110), QColor(190, 215, 190));
    const QRectF tiles(0, 110, 433, 60);
    p.fillRect(tiles, QColor(235, 240, 245));
    p.setPen(QPen(QColor(170, 185, 200), 1));
    for (double y = tiles.top(); y < tiles.bottom(); y += 12)
        p.drawLine(QPointF(0, y), QPointF(433, y));
    for (double y = tiles.top(), row = 0; y < tiles.bottom(); y += 12, ++row)
        for (double x = (int(row) % 2) * 6; x < 433; x += 12)
            p.drawLine(QPointF(x, y), QPointF(x, y + 12));
    p.fillRect(QRectF(0, 108, 433, 4), QColor(80, 120, 160));
    // floor
    const QRectF floor(0, 170, 433, 55);
    p.fillRect(floor, QColor(150, 90, 60));
    p.setPen(QPen(QColor(110, 60, 40), 1));
    for (double x = -200; x < 640; x += 24)
        p.drawLine(QPointF(216 + (x - 216) * 0.6, 170), QPointF(x, 225));
    for (double y : {180.0, 193.0, 208.0})
        p.drawLine(QPointF(0, y), QPointF(433, y));

    const QRectF win(150, 14, 110, 86);
    kitchenWindow(p, win, rng);
    // a radio on the windowsill
    p.setPen(roundPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(140, 80, 40));
    p.drawRoundedRect(QRectF(228, 86, 26, 14), 2, 2);
    p.setBrush(QColor(230, 220, 190));
    p.drawRect(QRectF(231, 89, 12, 8));
    fridge(p, QRectF(14, 34, 66, 138));
    gasStove(p, QRectF(330, 108, 80, 66));
    kettle(p, QPointF(352, 100), 30);
    // pots on a shelf
    p.fillRect(QRectF(300, 40, 120, 5), QColor(120, 80, 50));
    for (int i = 0; i < 3; ++i) {
        const QColor c = i == 1 ? QColor(240, 240, 230) : QColor(220, 90, 60);
        p.setPen(roundPen(darker(c, 0.5), 1));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(310 + i * 36, 22, 26, 18), 3, 3);
        p.drawRect(QRectF(313 + i * 36, 19, 20, 4));
    }
    // a small table with oilcloth in the middle
    oilcloth(p, QRectF(110, 150, 200, 24), 10, QColor(60, 110, 200), -300, 16);
    p.fillRect(QRectF(124, 184, 6, 40), QColor(90, 60, 40));
    p.fillRect(QRectF(290, 184, 6, 40), QColor(90, 60, 40));
    GlassLook gl;
    gl.fill = 0.3;
    gl.expr.mouth = Mouth::Smile;
    gl.expr.eyesClosed = true;
    gl.arms.show = false;
    glassBuddy(p, QPointF(240, 165), 42, gl);
    BottleLook bl;
    bl.fill = 0.2;
    bottle(p, QPointF(180, 164), 64, bl);

    // night: everything in blue moonlight, warm light only from the fridge's open crack
    p.fillRect(kPanel, QColor(20, 30, 90, 110));
    QRadialGradient moonLight(QPointF(205, 100), 150);
    moonLight.setColorAt(0, QColor(200, 220, 255, 50));
    moonLight.setColorAt(1, QColor(0, 0, 30, 80));
    p.fillRect(kPanel, moonLight);
    outlinedText(p, QStringLiteral("Тс-с… кухня спит"), font(Face::Sans, 14, true, true),
                 QPointF(216, 208), QColor(255, 240, 170), QColor(20, 20, 60), 2);
}

// --- zakat.jpg: sunset over a field --------------------------------------------------------------

void drawZakat(QPainter &p, QRandomGenerator &rng)
{
    verticalGradient(p, kPanel,
                     {{0, QColor(60, 40, 110)},
                      {0.35, QColor(200, 80, 110)},
                      {0.6, QColor(255, 150, 70)},
                      {0.72, QColor(255, 210, 120)}});
    const QPointF sun(290, 150);
    QRadialGradient sg(sun, 110);
    sg.setColorAt(0, QColor(255, 250, 200, 255));
    sg.setColorAt(0.22, QColor(255, 230, 130, 255));
    sg.setColorAt(0.25, QColor(255, 200, 100, 160));
    sg.setColorAt(1, QColor(255, 150, 80, 0));
    p.fillRect(kPanel, sg);
    // thin clouds
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const double y = 40 + i * 14 + rng.bounded(8);
        const double x = rng.bounded(433);
        p.setBrush(QColor(255, 200, 170, 70));
        p.drawRoundedRect(QRectF(x - 70, y, 140 + rng.bounded(60), 5), 2.5, 2.5);
    }
    // far hills, then the field
    QPainterPath hills;
    hills.moveTo(0, 160);
    hills.cubicTo(80, 140, 160, 150, 230, 156);
    hills.cubicTo(300, 162, 360, 144, 433, 152);
    hills.lineTo(433, 225);
    hills.lineTo(0, 225);
    p.setBrush(QColor(110, 60, 90));
    p.drawPath(hills);
    QPainterPath field;
    field.moveTo(0, 172);
    field.cubicTo(120, 160, 300, 168, 433, 164);
    field.lineTo(433, 225);
    field.lineTo(0, 225);
    QLinearGradient fg(0, 160, 0, 225);
    fg.setColorAt(0, QColor(200, 130, 50));
    fg.setColorAt(1, QColor(110, 60, 30));
    p.setBrush(fg);
    p.drawPath(field);
    p.save();
    p.setClipPath(field);
    p.setPen(QPen(QColor(90, 45, 20, 150), 1.2));
    for (double x = -400; x < 840; x += 26)
        p.drawLine(QPointF(216 + (x - 216) * 0.05, 160), QPointF(x, 225));
    p.restore();
    // the glass stands on the field with its arms up to the sun; the low sun
    // shines through it and lights its vodka
    GlassLook gl;
    gl.fill = 0.55;
    gl.liquid = QColor(255, 215, 160, 110);
    gl.outline = QColor(60, 30, 45);
    gl.expr.mouth = Mouth::Grin;
    gl.expr.look = QPointF(0.8, -0.2);
    gl.arms.left = QPointF(-0.62, -0.62);
    gl.arms.leftHandUp = true;
    gl.arms.right = QPointF(0.6, -0.66);
    gl.arms.rightHandUp = true;
    glassBuddy(p, QPointF(128, 184), 92, gl);
    // and its bottle beside it, catching the sunset too
    BottleLook bl;
    bl.glass = QColor(230, 200, 190, 150);
    bl.liquid = QColor(255, 215, 160, 110);
    bottle(p, QPointF(212, 182), 100, bl);
    // birds
    p.setPen(roundPen(QColor(50, 25, 50), 1.6));
    for (int i = 0; i < 5; ++i) {
        const QPointF c(300 + rng.bounded(110), 30 + rng.bounded(60));
        const double s = 4 + rng.bounded(4);
        QPainterPath bird;
        bird.moveTo(c + QPointF(-s, -s * 0.3));
        bird.quadTo(c + QPointF(-s * 0.5, -s * 0.7), c);
        bird.quadTo(c + QPointF(s * 0.5, -s * 0.7), c + QPointF(s, -s * 0.3));
        p.drawPath(bird);
    }
    outlinedText(p, QStringLiteral("Хорошо сидим…"), font(Face::Serif, 22, true, true),
                 QPointF(300, 204), QColor(255, 235, 190), QColor(80, 30, 40), 2);
}

// --- stakany.jpg: glasses clinking ---------------------------------------------------------------

void drawStakany(QPainter &p, QRandomGenerator &rng)
{
    rays(p, kPanel, QPointF(216, 86), 28, QColor(200, 60, 40), QColor(225, 95, 50), 0.05);
    QRadialGradient glow(QPointF(216, 86), 220);
    glow.setColorAt(0, QColor(255, 240, 150, 200));
    glow.setColorAt(0.35, QColor(255, 200, 80, 60));
    glow.setColorAt(1, QColor(80, 0, 0, 120));
    p.fillRect(kPanel, glow);

    auto tilted = [&](QPointF base, double h, double angle, const GlassLook &gl) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        glassBuddy(p, QPointF(0, 0), h, gl);
        p.restore();
    };
    GlassLook a;
    a.fill = 0.45;
    a.arms.show = false;
    a.expr.mouth = Mouth::Grin;
    a.expr.look = QPointF(0.7, -0.3);
    tilted(QPointF(104, 236), 124, 24, a);
    GlassLook c = a;
    c.expr.look = QPointF(-0.7, -0.3);
    c.expr.winkLeft = true;
    tilted(QPointF(328, 236), 124, -24, c);
    GlassLook b = a;
    b.expr.mouth = Mouth::Open;
    b.expr.look = QPointF(0, -0.6);
    b.expr.browLift = 0.1;
    tilted(QPointF(216, 240), 112, 0, b);

    // the clink: a star and splashes
    QRandomGenerator brng(5);
    QPainterPath flash = burst(QPointF(216, 100), 34, 16, 9, brng, 0.15);
    p.setPen(roundPen(QColor(255, 255, 255, 200), 2));
    p.setBrush(QColor(255, 250, 200, 200));
    p.drawPath(flash);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        const double a = -M_PI * (0.1 + 0.8 * rng.generateDouble());
        const double d = 30 + rng.generateDouble() * 40;
        const QPointF pt(216 + std::cos(a) * d * 1.6, 96 + std::sin(a) * d * 0.9);
        const double r = 2 + rng.generateDouble() * 4;
        p.setBrush(QColor(220, 245, 255, 220));
        p.drawEllipse(pt, r * 0.8, r);
        p.setBrush(Qt::white);
        p.drawEllipse(pt + QPointF(-r * 0.25, -r * 0.3), r * 0.25, r * 0.25);
    }
    p.save();
    p.translate(216, 38);
    p.rotate(-3);
    QLinearGradient tf(0, -25, 0, 25);
    tf.setColorAt(0, QColor(255, 250, 180));
    tf.setColorAt(1, QColor(255, 190, 40));
    outlinedText(p, QStringLiteral("Будем!"), font(Face::Serif, 46, true, true), QPointF(0, 0), tf,
                 QColor(110, 20, 10), 3, QPointF(3, 4), QColor(60, 0, 0, 120));
    p.restore();
}

// --- seledka.jpg: herring under a fur coat -------------------------------------------------------

void drawSeledka(QPainter &p, QRandomGenerator &rng)
{
    woodPlanks(p, kPanel, QColor(160, 105, 60), 5, rng);
    vignette(p, kPanel, 140);
    // checked napkin under the plate
    p.save();
    p.translate(216, 150);
    p.rotate(-4);
    oilcloth(p, QRectF(-190, -60, 380, 110), 0, QColor(60, 130, 60), -600, 22);
    p.restore();
    plate(p, QPointF(210, 152), 160, 52, QColor(40, 90, 170));

    const QPointF c(206, 118);
    const double rx = 110, ry = 30, hgt = 40;
    struct Layer
    {
        double from, to;
        QColor col;
    };
    const Layer layers[] = {{0.0, 0.24, QColor(240, 225, 170)},  // potato
                            {0.24, 0.42, QColor(190, 170, 175)}, // herring
                            {0.42, 0.5, QColor(250, 250, 240)},  // mayonnaise
                            {0.5, 0.7, QColor(240, 140, 40)},    // carrot
                            {0.7, 0.78, QColor(250, 250, 240)},  // mayonnaise
                            {0.78, 1.0, QColor(150, 30, 80)}};   // beetroot
    for (const Layer &l : layers) {
        const double yTop = c.y() + hgt * (1 - l.to);
        const double yBot = c.y() + hgt * (1 - l.from);
        QPainterPath band;
        band.moveTo(c.x() - rx, yTop);
        band.arcTo(QRectF(c.x() - rx, yTop - ry, 2 * rx, 2 * ry), 180, 180);
        band.lineTo(c.x() + rx, yBot);
        band.arcTo(QRectF(c.x() - rx, yBot - ry, 2 * rx, 2 * ry), 0, -180);
        band.closeSubpath();
        QLinearGradient g(c.x() - rx, 0, c.x() + rx, 0);
        g.setColorAt(0, darker(l.col, 0.25));
        g.setColorAt(0.4, lighter(l.col, 0.1));
        g.setColorAt(1, darker(l.col, 0.3));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(band);
    }
    // herring bits inside the herring layer
    p.setBrush(QColor(120, 110, 120));
    for (int i = 0; i < 20; ++i) {
        const double u = rng.generateDouble() * 1.8 - 0.9;
        p.drawEllipse(QPointF(c.x() + u * rx, c.y() + hgt * 0.67 + ry * std::sqrt(1 - u * u)), 3,
                      1.5);
    }
    // beetroot top with a mayonnaise net
    QRadialGradient tg(c + QPointF(-30, -10), rx);
    tg.setColorAt(0, QColor(190, 50, 110));
    tg.setColorAt(1, QColor(120, 20, 65));
    p.setBrush(tg);
    p.drawEllipse(c, rx, ry);
    p.save();
    QPainterPath topE;
    topE.addEllipse(c, rx, ry);
    p.setClipPath(topE);
    p.setPen(QPen(QColor(255, 252, 240, 230), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (double x = -160; x < 160; x += 18) {
        QPainterPath z1, z2;
        z1.moveTo(c.x() + x - 40, c.y() - ry);
        z1.lineTo(c.x() + x + 40, c.y() + ry);
        z2.moveTo(c.x() + x + 40, c.y() - ry);
        z2.lineTo(c.x() + x - 40, c.y() + ry);
        p.drawPath(z1);
        p.drawPath(z2);
    }
    p.restore();
    p.setPen(QPen(QColor(90, 10, 40), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx, ry);
    QPainterPath outline;
    outline.moveTo(c.x() - rx, c.y());
    outline.lineTo(c.x() - rx, c.y() + hgt);
    outline.arcTo(QRectF(c.x() - rx, c.y() + hgt - ry, 2 * rx, 2 * ry), 180, 180);
    outline.lineTo(c.x() + rx, c.y());
    p.drawPath(outline);
    // egg and dill on top
    for (int i = 0; i < 16; ++i) {
        const double a = rng.generateDouble() * M_PI * 2;
        const double d = std::sqrt(rng.generateDouble()) * 0.35;
        p.setPen(Qt::NoPen);
        p.setBrush(rng.bounded(2) ? QColor(255, 220, 60) : QColor(255, 255, 245));
        p.drawEllipse(c + QPointF(std::cos(a) * rx * d, std::sin(a) * ry * d), 3, 2);
    }
    dill(p, c + QPointF(-8, 4), 26, 60);
    dill(p, c + QPointF(8, 2), 22, -70);

    // a hungry little glass peeking in from the right
    GlassLook gl;
    gl.fill = 0.5;
    gl.expr.mouth = Mouth::Oh;
    gl.expr.look = QPointF(-0.9, 0.4);
    gl.expr.browLift = 0.15;
    gl.arms.left = QPointF(-0.7, 0.1);
    gl.arms.right = QPointF(0.55, 0.25);
    glassBuddy(p, QPointF(392, 212), 76, gl);
    fork(p, QPointF(330, 150), 60, -30);

    outlinedText(p, QStringLiteral("Селёдка под шубой"), font(Face::Serif, 24, true, true),
                 QPointF(190, 30), QColor(255, 240, 200), QColor(110, 30, 40), 2.4);
}

// --- shashlyk.jpg: skewers over a grill ----------------------------------------------------------

void drawShashlyk(QPainter &p, QRandomGenerator &rng)
{
    verticalGradient(
        p, kPanel,
        {{0, QColor(50, 50, 110)}, {0.5, QColor(230, 120, 90)}, {0.75, QColor(255, 190, 120)}});
    // bushes and a fence of the dacha
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 70, 50));
    for (int i = 0; i < 12; ++i)
        p.drawEllipse(QPointF(i * 40 + rng.bounded(20), 128 + rng.bounded(14)), 34, 26);
    p.fillRect(QRectF(0, 130, 433, 95), QColor(50, 90, 50));
    for (double x = 4; x < 433; x += 16) {
        QPolygonF plank({QPointF(x, 150), QPointF(x, 108), QPointF(x + 6, 102),
                         QPointF(x + 12, 108), QPointF(x + 12, 150)});
        p.setPen(QPen(QColor(90, 60, 40), 1));
        p.setBrush(QColor(170, 125, 80));
        p.drawPolygon(plank);
    }
    p.fillRect(QRectF(0, 118, 433, 5), QColor(120, 85, 55));
    QLinearGradient grass(0, 150, 0, 225);
    grass.setColorAt(0, QColor(70, 130, 60));
    grass.setColorAt(1, QColor(40, 90, 40));
    p.fillRect(QRectF(0, 150, 433, 75), grass);

    // the grill box on legs
    const QRectF box(110, 132, 220, 40);
    p.setPen(roundPen(QColor(20, 20, 20), 2));
    p.setBrush(QColor(50, 50, 55));
    p.drawRect(QRectF(122, 170, 7, 44));
    p.drawRect(QRectF(311, 170, 7, 44));
    QLinearGradient bg(0, box.top(), 0, box.bottom());
    bg.setColorAt(0, QColor(100, 100, 105));
    bg.setColorAt(1, QColor(45, 45, 50));
    p.setBrush(bg);
    p.drawRect(box);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    for (double x = box.left() + 14; x < box.right(); x += 22)
        p.drawEllipse(QPointF(x, box.bottom() - 10), 3, 3);
    // glowing coals
    QRectF coals(box.left() + 4, box.top() - 10, box.width() - 8, 14);
    QRadialGradient heat(coals.center(), 130);
    heat.setColorAt(0, QColor(255, 160, 50, 140));
    heat.setColorAt(1, QColor(255, 100, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(heat);
    p.drawEllipse(coals.center(), 140, 50);
    for (int i = 0; i < 60; ++i) {
        const QPointF pt(coals.left() + rng.generateDouble() * coals.width(),
                         coals.top() + 4 + rng.generateDouble() * coals.height());
        const int t = rng.bounded(3);
        p.setBrush(t == 0   ? QColor(255, 230, 90)
                   : t == 1 ? QColor(250, 120, 30)
                            : QColor(160, 40, 20));
        p.drawEllipse(pt, 4 + rng.bounded(3), 3);
    }
    // smoke
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        QPainterPath s;
        const double x = 150 + i * 36;
        s.moveTo(x, 120);
        s.cubicTo(x - 20, 90, x + 25, 70, x + 5, 20);
        p.setPen(QPen(QColor(255, 255, 255, 50), 8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
    }
    // skewers with meat, onion and tomato
    for (int k = 0; k < 4; ++k) {
        const double y = 116 + k * 7;
        const double x0 = 92 + k * 4;
        p.setPen(roundPen(QColor(190, 190, 200), 2.2));
        p.drawLine(QPointF(x0, y), QPointF(x0 + 260, y));
        p.setBrush(QColor(210, 190, 80));
        p.setPen(roundPen(QColor(120, 100, 30), 1));
        p.drawRoundedRect(QRectF(x0 - 14, y - 3, 16, 6), 2, 2);
        for (int m = 0; m < 8; ++m) {
            const QPointF c(x0 + 36 + m * 28, y - 2);
            if (m % 3 == 2) {
                p.setPen(roundPen(QColor(160, 30, 30), 1));
                p.setBrush(QColor(230, 60, 50));
                p.drawEllipse(c, 5, 9);
                p.setPen(roundPen(QColor(200, 200, 190), 1));
                p.setBrush(QColor(250, 245, 235));
                p.drawEllipse(c + QPointF(11, 0), 3, 8);
            } else {
                QRadialGradient mg(c - QPointF(3, 4), 14);
                mg.setColorAt(0, QColor(200, 110, 60));
                mg.setColorAt(0.6, QColor(140, 65, 30));
                mg.setColorAt(1, QColor(70, 30, 15));
                p.setPen(roundPen(QColor(50, 20, 10), 1.2));
                p.setBrush(mg);
                p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 9, 20, 18), 7, 7);
                p.setPen(QPen(QColor(40, 15, 5), 1.5));
                p.drawLine(c + QPointF(-5, -3), c + QPointF(4, 2));
            }
        }
    }
    // sparks
    for (int i = 0; i < 16; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 100, 200));
        p.drawEllipse(QPointF(130 + rng.generateDouble() * 180, 40 + rng.generateDouble() * 70),
                      1.5, 1.5);
    }
    GlassLook gl;
    gl.expr.mouth = Mouth::Open;
    gl.expr.look = QPointF(-0.8, -0.2);
    gl.arms.left = QPointF(-0.75, -0.3);
    gl.arms.leftHandUp = true;
    gl.arms.right = QPointF(0.6, 0.1);
    glassBuddy(p, QPointF(384, 214), 74, gl);
    outlinedText(p, QStringLiteral("Шашлычок!"), font(Face::Serif, 28, true, true),
                 QPointF(112, 34), QColor(255, 230, 120), QColor(100, 30, 10), 2.5);
}

// --- rassol.jpg: morning brine -------------------------------------------------------------------

void jar(QPainter &p, QPointF base, double w, double h, QRandomGenerator &rng)
{
    p.save();
    const double r = w * 0.18;
    QPainterPath body;
    body.moveTo(base.x() - w / 2, base.y() - r);
    body.lineTo(base.x() - w / 2, base.y() - h * 0.78);
    body.cubicTo(base.x() - w / 2, base.y() - h * 0.9, base.x() - w * 0.36, base.y() - h * 0.9,
                 base.x() - w * 0.36, base.y() - h * 0.95);
    body.lineTo(base.x() + w * 0.36, base.y() - h * 0.95);
    body.cubicTo(base.x() + w * 0.36, base.y() - h * 0.9, base.x() + w / 2, base.y() - h * 0.9,
                 base.x() + w / 2, base.y() - h * 0.78);
    body.lineTo(base.x() + w / 2, base.y() - r);
    body.quadTo(base.x() + w / 2, base.y(), base.x() + w / 2 - r, base.y());
    body.lineTo(base.x() - w / 2 + r, base.y());
    body.quadTo(base.x() - w / 2, base.y(), base.x() - w / 2, base.y() - r);
    groundShadow(p, base + QPointF(10, 0), w * 0.65, w * 0.1, 110);
    // brine
    QLinearGradient bg(base.x() - w / 2, 0, base.x() + w / 2, 0);
    bg.setColorAt(0, QColor(170, 175, 80));
    bg.setColorAt(0.35, QColor(235, 235, 150));
    bg.setColorAt(1, QColor(150, 155, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    QRandomGenerator prng(rng.generate());
    for (int i = 0; i < 7; ++i) {
        const QPointF c(base.x() - w * 0.3 + (i % 3) * w * 0.3 + rng.bounded(8),
                        base.y() - h * 0.16 - (i / 3) * h * 0.24 - rng.bounded(8));
        pickle(p, c, h * 0.34, w * 0.2, 80 + rng.bounded(30) - 15, prng);
    }
    dill(p, QPointF(base.x() + w * 0.2, base.y() - 4), h * 0.6, -12);
    p.setBrush(QColor(250, 245, 230));
    p.setPen(QPen(QColor(180, 170, 140), 1));
    p.drawEllipse(QPointF(base.x() - w * 0.25, base.y() - h * 0.62), 6, 8);
    p.drawEllipse(QPointF(base.x() + w * 0.1, base.y() - h * 0.35), 5, 7);
    // murky tint over the pickles
    p.fillRect(QRectF(base.x() - w, base.y() - h, 2 * w, h), QColor(220, 220, 120, 80));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 130));
    p.drawRoundedRect(QRectF(base.x() - w * 0.4, base.y() - h * 0.75, w * 0.08, h * 0.6), 4, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(70, 80, 40), 2));
    p.drawPath(body);
    // tin lid
    const QRectF lid(base.x() - w * 0.4, base.y() - h, w * 0.8, h * 0.08);
    QLinearGradient lg(lid.left(), 0, lid.right(), 0);
    lg.setColorAt(0, QColor(150, 150, 160));
    lg.setColorAt(0.3, QColor(245, 245, 250));
    lg.setColorAt(1, QColor(130, 130, 140));
    p.setBrush(lg);
    p.setPen(roundPen(QColor(80, 80, 90), 1.5));
    p.drawRoundedRect(lid, 3, 3);
    p.restore();
}

void drawRassol(QPainter &p, QRandomGenerator &rng)
{
    wallpaper(p, kPanel, QColor(245, 225, 190), QColor(130, 170, 210, 150));
    kitchenWindow(p, QRectF(20, 14, 130, 110), rng, false);
    // morning sunbeams
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200, 45));
    QPolygonF beam({QPointF(60, 20), QPointF(150, 20), QPointF(433, 200), QPointF(250, 225)});
    p.drawPolygon(beam);
    tableTop(p, QRectF(0, 160, 433, 50), 15, QColor(170, 110, 60), rng);
    jar(p, QPointF(180, 196), 96, 160, rng);
    // a thick glass of brine and the suffering buddy
    GlassLook gl;
    gl.fill = 0.75;
    gl.liquid = QColor(220, 220, 130, 170);
    gl.expr.mouth = Mouth::Sleepy;
    gl.expr.eyesClosed = true;
    gl.expr.browLift = -0.05;
    gl.expr.blush = false;
    gl.arms.left = QPointF(-0.1, -0.62);
    gl.arms.leftHandUp = true;
    gl.arms.right = QPointF(0.66, 0.2);
    glassBuddy(p, QPointF(320, 204), 110, gl);
    // an ice pack on his head
    p.setPen(roundPen(QColor(60, 90, 150), 1.5));
    p.setBrush(QColor(120, 170, 240));
    p.drawEllipse(QPointF(316, 92), 28, 11);
    p.setBrush(QColor(250, 250, 255));
    p.drawEllipse(QPointF(316, 82), 6, 4);
    outlinedText(p, QStringLiteral("Утро."), font(Face::Serif, 26, true, true), QPointF(350, 26),
                 QColor(255, 255, 240), QColor(70, 90, 140), 2.2);
    outlinedText(p, QStringLiteral("Рассол…"), font(Face::Serif, 22, true, true), QPointF(360, 56),
                 QColor(230, 240, 150), QColor(70, 90, 40), 2);
}

// --- gitara.gif ----------------------------------------------------------------------------------

void guitar(QPainter &p, QPointF body, double size, double angle)
{
    p.save();
    p.translate(body);
    p.rotate(angle);
    const double s = size;
    QPainterPath shape;
    shape.addEllipse(QPointF(0, 0), s * 0.5, s * 0.44);
    shape.addEllipse(QPointF(0, -s * 0.56), s * 0.36, s * 0.32);
    QPainterPath waist;
    waist.addRect(QRectF(-s * 0.3, -s * 0.6, s * 0.6, s * 0.5));
    shape = shape.united(waist);
    // neck and head
    const QRectF neck(-s * 0.07, -s * 1.9, s * 0.14, s * 1.2);
    p.setPen(roundPen(QColor(40, 20, 10), 1.5));
    p.setBrush(QColor(90, 50, 25));
    p.drawRect(neck);
    p.setPen(QPen(QColor(220, 200, 150), 1));
    for (int i = 1; i < 9; ++i)
        p.drawLine(QPointF(neck.left(), neck.top() + i * s * 0.12),
                   QPointF(neck.right(), neck.top() + i * s * 0.12));
    QPainterPath head;
    head.addRoundedRect(QRectF(-s * 0.11, -s * 2.2, s * 0.22, s * 0.34), s * 0.05, s * 0.05);
    p.setPen(roundPen(QColor(40, 20, 10), 1.5));
    p.setBrush(QColor(60, 30, 15));
    p.drawPath(head);
    p.setBrush(QColor(230, 230, 235));
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(-s * 0.16, -s * 2.13 + i * s * 0.1), s * 0.04, s * 0.03);
        p.drawEllipse(QPointF(s * 0.16, -s * 2.13 + i * s * 0.1), s * 0.04, s * 0.03);
    }
    QRadialGradient g(QPointF(-s * 0.15, -s * 0.3), s * 0.9);
    g.setColorAt(0, QColor(255, 190, 90));
    g.setColorAt(0.6, QColor(220, 120, 40));
    g.setColorAt(1, QColor(120, 50, 15));
    p.setPen(roundPen(QColor(60, 25, 5), 2));
    p.setBrush(g);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 230, 180), 1.2));
    QTransform t;
    t.scale(0.92, 0.92);
    p.drawPath(t.map(shape));
    // sound hole, bridge and a bow
    p.setPen(roundPen(QColor(200, 150, 60), 2));
    p.setBrush(QColor(30, 15, 5));
    p.drawEllipse(QPointF(0, -s * 0.42), s * 0.14, s * 0.14);
    p.setPen(roundPen(QColor(30, 15, 5), 1));
    p.setBrush(QColor(50, 25, 10));
    p.drawRoundedRect(QRectF(-s * 0.16, s * 0.12, s * 0.32, s * 0.06), 2, 2);
    p.setPen(QPen(QColor(240, 240, 230), 0.7));
    for (int i = 0; i < 6; ++i) {
        const double x = -s * 0.05 + i * s * 0.02;
        p.drawLine(QPointF(x, s * 0.15), QPointF(x, -s * 2.0));
    }
    p.setPen(roundPen(QColor(150, 20, 40), 1));
    p.setBrush(QColor(230, 50, 70));
    const QPointF bow(0, -s * 0.95);
    QPainterPath bw;
    bw.moveTo(bow);
    bw.lineTo(bow + QPointF(-s * 0.18, -s * 0.08));
    bw.lineTo(bow + QPointF(-s * 0.18, s * 0.08));
    bw.closeSubpath();
    bw.moveTo(bow);
    bw.lineTo(bow + QPointF(s * 0.18, -s * 0.08));
    bw.lineTo(bow + QPointF(s * 0.18, s * 0.08));
    bw.closeSubpath();
    p.drawPath(bw);
    p.restore();
}

void drawGitara(QPainter &p, QRandomGenerator &rng)
{
    QRadialGradient bg(QPointF(216, 110), 260);
    bg.setColorAt(0, QColor(110, 60, 150));
    bg.setColorAt(1, QColor(35, 15, 60));
    p.fillRect(kPanel, bg);
    // a spotlight on the floor
    QRadialGradient spot(QPointF(170, 210), 140);
    spot.setColorAt(0, QColor(255, 240, 190, 120));
    spot.setColorAt(1, QColor(255, 240, 190, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawEllipse(QPointF(170, 210), 160, 40);
    notes(p, rng, QRectF(240, 60, 180, 120), 9);
    notes(p, rng, QRectF(20, 20, 80, 150), 4);

    GlassLook gl;
    gl.solidGlass = true;
    gl.fill = 0.5;
    gl.expr.mouth = Mouth::Oh;
    gl.expr.eyesClosed = true;
    gl.expr.browLift = 0.12;
    gl.arms.show = false;
    glassBuddy(p, QPointF(170, 214), 130, gl);
    guitar(p, QPointF(176, 176), 64, 52);
    const QColor ink(38, 58, 82);
    arm(p, QPointF(126, 150), QPointF(160, 176), 5.5, ink, false);
    arm(p, QPointF(216, 140), QPointF(238, 118), 5.5, ink, true);
    outlinedText(p, QStringLiteral("Ой, мороз, мороз…"), font(Face::Serif, 22, true, true),
                 QPointF(300, 30), QColor(255, 230, 120), QColor(50, 20, 60), 2.2);
}

// --- ogurets.gif ---------------------------------------------------------------------------------

void drawOgurets(QPainter &p, QRandomGenerator &rng)
{
    rays(p, kPanel, QPointF(216, 112), 20, QColor(170, 220, 110), QColor(200, 240, 140));
    vignette(p, kPanel, 70);
    for (int i = 0; i < 6; ++i)
        dill(p, QPointF(20 + i * 80 + rng.bounded(20), 230), 40 + rng.bounded(30),
             rng.bounded(30) - 15);
    const QColor ink(20, 50, 15);
    // legs with little boots
    p.setPen(roundPen(ink, 5));
    p.drawLine(QPointF(204, 190), QPointF(198, 212));
    p.drawLine(QPointF(228, 190), QPointF(236, 212));
    p.setBrush(QColor(200, 50, 40));
    p.setPen(roundPen(QColor(90, 20, 10), 1.5));
    p.drawEllipse(QPointF(192, 214), 11, 6);
    p.drawEllipse(QPointF(242, 214), 11, 6);
    arm(p, QPointF(190, 120), QPointF(150, 82), 6, ink, true);
    arm(p, QPointF(242, 128), QPointF(286, 112), 6, ink, true);
    QRandomGenerator prng(3);
    pickle(p, QPointF(216, 112), 170, 66, 90, prng);
    Expression e;
    e.mouth = Mouth::Grin;
    e.look = QPointF(0.2, -0.1);
    face(p, QPointF(212, 92), 34, e, ink);
    // thumbs up
    p.setPen(roundPen(ink, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(282, 96, 8, 14), 4, 4);
    outlinedText(p, QStringLiteral("Огурчик-молодец!"), font(Face::Serif, 22, true, true),
                 QPointF(216, 22), QColor(255, 250, 200), QColor(30, 90, 20), 2.2);
    outlinedText(p, QStringLiteral("Хрусть!"), font(Face::Sans, 20, true, true), QPointF(350, 160),
                 QColor(255, 255, 255), QColor(30, 90, 20), 2);
}

// --- vecherinka.gif ------------------------------------------------------------------------------

void drawVecherinka(QPainter &p, QRandomGenerator &rng)
{
    QRadialGradient bg(QPointF(216, 120), 280);
    bg.setColorAt(0, QColor(120, 40, 140));
    bg.setColorAt(1, QColor(30, 10, 60));
    p.fillRect(kPanel, bg);
    // disco light spots
    p.setPen(Qt::NoPen);
    static const QColor spots[] = {QColor(255, 80, 160, 60), QColor(80, 200, 255, 60),
                                   QColor(255, 230, 80, 60)};
    for (int i = 0; i < 14; ++i)
        p.setBrush(spots[i % 3]), p.drawEllipse(QPointF(rng.bounded(433), rng.bounded(225)),
                                                14 + rng.bounded(20), 14 + rng.bounded(20));
    // streamers
    static const QColor st[] = {QColor(255, 220, 60), QColor(80, 220, 255), QColor(255, 100, 150)};
    for (int i = 0; i < 6; ++i) {
        QPainterPath s;
        const double x0 = rng.bounded(433);
        s.moveTo(x0, -5);
        for (int k = 1; k <= 8; ++k)
            s.quadTo(x0 + (k % 2 ? 14 : -14), k * 14 - 12, x0 + (k % 2 ? 2 : -2), k * 14);
        p.setPen(QPen(st[i % 3], 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(s);
    }
    balloon(p, QPointF(44, 60), 24, QColor(230, 50, 60), 80);
    balloon(p, QPointF(86, 44), 22, QColor(250, 200, 40), 90);
    balloon(p, QPointF(370, 52), 24, QColor(60, 150, 240), 80);
    balloon(p, QPointF(405, 80), 20, QColor(90, 200, 90), 70);
    confetti(p, kPanel, 120, rng);
    // dance floor
    for (int i = 0; i < 12; ++i) {
        const QColor c = spots[i % 3];
        QPolygonF tile({QPointF(i * 40 - 30, 225), QPointF(i * 40 + 10, 225),
                        QPointF(216 + (i * 40 + 10 - 216) * 0.6, 185),
                        QPointF(216 + (i * 40 - 30 - 216) * 0.6, 185)});
        p.setBrush(QColor(c.red(), c.green(), c.blue(), 110));
        p.drawPolygon(tile);
    }
    GlassLook a;
    a.solidGlass = true;
    a.expr.mouth = Mouth::Grin;
    a.expr.winkLeft = true;
    a.arms.left = QPointF(-0.75, -0.5);
    a.arms.leftHandUp = true;
    a.arms.right = QPointF(0.7, -0.45);
    a.arms.rightHandUp = true;
    p.save();
    p.translate(190, 214);
    p.rotate(-8);
    glassBuddy(p, QPointF(0, 0), 110, a);
    partyHat(p, QPointF(0, -114), 30, 34, -6);
    p.restore();
    BottleLook bl;
    bl.face = true;
    bl.expr.mouth = Mouth::Open;
    bl.expr.look = QPointF(-0.6, -0.2);
    p.save();
    p.translate(296, 214);
    p.rotate(6);
    bottle(p, QPointF(0, 0), 150, bl);
    partyHat(p, QPointF(0, -148), 22, 26, 8);
    p.restore();
    shotGlass(p, QPointF(110, 214), 40, 0.7);
    shotGlass(p, QPointF(360, 214), 40, 0.7);
    outlinedText(p, QStringLiteral("Вечеринка!"), font(Face::Serif, 32, true, true),
                 QPointF(216, 30), QColor(255, 235, 90), QColor(120, 20, 90), 2.6);
}

// --- kot.gif: the cat asleep by an empty bottle --------------------------------------------------

void drawKot(QPainter &p, QRandomGenerator &rng)
{
    verticalGradient(p, QRectF(0, 0, 433, 150),
                     {{0, QColor(35, 40, 85)}, {1, QColor(60, 60, 110)}});
    kitchenWindow(p, QRectF(300, 14, 100, 90), rng);
    QLinearGradient fl(0, 150, 0, 225);
    fl.setColorAt(0, QColor(90, 60, 60));
    fl.setColorAt(1, QColor(60, 35, 40));
    p.fillRect(QRectF(0, 150, 433, 75), fl);
    // moonlight patch on the floor
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 190, 255, 40));
    p.drawPolygon(
        QPolygonF({QPointF(300, 104), QPointF(400, 104), QPointF(330, 225), QPointF(150, 225)}));
    // round rug
    p.setBrush(QColor(160, 40, 50));
    p.setPen(QPen(QColor(230, 190, 80), 3));
    p.drawEllipse(QPointF(190, 190), 150, 28);
    p.setPen(QPen(QColor(230, 190, 80, 150), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(190, 190), 120, 20);

    // the empty bottle lying on its side
    BottleLook bl;
    bl.empty = true;
    bl.fill = 0;
    p.save();
    p.translate(418, 198);
    p.rotate(-84);
    bottle(p, QPointF(0, 0), 110, bl);
    p.restore();

    // the cat, curled up
    const QPointF c(170, 176);
    const QColor fur(240, 150, 60), furDark(190, 100, 30), ink(80, 40, 10);
    groundShadow(p, c + QPointF(0, 16), 80, 10, 120);
    QRadialGradient bg(c + QPointF(-10, -20), 90);
    bg.setColorAt(0, lighter(fur, 0.25));
    bg.setColorAt(1, furDark);
    p.setPen(roundPen(ink, 2));
    p.setBrush(bg);
    QPainterPath back;
    back.moveTo(c + QPointF(-62, 14));
    back.cubicTo(c + QPointF(-60, -40), c + QPointF(40, -44), c + QPointF(64, -4));
    back.cubicTo(c + QPointF(74, 14), c + QPointF(50, 30), c + QPointF(0, 30));
    back.cubicTo(c + QPointF(-40, 30), c + QPointF(-62, 24), c + QPointF(-62, 14));
    p.drawPath(back);
    // stripes
    p.save();
    QPainterPath bodyPath;
    bodyPath = back;
    p.setClipPath(bodyPath);
    p.setPen(QPen(darker(fur, 0.3), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        QPainterPath stripe;
        const double x = c.x() - 34 + i * 17;
        stripe.moveTo(x, c.y() - 40);
        stripe.cubicTo(x - 7, c.y() - 26, x + 5, c.y() - 16, x - 2, c.y() - 2);
        p.drawPath(stripe);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 225, 190, 160));
    p.drawEllipse(c + QPointF(-4, 24), 46, 10);
    p.restore();
    // tail wrapped round the front
    QPainterPath tail;
    tail.moveTo(c + QPointF(58, 14));
    tail.cubicTo(c + QPointF(60, 40), c + QPointF(0, 38), c + QPointF(-36, 30));
    p.setPen(QPen(ink, 15, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(QPen(fur, 11, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(darker(fur, 0.3), 3, Qt::SolidLine, Qt::RoundCap));
    for (double t : {0.25, 0.5, 0.75}) {
        const QPointF pt = tail.pointAtPercent(t);
        p.drawLine(pt + QPointF(-1, -5), pt + QPointF(1, 5));
    }
    // head resting on the paws
    const QPointF h = c + QPointF(-58, 2);
    p.setPen(roundPen(ink, 2));
    p.setBrush(fur);
    for (double side : {-1.0, 1.0}) {
        QPolygonF ear(
            {h + QPointF(side * 26, -10), h + QPointF(side * 22, -36), h + QPointF(side * 6, -22)});
        p.drawPolygon(ear);
    }
    QRadialGradient hg(h + QPointF(-6, -8), 36);
    hg.setColorAt(0, lighter(fur, 0.3));
    hg.setColorAt(1, furDark);
    p.setBrush(hg);
    p.drawEllipse(h, 30, 24);
    p.setBrush(QColor(255, 170, 170));
    p.setPen(Qt::NoPen);
    for (double side : {-1.0, 1.0})
        p.drawPolygon(QPolygonF({h + QPointF(side * 22, -14), h + QPointF(side * 20, -28),
                                 h + QPointF(side * 10, -20)}));
    p.setBrush(QColor(255, 235, 210));
    p.drawEllipse(h + QPointF(0, 10), 15, 10);
    p.setPen(roundPen(ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(h.x() - 18, h.y() - 6, 12, 8), 180 * 16, 180 * 16);
    p.drawArc(QRectF(h.x() + 6, h.y() - 6, 12, 8), 180 * 16, 180 * 16);
    p.setBrush(QColor(230, 100, 110));
    p.drawEllipse(h + QPointF(0, 5), 3, 2);
    p.setPen(QPen(ink, 1));
    for (double side : {-1.0, 1.0})
        for (int k = 0; k < 3; ++k)
            p.drawLine(h + QPointF(side * 10, 8 + k * 2), h + QPointF(side * 30, 4 + k * 4));
    // paws
    p.setPen(roundPen(ink, 1.5));
    p.setBrush(QColor(255, 235, 210));
    p.drawEllipse(h + QPointF(-8, 24), 9, 5);
    p.drawEllipse(h + QPointF(12, 24), 9, 5);

    outlinedText(p, QStringLiteral("Хр-р-р…"), font(Face::Serif, 20, true, true), QPointF(120, 110),
                 QColor(220, 230, 255), QColor(30, 30, 70), 2);
    outlinedText(p, QStringLiteral("z"), font(Face::Sans, 14), QPointF(160, 84),
                 QColor(220, 230, 255), QColor(30, 30, 70), 1.5);
    outlinedText(p, QStringLiteral("Z"), font(Face::Sans, 20), QPointF(180, 62),
                 QColor(220, 230, 255), QColor(30, 30, 70), 1.5);
    outlinedText(p, QStringLiteral("Кто всё выпил?"), font(Face::Sans, 13, true, true),
                 QPointF(110, 24), QColor(255, 230, 150), QColor(30, 30, 70), 1.8);
}

// --- stickers: drawn on a transparent sheet and cut out along the outline (see dieCut) ---

void drawBah(QPainter &p, QRandomGenerator &rng)
{
    p.save();
    p.translate(70, 45);
    p.rotate(-6);
    // the burst is squashed to fit the sheet; the word is not
    const QTransform squash = QTransform::fromScale(1, 0.6);
    const QPainterPath outer = squash.map(burst(QPointF(0, 0), 62, 34, 12, rng, 0.16, 0.2));
    const QPainterPath inner = squash.map(burst(QPointF(0, 0), 48, 28, 12, rng, 0.16, 0.45));
    p.setPen(roundPen(QColor(20, 10, 10), 3));
    p.setBrush(QColor(230, 40, 30));
    p.drawPath(outer);
    QRadialGradient g(QPointF(0, 0), 48);
    g.setColorAt(0, QColor(255, 255, 200));
    g.setColorAt(1, QColor(255, 200, 30));
    p.setPen(roundPen(QColor(20, 10, 10), 2));
    p.setBrush(g);
    p.drawPath(inner);
    outlinedText(p, QStringLiteral("БАХ!"), font(Face::Sans, 28), QPointF(0, 1),
                 QColor(230, 30, 30), QColor(255, 255, 255), 3, QPointF(2, 3), QColor(20, 10, 10));
    p.restore();
}

void drawOgurchik(QPainter &p, QRandomGenerator &rng)
{
    Expression e;
    e.mouth = Mouth::Grin;
    e.look = QPointF(0.3, 0);
    pickle(p, QPointF(55, 40), 84, 34, -14, rng, true, e);
}

void drawRyumka(QPainter &p, QRandomGenerator &rng)
{
    shotGlass(p, QPointF(40, 94), 72, 0.75);
    // a sparkle or two over the rim
    p.setPen(roundPen(QColor(150, 110, 10), 1));
    p.setBrush(QColor(255, 220, 80));
    for (int i = 0; i < 2; ++i)
        p.drawPath(star(QPointF(16 + rng.bounded(6) + i * 44, 11 + rng.bounded(3)), 5.5, 0.4));
}

// --- the caricature window and its portraits -----------------------------------------------------

void damask(QPainter &p, const QRectF &r, const QColor &base, const QColor &motif)
{
    p.fillRect(r, base);
    p.save();
    p.setClipRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(motif);
    int row = 0;
    for (double y = r.top(); y < r.bottom() + 40; y += 40, ++row)
        for (double x = r.left() + (row % 2) * 25; x < r.right() + 40; x += 50) {
            QPainterPath m;
            m.moveTo(x, y - 14);
            m.cubicTo(x + 10, y - 6, x + 10, y + 6, x, y + 14);
            m.cubicTo(x - 10, y + 6, x - 10, y - 6, x, y - 14);
            m.addEllipse(QPointF(x - 9, y - 11), 3, 3);
            m.addEllipse(QPointF(x + 9, y - 11), 3, 3);
            m.addEllipse(QPointF(x, y + 18), 2.5, 2.5);
            p.drawPath(m);
        }
    p.restore();
}

void drawFon(QPainter &p, QRandomGenerator &rng)
{
    const QRectF all(0, 0, 500, 420);
    damask(p, all, QColor(110, 25, 35), QColor(135, 40, 50));
    // cornice
    QLinearGradient cg(0, 0, 0, 14);
    cg.setColorAt(0, QColor(240, 220, 170));
    cg.setColorAt(1, QColor(170, 130, 70));
    p.fillRect(QRectF(0, 0, 500, 12), cg);
    p.fillRect(QRectF(0, 12, 500, 2), QColor(90, 60, 30));
    // wooden wainscot below the picture, left plain where the button lies
    const QRectF wain(0, 326, 500, 94);
    woodPlanks(p, wain, QColor(110, 65, 35), 8, rng, true);
    p.fillRect(QRectF(0, 322, 500, 6), QColor(160, 110, 60));
    p.fillRect(QRectF(0, 328, 500, 2), QColor(60, 30, 15));
    // soft light from the picture lamps
    QRadialGradient light(QPointF(250, 150), 300);
    light.setColorAt(0, QColor(255, 230, 180, 70));
    light.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(all, light);
    // the frame around the picture place
    const QRectF pic(32, 72, 433, 225);
    p.fillRect(pic, QColor(40, 30, 25));
    goldFrame(p, pic, 14);
    // brass lamps over the frame
    for (double x : {150.0, 350.0}) {
        p.setPen(roundPen(QColor(90, 60, 20), 1.5));
        p.setBrush(QColor(200, 160, 70));
        p.drawRoundedRect(QRectF(x - 24, 46, 48, 8), 4, 4);
        p.drawLine(QPointF(x, 54), QPointF(x, 58));
    }
    // the name plate
    const QRectF plateR(140, 18, 220, 26);
    QLinearGradient pg(plateR.topLeft(), plateR.bottomLeft());
    pg.setColorAt(0, QColor(250, 225, 140));
    pg.setColorAt(0.5, QColor(210, 165, 60));
    pg.setColorAt(1, QColor(150, 110, 30));
    p.setPen(roundPen(QColor(90, 60, 10), 1.5));
    p.setBrush(pg);
    p.drawRoundedRect(plateR, 5, 5);
    centredText(p, QStringLiteral("Галерея Стаканыча"), font(Face::Serif, 15, true, true),
                plateR.center(), QColor(70, 35, 5));
    vignette(p, all, 90);
}

void drawPortret(QPainter &p, QRandomGenerator &)
{
    // dark oil background with a red drape
    QRadialGradient bg(QPointF(216, 100), 240);
    bg.setColorAt(0, QColor(110, 90, 55));
    bg.setColorAt(1, QColor(30, 25, 20));
    p.fillRect(kPanel, bg);
    QPainterPath drape;
    drape.moveTo(14, 14);
    drape.lineTo(150, 14);
    drape.cubicTo(120, 60, 60, 90, 70, 211);
    drape.lineTo(14, 211);
    drape.closeSubpath();
    QLinearGradient dg(14, 0, 150, 0);
    for (int i = 0; i <= 6; ++i)
        dg.setColorAt(i / 6.0, i % 2 ? QColor(110, 10, 20) : QColor(180, 30, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(dg);
    p.drawPath(drape);
    p.setBrush(QColor(230, 180, 60));
    p.drawRoundedRect(QRectF(50, 120, 30, 8), 4, 4);
    // a column on the right
    QLinearGradient colg(330, 0, 380, 0);
    colg.setColorAt(0, QColor(120, 105, 85));
    colg.setColorAt(0.4, QColor(200, 185, 160));
    colg.setColorAt(1, QColor(90, 80, 65));
    p.fillRect(QRectF(330, 14, 50, 197), colg);
    p.fillRect(QRectF(322, 14, 66, 14), QColor(150, 135, 110));

    GlassLook gl;
    gl.solidGlass = true;
    gl.fill = 0.6;
    gl.expr.mouth = Mouth::Smug;
    gl.expr.moustache = true;
    gl.expr.look = QPointF(0.6, 0);
    gl.expr.browLift = 0.08;
    gl.arms.left = QPointF(-0.05, 0.35);
    gl.arms.right = QPointF(0.72, 0.1);
    glassBuddy(p, QPointF(226, 206), 150, gl);
    // a medal on a ribbon
    p.setPen(roundPen(QColor(60, 20, 20), 1));
    p.setBrush(QColor(40, 80, 170));
    p.drawPolygon(
        QPolygonF({QPointF(250, 152), QPointF(264, 152), QPointF(262, 170), QPointF(252, 170)}));
    p.setBrush(QColor(240, 200, 60));
    p.setPen(roundPen(QColor(120, 80, 10), 1.2));
    p.drawPath(star(QPointF(257, 176), 10, 0.5));
    // varnish glow
    QRadialGradient varnish(QPointF(190, 80), 200);
    varnish.setColorAt(0, QColor(255, 220, 150, 40));
    varnish.setColorAt(1, QColor(60, 30, 0, 80));
    p.fillRect(kPanel, varnish);
    goldFrame(p, QRectF(14, 14, 405, 197), 12);
    // plate under the portrait
    const QRectF plateR(128, 195, 178, 21);
    p.setPen(roundPen(QColor(90, 60, 10), 1));
    QLinearGradient pg(plateR.topLeft(), plateR.bottomLeft());
    pg.setColorAt(0, QColor(250, 225, 140));
    pg.setColorAt(1, QColor(160, 120, 40));
    p.setBrush(pg);
    p.drawRoundedRect(plateR, 3, 3);
    centredText(p, QStringLiteral("Стаканыч I Гранёный"), font(Face::Serif, 11, true, true),
                plateR.center(), QColor(70, 35, 5));
}

void drawPortret2(QPainter &p, QRandomGenerator &rng)
{
    woodPlanks(p, kPanel, QColor(120, 80, 50), 7, rng, true);
    // the poster
    QPainterPath paper;
    paper.moveTo(20, 10);
    for (double x = 20; x < 413; x += 12)
        paper.lineTo(x + 12, 10 + rng.bounded(4));
    for (double y = 10; y < 215; y += 12)
        paper.lineTo(413 + rng.bounded(4) - 2, y + 12);
    for (double x = 413; x > 20; x -= 12)
        paper.lineTo(x - 12, 215 - rng.bounded(4));
    for (double y = 215; y > 10; y -= 12)
        paper.lineTo(20 + rng.bounded(4) - 2, y - 12);
    paper.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(paper.translated(4, 5));
    QRadialGradient pg(QPointF(216, 110), 260);
    pg.setColorAt(0, QColor(250, 235, 195));
    pg.setColorAt(0.7, QColor(225, 195, 140));
    pg.setColorAt(1, QColor(170, 125, 70));
    p.setBrush(pg);
    p.drawPath(paper);
    // stains
    for (int i = 0; i < 8; ++i) {
        p.setBrush(QColor(150, 100, 50, 30));
        p.drawEllipse(QPointF(40 + rng.bounded(350), 30 + rng.bounded(160)), 8 + rng.bounded(16),
                      6 + rng.bounded(12));
    }
    const QColor ink(70, 35, 20);
    p.save();
    QFont title = font(Face::Serif, 30, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    centredText(p, QStringLiteral("РАЗЫСКИВАЕТСЯ"), title, QPointF(216, 38), ink);
    p.restore();
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(40, 62), QPointF(393, 62));
    // the mugshot
    const QRectF photo(40, 72, 130, 128);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(205, 180, 140));
    p.drawRect(photo);
    p.setPen(QPen(QColor(120, 90, 60), 1));
    for (double y = photo.top() + 16; y < photo.bottom(); y += 16)
        p.drawLine(QPointF(photo.left(), y), QPointF(photo.left() + 10, y));
    p.save();
    p.setClipRect(photo);
    GlassLook gl;
    gl.solidGlass = true;
    gl.fill = 0.0;
    gl.outline = QColor(60, 40, 30);
    gl.expr.mouth = Mouth::Smug;
    gl.expr.look = QPointF(-0.8, 0.2);
    gl.expr.browLift = -0.08;
    gl.expr.blush = false;
    gl.arms.show = false;
    glassBuddy(p, QPointF(photo.center().x(), photo.bottom() - 8), 104, gl);
    // sepia tone over the photo
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.fillRect(photo, QColor(230, 200, 150));
    p.restore();
    // the charges
    centredText(p, QStringLiteral("Стаканыч, он же «Гранёный»"), font(Face::Serif, 12, true, true),
                QPointF(294, 84), ink);
    centredText(p, QStringLiteral("за похищение закуски"), font(Face::Serif, 17, true),
                QPointF(296, 112), QColor(150, 30, 20));
    centredText(p, QStringLiteral("Особые приметы: гранёный,"), font(Face::Serif, 12, false, true),
                QPointF(296, 138), ink);
    centredText(p, QStringLiteral("нос красный, всегда наготове"),
                font(Face::Serif, 12, false, true), QPointF(296, 154), ink);
    centredText(p, QStringLiteral("НАГРАДА: 3 огурца"), font(Face::Serif, 19, true),
                QPointF(296, 186), ink);
    QRandomGenerator prng(11);
    pickle(p, QPointF(392, 203), 26, 10, -15, prng);
    // nails
    for (const QPointF &n :
         {QPointF(30, 20), QPointF(403, 20), QPointF(30, 205), QPointF(403, 205)}) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(150, 150, 150));
        p.drawEllipse(n, 3.5, 3.5);
    }
}

} // namespace

void addMainPicturesPart2(QList<Picture> &list)
{
    list.append({QStringLiteral("extra/bah.gif"), 140, 90, drawBah, true});
    list.append({QStringLiteral("extra/ogurchik.gif"), 110, 80, drawOgurchik, true});
    list.append({QStringLiteral("extra/ryumka.gif"), 80, 100, drawRyumka, true});
    list.append({QStringLiteral("extra/fon.jpg"), 500, 420, drawFon});
    list.append({QStringLiteral("extra/portret.gif"), 433, 225, drawPortret});
    list.append({QStringLiteral("extra/portret2.jpg"), 433, 225, drawPortret2});
}

void addPanelPictures(QList<Picture> &list)
{
    list.append({QStringLiteral("pics/stol.bmp"), 433, 225, drawStol});
    list.append({QStringLiteral("pics/butylka.bmp"), 433, 225, drawButylka});
    list.append({QStringLiteral("pics/kuhnya.bmp"), 433, 225, drawKuhnya});
    list.append({QStringLiteral("pics/zakat.jpg"), 433, 225, drawZakat});
    list.append({QStringLiteral("pics/stakany.jpg"), 433, 225, drawStakany});
    list.append({QStringLiteral("pics/seledka.jpg"), 433, 225, drawSeledka});
    list.append({QStringLiteral("pics/shashlyk.jpg"), 433, 225, drawShashlyk});
    list.append({QStringLiteral("pics/rassol.jpg"), 433, 225, drawRassol});
    list.append({QStringLiteral("pics/gitara.gif"), 433, 225, drawGitara});
    list.append({QStringLiteral("pics/ogurets.gif"), 433, 225, drawOgurets});
    list.append({QStringLiteral("pics/vecherinka.gif"), 433, 225, drawVecherinka});
    list.append({QStringLiteral("pics/kot.gif"), 433, 225, drawKot});
}

} // namespace pics
