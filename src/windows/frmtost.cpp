#include "windows/frmtost.h"

#include "widgets/controls.h"
#include "widgets/twips.h"

#include "core/fonts.h"
#include "core/textfile.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace stak {

FrmTost::FrmTost(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("frmTost"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Тост, господа!"));
    setFixedWidth(8340 / 15);
    setFixedHeight(5640 / 15);

    Text1 = control<QPlainTextEdit>(this, "Text1", twips(120, 120, 8055, 4935));
    QFont f;
    f.setFamilies(msSansSerifFamilies());
    f.setPointSizeF(8.25);
    f.setBold(true);
    Text1->setFont(f);

    Command1 = control<QPushButton>(this, "Command1", twips(2880, 5160, 2415, 375),
                                    QStringLiteral("Ы-ык..."));
    Command2 = control<QPushButton>(this, "Command2", twips(7485, 5385, 855, 255),
                                    QStringLiteral("Шрифт"));
    Combo1 = control<QComboBox>(this, "Combo1", twips(5280, 5760, 1695, 315));
    Combo2 = control<QComboBox>(this, "Combo2", twips(7080, 5760, 615, 315));
    Combo2->addItem(QString());
    for (int size : {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 20, 22, 24})
        Combo2->addItem(QString::number(size));
    Check1 = control<QCheckBox>(this, "Check1", twips(7800, 5760, 435, 315), QStringLiteral("B"));
    QFont bold = Check1->font();
    bold.setBold(true);
    Check1->setFont(bold);
    Check1->setChecked(true);
    // The classic look's small indicator: "B" fits the box's 29 pixels.
    Check1->setStyleSheet(QStringLiteral(
        "QCheckBox { spacing: 2px; } QCheckBox::indicator { width: 10px; height: 10px; }"));

    // Load: the empty entry first, then every screen font.
    Combo1->addItem(QString());
    Combo1->addItems(platform().screenFonts());

    connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this](int) { Combo2_Click(); });
    connect(Check1, &QCheckBox::clicked, this, [this](bool) { Check1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void FrmTost::setToast(const QString &text)
{
    Text1->setPlainText(withLineFeeds(text));
}

QString FrmTost::toast() const
{
    QString t = Text1->toPlainText();
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t;
}

int FrmTost::outerHeightTwips() const
{
    return (height() + kTitleAndFramePx) * 15;
}

void FrmTost::setOuterHeightTwips(int twipsHeight)
{
    setFixedHeight(twipsHeight / 15 - kTitleAndFramePx);
}

void FrmTost::Combo1_Click()
{
    if (Combo1->currentIndex() < 1)
        return;
    QFont f = Text1->font();
    f.setFamily(Combo1->currentText());
    Text1->setFont(f);
}

void FrmTost::Combo2_Click()
{
    if (Combo2->currentIndex() < 1)
        return;
    bool ok = false;
    const float size = Combo2->currentText().toFloat(&ok);
    if (!ok || size <= 0)
        return;
    QFont f = Text1->font();
    f.setPointSizeF(size);
    Text1->setFont(f);
}

void FrmTost::Check1_Click()
{
    QFont f = Text1->font();
    f.setBold(Check1->isChecked());
    Text1->setFont(f);
}

void FrmTost::Command2_Click()
{
    setOuterHeightTwips(outerHeightTwips() != 5970 ? 5970 : 6450);
}

void FrmTost::Command1_Click()
{
    close();
}

} // namespace stak
