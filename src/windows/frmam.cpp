#include "windows/frmam.h"

#include "core/textfile.h"
#include "formats/phrases.h"
#include "formats/riddle.h"
#include "widgets/controls.h"
#include "widgets/twips.h"
#include "widgets/vblabel.h"

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

    Text1 = control<QPlainTextEdit>(this, "Text1", twips(120, 120, 6975, 2895));
    Label1 = control<VbLabel>(this, "Label1", twips(120, 3120, 6975, 375));
    Label1->setCaption(QStringLiteral("Ответ:"));
    fitHeight(Label1, 2); // an answer may take two lines
    Command1 = control<QPushButton>(this, "Command1", twips(120, 3720, 1575, 375),
                                    QStringLiteral("Ответ"));
    Command2 = control<QPushButton>(this, "Command2", twips(1920, 3720, 1575, 375),
                                    QStringLiteral("Следующая"));
    Label2 = control<VbLabel>(this, "Label2", twips(3825, 3705, 735, 375));
    Label2->setCaption(QStringLiteral("Размер шрифта"));
    fitHeight(Label2);
    Combo1 = control<QComboBox>(this, "Combo1", twips(4560, 3720, 855, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (int size : {8, 10, 12, 14, 18, 24})
        Combo1->addItem(QString::number(size));
    Command3 = control<QPushButton>(this, "Command3", twips(5520, 3720, 1575, 375),
                                    QStringLiteral("Выход"));

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
    Text1->setPlainText(withLineFeeds(m_question));
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
