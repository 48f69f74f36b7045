#include "platform/audioplayer.h"
#include "platform/portalscreencapture.h"
#include "platform/realplatform.h"
#include "platform/session.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

using namespace stak;

namespace {
bool portalOnTheBus()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(
        u"org.freedesktop.portal.Desktop"_qs);
}

bool allZero(const QByteArray &b)
{
    return std::all_of(b.begin(), b.end(), [](char c) { return c == 0; });
}
} // namespace

// The operating system's services, and the portal capture against a stand-in
// portal on the private session bus this test runs on.
class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // SDL's disk driver writes what is played into a file.
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath(u"out.raw"_qs)));
        QDir::setCurrent(dir.path());
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no session bus");
    }

    void session_data()
    {
        // The environment: XDG_SESSION_TYPE; WAYLAND_DISPLAY, DISPLAY and
        // QT_QPA_PLATFORM set or not.
        columns<SessionEnvironment, bool, bool>("env", "waylandSession", "throughXWayland");
        using E = SessionEnvironment;
        tableRow("X11", E{"x11", false, true, false}, false, false);
        tableRow("GNOME on Wayland", E{"wayland", true, true, false}, true, true);
        tableRow("type only", E{"wayland", false, true, false}, true, true);
        tableRow("display only", E{"", true, true, false}, true, true);
        tableRow("no XWayland", E{"wayland", true, false, false}, true, false);
        tableRow("plugin chosen", E{"wayland", true, true, true}, true, false);
        tableRow("console", E{"tty", false, false, false}, false, false);
    }
    void session()
    {
        const auto [env, waylandSession, throughXWayland] =
            fetch<SessionEnvironment, bool, bool>("env", "waylandSession", "throughXWayland");
        QCOMPARE(isWaylandSession(env), waylandSession);
        QCOMPARE(runsThroughXWayland(env), throughXWayland);
    }

    void soundReallyPlays()
    {
        // 300 ms of a square wave.
        QByteArray tone;
        for (int i = 0; i < 1200; ++i)
            tone += "\x20\xE0";
        // The format's bytes a second and bytes a frame.
        QByteArray wav = wavFile(wavFormat(1, 1, 8000, 8) + wavChunk("data", tone));
        wav[28] = char(8000 & 0xff), wav[29] = char(8000 >> 8), wav[32] = 1;
        writeTestFile(u"wav/beep.wav"_qs, wav);
        plant(u"pipe.wav"_qs, Planted::Fifo);
        // Without its module the player is silent and says why, once.
        AudioPlayer none(dir.filePath(u"nowhere/stakanych-audio.so"_qs));
        none.play(u"wav/beep.wav"_qs, true);
        none.musicPlay(u"wav/beep.wav"_qs);
        QVERIFY(none.silenceReason().contains(u"cannot be loaded"_qs));
        AudioPlayer audio(QStringLiteral(STAK_AUDIO_MODULE));
        // A missing file plays nothing and returns at once; nor does anything
        // else that cannot be a sound block or fill the memory.
        QElapsedTimer t;
        t.start();
        for (const char *name : {"wav\\missing.wav", "pipe.wav", "/dev/zero", "wav"})
            audio.play(QLatin1String(name), true);
        audio.musicPlay(u"/dev/zero"_qs);
        QVERIFY(t.elapsed() < 1000);
        QThread::msleep(150);
        QFile out(dir.filePath(u"out.raw"_qs));
        QVERIFY2(out.open(QIODevice::ReadOnly), "the disk audio driver wrote nothing");
        QVERIFY(allZero(out.readAll()));
        // Played and waited for, through a Windows-style path in other letters.
        t.restart();
        audio.play(u".\\WAV\\Beep.WAV"_qs, true);
        QVERIFY(t.elapsed() >= 250);
        QThread::msleep(150);
        QVERIFY(!allZero(out.readAll()));
    }

    void capture_data()
    {
        columns<QString, bool>("mode", "picture");
        tableRow("picture", "picture", true);
        tableRow("refused", "deny", false);
        tableRow("no answer", "silent", false);
        tableRow("not a picture", "garbage", false);
        tableRow("no portal", "", false);
    }
    void capture()
    {
        const auto [mode, picture] = fetch<QString, bool>("mode", "picture");
        const QString file = dir.filePath(mode + u".png"_qs);
        QProcess portal;
        if (!mode.isEmpty()) {
            portal.start(QStringLiteral(FAKE_PORTAL), {mode, file});
            QVERIFY(portal.waitForStarted());
            QTRY_VERIFY(portalOnTheBus());
        }
        QElapsedTimer t;
        t.start();
        // One screen, the whole desktop: the picture as it came.
        const QImage shot = PortalScreenCapture(1500).capture({0, 0, 64, 48}, {{0, 0, 64, 48}});
        const qint64 took = t.elapsed();
        QCOMPARE(!shot.isNull(), picture);
        QVERIFY(!picture ||
                (shot.size() == QSize(64, 48) && shot.pixel(0, 0) == qRgb(200, 30, 40) &&
                 shot.pixel(63, 47) == qRgb(1, 2, 3)));
        // Only a portal that never answers makes the capture wait its time out.
        QVERIFY2(mode == u"silent"_qs ? took >= 1500 && took < 5000 : took < 1500,
                 qPrintable(QString::number(took)));
        // The portal's file is ours to remove, picture or not.
        QVERIFY(!QFile::exists(file));
        if (mode.isEmpty())
            return;
        portal.kill();
        portal.waitForFinished();
        QCOMPARE(portal.readAllStandardOutput(), QByteArray("parent= interactive=false\n"));
        QTRY_VERIFY(!portalOnTheBus());
    }

    void russianButtons()
    {
        // Whatever the system's language, Qt's own buttons speak Russian.
        QLocale::setDefault(QLocale::English);
        QVERIFY(installQtTranslations(*qApp));
        QMessageBox box(QMessageBox::NoIcon, u"t"_qs, u"?"_qs, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), u"&Да"_qs);
        QCOMPARE(box.button(QMessageBox::No)->text(), u"&Нет"_qs);
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
