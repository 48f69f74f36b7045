#include "scenario/frmscr.h"

#include <QKeyEvent>
#include <QPainter>

namespace stak {

FrmScr::FrmScr() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmScr"));
    setWindowTitle(QStringLiteral("Rididi dev urididod"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void FrmScr::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect picture(m_offset, m_image.size());
    const QRegion uncovered = QRegion(rect()).subtracted(picture);
    for (const QRect &r : uncovered)
        p.fillRect(r, Qt::black);
    p.drawImage(m_offset, m_image);
}

void FrmScr::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        m_stop = true;
    else
        QWidget::keyPressEvent(e);
}

void FrmScr::mousePressEvent(QMouseEvent *)
{
    m_stop = true;
}

void FrmScr::closeEvent(QCloseEvent *)
{
    m_stop = true;
}

} // namespace stak
