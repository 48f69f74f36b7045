// Draws every picture of the default content folder with QPainter: the
// companion's own picture, the logo, the texture, the panel pictures, the
// stickers and the caricatures. Fixed numbers and fixed seeds only, so a rerun
// gives the same files. GIFs are written through ImageMagick's convert (Qt
// reads GIF but does not write it).
//
// Usage: drawpics CONTENT_DIR
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

constexpr int W = 433;
constexpr int H = 225;

QString g_out;

QColor rgb(const char *hex, int alpha = 255)
{
    QColor c(QString::fromLatin1(hex));
    c.setAlpha(alpha);
    return c;
}

void save(const QImage &img, const QString &name)
{
    const QString path = g_out + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).path());
    const QImage flat = img.convertToFormat(QImage::Format_RGB888);
    bool ok = false;
    if (name.endsWith(QLatin1String(".gif"))) {
        QTemporaryDir tmp;
        const QString png = tmp.filePath(QStringLiteral("p.png"));
        flat.save(png);
        ok = QProcess::execute(QStringLiteral("convert"),
                               {png, QStringLiteral("+dither"), QStringLiteral("-colors"),
                                QStringLiteral("255"), path}) == 0;
    } else if (name.endsWith(QLatin1String(".jpg"))) {
        ok = flat.save(path, "JPEG", 88);
    } else {
        ok = flat.save(path, "BMP");
    }
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
}

QImage canvas(int w = W, int h = H)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

void begin(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(int px, bool bold = true, bool italic = false, const char *family = "DejaVu Sans")
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// Text with a dark outline, centred on (cx, baseline y).
void outlinedText(QPainter &p, const QString &text, QPointF centre, const QFont &f, QColor fill,
                  QColor outline, double width = 3, double angle = 0)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.translate(-b.center().x(), -b.center().y());
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void radialFill(QPainter &p, const QRectF &r, QPointF centre, double radius, QColor inner,
                QColor outer)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.fillRect(r, g);
}

void vgradient(QPainter &p, const QRectF &r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void softShadow(QPainter &p, QPointF centre, double rx, double ry, int alpha = 70)
{
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(centre);
    p.scale(1, ry / rx);
    p.translate(-centre);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rx, rx);
    p.restore();
}

// Striped wallpaper with small flowers.
void wallpaper(QPainter &p, QRectF r, QColor a, QColor b, int seed)
{
    vgradient(p, r, a, b);
    p.setPen(Qt::NoPen);
    for (double x = r.left(); x < r.right(); x += 26) {
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawRect(QRectF(x, r.top(), 9, r.height()));
    }
    QRandomGenerator rnd(seed);
    for (double y = r.top() + 12; y < r.bottom(); y += 30)
        for (double x = r.left() + 13 + (int(y) / 30 % 2) * 13; x < r.right(); x += 52) {
            p.setBrush(QColor(255, 255, 255, 50));
            for (int k = 0; k < 5; ++k) {
                const double a2 = k * 72 * M_PI / 180 + rnd.bounded(10) / 10.0;
                p.drawEllipse(QPointF(x + 3.5 * std::cos(a2), y + 3.5 * std::sin(a2)), 2.4, 2.4);
            }
        }
}

// A wooden table top from y to the bottom of r.
void table(QPainter &p, QRectF r, QColor light = rgb("#a8662f"), QColor dark = rgb("#5e3415"))
{
    vgradient(p, r, light, dark);
    QRandomGenerator rnd(int(r.top()));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 12; ++i) {
        const double y = r.top() + 3 + i * (r.height() - 4) / 12.0;
        QPainterPath grain;
        grain.moveTo(r.left(), y);
        grain.cubicTo(r.left() + r.width() * 0.3, y + rnd.bounded(5) - 2.0,
                      r.left() + r.width() * 0.6, y + rnd.bounded(5) - 2.0, r.right(), y);
        p.setPen(QPen(QColor(40, 20, 5, 45), 1));
        p.drawPath(grain);
    }
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 2), QColor(255, 255, 255, 60));
}

enum class Mood { Happy, Tipsy, Sleepy, Proud, Surprised };

// The buddy: a faceted glass with a face. (cx, bottom) is the middle of its
// foot; h its height.
void glassBuddy(QPainter &p, double cx, double bottom, double h, Mood mood = Mood::Happy,
                double level = 0.55, bool arms = true, bool bowTie = false)
{
    const double topW = h * 0.80, botW = h * 0.60, top = bottom - h;
    softShadow(p, QPointF(cx, bottom), botW * 0.75, h * 0.07, 90);

    QPainterPath body;
    body.moveTo(cx - topW / 2, top);
    body.lineTo(cx + topW / 2, top);
    body.lineTo(cx + botW / 2, bottom - h * 0.04);
    body.quadTo(cx + botW / 2, bottom, cx + botW / 2 - h * 0.04, bottom);
    body.lineTo(cx - botW / 2 + h * 0.04, bottom);
    body.quadTo(cx - botW / 2, bottom, cx - botW / 2, bottom - h * 0.04);
    body.closeSubpath();

    auto xAt = [&](double y, int side) {
        const double t = (y - top) / h;
        return cx + side * (topW / 2 + (botW - topW) / 2 * t);
    };

    // Arms behind the glass.
    if (arms) {
        p.setPen(QPen(rgb("#3b2a1a"), h * 0.035, Qt::SolidLine, Qt::RoundCap));
        const double ay = top + h * 0.52;
        const double lx = xAt(ay, -1), rx = xAt(ay, 1);
        QPainterPath left, right;
        left.moveTo(lx + 2, ay);
        left.quadTo(lx - h * 0.22, ay + h * 0.05, lx - h * 0.25, ay - h * 0.18);
        right.moveTo(rx - 2, ay);
        right.quadTo(rx + h * 0.22, ay - h * 0.02, rx + h * 0.30, ay - h * 0.30);
        p.setBrush(Qt::NoBrush);
        p.drawPath(left);
        p.drawPath(right);
        p.setPen(QPen(rgb("#3b2a1a"), 1.2));
        p.setBrush(rgb("#ffffff"));
        p.drawEllipse(QPointF(lx - h * 0.25, ay - h * 0.20), h * 0.055, h * 0.055);
        p.drawEllipse(QPointF(rx + h * 0.30, ay - h * 0.32), h * 0.055, h * 0.055);
    }

    // Glass body: cool, slightly blue, see-through.
    QLinearGradient glass(cx - topW / 2, 0, cx + topW / 2, 0);
    glass.setColorAt(0, QColor(200, 225, 240, 210));
    glass.setColorAt(0.35, QColor(245, 252, 255, 170));
    glass.setColorAt(0.7, QColor(190, 215, 235, 190));
    glass.setColorAt(1, QColor(150, 185, 215, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawPath(body);

    // What is inside.
    if (level > 0) {
        const double ly = bottom - h * 0.08 - (h * 0.85) * level;
        QPainterPath liquid;
        liquid.moveTo(xAt(ly, -1) + 2, ly);
        liquid.lineTo(xAt(ly, 1) - 2, ly);
        liquid.lineTo(xAt(bottom - h * 0.08, 1) - 2, bottom - h * 0.08);
        liquid.lineTo(xAt(bottom - h * 0.08, -1) + 2, bottom - h * 0.08);
        liquid.closeSubpath();
        QLinearGradient lg(0, ly, 0, bottom);
        lg.setColorAt(0, QColor(235, 245, 255, 150));
        lg.setColorAt(1, QColor(170, 205, 235, 190));
        p.setBrush(lg);
        p.drawPath(liquid);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
        p.drawLine(QPointF(xAt(ly, -1) + 3, ly), QPointF(xAt(ly, 1) - 3, ly));
    }

    // Thick bottom.
    QPainterPath foot;
    foot.addRoundedRect(QRectF(cx - botW / 2, bottom - h * 0.09, botW, h * 0.09), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 200, 225, 200));
    p.drawPath(foot);

    // Facets: the classic gran'.
    const int facets = 7;
    p.setPen(QPen(QColor(120, 160, 195, 150), 1.3));
    for (int i = 1; i < facets; ++i) {
        const double t = double(i) / facets;
        const double xt = cx - topW / 2 + topW * t;
        const double xb = cx - botW / 2 + botW * t;
        p.drawLine(QPointF(xt, top + h * 0.16), QPointF(xb, bottom - h * 0.09));
    }
    // The smooth rim band.
    p.setPen(QPen(QColor(120, 160, 195, 170), 1.3));
    p.drawLine(QPointF(xAt(top + h * 0.16, -1), top + h * 0.16),
               QPointF(xAt(top + h * 0.16, 1), top + h * 0.16));
    // Highlights.
    p.setPen(QPen(QColor(255, 255, 255, 220), h * 0.03, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - topW * 0.34, top + h * 0.22),
               QPointF(cx - botW * 0.34, bottom - h * 0.2));
    p.setPen(QPen(QColor(255, 255, 255, 160), h * 0.015, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx + topW * 0.25, top + h * 0.22),
               QPointF(cx + botW * 0.26, bottom - h * 0.3));
    // Outline and rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb("#35546f"), 2));
    p.drawPath(body);
    p.setPen(QPen(rgb("#35546f"), 1.6));
    p.setBrush(QColor(230, 245, 255, 120));
    p.drawEllipse(QPointF(cx, top), topW / 2, h * 0.045);

    // Face.
    const double fy = top + h * 0.42;
    const double eyeDx = h * 0.13, eyeR = h * 0.085;
    for (int side : {-1, 1}) {
        const QPointF e(cx + side * eyeDx, fy);
        p.setPen(QPen(rgb("#23313d"), 1.6));
        p.setBrush(Qt::white);
        p.drawEllipse(e, eyeR * 0.85, eyeR);
        if (mood == Mood::Sleepy) {
            p.setBrush(QColor(200, 225, 240));
            p.drawChord(QRectF(e.x() - eyeR * 0.85, e.y() - eyeR, eyeR * 1.7, eyeR * 2), 0,
                        180 * 16);
            p.setPen(QPen(rgb("#23313d"), 1.8));
            p.drawLine(QPointF(e.x() - eyeR * 0.8, e.y()), QPointF(e.x() + eyeR * 0.8, e.y()));
            continue;
        }
        double dx = side * -eyeR * 0.15, dy = eyeR * 0.1;
        if (mood == Mood::Tipsy)
            dx = side * eyeR * 0.3;
        p.setPen(Qt::NoPen);
        p.setBrush(rgb("#23313d"));
        const double pr = mood == Mood::Surprised ? eyeR * 0.28 : eyeR * 0.42;
        p.drawEllipse(QPointF(e.x() + dx, e.y() + dy), pr, pr);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(e.x() + dx - pr * 0.35, e.y() + dy - pr * 0.35), pr * 0.33,
                      pr * 0.33);
        if (mood == Mood::Tipsy) {
            // Heavy lids.
            p.setBrush(QColor(190, 215, 235));
            p.setPen(QPen(rgb("#23313d"), 1.4));
            p.drawChord(QRectF(e.x() - eyeR * 0.85, e.y() - eyeR, eyeR * 1.7, eyeR * 2), 20 * 16,
                        140 * 16);
        }
    }
    // Brows.
    p.setPen(QPen(rgb("#3b2a1a"), h * 0.025, Qt::SolidLine, Qt::RoundCap));
    const double browY = fy - eyeR * 1.35;
    const double lift = mood == Mood::Surprised ? -eyeR * 0.4
                        : mood == Mood::Proud   ? -eyeR * 0.1
                                                : 0;
    p.drawLine(QPointF(cx - eyeDx - eyeR * 0.7, browY + lift + eyeR * 0.15),
               QPointF(cx - eyeDx + eyeR * 0.6, browY + lift - eyeR * 0.1));
    p.drawLine(QPointF(cx + eyeDx - eyeR * 0.6, browY + lift - eyeR * 0.1),
               QPointF(cx + eyeDx + eyeR * 0.7,
                       browY + lift + eyeR * (mood == Mood::Tipsy ? -0.2 : 0.15)));
    // Cheeks and nose.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 120, mood == Mood::Tipsy ? 150 : 90));
    p.drawEllipse(QPointF(cx - eyeDx - eyeR * 0.6, fy + eyeR * 1.5), eyeR * 0.7, eyeR * 0.45);
    p.drawEllipse(QPointF(cx + eyeDx + eyeR * 0.6, fy + eyeR * 1.5), eyeR * 0.7, eyeR * 0.45);
    QRadialGradient nose(QPointF(cx - eyeR * 0.2, fy + eyeR * 0.9), eyeR * 0.7);
    nose.setColorAt(0, rgb("#ff9a8a"));
    nose.setColorAt(1, mood == Mood::Tipsy ? rgb("#d2323a") : rgb("#e0605a"));
    p.setBrush(nose);
    p.setPen(QPen(rgb("#8a2a2a"), 1));
    p.drawEllipse(QPointF(cx, fy + eyeR * 1.05), eyeR * 0.55, eyeR * 0.48);
    // Mouth.
    const QRectF mouth(cx - eyeR * 1.3, fy + eyeR * 1.2, eyeR * 2.6, eyeR * 1.7);
    p.setPen(QPen(rgb("#23313d"), 1.8, Qt::SolidLine, Qt::RoundCap));
    if (mood == Mood::Surprised) {
        p.setBrush(rgb("#7a2630"));
        p.drawEllipse(QPointF(cx, fy + eyeR * 2.3), eyeR * 0.4, eyeR * 0.5);
    } else if (mood == Mood::Sleepy) {
        p.setBrush(Qt::NoBrush);
        p.drawArc(mouth.adjusted(eyeR * 0.6, eyeR * 0.4, -eyeR * 0.6, -eyeR * 0.4), 200 * 16,
                  140 * 16);
    } else {
        p.setBrush(rgb("#7a2630"));
        p.drawChord(mouth, 180 * 16, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(rgb("#ff7a8a"));
        p.drawEllipse(QPointF(cx + eyeR * 0.2, mouth.bottom() - eyeR * 0.3), eyeR * 0.45,
                      eyeR * 0.22);
    }
    if (bowTie) {
        const double by = bottom - h * 0.2;
        QPainterPath tie;
        tie.moveTo(cx, by);
        tie.lineTo(cx - h * 0.14, by - h * 0.07);
        tie.lineTo(cx - h * 0.14, by + h * 0.07);
        tie.closeSubpath();
        tie.moveTo(cx, by);
        tie.lineTo(cx + h * 0.14, by - h * 0.07);
        tie.lineTo(cx + h * 0.14, by + h * 0.07);
        tie.closeSubpath();
        p.setPen(QPen(rgb("#400010"), 1.2));
        p.setBrush(rgb("#b0102a"));
        p.drawPath(tie);
        p.drawEllipse(QPointF(cx, by), h * 0.03, h * 0.03);
    }
}

// A bottle standing on (cx, bottom), height h.
void bottle(QPainter &p, double cx, double bottom, double h, const QString &label,
            QColor glassColour = rgb("#dfeff5"), bool face = false)
{
    const double w = h * 0.34, neck = h * 0.11, top = bottom - h;
    softShadow(p, QPointF(cx, bottom), w * 0.8, h * 0.05, 90);
    QPainterPath b;
    b.moveTo(cx - neck / 2, top + h * 0.04);
    b.lineTo(cx - neck / 2, top + h * 0.30);
    b.cubicTo(cx - neck / 2, top + h * 0.40, cx - w / 2, top + h * 0.40, cx - w / 2,
              top + h * 0.50);
    b.lineTo(cx - w / 2, bottom - h * 0.03);
    b.quadTo(cx - w / 2, bottom, cx - w / 2 + 4, bottom);
    b.lineTo(cx + w / 2 - 4, bottom);
    b.quadTo(cx + w / 2, bottom, cx + w / 2, bottom - h * 0.03);
    b.lineTo(cx + w / 2, top + h * 0.50);
    b.cubicTo(cx + w / 2, top + h * 0.40, cx + neck / 2, top + h * 0.40, cx + neck / 2,
              top + h * 0.30);
    b.lineTo(cx + neck / 2, top + h * 0.04);
    b.closeSubpath();
    QLinearGradient g(cx - w / 2, 0, cx + w / 2, 0);
    g.setColorAt(0, glassColour.darker(125));
    g.setColorAt(0.3, glassColour.lighter(115));
    g.setColorAt(1, glassColour.darker(150));
    p.setPen(QPen(glassColour.darker(250), 1.8));
    p.setBrush(g);
    p.drawPath(b);
    // Cap.
    p.setBrush(rgb("#c9a227"));
    p.setPen(QPen(rgb("#6e5510"), 1.2));
    p.drawRoundedRect(QRectF(cx - neck / 2 - 1, top, neck + 2, h * 0.07), 2, 2);
    // Label.
    const QRectF lr(cx - w / 2 + 3, top + h * 0.58, w - 6, h * 0.26);
    QLinearGradient lgr(lr.topLeft(), lr.bottomLeft());
    lgr.setColorAt(0, rgb("#fbf4dc"));
    lgr.setColorAt(1, rgb("#e7d6a8"));
    p.setBrush(lgr);
    p.setPen(QPen(rgb("#9a1b1b"), 1.4));
    p.drawRect(lr);
    p.setPen(rgb("#9a1b1b"));
    // The label text fits the label, however slim the bottle.
    QFont f = font(int(std::min(h * 0.085, (w - 8) / 4.4)));
    p.setFont(f);
    p.drawText(lr.adjusted(0, 0, 0, -lr.height() * 0.35), Qt::AlignCenter, label);
    p.setFont(font(int(h * 0.045), false));
    p.drawText(lr.adjusted(0, lr.height() * 0.55, 0, 0), Qt::AlignCenter, QStringLiteral("40°"));
    // Shine.
    p.setPen(QPen(QColor(255, 255, 255, 170), w * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - w * 0.3, top + h * 0.52), QPointF(cx - w * 0.3, bottom - h * 0.06));
    if (face) {
        const double fy = top + h * 0.47;
        for (int s : {-1, 1}) {
            p.setPen(QPen(rgb("#222"), 1.5));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(cx + s * w * 0.18, fy), w * 0.12, w * 0.14);
            p.setBrush(rgb("#222"));
            p.drawEllipse(QPointF(cx + s * w * 0.18 + w * 0.03, fy + w * 0.03), w * 0.055,
                          w * 0.055);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rgb("#222"), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(cx - w * 0.2, fy + w * 0.05, w * 0.4, w * 0.22), 200 * 16, 140 * 16);
    }
}

// A pickle centred at c, length len, turned by angle degrees.
void pickle(QPainter &p, QPointF c, double len, double angle, int seed, bool face = false)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const double w = len * 0.38;
    QPainterPath body;
    body.addRoundedRect(QRectF(-len / 2, -w / 2, len, w), w / 2, w / 2);
    QLinearGradient g(0, -w / 2, 0, w / 2);
    g.setColorAt(0, rgb("#8fc45a"));
    g.setColorAt(0.5, rgb("#4d8a2a"));
    g.setColorAt(1, rgb("#2c5a16"));
    p.setPen(QPen(rgb("#1f3f0e"), 1.2));
    p.setBrush(g);
    p.drawPath(body);
    QRandomGenerator rnd(seed);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 240, 170, 170));
    for (int i = 0; i < int(len / 5); ++i)
        p.drawEllipse(QPointF(-len / 2 + w * 0.4 + rnd.bounded(int(len - w * 0.8) + 1),
                              -w / 2 + w * 0.2 + rnd.bounded(int(w * 0.6) + 1)),
                      len * 0.018 + 0.6, len * 0.018 + 0.6);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(-len / 2 + w * 0.3, -w * 0.38, len - w * 0.6, w * 0.16), 3, 3);
    if (face) {
        for (int s : {-1, 1}) {
            p.setPen(QPen(rgb("#102008"), 1.2));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(s * len * 0.11, -w * 0.08), w * 0.15, w * 0.18);
            p.setBrush(rgb("#102008"));
            p.drawEllipse(QPointF(s * len * 0.11 + 1, -w * 0.04), w * 0.07, w * 0.07);
        }
        p.setPen(QPen(rgb("#102008"), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(rgb("#6a1a1a"));
        p.drawChord(QRectF(-len * 0.09, w * 0.02, len * 0.18, w * 0.3), 180 * 16, 180 * 16);
    }
    p.restore();
}

void plate(QPainter &p, QPointF c, double rx, double ry)
{
    softShadow(p, c + QPointF(0, ry * 0.3), rx * 1.05, ry, 80);
    QLinearGradient g(0, c.y() - ry, 0, c.y() + ry);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, rgb("#c9d3dc"));
    p.setPen(QPen(rgb("#8a98a8"), 1.4));
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(rgb("#3c6fb0"), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx * 0.82, ry * 0.76);
}

void shotGlass(QPainter &p, double cx, double bottom, double h, double level = 0.7)
{
    const double tw = h * 0.7, bw = h * 0.45, top = bottom - h;
    QPainterPath b;
    b.moveTo(cx - tw / 2, top);
    b.lineTo(cx + tw / 2, top);
    b.lineTo(cx + bw / 2, bottom);
    b.lineTo(cx - bw / 2, bottom);
    b.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 235, 250, 200));
    p.drawPath(b);
    const double ly = bottom - h * level;
    const double t = (ly - top) / h;
    const double lw = tw + (bw - tw) * t;
    QPainterPath liq;
    liq.moveTo(cx - lw / 2 + 1.5, ly);
    liq.lineTo(cx + lw / 2 - 1.5, ly);
    liq.lineTo(cx + bw / 2 - 1.5, bottom - h * 0.12);
    liq.lineTo(cx - bw / 2 + 1.5, bottom - h * 0.12);
    liq.closeSubpath();
    p.setBrush(QColor(245, 250, 255, 230));
    p.drawPath(liq);
    p.setBrush(QColor(180, 205, 225, 220));
    p.drawRect(QRectF(cx - bw / 2, bottom - h * 0.12, bw, h * 0.12));
    p.setPen(QPen(QColor(255, 255, 255, 230), h * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - tw * 0.28, top + h * 0.15), QPointF(cx - bw * 0.3, bottom - h * 0.2));
    p.setPen(QPen(rgb("#35546f"), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(b);
}

void nightWindow(QPainter &p, QRectF r, int seed)
{
    vgradient(p, r, rgb("#0d1b3d"), rgb("#3a4f86"));
    QRandomGenerator rnd(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        p.setBrush(QColor(255, 255, 220, 120 + rnd.bounded(130)));
        const double s = 0.6 + rnd.bounded(10) / 10.0;
        p.drawEllipse(QPointF(r.left() + rnd.bounded(int(r.width())),
                              r.top() + rnd.bounded(int(r.height() * 0.7))),
                      s, s);
    }
    // Moon.
    const QPointF m(r.left() + r.width() * 0.7, r.top() + r.height() * 0.28);
    QRadialGradient glow(m, r.width() * 0.3);
    glow.setColorAt(0, QColor(255, 250, 210, 110));
    glow.setColorAt(1, QColor(255, 250, 210, 0));
    p.setBrush(glow);
    p.drawEllipse(m, r.width() * 0.3, r.width() * 0.3);
    p.setBrush(rgb("#fff6c8"));
    p.drawEllipse(m, r.width() * 0.11, r.width() * 0.11);
    p.setBrush(rgb("#1a2a55"));
    p.drawEllipse(m + QPointF(r.width() * 0.05, -r.width() * 0.03), r.width() * 0.1,
                  r.width() * 0.1);
    // Roofs of the houses across the street with a few lit windows.
    p.setBrush(rgb("#0a1228"));
    QPainterPath roofs;
    roofs.moveTo(r.left(), r.bottom());
    double x = r.left();
    while (x < r.right()) {
        const double bw = 16 + rnd.bounded(18), bh = r.height() * (0.18 + rnd.bounded(20) / 100.0);
        roofs.lineTo(x, r.bottom() - bh);
        roofs.lineTo(x + bw, r.bottom() - bh);
        x += bw;
    }
    roofs.lineTo(r.right(), r.bottom());
    roofs.closeSubpath();
    p.drawPath(roofs);
    p.setBrush(QColor(255, 214, 120));
    for (int i = 0; i < 7; ++i)
        p.drawRect(QRectF(r.left() + 4 + rnd.bounded(int(r.width() - 8)),
                          r.bottom() - 6 - rnd.bounded(int(r.height() * 0.14) + 1), 2.5, 3));
    // Frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb("#f4efe6"), 5));
    p.drawRect(r);
    p.setPen(QPen(rgb("#f4efe6"), 3));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.38),
               QPointF(r.right(), r.top() + r.height() * 0.38));
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.drawRect(r.adjusted(-3, -3, 3, 3));
}

void frame(QPainter &p, const QRectF &r, double width, QColor base = rgb("#c89b3c"))
{
    QPainterPath outer, inner;
    outer.addRect(r);
    inner.addRect(r.adjusted(width, width, -width, -width));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(160));
    p.setPen(QPen(base.darker(220), 1.2));
    p.setBrush(g);
    p.drawPath(outer.subtracted(inner));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(base.lighter(170), 1));
    p.drawRect(r.adjusted(width * 0.35, width * 0.35, -width * 0.35, -width * 0.35));
}

void confetti(QPainter &p, QRectF r, int n, int seed)
{
    static const char *colours[] = {"#ff4d6d", "#ffd23f", "#3ec1d3",
                                    "#8ac926", "#ff8c42", "#b388eb"};
    QRandomGenerator rnd(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i) {
        p.save();
        p.translate(r.left() + rnd.bounded(int(r.width())), r.top() + rnd.bounded(int(r.height())));
        p.rotate(rnd.bounded(180));
        p.setBrush(rgb(colours[rnd.bounded(6)]));
        if (i % 3 == 0)
            p.drawEllipse(QPointF(0, 0), 2.2, 2.2);
        else
            p.drawRect(QRectF(-3, -1.3, 6, 2.6));
        p.restore();
    }
}

void balloon(QPainter &p, QPointF c, double r, QColor colour)
{
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::NoBrush);
    QPainterPath string;
    string.moveTo(c + QPointF(0, r * 1.2));
    string.cubicTo(c + QPointF(-r * 0.4, r * 2), c + QPointF(r * 0.4, r * 2.6),
                   c + QPointF(0, r * 3.4));
    p.drawPath(string);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(180), 1));
    p.setBrush(g);
    p.drawEllipse(c, r, r * 1.2);
    p.setBrush(colour.darker(130));
    QPolygonF knot{c + QPointF(-3, r * 1.2 + 3), c + QPointF(3, r * 1.2 + 3),
                   c + QPointF(0, r * 1.2 - 1)};
    p.drawPolygon(knot);
}

// ---------------------------------------------------------------------------

QImage alk1()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    wallpaper(p, QRectF(0, 0, W, 180), rgb("#f3d59b"), rgb("#d89a55"), 1);
    nightWindow(p, QRectF(24, 18, 96, 112), 3);
    // Curtains.
    for (int s : {0, 1}) {
        QPainterPath c;
        const double x = s == 0 ? 14 : 130;
        c.moveTo(x, 10);
        c.lineTo(x + (s == 0 ? 24 : -24), 10);
        c.quadTo(x + (s == 0 ? 8 : -8), 70, x + (s == 0 ? 14 : -14), 140);
        c.lineTo(x, 140);
        c.closeSubpath();
        QLinearGradient g(x, 0, x + 20, 0);
        g.setColorAt(0, rgb("#a8323a"));
        g.setColorAt(1, rgb("#d65a5f"));
        p.setPen(QPen(rgb("#6e1a20"), 1));
        p.setBrush(g);
        p.drawPath(c);
    }
    p.fillRect(QRectF(8, 6, 130, 6), rgb("#6e4a22"));
    // A shelf with a jar.
    p.fillRect(QRectF(318, 58, 108, 6), rgb("#6e4420"));
    p.fillRect(QRectF(318, 64, 108, 2), QColor(0, 0, 0, 50));
    {
        const QRectF jar(334, 16, 40, 42);
        p.setPen(QPen(rgb("#4d6e3a"), 1.5));
        p.setBrush(QColor(200, 230, 180, 200));
        p.drawRoundedRect(jar, 8, 8);
        for (int i = 0; i < 4; ++i)
            pickle(p, QPointF(344 + (i % 2) * 18, 28 + i * 7), 18, 70 + i * 10, 20 + i);
        p.setBrush(rgb("#d4a830"));
        p.drawRoundedRect(QRectF(332, 10, 44, 9), 2, 2);
    }
    bottle(p, 402, 58, 46, QStringLiteral("КВАС"), rgb("#9c6b2a"));
    // The sign above the table.
    outlinedText(p, QStringLiteral("Будем!"), QPointF(258, 40), font(22, true, true),
                 rgb("#fff3c4"), rgb("#7a3b10"), 4, -4);
    table(p, QRectF(0, 178, W, 47));
    plate(p, QPointF(96, 198), 60, 14);
    const double pk[][3] = {{-30, -5, 8}, {-8, -7, -6}, {16, -5, 12},
                            {34, -2, -4}, {-18, 1, 2},  {6, 2, -10}};
    for (int i = 0; i < 6; ++i)
        pickle(p, QPointF(96 + pk[i][0], 197 + pk[i][1]), 26, pk[i][2], 40 + i);
    bottle(p, 366, 206, 150, QStringLiteral("ВОДКА"));
    shotGlass(p, 306, 204, 30);
    glassBuddy(p, 214, 202, 150, Mood::Happy);
    return img;
}

QImage logo()
{
    QImage img = canvas(300, 170);
    QPainter p(&img);
    begin(p);
    QRadialGradient bg(QPointF(150, 70), 190);
    bg.setColorAt(0, rgb("#fff4b8"));
    bg.setColorAt(0.6, rgb("#ffbe3b"));
    bg.setColorAt(1, rgb("#e0671e"));
    p.fillRect(img.rect(), bg);
    // Rays.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 55));
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(68, 100);
        p.rotate(i * 22.5);
        p.drawPolygon(QPolygonF{QPointF(0, 0), QPointF(240, -18), QPointF(240, 18)});
        p.restore();
    }
    glassBuddy(p, 58, 150, 88, Mood::Happy, 0.6, true);
    outlinedText(p, QStringLiteral("Стаканыч"), QPointF(200, 60),
                 font(29, true, true, "DejaVu Serif"), rgb("#fff8e0"), rgb("#7a1e0a"), 6, -6);
    outlinedText(p, QStringLiteral("2003"), QPointF(214, 112), font(40, true, false, "DejaVu Sans"),
                 rgb("#d8202a"), rgb("#ffffff"), 6, -6);
    p.setPen(QPen(rgb("#7a1e0a"), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 298, 168), 8, 8);
    p.setFont(font(10, true));
    p.setPen(rgb("#5a1a05"));
    p.drawText(QRectF(110, 140, 185, 20), Qt::AlignCenter, QStringLiteral("проверенный союзник"));
    return img;
}

QImage texture()
{
    // Checked oilcloth, 64 x 64, seamless: the pattern repeats every 32 pixels.
    QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
    img.fill(rgb("#fbf7ee"));
    QPainter p(&img);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool bx = (x / 16) % 2 == 0, by = (y / 16) % 2 == 0;
            QColor c = rgb("#fbf7ee");
            if (bx && by)
                c = rgb("#c8323c");
            else if (bx || by)
                c = rgb("#e9a1a1");
            // A fine weave so it reads as cloth, not as a chessboard.
            const int weave = ((x + y) % 4 == 0) ? -10 : ((x - y + 64) % 4 == 0 ? 6 : 0);
            c = QColor(qBound(0, c.red() + weave, 255), qBound(0, c.green() + weave, 255),
                       qBound(0, c.blue() + weave, 255));
            img.setPixelColor(x, y, c);
        }
    return img;
}

QImage stol()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    wallpaper(p, QRectF(0, 0, W, 120), rgb("#cfe3c6"), rgb("#8fb08a"), 5);
    // A tablecloth, white with a red border, in perspective.
    QPainterPath cloth;
    cloth.moveTo(40, 112);
    cloth.lineTo(393, 112);
    cloth.lineTo(433, 225);
    cloth.lineTo(0, 225);
    cloth.closeSubpath();
    p.setPen(Qt::NoPen);
    QLinearGradient cg(0, 112, 0, 225);
    cg.setColorAt(0, rgb("#f6f1e6"));
    cg.setColorAt(1, rgb("#ffffff"));
    p.setBrush(cg);
    p.drawPath(cloth);
    p.setPen(QPen(rgb("#c8323c"), 3));
    p.drawLine(QPointF(48, 118), QPointF(385, 118));
    // Plates, salad, bread, bottle, glasses.
    plate(p, QPointF(110, 160), 52, 16);
    plate(p, QPointF(320, 160), 52, 16);
    // Olivier in a bowl.
    p.setPen(QPen(rgb("#7a5a30"), 1.2));
    p.setBrush(rgb("#f0e2b0"));
    p.drawChord(QRectF(180, 118, 80, 50), 0, 180 * 16);
    p.setBrush(rgb("#ffffff"));
    p.drawEllipse(QRectF(180, 136, 80, 14));
    QRandomGenerator rnd(9);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        static const char *bits[] = {"#f5d36b", "#ffffff", "#8ac45a", "#f08a5a", "#e8d9a0"};
        p.setBrush(rgb(bits[i % 5]));
        p.drawRect(QRectF(186 + rnd.bounded(66), 124 + rnd.bounded(16), 4, 4));
    }
    // Bread.
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(rgb("#7a4a1a"), 1));
        p.setBrush(rgb("#e8c07a"));
        p.drawRoundedRect(QRectF(80 + i * 14, 146 - i * 2, 28, 20), 6, 6);
        p.setBrush(rgb("#fbe8c0"));
        p.drawRoundedRect(QRectF(83 + i * 14, 149 - i * 2, 22, 14), 5, 5);
    }
    // Sausage slices.
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(rgb("#6a1a1a"), 1));
        p.setBrush(rgb("#d97a7a"));
        p.drawEllipse(QPointF(296 + i * 11, 158 + (i % 2) * 4), 8, 6);
        p.setBrush(rgb("#f4c0c0"));
        p.drawEllipse(QPointF(294 + i * 11, 157 + (i % 2) * 4), 1.5, 1.2);
    }
    bottle(p, 300, 124, 100, QStringLiteral("ВОДКА"));
    shotGlass(p, 168, 196, 34);
    shotGlass(p, 266, 198, 34);
    shotGlass(p, 60, 206, 30, 0.4);
    shotGlass(p, 380, 206, 30, 0.9);
    pickle(p, QPointF(140, 206), 30, -15, 3);
    outlinedText(p, QStringLiteral("Стол накрыт!"), QPointF(216, 24), font(22, true, true),
                 rgb("#ffffff"), rgb("#2c5a16"), 4);
    return img;
}

QImage butylka()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    radialFill(p, img.rect(), QPointF(216, 110), 260, rgb("#7ec8ff"), rgb("#1b3f8a"));
    QRandomGenerator rnd(11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(255, 255, 255, 60 + rnd.bounded(150)));
        const QPointF c(rnd.bounded(W), rnd.bounded(H));
        const double s = 1 + rnd.bounded(3);
        p.drawPolygon(QPolygonF{c + QPointF(0, -3 * s), c + QPointF(s * 0.7, 0),
                                c + QPointF(0, 3 * s), c + QPointF(-s * 0.7, 0)});
        p.drawPolygon(QPolygonF{c + QPointF(-3 * s, 0), c + QPointF(0, s * 0.7),
                                c + QPointF(3 * s, 0), c + QPointF(0, -s * 0.7)});
    }
    p.fillRect(QRectF(0, 200, W, 25), QColor(20, 30, 60, 120));
    bottle(p, 130, 212, 196, QStringLiteral("ВОДКА"), rgb("#dfeff5"), true);
    // Speech bubble.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(208, 40, 200, 84), 20, 20);
    QPainterPath tail;
    tail.moveTo(222, 110);
    tail.lineTo(176, 130);
    tail.lineTo(246, 118);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    p.setPen(QPen(rgb("#1b2a4a"), 2));
    p.setBrush(Qt::white);
    p.drawPath(bubble);
    p.setPen(rgb("#1b2a4a"));
    p.setFont(font(20, true, true));
    p.drawText(QRectF(208, 46, 200, 40), Qt::AlignCenter, QStringLiteral("Я тебя жду!"));
    p.setFont(font(13, false, true));
    p.drawText(QRectF(208, 82, 200, 36), Qt::AlignCenter, QStringLiteral("Холодненькая..."));
    return img;
}

QImage kuhnya()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    // Tiles.
    p.fillRect(img.rect(), rgb("#2a3348"));
    for (int y = 0; y < 150; y += 18)
        for (int x = (y / 18 % 2) * 9; x < W; x += 18) {
            p.setPen(QPen(rgb("#1d2436"), 1));
            p.setBrush(rgb("#39455f"));
            p.drawRect(QRectF(x, y, 17, 17));
        }
    nightWindow(p, QRectF(150, 14, 120, 96), 13);
    // Fridge.
    p.setPen(QPen(rgb("#8a92a0"), 1.5));
    QLinearGradient fg(20, 0, 100, 0);
    fg.setColorAt(0, rgb("#e8ecf2"));
    fg.setColorAt(1, rgb("#a8b0bc"));
    p.setBrush(fg);
    p.drawRoundedRect(QRectF(18, 20, 84, 170), 8, 8);
    p.drawLine(QPointF(18, 78), QPointF(102, 78));
    p.setPen(QPen(rgb("#6a7280"), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(90, 40), QPointF(90, 64));
    p.drawLine(QPointF(90, 92), QPointF(90, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb("#ff5a5a"));
    p.drawEllipse(QPointF(40, 100), 6, 6);
    p.setBrush(rgb("#ffd23f"));
    p.drawRect(QRectF(52, 96, 12, 10));
    // The lamp and its cone of light.
    p.setPen(QPen(rgb("#111"), 1.5));
    p.drawLine(QPointF(330, 0), QPointF(330, 30));
    QPainterPath cone;
    cone.moveTo(316, 44);
    cone.lineTo(344, 44);
    cone.lineTo(420, 190);
    cone.lineTo(240, 190);
    cone.closeSubpath();
    QLinearGradient lg(0, 44, 0, 190);
    lg.setColorAt(0, QColor(255, 230, 150, 150));
    lg.setColorAt(1, QColor(255, 230, 150, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(lg);
    p.drawPath(cone);
    p.setBrush(rgb("#d8602a"));
    p.setPen(QPen(rgb("#6a2a10"), 1.2));
    p.drawChord(QRectF(312, 24, 36, 40), 0, 180 * 16);
    p.setBrush(rgb("#fff3b0"));
    p.drawEllipse(QPointF(330, 45), 6, 3);
    table(p, QRectF(0, 180, W, 45), rgb("#7a5a3a"), rgb("#3a2616"));
    // Kettle.
    p.setPen(QPen(rgb("#333"), 1.5));
    p.setBrush(rgb("#c8cdd4"));
    p.drawEllipse(QRectF(120, 140, 56, 44));
    p.drawRect(QRectF(140, 132, 16, 10));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(128, 118, 40, 40), 20 * 16, 140 * 16);
    p.drawLine(QPointF(174, 160), QPointF(192, 146));
    glassBuddy(p, 300, 196, 84, Mood::Tipsy, 0.25, false);
    shotGlass(p, 360, 196, 30, 0.0);
    shotGlass(p, 390, 196, 30, 0.8);
    outlinedText(p, QStringLiteral("Полночь на кухне"), QPointF(330, 212), font(15, true, true),
                 rgb("#ffe9a0"), rgb("#1d2436"), 3);
    return img;
}

QImage zakat()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, rgb("#3a2a6a"));
    sky.setColorAt(0.45, rgb("#d8506a"));
    sky.setColorAt(0.8, rgb("#ffa040"));
    sky.setColorAt(1, rgb("#ffd27a"));
    p.fillRect(QRectF(0, 0, W, 150), sky);
    QRadialGradient sun(QPointF(260, 148), 90);
    sun.setColorAt(0, QColor(255, 250, 200, 255));
    sun.setColorAt(0.35, QColor(255, 220, 120, 255));
    sun.setColorAt(0.36, QColor(255, 200, 100, 120));
    sun.setColorAt(1, QColor(255, 160, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(260, 148), 90, 90);
    // Clouds.
    p.setBrush(QColor(255, 190, 170, 120));
    for (auto c : {QPointF(80, 50), QPointF(120, 44), QPointF(330, 70), QPointF(360, 64)})
        p.drawEllipse(c, 42, 8);
    // Field.
    QLinearGradient field(0, 148, 0, H);
    field.setColorAt(0, rgb("#4a3a1a"));
    field.setColorAt(1, rgb("#1a1408"));
    p.fillRect(QRectF(0, 148, W, 77), field);
    p.setPen(QPen(QColor(255, 190, 90, 70), 1));
    for (int i = 0; i < 14; ++i)
        p.drawLine(QPointF(216, 150), QPointF(-200 + i * 60, H));
    // Birds.
    p.setPen(QPen(rgb("#2a1a2a"), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (auto b : {QPointF(90, 80), QPointF(108, 92), QPointF(125, 78)}) {
        QPainterPath w;
        w.moveTo(b + QPointF(-7, -2));
        w.quadTo(b + QPointF(-3, -5), b);
        w.quadTo(b + QPointF(3, -5), b + QPointF(7, -2));
        p.drawPath(w);
    }
    // The silhouette of the buddy with a friend bottle, looking at the sun.
    QImage sil(W, H, QImage::Format_ARGB32_Premultiplied);
    sil.fill(Qt::transparent);
    {
        QPainter s(&sil);
        begin(s);
        glassBuddy(s, 120, 212, 96, Mood::Happy, 0.5, true);
        bottle(s, 190, 212, 110, QString());
    }
    // Against the sun the see-through glass is as dark as the bottle.
    for (int y = 0; y < H; ++y) {
        auto *line = reinterpret_cast<QRgb *>(sil.scanLine(y));
        for (int x = 0; x < W; ++x)
            line[x] = qAlpha(line[x]) > 16 ? qRgb(0x12, 0x0a, 0x14) : 0;
    }
    p.drawImage(0, 0, sil);
    outlinedText(p, QStringLiteral("Хорошо сидим..."), QPointF(330, 196), font(20, true, true),
                 rgb("#ffd27a"), rgb("#120a14"), 3);
    return img;
}

QImage stakany()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    radialFill(p, img.rect(), QPointF(216, 90), 250, rgb("#fff2c0"), rgb("#c8502a"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(216, 96);
        p.rotate(i * 30);
        p.drawPolygon(QPolygonF{QPointF(0, 0), QPointF(300, -26), QPointF(300, 26)});
        p.restore();
    }
    // Four glasses meeting in the middle.
    const double angles[] = {-28, -10, 10, 28};
    const double xs[] = {120, 188, 246, 314};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(xs[i], 208);
        p.rotate(angles[i]);
        glassBuddy(p, 0, 0, 104, i % 2 ? Mood::Happy : Mood::Tipsy, 0.6, false);
        p.restore();
    }
    // Splashes.
    QRandomGenerator rnd(17);
    for (int i = 0; i < 22; ++i) {
        const QPointF c(216 + rnd.bounded(120) - 60, 70 + rnd.bounded(50) - 25);
        p.setPen(QPen(QColor(120, 170, 210), 1));
        p.setBrush(QColor(230, 245, 255, 220));
        const double r = 2 + rnd.bounded(4);
        p.drawEllipse(c, r, r * 1.3);
    }
    outlinedText(p, QStringLiteral("Будем!"), QPointF(216, 36), font(38, true, true),
                 rgb("#ffffff"), rgb("#8a1a0a"), 6);
    return img;
}

QImage seledka()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    // Checked tablecloth from the texture.
    const QImage t = texture();
    for (int y = 0; y < H; y += 64)
        for (int x = 0; x < W; x += 64)
            p.drawImage(x, y, t);
    p.fillRect(img.rect(), QColor(255, 255, 255, 40));
    // A long dish with the layered salad.
    plate(p, QPointF(200, 132), 150, 62);
    const QRectF salad(96, 92, 208, 70);
    const char *layers[] = {"#e8e0c8", "#f0b840", "#c86a3a", "#7a2a6a", "#9a3a8a"};
    for (int i = 0; i < 5; ++i) {
        const double y = salad.bottom() - i * 11;
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(layers[i]));
        p.drawRoundedRect(QRectF(salad.left(), y - 14, salad.width(), 16), 8, 8);
    }
    p.setBrush(rgb("#a8459a"));
    p.drawEllipse(QRectF(salad.left(), salad.top() + 4, salad.width(), 24));
    // Mayonnaise net and grated egg on top.
    p.setPen(QPen(QColor(255, 255, 240, 220), 2));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(110 + i * 28, 100), QPointF(126 + i * 28, 120));
    QRandomGenerator rnd(23);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(i % 2 ? rgb("#fff6c0") : rgb("#ffe070"));
        p.drawEllipse(QPointF(120 + rnd.bounded(160), 104 + rnd.bounded(14)), 1.6, 1.6);
    }
    // Dill.
    p.setPen(QPen(rgb("#2c7a1a"), 1.4));
    for (int i = 0; i < 6; ++i) {
        const QPointF c(150 + i * 20, 108);
        for (int k = 0; k < 5; ++k)
            p.drawLine(c, c + QPointF(std::cos(k * 1.3) * 6, std::sin(k * 1.3) * 4));
    }
    // The herring herself, watching.
    p.save();
    p.translate(346, 170);
    p.rotate(-12);
    QPainterPath fish;
    fish.moveTo(-60, 0);
    fish.cubicTo(-30, -22, 30, -22, 50, 0);
    fish.cubicTo(30, 20, -30, 20, -60, 0);
    fish.moveTo(48, 0);
    fish.lineTo(72, -16);
    fish.lineTo(66, 0);
    fish.lineTo(72, 16);
    fish.closeSubpath();
    QLinearGradient fg(0, -20, 0, 20);
    fg.setColorAt(0, rgb("#3a4a6a"));
    fg.setColorAt(0.5, rgb("#a8b8d0"));
    fg.setColorAt(1, rgb("#e0e8f0"));
    p.setPen(QPen(rgb("#1a2238"), 1.4));
    p.setBrush(fg);
    p.drawPath(fish);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-42, -3), 6, 6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-43, -2), 2.5, 2.5);
    p.restore();
    outlinedText(p, QStringLiteral("Селёдка под шубой"), QPointF(216, 24), font(22, true, true),
                 rgb("#ffffff"), rgb("#6a1a5a"), 4);
    outlinedText(p, QStringLiteral("шуба - на ней, тепло - нам"), QPointF(216, 208),
                 font(14, true, true), rgb("#fff6d0"), rgb("#6a1a5a"), 3);
    return img;
}

QImage shashlyk()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, rgb("#4a6a8a"));
    sky.setColorAt(0.6, rgb("#e8a060"));
    sky.setColorAt(1, rgb("#3a5a2a"));
    p.fillRect(img.rect(), sky);
    // Birches.
    for (int i = 0; i < 5; ++i) {
        const double x = 20 + i * 95 + (i % 2) * 20;
        p.fillRect(QRectF(x, 0, 9, 160), rgb("#f4f2ea"));
        p.setPen(Qt::NoPen);
        p.setBrush(rgb("#2a2a2a"));
        for (int k = 0; k < 8; ++k)
            p.drawRect(QRectF(x + (k % 2) * 4, 10 + k * 19, 5, 2));
    }
    p.fillRect(QRectF(0, 160, W, 65), rgb("#3c6a24"));
    // The grill.
    p.setPen(QPen(rgb("#222"), 1.5));
    QLinearGradient mg(0, 140, 0, 172);
    mg.setColorAt(0, rgb("#555"));
    mg.setColorAt(1, rgb("#222"));
    p.setBrush(mg);
    p.drawRect(QRectF(96, 140, 240, 32));
    p.drawLine(QPointF(110, 172), QPointF(104, 212));
    p.drawLine(QPointF(322, 172), QPointF(328, 212));
    // Coals.
    QRandomGenerator rnd(29);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        QRadialGradient coal(QPointF(104 + rnd.bounded(224), 142 + rnd.bounded(6)), 8);
        coal.setColorAt(0, rgb("#ffd040"));
        coal.setColorAt(0.5, rgb("#ff5a1a"));
        coal.setColorAt(1, QColor(120, 20, 0, 0));
        p.setBrush(coal);
        p.drawEllipse(coal.center(), 8, 5);
    }
    // Smoke.
    p.setBrush(QColor(230, 230, 230, 50));
    for (int i = 0; i < 8; ++i)
        p.drawEllipse(QPointF(160 + i * 16 + (i % 3) * 8, 96 - i * 9), 16 + i * 2, 10 + i);
    // Skewers with meat, onion and tomato.
    for (int s = 0; s < 4; ++s) {
        const double y = 132 - s * 2;
        const double x0 = 80 + s * 6;
        p.setPen(QPen(rgb("#b8bcc4"), 2.5));
        p.drawLine(QPointF(x0, y), QPointF(x0 + 290, y));
        p.setPen(QPen(rgb("#6a6e76"), 1));
        p.setBrush(rgb("#c8ccd4"));
        p.drawEllipse(QPointF(x0 - 4, y), 5, 5);
        for (int k = 0; k < 8; ++k) {
            const double x = x0 + 40 + k * 28 + s * 3;
            if (k % 3 == 2) {
                p.setPen(QPen(rgb("#c8b0c8"), 1));
                p.setBrush(rgb("#f4e8f0"));
                p.drawEllipse(QPointF(x, y), 5, 10);
            } else {
                QRadialGradient mt(QPointF(x - 3, y - 4), 14);
                mt.setColorAt(0, rgb("#c8703a"));
                mt.setColorAt(1, rgb("#5a2a10"));
                p.setPen(QPen(rgb("#3a1a08"), 1));
                p.setBrush(mt);
                p.drawRoundedRect(QRectF(x - 11, y - 10, 22, 20), 6, 6);
            }
        }
    }
    outlinedText(p, QStringLiteral("Шашлычок под водочку!"), QPointF(216, 200),
                 font(20, true, true), rgb("#fff0c0"), rgb("#3a1a08"), 4);
    return img;
}

QImage rassol()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, rgb("#fff8d8"));
    bg.setColorAt(1, rgb("#f0d890"));
    p.fillRect(img.rect(), bg);
    // Morning window with the sun.
    QRectF win(250, 16, 160, 130);
    QLinearGradient sky(win.topLeft(), win.bottomLeft());
    sky.setColorAt(0, rgb("#9ad0ff"));
    sky.setColorAt(1, rgb("#e0f4ff"));
    p.fillRect(win, sky);
    QRadialGradient sun(QPointF(350, 60), 60);
    sun.setColorAt(0, rgb("#fffbe0"));
    sun.setColorAt(0.3, rgb("#fff0a0"));
    sun.setColorAt(1, QColor(255, 240, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(350, 60), 60, 60);
    p.setPen(QPen(rgb("#ffffff"), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(win);
    p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    table(p, QRectF(0, 186, W, 39));
    // The jar of brine.
    const QRectF jar(70, 60, 130, 134);
    softShadow(p, QPointF(135, 192), 80, 8, 90);
    QLinearGradient jg(jar.topLeft(), jar.topRight());
    jg.setColorAt(0, QColor(170, 210, 140, 230));
    jg.setColorAt(0.4, QColor(220, 240, 190, 200));
    jg.setColorAt(1, QColor(140, 180, 110, 230));
    p.setPen(QPen(rgb("#4d6e3a"), 2));
    p.setBrush(jg);
    p.drawRoundedRect(jar, 20, 20);
    for (int i = 0; i < 9; ++i)
        pickle(p, QPointF(100 + (i % 3) * 36, 90 + (i / 3) * 34), 40, 80 + (i * 23) % 30, 60 + i);
    // Dill and garlic.
    p.setPen(QPen(rgb("#2c6a1a"), 2));
    for (int k = 0; k < 6; ++k)
        p.drawLine(QPointF(120, 70), QPointF(120 + std::cos(k) * 20, 70 + std::sin(k) * 14 + 10));
    p.setPen(QPen(rgb("#a0a080"), 1));
    p.setBrush(rgb("#f8f4e8"));
    p.drawEllipse(QPointF(170, 176), 8, 7);
    p.setPen(QPen(rgb("#ffffff"), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(86, 80), QPointF(86, 176));
    p.setPen(QPen(rgb("#8a6a1a"), 1.5));
    p.setBrush(rgb("#d4a830"));
    p.drawRoundedRect(QRectF(64, 48, 142, 18), 4, 4);
    glassBuddy(p, 234, 200, 70, Mood::Sleepy, 0.0, false);
    outlinedText(p, QStringLiteral("Утро. Рассол."), QPointF(345, 172), font(22, true, true),
                 rgb("#ffffff"), rgb("#2c5a16"), 4);
    return img;
}

QImage gitara()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    radialFill(p, img.rect(), QPointF(216, 112), 260, rgb("#ffcf7a"), rgb("#8a2a1a"));
    p.save();
    p.translate(150, 120);
    p.rotate(-35);
    // Body.
    QPainterPath body;
    body.addEllipse(QPointF(-60, 0), 52, 46);
    body.addEllipse(QPointF(0, 0), 40, 36);
    body.setFillRule(Qt::WindingFill);
    body = body.simplified();
    QRadialGradient bg2(QPointF(-40, -10), 90);
    bg2.setColorAt(0, rgb("#f0a040"));
    bg2.setColorAt(1, rgb("#8a3a10"));
    p.setPen(QPen(rgb("#3a1a08"), 2));
    p.setBrush(bg2);
    p.drawPath(body);
    p.setBrush(rgb("#2a1206"));
    p.drawEllipse(QPointF(-28, 0), 15, 15);
    // Neck and head.
    p.setBrush(rgb("#5a2a10"));
    p.drawRect(QRectF(10, -8, 150, 16));
    p.drawRoundedRect(QRectF(158, -12, 36, 24), 4, 4);
    p.setPen(QPen(rgb("#e0d0a0"), 1));
    for (int f = 0; f < 9; ++f)
        p.drawLine(QPointF(24 + f * 15, -8), QPointF(24 + f * 15, 8));
    p.setPen(QPen(rgb("#f0f0f0"), 0.8));
    for (int s = -3; s <= 2; ++s)
        p.drawLine(QPointF(-80, s * 2.4 + 1), QPointF(190, s * 2.4 + 1));
    p.setPen(QPen(rgb("#3a1a08"), 2));
    p.setBrush(rgb("#2a1206"));
    p.drawRect(QRectF(-86, -12, 8, 24));
    p.restore();
    // Notes flying out.
    const QPointF notes[] = {{250, 60}, {290, 100}, {330, 50}, {370, 90}, {300, 160}};
    for (int i = 0; i < 5; ++i) {
        const QPointF n = notes[i];
        p.setPen(QPen(rgb("#2a0a04"), 2.5));
        p.setBrush(rgb("#2a0a04"));
        p.save();
        p.translate(n);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 7, 5);
        p.restore();
        p.drawLine(n + QPointF(6, -2), n + QPointF(6, -28));
        if (i % 2 == 0)
            p.drawLine(n + QPointF(6, -28), n + QPointF(16, -20));
    }
    outlinedText(p, QStringLiteral("Ой, то не вечер..."), QPointF(300, 196), font(22, true, true),
                 rgb("#fff4d0"), rgb("#3a0a04"), 4);
    return img;
}

QImage ogurets()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    QLinearGradient bg(0, 0, W, H);
    bg.setColorAt(0, rgb("#e8ffd0"));
    bg.setColorAt(1, rgb("#a8e080"));
    p.fillRect(img.rect(), bg);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        p.setBrush(QColor(255, 255, 255, 80));
        p.drawEllipse(QPointF(30 + i * 44, 20 + (i % 3) * 60), 14, 14);
    }
    softShadow(p, QPointF(216, 206), 110, 12, 90);
    // Arms and legs.
    p.setPen(QPen(rgb("#1f3f0e"), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(170, 150), QPointF(120, 110));
    p.drawLine(QPointF(262, 150), QPointF(318, 100));
    p.drawLine(QPointF(196, 180), QPointF(186, 204));
    p.drawLine(QPointF(236, 180), QPointF(248, 204));
    p.setBrush(rgb("#1f3f0e"));
    p.drawEllipse(QPointF(180, 206), 10, 4);
    p.drawEllipse(QPointF(254, 206), 10, 4);
    p.setPen(QPen(rgb("#1f3f0e"), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(118, 106), 8, 8);
    // He raises a little shot glass.
    shotGlass(p, 322, 100, 26, 0.7);
    pickle(p, QPointF(216, 128), 190, -90, 77, false);
    // Face on the upright pickle.
    for (int s : {-1, 1}) {
        p.setPen(QPen(rgb("#102008"), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(216 + s * 16, 96), 11, 13);
        p.setBrush(rgb("#102008"));
        p.drawEllipse(QPointF(216 + s * 16 + 2, 99), 5, 5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(216 + s * 16, 96), 1.8, 1.8);
    }
    p.setPen(QPen(rgb("#102008"), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(rgb("#7a1a1a"));
    p.drawChord(QRectF(198, 108, 36, 26), 180 * 16, 180 * 16);
    outlinedText(p, QStringLiteral("Огурчик!"), QPointF(90, 40), font(28, true, true),
                 rgb("#ffffff"), rgb("#2c5a16"), 5, -8);
    outlinedText(p, QStringLiteral("Я - закуска!"), QPointF(350, 190), font(18, true, true),
                 rgb("#ffffff"), rgb("#2c5a16"), 4, 6);
    return img;
}

QImage vecherinka()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, rgb("#2a1a5a"));
    bg.setColorAt(1, rgb("#7a2a8a"));
    p.fillRect(img.rect(), bg);
    // Disco spots.
    const QColor spots[] = {QColor(255, 80, 120, 70), QColor(80, 200, 255, 70),
                            QColor(255, 220, 80, 70)};
    for (int i = 0; i < 3; ++i) {
        QRadialGradient g(QPointF(90 + i * 130, 120), 100);
        g.setColorAt(0, spots[i]);
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(90 + i * 130, 120), 100, 100);
    }
    // Garland.
    QPainterPath wire;
    wire.moveTo(0, 14);
    wire.quadTo(108, 46, 216, 14);
    wire.quadTo(324, 46, 433, 14);
    p.setPen(QPen(rgb("#222"), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wire);
    static const char *bulbs[] = {"#ff4d6d", "#ffd23f", "#3ec1d3", "#8ac926"};
    for (int i = 0; i < 17; ++i) {
        const double t = i / 16.0;
        const QPointF pt = wire.pointAtPercent(t);
        QRadialGradient b(pt + QPointF(0, 6), 10);
        b.setColorAt(0, rgb(bulbs[i % 4]));
        b.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(b);
        p.drawEllipse(pt + QPointF(0, 6), 10, 10);
        p.setBrush(rgb(bulbs[i % 4]));
        p.drawEllipse(pt + QPointF(0, 6), 3, 4);
    }
    balloon(p, QPointF(40, 70), 18, rgb("#ff4d6d"));
    balloon(p, QPointF(70, 90), 15, rgb("#ffd23f"));
    balloon(p, QPointF(392, 72), 18, rgb("#3ec1d3"));
    balloon(p, QPointF(362, 96), 14, rgb("#8ac926"));
    confetti(p, QRectF(0, 30, W, 190), 160, 31);
    // The company dancing.
    glassBuddy(p, 150, 212, 92, Mood::Happy, 0.6, true);
    bottle(p, 226, 214, 120, QStringLiteral("ВОДКА"), rgb("#dfeff5"), true);
    glassBuddy(p, 300, 212, 80, Mood::Tipsy, 0.3, true);
    outlinedText(p, QStringLiteral("Вечеринка!"), QPointF(216, 66), font(34, true, true),
                 rgb("#ffe040"), rgb("#5a0a4a"), 6, -3);
    return img;
}

QImage kot()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    wallpaper(p, QRectF(0, 0, W, 150), rgb("#d8c8e8"), rgb("#a890c0"), 37);
    // A rug.
    QLinearGradient floor(0, 150, 0, H);
    floor.setColorAt(0, rgb("#8a5a3a"));
    floor.setColorAt(1, rgb("#5a3a22"));
    p.fillRect(QRectF(0, 150, W, 75), floor);
    p.setPen(QPen(rgb("#f0d080"), 3));
    p.setBrush(rgb("#b8303a"));
    p.drawEllipse(QRectF(60, 160, 320, 58));
    p.setPen(QPen(rgb("#f0d080"), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(80, 166, 280, 46));
    // The cat, curled up.
    softShadow(p, QPointF(190, 194), 70, 10, 100);
    QRadialGradient fur(QPointF(180, 160), 80);
    fur.setColorAt(0, rgb("#ffb050"));
    fur.setColorAt(1, rgb("#c86a1a"));
    p.setPen(QPen(rgb("#5a2a08"), 1.8));
    p.setBrush(fur);
    p.drawEllipse(QRectF(126, 142, 132, 56));
    // Tail around.
    QPainterPath tail;
    tail.moveTo(250, 180);
    tail.cubicTo(290, 200, 210, 214, 150, 200);
    p.setPen(QPen(rgb("#c86a1a"), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(rgb("#5a2a08"), 1.2));
    // Stripes.
    for (int i = 0; i < 5; ++i)
        p.drawArc(QRectF(150 + i * 18, 146, 20, 30), 30 * 16, 120 * 16);
    // Head.
    p.setBrush(fur);
    p.setPen(QPen(rgb("#5a2a08"), 1.8));
    p.drawEllipse(QPointF(140, 172), 28, 24);
    p.drawPolygon(QPolygonF{QPointF(118, 160), QPointF(116, 136), QPointF(134, 152)});
    p.drawPolygon(QPolygonF{QPointF(150, 150), QPointF(164, 134), QPointF(164, 158)});
    // Closed eyes, nose and whiskers.
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(124, 166, 12, 8), 180 * 16, 180 * 16);
    p.drawArc(QRectF(146, 166, 12, 8), 180 * 16, 180 * 16);
    p.setBrush(rgb("#e06a7a"));
    p.drawEllipse(QPointF(141, 179), 3, 2);
    p.setPen(QPen(rgb("#5a2a08"), 0.8));
    for (int s : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(QPointF(141 + s * 6, 180), QPointF(141 + s * 26, 178 + k * 5));
    // The empty bottle on its side and a little puddle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 235, 250, 160));
    p.drawEllipse(QRectF(300, 190, 60, 10));
    p.save();
    p.translate(330, 186);
    p.rotate(80);
    bottle(p, 0, 40, 100, QStringLiteral("ВОДКА"));
    p.restore();
    // Zzz.
    p.setPen(rgb("#3a2a5a"));
    for (int i = 0; i < 3; ++i) {
        p.setFont(font(14 + i * 6, true, true));
        p.drawText(QPointF(104 - i * 14, 128 - i * 26), QStringLiteral("z"));
    }
    outlinedText(p, QStringLiteral("Кто не пьёт - тот спит"), QPointF(290, 40),
                 font(17, true, true), rgb("#ffffff"), rgb("#3a2a5a"), 4);
    return img;
}

// --- stickers for scenarios

QImage bah()
{
    QImage img = canvas(140, 90);
    QPainter p(&img);
    begin(p);
    p.fillRect(img.rect(), rgb("#2a8ad8"));
    QPolygonF star;
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        const double r = (i % 2 == 0) ? 1.0 : 0.62;
        star << QPointF(70 + std::cos(a) * 66 * r, 45 + std::sin(a) * 42 * r);
    }
    p.setPen(QPen(rgb("#7a0a0a"), 2.5));
    p.setBrush(rgb("#ffd23f"));
    p.drawPolygon(star);
    QPolygonF inner;
    for (const QPointF &pt : star)
        inner << QPointF(70, 45) + (pt - QPointF(70, 45)) * 0.72;
    p.setPen(Qt::NoPen);
    p.setBrush(rgb("#ff6a2a"));
    p.drawPolygon(inner);
    outlinedText(p, QStringLiteral("БАХ!"), QPointF(70, 46), font(30, true, true), rgb("#ffffff"),
                 rgb("#7a0a0a"), 5, -8);
    p.setPen(QPen(rgb("#10305a"), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 138, 88));
    return img;
}

QImage ogurchik()
{
    QImage img = canvas(110, 80);
    QPainter p(&img);
    begin(p);
    p.fillRect(img.rect(), rgb("#fff6d8"));
    plate(p, QPointF(55, 60), 46, 12);
    // A fork holding the pickle.
    p.setPen(QPen(rgb("#8a9098"), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(90, 8), QPointF(66, 36));
    p.setPen(QPen(rgb("#8a9098"), 1.5));
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(66 - k * 2, 36 + k), QPointF(58 - k * 3, 44 + k * 2));
    pickle(p, QPointF(48, 48), 62, -18, 5, true);
    p.setPen(QPen(rgb("#2c5a16"), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 108, 78), 6, 6);
    return img;
}

QImage ryumka()
{
    QImage img = canvas(80, 100);
    QPainter p(&img);
    begin(p);
    QLinearGradient bg(0, 0, 0, 100);
    bg.setColorAt(0, rgb("#fff2c0"));
    bg.setColorAt(1, rgb("#ffc060"));
    p.fillRect(img.rect(), bg);
    softShadow(p, QPointF(40, 90), 26, 4, 100);
    shotGlass(p, 40, 90, 70, 0.75);
    p.setPen(QPen(rgb("#8a4a10"), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 78, 98), 6, 6);
    outlinedText(p, QStringLiteral("50"), QPointF(58, 16), font(13, true), rgb("#ffffff"),
                 rgb("#8a4a10"), 3);
    return img;
}

// --- caricature window

QImage fon()
{
    QImage img = canvas(500, 420);
    QPainter p(&img);
    begin(p);
    // Museum wall with a damask look.
    QLinearGradient wall(0, 0, 0, 420);
    wall.setColorAt(0, rgb("#6a1a22"));
    wall.setColorAt(1, rgb("#3a0a10"));
    p.fillRect(img.rect(), wall);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 150, 26));
    for (int y = 0; y < 420; y += 40)
        for (int x = (y / 40 % 2) * 25; x < 500; x += 50) {
            QPainterPath d;
            d.moveTo(x, y - 14);
            d.quadTo(x + 12, y, x, y + 14);
            d.quadTo(x - 12, y, x, y - 14);
            p.drawPath(d);
        }
    // Spotlight onto the picture.
    QRadialGradient spot(QPointF(248, 180), 260);
    spot.setColorAt(0, QColor(255, 240, 200, 90));
    spot.setColorAt(1, QColor(255, 240, 200, 0));
    p.setBrush(spot);
    p.drawEllipse(QPointF(248, 180), 260, 200);
    // The gilded frame around the place of the inner picture (32, 72, 433 x 225).
    frame(p, QRectF(14, 54, 469, 261), 18);
    p.fillRect(QRectF(32, 72, 433, 225), rgb("#f0e6d0"));
    // Title plaque above and a shelf for the button below.
    frame(p, QRectF(150, 10, 200, 34), 4, rgb("#d8b050"));
    p.fillRect(QRectF(154, 14, 192, 26), rgb("#2a1a08"));
    p.setPen(rgb("#f0d890"));
    p.setFont(font(15, true, true, "DejaVu Serif"));
    p.drawText(QRectF(154, 14, 192, 26), Qt::AlignCenter, QStringLiteral("Галерея шаржей"));
    p.fillRect(QRectF(0, 392, 500, 28), rgb("#2a0a0e"));
    p.fillRect(QRectF(0, 390, 500, 3), rgb("#c89b3c"));
    p.setPen(rgb("#e8c890"));
    p.setFont(font(11, false, true, "DejaVu Serif"));
    p.drawText(QRectF(0, 394, 500, 24), Qt::AlignCenter,
               QStringLiteral("Экспонаты руками не трогать. Закуску - можно."));
    return img;
}

QImage portret()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    radialFill(p, img.rect(), QPointF(216, 100), 260, rgb("#5a4a3a"), rgb("#1a120a"));
    // Canvas texture.
    QRandomGenerator rnd(41);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 500; ++i) {
        p.setBrush(QColor(255, 230, 180, 10 + rnd.bounded(14)));
        p.drawRect(QRectF(rnd.bounded(W), rnd.bounded(H), 3, 1));
    }
    // Red velvet drapery on the left.
    QPainterPath drape;
    drape.moveTo(0, 0);
    drape.lineTo(110, 0);
    drape.cubicTo(70, 60, 110, 130, 40, 225);
    drape.lineTo(0, 225);
    drape.closeSubpath();
    QLinearGradient dg(0, 0, 110, 0);
    dg.setColorAt(0, rgb("#4a0a10"));
    dg.setColorAt(0.6, rgb("#9a1a2a"));
    dg.setColorAt(1, rgb("#5a0a14"));
    p.setBrush(dg);
    p.drawPath(drape);
    // The sitter, proud, with a bow tie, one hand on a pickle.
    glassBuddy(p, 226, 206, 172, Mood::Proud, 0.7, true, true);
    pickle(p, QPointF(340, 196), 56, -30, 3);
    // A medal.
    p.setPen(QPen(rgb("#6a4a00"), 1.2));
    p.setBrush(rgb("#e8c040"));
    p.drawEllipse(QPointF(266, 178), 9, 9);
    p.setBrush(rgb("#c8202a"));
    p.drawPolygon(
        QPolygonF{QPointF(260, 160), QPointF(272, 160), QPointF(269, 170), QPointF(263, 170)});
    p.setPen(rgb("#e8d8b0"));
    p.setFont(font(11, false, true, "DejaVu Serif"));
    p.drawText(QRectF(300, 6, 128, 50), Qt::AlignRight | Qt::TextWordWrap,
               QStringLiteral("Портрет Стаканыча.\nХолст, масло, огурец."));
    return img;
}

QImage portret2()
{
    QImage img = canvas();
    QPainter p(&img);
    begin(p);
    // Old paper.
    radialFill(p, img.rect(), QPointF(216, 112), 260, rgb("#f4e4c0"), rgb("#c8a870"));
    QRandomGenerator rnd(43);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor(120, 80, 30, 10 + rnd.bounded(25)));
        const double r = 2 + rnd.bounded(8);
        p.drawEllipse(QPointF(rnd.bounded(W), rnd.bounded(H)), r, r);
    }
    p.setPen(QPen(rgb("#5a3a10"), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 8, W - 16, H - 16));
    p.setPen(rgb("#3a1a04"));
    p.setFont(font(30, true, false, "DejaVu Serif"));
    p.drawText(QRectF(0, 12, W, 40), Qt::AlignCenter, QStringLiteral("РАЗЫСКИВАЕТСЯ"));
    // Mug shot with a height chart.
    const QRectF shot(30, 58, 150, 150);
    p.fillRect(shot, rgb("#e8dcc4"));
    p.setPen(QPen(rgb("#8a7a60"), 1));
    for (int k = 0; k < 6; ++k)
        p.drawLine(QPointF(shot.left(), shot.top() + 12 + k * 24),
                   QPointF(shot.right(), shot.top() + 12 + k * 24));
    glassBuddy(p, shot.center().x(), shot.bottom() - 8, 120, Mood::Surprised, 0.2, false);
    p.setPen(QPen(rgb("#3a1a04"), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(shot);
    p.setPen(rgb("#3a1a04"));
    p.setFont(font(16, true, true, "DejaVu Serif"));
    p.drawText(QRectF(196, 62, 220, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("за кражу закуски\nсо стола"));
    p.setFont(font(12, false, true, "DejaVu Serif"));
    p.drawText(QRectF(196, 118, 220, 50), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Особые приметы: гранёный,\nнос красный, улыбается."));
    p.setFont(font(18, true, false, "DejaVu Serif"));
    p.setPen(rgb("#8a1a0a"));
    p.drawText(QRectF(196, 168, 220, 30), Qt::AlignLeft, QStringLiteral("Награда: 3 огурца"));
    pickle(p, QPointF(396, 190), 26, 20, 8);
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawpics CONTENT_DIR\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    const std::pair<const char *, std::function<QImage()>> jobs[] = {
        {"alk1.bmp", alk1},
        {"logo.bmp", logo},
        {"texture.bmp", texture},
        {"pics/stol.bmp", stol},
        {"pics/butylka.bmp", butylka},
        {"pics/kuhnya.bmp", kuhnya},
        {"pics/zakat.jpg", zakat},
        {"pics/stakany.jpg", stakany},
        {"pics/seledka.jpg", seledka},
        {"pics/shashlyk.jpg", shashlyk},
        {"pics/rassol.jpg", rassol},
        {"pics/gitara.gif", gitara},
        {"pics/ogurets.gif", ogurets},
        {"pics/vecherinka.gif", vecherinka},
        {"pics/kot.gif", kot},
        {"extra/bah.gif", bah},
        {"extra/ogurchik.gif", ogurchik},
        {"extra/ryumka.gif", ryumka},
        {"extra/fon.jpg", fon},
        {"extra/portret.gif", portret},
        {"extra/portret2.jpg", portret2},
    };
    const QStringList only = app.arguments().mid(2);
    for (const auto &[name, draw] : jobs)
        if (only.isEmpty() || only.contains(QString::fromLatin1(name)))
            save(draw(), QString::fromLatin1(name));
    return 0;
}
