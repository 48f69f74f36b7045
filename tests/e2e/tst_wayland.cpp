#include "companion/frmstakan.h"
#include "core/appcontext.h"
#include "core/settings.h"
#include "platform/realplatform.h"
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

    void windowsDoNotMoveThemselves()
    {
        // The voice phrase's shake moves the window's contents instead, as the
        // companion window's tests show.
        RealContext real;
        QVERIFY(!real.platform.canMoveWindows());
    }

    void frolic_data()
    {
        QTest::addColumn<bool>("portal");
        QTest::newRow("no portal: a word of why") << false;
        QTest::newRow("portal: the frolic") << true;
    }

    void frolic()
    {
        QFETCH(bool, portal);
        QProcess standIn;
        if (portal) {
            standIn.start(QStringLiteral(FAKE_PORTAL),
                          {u"picture"_qs, dir.filePath(u"shot.png"_qs)});
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
                copyShown = copyShown ||
                            (scr->isFullScreen() && scr->image().pixel(0, 0) == qRgb(200, 30, 40));
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

private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
