#include "companion/frmstakan.h"
#include "core/settings.h"
#include "testcontext.h"
#include "widgets/picturebox.h"
#include "widgets/shakencontents.h"
#include "widgets/vblabel.h"
#include "windows/frmcar.h"
#include "windows/frmtost.h"

#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace stak;

// What only the companion window shows: its controls carry out the
// companion's decisions.
class TestFrmStakan : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ctx = std::make_unique<TestContext>();
        w = std::make_unique<FrmStakan>();
    }

    void cleanup()
    {
        w.reset();
        ctx.reset();
    }

    void loadShowsContent()
    {
        ctx->write(u"user.but"_qs, u"Первая\r\n%>!<%Тайная\r\n"_qs);
        ctx->write(u"sound.tlk"_qs, u"2\r\n>a.wav\r\nПервая\r\n>b.wav\r\nВторая\r\n"_qs);
        ctx->write(u"go.scn"_qs, u"showbutton 2\r\npic sticker.gif\r\n"_qs);
        QImage tile(100, 100, QImage::Format_RGB32);
        tile.fill(Qt::green);
        tile.setPixel(0, 0, qRgb(255, 0, 0));
        tile.save(ctx->dir.filePath(u"tex.bmp"_qs));
        // A sticker: opaque in the middle, transparent around it.
        QImage sticker(20, 20, QImage::Format_ARGB32);
        sticker.fill(Qt::transparent);
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x)
                sticker.setPixel(x, y, qRgb(0, 200, 0));
        sticker.save(ctx->dir.filePath(u"sticker.gif"_qs), "PNG");
        settings().texture = u"tex.bmp"_qs;
        settings().exescript = u"go.scn"_qs;
        w->Form_Load();

        QVERIFY(w->isVisible());
        // The hidden button, shown by the scenario, with its caption.
        QCOMPARE(child<QPushButton>(u"cmdU2"_qs)->text(), u"Тайная"_qs);
        QVERIFY(!child(u"cmdU2"_qs)->isHidden());
        QStringList items;
        for (QAction *a : child<QMenu>(u"mtost"_qs)->actions())
            items << a->objectName() + u' ' + a->text();
        QCOMPARE(items, (QStringList{"mtx0 ", "mtx1 Первая", "mtx2 Вторая"}));
        // Texture tiles at every 100 pixels; the sticker's transparent parts show
        // the panel beneath.
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.pixel(0, 300), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(1, 300), qRgb(0, 255, 0));
        const QImage &panel = child<PictureBox>(u"Image1"_qs)->image();
        QCOMPARE(panel.pixel(2, 2), panel.pixel(100, 100));
        QCOMPARE(panel.pixel(6, 6), qRgb(0, 200, 0));
    }

    void speechLine()
    {
        w->show();
        auto *line = child<VbLabel>(u"Label1"_qs);
        w->companion().SayText(u"Строка\r\nвторая\r\n"_qs);
        QCOMPARE(line->text(), u"Строка\nвторая"_qs);
        // A click toggles the line's background; a double click counts its first
        // click only: press, release, double click, release.
        QList<bool> filled;
        QTest::mouseClick(line, Qt::LeftButton);
        filled << line->autoFillBackground();
        QTest::mouseClick(line, Qt::LeftButton);
        QTest::mouseDClick(line, Qt::LeftButton);
        QTest::mouseRelease(line, Qt::LeftButton);
        filled << line->autoFillBackground();
        QCOMPARE(filled, (QList<bool>{true, false}));
    }

    void toastWindow()
    {
        ctx->write(u"tost.tlk"_qs, u"2\r\n>За нас!\r\n>За них!\r\n"_qs);
        QTest::mouseClick(child(u"Command2"_qs), Qt::LeftButton);
        QPointer<FrmTost> toast = w->findChild<FrmTost *>();
        QVERIFY(toast && toast->isVisible());
        // A tool window owned by the companion, so it stays above it.
        QCOMPARE(toast->parentWidget(), w.get());
        QCOMPARE(toast->windowType(), Qt::Tool);
        // Closing unloads it (a next one opening: screens_e2e).
        toast->Command1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(toast.isNull());
    }

    void shake_data()
    {
        QTest::addColumn<bool>("windowsMove");
        QTest::newRow("the window moves") << true;
        QTest::newRow("its contents shake") << false;
    }

    void shake()
    {
        QFETCH(bool, windowsMove);
        ctx->fake.windowsMove = windowsMove;
        ctx->write(u"sound.tlk"_qs, u"1\r\n>rukidroz.wav\r\nДрожу\r\n"_qs);
        w->move(300, 300);
        const QPoint start = w->pos();
        QList<QPoint> seen;
        ctx->fake.onYield = [&] {
            const auto *contents = w->findChild<ShakenContents *>();
            QCOMPARE(!contents, windowsMove);
            if (contents) {
                QCOMPARE(w->pos(), start);
                QCOMPARE(contents->geometry(), w->rect());
            }
            seen << (contents ? start + contents->offset() : w->pos());
        };
        ctx->random.setValues({0.0f, 0.9999f, 0.5f});
        QTest::mouseClick(child(u"Command1"_qs), Qt::LeftButton);
        QCOMPARE(ctx->fake.sleeps, QList<int>(30, 100));
        QVERIFY(seen.contains(start + QPoint(-40, 40)));
        QCOMPARE(w->pos(), start);
        QVERIFY(!w->findChild<ShakenContents *>());
    }

    void readmeFromThePictureMenu()
    {
        // (The riddles' button and the options' menu item: screens_e2e and
        // install_e2e open them.)
        w->show();
        ctx->fake.onModal = [&](QWidget *side) {
            QVERIFY(side->isVisible());
            QCOMPARE(side->parentWidget(), w.get());
        };
        child<QMenu>(u"mnux"_qs)->findChild<QAction *>(u"mnuAb"_qs)->trigger();
        QCOMPARE(ctx->fake.modals, QStringList{u"frmAbout"_qs});
    }

    void pictureMenuOnlyBetweenRuns()
    {
        w->show();
        auto *menu = child<QMenu>(u"mnux"_qs);
        ctx->write(u"a.scn"_qs, u"sleep 1\r\n"_qs);
        bool shownDuring = true;
        ctx->fake.onYield = [&] {
            QTest::mousePress(child(u"Image1"_qs), Qt::RightButton);
            shownDuring = menu->isVisible();
            QVERIFY(!child(u"Command5"_qs)->isEnabled());
        };
        w->companion().RunScenario(u"a.scn"_qs);
        QVERIFY(!shownDuring);
        QVERIFY(child(u"Command5"_qs)->isEnabled());
        QTest::mousePress(child(u"Image1"_qs), Qt::LeftButton);
        QVERIFY(menu->isVisible());
        menu->hide();
    }

    void scenarioCommandsShow()
    {
        ctx->writeImage(u"a.bmp"_qs, {5, 5}, Qt::red);
        ctx->writeImage(u"fon.bmp"_qs, {500, 420}, Qt::yellow);
        ctx->writeImage(u"mini.bmp"_qs, {50, 40}, Qt::cyan);
        auto *panel = child<PictureBox>(u"Image1"_qs);
        panel->image().fill(Qt::white);
        run(u"picx 10\r\npicy 20\r\npic a.bmp\r\npicframe 0\r\npicvisible 0\r\n"
            "showbutton 5\r\nhidebutton 1\r\ntoonpic fon.bmp\r\ntoonminipic mini.bmp\r\n"
            "toon\r\ntoonclose"_qs);
        const QImage &img = panel->image();
        QCOMPARE(img.pixelColor(10, 20), QColor(Qt::red));
        QCOMPARE(img.pixelColor(14, 24), QColor(Qt::red));
        QCOMPARE(img.pixelColor(9, 20), QColor(Qt::white));
        QCOMPARE(img.pixelColor(15, 24), QColor(Qt::white));
        QVERIFY(!panel->hasBorder() && panel->isHidden());
        QVERIFY(!child(u"cmdU5"_qs)->isHidden() && child(u"cmdU1"_qs)->isHidden());
        FrmCar *car = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            car = car ? car : qobject_cast<FrmCar *>(top);
        QVERIFY(car && car->isVisible());
        QCOMPARE(car->backgroundPicture().size(), QSize(500, 420));
        QVERIFY(!car->innerPicture().isNull() && !car->Command1->isHidden());
    }

private:
    void run(const QString &script)
    {
        ctx->write(u"run.scn"_qs, script);
        w->companion().RunScenario(u"run.scn"_qs);
    }
    template <typename T = QWidget> T *child(const QString &name)
    {
        auto *c = w->findChild<T *>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    std::unique_ptr<TestContext> ctx;
    std::unique_ptr<FrmStakan> w;
};

QTEST_MAIN(TestFrmStakan)
#include "tst_frmstakan.moc"
