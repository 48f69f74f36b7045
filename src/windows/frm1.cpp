#include "windows/frm1.h"

#include "core/clock.h"
#include "core/configkeys.h"
#include "core/contentpath.h"
#include "core/credits.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "formats/dates.h"
#include "platform/platform.h"
#include "platform/runningmarker.h"
#include "widgets/controls.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace stak {

QString Frm1::windowTitleText()
{
    return makerName() + QStringLiteral(" - Стаканыч 2003 prerelease");
}

Frm1::Frm1(QString commandLine, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_commandLine(std::move(commandLine))
{
    setObjectName(QStringLiteral("frm1"));
    setWindowTitle(windowTitleText());
    setFixedSize(388, 241);

    Label1 =
        control<QLabel>(this, "Label1", {8, 8, 369, 17}, QStringLiteral("Интерактивный режим"));
    Label2 =
        control<QLabel>(this, "Label2", {8, 41, 176, 17}, QStringLiteral("Файл сценария (*.scn)"));
    Combo1 = control<QComboBox>(this, "Combo1", {192, 40, 185, 21});
    Combo1->addItem(QStringLiteral("Нет сценария"));
    Command1 = control<QPushButton>(this, "Command1", {8, 80, 201, 25},
                                    QStringLiteral("Зачем-то показать заставку..."));
    Command2 = control<QPushButton>(this, "Command2", {216, 80, 161, 25},
                                    QStringLiteral("Пропустить заставку..."));
    Label4 = control<QLabel>(this, "Label4", {40, 120, 305, 17},
                             QStringLiteral("За что сегодня можно выпить - праздники:"));
    Text1 = control<QTextEdit>(this, "Text1", {8, 136, 369, 81});
    Text1->setReadOnly(true);
    Text1->setAcceptRichText(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette dialog = Text1->palette();
    dialog.setColor(QPalette::Base, palette().color(QPalette::Window));
    Text1->setPalette(dialog);
    Label3 = control<QLabel>(this, "Label3", {8, 224, 369, 17});
    for (QLabel *l : {Label1, Label2, Label4, Label3})
        l->setAlignment(Qt::AlignCenter);

    connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Frm1::selectItem(int index)
{
    Combo1->setCurrentIndex(index);
    Combo1_Click();
}

void Frm1::Form_Load()
{
    const QDateTime now = programClock().now();
    Label3->setText(CountdownText(now));

    m_holiday =
        HolidayLine(readTextFile(QStringLiteral("date.tlk")).value_or(QString()), now.date());
    Text1->setPlainText(withLineFeeds(m_holiday));
    Text1->selectAll();
    Text1->setAlignment(Qt::AlignCenter);
    Text1->moveCursor(QTextCursor::Start);

    selectItem(0);
    Combo1->addItems(listContentFiles(QString(), {QStringLiteral("*.scn")}));

    Settings &s = settings();
    loadConfigKey(configKey(&Settings::exescript), s);
    for (int i = 0; i < Combo1->count(); ++i)
        if (Combo1->itemText(i).compare(s.exescript, Qt::CaseInsensitive) == 0) {
            selectItem(i);
            break;
        }
    LoadSettingsAfterExescript(s);

    const QString temp = platform().tempFolder();
    if (QFileInfo::exists(temp + QStringLiteral("zhena.tut")))
        platform().messageBox(QStringLiteral("Так у тебя жена дома? Ниче, ругаться не будет?"),
                              MsgButtons::Ok, QStringLiteral("Жена дома"));
    RunningMarker::write();

    if (!m_commandLine.trimmed().isEmpty()) {
        Combo1->addItem(m_commandLine);
        selectItem(Combo1->count() - 1);
        s.exescript = m_commandLine;
    }
}

void Frm1::Combo1_Click()
{
    const int index = Combo1->currentIndex();
    if (index < 1) {
        Label1->setText(QStringLiteral("Интерактивный режим"));
        settings().exescript.clear();
    } else {
        Label1->setText(QStringLiteral("Режим сценария: ") + Combo1->itemText(index));
        settings().exescript = Combo1->itemText(index);
    }
}

void Frm1::Command1_Click()
{
    m_leaving = true;
    hide();
    platform().processEvents();
    emit splashChosen();
}

void Frm1::Command2_Click()
{
    m_leaving = true;
    hide();
    emit readmeChosen();
}

void Frm1::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (!m_leaving)
        emit closedByUser();
}

} // namespace stak
