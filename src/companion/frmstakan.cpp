#include "companion/frmstakan.h"

#include "core/credits.h"
#include "core/fonts.h"
#include "core/screens.h"
#include "platform/platform.h"
#include "widgets/controls.h"
#include "widgets/picturebox.h"
#include "widgets/shakencontents.h"
#include "widgets/vblabel.h"
#include "windows/frmabout.h"
#include "windows/frmam.h"
#include "windows/frmcar.h"
#include "windows/frmopt.h"
#include "windows/frmscr.h"
#include "windows/frmtost.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace stak {

FrmStakan::FrmStakan(QWidget *parent) : QWidget(parent), m_companion(*this, this)
{
    setObjectName(QStringLiteral("frmStakan"));
    setWindowTitle(
        QStringLiteral("Стаканыч2003 - ваш проверенный союзник в заочной борьбе с тещей и женой!"));
    setFixedSize(467, 413);
    m_background = QImage(size(), QImage::Format_RGB32);
    m_background.fill(palette().color(QPalette::Window));
    buildControls();
    buildMenus();
    platform().setMainWindow(this);
    // Monitors come and go: the companion stays on one the user can see.
    for (auto signal : {&QGuiApplication::screenAdded, &QGuiApplication::screenRemoved})
        connect(qApp, signal, this,
                [this] { QTimer::singleShot(0, this, &FrmStakan::keepOnScreen); });
}

FrmStakan::~FrmStakan()
{
    delete m_tost;
    delete m_car;
}

FrmScr *FrmStakan::frolicWindow() const
{
    return m_scr;
}

void FrmStakan::buildControls()
{
    auto label = [this](const char *name, QRect geometry, bool underline) {
        auto *l = control<VbLabel>(this, name, geometry);
        QFont f;
        f.setFamilies(msSansSerifFamilies());
        f.setStyleHint(QFont::SansSerif);
        f.setPointSize(8);
        f.setBold(true);
        f.setUnderline(underline);
        l->setFont(f);
        return l;
    };
    Label5 = label("Label5", {0, -2, 465, 17}, false);
    Label5->setAutoFillBackground(true);
    QPalette white = Label5->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label5->setPalette(white);

    Image1 = control<PictureBox>(this, "Image1", {16, 11, 433, 225}, QSize(433, 225));
    Label1 = label("Label1", {16, 242, 433, 89}, false);
    Label1->setCaption(Companion::greetingText());

    static const char *const kCaptions[] = {"Речь", "Толкай тост", "Что?", "Заг-гадки", "Выпьем"};
    static const int kLefts[] = {8, 96, 184, 280, 376};
    const std::array<void (FrmStakan::*)(), 5> handlers{
        &FrmStakan::Command1_Click, &FrmStakan::Command2_Click, &FrmStakan::Command3_Click,
        &FrmStakan::Command4_Click, &FrmStakan::Command5_Click};
    for (int i = 0; i < 5; ++i) {
        m_speaking[i] =
            control<QPushButton>(this, QStringLiteral("Command%1").arg(i + 1),
                                 {kLefts[i], 336, 81, 21}, QString::fromUtf8(kCaptions[i]));
        connect(m_speaking[i], &QPushButton::clicked, this, handlers[i]);
    }
    for (int k = 1; k <= 5; ++k) {
        cmdU[k] = control<QPushButton>(this, QStringLiteral("cmdU%1").arg(k),
                                       {16 + 88 * (k - 1), 365, 81, 25});
        cmdU[k]->hide();
        connect(cmdU[k], &QPushButton::clicked, this, [this, k] { cmdU_Click(k); });
    }

    Label2 = label("Label2", {0, 400, 153, 17}, true);
    Label2->setCaption(makerName());
    VbLabel *Label4 = label("Label4", {152, 400, 145, 17}, false);
    Label4->setCaption(QStringLiteral("(c) 2003, все налито"));
    Label3 = label("Label3", {296, 400, 177, 17}, true);
    Label3->setCaption(QStringLiteral("Дизайн: ") + studioName());
    for (VbLabel *l : {Label2, Label4, Label3})
        l->setWordWrap(false);

    connect(Label1, &VbLabel::clicked, this, &FrmStakan::Label1_Click);
    connect(Label1, &VbLabel::doubleClicked, this, &FrmStakan::Label1_DblClick);
    connect(Image1, &PictureBox::mousePressed, this, &FrmStakan::Image1_MouseDown);
}

void FrmStakan::buildMenus()
{
    auto menu = [this](const char *name) {
        auto *m = new QMenu(this);
        m->setObjectName(QLatin1String(name));
        m->setSeparatorsCollapsible(false);
        return m;
    };
    auto item = [](QMenu *m, const char *name, const char *caption) {
        QAction *a = qstrcmp(caption, "-") == 0 ? m->addSeparator()
                                                : m->addAction(QString::fromUtf8(caption));
        a->setObjectName(QLatin1String(name));
        return a;
    };
    auto link = [this, item](QMenu *m, const char *name, const char *caption, const char *address) {
        connect(item(m, name, caption), &QAction::triggered, this,
                [address] { platform().openAddress(QLatin1String(address)); });
    };
    mnux = menu("mnux");
    item(mnux, "m1", "-");
    connect(item(mnux, "mnuMin", "Свернуть"), &QAction::triggered, this, &QWidget::showMinimized);
    connect(item(mnux, "mnuAb", "О программе.."), &QAction::triggered, this,
            &FrmStakan::mnuAb_Click);
    connect(item(mnux, "mnuOpt", "Настройки..."), &QAction::triggered, this,
            &FrmStakan::mnuOpt_Click);
    mtost = menu("mtost");
    item(mtost, "mtx0", "-");

    mnuA = menu("mnuA");
    link(mnuA, "mnuA1", "Сайт разработчика", "http://stakanych.example/");
    link(mnuA, "mnuA2", "Написать письмо", "mailto:master@stakanych.example");
    item(mnuA, "m3", "-");
    link(mnuA, "mnuA3", "Алкогольные тесты", "http://zakuska.example/?r=tests");
    mnuMon = menu("mnuMon");
    link(mnuMon, "mnuDes", "Web-Design", "http://ogurec-design.example/");
    link(mnuMon, "mnuME", "Написать письмо", "mailto:studio@ogurec-design.example");
    item(mnuMon, "m4", "-");
    link(mnuMon, "mnuSert", "Сертификация личности", "http://zakuska.example/");

    QPushButton *speech = m_speaking[0];
    speech->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(speech, &QWidget::customContextMenuRequested, this,
            [this, speech](const QPoint &at) { mtost->popup(speech->mapToGlobal(at)); });
    connect(Label2, &VbLabel::clicked, this, [this] { mnuA->popup(QCursor::pos()); });
    connect(Label3, &VbLabel::clicked, this, [this] { mnuMon->popup(QCursor::pos()); });
}

void FrmStakan::Label1_Click()
{
    m_companion.speechClicked();
    Label1->setAutoFillBackground(!Label1->autoFillBackground());
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(pal);
}

void FrmStakan::Image1_MouseDown()
{
    if (m_companion.buttonsEnabled())
        mnux->popup(QCursor::pos());
}

void FrmStakan::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_background);
}

void FrmStakan::closeEvent(QCloseEvent *e)
{
    e->accept();
    Form_Unload();
}

void FrmStakan::showSpeech(const QString &caption, bool now)
{
    Label1->setCaption(caption);
    if (now)
        Label1->repaint();
}

void FrmStakan::setTexture(const QImage &tile)
{
    QPainter p(&m_background);
    for (int x = 0; x <= width(); x += tile.width())
        for (int y = 0; y <= height(); y += tile.height())
            p.drawImage(x, y, tile);
    update();
}

void FrmStakan::setVoiceMenu(const QStringList &captions)
{
    for (int k = 1; k <= captions.size(); ++k) {
        QAction *a = mtost->addAction(captions[k - 1]);
        a->setObjectName(QStringLiteral("mtx%1").arg(k));
        connect(a, &QAction::triggered, this, [this, k] { m_companion.playVoiceItem(k); });
    }
}

void FrmStakan::setUserButton(int k, const QString &caption, bool visible)
{
    cmdU[k]->setText(caption);
    cmdU[k]->setVisible(visible);
}

void FrmStakan::setButtonsEnabled(bool enabled)
{
    for (QPushButton *b : m_speaking)
        b->setEnabled(enabled);
    for (int k = 1; k <= 5; ++k)
        cmdU[k]->setEnabled(enabled);
}

void FrmStakan::showWindow()
{
    show();
    platform().processEvents();
}

void FrmStakan::setWindowVisible(bool visible)
{
    if (!visible) {
        m_placeBeforeHiding = geometry();
        hide();
        return;
    }
    // Shown again where it was, not where the window manager would put a new
    // window: the place is set again, and on the native window too, which
    // marks it as chosen rather than automatic.
    if (m_placeBeforeHiding.isValid()) {
        setGeometry(m_placeBeforeHiding);
        if (windowHandle())
            windowHandle()->setGeometry(m_placeBeforeHiding);
    }
    show();
}

void FrmStakan::bringToFront()
{
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        raise();
        activateWindow();
    }
}

void FrmStakan::shakeWindow(const QList<QPoint> &offsets)
{
    ShakeWindow(*this, offsets, platform().canMoveWindows(), [] {
        platform().sleep(100);
        platform().processEvents();
    });
}

QRect FrmStakan::screenArea() const
{
    const QList<QRect> all = platform().screens();
    const int at = ScreenAt(all, frameGeometry().center());
    return at >= 0 ? all[at] : QRect();
}

void FrmStakan::keepOnScreen()
{
    const QRect screen = screenArea();
    if (isVisible() && !screen.contains(frameGeometry().center()))
        move(KeepInside(frameGeometry(), screen));
}

void FrmStakan::showToast(const QString &text)
{
    // A tool window of the companion's: it stays above it, and opens beside it.
    if (!m_tost) {
        m_tost = new FrmTost(this);
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        m_tost->move(Beside(m_tost->size().grownBy(frame), frameGeometry(), screenArea()));
    }
    m_tost->setToast(text);
    m_tost->show();
    m_tost->raise();
}

bool FrmStakan::toastShown() const
{
    return m_tost && m_tost->isVisible();
}

void FrmStakan::runFrolic(const QImage &picture, const QRect &screen)
{
    FrmScr scr;
    m_scr = &scr;
    scr.play(picture, screen);
}

void FrmStakan::openSideWindow(SideWindow window)
{
    switch (window) {
    case SideWindow::Riddles: {
        FrmAm riddles(this);
        riddles.Form_Load();
        platform().showModal(&riddles);
        break;
    }
    case SideWindow::Readme: {
        // Opened from here the readme window opens nothing when it closes.
        FrmAbout about(this);
        about.Form_Load();
        platform().showModal(&about);
        break;
    }
    case SideWindow::Options: {
        FrmOpt options(Image1, this);
        options.Form_Load();
        platform().showModal(&options);
        break;
    }
    }
}

ScenarioCaricature &FrmStakan::caricature()
{
    // Created hidden on first use; closing it deletes it.
    if (!m_car)
        m_car = new FrmCar;
    m_car->setScreenArea(screenArea());
    return *m_car;
}

} // namespace stak
