#include "widgets/shakencontents.h"

#include <QPainter>

namespace stak {

// The picture is taken before this widget joins the window, so that it does
// not paint itself into it.
ShakenContents::ShakenContents(QWidget *window) : m_picture(window->grab())
{
    setParent(window);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(window->rect());
    show();
    raise();
}

void ShakenContents::shakeTo(QPoint offset)
{
    m_offset = offset;
    repaint();
}

void ShakenContents::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawPixmap(m_offset, m_picture);
}

} // namespace stak
