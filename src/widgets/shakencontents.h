#pragma once

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>

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

// Shakes a window: it stands at each offset from its place in turn, calling
// step after each, then goes back. Where windows cannot move themselves
// (movable false) a picture of it shakes inside it instead.
void ShakeWindow(QWidget &window, const QList<QPoint> &offsets, bool movable,
                 const std::function<void()> &step);

} // namespace stak
