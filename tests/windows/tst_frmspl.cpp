#include "testcontext.h"

#include "core/clocktimer.h"
#include "widgets/vblabel.h"
#include "windows/frmspl.h"

#include <QLabel>
#include <QtTest>

using namespace stak;

// The splash show on a 1024 x 768 screen, in virtual time.
class TestFrmSpl : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ctx = std::make_unique<TestContext>();
        QImage logo(300, 170, QImage::Format_RGB32);
        logo.fill(qRgb(200, 30, 30));
        logo.save(ctx->dir.filePath(QStringLiteral("logo.bmp")));
        spl = std::make_unique<FrmSpl>(QRect(0, 0, 1024, 768));
        spl->Form_Resize();
    }
    void cleanup()
    {
        spl.reset();
        ctx.reset();
    }

    void introDrawsAndWipesTheLogo();
    void wholeShowKeepsItsTimes();
    void storyPositionsAndColours_data();
    void storyPositionsAndColours();
    void f5EndsAtAnyMoment_data();
    void f5EndsAtAnyMoment();
    void promptTakesClicksOnceShown();
    void missingTuneLeavesAnEmptyFile();

private:
    // Runs the show until story step n has made its changes.
    void runToStep(int n)
    {
        for (int guard = 0; guard < 100000 && spl->StoryStep < n; ++guard)
            ctx->advance(50);
        while (spl->sequenceRunning()) // the curtain's way down and up again
            ctx->advance(50);
        QCOMPARE(spl->StoryStep, n);
    }
    // Clicks the point of the window as a user would: on whatever shows there.
    void clickAt(QPoint p)
    {
        QWidget *target = spl->childAt(p);
        if (!target)
            target = spl.get();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(spl.get(), p));
    }
    std::unique_ptr<TestContext> ctx;
    std::unique_ptr<FrmSpl> spl;
};

void TestFrmSpl::introDrawsAndWipesTheLogo()
{
    const QImage &canvas = spl->canvas();
    QCOMPARE(canvas.size(), QSize(1024, 768));
    QCOMPARE(canvas.pixel(362, 299), qRgb(200, 30, 30));
    QCOMPARE(canvas.pixel(661, 468), qRgb(200, 30, 30));
    QCOMPARE(canvas.pixel(361, 299), qRgb(0, 0, 0));
    // Nine passes in, the bands have eaten nine rows each.
    ctx->advance(3000 + 8 * 50);
    QCOMPARE(canvas.pixel(400, 299 + 8), qRgb(0, 0, 0));
    QCOMPARE(canvas.pixel(400, 299 + 9), qRgb(200, 30, 30));
    QCOMPARE(canvas.pixel(400, 299 + 17 * 9 + 9), qRgb(200, 30, 30));
    ctx->advance(9 * 50);
    for (int y = 299; y <= 486; ++y)
        for (int x = 362; x <= 662; ++x)
            QVERIFY2(canvas.pixel(x, y) == qRgb(0, 0, 0),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    QCOMPARE(spl->Label5->geometry().top(), 651);
    QVERIFY(ctx->fake.music.isEmpty());
}

void TestFrmSpl::wholeShowKeepsItsTimes()
{
    QList<qint64> ticks;
    const QDateTime start = ctx->clock.now();
    connect(spl->Timer1, &ClockTimer::timeout, this,
            [&] { ticks << start.msecsTo(ctx->clock.now()); });
    ctx->advance(14400 - 1);
    QVERIFY(!spl->Timer1->isActive());
    ctx->advance(1); // the intro has ended after 14.4 s
    QVERIFY(spl->Timer1->isActive());
    QCOMPARE(ctx->fake.music, QStringList{"play title.mp3"});
    ctx->advance(200000);
    QCOMPARE(ticks.size(), 21);
    QCOMPARE(spl->StoryStep, 21);
    QVERIFY(!spl->Timer1->isActive());
    // The gaps as designed; a step that sets a new interval does so once its
    // curtain (6 positions, 50 ms apart) has covered the line.
    const QList<int> gaps{6000, 6000, 6500, 8000, 6000, 6000, 8000, 6500, 6500, 7000, 6000,
                          6000, 7500, 6500, 6500, 8000, 5000, 500,  500,  500,  500};
    qint64 previous = 14400, sum = 0;
    for (int n = 1; n <= 21; ++n) {
        const bool coveredFirst = n >= 2 && n - 1 < 17 && SplashStory()[n - 2].interval > 0;
        QCOMPARE(ticks[n - 1] - previous - (coveredFirst ? 300 : 0), gaps[n - 1]);
        sum += gaps[n - 1];
        previous = ticks[n - 1];
    }
    QCOMPARE(sum, 114000);
    // After the last step nothing changes any more.
    const QString line = spl->Label6->caption();
    ctx->advance(60000);
    QCOMPARE(spl->Label6->caption(), line);
    QCOMPARE(spl->StoryStep, 21);
}

void TestFrmSpl::storyPositionsAndColours_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QPoint>("sun");
    QTest::addColumn<QColor>("promptText");
    QTest::addColumn<QColor>("promptBack");
    const QColor grey(119, 119, 119), light(204, 204, 204);
    QTest::newRow("2") << 2 << QPoint(869, 270) << QColor() << QColor();
    QTest::newRow("10") << 10 << QPoint(824, 40) << QColor() << QColor();
    QTest::newRow("18") << 18 << QPoint(824, 40) << grey << light;
    QTest::newRow("19") << 19 << QPoint(824, 40) << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("20") << 20 << QPoint(824, 40) << grey << light;
    QTest::newRow("21") << 21 << QPoint(824, 40) << QColor(Qt::black) << QColor(Qt::white);
}

void TestFrmSpl::storyPositionsAndColours()
{
    QFETCH(int, step);
    QFETCH(QPoint, sun);
    QFETCH(QColor, promptText);
    QFETCH(QColor, promptBack);
    runToStep(step);
    QCOMPARE(spl->Shape1->pos(), sun);
    QVERIFY(!spl->Shape1->isHidden());
    QCOMPARE(spl->Label6->caption(),
             step <= 17 ? SplashStory()[step - 1].text : SplashStory()[16].text);
    QCOMPARE(!spl->Label7->isHidden(), step >= 18);
    if (step >= 18)
        QCOMPARE(spl->Label7->x(), 512);
    if (promptText.isValid()) {
        QCOMPARE(spl->Label5->palette().color(QPalette::WindowText), promptText);
        QCOMPARE(spl->Label5->palette().color(QPalette::Window), promptBack);
    }
    // The curtain has uncovered the line and waits below it.
    QCOMPARE(spl->Frame1->y(), 385);
}

void TestFrmSpl::f5EndsAtAnyMoment_data()
{
    QTest::addColumn<int>("after");
    QTest::addColumn<QStringList>("music");
    QTest::newRow("logo") << 1000 << QStringList{"stop title.mp3", "close title.mp3"};
    QTest::newRow("credits") << 6000 << QStringList{"stop title.mp3", "close title.mp3"};
    QTest::newRow("story") << 40000
                           << QStringList{"play title.mp3", "stop title.mp3", "close title.mp3"};
}

void TestFrmSpl::f5EndsAtAnyMoment()
{
    QFETCH(int, after);
    QFETCH(QStringList, music);
    QSignalSpy finished(spl.get(), &FrmSpl::finished);
    QSignalSpy closed(spl.get(), &FrmSpl::closedByUser);
    spl->show();
    ctx->advance(after);
    QTest::keyClick(spl.get(), Qt::Key_A);
    QVERIFY(spl->isVisible());
    QTest::keyClick(spl.get(), Qt::Key_F5, Qt::ControlModifier);
    QVERIFY(!spl->isVisible());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(closed.size(), 0);
    // Nothing goes on afterwards: no drawing, no tune.
    const int step = spl->StoryStep;
    const QImage canvas = spl->canvas();
    ctx->advance(200000);
    QCOMPARE(spl->StoryStep, step);
    QCOMPARE(spl->canvas(), canvas);
    QCOMPARE(ctx->fake.music, music);
}

void TestFrmSpl::promptTakesClicksOnceShown()
{
    QSignalSpy finished(spl.get(), &FrmSpl::finished);
    spl->show();
    const QPoint prompt = spl->Label5->geometry().center();
    runToStep(16);
    clickAt(prompt);
    QCOMPARE(finished.size(), 0);
    runToStep(17);
    clickAt(prompt);
    QCOMPARE(finished.size(), 1);
}

void TestFrmSpl::missingTuneLeavesAnEmptyFile()
{
    QFileInfo tune(ctx->dir.filePath(QStringLiteral("title.mp3")));
    QVERIFY(tune.exists());
    QCOMPARE(tune.size(), 0);
    // Any other close ends the show and stops the tune, without the readme.
    QSignalSpy closed(spl.get(), &FrmSpl::closedByUser);
    spl->close();
    QCOMPARE(closed.size(), 1);
    QCOMPARE(ctx->fake.music, (QStringList{"stop title.mp3", "close title.mp3"}));

    // An installed tune is not hidden behind an empty file of the user's.
    spl.reset();
    QVERIFY(QFile::remove(tune.filePath()));
    writeTestFile(ctx->installed(QStringLiteral("title.mp3")), "ID3");
    spl = std::make_unique<FrmSpl>(QRect(0, 0, 1024, 768));
    spl->Form_Resize();
    QVERIFY(!QFileInfo::exists(tune.filePath()));
}

QTEST_MAIN(TestFrmSpl)
#include "tst_frmspl.moc"
