#pragma once

#include "scenario/scenariohost.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QTimer>

namespace stak {

struct Settings;
class RandomSource;

// The side windows the companion opens modally.
enum class SideWindow { Riddles, Readme, Options };

// What the companion's window shows and does on the screen. The companion
// decides; its window (or a test's recording view) carries it out.
class CompanionView
{
public:
    virtual ~CompanionView() = default;

    // The speech line; now: painted before this returns.
    virtual void showSpeech(const QString &caption, bool now = false) = 0;
    // The hint line above the picture.
    virtual void showHint(const QString &caption) = 0;
    virtual void setHintVisible(bool visible) = 0;
    // The background tiled with the texture picture.
    virtual void setTexture(const QImage &tile) = 0;
    // The voice menu's items, in order.
    virtual void setVoiceMenu(const QStringList &captions) = 0;
    // User button k, 1..5.
    virtual void setUserButton(int k, const QString &caption, bool visible) = 0;
    virtual void setUserButtonVisible(int k, bool visible) = 0;
    // The speaking buttons and the user buttons.
    virtual void setButtonsEnabled(bool enabled) = 0;

    // The window shown and painted; hidden (keeping its place) and shown again.
    virtual void showWindow() = 0;
    virtual void setWindowVisible(bool visible) = 0;
    // In front of other windows, unless minimised or maximised.
    virtual void bringToFront() = 0;
    // The voice phrase's shake: the window at each offset from its place in
    // turn, a tenth of a second each, then back in its place.
    virtual void shakeWindow(const QList<QPoint> &offsets) = 0;

    // The toast window, loaded when needed, with its text.
    virtual void showToast(const QString &text) = 0;
    virtual bool toastShown() const = 0;

    // The picture panel: its persistent image, repainted after pixels changed.
    virtual QImage &picture() = 0;
    virtual void pictureChanged() = 0;
    // False, leaving the panel as it is, when the file cannot be loaded.
    virtual bool paintPicture(const QString &path, int x, int y) = 0;
    virtual void clearPicture() = 0;
    virtual void setPictureVisible(bool visible) = 0;
    virtual void setPictureFrame(bool on) = 0;

    // The screen the window's centre is on, in logical pixels on the virtual
    // desktop: where its pranks play and its side windows open.
    virtual QRect screenArea() const = 0;
    // The frolic: the picture over the screen with that area, shaking; returns
    // when it is over.
    virtual void runFrolic(const QImage &picture, const QRect &screen) = 0;
    // Opens a side window modally; returns when it has been closed.
    virtual void openSideWindow(SideWindow window) = 0;
    virtual ScenarioCaricature &caricature() = 0;
};

// What a tick of the event timer brings.
enum class TickEvent { None, Text, Toast, Voice };
// The event of the draw n (1..100) with the settings' chances: text, toast and
// voice take their bands in turn from 1 up.
TickEvent EventForDraw(int n, const Settings &s);
// The event timer's next interval, ms, for the draw r.
int NextEventInterval(float r, const Settings &s);
// The first minute of the new year.
bool IsNewYearMinute(const QDateTime &now);
// The voice phrase's shake: 30 offsets of up to 40 pixels either way.
QList<QPoint> ShakeOffsets(RandomSource &random);
// One item of the list "a|b|c|" by its number from 1; empty when absent.
QString PickListEntry(int k, const QString &list);

// The companion: the drinking buddy's behaviour without its window. It runs
// the event timer, speaks, changes the picture, counts drinks, runs scenarios
// (it is their host) and plays the pranks; what shows goes through the view.
class Companion : public QObject, public ScenarioHost
{
    Q_OBJECT
public:
    explicit Companion(CompanionView &view, QObject *parent = nullptr);

    // The window's load: texture, hint line, main picture, voice menu, user
    // buttons, the timers, then interactive mode or the configured scenario.
    void load();

    // --- the event timer (Timer1) and the hint line's blinking (Timer2)
    void tick();
    void blink();
    QTimer &eventTimer() { return m_timer1; }
    // "no!" keeps the event timer off.
    const QString &timerTag() const { return m_timerTag; }
    // Switches the event timer on unless its tag is "no!".
    void enableTimer1UnlessTagged();
    // The New Year greeting of the tick; shown once per run.
    void NewYearGreeting();

    // --- speaking actions
    void SayText(const QString &text) override;
    void SayToast(const QString &text) override;
    void SayVoice(const QString &text) override;

    // --- the picture panel
    void ChangePicture(int mode);
    QString ListPictures(const QString &mask);
    qint32 OrderPosition = 0;
    qint32 PictureCount = 0;

    // --- the buttons, the speech line and the menus
    void speak();              // "Что?"
    void proposeToast();       // "Толкай тост"
    void playVoice();          // "Речь"
    void playVoiceItem(int k); // the voice menu's item k, from 1
    void drink();              // "Выпьем"
    void runUserButton(int k);
    void speechClicked();
    void speechDoubleClicked();
    // The picture's menu is offered only while the buttons work.
    bool buttonsEnabled() const { return m_buttonsEnabled; }
    // Another program's text in the speech line, shown as given.
    void say(const QString &text);
    // Neither a scenario, nor a side window, nor a frolic under way: what is
    // asked of the companion from outside can be done now.
    bool idle() const { return !ScenarioBusy && m_busy == 0; }
    // The riddles, readme and options windows: the event timer is off while
    // the window is open and on again afterwards unless its tag is "no!".
    void RunModalWindow(SideWindow window);

    // --- scenario runs
    void RunScenario(const QString &path);
    void SetButtonsEnabled(bool enabled);
    // False when the file cannot be read: the scenario is then empty.
    bool LoadScenarioLines(const QString &path);
    void InterpretScenario();
    QStringList ScenarioLines;
    bool ScenarioBusy = false;
    // Where runs report their lines, when set (the --trace option).
    ScenarioTrace scenarioTrace;

    // --- effects
    void DoublePicture() override;
    bool GlitchPicture(const QString &count) override;
    bool Frolic(const QString &count) override;
    void SetCdDoor(const QString &state) override;
    bool FrolicFromButton = false;

    // --- what scenarios do to the window besides the operations above
    void setPictureFrame(bool on) override;
    void clearPicture() override;
    void setPictureVisible(bool visible) override;
    bool paintPicture(const QString &path, int x, int y) override;
    void setUserButtonVisible(int k, bool visible) override;
    void setEventTimer(bool on) override;
    void setWindowVisible(bool visible) override;
    ScenarioCaricature &caricature() override;
    // Ends the program: the running marker is deleted first.
    [[noreturn]] void Form_Unload() override;

    // The hint lines above the picture; one is drawn at the load.
    static QStringList hintLines();
    static QString greetingText();

private:
    // Once a run: why a frolic could not take the screen.
    void tellScreenCopyFailed();
    // The event timer's rule at the end of every frolic.
    void endFrolic();

    CompanionView &m_view;
    QTimer m_timer1;
    QTimer m_timer2;
    QString m_timerTag;
    int m_blinkCount = 0;
    int m_easterEggStep = 0;
    bool m_buttonsEnabled = true;
    int m_busy = 0; // side windows and frolics under way
    bool m_newYearGreeted = false;
    bool m_screenCopyFailureTold = false;
    QString m_scenarioFile; // the scenario being run, for the trace
};

} // namespace stak
