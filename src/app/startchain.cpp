#include "app/startchain.h"

#include "companion/frmstakan.h"
#include "companion/requests.h"
#include "core/screens.h"
#include "platform/platform.h"
#include "platform/runningmarker.h"
#include "windows/frm1.h"
#include "windows/frmabout.h"
#include "windows/frmspl.h"

#include <QTextStream>
#include <QTimer>
#include <cstdlib>

namespace stak {

namespace {
// A window left from inside one of its own handlers is deleted once that
// handler has returned.
template <typename W> void retire(std::unique_ptr<W> &window)
{
    if (window)
        window.release()->deleteLater();
}

// The screen under the mouse pointer, where the user started the program.
QRect pointerScreen()
{
    const QList<QRect> all = platform().screens();
    const int at = ScreenAt(all, platform().pointerPosition());
    return at >= 0 ? all[at] : QRect(0, 0, 1024, 768);
}

// A window centred on the pointer's screen, before it is first shown.
void centreOnPointerScreen(QWidget &window)
{
    window.move(CentredOn(window.size(), pointerScreen()));
}
} // namespace

StartChain::StartChain(QString commandLine, bool trace, CompanionRequests *requests)
    : m_commandLine(std::move(commandLine)), m_trace(trace), m_requests(requests)
{
}

StartChain::~StartChain() = default;

void StartChain::start()
{
    m_frm1 = std::make_unique<Frm1>(m_commandLine);
    connect(m_frm1.get(), &Frm1::splashChosen, this, &StartChain::showSplash);
    connect(m_frm1.get(), &Frm1::readmeChosen, this, &StartChain::showReadme);
    connect(m_frm1.get(), &Frm1::closedByUser, this, &StartChain::endProgram);
    m_frm1->Form_Load();
    centreOnPointerScreen(*m_frm1);
    m_frm1->show();
}

void StartChain::showSplash()
{
    retire(m_frm1);
    m_splash = std::make_unique<FrmSpl>(pointerScreen());
    connect(m_splash.get(), &FrmSpl::finished, this, &StartChain::showReadme);
    connect(m_splash.get(), &FrmSpl::closedByUser, this, &StartChain::endProgram);
    m_splash->showFullScreen();
    m_splash->activateWindow();
}

void StartChain::showReadme()
{
    retire(m_frm1);
    retire(m_splash);
    m_readme = std::make_unique<FrmAbout>();
    connect(m_readme.get(), &FrmAbout::companionWanted, this, [this] {
        // The companion loads once the readme window has gone from the screen.
        QTimer::singleShot(0, this, &StartChain::openCompanion);
    });
    m_readme->Form_Load();
    centreOnPointerScreen(*m_readme);
    m_readme->show();
}

void StartChain::openCompanion()
{
    retire(m_readme);
    m_companion = std::make_unique<FrmStakan>();
    if (m_trace)
        m_companion->companion().scenarioTrace = [](const QString &line) {
            QTextStream(stderr) << line << Qt::endl;
        };
    centreOnPointerScreen(*m_companion);
    m_companion->show();
    m_companion->Form_Load();
    if (m_requests)
        m_requests->attach(m_companion->companion(), [this] { raise(); });
}

void StartChain::raise()
{
    QWidget *front = m_companion ? static_cast<QWidget *>(m_companion.get())
                     : m_readme  ? static_cast<QWidget *>(m_readme.get())
                     : m_splash  ? static_cast<QWidget *>(m_splash.get())
                                 : static_cast<QWidget *>(m_frm1.get());
    if (!front)
        return;
    if (front->isMinimized())
        front->showNormal();
    front->show();
    front->raise();
    front->activateWindow();
}

void StartChain::endProgram()
{
    RunningMarker::remove();
    platform().exitProgram(0);
    std::abort();
}

} // namespace stak
