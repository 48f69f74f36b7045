#include "widgets/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace stak {

PictureBox::PictureBox(QSize size, QWidget *parent)
    : QWidget(parent), m_image(size, QImage::Format_RGB32)
{
    m_image.fill(palette().color(QPalette::Window));
    setFixedSize(size);
}

void PictureBox::paintPicture(const QImage &picture, int x, int y)
{
    QPainter p(&m_image);
    p.drawImage(x, y, picture);
    p.end();
    update();
}

bool PictureBox::paintFile(const QString &path, int x, int y)
{
    const QImage img = loadPicture(path);
    if (img.isNull())
        return false;
    paintPicture(img, x, y);
    return true;
}

void PictureBox::clearPicture()
{
    m_image.fill(palette().color(QPalette::Window));
    update();
}

void PictureBox::setBorder(bool on)
{
    m_border = on;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
    if (m_border) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent *e)
{
    emit mousePressed(e->button());
}

} // namespace stak
