#include "windows/frmam.h"

#include "companion/vblabel.h"
#include "phrases/phrases.h"
#include "windows/riddle.h"
#include "windows/twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace stak {

FrmAm::FrmAm(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAm"));
    setWindowTitle(QStringLiteral("Заг-гадки"));
    setFixedSize(7290 / 15, 4200 / 15);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips(120, 120, 6975, 2895));
    Label1 = new VbLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(120, 3120, 6975, 375));
    Label1->setCaption(QStringLiteral("Ответ:"));

    auto button = [this](const char *name, const QString &caption, QRect geometry) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        return b;
    };
    Command1 = button("Command1", QStringLiteral("Ответ"), twips(120, 3720, 1575, 375));
    Command2 = button("Command2", QStringLiteral("Следующая"), twips(1920, 3720, 1575, 375));
    Label2 = new VbLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips(3825, 3705, 735, 375));
    Label2->setCaption(QStringLiteral("Размер шрифта"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twips(4560, 3720, 855, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (int size : {8, 10, 12, 14, 18, 24})
        Combo1->addItem(QString::number(size));
    Command3 = button("Command3", QStringLiteral("Выход"), twips(5520, 3720, 1575, 375));

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    // A size chosen from the list, or typed and confirmed with Enter.
    connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(Combo1->lineEdit(), &QLineEdit::returnPressed, this, [this] { Combo1_Click(); });
}

void FrmAm::Form_Load()
{
    Combo1->setCurrentText(QStringLiteral("10"));
    // The question starts at the size the box shows.
    Combo1_Click();
    LoadRiddle();
}

void FrmAm::LoadRiddle()
{
    Command1->setEnabled(true);
    const Riddle r = SplitRiddle(ReadPhrase(QStringLiteral("zag.tlk"), 0), m_answer);
    m_question = r.question;
    m_answer = r.answer;
    QString shown = m_question;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(shown);
}

void FrmAm::Command1_Click()
{
    Label1->setCaption(m_answer);
    Command1->setEnabled(false);
}

void FrmAm::Command2_Click()
{
    if (!Command1->isEnabled())
        Label1->setCaption(QString());
    else
        Label1->setCaption(QStringLiteral("Ответ на предыдущую: ") + m_answer);
    LoadRiddle();
}

void FrmAm::Command3_Click()
{
    close();
}

void FrmAm::Combo1_Click()
{
    bool ok = false;
    const float size = Combo1->currentText().trimmed().toFloat(&ok);
    // Text that is not a size leaves the question as it is.
    if (!ok || !(size > 0) || size > 400)
        return;
    QFont f = Text1->font();
    f.setPointSizeF(size);
    Text1->setFont(f);
}

} // namespace stak
