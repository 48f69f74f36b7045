#pragma once

#include "scenario/scenariohost.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace stak {

class PictureBox;

// The caricature window that scenarios prepare, show and offer to close. The
// companion keeps one instance, created hidden on first use; closing it
// deletes it, so the next use starts from the design state.
class FrmCar : public QWidget, public ScenarioCaricature
{
    Q_OBJECT
public:
    FrmCar();

    void toon() override;
    // False, leaving the window as it is, when the picture cannot be loaded.
    bool toonpic(const QString &path) override;
    void toonpichide() override;
    bool toonminipic(const QString &path) override;
    void toonminihide() override;
    void toonclose() override;
    // The screen the window is centred on when first shown.
    void setScreenArea(const QRect &screen) { m_screen = screen; }

    QWidget *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label1 = nullptr;
    const QImage &backgroundPicture() const { return m_background; }
    const QImage &innerPicture() const { return m_inner; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_background;
    QImage m_inner;
    bool m_centred = false;
    QRect m_screen;
};

} // namespace stak
