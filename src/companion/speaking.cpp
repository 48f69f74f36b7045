#include "companion/frmstakan.h"

#include "companion/shakencontents.h"
#include "companion/vblabel.h"
#include "core/random.h"
#include "phrases/phrases.h"
#include "platform/platform.h"
#include "scenario/commands.h"
#include "windows/frmtost.h"

#include <cmath>
#include <memory>

namespace stak {

void FrmStakan::SayText(const QString &text)
{
    const QString s = ReadPhrase(QStringLiteral("text.tlk"), 0);
    if (const auto scenario = ExescriptScenario(s)) {
        RunScenario(*scenario);
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
    // Empty text or "\\N" means a voice phrase, anything else a WAV file.
    const ScenarioArgument argument = ParseScenarioArgument(ArgumentKind::SoundOrPhrase, text);
    if (!argument.phrase) {
        platform().playSound(text);
        return;
    }
    const VoicePhrase voice =
        SplitVoicePhrase(ReadPhrase(QStringLiteral("sound.tlk"), argument.number));
    if (voice.caption)
        Label1->setCaption(*voice.caption);
    const QString &name = voice.file;
    platform().playSound(QStringLiteral(".\\wav\\") + name);
    if (name == QStringLiteral("rukidroz.wav"))
        shakeWindow();
}

void FrmStakan::shakeWindow()
{
    // Positions are twips, as the window's left and top are; 15 twips a pixel.
    const int x0 = pos().x() * 15;
    const int y0 = pos().y() * 15;
    reseedFromClock();
    RandomSource &random = programRandom();
    // Where windows cannot move themselves, what the window shows shakes.
    std::unique_ptr<ShakenContents> contents;
    if (!platform().canMoveWindows())
        contents = std::make_unique<ShakenContents>(this);
    for (int step = 0; step < 30; ++step) {
        const double left = std::floor(double(random.next()) * 1200) + (x0 - 600);
        const double top = std::floor(double(random.next()) * 1200) + (y0 - 600);
        const QPoint place(int(std::lround(left / 15)), int(std::lround(top / 15)));
        if (contents)
            contents->shakeTo(place - QPoint(x0 / 15, y0 / 15));
        else
            move(place);
        platform().sleep(100);
        platform().processEvents();
    }
    if (!contents)
        move(x0 / 15, y0 / 15);
}

} // namespace stak
