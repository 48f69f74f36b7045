#pragma once

#include "windows/splashstory.h"

#include <QImage>
#include <QWidget>
#include <deque>
#include <functional>

class QLabel;

namespace stak {

class ClockTimer;
class VbLabel;

// The splash show: a full-screen black window with the logo wiped away by
// blinds, the credits, and a mock news story under a rising sun while the title
// tune plays. F5 (or a click on the prompt once shown) ends it and leads on to
// the readme window; any other close ends the program.
//
// The intro and the story are one step machine on timers that read the
// program's clock: every pause is a timer, so F5 works at any moment and tests
// run the whole show in virtual time.
class FrmSpl : public QWidget
{
    Q_OBJECT
public:
    // screen: the area the show covers (logical pixels on the virtual desktop).
    explicit FrmSpl(const QRect &screen, QWidget *parent = nullptr);
    ~FrmSpl() override;

    // The window has its full-screen size: the intro starts (once).
    void Form_Resize();
    void Timer1_Timer();
    void Label5_Click();

    int StoryStep = 0;
    const SplashLayout &layout() const { return m_layout; }
    // The window's persistent drawing (logo and blinds).
    const QImage &canvas() const { return m_canvas; }
    // A part of the intro or a curtain move is still under way.
    bool sequenceRunning() const;

    VbLabel *Label1 = nullptr;
    VbLabel *Label2 = nullptr;
    VbLabel *Label3 = nullptr;
    VbLabel *Label4 = nullptr;
    VbLabel *Label5 = nullptr;
    VbLabel *Label6 = nullptr;
    QWidget *Frame1 = nullptr;
    QWidget *Frame2 = nullptr;
    QLabel *Label7 = nullptr;
    QWidget *Shape1 = nullptr;
    ClockTimer *Timer1 = nullptr;

signals:
    // F5 or the prompt: the readme window is next.
    void finished();
    // Closed any other way: the program ends.
    void closedByUser();

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    struct Step
    {
        std::function<void()> action;
        int pauseAfter;
    };
    void queue(std::function<void()> action, int pauseAfter);
    void runNext();
    void layOut();
    void blindsPass(int pass);
    void curtainSteps(int fromOffset);
    void applyStoryStep(const SplashStep &step);

    QRect m_screen;
    SplashLayout m_layout;
    QImage m_canvas;
    std::deque<Step> m_queue;
    ClockTimer *m_pause = nullptr;
    bool m_started = false;
    bool m_toReadme = false;
    bool m_closing = false;
};

} // namespace stak
