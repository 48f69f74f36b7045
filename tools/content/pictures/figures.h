// The recurring figures: the faceted glass buddy, the bottle, pickles, plates.
#pragma once

#include "paint.h"

namespace pics {

enum class Mouth { Smile, Open, Grin, Oh, Smug, Sleepy };

struct Expression
{
    Mouth mouth = Mouth::Open;
    QPointF look = QPointF(0, 0); // pupils offset, -1..1
    bool winkLeft = false;
    bool eyesClosed = false;
    bool brows = true;
    double browLift = 0; // raised brows for surprise, negative for a frown
    bool blush = true;
    bool moustache = false;
};

struct Arms
{
    bool show = true;
    // hand positions relative to the glass centre, in glass heights
    QPointF left = QPointF(-0.62, -0.05);
    QPointF right = QPointF(0.62, -0.05);
    bool leftHandUp = false; // just tells how the elbow bends
    bool rightHandUp = false;
};

struct GlassLook
{
    double fill = 0.55; // how full, 0..1
    QColor liquid = QColor(215, 238, 255, 120);
    QColor outline = QColor(38, 58, 82);
    bool face = true;
    Expression expr;
    Arms arms;
    bool solidGlass = false; // opaque glass for GIFs and dark backgrounds
};

// The faceted glass standing with its bottom centre at `base`; `h` is the height.
void glassBuddy(QPainter &p, QPointF base, double h, const GlassLook &look);

// A face with its centre at c; s is the face scale (roughly the eye spacing).
void face(QPainter &p, QPointF c, double s, const Expression &e, const QColor &ink);

// A cartoon arm from the shoulder to a gloved hand.
void arm(QPainter &p, QPointF shoulder, QPointF hand, double thick, const QColor &ink, bool bendUp);

struct BottleLook
{
    QString label = QStringLiteral("ВОДКА");
    QString subLabel = QStringLiteral("особая");
    QColor glass = QColor(200, 225, 235, 150);
    QColor liquid = QColor(225, 242, 255, 110);
    double fill = 0.8;
    QColor cap = QColor(200, 40, 40);
    QColor labelColour = QColor(250, 246, 230);
    QColor labelInk = QColor(190, 30, 30);
    bool face = false;
    Expression expr;
    bool empty = false;
};

// A vodka bottle standing at base, of height h.
void bottle(QPainter &p, QPointF base, double h, const BottleLook &look);

// A pickle centred at c, of length len and thickness thick, rotated by angle degrees.
void pickle(QPainter &p, QPointF c, double len, double thick, double angle, QRandomGenerator &rng,
            bool withFace = false, const Expression &e = {});

// A round plate seen at a slant.
void plate(QPainter &p, QPointF c, double rx, double ry, const QColor &rim = QColor(70, 120, 190));

// A fork with its tines at tip, pointing in angle degrees (0 = up).
void fork(QPainter &p, QPointF tip, double len, double angle);

// A small faceted vodka рюмка on a short stem.
void shotGlass(QPainter &p, QPointF base, double h, double fill);

// A slice of rye bread.
void bread(QPainter &p, QPointF c, double w, double angle);

// A sprig of dill.
void dill(QPainter &p, QPointF from, double len, double angle);

} // namespace pics
