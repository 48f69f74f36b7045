#include "core/clock.h"
#include "platform/fakeplatform.h"
#include "platform/realplatform.h"
#include "platform/sdlaudio.h"
#include "platform/session.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <QtTest>
#include <cmath>

using namespace stak;

namespace {

// A mono 16-bit PCM WAV of a sine tone.
QByteArray sineWav(int ms, int rate = 22050)
{
    const int samples = rate * ms / 1000;
    QByteArray pcm;
    for (int i = 0; i < samples; ++i) {
        const qint16 v = qint16(12000 * std::sin(2 * M_PI * 440 * i / rate));
        pcm.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
    }
    auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray wav = "RIFF" + le32(quint32(36 + pcm.size())) + "WAVEfmt " + le32(16) + le16(1) +
                     le16(1) + le32(quint32(rate)) + le32(quint32(rate * 2)) + le16(2) + le16(16) +
                     "data" + le32(quint32(pcm.size())) + pcm;
    return wav;
}

bool allZero(const QByteArray &b)
{
    return std::all_of(b.begin(), b.end(), [](char c) { return c == 0; });
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // SDL's disk driver writes what is played into a file.
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath(QStringLiteral("out.raw"))));
        QDir::setCurrent(dir.path());
    }

    void fakeAnswersFromItsScript();
    void fakeSleepAdvancesTheClock();
    void session_data();
    void session();
    void fakeExitThrows();
    void soundReallyPlays();
    void realScreen();
    void russianButtons();

private:
    QTemporaryDir dir;
};

void TestPlatform::fakeAnswersFromItsScript()
{
    FakePlatform fake;
    int yields = 0;
    fake.onYield = [&] { ++yields; };
    fake.answers = {MsgAnswer::No};
    QCOMPARE(fake.messageBox(u"a"_qs, MsgButtons::YesNo, u"t"_qs, false), MsgAnswer::No);
    // An empty script presses the first button.
    QCOMPARE(fake.messageBox(u"b"_qs, MsgButtons::YesNo, std::nullopt, false), MsgAnswer::Yes);
    QCOMPARE(fake.messageBox(u"c"_qs, MsgButtons::Ok, QString(), true), MsgAnswer::Ok);
    QCOMPARE(fake.boxes.size(), 3);
    QCOMPARE(fake.boxes[0].title, std::optional<QString>(u"t"_qs));
    QVERIFY(!fake.boxes[1].title.has_value());
    QVERIFY(fake.boxes[2].foreground);
    // Every box is a yield point, like every pump.
    fake.processEvents();
    QCOMPARE(yields, 4);
    QCOMPARE(fake.eventPumps, 1);
}

void TestPlatform::fakeSleepAdvancesTheClock()
{
    FakePlatform fake;
    FakeClock clock;
    fake.clock = &clock;
    const QDateTime start = clock.now();
    fake.sleep(1500);
    fake.sleep(-20);
    QCOMPARE(fake.sleeps, (QList<int>{1500, -20}));
    QCOMPARE(start.msecsTo(clock.now()), 1500);
    // A frame's wait goes to its due time; one already past does not go back.
    fake.waitUntil(start.addMSecs(1517));
    fake.waitUntil(start.addMSecs(1510));
    QCOMPARE(fake.frameWaits, (QList<qint64>{17, -7}));
    QCOMPARE(start.msecsTo(clock.now()), 1517);
}

void TestPlatform::session_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("waylandSession");
    QTest::addColumn<bool>("throughXWayland");
    QTest::newRow("X11") << QByteArray("x11") << false << true << false << false << false;
    QTest::newRow("GNOME on Wayland")
        << QByteArray("wayland") << true << true << false << true << true;
    QTest::newRow("type only") << QByteArray("wayland") << false << true << false << true << true;
    QTest::newRow("display only") << QByteArray() << true << true << false << true << true;
    QTest::newRow("no XWayland") << QByteArray("wayland") << true << false << false << true
                                 << false;
    QTest::newRow("plugin chosen")
        << QByteArray("wayland") << true << true << true << true << false;
    QTest::newRow("console") << QByteArray("tty") << false << false << false << false << false;
}

void TestPlatform::session()
{
    QFETCH(QByteArray, type);
    QFETCH(bool, wayland);
    QFETCH(bool, x11);
    QFETCH(bool, chosen);
    QFETCH(bool, waylandSession);
    QFETCH(bool, throughXWayland);
    const SessionEnvironment env{type, wayland, x11, chosen};
    QCOMPARE(isWaylandSession(env), waylandSession);
    QCOMPARE(runsThroughXWayland(env), throughXWayland);
}

void TestPlatform::fakeExitThrows()
{
    FakePlatform fake;
    try {
        fake.exitProgram(3);
        QFAIL("exitProgram returned");
    } catch (const ProgramExit &e) {
        QCOMPARE(e.code, 3);
    }
}

void TestPlatform::soundReallyPlays()
{
    QDir(dir.path()).mkpath(QStringLiteral("wav"));
    QFile wav(dir.filePath(QStringLiteral("wav/beep.wav")));
    QVERIFY(wav.open(QIODevice::WriteOnly));
    wav.write(sineWav(300));
    wav.close();

    const QString out = dir.filePath(QStringLiteral("out.raw"));
    {
        SdlAudio audio;
        // A missing file plays nothing and returns at once.
        QElapsedTimer t;
        t.start();
        audio.play(QStringLiteral("wav\\missing.wav"), true);
        QVERIFY(t.elapsed() < 1000);
        QThread::msleep(150);
        QFile silent(out);
        QVERIFY2(silent.open(QIODevice::ReadOnly), "the disk audio driver wrote nothing");
        const qint64 silentSize = silent.size();
        QVERIFY(allZero(silent.readAll()));
        // Nothing else that cannot be a sound blocks or fills the memory.
        plant(QStringLiteral("pipe.wav"), Planted::Fifo);
        t.restart();
        for (const char *name : {"pipe.wav", "/dev/zero", "wav"})
            audio.play(QLatin1String(name), true);
        audio.musicPlay(QStringLiteral("/dev/zero"));
        QVERIFY(t.elapsed() < 1000);

        // Played and waited for, through a Windows-style path in other letters.
        t.restart();
        audio.play(QStringLiteral(".\\WAV\\Beep.WAV"), true);
        QVERIFY(t.elapsed() >= 250);
        QThread::msleep(150);
        QFile loud(out);
        QVERIFY(loud.open(QIODevice::ReadOnly));
        loud.seek(silentSize);
        const QByteArray played = loud.readAll();
        QVERIFY(!allZero(played));
    }
}

void TestPlatform::realScreen()
{
    RealPlatform real;
    const QRect screen = real.screens().value(0);
    QVERIFY(!screen.isEmpty());
    const QImage shot = real.captureScreen(screen);
    QCOMPARE(shot.deviceIndependentSize().toSize(), screen.size());
    QVERIFY(real.tempFolder().endsWith(QLatin1Char('/')));
    QVERIFY(QDir(real.tempFolder()).exists());
    QVERIFY(!real.screenFonts().isEmpty());
}

void TestPlatform::russianButtons()
{
    // Whatever the system's language, Qt's own buttons speak Russian.
    QLocale::setDefault(QLocale::English);
    QVERIFY(installQtTranslations(*qApp));
    QMessageBox box(QMessageBox::NoIcon, u"t"_qs, u"?"_qs, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), u"&Да"_qs);
    QCOMPARE(box.button(QMessageBox::No)->text(), u"&Нет"_qs);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
