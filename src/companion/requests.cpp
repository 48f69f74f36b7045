#include "companion/requests.h"

#include "companion/companion.h"
#include "core/contentpath.h"
#include "formats/phrases.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace stak {

namespace {
// A modal window of the program (a message box, the riddles) is open: what
// comes from outside waits until it is answered.
bool companionFree(const Companion *companion)
{
    return companion && companion->idle() && !QGuiApplication::modalWindow();
}

CompanionRequests::Answer refuse(const char *error, const QString &message)
{
    return {CompanionRequests::Answer::Refused, QLatin1String(error), message};
}
CompanionRequests::Answer tooLong(const QString &text)
{
    return refuse("TooLong", QStringLiteral("Слишком длинный текст: %1 знаков, Стаканыч "
                                            "говорит не больше %2")
                                 .arg(text.size())
                                 .arg(CompanionRequests::kMaxText));
}
} // namespace

QString CompanionRequests::Answer::status() const
{
    return kind == Queued ? QStringLiteral("queued") : QStringLiteral("done");
}

CompanionRequests::CompanionRequests(QObject *parent) : QObject(parent)
{
    m_serve.setSingleShot(true);
    connect(&m_serve, &QTimer::timeout, this, &CompanionRequests::serve);
}

void CompanionRequests::attach(Companion &companion, std::function<void()> raise)
{
    m_companion = &companion;
    m_raise = std::move(raise);
    if (!m_waiting.empty())
        m_serve.start(0);
}

CompanionRequests::Answer CompanionRequests::enqueue(QString what,
                                                     std::function<void(Companion &)> run)
{
    if (int(m_waiting.size()) >= kMaxWaiting)
        return refuse("Busy", QStringLiteral("Стаканыч не успевает: уже ждут %1 просьб, "
                                             "попросите чуть позже")
                                  .arg(m_waiting.size()));
    const bool now = companionFree(m_companion) && m_waiting.empty();
    m_waiting.push_back({std::move(what), std::move(run)});
    // The caller gets its answer first; the companion acts right after.
    if (!m_serve.isActive())
        m_serve.start(0);
    return {now ? Answer::Done : Answer::Queued, {}, {}};
}

void CompanionRequests::serve()
{
    if (m_waiting.empty())
        return;
    // One at a time, never inside another request, a scenario, a side window
    // or a frolic: later requests wait until the companion is idle again.
    if (!companionFree(m_companion) || m_serving) {
        m_serve.start(100);
        return;
    }
    const auto request = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_serving = true;
    if (m_companion->scenarioTrace)
        m_companion->scenarioTrace(QStringLiteral("request: ") + request.what);
    request.run(*m_companion);
    m_serving = false;
    if (!m_waiting.empty())
        m_serve.start(0);
}

CompanionRequests::Answer CompanionRequests::say(const QString &text)
{
    if (text.size() > kMaxText)
        return tooLong(text);
    // An empty one: a line drawn from the text file, as on a tick.
    return enqueue(QStringLiteral("say ") + text, [text](Companion &c) {
        if (text.isEmpty())
            c.SayText(QString());
        else
            c.say(text);
    });
}

CompanionRequests::Answer CompanionRequests::toast(const QString &text)
{
    if (text.size() > kMaxText)
        return tooLong(text);
    // An empty one as from the toast button: also over a toast still open.
    return enqueue(QStringLiteral("toast ") + text, [text](Companion &c) {
        c.SayToast(text.isEmpty() ? QStringLiteral("\\\\frombutton") : text);
    });
}

CompanionRequests::Answer CompanionRequests::voice(int number)
{
    if (number < 0)
        return refuse("NoSuchPhrase",
                      QStringLiteral("Номер голосовой фразы %1: номера начинаются с 1 "
                                     "(0 - случайная фраза)")
                          .arg(number));
    if (number > 0 && ReadPhrase(QStringLiteral("sound.tlk"), number).isEmpty())
        return refuse("NoSuchPhrase",
                      QStringLiteral("Нет голосовой фразы номер %1 в sound.tlk").arg(number));
    return enqueue(QStringLiteral("voice %1").arg(number), [number](Companion &c) {
        c.SayVoice(number == 0 ? QString() : QStringLiteral("\\\\%1").arg(number));
    });
}

CompanionRequests::Answer CompanionRequests::runScenario(const QString &path)
{
    const QFileInfo file(resolveContentPath(path));
    if (path.trimmed().isEmpty() || !file.exists())
        return refuse("NoSuchFile", QStringLiteral("Нет файла сценария \"%1\"").arg(path));
    if (!file.isFile())
        return refuse("NotAFile", QStringLiteral("\"%1\" - не файл сценария").arg(path));
    return enqueue(QStringLiteral("run ") + path, [path](Companion &c) { c.RunScenario(path); });
}

CompanionRequests::Answer CompanionRequests::show()
{
    return enqueue(QStringLiteral("show"), [this](Companion &) {
        if (m_raise)
            m_raise();
    });
}

CompanionRequests::Answer CompanionRequests::action(const QString &name)
{
    if (name == QStringLiteral("toast"))
        return toast(QString());
    if (name == QStringLiteral("anecdote"))
        return voice(0);
    if (name == QStringLiteral("drink"))
        return enqueue(QStringLiteral("drink"), [](Companion &c) { c.drink(); });
    if (name == QStringLiteral("riddle"))
        return enqueue(QStringLiteral("riddle"),
                       [](Companion &c) { c.RunModalWindow(SideWindow::Riddles); });
    return refuse("NoSuchAction",
                  QStringLiteral("Нет такого действия \"%1\": есть toast, anecdote, drink, riddle")
                      .arg(name));
}

} // namespace stak
