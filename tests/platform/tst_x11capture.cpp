#include "platform/x11screencapture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QScreen>
#include <QtTest>

using namespace stak;

// The X11 capture on a real X server: shared memory and plain image requests
// give the same pixels, those of what is on the screen.
class TestX11Capture : public QObject
{
    Q_OBJECT
private slots:
    void bothWaysSeeTheScreen()
    {
        auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY(x11 && x11->connection());
        struct Red : QRasterWindow
        {
            void paintEvent(QPaintEvent *) override
            {
                QPainter(this).fillRect(QRect(QPoint(), size()), Qt::red);
            }
        } window;
        window.setGeometry(40, 30, 100, 80);
        window.setFlag(Qt::FramelessWindowHint);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        X11ScreenCapture shared(x11->connection());
        QCOMPARE(shared.method(), X11ScreenCapture::Method::SharedMemory);
        X11ScreenCapture plain(x11->connection());
        plain.useImageRequests();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QImage a, b;
        QTRY_VERIFY((a = shared.capture(screen, {screen})).pixel(90, 70) == qRgb(255, 0, 0));
        b = plain.capture(screen, {screen});
        QCOMPARE(a.size(), screen.size());
        QCOMPARE(a, b);
        QVERIFY(a.pixel(10, 10) != qRgb(255, 0, 0));
        // An area reaching past the screen is cut to it.
        QCOMPARE(shared.captureArea({300, 150, 100, 100}).size(), QSize(20, 50));
    }
};

QTEST_MAIN(TestX11Capture)
#include "tst_x11capture.moc"
