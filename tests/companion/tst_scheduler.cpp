#include "companionfixture.h"

#include "companion/picturebox.h"
#include "companion/vblabel.h"
#include "windows/frmtost.h"

#include <QTimer>
#include <QtTest>

using namespace stak;

// The event timer's tick and the picture panel.
class TestScheduler : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fx = std::make_unique<CompanionFixture>();
        fx->write(QStringLiteral("text.tlk"), QStringLiteral("1\r\n>Речь\r\n"));
        fx->write(QStringLiteral("tost.tlk"), QStringLiteral("1\r\n>Тост\r\n"));
        fx->write(QStringLiteral("sound.tlk"), QStringLiteral("1\r\n>v.wav\r\nГолос\r\n"));
        w = fx->openWindow();
    }
    void cleanup() { fx.reset(); }

    void bands_data();
    void bands();
    void interval_data();
    void interval();
    void pictureDraw_data();
    void pictureDraw();
    void orderMode_data();
    void orderMode();
    void orderFileOddities();
    void randomMode();
    void panelPainting();
    void otherModesDoNothing();
    void greetingOnce();

private:
    QRgb panelColour() const { return w->Image1->image().pixel(5, 5) & 0xFFFFFF; }
    std::unique_ptr<CompanionFixture> fx;
    FrmStakan *w = nullptr;
};

void TestScheduler::bands_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("action");
    const QList<std::tuple<int, int, int, int, const char *>> rows = {
        {50, 30, 20, 1, "text"},    {50, 30, 20, 50, "text"},  {50, 30, 20, 51, "toast"},
        {50, 30, 20, 80, "toast"},  {50, 30, 20, 81, "voice"}, {50, 30, 20, 100, "voice"},
        {100, 0, 0, 100, "text"},   {0, 0, 0, 1, "none"},      {0, 0, 0, 100, "none"},
        {30, 30, 0, 60, "toast"},   {30, 30, 0, 61, "none"},   {80, 30, 20, 81, "toast"},
        {80, 30, 20, 100, "toast"}, {80, 30, 20, 80, "text"},
    };
    for (const auto &[t, s, v, n, action] : rows)
        QTest::addRow("%d/%d/%d n=%d", t, s, v, n)
            << t << s << v << n << QString::fromLatin1(action);
}

void TestScheduler::bands()
{
    QFETCH(int, t);
    QFETCH(int, s);
    QFETCH(int, v);
    QFETCH(int, n);
    QFETCH(QString, action);
    settings().textver = t;
    settings().tostver = s;
    settings().voicever = v;
    w->Label1->setCaption(QStringLiteral("KEEP"));
    fx->random.setValues({0.3f, drawFor(n, 100), 0.0f});
    w->Timer1_Timer();
    QString happened = QStringLiteral("none");
    if (w->Label1->caption() == QStringLiteral("Речь\r\n"))
        happened = QStringLiteral("text");
    else if (w->toastWindow() && w->toastWindow()->isVisible())
        happened = QStringLiteral("toast");
    else if (fx->fake.sounds == QStringList{QStringLiteral(".\\wav\\v.wav")})
        happened = QStringLiteral("voice");
    QCOMPARE(happened, action);
    QVERIFY(!w->Label5->isVisible());
}

void TestScheduler::interval_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    QTest::newRow("equal bounds, low draw") << 30000 << 30000 << 0.0f << 30000;
    QTest::newRow("equal bounds, high draw") << 30000 << 30000 << 0.99999994f << 30000;
    QTest::newRow("default, lowest") << 50000 << 60000 << 0.0f << 50000;
    QTest::newRow("default, highest") << 50000 << 60000 << 0.99999994f << 59999;
    QTest::newRow("default, middle") << 50000 << 60000 << 0.25f << 52500;
    QTest::newRow("one second apart") << 1000 << 2000 << 0.5f << 1500;
}

void TestScheduler::interval()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(float, r);
    QFETCH(int, expected);
    settings().BaseIntervalFrom = from;
    settings().BaseIntervalTo = to;
    settings().textver = settings().tostver = settings().voicever = 0;
    fx->random.setValues({r, 0.5f});
    w->Timer1_Timer();
    QCOMPARE(w->Timer1->interval(), expected);
}

void TestScheduler::pictureDraw_data()
{
    QTest::addColumn<int>("randompic");
    QTest::addColumn<float>("r3");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<int>("draws");
    QTest::newRow("0: no draw at all") << 0 << 0.0f << false << 2;
    QTest::newRow("100: always") << 100 << 0.99f << true << 3;
    QTest::newRow("30, m=30") << 30 << 0.295f << true << 3;
    QTest::newRow("30, m=31") << 30 << 0.305f << false << 3;
}

void TestScheduler::pictureDraw()
{
    QFETCH(int, randompic);
    QFETCH(float, r3);
    QFETCH(bool, changes);
    QFETCH(int, draws);
    settings().randompic = randompic;
    settings().textver = settings().tostver = settings().voicever = 0;
    fx->writeImage(QStringLiteral("pics/only.bmp"), {433, 225}, Qt::blue);
    fx->random.setValues({0.5f, 0.5f, r3, 0.0f});
    w->Timer1_Timer();
    QCOMPARE(panelColour() == (qRgb(0, 0, 255) & 0xFFFFFF), changes);
    // One picture in the folder: mode 2 draws once more only when it changes.
    QCOMPARE(fx->random.draws(), draws + (changes ? 1 : 0));
}

void TestScheduler::orderMode_data()
{
    QTest::addColumn<QString>("order");
    QTest::newRow("no final break") << "a.bmp\r\nb.bmp\r\nc.bmp";
    QTest::newRow("final break") << "a.bmp\r\nb.bmp\r\nc.bmp\r\n";
    QTest::newRow("CR only") << "a.bmp\rb.bmp\rc.bmp\r";
}

void TestScheduler::orderMode()
{
    QFETCH(QString, order);
    fx->writeImage(QStringLiteral("pics/a.bmp"), {433, 225}, Qt::red);
    fx->writeImage(QStringLiteral("pics/b.bmp"), {433, 225}, Qt::green);
    fx->writeImage(QStringLiteral("pics/c.bmp"), {433, 225}, Qt::blue);
    fx->writeImage(QStringLiteral("pics/never.bmp"), {433, 225}, Qt::yellow);
    fx->write(QStringLiteral("pics/order.txt"), order);
    const QList<QRgb> abc{qRgb(255, 0, 0) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFF,
                          qRgb(0, 0, 255) & 0xFFFFFF};
    QList<QRgb> shown;
    QList<int> positions;
    for (int i = 0; i < 6; ++i) {
        w->ChangePicture(1);
        shown << panelColour();
        positions << w->OrderPosition;
    }
    QCOMPARE(shown, abc + abc);
    QCOMPARE(positions, (QList<int>{1, 2, 0, 1, 2, 0}));
    // The scheduler picks mode 1 while the order file exists.
    settings().randompic = 100;
    fx->random.setValues({0.5f, 0.99f, 0.0f});
    settings().textver = settings().tostver = settings().voicever = 0;
    w->Timer1_Timer();
    QCOMPARE(panelColour(), abc[0]);
}

void TestScheduler::orderFileOddities()
{
    fx->writeImage(QStringLiteral("pics/a.bmp"), {433, 225}, Qt::red);
    fx->write(QStringLiteral("pics/order.txt"), QStringLiteral("missing.bmp\r\n\r\na.bmp\r\n"));
    w->Image1->image().fill(Qt::white);
    w->ChangePicture(1); // missing picture: panel unchanged, position advances
    QCOMPARE(panelColour(), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(w->OrderPosition, 1);
    w->ChangePicture(1); // empty line
    QCOMPARE(panelColour(), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(w->OrderPosition, 2);
    w->ChangePicture(1);
    QCOMPARE(panelColour(), qRgb(255, 0, 0) & 0xFFFFFF);
    QCOMPARE(w->OrderPosition, 0);
    fx->write(QStringLiteral("pics/order.txt"), QString());
    w->ChangePicture(1); // empty order file
    QCOMPARE(panelColour(), qRgb(255, 0, 0) & 0xFFFFFF);
    // A FIFO named by the order file, or as the order file, is no picture.
    plant(QStringLiteral("pics/pipe.bmp"), Planted::Fifo);
    fx->write(QStringLiteral("pics/order.txt"), QStringLiteral("pipe.bmp\r\n"));
    w->ChangePicture(1);
    QCOMPARE(panelColour(), qRgb(255, 0, 0) & 0xFFFFFF);
    QFile::remove(QStringLiteral("pics/order.txt"));
    plant(QStringLiteral("pics/order.txt"), Planted::Fifo);
    w->ChangePicture(1);
    QCOMPARE(w->OrderPosition, 0);
}

void TestScheduler::randomMode()
{
    fx->writeImage(QStringLiteral("pics/z.gif"), {433, 225}, Qt::blue);
    fx->writeImage(QStringLiteral("pics/x.bmp"), {433, 225}, Qt::red);
    fx->writeImage(QStringLiteral("pics/y.jpg"), {433, 225}, Qt::green);
    fx->write(QStringLiteral("pics/notes.txt"), QStringLiteral("not a picture"));
    plant(QStringLiteral("pics/pipe.bmp"), Planted::LinkToFifo);
    plant(QStringLiteral("pics/zero.jpg"), Planted::Device);
    plant(QStringLiteral("pics/dir.gif"), Planted::Folder);
    w->PictureCount = 0;
    const QString list = w->ListPictures(QStringLiteral("*.bmp")) +
                         w->ListPictures(QStringLiteral("*.jpg")) +
                         w->ListPictures(QStringLiteral("*.gif"));
    QCOMPARE(list, QStringLiteral("x.bmp|y.jpg|z.gif|"));
    QCOMPARE(w->PictureCount, 3);
    QCOMPARE(FrmStakan::PickListEntry(1, list), QStringLiteral("x.bmp"));
    QCOMPARE(FrmStakan::PickListEntry(3, list), QStringLiteral("z.gif"));

    fx->random.setValues({0.0f});
    w->ChangePicture(2);
    QCOMPARE(panelColour(), qRgb(255, 0, 0) & 0xFFFFFF);
    fx->random.setValues({0.99f});
    w->ChangePicture(2);
    QCOMPARE(panelColour(), qRgb(0, 0, 255) & 0xFFFFFF);
    QCOMPARE(w->PictureCount, 3);
    // Names are matched without regard to letter case.
    fx->writeImage(QStringLiteral("pics/W.BMP"), {433, 225}, Qt::black);
    w->PictureCount = 0;
    QCOMPARE(w->ListPictures(QStringLiteral("*.bmp")), QStringLiteral("W.BMP|x.bmp|"));
    // The installed pictures join the user's; the user's win a shared name.
    fx->writeImage(fx->installed(QStringLiteral("pics/a.bmp")), {433, 225}, Qt::yellow);
    fx->writeImage(fx->installed(QStringLiteral("pics/X.bmp")), {433, 225}, Qt::cyan);
    w->PictureCount = 0;
    QCOMPARE(w->ListPictures(QStringLiteral("*.bmp")), QStringLiteral("a.bmp|W.BMP|x.bmp|"));
    fx->random.setValues({0.0f});
    w->ChangePicture(2);
    QCOMPARE(panelColour(), qRgb(255, 255, 0) & 0xFFFFFF);
}

void TestScheduler::panelPainting()
{
    fx->writeImage(QStringLiteral("pics/big.bmp"), {433, 225}, Qt::red);
    fx->writeImage(QStringLiteral("pics/small.bmp"), {100, 100}, Qt::blue);
    fx->writeImage(QStringLiteral("pics/huge.bmp"), {600, 400}, Qt::green);
    fx->write(QStringLiteral("pics/order.txt"),
              QStringLiteral("big.bmp\r\nsmall.bmp\r\nhuge.bmp\r\n"));
    w->Image1->hide();
    w->ChangePicture(1);
    w->ChangePicture(1);
    QVERIFY(w->Image1->isVisibleTo(w));
    const QImage &img = w->Image1->image();
    QCOMPARE(img.size(), QSize(433, 225));
    QCOMPARE(img.pixel(99, 99) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);
    QCOMPARE(img.pixel(100, 0) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
    QCOMPARE(img.pixel(0, 100) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
    QCOMPARE(img.pixel(432, 224) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
    w->ChangePicture(1);
    QCOMPARE(img.pixel(432, 224) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFF);
}

void TestScheduler::otherModesDoNothing()
{
    fx->writeImage(QStringLiteral("pics/a.bmp"), {433, 225}, Qt::red);
    w->Image1->image().fill(Qt::white);
    for (int mode : {0, 3, -1})
        w->ChangePicture(mode);
    QCOMPARE(panelColour(), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(w->OrderPosition, 0);
}

void TestScheduler::greetingOnce()
{
    settings().textver = settings().tostver = settings().voicever = 0;
    fx->clock.set(QDateTime(QDate(2003, 12, 31), QTime(23, 59, 59)));
    w->Timer1_Timer();
    QVERIFY(fx->fake.boxes.isEmpty());
    fx->clock.set(QDateTime(QDate(2004, 1, 1), QTime(0, 0, 10)));
    w->Timer1_Timer();
    fx->clock.set(QDateTime(QDate(2004, 1, 1), QTime(0, 0, 40)));
    w->Timer1_Timer();
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.boxes[0].prompt, QStringLiteral("НОВЫЙ ГОД, ГОСПОДА!"));
    QVERIFY(!fx->fake.boxes[0].title.has_value());
    QCOMPARE(w->Label1->caption(), QStringLiteral("C новым годом!"));
}

QTEST_MAIN(TestScheduler)
#include "tst_scheduler.moc"
