#include "../companion/companionfixture.h"

#include "companion/picturebox.h"
#include "companion/vblabel.h"
#include "scenario/effects.h"
#include "scenario/frmcar.h"

#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace stak;

namespace {

// Every pixel a colour of its own, so a changed pixel tells where it came from.
QImage uniqueImage(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4) | (y >> 8)));
    return img;
}

// Draws that drawWhole turns into these centres for bounds w and h.
QList<float> centres(const QList<QPoint> &points, int w, int h)
{
    QList<float> out;
    for (const QPoint &p : points)
        out << drawFor(p.x(), w) << drawFor(p.y(), h);
    return out;
}

QList<QPoint> changedPixels(const QImage &before, const QImage &after)
{
    QList<QPoint> out;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                out << QPoint(x, y);
    return out;
}

// Colour runs along a row, for counting bands.
QList<QRgb> runs(const QImage &img, int y, int width)
{
    QList<QRgb> out;
    for (int x = 0; x < width; ++x)
        if (out.isEmpty() || out.last() != img.pixel(x, y))
            out << img.pixel(x, y);
    return out;
}

} // namespace

class TestEffects : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fx = std::make_unique<CompanionFixture>();
        w = fx->openWindow();
    }
    void cleanup() { fx.reset(); }

    void smearIsSequentialAndOrdered();
    void smearEdges_data();
    void smearEdges();
    void smearCount_data();
    void smearCount();
    void doubleVision();
    void glitchOneStep_data();
    void glitchOneStep();
    void glitchRandomStepsStayInside();
    void glitchCountsThatChangeNothing_data();
    void glitchCountsThatChangeNothing();
    void frolicShowsTheScreen();
    void frolicIsPacedToTheScreen_data();
    void frolicIsPacedToTheScreen();
    void frolicWayOut_data();
    void frolicWayOut();
    void frolicWithoutScreenCopy_data();
    void frolicWithoutScreenCopy();
    void frolicWithoutShake();
    void frolicTimerRule_data();
    void frolicTimerRule();
    void cdDoor();
    void caricatureDesignState();
    void caricatureCloseBeforeShow();
    void caricatureMiniPicture();
    void caricatureBadPicture();

private:
    std::unique_ptr<CompanionFixture> fx;
    FrmStakan *w = nullptr;
};

void TestEffects::smearIsSequentialAndOrdered()
{
    // Centre (1, 1), then (2, 2): the second step reads the colour the first
    // one wrote, so the two blocks share one colour.
    QImage img = uniqueImage(4, 4);
    const QRgb c = img.pixel(1, 1);
    const QRgb keep30 = img.pixel(3, 0);
    const QRgb keep03 = img.pixel(0, 3);
    ScriptedRandom random(centres({{1, 1}, {2, 2}}, 3, 3));
    SmearPixels(2, img, 3, 3, random);
    QCOMPARE(random.draws(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const QRgb expected = (x == 3 && y == 0) ? keep30 : (x == 0 && y == 3) ? keep03 : c;
            QCOMPARE(img.pixel(x, y), expected);
        }

    // x is drawn first: draws naming (1, 2) paint around column 1, row 2.
    QImage img2 = uniqueImage(4, 4);
    const QRgb c12 = img2.pixel(1, 2);
    ScriptedRandom random2(centres({{1, 2}}, 3, 3));
    SmearPixels(1, img2, 3, 3, random2);
    QCOMPARE(img2.pixel(0, 1), c12);
    QCOMPARE(img2.pixel(2, 3), c12);
    QVERIFY(img2.pixel(3, 0) != c12);
}

void TestEffects::smearEdges_data()
{
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<int>("changed");
    QTest::newRow("inside") << QPoint(2, 2) << 8;
    QTest::newRow("last column") << QPoint(4, 2) << 5;
    QTest::newRow("corner") << QPoint(4, 3) << 3;
}

void TestEffects::smearEdges()
{
    // Bounds equal to the size: a centre on the last column or row writes
    // beyond the image, and those writes are dropped.
    QFETCH(QPoint, centre);
    QFETCH(int, changed);
    const QImage before = uniqueImage(5, 4);
    QImage img = before;
    ScriptedRandom random(centres({centre}, 4, 3));
    SmearPixels(1, img, 4, 3, random);
    const QList<QPoint> diff = changedPixels(before, img);
    QCOMPARE(diff.size(), changed);
    for (const QPoint &p : diff) {
        QVERIFY(qAbs(p.x() - centre.x()) <= 1 && qAbs(p.y() - centre.y()) <= 1);
        QCOMPARE(img.pixel(p), before.pixel(centre));
    }
}

void TestEffects::smearCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << "" << true << 777;
    QTest::newRow("number") << "25" << true << 25;
    QTest::newRow("spaces") << " 25 " << true << 25;
    QTest::newRow("negative") << "-4" << true << -4;
    QTest::newRow("word") << "lots" << false << 0;
    QTest::newRow("fraction") << "2.5" << false << 0;
    QTest::newRow("too big") << "5000000000" << false << 0;
}

void TestEffects::smearCount()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, count);
    const auto n = SmearCount(text, 777);
    QCOMPARE(n.has_value(), valid);
    if (valid)
        QCOMPARE(*n, count);
}

void TestEffects::doubleVision()
{
    QImage &img = w->Image1->image();
    img.fill(Qt::blue);
    {
        QPainter p(&img);
        p.fillRect(0, 0, 217, 225, Qt::red);
        p.fillRect(432, 0, 1, 225, Qt::green);
    }
    w->Image1->hide();
    w->DoublePicture();
    QVERIFY(!w->Image1->isHidden());
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0);
    for (int y : {0, 100, 224}) {
        QCOMPARE(runs(img, y, 432), (QList<QRgb>{red, blue, red, blue}));
        QCOMPARE(img.pixel(108, y), red);
        QCOMPARE(img.pixel(109, y), blue);
        QCOMPARE(img.pixel(216, y), red);
        QCOMPARE(img.pixel(431, y), blue);
        QCOMPARE(img.pixel(432, y), green);
    }
    w->DoublePicture();
    QCOMPARE(runs(img, 50, 432).size(), 8);
    QCOMPARE(img.pixel(432, 50), green);
}

void TestEffects::glitchOneStep_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<int>("changed");
    QTest::newRow("smallest draws") << QList<float>{0.0f, 0.0f} << QPoint(1, 1) << 8;
    // The bottom-right corner: writes beyond the panel are dropped.
    QTest::newRow("largest draws") << QList<float>{0.99999f, 0.99999f} << QPoint(432, 224) << 3;
}

void TestEffects::glitchOneStep()
{
    QFETCH(QList<float>, draws);
    QFETCH(QPoint, centre);
    QFETCH(int, changed);
    fx->random.setValues(draws);
    const QImage before = uniqueImage(433, 225);
    w->Image1->image() = before;
    QVERIFY(w->GlitchPicture(QStringLiteral("1")));
    const QList<QPoint> diff = changedPixels(before, w->Image1->image());
    QCOMPARE(diff.size(), changed);
    for (const QPoint &p : diff) {
        QVERIFY(qAbs(p.x() - centre.x()) <= 1 && qAbs(p.y() - centre.y()) <= 1);
        QCOMPARE(w->Image1->image().pixel(p), before.pixel(centre));
    }
}

void TestEffects::glitchRandomStepsStayInside()
{
    MixingRandom random(42);
    fx->app.random = &random;
    const QImage before = uniqueImage(433, 225);
    for (int trial = 0; trial < 300; ++trial) {
        w->Image1->image() = before;
        QVERIFY(w->GlitchPicture(QStringLiteral("1")));
        const QImage &after = w->Image1->image();
        const QList<QPoint> diff = changedPixels(before, after);
        QVERIFY(!diff.isEmpty() && diff.size() <= 8);
        // Colours are unique, so the new colour names the centre.
        const QRgb c = after.pixel(diff.first());
        const QPoint centre(qRed(c) | ((qBlue(c) >> 4) << 8), qGreen(c) | ((qBlue(c) & 15) << 8));
        QVERIFY(centre.x() >= 1 && centre.x() <= 432);
        QVERIFY(centre.y() >= 1 && centre.y() <= 224);
        for (const QPoint &p : diff)
            QCOMPARE(after.pixel(p), c);
    }
}

void TestEffects::glitchCountsThatChangeNothing_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("done");
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("negative") << "-10" << true;
    QTest::newRow("not a number") << "many" << false;
}

void TestEffects::glitchCountsThatChangeNothing()
{
    QFETCH(QString, count);
    QFETCH(bool, done);
    const QImage before = uniqueImage(433, 225);
    w->Image1->image() = before;
    w->Image1->hide();
    QCOMPARE(w->GlitchPicture(count), done);
    QCOMPARE(w->Image1->image(), before);
    QCOMPARE(fx->random.draws(), 0);
    // A glitch that ran shows the panel, whatever its visibility was.
    QCOMPARE(!w->Image1->isHidden(), done);
}

void TestEffects::frolicShowsTheScreen()
{
    fx->fake.screen = QSize(64, 48);
    fx->fake.screenImage = uniqueImage(64, 48);
    settings().quake = 3;
    w->Timer1->start();
    // 20 smears, then the offsets of the steps: left first, then top.
    QList<float> draws;
    MixingRandom smears(7);
    for (int i = 0; i < 40; ++i)
        draws << smears.next();
    draws << 0.0f << 0.99999f << 0.5f << 0.5f << 0.9f << 0.3f;
    fx->random.setValues(draws);
    QList<QPoint> offsets;
    fx->fake.onYield = [&] {
        FrmScr *scr = w->frolicWindow();
        QVERIFY(scr);
        QVERIFY(scr->isVisible());
        offsets << scr->offset();
        QVERIFY(!w->Timer1->isActive());
        QCOMPARE(scr->windowTitle(), u"Rididi dev urididod"_qs);
        // The copy of the screen, blotched but still recognisable.
        QCOMPARE(scr->image().size(), QSize(64, 48));
        const int changed = changedPixels(fx->fake.screenImage, scr->image()).size();
        QVERIFY(changed > 0 && changed <= 8 * 20);
    };
    const QString preparation =
        u"Идет подготовка к колбасне... Выпейте стакан и сядьте на твердую опору..."_qs;
    bool capturedRightly = false;
    fx->fake.onCapture = [&] {
        // The screen as the user sees it: the preparation text shown, the
        // frolic window not yet there.
        capturedRightly = w->Label1->caption() == preparation && !w->frolicWindow();
    };
    QVERIFY(w->Frolic(QStringLiteral("20")));
    QVERIFY(capturedRightly);
    // Each step shows the offset drawn by the step before (±40 twips, about
    // three pixels), the first one the unmoved copy.
    QCOMPARE(offsets, (QList<QPoint>{{0, 0}, {3, -3}, {0, 0}}));
    QCOMPARE(fx->random.draws(), 46);
    QCOMPARE(fx->fake.captures, 1);
    QVERIFY(!w->frolicWindow());
    QCOMPARE(w->Label1->caption(), preparation);
    QVERIFY(fx->fake.boxes.isEmpty());
    // From a scenario the timer is left to the end of the run.
    QVERIFY(!w->Timer1->isActive());
}

void TestEffects::frolicIsPacedToTheScreen_data()
{
    QTest::addColumn<qreal>("refresh");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::addColumn<int>("total");
    QTest::newRow("60 Hz") << qreal(60) << 16 << 17 << 5000;
    QTest::newRow("unknown: 60 Hz") << qreal(0) << 16 << 17 << 5000;
    QTest::newRow("144 Hz") << qreal(144) << 6 << 7 << 2083;
}

void TestEffects::frolicIsPacedToTheScreen()
{
    QFETCH(qreal, refresh);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    QFETCH(int, total);
    fx->fake.refresh = refresh;
    settings().quake = 300;
    const QDateTime start = fx->clock.now();
    QVERIFY(w->Frolic(QStringLiteral("0")));
    // One frame a step, the time passing on the program clock.
    QCOMPARE(fx->fake.eventPumps, 300);
    QCOMPARE(fx->fake.frameWaits.size(), 300);
    for (qint64 ms : std::as_const(fx->fake.frameWaits))
        QVERIFY2(ms >= shortest && ms <= longest, qPrintable(QString::number(ms)));
    QCOMPARE(start.msecsTo(fx->clock.now()), total);
    QVERIFY(fx->fake.sleeps.isEmpty());
}

void TestEffects::frolicWayOut_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Escape") << 0;
    QTest::newRow("click") << 1;
    QTest::newRow("closed") << 2;
}

void TestEffects::frolicWayOut()
{
    QFETCH(int, how);
    settings().quake = 100000;
    w->Timer1->start();
    w->FrolicFromButton = true;
    fx->fake.pumpQtEvents = true;
    bool focused = false;
    fx->fake.onYield = [&] {
        FrmScr *scr = w->frolicWindow();
        if (fx->fake.eventPumps != 3 || !scr)
            return;
        focused = scr->hasFocus();
        if (how == 0)
            QTest::keyClick(scr, Qt::Key_Escape);
        else if (how == 1)
            QTest::mouseClick(scr, Qt::LeftButton, {}, QPoint(10, 10));
        else
            scr->close();
    };
    QVERIFY(w->Frolic(QStringLiteral("0")));
    // Over at the step after, then as after the last step: the window gone,
    // the event timer back for a frolic of the drink button.
    QVERIFY(focused);
    QCOMPARE(fx->fake.eventPumps, 3);
    QCOMPARE(fx->fake.frameWaits.size(), 2);
    QVERIFY(!w->frolicWindow());
    QVERIFY(w->Timer1->isActive());
    QVERIFY(!w->FrolicFromButton);
}

void TestEffects::frolicWithoutScreenCopy_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("refused") << true;
    QTest::newRow("blank") << false;
}

void TestEffects::frolicWithoutScreenCopy()
{
    QFETCH(bool, fails);
    fx->fake.captureFails = fails;
    if (!fails) {
        fx->fake.screenImage = QImage(fx->fake.screen, QImage::Format_RGB32);
        fx->fake.screenImage.fill(Qt::black);
    }
    settings().quake = 10;
    w->Timer1->start();
    w->FrolicFromButton = true;
    bool covered = false;
    fx->fake.onYield = [&] { covered = covered || w->frolicWindow(); };
    QVERIFY(w->Frolic(QStringLiteral("10")));
    // No black cover: a word of why, and then on as after a frolic.
    QVERIFY(!covered);
    QCOMPARE(fx->fake.eventPumps, 0);
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.boxes[0].title, std::optional<QString>(u"Колбасня отменяется"_qs));
    QVERIFY(fx->fake.boxes[0].prompt.contains(u"Разрешите снимки экрана"_qs));
    QCOMPARE(w->Label1->caption(),
             u"Идет подготовка к колбасне... Выпейте стакан и сядьте на твердую опору..."_qs);
    QVERIFY(w->Timer1->isActive());
    QVERIFY(!w->FrolicFromButton);
    // Told once a run.
    QVERIFY(w->Frolic(QStringLiteral("10")));
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.captures, 2);
}

void TestEffects::frolicWithoutShake()
{
    settings().quake = 0;
    QVERIFY(w->Frolic(QString()));
    QCOMPARE(fx->fake.eventPumps, 0);
    // An empty count means 50000 smears, two draws each.
    QCOMPARE(fx->random.draws(), 100000);
    QVERIFY(!w->Frolic(QStringLiteral("x")));
    QCOMPARE(fx->fake.captures, 1);
}

void TestEffects::frolicTimerRule_data()
{
    QTest::addColumn<bool>("fromButton");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("timerAfter");
    QTest::addColumn<bool>("flagAfter");
    QTest::newRow("button") << true << "" << true << false;
    QTest::newRow("button, silenced") << true << "no!" << false << true;
    QTest::newRow("scenario") << false << "" << false << false;
    QTest::newRow("scenario, silenced") << false << "no!" << false << false;
}

void TestEffects::frolicTimerRule()
{
    QFETCH(bool, fromButton);
    QFETCH(QString, tag);
    QFETCH(bool, timerAfter);
    QFETCH(bool, flagAfter);
    settings().quake = 1;
    w->Timer1->start();
    w->timer1Tag = tag;
    w->FrolicFromButton = fromButton;
    QVERIFY(w->Frolic(QStringLiteral("10")));
    QCOMPARE(w->Timer1->isActive(), timerAfter);
    QCOMPARE(w->FrolicFromButton, flagAfter);
}

void TestEffects::cdDoor()
{
    w->SetCdDoor(QStringLiteral("Open"));
    w->SetCdDoor(QStringLiteral("Closed"));
    w->SetCdDoor(QStringLiteral("Ajar"));
    QCOMPARE(fx->fake.cdDoor, (QList<bool>{true, false}));
    QVERIFY(fx->fake.boxes.isEmpty());
}

void TestEffects::caricatureDesignState()
{
    fx->writeImage(QStringLiteral("fon.bmp"), {500, 420}, Qt::yellow);
    fx->writeImage(QStringLiteral("mini.bmp"), {40, 30}, Qt::cyan);
    FrmCar *car = w->caricatureWindow();
    QCOMPARE(w->caricatureWindow(), car);
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
    QVERIFY(!w->existingCaricatureWindow());
    FrmCar *fresh = w->caricatureWindow();
    fresh->toon();
    QVERIFY(fresh->isVisible());
    QVERIFY(fresh->Picture1->isHidden());
    QVERIFY(fresh->Command1->isHidden());
    QVERIFY(fresh->backgroundPicture().isNull());
    QVERIFY(fresh->innerPicture().isNull());
    // The close box does the same.
    fresh->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w->existingCaricatureWindow());
}

void TestEffects::caricatureCloseBeforeShow()
{
    FrmCar *car = w->caricatureWindow();
    car->toonclose();
    QVERIFY(!car->isVisible());
    car->toon();
    QVERIFY(car->Command1->isVisible());
}

void TestEffects::caricatureMiniPicture()
{
    fx->writeImage(QStringLiteral("a.gif"), {40, 30}, Qt::cyan);
    fx->writeImage(QStringLiteral("b.jpg"), {20, 10}, Qt::magenta);
    FrmCar *car = w->caricatureWindow();
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

void TestEffects::caricatureBadPicture()
{
    fx->writeImage(QStringLiteral("fon.bmp"), {500, 420}, Qt::yellow);
    fx->write(QStringLiteral("broken.jpg"), QStringLiteral("not a picture"));
    FrmCar *car = w->caricatureWindow();
    QVERIFY(car->toonpic(QStringLiteral("fon.bmp")));
    QVERIFY(!car->toonpic(QStringLiteral("broken.jpg")));
    QVERIFY(!car->toonminipic(QStringLiteral("missing.gif")));
    QCOMPARE(car->backgroundPicture().size(), QSize(500, 420));
    QVERIFY(car->Picture1->isHidden());
}

QTEST_MAIN(TestEffects)
#include "tst_effects.moc"
