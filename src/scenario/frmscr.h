#pragma once

#include <QImage>
#include <QWidget>

namespace stak {

// The frolic window: a borderless window covering the screen that shows its
// persistent image (the frozen copy of the screen).
class FrmScr : public QWidget
{
    Q_OBJECT
public:
    FrmScr();
    QImage &image() { return m_image; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_image;
};

} // namespace stak
