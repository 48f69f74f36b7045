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
    std::unique_ptr<TestContext> ctx;
    std::unique_ptr<FrmSpl> spl;

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

private slots:
    void init()
    {
        ctx = std::make_unique<TestContext>();
        ctx->writeImage("logo.bmp", {300, 170}, QColor(200, 30, 30));
        spl = std::make_unique<FrmSpl>(QRect(0, 0, 1024, 768));
        spl->Form_Resize();
    }
    void cleanup()
    {
        spl.reset();
        ctx.reset();
    }

    void introDrawsAndWipesTheLogo()
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
        QVERIFY(ctx->fake.music.isEmpty());
    }

    void storyRunsItsCourse()
    {
        QList<qint64> ticks;
        const QDateTime start = ctx->clock.now();
        connect(spl->Timer1, &ClockTimer::timeout, this,
                [&] { ticks << start.msecsTo(ctx->clock.now()); });
        QSignalSpy finished(spl.get(), &FrmSpl::finished);
        spl->show();
        ctx->advance(14400 - 1);
        QVERIFY(!spl->Timer1->isActive());
        ctx->advance(1); // the intro has ended after 14.4 s
        QVERIFY(spl->Timer1->isActive());
        QCOMPARE(ctx->fake.music, QStringList{"play title.mp3"});

        const QPoint prompt = spl->Label5->geometry().center();
        for (int step : {2, 16, 18, 19, 20, 21}) {
            runToStep(step);
            QVERIFY(!spl->Shape1->isHidden());
            QCOMPARE(spl->Label6->caption(), SplashStory()[qMin(step, 17) - 1].text);
            QCOMPARE(spl->Frame1->y(), 385); // the curtain waits below the line
            QCOMPARE(!spl->Label7->isHidden(), step >= 18);
            if (step < 18) {
                clickAt(prompt); // not shown yet: nothing happens
                continue;
            }
            const bool grey = step % 2 == 0;
            QCOMPARE(spl->Label5->palette().color(QPalette::WindowText),
                     grey ? QColor(119, 119, 119) : QColor(Qt::black));
            QCOMPARE(spl->Label5->palette().color(QPalette::Window),
                     grey ? QColor(204, 204, 204) : QColor(Qt::white));
        }
        QCOMPARE(finished.size(), 0);

        // 6 s to the first step, 114 s to the last, and 0.3 s more for each of
        // the 11 steps that set their new interval once their curtain (6
        // positions, 50 ms apart) has covered the line.
        QCOMPARE(ticks.value(0), 14400 + 6000);
        QCOMPARE(ticks.value(20), 14400 + 114000 + 11 * 300);
        // After the last step nothing changes any more, until the prompt is
        // clicked.
        const QString line = spl->Label6->caption();
        ctx->advance(60000);
        QCOMPARE(ticks.size(), 21);
        QCOMPARE(spl->Label6->caption(), line);
        clickAt(prompt);
        QCOMPARE(finished.size(), 1);
    }

    void f5EndsAtAnyMoment_data()
    {
        QTest::addColumn<int>("after");
        QTest::newRow("logo") << 1000;
        QTest::newRow("credits") << 6000;
        QTest::newRow("story") << 40000;
    }
    void f5EndsAtAnyMoment()
    {
        QFETCH(int, after);
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
        QStringList music{"stop title.mp3", "close title.mp3"};
        if (after > 14400)
            music.prepend("play title.mp3");
        QCOMPARE(ctx->fake.music, music);
    }

    void missingTuneLeavesAnEmptyFile()
    {
        QFileInfo tune(ctx->dir.filePath("title.mp3"));
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
        writeTestFile(ctx->installed("title.mp3"), "ID3");
        spl = std::make_unique<FrmSpl>(QRect(0, 0, 1024, 768));
        spl->Form_Resize();
        QVERIFY(!QFileInfo::exists(tune.filePath()));
    }
};

QTEST_MAIN(TestFrmSpl)
#include "tst_frmspl.moc"
