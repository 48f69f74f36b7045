#include "core/effects.h"
#include "core/random.h"
#include "testsupport.h"

#include <QPainter>
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

// The pixel effects: pure functions from image to image.
class TestEffects : public QObject
{
    Q_OBJECT
private slots:
    void smearIsSequentialAndOrdered();
    void smearEdges_data();
    void smearEdges();
    void smearStaysInside();
    void doubleVision();
    void frolicPicture();
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

void TestEffects::smearStaysInside()
{
    // A centre is drawn in 1..w and 1..h, never on row or column 0.
    MixingRandom random(42);
    const QImage before = uniqueImage(433, 225);
    for (int trial = 0; trial < 300; ++trial) {
        QImage after = before;
        SmearPixels(1, after, 432, 224, random);
        const QList<QPoint> diff = changedPixels(before, after);
        QVERIFY(!diff.isEmpty() && diff.size() <= 8);
        const QRgb c = after.pixel(diff.first());
        const QPoint centre(qRed(c) | ((qBlue(c) >> 4) << 8), qGreen(c) | ((qBlue(c) & 15) << 8));
        QVERIFY(centre.x() >= 1 && centre.x() <= 432 && centre.y() >= 1 && centre.y() <= 224);
    }
}

void TestEffects::doubleVision()
{
    QImage img(433, 225, QImage::Format_RGB32);
    img.fill(Qt::blue);
    {
        QPainter p(&img);
        p.fillRect(0, 0, 217, 225, Qt::red);
        p.fillRect(432, 0, 1, 225, Qt::green);
    }
    DoubleImage(img);
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0);
    for (int y : {0, 100, 224}) {
        QCOMPARE(runs(img, y, 432), (QList<QRgb>{red, blue, red, blue}));
        QCOMPARE(img.pixel(108, y), red);
        QCOMPARE(img.pixel(109, y), blue);
        QCOMPARE(img.pixel(216, y), red);
        QCOMPARE(img.pixel(431, y), blue);
        QCOMPARE(img.pixel(432, y), green);
    }
    DoubleImage(img);
    QCOMPARE(runs(img, 50, 432).size(), 8);
}

void TestEffects::frolicPicture()
{
    // The copy on black at the screen's size, smeared within it.
    const QImage shot = uniqueImage(60, 40);
    ScriptedRandom random(centres({{60, 40}, {1, 1}}, 63, 47));
    const QImage picture = FrolicPicture(shot, QSize(64, 48), 2, random);
    QCOMPARE(picture.size(), QSize(64, 48));
    QCOMPARE(picture.pixel(63, 47), qRgb(0, 0, 0));
    QCOMPARE(picture.pixel(30, 20), shot.pixel(30, 20));
    // (60, 40) lies on black: black spreads into the copy's corner.
    QCOMPARE(picture.pixel(59, 39), qRgb(0, 0, 0));
    QCOMPARE(picture.pixel(0, 0), shot.pixel(1, 1));
    QCOMPARE(random.draws(), 4);
}

QTEST_APPLESS_MAIN(TestEffects)
#include "tst_effects.moc"
