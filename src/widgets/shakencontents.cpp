#include "widgets/shakencontents.h"

#include <QPainter>
#include <memory>

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

void ShakeWindow(QWidget &window, const QList<QPoint> &offsets, bool movable,
                 const std::function<void()> &step)
{
    const QPoint home = window.pos();
    std::unique_ptr<ShakenContents> contents;
    if (!movable)
        contents = std::make_unique<ShakenContents>(&window);
    for (const QPoint &offset : offsets) {
        if (contents)
            contents->shakeTo(offset);
        else
            window.move(home + offset);
        step();
    }
    if (!contents)
        window.move(home);
}

} // namespace stak
