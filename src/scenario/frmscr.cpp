#include "scenario/frmscr.h"

#include <QPainter>

namespace stak {

FrmScr::FrmScr() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmScr"));
    setWindowTitle(QStringLiteral("Rididi dev urididod"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrmScr::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

} // namespace stak
