#include "companion/frmstakan.h"

#include "companion/picturebox.h"
#include "companion/vblabel.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "scenario/effects.h"
#include "scenario/frmscr.h"

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
    // The copy is taken before the frolic window paints anything: it shows the
    // desktop as the user sees it, preparation text included.
    const QImage shot = platform().captureScreen();

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
    scr->show();
    Timer1->stop();
    SmearPixels(*n, image, W, H, programRandom());
    scr->setGeometry(0, 0, W, H);
    RandomSource &random = programRandom();
    for (qint32 step = 1; step <= settings().quake; ++step) {
        platform().processEvents();
        const double left = 40 - double(random.next()) * 80;
        const double top = 40 - double(random.next()) * 80;
        scr->move(int(std::lround(left / 15)), int(std::lround(top / 15)));
    }
    scr->close();
    delete scr;
    setFrolicWindow(nullptr);

    if (FrolicFromButton && timer1Tag != QStringLiteral("no!")) {
        Timer1->start();
        FrolicFromButton = false;
    }
    return true;
}

void FrmStakan::SetCdDoor(const QString &state)
{
    if (state == QStringLiteral("Open"))
        platform().setCdDoor(true);
    else if (state == QStringLiteral("Closed"))
        platform().setCdDoor(false);
}

} // namespace stak
