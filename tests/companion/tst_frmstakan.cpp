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

    void loadShowsContent();
    void speechLine();
    void toastWindow();
    void shake_data();
    void shake();
    void sideWindowsFromControls_data();
    void sideWindowsFromControls();
    void sideWindowsLeaveNothingBehind_data();
    void sideWindowsLeaveNothingBehind();
    void pictureMenuOnlyBetweenRuns();
    void scenarioCommandsShow();
    void closingEndsTheProgram();
    void staysOnAScreen();

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

void TestFrmStakan::loadShowsContent()
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
    QVERIFY(!child(u"cmdU1"_qs)->isHidden());
    // The hidden button, shown by the scenario, with its caption.
    QCOMPARE(child<QPushButton>(u"cmdU2"_qs)->text(), u"Тайная"_qs);
    QVERIFY(!child(u"cmdU2"_qs)->isHidden());
    QVERIFY(child(u"cmdU3"_qs)->isHidden());
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

void TestFrmStakan::speechLine()
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

void TestFrmStakan::toastWindow()
{
    ctx->write(u"tost.tlk"_qs, u"2\r\n>За нас!\r\n>За них!\r\n"_qs);
    QTest::mouseClick(child(u"Command2"_qs), Qt::LeftButton);
    QPointer<FrmTost> toast = w->toastWindow();
    QVERIFY(toast && toast->isVisible());
    // A tool window owned by the companion, so it stays above it.
    QCOMPARE(toast->parentWidget(), w.get());
    QCOMPARE(toast->windowType(), Qt::Tool);
    // Closing unloads it; the next toast loads a fresh one.
    toast->Command1_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(toast.isNull());
    w->companion().SayToast(QString());
    QVERIFY(w->toastWindow() && w->toastWindow()->isVisible());
}

void TestFrmStakan::shake_data()
{
    QTest::addColumn<bool>("windowsMove");
    QTest::newRow("the window moves") << true;
    QTest::newRow("its contents shake") << false;
}

void TestFrmStakan::shake()
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

void TestFrmStakan::sideWindowsFromControls_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::newRow("riddles") << "Command4"
                             << "frmAm";
    QTest::newRow("readme") << "mnuAb"
                            << "frmAbout";
    QTest::newRow("options") << "mnuOpt"
                             << "frmOpt";
}

void TestFrmStakan::sideWindowsFromControls()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    w->show();
    ctx->fake.onModal = [&](QWidget *side) {
        QVERIFY(side->isVisible());
        QCOMPARE(side->parentWidget(), w.get());
    };
    if (opener.startsWith(u"Command"_qs))
        QTest::mouseClick(child(opener), Qt::LeftButton);
    else
        child<QMenu>(u"mnux"_qs)->findChild<QAction *>(opener)->trigger();
    QCOMPARE(ctx->fake.modals, QStringList{window});
}

void TestFrmStakan::sideWindowsLeaveNothingBehind_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("toast") << "toast";
    QTest::newRow("riddles") << "riddles";
    QTest::newRow("readme") << "readme";
    QTest::newRow("options") << "options";
    QTest::newRow("caricature") << "caricature";
    QTest::newRow("frolic") << "frolic";
}

void TestFrmStakan::sideWindowsLeaveNothingBehind()
{
    // A night's party opens every side window hundreds of times: each time it
    // is closed, its widgets and objects go with it.
    QFETCH(QString, window);
    ctx->write(u"zag.tlk"_qs, u"1\r\n>Что?\r\nОтвет\r\n"_qs);
    ctx->writeImage(u"fon.bmp"_qs, {500, 420}, Qt::yellow);
    ctx->write(u"car.scn"_qs, u"toonpic fon.bmp\r\ntoon\r\ntoonclose"_qs);
    settings().quake = 3;
    w->show();
    const auto openAndClose = [&] {
        if (window == u"toast"_qs) {
            w->companion().SayToast(u"За нас!"_qs);
            QVERIFY(w->toastWindow());
            w->toastWindow()->Command1_Click();
        } else if (window == u"riddles"_qs) {
            QTest::mouseClick(child(u"Command4"_qs), Qt::LeftButton);
        } else if (window == u"readme"_qs || window == u"options"_qs) {
            const QString item = window == u"readme"_qs ? u"mnuAb"_qs : u"mnuOpt"_qs;
            child<QMenu>(u"mnux"_qs)->findChild<QAction *>(item)->trigger();
        } else if (window == u"caricature"_qs) {
            w->companion().RunScenario(u"car.scn"_qs);
            QVERIFY(w->caricatureWindow() && w->caricatureWindow()->isVisible());
            w->caricatureWindow()->Command1->click();
        } else {
            QVERIFY(w->companion().Frolic(u"100"_qs));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const auto objects = [&] { return w->findChildren<QObject *>().size(); };
    // The offscreen platform says on every "toon" that it raises no window.
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext &c, const QString &m) {
            if (m != u"This plugin does not support raise()"_qs)
                previous(t, c, m);
        });
    const auto restore = qScopeGuard([] { qInstallMessageHandler(previous); });
    // The first time may leave what is made once and kept (a menu's popup).
    openAndClose();
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype children = objects();
    for (int i = 0; i < 100; ++i)
        openAndClose();
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QCOMPARE(objects(), children);
    QVERIFY(!w->caricatureWindow() && !w->frolicWindow());
}

void TestFrmStakan::pictureMenuOnlyBetweenRuns()
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

void TestFrmStakan::scenarioCommandsShow()
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
    FrmCar *car = w->caricatureWindow();
    QVERIFY(car && car->isVisible());
    QCOMPARE(car->backgroundPicture().size(), QSize(500, 420));
    QCOMPARE(car->innerPicture().size(), QSize(50, 40));
    QVERIFY(!car->Command1->isHidden());
    // waitrun hides the window while it yields and shows it again in its
    // place, though the window manager moved it meanwhile.
    w->show();
    w->move(120, 80);
    const QPoint at = w->pos();
    QList<bool> visibleAtYield;
    ctx->fake.onYield = [&] {
        visibleAtYield << w->isVisible();
        if (!w->isVisible())
            w->move(400, 300);
    };
    run(u"waitrun 3000"_qs);
    QCOMPARE(visibleAtYield, (QList<bool>{true, false}));
    QVERIFY(w->isVisible());
    QCOMPARE(w->pos(), at);
}

void TestFrmStakan::closingEndsTheProgram()
{
    w->show();
    QVERIFY_THROWS_EXCEPTION(ProgramExit, w->close());
}

void TestFrmStakan::staysOnAScreen()
{
    // The right of two monitors goes away while the companion stands on it.
    ctx->fake.screenAreas = {{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
    w->show();
    w->move(3000, 300);
    w->keepOnScreen();
    QCOMPARE(w->pos(), QPoint(3000, 300));
    ctx->fake.screenAreas = {{0, 0, 1920, 1080}};
    w->keepOnScreen();
    QVERIFY(QRect(0, 0, 1920, 1080).contains(w->frameGeometry()));
    // The next prank plays there.
    settings().quake = 0;
    QVERIFY(w->companion().Frolic(u"0"_qs));
    QCOMPARE(ctx->fake.capturedScreens, QList<QRect>{QRect(0, 0, 1920, 1080)});
}

QTEST_MAIN(TestFrmStakan)
#include "tst_frmstakan.moc"
