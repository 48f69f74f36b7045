#include "figures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pics {

namespace {

QPen inkPen(const QColor &c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void eye(QPainter &p, QPointF c, double s, const Expression &e, const QColor &ink, bool closed,
         bool happyClosed)
{
    const double rx = 0.3 * s;
    const double ry = 0.4 * s;
    if (closed) {
        QPainterPath arc;
        if (happyClosed) {
            arc.moveTo(c + QPointF(-rx, ry * 0.2));
            arc.quadTo(c + QPointF(0, -ry * 0.9), c + QPointF(rx, ry * 0.2));
        } else {
            arc.moveTo(c + QPointF(-rx, 0));
            arc.quadTo(c + QPointF(0, ry * 0.7), c + QPointF(rx, 0));
        }
        p.setPen(inkPen(ink, s * 0.09));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        return;
    }
    QRadialGradient white(c - QPointF(rx * 0.3, ry * 0.4), ry * 1.3);
    white.setColorAt(0, QColor(255, 255, 255));
    white.setColorAt(1, QColor(215, 222, 235));
    p.setPen(inkPen(ink, s * 0.07));
    p.setBrush(white);
    p.drawEllipse(c, rx, ry);
    const QPointF pc = c + QPointF(e.look.x() * rx * 0.45, e.look.y() * ry * 0.45 + ry * 0.1);
    const double pr = rx * 0.55;
    QRadialGradient iris(pc, pr);
    iris.setColorAt(0, QColor(20, 20, 30));
    iris.setColorAt(0.7, QColor(45, 35, 30));
    iris.setColorAt(1, QColor(80, 60, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(pc, pr, pr * 1.1);
    p.setBrush(Qt::white);
    p.drawEllipse(pc + QPointF(-pr * 0.35, -pr * 0.4), pr * 0.32, pr * 0.32);
    p.drawEllipse(pc + QPointF(pr * 0.35, pr * 0.35), pr * 0.13, pr * 0.13);
}

} // namespace

void face(QPainter &p, QPointF c, double s, const Expression &e, const QColor &ink)
{
    p.save();
    const QPointF le = c + QPointF(-0.42 * s, -0.28 * s);
    const QPointF re = c + QPointF(0.42 * s, -0.28 * s);
    if (e.blush) {
        for (double side : {-1.0, 1.0}) {
            QRadialGradient g(c + QPointF(side * 0.82 * s, 0.18 * s), 0.3 * s);
            g.setColorAt(0, QColor(255, 110, 120, 150));
            g.setColorAt(1, QColor(255, 110, 120, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c + QPointF(side * 0.82 * s, 0.18 * s), 0.32 * s, 0.24 * s);
        }
    }
    eye(p, le, s, e, ink, e.eyesClosed || e.winkLeft, e.winkLeft && !e.eyesClosed);
    eye(p, re, s, e, ink, e.eyesClosed, false);
    if (e.brows) {
        p.setPen(inkPen(ink, s * 0.09));
        p.setBrush(Qt::NoBrush);
        for (double side : {-1.0, 1.0}) {
            const QPointF bc = (side < 0 ? le : re) + QPointF(0, -0.58 * s - e.browLift * s);
            QPainterPath b;
            const double tilt = e.browLift < 0 ? 0.12 * s : -0.04 * s;
            b.moveTo(bc + QPointF(-0.26 * s, side * tilt + 0.05 * s));
            b.quadTo(bc + QPointF(0, -0.12 * s), bc + QPointF(0.26 * s, -side * tilt + 0.05 * s));
            p.drawPath(b);
        }
    }
    // a small red nose, the buddy's trademark
    const QPointF nc = c + QPointF(0, 0.08 * s);
    QRadialGradient ng(nc - QPointF(0.05 * s, 0.06 * s), 0.2 * s);
    ng.setColorAt(0, QColor(255, 150, 140));
    ng.setColorAt(1, QColor(215, 60, 60));
    p.setPen(inkPen(darker(QColor(200, 50, 50), 0.3), s * 0.04));
    p.setBrush(ng);
    p.drawEllipse(nc, 0.15 * s, 0.13 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(nc + QPointF(-0.05 * s, -0.05 * s), 0.04 * s, 0.03 * s);

    if (e.moustache) {
        p.setPen(inkPen(QColor(60, 35, 20), s * 0.03));
        p.setBrush(QColor(90, 55, 30));
        for (double side : {-1.0, 1.0}) {
            QPainterPath m;
            m.moveTo(nc + QPointF(0, 0.1 * s));
            m.cubicTo(nc + QPointF(side * 0.25 * s, 0.0 * s), nc + QPointF(side * 0.5 * s, 0.3 * s),
                      nc + QPointF(side * 0.7 * s, 0.05 * s));
            m.cubicTo(nc + QPointF(side * 0.55 * s, 0.38 * s),
                      nc + QPointF(side * 0.2 * s, 0.3 * s), nc + QPointF(0, 0.17 * s));
            m.closeSubpath();
            p.drawPath(m);
        }
    }

    const QPointF mc = c + QPointF(0, 0.42 * s);
    const QColor mouthInk(110, 20, 30);
    p.setPen(inkPen(ink, s * 0.08));
    switch (e.mouth) {
    case Mouth::Smile: {
        QPainterPath m;
        m.moveTo(mc + QPointF(-0.4 * s, -0.05 * s));
        m.quadTo(mc + QPointF(0, 0.35 * s), mc + QPointF(0.4 * s, -0.05 * s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
        break;
    }
    case Mouth::Smug: {
        QPainterPath m;
        m.moveTo(mc + QPointF(-0.3 * s, 0.08 * s));
        m.quadTo(mc + QPointF(0.1 * s, 0.22 * s), mc + QPointF(0.38 * s, -0.08 * s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
        break;
    }
    case Mouth::Sleepy: {
        QPainterPath m;
        m.moveTo(mc + QPointF(-0.18 * s, 0.05 * s));
        m.quadTo(mc + QPointF(0, 0.14 * s), mc + QPointF(0.18 * s, 0.05 * s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
        break;
    }
    case Mouth::Oh: {
        p.setBrush(mouthInk);
        p.drawEllipse(mc + QPointF(0, 0.1 * s), 0.14 * s, 0.18 * s);
        break;
    }
    case Mouth::Open:
    case Mouth::Grin: {
        const double w = e.mouth == Mouth::Grin ? 0.5 * s : 0.42 * s;
        QPainterPath m;
        m.moveTo(mc + QPointF(-w, -0.06 * s));
        m.quadTo(mc + QPointF(0, 0.06 * s), mc + QPointF(w, -0.06 * s));
        m.cubicTo(mc + QPointF(w * 0.9, 0.45 * s), mc + QPointF(-w * 0.9, 0.45 * s),
                  mc + QPointF(-w, -0.06 * s));
        m.closeSubpath();
        p.setBrush(mouthInk);
        p.drawPath(m);
        p.save();
        p.setClipPath(m);
        p.setPen(Qt::NoPen);
        if (e.mouth == Mouth::Grin) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(mc.x() - w, mc.y() - 0.1 * s, 2 * w, 0.17 * s));
        }
        p.setBrush(QColor(240, 110, 120));
        p.drawEllipse(mc + QPointF(0.04 * s, 0.34 * s), 0.25 * s, 0.16 * s);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawPath(m);
        break;
    }
    }
    p.restore();
}

void arm(QPainter &p, QPointF shoulder, QPointF hand, double thick, const QColor &ink, bool bendUp)
{
    p.save();
    const QPointF mid = (shoulder + hand) / 2;
    const QPointF d = hand - shoulder;
    QPointF n(-d.y(), d.x());
    n /= std::hypot(n.x(), n.y());
    if ((n.y() > 0) == bendUp)
        n = -n;
    const QPointF ctrl = mid + n * std::hypot(d.x(), d.y()) * 0.25;
    QPainterPath a;
    a.moveTo(shoulder);
    a.quadTo(ctrl, hand);
    p.setPen(inkPen(ink, thick));
    p.setBrush(Qt::NoBrush);
    p.drawPath(a);
    // a white cartoon glove
    const double r = thick * 1.45;
    QRadialGradient g(hand - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(210, 215, 225));
    p.setPen(inkPen(ink, thick * 0.35));
    p.setBrush(g);
    const QPointF dir = d / std::hypot(d.x(), d.y());
    p.drawEllipse(hand + QPointF(-dir.y(), dir.x()) * r * 0.75 * (bendUp ? -1 : 1), r * 0.45,
                  r * 0.45);
    p.drawEllipse(hand, r, r);
    p.restore();
}

void glassBuddy(QPainter &p, QPointF base, double h, const GlassLook &look)
{
    p.save();
    const double cx = base.x();
    const double top = base.y() - h;
    const double wt = 0.74 * h;
    const double wb = 0.58 * h;
    const double ry = 0.075 * h;
    const double ryb = ry * wb / wt;
    const double yb = base.y() - ryb;
    auto hw = [&](double y) { return wt / 2 + (wb / 2 - wt / 2) * (y - top) / (yb - top); };
    auto ryAt = [&](double y) { return ry * hw(y) / (wt / 2); };
    const QColor ink = look.outline;

    groundShadow(p, QPointF(cx + h * 0.06, base.y() - ryb * 0.2), wb * 0.72, ryb * 1.9, 110);

    QPainterPath body;
    const QRectF rectT(cx - wt / 2, top - ry, wt, 2 * ry);
    const QRectF rectB(cx - wb / 2, yb - ryb, wb, 2 * ryb);
    body.moveTo(cx - wt / 2, top);
    body.lineTo(cx - wb / 2, yb);
    body.arcTo(rectB, 180, 180);
    body.lineTo(cx + wt / 2, top);
    body.arcTo(rectT, 0, 180);
    body.closeSubpath();

    // glass body
    QLinearGradient gg(cx - wt / 2, 0, cx + wt / 2, 0);
    if (look.solidGlass) {
        gg.setColorAt(0, QColor(150, 185, 205));
        gg.setColorAt(0.22, QColor(235, 248, 252));
        gg.setColorAt(0.5, QColor(205, 228, 238));
        gg.setColorAt(0.85, QColor(170, 200, 215));
        gg.setColorAt(1, QColor(130, 165, 185));
    } else {
        gg.setColorAt(0, QColor(120, 160, 185, 190));
        gg.setColorAt(0.22, QColor(240, 250, 255, 150));
        gg.setColorAt(0.5, QColor(200, 228, 240, 90));
        gg.setColorAt(0.85, QColor(150, 190, 210, 130));
        gg.setColorAt(1, QColor(110, 150, 175, 190));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(gg);
    p.drawPath(body);

    // liquid inside
    const double wall = 0.03 * h;
    const double bottomT = 0.11 * h;
    const double yIn = yb - bottomT;
    if (look.fill > 0.01) {
        const double yl = yIn - (yIn - (top + ry)) * look.fill;
        const double hl = hw(yl) - wall;
        const double hi = hw(yIn) - wall;
        const double ryl = ryAt(yl) * hl / hw(yl);
        const double ryi = ryAt(yIn) * hi / hw(yIn);
        QPainterPath liq;
        liq.moveTo(cx - hl, yl);
        liq.lineTo(cx - hi, yIn);
        liq.arcTo(QRectF(cx - hi, yIn - ryi, 2 * hi, 2 * ryi), 180, 180);
        liq.lineTo(cx + hl, yl);
        liq.arcTo(QRectF(cx - hl, yl - ryl, 2 * hl, 2 * ryl), 0, 180);
        liq.closeSubpath();
        QLinearGradient lg(0, yl, 0, yIn);
        QColor lc = look.liquid;
        if (look.solidGlass)
            lc.setAlpha(255);
        lg.setColorAt(0, lighter(lc, 0.2));
        lg.setColorAt(1, darker(lc, 0.12));
        p.setBrush(lg);
        p.drawPath(liq);
        QColor surf = lighter(lc, 0.5);
        surf.setAlpha(qMin(255, lc.alpha() + 90));
        p.setBrush(surf);
        p.setPen(QPen(darker(lc, 0.25), h * 0.008));
        p.drawEllipse(QPointF(cx, yl), hl, ryl);
        p.setPen(Qt::NoPen);
    }

    // thick bottom
    {
        const double hi = hw(yIn);
        QPainterPath thick;
        thick.moveTo(cx - hi, yIn);
        thick.lineTo(cx - wb / 2, yb);
        thick.arcTo(rectB, 180, 180);
        thick.lineTo(cx + hi, yIn);
        thick.arcTo(QRectF(cx - hi, yIn - ryAt(yIn), 2 * hi, 2 * ryAt(yIn)), 0, -180);
        thick.closeSubpath();
        p.setBrush(QColor(120, 170, 175, look.solidGlass ? 150 : 90));
        p.drawPath(thick);
        p.setPen(QPen(QColor(ink.red(), ink.green(), ink.blue(), 110), h * 0.01));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(cx - hi, yIn - ryAt(yIn), 2 * hi, 2 * ryAt(yIn)), 180 * 16, 180 * 16);
        p.setPen(Qt::NoPen);
    }

    // facets: eight visible faces with arched ends under the smooth rim band
    const double yF0 = top + 0.2 * h;
    const double yF1 = yIn - 0.015 * h;
    const int n = 8;
    auto edge = [&](int k, double y) {
        const double phi = -M_PI / 2 + M_PI * k / n;
        return QPointF(cx + std::sin(phi) * hw(y) * 0.985, y + std::cos(phi) * ryAt(y));
    };
    for (int k = 0; k < n; ++k) {
        const double mid = -M_PI / 2 + M_PI * (k + 0.5) / n;
        const double light = std::cos(mid + 0.7); // light from the upper left
        const QPointF a0 = edge(k, yF0), b0 = edge(k + 1, yF0);
        const QPointF a1 = edge(k, yF1), b1 = edge(k + 1, yF1);
        const double w = std::abs(b0.x() - a0.x());
        QPainterPath strip;
        strip.moveTo(a1);
        strip.lineTo(a0);
        strip.quadTo((a0 + b0) / 2 + QPointF(0, -w * 0.9), b0);
        strip.lineTo(b1);
        strip.quadTo((a1 + b1) / 2 + QPointF(0, w * 0.7), a1);
        strip.closeSubpath();
        QColor c = light > 0 ? QColor(255, 255, 255, int(90 * light))
                             : QColor(40, 80, 110, int(-70 * light));
        QLinearGradient sg(0, yF0, 0, yF1);
        sg.setColorAt(0, c);
        QColor c2 = c;
        c2.setAlpha(c.alpha() / 3);
        sg.setColorAt(1, c2);
        p.setBrush(sg);
        p.setPen(QPen(QColor(ink.red(), ink.green(), ink.blue(), 80), h * 0.007));
        p.drawPath(strip);
    }
    // the rim band's lower edge
    p.setPen(QPen(QColor(ink.red(), ink.green(), ink.blue(), 70), h * 0.008));
    p.setBrush(Qt::NoBrush);
    const double yR = top + 0.13 * h;
    p.drawArc(QRectF(cx - hw(yR), yR - ryAt(yR), 2 * hw(yR), 2 * ryAt(yR)), 190 * 16, 160 * 16);

    // highlights
    p.setPen(Qt::NoPen);
    {
        QPainterPath hl;
        const double y0 = top + 0.05 * h, y1 = yb - 0.05 * h;
        hl.moveTo(cx - hw(y0) * 0.78, y0 + ry * 0.6);
        hl.lineTo(cx - hw(y0) * 0.62, y0 + ry * 0.7);
        hl.lineTo(cx - hw(y1) * 0.58, y1);
        hl.lineTo(cx - hw(y1) * 0.72, y1 - ry * 0.1);
        hl.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawPath(hl);
        QPainterPath hl2;
        hl2.moveTo(cx + hw(y0) * 0.78, y0 + ry * 0.6);
        hl2.lineTo(cx + hw(y0) * 0.86, y0 + ry * 0.5);
        hl2.lineTo(cx + hw(y1) * 0.84, y1 - ry * 0.3);
        hl2.lineTo(cx + hw(y1) * 0.77, y1 - ry * 0.2);
        hl2.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawPath(hl2);
    }

    // opening and outline
    QLinearGradient og(0, top - ry, 0, top + ry);
    og.setColorAt(0, QColor(150, 185, 205, look.solidGlass ? 255 : 170));
    og.setColorAt(1, QColor(225, 242, 250, look.solidGlass ? 255 : 150));
    p.setBrush(og);
    p.setPen(inkPen(ink, h * 0.022));
    p.drawEllipse(rectT);
    p.setPen(inkPen(QColor(255, 255, 255, 200), h * 0.012));
    p.drawArc(rectT.adjusted(h * 0.02, h * 0.012, -h * 0.02, -h * 0.012), 200 * 16, 60 * 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(ink, h * 0.028));
    p.drawPath(body);

    const double yArm = top + 0.5 * h;
    const QPointF fc(cx, top + 0.5 * h);
    if (look.arms.show) {
        const double thick = h * 0.04;
        arm(p, QPointF(cx - hw(yArm) + thick * 0.3, yArm), fc + look.arms.left * h, thick, ink,
            look.arms.leftHandUp);
        arm(p, QPointF(cx + hw(yArm) - thick * 0.3, yArm), fc + look.arms.right * h, thick, ink,
            look.arms.rightHandUp);
    }
    if (look.face)
        face(p, fc, h * 0.36, look.expr, ink);
    p.restore();
}

void bottle(QPainter &p, QPointF base, double h, const BottleLook &look)
{
    p.save();
    const double cx = base.x(), by = base.y();
    const double w = 0.34 * h, nw = 0.12 * h, r = 0.05 * h;
    const double yS = by - 0.55 * h, yN = by - 0.76 * h, yT = by - 0.92 * h, yTop = by - h;
    QPainterPath body;
    body.moveTo(cx - w / 2, by - r);
    body.lineTo(cx - w / 2, yS);
    body.cubicTo(cx - w / 2, yS - 0.12 * h, cx - nw / 2, yN + 0.06 * h, cx - nw / 2, yN);
    body.lineTo(cx - nw / 2, yT);
    body.lineTo(cx + nw / 2, yT);
    body.lineTo(cx + nw / 2, yN);
    body.cubicTo(cx + nw / 2, yN + 0.06 * h, cx + w / 2, yS - 0.12 * h, cx + w / 2, yS);
    body.lineTo(cx + w / 2, by - r);
    body.quadTo(cx + w / 2, by, cx + w / 2 - r, by);
    body.quadTo(cx, by + 0.02 * h, cx - w / 2 + r, by);
    body.quadTo(cx - w / 2, by, cx - w / 2, by - r);
    body.closeSubpath();

    groundShadow(p, QPointF(cx + w * 0.15, by), w * 0.75, w * 0.14, 110);

    QLinearGradient gg(cx - w / 2, 0, cx + w / 2, 0);
    const QColor gc = look.glass;
    gg.setColorAt(0, darker(gc, 0.3));
    gg.setColorAt(0.2, lighter(gc, 0.6));
    gg.setColorAt(0.5, gc);
    gg.setColorAt(1, darker(gc, 0.35));
    p.setPen(Qt::NoPen);
    p.setBrush(gg);
    p.drawPath(body);

    if (!look.empty && look.fill > 0) {
        const double yl = by - (by - yN) * look.fill;
        p.save();
        p.setClipPath(body);
        QLinearGradient lg(cx - w / 2, 0, cx + w / 2, 0);
        lg.setColorAt(0, darker(look.liquid, 0.2));
        lg.setColorAt(0.3, lighter(look.liquid, 0.4));
        lg.setColorAt(1, darker(look.liquid, 0.25));
        p.setBrush(lg);
        p.drawRect(QRectF(cx - w, yl, 2 * w, by - yl + 5));
        p.setPen(QPen(QColor(255, 255, 255, 160), h * 0.008));
        p.drawLine(QPointF(cx - w, yl), QPointF(cx + w, yl));
        p.restore();
    }

    // label wrapped around the body
    const double l0 = look.face ? by - 0.3 * h : by - 0.44 * h;
    const double l1 = by - 0.08 * h;
    const double sag = 0.025 * h;
    QPainterPath label;
    label.moveTo(cx - w / 2, l0);
    label.quadTo(cx, l0 + sag * 2, cx + w / 2, l0);
    label.lineTo(cx + w / 2, l1);
    label.quadTo(cx, l1 + sag * 2, cx - w / 2, l1);
    label.closeSubpath();
    QLinearGradient lg(cx - w / 2, 0, cx + w / 2, 0);
    lg.setColorAt(0, darker(look.labelColour, 0.3));
    lg.setColorAt(0.25, look.labelColour);
    lg.setColorAt(0.6, look.labelColour);
    lg.setColorAt(1, darker(look.labelColour, 0.35));
    p.setBrush(lg);
    p.drawPath(label);
    p.save();
    p.setClipPath(label);
    p.setBrush(look.labelInk);
    QPainterPath band;
    band.moveTo(cx - w / 2, l0);
    band.quadTo(cx, l0 + sag * 2, cx + w / 2, l0);
    band.lineTo(cx + w / 2, l0 + 0.03 * h);
    band.quadTo(cx, l0 + 0.03 * h + sag * 2, cx - w / 2, l0 + 0.03 * h);
    band.closeSubpath();
    p.drawPath(band);
    p.drawPath(band.translated(0, (l1 - l0) - 0.03 * h));
    p.restore();
    const double lh = l1 - l0;
    QFont lf = font(Face::Serif, lh * 0.26);
    QPainterPath text = textPath(look.label, lf, QPointF(cx, l0 + lh * 0.45 + sag));
    const QRectF tb = text.boundingRect();
    const double maxW = w * 0.64;
    if (tb.width() > maxW) {
        QTransform t;
        t.translate(cx, tb.center().y());
        t.scale(maxW / tb.width(), 1);
        t.translate(-cx, -tb.center().y());
        text = t.map(text);
    }
    p.setBrush(look.labelInk);
    p.drawPath(text);
    if (!look.subLabel.isEmpty())
        centredText(p, look.subLabel, font(Face::Serif, lh * 0.14, false, true),
                    QPointF(cx, l0 + lh * 0.74 + sag), darker(look.labelInk, 0.2));

    // neck ring and cap (the tear-off foil cap)
    QRectF ring(cx - nw / 2 - 0.005 * h, yN - 0.06 * h, nw + 0.01 * h, 0.05 * h);
    p.setBrush(look.labelColour);
    p.setPen(QPen(darker(look.labelColour, 0.5), h * 0.005));
    p.drawRect(ring);
    p.setPen(Qt::NoPen);
    p.setBrush(look.labelInk);
    p.drawRect(ring.adjusted(0, ring.height() * 0.4, 0, -ring.height() * 0.4));
    QRectF cap(cx - nw / 2 - 0.008 * h, yTop, nw + 0.016 * h, yT - yTop + 0.02 * h);
    QLinearGradient cg(cap.left(), 0, cap.right(), 0);
    cg.setColorAt(0, darker(look.cap, 0.35));
    cg.setColorAt(0.3, lighter(look.cap, 0.35));
    cg.setColorAt(1, darker(look.cap, 0.4));
    p.setBrush(cg);
    p.setPen(inkPen(darker(look.cap, 0.6), h * 0.008));
    p.drawRoundedRect(cap, h * 0.012, h * 0.012);
    p.setPen(QPen(darker(look.cap, 0.3), h * 0.004));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(cap.left() + 1, cap.top() + cap.height() * i / 4),
                   QPointF(cap.right() - 1, cap.top() + cap.height() * i / 4));
    // foil tongue
    p.setBrush(cg);
    p.setPen(inkPen(darker(look.cap, 0.6), h * 0.006));
    QPainterPath tongue;
    tongue.moveTo(cap.right() - 1, cap.top() + cap.height() * 0.5);
    tongue.quadTo(cap.right() + 0.05 * h, cap.top() + cap.height() * 0.55, cap.right() + 0.04 * h,
                  cap.bottom() + 0.03 * h);
    tongue.lineTo(cap.right() - 1, cap.bottom() - 1);
    p.drawPath(tongue);

    // highlights and outline
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(cx - w * 0.36, yS + 0.02 * h, w * 0.08, by - yS - 0.06 * h), w * 0.04,
                      w * 0.04);
    p.drawRoundedRect(QRectF(cx - nw * 0.3, yT + 0.01 * h, nw * 0.16, yN - yT - 0.08 * h), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(QColor(35, 55, 70), h * 0.015));
    p.drawPath(body);

    if (look.face)
        face(p, QPointF(cx, by - 0.43 * h), w * 0.42, look.expr, QColor(35, 45, 60));
    p.restore();
}

void pickle(QPainter &p, QPointF c, double len, double thick, double angle, QRandomGenerator &rng,
            bool withFace, const Expression &e)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const int steps = 40;
    const double bend = thick * 0.25;
    QPolygonF upper, lower;
    for (int i = 0; i <= steps; ++i) {
        const double u = -1 + 2.0 * i / steps;
        const double x = u * len / 2;
        const double prof = std::pow(qMax(0.0, 1 - u * u), 0.45);
        const double bumps = 1 + 0.05 * std::sin(u * 23 + 1) + 0.03 * std::sin(u * 41);
        const double t = thick / 2 * prof * bumps * (1 - 0.08 * u);
        const double axis = -bend * (1 - u * u);
        upper << QPointF(x, axis - t);
        lower << QPointF(x, axis + t);
    }
    QPainterPath path;
    path.moveTo(upper.first());
    for (int i = 1; i < upper.size(); ++i)
        path.lineTo(upper[i]);
    for (int i = lower.size() - 1; i >= 0; --i)
        path.lineTo(lower[i]);
    path.closeSubpath();

    QLinearGradient g(0, -bend - thick / 2, 0, thick / 2);
    g.setColorAt(0, QColor(150, 200, 70));
    g.setColorAt(0.35, QColor(95, 160, 50));
    g.setColorAt(1, QColor(35, 85, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.save();
    p.setClipPath(path);
    // lengthwise light stripes
    p.setPen(QPen(QColor(190, 230, 120, 70), thick * 0.06));
    for (double off : {-0.22, 0.05, 0.28}) {
        QPainterPath s;
        for (int i = 0; i <= steps; ++i) {
            const double u = -1 + 2.0 * i / steps;
            const QPointF pt(u * len / 2, -bend * (1 - u * u) + off * thick);
            if (i == 0)
                s.moveTo(pt);
            else
                s.lineTo(pt);
        }
        p.drawPath(s);
    }
    // warts
    p.setPen(Qt::NoPen);
    const int warts = int(len / thick * 6);
    for (int i = 0; i < warts; ++i) {
        const double u = -0.85 + 1.7 * rng.generateDouble();
        const double v = -0.4 + 0.8 * rng.generateDouble();
        const QPointF pt(u * len / 2, -bend * (1 - u * u) + v * thick * 0.9);
        const double wr = thick * (0.04 + 0.03 * rng.generateDouble());
        p.setBrush(QColor(30, 70, 20, 140));
        p.drawEllipse(pt + QPointF(wr * 0.3, wr * 0.4), wr, wr);
        p.setBrush(QColor(200, 235, 140, 200));
        p.drawEllipse(pt, wr * 0.8, wr * 0.8);
    }
    // top shine
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(-len * 0.1, -bend - thick * 0.25), len * 0.28, thick * 0.09);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(QColor(25, 60, 20), qMax(1.0, thick * 0.07)));
    p.drawPath(path);
    // stem nub
    p.setBrush(QColor(120, 110, 50));
    p.setPen(inkPen(QColor(60, 50, 20), qMax(0.8, thick * 0.04)));
    p.drawEllipse(QPointF(len / 2 + thick * 0.02, 0), thick * 0.09, thick * 0.07);

    if (withFace)
        face(p, QPointF(-len * 0.05, -bend * 0.8), thick * 0.55, e, QColor(20, 45, 15));
    p.restore();
}

void plate(QPainter &p, QPointF c, double rx, double ry, const QColor &rim)
{
    p.save();
    groundShadow(p, c + QPointF(rx * 0.06, ry * 0.35), rx * 1.1, ry * 1.1, 100);
    QLinearGradient g(0, c.y() - ry, 0, c.y() + ry);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(205, 210, 220));
    p.setPen(QPen(QColor(110, 115, 130), 1.4));
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(rim, qMax(1.5, ry * 0.08)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx * 0.9, ry * 0.88);
    QLinearGradient w(0, c.y() - ry * 0.6, 0, c.y() + ry * 0.6);
    w.setColorAt(0, QColor(220, 225, 232));
    w.setColorAt(1, QColor(250, 250, 252));
    p.setPen(QPen(QColor(185, 190, 200), 1));
    p.setBrush(w);
    p.drawEllipse(c + QPointF(0, ry * 0.04), rx * 0.65, ry * 0.6);
    p.restore();
}

void fork(QPainter &p, QPointF tip, double len, double angle)
{
    p.save();
    p.translate(tip);
    p.rotate(angle);
    const double w = len * 0.09;
    QPainterPath f;
    // tines
    const double tl = len * 0.22;
    for (int i = 0; i < 4; ++i) {
        const double x = -w / 2 + w * (i + 0.5) / 4;
        f.addRoundedRect(QRectF(x - w * 0.06, 0, w * 0.12, tl + 2), w * 0.05, w * 0.05);
    }
    QPainterPath head;
    head.moveTo(-w / 2, tl);
    head.quadTo(-w / 2, tl + len * 0.12, -w * 0.15, tl + len * 0.16);
    head.lineTo(-w * 0.22, len);
    head.quadTo(0, len + w * 0.3, w * 0.22, len);
    head.lineTo(w * 0.15, tl + len * 0.16);
    head.quadTo(w / 2, tl + len * 0.12, w / 2, tl);
    head.closeSubpath();
    f = f.united(head);
    QLinearGradient g(-w / 2, 0, w / 2, 0);
    g.setColorAt(0, QColor(130, 135, 145));
    g.setColorAt(0.35, QColor(245, 248, 252));
    g.setColorAt(1, QColor(120, 125, 135));
    p.setPen(inkPen(QColor(60, 65, 75), qMax(0.8, len * 0.012)));
    p.setBrush(g);
    p.drawPath(f);
    p.restore();
}

void shotGlass(QPainter &p, QPointF base, double h, double fill)
{
    // A Soviet vodka рюмка: a small faceted cup with straight, slightly flared
    // sides and a thick glass bottom on a short stem and a round foot.
    p.save();
    const double cx = base.x(), by = base.y();
    const double wt = 0.6 * h, wc = 0.36 * h, footW = 0.56 * h;
    const double yTop = by - h, yCup = by - 0.4 * h, yIn = yCup - 0.1 * h;
    const double ry = 0.06 * h;
    auto hw = [&](double y) { return wt / 2 + (wc / 2 - wt / 2) * (y - yTop) / (yCup - yTop); };
    groundShadow(p, QPointF(cx + h * 0.05, by), footW * 0.6, h * 0.05, 100);
    QPainterPath cup;
    cup.moveTo(cx - wt / 2, yTop);
    cup.lineTo(cx - wc / 2, yCup);
    cup.quadTo(cx, yCup + 0.07 * h, cx + wc / 2, yCup);
    cup.lineTo(cx + wt / 2, yTop);
    cup.closeSubpath();
    QPainterPath stem;
    stem.moveTo(cx - 0.08 * h, yCup);
    stem.quadTo(cx - 0.04 * h, by - 0.22 * h, cx - 0.05 * h, by - 0.08 * h);
    stem.lineTo(cx + 0.05 * h, by - 0.08 * h);
    stem.quadTo(cx + 0.04 * h, by - 0.22 * h, cx + 0.08 * h, yCup);
    stem.closeSubpath();
    QPainterPath foot;
    foot.addEllipse(QPointF(cx, by - 0.06 * h), footW / 2, 0.06 * h);
    const QPainterPath all = cup.united(stem).united(foot);
    QLinearGradient gg(cx - wt / 2, 0, cx + wt / 2, 0);
    gg.setColorAt(0, QColor(150, 185, 205, 235));
    gg.setColorAt(0.25, QColor(245, 252, 255, 235));
    gg.setColorAt(0.6, QColor(205, 228, 240, 225));
    gg.setColorAt(1, QColor(140, 175, 195, 235));
    p.setPen(Qt::NoPen);
    p.setBrush(gg);
    p.drawPath(all);
    // the thick glass bottom of the cup
    p.setBrush(QColor(120, 165, 185, 120));
    p.drawRect(QRectF(cx - hw(yIn), yIn, 2 * hw(yIn), yCup - yIn));
    if (fill > 0) {
        const double yl = yIn - (yIn - yTop - ry) * fill;
        QPainterPath liq;
        liq.moveTo(cx - hw(yl) + 0.02 * h, yl);
        liq.lineTo(cx - hw(yIn) + 0.02 * h, yIn);
        liq.lineTo(cx + hw(yIn) - 0.02 * h, yIn);
        liq.lineTo(cx + hw(yl) - 0.02 * h, yl);
        liq.closeSubpath();
        QLinearGradient lg(0, yl, 0, yIn);
        lg.setColorAt(0, QColor(225, 245, 255, 235));
        lg.setColorAt(1, QColor(170, 210, 232, 235));
        p.setBrush(lg);
        p.drawPath(liq);
        p.setBrush(QColor(240, 250, 255));
        p.setPen(QPen(QColor(120, 160, 185), qMax(0.8, h * 0.012)));
        p.drawEllipse(QPointF(cx, yl), hw(yl) - 0.02 * h, ry * 0.8);
    }
    // facets: straight lines down the cup, brighter on the lit side
    p.save();
    p.setClipPath(cup);
    for (int k = 1; k < 6; ++k) {
        const double t = -1 + 2.0 * k / 6;
        const int alpha = t < 0 ? 200 : 90;
        p.setPen(QPen(t < 0 ? QColor(255, 255, 255, alpha) : QColor(60, 95, 120, alpha),
                      qMax(0.8, h * 0.015)));
        p.drawLine(QPointF(cx + t * wt / 2, yTop + ry), QPointF(cx + t * wc / 2, yCup));
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(cx - wt * 0.3, yTop + 0.22 * h), wt * 0.045, h * 0.12);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(QColor(38, 58, 82), qMax(1.0, h * 0.025)));
    p.drawPath(all);
    p.setBrush(QColor(225, 240, 250, 210));
    p.drawEllipse(QPointF(cx, yTop), wt / 2, ry);
    p.restore();
}

void bread(QPainter &p, QPointF c, double w, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const double h = w * 0.72;
    QPainterPath slice;
    slice.moveTo(-w / 2, h / 2);
    slice.lineTo(-w / 2, -h * 0.1);
    slice.cubicTo(-w / 2, -h * 0.7, w / 2, -h * 0.7, w / 2, -h * 0.1);
    slice.lineTo(w / 2, h / 2);
    slice.closeSubpath();
    p.setPen(
        QPen(QColor(50, 25, 10), qMax(1.0, w * 0.06), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(70, 38, 20));
    p.drawPath(slice);
    QTransform t;
    t.scale(0.82, 0.8);
    const QPainterPath crumb = t.map(slice).translated(0, h * 0.04);
    QRadialGradient g(0, 0, w * 0.6);
    g.setColorAt(0, QColor(165, 115, 75));
    g.setColorAt(1, QColor(125, 82, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(crumb);
    p.setBrush(QColor(80, 45, 25));
    QRandomGenerator rng(uint(w * 100));
    for (int i = 0; i < 10; ++i)
        p.drawEllipse(QPointF((rng.generateDouble() - 0.5) * w * 0.6,
                              (rng.generateDouble() - 0.45) * h * 0.6),
                      w * 0.025, w * 0.02);
    p.restore();
}

void dill(QPainter &p, QPointF from, double len, double angle)
{
    p.save();
    p.translate(from);
    p.rotate(angle);
    p.setPen(QPen(QColor(60, 120, 40), qMax(1.0, len * 0.03), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -len));
    p.setPen(QPen(QColor(80, 150, 50), qMax(0.6, len * 0.012), Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 8; ++i) {
        const double y = -len * i / 8.0;
        const double l = len * 0.22 * (1 - i / 10.0);
        for (double s : {-1.0, 1.0}) {
            QPointF a(0, y), b(s * l, y - l * 0.6);
            p.drawLine(a, b);
            for (int j = 1; j < 4; ++j) {
                const QPointF m = a + (b - a) * (j / 4.0);
                p.drawLine(m, m + QPointF(s * l * 0.2, -l * 0.35));
                p.drawLine(m, m + QPointF(s * l * 0.3, l * 0.05));
            }
        }
    }
    p.restore();
}

} // namespace pics
