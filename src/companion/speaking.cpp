#include "companion/frmstakan.h"

#include "companion/companionfiles.h"
#include "companion/vblabel.h"
#include "core/random.h"
#include "phrases/phrases.h"
#include "platform/platform.h"
#include "windows/frmtost.h"

#include <cmath>

namespace stak {

void FrmStakan::SayText(const QString &text)
{
    QString s = ReadPhrase(QStringLiteral("text.tlk"), 0);
    const QString marker = QStringLiteral("%exescript%");
    if (s.contains(marker)) {
        s.remove(QStringLiteral("\r\n"));
        s.remove(marker);
        while (s.startsWith(QLatin1Char(' ')))
            s.remove(0, 1);
        while (s.endsWith(QLatin1Char(' ')))
            s.chop(1);
        RunScenario(s);
        return;
    }
    Label1->setCaption(text.isEmpty() ? s : text);
}

void FrmStakan::SayToast(const QString &text)
{
    // A tool window of the companion's: it stays above it.
    if (!m_tost)
        m_tost = new FrmTost(this);
    if (text.isEmpty() && m_tost->isVisible())
        return;
    const QString given = text == QStringLiteral("\\\\frombutton") ? QString() : text;
    platform().playSound(QStringLiteral("warn.wav"));
    m_tost->setToast(given.isEmpty() ? ReadPhrase(QStringLiteral("tost.tlk"), 0) : given);
    m_tost->show();
    m_tost->raise();
}

void FrmStakan::SayVoice(const QString &text)
{
    QString file = text;
    int number = 0;
    if (file.startsWith(QStringLiteral("\\\\"))) {
        // Voice phrase N; anything that is not a whole number means a random one.
        bool ok = false;
        const int n = file.mid(2).trimmed().toInt(&ok);
        number = ok && n > 0 ? n : 0;
        file.clear();
    }
    if (!file.isEmpty()) {
        platform().playSound(file);
        return;
    }
    const VoicePhrase phrase = ParseVoicePhrase(ReadPhrase(QStringLiteral("sound.tlk"), number));
    if (phrase.caption)
        Label1->setCaption(*phrase.caption);
    platform().playSound(QStringLiteral(".\\wav\\") + phrase.file);
    if (phrase.file == QStringLiteral("rukidroz.wav"))
        shakeWindow();
}

void FrmStakan::shakeWindow()
{
    // Positions are twips, as the window's left and top are; 15 twips a pixel.
    const int x0 = pos().x() * 15;
    const int y0 = pos().y() * 15;
    reseedFromClock();
    RandomSource &random = programRandom();
    for (int step = 0; step < 30; ++step) {
        const double left = std::floor(double(random.next()) * 1200) + (x0 - 600);
        const double top = std::floor(double(random.next()) * 1200) + (y0 - 600);
        move(int(std::lround(left / 15)), int(std::lround(top / 15)));
        platform().sleep(100);
        platform().processEvents();
    }
    move(x0 / 15, y0 / 15);
}

} // namespace stak
