#pragma once

#include "scenario/frmcar.h"
#include "scenario/frmscr.h"
#include "scenario/scenariohost.h"
#include "windows/frmtost.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>

class QMenu;
class QAction;
class QPushButton;
class QTimer;

namespace stak {

class PictureBox;
class VbLabel;

// The companion window: the drinking buddy itself, and the host that
// scenarios run on.
class FrmStakan : public QWidget, public ScenarioHost
{
    Q_OBJECT
public:
    explicit FrmStakan(QWidget *parent = nullptr);
    ~FrmStakan() override;

    // Window load (texture, hint line, picture, voice menu, user buttons,
    // Timer1, then interactive mode or the configured scenario).
    void Form_Load();

    // --- scenario runs
    void RunScenario(const QString &path);
    void SetButtonsEnabled(bool enabled);
    // False when the file cannot be read: the scenario is then empty.
    bool LoadScenarioLines(const QString &path);
    // Runs ScenarioLines; returns when done or when a run ends early.
    void InterpretScenario();
    QStringList ScenarioLines;
    bool ScenarioBusy = false;
    // Where runs report their lines, when set (the --trace option).
    ScenarioTrace scenarioTrace;

    // --- speaking actions
    void SayText(const QString &text) override;
    void SayToast(const QString &text) override;
    void SayVoice(const QString &text) override;

    // --- picture panel
    void ChangePicture(int mode);
    QString ListPictures(const QString &mask);
    static QString PickListEntry(int k, const QString &list);
    qint32 OrderPosition = 0;
    qint32 PictureCount = 0;

    // --- event scheduler
    void Timer1_Timer();
    void Timer2_Timer();
    // The New Year greeting of the tick; shown once per run.
    void NewYearGreeting();
    bool newYearGreeted() const { return m_newYearGreeted; }

    // --- effects. Those taking a count return false, doing nothing, when the
    // count is not a whole number.
    void DoublePicture() override;
    bool GlitchPicture(const QString &count) override;
    bool Frolic(const QString &count) override;
    void SetCdDoor(const QString &state) override;
    bool FrolicFromButton = false;

    // --- buttons
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void mnuAb_Click();
    void mnuOpt_Click();
    void cmdU_Click(int index);
    void Label1_Click();
    void Label1_DblClick();
    void Image1_MouseDown(Qt::MouseButton button);

    // The riddles, readme and options windows: the event timer is off while
    // the window is open and on again afterwards unless its tag is "no!".
    void RunModalWindow(QWidget *window);

    // Ends the program: the running marker is deleted first.
    [[noreturn]] void Form_Unload() override;

    // Timer1's tag: "no!" keeps the event timer off.
    QString timer1Tag;
    // Switches Timer1 on unless its tag is "no!".
    void enableTimer1UnlessTagged();

    // --- controls (objectName is the control's name)
    VbLabel *Label5 = nullptr;
    PictureBox *Image1 = nullptr;
    VbLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    std::array<QPushButton *, 6> cmdU{}; // indices 1..5
    VbLabel *Label2 = nullptr;
    VbLabel *Label4 = nullptr;
    VbLabel *Label3 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QMenu *mnux = nullptr;
    QMenu *mtost = nullptr;
    QMenu *mnuA = nullptr;
    QMenu *mnuMon = nullptr;
    QList<QAction *> mtx; // element 0 is the separator
    int BlinkCount = 0;
    int EasterEggStep = 0;

    // The background as painted by the load (texture tiles), for tests.
    const QImage &background() const { return m_background; }
    // The toast window, when loaded.
    FrmTost *toastWindow() const { return m_tost; }
    // The caricature window, created hidden when absent, and the one that
    // exists now, if any.
    FrmCar *caricatureWindow();
    FrmCar *existingCaricatureWindow() const { return m_car; }
    // The frolic window while a frolic runs.
    FrmScr *frolicWindow() const { return m_scr; }
    void setFrolicWindow(FrmScr *w) { m_scr = w; }

    // --- what scenarios do to the window besides the operations above
    void setPictureFrame(bool on) override;
    void clearPicture() override;
    void setPictureVisible(bool visible) override;
    bool paintPicture(const QString &path, int x, int y) override;
    void setUserButtonVisible(int k, bool visible) override;
    void setEventTimer(bool on) override;
    void setWindowVisible(bool visible) override;
    ScenarioCaricature &caricature() override;

    static QString windowTitleText();
    static QString greetingText();
    static QStringList hintLines();

protected:
    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *) override;

private:
    void buildControls();
    void buildMenus();
    void loadTexture();
    void loadVoiceMenu();
    void loadUserButtons();
    void shakeWindow();
    void shakeFrolic(FrmScr &scr);
    // Once a run: why a frolic could not take the screen.
    void tellScreenCopyFailed();
    // The event timer's rule at the end of every frolic.
    void endFrolic();

    QImage m_background;
    QPointer<FrmTost> m_tost;
    QPointer<FrmScr> m_scr;
    QPointer<FrmCar> m_car;
    bool m_newYearGreeted = false;
    bool m_screenCopyFailureTold = false;
    QString m_scenarioFile;    // the scenario being run, for the trace
    QRect m_placeBeforeHiding; // where waitrun found the window
};

} // namespace stak
