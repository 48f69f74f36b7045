#include "companion/frmstakan.h"
#include "core/appcontext.h"
#include "core/settings.h"
#include "platform/realplatform.h"
#include "widgets/shakencontents.h"
#include "widgets/vblabel.h"
#include "windows/frmscr.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace stak;

// The program's services on the real platform.
struct RealContext
{
    RealPlatform platform;
    SystemClock clock;
    MixingRandom random;
    AppContext context{&platform, &clock, &random};
    RealContext() { LoadSettings(); }
};

// The frolic on a native Wayland desktop with the real platform: run by
// wayland_e2e.sh under a headless Weston, on a private session bus where a
// stand-in portal answers or nothing does.
class TestWayland : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), u"wayland"_qs);
        QDir::setCurrent(dir.path());
    }
    void windowsDoNotMoveThemselves();
    void frolic_data();
    void frolic();

private:
    QTemporaryDir dir;
};

void TestWayland::windowsDoNotMoveThemselves()
{
    RealContext real;
    QVERIFY(!real.platform.canMoveWindows());
    // The voice phrase that shakes the window shakes its contents instead.
    QFile sounds(u"sound.tlk"_qs);
    QVERIFY(sounds.open(QIODevice::WriteOnly));
    sounds.write("1\r\n>rukidroz.wav\r\nhello\r\n");
    sounds.close();
    FrmStakan w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint start = w.pos();
    QSet<QPoint> offsets;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto *contents = w.findChild<ShakenContents *>(); contents && w.pos() == start)
            offsets << contents->offset();
        // A picture to look at, beside the one of the end-to-end test.
        if (offsets.size() == 3 && qEnvironmentVariableIsSet("STAK_E2E_SHOT")) {
            QProcess shot;
            shot.setWorkingDirectory(QFileInfo(qEnvironmentVariable("STAK_E2E_SHOT")).path());
            shot.start(u"weston-screenshooter"_qs, {});
            shot.waitForFinished();
        }
    });
    watch.start(50);
    w.companion().SayVoice(QString());
    QVERIFY2(offsets.size() > 3, "the contents did not shake");
    QVERIFY(!w.findChild<ShakenContents *>());
}

void TestWayland::frolic_data()
{
    QTest::addColumn<bool>("portal");
    QTest::newRow("no portal: a word of why") << false;
    QTest::newRow("portal: the frolic") << true;
}

void TestWayland::frolic()
{
    QFETCH(bool, portal);
    QProcess standIn;
    if (portal) {
        standIn.start(QStringLiteral(FAKE_PORTAL), {u"picture"_qs, dir.filePath(u"shot.png"_qs)});
        QVERIFY(standIn.waitForStarted());
        QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(
            u"org.freedesktop.portal.Desktop"_qs));
    }
    RealContext real;
    settings().quake = 30;
    FrmStakan w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Watches the screen while the frolic runs, and answers message boxes.
    QStringList boxes;
    bool covered = false, copyShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle();
            box->accept();
        }
        if (FrmScr *scr = w.frolicWindow(); scr && scr->isVisible()) {
            covered = true;
            // The portal's picture (red, at the top-left), full screen.
            copyShown =
                copyShown || (scr->isFullScreen() && scr->image().pixel(0, 0) == qRgb(200, 30, 40));
        }
    });
    watch.start(5);
    QElapsedTimer t;
    t.start();
    QVERIFY(w.companion().Frolic(u"100"_qs));
    watch.stop();
    QVERIFY(!w.frolicWindow());
    if (portal) {
        QVERIFY(boxes.isEmpty());
        QVERIFY(copyShown);
        QVERIFY2(t.elapsed() >= 400, qPrintable(QString::number(t.elapsed())));
        standIn.kill();
        standIn.waitForFinished();
    } else {
        QCOMPARE(boxes, QStringList{u"Колбасня отменяется"_qs});
        QVERIFY(!covered);
    }
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
