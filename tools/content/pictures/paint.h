// Drawing helpers shared by all the pictures: fonts, outlined text, wood,
// shadows and bursts. Everything draws through one QPainter.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRandomGenerator>
#include <QRectF>
#include <QString>

namespace pics {

enum class Face { Sans, SansCondensed, Serif };

QFont font(Face face, double pixelSize, bool bold = true, bool italic = false);

// Text as a path, centred on a point; the caller strokes and fills it.
QPainterPath textPath(const QString &text, const QFont &f, QPointF centre);

// Cartoon caption: a soft shadow, a thick outline and a filled face.
void outlinedText(QPainter &p, const QString &text, const QFont &f, QPointF centre,
                  const QBrush &fill, const QColor &outline, double outlineWidth,
                  QPointF shadowOffset = QPointF(2, 3), QColor shadow = QColor(0, 0, 0, 90));

// Plain text centred on a point.
void centredText(QPainter &p, const QString &text, const QFont &f, QPointF centre,
                 const QColor &colour);

QColor mix(const QColor &a, const QColor &b, double t);
QColor lighter(const QColor &c, double t);
QColor darker(const QColor &c, double t);

// A soft elliptic shadow under an object standing at a point.
void groundShadow(QPainter &p, QPointF centre, double rx, double ry, int alpha = 90);

// A star-like burst with jittered points.
QPainterPath burst(QPointF centre, double rOuter, double rInner, int points, QRandomGenerator &rng,
                   double jitter = 0.18, double phase = 0);

// A five-pointed star.
QPainterPath star(QPointF centre, double r, double inner = 0.45, double rotation = 0);

// Horizontal wooden planks filling a rectangle.
void woodPlanks(QPainter &p, const QRectF &r, const QColor &base, int planks, QRandomGenerator &rng,
                bool vertical = false);

// A table top seen from the front: lit top surface and a darker front edge.
void tableTop(QPainter &p, const QRectF &top, double edge, const QColor &base,
              QRandomGenerator &rng);

// Sunburst rays from a centre over a rectangle.
void rays(QPainter &p, const QRectF &r, QPointF centre, int count, const QColor &a, const QColor &b,
          double phase = 0);

// A comic speech bubble with a tail pointing at tip.
void speechBubble(QPainter &p, const QRectF &r, QPointF tip, const QString &text, const QFont &f,
                  const QColor &fill = QColor(255, 255, 250),
                  const QColor &ink = QColor(40, 30, 30));

// Night sky with stars in a rectangle (clipped by the caller if needed).
void nightSky(QPainter &p, const QRectF &r, QRandomGenerator &rng, int stars);

// A crescent moon.
void moon(QPainter &p, QPointF centre, double r);

// A picture frame band around a rectangle (gold by default).
void goldFrame(QPainter &p, const QRectF &inner, double width,
               const QColor &base = QColor(214, 170, 60));

// Small random bright confetti pieces.
void confetti(QPainter &p, const QRectF &r, int count, QRandomGenerator &rng);

// A sticker cut out of `art` (drawn on a transparent sheet): a white border
// `border` pixels wide follows the outline of everything drawn, with a thin
// grey cut line at its edge; outside it the result stays transparent.
QImage dieCut(const QImage &art, int border);

} // namespace pics
