#include "core/appcontext.h"
#include "core/fonts.h"
#include "platform/realplatform.h"
#include "platform/session.h"
#include "startup/cmdoptions.h"
#include "startup/runningmarker.h"
#include "startup/startchain.h"

#include <QApplication>
#include <QFont>

using namespace stak;

int main(int argc, char **argv)
{
    // Windows move themselves only under X11: in a Wayland session the program
    // runs through XWayland unless the user chose a platform plugin.
    if (runsThroughXWayland(SessionEnvironment::current()))
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
    RealPlatform platform;
    SystemClock clock;
    MixingRandom random;
    AppContext context(&platform, &clock, &random);
    RunningMarker::removeOnSignals();

    const CommandLine options = ParseCommandLine(app.arguments().mid(1));
    StartChain chain(options.scenario);
    chain.start();
    return app.exec();
}
