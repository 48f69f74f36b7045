#include "companion/frmstakan.h"

#include "companion/picturebox.h"

#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace stak {

void FrmStakan::InterpretScenario()
{
    ExecuteScenario(*this, ScenarioLines, m_scenarioFile, scenarioTrace);
}

void FrmStakan::setPictureFrame(bool on)
{
    Image1->setBorder(on);
}

void FrmStakan::clearPicture()
{
    Image1->clearPicture();
}

void FrmStakan::setPictureVisible(bool visible)
{
    Image1->setVisible(visible);
}

bool FrmStakan::paintPicture(const QString &path, int x, int y)
{
    return Image1->paintFile(path, x, y);
}

void FrmStakan::setUserButtonVisible(int k, bool visible)
{
    cmdU[k]->setVisible(visible);
}

void FrmStakan::setEventTimer(bool on)
{
    if (on) {
        Timer1->start();
        timer1Tag.clear();
    } else {
        Timer1->stop();
        timer1Tag = QStringLiteral("no!");
    }
}

void FrmStakan::setWindowVisible(bool visible)
{
    if (!visible) {
        m_placeBeforeHiding = geometry();
        hide();
        return;
    }
    // Shown again where it was, not where the window manager would put a new
    // window: the place is set again, and on the native window too, which
    // marks it as chosen rather than automatic.
    if (m_placeBeforeHiding.isValid()) {
        setGeometry(m_placeBeforeHiding);
        if (windowHandle())
            windowHandle()->setGeometry(m_placeBeforeHiding);
    }
    show();
}

ScenarioCaricature &FrmStakan::caricature()
{
    return *caricatureWindow();
}

} // namespace stak
