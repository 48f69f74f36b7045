#include "companion/frmstakan.h"

#include "companion/picturebox.h"
#include "companion/userbuttons.h"
#include "companion/vblabel.h"
#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/credits.h"
#include "core/fonts.h"
#include "core/picture.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "phrases/phrases.h"
#include "platform/platform.h"
#include "startup/runningmarker.h"
#include "windows/controls.h"

#include <QCloseEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

namespace stak {

namespace {
QFont labelFont(bool underline)
{
    QFont f;
    f.setFamilies(msSansSerifFamilies());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    f.setBold(true);
    f.setUnderline(underline);
    return f;
}
} // namespace

QString FrmStakan::windowTitleText()
{
    return QStringLiteral(
        "Стаканыч2003 - ваш проверенный союзник в заочной борьбе с тещей и женой!");
}

QString FrmStakan::greetingText()
{
    return QStringLiteral("Вас приветствует система \"Стаканыч 2003\". Налейте стакан и "
                          "вставьте его в драйв А:.  Скажите любой тост для продолжения.");
}

QStringList FrmStakan::hintLines()
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

FrmStakan::FrmStakan(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmStakan"));
    setWindowTitle(windowTitleText());
    setFixedSize(467, 413);
    m_background = QImage(size(), QImage::Format_RGB32);
    m_background.fill(palette().color(QPalette::Window));
    buildControls();
    buildMenus();
}

FrmStakan::~FrmStakan()
{
    delete m_tost;
    delete m_car;
}

FrmCar *FrmStakan::caricatureWindow()
{
    if (!m_car)
        m_car = new FrmCar;
    return m_car;
}

void FrmStakan::buildControls()
{
    auto label = [this](const char *name, QRect geometry, bool underline) {
        auto *l = control<VbLabel>(this, name, geometry);
        l->setFont(labelFont(underline));
        return l;
    };
    Label5 = label("Label5", {0, -2, 465, 17}, false);
    Label5->setAutoFillBackground(true);
    QPalette white = Label5->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label5->setPalette(white);

    Image1 = control<PictureBox>(this, "Image1", {16, 11, 433, 225}, QSize(433, 225));

    Label1 = label("Label1", {16, 242, 433, 89}, false);
    Label1->setCaption(greetingText());

    Command1 = control<QPushButton>(this, "Command1", {8, 336, 81, 21}, QStringLiteral("Речь"));
    Command2 =
        control<QPushButton>(this, "Command2", {96, 336, 81, 21}, QStringLiteral("Толкай тост"));
    Command3 = control<QPushButton>(this, "Command3", {184, 336, 81, 21}, QStringLiteral("Что?"));
    Command4 =
        control<QPushButton>(this, "Command4", {280, 336, 81, 21}, QStringLiteral("Заг-гадки"));
    Command5 = control<QPushButton>(this, "Command5", {376, 336, 81, 21}, QStringLiteral("Выпьем"));
    for (int k = 1; k <= 5; ++k) {
        cmdU[k] = control<QPushButton>(this, QStringLiteral("cmdU%1").arg(k),
                                       {16 + 88 * (k - 1), 365, 81, 25});
        cmdU[k]->hide();
        connect(cmdU[k], &QPushButton::clicked, this, [this, k] { cmdU_Click(k); });
    }

    Label2 = label("Label2", {0, 400, 153, 17}, true);
    Label2->setCaption(makerName());
    Label4 = label("Label4", {152, 400, 145, 17}, false);
    Label4->setCaption(QStringLiteral("(c) 2003, все налито"));
    Label3 = label("Label3", {296, 400, 177, 17}, true);
    Label3->setCaption(QStringLiteral("Дизайн: ") + studioName());
    for (VbLabel *l : {Label2, Label4, Label3})
        l->setWordWrap(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(30000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Label1, &VbLabel::clicked, this, [this] { Label1_Click(); });
    connect(Label1, &VbLabel::doubleClicked, this, [this] { Label1_DblClick(); });
}

void FrmStakan::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_background);
}

void FrmStakan::loadTexture()
{
    if (settings().texture.trimmed().isEmpty())
        return;
    const QImage tile = loadPicture(settings().texture.trimmed());
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0)
        return; // a window without texture
    QPainter p(&m_background);
    for (int x = 0; x <= width(); x += tile.width())
        for (int y = 0; y <= height(); y += tile.height())
            p.drawImage(x, y, tile);
    update();
}

void FrmStakan::loadVoiceMenu()
{
    const auto text = readTextFile(QStringLiteral("sound.tlk"));
    if (!text)
        return;
    for (const VoiceMenuItem &item : VoiceMenuItems(splitLines(*text))) {
        const int k = int(mtx.size());
        QAction *a = mtost->addAction(item.caption);
        a->setObjectName(QStringLiteral("mtx%1").arg(k));
        connect(a, &QAction::triggered, this,
                [this, k] { SayVoice(QStringLiteral("\\\\") + QString::number(k)); });
        mtx.append(a);
    }
}

void FrmStakan::loadUserButtons()
{
    const auto text = readTextFile(QStringLiteral("user.but"));
    if (!text)
        return;
    const auto buttons = ParseUserButtons(splitLines(*text));
    for (int k = 1; k <= 5; ++k) {
        if (!buttons[k])
            continue;
        if (!buttons[k]->hidden)
            cmdU[k]->show();
        cmdU[k]->setText(buttons[k]->caption);
    }
}

void FrmStakan::Form_Load()
{
    loadTexture();

    reseedFromClock();
    const int n = int(double(programRandom().next()) * 6);
    Label5->setCaption(hintLines().value(n));

    settings().drinkcount = 0;
    ScenarioBusy = false;

    Image1->paintFile(settings().mypic, 0, 0);
    loadVoiceMenu();
    loadUserButtons();
    Timer1->setInterval(settings().BaseIntervalFrom);
    Timer2->start();

    if (!settings().exescript.isEmpty()) {
        show();
        platform().processEvents();
        RunScenario(settings().exescript);
    } else {
        Timer1->start();
    }
}

void FrmStakan::Timer2_Timer()
{
    ++BlinkCount;
    if (BlinkCount == 9)
        Timer2->stop();
    Label5->setVisible(BlinkCount % 2 == 0);
    Timer2->setInterval(1000);
}

void FrmStakan::enableTimer1UnlessTagged()
{
    if (timer1Tag != QStringLiteral("no!"))
        Timer1->start();
}

void FrmStakan::RunScenario(const QString &path)
{
    if (ScenarioBusy) {
        if (scenarioTrace)
            scenarioTrace(path + QStringLiteral(": не запущен: уже идёт другой сценарий"));
        return;
    }
    ScenarioBusy = true;
    Timer1->stop();
    SetButtonsEnabled(false);
    if (!LoadScenarioLines(path) && scenarioTrace)
        scenarioTrace(path + QStringLiteral(": не удалось прочитать файл, сценарий пуст"));
    m_scenarioFile = path;
    InterpretScenario();
    SetButtonsEnabled(true);
    enableTimer1UnlessTagged();
    ScenarioBusy = false;
}

void FrmStakan::SetButtonsEnabled(bool enabled)
{
    for (QPushButton *b : {Command1, Command2, Command3, Command4, Command5})
        b->setEnabled(enabled);
    for (int k = 1; k <= 5; ++k)
        cmdU[k]->setEnabled(enabled);
}

bool FrmStakan::LoadScenarioLines(const QString &path)
{
    const auto text = readTextFile(path);
    ScenarioLines = splitScenarioLines(text.value_or(QString()));
    return text.has_value();
}

void FrmStakan::closeEvent(QCloseEvent *e)
{
    e->accept();
    Form_Unload();
}

void FrmStakan::Form_Unload()
{
    RunningMarker::remove();
    platform().exitProgram(0);
    std::abort();
}

} // namespace stak
