#include "core/settings.h"
#include "testcontext.h"
#include "widgets/vblabel.h"
#include "windows/frmam.h"
#include "windows/frmcar.h"
#include "windows/frmscr.h"
#include "windows/frmtost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace stak;

// The side windows: riddles, toast, and the pranks' caricature and frolic.
class TestSideWindows : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestContext> ctx;

private slots:
    void init()
    {
        ctx = std::make_unique<TestContext>();
        // Four riddles counted, three written: the fourth is empty.
        ctx->write("zag.tlk", "4\r\n>Раз%BRдва\r\nОдин\r\n>Второй?\r\nДва%br\r\n>\r\nТретий?\r\n"
                              "Три\r\n");
        ctx->random.setValues({drawFor(1, 4), drawFor(2, 4), drawFor(3, 4), drawFor(4, 4)});
    }
    void cleanup() { ctx.reset(); }

    void riddles()
    {
        FrmAm w;
        w.Form_Load();
        // The question and the answer line after each click.
        const struct
        {
            QPushButton *click;
            const char *question, *line;
        } steps[] = {
            {nullptr, "Раз\nдва", "Ответ:"}, // "%br" in any case breaks the line
            // Skipped: the answer comes with the next riddle.
            {w.Command2, "Второй?", "Ответ на предыдущую: Один\r\n"},
            {w.Command1, "Второй?", "Два%br\r\n"}, // "%br" stays in the answer
            {w.Command2, "\nТретий?", ""},         // a bare marker line
            // An empty riddle keeps the answer before it.
            {w.Command2, "", "Ответ на предыдущую: Три\r\n"},
            {w.Command1, "", "Три\r\n"},
        };
        for (const auto &s : steps) {
            if (s.click)
                QTest::mouseClick(s.click, Qt::LeftButton);
            QCOMPARE(w.Text1->toPlainText(), s.question);
            QCOMPARE(w.Label1->caption(), s.line);
            QCOMPARE(w.Command1->isEnabled(), s.click != w.Command1);
        }
        // The size box; what is no size changes nothing.
        QCOMPARE(w.Combo1->currentText(), "10");
        QCOMPARE(w.Text1->font().pointSizeF(), 10.0);
        w.Combo1->setCurrentIndex(w.Combo1->findText("24"));
        emit w.Combo1->activated(w.Combo1->currentIndex());
        QCOMPARE(w.Text1->font().pointSizeF(), 24.0);
        for (const char *typed : {"крупно", "", "-3", "13"}) {
            w.Combo1->setEditText(QString::fromUtf8(typed));
            QTest::keyClick(w.Combo1->lineEdit(), Qt::Key_Return);
            QCOMPARE(w.Text1->font().pointSizeF(), *typed == '1' ? 13.0 : 24.0);
        }
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void riddlesDoNotRepeatAcrossOpenings()
    {
        // The same draw twice: the second opening must not ask the first riddle.
        ctx->random.setValues({drawFor(1, 4), drawFor(1, 4), drawFor(2, 4)});
        {
            FrmAm first;
            first.Form_Load();
            QCOMPARE(first.question(), "Раз\r\nдва");
        }
        FrmAm second;
        second.Form_Load();
        QCOMPARE(second.question(), "Второй?");
    }

    void toast()
    {
        FrmTost t;
        t.setToast("За тех,\r\nкто в море!\r\n");
        QCOMPARE(t.Text1->toPlainText(), "За тех,\nкто в море!\n");
        QCOMPARE(t.toast(), "За тех,\r\nкто в море!\r\n");
        QVERIFY(!t.Text1->isReadOnly());
        // "Шрифт" makes the window tall enough for the font row, and short again.
        for (bool rowShown : {false, true, false}) {
            QCOMPARE(t.Combo1->geometry().bottom() < t.height(), rowShown);
            QTest::mouseClick(t.Command2, Qt::LeftButton);
        }
        // The empty entries keep the font.
        QVERIFY(t.Check1->isChecked() && t.Text1->font().bold());
        for (int size : {15, 0}) {
            t.Combo2->setCurrentIndex(size);
            t.Combo2_Click();
            QCOMPARE(t.Text1->font().pointSizeF(), 24.0);
        }
        const QString family = t.Combo1->itemText(1);
        for (int font : {1, 0}) {
            t.Combo1->setCurrentIndex(font);
            t.Combo1_Click();
            QCOMPARE(t.Text1->font().family(), family);
        }
        t.Check1->setChecked(false);
        t.Check1_Click();
        QVERIFY(!t.Text1->font().bold());
    }

    void caricature()
    {
        ctx->writeImage("fon.bmp", {500, 420}, Qt::yellow);
        ctx->writeImage("a.gif", {40, 30}, Qt::cyan);
        ctx->writeImage("b.jpg", {20, 10}, Qt::magenta);
        ctx->write("broken.jpg", "not a picture");
        QPointer<FrmCar> car = new FrmCar;
        // Pictures that cannot be loaded leave the window as it was.
        QVERIFY(car->toonpic("fon.bmp"));
        QVERIFY(!car->toonpic("broken.jpg"));
        QVERIFY(!car->toonminipic("missing.gif"));
        QCOMPARE(car->backgroundPicture().size(), QSize(500, 420));
        QVERIFY(car->Picture1->isHidden());
        // Close offered before the window shows: the button comes with it.
        car->toonclose();
        QVERIFY(!car->isVisible());
        car->toon();
        QVERIFY(car->isVisible() && car->Command1->isVisible());
        QVERIFY(car->toonminipic("a.gif"));
        car->toonminihide();
        QVERIFY(car->Picture1->isHidden());
        QVERIFY(car->toonminipic("b.jpg"));
        QVERIFY(car->Picture1->isVisible());
        QCOMPARE(car->innerPicture().size(), QSize(20, 10));
        // Shown from the top-left at its own size, the rest of the box empty.
        const QImage shot = car->Picture1->grab().toImage();
        QVERIFY(QColor(shot.pixel(5, 5)).red() > 200 && QColor(shot.pixel(5, 5)).green() < 60);
        QVERIFY(shot.pixel(100, 100) != shot.pixel(5, 5));
        // The user presses Close: the next command finds a fresh window.
        QTest::mouseClick(car->Command1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(car.isNull());
        QPointer<FrmCar> fresh = new FrmCar;
        fresh->toon();
        QVERIFY(fresh->isVisible() && fresh->Picture1->isHidden() && fresh->Command1->isHidden());
        QVERIFY(fresh->backgroundPicture().isNull() && fresh->innerPicture().isNull());
    }

    void frolicShowsThePicture()
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        settings().quake = 3;
        // The offsets of the steps: left first, then top.
        ctx->random.setValues({0.0f, 0.99999f, 0.5f, 0.5f, 0.9f, 0.3f});
        FrmScr scr;
        QList<QPoint> offsets;
        ctx->fake.onYield = [&] {
            QVERIFY(scr.isVisible() && scr.isFullScreen());
            QCOMPARE(scr.image(), picture);
            offsets << scr.offset();
        };
        scr.play(picture, QRect(0, 0, 64, 48));
        // Each step shows the offset drawn by the step before (±40 twips, about
        // three pixels), the first one the unmoved copy; then the window closes.
        QCOMPARE(offsets, (QList<QPoint>{{0, 0}, {3, -3}, {0, 0}}));
        QVERIFY(!scr.isVisible());
        // What an offset uncovers is black.
        scr.show();
        QCOMPARE(scr.grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
    }

    void frolicIsPacedAndEnds_data()
    {
        // stop: how the user stops it at the third step; frames: steps shown to the end; frameMs:
        // the shortest wait; the longest is 1 ms more
        columns<qreal, QString, int, int, int>("refresh", "stop", "frames", "frameMs", "total");
        QTest::newRow("60 Hz") << qreal(60) << "" << 300 << 16 << 5000;
        QTest::newRow("unknown: 60 Hz") << qreal(0) << "" << 300 << 16 << 5000;
        QTest::newRow("144 Hz") << qreal(144) << "" << 300 << 6 << 2083;
        QTest::newRow("Escape") << qreal(60) << "Escape" << 2 << 16 << 33;
        QTest::newRow("click") << qreal(60) << "click" << 2 << 16 << 33;
        QTest::newRow("closed") << qreal(60) << "closed" << 2 << 16 << 33;
    }
    void frolicIsPacedAndEnds()
    {
        const auto [refresh, stop, frames, frameMs, total] =
            fetch<qreal, QString, int, int, int>("refresh", "stop", "frames", "frameMs", "total");
        ctx->fake.refresh = refresh;
        ctx->fake.pumpQtEvents = true;
        settings().quake = stop.isEmpty() ? 300 : 100000;
        const QDateTime start = ctx->clock.now();
        bool focused = false;
        FrmScr scr;
        ctx->fake.onYield = [&] {
            if (stop.isEmpty() || ctx->fake.eventPumps != 3)
                return;
            focused = scr.hasFocus();
            if (stop == "Escape")
                QTest::keyClick(&scr, Qt::Key_Escape);
            else if (stop == "click")
                QTest::mouseClick(&scr, Qt::LeftButton, {}, QPoint(10, 10));
            else
                scr.close();
        };
        scr.play(QImage(64, 48, QImage::Format_RGB32), QRect(0, 0, 64, 48));
        // One frame a step, the time passing on the program clock; a stop
        // ends it at the step after, the window gone.
        QCOMPARE(focused, !stop.isEmpty());
        QCOMPARE(ctx->fake.eventPumps, stop.isEmpty() ? frames : frames + 1);
        QCOMPARE(ctx->fake.frameWaits.size(), frames);
        for (qint64 ms : std::as_const(ctx->fake.frameWaits))
            QVERIFY2(ms == frameMs || ms == frameMs + 1, qPrintable(QString::number(ms)));
        QCOMPARE(start.msecsTo(ctx->clock.now()), total);
        QVERIFY(ctx->fake.sleeps.isEmpty());
        QVERIFY(!scr.isVisible());
    }
};

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
