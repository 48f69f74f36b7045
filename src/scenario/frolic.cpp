#include "companion/frmstakan.h"

#include "companion/picturebox.h"
#include "companion/vblabel.h"
#include "core/clock.h"
#include "core/picture.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "scenario/effects.h"
#include "scenario/frmscr.h"

#include <QDateTime>
#include <QPainter>
#include <QTimer>
#include <cmath>

namespace stak {

void FrmStakan::DoublePicture()
{
    QImage &surface = Image1->image();
    Image1->hide();
    DoubleImage(surface);
    Image1->show();
    Image1->update();
}

bool FrmStakan::GlitchPicture(const QString &count)
{
    const auto n = SmearCount(count, 10000);
    if (!n)
        return false;
    Image1->hide();
    SmearPixels(*n, Image1->image(), Image1->width() - 1, Image1->height() - 1, programRandom());
    Image1->show();
    Image1->update();
    return true;
}

bool FrmStakan::Frolic(const QString &count)
{
    const auto n = SmearCount(count, 50000);
    if (!n)
        return false;
    const QSize screen = platform().screenSize();
    // The screen in twips, at the fixed 15 twips a pixel, less one pixel.
    const int W = int(std::lround(screen.width() * 15 / 15.0)) - 1;
    const int H = int(std::lround(screen.height() * 15 / 15.0)) - 1;
    Label1->setCaption(QStringLiteral("Идет подготовка к колбасне... Выпейте стакан и сядьте на "
                                      "твердую опору..."));
    Label1->repaint();
    // No event tick may start while the desktop is asked for its picture.
    Timer1->stop();
    // The copy is taken before the frolic window paints anything: it shows the
    // desktop as the user sees it, preparation text included.
    const QImage shot = platform().captureScreen();
    if (!isUsableScreenCopy(shot)) {
        // A black cover would only frighten: say why there is no frolic.
        tellScreenCopyFailed();
        endFrolic();
        return true;
    }

    auto *scr = new FrmScr;
    setFrolicWindow(scr);
    QImage &image = scr->image();
    image = QImage(W + 1, H + 1, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.drawImage(0, 0, shot);
    }
    scr->setGeometry(0, 0, W + 1, H + 1);
    scr->showFullScreen();
    scr->activateWindow();
    scr->setFocus();
    SmearPixels(*n, image, W, H, programRandom());
    shakeFrolic(*scr);
    scr->close();
    delete scr;
    setFrolicWindow(nullptr);
    endFrolic();
    return true;
}

void FrmStakan::shakeFrolic(FrmScr &scr)
{
    // Each step is one displayed frame: the window stays still and its picture
    // moves, paced to the screen, so the shake lasts as long on any machine.
    const qreal hz = platform().refreshRate();
    const double frameMs = 1000.0 / (hz > 0 ? hz : 60.0);
    const QDateTime start = programClock().now();
    RandomSource &random = programRandom();
    for (qint32 step = 1; step <= settings().quake; ++step) {
        platform().processEvents();
        if (scr.stopRequested())
            break;
        const double left = 40 - double(random.next()) * 80;
        const double top = 40 - double(random.next()) * 80;
        scr.setOffset(QPoint(int(std::lround(left / 15)), int(std::lround(top / 15))));
        scr.repaint();
        platform().waitUntil(start.addMSecs(std::llround(step * frameMs)));
    }
}

void FrmStakan::tellScreenCopyFailed()
{
    if (m_screenCopyFailureTold)
        return;
    m_screenCopyFailureTold = true;
    platform().messageBox(
        QStringLiteral("Колбасни не будет: Стаканыч не смог сфотографировать экран.\r\n\r\n"
                       "Похоже, рабочий стол не даёт программам снимать экран без "
                       "разрешения. Разрешите снимки экрана для этой программы в настройках "
                       "конфиденциальности рабочего стола и выпейте ещё раз."),
        MsgButtons::Ok, QStringLiteral("Колбасня отменяется"));
}

void FrmStakan::endFrolic()
{
    if (FrolicFromButton && timer1Tag != QStringLiteral("no!")) {
        Timer1->start();
        FrolicFromButton = false;
    }
}

void FrmStakan::SetCdDoor(const QString &state)
{
    if (state == QStringLiteral("Open"))
        platform().setCdDoor(true);
    else if (state == QStringLiteral("Closed"))
        platform().setCdDoor(false);
}

} // namespace stak
