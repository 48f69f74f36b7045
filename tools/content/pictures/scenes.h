// The list of pictures to paint, each with its file name, size and painter.
#pragma once

#include <QList>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>
#include <functional>

namespace pics {

struct Picture
{
    QString path; // relative to the content folder
    int width;
    int height;
    std::function<void(QPainter &, QRandomGenerator &)> draw;
    // A sticker: drawn on a transparent sheet and cut out along its outline
    // with a white border; the GIF is transparent outside the cut.
    bool cutOut = false;
};

// The companion's picture, the logo, the texture, stickers and the caricature window.
void addMainPictures(QList<Picture> &list);

// The twelve panel pictures under pics/.
void addPanelPictures(QList<Picture> &list);

// Helpers shared by both lists.
void wallpaper(QPainter &p, const QRectF &r, const QColor &base, const QColor &motif);
void oilcloth(QPainter &p, const QRectF &top, double frontDrop, const QColor &check, double vanishY,
              double cell);
void kitchenWindow(QPainter &p, const QRectF &r, QRandomGenerator &rng, bool night = true);

// The program's icon at every size of the hicolor theme, written as
// THEME_DIR/NxN/apps/stakanych.png; false when a file cannot be written.
bool writeIcons(const QString &themeDir);

} // namespace pics
