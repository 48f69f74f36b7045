#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace stak {

// The toast window: shows a toast and lets the user restyle it. Closing it
// deletes it, so the next toast loads a fresh one.
class FrmTost : public QWidget
{
    Q_OBJECT
public:
    explicit FrmTost(QWidget *parent = nullptr);

    void setToast(const QString &text);
    QString toast() const;

    // The window's outer height in twips (client area plus the tool window's
    // title bar and frame).
    int outerHeightTwips() const;
    void setOuterHeightTwips(int twips);

    void Combo1_Click();
    void Combo2_Click();
    void Check1_Click();
    void Command2_Click();
    void Command1_Click();

    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QCheckBox *Check1 = nullptr;

    static constexpr int kTitleAndFramePx = 22;
};

} // namespace stak
