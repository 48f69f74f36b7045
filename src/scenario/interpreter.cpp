#include "core/clock.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "platform/platform.h"
#include "scenario/commands.h"
#include "scenario/scenariohost.h"
#include "scenario/scenarioline.h"

namespace stak {

namespace {
const QString kErrorTitle = QStringLiteral("Ошибка");

// One run: the run-local state and the trace.
class Run
{
public:
    Run(ScenarioHost &host, const QString &file, const ScenarioTrace &trace)
        : m_host(host), m_file(file), m_trace(trace), m_start(programClock().now())
    {
    }

    void execute(const QStringList &lines)
    {
        trace(0, QStringLiteral("начало сценария"));
        const qsizetype last = lines.size() - 1;
        for (qsizetype i = 0; i <= last; ++i) {
            platform().processEvents();
            if (!line(int(i + 1), lines[i]))
                return;
        }
        trace(0, QStringLiteral("конец сценария"));
    }

private:
    // Executes one line; false when the run ends here.
    bool line(int number, const QString &raw)
    {
        const ScenarioLine l = ParseScenarioLine(raw, m_includeText);
        if (l.comment)
            return true;
        trace(number, raw.trimmed());
        const ScenarioCommandRow *row = FindScenarioCommand(l.command);
        if (!row)
            return unknownCommand(number, l.command);
        const QString &arg = l.argument;
        const ScenarioArgument a = ParseScenarioArgument(row->argument, arg);
        if (!a.ok())
            return fail(number, raw, a.error);
        const auto noPicture = [&](const QString &path) {
            return fail(number, raw, QStringLiteral("не удалось загрузить картинку %1").arg(path));
        };

        switch (row->command) {
        case ScenarioCommand::Message:
            platform().messageBox(arg, MsgButtons::Ok, QString(), true);
            break;
        case ScenarioCommand::Sleep:
            platform().sleep(qMax(0, a.number));
            break;
        case ScenarioCommand::Say:
            m_host.SayText(arg);
            break;
        case ScenarioCommand::Tost:
            m_host.SayToast(arg);
            break;
        case ScenarioCommand::BaseVoice:
            m_host.SayVoice(QStringLiteral("\\\\") + arg);
            break;
        case ScenarioCommand::PlaySound:
            m_host.SayVoice(arg);
            break;
        case ScenarioCommand::Wavs:
            platform().playSoundAndWait(arg);
            break;
        case ScenarioCommand::Dbl:
            m_host.DoublePicture();
            break;
        case ScenarioCommand::Gluk:
            m_host.GlitchPicture(arg);
            break;
        case ScenarioCommand::BigGluk:
            m_host.Frolic(arg);
            break;
        case ScenarioCommand::SetQuake:
            settings().quake = a.number;
            break;
        case ScenarioCommand::PicFrame:
            m_host.setPictureFrame(a.on);
            break;
        case ScenarioCommand::PicClear:
            m_host.clearPicture();
            break;
        case ScenarioCommand::Pic:
            m_host.setPictureVisible(true);
            if (!m_host.paintPicture(arg, m_picX, m_picY))
                return noPicture(arg);
            break;
        case ScenarioCommand::PicX:
            m_picX = a.number;
            break;
        case ScenarioCommand::PicY:
            m_picY = a.number;
            break;
        case ScenarioCommand::PicVisible:
            m_host.setPictureVisible(a.on);
            break;
        case ScenarioCommand::RestorePic:
            if (!m_host.paintPicture(settings().mypic, 0, 0))
                return noPicture(settings().mypic);
            break;
        case ScenarioCommand::ShowButton:
        case ScenarioCommand::HideButton:
            m_host.setUserButtonVisible(a.number, row->command == ScenarioCommand::ShowButton);
            break;
        case ScenarioCommand::Timer:
            m_host.setEventTimer(a.on);
            break;
        case ScenarioCommand::Unload:
            m_host.Form_Unload(); // ends the program
            break;
        case ScenarioCommand::WaitRun:
            m_host.setWindowVisible(false);
            platform().processEvents();
            platform().sleep(qMax(0, a.number));
            m_host.setWindowVisible(true);
            break;
        case ScenarioCommand::Include:
            if (const auto text = readTextFile(arg))
                m_includeText = *text;
            else
                return fail(number, raw, QStringLiteral("не удалось прочитать файл %1").arg(arg));
            break;
        case ScenarioCommand::CdOpen:
            m_host.SetCdDoor(QStringLiteral("Open"));
            break;
        case ScenarioCommand::CdClose:
            m_host.SetCdDoor(QStringLiteral("Closed"));
            break;
        case ScenarioCommand::Toon:
            m_host.caricature().toon();
            break;
        case ScenarioCommand::ToonPic:
            if (!m_host.caricature().toonpic(arg))
                return noPicture(arg);
            break;
        case ScenarioCommand::ToonPicHide:
            m_host.caricature().toonpichide();
            break;
        case ScenarioCommand::ToonMiniPic:
            if (!m_host.caricature().toonminipic(arg))
                return noPicture(arg);
            break;
        case ScenarioCommand::ToonMiniHide:
            m_host.caricature().toonminihide();
            break;
        case ScenarioCommand::ToonClose:
            m_host.caricature().toonclose();
            break;
        }
        return true;
    }

    // The user decides whether the run goes on.
    bool unknownCommand(int number, const QString &word)
    {
        trace(number, QStringLiteral("неизвестная команда \"%1\"").arg(word));
        const MsgAnswer answer =
            platform().messageBox(QStringLiteral("Неизвестная команда - ") + word +
                                      QStringLiteral("\r\nПродолжить выполнение?"),
                                  MsgButtons::YesNo, kErrorTitle);
        if (answer != MsgAnswer::No)
            return true;
        trace(number, QStringLiteral("сценарий остановлен пользователем"));
        return false;
    }

    // A failing line is named to the user and ends the run.
    bool fail(int number, const QString &raw, const QString &why)
    {
        trace(number, QStringLiteral("ошибка: %1; сценарий остановлен").arg(why));
        platform().messageBox(QStringLiteral("Ошибка в строке %1 сценария:\r\n%2\r\n%3")
                                  .arg(number)
                                  .arg(raw.trimmed(), why),
                              MsgButtons::Ok, kErrorTitle);
        return false;
    }

    // "FILE:LINE: [seconds] text", without the line number for the run as a
    // whole.
    void trace(int number, const QString &text)
    {
        if (!m_trace)
            return;
        const double seconds = double(m_start.msecsTo(programClock().now())) / 1000.0;
        const QString at = number > 0 ? QStringLiteral("%1:%2:").arg(m_file).arg(number)
                                      : m_file + QLatin1Char(':');
        m_trace(QStringLiteral("%1 [%2 с] %3").arg(at, QString::number(seconds, 'f', 3), text));
    }

    ScenarioHost &m_host;
    const QString &m_file;
    const ScenarioTrace &m_trace;
    const QDateTime m_start;
    qint32 m_picX = 0;
    qint32 m_picY = 0;
    QString m_includeText;
};
} // namespace

void ExecuteScenario(ScenarioHost &host, const QStringList &lines, const QString &file,
                     const ScenarioTrace &trace)
{
    Run(host, file, trace).execute(lines);
}

} // namespace stak
