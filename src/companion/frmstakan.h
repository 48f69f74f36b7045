#pragma once

#include "companion/companion.h"
#include "widgets/picturebox.h"
#include "widgets/vblabel.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>

class QMenu;

namespace stak {

class FrmCar;
class FrmScr;
class FrmTost;

// The companion window: the drinking buddy's picture, speech line and buttons.
// Its companion decides what happens; the window shows it and hands the
// user's clicks over. Controls are found by their objectName.
class FrmStakan : public QWidget, private CompanionView
{
    Q_OBJECT
public:
    explicit FrmStakan(QWidget *parent = nullptr);
    ~FrmStakan() override;

    Companion &companion() { return m_companion; }

    void Form_Load() { m_companion.load(); }
    [[noreturn]] void Form_Unload() { m_companion.Form_Unload(); }

    // The handlers of the window's controls.
    void Command1_Click() { m_companion.playVoice(); }
    void Command2_Click() { m_companion.proposeToast(); }
    void Command3_Click() { m_companion.speak(); }
    void Command4_Click() { m_companion.RunModalWindow(SideWindow::Riddles); }
    void Command5_Click() { m_companion.drink(); }
    void cmdU_Click(int index) { m_companion.runUserButton(index); }
    void Label1_Click();
    void Label1_DblClick() { m_companion.speechDoubleClicked(); }
    void Image1_MouseDown();
    void mnuAb_Click() { m_companion.RunModalWindow(SideWindow::Readme); }
    void mnuOpt_Click() { m_companion.RunModalWindow(SideWindow::Options); }

    // After monitors came or went: the window back on a screen the user sees.
    void keepOnScreen();

    // The frolic window while a frolic runs.
    FrmScr *frolicWindow() const;

protected:
    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *) override;

private:
    void buildControls();
    void buildMenus();

    // CompanionView
    void showSpeech(const QString &caption, bool now) override;
    void showHint(const QString &caption) override { Label5->setCaption(caption); }
    void setHintVisible(bool visible) override { Label5->setVisible(visible); }
    void setTexture(const QImage &tile) override;
    void setVoiceMenu(const QStringList &captions) override;
    void setUserButton(int k, const QString &caption, bool visible) override;
    void setUserButtonVisible(int k, bool visible) override { cmdU[k]->setVisible(visible); }
    void setButtonsEnabled(bool enabled) override;
    void showWindow() override;
    void setWindowVisible(bool visible) override;
    void bringToFront() override;
    void shakeWindow(const QList<QPoint> &offsets) override;
    void showToast(const QString &text) override;
    bool toastShown() const override;
    QImage &picture() override { return Image1->image(); }
    void pictureChanged() override { Image1->update(); }
    bool paintPicture(const QString &path, int x, int y) override
    {
        return Image1->paintFile(path, x, y);
    }
    void clearPicture() override { Image1->clearPicture(); }
    void setPictureVisible(bool visible) override { Image1->setVisible(visible); }
    void setPictureFrame(bool on) override { Image1->setBorder(on); }
    QRect screenArea() const override;
    void runFrolic(const QImage &picture, const QRect &screen) override;
    void openSideWindow(SideWindow window) override;
    ScenarioCaricature &caricature() override;

    VbLabel *Label5 = nullptr;
    PictureBox *Image1 = nullptr;
    VbLabel *Label1 = nullptr;
    std::array<QPushButton *, 5> m_speaking{}; // Command1..Command5
    std::array<QPushButton *, 6> cmdU{};       // indices 1..5
    VbLabel *Label2 = nullptr;
    VbLabel *Label3 = nullptr;
    QMenu *mnux = nullptr;
    QMenu *mtost = nullptr;
    QMenu *mnuA = nullptr;
    QMenu *mnuMon = nullptr;

    QImage m_background;
    QRect m_placeBeforeHiding; // where waitrun found the window
    QPointer<FrmTost> m_tost;
    QPointer<FrmCar> m_car;
    QPointer<FrmScr> m_scr;
    Companion m_companion; // last: it may use the controls until it goes
};

} // namespace stak
