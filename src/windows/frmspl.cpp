#include "windows/frmspl.h"

#include "core/clocktimer.h"
#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/credits.h"
#include "core/fonts.h"
#include "core/picture.h"
#include "platform/platform.h"
#include "widgets/picturebox.h"
#include "widgets/vblabel.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace stak {

namespace {
const QString kMusic = QStringLiteral("title.mp3");

// Fonts as designed at 96 dots per inch, in pixels so that the show looks the
// same whatever the display reports.
QFont splashFont(bool verdana, double points, bool bold, int zoom)
{
    QFont f;
    f.setFamilies(verdana ? verdanaFamilies() : msSansSerifFamilies());
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qRound(points * 96 / 72 * zoom));
    f.setBold(bold);
    return f;
}

void setColours(QWidget *w, QColor text, QColor back)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, back);
    w->setPalette(p);
    w->setAutoFillBackground(back.isValid());
}

// The sun: a filled yellow ellipse.
class Sun : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 0));
        p.drawEllipse(rect());
    }
};
} // namespace

FrmSpl::FrmSpl(const QRect &screen, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_screen(screen)
{
    setObjectName(QStringLiteral("frmSpl"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setColours(this, Qt::white, Qt::black);
    if (QScreen *s = QGuiApplication::screenAt(screen.center()))
        setScreen(s);
    setGeometry(screen);

    auto label = [](const char *name, QRect design, QWidget *parent) {
        auto *l = new VbLabel(parent);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(design);
        l->setWordWrap(false);
        l->setAlignment(Qt::AlignCenter);
        l->hide();
        return l;
    };
    Label1 = label("Label1", {0, 8, 489, 65}, this);
    Label1->setCaption(makerName());
    Label2 = label("Label2", {0, 72, 489, 57}, this);
    Label2->setCaption(QStringLiteral("and"));
    Label3 = label("Label3", {0, 136, 489, 65}, this);
    Label3->setCaption(QStringLiteral("Web-дизайн: ") + studioName());
    Label4 = label("Label4", {0, 336, 465, 17}, this);
    Label4->setCaption(QStringLiteral("Стаканыч 2003. ") + makerName() +
                       QStringLiteral(", 2003. Все права налиты."));
    Label5 = label("Label5", {32, 232, 425, 73}, this);
    Label6 = label("Label6", {0, 200, 233, 25}, this);
    Label6->setCaption(QStringLiteral("... Россия, 2002й год."));
    for (VbLabel *l : {Label1, Label2, Label3, Label6})
        setColours(l, Qt::white, Qt::black);
    const QColor buttonText = QGuiApplication::palette().color(QPalette::ButtonText);
    setColours(Label4, buttonText, Qt::white);
    setColours(Label5, buttonText, Qt::white);

    Frame1 = new QWidget(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(0, 96, 177, 25);
    setColours(Frame1, Qt::white, Qt::black);
    Frame1->hide();

    Frame2 = new QWidget(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(0, 0, 425, 297);
    setColours(Frame2, Qt::white, Qt::black);
    Frame2->hide();
    Label7 = new QLabel(Frame2);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(259, 208, 21, 67);
    setColours(Label7, QGuiApplication::palette().color(QPalette::WindowText), QColor());
    Label7->hide();
    Shape1 = new Sun(Frame2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(240, 298, 137, 121);
    Shape1->hide();

    Timer1 = new ClockTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setPeriodic(true);
    connect(Timer1, &ClockTimer::timeout, this, [this] { Timer1_Timer(); });
    m_pause = new ClockTimer(this);
    connect(m_pause, &ClockTimer::timeout, this, [this] { runNext(); });
    connect(Label5, &VbLabel::clicked, this, [this] { Label5_Click(); });
}

FrmSpl::~FrmSpl() = default;

bool FrmSpl::sequenceRunning() const
{
    return !m_queue.empty() || m_pause->isActive();
}

void FrmSpl::queue(std::function<void()> action, int pauseAfter)
{
    m_queue.push_back({std::move(action), pauseAfter});
}

void FrmSpl::runNext()
{
    while (!m_queue.empty() && !m_closing) {
        Step step = std::move(m_queue.front());
        m_queue.pop_front();
        step.action();
        if (step.pauseAfter > 0 && !m_closing) {
            m_pause->start(step.pauseAfter);
            return;
        }
    }
}

void FrmSpl::layOut()
{
    m_layout = LayoutSplash(width(), height());
    const SplashLayout &l = m_layout;
    const int z = l.zoom;
    m_canvas = QImage(size(), QImage::Format_RGB32);
    m_canvas.fill(Qt::black);

    Label1->setFont(splashFont(true, 36, true, z));
    Label2->setFont(splashFont(true, 36, true, z));
    Label3->setFont(splashFont(true, 36, true, z));
    Label4->setFont(splashFont(true, 9.75, true, z));
    Label5->setFont(splashFont(true, 14.25, false, z));
    Label6->setFont(splashFont(false, 13.5, true, z));
    Label7->setFont(splashFont(true, 42, true, z));

    Label1->setGeometry(l.credit1);
    Label2->setGeometry(l.credit2);
    Label3->setGeometry(l.credit3);
    Label4->setGeometry(l.creditLine);
    Label5->setGeometry(l.prompt);
    Label5->setCaption(QStringLiteral("\r\nНачать процесс собственно выпивания\r\n(F5)"));
}

void FrmSpl::Form_Resize()
{
    if (m_started)
        return;
    m_started = true;
    StoryStep = 0;
    if (!contentFileExists(kMusic)) {
        // A missing tune leaves an empty file of its name (in the user's
        // folder, never the installed one) and the show runs silently.
        QFile music(writableContentPath(kMusic));
        if (music.open(QIODevice::ReadWrite))
            music.close();
    }
    layOut();

    queue(
        [this] {
            const QImage logo = loadPicture(QStringLiteral("logo.bmp"));
            if (!logo.isNull()) {
                QPainter p(&m_canvas);
                const QRect &at = m_layout.logo;
                if (m_layout.zoom == 1)
                    p.drawImage(at.topLeft(), logo);
                else
                    p.drawImage(QRect(at.topLeft(), logo.size() * m_layout.zoom), logo);
            }
            repaint();
        },
        3000);
    for (int pass = 0; pass < 18; ++pass)
        queue([this, pass] { blindsPass(pass); }, 50);
    queue([] {}, 500);
    queue([this] { Label1->show(); }, 2000);
    queue(
        [this] {
            Label1->hide();
            Label2->show();
        },
        1500);
    queue(
        [this] {
            Label2->hide();
            Label3->show();
        },
        2000);
    queue(
        [this] {
            Label3->hide();
            Label2->setCaption(QStringLiteral("представляют"));
            Label2->show();
            platform().musicPlay(kMusic);
        },
        1500);
    queue([this] { Label2->hide(); }, 1000);
    queue([this] { Label4->show(); }, 2000);
    queue(
        [this] {
            const SplashLayout &l = m_layout;
            Frame2->setGeometry(l.band);
            Shape1->setGeometry(l.sunDesign);
            Frame2->show();
            Label6->setGeometry(l.storyLine);
            Label6->show();
            Frame1->setGeometry(l.curtain);
            Frame1->show();
            Frame1->raise();
            Timer1->start(6000);
        },
        0);
    runNext();
}

void FrmSpl::blindsPass(int pass)
{
    const SplashLayout &l = m_layout;
    QPainter p(&m_canvas);
    p.setPen(Qt::black);
    for (int band = 0; band <= 10; ++band)
        for (int row = 0; row < l.zoom; ++row) {
            const int y = l.blindsTop + l.blindStep * band + pass * l.zoom + row;
            p.drawLine(l.blindsLeft, y, l.blindsRight, y);
        }
    p.end();
    update();
}

void FrmSpl::curtainSteps(int fromOffset)
{
    // The curtain slides in steps of 5 design pixels, 50 ms apart, over the
    // height of the story line.
    const int h = Label6->height();
    const int step = 5 * m_layout.zoom;
    for (int i = 0; i <= h; i += step)
        queue([this, i, fromOffset] { Frame1->move(0, Label6->y() + i + fromOffset); }, 50);
}

void FrmSpl::Timer1_Timer()
{
    const bool idle = !sequenceRunning();
    const int n = ++StoryStep;
    const QList<SplashStep> &story = SplashStory();
    if (n > story.size()) {
        Timer1->stop();
        return;
    }
    const int h = Label6->height();
    if (n < 17)
        curtainSteps(-h);
    queue(
        [this, n] {
            if (n < 17)
                Frame1->move(0, Label6->y());
            applyStoryStep(SplashStory().at(n - 1));
        },
        0);
    if (n < 18) {
        curtainSteps(0);
        queue([this, h] { Frame1->move(0, Label6->y() + h); }, 0);
    }
    if (idle)
        runNext();
}

void FrmSpl::applyStoryStep(const SplashStep &step)
{
    const int band = Frame2->width();
    if (!step.text.isEmpty())
        Label6->setCaption(step.text);
    if (step.interval > 0)
        Timer1->start(step.interval);
    if (step.showSun)
        Shape1->show();
    if (step.sun)
        Shape1->move(m_layout.sunAt(band, *step.sun));
    if (step.sky.isValid())
        setColours(Frame2, Qt::white, step.sky);
    if (step.showPrompt)
        Label5->show();
    if (step.showTitle) {
        Label7->setText(QStringLiteral("Стаканыч 2003"));
        Label7->adjustSize();
        Label7->move(m_layout.titleAt(band));
        Label7->show();
    }
    if (step.promptLight)
        setColours(Label5, *step.promptLight ? QColor(119, 119, 119) : QColor(0, 0, 0),
                   *step.promptLight ? QColor(204, 204, 204) : QColor(255, 255, 255));
    if (step.stopTimer)
        Timer1->stop();
}

void FrmSpl::Label5_Click()
{
    m_toReadme = true;
    close();
}

void FrmSpl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_canvas.isNull())
        p.fillRect(rect(), Qt::black);
    else
        p.drawImage(0, 0, m_canvas);
}

void FrmSpl::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F5)
        Label5_Click();
}

void FrmSpl::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (!m_started && size() == m_screen.size())
        Form_Resize();
}

void FrmSpl::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (m_closing)
        return;
    // Nothing more is drawn and the tune is not started after a close.
    m_closing = true;
    m_queue.clear();
    m_pause->stop();
    Timer1->stop();
    platform().musicStop(kMusic);
    platform().musicClose(kMusic);
    if (m_toReadme)
        emit finished();
    else
        emit closedByUser();
}

} // namespace stak
