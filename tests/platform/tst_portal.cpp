#include "platform/portalscreencapture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace stak;

// The portal capture against a stand-in portal on the private session bus
// this test runs on.
class TestPortal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no session bus"); }
    void capture_data();
    void capture();

private:
    QTemporaryDir dir;
};

void TestPortal::capture_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("picture");
    QTest::newRow("picture") << "picture" << true;
    QTest::newRow("refused") << "deny" << false;
    QTest::newRow("no answer") << "silent" << false;
    QTest::newRow("not a picture") << "garbage" << false;
    QTest::newRow("no portal") << "" << false;
}

void TestPortal::capture()
{
    QFETCH(QString, mode);
    QFETCH(bool, picture);
    const QString file = dir.filePath(mode + QStringLiteral(".png"));
    QProcess portal;
    if (!mode.isEmpty()) {
        portal.start(QStringLiteral(FAKE_PORTAL), {mode, file});
        QVERIFY(portal.waitForStarted());
        QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.portal.Desktop")));
    }
    PortalScreenCapture capture(1500);
    QElapsedTimer t;
    t.start();
    // One screen, the whole desktop: the picture as it came.
    const QImage shot = capture.capture({0, 0, 64, 48}, {{0, 0, 64, 48}});
    const qint64 took = t.elapsed();
    QCOMPARE(!shot.isNull(), picture);
    if (picture) {
        QCOMPARE(shot.size(), QSize(64, 48));
        QCOMPARE(shot.pixel(0, 0), qRgb(200, 30, 40));
        QCOMPARE(shot.pixel(63, 47), qRgb(1, 2, 3));
    }
    // Only a portal that never answers makes the capture wait its time out.
    QVERIFY2(mode == QStringLiteral("silent") ? took >= 1500 && took < 5000 : took < 1500,
             qPrintable(QString::number(took)));
    // The portal's file is ours to remove, picture or not.
    QVERIFY(!QFile::exists(file));
    if (!mode.isEmpty()) {
        portal.kill();
        portal.waitForFinished();
        const QByteArray asked = portal.readAllStandardOutput();
        QCOMPARE(asked, QByteArray("parent= interactive=false\n"));
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.portal.Desktop")));
    }
}

QTEST_MAIN(TestPortal)
#include "tst_portal.moc"
