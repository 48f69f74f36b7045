#pragma once

#include "core/picture.h"

#include <QImage>
#include <QWidget>

namespace stak {

// A picture box with persistent drawing: it owns an image of its own size and
// whatever is painted into that image stays across repaints. Effects and
// scenarios read and write its pixels directly.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QSize size, QWidget *parent = nullptr);

    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    // Paints a picture with its top-left corner at (x, y) at its own size,
    // clipped by the box; pixels outside it keep what they had.
    void paintPicture(const QImage &picture, int x = 0, int y = 0);
    // Loads a picture file (through the content path resolver) and paints it.
    // False, leaving the box as it is, when the file cannot be loaded.
    bool paintFile(const QString &path, int x = 0, int y = 0);
    // Clears the persistent image to the box's background colour.
    void clearPicture();

    void setBorder(bool on);
    bool hasBorder() const { return m_border; }

signals:
    void mousePressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    QImage m_image;
    bool m_border = true;
};

} // namespace stak
