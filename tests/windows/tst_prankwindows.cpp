#include "core/settings.h"
#include "testcontext.h"
#include "windows/frmcar.h"
#include "windows/frmscr.h"

#include <QPushButton>
#include <QtTest>

using namespace stak;

// The windows of the pranks: the frolic's shaking screen and the caricature.
class TestPrankWindows : public QObject
{
    Q_OBJECT
private slots:
    void init() { fx = std::make_unique<TestContext>(); }
    void cleanup() { fx.reset(); }

    void frolicShowsThePicture();
    void frolicIsPacedToTheScreen_data();
    void frolicIsPacedToTheScreen();
    void frolicWayOut_data();
    void frolicWayOut();
    void caricatureDesignState();
    void caricatureCloseBeforeShow();
    void caricatureMiniPicture();
    void caricatureBadPicture();

private:
    std::unique_ptr<TestContext> fx;
};

void TestPrankWindows::frolicShowsThePicture()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    settings().quake = 3;
    // The offsets of the steps: left first, then top.
    fx->random.setValues({0.0f, 0.99999f, 0.5f, 0.5f, 0.9f, 0.3f});
    FrmScr scr;
    QList<QPoint> offsets;
    fx->fake.onYield = [&] {
        QVERIFY(scr.isVisible() && scr.isFullScreen());
        QCOMPARE(scr.image(), picture);
        offsets << scr.offset();
    };
    scr.play(picture, QRect(0, 0, 64, 48));
    QCOMPARE(scr.windowTitle(), u"Rididi dev urididod"_qs);
    // Each step shows the offset drawn by the step before (±40 twips, about
    // three pixels), the first one the unmoved copy; then the window closes.
    QCOMPARE(offsets, (QList<QPoint>{{0, 0}, {3, -3}, {0, 0}}));
    QVERIFY(!scr.isVisible());
    // What an offset uncovers is black.
    scr.show();
    const QImage shot = scr.grab().toImage();
    QCOMPARE(shot.pixel(0, 0), qRgb(0, 0, 0));
}

void TestPrankWindows::frolicIsPacedToTheScreen_data()
{
    QTest::addColumn<qreal>("refresh");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::addColumn<int>("total");
    QTest::newRow("60 Hz") << qreal(60) << 16 << 17 << 5000;
    QTest::newRow("unknown: 60 Hz") << qreal(0) << 16 << 17 << 5000;
    QTest::newRow("144 Hz") << qreal(144) << 6 << 7 << 2083;
}

void TestPrankWindows::frolicIsPacedToTheScreen()
{
    QFETCH(qreal, refresh);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    QFETCH(int, total);
    fx->fake.refresh = refresh;
    settings().quake = 300;
    const QDateTime start = fx->clock.now();
    FrmScr scr;
    scr.play(QImage(64, 48, QImage::Format_RGB32), QRect(0, 0, 64, 48));
    // One frame a step, the time passing on the program clock.
    QCOMPARE(fx->fake.eventPumps, 300);
    QCOMPARE(fx->fake.frameWaits.size(), 300);
    for (qint64 ms : std::as_const(fx->fake.frameWaits))
        QVERIFY2(ms >= shortest && ms <= longest, qPrintable(QString::number(ms)));
    QCOMPARE(start.msecsTo(fx->clock.now()), total);
    QVERIFY(fx->fake.sleeps.isEmpty());
}

void TestPrankWindows::frolicWayOut_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Escape") << 0;
    QTest::newRow("click") << 1;
    QTest::newRow("closed") << 2;
}

void TestPrankWindows::frolicWayOut()
{
    QFETCH(int, how);
    settings().quake = 100000;
    fx->fake.pumpQtEvents = true;
    bool focused = false;
    FrmScr scr;
    fx->fake.onYield = [&] {
        if (fx->fake.eventPumps != 3)
            return;
        focused = scr.hasFocus();
        if (how == 0)
            QTest::keyClick(&scr, Qt::Key_Escape);
        else if (how == 1)
            QTest::mouseClick(&scr, Qt::LeftButton, {}, QPoint(10, 10));
        else
            scr.close();
    };
    scr.play(QImage(64, 48, QImage::Format_RGB32), QRect(0, 0, 64, 48));
    // Over at the step after: the window gone.
    QVERIFY(focused);
    QCOMPARE(fx->fake.eventPumps, 3);
    QCOMPARE(fx->fake.frameWaits.size(), 2);
    QVERIFY(!scr.isVisible());
}

void TestPrankWindows::caricatureDesignState()
{
    fx->writeImage(QStringLiteral("fon.bmp"), {500, 420}, Qt::yellow);
    fx->writeImage(QStringLiteral("mini.bmp"), {40, 30}, Qt::cyan);
    QPointer<FrmCar> car = new FrmCar;
    QVERIFY(!car->isVisible());
    QCOMPARE(car->size(), QSize(500, 420));
    QVERIFY(car->windowTitle().trimmed().isEmpty());
    QCOMPARE(car->Picture1->geometry(), QRect(32, 72, 433, 225));
    QCOMPARE(car->Command1->geometry(), QRect(152, 344, 193, 33));
    QCOMPARE(car->Command1->text(), u"Close"_qs);
    QVERIFY(car->toonpic(QStringLiteral("fon.bmp")));
    QVERIFY(car->toonminipic(QStringLiteral("mini.bmp")));
    car->toonclose();
    car->toon();
    QVERIFY(car->isVisible());
    // The user presses Close: the next command finds a fresh window.
    QTest::mouseClick(car->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(car.isNull());
    QPointer<FrmCar> fresh = new FrmCar;
    fresh->toon();
    QVERIFY(fresh->isVisible());
    QVERIFY(fresh->Picture1->isHidden());
    QVERIFY(fresh->Command1->isHidden());
    QVERIFY(fresh->backgroundPicture().isNull());
    QVERIFY(fresh->innerPicture().isNull());
    // The close box does the same.
    fresh->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(fresh.isNull());
}

void TestPrankWindows::caricatureCloseBeforeShow()
{
    FrmCar *car = new FrmCar;
    QScopedPointer<FrmCar> owner(car);
    car->toonclose();
    QVERIFY(!car->isVisible());
    car->toon();
    QVERIFY(car->Command1->isVisible());
}

void TestPrankWindows::caricatureMiniPicture()
{
    fx->writeImage(QStringLiteral("a.gif"), {40, 30}, Qt::cyan);
    fx->writeImage(QStringLiteral("b.jpg"), {20, 10}, Qt::magenta);
    FrmCar *car = new FrmCar;
    QScopedPointer<FrmCar> owner(car);
    car->toon();
    QVERIFY(car->toonminipic(QStringLiteral("a.gif")));
    car->toonminihide();
    QVERIFY(car->Picture1->isHidden());
    QVERIFY(car->toonminipic(QStringLiteral("b.jpg")));
    QVERIFY(car->Picture1->isVisible());
    QCOMPARE(car->innerPicture().size(), QSize(20, 10));
    // Shown from the top-left at its own size, the rest of the box empty.
    const QImage shot = car->Picture1->grab().toImage();
    QCOMPARE(QColor(shot.pixel(5, 5)).red() > 200 && QColor(shot.pixel(5, 5)).green() < 60, true);
    QVERIFY(shot.pixel(100, 100) != shot.pixel(5, 5));
}

void TestPrankWindows::caricatureBadPicture()
{
    fx->writeImage(QStringLiteral("fon.bmp"), {500, 420}, Qt::yellow);
    fx->write(QStringLiteral("broken.jpg"), QStringLiteral("not a picture"));
    FrmCar *car = new FrmCar;
    QScopedPointer<FrmCar> owner(car);
    QVERIFY(car->toonpic(QStringLiteral("fon.bmp")));
    QVERIFY(!car->toonpic(QStringLiteral("broken.jpg")));
    QVERIFY(!car->toonminipic(QStringLiteral("missing.gif")));
    QCOMPARE(car->backgroundPicture().size(), QSize(500, 420));
    QVERIFY(car->Picture1->isHidden());
}

QTEST_MAIN(TestPrankWindows)
#include "tst_prankwindows.moc"
