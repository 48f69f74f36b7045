#include "core/appcontext.h"
#include "core/fonts.h"
#include "platform/realplatform.h"
#include "startup/runningmarker.h"
#include "startup/startchain.h"

#include <QApplication>
#include <QFont>

using namespace stak;

int main(int argc, char **argv)
{
    // The program needs a real X11 screen for capture and window moves; under
    // a Wayland session it runs through XWayland.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    // The windows end the program themselves, each on its own terms.
    app.setQuitOnLastWindowClosed(false);
    // Every window is laid out in pixels for an 8-point MS Sans Serif.
    QFont classic;
    classic.setFamilies(msSansSerifFamilies());
    classic.setStyleHint(QFont::SansSerif);
    classic.setPointSize(8);
    app.setFont(classic);
    installQtTranslations(app);
    RealPlatform platform;
    SystemClock clock;
    MixingRandom random;
    AppContext context(&platform, &clock, &random);
    RunningMarker::removeOnSignals();

    StartChain chain(app.arguments().mid(1).join(QLatin1Char(' ')));
    chain.start();
    return app.exec();
}
