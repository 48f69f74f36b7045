#include "paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pics {

QFont font(Face face, double pixelSize, bool bold, bool italic)
{
    QFont f;
    switch (face) {
    case Face::Sans:
        f.setFamily(QStringLiteral("DejaVu Sans"));
        break;
    case Face::SansCondensed:
        f.setFamily(QStringLiteral("DejaVu Sans Condensed"));
        break;
    case Face::Serif:
        f.setFamily(QStringLiteral("DejaVu Serif"));
        break;
    }
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath textPath(const QString &text, const QFont &f, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    path.translate(centre - b.center());
    return path;
}

void outlinedText(QPainter &p, const QString &text, const QFont &f, QPointF centre,
                  const QBrush &fill, const QColor &outline, double outlineWidth,
                  QPointF shadowOffset, QColor shadow)
{
    const QPainterPath path = textPath(text, f, centre);
    p.save();
    if (shadow.alpha() > 0) {
        p.setPen(QPen(shadow, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shadow);
        p.drawPath(path.translated(shadowOffset));
    }
    p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void centredText(QPainter &p, const QString &text, const QFont &f, QPointF centre,
                 const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(textPath(text, f, centre));
    p.restore();
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor lighter(const QColor &c, double t)
{
    QColor w(255, 255, 255, c.alpha());
    return mix(c, w, t);
}

QColor darker(const QColor &c, double t)
{
    QColor k(0, 0, 0, c.alpha());
    return mix(c, k, t);
}

void groundShadow(QPainter &p, QPointF centre, double rx, double ry, int alpha)
{
    QRadialGradient g(0, 0, 1);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(0.6, QColor(0, 0, 0, alpha * 2 / 3));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(centre);
    p.scale(rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

namespace {

// A closed path through 2 × points corners around centre; corner i lies at the
// angle phase + π·i/points and at the distance radius(i), its height scaled.
template <typename Radius>
QPainterPath starPath(QPointF centre, int points, double phase, double yScale, Radius radius)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = phase + M_PI * i / points;
        const double r = radius(i);
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a) * yScale);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QPainterPath burst(QPointF centre, double rOuter, double rInner, int points, QRandomGenerator &rng,
                   double jitter, double phase)
{
    return starPath(centre, points, phase, 0.8, [&](int i) {
        const double r = (i % 2 == 0) ? rOuter : rInner;
        return r * (1.0 - jitter + 2 * jitter * rng.generateDouble());
    });
}

QPainterPath star(QPointF centre, double r, double inner, double rotation)
{
    return starPath(centre, 5, rotation - M_PI / 2, 1.0,
                    [&](int i) { return (i % 2 == 0) ? r : r * inner; });
}

void woodPlanks(QPainter &p, const QRectF &r, const QColor &base, int planks, QRandomGenerator &rng,
                bool vertical)
{
    p.save();
    p.setClipRect(r);
    const double span = vertical ? r.width() : r.height();
    const double step = span / planks;
    for (int i = 0; i < planks; ++i) {
        QRectF pr = vertical ? QRectF(r.left() + i * step, r.top(), step, r.height())
                             : QRectF(r.left(), r.top() + i * step, r.width(), step);
        const double shade = 0.85 + 0.25 * rng.generateDouble();
        QColor c = base;
        c = shade > 1 ? lighter(c, shade - 1) : darker(c, 1 - shade);
        QLinearGradient g(pr.topLeft(), vertical ? pr.topRight() : pr.bottomLeft());
        g.setColorAt(0, lighter(c, 0.08));
        g.setColorAt(1, darker(c, 0.1));
        p.fillRect(pr, g);
        // grain: long wavy lines along the plank
        const int lines = 5 + rng.bounded(4);
        for (int l = 0; l < lines; ++l) {
            QPainterPath grain;
            const double off = rng.generateDouble() * step;
            const double amp = 0.5 + rng.generateDouble() * 1.5;
            const double freq = 0.01 + rng.generateDouble() * 0.03;
            const double ph = rng.generateDouble() * 6;
            const double len = vertical ? r.height() : r.width();
            for (double t = 0; t <= len; t += 4) {
                const double w = off + amp * std::sin(t * freq + ph);
                const QPointF pt = vertical ? QPointF(pr.left() + w, r.top() + t)
                                            : QPointF(r.left() + t, pr.top() + w);
                if (t == 0)
                    grain.moveTo(pt);
                else
                    grain.lineTo(pt);
            }
            p.setPen(QPen(darker(c, 0.12 + 0.12 * rng.generateDouble()), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawPath(grain);
        }
        // an occasional knot
        if (rng.bounded(3) == 0) {
            const double len = vertical ? r.height() : r.width();
            const double t = len * (0.1 + 0.8 * rng.generateDouble());
            const QPointF kc = vertical ? QPointF(pr.center().x(), r.top() + t)
                                        : QPointF(r.left() + t, pr.center().y());
            p.setPen(QPen(darker(c, 0.3), 1));
            p.setBrush(darker(c, 0.15));
            const double kr = step * 0.14;
            p.drawEllipse(kc, vertical ? kr : kr * 2.2, vertical ? kr * 2.2 : kr);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(kc, vertical ? kr * 1.8 : kr * 3.4, vertical ? kr * 3.4 : kr * 1.8);
        }
        p.setPen(QPen(darker(base, 0.45), 1.2));
        if (vertical)
            p.drawLine(QPointF(pr.left(), r.top()), QPointF(pr.left(), r.bottom()));
        else
            p.drawLine(QPointF(r.left(), pr.top()), QPointF(r.right(), pr.top()));
    }
    p.restore();
}

void tableTop(QPainter &p, const QRectF &top, double edge, const QColor &base,
              QRandomGenerator &rng)
{
    woodPlanks(p, top, base, 4, rng);
    QLinearGradient light(top.topLeft(), top.bottomLeft());
    light.setColorAt(0, QColor(0, 0, 0, 60));
    light.setColorAt(0.3, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(255, 240, 220, 30));
    p.fillRect(top, light);
    if (edge > 0) {
        QRectF e(top.left(), top.bottom(), top.width(), edge);
        QLinearGradient g(e.topLeft(), e.bottomLeft());
        g.setColorAt(0, lighter(base, 0.15));
        g.setColorAt(0.15, darker(base, 0.25));
        g.setColorAt(1, darker(base, 0.55));
        p.fillRect(e, g);
    }
    p.setPen(QPen(darker(base, 0.5), 1.5));
    p.drawLine(top.topLeft(), top.topRight());
}

void rays(QPainter &p, const QRectF &r, QPointF centre, int count, const QColor &a, const QColor &b,
          double phase)
{
    p.save();
    p.setClipRect(r);
    p.fillRect(r, a);
    const double rad = std::hypot(r.width(), r.height()) * 1.5;
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    for (int i = 0; i < count; ++i) {
        const double a0 = phase + 2 * M_PI * i / count;
        const double a1 = a0 + M_PI / count;
        QPainterPath w;
        w.moveTo(centre);
        w.lineTo(centre + QPointF(std::cos(a0), std::sin(a0)) * rad);
        w.lineTo(centre + QPointF(std::cos(a1), std::sin(a1)) * rad);
        w.closeSubpath();
        p.drawPath(w);
    }
    p.restore();
}

void speechBubble(QPainter &p, const QRectF &r, QPointF tip, const QString &text, const QFont &f,
                  const QColor &fill, const QColor &ink)
{
    QPainterPath body;
    body.addRoundedRect(r, r.height() * 0.45, r.height() * 0.45);
    QPainterPath tail;
    const QPointF c = r.center();
    const QPointF d = tip - c;
    const QPointF n(-d.y(), d.x());
    const double len = std::hypot(n.x(), n.y());
    const QPointF nn = n / len * (r.height() * 0.18);
    tail.moveTo(c + nn);
    tail.lineTo(tip);
    tail.lineTo(c - nn);
    tail.closeSubpath();
    const QPainterPath shape = body.united(tail);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(shape.translated(2, 3));
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
    p.restore();
    centredText(p, text, f, r.center(), ink);
}

void nightSky(QPainter &p, const QRectF &r, QRandomGenerator &rng, int stars)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(12, 18, 52));
    g.setColorAt(0.6, QColor(30, 44, 100));
    g.setColorAt(1, QColor(70, 70, 130));
    p.fillRect(r, g);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < stars; ++i) {
        const QPointF pt(r.left() + rng.generateDouble() * r.width(),
                         r.top() + rng.generateDouble() * r.height() * 0.85);
        const double s = 0.5 + rng.generateDouble() * 1.3;
        p.setBrush(QColor(255, 255, 220, 120 + rng.bounded(135)));
        if (s > 1.5)
            p.drawPath(star(pt, s * 1.8, 0.4, rng.generateDouble()));
        else
            p.drawEllipse(pt, s * 0.7, s * 0.7);
    }
    p.restore();
}

void moon(QPainter &p, QPointF centre, double r)
{
    p.save();
    QRadialGradient glow(centre, r * 3);
    glow.setColorAt(0, QColor(255, 250, 200, 110));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, r * 3, r * 3);
    QPainterPath full;
    full.addEllipse(centre, r, r);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(r * 0.55, -r * 0.25), r * 0.9, r * 0.9);
    QRadialGradient mg(centre - QPointF(r * 0.4, r * 0.3), r * 1.4);
    mg.setColorAt(0, QColor(255, 252, 220));
    mg.setColorAt(1, QColor(240, 215, 120));
    p.setBrush(mg);
    p.drawPath(full.subtracted(bite));
    p.restore();
}

void goldFrame(QPainter &p, const QRectF &inner, double width, const QColor &base)
{
    const QRectF outer = inner.adjusted(-width, -width, width, width);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRect(outer.translated(3, 4));
    // four bevelled sides, each lit differently
    auto side = [&](QPolygonF poly, double shade, QPointF g0, QPointF g1) {
        QLinearGradient g(g0, g1);
        QColor c = shade > 0 ? lighter(base, shade) : darker(base, -shade);
        g.setColorAt(0, darker(c, 0.25));
        g.setColorAt(0.45, lighter(c, 0.35));
        g.setColorAt(0.55, c);
        g.setColorAt(1, darker(c, 0.35));
        p.setBrush(g);
        p.drawPolygon(poly);
    };
    side(QPolygonF({outer.topLeft(), outer.topRight(), inner.topRight(), inner.topLeft()}), 0.15,
         outer.topLeft(), QPointF(outer.left(), inner.top()));
    side(QPolygonF(
             {outer.bottomLeft(), outer.bottomRight(), inner.bottomRight(), inner.bottomLeft()}),
         -0.2, QPointF(outer.left(), inner.bottom()), outer.bottomLeft());
    side(QPolygonF({outer.topLeft(), inner.topLeft(), inner.bottomLeft(), outer.bottomLeft()}),
         0.05, outer.topLeft(), QPointF(inner.left(), outer.top()));
    side(QPolygonF({outer.topRight(), inner.topRight(), inner.bottomRight(), outer.bottomRight()}),
         -0.1, QPointF(inner.right(), outer.top()), outer.topRight());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(darker(base, 0.6), 1.2));
    p.drawRect(outer);
    p.drawRect(inner);
    p.setPen(QPen(lighter(base, 0.5), 1));
    p.drawRect(outer.adjusted(width * 0.3, width * 0.3, -width * 0.3, -width * 0.3));
    p.restore();
}

void confetti(QPainter &p, const QRectF &r, int count, QRandomGenerator &rng)
{
    static const QColor colours[] = {QColor(230, 60, 60),  QColor(250, 200, 40),
                                     QColor(60, 170, 230), QColor(90, 200, 90),
                                     QColor(200, 90, 220), QColor(255, 130, 40)};
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF pt(r.left() + rng.generateDouble() * r.width(),
                         r.top() + rng.generateDouble() * r.height());
        p.save();
        p.translate(pt);
        p.rotate(rng.bounded(360));
        p.setBrush(colours[rng.bounded(6)]);
        if (rng.bounded(3) == 0)
            p.drawEllipse(QPointF(0, 0), 2.2, 2.2);
        else
            p.drawRect(QRectF(-3.5, -1.5, 7, 3));
        p.restore();
    }
    p.restore();
}

QImage dieCut(const QImage &art, int border)
{
    const QImage a = art.convertToFormat(QImage::Format_ARGB32);
    const int w = a.width(), h = a.height();
    auto at = [w](int x, int y) { return qsizetype(y) * w + x; };
    // Everything drawn (at least half opaque), grown by the border: the cut.
    QList<bool> cut(qsizetype(w) * h, false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (qAlpha(a.pixel(x, y)) < 128)
                continue;
            for (int dy = -border; dy <= border; ++dy)
                for (int dx = -border; dx <= border; ++dx) {
                    const int u = x + dx, v = y + dy;
                    if (dx * dx + dy * dy <= border * border && u >= 0 && v >= 0 && u < w && v < h)
                        cut[at(u, v)] = true;
                }
        }
    QImage out(w, h, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!cut[at(x, y)])
                continue;
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1 || !cut[at(x - 1, y)] ||
                              !cut[at(x + 1, y)] || !cut[at(x, y - 1)] || !cut[at(x, y + 1)];
            out.setPixel(x, y, edge ? qRgb(165, 165, 170) : qRgb(255, 255, 255));
        }
    QPainter p(&out);
    p.drawImage(0, 0, a);
    return out;
}

} // namespace pics
