#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace stak {

// The readme window: four documents, one at a time. Its first close opens the
// companion window; opened later from the companion's menu it opens nothing.
class FrmAbout : public QWidget
{
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);

    void Form_Load();
    void Option1_Click(int index);
    void Command1_Click();
    void Form_Unload();

    static QString windowTitleText();
    // The documents by option index.
    static QString documentFile(int index);

    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<QRadioButton *, 4> Option1{};
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label2 = nullptr;

signals:
    // The first close of the run: the companion window is wanted now.
    void companionWanted();

protected:
    void closeEvent(QCloseEvent *e) override;
};

} // namespace stak
