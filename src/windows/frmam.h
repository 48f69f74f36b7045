#pragma once

#include <QWidget>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace stak {

class VbLabel;

// The riddles window: one riddle at a time from zag.tlk, its answer on
// request, and the answer of a skipped riddle with the next one.
class FrmAm : public QWidget
{
    Q_OBJECT
public:
    explicit FrmAm(QWidget *parent = nullptr);

    void Form_Load();
    void LoadRiddle();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Combo1_Click();

    QString question() const { return m_question; }
    QString answer() const { return m_answer; }

    QPlainTextEdit *Text1 = nullptr;
    VbLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    VbLabel *Label2 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command3 = nullptr;

private:
    QString m_question;
    QString m_answer;
};

} // namespace stak
