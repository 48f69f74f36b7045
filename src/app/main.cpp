#include "app/cmdoptions.h"
#include "app/startchain.h"
#include "core/appcontext.h"
#include "core/contentfolders.h"
#include "core/fonts.h"
#include "platform/realplatform.h"
#include "platform/runningmarker.h"
#include "platform/session.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QTextStream>

using namespace stak;

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/stakanych.png").arg(size));
    return icon;
}

} // namespace

int main(int argc, char **argv)
{
    // Windows move themselves only under X11: in a Wayland session the program
    // runs through XWayland unless the user chose a platform plugin.
    if (runsThroughXWayland(SessionEnvironment::current()))
        qputenv("QT_QPA_PLATFORM", "xcb");

    {
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        const CommandLine asked = ParseCommandLine(args);
        if (asked.help || asked.version) {
            // Answered without a screen, a window or audio.
            QCoreApplication core(argc, argv);
            QTextStream(stdout) << (asked.help
                                        ? HelpText(programContentFolders(QDir::currentPath()))
                                        : VersionText());
            return 0;
        }
    }

    QApplication app(argc, argv);
    // The windows end the program themselves, each on its own terms.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(programIcon());
    // Every window is laid out in pixels for an 8-point MS Sans Serif.
    app.setFont(classicFont());
    installQtTranslations(app);
    RealPlatform platform;
    SystemClock clock;
    MixingRandom random;
    AppContext context(&platform, &clock, &random);
    RunningMarker::removeOnSignals();

    CommandLine options = ParseCommandLine(app.arguments().mid(1));
    const QString start = QDir::currentPath();
    const ContentFolders folders = programContentFolders(start);
    QString why;
    if (!useContentFolders(folders, &why))
        QTextStream(stderr) << "stakanych: " << why << ", working in " << start << '\n';
    else if (folders.user != start)
        options.scenario = keepStartFolderPath(options.scenario, start);
    StartChain chain(options.scenario, options.trace);
    chain.start();
    return app.exec();
}
