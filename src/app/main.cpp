#include "app/cmdoptions.h"
#include "app/dbusservice.h"
#include "app/remote.h"
#include "app/startchain.h"
#include "companion/requests.h"
#include "core/appcontext.h"
#include "core/contentfolders.h"
#include "core/fonts.h"
#include "core/heap.h"
#include "core/textfile.h"
#include "platform/realplatform.h"
#include "platform/runningmarker.h"
#include "platform/session.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

using namespace stak;

namespace {

// The title bars' icon, in the sizes window managers show. Its PNG pictures
// are decoded when a window first needs them, as PNG without probing other
// formats.
class ProgramIcon : public QIconEngine
{
public:
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}};
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return best(size); }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const QSize s = best(size);
        QPixmap &p = m_loaded[s.width()];
        if (p.isNull()) {
            QImageReader png(QStringLiteral(":/icons/%1x%1/apps/stakanych.png").arg(s.width()),
                             "png");
            png.setAutoDetectImageFormat(false);
            p = QPixmap::fromImage(png.read());
        }
        return p.size() == size ? p : p.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine *clone() const override { return new ProgramIcon(*this); }

private:
    // The smallest picture at least as large as asked for, else the largest.
    static QSize best(const QSize &size)
    {
        for (const int side : {16, 24, 32, 48})
            if (side >= size.width() && side >= size.height())
                return {side, side};
        return {48, 48};
    }
    QHash<int, QPixmap> m_loaded;
};

// The command line as QApplication left it (without the options it took),
// a text typed in a Windows-1251 terminal or script read as well as one in
// UTF-8.
CommandLine commandLineOf(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << decodeContentText(QByteArrayView(argv[i]));
    return ParseCommandLine(args);
}

} // namespace

int main(int argc, char **argv)
{
    // Before the first thread: what the party frees goes back to the system.
    returnFreedMemoryToSystem();

    // Windows move themselves only under X11: in a Wayland session the program
    // runs through XWayland unless the user chose a platform plugin.
    if (runsThroughXWayland(SessionEnvironment::current()))
        qputenv("QT_QPA_PLATFORM", "xcb");

    {
        const CommandLine asked = commandLineOf(argc, argv);
        if (!asked.error.isEmpty()) {
            QTextStream(stderr) << "stakanych: " << asked.error << '\n';
            return 2;
        }
        if (asked.help || asked.version) {
            // Answered without a screen, a window or audio.
            QCoreApplication core(argc, argv);
            QTextStream(stdout) << (asked.help
                                        ? HelpText(programContentFolders(QDir::currentPath()))
                                        : VersionText());
            return 0;
        }
        if (!asked.requests.isEmpty()) {
            // For the companion already running, when there is one.
            QCoreApplication core(argc, argv);
            QList<CompanionRequest> requests;
            for (const CompanionRequest &r : asked.requests)
                requests << Absolute(r, QDir::currentPath());
            if (const auto status = SendToRunningCompanion(requests))
                return *status;
        }
    }

    QApplication app(argc, argv);
    // The windows end the program themselves, each on its own terms.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(new ProgramIcon));
    // Every window is laid out in pixels for an 8-point MS Sans Serif.
    app.setFont(classicFont());
    installQtTranslations(app);
    RealPlatform platform;
    SystemClock clock;
    MixingRandom random;
    AppContext context(&platform, &clock, &random);
    RunningMarker::removeOnSignals();

    CommandLine options = commandLineOf(argc, argv);
    const QString start = QDir::currentPath();
    const ContentFolders folders = programContentFolders(start);
    QString why;
    if (!useContentFolders(folders, &why))
        QTextStream(stderr) << "stakanych: " << why << ", working in " << start << '\n';
    else if (folders.user != start)
        options.scenario = keepStartFolderPath(options.scenario, start);
    // What other programs ask of the companion, over the session bus; a copy
    // started while another runs leaves the bus to that one.
    CompanionRequests requests;
    StartChain chain(options.scenario, options.trace, &requests);
    DBusService service(requests, [&chain] { chain.raise(); });
    // On the bus once the first window is on its way: the start comes first.
    QTimer::singleShot(0, &service, [&service] { service.registerOnBus(); });
    QList<CompanionRequest> asked;
    for (const CompanionRequest &r : options.requests)
        asked << Absolute(r, start);
    if (!RequestOfThisRun(requests, asked))
        return 1;
    chain.start();
    return app.exec();
}
