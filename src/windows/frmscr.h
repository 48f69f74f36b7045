#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace stak {

// The frolic window: a still, borderless window over the whole screen that
// shows its persistent image (the frozen copy of the screen) at an offset;
// what the offset uncovers is black. Escape, a click or closing it asks the
// frolic to end.
class FrmScr : public QWidget
{
    Q_OBJECT
public:
    FrmScr();

    // Shows the picture over the screen with that area (logical pixels on the
    // virtual desktop; the picture in the screen's device pixels) and shakes it
    // for the settings' quake steps, one displayed frame each, until Escape, a
    // click or a close asks it to stop; then closes.
    void play(const QImage &picture, const QRect &screen);
    const QImage &image() const { return m_image; }
    void setImage(const QImage &image) { m_image = image; }
    QPoint offset() const { return m_offset; }
    // One frame: the picture at the offset, painted at once.
    void showAt(QPoint offset);
    bool stopRequested() const { return m_stop; }

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *) override;
    void closeEvent(QCloseEvent *) override;

private:
    QImage m_image;
    QPoint m_offset;
    bool m_stop = false;
};

} // namespace stak
