#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace stak {

class PictureBox;

// The options dialog: the event interval, the chances of the three speaking
// events and of a picture change, and the main picture, with a picture chooser
// that the ">>" button folds out. Saving writes what changed to config.cfg
// and stores it into the settings at once.
class FrmOpt : public QWidget
{
    Q_OBJECT
public:
    // panel: the companion's picture, repainted when the main picture changes.
    explicit FrmOpt(PictureBox *panel, QWidget *parent = nullptr);

    void Form_Load();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change(int index);
    void HScroll4_Change();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
    void Option_Click(int index);
    void Drive1_Change();
    void Dir1_Change();
    void Command2_Click();
    void Command5_Click();
    void Command4_Click();
    void Command3_Click();

    // The outer width in twips: 5520 folded, 7725 with the chooser.
    int outerWidthTwips() const;
    // The folder the chooser shows and its file pattern.
    QString folder() const { return m_folder; }
    QString pattern() const { return m_pattern; }
    // Shows a folder in the chooser, as choosing it in the folder list does.
    void showFolder(const QString &path);

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QScrollBar *HScroll2 = nullptr;
    std::array<QScrollBar *, 3> HScroll3{};
    std::array<QLineEdit *, 3> Text4{};
    QCheckBox *Check2 = nullptr;
    QPushButton *Command5 = nullptr;
    QScrollBar *HScroll4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QComboBox *Drive1 = nullptr;
    QListWidget *Dir1 = nullptr;
    std::array<QRadioButton *, 4> Option{}; // Option1..Option4
    QListWidget *File1 = nullptr;
    QPushButton *Command2 = nullptr;

private:
    void chooserEnabled(bool on);
    void listFiles();

    PictureBox *m_panel;
    QString m_folder;
    QString m_pattern = QStringLiteral("*.bmp");
};

} // namespace stak
