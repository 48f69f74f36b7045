#include "core/screens.h"

#include "testsupport.h"

#include <QtTest>

using namespace stak;

namespace {
const QList<QRect> kSideBySide{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
const QList<QRect> kAbove{{0, 0, 1920, 1080}, {0, -1440, 2560, 1440}};
const QList<QRect> kGap{{0, 0, 1920, 1080}, {2500, 300, 1280, 1024}};
} // namespace

// Where windows go on desktops of several screens.
class TestScreens : public QObject
{
    Q_OBJECT
private slots:
    void screenAt_data()
    {
        columns<QList<QRect>, QPoint, int>("screens", "point", "screen");
        QTest::newRow("left") << kSideBySide << QPoint(1919, 500) << 0;
        QTest::newRow("right") << kSideBySide << QPoint(1920, 500) << 1;
        QTest::newRow("above") << kAbove << QPoint(100, -1) << 1;
        QTest::newRow("below the lower: nearest") << kAbove << QPoint(100, 5000) << 0;
        QTest::newRow("in the gap: nearest") << kGap << QPoint(2400, 500) << 1;
        QTest::newRow("off to the left of all") << kGap << QPoint(-300, 2000) << 0;
        QTest::newRow("no screens") << QList<QRect>{} << QPoint(0, 0) << -1;
    }

    void screenAt()
    {
        const auto [screens, point, screen] =
            fetch<QList<QRect>, QPoint, int>("screens", "point", "screen");
        QCOMPARE(ScreenAt(screens, point), screen);
    }

    void placement_data()
    {
        // window: the window itself, or the one it goes by
        columns<QString, QRect, QSize, QPoint>("rule", "window", "outer", "at");
        const auto row = [](const char *name, const char *rule, QRect window, QSize outer,
                            QPoint at) {
            QTest::newRow(name) << QString::fromLatin1(rule) << window << outer << at;
        };
        // All on the right of two monitors side by side.
        row("inside stays", "keep", {2000, 100, 400, 300}, {}, {2000, 100});
        row("over the right edge", "keep", {3700, 900, 400, 300}, {}, {3440, 780});
        row("partly on the left monitor", "keep", {1800, -50, 400, 300}, {}, {1920, 0});
        row("larger than the screen", "keep", {2500, 500, 2000, 1200}, {}, {1920, 0});
        row("centred", "centre", {}, {500, 420}, {2630, 330});
        row("over the opener", "over", {2400, 300, 467, 413}, {300, 250}, {2484, 382});
        row("over an opener at the edge", "over", {3700, 950, 200, 100}, {300, 250}, {3540, 830});
        row("beside, to the right", "beside", {2000, 100, 467, 413}, {556, 420}, {2467, 100});
        row("beside, no room: to the left", "beside", {3300, 100, 467, 413}, {556, 420},
            {2744, 100});
        row("beside, no room either side", "beside", {2100, 900, 1500, 300}, {556, 420},
            {3284, 660});
    }

    void placement()
    {
        const auto [rule, window, outer, at] =
            fetch<QString, QRect, QSize, QPoint>("rule", "window", "outer", "at");
        const QRect screen = kSideBySide[1];
        QPoint got;
        if (rule == u"keep"_qs)
            got = KeepInside(window, screen);
        else if (rule == u"centre"_qs)
            got = CentredOn(outer, screen);
        else if (rule == u"over"_qs)
            got = CentredOver(outer, window, screen);
        else
            got = Beside(outer, window, screen);
        QCOMPARE(got, at);
    }

    void desktopPictureCrop_data()
    {
        columns<QSize, QList<QRect>, int, QRect>("picture", "screens", "screen", "crop");
        QTest::newRow("side by side, scale 1, right")
            << QSize(3840, 1080) << kSideBySide << 1 << QRect(1920, 0, 1920, 1080);
        QTest::newRow("side by side, scale 1.25, right")
            << QSize(4800, 1350) << kSideBySide << 1 << QRect(2400, 0, 2400, 1350);
        QTest::newRow("side by side, scale 2, left")
            << QSize(7680, 2160) << kSideBySide << 0 << QRect(0, 0, 3840, 2160);
        QTest::newRow("one above the other, scale 1, lower")
            << QSize(2560, 2520) << kAbove << 0 << QRect(0, 1440, 1920, 1080);
        QTest::newRow("one above the other, scale 2, upper")
            << QSize(5120, 5040) << kAbove << 1 << QRect(0, 0, 5120, 2880);
        QTest::newRow("with a gap, scale 1, the second")
            << QSize(3780, 1324) << kGap << 1 << QRect(2500, 300, 1280, 1024);
        QTest::newRow("one screen, picture as it came")
            << QSize(1024, 768) << QList<QRect>{{0, 0, 1024, 768}} << 0 << QRect(0, 0, 1024, 768);
        QTest::newRow("no picture") << QSize() << kSideBySide << 1 << QRect();
    }

    void desktopPictureCrop()
    {
        const auto [picture, screens, screen, crop] =
            fetch<QSize, QList<QRect>, int, QRect>("picture", "screens", "screen", "crop");
        QCOMPARE(DesktopPictureCrop(picture, screens, screens[screen]), crop);
    }
};

QTEST_APPLESS_MAIN(TestScreens)
#include "tst_screens.moc"
