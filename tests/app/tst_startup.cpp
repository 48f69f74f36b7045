#include "testcontext.h"

#include "app/cmdoptions.h"
#include "app/startchain.h"
#include "companion/frmstakan.h"
#include "core/fonts.h"
#include "platform/runningmarker.h"
#include "windows/frm1.h"
#include "windows/frmabout.h"
#include "windows/frmam.h"
#include "windows/frmcar.h"
#include "windows/frmopt.h"
#include "windows/frmspl.h"
#include "windows/frmtost.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace stak;

namespace {
// What does not fit: "Window.Control: caption".
QStringList clipped(QWidget &window)
{
    QStringList out;
    const auto name = [&](QWidget *w, const QString &text) {
        return window.objectName() + u'.' + w->objectName() + u": "_qs + text;
    };
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
        if (b->text().isEmpty() || !b->isVisibleTo(&window))
            continue;
        const int text = b->fontMetrics().horizontalAdvance(b->text().remove(u'&'));
        // Push buttons: the text with a few pixels either side; check and
        // radio buttons: indicator, spacing and text within the button.
        const int needed = qobject_cast<QPushButton *>(b) ? text + 4 : b->sizeHint().width();
        if (needed > b->width())
            out << name(b, b->text()) + QStringLiteral(" (%1 > %2)").arg(needed).arg(b->width());
    }
    for (QLabel *l : window.findChildren<QLabel *>()) {
        if (l->text().isEmpty() || !l->isVisibleTo(&window) ||
            !l->objectName().startsWith(u"Label"))
            continue;
        const QSize room = l->contentsRect().size();
        const int needed = l->wordWrap() ? l->heightForWidth(room.width())
                                         : l->fontMetrics().size(0, l->text()).width();
        const int has = l->wordWrap() ? room.height() : room.width();
        if (needed > has)
            out << name(l, l->text().left(20)) + QStringLiteral(" (%1 > %2)").arg(needed).arg(has);
    }
    return out;
}
} // namespace

// The program's start: its command line, the running marker, the chain of
// windows from the start dialog to the companion, and every window's captions.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }

    void commandLine_data()
    {
        // options: help, version, trace: h, v, t; requests: kind:text or number of
        // each, or "error"
        columns<QStringList, QString, QString, QString>("args", "scenario", "options", "requests");
        using L = QStringList;
        const QString none;
        tableRow("nothing", L{}, none, none, none);
        tableRow("words joined by one blank, their own kept", L{"my", "a  b.scn"},
                 u"my a  b.scn"_qs, none, none);
        tableRow("options anywhere", L{"--trace", "x.scn", "--version", "-h"}, u"x.scn"_qs,
                 u"hvt"_qs, none);
        tableRow("long help, options whole", L{"--help", "--tr", "-help"}, u"--tr -help"_qs,
                 u"h"_qs, none);
        tableRow("requests in their order",
                 L{"--say", "Такси приехало", "--toast", "--voice", "--run", "a b.scn", "--toast",
                   "За нас!", "--voice", "7", "--action", "drink", "--trace"},
                 none, u"t"_qs, u"0:Такси приехало 1: 2:0 3:a b.scn 1:За нас! 2:7 4:drink"_qs);
        tableRow("a scenario after a bare --voice", L{"--voice", "-3", "x.scn"}, u"-3 x.scn"_qs,
                 none, u"2:0"_qs);
        tableRow("--say without text", L{"--say", "--trace"}, none, u"t"_qs, u"error"_qs);
        tableRow("--run without file", L{"--run"}, none, none, u"error"_qs);
        tableRow("--action without name", L{"--action", ""}, none, none, u"error"_qs);
    }

    void commandLine()
    {
        const auto [args, scenario, options, requests] =
            fetch<QStringList, QString, QString, QString>("args", "scenario", "options",
                                                          "requests");
        const CommandLine c = ParseCommandLine(args);
        QCOMPARE(c.scenario, scenario);
        QCOMPARE(c.help, options.contains('h'));
        QCOMPARE(c.version, options.contains('v'));
        QCOMPARE(c.trace, options.contains('t'));
        QStringList got;
        for (const CompanionRequest &r : c.requests)
            got << QString::number(r.kind) + ':' +
                       (r.kind == CompanionRequest::Voice ? QString::number(r.number) : r.text);
        QCOMPARE(c.error.isEmpty() ? got.join(' ') : u"error"_qs, requests);
    }

    void helpNamesTheFolders()
    {
        // Both folders named: answers_options of install_e2e and deb_e2e.
        const QString alone = HelpText({"/here", {}});
        QVERIFY(alone.contains("/here") && !alone.contains("/usr/share/stakanych"));
    }

    void markerIsWrittenSafely_data()
    {
        QTest::addColumn<QString>("planted"); // what lies under the marker's name
        QTest::newRow("nothing") << "";
        QTest::newRow("a marker nobody holds") << "stale";
        QTest::newRow("a link to another file") << "link";
        QTest::newRow("another name of a file") << "hard link";
        QTest::newRow("a pipe") << "pipe";
    }

    void markerIsWrittenSafely()
    {
        QFETCH(QString, planted);
        const QString marker = RunningMarker::path();
        const QString victim = ctx->dir.filePath("victim.txt");
        writeTestFile(victim, "precious");
        if (planted == "stale") {
            // As a copy that crashed leaves it.
            writeTestFile(marker, "old");
            QVERIFY(QFile::setPermissions(marker, QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ReadGroup | QFile::ReadOther));
        } else if (planted == "link") {
            QVERIFY(QFile::link(victim, marker));
        } else if (planted == "hard link") {
            QCOMPARE(::link(QFile::encodeName(victim), QFile::encodeName(marker)), 0);
        } else if (planted == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(marker), 0600), 0);
        }
        QVERIFY(RunningMarker::write());
        // Nothing planted leads the program to overwrite another file.
        QFile v(victim);
        QVERIFY(v.open(QIODevice::ReadOnly));
        QCOMPARE(v.readAll(), QByteArray("precious"));
        const QFileInfo written(marker);
        QVERIFY(written.isFile() && !written.isSymLink());
        QCOMPARE(readMarker(), "final\r\n");
        QCOMPARE(QFile::permissions(marker),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        // The only copy running removes it when it ends.
        RunningMarker::remove();
        QVERIFY(!QFileInfo(marker).exists() && !QFileInfo(marker).isSymLink());
    }

    void copiesShareTheMarker_data()
    {
        // otherFirst: the other copy ends first; crash: it ends without a word
        columns<bool, bool>("otherFirst", "crash");
        QTest::newRow("the program ends first") << false << false;
        QTest::newRow("the other ends first") << true << false;
        QTest::newRow("the other crashes first") << true << true;
    }

    void copiesShareTheMarker()
    {
        const auto [otherFirst, crashes] = fetch<bool, bool>("otherFirst", "crash");
        const bool crash = crashes; // captured below
        QVERIFY(RunningMarker::write());
        // A second copy of the program: its own open file, its own lock.
        std::optional<RunningMarker> other(std::in_place, RunningMarker::path());
        QVERIFY(other->hold());
        QCOMPARE(readMarker(), "final\r\n");
        const auto endOther = [&] {
            if (crash)
                other.reset();
            else
                other->release();
        };
        if (otherFirst)
            endOther();
        else
            RunningMarker::remove();
        QCOMPARE(readMarker(), "final\r\n");
        if (otherFirst)
            RunningMarker::remove();
        else
            endOther();
        QVERIFY(!QFile::exists(RunningMarker::path()));
    }

    void chainThroughReadme()
    {
        StartChain chain({});
        chain.start();
        QTest::mouseClick(chain.startDialog()->Command2, Qt::LeftButton);
        // (Its Ok button: through_readme of the end-to-end tests.) The close box opens the
        // companion, once the readme window has gone.
        chain.readme()->close();
        QVERIFY(!chain.companionWindow());
        QCoreApplication::processEvents();
        QVERIFY(chain.companionWindow() && chain.companionWindow()->isVisible());
        QVERIFY(settings().mainshown);
        // Opened again later, the readme window opens no second companion.
        FrmStakan *companion = chain.companionWindow();
        FrmAbout again;
        QSignalSpy wanted(&again, &FrmAbout::companionWanted);
        again.close();
        QCOMPARE(wanted.size(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(chain.companionWindow(), companion);
    }

    void closingTheSplashEndsTheProgram()
    {
        StartChain chain({});
        chain.start();
        QTest::mouseClick(chain.startDialog()->Command1, Qt::LeftButton);
        QVERIFY_THROWS_EXCEPTION(ProgramExit, chain.splash()->close());
        QVERIFY(!QFile::exists(RunningMarker::path()));
        QVERIFY(!chain.readme());
    }

    // Every fixed caption of every window fits its control, at the scale the
    // test runs with (CTest runs this test at 1 and at 2).
    void captionsFit()
    {
        QApplication::setFont(classicFont());
        Frm1 start({});
        start.Form_Load();
        FrmAbout readme;
        readme.Form_Load();
        FrmOpt options(nullptr);
        options.Form_Load();
        options.Check1->setChecked(true);
        options.Command1_Click(); // the picture chooser too
        FrmTost toast;
        toast.Command2_Click(); // the font row too
        FrmAm riddles;
        FrmCar caricature;
        FrmStakan companion;
        QStringList notFitting;
        for (QWidget *w : std::initializer_list<QWidget *>{&start, &readme, &options, &toast,
                                                           &riddles, &caricature, &companion}) {
            w->show();
            notFitting << clipped(*w);
        }
        QVERIFY2(notFitting.isEmpty(), qPrintable(notFitting.join(u"; "_qs)));
    }

private:
    QString readMarker() const
    {
        QFile f(RunningMarker::path());
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    std::unique_ptr<TestContext> ctx;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
