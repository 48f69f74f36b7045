#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace stak {

// A picture of a window laid over that window and moved inside it: how a
// window shakes where it cannot move itself. Clicks pass through to the
// controls beneath.
class ShakenContents : public QWidget
{
    Q_OBJECT
public:
    explicit ShakenContents(QWidget *window);
    QPoint offset() const { return m_offset; }
    // Shows the picture moved by offset pixels, at once.
    void shakeTo(QPoint offset);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap m_picture;
    QPoint m_offset;
};

} // namespace stak
