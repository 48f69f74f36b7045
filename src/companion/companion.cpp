#include "companion/companion.h"

#include "core/clock.h"
#include "core/contentpath.h"
#include "core/credits.h"
#include "core/effects.h"
#include "core/picture.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "formats/orderfile.h"
#include "formats/phrases.h"
#include "formats/userbuttons.h"
#include "platform/platform.h"
#include "platform/runningmarker.h"
#include "scenario/commands.h"
#include "scenario/scenarioline.h"

#include <cmath>
#include <cstdlib>

namespace stak {

namespace {
const QString kNoTimer = QStringLiteral("no!");
const QString kOrderFile = QStringLiteral(".\\pics\\order.txt");
} // namespace

TickEvent EventForDraw(int n, const Settings &s)
{
    const qint64 t = s.textver, o = s.tostver, v = s.voicever;
    if (n >= 1 && n <= t)
        return TickEvent::Text;
    if (n >= t + 1 && n <= t + o)
        return TickEvent::Toast;
    if (n >= t + o + 1 && n <= t + o + v)
        return TickEvent::Voice;
    return TickEvent::None;
}

int NextEventInterval(float r, const Settings &s)
{
    const double span = double(s.BaseIntervalTo) - double(s.BaseIntervalFrom);
    return int(std::floor(double(r) * span)) + s.BaseIntervalFrom;
}

bool IsNewYearMinute(const QDateTime &now)
{
    return now.date().month() == 1 && now.date().day() == 1 && now.time().hour() == 0 &&
           now.time().minute() == 0;
}

QList<QPoint> ShakeOffsets(RandomSource &random)
{
    // Drawn in twips, 600 either way, and shown in pixels of 15 twips.
    QList<QPoint> offsets;
    for (int step = 0; step < 30; ++step) {
        const double left = std::floor(double(random.next()) * 1200) - 600;
        const double top = std::floor(double(random.next()) * 1200) - 600;
        offsets.append(QPoint(int(std::lround(left / 15)), int(std::lround(top / 15))));
    }
    return offsets;
}

QString PickListEntry(int k, const QString &list)
{
    const QString s = QLatin1Char('|') + list;
    qsizetype p = -1;
    for (int i = 0; i < k; ++i) {
        p = s.indexOf(QLatin1Char('|'), p + 1);
        if (p < 0)
            return {};
    }
    const qsizetype q = s.indexOf(QLatin1Char('|'), p + 1);
    if (q < 0)
        return {};
    return s.mid(p + 1, q - p - 1);
}

QStringList Companion::hintLines()
{
    return {
        QStringLiteral("Чтобы получить доступ к настройкам, надо кликнуть по картинке"),
        makerName() + QStringLiteral(": http://stakanych.example"),
        QStringLiteral("Дизайн - ") + studioName() +
            QStringLiteral(": http://ogurec-design.example"),
        QStringLiteral("Закусывайте вовремя! http://zakuska.example"),
        QStringLiteral("Теперь мы и со сменяющимися картинками :)"),
        QStringLiteral("Здесь могла быть ваша реклама :)"),
    };
}

QString Companion::greetingText()
{
    return QStringLiteral("Вас приветствует система \"Стаканыч 2003\". Налейте стакан и "
                          "вставьте его в драйв А:.  Скажите любой тост для продолжения.");
}

Companion::Companion(CompanionView &view, QObject *parent) : QObject(parent), m_view(view)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer1.setParent(this);
    m_timer2.setParent(this);
    m_timer2.setInterval(30000);
    connect(&m_timer1, &QTimer::timeout, this, &Companion::tick);
    connect(&m_timer2, &QTimer::timeout, this, &Companion::blink);
}

void Companion::load()
{
    if (const QString texture = settings().texture.trimmed(); !texture.isEmpty()) {
        const QImage tile = loadPicture(texture);
        if (!tile.isNull())
            m_view.setTexture(tile);
    }

    reseedFromClock();
    m_view.showHint(hintLines().value(int(double(programRandom().next()) * 6)));

    settings().drinkcount = 0;
    ScenarioBusy = false;

    m_view.paintPicture(settings().mypic, 0, 0);
    if (const auto sounds = readTextFile(QStringLiteral("sound.tlk"))) {
        QStringList captions;
        for (const VoiceMenuItem &item : VoiceMenuItems(splitLines(*sounds)))
            captions << item.caption;
        m_view.setVoiceMenu(captions);
    }
    if (const auto buttons = readTextFile(QStringLiteral("user.but"))) {
        const auto parsed = ParseUserButtons(splitLines(*buttons));
        for (int k = 1; k <= 5; ++k)
            if (parsed[k])
                m_view.setUserButton(k, parsed[k]->caption, !parsed[k]->hidden);
    }
    m_timer1.setInterval(settings().BaseIntervalFrom);
    m_timer2.start();

    // The scenario chosen in the start dialog runs on the shown window.
    if (!settings().exescript.isEmpty()) {
        m_view.showWindow();
        RunScenario(settings().exescript);
    } else {
        m_timer1.start();
    }
}

void Companion::blink()
{
    ++m_blinkCount;
    if (m_blinkCount == 9)
        m_timer2.stop();
    m_view.setHintVisible(m_blinkCount % 2 == 0);
    m_timer2.setInterval(1000);
}

void Companion::NewYearGreeting()
{
    if (m_newYearGreeted || !IsNewYearMinute(programClock().now()))
        return;
    m_newYearGreeted = true;
    platform().messageBox(QStringLiteral("НОВЫЙ ГОД, ГОСПОДА!"));
    m_view.showSpeech(QStringLiteral("C новым годом!"));
}

void Companion::tick()
{
    NewYearGreeting();
    m_view.setHintVisible(false);

    const Settings &s = settings();
    reseedFromClock();
    RandomSource &random = programRandom();
    m_timer1.setInterval(NextEventInterval(random.next(), s));
    const int n = drawWhole(random.next(), 100);
    m_view.bringToFront();
    switch (EventForDraw(n, s)) {
    case TickEvent::Text:
        SayText(QString());
        break;
    case TickEvent::Toast:
        SayToast(QString());
        break;
    case TickEvent::Voice:
        SayVoice(QString());
        break;
    case TickEvent::None:
        break;
    }

    if (settings().randompic > 0) {
        reseedFromClock();
        if (drawWhole(programRandom().next(), 100) <= settings().randompic)
            ChangePicture(contentFileExists(kOrderFile) ? 1 : 2);
    }
}

void Companion::enableTimer1UnlessTagged()
{
    if (m_timerTag != kNoTimer)
        m_timer1.start();
}

void Companion::SayText(const QString &text)
{
    const QString s = ReadPhrase(QStringLiteral("text.tlk"), 0);
    if (const auto scenario = ExescriptScenario(s)) {
        RunScenario(*scenario);
        return;
    }
    m_view.showSpeech(text.isEmpty() ? s : text);
}

void Companion::say(const QString &text)
{
    m_view.showSpeech(text);
}

void Companion::SayToast(const QString &text)
{
    if (text.isEmpty() && m_view.toastShown())
        return;
    const QString given = text == QStringLiteral("\\\\frombutton") ? QString() : text;
    platform().playSound(QStringLiteral("warn.wav"));
    m_view.showToast(given.isEmpty() ? ReadPhrase(QStringLiteral("tost.tlk"), 0) : given);
}

void Companion::SayVoice(const QString &text)
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
        m_view.showSpeech(*voice.caption);
    platform().playSound(QStringLiteral(".\\wav\\") + voice.file);
    if (voice.file == QStringLiteral("rukidroz.wav")) {
        reseedFromClock();
        m_view.shakeWindow(ShakeOffsets(programRandom()));
    }
}

void Companion::ChangePicture(int mode)
{
    if (mode == 1) {
        const OrderStep step =
            NextOrderEntry(readTextFile(kOrderFile).value_or(QString()), OrderPosition);
        OrderPosition = step.position;
        if (!step.line)
            return;
        m_view.setPictureVisible(true);
        if (!step.line->isEmpty())
            m_view.paintPicture(QStringLiteral("./pics/") + *step.line, 0, 0);
        return;
    }
    if (mode != 2)
        return;
    PictureCount = 0;
    const QString list = ListPictures(QStringLiteral("*.bmp")) +
                         ListPictures(QStringLiteral("*.jpg")) +
                         ListPictures(QStringLiteral("*.gif"));
    if (PictureCount == 0)
        return;
    m_view.setPictureVisible(true);
    reseedFromClock();
    const int k = drawWhole(programRandom().next(), PictureCount);
    m_view.paintPicture(QStringLiteral("./pics/") + PickListEntry(k, list), 0, 0);
}

QString Companion::ListPictures(const QString &mask)
{
    QString list;
    for (const QString &name : listContentFiles(QStringLiteral("pics"), {mask})) {
        ++PictureCount;
        list += name + QLatin1Char('|');
    }
    return list;
}

void Companion::playVoice()
{
    SayVoice(QString());
}

void Companion::playVoiceItem(int k)
{
    SayVoice(QStringLiteral("\\\\") + QString::number(k));
}

void Companion::proposeToast()
{
    SayToast(QStringLiteral("\\\\frombutton"));
    m_easterEggStep = m_easterEggStep == 2 ? 3 : 0;
}

void Companion::speak()
{
    SayText(QString());
    m_easterEggStep = m_easterEggStep == 1 ? 2 : 0;
}

void Companion::speechClicked()
{
    if (m_easterEggStep == 0)
        m_easterEggStep = 1;
}

void Companion::speechDoubleClicked()
{
    if (m_easterEggStep != 3)
        return;
    platform().messageBox(QStringLiteral("Пасхальное яйцо не найдено, заменить настоящим?"));
    platform().messageBox(QStringLiteral("Отрежьте себе (не себе) яйцо и вставьте в драйв A:"));
    platform().messageBox(QStringLiteral("Теперь вы можете наслаждаться видом яйца в драйве A:"));
}

void Companion::runUserButton(int k)
{
    const QString file = UserButtonScenario(k);
    if (contentFileExists(file))
        RunScenario(file);
}

void Companion::RunModalWindow(SideWindow window)
{
    m_timer1.stop();
    ++m_busy;
    m_view.openSideWindow(window);
    --m_busy;
    enableTimer1UnlessTagged();
}

void Companion::drink()
{
    Settings &s = settings();
    platform().playSound(QStringLiteral("drinkme.wav"));
    ++s.drinkcount;
    if (s.drinkcount == 1000000) {
        platform().messageBox(QStringLiteral("Вы миллионный кликатель! Вам уже хватит!\r\n"
                                             "Нажмите OK для выхода"));
        // Ends like closing the window: the running marker goes too.
        Form_Unload();
    }
    reseedFromClock();
    const float r = programRandom().next();
    if (s.drinkcount > 5 && r > 0.7f) {
        const MsgAnswer a = platform().messageBox(QStringLiteral("Много выпили?"),
                                                  MsgButtons::YesNo, QStringLiteral("Выпили"));
        if (a == MsgAnswer::Yes) {
            reseedFromClock();
            if (programRandom().next() > 0.5f) {
                FrolicFromButton = true;
                Frolic(QString::number(s.ibiggluk));
                platform().messageBox(QStringLiteral("Легче стало?"), MsgButtons::Ok,
                                      QStringLiteral("Rididi dev urididod"));
            } else {
                DoublePicture();
                m_view.showSpeech(QStringLiteral("Ой, скока вас?"), true);
            }
        }
    }
    GlitchPicture(QString::number(s.igluk));
    reseedFromClock();
}

void Companion::RunScenario(const QString &path)
{
    if (ScenarioBusy) {
        if (scenarioTrace)
            scenarioTrace(path + QStringLiteral(": не запущен: уже идёт другой сценарий"));
        return;
    }
    ScenarioBusy = true;
    m_timer1.stop();
    SetButtonsEnabled(false);
    if (!LoadScenarioLines(path) && scenarioTrace)
        scenarioTrace(path + QStringLiteral(": не удалось прочитать файл, сценарий пуст"));
    m_scenarioFile = path;
    InterpretScenario();
    SetButtonsEnabled(true);
    enableTimer1UnlessTagged();
    ScenarioBusy = false;
}

void Companion::SetButtonsEnabled(bool enabled)
{
    m_buttonsEnabled = enabled;
    m_view.setButtonsEnabled(enabled);
}

bool Companion::LoadScenarioLines(const QString &path)
{
    const auto text = readTextFile(path);
    ScenarioLines = splitScenarioLines(text.value_or(QString()));
    return text.has_value();
}

void Companion::InterpretScenario()
{
    ExecuteScenario(*this, ScenarioLines, m_scenarioFile, scenarioTrace);
}

void Companion::DoublePicture()
{
    DoubleImage(m_view.picture());
    m_view.setPictureVisible(true);
    m_view.pictureChanged();
}

bool Companion::GlitchPicture(const QString &count)
{
    const auto n = SmearCount(count, 10000);
    if (!n)
        return false;
    QImage &surface = m_view.picture();
    SmearPixels(*n, surface, surface.width() - 1, surface.height() - 1, programRandom());
    m_view.setPictureVisible(true);
    m_view.pictureChanged();
    return true;
}

bool Companion::Frolic(const QString &count)
{
    const auto n = SmearCount(count, 50000);
    if (!n)
        return false;
    m_view.showSpeech(QStringLiteral("Идет подготовка к колбасне... Выпейте стакан и сядьте на "
                                     "твердую опору..."),
                      true);
    // No event tick may start while the desktop is asked for its picture.
    m_timer1.stop();
    // The screen the companion stands on, as the user sees it now,
    // preparation text included.
    const QRect screen = m_view.screenArea();
    const QImage shot = platform().captureScreen(screen);
    if (shot.isNull()) {
        // A black cover would only frighten: say why there is no frolic.
        tellScreenCopyFailed();
        endFrolic();
        return true;
    }
    ++m_busy;
    m_view.runFrolic(FrolicPicture(shot, screen.size(), *n, programRandom()), screen);
    --m_busy;
    endFrolic();
    return true;
}

void Companion::tellScreenCopyFailed()
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

void Companion::endFrolic()
{
    if (FrolicFromButton && m_timerTag != kNoTimer) {
        m_timer1.start();
        FrolicFromButton = false;
    }
}

void Companion::SetCdDoor(const QString &state)
{
    if (state == QStringLiteral("Open"))
        platform().setCdDoor(true);
    else if (state == QStringLiteral("Closed"))
        platform().setCdDoor(false);
}

void Companion::setPictureFrame(bool on)
{
    m_view.setPictureFrame(on);
}

void Companion::clearPicture()
{
    m_view.clearPicture();
}

void Companion::setPictureVisible(bool visible)
{
    m_view.setPictureVisible(visible);
}

bool Companion::paintPicture(const QString &path, int x, int y)
{
    return m_view.paintPicture(path, x, y);
}

void Companion::setUserButtonVisible(int k, bool visible)
{
    m_view.setUserButtonVisible(k, visible);
}

void Companion::setEventTimer(bool on)
{
    if (on) {
        m_timer1.start();
        m_timerTag.clear();
    } else {
        m_timer1.stop();
        m_timerTag = kNoTimer;
    }
}

void Companion::setWindowVisible(bool visible)
{
    m_view.setWindowVisible(visible);
}

ScenarioCaricature &Companion::caricature()
{
    return m_view.caricature();
}

void Companion::Form_Unload()
{
    RunningMarker::remove();
    platform().exitProgram(0);
    std::abort();
}

} // namespace stak
