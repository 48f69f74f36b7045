#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;

namespace stak {

// The start dialog, the first window of every run: it loads the settings,
// shows today's holiday and the New Year countdown, offers interactive mode or
// a scenario, and leaves with or without the splash show.
class Frm1 : public QWidget
{
    Q_OBJECT
public:
    // commandLine: the program's arguments after its name, joined by blanks.
    explicit Frm1(QString commandLine, QWidget *parent = nullptr);

    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();

    // The holiday text as loaded, line breaks as CR LF.
    QString holidayText() const { return m_holiday; }

    static QString windowTitleText();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label4 = nullptr;
    QTextEdit *Text1 = nullptr;
    QLabel *Label3 = nullptr;

signals:
    void splashChosen();
    void readmeChosen();
    // The close box: no other window is open, so the program ends.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    // Selects an item as the program does it: the click handler runs too.
    void selectItem(int index);

    QString m_commandLine;
    QString m_holiday;
    bool m_leaving = false;
};

} // namespace stak
