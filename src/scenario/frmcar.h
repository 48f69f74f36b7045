#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace stak {

class PictureBox;

// The caricature window that scenarios prepare, show and offer to close. One
// instance for the whole program, created hidden on first use; closing it
// drops the instance, so the next use starts from the design state.
class FrmCar : public QWidget
{
    Q_OBJECT
public:
    // The program-wide instance, created (hidden) when absent.
    static FrmCar *instance();
    // The instance when one exists, without creating it.
    static FrmCar *existing();

    void toon();
    // False, leaving the window as it is, when the picture cannot be loaded.
    bool toonpic(const QString &path);
    void toonpichide();
    bool toonminipic(const QString &path);
    void toonminihide();
    void toonclose();

    QWidget *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label1 = nullptr;
    const QImage &backgroundPicture() const { return m_background; }
    const QImage &innerPicture() const { return m_inner; }

protected:
    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *) override;

private:
    FrmCar();
    QImage m_background;
    QImage m_inner;
    bool m_centred = false;
};

} // namespace stak
