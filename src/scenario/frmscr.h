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
    QImage &image() { return m_image; }
    QPoint offset() const { return m_offset; }
    void setOffset(QPoint offset) { m_offset = offset; }
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
