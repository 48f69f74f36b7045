#include "companion/frmstakan.h"

#include "companion/picturebox.h"
#include "companion/userbuttons.h"
#include "companion/vblabel.h"
#include "core/contentpath.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "startup/frmabout.h"
#include "startup/frmopt.h"
#include "windows/frmam.h"

#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace stak {

void FrmStakan::buildMenus()
{
    auto item = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *a =
            caption == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    mnux = new QMenu(this);
    mnux->setObjectName(QStringLiteral("mnux"));
    mnux->setSeparatorsCollapsible(false);
    item(mnux, "m1", QStringLiteral("-"));
    connect(item(mnux, "mnuMin", QStringLiteral("Свернуть")), &QAction::triggered, this,
            [this] { showMinimized(); });
    connect(item(mnux, "mnuAb", QStringLiteral("О программе..")), &QAction::triggered, this,
            [this] { mnuAb_Click(); });
    connect(item(mnux, "mnuOpt", QStringLiteral("Настройки...")), &QAction::triggered, this,
            [this] { mnuOpt_Click(); });

    mtost = new QMenu(this);
    mtost->setObjectName(QStringLiteral("mtost"));
    mtost->setSeparatorsCollapsible(false);
    mtx.append(item(mtost, "mtx0", QStringLiteral("-")));

    auto link = [this, item](QMenu *menu, const char *name, const QString &caption,
                             const QString &address) {
        connect(item(menu, name, caption), &QAction::triggered, this,
                [address] { platform().openAddress(address); });
    };
    mnuA = new QMenu(this);
    mnuA->setObjectName(QStringLiteral("mnuA"));
    link(mnuA, "mnuA1", QStringLiteral("Сайт разработчика"),
         QStringLiteral("http://stakanych.example/"));
    link(mnuA, "mnuA2", QStringLiteral("Написать письмо"),
         QStringLiteral("mailto:master@stakanych.example"));
    item(mnuA, "m3", QStringLiteral("-"));
    link(mnuA, "mnuA3", QStringLiteral("Алкогольные тесты"),
         QStringLiteral("http://zakuska.example/?r=tests"));
    mnuMon = new QMenu(this);
    mnuMon->setObjectName(QStringLiteral("mnuMon"));
    link(mnuMon, "mnuDes", QStringLiteral("Web-Design"),
         QStringLiteral("http://ogurec-design.example/"));
    link(mnuMon, "mnuME", QStringLiteral("Написать письмо"),
         QStringLiteral("mailto:studio@ogurec-design.example"));
    item(mnuMon, "m4", QStringLiteral("-"));
    link(mnuMon, "mnuSert", QStringLiteral("Сертификация личности"),
         QStringLiteral("http://zakuska.example/"));

    Command1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Command1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { mtost->popup(Command1->mapToGlobal(at)); });
    connect(Image1, &PictureBox::mousePressed, this,
            [this](Qt::MouseButton b) { Image1_MouseDown(b); });
    connect(Label2, &VbLabel::clicked, this, [this] { mnuA->popup(QCursor::pos()); });
    connect(Label3, &VbLabel::clicked, this, [this] { mnuMon->popup(QCursor::pos()); });
}

void FrmStakan::Image1_MouseDown(Qt::MouseButton)
{
    if (Command1->isEnabled())
        mnux->popup(QCursor::pos());
}

void FrmStakan::Command1_Click()
{
    SayVoice(QString());
}

void FrmStakan::Command2_Click()
{
    SayToast(QStringLiteral("\\\\frombutton"));
    EasterEggStep = EasterEggStep == 2 ? 3 : 0;
}

void FrmStakan::Command3_Click()
{
    SayText(QString());
    EasterEggStep = EasterEggStep == 1 ? 2 : 0;
}

void FrmStakan::Label1_Click()
{
    if (EasterEggStep == 0)
        EasterEggStep = 1;
    const bool opaque = !Label1->autoFillBackground();
    Label1->setAutoFillBackground(opaque);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(pal);
}

void FrmStakan::Label1_DblClick()
{
    if (EasterEggStep != 3)
        return;
    platform().messageBox(QStringLiteral("Пасхальное яйцо не найдено, заменить настоящим?"));
    platform().messageBox(QStringLiteral("Отрежьте себе (не себе) яйцо и вставьте в драйв A:"));
    platform().messageBox(QStringLiteral("Теперь вы можете наслаждаться видом яйца в драйве A:"));
}

void FrmStakan::cmdU_Click(int index)
{
    const QString file = UserButtonScenario(index);
    if (contentFileExists(file))
        RunScenario(file);
}

void FrmStakan::RunModalWindow(QWidget *window)
{
    Timer1->stop();
    platform().showModal(window);
    enableTimer1UnlessTagged();
}

void FrmStakan::Command4_Click()
{
    FrmAm riddles(this);
    riddles.Form_Load();
    RunModalWindow(&riddles);
}

void FrmStakan::mnuAb_Click()
{
    // Opened from here the readme window opens nothing when it closes.
    FrmAbout about(this);
    about.Form_Load();
    RunModalWindow(&about);
}

void FrmStakan::mnuOpt_Click()
{
    FrmOpt options(Image1, this);
    options.Form_Load();
    RunModalWindow(&options);
}

void FrmStakan::Command5_Click()
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
                Label1->setCaption(QStringLiteral("Ой, скока вас?"));
                Label1->repaint();
            }
        }
    }
    GlitchPicture(QString::number(s.igluk));
    reseedFromClock();
}

} // namespace stak
