#include "platform/realplatform.h"

#include "core/clock.h"
#include "core/contentpath.h"
#include "core/picture.h"
#include "platform/screencapture.h"
#include "platform/sdlaudio.h"
#include "platform/session.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace stak {

void setCdTray(bool open); // cdtray_*.cpp

RealPlatform::RealPlatform() : m_audio(std::make_unique<SdlAudio>()) {}

RealPlatform::~RealPlatform() = default;

MsgAnswer RealPlatform::messageBox(const QString &prompt, MsgButtons buttons,
                                   const std::optional<QString> &title, bool foreground)
{
    // An empty title would be replaced by the program's name on X11; a blank
    // keeps the title bar empty.
    QString caption = title.value_or(appTitle());
    if (caption.isEmpty())
        caption = QStringLiteral(" ");
    QMessageBox box(QMessageBox::NoIcon, caption, prompt,
                    buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                 : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (foreground)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void RealPlatform::showModal(QWidget *window)
{
    // The window's own loop ends when it is hidden (closing hides it) or
    // deleted.
    struct HideWatcher : QObject
    {
        QEventLoop *loop;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Hide)
                loop->quit();
            return false;
        }
    };
    QEventLoop loop;
    HideWatcher watcher;
    watcher.loop = &loop;
    QPointer<QWidget> guard(window);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->setWindowModality(Qt::ApplicationModal);
    // Over the window that opened it, rather than wherever the window manager
    // puts a new window.
    if (QWidget *opener = window->parentWidget())
        window->move(opener->frameGeometry().center() - window->rect().center());
    window->show();
    window->activateWindow();
    if (window->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}

void RealPlatform::playSound(const QString &file)
{
    m_audio->play(file, false);
}

void RealPlatform::playSoundAndWait(const QString &file)
{
    m_audio->play(file, true);
}

void RealPlatform::musicPlay(const QString &alias)
{
    m_audio->musicPlay(alias);
}

void RealPlatform::musicStop(const QString &)
{
    m_audio->musicStop();
}

void RealPlatform::musicClose(const QString &)
{
    m_audio->musicClose();
}

void RealPlatform::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void RealPlatform::openTextFile(const QString &path)
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QFileInfo(resolveContentPath(path)).absoluteFilePath()));
}

QImage RealPlatform::captureScreen()
{
    if (!m_capture)
        m_capture = makeScreenCapture(SessionEnvironment::current());
    return fitScreenCopy(m_capture->capture(), screenSize());
}

QSize RealPlatform::screenSize()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->geometry().size();
    return {1024, 768};
}

qreal RealPlatform::refreshRate()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->refreshRate();
    return 0;
}

bool RealPlatform::canMoveWindows()
{
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void RealPlatform::setCdDoor(bool open)
{
    setCdTray(open);
}

QString RealPlatform::tempFolder()
{
    return QDir::tempPath() + QLatin1Char('/');
}

void RealPlatform::processEvents()
{
    QCoreApplication::processEvents();
}

void RealPlatform::sleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms < 0 ? 0 : ms));
}

void RealPlatform::waitUntil(const QDateTime &due)
{
    const qint64 ms = programClock().now().msecsTo(due);
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void RealPlatform::exitProgram(int code)
{
    // At once: no window's closing steps run, no static destructors.
    std::fflush(nullptr);
    ::_exit(code);
}

QStringList RealPlatform::screenFonts()
{
    return QFontDatabase::families();
}

} // namespace stak
