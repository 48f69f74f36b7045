#include "windows/frmscr.h"

#include "core/clock.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace stak {

FrmScr::FrmScr() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmScr"));
    setWindowTitle(QStringLiteral("Rididi dev urididod"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void FrmScr::play(const QImage &picture, const QRect &screen)
{
    m_image = picture;
    // Placed on the screen first, so that full screen means that screen.
    if (QScreen *s = QGuiApplication::screenAt(screen.center()))
        setScreen(s);
    setGeometry(screen);
    showFullScreen();
    activateWindow();
    setFocus();
    // Each step is one displayed frame: the window stays still and its picture
    // moves, paced to the screen, so the shake lasts as long on any machine.
    const qreal hz = platform().refreshRate(screen);
    const double frameMs = 1000.0 / (hz > 0 ? hz : 60.0);
    const QDateTime start = programClock().now();
    RandomSource &random = programRandom();
    for (qint32 step = 1; step <= settings().quake; ++step) {
        platform().processEvents();
        if (m_stop)
            break;
        // 40 twips either way, 15 twips a pixel.
        const double left = 40 - double(random.next()) * 80;
        const double top = 40 - double(random.next()) * 80;
        showAt(QPoint(int(std::lround(left / 15)), int(std::lround(top / 15))));
        platform().waitUntil(start.addMSecs(std::llround(step * frameMs)));
    }
    close();
}

void FrmScr::showAt(QPoint offset)
{
    m_offset = offset;
    repaint();
}

void FrmScr::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect picture(m_offset, m_image.deviceIndependentSize().toSize());
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
