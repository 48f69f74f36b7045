#include "companion/frmstakan.h"

#include "companion/vblabel.h"
#include "core/clock.h"
#include "core/contentpath.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/platform.h"

#include <QTimer>
#include <cmath>

namespace stak {

void FrmStakan::NewYearGreeting()
{
    // The first minute of the new year, once per run.
    const QDateTime now = programClock().now();
    if (m_newYearGreeted || now.date().month() != 1 || now.date().day() != 1 ||
        now.time().hour() != 0 || now.time().minute() != 0)
        return;
    m_newYearGreeted = true;
    platform().messageBox(QStringLiteral("НОВЫЙ ГОД, ГОСПОДА!"));
    Label1->setCaption(QStringLiteral("C новым годом!"));
}

void FrmStakan::Timer1_Timer()
{
    NewYearGreeting();
    Label5->hide();

    const Settings &s = settings();
    reseedFromClock();
    RandomSource &random = programRandom();
    const double span = double(s.BaseIntervalTo) - double(s.BaseIntervalFrom);
    Timer1->setInterval(int(std::floor(double(random.next()) * span)) + s.BaseIntervalFrom);

    const int n = drawWhole(random.next(), 100);
    const Qt::WindowStates state = windowState();
    if (!(state & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        raise();
        activateWindow();
    }
    const qint64 t = s.textver, o = s.tostver, v = s.voicever;
    if (n >= 1 && n <= t)
        SayText(QString());
    else if (n >= t + 1 && n <= t + o)
        SayToast(QString());
    else if (n >= t + o + 1 && n <= t + o + v)
        SayVoice(QString());

    if (settings().randompic > 0) {
        reseedFromClock();
        const int m = drawWhole(programRandom().next(), 100);
        if (m <= settings().randompic)
            ChangePicture(contentFileExists(QStringLiteral(".\\pics\\order.txt")) ? 1 : 2);
    }
}

} // namespace stak
