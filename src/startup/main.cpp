#include "companion/frmstakan.h"
#include "core/settings.h"
#include "platform/realplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <csignal>
#include <unistd.h>

using namespace stak;

namespace {

// The marker's path, ready for the signal handler (which may not allocate).
char g_markerPath[4096];

// Ended from outside (logout, kill): the marker goes with the program.
extern "C" void endOnSignal(int sig)
{
    unlink(g_markerPath);
    _exit(128 + sig);
}

} // namespace

int main(int argc, char **argv)
{
    // The program needs a real X11 screen for capture and window moves; under
    // a Wayland session it runs through XWayland.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    RealPlatform real;
    setPlatform(&real);

    LoadSettings();
    QStringList args = app.arguments().mid(1);
    const QString commandLine = args.join(QLatin1Char(' '));
    if (!commandLine.trimmed().isEmpty())
        settings().exescript = commandLine;

    QFile marker(FrmStakan::markerPath());
    if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        marker.write("final\r\n");
    marker.close();
    const QByteArray markerPath = QFile::encodeName(marker.fileName());
    qstrncpy(g_markerPath, markerPath.constData(), sizeof g_markerPath);
    std::signal(SIGTERM, endOnSignal);
    std::signal(SIGINT, endOnSignal);
    std::signal(SIGHUP, endOnSignal);

    auto *w = new FrmStakan;
    w->show();
    w->Form_Load();
    return app.exec();
}
