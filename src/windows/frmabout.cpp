#include "windows/frmabout.h"

#include "core/credits.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "widgets/controls.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace stak {

QString FrmAbout::windowTitleText()
{
    return QStringLiteral("Стаканыч 2003 by ") + makerName();
}

QString FrmAbout::documentFile(int index)
{
    static const char *const kFiles[] = {"readme.txt", "ovodke.txt", "minzdrav.txt", "tips.txt"};
    return index >= 0 && index < 4 ? QLatin1String(kFiles[index]) : QString();
}

FrmAbout::FrmAbout(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(windowTitleText());
    setFixedSize(442, 335);

    Label1 = control<QLabel>(this, "Label1", {0, 8, 441, 41}, QStringLiteral("Стаканыч 2003"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont big(QStringLiteral("Sans Serif"));
    big.setStyleHint(QFont::SansSerif);
    big.setPointSize(24);
    big.setBold(true);
    Label1->setFont(big);

    auto *line = control<QFrame>(this, "Line1", {24, 56, 393, 1});
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    Label3 = control<QLabel>(this, "Label3", {352, 39, 89, 17}, QStringLiteral("final release"));

    static const char *const kCaptions[] = {"Readme", "О водке", "Минздрав предупреждает",
                                            "Советы"};
    static const QRect kPlaces[] = {
        {8, 64, 89, 25}, {96, 64, 81, 25}, {176, 64, 177, 25}, {352, 64, 81, 25}};
    for (int i = 0; i < 4; ++i) {
        Option1[i] = control<QRadioButton>(this, QStringLiteral("Option1_%1").arg(i), kPlaces[i],
                                           QString::fromUtf8(kCaptions[i]));
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    Option1[0]->setChecked(true);

    Text1 = control<QPlainTextEdit>(this, "Text1", {8, 88, 425, 209});
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Command1 = control<QPushButton>(this, "Command1", {136, 300, 161, 17}, QStringLiteral("Ok"));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Label2 =
        control<QLabel>(this, "Label2", {0, 320, 441, 17},
                        makerName() + QStringLiteral(", 2003. Пишите: master@stakanych.example"));
    Label2->setAlignment(Qt::AlignCenter);
}

void FrmAbout::Form_Load()
{
    Option1_Click(0);
}

void FrmAbout::Option1_Click(int index)
{
    // A document that cannot be read leaves the text as it was.
    if (const auto text = readTextFile(documentFile(index)))
        Text1->setPlainText(withLineFeeds(*text));
}

void FrmAbout::Command1_Click()
{
    close();
}

void FrmAbout::closeEvent(QCloseEvent *e)
{
    e->accept();
    Form_Unload();
}

void FrmAbout::Form_Unload()
{
    Settings &s = settings();
    if (s.mainshown)
        return;
    emit companionWanted();
    s.mainshown = true;
}

} // namespace stak
